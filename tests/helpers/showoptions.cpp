// Shows the Options dialog over a store holding the first-run defaults, for screenshots:
//   showoptions [tab] [font size]   the tab to show, 0 to 5 (default 0), and the stored TextBoard
//                                   font size (default 12; a first run on a 1920-pixel screen stores 34)
#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "fontmap/FMColorPalette.h"
#include "fontmap/rules/CustomColors.h"
#include "platform/FcFontCatalog.h"
#include "platform/FontSubstitute.h"
#include "platform/FtCodePage.h"
#include "platform/PlatformSetup.h"
#include "platform/Services.h"
#include "platform/fakes/FakeCommonDialog.h"
#include "platform/fakes/MemoryRegistry.h"
#include "tools/OptionsDialog.h"
#include "tools/rules/OptionDefaults.h"

#include <QApplication>
#include <QTabWidget>

int main(int argc, char **argv)
{
    preparePlatform();
    QApplication app(argc, argv);
    GlobalDeclarations program;
    globals().gAppName = QStringLiteral("Quorvil");

    MemoryRegistry store;
    for (const QString &key : SettingsLayout::keys())
        store.createKey(SettingsLayout::keyPath(key));
    SettingsAccess settings(store);
    CustomColors::save(settings, CustomColors::defaults());
    Settings defaults = SettingsLayout::literalDefaults();
    defaults.TBFontName = substituteFamily(QStringLiteral("Arial"));
    defaults.TBFontSize = app.arguments().value(2, QStringLiteral("12")).toInt();
    defaults.InitMap = true;
    defaults.InitMapPath = QStringLiteral("/home/ann/Maps/Accents.QCM");
    settings.writeMany(OptionDefaults::writes(defaults));

    FcFontCatalog fonts;
    FtCodePage codePage(fonts);
    FakeCommonDialog dialog;
    Services services;
    services.registry = &store;
    services.fonts = &fonts;
    services.codePage = &codePage;
    services.dialog = &dialog;
    const FontMapColors designed;
    FMColorPalette palette(store, dialog, designed);
    OptionsDialog options(services, palette, designed);
    options.findChild<QTabWidget *>(QStringLiteral("SSTabOption"))
        ->setCurrentIndex(app.arguments().value(1, QStringLiteral("0")).toInt());
    options.exec();
    return 0;
}
