// Pictures with their own colours for the untinted family: the game draws them in white.
#include <algorithm>
#include <cmath>

#include "art/textures/catalogue.h"
#include "art/textures/features.h"
#include "art/textures/layout.h"
#include "art/textures/noise.h"
#include "art/textures/surface.h"

namespace art {
namespace {

RgbImage MossyStone(int n) {
    const Rgb stoneA{0.62f, 0.62f, 0.58f};
    const Rgb stoneB{0.50f, 0.52f, 0.50f};
    const Rgb mortarC{0.32f, 0.30f, 0.26f};
    const Rgb mossDark{0.18f, 0.26f, 0.08f};
    const Rgb mossLight{0.38f, 0.48f, 0.16f};
    const TileFbm wobbleXAt(111, n, 8, 8, 3);
    const TileFbm wobbleYAt(112, n, 8, 8, 3);
    const TileFbm grainAt(114, n, 16, 16, 4);
    const TileFbm patchAt(116, n, 4, 4, 5);
    const TileFbm tuftAt(117, n, 64, 64, 2);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const float wx = (wobbleXAt(x, y) - 0.5f) * 8.0f;
        const float wy = (wobbleYAt(x, y) - 0.5f) * 8.0f;
        const BlockHit b = RandomCourses(x + 0.5f + wx, y + 0.5f + wy, n, 5, 3, 113);
        const float e = b.edge();
        const float grain = grainAt(x, y);
        const Rgb stone = Scale(Mix(stoneA, stoneB, Hash01(115, b.id, 0)), 0.85f + 0.3f * grain);
        const float joint = Smoothstep(1.5f, 3.0f, e);
        Rgb c = Mix(mortarC, stone, joint);
        // Moss gathers in the joints and spreads in patches over the faces.
        const float patch = patchAt(x, y);
        const float amount =
            Smoothstep(0.6f, 0.72f, patch + 0.22f * (1.0f - Smoothstep(0.0f, 9.0f, e)));
        const float tuft = tuftAt(x, y);
        c = Mix(c, Mix(mossDark, mossLight, tuft), amount);
        return {c, 5.0f * Bevel(e, 1.5f, 6.0f) + 2.5f * grain + amount * (1.0f + 1.5f * tuft)};
    });
}

RgbImage WoodPlanks(int n) {
    const Rgb light{0.76f, 0.52f, 0.30f};
    const Rgb dark{0.52f, 0.32f, 0.16f};
    const Rgb gap{0.12f, 0.07f, 0.04f};
    BlockFbm warpAt(122, n, 3, 4, 3);
    const TileFbm fibreAt(123, n, 4, 128, 2);
    const TileCellNoise knotsAt(125, n, 5);
    const TileFbm knotSpreadAt(126, n, 5, 5, 1);  // one octave: ValueNoise's value exactly
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const BlockHit b = RandomCourses(x + 0.5f, y + 0.5f, n, 8, 3, 121);
        const float e = b.edge();
        // Grain runs along the planks: slow noise across, fast along the board's height.
        const float warp = warpAt(b.id, x, y);
        const float lines = 0.5f + 0.5f * std::sin((b.top + warp * 14.0f) * 1.7f);
        const float fibre = fibreAt(x, y);
        const float tone = 0.85f + 0.25f * Hash01(124, b.id, 0);
        Rgb wood = Scale(Mix(dark, light, 0.35f + 0.4f * lines * fibre + 0.25f * fibre), tone);
        // A knot here and there.
        const Worley knot = knotsAt(x, y);
        const float k =
            (1.0f - Smoothstep(0.03f, 0.1f, knot.f1)) * Smoothstep(0.6f, 0.7f, knotSpreadAt(x, y));
        wood = Mix(wood, Scale(dark, 0.7f), k * 0.8f);
        return {Mix(gap, wood, Smoothstep(0.8f, 1.8f, e)),
                2.0f * Bevel(e, 0.8f, 2.0f) + 0.6f * lines * fibre - 1.0f * k};
    });
}

RgbImage CopperPlates(int n) {
    const Rgb copper{0.76f, 0.50f, 0.34f};
    const Rgb patina{0.34f, 0.62f, 0.52f};
    const Rgb rust{0.46f, 0.22f, 0.11f};
    BlockFbm brushedAt(131, n, 2, 64, 3);
    const TileFbm wetAt(133, n, 5, 5, 5);
    const TileFbm patinaAt(134, n, 32, 32, 2);
    const TileFbm streakAt(135, n, 48, 3, 3);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const BlockHit b = RunningBond(x + 0.5f, y + 0.5f, n, 2, 2, 0.5f);
        const float e = b.edge();
        const float brushed = brushedAt(b.id, x, y);
        const float rivetD = NearestBorderRivet(b, 9.0f, 22.0f);
        const float rivet = Dome(rivetD, 3.8f, 2.5f);
        const float seam = Smoothstep(0.5f, 2.5f, e);
        Rgb c = Scale(copper, 0.85f + 0.25f * brushed + 0.08f * Hash01(132, b.id, 0));
        // Verdigris where water sits: along seams, around rivets and in blotches.
        const float wet = wetAt(x, y) + 0.25f * (1.0f - Smoothstep(0.0f, 12.0f, e)) +
                          0.2f * (1.0f - Smoothstep(3.0f, 9.0f, rivetD));
        c = Mix(c, Scale(patina, 0.85f + 0.3f * patinaAt(x, y)), Smoothstep(0.58f, 0.72f, wet));
        // Rust runs down from the rivets.
        const float streak = streakAt(x, y);
        c = Mix(c, rust, 0.5f * Smoothstep(0.6f, 0.8f, streak));
        return {Scale(c, 0.55f + 0.45f * seam), 2.0f * seam + rivet + 0.3f * brushed};
    });
}

RgbImage SeaTiles(int n) {
    const Rgb teal{0.10f, 0.50f, 0.52f};
    const Rgb blue{0.14f, 0.32f, 0.60f};
    const Rgb pale{0.45f, 0.72f, 0.70f};
    const Rgb grout{0.80f, 0.79f, 0.74f};
    const TileFbm glazeAt(143, n, 16, 16, 3);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const BlockHit b = RunningBond(x + 0.5f, y + 0.5f, n, 8, 8, 0.0f);
        const float e = b.edge();
        const float pick = Hash01(141, b.id, 0);
        Rgb tile = pick < 0.45f ? teal : (pick < 0.85f ? blue : pale);
        tile = Scale(tile, 0.85f + 0.3f * Hash01(142, b.id, 1));
        const float glaze = glazeAt(x, y);
        tile = Scale(tile, 0.9f + 0.2f * glaze);
        return {Mix(grout, tile, Smoothstep(1.0f, 2.0f, e)),
                2.0f * Bevel(e, 1.0f, 3.0f) + 0.4f * glaze};
    });
}

RgbImage RedBricks(int n) {
    const Rgb red{0.62f, 0.24f, 0.16f};
    const Rgb orange{0.74f, 0.40f, 0.22f};
    const Rgb burnt{0.38f, 0.16f, 0.12f};
    const Rgb mortar{0.76f, 0.72f, 0.64f};
    const TileFbm grainAt(153, n, 32, 32, 3);
    return ShadedTile(n, [&](int x, int y) -> Texel {
        const BlockHit b = RunningBond(x + 0.5f, y + 0.5f, n, 8, 4, 0.5f);
        const float e = b.edge();
        const float pick = Hash01(151, b.id, 0);
        Rgb brick = Mix(red, orange, Hash01(152, b.id, 1));
        if (pick > 0.85f) {
            brick = Mix(brick, burnt, 0.7f);  // the odd over-fired brick
        }
        const float grain = grainAt(x, y);
        // Soot darkens the brick faces towards their edges.
        const float soot = 1.0f - 0.18f * (1.0f - Smoothstep(2.0f, 10.0f, e));
        brick = Scale(brick, (0.85f + 0.3f * grain) * soot);
        const Rgb joint = Scale(mortar, 0.9f + 0.15f * Hash01(154, x, y));
        return {Mix(joint, brick, Smoothstep(2.0f, 3.0f, e)),
                3.0f * Bevel(e, 2.0f, 3.0f) + 1.2f * grain};
    });
}

constexpr TextureRecipe kRecipes[] = {
    {"mossy stone", MossyStone}, {"wood planks", WoodPlanks}, {"copper plates", CopperPlates},
    {"sea tiles", SeaTiles},     {"red bricks", RedBricks},
};

}  // namespace

std::span<const TextureRecipe> UntintedTextures() { return kRecipes; }

RgbImage MakeUntinted(const TextureRecipe& recipe) { return recipe.make(kTextureSize); }

}  // namespace art
