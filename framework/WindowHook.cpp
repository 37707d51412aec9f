#include "framework/WindowHook.h"

#include "framework/Controls.h"
#include "framework/Exceptions.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <unordered_map>
#include <vector>

namespace {

struct Hook {
    THookToken token;
    THookProc proc;
    TDetachedEvent onDetached;
    bool removed = false;
};
using Hooks = std::vector<std::shared_ptr<Hook>>;

// The hooks of one window, oldest first, and the procedure that was there before the
// chain's own procedure went on.
struct WindowContext {
    Hooks hooks;
    LONG_PTR previous = 0;

    std::shared_ptr<Hook> Take(THookToken token) {
        auto it = std::find_if(hooks.begin(), hooks.end(),
                               [token](const std::shared_ptr<Hook>& h) { return h->token == token; });
        if (it == hooks.end()) return nullptr;
        std::shared_ptr<Hook> hook = *it;
        hooks.erase(it);
        hook->removed = true;
        return hook;
    }
};

// The contexts of every hooked window, found in process on each message (a window property
// would cost a round trip to the window server per message under some systems). The table
// is never destroyed: windows can still get messages while static objects are torn down.
class ContextTable {
public:
    static ContextTable& Get() {
        alignas(ContextTable) static unsigned char storage[sizeof(ContextTable)];
        static ContextTable* table = ::new (storage) ContextTable();
        return *table;
    }

    // The window's hooks (a copy, which keeps each alive through a dispatch) and its
    // previous procedure; false when the window has no context.
    bool Snapshot(HWND window, Hooks& hooks, LONG_PTR& previous) {
        Lock lock(lock_);
        auto it = contexts_.find(window);
        if (it == contexts_.end()) return false;
        hooks = it->second->hooks;
        previous = it->second->previous;
        return true;
    }
    template <class F>
    auto With(HWND window, F f) {
        Lock lock(lock_);
        auto it = contexts_.find(window);
        return f(it == contexts_.end() ? nullptr : it->second.get());
    }
    WindowContext* Make(HWND window, LONG_PTR previous) {
        Lock lock(lock_);
        auto& slot = contexts_[window];
        slot = std::make_unique<WindowContext>();
        slot->previous = previous;
        return slot.get();
    }
    void Drop(HWND window) {
        std::unique_ptr<WindowContext> gone;
        Lock lock(lock_);
        auto it = contexts_.find(window);
        if (it == contexts_.end()) return;
        gone = std::move(it->second);
        contexts_.erase(it);
    }

private:
    ContextTable() { InitializeCriticalSection(&lock_); }

    class Lock {
    public:
        explicit Lock(CRITICAL_SECTION& l) : l_(l) { EnterCriticalSection(&l_); }
        ~Lock() { LeaveCriticalSection(&l_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        CRITICAL_SECTION& l_;
    };
    CRITICAL_SECTION lock_;
    std::unordered_map<HWND, std::unique_ptr<WindowContext>> contexts_;
};

ATOM MarkAtom() {
    static GlobalAtomHandle atom = [] {
        char name[64];
        std::snprintf(name, sizeof name, "WindowHooks%.8X%.8X",
                      static_cast<unsigned>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))),
                      static_cast<unsigned>(GetCurrentThreadId()));
        return GlobalAtomHandle(GlobalAddAtomA(name));
    }();
    return atom.get();
}

LRESULT CALLBACK ChainProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

// Takes one hook off at WM_NCDESTROY and tells its owner.
void DetachAtDestroy(HWND window, THookToken token) {
    std::shared_ptr<Hook> gone =
        ContextTable::Get().With(window, [token](WindowContext* c) { return c ? c->Take(token) : nullptr; });
    if (gone && gone->onDetached) GuardedDispatch([&] { gone->onDetached(); });
}

// Runs the message through hooks[0, count), newest first, then the previous procedure.
void RunChain(HWND window, UINT msg, const Hooks& hooks, size_t count, LONG_PTR previous, TMessage& m) {
    while (count > 0 && hooks[count - 1]->removed) --count;
    if (count == 0) {
        m.Result = CallWindowProcW(reinterpret_cast<WNDPROC>(previous), window, m.Msg, m.WParam, m.LParam);
        return;
    }
    const std::shared_ptr<Hook>& hook = hooks[count - 1];
    bool passedOn = false;
    const TWndMethod next = [&](TMessage& n) {
        passedOn = true;
        RunChain(window, msg, hooks, count - 1, previous, n);
    };
    bool finished = false;
    GuardedDispatch([&] {
        hook->proc(m, next);
        finished = true;
    });
    // The rest of the chain must see the window go, and a failed hook leaves the message
    // to the procedures under it.
    if (!passedOn && (msg == WM_NCDESTROY || !finished)) next(m);
    if (msg == WM_NCDESTROY) DetachAtDestroy(window, hook->token);
}

// The one procedure every hooked window gets (set as a Unicode procedure, so hooks see
// messages in the same form whatever the window's class).
LRESULT CALLBACK ChainProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    Hooks hooks;
    LONG_PTR previous = 0;
    if (!ContextTable::Get().Snapshot(window, hooks, previous)) return DefWindowProcW(window, msg, wp, lp);
    TMessage m;
    m.Msg = msg;
    m.WParam = wp;
    m.LParam = lp;
    RunChain(window, msg, hooks, hooks.size(), previous, m);
    if (msg == WM_NCDESTROY) {
        // Hooks added while the window was going are taken off too; then the context goes.
        Hooks left;
        ContextTable::Get().With(window, [&left](WindowContext* c) {
            if (c) left.swap(c->hooks);
            return 0;
        });
        for (const auto& h : left) h->removed = true;
        ContextTable::Get().Drop(window);
        RemovePropA(window, MAKEINTATOM(MarkAtom()));
        for (const auto& h : left)
            if (h->onDetached) GuardedDispatch([&] { h->onDetached(); });
    }
    return m.Result;
}

// The window's context, made (with the chain's procedure put on) when it has none. A
// context whose window went without its WM_NCDESTROY reaching the chain is stale: the
// window property the chain sets is gone with that window.
WindowContext* ContextFor(HWND window) {
    const bool marked = GetPropA(window, MAKEINTATOM(MarkAtom())) != nullptr;
    WindowContext* context = ContextTable::Get().With(window, [](WindowContext* c) { return c; });
    if (context && marked) return context;
    if (context) ContextTable::Get().Drop(window);
    if (!SetPropA(window, MAKEINTATOM(MarkAtom()), reinterpret_cast<HANDLE>(1)))
        throw EOutOfResources("Cannot hook the window");
    SetLastError(0);
    const LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainProc));
    if (!previous && GetLastError()) {
        RemovePropA(window, MAKEINTATOM(MarkAtom()));
        throw EOutOfResources("Cannot subclass the window");
    }
    return ContextTable::Get().Make(window, previous);
}

}  // namespace

THookToken SubclassWindow(HWND window, THookProc proc, TDetachedEvent onDetached) {
    if (!window || !IsWindow(window)) throw EInvalidOperation("Cannot hook a window that does not exist");
    auto hook = std::make_shared<Hook>();
    hook->token = NewHookToken();
    hook->proc = std::move(proc);
    hook->onDetached = std::move(onDetached);
    WindowContext* context = ContextFor(window);
    ContextTable::Get().With(window, [&](WindowContext* c) {
        if (c == context) c->hooks.push_back(hook);
        return 0;
    });
    return hook->token;
}

bool UnsubclassWindow(HWND window, THookToken token) {
    if (!window) return false;
    LONG_PTR previous = 0;
    bool last = false;
    const bool found = ContextTable::Get().With(window, [&](WindowContext* c) {
        if (!c || !c->Take(token)) return false;
        last = c->hooks.empty();
        previous = c->previous;
        return true;
    });
    if (!found) return false;
    // With its last hook gone the window gets its procedure back, unless a procedure set
    // with SetWindowLongPtr since sits on top: that one saved the chain's procedure and may
    // call it or put it back, so the chain stays, passing everything on, until the window goes.
    if (last && GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ChainProc)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, previous);
        ContextTable::Get().Drop(window);
        RemovePropA(window, MAKEINTATOM(MarkAtom()));
    }
    return true;
}

bool IsWindowHooked(HWND window, THookToken token) {
    if (!window) return false;
    return ContextTable::Get().With(window, [token](WindowContext* c) {
        return c && std::any_of(c->hooks.begin(), c->hooks.end(),
                                [token](const std::shared_ptr<Hook>& h) { return h->token == token; });
    });
}
