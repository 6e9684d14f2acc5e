// The arithmetic of the main window's layout: the FontMap's size steps, the split bar's limits,
// the standard window for a step, the widths that follow a rebuilt map, the inline edits'
// numbers and the views' label rows.
#include "app/rules/LayoutRules.h"
#include "app/rules/ScreenDefaults.h"
#include "fontmap/rules/EditedNumber.h"
#include "fontmap/rules/LabelRow.h"
#include "fontmap/rules/MapSizeSteps.h"

#include <QTest>

class TestLayoutRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeLimits_data();
    void sizeLimits();
    void growThenShrinkIsExact_data();
    void growThenShrinkIsExact();
    void middleStep();
    void designedContainer();
    void standardWindowSize_data();
    void standardWindowSize();
    void splitBarDrag_data();
    void splitBarDrag();
    void splitBarDoubleClick_data();
    void splitBarDoubleClick();
    void relaidWidths();
    void editedNumber_data();
    void editedNumber();
    void labelRow();
};

void TestLayoutRules::sizeLimits_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("twipsPerPixel");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("maxSizeIndex");
    QTest::newRow("800") << 800 << 15.0 << false << 1;
    QTest::newRow("801") << 801 << 15.0 << true << 1;
    QTest::newRow("1024") << 1024 << 15.0 << true << 9;
    QTest::newRow("1280") << 1280 << 15.0 << true << 18;
    QTest::newRow("1600") << 1600 << 15.0 << true << 30;
    QTest::newRow("1920") << 1920 << 15.0 << true << 41;
    QTest::newRow("large fonts 1024") << 1024 << 12.0 << false << 2;
    QTest::newRow("large fonts 1280") << 1280 << 12.0 << true << 11;
}

void TestLayoutRules::sizeLimits()
{
    QFETCH(int, width);
    QFETCH(double, twipsPerPixel);
    QFETCH(bool, allowed);
    QFETCH(int, maxSizeIndex);
    QCOMPARE(MapSizeSteps::sizingAllowed(width, twipsPerPixel), allowed);
    QCOMPARE(ScreenDefaults::maxSizeIndex(width, twipsPerPixel), maxSizeIndex);
}

void TestLayoutRules::growThenShrinkIsExact_data()
{
    QTest::addColumn<int>("fromStep");
    QTest::addColumn<double>("twipsPerPixel");
    QTest::newRow("from 1") << 1 << 15.0;
    QTest::newRow("from 5") << 5 << 15.0;
    QTest::newRow("from 17") << 17 << 15.0;
    QTest::newRow("from 4, large fonts") << 4 << 12.0;
}

void TestLayoutRules::growThenShrinkIsExact()
{
    QFETCH(int, fromStep);
    QFETCH(double, twipsPerPixel);
    MapSizeSteps::Cells cells = MapSizeSteps::designedCells();
    MapSizeSteps::resizeCells(cells, fromStep - 1, twipsPerPixel, twipsPerPixel);
    const MapSizeSteps::Cells before = cells;
    for (int i = 0; i < 3; ++i)
        MapSizeSteps::resizeCells(cells, 1, twipsPerPixel, twipsPerPixel);
    QVERIFY(cells != before);
    for (int i = 0; i < 3; ++i)
        MapSizeSteps::resizeCells(cells, -1, twipsPerPixel, twipsPerPixel);
    for (int i = 0; i < MapSizeSteps::kCells; ++i)
        QVERIFY2(cells[i] == before[i], qPrintable(QString::number(i)));
}

void TestLayoutRules::middleStep()
{
    // Five steps up from the designed map: cells of 33 pixels, 32 apart.
    MapSizeSteps::Cells cells = MapSizeSteps::designedCells();
    MapSizeSteps::resizeCells(cells, 5, 15, 15);
    for (const QRectF &cell : cells)
        QCOMPARE(cell.size(), QSizeF(33 * 15, 33 * 15));
    QCOMPARE(cells[1].left() - cells[0].left(), 32.0 * 15);
    QCOMPARE(cells[28].top() - cells[0].top(), 32.0 * 15);
    QCOMPARE(cells[0].topLeft(), QPointF(0, 375));
    QCOMPARE(cells[27].left(), 27.0 * 32 * 15);
    QCOMPARE(cells[196].top(), 375.0 + 7 * 32 * 15);
    QCOMPARE(cells[223].bottomRight(), QPointF(27 * 32 * 15 + 33 * 15, 375 + 7 * 32 * 15 + 33 * 15));

    const QSizeF container = MapSizeSteps::containerSize(cells[0].size(), 375, 15, 15);
    QCOMPARE(container.width(), 901.0 * 15);
    QCOMPARE(container.height(), 375 + (8 * 33 - 4) * 15.0);
    // The map's CoolBar takes the container's width; its name band what the other two leave.
    QCOMPARE(MapSizeSteps::nameBandWidth(container.width(), 1500, 4200), 901.0 * 15 - 5700);
}

void TestLayoutRules::designedContainer()
{
    const MapSizeSteps::Cells cells = MapSizeSteps::designedCells();
    const QSizeF container = MapSizeSteps::containerSize(cells[0].size(), 375, 15, 15);
    QCOMPARE(container, QSizeF(761 * 15, 375 + 220 * 15));
    // The last cell's right edge is the container's (the shared border lines of 28 cells).
    QCOMPARE(cells[223].right(), 27 * 405.0 + 420);
}

void TestLayoutRules::standardWindowSize_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSizeF>("pixels");
    QTest::newRow("step 1") << 0 << QSizeF(780, 592);
    QTest::newRow("step 8") << 7 << QSizeF(976, 648);
    QTest::newRow("step 18") << 17 << QSizeF(1256, 728);
}

void TestLayoutRules::standardWindowSize()
{
    QFETCH(int, index);
    QFETCH(QSizeF, pixels);
    QCOMPARE(LayoutRules::standardWindowSize(index, 15, 15), pixels * 15);
}

void TestLayoutRules::splitBarDrag_data()
{
    QTest::addColumn<double>("pointerY");
    QTest::addColumn<int>("delta"); // 0: the bar stays
    const double px = 15;
    const double held = 2 * px;  // the pointer 2 pixels under the bar's top holds it
    QTest::newRow("held") << held << 0;
    QTest::newRow("2 twips down") << held + 2 << 0;
    QTest::newRow("2 twips up") << held - 2 << 0;
    QTest::newRow("3 twips down") << held + 3 << 3;
    QTest::newRow("3 twips up") << held - 3 << -3;
    QTest::newRow("one pixel down") << held + px << 15;
    QTest::newRow("to the lowest place") << held + 100 * px << 1500;
    QTest::newRow("past the lowest place") << held + 100 * px + 1 << 0;
    QTest::newRow("to the highest place") << held - 10 * px << -150;
    QTest::newRow("past the highest place") << held - 10 * px - 1 << 0;
}

void TestLayoutRules::splitBarDrag()
{
    QFETCH(double, pointerY);
    QFETCH(int, delta);
    const double px = 15;
    // The bar 10 pixels below its highest place, 100 above its lowest.
    const LayoutRules::SplitBarLimits limits = LayoutRules::splitBarLimits(1024 * px, 566 * px, px);
    QCOMPARE(limits.highest, 276 * px);
    QCOMPARE(limits.lowest, (1024 - 566 - 72) * px);
    const double top = 286 * px;
    QVERIFY(top + 100 * px == limits.lowest);
    const std::optional<int> moved = LayoutRules::splitBarDragDelta(top, pointerY, limits, px);
    QCOMPARE(moved.value_or(0), delta);
    QCOMPARE(moved.has_value(), delta != 0);
}

void TestLayoutRules::splitBarDoubleClick_data()
{
    QTest::addColumn<double>("barTop");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("delta");
    const double px = 15;
    QTest::newRow("highest: drops to the lowest") << 276 * px << 500 * px << int(LayoutRules::SplitBarJump::Move)
                                                  << 224 * 15;
    QTest::newRow("lower: reset") << 277 * px << 500 * px << int(LayoutRules::SplitBarJump::Reset) << 0;
    QTest::newRow("lowest above the bar: stays") << 276 * px << 200 * px << int(LayoutRules::SplitBarJump::None)
                                                 << 0;
    QTest::newRow("lowest at the bar: stays") << 276 * px << 276 * px << int(LayoutRules::SplitBarJump::None) << 0;
}

void TestLayoutRules::splitBarDoubleClick()
{
    QFETCH(double, barTop);
    QFETCH(double, lowest);
    QFETCH(int, kind);
    QFETCH(int, delta);
    const LayoutRules::SplitBarLimits limits{276 * 15, lowest};
    const LayoutRules::SplitBarJump jump = LayoutRules::splitBarDoubleClick(barTop, limits);
    QCOMPARE(int(jump.kind), kind);
    QCOMPARE(jump.delta, delta);
    if (jump.kind == LayoutRules::SplitBarJump::Move)
        QCOMPARE(jump.newTop, lowest);
}

void TestLayoutRules::relaidWidths()
{
    // The designed window at step 1 gives the designed widths back; each step adds 28 pixels.
    const double px = 15;
    for (int step : {1, 9}) {
        const double grow = 28 * (step - 1) * px;
        const LayoutRules::Widths w =
            LayoutRules::relaidWidths(780 * px + grow, 7 * px, 134 * px, 761 * px + grow, 150 * px, px);
        QCOMPARE(w.coolBarCM, 759 * px + grow);
        QCOMPARE(w.splitBar, 758 * px + grow);
        QCOMPARE(w.textBoard, 623 * px + grow);
        QCOMPARE(w.statBarLeft, 616 * px + grow);
    }
    const LayoutRules::FindBarPlaces p = LayoutRules::findBarPlaces(621 * px, px);
    QCOMPARE(p.findStringWidth, 178 * px);
    QCOMPARE(p.findNextLeft, 221 * px);
    QCOMPARE(p.clearFindLeft, 293 * px);
    QCOMPARE(p.wholeWordLeft, 365 * px);
    QCOMPARE(p.matchCaseLeft, 461 * px);
    QCOMPARE(p.closeFindLeft, 553 * px);
}

void TestLayoutRules::editedNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: not a number, nothing changes
    QTest::newRow("in range") << "20" << 20;
    QTest::newRow("spaces") << " 20 " << 20;
    QTest::newRow("above") << "100" << 72;
    QTest::newRow("below") << "3" << 8;
    QTest::newRow("zero") << "0" << 8;
    QTest::newRow("half down to even") << "12.5" << 12;
    QTest::newRow("half up to even") << "13.5" << 14;
    QTest::newRow("too large for 16 bits") << "40000" << 72;
    QTest::newRow("too small for 16 bits") << "-40000" << 8;
    QTest::newRow("too large for 64 bits") << "99999999999999999999999" << 72;
    QTest::newRow("exponent") << "1e3" << 72;
    QTest::newRow("letters") << "abc" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("number and letters") << "12abc" << -1;
}

void TestLayoutRules::editedNumber()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<int> n = numberFromEditText(text, 8, 72);
    QCOMPARE(n.value_or(-1), expected);
}

void TestLayoutRules::labelRow()
{
    // Three pairs that fit with 6 to spare: the values share it, the gaps stay as asked.
    const QList<LabelRow::Pair> pairs{{25, 21}, {25, 18}, {23, 21}};
    const auto places = LabelRow::place(pairs, 3, 148, 1, 3);
    QVERIFY(places);
    QCOMPARE(places->size(), 3);
    QCOMPARE(places->at(0).captionLeft, 3.0);
    QCOMPARE(places->at(0).valueLeft, 29.0);
    QCOMPARE(places->at(0).valueWidth, 23.0);
    QCOMPARE(places->at(1).captionLeft, 3 + 25 + 1 + 23 + 3.0);
    const LabelRow::Place &last = places->last();
    QCOMPARE(last.valueLeft + last.valueWidth, 3 + 148.0);
    for (const LabelRow::Place &p : *places)
        QVERIFY(p.captionLeft + p.captionWidth < p.valueLeft);

    QVERIFY(!LabelRow::place(pairs, 3, 141, 1, 3));
    QVERIFY(LabelRow::place(pairs, 3, 142, 1, 3));
}

QTEST_GUILESS_MAIN(TestLayoutRules)
#include "tst_layoutrules.moc"
