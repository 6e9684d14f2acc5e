#include "tools/rules/FontBrowserLayout.h"
#include "tools/rules/SampleSheet.h"
#include "tools/rules/ScrollRange.h"

#include <QTest>

namespace {

constexpr double kTpp = 15;
constexpr int kFrameW = 8 * 15;   // the outer size's allowance for the window frame
constexpr int kFrameH = 30 * 15;

double px(double pixels)
{
    return pixels * kTpp;
}

// A name label whose width follows its point size (a 10-character name).
FontBrowserLayout::LabelWidth widthPerPoint(double twipsPerPoint)
{
    return [twipsPerPoint](int points) { return points * twipsPerPoint; };
}

const FontBrowserLayout::LabelWidth kTenPerPoint = widthPerPoint(150);

// A layout after its first resize to an inner size in pixels, with a sheet shown.
FontBrowserLayout laidOut(int innerWidthPx, int innerHeightPx, QSizeF sheet = QSizeF(20000, 12000))
{
    FontBrowserLayout layout(kTpp, kTpp);
    layout.showSheet(sheet);
    layout.resize(int(px(innerWidthPx)) + kFrameW, int(px(innerHeightPx)) + kFrameH, px(innerWidthPx),
                  px(innerHeightPx), kTenPerPoint);
    return layout;
}

void resizeTo(FontBrowserLayout &layout, int innerWidthPx, int innerHeightPx)
{
    layout.resize(int(px(innerWidthPx)) + kFrameW, int(px(innerHeightPx)) + kFrameH, px(innerWidthPx),
                  px(innerHeightPx), kTenPerPoint);
}

struct Edges
{
    QList<double> lefts, widths, tops, heights;
};

Edges edgesOf(const FontBrowserLayout::Controls &c)
{
    Edges e;
    for (const QRectF &r : {c.fontList, c.splitBar, c.plateHolder, c.hScroll, c.vScroll, c.holeBlock, c.summaryFrame,
                            c.setFontButton, c.okButton}) {
        e.lefts << r.left();
        e.widths << r.width();
        e.tops << r.top();
        e.heights << r.height();
    }
    e.lefts << c.nameLabel.x();
    e.tops << c.nameLabel.y();
    return e;
}

} // namespace

class TestFontBrowserLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scrollSteps_data();
    void scrollSteps();
    void scrollValueKeptWithinTheRange();
    void sampleSentence_data();
    void sampleSentence();
    void sheetPlacement();
    void sheetCappedAt32767_data();
    void sheetCappedAt32767();
    void distancesKeptAtEverySize_data();
    void distancesKeptAtEverySize();
    void oneDirectionLeavesTheOtherAlone();
    void windowsWiderThan16BitTwips();
    void splitBarLimits_data();
    void splitBarLimits();
    void splitBarMovesItsNeighbours();
    void draggedRightTheMinimumKeepsTheViewport();
    void nameLabelFitting_data();
    void nameLabelFitting();
    void nameLabelNeverBelowOnePoint();
    void sheetFollowsTheBars();
    void tallerWindowShowsMoreOfAScrolledSheet();
    void growthMovesAPartlyScrolledSheet_data();
    void growthMovesAPartlyScrolledSheet();
    void verticalArrows_data();
    void verticalArrows();
    void minimumCappedByTheScreen();
};

void TestFontBrowserLayout::scrollSteps_data()
{
    QTest::addColumn<double>("visible");
    QTest::addColumn<double>("extent");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("large");
    QTest::addColumn<int>("small");
    QTest::newRow("fits") << 300.0 << 300.0 << 0 << 1 << 1;
    QTest::newRow("large 15, small 2") << 30.0 << 60.0 << 30 << 15 << 2;
    QTest::newRow("large 25, small 2 (half to even)") << 50.0 << 100.0 << 50 << 25 << 2;
    QTest::newRow("large 12, small 1") << 24.0 << 48.0 << 24 << 12 << 1;
    QTest::newRow("large 9, small 1") << 18.0 << 36.0 << 18 << 9 << 1;
    QTest::newRow("large 75, small 8 (half to even)") << 150.0 << 300.0 << 150 << 75 << 8;
    QTest::newRow("tiny view: large at least 1") << 0.4 << 1000.0 << 1000 << 1 << 1;
    QTest::newRow("max rounded half to even") << 100.0 << 102.5 << 2 << 2 << 1;
}

void TestFontBrowserLayout::scrollSteps()
{
    QFETCH(double, visible);
    QFETCH(double, extent);
    QFETCH(int, max);
    QFETCH(int, large);
    QFETCH(int, small);
    const ScrollRange r = fitScrollRange(ScrollRange{}, visible, extent, true);
    QCOMPARE(r.max, max);
    QCOMPARE(r.largeChange, large);
    QCOMPARE(r.smallChange, small);
    QCOMPARE(r.value, 0);
}

void TestFontBrowserLayout::scrollValueKeptWithinTheRange()
{
    const ScrollRange scrolled{500, 100, 10, 300};
    QCOMPARE(fitScrollRange(scrolled, 400, 1000, false).value, 300);
    QCOMPARE(fitScrollRange(scrolled, 400, 1000, true).value, 0);
    QCOMPARE(fitScrollRange(scrolled, 800, 1000, false).value, 200);   // the maximum came down to 200
    const ScrollRange fits = fitScrollRange(scrolled, 1000, 900, false);
    QCOMPARE(fits.max, 0);
    QCOMPARE(fits.value, 0);
    QCOMPARE(fits.largeChange, 100);                                   // nothing else is set
}

void TestFontBrowserLayout::sampleSentence_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    const QString sixty = QStringLiteral("0123456789").repeated(6);
    QTest::newRow("60 characters") << sixty << sixty.left(45);
    QTest::newRow("45 characters") << sixty.left(45) << sixty.left(45);
    QTest::newRow("short") << QStringLiteral("Hello") << QStringLiteral("Hello");
    QTest::newRow("empty") << QString() << SampleSheet::designSentence();
    QTest::newRow("only spaces") << QStringLiteral("     ") << SampleSheet::designSentence();
    QTest::newRow("spaces kept around text") << QStringLiteral("  a ") << QStringLiteral("  a ");
}

void TestFontBrowserLayout::sampleSentence()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QCOMPARE(SampleSheet::sentence(stored), expected);
}

void TestFontBrowserLayout::sheetPlacement()
{
    SampleSheet::Measured m;
    m.alpha = {QSizeF(4000, 300), QSizeF(3800, 320), QSizeF(2600, 310)};
    for (int i = 0; i < SampleSheet::kSentences; ++i) {
        m.sentence[i] = QSizeF(5000 + 1000 * i, 300 + 100 * i);
        m.pointSizeHeight[i] = 200;
    }
    const SampleSheet::Placed p = SampleSheet::place(m, 15, 15);
    QCOMPARE(p.alphaTop[0], 135.0);
    QCOMPARE(p.alphaTop[1], 135.0 + 300 + 60);
    QCOMPARE(p.alphaTop[2], p.alphaTop[1] + 320 + 60);
    QCOMPARE(p.dividerY, p.alphaTop[2] + 310 + 195);
    QCOMPARE(p.sentenceTop[0], p.dividerY + 195);
    for (int i = 1; i < SampleSheet::kSentences; ++i)
        QCOMPARE(p.sentenceTop[i], p.sentenceTop[i - 1] + m.sentence[i - 1].height() + 90);
    for (int i = 0; i < SampleSheet::kSentences; ++i) {
        // Each size number is centred beside its sentence.
        const double numberMiddle = p.pointSizeTop[i] + m.pointSizeHeight[i] / 2;
        QCOMPARE(numberMiddle, p.sentenceTop[i] + m.sentence[i].height() / 2);
    }
    QCOMPARE(p.height, int(p.sentenceTop[6] + 900 + 150));
    QCOMPARE(p.width, int(SampleSheet::kSentenceLeft + 11000 + 150));
}

void TestFontBrowserLayout::sheetCappedAt32767_data()
{
    QTest::addColumn<double>("sentenceWidth");
    QTest::addColumn<double>("sentenceHeight");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("below") << 32000.0 - 690 << 100.0 << 32000 << -1;
    QTest::newRow("exactly") << 32767.0 - 690 << 100.0 << 32767 << -1;
    QTest::newRow("wider") << 40000.0 << 100.0 << 32767 << -1;
    QTest::newRow("taller") << 1000.0 << 40000.0 << 1690 << 32767;
}

void TestFontBrowserLayout::sheetCappedAt32767()
{
    QFETCH(double, sentenceWidth);
    QFETCH(double, sentenceHeight);
    QFETCH(int, width);
    QFETCH(int, height);
    SampleSheet::Measured m;
    m.alpha.fill(QSizeF(1000, 200));
    m.sentence.fill(QSizeF(1000, 200));
    m.sentence[6] = QSizeF(sentenceWidth, sentenceHeight);
    const SampleSheet::Placed p = SampleSheet::place(m, 15, 15);
    QCOMPARE(p.width, width);
    if (height >= 0)
        QCOMPARE(p.height, height);
    else
        QVERIFY(p.height < 32767);
}

void TestFontBrowserLayout::distancesKeptAtEverySize_data()
{
    QTest::addColumn<int>("widthPx");
    QTest::addColumn<int>("heightPx");
    QTest::newRow("design") << 851 << 632;
    QTest::newRow("smallest") << 712 << 290;
    QTest::newRow("large") << 1600 << 1100;
    QTest::newRow("beyond 16-bit twips") << 2400 << 2300;
}

void TestFontBrowserLayout::distancesKeptAtEverySize()
{
    QFETCH(int, widthPx);
    QFETCH(int, heightPx);
    const FontBrowserLayout layout = laidOut(widthPx, heightPx);
    const FontBrowserLayout::Controls &c = layout.controls();
    const int outerWidth = int(px(widthPx)) + kFrameW;
    QCOMPARE(c.fontList.bottom(), px(heightPx) - px(140) + c.fontList.top());
    QCOMPARE(c.plateHolder.right(), px(widthPx) - px(12));
    QCOMPARE(c.okButton.top(), c.plateHolder.bottom() + px(5));
    QCOMPARE(c.setFontButton.top(), c.okButton.top());
    QCOMPARE(c.okButton.right(), outerWidth - px(20));
    QCOMPARE(c.setFontButton.right(), outerWidth - px(120));
    QCOMPARE(c.summaryFrame.top(), c.fontList.height() + px(43));
    // The bars meet in the viewport's inner bottom right corner, filled by the block.
    const double innerW = c.plateHolder.width() - px(4);
    const double innerH = c.plateHolder.height() - px(4);
    QCOMPARE(c.vScroll.right(), innerW);
    QCOMPARE(c.hScroll.bottom(), innerH);
    QCOMPARE(c.holeBlock.left(), c.hScroll.right());
    QCOMPARE(c.holeBlock.top(), c.vScroll.bottom());
}

void TestFontBrowserLayout::oneDirectionLeavesTheOtherAlone()
{
    FontBrowserLayout layout = laidOut(851, 632);
    const Edges before = edgesOf(layout.controls());
    const int points = layout.namePoints();

    resizeTo(layout, 851, 900);
    Edges after = edgesOf(layout.controls());
    QCOMPARE(after.lefts, before.lefts);
    QCOMPARE(after.widths, before.widths);
    QCOMPARE(layout.namePoints(), points);
    QVERIFY(after.heights != before.heights);

    const Edges tall = after;
    resizeTo(layout, 1200, 900);
    after = edgesOf(layout.controls());
    QCOMPARE(after.tops, tall.tops);
    QCOMPARE(after.heights, tall.heights);
    QVERIFY(after.widths != tall.widths);
}

void TestFontBrowserLayout::windowsWiderThan16BitTwips()
{
    // 2,400 pixels are 36,000 twips: more than a 16-bit number holds.
    FontBrowserLayout layout = laidOut(851, 632);
    resizeTo(layout, 2400, 632);
    QCOMPARE(layout.prevFormWidth(), 36000 + kFrameW);
    QCOMPARE(layout.controls().okButton.left(), 36000 + kFrameW - 1290 - px(20));
    QCOMPARE(layout.controls().plateHolder.width(), 36000 - 3705 - px(12));
    resizeTo(layout, 2000, 632);
    QCOMPARE(layout.controls().plateHolder.width(), 30000 - 3705 - px(12));
}

void TestFontBrowserLayout::splitBarLimits_data()
{
    QTest::addColumn<double>("x");        // twips within the bar
    QTest::addColumn<bool>("moves");
    // The bar starts at 3,645 twips (243 px); the pointer holds it 4 px (60 twips) in.
    QTest::newRow("left margin: 242 px") << 242 * 15.0 - 3645 + 60 << true;
    QTest::newRow("inside the left margin") << 241 * 15.0 - 3645 + 60 << false;
    QTest::newRow("right margin: inner width - 242 px") << (1100 - 242) * 15.0 - 3645 + 60 << true;
    QTest::newRow("inside the right margin") << (1100 - 241) * 15.0 - 3645 + 60 << false;
    QTest::newRow("4 twips: dead band") << 60.0 + 4 << false;
    QTest::newRow("-4 twips: dead band") << 60.0 - 4 << false;
    QTest::newRow("5 twips") << 60.0 + 5 << true;
    QTest::newRow("-5 twips") << 60.0 - 5 << true;
}

void TestFontBrowserLayout::splitBarLimits()
{
    QFETCH(double, x);
    QFETCH(bool, moves);
    FontBrowserLayout layout = laidOut(1100, 632);
    const double left = layout.controls().splitBar.left();
    const int outerWidth = int(px(1100)) + kFrameW;
    QCOMPARE(layout.dragSplitBar(x, outerWidth, px(1100), kTenPerPoint), moves);
    QCOMPARE(layout.controls().splitBar.left(), moves ? left + x - 60 : left);
}

void TestFontBrowserLayout::splitBarMovesItsNeighbours()
{
    FontBrowserLayout layout = laidOut(1100, 632);
    const FontBrowserLayout::Controls before = layout.controls();
    const int outerWidth = int(px(1100)) + kFrameW;
    QVERIFY(layout.dragSplitBar(60 + 900, outerWidth, px(1100), kTenPerPoint));
    const FontBrowserLayout::Controls &after = layout.controls();
    QCOMPARE(after.fontList.width(), before.fontList.width() + 900);
    QCOMPARE(after.summaryFrame.width(), before.summaryFrame.width() + 900);
    QCOMPARE(after.nameLabel.x(), before.nameLabel.x() + 900);
    QCOMPARE(after.plateHolder.left(), before.plateHolder.left() + 900);
    QCOMPARE(after.plateHolder.right(), before.plateHolder.right());
    QCOMPARE(after.vScroll.right(), after.plateHolder.width() - px(4));
    // Heights and tops stay.
    QCOMPARE(after.fontList.height(), before.fontList.height());
    QCOMPARE(after.plateHolder.top(), before.plateHolder.top());
}

void TestFontBrowserLayout::draggedRightTheMinimumKeepsTheViewport()
{
    // Dragging the bar right raises the window's minimum width with the viewport's left edge, so
    // narrowing the window afterwards can never give the viewport a negative width.
    FontBrowserLayout layout = laidOut(1400, 632);
    const int designMinimum = layout.minFormWidth();
    const int outerWidth = int(px(1400)) + kFrameW;
    QVERIFY(layout.dragSplitBar(60 + px(500), outerWidth, px(1400), kTenPerPoint));
    QCOMPARE(layout.minFormWidth(), int(layout.controls().plateHolder.left() + px(390)));
    QVERIFY(layout.minFormWidth() > designMinimum);

    const int narrowest = layout.minFormWidth();
    layout.resize(narrowest, layout.prevFormHeight(), narrowest - kFrameW, px(632), kTenPerPoint);
    QVERIFY(layout.controls().plateHolder.width() > 0);
    QVERIFY(layout.controls().hScroll.width() > 0);

    // Up to the right margin: the minimum is the window's present width, which stays.
    QVERIFY(layout.dragSplitBar(60 + (narrowest - kFrameW - px(242)) - layout.controls().splitBar.left(), narrowest,
                                narrowest - kFrameW, kTenPerPoint));
    QCOMPARE(layout.minFormWidth(), narrowest);
    QVERIFY(layout.controls().plateHolder.width() > 0);
}

void TestFontBrowserLayout::nameLabelFitting_data()
{
    QTest::addColumn<double>("twipsPerPoint");
    QTest::addColumn<int>("points");
    // The label's left edge is 3,810 twips; the outer width at 851 px is 12,885 twips.
    QTest::newRow("short name grows to 25 points") << 50.0 << 25;
    // Grows while 3,810 + 300p + 450 < 12,885: up to p = 29, but never past 25.
    QTest::newRow("grows at most to 25") << 300.0 << 25;
    // Grows while 3,810 + 400p + 450 < 12,885, that is up to p = 21, then one more step.
    QTest::newRow("medium name grows past the edge by one step") << 400.0 << 22;
    // Starts at 12 points: 3,810 + 12 * 800 + 150 > 12,885, so it shrinks while still beyond:
    // down to the size where 3,810 + 800p + 150 <= 12,885, p = 11.
    QTest::newRow("long name shrinks") << 800.0 << 11;
}

void TestFontBrowserLayout::nameLabelFitting()
{
    QFETCH(double, twipsPerPoint);
    QFETCH(int, points);
    FontBrowserLayout layout(kTpp, kTpp);
    layout.fitNameLabel(12765 + kFrameW, widthPerPoint(twipsPerPoint));
    QCOMPARE(layout.namePoints(), points);
}

void TestFontBrowserLayout::nameLabelNeverBelowOnePoint()
{
    // A name far too long for any size: the shrinking stops at 1 point instead of going on
    // below the sizes Qt accepts.
    FontBrowserLayout layout(kTpp, kTpp);
    layout.fitNameLabel(12765 + kFrameW, [](int) { return 1e9; });
    QCOMPARE(layout.namePoints(), 1);
    FontBrowserLayout resized = laidOut(851, 632);
    resized.resize(9000, resized.prevFormHeight(), 9000 - kFrameW, px(632), [](int) { return 1e9; });
    QCOMPARE(resized.namePoints(), 1);
}

void TestFontBrowserLayout::sheetFollowsTheBars()
{
    FontBrowserLayout layout = laidOut(851, 632, QSizeF(20000, 12000));
    QVERIFY(layout.hScroll().max > 0);
    layout.setHScrollValue(1000);
    QCOMPARE(layout.sheetPos().x(), -1000.0);
    // At the maximum the sheet's right end shows: the last part of it is never out of reach.
    layout.setHScrollValue(layout.hScroll().max);
    QCOMPARE(layout.sheetPos().x(), -double(layout.hScroll().max));
    layout.setHScrollValue(layout.hScroll().max + 500);
    QCOMPARE(layout.hScroll().value, layout.hScroll().max);

    // A new sheet starts at the top left.
    layout.setVScrollValue(300);
    layout.showSheet(QSizeF(25000, 14000));
    QCOMPARE(layout.sheetPos(), QPointF(0, 0));

    // A sheet that fits has nothing to scroll.
    layout.showSheet(QSizeF(2000, 2000));
    QCOMPARE(layout.hScroll().max, 0);
    QCOMPARE(layout.vScroll().max, 0);
    layout.setHScrollValue(200);
    QCOMPARE(layout.sheetPos(), QPointF(0, 0));
}

void TestFontBrowserLayout::tallerWindowShowsMoreOfAScrolledSheet()
{
    FontBrowserLayout layout = laidOut(851, 632, QSizeF(20000, 12000));
    const int max = layout.vScroll().max;
    layout.setVScrollValue(max);
    resizeTo(layout, 851, 700);
    // Scrolled to the end, the sheet moves down by the growth...
    QCOMPARE(layout.sheetPos().y(), -double(max) + px(68));
    // ...but never below its top.
    resizeTo(layout, 851, 1400);
    QCOMPARE(layout.vScroll().max, 0);
    QCOMPARE(layout.sheetPos().y(), 0.0);
}

void TestFontBrowserLayout::growthMovesAPartlyScrolledSheet_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("pixels");    // how far the window's edge or the split bar moves
    QTest::addColumn<int>("scrolled");  // the bar's value before, in twips
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("moved");     // how far the sheet moves towards its start, in twips
    QTest::newRow("taller") << "height" << 40 << 3000 << false << 600;
    QTest::newRow("taller than the scrolled part") << "height" << 400 << 3000 << false << 3000;
    QTest::newRow("shorter") << "height" << -40 << 3000 << false << 0;
    QTest::newRow("wider") << "width" << 40 << 3000 << true << 600;
    QTest::newRow("wider than the scrolled part") << "width" << 400 << 3000 << true << 3000;
    QTest::newRow("narrower") << "width" << -40 << 3000 << true << 0;
    QTest::newRow("split bar left") << "split bar" << -40 << 3000 << true << 600;
    QTest::newRow("split bar left beyond the scrolled part") << "split bar" << -300 << 3000 << true << 3000;
    QTest::newRow("split bar right") << "split bar" << 40 << 3000 << true << 0;
}

void TestFontBrowserLayout::growthMovesAPartlyScrolledSheet()
{
    // A sheet scrolled part of the way: when the viewport grows on the side the sheet was
    // scrolled to, the sheet moves by the growth (never beyond its start) and the bar follows
    // it; when the viewport shrinks the sheet stays where it is.
    QFETCH(QString, change);
    QFETCH(int, pixels);
    QFETCH(int, scrolled);
    QFETCH(bool, horizontal);
    QFETCH(int, moved);
    FontBrowserLayout layout = laidOut(1100, 632, QSizeF(40000, 20000));
    const int outerWidth = int(px(1100)) + kFrameW;
    if (change == QLatin1String("split bar")) // room to move it back left
        QVERIFY(layout.dragSplitBar(60 + px(400), outerWidth, px(1100), kTenPerPoint));
    if (horizontal)
        layout.setHScrollValue(scrolled);
    else
        layout.setVScrollValue(scrolled);
    const ScrollRange &bar = horizontal ? layout.hScroll() : layout.vScroll();
    QVERIFY(bar.max > scrolled + px(400)); // partly scrolled: neither end is near

    if (change == QLatin1String("height"))
        resizeTo(layout, 1100, 632 + pixels);
    else if (change == QLatin1String("width"))
        resizeTo(layout, 1100 + pixels, 632);
    else
        QVERIFY(layout.dragSplitBar(60 + px(pixels), outerWidth, px(1100), kTenPerPoint));

    QCOMPARE(bar.value, scrolled - moved);
    const QPointF sheet = layout.sheetPos();
    QCOMPARE(horizontal ? sheet.x() : sheet.y(), -double(scrolled - moved));
    QCOMPARE(horizontal ? sheet.y() : sheet.x(), 0.0);
}

void TestFontBrowserLayout::verticalArrows_data()
{
    QTest::addColumn<int>("value");   // -1: the maximum
    QTest::addColumn<int>("arrows");
    QTest::newRow("top: only the down arrow") << 0 << 2;
    QTest::newRow("between: both") << 100 << 0;
    QTest::newRow("bottom: only the up arrow") << -1 << 1;
}

void TestFontBrowserLayout::verticalArrows()
{
    QFETCH(int, value);
    QFETCH(int, arrows);
    FontBrowserLayout layout = laidOut(851, 632, QSizeF(20000, 12000));
    layout.setVScrollValue(value < 0 ? layout.vScroll().max : value);
    QCOMPARE(layout.vArrows(), arrows);
}

void TestFontBrowserLayout::minimumCappedByTheScreen()
{
    FontBrowserLayout layout(kTpp, kTpp);
    layout.showSheet(QSizeF(1000, 1000));
    QCOMPARE(layout.minFormHeight(), 1185 + int(px(235)));
    QCOMPARE(layout.minFormWidth(), 3705 + int(px(390)));
    layout.setScreen(QSizeF(px(600), px(300)));
    layout.showSheet(QSizeF(1000, 1000));
    QCOMPARE(layout.minFormHeight(), int(px(290)));
    QCOMPARE(layout.minFormWidth(), int(px(590)));
}

QTEST_GUILESS_MAIN(TestFontBrowserLayout)
#include "tst_fontbrowserlayout.moc"
