#include <gtest/gtest.h>

#include "menu/menu_screen.h"
#include "overlay/hud.h"
#include "platform/input.h"
#include "tests/overlay/overlay_frame.h"

namespace {

using namespace overlay_frame;

class MenuFrameTest : public ::testing::Test {
  protected:
    void SetUp() override { inputState = InputState{}; }
    void TearDown() override { root->DestroyTree(); }

    // One menu frame over a plain background, as the play loop runs it after the HUD.
    int Frame(std::initializer_list<int> keys = {}) {
        for (int k : keys) {
            inputState.keys[k] = 1;
        }
        OpenWithPlainBackground();
        DrawHud(Font(), 5'000, 0);
        return MenuFrame(*root, Font());
    }

    std::unique_ptr<MenuPage> root = BuildMenu();
};

const Box timeBox{328, 546, 762, 575};

TEST_F(MenuFrameTest, RootPageColoursAtTheirRows) {
    root->SetVisible(1);
    ASSERT_EQ(Frame(), 0);
    const auto frame = ReadFrameRgb();
    SaveShot("menu_root", frame);

    for (const auto& [hue, box] : {std::pair{Hue::Green, EyeBox(-20, 15, 25, 19)},
                                   {Hue::Cyan, EyeBox(-10, 11, 15, 14)},
                                   {Hue::Red, EyeBox(-2, 6, 2, 8)}}) {
        const HueCount c = CountHue(frame, hue, box);
        EXPECT_GT(c.inside, 200);
        EXPECT_EQ(c.outside, 0);
    }
    // The highlighted line with its arrows spans 23 units; "Quit" below it only 4.
    const HueCount highlighted = CountHue(frame, Hue::Yellow, EyeBox(-11.5, 3, 11.5, 5));
    EXPECT_LT(highlighted.extent.x0, EyeBox(-10.5, 0, 0, 0, 0).x0);
    EXPECT_GT(highlighted.extent.x1, EyeBox(0, 0, 10.5, 0, 0).x1);
    const HueCount quit = CountHue(frame, Hue::Yellow, EyeBox(-2, 0, 2, 2));
    EXPECT_GT(quit.inside, 50);
    EXPECT_EQ(highlighted.outside, quit.inside + CountHue(frame, Hue::Yellow, timeBox).inside);
}

TEST_F(MenuFrameTest, ClosedMenuAndQuitDrawNothing) {
    OpenWithPlainBackground();
    const auto before = ReadFrameRgb();
    inputState.keys[key::Down] = 1;
    EXPECT_EQ(MenuFrame(*root, Font()), -1);
    EXPECT_EQ(ReadFrameRgb(), before);

    root->SetVisible(1);
    Frame({key::Down, key::Return});
    OpenWithPlainBackground();
    EXPECT_EQ(MenuFrame(*root, Font()), 1);
    EXPECT_EQ(ReadFrameRgb(), before);
}

TEST_F(MenuFrameTest, ChosenSizeShowsOnlyTheBuildingMessage) {
    root->SetVisible(1);
    Frame({key::Return});  // Choose difficulty
    Frame({key::Return});  // Easy Levels
    Frame({key::Down});
    Frame({key::Down});
    ASSERT_EQ(Frame({key::Return}), 0);  // still the page, 9x9x9 highlighted
    ASSERT_EQ(Frame(), 9);
    const auto frame = ReadFrameRgb();
    SaveShot("building_maze", frame);

    const HueCount message = CountHue(frame, Hue::Yellow, EyeBox(-20, -10, 25, -5));
    EXPECT_GT(message.inside, 1000);
    EXPECT_EQ(message.outside, CountHue(frame, Hue::Yellow, timeBox).inside);
    for (Hue other : {Hue::Red, Hue::Green, Hue::Cyan}) {
        EXPECT_EQ(CountHue(frame, other, {0, 0, -1, -1}).outside, 0);
    }
}

}  // namespace
