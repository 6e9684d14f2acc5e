// Shows one of the program's message boxes, for screenshots:
//   showmessage [OK|YN] [box]
#include "core/GlobalDeclarations.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/PlatformSetup.h"
#include "widgets/Message.h"

#include <QApplication>

int main(int argc, char **argv)
{
    preparePlatform();
    QApplication app(argc, argv);
    GlobalDeclarations program;
    const QStringList args = QApplication::arguments();
    const QString buttons = args.value(1, QStringLiteral("YN"));
    const bool box = args.value(2) == QLatin1String("box");
    globals().gColorScheme = false;
    QrvlMsg(QStringLiteral("\r\rText on the TextBoard has been changed.\rYou will lose these changes by loading another file now.\r\rContinue Loading?\r• Press Yes to continue loading text.\r• Press No to cancel operation."),
            buttons, QStringLiteral("Quorvil TextBoard Save Warning"), box, 1, FontMapColors());
    return 0;
}
