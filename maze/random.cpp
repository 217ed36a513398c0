#include "maze/random.h"

#include <cstdint>

namespace {

// An additive lagged Fibonacci generator over 31 words, x[i] = x[i - 31] + x[i - 3], whose
// words are seeded by the Park-Miller generator and which throws its first 310 numbers away;
// each number is a word without its lowest bit.
constexpr int kWords = 31;
constexpr int kLag = 3;
constexpr int kDiscarded = 310;

struct Generator {
    std::uint32_t words[kWords] = {};
    int front = kLag;
    int rear = 0;
};

Generator generator;

}  // namespace

void SeedRandom(unsigned seed) {
    // Signed 32-bit words, as the C library keeps them: seeds of 2^31 and more count negative.
    std::int32_t word = static_cast<std::int32_t>(seed == 0 ? 1 : seed);
    generator.words[0] = static_cast<std::uint32_t>(word);
    for (int i = 1; i < kWords; ++i) {
        // 16807 * word mod (2^31 - 1), without overflow (Schrage's method).
        const std::int64_t high = word / 127773;
        const std::int64_t low = word % 127773;
        std::int64_t next = 16807 * low - 2836 * high;
        if (next < 0) {
            next += 2147483647;
        }
        word = static_cast<std::int32_t>(next);
        generator.words[i] = static_cast<std::uint32_t>(word);
    }
    generator.front = kLag;
    generator.rear = 0;
    for (int i = 0; i < kDiscarded; ++i) {
        Random();
    }
}

int Random() {
    Generator& g = generator;
    g.words[g.front] += g.words[g.rear];
    const int result = static_cast<int>(g.words[g.front] >> 1);
    g.front = (g.front + 1) % kWords;
    g.rear = (g.rear + 1) % kWords;
    return result;
}
