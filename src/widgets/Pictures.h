#pragma once

#include <QIcon>
#include <QString>

// The program's pictures (toolbar buttons, menu items, font types), drawn as vector
// shapes so they stay crisp at any screen scale, and in the desktop palette's colours of
// the moment, so they stay legible on a dark one; a picture that stands for a standard
// action (open, save, cut, copy, paste, find, print, ...) is the desktop icon theme's
// icon of that action when the theme has one. Pictures are found the way image lists
// kept them: by list name and image key, or by 1-based index.
namespace Pictures {

QIcon icon(const QString &imageList, const QString &imageKey);
// The colour swatch of QB colour `index` (0..15), image index + 1 of the format toolbar's list.
QIcon colorSwatch(int index);
// ImlMenuPics, 1..22.
QIcon menuPicture(int index);
// The button that opens the buttons a bar has no room for.
QIcon moreButtons(Qt::Orientation orientation);
// The program's own icon, every window's picture: a map of characters with one enlarged.
QIcon programIcon();

} // namespace Pictures
