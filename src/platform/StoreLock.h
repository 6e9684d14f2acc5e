#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>

// An exclusive flock(2) on the lock file beside the settings store, held for one change and
// released when the object goes. Another process's lock is waited for at most `wait`, so that
// a program that holds the lock and hangs (or is stopped) never hangs this one. The lock file
// is never removed: removing it would let two writers lock two different files.
class StoreLock final
{
    Q_DISABLE_COPY_MOVE(StoreLock)

public:
    StoreLock(const QString &path, std::chrono::milliseconds wait);
    ~StoreLock();

    // The lock file could not be opened (or created): error() says why.
    bool opened() const { return m_fd >= 0; }
    bool locked() const { return m_locked; }
    // Another process held the lock for longer than the wait.
    bool busy() const { return m_busy; }
    // Opened, neither locked nor busy: the file system has no locks (error() says so).
    QString error() const { return m_error; }

private:
    int m_fd = -1;
    bool m_locked = false;
    bool m_busy = false;
    QString m_error;
};
