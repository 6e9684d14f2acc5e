#include "support/MainWindowFixture.h"
#include "fontmap/FontChoice.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "core/Registry.h"
#include "core/SettingsLayout.h"
#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/MainMenu.h"
#include "widgets/ToolBar.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRawFont>
#include <QSlider>
#include <QTextDocument>

namespace {

const QString kBoldOnly = QStringLiteral("Quorvil Bold Only");
const QString kSymbol = QStringLiteral("Quorvil Symbol Test");
const QString kPlain = QStringLiteral("DejaVu Sans");

const QStringList kStyleKeys = {QStringLiteral("Bold"), QStringLiteral("Italic"), QStringLiteral("Underline"),
                                QStringLiteral("Strikethrough")};
const QStringList kAlignKeys = {QStringLiteral("AlignLeft"), QStringLiteral("CenterText"),
                                QStringLiteral("AlignRight")};

void store(MainWindowFixture &f, const QString &name, const RegData &data)
{
    QVERIFY(f.registry.setValue(SettingsLayout::keyPath(QStringLiteral("TextBoard")), name, data));
}

RegData dword(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xFF);
    return RegData{REG_DWORD, b};
}

bool styleOf(const QFont &f, int style)
{
    switch (style) {
    case TextBoardFormat::Bold: return f.weight() >= 600;
    case TextBoardFormat::Italic: return f.italic();
    case TextBoardFormat::Underline: return f.underline();
    default: return f.strikeOut();
    }
}

QStringList pressedAlignButtons(ToolBar *tb)
{
    QStringList pressed;
    for (const QString &key : kAlignKeys) {
        if (tb->value(key))
            pressed.append(key);
    }
    return pressed;
}

// Everything Format > Font may change, to compare before and after.
struct FormatSnapshot
{
    QString font;
    QString tbFontName;
    int fontIndex = 0;
    int size = 0;
    std::array<int, 4> stored{};
    QList<int> buttons;
    QList<bool> enabled;
    ColorValue color = 0;
    int alignment = 0;
    QFont boardFont;
    QFont zoomFont;

    static FormatSnapshot of(MainWindowFixture &f)
    {
        FormatSnapshot s;
        QuorvilControls &c = f.controls();
        s.font = c.FontNameCombo->currentText();
        s.tbFontName = f.state().fontMap.TBFontName();
        s.fontIndex = f.state().fontMap.FontIndex();
        s.size = c.FontSizeSlider->value();
        s.stored = f.window().textBoardFont().styleFlags();
        for (const QString &key : kStyleKeys) {
            s.buttons.append(c.FontFormatTB->value(key));
            s.enabled.append(c.FontFormatTB->isButtonEnabled(key));
        }
        s.color = foreColor(c.TextBoard);
        s.alignment = c.TextBoard->Alignment();
        s.boardFont = c.TextBoard->font();
        s.zoomFont = c.TextZoom->font();
        return s;
    }

    bool operator==(const FormatSnapshot &) const = default;
};

} // namespace

class TestTextBoardFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startupAppliesTheStoredFormat();
    void forcedBoldComesBackAsTheStoredChoice_data();
    void forcedBoldComesBackAsTheStoredChoice();
    void cellsZoomAndFindBox();
    void alignment_data();
    void alignment();
    void alignmentCommands_data();
    void alignmentCommands();
    void styleCommandsToggle_data();
    void styleCommandsToggle();
    void formatMenuOnOpening();
    void formatFontAppliesTheChoice();
    void formatFontCancelledChangesNothing();
    void formatFontColourOnlyStillReappliesTheFont();
    void textColor_data();
    void textColor();
    void selectFontInCombo();
    void symbolFontKeepsEveryCode();
};

void TestTextBoardFormat::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestTextBoardFormat::startupAppliesTheStoredFormat()
{
    MainWindowFixture f;
    store(f, QStringLiteral("FontName"), RegData{REG_SZ, kPlain.toUtf8()});
    store(f, QStringLiteral("Bold"), dword(1));
    store(f, QStringLiteral("Underline"), dword(1));
    store(f, QStringLiteral("Alignment"), dword(2));
    store(f, QStringLiteral("FontColorIndex"), dword(9));
    store(f, QStringLiteral("FontColorName"), RegData{REG_SZ, "Blue"});
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();

    QCOMPARE(c.FontFormatTB->value(QStringLiteral("Bold")), 1);
    QCOMPARE(c.FontFormatTB->value(QStringLiteral("Italic")), 0);
    QCOMPARE(c.FontFormatTB->value(QStringLiteral("Underline")), 1);
    QVERIFY(styleOf(c.TextBoard->font(), TextBoardFormat::Bold));
    QVERIFY(!styleOf(c.TextBoard->font(), TextBoardFormat::Italic));
    QVERIFY(c.TextBoard->font().underline());
    QCOMPARE(c.TextBoard->Alignment(), 2);
    QCOMPARE(pressedAlignButtons(c.TextAlignTB), QStringList{QStringLiteral("CenterText")});
    QCOMPARE(foreColor(c.TextBoard), QBColor(9));
    QCOMPARE(c.FontFormatTB->buttonImage(QStringLiteral("Color")), QStringLiteral("10"));
    QCOMPARE(c.FontSizeNumber->text(), QString::number(c.FontSizeSlider->value()));
}

void TestTextBoardFormat::forcedBoldComesBackAsTheStoredChoice_data()
{
    QTest::addColumn<int>("stored");
    QTest::newRow("stored off") << 0;
    QTest::newRow("stored on") << 1;
}

void TestTextBoardFormat::forcedBoldComesBackAsTheStoredChoice()
{
    QFETCH(int, stored);
    MainWindowFixture f;
    store(f, QStringLiteral("FontName"), RegData{REG_SZ, kPlain.toUtf8()});
    store(f, QStringLiteral("Bold"), dword(stored));
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    ToolBar *tb = c.FontFormatTB;
    TextBoardFormat &format = f.window().textBoardFormat();

    chooseFont(f, kBoldOnly);
    QCOMPARE(tb->value(QStringLiteral("Bold")), 1);
    QVERIFY(!tb->isButtonEnabled(QStringLiteral("Bold")));
    QVERIFY(tb->isButtonEnabled(QStringLiteral("Italic")));
    QVERIFY(format.textBoardStyle(TextBoardFormat::Bold));
    QCOMPARE(QFontInfo(c.TextBoard->font()).family(), kBoldOnly);
    QVERIFY(QFontInfo(c.TextBoard->font()).bold());
    QCOMPARE(f.window().textBoardFont().styleFlags()[TextBoardFormat::Bold], stored);
    QVERIFY(f.window().commands().isChecked(QStringLiteral("FFontBold")));
    QVERIFY(!f.window().commands().isEnabled(QStringLiteral("FFontBold")));

    chooseFont(f, kPlain);
    QVERIFY(tb->isButtonEnabled(QStringLiteral("Bold")));
    QCOMPARE(tb->value(QStringLiteral("Bold")), stored);
    QCOMPARE(format.textBoardStyle(TextBoardFormat::Bold), stored == 1);
    QCOMPARE(QFontInfo(c.TextBoard->font()).bold(), stored == 1);
    QCOMPARE(f.window().textBoardFont().styleFlags()[TextBoardFormat::Bold], stored);
    QVERIFY(f.window().commands().isEnabled(QStringLiteral("FFontBold")));
}

void TestTextBoardFormat::cellsZoomAndFindBox()
{
    MainWindowFixture f;
    for (const char *name : {"Bold", "Italic", "Underline", "Strikeout"})
        store(f, QString::fromLatin1(name), dword(1));
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    c.FontSizeSlider->setValue(20);
    QFont zoom = c.TextZoom->font();
    zoom.setPointSize(30);
    c.TextZoom->setFont(zoom);
    QFont find = c.FindString->font();
    find.setBold(false);
    c.FindString->setFont(find);

    chooseFont(f, QStringLiteral("DejaVu Serif"));

    const QFont cells = c.FMapContainer->cellFont();
    QCOMPARE(cells.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(cells.pointSize(), 20);
    for (int s = 0; s < 4; ++s) {
        QVERIFY2(!styleOf(cells, s), qPrintable(kStyleKeys[s]));
        QVERIFY2(styleOf(c.TextBoard->font(), s), qPrintable(kStyleKeys[s]));
        QVERIFY2(styleOf(c.TextZoom->font(), s), qPrintable(kStyleKeys[s]));
    }
    QCOMPARE(c.TextBoard->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(c.TextBoard->font().pointSize(), 20);
    QCOMPARE(c.TextZoom->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(c.TextZoom->font().pointSize(), 30);
    QCOMPARE(c.FindString->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(c.FindString->font().pointSize(), 12);
    QVERIFY(!styleOf(c.FindString->font(), TextBoardFormat::Bold));
}

void TestTextBoardFormat::alignment_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("pressed");
    QTest::addColumn<int>("qtAlignment");
    QTest::newRow("0 left") << 0 << QStringList{QStringLiteral("AlignLeft")} << int(Qt::AlignLeft);
    QTest::newRow("1 right") << 1 << QStringList{QStringLiteral("AlignRight")} << int(Qt::AlignRight);
    QTest::newRow("2 centre") << 2 << QStringList{QStringLiteral("CenterText")} << int(Qt::AlignHCenter);
    QTest::newRow("other code") << 5 << QStringList{} << int(Qt::AlignLeft);
}

void TestTextBoardFormat::alignment()
{
    QFETCH(int, code);
    QFETCH(QStringList, pressed);
    QFETCH(int, qtAlignment);
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    // Start from a different alignment, with every button pressed, so each must be released.
    f.window().textBoardFormat().SetTBAlignment(code == 1 ? 2 : 1);
    for (const QString &key : kAlignKeys)
        c.TextAlignTB->setValue(key, 1);

    f.window().textBoardFormat().SetTBAlignment(code);

    QCOMPARE(c.TextBoard->Alignment(), code);
    QCOMPARE(int(c.TextBoard->textAlignment() & Qt::AlignHorizontal_Mask), qtAlignment);
    QCOMPARE(pressedAlignButtons(c.TextAlignTB), pressed);
    QCOMPARE(f.window().commands().isChecked(QStringLiteral("AlignLeft")), code == 0);
    QCOMPARE(f.window().commands().isChecked(QStringLiteral("AlignCenter")), code == 2);
    QCOMPARE(f.window().commands().isChecked(QStringLiteral("AlignRight")), code == 1);
}

void TestTextBoardFormat::alignmentCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("button");
    QTest::newRow("left") << QStringLiteral("AlignLeft") << 0 << QStringLiteral("AlignLeft");
    QTest::newRow("centre") << QStringLiteral("AlignCenter") << 2 << QStringLiteral("CenterText");
    QTest::newRow("right") << QStringLiteral("AlignRight") << 1 << QStringLiteral("AlignRight");
}

void TestTextBoardFormat::alignmentCommands()
{
    QFETCH(QString, item);
    QFETCH(int, code);
    QFETCH(QString, button);
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    f.window().textBoardFormat().SetTBAlignment(code == 1 ? 2 : 1);
    f.window().runCommand(item);
    QCOMPARE(c.TextBoard->Alignment(), code);
    QCOMPARE(pressedAlignButtons(c.TextAlignTB), QStringList{button});
    QVERIFY(f.window().commands().isChecked(item));
    // The alignment is one choice: running the chosen item again keeps it chosen.
    f.window().runCommand(item);
    QCOMPARE(c.TextBoard->Alignment(), code);
    QCOMPARE(pressedAlignButtons(c.TextAlignTB), QStringList{button});
}

void TestTextBoardFormat::styleCommandsToggle_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("style");
    QTest::newRow("bold") << QStringLiteral("FFontBold") << int(TextBoardFormat::Bold);
    QTest::newRow("italic") << QStringLiteral("FFontItalic") << int(TextBoardFormat::Italic);
    QTest::newRow("underline") << QStringLiteral("FFontUnderline") << int(TextBoardFormat::Underline);
    QTest::newRow("strikethrough") << QStringLiteral("FFontStrikethrough") << int(TextBoardFormat::Strikeout);
}

void TestTextBoardFormat::styleCommandsToggle()
{
    QFETCH(QString, item);
    QFETCH(int, style);
    MainWindowFixture f;
    store(f, QStringLiteral("FontName"), RegData{REG_SZ, kPlain.toUtf8()});
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    for (int value : {1, 0}) {
        f.window().runCommand(item);
        QCOMPARE(f.window().textBoardFont().styleFlags()[style], value);
        QCOMPARE(c.FontFormatTB->value(kStyleKeys[style]), value);
        QCOMPARE(styleOf(c.TextBoard->font(), style), value == 1);
        QCOMPARE(styleOf(c.TextZoom->font(), style), value == 1);
        QVERIFY(!styleOf(c.FMapContainer->cellFont(), style));
        QCOMPARE(f.window().commands().isChecked(item), value == 1);
    }
}

void TestTextBoardFormat::formatMenuOnOpening()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    chooseFont(f, kBoldOnly);
    f.window().textBoardFormat().SetTBAlignment(1);
    // The Format menu's items are the buttons: what one shows, the other shows, at every moment.
    c.FontFormatTB->setButtonEnabled(QStringLiteral("Italic"), false);

    Q_EMIT c.menu->menu(QStringLiteral("ItemFormat"))->aboutToShow();

    QVERIFY(f.window().commands().isChecked(QStringLiteral("FFontBold")));
    QVERIFY(!f.window().commands().isEnabled(QStringLiteral("FFontBold")));
    QVERIFY(!f.window().commands().isChecked(QStringLiteral("FFontItalic")));
    QVERIFY(!f.window().commands().isEnabled(QStringLiteral("FFontItalic")));
    QVERIFY(f.window().commands().isEnabled(QStringLiteral("FFontUnderline")));
    QVERIFY(!f.window().commands().isChecked(QStringLiteral("AlignLeft")));
    QVERIFY(f.window().commands().isChecked(QStringLiteral("AlignRight")));

    // A change made on the item's side shows on the button, and back.
    f.window().commands().setEnabled(QStringLiteral("FFontItalic"), true);
    QVERIFY(c.FontFormatTB->isButtonEnabled(QStringLiteral("Italic")));
    c.TextAlignTB->setValue(QStringLiteral("AlignLeft"), 1);
    QVERIFY(f.window().commands().isChecked(QStringLiteral("AlignLeft")));
    QVERIFY(!f.window().commands().isChecked(QStringLiteral("AlignRight")));
}

void TestTextBoardFormat::formatFontAppliesTheChoice()
{
    MainWindowFixture f;
    store(f, QStringLiteral("FontName"), RegData{REG_SZ, kPlain.toUtf8()});
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    c.FontNameCombo->setFocus();
    c.FontSizeSlider->setValue(14);
    f.window().textBoardFormat().SetTBForeColor(QBColor(0));

    f.dialog.confirm([](CommonDialogProperties &d) {
        d.FontName = QStringLiteral("Liberation Serif");
        d.FontSize = 20.5;
        d.FontBold = true;
        d.FontUnderline = true;
        d.Color = QBColor(12);
    });
    f.window().runCommand(QStringLiteral("FormatFont"));

    QCOMPARE(f.dialog.count(), 1);
    const FakeCommonDialog::Shown &shown = f.dialog.shown().first();
    QCOMPARE(shown.kind, FakeCommonDialog::Kind::Font);
    QVERIFY(shown.properties.CancelError);
    QCOMPARE(shown.properties.Flags, 0x12101);
    QCOMPARE(shown.properties.Min, 8);
    QCOMPARE(shown.properties.Max, 36);
    QCOMPARE(shown.properties.FontName, kPlain);
    QCOMPARE(shown.properties.FontSize, 14.0);
    QVERIFY(!shown.properties.FontBold);
    QVERIFY(!shown.properties.FontUnderline);
    QCOMPARE(shown.properties.Color, QBColor(0));

    QCOMPARE(c.FontNameCombo->currentText(), QStringLiteral("Liberation Serif"));
    QCOMPARE(f.state().fontMap.TBFontName(), QStringLiteral("Liberation Serif"));
    QCOMPARE(f.state().fontMap.FontIndex(), c.FontNameCombo->currentIndex() + 1);
    QCOMPARE(c.TextBoard->font().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(c.FMapContainer->cellFont().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(c.FontSizeSlider->value(), 20); // 20.5 rounds to the even number
    QCOMPARE(c.TextBoard->font().pointSize(), 20);
    QCOMPARE(c.FontFormatTB->value(QStringLiteral("Bold")), 1);
    QCOMPARE(c.FontFormatTB->value(QStringLiteral("Underline")), 1);
    QCOMPARE(c.FontFormatTB->value(QStringLiteral("Italic")), 0);
    QCOMPARE(f.window().textBoardFont().styleFlags(), (std::array<int, 4>{1, 0, 1, 0}));
    QVERIFY(styleOf(c.TextBoard->font(), TextBoardFormat::Bold));
    QVERIFY(c.TextBoard->font().underline());
    QCOMPARE(foreColor(c.TextBoard), QBColor(12));
    QCOMPARE(f.window().textBoardFont().colorIndex(), 12);
    QCOMPARE(f.window().textBoardFont().colorName(), QStringLiteral("Red"));
    QCOMPARE(c.FontFormatTB->buttonImage(QStringLiteral("Color")), QStringLiteral("13"));
    QTRY_VERIFY(c.TextBoard->hasFocus());
}

void TestTextBoardFormat::formatFontCancelledChangesNothing()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    c.FontNameCombo->setFocus();
    QTRY_VERIFY(c.FontNameCombo->hasFocus());
    c.FontFormatTB->setValue(QStringLiteral("Italic"), 1); // a re-fonting would release it
    const FormatSnapshot before = FormatSnapshot::of(f);

    f.dialog.cancel();
    f.window().runCommand(QStringLiteral("FormatFont"));

    QCOMPARE(f.dialog.count(), 1);
    QVERIFY(FormatSnapshot::of(f) == before);
    QVERIFY(c.FontNameCombo->hasFocus());
}

void TestTextBoardFormat::formatFontColourOnlyStillReappliesTheFont()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    c.FontFormatTB->setValue(QStringLiteral("Italic"), 1); // not backed by the stored flag
    f.dialog.confirm([](CommonDialogProperties &d) { d.Color = QBColor(2); });
    f.window().runCommand(QStringLiteral("FormatFont"));
    QCOMPARE(c.FontFormatTB->value(QStringLiteral("Italic")), 0);
    QCOMPARE(foreColor(c.TextBoard), QBColor(2));
    QCOMPARE(f.window().textBoardFont().colorName(), QStringLiteral("Green"));
}

void TestTextBoardFormat::textColor_data()
{
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("Grey") << QBColor(8) << 8 << QStringLiteral("Grey");
    QTest::newRow("White") << QBColor(15) << 15 << QStringLiteral("White");
    QTest::newRow("not a QB colour") << rgbColor(1, 2, 3) << 4 << QStringLiteral("Maroon");
}

void TestTextBoardFormat::textColor()
{
    QFETCH(ColorValue, color);
    QFETCH(int, index);
    QFETCH(QString, name);
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    globals().gToolTips = true;
    TextBoardFormat &format = f.window().textBoardFormat();
    format.SetTBForeColor(QBColor(4));

    format.SetTBForeColor(color);

    QCOMPARE(foreColor(c.TextBoard), color);
    QCOMPARE(f.window().textBoardFont().colorIndex(), index);
    QCOMPARE(f.window().textBoardFont().colorName(), name);
    QCOMPARE(c.FontFormatTB->buttonImage(QStringLiteral("Color")), QString::number(index + 1));
    QCOMPARE(c.FontFormatTB->buttonToolTip(QStringLiteral("Color")),
             QStringLiteral("Set TextBoard Font Color (Currently ") + name + QLatin1Char(')'));
}

void TestTextBoardFormat::selectFontInCombo()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    f.window().fontChoice().SelectFontInCombo(QStringLiteral("DejaVu Serif"));
    QCOMPARE(c.FontNameCombo->currentText(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.state().fontMap.TBFontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.state().fontMap.FontIndex(), c.FontNameCombo->currentIndex() + 1);

    c.FontNameCombo->setCurrentIndex(0); // moved away without a choice
    f.window().fontChoice().SelectFontInCombo(QStringLiteral("No Such Font"));
    QCOMPARE(c.FontNameCombo->currentText(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.state().fontMap.TBFontName(), QStringLiteral("DejaVu Serif"));
}

void TestTextBoardFormat::symbolFontKeepsEveryCode()
{
    MainWindowFixture f;
    store(f, QStringLiteral("FontName"), RegData{REG_SZ, kPlain.toUtf8()});
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    FontMapGrid *grid = c.FMapContainer;
    c.TextBoard->setText(QStringLiteral("AB\r\n\u00e9\u20ac"));
    c.TextBoard->setSelStart(1);
    c.TextBoard->setSelLength(3);
    f.window().textBoardDocument().setModified(false);
    c.FindString->setText(QStringLiteral("B"));

    chooseFont(f, kSymbol);

    QCOMPARE(grid->charset(), FontCharset::Symbol);
    for (int i = 0; i < FontMapGrid::kCells; ++i)
        QCOMPARE(grid->cell(i).caption, QString(QChar(char16_t(0xF020 + i))));
    QCOMPARE(f.state().fontMap.codeTable().at('A' - 32, CodeTable::KeyStroke), QString(QChar(char16_t(0xF041))));
    QCOMPARE(f.state().fontMap.codeTable().at(0, CodeTable::KeyStroke), QStringLiteral("Space Bar"));
    QCOMPARE(f.state().fontMap.codeTable().at(0x80 - 32, CodeTable::KeyStroke), QStringLiteral("Alt+0128"));
    // The cells draw the symbol font's own glyphs, and nothing from another font.
    QCOMPARE(QFontInfo(grid->cellFont()).family(), kSymbol);
    const QRawFont raw = QRawFont::fromFont(grid->cellFont());
    QVERIFY(raw.glyphIndexesForString(grid->cell('A' - 32).caption).value(0) != 0);
    QCOMPARE(raw.glyphIndexesForString(grid->cell(0x7F - 32).caption).value(0), quint32(0));

    QCOMPARE(c.TextBoard->Text(), QStringLiteral("\uF041\uF042\r\n\uF0E9\uF080"));
    QCOMPARE(c.TextBoard->SelStart(), 1);
    QCOMPARE(c.TextBoard->SelLength(), 3);
    QVERIFY(!f.window().textBoardDocument().TBChanged());
    QCOMPARE(c.FindString->text(), QStringLiteral("\uF042"));

    chooseFont(f, kPlain);

    QCOMPARE(grid->charset(), FontCharset::Ansi);
    QCOMPARE(grid->cell('A' - 32).caption, QStringLiteral("A"));
    QCOMPARE(grid->cell(0x80 - 32).caption, QStringLiteral("\u20ac"));
    QCOMPARE(f.state().fontMap.codeTable().at('A' - 32, CodeTable::KeyStroke), QStringLiteral("A"));
    QCOMPARE(c.TextBoard->Text(), QStringLiteral("AB\r\n\u00e9\u20ac"));
    QCOMPARE(c.FindString->text(), QStringLiteral("B"));
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestTextBoardFormat, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-bold-only.ttf"))
#include "tst_textboardformat.moc"
