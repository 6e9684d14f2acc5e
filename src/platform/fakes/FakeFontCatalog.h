#pragma once

#include "platform/FontCatalog.h"

#include <QHash>
#include <QList>

// A catalog of families a test declares. Families are listed sorted case-insensitively, like the
// real catalog; their records are computed from what the test declared when first asked for.
class FakeFontCatalog final : public FontCatalog
{
    Q_DISABLE_COPY_MOVE(FakeFontCatalog)

public:
    struct Family
    {
        QString name;
        FontFormat format = FontFormat::TrueType;
        // The family's faces; none declared means one regular face. A face's file may be a real
        // one, so that font() draws it.
        QList<FontFace> faces;
        bool symbol = false;          // the records report CharSet 2
        bool fixedPitch = false;
        QString missingGlyphs;        // characters hasGlyph() denies; every other one is present
    };

    FakeFontCatalog() = default;
    explicit FakeFontCatalog(const QList<Family> &families);

    void addFamily(Family family);

    // How many families' records have been read so far (the real catalog reads a file for each).
    int recordReads() const { return *m_reads; }

    int enumFontFamilies(const EnumFontFamProc &proc) const override;
    std::optional<FontFace> resolvedFace(const QString &family) const override;
    FamilyStyles styles(const QString &family) const override;
    bool hasGlyph(const QString &family, QChar ch) const override;

private:
    struct Entry
    {
        Family declared;
        FontFamily family;
        FontRecordSourcePtr records;
    };

    const Entry *find(const QString &family) const;

    QList<Entry> m_entries; // sorted by name
    std::shared_ptr<int> m_reads = std::make_shared<int>(0);
};
