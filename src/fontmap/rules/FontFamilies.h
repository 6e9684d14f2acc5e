#pragma once

#include <QList>
#include <QString>

// How installed faces become the families the program lists: one family per family name, each
// resolved to exactly one face (the one drawn when no style is asked for).

// The file format of a face, as far as the font type digit and the records care.
enum class FontFormat { TrueType, Cff, Type1, OtherOutline, Bitmap };

enum class FaceSlant { Roman, Italic, Oblique };

// One face of one font file.
struct FontFace
{
    QString file;
    int index = 0;            // face index within the file (collections)
    QString styleName;
    int weight = 400;         // OpenType weight class (400 regular, 700 bold)
    FaceSlant slant = FaceSlant::Roman;
    int width = 100;          // percent of the normal width
    FontFormat format = FontFormat::TrueType;

    // Semibold and heavier count as bold, as Windows' weights do; Medium (500) does not.
    bool isBold() const { return weight >= 600; }
    bool isSlanted() const { return slant != FaceSlant::Roman; }
};

// The digit the enumeration reports for a font type: 4 TrueType outlines, 0 other outlines
// (CFF, Type 1), 1 bitmaps.
int fontTypeDigit(FontFormat format);

// A family name of a face, with the language it is given in (may be empty).
struct FaceFamilyName
{
    QString name;
    QString lang;
};

// A face as the font configuration lists it: all its family names, first the preferred one.
struct ListedFace
{
    QList<FaceFamilyName> names;
    FontFace face;
};

// Which of the four classic faces a family has, and which styles its resolved face forces:
// a family that exists only in bold draws bold even when bold is switched off.
struct FamilyStyles
{
    bool regular = false;
    bool bold = false;
    bool italic = false;
    bool boldItalic = false;
    bool forcedBold = false;
    bool forcedItalic = false;
};

struct FontFamily
{
    QString name;
    QList<FontFace> faces;   // never empty
    int resolvedIndex = 0;   // the face drawn with every style off

    const FontFace &resolved() const { return faces.at(resolvedIndex); }
    FamilyStyles styles() const;
};

// Groups the faces into families. A face joins the family of every name it carries in its
// listing language (English when it has English names, else the language of its first name), so
// "DejaVu Sans Condensed" is a family of its own as well as part of "DejaVu Sans". Names that
// differ only in case are one family, spelt as first seen. Names starting with '.' (hidden faces)
// are skipped. Families are sorted case-insensitively; each resolves to its upright face nearest
// to weight 400 and normal width (ties: the file path, then the face index), so a family that
// exists only in bold resolves to its bold face.
QList<FontFamily> groupFamilies(const QList<ListedFace> &faces);
