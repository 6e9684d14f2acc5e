#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// A named pipe (FIFO) with no writer, for tests of readers that must never wait for one. While
// it lives, a watcher looks for a reader that opened it: after `patience` such a reader is
// released (the pipe is opened for writing and closed again, so the reader sees an empty file)
// and readerWaited() turns true. A reader that blocks thus fails its test instead of hanging it.
class NamedPipe final
{
    Q_DISABLE_COPY_MOVE(NamedPipe)

public:
    explicit NamedPipe(const QString &path, std::chrono::milliseconds patience = std::chrono::seconds(3));
    ~NamedPipe();

    bool created() const { return m_created; }
    bool readerWaited() const { return m_waited; }

private:
    void watch(std::chrono::milliseconds patience);

    QString m_path;
    bool m_created = false;
    std::atomic<bool> m_waited{false};
    std::mutex m_mutex;
    std::condition_variable m_stop;
    bool m_stopping = false;
    std::thread m_watcher;
};
