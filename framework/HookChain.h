#pragma once
// A chain of message hooks identified by tokens. Each hook sees a message before the
// hooks installed earlier and passes it on by calling `next`; hooks can be added and
// removed in any order, also while a message is going through the chain:
// - a hook added during a dispatch first sees the next message;
// - a hook removed during a dispatch is skipped from then on, but a hook that is running
//   stays alive (with everything its function object holds) until it returns.
// DetachAll takes every hook off and tells each owner. Portable.
#include "framework/Messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

using TWndMethod = std::function<void(TMessage&)>;
using THookProc = std::function<void(TMessage& message, const TWndMethod& next)>;
using TDetachedEvent = std::function<void()>;

// Identifies one installed hook (window-procedure hooks and window subclasses share the
// numbering); never 0 and never reused within a run.
using THookToken = uintptr_t;
THookToken NewHookToken();

class THookChain {
public:
    THookChain() = default;
    THookChain(const THookChain&) = delete;
    THookChain& operator=(const THookChain&) = delete;

    // Puts `proc` in front of the chain. `onDetached` runs when DetachAll takes it off
    // (not when it is removed with Remove).
    THookToken Add(THookProc proc, TDetachedEvent onDetached = {});
    // Takes one hook off; false when the token is not in this chain.
    bool Remove(THookToken token);
    bool Contains(THookToken token) const;
    bool Empty() const { return entries_.empty(); }
    size_t Count() const { return entries_.size(); }

    // Runs the message through the hooks, newest first; the oldest one's `next` is `last`.
    void Dispatch(TMessage& message, const TWndMethod& last) const;
    // Takes every hook off, then tells their owners, newest first.
    void DetachAll();

private:
    struct Entry {
        THookToken token;
        THookProc proc;
        TDetachedEvent onDetached;
        bool removed = false;
    };
    using Snapshot = std::vector<std::shared_ptr<Entry>>;
    static void Run(const Snapshot& hooks, size_t count, TMessage& message, const TWndMethod& last);

    Snapshot entries_;  // oldest first
};
