#include "menu/menu_page.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/input.h"

namespace {

using Lines = std::vector<std::string>;

// What one menu frame gave, with the given keys pressed since the last one.
struct Frame {
    int result;
    Lines lines;
    unsigned highlighted;
};

Frame Step(MenuPage& root, std::initializer_list<int> keys = {}) {
    for (int k : keys) {
        inputState.keys[k] = 1;
    }
    Frame f{0, {}, 99};
    f.result = root.HandleInput(f.lines, f.highlighted);
    return f;
}

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        inputState = InputState{};
        root->SetVisible(1);
    }
    void TearDown() override { root->DestroyTree(); }

    // Return on the highlighted item, then the frame in which it takes effect.
    Frame Choose() {
        Step(*root, {key::Return});
        return Step(*root);
    }

    std::unique_ptr<MenuPage> root = BuildMenu();
};

TEST(BuildMenu, TheTreeClosed) {
    auto root = BuildMenu();
    Lines lines;
    unsigned highlighted = 5;
    EXPECT_EQ(root->HandleInput(lines, highlighted), -1);
    EXPECT_EQ(highlighted, 0u);
    EXPECT_EQ(root->items.at(1).target->value, 1);  // Quit

    // Every level page and size in order, each label the target's title.
    std::string tree;
    for (const MenuItem& level : root->items.at(0).target->items) {
        tree += level.label + ":";
        for (const MenuItem& size : level.target->items) {
            EXPECT_EQ(size.label, size.target->title);
            tree += " " + std::to_string(size.target->value) + "=" + size.label;
        }
        tree += "\n";
    }
    EXPECT_EQ(tree,
              "Easy Levels: 5=5x5x5 7=7x7x7 9=9x9x9\n"
              "Medium Levels: 11=11x11x11 13=13x13x13 15=15x15x15 17=17x17x17 19=19x19x19\n"
              "Difficult Levels: 21=21x21x21 23=23x23x23 25=25x25x25 27=27x27x27 29=29x29x29\n"
              "Impossible Levels: 31=31x31x31 33=33x33x33 35=35x35x35 37=37x37x37 39=39x39x39\n");
    root->DestroyTree();
}

TEST_F(MenuTest, RootPageAndAHighlightThatStopsAtBothEnds) {
    const Frame first = Step(*root);
    EXPECT_EQ(first.result, 0);
    EXPECT_EQ(first.lines, (Lines{"Menu", "Choose difficulty", "Quit"}));
    EXPECT_EQ(first.highlighted, 1u);

    EXPECT_EQ(Step(*root, {key::Up}).highlighted, 1u);
    EXPECT_EQ(Step(*root, {key::Down}).highlighted, 2u);
    EXPECT_EQ(Step(*root, {key::Down}).highlighted, 2u);
    EXPECT_EQ(Step(*root).highlighted, 2u);  // the read cleared the key
    EXPECT_EQ(Step(*root, {key::Up, key::Down}).highlighted, 2u);
}

TEST_F(MenuTest, ReturnTakesEffectTheNextFrame) {
    const Frame pressed = Step(*root, {key::Return});
    EXPECT_EQ(pressed.result, 0);
    EXPECT_EQ(pressed.lines[0], "Menu");
    const Frame next = Step(*root);
    EXPECT_EQ(next.lines, (Lines{"Choose difficulty", "Easy Levels", "Medium Levels",
                                 "Difficult Levels", "Impossible Levels"}));
    EXPECT_EQ(next.highlighted, 1u);

    // Down and Return in one frame choose the newly highlighted line.
    root->SetVisible(0);
    root->SetVisible(1);
    Step(*root, {key::Down, key::Return});
    EXPECT_EQ(Step(*root).result, 1);
}

TEST_F(MenuTest, ASizeComesOutTheFrameAfterUntilTheMenuCloses) {
    Choose();
    Step(*root, {key::Down});  // Medium Levels
    Choose();
    Step(*root, {key::Down});  // 13x13x13
    const Frame pressed = Step(*root, {key::Return});
    EXPECT_EQ(pressed.result, 0);
    EXPECT_EQ(pressed.highlighted, 2u);
    EXPECT_EQ(Step(*root).result, 13);
    EXPECT_EQ(Step(*root).result, 13);

    root->SetVisible(0);  // what the play loop does with a size
    EXPECT_EQ(Step(*root).result, -1);
    root->SetVisible(-1);
    EXPECT_EQ(Step(*root).lines[0], "Menu");
    EXPECT_EQ(Choose().highlighted, 2u);  // every page kept its highlight
    EXPECT_EQ(Choose().highlighted, 2u);
}

TEST_F(MenuTest, ClosingOnASubPageClosesEverythingAndReopensAtTheRoot) {
    Choose();
    Step(*root, {key::Down});
    Step(*root, {key::Down});
    EXPECT_EQ(Choose().lines[0], "Difficult Levels");

    root->SetVisible(-1);
    const MenuPage& difficulty = *root->items[0].target;
    EXPECT_EQ(difficulty.visible + difficulty.items[2].target->visible, 0);
    EXPECT_EQ(difficulty.activeChild, nullptr);
    EXPECT_EQ(Step(*root, {key::Down}).result, -1);
    EXPECT_EQ(inputState.keys[key::Down], 1);  // a closed menu reads no keys

    root->SetVisible(-1);
    inputState = InputState{};
    EXPECT_EQ(Step(*root).lines[0], "Menu");
    const Frame sub = Choose();
    EXPECT_EQ(sub.lines[0], "Choose difficulty");
    EXPECT_EQ(sub.highlighted, 3u);
}

TEST(MenuPage, APageWithoutItemsCannotBeRunOff) {
    MenuPage page("Empty");
    page.SetVisible(1);
    Frame f{};
    for (int i = 0; i < 3; ++i) {
        f = Step(page, {key::Down, key::Return});
    }
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.lines, Lines{"Empty"});
    EXPECT_EQ(page.selected, 1u);
    EXPECT_EQ(page.activeChild, nullptr);
}

}  // namespace
