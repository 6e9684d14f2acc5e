#pragma once

#include <QByteArray>
#include <QByteArrayList>

// Files named by their bytes, for names Qt cannot hold (bytes that are not UTF-8): Qt's own
// file classes would write them under another name, and its folder listings leave them out.
bool writeNativeFile(const QByteArray &path, const QByteArray &content);
QByteArray readNativeFile(const QByteArray &path);
// The names in a folder, "." and ".." left out, sorted.
QByteArrayList nativeEntries(const QByteArray &folder);
