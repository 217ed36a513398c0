#include "tests/support/screen.h"

namespace {

bool Matches(Ink ink, const std::uint8_t* p) {
    const bool on[3] = {p[0] >= 240, p[1] >= 240, p[2] >= 240};
    const bool off[3] = {p[0] <= 12, p[1] <= 12, p[2] <= 12};
    switch (ink) {
        case Ink::Red:
            return on[0] && off[1] && off[2];
        case Ink::Green:
            return off[0] && on[1] && off[2];
        case Ink::Yellow:
            return on[0] && on[1] && off[2];
        case Ink::Cyan:
            return off[0] && on[1] && on[2];
    }
    return false;
}

std::size_t At(int x, int y) { return (static_cast<std::size_t>(y) * 800 + x) * 3; }

}  // namespace

int CountInk(const std::vector<std::uint8_t>& rgb, Ink ink, Box box) {
    int count = 0;
    for (int y = box.y0; y <= box.y1 && rgb.size() == 800u * 600u * 3u; ++y) {
        for (int x = box.x0; x <= box.x1; ++x) {
            count += Matches(ink, &rgb[At(x, y)]) ? 1 : 0;
        }
    }
    return count;
}
