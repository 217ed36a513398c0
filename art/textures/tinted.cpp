// Light, nearly neutral patterns for the tinted family: the game multiplies them by a colour.
#include <algorithm>
#include <cmath>

#include "art/textures/catalogue.h"
#include "art/textures/features.h"
#include "art/textures/layout.h"
#include "art/textures/noise.h"
#include "art/textures/surface.h"

namespace art {
namespace {

Rgb Grey(float v) { return {v, v, v}; }

RgbImage StoneBlocks(int n) {
    const TileFbm wobbleXAt(11, n, 8, 8, 3);
    const TileFbm wobbleYAt(12, n, 8, 8, 3);
    const TileFbm grainAt(13, n, 16, 16, 4);
    const TileFbm pitsAt(14, n, 32, 32, 2);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        // Wobble the joints so the blocks look cut by hand.
        const float wx = (wobbleXAt(x, y) - 0.5f) * 7.0f;
        const float wy = (wobbleYAt(x, y) - 0.5f) * 7.0f;
        const BlockHit b = RandomCourses(x + 0.5f + wx, y + 0.5f + wy, n, 4, 3, 101);
        const float e = b.edge();
        const float grain = grainAt(x, y);
        const float pits = Smoothstep(0.68f, 0.85f, pitsAt(x, y));
        const float tone = 0.84f + 0.14f * Hash01(15, b.id, 0);
        const Rgb stone = Grey(tone * (0.86f + 0.22f * grain) - 0.06f * pits);
        const Rgb mortar = Grey(0.68f + 0.12f * grain);
        return {Mix(mortar, stone, Smoothstep(1.5f, 3.0f, e)),
                4.0f * Bevel(e, 1.5f, 6.0f) + 2.5f * grain - 0.8f * pits};
    });
}

RgbImage Bricks(int n) {
    const TileFbm grainAt(21, n, 32, 32, 3);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const BlockHit b = RunningBond(x + 0.5f, y + 0.5f, n, 8, 4, 0.5f);
        const float e = b.edge();
        const float grain = grainAt(x, y);
        const float speck = Hash01(22, x, y) > 0.97f ? 0.1f : 0.0f;
        const float tone = 0.82f + 0.16f * Hash01(23, b.id, 1);
        const Rgb brick = Grey(tone * (0.9f + 0.16f * grain) - speck);
        const Rgb mortar = Grey(0.74f + 0.1f * Hash01(24, x, y));
        return {Mix(mortar, brick, Smoothstep(1.5f, 2.5f, e)),
                2.5f * Bevel(e, 1.5f, 3.0f) + 1.2f * grain};
    });
}

RgbImage RivetedPlates(int n) {
    BlockFbm brushedAt(31, n, 2, 64, 3);
    const TileFbm wearAt(32, n, 6, 6, 4);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const BlockHit b = RunningBond(x + 0.5f, y + 0.5f, n, 2, 2, 0.0f);
        const float e = b.edge();
        const float brushed = brushedAt(b.id, x, y);
        const float wear = wearAt(x, y);
        const float tone = 0.86f + 0.08f * Hash01(33, b.id, 0);
        const float rivet = Dome(NearestBorderRivet(b, 9.0f, 18.0f), 3.5f, 2.5f);
        const float seam = Smoothstep(0.5f, 2.5f, e);
        const float grey =
            (tone + 0.1f * (brushed - 0.5f) - 0.1f * (wear - 0.5f)) * (0.55f + 0.45f * seam) +
            0.06f * (rivet > 0.0f);
        return {Grey(grey), 2.0f * seam + rivet + 0.3f * brushed};
    });
}

RgbImage Tiles(int n) {
    const TileFbm glazeAt(41, n, 4, 4, 3);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const BlockHit b = RunningBond(x + 0.5f, y + 0.5f, n, 4, 4, 0.0f);
        const float e = b.edge();
        const float glaze = glazeAt(x, y);
        const float tone = 0.9f + 0.07f * Hash01(42, b.id, 0);
        const Rgb tile = Grey(tone * (0.94f + 0.1f * glaze));
        const Rgb grout = Grey(0.6f + 0.12f * Hash01(43, x, y));
        return {Mix(grout, tile, Smoothstep(1.8f, 2.8f, e)),
                3.0f * Bevel(e, 2.0f, 4.0f) + 0.8f * glaze};
    });
}

RgbImage Panels(int n) {
    const TileFbm noiseAt(51, n, 8, 8, 4);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const BlockHit b = RunningBond(x + 0.5f, y + 0.5f, n, 1, 2, 0.0f);
        const float e = b.edge();
        const float noise = noiseAt(x, y);
        // Outer seam, then a raised inner plate with a groove across its middle.
        float h = 2.0f * Smoothstep(0.5f, 2.0f, e) + 3.0f * Bevel(e, 14.0f, 3.0f);
        const float midGroove = std::fabs(b.top - b.height * 0.5f);
        const bool inner = e > 17.0f;
        if (inner && midGroove < 3.0f) {
            h -= 2.0f * (1.0f - Smoothstep(1.0f, 3.0f, midGroove));
        }
        // Screws in the outer frame's corners.
        const float cx = std::min(b.left, b.right);
        const float cy = std::min(b.top, b.bottom);
        const float screw = Hypot(cx - 7.0f, cy - 7.0f);
        const float slot = (screw < 2.6f && std::fabs((b.left - b.top)) < 0.8f) ? 1.0f : 0.0f;
        h += Dome(screw, 3.2f, 1.5f) - slot;
        float shade = 0.88f + 0.08f * (noise - 0.5f);
        if (e < 2.0f) {
            shade *= 0.6f;
        }
        return {Grey(shade), h};
    });
}

RgbImage Stucco(int n) {
    const TileFbm broadAt(61, n, 4, 4, 5);
    const TileFbm fineAt(64, n, 64, 64, 2);
    const TileCellNoise cellsAt(62, n, 24);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const float broad = broadAt(x, y);
        const Worley w = cellsAt(x, y);
        const float blob = 1.0f - Smoothstep(0.0f, 0.6f, w.f1);
        const float fleck = Hash01(63, x, y) > 0.985f ? 0.08f : 0.0f;
        return {Grey(0.88f + 0.1f * (broad - 0.5f) - fleck),
                3.0f * broad + 1.4f * blob + 0.6f * fineAt(x, y)};
    });
}

// Raised lozenges on a steel floor plate, turned alternately like a tread pattern.
RgbImage TreadPlate(int n) {
    const float cell = static_cast<float>(n) / 8.0f;
    const TileFbm wearAt(71, n, 8, 8, 4);
    const TileFbm scratchesAt(72, n, 64, 4, 2);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const int cx = static_cast<int>((x + 0.5f) / cell);
        const int cy = static_cast<int>((y + 0.5f) / cell);
        const float lx = (x + 0.5f) - (cx + 0.5f) * cell;
        const float ly = (y + 0.5f) - (cy + 0.5f) * cell;
        const float turn = ((cx + cy) % 2 == 0) ? 1.0f : -1.0f;
        // Along and across the lozenge's long axis, on a diagonal.
        const float a = (lx + turn * ly) * 0.70710678f;
        const float b = (lx - turn * ly) * 0.70710678f;
        const float shape = std::fabs(a) / (cell * 0.46f) + std::fabs(b) / (cell * 0.14f);
        const float lozenge = 1.0f - Smoothstep(0.75f, 1.0f, shape);
        const float wear = wearAt(x, y);
        const float scratches = scratchesAt(x, y);
        return {Grey(0.84f + 0.1f * (wear - 0.5f) + 0.05f * (scratches - 0.5f) + 0.05f * lozenge),
                2.5f * lozenge + 0.6f * wear};
    });
}

constexpr TextureRecipe kRecipes[] = {
    {"stone blocks", StoneBlocks},
    {"bricks", Bricks},
    {"riveted plates", RivetedPlates},
    {"tiles", Tiles},
    {"panels", Panels},
    {"stucco", Stucco},
    {"tread plate", TreadPlate},
};

}  // namespace

std::span<const TextureRecipe> TintedTextures() { return kRecipes; }

RgbImage MakeTinted(const TextureRecipe& recipe) {
    RgbImage image = recipe.make(kTextureSize);
    MatchMeanLuminance(image, kTintedLuminance);
    return image;
}

}  // namespace art
