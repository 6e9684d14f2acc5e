#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"
#include "support/WhenModal.h"

#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "fontmap/FMColorPalette.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/PaletteCells.h"
#include "textboard/TBColorPicker.h"
#include "textboard/TextBoardEdit.h"
#include "tools/FontMapSampleRow.h"
#include "tools/OptionsDialog.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorResolve.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

namespace {

using Choice = FontMapColors::Choice;
using Act = std::function<void(const OptionsControls &)>;

const QString cr(QLatin1Char('\r'));

// Every stored value of the layout, raw, by key\name.
QMap<QString, std::optional<RegData>> storeValues(Registry &store)
{
    QMap<QString, std::optional<RegData>> values;
    for (const SettingsLayout::Value &v : SettingsLayout::values())
        values.insert(v.key + QLatin1Char('\\') + v.name, store.value(SettingsLayout::keyPath(v.key), v.name));
    return values;
}

// The names whose values differ between two readings.
QStringList differences(const QMap<QString, std::optional<RegData>> &a,
                        const QMap<QString, std::optional<RegData>> &b)
{
    QStringList names;
    for (auto it = a.begin(); it != a.end(); ++it) {
        if (b.value(it.key()) != it.value())
            names << it.key();
    }
    return names;
}

// The user picks a cell on a palette tab and confirms.
std::function<void(FMColorPalette *)> pick(int ref, int cell)
{
    return [ref, cell](FMColorPalette *p) {
        static const char *const grids[] = {"PColorContainer", "SColorContainer", "CColorContainer"};
        p->findChild<QTabBar *>(QStringLiteral("SSTabColor"))->setCurrentIndex(ref);
        p->findChild<ColorGrid *>(QString::fromLatin1(grids[ref]))->setCurrent(cell);
        p->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    };
}

// The pointer moves over a sample cell. (Offscreen, moving the cursor reaches the window below
// the dialog, so the event goes to the row itself.)
void hover(FontMapSampleRow *row, int cell)
{
    const QPoint at = row->cellRect(cell).center();
    QMouseEvent move(QEvent::MouseMove, at, row->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(row, &move);
}

void clickNumber(QLabel *number)
{
    QTest::mouseClick(number, Qt::LeftButton, {}, number->rect().center());
}

} // namespace

Q_DECLARE_METATYPE(Act)

class TestOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void openedByItsCommand_data();
    void openedByItsCommand();
    void showsTheStoreNotTheWindow();
    void noChangeSavesNothing_data();
    void noChangeSavesNothing();
    void setWritesEveryValue();
    void cancelWritesOnlyTempValues();
    void repairedLetterStaysAfterCancel();
    void fontDialog();
    void boldOnlyFontDisablesBold();
    void inlineEdits_data();
    void inlineEdits();
    void keys_data();
    void keys();
    void keyboardOrderPerTab_data();
    void keyboardOrderPerTab();
    void selectedOptionTakesTheTabStop();
    void alignment();
    void textColour();
    void fontMapColours_data();
    void fontMapColours();
    void sampleRow();
    void sampleCellsKeepTheSizeOneFont_data();
    void sampleCellsKeepTheSizeOneFont();
    void sampleHighlightAndGrid();
    void startupMapBrowse();
    void startupMapTickedWithoutMap();
    void sampleTextOfBlanks();
    void toolTips_data();
    void toolTips();
    void twoStarts();

private:
    std::unique_ptr<OptionsDialog> open();
    FMColorPalette *palette() { return m_f->window().findChild<FMColorPalette *>(); }
    // Runs the colour palette with `act` while `click` is clicked.
    void withPalette(QPushButton *click, const std::function<void(FMColorPalette *)> &act);
    QByteArray storeBytes() { return TestEnvironment::settingsBytes(); }
    RegValue stored(const char *key, const char *name);

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestOptions::init()
{
    m_f = std::make_unique<MainWindowFixture>(1024, 768, MainWindowFixture::Store::Seeded,
                                              MainWindowFixture::Fonts::Fake);
    FakeFontCatalog::Family boldOnly;
    boldOnly.name = QStringLiteral("Quorvil Bold Only");
    FontFace bold;
    bold.weight = 700;
    boldOnly.faces = {bold};
    m_f->fakeFonts.addFamily(boldOnly);
    QVERIFY(m_f->start());
    // The palette is built hidden just after the window's first frame.
    QTRY_VERIFY(palette());
}

void TestOptions::cleanup()
{
    m_f.reset();
}

std::unique_ptr<OptionsDialog> TestOptions::open()
{
    auto d = std::make_unique<OptionsDialog>(m_f->services(), *palette(), m_f->window().fontMapColors(), &m_f->window());
    d->show();
    // Offscreen, the main window takes the activation back once it has processed its own.
    QApplication::setActiveWindow(d.get());
    if (!QTest::qWaitForWindowActive(d.get()))
        QTest::qFail("the dialog is not the active window", __FILE__, __LINE__);
    return d;
}

void TestOptions::withPalette(QPushButton *click, const std::function<void(FMColorPalette *)> &act)
{
    auto guard = WhenModal::run<FMColorPalette>([&](FMColorPalette *p) {
        act(p);
        return true;
    });
    click->click();
}

RegValue TestOptions::stored(const char *key, const char *name)
{
    SettingsAccess access(m_f->registry);
    return access.read(QString::fromLatin1(key), QString::fromLatin1(name));
}

void TestOptions::openedByItsCommand_data()
{
    QTest::addColumn<bool>("button");
    QTest::newRow("Tools > Default Options...") << false;
    QTest::newRow("the Opt button") << true;
}

void TestOptions::openedByItsCommand()
{
    QFETCH(bool, button);
    QString title;
    int tab = -1;
    auto guard = WhenModal::run<OptionsDialog>([&](OptionsDialog *d) {
        title = d->windowTitle();
        tab = d->controls().SSTabOption->currentIndex();
        d->controls().cmdCancel->click();
        return true;
    });
    if (button)
        m_f->controls().QrvlDefTB->button(QStringLiteral("Opt"))->trigger();
    else
        m_f->window().commands().trigger(QStringLiteral("ToolsOpt"));
    QCOMPARE(title, QStringLiteral("Default Options"));
    QCOMPARE(tab, 0);
}

void TestOptions::showsTheStoreNotTheWindow()
{
    // The running window changes its views' side, its tooltips and its font size; the stored
    // defaults do not.
    m_f->window().views().setPosition(QStringLiteral("R"));
    m_f->window().toggles().set(Toggles::ToolTips, false);
    m_f->window().textBoardFont().setSize(30);
    const auto d = open();
    const OptionsControls &c = d->controls();
    QVERIFY(c.OVCOnL->isChecked());
    QVERIFY(c.ODisplayTT->isChecked());
    QCOMPARE(c.OFontSizeSlider->value(), std::get<qint32>(stored("TextBoard", "FontSize")));
    QCOMPARE(c.OCurrentFont->text(), std::get<QString>(stored("TextBoard", "FontName")));
}

void TestOptions::noChangeSavesNothing_data()
{
    QTest::addColumn<Act>("act");
    QTest::newRow("nothing done") << Act([](const OptionsControls &) {});
    QTest::newRow("changed and changed back") << Act([](const OptionsControls &c) {
        c.ODisplayCD->click();
        c.ODisplayCD->click();
        const int size = c.OFontSizeSlider->value();
        c.OFontSizeSlider->setValue(size + 3);
        c.OFontSizeSlider->setValue(size);
        c.OVCOnR->click();
        c.OVCOnL->click();
    });
    QTest::newRow("only the zoomed letter") << Act([](const OptionsControls &c) {
        QTest::mouseClick(c.OCharButton, Qt::LeftButton, {}, c.OCharButton->cellRect(7).center());
    });
    QTest::newRow("only the sample row's place")
        << Act([](const OptionsControls &c) { c.OCharButtonScroll->setValue(120); });
}

void TestOptions::noChangeSavesNothing()
{
    QFETCH(Act, act);
    const QByteArray before = storeBytes();
    const auto d = open();
    act(d->controls());
    MessageDriver driver;
    driver.ok();
    d->controls().cmdOK->click();
    QCOMPARE(driver.count(), 1);
    const QString app = globals().gAppName;
    QCOMPARE(driver.last().title, app + QStringLiteral(" User input Error"));
    QCOMPARE(driver.last().text, cr + cr + QStringLiteral("You have not yet made any change in") + cr + app
                                     + QStringLiteral(" default settings.") + cr + cr
                                     + QStringLiteral("Press the 'Set' button after making changes."));
    QCOMPARE(driver.last().buttons.size(), 1);
    QVERIFY(!driver.last().checkBoxVisible);
    QVERIFY(d->isVisible());
    QCOMPARE(d->result(), 0);
    QCOMPARE(storeBytes(), before);
}

void TestOptions::setWritesEveryValue()
{
    // The store as the first run left it, with Hilite as the main window writes it.
    QCOMPARE(stored("FontMap", "Hilite"), RegValue(QStringLiteral("False")));
    const auto d = open();
    const OptionsControls &c = d->controls();
    c.ODisplayCD->click();
    const Settings chosen = d->chosen();
    MessageDriver driver;
    driver.ok();
    c.cmdOK->click();
    const QString app = globals().gAppName;
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, app + QStringLiteral(" Default Settings Changed"));
    QCOMPARE(driver.last().text, cr + cr + cr + QStringLiteral("Changes made in ") + app
                                     + QStringLiteral(" default settings") + cr
                                     + QStringLiteral("will take effect the next time ") + app
                                     + QStringLiteral(" starts."));
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QVERIFY(!d->isVisible());

    QCOMPARE(stored("Options", "CopyDialog"), RegValue(QStringLiteral("False")));
    QCOMPARE(stored("FontMap", "Hilite"), RegValue(QStringLiteral("0")));
    QCOMPARE(stored("Options", "MaximizeTB"), RegValue(QStringLiteral("False")));
    QCOMPARE(stored("FontMap", "InitMapPath"), RegValue(QStringLiteral("None")));
    QCOMPARE(stored("FontMap", "ForeColor"), RegValue(qint32(chosen.FMForeColor)));
    QCOMPARE(stored("Views", "ZoomSize"), RegValue(QString::number(chosen.ZoomSize)));
    for (const char *name : {"FontName", "FontSize", "Bold", "Italic", "Underline", "Strikeout", "Alignment",
                             "FontColorIndex", "FontColorName"}) {
        const SettingsLayout::Value *v = SettingsLayout::find(QStringLiteral("TextBoard"), QString::fromLatin1(name));
        const std::optional<RegData> raw = m_f->registry.value(SettingsLayout::keyPath(v->key), v->name);
        QVERIFY2(raw && raw->type == v->type, name);
    }
}

void TestOptions::cancelWritesOnlyTempValues()
{
    const auto before = storeValues(m_f->registry);
    const auto d = open();
    const OptionsControls &c = d->controls();
    c.ODisplayEW->click();
    c.OFontSizeSlider->setValue(30);
    withPalette(c.ChgFMFColor, pick(PaletteCells::Preset, 27));
    auto picker = WhenModal::run<TBColorPicker>([](TBColorPicker *p) {
        p->findChild<ColorGrid *>(QStringLiteral("ColorContainer"))->setCurrent(5);
        p->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        return true;
    });
    c.ChgTBFColor->click();
    picker.reset();
    c.cmdCancel->click();
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(differences(before, storeValues(m_f->registry)),
             QStringList({"Temp\\FMFColorIndex", "Temp\\FMFColorName", "Temp\\FMFPaletteRef", "Temp\\TBFColorIndex"}));
    QCOMPARE(stored("Temp", "FMFColorIndex"), RegValue(qint32(26)));
    QCOMPARE(stored("Temp", "FMFColorName"), RegValue(QStringLiteral("#27")));
    QCOMPARE(stored("Temp", "TBFColorIndex"), RegValue(qint32(4)));
}

void TestOptions::repairedLetterStaysAfterCancel()
{
    SettingsAccess access(m_f->registry);
    access.write(QStringLiteral("Options"), QStringLiteral("ZoomedLetter"), 20);
    access.write(QStringLiteral("Options"), QStringLiteral("OFMapStart"), 250);
    const auto d = open();
    QCOMPARE(stored("Options", "ZoomedLetter"), RegValue(qint32(64)));
    QCOMPARE(stored("Options", "OFMapStart"), RegValue(qint32(60)));
    QCOMPARE(d->controls().OTextZoom->text(), QStringLiteral("@"));
    QCOMPARE(d->controls().OCharButtonStart->text(), QStringLiteral("60"));
    d->controls().cmdCancel->click();
    QCOMPARE(stored("Options", "ZoomedLetter"), RegValue(qint32(64)));
}

void TestOptions::fontDialog()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    const QString font = c.OCurrentFont->text();
    c.OFFontItalic->click();

    // Cancelled: nothing changes.
    m_f->dialog.cancel();
    c.ChgFont->click();
    const CommonDialogProperties asked = m_f->dialog.shown().last().properties;
    QCOMPARE(asked.Flags, 0x12101);
    QCOMPARE(asked.Min, 8);
    QCOMPARE(asked.Max, 36);
    QCOMPARE(asked.FontName, font);
    QVERIFY(asked.FontItalic && !asked.FontBold);
    QCOMPARE(c.OCurrentFont->text(), font);

    // Another font, size, styles and a QB colour.
    m_f->dialog.confirm([](CommonDialogProperties &p) {
        p.FontName = QStringLiteral("DejaVu Serif");
        p.FontSize = 21.5;
        p.FontItalic = false;
        p.FontUnderline = true;
        p.Color = QBColor(9);
    });
    c.ChgFont->click();
    QCOMPARE(c.OCurrentFont->text(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(c.OFontSizeSlider->value(), 22);
    QCOMPARE(c.OFontSizeNumber->text(), QStringLiteral("22"));
    QVERIFY(!c.OFFontItalic->isChecked() && c.OFFontUnderline->isChecked());
    QVERIFY(c.OTBSample->font().underline() && !c.OTBSample->font().italic());
    QVERIFY(c.OTextZoom->font().underline());
    QCOMPARE(c.OTBSample->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(c.OCharButton->cellFont().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(c.OCharButton->cellFont().pointSize(), 10); // the size-1 map's, whatever the size
    QVERIFY(!c.OCharButton->cellFont().underline());
    QCOMPARE(c.OTBFColorName->text(), QStringLiteral("Blue"));
    QCOMPARE(d->chosen().TBFontColorIndex, 9);

    // A colour that is none of the sixteen changes nothing.
    m_f->dialog.confirm([](CommonDialogProperties &p) { p.Color = rgbColor(1, 2, 3); });
    c.ChgFont->click();
    QCOMPARE(c.OTBFColorName->text(), QStringLiteral("Blue"));
    QCOMPARE(backColor(c.OTBFColor), QBColor(9));
}

void TestOptions::boldOnlyFontDisablesBold()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    c.OFFontBold->click();
    m_f->dialog.confirm([](CommonDialogProperties &p) { p.FontName = QStringLiteral("Quorvil Bold Only"); });
    c.ChgFont->click();
    QVERIFY(!c.OFFontBold->isEnabled());
    QVERIFY(c.OFFontBold->isChecked());
    QVERIFY(c.OFFontItalic->isEnabled());

    // Only another size: the boxes stay as they were.
    m_f->dialog.confirm([](CommonDialogProperties &p) { p.FontSize = 14; });
    c.ChgFont->click();
    QVERIFY(!c.OFFontBold->isEnabled());
    QCOMPARE(c.OFontSizeSlider->value(), 14);

    m_f->dialog.confirm([](CommonDialogProperties &p) { p.FontName = QStringLiteral("DejaVu Sans"); });
    c.ChgFont->click();
    QVERIFY(c.OFFontBold->isEnabled());
    QVERIFY(c.OFFontBold->isChecked());
}

void TestOptions::inlineEdits_data()
{
    QTest::addColumn<bool>("zoom");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected"); // -1: unchanged

    const int enter = Qt::Key_Return;
    QTest::newRow("size 5 gives 8") << false << "5" << enter << 8;
    QTest::newRow("size 99 gives 36") << false << "99" << enter << 36;
    QTest::newRow("size 20") << false << "20" << int(Qt::Key_Enter) << 20;
    QTest::newRow("size not a number") << false << "x" << enter << -1;
    QTest::newRow("size emptied") << false << "" << enter << -1;
    QTest::newRow("size Esc") << false << "20" << int(Qt::Key_Escape) << -1;
    QTest::newRow("size left for another control") << false << "20" << int(Qt::Key_Tab) << -1;
    QTest::newRow("zoom 3 gives 8") << true << "3" << enter << 8;
    QTest::newRow("zoom 99 gives 72") << true << "99" << enter << 72;
    QTest::newRow("zoom takes two characters") << true << "100" << enter << 10;
    QTest::newRow("zoom Esc") << true << "30" << int(Qt::Key_Escape) << -1;
}

void TestOptions::inlineEdits()
{
    QFETCH(bool, zoom);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, expected);

    const auto d = open();
    const OptionsControls &c = d->controls();
    if (zoom)
        c.SSTabOption->setCurrentIndex(2);
    QLabel *number = zoom ? c.OZoomSizeNumber : c.OFontSizeNumber;
    QLineEdit *edit = zoom ? c.OZoomSizeEdit : c.OFontSizeEdit;
    QSlider *slider = zoom ? c.OZoomSizeSlider : c.OFontSizeSlider;
    const int before = slider->value();

    clickNumber(number);
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->text(), number->text());
    QCOMPARE(edit->selectedText(), number->text());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    MessageDriver driver;
    QTest::keyClick(edit, Qt::Key(key));

    QVERIFY(!edit->isVisible());
    QVERIFY(d->isVisible());
    QCOMPARE(driver.count(), 0);
    const int now = expected < 0 ? before : expected;
    QCOMPARE(slider->value(), now);
    QCOMPARE(number->text(), QString::number(now));
    if (zoom)
        QCOMPARE(c.OTextZoom->font().pointSize(), now);
    else
        QCOMPARE(c.OTBSample->font().pointSize(), now);
}

void TestOptions::keys_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("outcome"); // "open", "cancelled" or a message's title after the product name

    const int esc = Qt::Key_Escape;
    const int enter = Qt::Key_Return;
    QTest::newRow("Esc on a check box") << 0 << "OFFontBold" << esc << "cancelled";
    QTest::newRow("Esc on the size slider") << 0 << "OFontSizeSlider" << esc << "cancelled";
    QTest::newRow("Esc on Set") << 0 << "cmdOK" << esc << "cancelled";
    QTest::newRow("Esc in the sample text") << 4 << "oSampleText" << esc << "open";
    QTest::newRow("Enter on a check box") << 0 << "OFFontBold" << enter << "open";
    QTest::newRow("Enter in the sample text") << 4 << "oSampleText" << enter << "open";
    QTest::newRow("Enter on Set") << 0 << "cmdOK" << enter << " Default Settings Changed";
}

void TestOptions::keys()
{
    QFETCH(int, tab);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, outcome);

    const QByteArray before = storeBytes();
    const auto d = open();
    d->controls().SSTabOption->setCurrentIndex(tab);
    d->controls().ODisplayCS->click();
    auto *w = d->findChild<QWidget *>(focus);
    w->setFocus();
    MessageDriver driver;
    driver.ok();
    QTest::keyClick(w, Qt::Key(key));
    if (outcome == QLatin1String("open")) {
        QVERIFY(d->isVisible());
        QCOMPARE(driver.count(), 0);
    } else if (outcome == QLatin1String("cancelled")) {
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));
    } else {
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, globals().gAppName + outcome);
        return;
    }
    QCOMPARE(storeBytes(), before);
}

void TestOptions::keyboardOrderPerTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");

    const QStringList frame{QStringLiteral("ChgFont"), QStringLiteral("OFontSizeSlider")};
    const QStringList end{QStringLiteral("OCharButtonScroll"), QStringLiteral("cmdOK"), QStringLiteral("cmdCancel"),
                          QStringLiteral("ChgFont")};
    const auto order = [&](const char *tab) { return frame + QString::fromLatin1(tab).split(QLatin1Char(' ')) + end; };
    QTest::newRow("TextBoard") << 0
                               << order("OFFontBold OFFontItalic OFFontUnderline OFFontStrikethrough ChgTBFColor "
                                        "OAlign(0) OOptMaxTB");
    // Browse is off while no start-up map is wanted.
    QTest::newRow("FontMap") << 1 << order("ChgFMFColor ChgFMBColor ochkInitMap OFMapHilite OFMapBorders");
    QTest::newRow("Views") << 2 << order("OViewZoom OViewCode OViewKS OVCOnL OZoomSizeSlider");
    QTest::newRow("Dialogs") << 3 << order("ODisplayCD ODisplayOW ODisplayEW ODisplayCS");
    QTest::newRow("Tools") << 4 << order("oSampleText ooptShiftDir(0)");
    QTest::newRow("General") << 5 << order("OOptLoadTD(1) OOptUnloadTD(1) ODisplayTT");
}

void TestOptions::keyboardOrderPerTab()
{
    QFETCH(int, tab);
    QFETCH(QStringList, order);

    const auto d = open();
    d->controls().SSTabOption->setCurrentIndex(tab);
    d->controls().ChgFont->setFocus();
    QStringList reached{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, order);
}

void TestOptions::selectedOptionTakesTheTabStop()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    c.SSTabOption->setCurrentIndex(2);
    c.OVCOnR->click();
    c.OViewKS->setFocus();
    QTest::keyClick(c.OViewKS, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), c.OVCOnR);
    // The arrows move within the group; Tab then leaves it from the button now selected.
    QTest::keyClick(c.OVCOnR, Qt::Key_Up);
    QVERIFY(c.OVCOnL->isChecked());
    QTest::keyClick(c.OVCOnL, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), c.OZoomSizeSlider);
    QTest::keyClick(c.OZoomSizeSlider, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), c.OVCOnL);
}

void TestOptions::alignment()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    c.OAlign[1]->click();
    QCOMPARE(d->chosen().TBAlignment, 1);
    QVERIFY(c.OTBSample->alignment() & Qt::AlignRight);
    c.OAlign[2]->click();
    QCOMPARE(d->chosen().TBAlignment, 2);
    QVERIFY(c.OTBSample->alignment() & Qt::AlignHCenter);
}

void TestOptions::textColour()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    int handedIn = -1;
    const auto answer = [&](int cell, bool ok) {
        return WhenModal::run<TBColorPicker>([&handedIn, cell, ok](TBColorPicker *p) {
            auto *grid = p->findChild<ColorGrid *>(QStringLiteral("ColorContainer"));
            handedIn = grid->current();
            grid->setCurrent(cell);
            p->findChild<QPushButton *>(ok ? QStringLiteral("Button1") : QStringLiteral("Button2"))->click();
            return true;
        });
    };
    // Cancelled, and the same colour again: nothing is written.
    for (const auto &[cell, ok] : {std::pair{9, false}, std::pair{1, true}}) {
        auto guard = answer(cell, ok);
        c.ChgTBFColor->click();
        QVERIFY(regIsEmpty(stored("Temp", "TBFColorIndex")));
    }
    QCOMPARE(handedIn, 1);
    auto guard = answer(9, true);
    c.ChgTBFColor->click();
    QCOMPARE(c.OTBFColorName->text(), QStringLiteral("Grey"));
    QCOMPARE(backColor(c.OTBFColor), QBColor(8));
    QCOMPARE(foreColor(c.OTBSample), QBColor(8));
    QCOMPARE(stored("Temp", "TBFColorIndex"), RegValue(qint32(8)));
    QCOMPARE(d->chosen().TBFontColorName, QStringLiteral("Grey"));
}

void TestOptions::fontMapColours_data()
{
    QTest::addColumn<int>("ref");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("choice");
    QTest::addColumn<ColorValue>("color");

    // The first run's background is System cell 6, "Window Background".
    QTest::newRow("the same cell again") << 1 << 6 << false << kWindowBackground;
    QTest::newRow("the same number on Preset") << 0 << 6 << true << PaletteCells::presetColor(6);
    QTest::newRow("another system colour stays one") << 1 << 16 << true << systemColor(15);
}

void TestOptions::fontMapColours()
{
    QFETCH(int, ref);
    QFETCH(int, cell);
    QFETCH(bool, choice);
    QFETCH(ColorValue, color);

    const auto d = open();
    const OptionsControls &c = d->controls();
    QCOMPARE(c.OFMBPalName->text(), QStringLiteral("System"));
    QCOMPARE(c.OFMBColorName->text(), QStringLiteral("Window Background"));
    QString caption;
    withPalette(c.ChgFMBColor, [&](FMColorPalette *p) {
        caption = p->windowTitle();
        pick(ref, cell)(p);
    });
    QCOMPARE(caption, QStringLiteral("Select A Background Color"));
    QCOMPARE(regIsEmpty(stored("Temp", "FMBPaletteRef")), !choice);
    QCOMPARE(backColor(c.OFMapBColor), color);
    QCOMPARE(backColor(c.OTextZoom), color);
    for (int i = 0; i < FontMapSampleRow::kCells; ++i)
        QCOMPARE(c.OCharButton->cell(i).backColor, color);
    QCOMPARE(c.OFMBPalName->text(), PaletteCells::tabCaption(ref));

    MessageDriver driver;
    driver.ok();
    c.cmdOK->click();
    if (!choice) {
        QCOMPARE(driver.last().title, globals().gAppName + QStringLiteral(" User input Error"));
        return;
    }
    QCOMPARE(stored("Temp", "FMBPaletteRef"), RegValue(qint32(ref)));
    QCOMPARE(stored("Temp", "FMBColorIndex"), RegValue(qint32(cell - 1)));
    QCOMPARE(stored("FontMap", "BackColor"), RegValue(qint32(color)));
    QCOMPARE(stored("FontMap", "BackPaletteRef"), RegValue(qint32(ref)));
    QCOMPARE(stored("FontMap", "BackColorIndex"), RegValue(qint32(cell - 1)));
}

void TestOptions::sampleRow()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    FontMapSampleRow *row = c.OCharButton;
    // The first run zooms "A" (65) and starts the row at 60.
    QCOMPARE(c.OCharButtonStart->text(), QStringLiteral("60"));
    QCOMPARE(c.OCharButtonEnd->text(), QStringLiteral("72"));
    QCOMPARE(row->markerCell(), 5);

    c.OCharButtonScroll->setValue(243);
    QCOMPARE(c.OCharButtonEnd->text(), QStringLiteral("255"));
    QCOMPARE(row->cell(12).caption, QStringLiteral("\u00ff"));
    QCOMPARE(row->markerCell(), -1);
    c.OCharButtonScroll->setValue(33);
    QCOMPARE(row->cell(0).caption, QStringLiteral("!"));
    QCOMPARE(c.OCharButtonEnd->text(), QStringLiteral("45"));

    QTest::mouseClick(row, Qt::LeftButton, {}, row->cellRect(2).center());
    QCOMPARE(row->markerCell(), 2);
    QCOMPARE(c.OTextZoom->text(), QStringLiteral("#"));
    QCOMPARE(d->chosen().ZoomedLetter, 35);
    const QRect marker = row->markerRect();
    QCOMPARE(marker.topLeft(), row->cellRect(2).topLeft() + QPoint(2, 2));
    c.OCharButtonScroll->setValue(40);
    QCOMPARE(row->markerCell(), -1);
    c.OCharButtonScroll->setValue(30 + 5);
    QCOMPARE(row->markerCell(), 0);
    QCOMPARE(d->chosen().OFMapStart, 35);
}

void TestOptions::sampleCellsKeepTheSizeOneFont_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("8") << 8;
    QTest::newRow("10") << 10;
    QTest::newRow("34, a first run at 1920 pixels") << 34;
    QTest::newRow("36") << 36;
}

void TestOptions::sampleCellsKeepTheSizeOneFont()
{
    // The row shows the FontMap at size 1: its cells are that map's, and so is their font size,
    // while the TextBoard sample above takes the chosen size.
    QFETCH(int, size);
    const auto d = open();
    const OptionsControls &c = d->controls();
    c.OFontSizeSlider->setValue(size);
    QCOMPARE(c.OTBSample->font().pointSize(), size);
    FontMapSampleRow *row = c.OCharButton;
    QCOMPARE(row->cellFont().pointSize(), 10);
    // Every letter of the row stands inside its cell's border lines.
    c.OCharButtonScroll->setValue(77); // M to Y
    const QFontMetrics metrics(row->cellFont());
    for (int i = 0; i < FontMapSampleRow::kCells; ++i) {
        const QRect inside = row->cellRect(i).adjusted(1, 1, -1, -1);
        const QString caption = row->cell(i).caption;
        QVERIFY2(metrics.horizontalAdvance(caption) <= inside.width(), qPrintable(caption));
        QVERIFY2(metrics.height() <= inside.height(), qPrintable(caption));
    }
}

void TestOptions::sampleHighlightAndGrid()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    FontMapSampleRow *row = c.OCharButton;
    c.SSTabOption->setCurrentIndex(1);
    const ColorValue fore = row->cell(0).foreColor;
    const ColorValue back = row->cell(0).backColor;
    c.OFMapHilite->click();
    QVERIFY(c.OFMapHilite->isChecked());
    hover(row, 3);
    hover(row, 4);
    for (int i = 0; i < FontMapSampleRow::kCells; ++i) {
        const bool swapped = i == 4;
        QCOMPARE(row->cell(i).foreColor, swapped ? back : fore);
        QCOMPARE(row->cell(i).backColor, swapped ? fore : back);
    }
    c.OFMapHilite->click();
    QCOMPARE(row->cell(4).foreColor, fore);
    QCOMPARE(row->cell(4).backColor, back);

    QCOMPARE(row->cell(0).borderStyle, 1);
    c.OFMapBorders->click();
    for (int i = 0; i < FontMapSampleRow::kCells; ++i)
        QCOMPARE(row->cell(i).borderStyle, 0);
}

void TestOptions::startupMapBrowse()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    c.SSTabOption->setCurrentIndex(1);
    QVERIFY(!c.ocmdInitMap->isEnabled());
    QCOMPARE(c.olblInitMap->text(), QStringLiteral("None"));
    c.ochkInitMap->click();
    QVERIFY(c.ocmdInitMap->isEnabled() && c.olblInitMap->isEnabled());

    const QString first = QStringLiteral("/home/ann/Maps/Accents.QCM");
    const QString other = QStringLiteral("/home/ann/Old/Accents.QCM");
    const auto browse = [&](const QString &path) {
        m_f->dialog.confirm([path](CommonDialogProperties &p) {
            p.FileName = path;
            p.FileTitle = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        });
        c.ocmdInitMap->click();
        return m_f->dialog.shown().last().properties;
    };
    const CommonDialogProperties asked = browse(first);
    QCOMPARE(asked.DialogTitle, QStringLiteral("Specify Startup Custom Map"));
    QCOMPARE(asked.Flags, 0x1804);
    QCOMPARE(asked.Filter, globals().gAppName + QStringLiteral(" Custom Map Files (*.QCM)|*.qcm"));
    QCOMPARE(asked.InitDir, std::get<QString>(stored("Last", "LMLoadPath")));
    QCOMPARE(c.olblInitMap->text(), QStringLiteral("Accents.QCM"));
    QCOMPARE(c.olblInitMap->toolTip(), first);

    {
        MessageDriver driver;
        driver.ok();
        QCOMPARE(browse(first).InitDir, QStringLiteral("/home/ann/Maps/"));
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, globals().gAppName + QStringLiteral(" Custom Map Selection Error"));
        QCOMPARE(driver.last().text,
                 cr + cr + cr + QStringLiteral("Accents.QCM") + cr + cr + QStringLiteral("This Custom Map is already specified."));
    }
    {
        MessageDriver driver;
        browse(other);
        QCOMPARE(driver.count(), 0);
        QCOMPARE(c.olblInitMap->toolTip(), other);
    }

    // Unticked, the map stays chosen but is not wanted.
    c.ochkInitMap->click();
    QVERIFY(!c.ocmdInitMap->isEnabled() && !c.olblInitMap->isEnabled());
    QCOMPARE(d->chosen().InitMapPath, other);
    c.ochkInitMap->click();
    MessageDriver driver;
    driver.ok();
    c.cmdOK->click();
    QCOMPARE(stored("FontMap", "InitMap"), RegValue(QStringLiteral("True")));
    QCOMPARE(stored("FontMap", "InitMapPath"), RegValue(other));
}

void TestOptions::startupMapTickedWithoutMap()
{
    const auto d = open();
    d->controls().ochkInitMap->click();
    MessageDriver driver;
    driver.ok();
    d->controls().cmdOK->click();
    QCOMPARE(driver.last().title, globals().gAppName + QStringLiteral(" Default Settings Changed"));
    QCOMPARE(stored("FontMap", "InitMap"), RegValue(QStringLiteral("False")));
    QCOMPARE(stored("FontMap", "InitMapPath"), RegValue(QStringLiteral("None")));
}

void TestOptions::sampleTextOfBlanks()
{
    const auto d = open();
    const OptionsControls &c = d->controls();
    c.SSTabOption->setCurrentIndex(4);
    QTest::mouseClick(c.oSampleText, Qt::LeftButton);
    QTRY_COMPARE(c.oSampleText->selectedText(), c.oSampleText->text());
    c.oSampleText->setText(QStringLiteral("   "));
    c.ooptShiftDir[1]->setFocus();
    QCOMPARE(c.oSampleText->text(), QString());
    QCOMPARE(c.oSampleText->maxLength(), 45);
}

void TestOptions::toolTips_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestOptions::toolTips()
{
    QFETCH(bool, on);
    globals().gToolTips = on;
    const auto d = open();
    const OptionsControls &c = d->controls();
    const auto tip = [on](const char *text) { return on ? QString::fromUtf8(text) : QString(); };
    QCOMPARE(c.ChgFont->toolTip(), tip("Change font"));
    QCOMPARE(c.cmdOK->toolTip(), tip("Ok"));
    QCOMPARE(c.OCharButton->toolTip(), tip("FontMap sample"));
    // Over the marker the row shows the marker's own tip; the cells around it the row's.
    FontMapSampleRow *row = c.OCharButton;
    const auto shownAt = [row](const QPoint &pos) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, pos, row->mapToGlobal(pos));
        QCoreApplication::sendEvent(row, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    d->show();
    QVERIFY(row->markerCell() >= 0);
    QCOMPARE(shownAt(row->markerRect().center()), tip("Selected zoom character"));
    QCOMPARE(shownAt(row->cellRect(row->markerCell() == 0 ? 1 : 0).center()), tip("FontMap sample"));
    QToolTip::hideText();
    QCOMPARE(c.OFMapHilite->toolTip(), tip("Check to show FontMap mouse hightlight"));
    QCOMPARE(c.ODisplayCD->text(), QStringLiteral("\"Text Copied to Clipboard\" Confirmation"));
    QCOMPARE(c.OCurrentFont->toolTip(), QString());
    // The dialog's own box is a default for the next start.
    c.ODisplayTT->click();
    QCOMPARE(c.ChgFont->toolTip(), tip("Change font"));
}

void TestOptions::twoStarts()
{
    Quorvil &first = m_f->window();
    const int sizeBefore = first.textBoardFont().size();
    const Choice backBefore = first.fontMapColors().back();
    int size = -1;
    ColorValue back = 0;
    {
        MessageDriver driver;
        driver.ok();
        auto options = WhenModal::run<OptionsDialog>([&](OptionsDialog *d) {
            const OptionsControls &c = d->controls();
            size = c.OFontSizeSlider->value() == 20 ? 21 : 20;
            c.OFontSizeSlider->setValue(size);
            c.SSTabOption->setCurrentIndex(2);
            c.OVCOnR->click();
            c.SSTabOption->setCurrentIndex(1);
            withPalette(c.ChgFMBColor, pick(PaletteCells::Custom, 3));
            back = backColor(c.OFMapBColor);
            c.cmdOK->click();
            return true;
        });
        first.commands().trigger(QStringLiteral("ToolsOpt"));
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, globals().gAppName + QStringLiteral(" Default Settings Changed"));
    }
    // Nothing of the running window changed.
    QCOMPARE(first.textBoardFont().size(), sizeBefore);
    QCOMPARE(first.views().position(), QStringLiteral("L"));
    QVERIFY(Twips::left(m_f->controls().ViewsContainer) < Twips::left(m_f->controls().TextBoard));
    QCOMPARE(first.fontMapColors().back(), backBefore);
    first.commands().trigger(QStringLiteral("FileExit"));
    QVERIFY(!first.isVisible());
    m_f.reset();

    MainWindowFixture second(1024, 768, MainWindowFixture::Store::AsItIs, MainWindowFixture::Fonts::Fake);
    MessageDriver none;
    QVERIFY(second.start());
    QCOMPARE(none.count(), 0);
    QCOMPARE(second.window().textBoardFont().size(), size);
    QCOMPARE(second.controls().TextBoard->font().pointSize(), size);
    QCOMPARE(second.window().views().position(), QStringLiteral("R"));
    QVERIFY(Twips::left(second.controls().ViewsContainer) > Twips::left(second.controls().TextBoard));
    const Choice backNow = second.window().fontMapColors().back();
    QCOMPARE(backNow.paletteRef, int(PaletteCells::Custom));
    QCOMPARE(backNow.index, 2);
    QCOMPARE(backNow.color, back);
    QCOMPARE(second.controls().FMapContainer->cell(100).backColor, back);
    // The palette's choice was written under Temp at once and is gone after an orderly exit.
    SettingsAccess access(second.registry);
    QVERIFY(regIsEmpty(access.read(QStringLiteral("Temp"), QStringLiteral("FMBPaletteRef"))));
}

QUORVIL_TEST_MAIN(TestOptions)
#include "tst_options.moc"
