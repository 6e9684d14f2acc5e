#include "tools/SetFontQuestion.h"

#include "core/GlobalDeclarations.h"
#include "widgets/Message.h"

#include <QStringList>

bool confirmSetFont(const QString &fontName, const FontMapColors &schemeColors)
{
    const GlobalDeclarations &g = globals();
    const QString text = QStringList{QString(),
                                     QString(),
                                     QStringLiteral("Do you want to select the font"),
                                     fontName.toUpper(),
                                     QStringLiteral("as the current font for Quorvil?"),
                                     QString(),
                                     QStringLiteral("\u2022 Press Yes to select the font."),
                                     QStringLiteral("\u2022 Press No to cancel operation.")}
                             .join(QLatin1Char('\r'));
    QrvlMsg(text, QStringLiteral("YN"), QStringLiteral("Set ") + g.gAppName + QStringLiteral(" Font"), false, 1,
            schemeColors);
    return g.gMsgResult;
}
