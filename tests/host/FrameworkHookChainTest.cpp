// Message hook chains (any removal order, changes during a dispatch, detaching) and
// component lifetimes (owned components freed while their owner is whole, references
// that expire). Run under the sanitizers, which catch a hook used after it was freed.
#include "framework/Component.h"
#include "framework/HookChain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// Each hook appends its name to the record and passes the message on; the end appends "W".
struct Recorder {
    THookChain chain;
    std::string seen;
    std::map<char, THookToken> tokens;

    THookToken Add(char name) {
        return tokens[name] = chain.Add([this, name](TMessage& m, const TWndMethod& next) {
            seen += name;
            next(m);
        });
    }
    std::string Send() {
        seen.clear();
        TMessage m;
        chain.Dispatch(m, [this](TMessage&) { seen += 'W'; });
        return seen;
    }
};

}  // namespace

TEST(FrameworkHookChain, NewestFirstAndRemovableInEveryOrder) {
    std::string order = "ABC";
    do {
        Recorder r;
        for (char c : std::string("ABC")) r.Add(c);
        ASSERT_EQ(r.Send(), "CBAW");
        std::string left = "CBA";
        for (char c : order) {
            EXPECT_TRUE(r.chain.Remove(r.tokens[c])) << order;
            EXPECT_FALSE(r.chain.Remove(r.tokens[c])) << "a token is removed once";
            left.erase(left.find(c), 1);
            EXPECT_EQ(r.Send(), left + "W") << "removal order " << order;
        }
        EXPECT_TRUE(r.chain.Empty());
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(FrameworkHookChain, ChangesDuringADispatchKeepRunningHooksAlive) {
    Recorder r;
    r.Add('A');
    r.Add('B');
    // C removes itself and B, then passes on: B is skipped, A still runs, and C's own
    // function object (with its captured string) stays valid until it returns.
    const std::string label = "C-with-a-long-enough-label-to-live-on-the-heap";
    r.tokens['C'] = r.chain.Add([&r, label](TMessage& m, const TWndMethod& next) {
        r.chain.Remove(r.tokens['C']);
        r.chain.Remove(r.tokens['B']);
        r.Add('D');  // added now: sees only the next message
        next(m);
        r.seen += label.substr(0, 1);
    });
    EXPECT_EQ(r.Send(), "AWC");
    EXPECT_EQ(r.Send(), "DAW");
}

TEST(FrameworkHookChain, DetachAllTellsEveryOwnerNewestFirst) {
    THookChain chain;
    std::string told;
    THookToken a = chain.Add([](TMessage& m, const TWndMethod& next) { next(m); }, [&] { told += 'A'; });
    chain.Add([](TMessage& m, const TWndMethod& next) { next(m); }, [&] {
        told += 'B';
        EXPECT_FALSE(chain.Remove(a)) << "already off when owners are told";
    });
    chain.DetachAll();
    EXPECT_EQ(told, "BA");
    EXPECT_TRUE(chain.Empty());
    EXPECT_NE(chain.Add([](TMessage&, const TWndMethod&) {}), a) << "tokens are not reused";
}

namespace {

// An owner whose derived part keeps a log, and a component that writes to it when freed.
class TLogOwner : public TComponent {
public:
    using TComponent::TComponent;
    virtual bool Record(const std::string& line) {
        log.push_back(line);
        return true;
    }
    std::vector<std::string> log;
};

class TLogChild : public TComponent {
public:
    TLogChild(TComponent* owner, std::vector<std::string>* results) : TComponent(owner), results_(results) {}
    ~TLogChild() override {
        // A skinner giving its control back its state does the same: it calls the owner.
        auto* owner = dynamic_cast<TLogOwner*>(Owner());
        results_->push_back(owner && owner->Record("child freed") ? "owner whole" : "owner gone");
    }

private:
    std::vector<std::string>* results_;
};

}  // namespace

TEST(FrameworkComponentLifetime, OwnedComponentsGoWhileTheOwnerIsWhole) {
    std::vector<std::string> results;
    {
        TUnowned<TLogOwner> owner = MakeUnowned<TLogOwner>();
        MakeComponent<TLogChild>(owner.get(), &results);
        MakeComponent<TLogChild>(owner.get(), &results);
    }
    // Owned by an owner: freed through the owner's list.
    auto top = MakeUnowned<TComponent>();
    auto* middle = MakeComponent<TLogOwner>(top.get());
    MakeComponent<TLogChild>(middle, &results);
    TComponentRef<TLogOwner> middleRef(middle);
    EXPECT_EQ(middleRef.Get(), middle);
    EXPECT_TRUE(TComponent::Free(middle));
    EXPECT_FALSE(middleRef) << "a reference to a freed component is empty";
    EXPECT_EQ(results, std::vector<std::string>(3, "owner whole"));
}
