#pragma once

#include <QString>

// A path split at its last separator: the folder up to and including that separator, and
// the file name after it. A path without a separator is all file name.
struct PathParts
{
    QString folder;
    QString name;
};

PathParts splitPath(const QString &path);
