#include "tests/support/fixture.h"
#include "maze/random.h"

#include <cmath>
#include <cstdlib>

std::unique_ptr<Maze> MakeMaze(int size, unsigned seed, const TextureSet& textures) {
    SeedRandom(seed);
    return std::make_unique<Maze>(size, size, size, textures);
}

testing::AssertionResult Near(const Vec3& actual, const Vec3& expected, double tolerance) {
    const Vec3 d = actual - expected;
    if (std::abs(d.x) <= tolerance && std::abs(d.y) <= tolerance && std::abs(d.z) <= tolerance) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not within "
           << tolerance << " of (" << expected.x << ", " << expected.y << ", " << expected.z << ")";
}
