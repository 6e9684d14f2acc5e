// Opens the custom map editor on a new map, builds part of it with the editor's own buttons and
// stays open, for screenshots:  showcustommap [font family] [moves] [horizontal|vertical] [list columns] [list size]
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/CustomMap.h"
#include "fontmap/FontEnumeration.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/FontCatalog.h"
#include "platform/ProductionServices.h"
#include "platform/QcmFile.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

int main(int argc, char **argv)
{
    TestEnvironment::setUp(TestScreen{});
    addPrivateFontFile(QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"));
    QApplication app(argc, argv);
    GlobalDeclarations program;
    const QString family = app.arguments().value(1, QStringLiteral("DejaVu Sans"));
    const int moves = app.arguments().value(2, QStringLiteral("100")).toInt();
    const bool vertical = app.arguments().value(3) == QLatin1String("vertical");
    // The private store is empty: the list starts with the first-run column count.
    const int columns = app.arguments().value(4, QStringLiteral("10")).toInt();
    const int listSize = app.arguments().value(5, QStringLiteral("0")).toInt();

    ProductionServices production;
    const Services &services = production.services();
    const FontListEntries entries = enumerateFonts(*services.fonts);
    int index = 1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).faceName() == family)
            index = i + 1;
    }

    CustomMapFileSlot slot;
    const FontMapColors designed;
    CustomMap editor(services, slot, entries, TestEnvironment::documentsDir(), designed);
    editor.SetupNewCFMap(index, family, 14);
    editor.show();
    QTimer::singleShot(200, [&] {
        if (vertical)
            editor.findChild<QRadioButton *>(QStringLiteral("optShiftDir(1)"))->click();
        auto *listToMap = editor.findChild<QPushButton *>(QStringLiteral("cmdListToMap"));
        for (int i = 0; i < moves; ++i)
            listToMap->click();
        if (columns > 0)
            editor.findChild<QSpinBox *>(QStringLiteral("updListColumns"))->setValue(columns);
        if (listSize > 0) {
            editor.findChild<QRadioButton *>(QStringLiteral("optFontSize(0)"))->click();
            editor.findChild<QSlider *>(QStringLiteral("sldFontSize"))->setValue(listSize);
        }
        auto *grid = editor.findChild<FontMapGrid *>(QStringLiteral("imgCMMFMapHolder"));
        grid->setFocus();
    });
    return app.exec();
}
