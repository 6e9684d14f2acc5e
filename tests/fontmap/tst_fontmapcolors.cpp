#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"
#include "support/WhenModal.h"

#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "core/SettingsAccess.h"
#include "fontmap/FMColorPalette.h"
#include "fontmap/FontMapColorCommands.h"
#include "fontmap/FontMapControls.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontMapColors.h"
#include "fontmap/rules/FontMapState.h"
#include "fontmap/rules/PaletteCells.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorResolve.h"
#include "widgets/ToolBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace {

using Choice = FontMapColors::Choice;

ColorGrid *paletteGrid(FMColorPalette *p, int ref)
{
    static const char *const names[] = {"PColorContainer", "SColorContainer", "CColorContainer"};
    return p->findChild<ColorGrid *>(QString::fromLatin1(names[ref]));
}

QPushButton *paletteButton(FMColorPalette *p, const char *name)
{
    return p->findChild<QPushButton *>(QString::fromLatin1(name));
}

// What the user does in the palette once it is up.
using PaletteAction = std::function<void(FMColorPalette *)>;

// Picks a cell on a tab and confirms.
PaletteAction pick(int ref, int cell)
{
    return [ref, cell](FMColorPalette *p) {
        p->findChild<QTabBar *>(QStringLiteral("SSTabColor"))->setCurrentIndex(ref);
        paletteGrid(p, ref)->setCurrent(cell);
        paletteButton(p, "Button1")->click();
    };
}

} // namespace

class TestFontMapColors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fontColourThroughThePalette();
    void waysOutChangeNothing_data();
    void waysOutChangeNothing();
    void whatCountsAsAChoice_data();
    void whatCountsAsAChoice();
    void backgroundReachesEveryCell();
    void oneColourLeavesNoHalfSwappedCell_data();
    void oneColourLeavesNoHalfSwappedCell();
    void highlightOffRestoresLastCell();
    void gridSwitch_data();
    void gridSwitch();
    void formatToolbarButtons_data();
    void formatToolbarButtons();
    void customColoursSavedAtShutdownOnly();
    void outOfRangeStoredChoice();
    void desktopPaletteChange();
    void messagesTakeTheColours_data();
    void messagesTakeTheColours();

private:
    // Runs the colour command with the palette answered by `act`; returns the caption shown.
    QString runColorCommand(const char *command, const PaletteAction &act);
    FontMapGrid *grid() { return m_f->controls().FMapContainer; }
    FontMapColors &colors() { return m_f->window().fontMapColors(); }
    FMColorPalette *palette() { return m_f->window().findChild<FMColorPalette *>(); }
    void hover(int index) { QTest::mouseMove(grid(), grid()->cellRect(index).center()); }
    // Every cell but `except` shows these colours.
    void verifyCells(ColorValue fore, ColorValue back, int except = -1);

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestFontMapColors::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
}

void TestFontMapColors::cleanup()
{
    m_f.reset();
}

QString TestFontMapColors::runColorCommand(const char *command, const PaletteAction &act)
{
    QString caption;
    auto guard = WhenModal::run<FMColorPalette>([&](FMColorPalette *p) {
        caption = p->windowTitle();
        act(p);
        return true;
    });
    m_f->window().commands().trigger(QString::fromLatin1(command));
    return caption;
}

void TestFontMapColors::verifyCells(ColorValue fore, ColorValue back, int except)
{
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        if (i == except)
            continue;
        QCOMPARE(grid()->cell(i).foreColor, fore);
        QCOMPARE(grid()->cell(i).backColor, back);
    }
}

void TestFontMapColors::fontColourThroughThePalette()
{
    const Choice back = colors().back();
    const QString caption = runColorCommand("FMFColor", [](FMColorPalette *p) {
        // Handed in: the stored font colour, System cell 9.
        QCOMPARE(p->findChild<QTabBar *>(QStringLiteral("SSTabColor"))->currentIndex(), 1);
        QCOMPARE(paletteGrid(p, 1)->current(), 9);
        pick(0, 27)(p);
    });
    QCOMPARE(caption, QStringLiteral("Select A Font Color"));
    QCOMPARE(colors().fore(), (Choice{rgbColor(192, 64, 0), 0, 26, QStringLiteral("#27")}));
    QCOMPARE(colors().back(), back);
    verifyCells(rgbColor(192, 64, 0), back.color);
    QCOMPARE(foreColor(m_f->controls().TextZoom), rgbColor(192, 64, 0));
    QCOMPARE(foreColor(m_f->controls().SampleText[1]), rgbColor(192, 64, 0));
    QCOMPARE(m_f->window().focusWidget(), m_f->controls().TextBoard);
}

void TestFontMapColors::waysOutChangeNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("way");
    for (const char *command : {"FMFColor", "FMBColor"}) {
        for (const char *way : {"Cancel", "close box", "Esc"})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(command), QLatin1String(way))))
                << command << way;
    }
}

void TestFontMapColors::waysOutChangeNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, way);
    const Choice fore = colors().fore();
    const Choice back = colors().back();
    m_f->controls().FindString->setFocus();
    runColorCommand(qPrintable(command), [way](FMColorPalette *p) {
        paletteGrid(p, 0)->setCurrent(30);
        p->findChild<QTabBar *>(QStringLiteral("SSTabColor"))->setCurrentIndex(0);
        if (way == QLatin1String("Cancel"))
            paletteButton(p, "Button2")->click();
        else if (way == QLatin1String("close box"))
            p->close();
        else
            QTest::keyClick(paletteGrid(p, 0), Qt::Key_Escape);
    });
    QVERIFY(!palette()->isVisible());
    QCOMPARE(colors().fore(), fore);
    QCOMPARE(colors().back(), back);
    verifyCells(fore.color, back.color);
    QCOMPARE(m_f->window().focusWidget(), m_f->controls().TextBoard);
}

void TestFontMapColors::whatCountsAsAChoice_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("ref");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("recolourCell"); // "Color..." on the cell before OK
    QTest::addColumn<bool>("applied");

    // The stored choice is preset cell 6 for both colours (below).
    QTest::newRow("font: the same preset cell") << "FMFColor" << 0 << 6 << false << false;
    QTest::newRow("font: the same number on System") << "FMFColor" << 1 << 6 << false << true;
    QTest::newRow("background: the same number on Custom") << "FMBColor" << 2 << 6 << false << true;
    QTest::newRow("font: the same custom cell, recoloured") << "FMFColor" << 2 << 7 << true << false;
    QTest::newRow("background: the same custom cell, recoloured") << "FMBColor" << 2 << 7 << true << true;
    QTest::newRow("background: the same custom cell") << "FMBColor" << 2 << 7 << false << false;
}

void TestFontMapColors::whatCountsAsAChoice()
{
    QFETCH(QString, command);
    QFETCH(int, ref);
    QFETCH(int, cell);
    QFETCH(bool, recolourCell);
    QFETCH(bool, applied);

    const bool font = command == QLatin1String("FMFColor");
    const Choice stored = ref == 2 && cell == 7
                              ? Choice{CustomColorDefaults::color(7), 2, 6, CustomColorDefaults::label(7)}
                              : Choice{PaletteCells::presetColor(6), 0, 5, QStringLiteral("#6")};
    colors().setColors(stored, stored);
    if (recolourCell)
        m_f->dialog.confirm([](CommonDialogProperties &d) { d.Color = rgbColor(1, 2, 3); });
    runColorCommand(qPrintable(command), [&](FMColorPalette *p) {
        if (recolourCell) {
            paletteGrid(p, 2)->setCurrent(cell);
            paletteButton(p, "ColorButton")->click();
        }
        pick(ref, cell)(p);
    });
    const Choice now = font ? colors().fore() : colors().back();
    QCOMPARE(now != stored, applied);
    if (applied) {
        QCOMPARE(now.paletteRef, ref);
        QCOMPARE(now.index, cell - 1);
        QCOMPARE(now.color, paletteGrid(palette(), ref)->color(cell));
        QCOMPARE(font ? grid()->cell(100).foreColor : grid()->cell(100).backColor, now.color);
    }
}

void TestFontMapColors::backgroundReachesEveryCell()
{
    colors().setHilite(true);
    hover(40);
    const Choice fore = colors().fore();
    runColorCommand("FMBColor", pick(2, 3));
    const ColorValue back = CustomColorDefaults::color(3);
    QCOMPARE(colors().back().color, back);
    QCOMPARE(colors().back().name, CustomColorDefaults::label(3));
    QCOMPARE(backColor(m_f->controls().TextZoom), back);
    QCOMPARE(foreColor(m_f->controls().SampleText[0]), back);
    // Every cell, the one highlighted before included, until the next hover.
    verifyCells(fore.color, back);
    hover(41);
    QCOMPARE(grid()->cell(41).foreColor, back);
    QCOMPARE(grid()->cell(41).backColor, fore.color);
}

void TestFontMapColors::oneColourLeavesNoHalfSwappedCell_data()
{
    QTest::addColumn<bool>("setFore");
    QTest::addColumn<bool>("setBack");
    QTest::newRow("font colour") << true << false;
    QTest::newRow("background colour") << false << true;
    QTest::newRow("neither") << false << false;
}

void TestFontMapColors::oneColourLeavesNoHalfSwappedCell()
{
    QFETCH(bool, setFore);
    QFETCH(bool, setBack);
    // The colour routine on its own, over a grid whose cell 7 is highlighted.
    FontMapControls c;
    FontMapGrid cells;
    QLabel zoom;
    QLabel sample0;
    QLabel sample1;
    c.FMapContainer = &cells;
    c.TextZoom = &zoom;
    FontMapState state;
    FontMapColors mapColors;
    ActionCollection commands;
    commands.add(QStringLiteral("FMFColor"));
    commands.add(QStringLiteral("FMBColor"));
    FontMapColorCommands routine(c, {&sample0, &sample1}, state, mapColors, commands);
    mapColors.setColors({QBColor(15), 0, 47, QStringLiteral("#48")}, {QBColor(1), 0, 38, QStringLiteral("#39")});
    state.setLastHoverIndex(7);
    cells.setForeColor(7, QBColor(1));
    cells.setBackColor(7, QBColor(15));

    // As a caller does: the new colour stored first, then the routine with that one colour.
    const ColorValue red = QBColor(12);
    {
        const QSignalBlocker quiet(mapColors);
        if (setFore)
            mapColors.setFore({red, 0, 17, QStringLiteral("#18")});
        if (setBack)
            mapColors.setBack({red, 0, 17, QStringLiteral("#18")});
    }
    routine.SetFMapColors(setFore, red, setBack, red);
    if (!setFore && !setBack) {
        QCOMPARE(cells.cell(7).foreColor, QBColor(1));
        QCOMPARE(foreColor(&zoom), QBColor(15));
        return;
    }
    const ColorValue fore = setFore ? red : QBColor(15);
    const ColorValue back = setBack ? red : QBColor(1);
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        QCOMPARE(cells.cell(i).foreColor, fore);
        QCOMPARE(cells.cell(i).backColor, back);
    }
    QCOMPARE(foreColor(&zoom), fore);
    QCOMPARE(backColor(&zoom), back);
    QCOMPARE(foreColor(&sample0), back);
    QCOMPARE(foreColor(&sample1), fore);
}

void TestFontMapColors::highlightOffRestoresLastCell()
{
    colors().setColors({QBColor(15), 0, 47, QStringLiteral("#48")}, {QBColor(1), 0, 38, QStringLiteral("#39")});
    m_f->window().commands().trigger(QStringLiteral("FMHiLite"));
    QVERIFY(colors().hilite());
    QCOMPARE(m_f->controls().tlbCFMapFmt->value(QStringLiteral("FMapH")), 1);
    hover(90);
    QCOMPARE(grid()->cell(90).foreColor, QBColor(1));
    // The pointer leaves the grid: no cell event; switching off restores the cell at once.
    QTest::mouseMove(m_f->controls().TextBoard);
    m_f->window().commands().trigger(QStringLiteral("FMHiLite"));
    QVERIFY(!colors().hilite());
    QCOMPARE(m_f->controls().tlbCFMapFmt->value(QStringLiteral("FMapH")), 0);
    verifyCells(QBColor(15), QBColor(1));
    hover(91);
    verifyCells(QBColor(15), QBColor(1));
}

void TestFontMapColors::gridSwitch_data()
{
    QTest::addColumn<int>("stored");
    QTest::newRow("grid stored shown: the designed borders stay") << 1;
    QTest::newRow("grid stored hidden") << 0;
}

void TestFontMapColors::gridSwitch()
{
    QFETCH(int, stored);
    if (stored == 0) {
        m_f.reset();
        {
            MainWindowFixture seeded;
            SettingsAccess(seeded.registry).write(QStringLiteral("FontMap"), QStringLiteral("Borders"), 0);
        }
        m_f = std::make_unique<MainWindowFixture>(1024, 768, MainWindowFixture::Store::AsItIs);
        QVERIFY(m_f->start());
    }
    const auto verifyBorders = [this](int style) {
        QCOMPARE(colors().borders(), style == 1);
        QCOMPARE(m_f->controls().tlbCFMapFmt->value(QStringLiteral("FMapG")), style);
        for (int i = 0; i < FontMapGrid::kCells; ++i)
            QCOMPARE(grid()->cell(i).borderStyle, style);
    };
    verifyBorders(stored);
    m_f->window().commands().trigger(QStringLiteral("FMBorders"));
    verifyBorders(1 - stored);
    m_f->window().commands().trigger(QStringLiteral("FMBorders"));
    verifyBorders(stored);
}

void TestFontMapColors::formatToolbarButtons_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");  // the palette's, when it opens
    QTest::addColumn<bool>("hilite");
    QTest::addColumn<bool>("borders");
    QTest::newRow("FMapFC") << "FMapFC" << "Select A Font Color" << false << true;
    QTest::newRow("FMapBC") << "FMapBC" << "Select A Background Color" << false << true;
    QTest::newRow("FMapH") << "FMapH" << "" << true << true;
    QTest::newRow("FMapG") << "FMapG" << "" << false << false;
}

void TestFontMapColors::formatToolbarButtons()
{
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(bool, hilite);
    QFETCH(bool, borders);
    ToolBar *bar = m_f->controls().tlbCFMapFmt;
    QString shown;
    auto guard = WhenModal::run<FMColorPalette>([&](FMColorPalette *p) {
        shown = p->windowTitle();
        paletteButton(p, "Button2")->click();
        return true;
    });
    bar->button(key)->trigger();
    QCOMPARE(shown, caption);
    QCOMPARE(colors().hilite(), hilite);
    QCOMPARE(colors().borders(), borders);
    // The slider's place is a widget, not a command.
    QVERIFY(!bar->button(QStringLiteral("FMapSld"))->isCheckable());
    QVERIFY(!m_f->window().commands().contains(QStringLiteral("FMapSld")));
}

void TestFontMapColors::customColoursSavedAtShutdownOnly()
{
    SettingsAccess settings(m_f->registry);
    const auto stored = [&] { return CustomColors::read(settings)[4]; };
    const CustomColor before = stored();
    m_f->dialog.confirm([](CommonDialogProperties &d) { d.Color = rgbColor(5, 5, 5); });
    runColorCommand("FMBColor", [](FMColorPalette *p) {
        p->findChild<QTabBar *>(QStringLiteral("SSTabColor"))->setCurrentIndex(2);
        paletteGrid(p, 2)->setCurrent(5);
        paletteButton(p, "ColorButton")->click();
        paletteButton(p, "Button1")->click();
    });
    QCOMPARE(colors().back().color, rgbColor(5, 5, 5));
    QCOMPARE(stored(), before);

    m_f->window().close();
    QCOMPARE(stored().color, rgbColor(5, 5, 5));

    // The next start reads them back.
    m_f = std::make_unique<MainWindowFixture>(1024, 768, MainWindowFixture::Store::AsItIs);
    QVERIFY(m_f->start());
    QTRY_VERIFY(palette()); // made once the window's first frame is out
    QCOMPARE(palette()->customColors()[4].color, rgbColor(5, 5, 5));
}

void TestFontMapColors::outOfRangeStoredChoice()
{
    m_f.reset();
    {
        MainWindowFixture seeded;
        SettingsAccess settings(seeded.registry);
        settings.write(QStringLiteral("FontMap"), QStringLiteral("ForePaletteRef"), 7);
        settings.write(QStringLiteral("FontMap"), QStringLiteral("ForeColorIndex"), 99);
    }
    m_f = std::make_unique<MainWindowFixture>(1024, 768, MainWindowFixture::Store::AsItIs);
    QVERIFY(m_f->start());
    int tab = -1;
    int cell = -1;
    runColorCommand("FMFColor", [&](FMColorPalette *p) {
        tab = p->findChild<QTabBar *>(QStringLiteral("SSTabColor"))->currentIndex();
        cell = paletteGrid(p, tab)->current();
        paletteButton(p, "Button1")->click();
    });
    QVERIFY(tab >= 0 && tab <= 2);
    QVERIFY(cell >= 1 && cell <= PaletteCells::cellCount(tab));
    QCOMPARE(colors().fore().paletteRef, tab);
    QCOMPARE(colors().fore().index, cell - 1);
}

void TestFontMapColors::desktopPaletteChange()
{
    // The first-run colours are system colours: window text on window background.
    QCOMPARE(colors().back().color, kWindowBackground);
    const QPalette before = QApplication::palette();
    QPalette desktop = before;
    desktop.setColor(QPalette::Base, QColor(40, 50, 60));
    QApplication::setPalette(desktop);
    QCoreApplication::processEvents();
    QCOMPARE(m_f->controls().TextZoom->palette().color(QPalette::Window), QColor(40, 50, 60));
    const QImage shot = grid()->grab().toImage();
    const QRect cell = grid()->cellRect(100);
    QCOMPARE(QColor(shot.pixel(cell.topLeft() + QPoint(3, 3))), QColor(40, 50, 60));
    QApplication::setPalette(before);
}

// Each part of the window hands its messages the window's FontMap colours: the find bar, the
// exit warning and the colour palette's own question.
void TestFontMapColors::messagesTakeTheColours_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("title");
    QTest::newRow("find") << "find" << "Quorvil Find Error";
    QTest::newRow("exit warning") << "exit" << "Quorvil Exit Warning";
    QTest::newRow("palette") << "palette" << "Reset Custom Color Blocks";
}

void TestFontMapColors::messagesTakeTheColours()
{
    QFETCH(QString, source);
    QFETCH(QString, title);
    colors().setColors({rgbColor(255, 255, 255), 0, 47, QStringLiteral("White")},
                       {rgbColor(0, 0, 0), 0, 0, QStringLiteral("Black")});
    QVERIFY(globals().gColorScheme);
    MessageDriver driver;
    QuorvilControls &c = m_f->controls();
    if (source == QLatin1String("find")) {
        c.TextBoard->setText(QStringLiteral("abc"));
        m_f->window().runCommand(QStringLiteral("EditFind"));
        c.FindString->setText(QStringLiteral("zzz"));
        driver.ok();
        c.FindNextButton->click();
    } else if (source == QLatin1String("exit")) {
        m_f->window().commands().setChecked(QStringLiteral("DisplayEW"), true);
        c.TextBoard->setText(QStringLiteral("x"));
        driver.no();
        QVERIFY(!m_f->window().close());
    } else {
        driver.ok();
        runColorCommand("FMFColor", [](FMColorPalette *p) {
            p->findChild<QPushButton *>(QStringLiteral("ResetButton"))->click();
            p->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
        });
    }
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, title);
    QCOMPARE(driver.last().textColor, QColor(Qt::white));
    QCOMPARE(driver.last().backColor, QColor(Qt::black));
}

QUORVIL_TEST_MAIN(TestFontMapColors)
#include "tst_fontmapcolors.moc"
