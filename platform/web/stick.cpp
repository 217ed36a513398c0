#include "platform/web/stick.h"

#include <cmath>
#include <numbers>

KeySet StickKeys(double x, double y, double deadZone) {
    KeySet keys;
    if (!(std::hypot(x, y) > deadZone)) {
        return keys;
    }
    // Sectors counted anticlockwise from the right, each centred on its direction.
    const double turns = std::atan2(-y, x) / (2 * std::numbers::pi);
    const int sector = static_cast<int>(std::lround(turns * 8 + 8)) % 8;
    constexpr int kFlight[8][2] = {{key::L, -1}, {key::I, key::L}, {key::I, -1}, {key::I, key::J},
                                   {key::J, -1}, {key::K, key::J}, {key::K, -1}, {key::K, key::L}};
    for (const int sym : kFlight[sector]) {
        if (sym >= 0) {
            keys.set(sym);
        }
    }
    return keys;
}
