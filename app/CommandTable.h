#pragma once

#include <vector>

// What the main frame shows for each command, and where: one table of texts,
// tooltips, icons and shortcuts, and the layout of the menus, toolbars and
// drop-down menus by command id. The frame builds every action from here.
namespace CommandTable {

struct Command {
    int id = 0;
    const char* text = ""; // menu text; also the tooltip when toolTip is empty
    const char* toolTip = "";
    const char* icon = ""; // an icon of res/icons, without extension; empty for none
    const char* shortcut = ""; // QKeySequence text; empty for none
};

// Marks a separator in the id lists below.
constexpr int Separator = 0;

struct Group {
    const char* name; // object name of the toolbar or menu
    const char* title; // toolbar title or menu title
    std::vector<int> ids;
};

struct DropDown {
    int buttonId; // the toolbar button that opens the menu
    Group menu;
};

const std::vector<Command>& Commands();
const Command* Find(int id);

// The four toolbars of command buttons, in docking order.
const std::vector<Group>& ToolBars();
const std::vector<Group>& Menus();
const std::vector<DropDown>& DropDowns();

// The line-number flyout: its button's tooltip and entries.
extern const char* const LineFlyoutToolTip;
std::vector<int> LineEntries();

} // namespace CommandTable
