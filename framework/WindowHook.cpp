#include "framework/WindowHook.h"

#include "framework/Controls.h"
#include "framework/Exceptions.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using SubclassProc = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
using SetSubclassFn = BOOL(WINAPI*)(HWND, SubclassProc, UINT_PTR, DWORD_PTR);
using RemoveSubclassFn = BOOL(WINAPI*)(HWND, SubclassProc, UINT_PTR);
using DefSubclassFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

// comctl32's subclass chain, taken by ordinal: older versions export it only that way.
struct SubclassApi {
    SetSubclassFn set = nullptr;
    RemoveSubclassFn remove = nullptr;
    DefSubclassFn def = nullptr;

    static const SubclassApi& Get() {
        static const SubclassApi api = [] {
            SubclassApi a;
            // Stays loaded for the life of the process: windows keep calling into it.
            HMODULE comctl = LoadLibraryA("comctl32.dll");
            if (comctl) {
                a.set = reinterpret_cast<SetSubclassFn>(
                    reinterpret_cast<void*>(GetProcAddress(comctl, MAKEINTRESOURCEA(410))));
                a.remove = reinterpret_cast<RemoveSubclassFn>(
                    reinterpret_cast<void*>(GetProcAddress(comctl, MAKEINTRESOURCEA(412))));
                a.def = reinterpret_cast<DefSubclassFn>(
                    reinterpret_cast<void*>(GetProcAddress(comctl, MAKEINTRESOURCEA(413))));
            }
            return a;
        }();
        if (!api.set || !api.remove || !api.def) throw EOutOfResources("Window subclassing is not available");
        return api;
    }
};

struct Hook : std::enable_shared_from_this<Hook> {
    THookToken token;
    THookProc proc;
    TDetachedEvent onDetached;
    bool removed = false;
};

// The hooks of one window, oldest first.
struct WindowContext {
    std::vector<std::shared_ptr<Hook>> hooks;
    LONG_PTR chainProc = 0;  // the window procedure once comctl32's chain was put on

    std::shared_ptr<Hook> Find(THookToken token) const {
        for (const auto& h : hooks) {
            if (h->token == token) return h;
        }
        return nullptr;
    }
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

ATOM ContextAtom() {
    static GlobalAtomHandle atom = [] {
        char name[64];
        std::snprintf(name, sizeof name, "WindowHooks%.8X%.8X",
                      static_cast<unsigned>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))),
                      static_cast<unsigned>(GetCurrentThreadId()));
        return GlobalAtomHandle(GlobalAddAtomA(name));
    }();
    return atom.get();
}

// The window property owns its window's context: set when the first hook comes, freed
// with the last one (no table that static destruction could take away before the last
// window goes).
WindowContext* ContextOf(HWND window) {
    return static_cast<WindowContext*>(GetPropA(window, MAKEINTATOM(ContextAtom())));
}

WindowContext* MakeContext(HWND window) {
    auto made = std::make_unique<WindowContext>();
    if (!SetPropA(window, MAKEINTATOM(ContextAtom()), made.get())) throw EOutOfResources("Cannot hook the window");
    return made.release();  // now owned through the property
}

void DropContextIfEmpty(HWND window) {
    WindowContext* context = ContextOf(window);
    if (!context || !context->hooks.empty()) return;
    std::unique_ptr<WindowContext> owned(static_cast<WindowContext*>(RemovePropA(window, MAKEINTATOM(ContextAtom()))));
}

LRESULT CALLBACK HookProc(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR token, DWORD_PTR data) {
    const SubclassApi& api = SubclassApi::Get();
    // The reference data is the hook itself (kept by the window's context while it is
    // installed); held for the call, so removal from inside the hook does not free it.
    auto* installed = reinterpret_cast<Hook*>(data);
    if (!installed || installed->removed) return api.def(window, msg, wp, lp);
    std::shared_ptr<Hook> hook = installed->shared_from_this();

    TMessage m;
    m.Msg = msg;
    m.WParam = wp;
    m.LParam = lp;
    bool passedOn = false;
    const TWndMethod next = [&](TMessage& n) {
        passedOn = true;
        n.Result = api.def(window, n.Msg, n.WParam, n.LParam);
    };
    bool finished = false;
    GuardedDispatch([&] {
        hook->proc(m, next);
        finished = true;
    });
    // The rest of the chain must see the window go, and a failed hook leaves the message
    // to the procedures under it.
    if (!passedOn && (msg == WM_NCDESTROY || !finished)) next(m);

    if (msg == WM_NCDESTROY) {
        api.remove(window, HookProc, token);
        WindowContext* now = ContextOf(window);
        std::shared_ptr<Hook> gone = now ? now->Take(token) : nullptr;
        DropContextIfEmpty(window);
        if (gone && gone->onDetached) GuardedDispatch([&] { gone->onDetached(); });
    }
    return m.Result;
}

}  // namespace

THookToken SubclassWindow(HWND window, THookProc proc, TDetachedEvent onDetached) {
    if (!window || !IsWindow(window)) throw EInvalidOperation("Cannot hook a window that does not exist");
    const SubclassApi& api = SubclassApi::Get();
    auto hook = std::make_shared<Hook>();
    hook->token = NewHookToken();
    hook->proc = std::move(proc);
    hook->onDetached = std::move(onDetached);

    WindowContext* context = ContextOf(window);
    if (!context) context = MakeContext(window);
    context->hooks.push_back(hook);
    if (!api.set(window, HookProc, hook->token, reinterpret_cast<DWORD_PTR>(hook.get()))) {
        context->Take(hook->token);
        DropContextIfEmpty(window);
        throw EOutOfResources("Cannot subclass the window");
    }
    if (context->hooks.size() == 1) context->chainProc = GetWindowLongPtrA(window, GWLP_WNDPROC);
    return hook->token;
}

bool UnsubclassWindow(HWND window, THookToken token) {
    WindowContext* context = window ? ContextOf(window) : nullptr;
    if (!context || !context->Take(token)) return false;
    const SubclassApi& api = SubclassApi::Get();
    // comctl32 puts the window's first procedure back when its last subclass goes, even
    // when a procedure set with SetWindowLongPtr sits on top (which would be thrown off,
    // and break when it hands messages to the chain it saved). Then an inert subclass
    // (id 0, no hook) keeps the chain until the window goes.
    if (context->hooks.empty() && GetWindowLongPtrA(window, GWLP_WNDPROC) != context->chainProc)
        api.set(window, HookProc, 0, 0);
    api.remove(window, HookProc, token);
    DropContextIfEmpty(window);
    return true;
}

bool IsWindowHooked(HWND window, THookToken token) {
    WindowContext* context = window ? ContextOf(window) : nullptr;
    return context && context->Find(token) != nullptr;
}
