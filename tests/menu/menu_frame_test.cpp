#include <GL/gl.h>
#include <gtest/gtest.h>

#include "menu/menu_screen.h"
#include "overlay/hud.h"
#include "platform/input.h"
#include "tests/overlay/overlay_frame.h"

namespace {

using namespace overlay_frame;

class MenuFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        inputState = InputState{};
        OpenWithPlainBackground();
    }
    void TearDown() override { root->DestroyTree(); }

    int Frame(std::initializer_list<int> keys = {}) {
        for (int k : keys) {
            inputState.keys[k] = 1;
        }
        OpenWithPlainBackground();
        return MenuFrame(*root, Font());
    }

    std::unique_ptr<MenuPage> root = BuildMenu();
};

TEST_F(MenuFrameTest, RootPageColoursAtTheirRows) {
    root->SetVisible(1);
    ASSERT_EQ(Frame(), 0);
    const auto frame = ReadFrameRgb();
    SaveShot("menu_root", frame);

    const HueCount title = CountHue(frame, Hue::Green, EyeBox(-20, 15, 25, 19));
    const HueCount credit = CountHue(frame, Hue::Cyan, EyeBox(-10, 11, 15, 14));
    const HueCount pageTitle = CountHue(frame, Hue::Red, EyeBox(-2, 6, 2, 8));
    const HueCount items = CountHue(frame, Hue::Yellow, EyeBox(-11.5, 0, 11.5, 5));
    for (const HueCount* c : {&title, &credit, &pageTitle, &items}) {
        EXPECT_GT(c->inside, 200);
        EXPECT_EQ(c->outside, 0);
    }
    // The highlighted line, with its arrows, reaches nearly as far as the whole box; "Quit"
    // below it stays within two units of the centre.
    const HueCount highlighted = CountHue(frame, Hue::Yellow, EyeBox(-11.5, 3, 11.5, 5));
    EXPECT_LT(highlighted.extent.x0, PixelX(-10.5));
    EXPECT_GT(highlighted.extent.x1, PixelX(10.5));
    const HueCount quit = CountHue(frame, Hue::Yellow, EyeBox(-2, 0, 2, 2));
    EXPECT_GT(quit.inside, 50);
    EXPECT_EQ(quit.inside + highlighted.inside, items.inside);
}

TEST_F(MenuFrameTest, ClosedMenuLeavesTheFrameAndStateAlone) {
    glEnable(GL_LIGHTING);
    glTranslated(1, 2, 3);
    const auto before = ReadFrameRgb();
    inputState.keys[key::Down] = 1;
    EXPECT_EQ(MenuFrame(*root, Font()), -1);
    EXPECT_EQ(ReadFrameRgb(), before);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    EXPECT_EQ(m[12], 1.0);
    glDisable(GL_LIGHTING);
}

TEST_F(MenuFrameTest, ChosenSizeShowsTheBuildingMessage) {
    root->SetVisible(1);
    Frame({key::Return});  // root: Choose difficulty
    Frame();               // Choose difficulty page
    Frame({key::Return});  // Easy Levels
    Frame();
    Frame({key::Down});
    Frame({key::Down});                  // 9x9x9
    ASSERT_EQ(Frame({key::Return}), 0);  // still the page, with 9x9x9 highlighted

    OpenWithPlainBackground();
    DrawHud(Font(), 5'000, 0);  // as the game does: the HUD's yellow is current
    ASSERT_EQ(MenuFrame(*root, Font()), 9);
    const auto frame = ReadFrameRgb();
    SaveShot("building_maze", frame);

    const Box time{328, 546, 762, 575};
    const Box message = EyeBox(-20, -10, 25, -5);
    int inMessage = 0, elsewhere = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const Hue h = HueOf(PixelAt(frame, x, y));
            if (h == Hue::Yellow && message.Contains(x, y)) {
                ++inMessage;
            } else if (h != Hue::Other && !time.Contains(x, y)) {
                ++elsewhere;
            }
        }
    }
    EXPECT_GT(inMessage, 1000);
    EXPECT_EQ(elsewhere, 0);  // no title, credit or page lines
}

TEST_F(MenuFrameTest, QuitDrawsNothing) {
    root->SetVisible(1);
    Frame({key::Down, key::Return});
    OpenWithPlainBackground();
    const auto before = ReadFrameRgb();
    EXPECT_EQ(MenuFrame(*root, Font()), 1);
    EXPECT_EQ(ReadFrameRgb(), before);
}

}  // namespace
