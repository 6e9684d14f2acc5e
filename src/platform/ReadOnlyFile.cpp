#include "platform/ReadOnlyFile.h"

#include "core/FileNames.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Why a file of this mode is not read, or the empty text for a regular file.
QString notRegularReason(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return errnoText(EISDIR);
    return QStringLiteral("Not a regular file");
}

} // namespace

ReadOnlyFile::~ReadOnlyFile()
{
    close();
}

bool ReadOnlyFile::open(const QString &path, QString *error)
{
    close();
    const QByteArray name = encodeFileName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        *error = errnoText(errno);
        return false;
    }
    if (QString reason = notRegularReason(info.st_mode); !reason.isEmpty()) {
        *error = reason;
        return false;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *error = errnoText(errno);
        return false;
    }
    // The name may have been swapped for something else since the check above.
    QString reason = ::fstat(fd, &info) != 0 ? errnoText(errno) : notRegularReason(info.st_mode);
    if (!reason.isEmpty()) {
        *error = reason;
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void ReadOnlyFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

std::optional<QByteArray> ReadOnlyFile::read(qint64 maxBytes, QString *error) const
{
    if (m_fd < 0) {
        *error = errnoText(EBADF);
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.resize(maxBytes);
    qint64 done = 0;
    while (done < maxBytes) {
        const ssize_t got = ::pread(m_fd, bytes.data() + done, size_t(maxBytes - done), off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            *error = errnoText(errno);
            return std::nullopt;
        }
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error)
{
    ReadOnlyFile file;
    if (!file.open(path, error))
        return std::nullopt;
    return file.read(maxBytes, error);
}
