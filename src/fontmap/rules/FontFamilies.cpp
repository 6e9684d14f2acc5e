#include "fontmap/rules/FontFamilies.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace {

QString listingLanguage(const QList<FaceFamilyName> &names)
{
    for (const FaceFamilyName &n : names) {
        if (n.lang == u"en" || n.lang.startsWith(u"en-"))
            return n.lang;
    }
    return names.isEmpty() ? QString() : names.first().lang;
}

// Smaller is nearer to the face drawn with no style asked for. The slant outweighs the weight, as
// in Qt's own matching, so a family of Bold and Italic resolves to Bold.
auto plainDistance(const FontFace &f)
{
    return std::make_tuple(f.isSlanted() ? 1 : 0, std::abs(f.weight - 400), std::abs(f.width - 100),
                           f.file, f.index);
}

int resolveIndex(const QList<FontFace> &faces)
{
    const auto nearest = std::min_element(faces.begin(), faces.end(), [](const FontFace &a, const FontFace &b) {
        return plainDistance(a) < plainDistance(b);
    });
    return int(nearest - faces.begin());
}

} // namespace

int fontTypeDigit(FontFormat format)
{
    switch (format) {
    case FontFormat::TrueType: return 4;
    case FontFormat::Bitmap: return 1;
    case FontFormat::Cff:
    case FontFormat::Type1:
    case FontFormat::OtherOutline: return 0;
    }
    return 0;
}

FamilyStyles FontFamily::styles() const
{
    FamilyStyles s;
    for (const FontFace &f : faces) {
        const bool bold = f.isBold();
        const bool slanted = f.isSlanted();
        s.regular |= !bold && !slanted;
        s.bold |= bold && !slanted;
        s.italic |= !bold && slanted;
        s.boldItalic |= bold && slanted;
    }
    s.forcedBold = resolved().isBold();
    s.forcedItalic = resolved().isSlanted();
    return s;
}

QList<FontFamily> groupFamilies(const QList<ListedFace> &faces)
{
    QList<FontFamily> families;
    QHash<QString, qsizetype> byName; // case-folded name -> position in families
    for (const ListedFace &listed : faces) {
        const QString lang = listingLanguage(listed.names);
        for (const FaceFamilyName &n : listed.names) {
            if (n.lang != lang || n.name.isEmpty() || n.name.startsWith(u'.'))
                continue;
            const QString key = n.name.toCaseFolded();
            auto it = byName.find(key);
            if (it == byName.end()) {
                it = byName.insert(key, families.size());
                families.append(FontFamily{n.name, {}, 0});
            }
            QList<FontFace> &members = families[*it].faces;
            const bool already = std::any_of(members.begin(), members.end(), [&](const FontFace &f) {
                return f.file == listed.face.file && f.index == listed.face.index;
            });
            if (!already)
                members.append(listed.face);
        }
    }
    for (FontFamily &family : families)
        family.resolvedIndex = resolveIndex(family.faces);
    std::sort(families.begin(), families.end(), [](const FontFamily &a, const FontFamily &b) {
        const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
    return families;
}
