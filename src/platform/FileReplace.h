#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of the file at `path`: into a temporary file beside
// it, renamed over it only when every byte was written. A failed write (a read-only folder, a
// full disk, a path that names a folder) leaves the old file, if there was one, as it was and
// no temporary behind; `error` then says why.
bool replaceFileContents(const QString &path, const QByteArray &bytes, QString *error);
