#include "support/MessageDriver.h"
#include "support/TestMain.h"
#include "support/ToolsFixture.h"

#include "core/GlobalDeclarations.h"
#include "core/SettingsLayout.h"
#include "tools/FlatScrollBar.h"
#include "tools/FontBrowser.h"
#include "tools/SampleSheetView.h"
#include "tools/rules/SampleSheet.h"
#include "widgets/FontNameBox.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kSymbol = QStringLiteral("Quorvil Symbol Test");
const QString kSans = QStringLiteral("DejaVu Sans");
const QString kSerif = QStringLiteral("DejaVu Serif");

template<typename W>
W *child(const QWidget &parent, const char *name)
{
    auto *w = parent.findChild<W *>(QString::fromLatin1(name));
    Q_ASSERT(w);
    return w;
}

void setSampleText(ToolsFixture &f, const QString &text)
{
    f.registry.plant(SettingsLayout::keyPath(QStringLiteral("FB")), QStringLiteral("SampleText"),
                     RegData{REG_SZ, text.toUtf8()});
}

void pick(FontBrowser &fb, const QString &face)
{
    QListWidget *list = fb.fontListView();
    const auto found = list->findItems(face, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(face));
    list->setCurrentItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void showActive(FontBrowser &fb)
{
    fb.show();
    fb.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fb));
}

// Everything the sheet shows, to compare one moment with another.
struct SheetState
{
    QStringList texts;
    QList<QRectF> places;
    int hValue = 0, vValue = 0, hMax = 0, vMax = 0;
    QString name;
    int namePoints = 0;
    bool operator==(const SheetState &) const = default;
};

SheetState sheetState(const FontBrowser &fb)
{
    SheetState s;
    for (const SampleSheetView::Label &l : fb.samplePlate()->labels()) {
        s.texts << l.text + QLatin1Char('|') + l.font.family();
        s.places << l.twips;
    }
    s.hValue = fb.layout().hScroll().value;
    s.vValue = fb.layout().vScroll().value;
    s.hMax = fb.layout().hScroll().max;
    s.vMax = fb.layout().vScroll().max;
    s.name = child<QLabel>(fb, "FontNameLabel")->text();
    s.namePoints = fb.layout().namePoints();
    return s;
}

} // namespace

class TestFontBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void opensOnTheTextBoardFont();
    void listEntries();
    void counts();
    void setFontOnlyForAnotherFont();
    void pickingTheShownFontChangesNothing();
    void sheetInTheFontAtSevenSizes();
    void sampleText_data();
    void sampleText();
    void sheetCappedAt32767();
    void unknownNameShowsTheCurrentItem();
    void noFontsAtAll();
    void minimumSize();
    void splitBarDragRaisesTheMinimum();
    void scrollBarsMoveTheSheet();
    void setFont_data();
    void setFont();
    void okChangesNothing();
    void toolTipsFollowTheSwitch_data();
    void toolTipsFollowTheSwitch();
};

void TestFontBrowser::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFontBrowser::opensOnTheTextBoardFont()
{
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSerif), kSerif);
    QCOMPARE(fb.windowTitle(), QStringLiteral("Quorvil Font Browser"));
    QCOMPARE(fb.fontListView()->currentItem()->text(), kSerif);
    QVERIFY(fb.fontListView()->currentItem()->isSelected());
    QCOMPARE(fb.CurFont(), kSerif);
    QCOMPARE(fb.InitFontName(), kSerif);
    QCOMPARE(child<QLabel>(fb, "FontNameLabel")->text(), kSerif);
    QVERIFY(!child<QPushButton>(fb, "SetFontButton")->isEnabled());
    QCOMPARE(fb.samplePlate()->label(QStringLiteral("AlphaSample(0)"))->font.family(), kSerif);
    QCOMPARE(fb.layout().sheetPos(), QPointF(0, 0));
    QVERIFY(!fb.chosenFontName());
}

void TestFontBrowser::listEntries()
{
    ToolsFixture f(ToolsFixture::madeUpFamilies(40));
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    QListWidget *list = fb.fontListView();
    QCOMPARE(list->count(), 40);
    for (int i = 0; i < list->count(); ++i) {
        const FontListEntry &entry = f.fontList().at(i);
        QListWidgetItem *item = list->item(i);
        QCOMPARE(item->text(), entry.faceName());
        QCOMPARE(item->data(FontBrowser::kFontNumberRole).toInt(), entry.fontNumber);
        QCOMPARE(item->data(FontNameBox::kImageKeyRole).toString(),
                 entry.text.endsWith(QLatin1Char('4')) ? QStringLiteral("TT") : QStringLiteral("SF"));
        QVERIFY(!item->icon().isNull());
    }
    QVERIFY(f.fontList().at(3).text.endsWith(QLatin1Char('0'))); // the made-up list has both kinds
}

void TestFontBrowser::counts()
{
    ToolsFixture f(ToolsFixture::madeUpFamilies(1000));
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(1, f.fontList().first().faceName());
    showActive(fb);
    // Plain numbers, without digit grouping.
    QCOMPARE(child<QLabel>(fb, "TotalFonts")->text(), QStringLiteral("1000"));
    QCOMPARE(child<QLabel>(fb, "TTFonts")->text(), QStringLiteral("750"));
    QCOMPARE(child<QLabel>(fb, "SysFonts")->text(), QStringLiteral("250"));
    QCOMPARE(fb.layout().prevFormWidth(), fb.formWidth());
    QCOMPARE(fb.layout().prevFormHeight(), fb.formHeight());
}

void TestFontBrowser::setFontOnlyForAnotherFont()
{
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSerif), kSerif);
    auto *setFont = child<QPushButton>(fb, "SetFontButton");
    pick(fb, kSans);
    QVERIFY(setFont->isEnabled());
    QCOMPARE(fb.CurFont(), kSans);
    QCOMPARE(child<QLabel>(fb, "FontNameLabel")->text(), kSans);
    pick(fb, kSerif);
    QVERIFY(!setFont->isEnabled());
    QCOMPARE(fb.CurFont(), kSerif);
}

void TestFontBrowser::pickingTheShownFontChangesNothing()
{
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSerif), kSerif);
    showActive(fb);
    child<FlatScrollBar>(fb, "SHScroll")->setValue(300);
    child<FlatScrollBar>(fb, "SVScroll")->setValue(200);
    const SheetState before = sheetState(fb);
    QCOMPARE(before.hValue, 300);
    pick(fb, kSerif);
    QCOMPARE(sheetState(fb), before);
}

void TestFontBrowser::sheetInTheFontAtSevenSizes()
{
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSymbol), kSymbol);
    const SampleSheetView *sheet = fb.samplePlate();
    const int points[] = {12, 18, 24, 36, 48, 60, 72};
    double previousHeight = 0;
    for (int i = 0; i < 7; ++i) {
        const SampleSheetView::Label *sentence = sheet->label(QStringLiteral("TypeSample(%1)").arg(i));
        const SampleSheetView::Label *number = sheet->label(QStringLiteral("PointSize(%1)").arg(i));
        QCOMPARE(sentence->font.family(), kSymbol);
        QCOMPARE(sentence->font.pointSize(), points[i]);
        QVERIFY(sentence->font.styleStrategy() & QFont::NoFontMerging);
        QVERIFY(!sentence->font.bold() && !sentence->font.italic() && !sentence->font.underline());
        QCOMPARE(number->text, QString::number(points[i]));
        QVERIFY(sentence->twips.height() > previousHeight);
        previousHeight = sentence->twips.height();
    }
    for (int i = 0; i < 3; ++i)
        QCOMPARE(sheet->label(QStringLiteral("AlphaSample(%1)").arg(i))->font.pointSize(), 12);
    QCOMPARE(sheet->dividerX2(), fb.layout().sheetSize().width());
    const SampleSheetView::Label *last = sheet->label(QStringLiteral("TypeSample(6)"));
    QCOMPARE(fb.layout().sheetSize().height(), double(std::lround(last->twips.bottom() + 150)));
}

void TestFontBrowser::sampleText_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString sixty = QStringLiteral("Sphinx of black quartz, judge my vow! 0123456789 abcdefghijk");
    QCOMPARE(sixty.size(), 60);
    QTest::newRow("60 characters") << true << sixty << sixty.left(45);
    QTest::newRow("only spaces") << true << QStringLiteral("    ") << SampleSheet::designSentence();
    QTest::newRow("missing") << false << QString() << SampleSheet::designSentence();
}

void TestFontBrowser::sampleText()
{
    QFETCH(bool, stored);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    ToolsFixture f;
    if (stored)
        setSampleText(f, text);
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSans), kSans);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(fb.samplePlate()->label(QStringLiteral("TypeSample(%1)").arg(i))->text, expected);
}

void TestFontBrowser::sheetCappedAt32767()
{
    // 45 capital Ws at 72 points are far wider than 32,767 twips.
    ToolsFixture f;
    setSampleText(f, QString(45, QLatin1Char('W')));
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSans), kSans);
    QVERIFY(fb.samplePlate()->label(QStringLiteral("TypeSample(6)"))->twips.right() > 32767);
    QCOMPARE(fb.layout().sheetSize().width(), 32767.0);
    QCOMPARE(fb.samplePlate()->dividerX2(), 32767.0);
    QCOMPARE(fb.samplePlate()->width(), 2184); // 32,767 twips at 15 a pixel
}

void TestFontBrowser::unknownNameShowsTheCurrentItem()
{
    // A TextBoard font the list does not hold (the start-up went on with a default font):
    // the browser shows the font the main window shows instead.
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(3, QStringLiteral("No Such Font"));
    const QString third = f.fontList().at(2).faceName();
    QCOMPARE(fb.fontListView()->currentRow(), 2);
    QCOMPARE(fb.CurFont(), third);
    QCOMPARE(fb.samplePlate()->label(QStringLiteral("TypeSample(0)"))->font.family(), third);
    QVERIFY(child<QPushButton>(fb, "SetFontButton")->isEnabled());
}

void TestFontBrowser::noFontsAtAll()
{
    ToolsFixture f(QList<FakeFontCatalog::Family>{});
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(0, QStringLiteral("Arial"));
    QCOMPARE(fb.fontListView()->count(), 0);
    QVERIFY(!fb.fontListView()->currentItem());
    QVERIFY(fb.CurFont().isEmpty());
    showActive(fb);
    QCOMPARE(child<QLabel>(fb, "TotalFonts")->text(), QStringLiteral("0"));
}

void TestFontBrowser::minimumSize()
{
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSans), kSans);
    showActive(fb);
    // 720 x 320 pixels outer, less the frame the window manager draws.
    QCOMPARE(fb.minimumSize(), QSize(712, 290));
    fb.resize(300, 100);
    QCOMPARE(fb.size(), QSize(712, 290));
    QVERIFY(child<QWidget>(fb, "SPlateHolder")->width() > 0);
}

void TestFontBrowser::splitBarDragRaisesTheMinimum()
{
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSans), kSans);
    showActive(fb);
    fb.resize(1000, 600);
    QCOMPARE(fb.width(), 1000);
    QWidget *bar = child<QWidget>(fb, "SplitBar");
    const int left = bar->x();
    fb.SplitBar_MouseMove(Qt::RightButton, 300);
    QCOMPARE(bar->x(), left);
    fb.SplitBar_MouseMove(Qt::LeftButton, 4 + 300);
    QCOMPARE(bar->x(), left + 300);
    // The viewport moved 300 pixels right: the window may no longer get as narrow as before.
    QCOMPARE(fb.minimumWidth(), left + 300 + 4 + 390 - 8);
    fb.resize(700, 600);
    QCOMPARE(fb.width(), fb.minimumWidth());
    QVERIFY(child<QWidget>(fb, "SPlateHolder")->width() > 300);
    QVERIFY(fb.fontListView()->width() > 500);
}

void TestFontBrowser::scrollBarsMoveTheSheet()
{
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSerif), kSerif);
    showActive(fb);
    auto *h = child<FlatScrollBar>(fb, "SHScroll");
    auto *v = child<FlatScrollBar>(fb, "SVScroll");
    QCOMPARE(h->maximum(), fb.layout().hScroll().max);
    QCOMPARE(h->pageStep(), fb.layout().hScroll().largeChange);
    QCOMPARE(h->singleStep(), fb.layout().hScroll().smallChange);
    QVERIFY(h->maximum() > 0 && v->maximum() > 0);
    QCOMPARE(v->arrows(), 2);
    h->setValue(450);
    v->setValue(v->maximum());
    QCOMPARE(fb.samplePlate()->pos(), QPoint(-30, -v->maximum() / 15));
    QCOMPARE(v->arrows(), 1);
    v->setValue(1);
    QCOMPARE(v->arrows(), 0);
    // A taller window shows the whole sheet, from its top.
    fb.resize(fb.width(), 1400);
    QCOMPARE(v->maximum(), 0);
    QCOMPARE(fb.samplePlate()->y(), 0);
}

void TestFontBrowser::setFont_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestFontBrowser::setFont()
{
    QFETCH(bool, yes);
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSerif), kSerif);
    showActive(fb);
    pick(fb, kSymbol);
    MessageDriver driver;
    yes ? driver.yes() : driver.no();
    QTest::mouseClick(child<QPushButton>(fb, "SetFontButton"), Qt::LeftButton);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Set Quorvil Font"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rDo you want to select the font\rQUORVIL SYMBOL TEST\r"
                                                "as the current font for Quorvil?\r\r"
                                                "\u2022 Press Yes to select the font.\r"
                                                "\u2022 Press No to cancel operation."));
    QCOMPARE(driver.last().buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QCOMPARE(driver.last().focused, QStringLiteral("Button1"));
    QCOMPARE(fb.isVisible(), !yes);
    QCOMPARE(fb.chosenFontName().has_value(), yes);
    if (yes) {
        QCOMPARE(*fb.chosenFontName(), kSymbol);
        QVERIFY(fb.CurFont().isEmpty());
    } else {
        QCOMPARE(fb.CurFont(), kSymbol);
    }
}

void TestFontBrowser::okChangesNothing()
{
    ToolsFixture f;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSerif), kSerif);
    showActive(fb);
    pick(fb, kSans);
    QTest::mouseClick(child<QPushButton>(fb, "OkButton"), Qt::LeftButton);
    QVERIFY(!fb.isVisible());
    QVERIFY(!fb.chosenFontName());
    QVERIFY(fb.CurFont().isEmpty());
}

void TestFontBrowser::toolTipsFollowTheSwitch_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestFontBrowser::toolTipsFollowTheSwitch()
{
    QFETCH(bool, on);
    ToolsFixture f;
    globals().gToolTips = on;
    FontBrowser fb(f.services(), f.fontList(), f.fontMapColors);
    fb.FontNameXchg(f.indexOf(kSans), kSans);
    const auto tip = [&](const char *name) { return child<QWidget>(fb, name)->toolTip(); };
    const auto expect = [on](const char *text) { return on ? QString::fromUtf8(text) : QString(); };
    QCOMPARE(tip("OkButton"), expect("Ok"));
    QCOMPARE(tip("SetFontButton"), expect("Set this as Current Font and Exit"));
    QCOMPARE(tip("TotalFonts"), expect("No. of installed fonts"));
    QCOMPARE(tip("TTFonts"), expect("No. of Truetype fonts"));
    QCOMPARE(tip("SysFonts"), expect("No. of System fonts"));
    globals().gToolTips = true;
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestFontBrowser, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"))
#include "tst_fontbrowser.moc"
