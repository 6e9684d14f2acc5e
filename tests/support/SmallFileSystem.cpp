#include "support/SmallFileSystem.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// Once per process: later mounts stay in the test process and never reach the system.
bool privateMounts()
{
    static const bool made = ::unshare(CLONE_NEWNS) == 0
                             && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return made;
}

} // namespace

SmallFileSystem::SmallFileSystem(const QString &folder, int kibibytes)
    : m_folder(folder)
{
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0700";
    m_mounted = privateMounts()
                && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

bool SmallFileSystem::fill()
{
    const int fd = ::open(QFile::encodeName(m_folder + QStringLiteral("/filler")).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'f');
    ssize_t put = 0;
    while ((put = ::write(fd, block.constData(), size_t(block.size()))) > 0) {
    }
    // What is left is less than a block; take it byte by byte.
    while ((put = ::write(fd, block.constData(), 1)) > 0) {
    }
    const bool full = put < 0 && errno == ENOSPC;
    ::close(fd);
    return full;
}
