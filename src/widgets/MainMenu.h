#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class ActionCollection;
class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar, built from one table: every menu, item, caption, access
// key, shortcut and separator, each found by its name. Each item is the command of its
// name (ActionCollection); a checkable item flips its mark before its handler runs.
class MainMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainMenu)

public:
    // The items' commands are created in `commands`, under the items' names.
    MainMenu(QMenuBar *bar, ActionCollection &commands, QObject *parent = nullptr);

    QAction *item(const QString &name) const;   // items and separators
    QMenu *menu(const QString &name) const;     // top-level menus and submenus

    bool isChecked(const QString &name) const;
    void setChecked(const QString &name, bool checked);
    bool isEnabled(const QString &name) const;
    void setEnabled(const QString &name, bool enabled);
    void setVisible(const QString &name, bool visible);

Q_SIGNALS:
    // A top-level menu or the submenu of that name is about to open.
    void menuOpening(const QString &name);

private:
    QMenu *addMenu(QMenu *parent, const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QString &shortcut = {},
                     bool checkable = false);
    QAction *addSeparator(QMenu *menu, const QString &name);

    QMenuBar *m_bar = nullptr;
    ActionCollection &m_commands;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
};
