#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/rules/TextBoardFont.h"
#include "tools/FontBrowser.h"
#include "tools/Keyboard.h"
#include "widgets/ActionCollection.h"
#include "widgets/ToolBar.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

const QString kSymbol = QStringLiteral("Quorvil Symbol Test");
const QString kSerif = QStringLiteral("DejaVu Serif");

// Runs `act` on the tool window of that type once it is open; the command that opens it returns
// when the window has closed.
template<typename Window>
void whenOpen(std::function<void(Window &)> act, bool *seen)
{
    QTimer::singleShot(0, [act, seen] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        *seen = window != nullptr;
        if (!window)
            return;
        act(*window);
        if (window->isVisible())
            window->reject();
    });
}

template<typename W>
W *child(const QWidget &parent, const char *name)
{
    return parent.findChild<W *>(QString::fromLatin1(name));
}

// A pressed style button that the stored flags do not back shows whether the font was applied.
void pressUnderline(MainWindowFixture &f)
{
    f.controls().FontFormatTB->setValue(QStringLiteral("Underline"), 1);
}

bool fontApplied(MainWindowFixture &f)
{
    return f.controls().FontFormatTB->value(QStringLiteral("Underline")) == 0;
}

} // namespace

class TestToolWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void keyboardSetsTheTextBoardFont();
    void keyboardOkReappliesTheFont();
    void fontBrowserSetsTheTextBoardFont();
    void fontBrowserNoReappliesTheFont();
    void fontBrowserOnAMissingSavedFont();
};

void TestToolWindows::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestToolWindows::keyboardSetsTheTextBoardFont()
{
    MainWindowFixture f;
    setSavedFont(f, kSerif);
    QVERIFY(f.start());
    TextBoardFont &font = f.window().textBoardFont();
    font.setSize(18);
    bool seen = false;
    QString shownFont;
    int shownSize = 0;
    whenOpen<Keyboard>(
        [&](Keyboard &kb) {
            shownFont = child<QComboBox>(kb, "cmbFontName")->currentText();
            shownSize = kb.keyboardPicture()->labelFont().pointSize();
            auto *combo = child<QComboBox>(kb, "cmbFontName");
            combo->setCurrentIndex(combo->findText(kSymbol));
            Q_EMIT combo->activated(combo->currentIndex());
            MessageDriver driver;
            driver.yes();
            child<QPushButton>(kb, "cmdSetFont")->click();
        },
        &seen);
    // The toolbar's "KB" button is the menu item's command.
    f.controls().QrvlDefTB->button(QStringLiteral("KB"))->trigger();
    QVERIFY(seen);
    QCOMPARE(shownFont, kSerif);
    QCOMPARE(shownSize, 18);
    QCOMPARE(font.name(), kSymbol);
    QCOMPARE(f.controls().FontNameCombo->currentText(), kSymbol);
    QCOMPARE(f.controls().FMapContainer->cellFont().family(), kSymbol);
    QCOMPARE(f.controls().FMapContainer->charset(), FontCharset::Symbol);
    QCOMPARE(f.controls().TextBoard->font().family(), kSymbol);
}

void TestToolWindows::keyboardOkReappliesTheFont()
{
    MainWindowFixture f;
    setSavedFont(f, kSerif);
    QVERIFY(f.start());
    pressUnderline(f);
    bool seen = false;
    whenOpen<Keyboard>([](Keyboard &kb) { child<QPushButton>(kb, "cmdOK")->click(); }, &seen);
    f.window().commands().trigger(QStringLiteral("ToolsKB"));
    QVERIFY(seen);
    QCOMPARE(f.window().textBoardFont().name(), kSerif);
    QCOMPARE(f.controls().FontNameCombo->currentText(), kSerif);
    QVERIFY(fontApplied(f));
}

void TestToolWindows::fontBrowserSetsTheTextBoardFont()
{
    MainWindowFixture f;
    setSavedFont(f, kSerif);
    QVERIFY(f.start());
    bool seen = false;
    QString shown;
    whenOpen<FontBrowser>(
        [&](FontBrowser &fb) {
            shown = fb.CurFont();
            QListWidget *list = fb.fontListView();
            fb.FontListView_ItemClick(list->findItems(kSymbol, Qt::MatchExactly).value(0));
            MessageDriver driver;
            driver.yes();
            child<QPushButton>(fb, "SetFontButton")->click();
        },
        &seen);
    f.controls().QrvlDefTB->button(QStringLiteral("FB"))->trigger();
    QVERIFY(seen);
    QCOMPARE(shown, kSerif);
    QCOMPARE(f.window().textBoardFont().name(), kSymbol);
    QCOMPARE(f.controls().FontNameCombo->currentText(), kSymbol);
    QCOMPARE(f.controls().FMapContainer->cellFont().family(), kSymbol);
    QCOMPARE(f.controls().TextBoard->font().family(), kSymbol);
}

void TestToolWindows::fontBrowserNoReappliesTheFont()
{
    MainWindowFixture f;
    setSavedFont(f, kSerif);
    QVERIFY(f.start());
    pressUnderline(f);
    bool seen = false;
    bool stayedOpen = false;
    whenOpen<FontBrowser>(
        [&](FontBrowser &fb) {
            QListWidget *list = fb.fontListView();
            fb.FontListView_ItemClick(list->findItems(kSymbol, Qt::MatchExactly).value(0));
            MessageDriver driver;
            driver.no();
            child<QPushButton>(fb, "SetFontButton")->click();
            stayedOpen = fb.isVisible();
        },
        &seen);
    f.window().commands().trigger(QStringLiteral("ToolsFB"));
    QVERIFY(seen);
    QVERIFY(stayedOpen);
    QCOMPARE(f.window().textBoardFont().name(), kSerif);
    QCOMPARE(f.controls().FontNameCombo->currentText(), kSerif);
    QVERIFY(fontApplied(f));
}

void TestToolWindows::fontBrowserOnAMissingSavedFont()
{
    // Start-up went on with the first font in place of a saved one that is not installed: the
    // browser shows the first font, the one the TextBoard shows, and can set it.
    MainWindowFixture f;
    setSavedFont(f, QStringLiteral("No Such Font"));
    {
        MessageDriver startup;
        startup.yes();
        QVERIFY(f.start());
    }
    const QString first = f.controls().FontNameCombo->itemText(0);
    bool seen = false;
    QString shown;
    bool setFontEnabled = false;
    whenOpen<FontBrowser>(
        [&](FontBrowser &fb) {
            shown = fb.CurFont();
            setFontEnabled = child<QPushButton>(fb, "SetFontButton")->isEnabled();
            MessageDriver driver;
            driver.yes();
            child<QPushButton>(fb, "SetFontButton")->click();
        },
        &seen);
    f.window().commands().trigger(QStringLiteral("ToolsFB"));
    QVERIFY(seen);
    QCOMPARE(shown, first);
    QVERIFY(setFontEnabled);
    QCOMPARE(f.window().textBoardFont().name(), first);
    QCOMPARE(f.controls().FontNameCombo->currentText(), first);
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestToolWindows, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"))
#include "tst_toolwindows.moc"
