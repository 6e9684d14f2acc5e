#pragma once

#include "platform/FtFace.h"

#include <QString>

#include <memory>
#include <vector>

// The few faces asked about last, kept open, so that the glyph questions a font change brings
// (one per FontMap cell) do not reopen the file every time.
class FtFaceCache final
{
    Q_DISABLE_COPY_MOVE(FtFaceCache)

public:
    explicit FtFaceCache(int capacity = 4) : m_capacity(qMax(1, capacity)) {}

    // The open face of that file, opening it (and closing the least recently used) when needed.
    const FtFace &face(const QString &file, int index);

private:
    struct Entry
    {
        QString file;
        int index = 0;
        std::unique_ptr<FtFace> face;
    };

    int m_capacity = 4;
    std::vector<Entry> m_entries; // most recently used last
};
