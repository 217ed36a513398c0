#include "menu/menu_page.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/input.h"

namespace {

using Lines = std::vector<std::string>;

// One menu frame with the given keys pressed since the last one.
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

    // Return on the highlighted item, then the frame that acts on it.
    Frame Choose() {
        Step(*root, {key::Return});
        return Step(*root);
    }

    std::unique_ptr<MenuPage> root = BuildMenu();
};

std::vector<std::string> Labels(const MenuPage& page) {
    std::vector<std::string> labels;
    for (const MenuItem& item : page.items) {
        labels.push_back(item.label);
    }
    return labels;
}

TEST(BuildMenu, TheTree) {
    auto root = BuildMenu();
    EXPECT_EQ(root->visible, 0);
    std::vector<std::string> lines;
    unsigned highlighted = 5;
    EXPECT_EQ(root->HandleInput(lines, highlighted), -1);
    EXPECT_EQ(highlighted, 0u);

    EXPECT_EQ(root->title, "Menu");
    ASSERT_EQ(Labels(*root), (Lines{"Choose difficulty", "Quit"}));
    const MenuPage& quit = *root->items[1].target;
    EXPECT_EQ(quit.isMenu, 0);
    EXPECT_EQ(quit.value, 1);

    const MenuPage& difficulty = *root->items[0].target;
    EXPECT_EQ(difficulty.isMenu, 1);
    ASSERT_EQ(Labels(difficulty),
              (Lines{"Easy Levels", "Medium Levels", "Difficult Levels", "Impossible Levels"}));
    const std::vector<Lines> sizes = {{"5x5x5", "7x7x7", "9x9x9"},
                                      {"11x11x11", "13x13x13", "15x15x15", "17x17x17", "19x19x19"},
                                      {"21x21x21", "23x23x23", "25x25x25", "27x27x27", "29x29x29"},
                                      {"31x31x31", "33x33x33", "35x35x35", "37x37x37", "39x39x39"}};
    for (std::size_t level = 0; level < 4; ++level) {
        const MenuPage& page = *difficulty.items[level].target;
        EXPECT_EQ(page.title, difficulty.items[level].label);
        EXPECT_EQ(page.selected, 1u);
        EXPECT_EQ(page.value, 0);
        ASSERT_EQ(Labels(page), sizes[level]);
        for (const MenuItem& item : page.items) {
            EXPECT_EQ(item.target->isMenu, 0);
            EXPECT_EQ(item.target->title, item.label);
            const std::string n = std::to_string(item.target->value);
            EXPECT_EQ(item.label, n + "x" + n + "x" + n);
            EXPECT_TRUE(item.target->items.empty());
        }
    }
    root->DestroyTree();
}

TEST_F(MenuTest, RootPageAtFirstOpening) {
    const Frame f = Step(*root);
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.lines, (Lines{"Menu", "Choose difficulty", "Quit"}));
    EXPECT_EQ(f.highlighted, 1u);
}

TEST_F(MenuTest, HighlightStopsAtBothEndsAndKeysAreConsumed) {
    EXPECT_EQ(Step(*root, {key::Up}).highlighted, 1u);
    EXPECT_EQ(Step(*root, {key::Down}).highlighted, 2u);
    EXPECT_EQ(Step(*root, {key::Down}).highlighted, 2u);
    EXPECT_EQ(inputState.keys[key::Down], 0);
    EXPECT_EQ(Step(*root).highlighted, 2u);  // a held key counts once
    EXPECT_EQ(Step(*root, {key::Up}).highlighted, 1u);
    // Up and Down in one frame cancel out.
    EXPECT_EQ(Step(*root, {key::Up, key::Down}).highlighted, 2u);
}

TEST_F(MenuTest, ReturnTakesEffectTheNextFrame) {
    const Frame pressed = Step(*root, {key::Return});
    EXPECT_EQ(pressed.result, 0);
    EXPECT_EQ(pressed.lines[0], "Menu");
    EXPECT_EQ(pressed.highlighted, 1u);

    const Frame next = Step(*root);
    EXPECT_EQ(next.result, 0);
    EXPECT_EQ(next.lines, (Lines{"Choose difficulty", "Easy Levels", "Medium Levels",
                                 "Difficult Levels", "Impossible Levels"}));
    EXPECT_EQ(next.highlighted, 1u);
}

TEST_F(MenuTest, ReturnWithACursorKeyChoosesTheNewHighlight) {
    Step(*root, {key::Down, key::Return});
    EXPECT_EQ(Step(*root).result, 1);  // Quit
}

TEST_F(MenuTest, ASizeComesOutTheFrameAfterAndStaysUntilReset) {
    Choose();                  // Choose difficulty
    Step(*root, {key::Down});  // Medium Levels
    Choose();
    Step(*root, {key::Down});  // 13x13x13
    const Frame pressed = Step(*root, {key::Return});
    EXPECT_EQ(pressed.result, 0);
    EXPECT_EQ(pressed.lines[0], "Medium Levels");
    EXPECT_EQ(pressed.highlighted, 2u);

    const Frame chosen = Step(*root);
    EXPECT_EQ(chosen.result, 13);
    EXPECT_EQ(chosen.highlighted, 0u);
    EXPECT_EQ(Step(*root).result, 13);

    // What the play loop does with a size: close the menu, which cuts the chain.
    root->SetVisible(0);
    EXPECT_EQ(Step(*root).result, -1);
    root->SetVisible(-1);
    const Frame reopened = Step(*root);
    EXPECT_EQ(reopened.lines[0], "Menu");
    EXPECT_EQ(reopened.highlighted, 1u);
    // Every page kept its highlight.
    EXPECT_EQ(Choose().highlighted, 2u);
    EXPECT_EQ(Choose().highlighted, 2u);
}

TEST_F(MenuTest, ClosingOnASubPageClosesEverythingAndReopensAtTheRoot) {
    Choose();
    Step(*root, {key::Down});
    Step(*root, {key::Down});  // Difficult Levels
    Choose();
    EXPECT_EQ(Step(*root).lines[0], "Difficult Levels");

    root->SetVisible(-1);
    EXPECT_EQ(root->visible, 0);
    EXPECT_EQ(root->activeChild, nullptr);
    const MenuPage& difficulty = *root->items[0].target;
    EXPECT_EQ(difficulty.visible, 0);
    EXPECT_EQ(difficulty.activeChild, nullptr);
    EXPECT_EQ(difficulty.items[2].target->visible, 0);
    EXPECT_EQ(Step(*root, {key::Down}).result, -1);
    EXPECT_EQ(inputState.keys[key::Down], 1);  // a closed menu reads no keys

    root->SetVisible(-1);
    inputState = InputState{};
    const Frame reopened = Step(*root);
    EXPECT_EQ(reopened.lines, (Lines{"Menu", "Choose difficulty", "Quit"}));
    const Frame sub = Choose();
    EXPECT_EQ(sub.lines[0], "Choose difficulty");
    EXPECT_EQ(sub.highlighted, 3u);
}

TEST(MenuPage, APageWithoutItemsCannotBeLeftOrRunOff) {
    MenuPage page("Empty");
    page.SetVisible(1);
    Frame f{};
    for (int i = 0; i < 3; ++i) {
        f = Step(page, {key::Down, key::Return});
    }
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.lines, Lines{"Empty"});
    EXPECT_EQ(page.activeChild, nullptr);
    EXPECT_EQ(page.selected, 1u);
}

TEST(MenuPage, DestroyTreeLeavesNoChainBehind) {
    auto root = BuildMenu();
    root->SetVisible(1);
    inputState = InputState{};
    Step(*root, {key::Return});
    Step(*root);
    ASSERT_NE(root->activeChild, nullptr);
    root->DestroyTree();
    EXPECT_TRUE(root->items.empty());
    EXPECT_EQ(root->activeChild, nullptr);
}

}  // namespace
