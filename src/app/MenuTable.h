#pragma once

class MainMenu;

// The program's seven menus, left to right: every menu, submenu, item, caption, access key,
// shortcut and separator, by name, in the order they show. The recent-file entries with
// their separators, and the help contents with theirs, start hidden until there is
// something to show.
void addMenuTable(MainMenu &menus);
