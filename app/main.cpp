// Orrindel: fly through a random 3D maze to the far corner against the clock.
#include <cstdlib>
#include <ctime>
#include <memory>

#include "app/play_loop.h"
#include "maze/random.h"
#include "maze/texture_set_loader.h"
#include "menu/menu_page.h"
#include "overlay/text_layout.h"
#include "platform/quit_signal.h"
#include "platform/texture.h"
#include "platform/video.h"

int main(int /*argc*/, char** /*argv*/) {
    StartQuitWatcher();
    int mazeSize = 11;
    SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    InitVideo(800, 600, 32, 1);
    const TextureId font = LoadKeyedTexture(kFontSheetPath, 0, 0, 0, 1);

    // Loaded once and shared by every maze: texture names are never deleted, so loading
    // them per maze would leak video memory with every maze played.
    const TextureSet wallTextures = loadTextureSet();

    std::unique_ptr<MenuPage> menu = BuildMenu();
    menu->SetVisible(1);  // the first maze is shown behind the open menu
    while (PlayLoop(*menu, font, mazeSize, wallTextures) == 0) {
    }
    menu->DestroyTree();
    return 0;
}
