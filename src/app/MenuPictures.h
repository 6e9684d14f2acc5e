#pragma once

class MainMenu;

// The pictures beside the menu items and the Help menu's Contents item.
namespace MenuPictures {

// Puts menu picture `picture` (1 to 22) beside the item at position `item` of the top-level
// menu at position `menu`; positions count from 0 and only the items shown, separators
// included. A position that holds no item changes nothing.
void SetMenuPic(const MainMenu &menus, int menu, int item, int picture);

// Run once at the end of start-up: offers Help > Contents (and its separator) when the user
// guide exists, and sets the 22 pictures. Every other item, the Views and Toggles menus and
// all items inside submenus among them, shows no picture, though its toolbar button does.
void SetupMenusAndHelp(MainMenu &menus, bool helpExists);

} // namespace MenuPictures
