#include "maze/texture_set_loader.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/support/display.h"
#include "tools/textures/catalogue.h"

namespace {

// From the build's generated textures/ folder, the working directory of the tests.
TEST(LoadTextureSet, LoadsEveryGeneratedTextureOnceTintedFirst) {
    OpenGameWindow();
    const TextureSet set = loadTextureSet();
    EXPECT_EQ(set.tintedCount, std::ssize(art::TintedTextures()));
    const std::set<TextureId> names(set.textures.begin(), set.textures.end());
    EXPECT_EQ(names.size(), set.textures.size());
    EXPECT_EQ(names.size(), art::TintedTextures().size() + art::UntintedTextures().size());
    EXPECT_TRUE(
        std::all_of(names.begin(), names.end(), [](TextureId t) { return glIsTexture(t); }));
}

}  // namespace
