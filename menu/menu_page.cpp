#include "menu/menu_page.h"

#include <utility>

#include "platform/input.h"

MenuPage::MenuPage(std::string title) : isMenu(1), title(std::move(title)), value(0) {}

MenuPage::MenuPage(std::string label, std::int32_t value)
    : isMenu(0), title(std::move(label)), value(value) {}

int MenuPage::AddItem(std::unique_ptr<MenuPage> child) {
    std::string label = child->title;
    items.push_back({std::move(label), std::move(child)});
    return static_cast<int>(items.size());
}

void MenuPage::SetVisible(int v) {
    visible = v == -1 ? 1 - visible : v;
    if (visible == 0) {
        Reset();
    }
}

void MenuPage::Reset() {
    activeChild = nullptr;
    visible = 0;
    for (MenuItem& item : items) {
        item.target->Reset();
    }
}

int MenuPage::HandleInput(std::vector<std::string>& lines, unsigned& highlighted) {
    highlighted = 0;
    if (visible == 0) {
        return MenuClosed;
    }
    MenuPage* node = this;
    while (node->activeChild != nullptr) {
        node = node->activeChild;
        node->SetVisible(1);
    }
    if (node->isMenu == 0) {
        return node->value;
    }

    lines.clear();
    lines.push_back(node->title);
    for (const MenuItem& item : node->items) {
        lines.push_back(item.label);
    }
    // The highlight moves over the items only, and never past either end. The bounds are
    // compared as less/greater, not equal, so a page without items cannot run off its list.
    const std::uint32_t lastLine = static_cast<std::uint32_t>(lines.size() - 1);
    if (ReadKey(key::Up, 1) != 0 && node->selected > 1) {
        --node->selected;
    }
    if (ReadKey(key::Down, 1) != 0 && node->selected < lastLine) {
        ++node->selected;
    }
    if (ReadKey(key::Return, 1) != 0 && node->selected >= 1 && node->selected <= lastLine) {
        node->activeChild = node->items[node->selected - 1].target.get();
    }
    highlighted = node->selected;
    return MenuOpen;
}

void MenuPage::DestroyTree() {
    for (MenuItem& item : items) {
        item.target->DestroyTree();
        item.target.reset();
    }
    activeChild = nullptr;
    items.clear();
    title.clear();
}

std::unique_ptr<MenuPage> BuildMenu() {
    auto root = std::make_unique<MenuPage>("Menu");
    auto quit = std::make_unique<MenuPage>("Quit", MenuQuit);

    struct Level {
        const char* title;
        int firstSize;
        int lastSize;
    };
    constexpr Level levels[] = {{"Easy Levels", 5, 9},
                                {"Medium Levels", 11, 19},
                                {"Difficult Levels", 21, 29},
                                {"Impossible Levels", 31, 39}};

    auto difficulty = std::make_unique<MenuPage>("Choose difficulty");
    for (const Level& level : levels) {
        auto page = std::make_unique<MenuPage>(level.title);
        for (int n = level.firstSize; n <= level.lastSize; n += 2) {
            const std::string size = std::to_string(n);
            page->AddItem(std::make_unique<MenuPage>(size + "x" + size + "x" + size, n));
        }
        difficulty->AddItem(std::move(page));
    }
    root->AddItem(std::move(difficulty));
    root->AddItem(std::move(quit));
    return root;
}
