#include "maze/texture_set_loader.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <set>

#include "tests/support/display.h"

namespace {

// The build's generated textures/ folder (the working directory of the tests).
TEST(LoadTextureSet, LoadsEveryGeneratedTextureTintedFirst) {
    OpenGameWindow();
    const TextureSet set = loadTextureSet();
    ASSERT_EQ(set.textures.size(), static_cast<std::size_t>(ORR_TINTED_COUNT + ORR_UNTINTED_COUNT));
    EXPECT_EQ(set.tintedCount, ORR_TINTED_COUNT);
    const std::set<TextureId> distinct(set.textures.begin(), set.textures.end());
    EXPECT_EQ(distinct.size(), set.textures.size());
    for (TextureId name : set.textures) {
        EXPECT_EQ(glIsTexture(name), GL_TRUE) << name;
    }
}

}  // namespace
