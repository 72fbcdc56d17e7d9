// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/Translatable.h"

#include <string>
#include <vector>

// One entry of a menu resource: a command item (id != 0), a popup (children
// not empty) or a separator (empty text). The text after a tab is the
// shortcut the item shows; that shortcut runs the item.
struct MenuNode {
    MenuNode() = default;
    MenuNode(std::string t, int i, std::vector<MenuNode> c = {})
        : text(std::move(t)), id(i), children(std::move(c)) {}
    std::string text;
    int id = 0;
    std::vector<MenuNode> children;
    bool IsSeparator() const { return text.empty(); }
    bool IsPopup() const { return !children.empty(); }
};

// The menu bars: 128 with no document window active, 129 reading plan,
// 131 verse notes, 132 general notes, kCoverageMenu the Bible Coverage
// window, kHistoryMenu the Reading History window, kPassageMenu the passage window (the plan's menus, its own
// keys). Any other id gives menu 128.
inline constexpr int kCoverageMenu = 0x8710;
inline constexpr int kHistoryMenu = 0x8720;
inline constexpr int kPassageMenu = 0x8800;
const std::vector<MenuNode>& MenuResource(int resourceId);

// Shortcuts that no menu item shows, bound to their commands. Table 129
// serves reading plan windows, kPassageMenu the passage window, 128 every other window.
struct Accelerator {
    const char* key; // in QKeySequence's portable text form
    int id;
};
const std::vector<Accelerator>& AcceleratorTable(int tableId);

// The command's string: status bar text, line break, tooltip. Empty when the
// command has none.
const char* CommandPrompt(int id);

// The toolbar's buttons in order; 0 is a separator. The n-th non-zero entry
// shows the n-th image of the toolbar picture.
const std::vector<int>& ToolbarButtons();

// The idle text of the status bar's message pane.
inline constexpr const char* kIdleStatusText = TR_NOOP("Command", "For Help, press F1");
