#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class MenuPage;

// The menu result of a frame, the one value the menu hands the play loop: one of these, or
// the size of the maze to build next (5 to 39).
constexpr int MenuClosed = -1;
constexpr int MenuOpen = 0;  // a page is shown, nothing chosen
constexpr int MenuQuit = 1;
constexpr bool IsMazeSize(int result) { return result >= 5; }

// A line of a page: its text (a copy of the target's title) and the node it leads to.
struct MenuItem {
    std::string label;
    std::unique_ptr<MenuPage> target;
};

// One node of the menu tree: a page listing items, or an action yielding a value.
//
// The open nodes form one chain from the root along activeChild; the last node of the chain
// is displayed (a page) or yields its value (an action). Choosing with Return extends the
// chain, which takes effect in the next frame. Closing a node resets everything below it,
// so the menu always reopens at its root; each page keeps its highlighted line for good.
class MenuPage {
  public:
    // A page: selected 1 (the first item), closed, value 0, no items.
    explicit MenuPage(std::string title);
    // An action: its value is MenuQuit or a maze size.
    MenuPage(std::string label, std::int32_t value);

    // Appends child as a new line labelled with its title; returns the number of items.
    int AddItem(std::unique_ptr<MenuPage> child);

    // -1 toggles, anything else is stored; a node that ends up closed is Reset.
    void SetVisible(int v);

    // Closes this node and every node below it and cuts their chains; selected stays.
    void Reset();

    // One frame of the menu, called on the root. Fills lines with the displayed page's
    // title and item labels and highlighted with its selected line, reading Up, Down and
    // Return (in that order, clearing them). Returns MenuClosed for a closed root, MenuOpen
    // while a page is displayed, or the value of the action at the end of the chain.
    int HandleInput(std::vector<std::string>& lines, unsigned& highlighted);

    // Frees every node below this one; the node itself is left with no items.
    void DestroyTree();

    std::int32_t isMenu;
    std::uint32_t selected = 1;  // 0 is the page title, k the item k - 1
    std::string title;
    std::int32_t visible = 0;
    std::int32_t value;
    MenuPage* activeChild = nullptr;  // one of items' targets, or none
    std::vector<MenuItem> items;
};

// The game's menu: "Menu" > "Choose difficulty" > four level pages > sizes 5..39, and "Quit".
// Returned closed.
std::unique_ptr<MenuPage> BuildMenu();
