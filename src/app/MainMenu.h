#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar, built from one table: every menu, item, caption, access
// key, shortcut and separator, each found by its name. Items behave as classic menu
// items: a click does not change the check mark by itself; the handler decides.
class MainMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainMenu)

public:
    explicit MainMenu(QMenuBar *bar, QObject *parent = nullptr);

    QAction *item(const QString &name) const;   // items and separators
    QMenu *menu(const QString &name) const;     // top-level menus and submenus

    bool isChecked(const QString &name) const;
    void setChecked(const QString &name, bool checked);
    bool isEnabled(const QString &name) const;
    void setEnabled(const QString &name, bool enabled);
    void setVisible(const QString &name, bool visible);

Q_SIGNALS:
    void itemClicked(const QString &name);
    // A top-level menu or the submenu of that name is about to open.
    void menuOpening(const QString &name);

private:
    QMenu *addMenu(QMenu *parent, const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QString &shortcut = {},
                     bool checkable = false);
    QAction *addSeparator(QMenu *menu, const QString &name);

    QMenuBar *m_bar = nullptr;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
};
