#include "app/MenuPictures.h"

#include "widgets/MainMenu.h"
#include "widgets/Pictures.h"

#include <QAction>

namespace {

struct Placement
{
    int menu;
    int item;
    int picture;
};

// File, Edit, Format and Tools, whose items do not move.
constexpr Placement kFixed[] = {
    {0, 0, 1},  {0, 2, 2},  {1, 0, 3},  {1, 1, 4},  {1, 2, 5},  {1, 7, 6},  {3, 0, 7},  {3, 1, 8},
    {4, 0, 9},  {4, 1, 10}, {4, 2, 11}, {4, 3, 12}, {4, 4, 13}, {4, 6, 14}, {4, 7, 15}, {4, 9, 16},
};

// The Help menu, whose items move up by two when Contents and its separator are hidden.
constexpr int kHelpMenu = 6;
constexpr Placement kHelpWithContents[] = {
    {kHelpMenu, 0, 17}, {kHelpMenu, 1, 18}, {kHelpMenu, 3, 19}, {kHelpMenu, 4, 20}, {kHelpMenu, 5, 21},
    {kHelpMenu, 7, 22},
};
constexpr Placement kHelpWithoutContents[] = {
    {kHelpMenu, 0, 18}, {kHelpMenu, 1, 19}, {kHelpMenu, 2, 20}, {kHelpMenu, 3, 21}, {kHelpMenu, 5, 22},
};

QList<QAction *> shown(const QList<QAction *> &actions)
{
    QList<QAction *> visible;
    for (QAction *a : actions) {
        if (a->isVisible())
            visible << a;
    }
    return visible;
}

void hidePictures(const MainMenu &menus, const QString &menuName)
{
    for (QAction *a : menus.entries(menuName)) {
        a->setIconVisibleInMenu(false);
        hidePictures(menus, a->objectName()); // a submenu's own items
    }
}

} // namespace

namespace MenuPictures {

void SetMenuPic(const MainMenu &menus, int menu, int item, int picture)
{
    // Every top-level menu is shown.
    if (menu < 0 || menu >= menus.menuNames().size())
        return;
    const QList<QAction *> items = shown(menus.entries(menus.menuNames().at(menu)));
    if (item < 0 || item >= items.size())
        return;
    // One picture for the checked and the unchecked state alike.
    items[item]->setIcon(Pictures::menuPicture(picture));
    items[item]->setIconVisibleInMenu(true);
}

void SetupMenusAndHelp(MainMenu &menus, bool helpExists)
{
    for (const QString &name : menus.menuNames())
        hidePictures(menus, name);
    for (const Placement &p : kFixed)
        SetMenuPic(menus, p.menu, p.item, p.picture);
    if (helpExists) {
        menus.setVisible(QStringLiteral("HelpContents"), true);
        menus.setVisible(QStringLiteral("HelpSep1"), true);
        for (const Placement &p : kHelpWithContents)
            SetMenuPic(menus, p.menu, p.item, p.picture);
    } else {
        for (const Placement &p : kHelpWithoutContents)
            SetMenuPic(menus, p.menu, p.item, p.picture);
    }
}

} // namespace MenuPictures
