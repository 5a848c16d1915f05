// Menus and tool buttons described as one table: each command is a menu item, optionally with a
// tool button that triggers the same action and follows its enabled state.
#pragma once

#include <QKeySequence>
#include <QSize>
#include <QString>
#include <QStyle>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolButton;
class QWidget;

struct ToolButtonEntry {
    const char* Name; // object name, "SpeedButton1"
    QString Hint;     // the tooltip
    int X;            // left edge in the tool panel; every button sits at y = 2
    QStyle::StandardPixmap Icon;
};

// A menu item, a separator (no name) or a menu (Items not empty). Object names are the window's
// member names, so tests and the window find each item by them.
struct CommandEntry {
    const char* Name = nullptr;
    QString Caption;
    QKeySequence Shortcut;
    std::function<void()> Handler;
    std::optional<ToolButtonEntry> Button;
    bool Checkable = false;
    std::vector<CommandEntry> Items;
};

CommandEntry MenuItem(const char* name, const QString& caption, const QKeySequence& shortcut,
                      std::function<void()> handler,
                      std::optional<ToolButtonEntry> button = std::nullopt);
CommandEntry SubMenu(const char* name, const QString& caption, std::vector<CommandEntry> items);
CommandEntry MenuSeparator();

// What the table built, looked up by object name.
class CommandTable {
public:
    QAction* Action(const std::string& name) const;
    QMenu* Menu(const std::string& name) const;
    QToolButton* Button(const std::string& name) const;

    // A whole menu with every item in it, shortcuts included, and the items' tool buttons.
    void SetMenuEnabled(const std::string& name, bool enabled) const;

private:
    friend CommandTable BuildCommandTable(QMenuBar&, QWidget&, QSize,
                                          const std::vector<CommandEntry>&,
                                          const std::vector<CommandEntry>&);
    std::map<std::string, QAction*> Actions;
    std::map<std::string, QMenu*> Menus;
    std::map<std::string, QToolButton*> Buttons;
};

// Adds the table's menus to the bar, in order, and its tool buttons to the panel at their places.
// A tool button shows its action's icon, which the menu item shows too. Each of buttonsOnly is a
// tool button whose action (named by Name) stands in no menu, so it has an enabled state of its
// own.
CommandTable BuildCommandTable(QMenuBar& bar, QWidget& toolPanel, QSize buttonSize,
                               const std::vector<CommandEntry>& menus,
                               const std::vector<CommandEntry>& buttonsOnly = {});
