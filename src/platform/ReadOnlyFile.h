#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// A regular file held open for reading. Opening never blocks and never opens anything but
// a regular file: a folder, a FIFO, a socket or a device is refused before it is opened
// (a FIFO would wait for a writer, a device may act on being opened), and checked again
// on the open handle, so a name swapped in between is refused too. Nothing is locked:
// another program may still change the file while it is open here.
class ReadOnlyFile final
{
    Q_DISABLE_COPY_MOVE(ReadOnlyFile)

public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile();

    // Closes what was open first. On failure nothing is open and `error` says why.
    bool open(const QString &path, QString *error);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    // At most `maxBytes` from the start of the file, however often it is called.
    std::optional<QByteArray> read(qint64 maxBytes, QString *error) const;

private:
    int m_fd = -1;
};

// At most `maxBytes` from the start of the regular file at `path`, opened as ReadOnlyFile
// opens it: the one way the program reads a file the user named. Nothing when it is no
// regular file or cannot be read; `error` then says why.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error);
