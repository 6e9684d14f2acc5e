// Closing the FontMap colour palette with its close box: the 40 custom colours and their labels
// saved to the settings store on disk.
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "fontmap/FMColorPalette.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/FileRegistry.h"
#include "platform/fakes/FakeCommonDialog.h"
#include "widgets/ColorGrid.h"

#include <QTemporaryDir>

class BenchCustomColors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closeBoxSave();
};

void BenchCustomColors::closeBoxSave()
{
    QTemporaryDir dir;
    FileRegistry store(dir.path());
    // A store as a first run leaves it, so the file has its usual size.
    for (const QString &key : SettingsLayout::keys())
        store.createKey(SettingsLayout::keyPath(key));
    SettingsAccess settings(store);
    for (const SettingsLayout::Value &v : SettingsLayout::values())
        settings.write(v.key, v.name, v.value.isValid() ? v.value : QVariant(0));

    FakeCommonDialog dialog;
    const FontMapColors designed;
    FMColorPalette palette(store, dialog, designed);
    globals().gPaletteRef = 2;
    globals().gColorIndex = 0;
    // Each round changes one colour, so that every save really has something new to write.
    auto *custom = palette.findChild<ColorGrid *>(QStringLiteral("CColorContainer"));
    ColorValue color = 0;
    QBENCHMARK {
        palette.show();
        custom->setColor(1, ++color);
        palette.close();
    }
    QVERIFY(!palette.isVisible());
    QCOMPARE(CustomColors::read(settings), palette.customColors());
}

QUORVIL_TEST_MAIN(BenchCustomColors)
#include "bench_customcolors.moc"
