#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class CMainFrame;
class CChartDocument;
class CDocumentDialogs;
class CMarketWorkspace;
class CRotula2View;
class CToolDialogs;
class CVersionCheck;

// Every command of the main window, one row each: its id, texts, icon and
// shortcut, what it does and when its action shows pressed or enabled; and
// the layout of the menus, toolbars and drop-down menus by command id. The
// frame builds every action from here.
namespace CommandTable {

// What the commands act on: the chart commands on the document, those with
// questions and messages on its dialogs, zoom on the view, the market's on
// its workspace, the tools and the application's own commands on the frame.
struct Context {
    CMainFrame& frame;
    CChartDocument& document;
    CDocumentDialogs& dialogs;
    CRotula2View& view;
    CMarketWorkspace& market;
    CToolDialogs& tools;
    CVersionCheck& versionCheck;
};

using Handler = std::function<void(Context&)>;
using Test = std::function<bool(const Context&)>;
using Detail = std::function<QString(const Context&)>;

struct Command {
    Command(int id, const char* text, const char* toolTip, const char* icon, const char* shortcut, Handler run = {},
        Test checked = {}, Test enabled = {}, Detail detail = {})
        : id(id)
        , text(text)
        , toolTip(toolTip)
        , icon(icon)
        , shortcut(shortcut)
        , run(std::move(run))
        , checked(std::move(checked))
        , enabled(std::move(enabled))
        , detail(std::move(detail))
    {
    }

    int id;
    const char* text; // menu text; also the tooltip when toolTip is empty
    const char* toolTip;
    const char* icon; // an icon of res/icons, without extension; empty for none
    const char* shortcut; // QKeySequence text, several separated by "; "; empty for none
    Handler run; // empty for a button that only opens its drop-down menu or submenu
    Test checked; // empty for a command with no pressed state
    Test enabled; // empty for one that is always enabled
    Detail detail; // what the menu text names after text (the step an undo takes); empty for nothing
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

// The four toolbars of command buttons, in docking order.
const std::vector<Group>& ToolBars();
const std::vector<Group>& Menus();
const std::vector<DropDown>& DropDowns();
// Menu rows that open a submenu: buttonId names the row.
const std::vector<DropDown>& SubMenus();

// The texts above are keys of the translation files, under this context.
QString Translated(const char* text);

// The line-number flyout: its button's tooltip and entries.
extern const char* const LineFlyoutToolTip;
std::vector<int> LineEntries();

} // namespace CommandTable
