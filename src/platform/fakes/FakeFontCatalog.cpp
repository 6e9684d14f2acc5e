#include "platform/fakes/FakeFontCatalog.h"

#include "fontmap/rules/FontRecordsFromFace.h"

#include <algorithm>

namespace {

FaceTables tablesOf(const FakeFontCatalog::Family &declared, const FontFace &face)
{
    FaceTables t;
    t.format = declared.format;
    t.scalable = declared.format != FontFormat::Bitmap;
    t.symbolCharmap = declared.symbol;
    t.unitsPerEm = t.scalable ? 1000 : kReferenceEmPixels;
    t.winAscent = t.scalable ? 800 : 13;
    t.winDescent = t.scalable ? 200 : 3;
    t.hheaAscender = t.winAscent;
    t.hheaDescender = -t.winDescent;
    t.avgCharWidth = t.scalable ? 500 : 8;
    t.advanceWidthMax = t.scalable ? 1000 : 16;
    t.weightClass = face.weight;
    t.italic = face.isSlanted();
    t.fixedPitch = declared.fixedPitch;
    return t;
}

} // namespace

FakeFontCatalog::FakeFontCatalog(const QList<Family> &families)
{
    for (const Family &f : families)
        addFamily(f);
}

void FakeFontCatalog::addFamily(Family family)
{
    if (family.faces.isEmpty())
        family.faces.append(FontFace{});
    for (FontFace &face : family.faces)
        face.format = family.format;

    QList<ListedFace> listed;
    for (const FontFace &face : family.faces)
        listed.append(ListedFace{{{family.name, QString()}}, face});
    const QList<FontFamily> grouped = groupFamilies(listed);
    Q_ASSERT(grouped.size() == 1);

    const FontFace resolved = grouped.first().resolved();
    auto reads = m_reads;
    auto reader = [family, resolved, reads] {
        ++*reads;
        return recordsFromFace(tablesOf(family, resolved));
    };
    Entry entry{family, grouped.first(), std::make_shared<const FontRecordSource>(family.name, std::move(reader))};
    const auto at = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry &e) {
        return e.family.name.compare(family.name, Qt::CaseInsensitive) > 0;
    });
    m_entries.insert(at, std::move(entry));
}

const FakeFontCatalog::Entry *FakeFontCatalog::find(const QString &family) const
{
    for (const Entry &e : m_entries) {
        if (e.family.name.compare(family, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

int FakeFontCatalog::enumFontFamilies(const EnumFontFamProc &proc) const
{
    int result = 1;
    for (const Entry &e : m_entries) {
        result = proc(EnumLogFont(e.records), NewTextMetric(e.records), fontTypeDigit(e.declared.format));
        if (result == 0)
            break;
    }
    return result;
}

std::optional<FontFace> FakeFontCatalog::resolvedFace(const QString &family) const
{
    const Entry *e = find(family);
    return e ? std::optional<FontFace>(e->family.resolved()) : std::nullopt;
}

FamilyStyles FakeFontCatalog::styles(const QString &family) const
{
    const Entry *e = find(family);
    return e ? e->family.styles() : FamilyStyles{};
}

bool FakeFontCatalog::hasGlyph(const QString &family, QChar ch) const
{
    const Entry *e = find(family);
    return e && !e->declared.missingGlyphs.contains(ch);
}
