// The FontMap grid paints each cell's glyph inside the cell, however large the font.
#include "support/TestMain.h"

#include "fontmap/FontMapGrid.h"

#include <QImage>

class TestFontMapGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void glyphStaysInItsCell_data();
    void glyphStaysInItsCell();
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

QUORVIL_TEST_MAIN(TestFontMapGrid)
#include "tst_fontmapgrid.moc"
