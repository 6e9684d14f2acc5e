#include "platform/StoreLock.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

StoreLock::StoreLock(const QString &path, std::chrono::milliseconds wait)
    // Never through a link: the lock file is ours, and opening a planted link would open
    // (and create) whatever it names.
    : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
{
    if (m_fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    // flock(2) has no time limit of its own: it is tried without blocking, with pauses that
    // grow from a millisecond, so that a lock another writer holds for a moment costs little.
    const QDeadlineTimer deadline(wait);
    std::chrono::milliseconds pause(1);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        const auto left = std::chrono::milliseconds(deadline.remainingTime());
        if (deadline.hasExpired() || left.count() <= 0) {
            m_busy = true;
            return;
        }
        std::this_thread::sleep_for(std::min(pause, left));
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    m_locked = true;
}

StoreLock::~StoreLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
