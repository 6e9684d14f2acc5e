#pragma once

#include "core/FontRecords.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

// The records of one font, read from its file the first time a numeric field is asked for, so
// that listing every installed font costs no file reads. The face name is known at once.
class FontRecordSource final
{
    Q_DISABLE_COPY_MOVE(FontRecordSource)

public:
    using Reader = std::function<FontRecordPair()>;

    FontRecordSource(QString faceName, Reader reader);

    const QString &faceName() const { return m_faceName; }
    // Runs the reader on the first call only; the face name of the result is always faceName().
    const FontRecordPair &records() const;

private:
    QString m_faceName;
    mutable Reader m_reader;
    mutable std::optional<FontRecordPair> m_records;
};

using FontRecordSourcePtr = std::shared_ptr<const FontRecordSource>;

// One of the two records of a font, as the enumeration hands it over and the tables keep it.
// Copies share the source, so a copy never reads the file and every copy sees the same read.
template <typename Record>
class FontRecordRef
{
    static_assert(std::is_same_v<Record, LogFontRecord> || std::is_same_v<Record, TextMetricRecord>);

public:
    FontRecordRef() = default;
    explicit FontRecordRef(FontRecordSourcePtr source) : m_source(std::move(source)) {}

    bool isNull() const { return !m_source; }
    QString faceName() const { return m_source ? m_source->faceName() : QString(); }
    // The whole record; reads the font's file the first time (Q_ASSERTs a non-null reference).
    const Record &record() const;
    // Row r of the record; the face name row of a LOGFONT is answered without reading the file.
    QVariant row(int r) const;

private:
    FontRecordSourcePtr m_source;
};

using EnumLogFont = FontRecordRef<LogFontRecord>;
using NewTextMetric = FontRecordRef<TextMetricRecord>;

// A program-wide font table (gFontLF, gFontTM): one column per font number, one row per field.
// value(row, n) is "row r of font n"; reading a numeric row of font n reads that font's file
// once, and only that font's.
template <typename Record>
class FontRecordTable
{
public:
    int columnCount() const { return int(m_columns.size()); }
    void clear() { m_columns.clear(); }
    // Grows or shrinks to the given number of columns, keeping the contents of those that stay.
    void resize(int columns) { m_columns.resize(qMax(0, columns)); }
    void setColumn(int n, FontRecordRef<Record> ref);

    // Invalid QVariant for a column or row outside the table, or a column never set.
    QVariant value(int row, int n) const;
    const FontRecordRef<Record> &column(int n) const { return m_columns.at(n); }

private:
    QList<FontRecordRef<Record>> m_columns;
};

template <typename Record>
const Record &FontRecordRef<Record>::record() const
{
    Q_ASSERT(m_source);
    if constexpr (std::is_same_v<Record, LogFontRecord>)
        return m_source->records().logFont;
    else
        return m_source->records().textMetric;
}

template <typename Record>
QVariant FontRecordRef<Record>::row(int r) const
{
    if (!m_source || r < 0 || r >= Record::RowCount)
        return {};
    if constexpr (std::is_same_v<Record, LogFontRecord>) {
        if (r == LogFontRecord::FaceName)
            return m_source->faceName();
    }
    return record().row(r);
}

template <typename Record>
void FontRecordTable<Record>::setColumn(int n, FontRecordRef<Record> ref)
{
    if (n < 0 || n >= columnCount())
        return;
    m_columns[n] = std::move(ref);
}

template <typename Record>
QVariant FontRecordTable<Record>::value(int row, int n) const
{
    if (n < 0 || n >= columnCount())
        return {};
    return m_columns.at(n).row(row);
}
