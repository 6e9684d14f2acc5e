#include "platform/FontCatalog.h"

QFont FontCatalog::font(const QString &family, qreal pointSize) const
{
    if (const auto face = resolvedFace(family))
        return fontForFace(family, *face, pointSize);
    QFont f;
    f.setFamilies({family});
    f.setPointSizeF(pointSize);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

QFont fontForFace(const QString &family, const FontFace &face, qreal pointSize)
{
    QFont f;
    f.setFamilies({family}); // one name, even if it holds a comma
    f.setPointSizeF(pointSize);
    // Qt picks a face by weight, slant and width; asking for exactly the resolved face's values
    // makes it pick that face even where the family name is only an alias in Qt's database
    // ("DejaVu Sans Light" is DejaVu Sans at weight 200) or the family spans several widths.
    f.setWeight(QFont::Weight(qBound(1, face.weight, 1000)));
    switch (face.slant) {
    case FaceSlant::Roman: f.setStyle(QFont::StyleNormal); break;
    case FaceSlant::Italic: f.setStyle(QFont::StyleItalic); break;
    case FaceSlant::Oblique: f.setStyle(QFont::StyleOblique); break;
    }
    f.setStretch(qBound(1, face.width, 4000));
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}
