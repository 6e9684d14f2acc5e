#pragma once

#include "fontmap/rules/FontRecordsFromFace.h"
#include "platform/FontCatalog.h"
#include "platform/FtFaceCache.h"

#include <QHash>
#include <QList>

// The families of the current fontconfig configuration (system fonts plus any added for this
// process), listed from fontconfig's cache on first use. Records and glyphs come from the
// resolved face's file through FreeType, each file read when first asked about.
class FcFontCatalog final : public FontCatalog
{
    Q_DISABLE_COPY_MOVE(FcFontCatalog)

public:
    // The records report a scalable font's metrics at an em of referenceEmPixels.
    explicit FcFontCatalog(int referenceEmPixels = kReferenceEmPixels);
    ~FcFontCatalog() override;

    int enumFontFamilies(const EnumFontFamProc &proc) const override;
    std::optional<FontFace> resolvedFace(const QString &family) const override;
    FamilyStyles styles(const QString &family) const override;
    bool hasGlyph(const QString &family, QChar ch) const override;

private:
    struct Entry
    {
        FontFamily family;
        FontRecordSourcePtr records;
    };

    const QList<Entry> &entries() const;
    const Entry *find(const QString &family) const;

    int m_referenceEmPixels = kReferenceEmPixels;
    mutable bool m_listed = false;
    mutable QList<Entry> m_entries;
    mutable QHash<QString, qsizetype> m_byName; // case-folded family name -> entry
    mutable FtFaceCache m_faces;
};
