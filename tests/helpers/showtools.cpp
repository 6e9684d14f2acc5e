// Shows the keyboard viewer or the font browser over the installed fonts (and the tests' own
// symbol font), for screenshots:
//   showtools keyboard FONT [shifted|extended] [size]
//   showtools fontbrowser FONT
#include "app/rules/ProductInfo.h"
#include "core/GlobalDeclarations.h"
#include "fontmap/FontEnumeration.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/PlatformSetup.h"
#include "platform/ProductionServices.h"
#include "tools/FontBrowser.h"
#include "tools/Keyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QStyleFactory>
#include <QTimer>

int main(int argc, char **argv)
{
    preparePlatform();
    addPrivateFontFile(QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"));
    QApplication app(argc, argv);
    GlobalDeclarations program;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    globals().gAppName = ProductInfo::appName();
    ProductionServices production;
    const Services &services = production.services();
    const FontListEntries entries = enumerateFonts(*services.fonts);
    const FontMapColors designed;
    const QStringList args = app.arguments();
    const QString font = args.value(2, QStringLiteral("DejaVu Sans"));
    int index = 1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).faceName() == font)
            index = i + 1;
    }

    if (args.value(1) == QLatin1String("fontbrowser")) {
        FontBrowser browser(services, entries, designed);
        browser.FontNameXchg(index, font);
        browser.move(20, 20);
        return browser.exec();
    }
    Keyboard keyboard(services, entries, designed);
    keyboard.SetupKeyboard(index, font, args.value(4, QStringLiteral("20")).toInt());
    keyboard.move(20, 20);
    const QString mode = args.value(3);
    QTimer::singleShot(100, &keyboard, [&] {
        if (mode == QLatin1String("shifted"))
            keyboard.ShowShiftedKeys();
        else if (mode == QLatin1String("extended"))
            keyboard.findChild<QCheckBox *>(QStringLiteral("chkSplChar"))->click();
    });
    return keyboard.exec();
}
