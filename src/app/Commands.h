#pragma once

#include <QHash>
#include <QString>

#include <functional>

// The main window's menu commands by item name. Each part of the window registers the
// commands it owns; a click on a menu item runs the command of the item's name.
using CommandMap = QHash<QString, std::function<void()>>;
