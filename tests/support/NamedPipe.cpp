#include "support/NamedPipe.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

NamedPipe::NamedPipe(const QString &path, std::chrono::milliseconds patience)
    : m_path(path)
    , m_created(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0)
{
    if (m_created)
        m_watcher = std::thread([this, patience] { watch(patience); });
}

NamedPipe::~NamedPipe()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_stop.notify_all();
    if (m_watcher.joinable())
        m_watcher.join();
}

void NamedPipe::watch(std::chrono::milliseconds patience)
{
    const QByteArray name = QFile::encodeName(m_path);
    std::unique_lock lock(m_mutex);
    if (m_stop.wait_for(lock, patience, [this] { return m_stopping; }))
        return;
    // Opening for writing without blocking succeeds only while a reader has the pipe open.
    while (!m_stop.wait_for(lock, std::chrono::milliseconds(20), [this] { return m_stopping; })) {
        const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            m_waited = true;
            ::close(fd);
        }
    }
}
