// The generated art, as the game reads it from the build's texture folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "art/textures/catalogue.h"
#include "maze/texture_files.h"
#include "overlay/text_layout.h"
#include "platform/image.h"

namespace {

struct Image {  // R, G, B and a zero byte per pixel
    explicit Image(const std::string& path) : surface(LoadImage(path.c_str(), 32)) {}
    ~Image() { SDL_FreeSurface(surface); }
    const std::uint8_t* operator()(int x, int y) const {
        return static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch + x * 4;
    }
    SDL_Surface* surface;
};

void ExpectFontSheet() {
    const Image font(kFontSheetPath);
    ASSERT_EQ(std::pair(font.surface->w, font.surface->h), std::pair(512, 448));  // 32-pixel cells
    // The first and last lit row of every cell, and the lit pixels of each row of the T.
    std::vector<int> top(256, 32), bottom(256, -1), rowsOfT(32);
    for (int code = 32; code < 256; ++code) {
        int outside = 0, coloured = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const std::uint8_t* p = font(code % 16 * 32 + x, (code / 16 - 2) * 32 + y);
                if (p[0] == 0 && p[1] == 0 && p[2] == 0) {
                    continue;  // the transparent key
                }
                top[code] = std::min(top[code], y);
                bottom[code] = std::max(bottom[code], y);
                rowsOfT[y] += code == 'T';
                coloured += p[0] != p[1] || p[1] != p[2];
                // Filtering reaches one texel past a cell's left and top edges; the cell's
                // rectangle stops two texels short of its right and far edges.
                outside += x < 1 || y < 1 || x >= 30 || y >= 30;
            }
        }
        EXPECT_EQ(bottom[code] >= 0, (code > 32 && code < 127) || code > 160) << "code " << code;
        EXPECT_EQ(outside + coloured, 0) << "code " << code << " leaves its cell or is not grey";
    }
    for (const int c : {'H', 'x', '1', '.', 'T'}) {
        EXPECT_EQ(bottom[c], bottom['A']) << static_cast<char>(c) << " is off the baseline";
    }
    EXPECT_GT(rowsOfT[top['T']], 2 * rowsOfT[bottom['T']]) << "the T stands on its bar";
}

// Mean step between columns a and b (rows, when across), summed over the channels.
double Step(const Image& image, int a, int b, bool across) {
    double sum = 0;
    for (int k = 0; k < 256; ++k) {
        const std::uint8_t* p = across ? image(k, a) : image(a, k);
        const std::uint8_t* q = across ? image(k, b) : image(b, k);
        sum += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]);
    }
    return sum / 256;
}

TEST(Art, FontSheetAndWallTexturesThatTile) {
    ExpectFontSheet();
    const TextureFileList files = FindTextureFiles("textures/");
    EXPECT_EQ(files.tintedCount, std::ssize(art::TintedTextures()));
    EXPECT_EQ(files.paths.size(), art::TintedTextures().size() + art::UntintedTextures().size());
    for (std::size_t k = 0; k < files.paths.size(); ++k) {
        const std::string& path = files.paths[k];
        const Image image(path);
        ASSERT_EQ(std::pair(image.surface->w, image.surface->h), std::pair(256, 256)) << path;
        // As its recipe paints it, through the writer and the game's loader.
        const std::size_t tinted = art::TintedTextures().size();
        const RgbImage painted = k < tinted
                                     ? art::MakeTinted(art::TintedTextures()[k])
                                     : art::MakeUntinted(art::UntintedTextures()[k - tinted]);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                ASSERT_TRUE(std::equal(painted.at(x, y), painted.at(x, y) + 3, image(x, y)))
                    << path << " at " << x << ", " << y;
            }
        }
        // A seam shows in the steps next to the wrap too (the relief is lit across it). They
        // must look like steps inside the picture; designed joints at the border match one.
        for (const bool across : {false, true}) {
            double inside = 0;
            for (int k = 1; k < 254; ++k) {
                inside = std::max(inside, Step(image, k, k + 1, across));
            }
            for (const int k : {254, 255, 0}) {
                EXPECT_LE(Step(image, k, (k + 1) % 256, across), 1.15 * inside) << path << k;
            }
        }
    }
}

}  // namespace
