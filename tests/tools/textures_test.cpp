#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/tools/bmp_test_util.h"
#include "tools/textures/catalogue.h"
#include "tools/textures/surface.h"

namespace {

std::vector<char> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Loads t1.bmp, t2.bmp, ... (or u...) from the build's texture folder until one is missing.
std::vector<RgbImage> LoadFamily(char prefix) {
    std::vector<RgbImage> family;
    for (int k = 1;; ++k) {
        SurfacePtr s =
            LoadBmpFile("textures/" + std::string(1, prefix) + std::to_string(k) + ".bmp");
        if (s == nullptr) {
            return family;
        }
        EXPECT_EQ(s->format->BitsPerPixel, 24);
        family.push_back(SurfaceToImage(s.get()));
    }
}

bool PowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

double Luma(const uint8_t* p) { return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]; }

double LumaSpread(const RgbImage& image) {
    const double mean = art::MeanLuminance(image);
    double sum = 0.0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double d = Luma(image.at(x, y)) - mean;
            sum += d * d;
        }
    }
    return std::sqrt(sum / (image.width * image.height));
}

// Mean colour difference between column a and column b (rows wrap the same way).
double ColumnStep(const RgbImage& image, int a, int b) {
    double sum = 0.0;
    for (int y = 0; y < image.height; ++y) {
        for (int i = 0; i < 3; ++i) {
            sum += std::abs(image.at(a, y)[i] - image.at(b, y)[i]);
        }
    }
    return sum / image.height;
}

double RowStep(const RgbImage& image, int a, int b) {
    double sum = 0.0;
    for (int x = 0; x < image.width; ++x) {
        for (int i = 0; i < 3; ++i) {
            sum += std::abs(image.at(x, a)[i] - image.at(x, b)[i]);
        }
    }
    return sum / image.width;
}

}  // namespace

TEST(Textures, BuildFolderHoldsBothFamiliesAsTheRecipesList) {
    const std::vector<RgbImage> tinted = LoadFamily('t');
    const std::vector<RgbImage> untinted = LoadFamily('u');
    EXPECT_GE(tinted.size(), 6u);
    EXPECT_GE(untinted.size(), 4u);
    // The build lists its outputs by hand: it must agree with the generator.
    EXPECT_EQ(tinted.size(), art::TintedTextures().size());
    EXPECT_EQ(untinted.size(), art::UntintedTextures().size());
    EXPECT_EQ(art::TintedTextures().size(), static_cast<size_t>(ORR_TINTED_COUNT));
    EXPECT_EQ(art::UntintedTextures().size(), static_cast<size_t>(ORR_UNTINTED_COUNT));
    for (const auto* family : {&tinted, &untinted}) {
        for (const RgbImage& image : *family) {
            EXPECT_TRUE(PowerOfTwo(image.width) && PowerOfTwo(image.height));
            EXPECT_TRUE(image.width == 128 || image.width == 256);
        }
    }
}

TEST(Textures, GeneratorWritesTheSameBytesEveryRun) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("orr_textures_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string command = std::string(ORR_MAKE_TEXTURES) + " " + dir.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const auto built = std::filesystem::path("textures") / entry.path().filename();
        EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(built)) << entry.path().filename();
        ++compared;
    }
    std::filesystem::remove_all(dir);
    EXPECT_EQ(compared, ORR_TINTED_COUNT + ORR_UNTINTED_COUNT);
}

TEST(Textures, GeneratorFailsWhenItCannotWrite) {
    const std::string command = std::string(ORR_MAKE_TEXTURES) + " /nonexistent-dir 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

TEST(Textures, TintedOnesAreBrightNeutralAndDetailed) {
    for (const RgbImage& image : LoadFamily('t')) {
        const double mean = art::MeanLuminance(image);
        EXPECT_GE(mean, 170.0);
        EXPECT_LE(mean, 220.0);
        const double spread = LumaSpread(image);
        EXPECT_GE(spread, 6.0) << "detail should be visible";
        EXPECT_LE(spread, 45.0) << "detail should not be harsh";
        // Nearly neutral, so a tint shows its own colour.
        double r = 0, g = 0, b = 0;
        for (size_t i = 0; i < image.rgb.size(); i += 3) {
            r += image.rgb[i];
            g += image.rgb[i + 1];
            b += image.rgb[i + 2];
        }
        EXPECT_LT(std::max({r, g, b}) - std::min({r, g, b}), 0.05 * (r + g + b) / 3.0);
    }
}

TEST(Textures, UntintedOnesHaveTheirOwnColours) {
    for (const RgbImage& image : LoadFamily('u')) {
        EXPECT_GE(art::MeanLuminance(image), 60.0) << "too dark to read once fogged";
        double saturation = 0.0;
        for (size_t i = 0; i < image.rgb.size(); i += 3) {
            const int hi = std::max({image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]});
            const int lo = std::min({image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]});
            saturation += hi - lo;
        }
        EXPECT_GE(saturation / (image.rgb.size() / 3), 20.0);
    }
}

// The step across the wrap must look like a step somewhere inside the picture. Designed seams
// (plates meeting at the border) match an interior seam; a field that does not repeat jumps
// between unrelated values and stands far above every interior step.
TEST(Textures, EveryTextureTilesWithoutASeam) {
    std::vector<RgbImage> all = LoadFamily('t');
    for (RgbImage& image : LoadFamily('u')) {
        all.push_back(std::move(image));
    }
    for (size_t i = 0; i < all.size(); ++i) {
        const RgbImage& image = all[i];
        double maxX = 0.0, maxY = 0.0;
        for (int k = 0; k + 1 < image.width; ++k) {
            maxX = std::max(maxX, ColumnStep(image, k, k + 1));
            maxY = std::max(maxY, RowStep(image, k, k + 1));
        }
        EXPECT_LE(ColumnStep(image, image.width - 1, 0), maxX + 2.0) << "texture " << i;
        EXPECT_LE(RowStep(image, image.height - 1, 0), maxY + 2.0) << "texture " << i;
    }
}
