#pragma once

#include <bitset>
#include <compare>
#include <map>

#include "platform/keys.h"

// Keys that several devices hold at once: the keyboard's i and a pad's stick, say. Each source
// keeps its own set. A source that takes a key presses it on the shared latches; the key goes
// up only when the last source holding it lets go.
using KeySet = std::bitset<key::Last>;

enum class Device { Keyboard, Touch, Pad };

// One device, or one finger of it: the same for as long as it holds anything.
struct Source {
    Device device;
    long id = 0;
    auto operator<=>(const Source&) const = default;
};

class HeldKeys {
  public:
    void hold(Source source, int sym);
    void letGo(Source source, int sym);
    // What the source holds from now on, taken and let go key by key.
    void holdOnly(Source source, const KeySet& keys);
    void letGoAll();

  private:
    std::map<Source, KeySet> held_;
};
