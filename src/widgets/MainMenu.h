#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class ActionCollection;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's menu bar, built from a table of menus, items and separators, each found by
// its name. Each item is the command of its name (ActionCollection); a checkable item flips its
// mark before its handler runs.
//
// Every item, separator and submenu item exists from the start, so states, captions and
// pictures can be set on them at any time and every shortcut works at once (the window
// holds the shortcuts). A top-level menu gets its contents and submenus only when it is
// first opened or asked for, which spares the start-up a dozen menus nobody has opened.
class MainMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainMenu)

public:
    // The items' commands are created in `commands`, under the items' names, and their
    // shortcuts work anywhere in `window`.
    MainMenu(QMenuBar *bar, ActionCollection &commands, QWidget *window);

    // The table, row by row: a menu on the bar (no `parent`) or a submenu, an item of a menu,
    // and a separator, each named. An item with a `shortcut` works in the whole window.
    void addMenu(const QString &parent, const QString &name, const QString &caption);
    QAction *addItem(const QString &menu, const QString &name, const QString &caption, const QString &shortcut = {},
                     bool checkable = false);
    QAction *addSeparator(const QString &menu, const QString &name);

    QAction *item(const QString &name) const;   // items, separators and submenu items
    // A top-level menu or submenu, with its contents.
    QMenu *menu(const QString &name);

    // The top-level menus' names, left to right.
    const QStringList &menuNames() const { return m_topLevel; }
    // What a menu holds, in order (items, separators and submenu items), whether or not it
    // was ever opened.
    QList<QAction *> entries(const QString &menuName) const { return m_entries.value(menuName); }

    // Items and separators the window shows or hides (recent files, the views' items); the
    // items' checked and enabled states are their commands'.
    void setVisible(const QString &name, bool visible);

private:
    void fill(QMenu *menu, const QString &name);
    QString topLevelOf(const QString &name) const;

    QMenuBar *m_bar = nullptr;
    QWidget *m_window = nullptr;
    ActionCollection &m_commands;
    QStringList m_topLevel;
    QHash<QString, QString> m_parents;              // a submenu's menu
    QHash<QString, QList<QAction *>> m_entries;     // a menu's contents, by its name
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;                // the menus made so far
    QSet<QString> m_filled;
};
