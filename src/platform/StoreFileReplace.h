#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// Replaces the settings store's file at `path` (no link: the caller has followed them) with
// `bytes`. The file may sit in a folder that others can write into (a dotfile manager links
// the store there), so the bytes go into a temporary file beside it whose name is fresh and
// random, created exclusively and never through a link, with the file's own mode, or
// `newFileMode` for a new file; it is synced to the disk, then renamed over the file.
// Temporary files of this kind that a killed writer left behind are removed after a replace
// succeeds (the caller holds the lock that every writer of the file takes), and `written` is
// then the new file's status. On failure the old file is as it was, no temporary file is
// left, and `error` says why.
bool replaceStoreFile(const QString &path, const QByteArray &bytes, mode_t newFileMode, struct stat *written,
                      QString *error);
