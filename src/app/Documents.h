#pragma once

#include <QString>
#include <QStringList>

class FileChecks;

// The documents the program ships (the user guide and the Readme) and where it finds them:
// beside the program first, as a build tree or an unpacked archive has them, then in the
// data folder of an installed tree.
namespace Documents {

QString helpFileName();    // the user guide: the product name and "300.html"
QString readmeFileName();  // "Readme.html"

// The folders searched, in order, for a program that runs from `programFolder`.
QStringList folders(const QString &programFolder);
// The full path of the first `name` found in `folders`, or an empty text.
QString find(FileChecks &checks, const QString &name, const QStringList &folders);

} // namespace Documents
