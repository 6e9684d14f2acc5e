#pragma once

#include <QString>

#include <functional>

// Where the file dialogs open. A fresh account may have no documents folder, and a folder the
// store remembers may have been deleted since; a dialog handed a folder that is not there takes
// its last part for a file's name. So every dialog starts in a folder that exists.
namespace StartFolders {

// Whether a path names a folder that exists.
using IsFolder = std::function<bool(const QString &path)>;

// The first-run folder of every file dialog: the desktop's documents folder where it exists,
// else the home folder.
QString documentsOrHome(const QString &documents, const QString &home, const IsFolder &isFolder);

// The folder itself when it exists, else the nearest folder above it that does; the empty text
// when there is none (an empty or relative path).
QString nearestFolder(const QString &folder, const IsFolder &isFolder);

// What a file dialog opens with: a folder that exists and the name in its name field.
struct DialogStart
{
    QString folder;
    QString fileName;  // empty: the field starts empty
};

// From the caller's start folder and file name: a name with a folder of its own starts there
// (a relative one below `initDir`); a name that is a folder is opened, not offered as a name;
// each folder gives way to its nearest existing one, and `fallback` serves where none exists.
DialogStart dialogStart(const QString &initDir, const QString &fileName, const QString &fallback,
                        const IsFolder &isFolder);

} // namespace StartFolders
