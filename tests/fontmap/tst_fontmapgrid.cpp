// The FontMap grid paints each cell's glyph inside the cell, however large the font; it
// draws each caption from the cell font's own glyphs, looked up once: exactly where and as a
// centred line of text in that font is drawn, a symbol font's codes and characters the font
// lacks (its missing-glyph box) included, and again so after the font or a caption changes.
#include "support/TestMain.h"

#include "fontmap/FontMapGrid.h"
#include "widgets/ColorResolve.h"

#include <QImage>
#include <QPainter>
#include <QRawFont>

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

QUORVIL_TEST_MAIN_WITH_FONTS(TestFontMapGrid, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-bold-only.ttf"))
#include "tst_fontmapgrid.moc"
