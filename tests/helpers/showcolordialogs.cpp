// Shows one of the colour dialogs with its first-run custom colours, for screenshots:
//   showcolordialogs palette [0|1|2]   the FontMap colour palette on that tab
//   showcolordialogs picker            the TextBoard colour picker
#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "fontmap/FMColorPalette.h"
#include "platform/PlatformSetup.h"
#include "platform/fakes/FakeCommonDialog.h"
#include "platform/fakes/MemoryRegistry.h"
#include "textboard/TBColorPicker.h"

#include <QApplication>

int main(int argc, char **argv)
{
    preparePlatform();
    QApplication app(argc, argv);
    GlobalDeclarations program;
    const QStringList args = QApplication::arguments();
    GlobalDeclarations &g = globals();
    const FontMapColors designed;
    if (args.value(1) == QLatin1String("picker")) {
        g.gColorIndex = 4;
        g.gColorValue = colorValueText(rgbColor(128, 0, 0));
        TBColorPicker picker(designed);
        picker.exec();
        return 0;
    }

    MemoryRegistry store;
    store.createKey(SettingsLayout::keyPath(QStringLiteral("CustomColors")));
    store.createKey(SettingsLayout::keyPath(QStringLiteral("CustomLabels")));
    SettingsAccess settings(store);
    CustomColors::save(settings, CustomColors::defaults());
    FakeCommonDialog dialog;
    FMColorPalette palette(store, dialog, designed);
    const int tab = args.value(2, QStringLiteral("1")).toInt();
    const int indexes[] = {26, 8, 10};
    g.gPaletteRef = tab;
    g.gColorIndex = indexes[qBound(0, tab, 2)];
    g.gColorValue = colorValueText(kWindowText);
    palette.setWindowTitle(QStringLiteral("Select A Font Color"));
    palette.exec();
    return 0;
}
