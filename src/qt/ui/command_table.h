// Menus and tool buttons described as one table: each command is a menu item, optionally with a
// tool button that triggers the same action and follows its enabled state.
#pragma once

#include "base/menu_table.h"

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

// The toolkit's key sequence of a table's shortcut.
QKeySequence KeysOf(Shortcut keys);

// The entries of a core table: each item with its handler and, when the table gives it one, its
// tool button with the icon the window chooses. Every item's name and command are collected, for
// the enabled states the window sets.
template <typename C> struct TableCommands {
    std::function<std::function<void()>(C)> HandlerOf;
    std::function<QStyle::StandardPixmap(C)> IconOf;
    const std::vector<ToolButtonRow<C>>& Buttons;
    std::vector<std::pair<const char*, C>> Names;

    std::optional<ToolButtonEntry> ButtonOf(C command) const {
        for (const ToolButtonRow<C>& button : Buttons)
            if (button.Command == command)
                return ToolButtonEntry{button.Name, QString::fromLatin1(button.Hint), button.X,
                                       IconOf(command)};
        return std::nullopt;
    }

    CommandEntry Entry(const MenuEntry<C>& entry) {
        if (entry.IsSeparator())
            return MenuSeparator();
        const QString caption = QString::fromLatin1(entry.Caption);
        if (entry.IsMenu()) {
            std::vector<CommandEntry> items;
            for (const MenuEntry<C>& item : entry.Items)
                items.push_back(Entry(item));
            return SubMenu(entry.Name, caption, std::move(items));
        }
        Names.emplace_back(entry.Name, entry.Command);
        return MenuItem(entry.Name, caption, KeysOf(entry.Keys), HandlerOf(entry.Command),
                        ButtonOf(entry.Command));
    }

    std::vector<CommandEntry> Menus(const std::vector<MenuEntry<C>>& menus) {
        std::vector<CommandEntry> made;
        for (const MenuEntry<C>& menu : menus)
            made.push_back(Entry(menu));
        return made;
    }
};
