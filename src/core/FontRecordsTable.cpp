#include "core/FontRecordsTable.h"

FontRecordSource::FontRecordSource(QString faceName, Reader reader)
    : m_faceName(std::move(faceName))
    , m_reader(std::move(reader))
{
}

const FontRecordPair &FontRecordSource::records() const
{
    if (!m_records) {
        m_records = m_reader ? m_reader() : FontRecordPair{};
        m_records->logFont.lfFaceName = m_faceName;
        m_reader = nullptr; // whatever it captured is no longer needed
    }
    return *m_records;
}
