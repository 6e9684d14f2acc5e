#include "platform/StoreFileReplace.h"

#include "platform/FileHandle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 100;

// The temporary files of the file at `path` are named so, with a random tail.
QString temporaryPrefix(const QString &path)
{
    return path + QStringLiteral(".tmp");
}

QString errnoText(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString randomSuffix()
{
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix(12, Qt::Uninitialized);
    for (QChar &c : suffix)
        c = QLatin1Char(kDigits[QRandomGenerator::system()->bounded(int(sizeof kDigits - 1))]);
    return suffix;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            return false;
        }
        done += put;
    }
    return true;
}

// Removes the temporary files of `path` that a killed writer left: regular files of this
// user's with such a name. The caller holds the store's lock, so no writer of the store is
// in the middle of its change. A link, or a file of someone else's, that carries such a name
// is left alone; unlink(2) removes a name and never follows it.
void removeStaleTemporaries(const QString &path)
{
    const QFileInfo file(path);
    const QByteArray folder = QFile::encodeName(file.absolutePath());
    const QByteArray prefix = QFile::encodeName(temporaryPrefix(file.fileName()));
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, prefix.constData(), size_t(prefix.size())) != 0)
            continue;
        struct stat st;
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)
            || st.st_uid != ::geteuid())
            continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace

bool replaceStoreFile(const QString &path, const QByteArray &bytes, mode_t newFileMode, struct stat *written,
                      QString *error)
{
    struct stat old;
    const mode_t mode = ::stat(QFile::encodeName(path).constData(), &old) == 0 ? (old.st_mode & 07777) : newFileMode;

    // Beside the file, so that the rename stays on one file system. O_EXCL fails on any name
    // that exists, a planted link included, so nothing but a new file of ours is written.
    const QString prefix = temporaryPrefix(path) + QLatin1Char('-');
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary = QFile::encodeName(prefix + randomSuffix());
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    const FileHandle file(fd);
    if (file.fd() < 0) {
        *error = errnoText();
        return false;
    }
    const auto failed = [&] {
        *error = errnoText();
        ::unlink(temporary.constData());
        return false;
    };
    // Created private, then given the store's own mode: the umask does not narrow it, and
    // nobody can open the file in between. A file system without modes may refuse; the file
    // then has the mode it was created with.
    ::fchmod(file.fd(), mode);
    if (!writeAll(file.fd(), bytes) || ::fsync(file.fd()) != 0)
        return failed();
    if (std::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        return failed();
    // After the rename, which moves the status change time.
    if (::fstat(file.fd(), written) != 0)
        *written = {};
    removeStaleTemporaries(path);
    return true;
}
