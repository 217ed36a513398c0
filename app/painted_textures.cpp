#include "app/painted_textures.h"

#include "art/textures/catalogue.h"
#include "platform/web/image.h"

TextureSet PaintWallTextures() {
    TextureSet set;
    const auto add = [&set](const RgbImage& picture) {
        set.textures.push_back(UploadPicture(picture.width, picture.height, picture.rgb.data()));
    };
    for (const art::TextureRecipe& recipe : art::TintedTextures()) {
        add(art::MakeTinted(recipe));
    }
    for (const art::TextureRecipe& recipe : art::UntintedTextures()) {
        add(art::MakeUntinted(recipe));
    }
    set.tintedCount = static_cast<int>(art::TintedTextures().size());
    return set;
}
