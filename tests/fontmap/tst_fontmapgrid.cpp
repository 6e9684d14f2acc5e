// The FontMap grid paints each cell's glyph inside the cell, however large the font, also when
// a hover repaints cells one by one; it draws each caption from the cell font's own glyphs,
// looked up once: exactly where and as a centred line of text in that font is drawn, a symbol
// font's codes and characters the font lacks (its missing-glyph box) included, and again so
// after the font or a caption changes.
#include "support/TestMain.h"

#include "fontmap/FontMapGrid.h"
#include "widgets/ColorResolve.h"

#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QScreen>

Q_DECLARE_METATYPE(FontCharset)

namespace {

// The grid as a painter draws it with text: the oracle for where captions go. A text
// layout draws a soft hyphen as a hyphen; the map shows the font's own glyph for it, the
// missing-glyph box (as for any character the font lacks) where the font has none.
QImage drawnAsText(const FontMapGrid &grid)
{
    QImage image(grid.size(), QImage::Format_RGB32);
    image.fill(grid.palette().color(QPalette::Window));
    QPainter p(&image);
    p.setFont(grid.cellFont());
    const bool hasSoftHyphen = QRawFont::fromFont(grid.cellFont()).supportsCharacter(QChar(0xAD));
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        const FontMapCell &c = grid.cell(i);
        const QRect r = grid.cellRect(i);
        p.save();
        p.setClipRect(r);
        p.fillRect(r, resolveColor(c.backColor, grid.palette()));
        p.setPen(resolveColor(c.foreColor, grid.palette()));
        const bool missingSoftHyphen = c.caption == QString(QChar(0xAD)) && !hasSoftHyphen;
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, missingSoftHyphen ? QString(QChar(0x20AC)) : c.caption);
        p.setPen(grid.palette().color(QPalette::Shadow));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.restore();
    }
    return image;
}

QImage drawn(FontMapGrid &grid)
{
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestFontMapGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void glyphStaysInItsCell_data();
    void glyphStaysInItsCell();
    void captionsLookAsText_data();
    void captionsLookAsText();
    void cellsRepaintedAloneLeaveTheirNeighbours_data();
    void cellsRepaintedAloneLeaveTheirNeighbours();
};

void TestFontMapGrid::glyphStaysInItsCell_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("cell");
    QTest::newRow("36 points, inside") << 36 << 30;
    QTest::newRow("72 points, inside") << 72 << 100;
    QTest::newRow("72 points, corner") << 72 << 0;
    QTest::newRow("72 points, last") << 72 << 223;
}

void TestFontMapGrid::glyphStaysInItsCell()
{
    QFETCH(int, pointSize);
    QFETCH(int, cell);
    FontMapGrid grid;
    grid.resize(761, 245);
    grid.setCellGeometries(MapSizeSteps::designedCells());
    grid.setCellFont(QFont(QStringLiteral("DejaVu Sans"), pointSize), FontCharset::Ansi);
    for (int i = 0; i < FontMapGrid::kCells; ++i)
        grid.setBorderStyle(i, 0);
    // A glyph far larger than its 28-pixel cell, with ink on every side.
    grid.setCaption(cell, QStringLiteral("\u00C5"));

    const QImage image = grid.grab().toImage();
    const QRect own = grid.cellRect(cell);
    const QRgb background = image.pixel(grid.cellRect(cell == 0 ? 1 : 0).topLeft() + QPoint(1, 1));
    int inked = 0;
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        const QRect r = grid.cellRect(i);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const bool differs = image.pixel(x, y) != background;
                if (own.contains(x, y))
                    inked += differs ? 1 : 0;
                else
                    QVERIFY2(!differs, qPrintable(QStringLiteral("cell %1 at %2,%3").arg(i).arg(x).arg(y)));
            }
        }
    }
    QVERIFY(inked > 0);
}

void TestFontMapGrid::captionsLookAsText_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<FontCharset>("charset");
    QTest::newRow("small") << "Liberation Sans" << 8 << FontCharset::Ansi;
    QTest::newRow("larger than a cell") << "DejaVu Serif" << 30 << FontCharset::Ansi;
    QTest::newRow("symbol font") << "Quorvil Symbol Test" << 12 << FontCharset::Symbol;
    QTest::newRow("characters the font lacks") << "Quorvil Bold Only" << 12 << FontCharset::Ansi;
}

void TestFontMapGrid::captionsLookAsText()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(FontCharset, charset);
    FontMapGrid grid;
    grid.resize(761, 245);
    grid.setCellGeometries(MapSizeSteps::designedCells());
    for (int i = 0; i < FontMapGrid::kCells; ++i)
        grid.setCaption(i, QString(charForCode(quint8(i + 32), charset)));
    grid.setCellFont(QFont(QStringLiteral("DejaVu Sans"), 10), FontCharset::Ansi);
    QCOMPARE(drawn(grid), drawnAsText(grid));

    // A new font and new captions: nothing of the old glyphs stays.
    grid.setCellFont(QFont(family, points), charset);
    grid.setCaption(33, QString(charForCode(quint8(90), charset)));
    grid.setForeColor(40, rgbColor(255, 0, 0));
    QCOMPARE(drawn(grid), drawnAsText(grid));
}

void TestFontMapGrid::cellsRepaintedAloneLeaveTheirNeighbours_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("backwards"); // the pointer moves up and left: each cell after those below it
    // 34 points: a first run on a 1920-pixel screen, where the broken bar and the cedilla reach
    // the bottom edges of their cells; at 72 points every letter runs over every edge.
    for (int points : {34, 72}) {
        for (bool grid : {true, false}) {
            for (bool backwards : {false, true})
                QTest::addRow("%d points, grid %s, %s", points, grid ? "on" : "off", backwards ? "backwards" : "forwards")
                    << points << grid << backwards;
        }
    }
}

void TestFontMapGrid::cellsRepaintedAloneLeaveTheirNeighbours()
{
    // The cells of size step 24 (51 pixels square). The pointer passes over every cell with the
    // highlight on, so each cell in turn is repainted alone, twice. What the screen then shows is
    // what a full repaint draws: no cell's letter or back colour is left over another's.
    QFETCH(int, points);
    QFETCH(bool, grid);
    QFETCH(bool, backwards);
    FontMapGrid map;
    MapSizeSteps::Cells cells = MapSizeSteps::designedCells(0);
    MapSizeSteps::resizeCells(cells, 23, 15, 15);
    map.setCellGeometries(cells);
    const QRect last = map.cellRect(FontMapGrid::kCells - 1);
    map.resize(last.right() + 1, last.bottom() + 1);
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        map.setCaption(i, QString(charForCode(quint8(i + 32), FontCharset::Ansi)));
        map.setBorderStyle(i, grid ? 1 : 0);
    }
    map.setCellFont(QFont(QStringLiteral("Liberation Sans"), points), FontCharset::Ansi);
    map.show();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    for (int n = 0; n < FontMapGrid::kCells; ++n) {
        const int i = backwards ? FontMapGrid::kCells - 1 - n : n;
        map.setForeColor(i, kWindowBackground);
        map.setBackColor(i, kWindowText);
        QCoreApplication::processEvents();
        map.setForeColor(i, kWindowText);
        map.setBackColor(i, kWindowBackground);
        QCoreApplication::processEvents();
    }
    const QImage shown = map.screen()->grabWindow(map.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage full = drawn(map);
    QCOMPARE(shown.size(), full.size());
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        const QRect r = map.cellRect(i);
        QVERIFY2(shown.copy(r) == full.copy(r), qPrintable(QStringLiteral("cell %1").arg(i)));
    }
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestFontMapGrid, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-bold-only.ttf"))
#include "tst_fontmapgrid.moc"
