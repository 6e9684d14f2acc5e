#include "platform/FtFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_IDS_H

#include <QFile>

#include <cstdlib>

// One FreeType library for the process, made on first use and released when the last face and
// the process's own reference are gone (a face cached in a static object may be closed after the static library reference is gone).
class FtLibrary final
{
    Q_DISABLE_COPY_MOVE(FtLibrary)

public:
    FtLibrary()
    {
        if (FT_Init_FreeType(&m_library) != 0)
            m_library = nullptr;
    }
    ~FtLibrary()
    {
        if (m_library)
            FT_Done_FreeType(m_library);
    }
    FT_Library get() const { return m_library; }

private:
    FT_Library m_library = nullptr;
};

namespace {

std::shared_ptr<FtLibrary> library()
{
    static const auto instance = std::make_shared<FtLibrary>();
    return instance;
}

bool isSymbolCharmap(const FT_CharMap cm)
{
    return cm->platform_id == TT_PLATFORM_MICROSOFT && cm->encoding_id == TT_MS_ID_SYMBOL_CS;
}

int averageAdvanceWithoutOs2(FT_Face face)
{
    // Without an OS/2 average, the advance of 'x' stands for a typical lower-case width.
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) {
        const FT_UInt x = FT_Get_Char_Index(face, 'x');
        if (x != 0 && FT_Load_Glyph(face, x, FT_LOAD_NO_SCALE) == 0)
            return int(face->glyph->advance.x);
    }
    return int(face->max_advance_width) / 2;
}

} // namespace

FtFace::FtFace(const QString &file, int index)
    : m_library(library())
{
    if (!m_library->get() || file.isEmpty())
        return;
    FT_Face face = nullptr;
    if (FT_New_Face(m_library->get(), QFile::encodeName(file).constData(), index, &face) == 0)
        m_face = face;
}

FtFace::~FtFace()
{
    if (m_face)
        FT_Done_Face(m_face);
}

bool FtFace::hasSymbolCharmap() const
{
    if (!m_face)
        return false;
    for (int i = 0; i < m_face->num_charmaps; ++i) {
        if (isSymbolCharmap(m_face->charmaps[i]))
            return true;
    }
    return false;
}

bool FtFace::hasGlyph(char32_t ch) const
{
    if (!m_face)
        return false;
    for (int i = 0; i < m_face->num_charmaps; ++i) {
        FT_CharMap cm = m_face->charmaps[i];
        const bool symbol = isSymbolCharmap(cm);
        if (cm->encoding != FT_ENCODING_UNICODE && !symbol)
            continue;
        if (FT_Set_Charmap(m_face, cm) != 0)
            continue;
        if (FT_Get_Char_Index(m_face, ch) != 0)
            return true;
        // Qt reaches a symbol face's U+F000 + c for a character c below U+0100.
        if (symbol && ch < 0x100 && FT_Get_Char_Index(m_face, 0xF000 + ch) != 0)
            return true;
    }
    return false;
}

FaceTables FtFace::tables(const FontFace &listed, int emPixels) const
{
    FaceTables t;
    t.format = listed.format;
    t.weightClass = listed.weight;
    t.italic = listed.isSlanted();
    if (!m_face)
        return t;
    t.symbolCharmap = hasSymbolCharmap();
    if (FT_IS_SCALABLE(m_face))
        scalableTables(t, listed);
    else
        bitmapTables(t, listed, emPixels);
    return t;
}

void FtFace::scalableTables(FaceTables &t, const FontFace &listed) const
{
    t.scalable = true;
    t.unitsPerEm = m_face->units_per_EM;

    const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF) {
        t.winAscent = os2->usWinAscent;
        t.winDescent = os2->usWinDescent;
        t.avgCharWidth = os2->xAvgCharWidth;
        if (os2->usWeightClass != 0)
            t.weightClass = os2->usWeightClass;
        t.italic = (os2->fsSelection & 0x0001) != 0 || (os2->fsSelection & 0x0200) != 0; // italic, oblique
        t.firstChar = os2->usFirstCharIndex;
        t.lastChar = os2->usLastCharIndex;
        if (os2->version >= 2) {
            t.defaultChar = os2->usDefaultChar;
            t.breakChar = os2->usBreakChar;
        }
        t.panoseFamily = os2->panose[0];
        t.panoseSerifStyle = os2->panose[1];
        t.panoseProportion = os2->panose[3];
    } else {
        // Type 1 and old TrueType files: the face's own ascender and descender stand in.
        t.winAscent = m_face->ascender;
        t.winDescent = -m_face->descender;
        t.avgCharWidth = averageAdvanceWithoutOs2(m_face);
        t.italic = (m_face->style_flags & FT_STYLE_FLAG_ITALIC) != 0 || listed.isSlanted();
    }

    if (const auto *hhea = static_cast<const TT_HoriHeader *>(FT_Get_Sfnt_Table(m_face, FT_SFNT_HHEA))) {
        t.hheaAscender = hhea->Ascender;
        t.hheaDescender = hhea->Descender;
        t.hheaLineGap = hhea->Line_Gap;
        t.advanceWidthMax = hhea->advance_Width_Max;
    } else {
        t.hheaAscender = m_face->ascender;
        t.hheaDescender = m_face->descender;
        t.hheaLineGap = qMax(0, int(m_face->height) - (m_face->ascender - m_face->descender));
        t.advanceWidthMax = m_face->max_advance_width;
    }

    const auto *post = static_cast<const TT_Postscript *>(FT_Get_Sfnt_Table(m_face, FT_SFNT_POST));
    t.fixedPitch = post ? post->isFixedPitch != 0 : FT_IS_FIXED_WIDTH(m_face);
}

void FtFace::bitmapTables(FaceTables &t, const FontFace &listed, int emPixels) const
{
    t.scalable = false;
    if (m_face->num_fixed_sizes <= 0)
        return;
    int best = 0;
    for (int i = 1; i < m_face->num_fixed_sizes; ++i) {
        const int ppem = int(m_face->available_sizes[i].y_ppem >> 6);
        const int bestPpem = int(m_face->available_sizes[best].y_ppem >> 6);
        if (std::abs(ppem - emPixels) < std::abs(bestPpem - emPixels))
            best = i;
    }
    const FT_Bitmap_Size &strike = m_face->available_sizes[best];
    t.unitsPerEm = int(strike.y_ppem >> 6);
    t.avgCharWidth = strike.width;
    if (FT_Select_Size(m_face, best) == 0) {
        const FT_Size_Metrics &m = m_face->size->metrics;
        t.winAscent = int((m.ascender + 63) >> 6);
        t.winDescent = int((-m.descender + 63) >> 6);
        t.advanceWidthMax = int((m.max_advance + 63) >> 6);
    } else {
        t.winAscent = strike.height;
    }
    t.hheaAscender = t.winAscent;
    t.hheaDescender = -t.winDescent;
    t.hheaLineGap = qMax(0, int(strike.height) - (t.winAscent + t.winDescent));
    t.fixedPitch = FT_IS_FIXED_WIDTH(m_face);
    t.italic = (m_face->style_flags & FT_STYLE_FLAG_ITALIC) != 0 || listed.isSlanted();
}
