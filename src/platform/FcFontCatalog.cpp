#include "platform/FcFontCatalog.h"

#include <fontconfig/fontconfig.h>

#include <QtMath>

namespace {

QString stringAt(FcPattern *p, const char *object, int n)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(p, object, n, &value) != FcResultMatch || !value)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(value));
}

// Numbers that fontconfig stores as integers in some caches and as doubles in others.
std::optional<double> numberOf(FcPattern *p, const char *object)
{
    double d = 0;
    if (FcPatternGetDouble(p, object, 0, &d) == FcResultMatch)
        return d;
    int i = 0;
    if (FcPatternGetInteger(p, object, 0, &i) == FcResultMatch)
        return double(i);
    return std::nullopt;
}

bool boolOf(FcPattern *p, const char *object, bool fallback)
{
    FcBool b = fallback ? FcTrue : FcFalse;
    FcPatternGetBool(p, object, 0, &b);
    return b == FcTrue;
}

FontFormat formatOf(FcPattern *p)
{
    if (!boolOf(p, FC_OUTLINE, true))
        return FontFormat::Bitmap;
    const QString format = stringAt(p, FC_FONTFORMAT, 0);
    if (format == u"TrueType")
        return FontFormat::TrueType;
    if (format == u"CFF")
        return FontFormat::Cff;
    if (format == u"Type 1" || format == u"CID Type 1")
        return FontFormat::Type1;
    return FontFormat::OtherOutline;
}

FaceSlant slantOf(FcPattern *p)
{
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(p, FC_SLANT, 0, &slant);
    if (slant >= FC_SLANT_OBLIQUE)
        return FaceSlant::Oblique;
    return slant >= FC_SLANT_ITALIC ? FaceSlant::Italic : FaceSlant::Roman;
}

std::optional<ListedFace> listedFace(FcPattern *p)
{
    // A variable font is listed once as a whole and once per named instance; the instances are
    // the faces a user picks, as Qt lists them.
    if (boolOf(p, FC_VARIABLE, false))
        return std::nullopt;
    ListedFace listed;
    for (int n = 0;; ++n) {
        const QString name = stringAt(p, FC_FAMILY, n);
        if (name.isEmpty())
            break;
        listed.names.append({name, stringAt(p, FC_FAMILYLANG, n)});
    }
    FontFace &face = listed.face;
    face.file = stringAt(p, FC_FILE, 0);
    if (listed.names.isEmpty() || face.file.isEmpty())
        return std::nullopt;
    FcPatternGetInteger(p, FC_INDEX, 0, &face.index);
    face.styleName = stringAt(p, FC_STYLE, 0);
    if (const auto w = numberOf(p, FC_WEIGHT))
        face.weight = qRound(FcWeightToOpenTypeDouble(*w));
    face.slant = slantOf(p);
    if (const auto w = numberOf(p, FC_WIDTH))
        face.width = qRound(*w);
    face.format = formatOf(p);
    return listed;
}

QList<ListedFace> listFaces()
{
    QList<ListedFace> faces;
    FcPattern *all = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_STYLE, FC_WEIGHT, FC_SLANT, FC_WIDTH,
                                            FC_FILE, FC_INDEX, FC_FONTFORMAT, FC_OUTLINE, FC_VARIABLE,
                                            static_cast<char *>(nullptr));
    if (FcFontSet *set = all && objects ? FcFontList(nullptr, all, objects) : nullptr) {
        faces.reserve(set->nfont);
        for (int i = 0; i < set->nfont; ++i) {
            if (auto listed = listedFace(set->fonts[i]))
                faces.append(std::move(*listed));
        }
        FcFontSetDestroy(set);
    }
    if (objects)
        FcObjectSetDestroy(objects);
    if (all)
        FcPatternDestroy(all);
    return faces;
}

} // namespace

FcFontCatalog::FcFontCatalog(int referenceEmPixels)
    : m_referenceEmPixels(referenceEmPixels)
{
}

FcFontCatalog::~FcFontCatalog() = default;

const QList<FcFontCatalog::Entry> &FcFontCatalog::entries() const
{
    if (m_listed)
        return m_entries;
    m_listed = true;
    const QList<FontFamily> families = groupFamilies(listFaces());
    m_entries.reserve(families.size());
    for (const FontFamily &family : families) {
        const FontFace face = family.resolved();
        const int em = m_referenceEmPixels;
        auto reader = [face, em] { return recordsFromFace(FtFace(face.file, face.index).tables(face, em), em); };
        m_byName.insert(family.name.toCaseFolded(), m_entries.size());
        m_entries.append(Entry{family, std::make_shared<const FontRecordSource>(family.name, std::move(reader))});
    }
    return m_entries;
}

const FcFontCatalog::Entry *FcFontCatalog::find(const QString &family) const
{
    const QList<Entry> &all = entries();
    const auto it = m_byName.constFind(family.toCaseFolded());
    return it == m_byName.cend() ? nullptr : &all.at(*it);
}

int FcFontCatalog::enumFontFamilies(const EnumFontFamProc &proc) const
{
    int result = 1;
    for (const Entry &e : entries()) {
        result = proc(EnumLogFont(e.records), NewTextMetric(e.records), fontTypeDigit(e.family.resolved().format));
        if (result == 0)
            break;
    }
    return result;
}

std::optional<FontFace> FcFontCatalog::resolvedFace(const QString &family) const
{
    const Entry *e = find(family);
    return e ? std::optional<FontFace>(e->family.resolved()) : std::nullopt;
}

FamilyStyles FcFontCatalog::styles(const QString &family) const
{
    const Entry *e = find(family);
    return e ? e->family.styles() : FamilyStyles{};
}

bool FcFontCatalog::hasGlyph(const QString &family, QChar ch) const
{
    const Entry *e = find(family);
    if (!e)
        return false;
    const FontFace &face = e->family.resolved();
    return m_faces.face(face.file, face.index).hasGlyph(ch.unicode());
}
