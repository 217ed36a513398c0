#include "platform/web/held_keys.h"

#include "platform/input.h"

void HeldKeys::hold(Source source, int sym) {
    if (sym < 0 || sym >= key::Last || held_[source].test(sym)) {
        return;
    }
    held_[source].set(sym);
    PressKey(sym);
}

void HeldKeys::letGo(Source source, int sym) {
    const auto it = held_.find(source);
    if (sym < 0 || sym >= key::Last || it == held_.end() || !it->second.test(sym)) {
        return;
    }
    it->second.reset(sym);
    if (it->second.none()) {
        held_.erase(it);
    }
    for (const auto& [other, keys] : held_) {
        if (keys.test(sym)) {
            return;
        }
    }
    ReleaseKey(sym);
}

void HeldKeys::holdOnly(Source source, const KeySet& keys) {
    const auto it = held_.find(source);
    const KeySet before = it == held_.end() ? KeySet() : it->second;
    for (int sym = 0; sym < key::Last; ++sym) {
        if (before.test(sym) && !keys.test(sym)) {
            letGo(source, sym);
        } else if (!before.test(sym) && keys.test(sym)) {
            hold(source, sym);
        }
    }
}

void HeldKeys::letGoAll() {
    while (!held_.empty()) {
        holdOnly(held_.begin()->first, KeySet());
    }
}
