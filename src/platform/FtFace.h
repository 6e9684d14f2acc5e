#pragma once

#include "fontmap/rules/FontFamilies.h"
#include "fontmap/rules/FontRecordsFromFace.h"

#include <QString>

#include <memory>

struct FT_FaceRec_;
class FtLibrary;

// One face of a font file, opened with FreeType for as long as the object lives. A file that
// cannot be opened gives an invalid face whose questions all answer "no" and whose tables are
// what the listing knew.
class FtFace final
{
    Q_DISABLE_COPY_MOVE(FtFace)

public:
    FtFace(const QString &file, int index);
    ~FtFace();

    bool isValid() const { return m_face != nullptr; }
    // The face has a Microsoft Symbol (platform 3, encoding 0) charmap.
    bool hasSymbolCharmap() const;
    // The face's own charmaps map the character to a glyph (see FontCatalog::hasGlyph).
    bool hasGlyph(char32_t ch) const;
    // The table values the records are computed from. listed supplies the format and what a file
    // without an OS/2 table cannot tell; a bitmap face uses its strike nearest to emPixels.
    FaceTables tables(const FontFace &listed, int emPixels) const;

private:
    void scalableTables(FaceTables &t, const FontFace &listed) const;
    void bitmapTables(FaceTables &t, const FontFace &listed, int emPixels) const;

    std::shared_ptr<FtLibrary> m_library;
    FT_FaceRec_ *m_face = nullptr;
};
