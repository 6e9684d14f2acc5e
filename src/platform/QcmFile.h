#pragma once

#include "platform/ReadOnlyFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of a custom map file, read once and bounded: at most
// QcmFormat::kMaxFileBytes + 1, so that a longer file shows as longer. Nothing when the
// path is not a regular file or cannot be read; `error` then says why.
std::optional<QByteArray> readQcmFile(const QString &path, QString *error);

// The custom map file slot: the one handle through which the main window and the custom
// map editor read custom map files. The loaded map's file stays open in it until the next
// load, an unload or the editor's own reading; every opener closes it first.
class CustomMapFileSlot final
{
    Q_DISABLE_COPY_MOVE(CustomMapFileSlot)

public:
    CustomMapFileSlot() = default;

    // Closes the slot, then opens `path` in it and reads it as readQcmFile does. On
    // success the file stays open; on failure the slot is closed.
    std::optional<QByteArray> open(const QString &path, QString *error);
    void close();

    bool isOpen() const { return m_file.isOpen(); }
    // The path of the open file; empty when the slot is closed.
    QString path() const { return m_path; }

private:
    ReadOnlyFile m_file;
    QString m_path;
};
