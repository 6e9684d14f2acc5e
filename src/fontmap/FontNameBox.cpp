#include "fontmap/FontNameBox.h"

#include "widgets/Pictures.h"

#include <QComboBox>

namespace FontNameBox {

bool addEntry(QComboBox *combo, const QString &entry)
{
    const bool trueType = entry.endsWith(QLatin1Char('4'));
    const QString image = trueType ? QStringLiteral("TT") : QStringLiteral("SF");
    combo->addItem(Pictures::icon(QStringLiteral("imlMainTBIcons"), image), entry.chopped(1));
    combo->setItemData(combo->count() - 1, image, kImageKeyRole);
    return trueType;
}

} // namespace FontNameBox
