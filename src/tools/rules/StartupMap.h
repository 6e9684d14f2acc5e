#pragma once

#include <QString>

// The custom map the main window loads at start-up, as the Options dialog keeps it: the
// stored text is a map's full path, or "None".
namespace StartupMap {

QString none();
// Whether a stored or chosen path names a map ("None" and the empty text do not).
bool isMap(const QString &path);

// Browse's check: the chosen map is the one already specified only when the full paths are
// the same. A map of the same name in another folder is another map.
bool alreadySpecified(const QString &chosen, const QString &current);

// A path's folder up to and including its last '/', and the file name after it.
QString folderOf(const QString &path);
QString nameOf(const QString &path);

} // namespace StartupMap
