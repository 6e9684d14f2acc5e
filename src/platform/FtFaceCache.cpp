#include "platform/FtFaceCache.h"

#include <algorithm>

const FtFace &FtFaceCache::face(const QString &file, int index)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry &e) {
        return e.index == index && e.file == file;
    });
    if (it != m_entries.end()) {
        std::rotate(it, it + 1, m_entries.end());
        return *m_entries.back().face;
    }
    if (int(m_entries.size()) >= m_capacity)
        m_entries.erase(m_entries.begin());
    m_entries.push_back(Entry{file, index, std::make_unique<FtFace>(file, index)});
    return *m_entries.back().face;
}
