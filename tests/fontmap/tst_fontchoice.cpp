#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"
#include "fontmap/rules/FontMapColors.h"
#include "widgets/ActionCollection.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/FontChoice.h"
#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "widgets/ToolBar.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QSlider>

namespace {

const QString kBoldOnly = QStringLiteral("Quorvil Bold Only");
const QString kSymbol = QStringLiteral("Quorvil Symbol Test");

// A catalog with more families than a 16-bit count can hold.
class ManyFamilies final : public FontCatalog
{
public:
    int enumFontFamilies(const EnumFontFamProc &proc) const override
    {
        auto source = std::make_shared<const FontRecordSource>(QStringLiteral("Same"), [] { return FontRecordPair{}; });
        int result = 1;
        for (int i = 0; i < 40000 && result != 0; ++i) {
            result = proc(EnumLogFont(source), NewTextMetric(source), 4);
            ++m_calls;
        }
        return result;
    }
    std::optional<FontFace> resolvedFace(const QString &) const override { return std::nullopt; }
    FamilyStyles styles(const QString &) const override { return {}; }
    bool hasGlyph(const QString &, QChar) const override { return false; }

    mutable int m_calls = 0;
};

} // namespace

class TestFontChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void entryTextAndType_data();
    void entryTextAndType();
    void countsAddUp();
    void entryDataIndexesItsOwnRecords();
    void savedFontSelected();
    void missingSavedFont_data();
    void missingSavedFont();
    void choosingTheCurrentFontDoesNothing();
    void initialLetterJump_data();
    void initialLetterJump();
    void sizeEdit_data();
    void sizeEdit();
    void sizeEditClosesWhenLeft();
    void findBoxCappedAt12_data();
    void findBoxCappedAt12();
    void draggingShowsTheNumberAndSizesOnRelease();
    void enumerationStopsAtTheCountLimit();
};

void TestFontChoice::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFontChoice::entryTextAndType_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("image");
    QTest::newRow("TrueType") << QStringLiteral("DejaVu Sans") << QStringLiteral("DejaVu Sans4") << QStringLiteral("TT");
    QTest::newRow("test font") << kSymbol << kSymbol + QLatin1Char('4') << QStringLiteral("TT");
    QTest::newRow("CFF") << QStringLiteral("C059") << QStringLiteral("C0590") << QStringLiteral("SF");
}

void TestFontChoice::entryTextAndType()
{
    QFETCH(QString, face);
    QFETCH(QString, entry);
    QFETCH(QString, image);
    MainWindowFixture f;
    QVERIFY(f.start());
    QListWidget *list = f.controls().FontList;
    const auto found = list->findItems(entry, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const int position = list->row(found.first());
    QComboBox *combo = f.controls().FontNameCombo;
    QCOMPARE(combo->itemText(position), face);
    QCOMPARE(combo->itemData(position, FontChoice::kImageKeyRole).toString(), image);
    QVERIFY(!combo->itemIcon(position).isNull());
}

void TestFontChoice::countsAddUp()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    const GlobalDeclarations &g = globals();
    QListWidget *list = f.controls().FontList;
    int trueType = 0;
    for (int i = 0; i < list->count(); ++i)
        trueType += list->item(i)->text().endsWith(QLatin1Char('4')) ? 1 : 0;
    QVERIFY(g.gFontCount > 10);
    QCOMPARE(list->count(), g.gFontCount);
    QCOMPARE(f.controls().FontNameCombo->count(), g.gFontCount);
    QCOMPARE(g.gTTFontCount, trueType);
    QVERIFY(g.gSysFontCount > 0); // the CFF families of fonts-urw-base35
    QCOMPARE(g.gTTFontCount + g.gSysFontCount, g.gFontCount);
    QCOMPARE(g.gFontLF.columnCount(), g.gFontCount);
    QCOMPARE(g.gFontTM.columnCount(), g.gFontCount);
}

void TestFontChoice::entryDataIndexesItsOwnRecords()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    const GlobalDeclarations &g = globals();
    QListWidget *list = f.controls().FontList;
    QSet<int> numbers;
    for (int i = 0; i < list->count(); ++i) {
        const QString entry = list->item(i)->text();
        const int n = list->item(i)->data(FontChoice::kFontNumberRole).toInt();
        numbers.insert(n);
        QCOMPARE(g.gFontLF.value(LogFontRecord::FaceName, n).toString(), entry.chopped(1));
        // The type digit and the font's own record agree on TrueType.
        const bool trueTypeRecord = g.gFontTM.value(TextMetricRecord::PitchAndFamily, n).toInt()
                                    & FontRecordValues::kTmpfTrueType;
        QCOMPARE(trueTypeRecord, entry.endsWith(QLatin1Char('4')));
    }
    QCOMPARE(numbers.size(), list->count());
}

void TestFontChoice::savedFontSelected()
{
    MainWindowFixture f;
    setSavedFont(f, QStringLiteral("DejaVu Serif"));
    MessageDriver driver;
    QVERIFY(f.start());
    QCOMPARE(driver.count(), 0);
    QComboBox *combo = f.controls().FontNameCombo;
    QCOMPARE(combo->currentText(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.state().fontMap.FontIndex(), combo->currentIndex() + 1);
    QCOMPARE(f.window().fontChoice().GetLastFontIndex(), f.state().fontMap.FontIndex());
    QCOMPARE(f.controls().TextBoard->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.controls().FMapContainer->cellFont().family(), QStringLiteral("DejaVu Serif"));

    FontChoice &choice = f.window().fontChoice();
    QVERIFY(choice.FontInCombo(QStringLiteral("Liberation Mono")));
    QCOMPARE(combo->itemText(f.state().fontMap.FontIndex() - 1), QStringLiteral("Liberation Mono"));
    QCOMPARE(combo->currentText(), QStringLiteral("DejaVu Serif")); // found, not selected
    const int index = f.state().fontMap.FontIndex();
    QVERIFY(!choice.FontInCombo(QStringLiteral("liberation mono"))); // exact names only
    QCOMPARE(f.state().fontMap.FontIndex(), index);
}

void TestFontChoice::missingSavedFont_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestFontChoice::missingSavedFont()
{
    QFETCH(bool, yes);
    MainWindowFixture f;
    setSavedFont(f, QStringLiteral("No Such Font"));
    const QByteArray before = TestEnvironment::settingsBytes();
    MessageDriver driver;
    if (yes)
        driver.yes();
    else
        driver.no();
    QCOMPARE(f.start(), yes);

    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Font Initialization Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rThe font last used by Quorvil is unavailable.\r\r"
                                                "Continue Loading?\r\r"
                                                "\u2022 Press Yes to load Quorvil with a default font.\r"
                                                "\u2022 Press No to terminate loading."));
    QCOMPARE(driver.last().buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QCOMPARE(driver.last().focused, QStringLiteral("Button1"));
    QVERIFY(!driver.last().checkBoxVisible);

    if (!yes) {
        QVERIFY(f.window().ended());
        QCOMPARE(TestEnvironment::settingsBytes(), before);
        return;
    }
    QComboBox *combo = f.controls().FontNameCombo;
    const QString first = combo->itemText(0);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(f.state().fontMap.FontIndex(), 1);
    QCOMPARE(f.state().fontMap.TBFontName(), QStringLiteral("No Such Font"));
    QCOMPARE(f.window().fontChoice().GetLastFontIndex(), 0);
    QCOMPARE(f.controls().TextBoard->font().family(), first);
    // The saved name differs from every item, so choosing even the first one applies it.
    f.controls().FontFormatTB->setValue(QStringLiteral("Italic"), 1);
    chooseFont(f, first);
    QCOMPARE(f.state().fontMap.TBFontName(), first);
    QCOMPARE(f.controls().FontFormatTB->value(QStringLiteral("Italic")), 0);
}

void TestFontChoice::choosingTheCurrentFontDoesNothing()
{
    // A re-fonting sets the style buttons back to the stored flags; a pressed button that the
    // flags do not back shows whether one ran.
    MainWindowFixture f;
    QVERIFY(f.start());
    ToolBar *tb = f.controls().FontFormatTB;
    const QString current = f.controls().FontNameCombo->currentText();
    QCOMPARE(f.window().textBoardFont().styleFlags()[TextBoardFormat::Underline], 0);
    tb->setValue(QStringLiteral("Underline"), 1);
    chooseFont(f, current);
    QCOMPARE(tb->value(QStringLiteral("Underline")), 1);
    chooseFont(f, QStringLiteral("DejaVu Serif"));
    QCOMPARE(tb->value(QStringLiteral("Underline")), 0);
    QCOMPARE(f.state().fontMap.TBFontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.state().fontMap.FontIndex(), f.controls().FontNameCombo->currentIndex() + 1);
    QCOMPARE(f.controls().TextBoard->font().family(), QStringLiteral("DejaVu Serif"));
}

void TestFontChoice::initialLetterJump_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("selectOtherFirst"); // the selection moved without a click before the key
    QTest::addColumn<QString>("expected");       // empty: the font the window started with

    QTest::newRow("L") << QStringLiteral("L") << false << QStringLiteral("Liberation Mono");
    QTest::newRow("lower-case l") << QStringLiteral("l") << false << QStringLiteral("Liberation Mono");
    QTest::newRow("q") << QStringLiteral("q") << false << kBoldOnly;
    QTest::newRow("B, no face") << QStringLiteral("B") << false << QString();
    QTest::newRow("digit") << QStringLiteral("7") << true << QString();
    QTest::newRow("space") << QStringLiteral(" ") << true << QString();
    QTest::newRow("[") << QStringLiteral("[") << true << QString();
}

void TestFontChoice::initialLetterJump()
{
    QFETCH(QString, key);
    QFETCH(bool, selectOtherFirst);
    QFETCH(QString, expected);
    MainWindowFixture f;
    setSavedFont(f, QStringLiteral("DejaVu Sans"));
    QVERIFY(f.start());
    QComboBox *combo = f.controls().FontNameCombo;
    for (int i = 0; i < combo->count(); ++i)
        QVERIFY(!combo->itemText(i).startsWith(QLatin1Char('B'), Qt::CaseInsensitive));
    const QString start = combo->currentText();
    QCOMPARE(start, QStringLiteral("DejaVu Sans"));
    if (expected.isEmpty())
        expected = start;
    if (selectOtherFirst)
        combo->setCurrentIndex(combo->findText(QStringLiteral("C059")));
    ToolBar *tb = f.controls().FontFormatTB;
    tb->setValue(QStringLiteral("Underline"), 1);

    QTest::keyClick(combo, key.at(0).toLatin1());

    QCOMPARE(combo->currentText(), expected);
    QCOMPARE(f.state().fontMap.TBFontName(), expected);
    QCOMPARE(f.state().fontMap.FontIndex(), combo->currentIndex() + 1);
    QCOMPARE(f.controls().TextBoard->font().family(), expected);
    const bool applied = expected != start;
    QCOMPARE(tb->value(QStringLiteral("Underline")), applied ? 0 : 1);
}

void TestFontChoice::sizeEdit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("40") << QStringLiteral("40") << int(Qt::Key_Return) << 36;
    QTest::newRow("5") << QStringLiteral("5") << int(Qt::Key_Return) << 8;
    QTest::newRow("12.5") << QStringLiteral("12.5") << int(Qt::Key_Enter) << 12;
    QTest::newRow("13.5") << QStringLiteral("13.5") << int(Qt::Key_Return) << 14;
    QTest::newRow("99999") << QStringLiteral("99999") << int(Qt::Key_Return) << 36;
    QTest::newRow("not a number") << QStringLiteral("abc") << int(Qt::Key_Return) << 20;
    QTest::newRow("Esc") << QStringLiteral("30") << int(Qt::Key_Escape) << 20;
}

void TestFontChoice::sizeEdit()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, expected);
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    c.FontSizeSlider->setValue(20);
    QTest::mouseClick(c.FontSizeNumber, Qt::LeftButton);
    QVERIFY(c.FontSizeEdit->isVisible());
    QCOMPARE(c.FontSizeEdit->text(), QStringLiteral("20"));
    QCOMPARE(c.FontSizeEdit->selectedText(), QStringLiteral("20"));

    QTest::keyClicks(c.FontSizeEdit, typed);
    QCOMPARE(c.FontSizeEdit->text(), typed);
    QTest::keyClick(c.FontSizeEdit, Qt::Key(key));

    QVERIFY(!c.FontSizeEdit->isVisible());
    QCOMPARE(c.FontSizeSlider->value(), expected);
    QCOMPARE(c.FontSizeNumber->text(), QString::number(expected));
    QCOMPARE(c.FMapContainer->cellFont().pointSize(), expected);
    QCOMPARE(c.TextBoard->font().pointSize(), expected);
}

void TestFontChoice::sizeEditClosesWhenLeft()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    c.FontSizeSlider->setValue(20);
    QTest::mouseClick(c.FontSizeNumber, Qt::LeftButton);
    QTRY_VERIFY(c.FontSizeEdit->hasFocus());
    QTest::keyClicks(c.FontSizeEdit, QStringLiteral("30"));
    c.TextBoard->setFocus();
    QTRY_VERIFY(!c.FontSizeEdit->isVisible());
    QCOMPARE(c.FontSizeSlider->value(), 20);
}

void TestFontChoice::findBoxCappedAt12_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("findSize");
    QTest::newRow("10") << 10 << 10;
    QTest::newRow("12") << 12 << 12;
    QTest::newRow("13") << 13 << 12;
    QTest::newRow("20") << 20 << 12;
}

void TestFontChoice::findBoxCappedAt12()
{
    QFETCH(int, size);
    QFETCH(int, findSize);
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    c.FontSizeSlider->setValue(size == 20 ? 21 : 20); // always a change
    c.FontSizeSlider->setValue(size);
    QCOMPARE(c.FMapContainer->cellFont().pointSize(), size);
    QCOMPARE(c.TextBoard->font().pointSize(), size);
    QCOMPARE(c.FindString->font().pointSize(), findSize);
    QCOMPARE(c.FontSizeNumber->text(), QString::number(size));
}

void TestFontChoice::draggingShowsTheNumberAndSizesOnRelease()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    c.FontSizeSlider->setValue(20);
    // The thumb is dragged as the mouse does it: pressed, moved, let go.
    c.FontSizeSlider->setSliderDown(true);
    c.FontSizeSlider->setSliderPosition(30);
    QCOMPARE(c.FontSizeNumber->text(), QStringLiteral("30"));
    QCOMPARE(c.TextBoard->font().pointSize(), 20);
    QCOMPARE(c.FMapContainer->cellFont().pointSize(), 20);
    c.FontSizeSlider->setSliderDown(false);
    QCOMPARE(c.FontSizeSlider->value(), 30);
    QCOMPARE(c.TextBoard->font().pointSize(), 30);
    QCOMPARE(c.FMapContainer->cellFont().pointSize(), 30);
    QCOMPARE(c.FindString->font().pointSize(), 12);
}

void TestFontChoice::enumerationStopsAtTheCountLimit()
{
    QMainWindow window;
    ActionCollection commands;
    QuorvilControls c = buildQuorvilControls(&window, commands);
    MainState state;
    ManyFamilies catalog;
    Services services;
    services.fonts = &catalog;
    TextBoardFont font;
    FontMapColors colors;
    FontChoice choice(c, state.fontMap, services, font, colors);
    const GlobalDeclarations fresh;

    choice.LoadFonts(c.FontList);

    QCOMPARE(globals().gFontCount, FontChoice::kMaxFonts);
    QCOMPARE(c.FontList->count(), FontChoice::kMaxFonts);
    QCOMPARE(catalog.m_calls, FontChoice::kMaxFonts + 1);
    QCOMPARE(globals().gFontLF.columnCount(), FontChoice::kMaxFonts);
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestFontChoice, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-bold-only.ttf"))
#include "tst_fontchoice.moc"
