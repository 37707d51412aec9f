#include "framework/HookChain.h"

#include <algorithm>

THookToken NewHookToken() {
    static THookToken last = 0;
    return ++last;
}

THookToken THookChain::Add(THookProc proc, TDetachedEvent onDetached) {
    auto entry = std::make_shared<Entry>();
    entry->token = NewHookToken();
    entry->proc = std::move(proc);
    entry->onDetached = std::move(onDetached);
    entries_.push_back(entry);
    return entry->token;
}

bool THookChain::Remove(THookToken token) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [token](const std::shared_ptr<Entry>& e) { return e->token == token; });
    if (it == entries_.end()) return false;
    // A dispatch under way still holds the entry; the mark makes it skip the hook.
    (*it)->removed = true;
    entries_.erase(it);
    return true;
}

bool THookChain::Contains(THookToken token) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [token](const std::shared_ptr<Entry>& e) { return e->token == token; });
}

void THookChain::Dispatch(TMessage& message, const TWndMethod& last) const {
    if (entries_.empty()) {
        last(message);
        return;
    }
    // The copy keeps every hook of this dispatch alive, whatever the hooks do to the chain.
    const Snapshot hooks = entries_;
    Run(hooks, hooks.size(), message, last);
}

void THookChain::Run(const Snapshot& hooks, size_t count, TMessage& message, const TWndMethod& last) {
    while (count > 0 && hooks[count - 1]->removed) --count;
    if (count == 0) {
        last(message);
        return;
    }
    const TWndMethod next = [&hooks, count, &last](TMessage& m) { Run(hooks, count - 1, m, last); };
    hooks[count - 1]->proc(message, next);
}

void THookChain::DetachAll() {
    Snapshot gone;
    gone.swap(entries_);
    for (const auto& e : gone) e->removed = true;
    for (auto it = gone.rbegin(); it != gone.rend(); ++it) {
        if ((*it)->onDetached) (*it)->onDetached();
    }
}
