#include "tests/app/screen.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool Matches(Ink ink, int r, int g, int b) {
    const bool rOn = r >= 240;
    const bool gOn = g >= 240;
    const bool bOn = b >= 240;
    const bool rOff = r <= 12;
    const bool gOff = g <= 12;
    const bool bOff = b <= 12;
    switch (ink) {
        case Ink::Red:
            return rOn && gOff && bOff;
        case Ink::Green:
            return rOff && gOn && bOff;
        case Ink::Yellow:
            return rOn && gOn && bOff;
        case Ink::Cyan:
            return rOff && gOn && bOn;
    }
    return false;
}

}  // namespace

int CountInk(const std::vector<std::uint8_t>& rgb, Ink ink, Box box) {
    int count = 0;
    if (rgb.size() < 800u * 600u * 3u) {
        return 0;
    }
    for (int y = box.y0; y <= box.y1; ++y) {
        for (int x = box.x0; x <= box.x1; ++x) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * 800 + x) * 3];
            count += Matches(ink, p[0], p[1], p[2]) ? 1 : 0;
        }
    }
    return count;
}

double ChangedShare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                    Box box) {
    if (a.size() != b.size() || a.size() < 800u * 600u * 3u) {
        return 1.0;
    }
    int changed = 0;
    int total = 0;
    for (int y = box.y0; y <= box.y1; ++y) {
        for (int x = box.x0; x <= box.x1; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * 800 + x) * 3;
            bool differs = false;
            for (int c = 0; c < 3; ++c) {
                differs = differs || std::abs(a[i + c] - b[i + c]) > 24;
            }
            changed += differs ? 1 : 0;
            ++total;
        }
    }
    return static_cast<double>(changed) / total;
}

double DifferenceBeyondVerticalShift(const std::vector<std::uint8_t>& a,
                                     const std::vector<std::uint8_t>& b, Box box, int maxShift) {
    if (a.size() != b.size() || a.size() < 800u * 600u * 3u) {
        return 255.0;
    }
    double best = 255.0;
    for (int shift = -maxShift; shift <= maxShift; ++shift) {
        if (box.y0 + shift < 0 || box.y1 + shift > 599) {
            continue;
        }
        long sum = 0;
        long count = 0;
        for (int y = box.y0; y <= box.y1; ++y) {
            for (int x = box.x0; x <= box.x1; ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * 800 + x) * 3;
                const std::size_t j = (static_cast<std::size_t>(y + shift) * 800 + x) * 3;
                for (int c = 0; c < 3; ++c) {
                    sum += std::abs(a[i + c] - b[j + c]);
                }
                count += 3;
            }
        }
        best = std::min(best, static_cast<double>(sum) / count);
    }
    return best;
}
