#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "core/QBColors.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontMapColors.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/MainMenu.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

// Hover and click on the FontMap through real mouse events on the grid.
class TestFontMapMouse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void hoverFillsViews_data();
    void hoverFillsViews();
    void highlightMovesAndRestores();
    void viewSwitchedOffIsLeftAlone();
    void leftClickTypes();
    void clickReplacesSelection();
    void clickIntoFindBox();
    void fullBoardRefuses();
    void rightAndMiddleInsertNothing();

private:
    void hover(int index);
    void press(int index, Qt::MouseButton button = Qt::LeftButton);
    FontMapGrid *grid() { return m_f->controls().FMapContainer; }

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestFontMapMouse::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
    for (const char *name : {"ViewZoom", "ViewCode", "ViewKS"})
        m_f->window().commands().setChecked(QString::fromLatin1(name), true);
    // The FontMap in white on navy, so a swap shows.
    FontMapColors &colors = m_f->window().fontMapColors();
    colors.setColors({QBColor(15), 0, 15, QStringLiteral("White")}, {QBColor(1), 0, 1, QStringLiteral("Navy")});
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        grid()->setForeColor(i, QBColor(15));
        grid()->setBackColor(i, QBColor(1));
    }
}

void TestFontMapMouse::cleanup()
{
    m_f.reset();
}

void TestFontMapMouse::hover(int index)
{
    QTest::mouseMove(grid(), grid()->cellRect(index).center());
}

void TestFontMapMouse::press(int index, Qt::MouseButton button)
{
    QTest::mousePress(grid(), button, {}, grid()->cellRect(index).center());
    QTest::mouseRelease(grid(), button, {}, grid()->cellRect(index).center());
}

void TestFontMapMouse::hoverFillsViews_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("shown"); // zoom, dec, hex, oct, bin, keystroke
    QTest::newRow("space") << 32 << QStringList{" ", "32", "20", "40", "100000", "Space Bar"};
    QTest::newRow("A") << 65 << QStringList{"A", "65", "41", "101", "1000001", "A"};
    QTest::newRow("euro") << 128 << QStringList{QString(QChar(0x20AC)), "128", "80", "200", "10000000", "Alt+0128"};
    QTest::newRow("255") << 255 << QStringList{QString(QChar(0xFF)), "255", "FF", "377", "11111111", "Alt+0255"};
}

void TestFontMapMouse::hoverFillsViews()
{
    QFETCH(int, code);
    QFETCH(QStringList, shown);
    const QuorvilControls &c = m_f->controls();
    hover(code - 32);
    QCOMPARE(QStringList({c.TextZoom->text(), c.AscCode->text(), c.HexCode->text(), c.OctCode->text(),
                          c.BinCode->text(), c.KS->text()}),
             shown);
    QCOMPARE(m_f->state().fontMap.LastHoverIndex(), code - 32);
}

void TestFontMapMouse::highlightMovesAndRestores()
{
    m_f->window().commands().setChecked(QStringLiteral("FMHiLite"), true);
    // The first hover restores cell 0 (the initial last-hovered cell) and swaps the new one.
    grid()->setForeColor(0, QBColor(12));
    hover(40);
    QCOMPARE(grid()->cell(0).foreColor, QBColor(15));
    QCOMPARE(grid()->cell(40).foreColor, QBColor(1));
    QCOMPARE(grid()->cell(40).backColor, QBColor(15));

    hover(40); // the same cell again stays highlighted
    QCOMPARE(grid()->cell(40).backColor, QBColor(15));

    hover(41);
    QCOMPARE(grid()->cell(40).foreColor, QBColor(15));
    QCOMPARE(grid()->cell(40).backColor, QBColor(1));
    QCOMPARE(grid()->cell(41).backColor, QBColor(15));

    // With highlighting off, hovering records the cell and changes no colours.
    m_f->window().commands().setChecked(QStringLiteral("FMHiLite"), false);
    grid()->setForeColor(41, QBColor(15));
    grid()->setBackColor(41, QBColor(1));
    hover(100);
    QCOMPARE(grid()->cell(100).backColor, QBColor(1));
    QCOMPARE(m_f->state().fontMap.LastHoverIndex(), 100);
}

void TestFontMapMouse::viewSwitchedOffIsLeftAlone()
{
    const QuorvilControls &c = m_f->controls();
    m_f->window().commands().setChecked(QStringLiteral("ViewCode"), false);
    c.AscCode->setText(QStringLiteral("Off"));
    hover(33);
    QCOMPARE(c.AscCode->text(), QStringLiteral("Off"));
    QCOMPARE(c.KS->text(), QStringLiteral("A"));
}

void TestFontMapMouse::leftClickTypes()
{
    press(65 - 32);
    press(66 - 32);
    QCOMPARE(m_f->controls().TextBoard->Text(), QStringLiteral("AB"));
    QCOMPARE(m_f->controls().TextBoard->SelStart(), 2);
}

void TestFontMapMouse::clickReplacesSelection()
{
    TextBoardEdit *tb = m_f->controls().TextBoard;
    tb->setText(QStringLiteral("abc\r\ndef"));
    tb->setSelStart(1);
    tb->setSelLength(5); // "bc", the line break and "d"
    press(0x2A - 32);
    QCOMPARE(tb->Text(), QStringLiteral("a*ef"));
    QCOMPARE(tb->SelStart(), 2);
}

void TestFontMapMouse::clickIntoFindBox()
{
    m_f->state().textBoard.setFindHasFocus(true);
    press(0x21 - 32);
    press(0x3F - 32);
    QCOMPARE(m_f->controls().FindString->text(), QStringLiteral("!?"));
    QVERIFY(m_f->controls().TextBoard->Text().isEmpty());
}

void TestFontMapMouse::fullBoardRefuses()
{
    TextBoardEdit *tb = m_f->controls().TextBoard;
    tb->setText(QString(61439, QLatin1Char('x')));
    tb->setSelStart(61439);
    press(65 - 32);
    QCOMPARE(tb->length(), 61440);
    press(66 - 32);
    QCOMPARE(tb->length(), 61440);
    QVERIFY(tb->Text().endsWith(QLatin1String("xA")));
}

void TestFontMapMouse::rightAndMiddleInsertNothing()
{
    QMenu *formatMap = m_f->controls().menu->menu(QStringLiteral("FormatFM"));
    press(65 - 32, Qt::MiddleButton);
    QVERIFY(!formatMap->isVisible());
    press(65 - 32, Qt::RightButton);
    QTRY_VERIFY(formatMap->isVisible());
    formatMap->hide();
    QVERIFY(m_f->controls().TextBoard->Text().isEmpty());
}

QUORVIL_TEST_MAIN(TestFontMapMouse)
#include "tst_fontmapmouse.moc"
