#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "fontmap/rules/FontMapColors.h"
#include "textboard/TBColorPicker.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorResolve.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <memory>
#include <optional>

namespace {

constexpr ColorValue kSchemeBack = rgbColor(10, 20, 30);

// The caller's side: the current QB colour handed in, then the picker made for this showing
// over a main window whose FontMap shows `schemeColors`.
std::unique_ptr<TBColorPicker> openPicker(int index, const FontMapColors &schemeColors = FontMapColors())
{
    GlobalDeclarations &g = globals();
    g.gColorIndex = index;
    g.gColorValue = colorValueText(QBColor(index));
    g.gColorName = QStringLiteral("as handed in");
    g.gPaletteRef = 7;
    auto picker = std::make_unique<TBColorPicker>(schemeColors);
    picker->show();
    QApplication::setActiveWindow(picker.get());
    return picker;
}

ColorGrid *container(const TBColorPicker &picker)
{
    return picker.findChild<ColorGrid *>(QStringLiteral("ColorContainer"));
}

QString labelText(const TBColorPicker &picker, const char *name)
{
    return picker.findChild<QLabel *>(QString::fromLatin1(name))->text();
}

QPushButton *button(const TBColorPicker &picker, const char *name)
{
    return picker.findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class TestTBColorPicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void design();
    void opensOnTheColourHandedIn();
    void keys_data();
    void keys();
    void grayInThePicker();
    void waysOutWriteNothing_data();
    void waysOutWriteNothing();
    void toolTipsOff();
    void outOfRangeIndex_data();
    void outOfRangeIndex();
    void colorScheme();

private:
    // Each case begins with a fresh program state.
    std::optional<GlobalDeclarations> m_program;
};

void TestTBColorPicker::init()
{
    m_program.emplace();
}

void TestTBColorPicker::design()
{
    auto picker = openPicker(0);
    QCOMPARE(picker->windowTitle(), QStringLiteral("Pick A Color for TextBoard Font"));
    QCOMPARE(picker->size(), QSize(Twips::toQt(5100), Twips::toQt(2355)));
    ColorGrid *grid = container(*picker);
    QCOMPARE(Twips::rect(grid).size(), QSizeF(5070, 1530));
    QCOMPARE(grid->count(), 16);
    // Column 1, row 1 (from 0): left 270 + 585, top 255 + 585; cells 390 square.
    QCOMPARE(grid->cellRect(10), QRect(Twips::toQt(855), Twips::toQt(840), 26, 26));
    QCOMPARE(grid->frameOffsetX(), 105);
    QCOMPARE(grid->frameOffsetY(), 105);
    QCOMPARE(Twips::rect(button(*picker, "Button1")), QRectF(2430, 1995, 1290, 330));
    QCOMPARE(Twips::rect(button(*picker, "Button2")), QRectF(3780, 1995, 1290, 330));
    for (int i = 0; i < 16; ++i)
        QCOMPARE(grid->color(i + 1), QBColor(i));
}

void TestTBColorPicker::opensOnTheColourHandedIn()
{
    auto picker = openPicker(4);
    QCOMPARE(container(*picker)->current(), 5);
    QCOMPARE(labelText(*picker, "CurrentColorLabel"), QStringLiteral("Maroon"));
    QCOMPARE(labelText(*picker, "ColorLabel"), QStringLiteral("Maroon"));
    QCOMPARE(backColor(picker->findChild<QLabel *>(QStringLiteral("CurrentColorBlock"))), QBColor(4));
    QCOMPARE(picker->focusWidget(), container(*picker));
    button(*picker, "Button1")->click();
    QCOMPARE(globals().gColorIndex, 4);
    QCOMPARE(globals().gColorName, QStringLiteral("Maroon"));
    // The reduced exchange: the palette reference and the value stay as they were.
    QCOMPARE(globals().gPaletteRef, 7);
    QCOMPARE(globals().gColorValue, colorValueText(QBColor(4)));
}

void TestTBColorPicker::keys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("selected");   // the cell framed afterwards
    QTest::addColumn<QString>("outcome"); // "open", "OK" or "Cancel"

    QTest::newRow("Up from 2") << 2 << int(Qt::Key_Up) << 9 << "open";
    QTest::newRow("Up from 9") << 9 << int(Qt::Key_Up) << 1 << "open";
    QTest::newRow("Up from 1") << 1 << int(Qt::Key_Up) << 16 << "open";
    QTest::newRow("Down from 8") << 8 << int(Qt::Key_Down) << 16 << "open";
    QTest::newRow("Down from 9") << 9 << int(Qt::Key_Down) << 2 << "open";
    QTest::newRow("Down from 16") << 16 << int(Qt::Key_Down) << 1 << "open";
    QTest::newRow("Left from 1") << 1 << int(Qt::Key_Left) << 16 << "open";
    QTest::newRow("Right from 16") << 16 << int(Qt::Key_Right) << 1 << "open";
    QTest::newRow("Home") << 12 << int(Qt::Key_Home) << 1 << "open";
    QTest::newRow("End") << 3 << int(Qt::Key_End) << 16 << "open";
    QTest::newRow("another key") << 6 << int(Qt::Key_X) << 6 << "open";
    QTest::newRow("Enter") << 6 << int(Qt::Key_Return) << 6 << "OK";
    QTest::newRow("keypad Enter") << 14 << int(Qt::Key_Enter) << 14 << "OK";
    QTest::newRow("Esc") << 6 << int(Qt::Key_Escape) << 6 << "Cancel";
}

void TestTBColorPicker::keys()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, selected);
    QFETCH(QString, outcome);
    auto picker = openPicker(0);
    ColorGrid *grid = container(*picker);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(from).center());
    QTest::keyClick(grid, Qt::Key(key));
    QCOMPARE(grid->current(), selected);
    QCOMPARE(labelText(*picker, "ColorLabel"), grid->name(selected));
    QCOMPARE(picker->isVisible(), outcome == QLatin1String("open"));
    QCOMPARE(picker->result(), outcome == QLatin1String("OK") ? QDialog::Accepted : QDialog::Rejected);
    QCOMPARE(globals().gColorIndex, outcome == QLatin1String("OK") ? selected - 1 : 0);
}

void TestTBColorPicker::grayInThePicker()
{
    auto picker = openPicker(0);
    ColorGrid *grid = container(*picker);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());
    QCOMPARE(labelText(*picker, "ColorLabel"), QStringLiteral("Gray"));
    QCOMPARE(grid->cellToolTip(9), QStringLiteral("Gray"));
    QTest::mouseDClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());
    QVERIFY(!picker->isVisible());
    QCOMPARE(globals().gColorIndex, 8);
    QCOMPARE(globals().gColorName, QStringLiteral("Gray"));
}

void TestTBColorPicker::waysOutWriteNothing_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Esc on a button") << "Esc";
    QTest::newRow("close box") << "close box";
}

void TestTBColorPicker::waysOutWriteNothing()
{
    QFETCH(QString, way);
    auto picker = openPicker(4);
    ColorGrid *grid = container(*picker);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(12).center());
    if (way == QLatin1String("Cancel"))
        button(*picker, "Button2")->click();
    else if (way == QLatin1String("Esc"))
        QTest::keyClick(button(*picker, "Button1"), Qt::Key_Escape);
    else
        picker->close();
    QVERIFY(!picker->isVisible());
    QCOMPARE(globals().gColorIndex, 4);
    QCOMPARE(globals().gColorName, QStringLiteral("as handed in"));
}

void TestTBColorPicker::toolTipsOff()
{
    globals().gToolTips = false;
    auto picker = openPicker(8);
    ColorGrid *grid = container(*picker);
    for (int cell = 1; cell <= 16; ++cell)
        QVERIFY(grid->cellToolTip(cell).isEmpty());
    QVERIFY(button(*picker, "Button1")->toolTip().isEmpty());
    QCOMPARE(labelText(*picker, "CurrentColorLabel"), QStringLiteral("Gray"));
    QCOMPARE(labelText(*picker, "ColorLabel"), QStringLiteral("Gray"));

    globals().gToolTips = true;
    auto shown = openPicker(8);
    QCOMPARE(container(*shown)->cellToolTip(1), QStringLiteral("Black"));
    QCOMPARE(button(*shown, "Button2")->toolTip(), QStringLiteral("Cancel"));
}

void TestTBColorPicker::outOfRangeIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("cell");
    QTest::newRow("99") << 99 << 16;
    QTest::newRow("16") << 16 << 16;
    QTest::newRow("-1") << -1 << 1;
    QTest::newRow("largest stored number") << 2147483647 << 16;
}

void TestTBColorPicker::outOfRangeIndex()
{
    QFETCH(int, index);
    QFETCH(int, cell);
    auto picker = openPicker(index);
    QCOMPARE(container(*picker)->current(), cell);
    QCOMPARE(labelText(*picker, "CurrentColorLabel"), container(*picker)->name(cell));
    button(*picker, "Button2")->click();
    QCOMPARE(globals().gColorIndex, index);
}

void TestTBColorPicker::colorScheme()
{
    globals().gColorScheme = true;
    QCOMPARE(container(*openPicker(0))->containerColor(), kWindowBackground);
    FontMapColors mapColors;
    mapColors.setBack({kSchemeBack, 0, 0, QStringLiteral("#1")});
    QCOMPARE(container(*openPicker(0, mapColors))->containerColor(), kSchemeBack);
    globals().gColorScheme = false;
    QCOMPARE(container(*openPicker(0, mapColors))->containerColor(), systemColor(0));
}

QUORVIL_TEST_MAIN(TestTBColorPicker)
#include "tst_tbcolorpicker.moc"
