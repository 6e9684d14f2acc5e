#pragma once

#include <QtGlobal>

#include <unistd.h>

// A file descriptor, closed when it goes out of scope.
class FileHandle final
{
    Q_DISABLE_COPY_MOVE(FileHandle)

public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};
