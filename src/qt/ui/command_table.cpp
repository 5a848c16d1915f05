#include "ui/command_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

template <typename T> T* Find(const std::map<std::string, T*>& items, const std::string& name) {
    const auto found = items.find(name);
    if (found == items.end())
        qFatal("no command item %s", name.c_str());
    return found->second;
}

QString ObjectName(const char* name) {
    return QString::fromLatin1(name);
}

// The style's icon for a tool button, made once per style. The main window and the editor show
// the same icons, and a style reads and decodes every size of an icon's pictures as it makes it.
QIcon StandardIcon(const QStyle& style, QStyle::StandardPixmap icon) {
    static std::map<std::pair<const QStyle*, QStyle::StandardPixmap>, QIcon> made;
    const auto key = std::pair(&style, icon);
    auto found = made.find(key);
    if (found == made.end()) {
        found = made.emplace(key, style.standardIcon(icon)).first;
        // The icon goes with its style, before the application that draws it.
        QObject::connect(&style, &QObject::destroyed, [key] { made.erase(key); });
    }
    return found->second;
}

} // namespace

CommandEntry MenuItem(const char* name, const QString& caption, const QKeySequence& shortcut,
                      std::function<void()> handler, std::optional<ToolButtonEntry> button) {
    CommandEntry entry;
    entry.Name = name;
    entry.Caption = caption;
    entry.Shortcut = shortcut;
    entry.Handler = std::move(handler);
    entry.Button = std::move(button);
    return entry;
}

CommandEntry SubMenu(const char* name, const QString& caption, std::vector<CommandEntry> items) {
    CommandEntry entry;
    entry.Name = name;
    entry.Caption = caption;
    entry.Items = std::move(items);
    return entry;
}

CommandEntry MenuSeparator() {
    return {};
}

QKeySequence KeysOf(Shortcut keys) {
    static const std::map<ShortcutKey, Qt::Key> qtKeys = {
        {ShortcutKey::F1, Qt::Key_F1}, {ShortcutKey::F2, Qt::Key_F2},
        {ShortcutKey::F5, Qt::Key_F5}, {ShortcutKey::F12, Qt::Key_F12},
        {ShortcutKey::I, Qt::Key_I},   {ShortcutKey::K, Qt::Key_K},
        {ShortcutKey::O, Qt::Key_O},   {ShortcutKey::S, Qt::Key_S},
        {ShortcutKey::Z, Qt::Key_Z},   {ShortcutKey::Delete, Qt::Key_Delete},
    };
    const auto found = qtKeys.find(keys.Key);
    if (found == qtKeys.end())
        return {};
    return QKeySequence(keys.Control ? (Qt::CTRL | found->second) : QKeyCombination(found->second));
}

QAction* CommandTable::Action(const std::string& name) const {
    return Find(Actions, name);
}

QMenu* CommandTable::Menu(const std::string& name) const {
    return Find(Menus, name);
}

QToolButton* CommandTable::Button(const std::string& name) const {
    return Find(Buttons, name);
}

void CommandTable::SetMenuEnabled(const std::string& name, bool enabled) const {
    QMenu* menu = Menu(name);
    menu->menuAction()->setEnabled(enabled);
    // The items' own states count too: a shortcut of an item stays live in a disabled menu.
    for (QAction* item : menu->actions())
        if (!item->isSeparator())
            item->setEnabled(enabled);
}

namespace {

// The action of an item, and its tool button when it has one.
void AddCommand(std::map<std::string, QAction*>& actions,
                std::map<std::string, QToolButton*>& buttons, QAction* action, QWidget& toolPanel,
                QSize buttonSize, const CommandEntry& item) {
    action->setObjectName(ObjectName(item.Name));
    action->setShortcut(item.Shortcut);
    action->setCheckable(item.Checkable);
    if (item.Handler)
        QObject::connect(action, &QAction::triggered, action,
                         [handler = item.Handler] { handler(); });
    actions[item.Name] = action;
    if (item.Button) {
        action->setIcon(StandardIcon(*toolPanel.style(), item.Button->Icon));
        action->setToolTip(item.Button->Hint);
        auto* button = new QToolButton(&toolPanel);
        button->setObjectName(ObjectName(item.Button->Name));
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setGeometry(item.Button->X, 2, buttonSize.width(), buttonSize.height());
        buttons[item.Button->Name] = button;
    }
}

} // namespace

CommandTable BuildCommandTable(QMenuBar& bar, QWidget& toolPanel, QSize buttonSize,
                               const std::vector<CommandEntry>& menus,
                               const std::vector<CommandEntry>& buttonsOnly) {
    CommandTable table;
    const std::function<void(QMenu&, const CommandEntry&)> addItem = [&](QMenu& menu,
                                                                         const CommandEntry& item) {
        if (item.Name == nullptr) {
            menu.addSeparator();
            return;
        }
        if (!item.Items.empty()) {
            QMenu* submenu = menu.addMenu(item.Caption);
            submenu->setObjectName(ObjectName(item.Name));
            table.Menus[item.Name] = submenu;
            for (const CommandEntry& subitem : item.Items)
                addItem(*submenu, subitem);
            return;
        }
        AddCommand(table.Actions, table.Buttons, menu.addAction(item.Caption), toolPanel,
                   buttonSize, item);
    };
    for (const CommandEntry& entry : menus) {
        QMenu* menu = bar.addMenu(entry.Caption);
        menu->setObjectName(ObjectName(entry.Name));
        table.Menus[entry.Name] = menu;
        for (const CommandEntry& item : entry.Items)
            addItem(*menu, item);
    }
    for (const CommandEntry& item : buttonsOnly)
        AddCommand(table.Actions, table.Buttons, new QAction(&toolPanel), toolPanel, buttonSize,
                   item);
    return table;
}
