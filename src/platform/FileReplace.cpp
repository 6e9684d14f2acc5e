#include "platform/FileReplace.h"

#include "core/FileNames.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

bool replaceFileContents(const QString &path, const QByteArray &bytes, QString *error)
{
    // QSaveFile names files in UTF-8 only: a name of other bytes would be written under
    // another name, beside the file the user meant.
    if (QFile::encodeName(path) != encodeFileName(path)) {
        *error = QString::fromLocal8Bit(std::strerror(EILSEQ));
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write shows here: a buffered write that the disk cuts short
    // is flushed at commit, which then reports success for a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        *error = written < 0 || errno == 0 ? file.errorString() : QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
