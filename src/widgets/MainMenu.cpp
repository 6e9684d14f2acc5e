#include "widgets/MainMenu.h"

#include "widgets/ActionCollection.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *bar, ActionCollection &commands, QWidget *window)
    : QObject(window)
    , m_bar(bar)
    , m_window(window)
    , m_commands(commands)
{
}

void MainMenu::addMenu(const QString &parent, const QString &name, const QString &caption)
{
    if (parent.isEmpty()) {
        QMenu *menu = m_bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        m_topLevel.append(name);
        m_menus.insert(name, menu);
        m_items.insert(name, menu->menuAction());
        // Filled before it shows: Qt lays a menu out after this signal.
        connect(menu, &QMenu::aboutToShow, this, [this, menu, name] { fill(menu, name); });
        return;
    }
    auto *item = new QAction(caption, this);
    item->setObjectName(name);
    m_parents.insert(name, parent);
    m_entries[parent].append(item);
    m_items.insert(name, item);
}

QAction *MainMenu::addItem(const QString &menu, const QString &name, const QString &caption, const QString &shortcut,
                           bool checkable)
{
    QAction *action = m_commands.add(name, caption, checkable);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(action);
    }
    m_entries[menu].append(action);
    m_items.insert(name, action);
    return action;
}

QAction *MainMenu::addSeparator(const QString &menu, const QString &name)
{
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    separator->setObjectName(name);
    m_entries[menu].append(separator);
    m_items.insert(name, separator);
    return separator;
}

void MainMenu::fill(QMenu *menu, const QString &name)
{
    if (m_filled.contains(name))
        return;
    m_filled.insert(name);
    for (QAction *entry : m_entries.value(name)) {
        const QString entryName = entry->objectName();
        if (m_parents.contains(entryName)) {
            auto *submenu = new QMenu(entry->text(), menu);
            submenu->setObjectName(entryName);
            m_menus.insert(entryName, submenu);
            fill(submenu, entryName);
            entry->setMenu(submenu);
        }
        menu->addAction(entry);
    }
}

QString MainMenu::topLevelOf(const QString &name) const
{
    QString top = name;
    while (m_parents.contains(top))
        top = m_parents.value(top);
    return top;
}

QAction *MainMenu::item(const QString &name) const
{
    return m_items.value(name);
}

QMenu *MainMenu::menu(const QString &name)
{
    const QString top = topLevelOf(name);
    if (QMenu *topMenu = m_menus.value(top))
        fill(topMenu, top);
    return m_menus.value(name);
}

void MainMenu::setVisible(const QString &name, bool visible)
{
    if (QAction *a = item(name))
        a->setVisible(visible);
}
