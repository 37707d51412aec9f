// Class identity, published properties by name, and component ownership.
#include "framework/Component.h"
#include "framework/Properties.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum TTestLayout { tlGlyphLeft, tlGlyphRight, tlGlyphTop };

class TTestBase : public TComponent {
    KELVORA_CLASS(TTestBase)
public:
    using TComponent::TComponent;
    int Margin() const { return margin_; }
    void SetMargin(int v) { margin_ = v; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& s) { caption_ = s; }

private:
    int margin_ = 4;
    std::string caption_;
};

class TTestButton : public TTestBase {
    KELVORA_CLASS(TTestButton)
public:
    using TTestBase::TTestBase;
    TTestLayout Layout() const { return layout_; }
    void SetLayout(TTestLayout v) { layout_ = v; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; }
    std::wstring Hint() const { return hint_; }
    void SetHint(const std::wstring& s) { hint_ = s; }
    TComponent* Partner() const { return partner_; }
    void SetPartner(TComponent* c) { partner_ = c; }
    int Version() const { return 3; }

private:
    TTestLayout layout_ = tlGlyphLeft;
    bool transparent_ = false;
    std::wstring hint_;
    TComponent* partner_ = nullptr;
};

}  // namespace

const TClassInfo& TTestBase::StaticClass() {
    static const TClassInfo info("TTestBase", &TComponent::StaticClass(),
                                 {props::Ordinal<TTestBase, int>("Margin", &TTestBase::Margin, &TTestBase::SetMargin),
                                  props::String<TTestBase>("Caption", &TTestBase::Caption, &TTestBase::SetCaption)});
    return info;
}

const TClassInfo& TTestButton::StaticClass() {
    static const TClassInfo info(
        "TTestButton", &TTestBase::StaticClass(),
        {props::Enumeration<TTestButton, TTestLayout>("Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop"},
                                                      &TTestButton::Layout, &TTestButton::SetLayout),
         props::Boolean<TTestButton>("Transparent", &TTestButton::Transparent, &TTestButton::SetTransparent),
         props::WideString<TTestButton>("Hint", &TTestButton::Hint, &TTestButton::SetHint),
         props::Object<TTestButton, TComponent>("Partner", &TTestButton::Partner, &TTestButton::SetPartner),
         props::Ordinal<TTestButton, int>("Version", &TTestButton::Version, nullptr)});
    return info;
}

TEST(FrameworkClassIdentity, NameAndAncestry) {
    auto b = MakeUnowned<TTestButton>();
    EXPECT_EQ(b->ClassName(), "TTestButton");
    EXPECT_TRUE(b->InheritsFrom("TTestButton"));
    EXPECT_TRUE(b->InheritsFrom("TTestBase"));
    EXPECT_TRUE(b->InheritsFrom("TComponent"));
    EXPECT_TRUE(b->InheritsFrom("TObject"));
    EXPECT_FALSE(b->InheritsFrom("TControl"));
    EXPECT_FALSE(b->InheritsFrom("ttestbutton"));
}

TEST(FrameworkProperties, ReadAndWriteEachKindAsText) {
    auto b = MakeUnowned<TTestButton>();
    auto other = MakeUnowned<TTestBase>();

    EXPECT_EQ(GetPropValue(b.get(), "Margin"), "4");  // inherited ordinal
    EXPECT_TRUE(SetPropValue(b.get(), "margin", "-2"));  // names are case-insensitive
    EXPECT_EQ(b->Margin(), -2);
    EXPECT_FALSE(SetPropValue(b.get(), "Margin", "12px"));
    EXPECT_EQ(b->Margin(), -2);

    EXPECT_EQ(GetPropValue(b.get(), "Layout"), "blGlyphLeft");
    EXPECT_TRUE(SetPropValue(b.get(), "Layout", "blglyphtop"));
    EXPECT_EQ(b->Layout(), tlGlyphTop);
    EXPECT_EQ(GetOrdProp(b.get(), "Layout"), 2);
    EXPECT_FALSE(SetPropValue(b.get(), "Layout", "blNowhere"));
    EXPECT_FALSE(SetOrdProp(b.get(), "Layout", 7));  // outside the enumeration
    EXPECT_EQ(b->Layout(), tlGlyphTop);

    EXPECT_EQ(GetPropValue(b.get(), "Transparent"), "False");
    EXPECT_TRUE(SetPropValue(b.get(), "Transparent", "True"));
    EXPECT_TRUE(b->Transparent());

    EXPECT_TRUE(SetPropValue(b.get(), "Caption", "\xD2\xBB\xBC\xFC"));
    EXPECT_EQ(b->Caption(), "\xD2\xBB\xBC\xFC");
    EXPECT_TRUE(SetWideStrProp(b.get(), "Hint", L"tip"));
    EXPECT_EQ(GetPropValue(b.get(), "Hint"), "tip");
    EXPECT_EQ(GetWideStrProp(b.get(), "Caption"), L"\u4E00\u952E");  // converted from code page 936

    EXPECT_EQ(GetObjectProp(b.get(), "Partner"), nullptr);
    EXPECT_TRUE(SetObjectProp(b.get(), "Partner", other.get()));
    EXPECT_EQ(b->Partner(), other.get());
    EXPECT_EQ(GetPropValue(b.get(), "Partner"), "TTestBase");

    // Read-only property: readable, not writable.
    EXPECT_EQ(GetOrdProp(b.get(), "Version"), 3);
    EXPECT_FALSE(SetPropValue(b.get(), "Version", "4"));
    // Name and Tag are published by every component.
    EXPECT_TRUE(SetPropValue(b.get(), "Tag", "5555"));
    EXPECT_EQ(b->Tag(), 5555);
}

TEST(FrameworkProperties, MissingPropertiesGiveNeutralResults) {
    auto base = MakeUnowned<TTestBase>();
    EXPECT_FALSE(IsPublishedProp(base.get(), "ParentBackground"));
    EXPECT_EQ(GetOrdProp(base.get(), "ParentBackground"), -1);
    EXPECT_EQ(GetEnumProp(base.get(), "Layout"), "");
    EXPECT_EQ(GetStrProp(base.get(), "Glyph"), "");
    EXPECT_EQ(GetWideStrProp(base.get(), "Glyph"), L"");
    EXPECT_EQ(GetObjectProp(base.get(), "Font"), nullptr);
    EXPECT_EQ(GetPropValue(base.get(), "Kind"), "");
    EXPECT_FALSE(SetPropValue(base.get(), "Transparent", "True"));
    EXPECT_FALSE(SetObjectProp(base.get(), "Font", nullptr));
    // A property of the wrong kind reads like a missing one.
    EXPECT_EQ(GetOrdProp(base.get(), "Caption"), -1);
    EXPECT_EQ(GetStrProp(base.get(), "Margin"), "");
    EXPECT_EQ(GetOrdProp(nullptr, "Tag"), -1);
}

namespace {
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<std::string>* log = nullptr;
    void Loaded() override {
        TComponent::Loaded();
        if (log) log->push_back("loaded " + Name());
    }
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (log && op == TOperation::opRemove) log->push_back(Name() + " saw removal of " + c->Name());
    }
    ~TWatcher() override {
        if (log) log->push_back("freed " + Name());
    }
};
}  // namespace

TEST(FrameworkComponents, OwnerKeepsCreationOrderLoadsOnceAndFreesNewestFirst) {
    std::vector<std::string> log;
    {
        auto owner = MakeUnowned<TWatcher>();
        owner->SetName("Form");
        owner->log = &log;
        owner->SetLoading(true);
        for (const char* name : {"A", "B", "C"}) {
            auto* c = MakeComponent<TWatcher>(owner.get());
            c->SetName(name);
            c->log = &log;
            EXPECT_TRUE(c->Loading());
        }
        ASSERT_EQ(owner->ComponentCount(), 3);
        EXPECT_EQ(owner->Components(1)->Name(), "B");
        EXPECT_EQ(owner->Components(2)->ComponentIndex(), 2);
        EXPECT_EQ(owner->FindComponent("c"), owner->Components(2));
        owner->LoadedAll();
        owner->LoadedAll();  // a second pass loads nothing again
        EXPECT_EQ(log, (std::vector<std::string>{"loaded A", "loaded B", "loaded C", "loaded Form",
                                                 "loaded Form"}));
        log.clear();
        EXPECT_TRUE(TComponent::Free(owner->Components(1)));
        EXPECT_EQ(owner->ComponentCount(), 2);
        EXPECT_EQ(log, (std::vector<std::string>{"C saw removal of B", "A saw removal of B", "Form saw removal of B",
                                                 "freed B"}));
        log.clear();
    }
    // Its components go first, newest first, while the owner is whole (it and the remaining
    // siblings hear of each removal); then the owner's own destructor runs.
    EXPECT_EQ(log, (std::vector<std::string>{"A saw removal of C", "Form saw removal of C", "freed C",
                                             "Form saw removal of A", "freed A", "freed Form"}));
}

TEST(FrameworkComponents, FreeNotificationReachesUnrelatedComponents) {
    std::vector<std::string> log;
    auto a = MakeUnowned<TWatcher>();
    a->SetName("Tray");
    a->log = &log;
    {
        auto menu = MakeUnowned<TWatcher>();
        menu->SetName("Menu");
        menu->FreeNotification(a.get());
    }
    EXPECT_EQ(log, (std::vector<std::string>{"Tray saw removal of Menu"}));
    EXPECT_THROW(MakeComponent<TWatcher>(nullptr), EInvalidOperation);
}
