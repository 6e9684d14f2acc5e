#pragma once

#include "core/FontRecordsTable.h"
#include "fontmap/rules/FontFamilies.h"

#include <QChar>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

// The installed font families: their enumeration in the shape of Windows' EnumFontFamiliesA, the
// one face each family is drawn with, the styles it can offer, and its glyphs. The list is taken
// once, when first asked for, and kept: fonts installed while the program runs are not seen.
class FontCatalog
{
public:
    virtual ~FontCatalog() = default;

    // Called once per family with its LOGFONT and NEWTEXTMETRIC records and its font type digit
    // (4 TrueType, 0 other outlines, 1 bitmaps); returns 1 to go on, 0 to stop.
    using EnumFontFamProc =
        std::function<int(const EnumLogFont &logFont, const NewTextMetric &textMetric, int fontType)>;

    // Calls proc for every family in the catalog's order (names sorted case-insensitively) until
    // it returns 0, and returns what proc returned last (1 when there is no family). The records'
    // numeric fields are read from the font file when first asked for; every enumeration hands
    // over the same records, so a file is read at most once.
    virtual int enumFontFamilies(const EnumFontFamProc &proc) const = 0;

    // The face a family is drawn with when no style is asked for (its regular face, else the
    // nearest one); nothing for a family that is not installed. Names match case-insensitively.
    virtual std::optional<FontFace> resolvedFace(const QString &family) const = 0;

    // The faces the family has and the styles its resolved face forces; all false when unknown.
    virtual FamilyStyles styles(const QString &family) const = 0;

    // Whether the family's own file has a glyph for the character. For a face with an MS Symbol
    // charmap a character below U+0100 also counts at U+F000 + c, as Qt draws it.
    virtual bool hasGlyph(const QString &family, QChar ch) const = 0;

    // The font to draw the family with at a size in points, every style off: it asks for the
    // resolved face's weight, slant and width, so Qt picks that face's file, and never merges in
    // another font's glyphs (a missing glyph shows the face's own .notdef). Styles set on it
    // later are synthesised by Qt where the family has no such face. For a family that is not
    // installed Qt substitutes as it does for any unknown name, still without merging.
    QFont font(const QString &family, qreal pointSize) const;
};

// The QFont for one face of a family, as FontCatalog::font builds it.
QFont fontForFace(const QString &family, const FontFace &face, qreal pointSize);
