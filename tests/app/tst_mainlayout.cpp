// The main window's layout: the FontMap's size steps and their limits, the resize handler, the
// side of the views, the split bar and the standard layout, driven through the real window.
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "app/MainLayout.h"
#include "core/RegistryFunctions.h"
#include "core/SettingsLayout.h"
#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"
#include "widgets/CoolBar.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>

namespace {

constexpr double kPx = 15;

using Fonts = MainWindowFixture::Fonts;
using Store = MainWindowFixture::Store;

// Every placed control of the window, the cells and the window's own size: what a layout
// change may move.
struct Layout
{
    QMap<QString, QRectF> controls;
    MapSizeSteps::Cells cells;
    QSizeF window;

    bool operator==(const Layout &) const = default;
};

Layout layoutOf(MainWindowFixture &f)
{
    Layout l;
    for (QWidget *w : f.window().centralWidget()->findChildren<QWidget *>()) {
        // Named controls, not the parts Qt names inside them.
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            l.controls.insert(w->objectName(), Twips::rect(w));
    }
    l.cells = f.controls().FMapContainer->cellGeometries();
    l.window = QSizeF(f.window().formWidth(), f.window().formHeight());
    return l;
}

// The names of the controls whose place differs between two layouts.
QStringList moved(const Layout &a, const Layout &b)
{
    QStringList names;
    for (auto it = a.controls.begin(); it != a.controls.end(); ++it) {
        if (b.controls.value(it.key()) != it.value())
            names.append(it.key());
    }
    return names;
}

void mouse(QWidget *w, QEvent::Type type, const QPoint &pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A drag of the split bar by `pixels` (down when positive) with the left button, let go.
void dragSplitBar(MainWindowFixture &f, int pixels)
{
    QWidget *bar = f.controls().SplitBar;
    mouse(bar, QEvent::MouseButtonPress, QPoint(10, 2), Qt::LeftButton, Qt::LeftButton);
    mouse(bar, QEvent::MouseMove, QPoint(10, 2 + pixels), Qt::NoButton, Qt::LeftButton);
    mouse(bar, QEvent::MouseButtonRelease, QPoint(10, 2 + pixels), Qt::LeftButton, Qt::NoButton);
}

void doubleClickSplitBar(MainWindowFixture &f)
{
    QWidget *bar = f.controls().SplitBar;
    mouse(bar, QEvent::MouseButtonPress, QPoint(10, 1), Qt::LeftButton, Qt::LeftButton);
    mouse(bar, QEvent::MouseButtonRelease, QPoint(10, 1), Qt::LeftButton, Qt::NoButton);
    mouse(bar, QEvent::MouseButtonDblClick, QPoint(10, 1), Qt::LeftButton, Qt::LeftButton);
    mouse(bar, QEvent::MouseButtonRelease, QPoint(10, 1), Qt::LeftButton, Qt::NoButton);
}

double top(QWidget *w)
{
    return Twips::top(w);
}

double bottom(QWidget *w)
{
    return Twips::top(w) + Twips::height(w);
}

void setStored(MainWindowFixture &f, const char *key, const char *name, int value)
{
    RegistryFunctions(f.registry).SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QString::fromLatin1(key)),
                                              QString::fromLatin1(name), value, REG_DWORD);
}

void setStoredSizeIndex(MainWindowFixture &f, int step)
{
    setStored(f, "FontMap", "SizeIndex", step);
}

// The map at `step`, from the slider as a user moves it.
void setStep(MainWindowFixture &f, int step)
{
    f.controls().sldSetFMapSize->setValue(step);
    QCOMPARE(f.state().fontMap.SizeIndex(), step);
}

bool enabled(MainWindowFixture &f, const char *command)
{
    return f.window().commands().isEnabled(QString::fromLatin1(command));
}

} // namespace

class TestMainLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeLimitsByScreen_data();
    void sizeLimitsByScreen();
    void stepLaysOutWindow();
    void growThenShrinkRestoresLayout_data();
    void growThenShrinkRestoresLayout();
    void userResizeKeepsWidths();
    void savedStepOutsideScreen_data();
    void savedStepOutsideScreen();
    void narrowerScreenShrinksMapAtNextResize();
    void sizeCommandAfterScreenChange();
    void narrowerScreenThanLastTime();
    void savedWindowHeight_data();
    void savedWindowHeight();
    void viewsSide_data();
    void viewsSide();
    void viewsSideFromCommands();
    void splitBarDragMovesEverything_data();
    void splitBarDragMovesEverything();
    void splitBarDragBeyondLimitsIsDropped_data();
    void splitBarDragBeyondLimitsIsDropped();
    void splitBarDoubleClickPair();
    void splitBarDoubleClickOnShortScreen();
    void resetLayoutWithFindBarOpen();
    void maximisedWindowKeepsItsSize();
    void sizeCommandsFollowSplitBar();
    void sizeCommandsAtEnds();
    void sizeEdit_data();
    void sizeEdit();
    void sliderDragShowsStepOnly();
    void tabOrder();
};

void TestMainLayout::sizeLimitsByScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("maxSizeIndex");
    QTest::newRow("800") << 800 << 1;
    QTest::newRow("1024") << 1024 << 9;
    QTest::newRow("1280") << 1280 << 18;
    QTest::newRow("1600") << 1600 << 30;
}

void TestMainLayout::sizeLimitsByScreen()
{
    QFETCH(int, width);
    QFETCH(int, maxSizeIndex);
    MainWindowFixture f(width, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QCOMPARE(f.state().fontMap.MaxSizeIndex(), maxSizeIndex);
    const bool sizing = width > 800;
    QCOMPARE(!f.controls().SplitBar->isHidden(), sizing);
    QCOMPARE(f.controls().pbxSetFMapSize->isEnabled(), sizing);
    QCOMPARE(f.controls().tlbCFMapFmt->isButtonEnabled(QStringLiteral("FMapSld")), sizing);
    QCOMPARE(enabled(f, "FMRealign"), false);
    if (!sizing) {
        QVERIFY(!enabled(f, "FMLarger"));
        QVERIFY(!enabled(f, "FMSmaller"));
        return;
    }
    QCOMPARE(f.controls().sldSetFMapSize->maximum(), maxSizeIndex);
    setStep(f, maxSizeIndex);
    QVERIFY(!enabled(f, "FMLarger"));
    QVERIFY(enabled(f, "FMSmaller"));
    QCOMPARE(f.window().formWidth(), (780 + 28 * (maxSizeIndex - 1)) * kPx);
}

void TestMainLayout::stepLaysOutWindow()
{
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    setStoredSizeIndex(f, 1);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    QCOMPARE(f.window().formWidth(), 780 * kPx);
    QCOMPARE(f.window().formHeight(), 592 * kPx);
    QCOMPARE(Twips::width(c.FMapContainer), 761 * kPx);

    c.sldSetFMapSize->setValue(6);
    QCOMPARE(f.state().fontMap.SizeIndex(), 6);
    QCOMPARE(c.lblSetFMapSizeNumber->text(), QStringLiteral("6"));
    const double grow = 5 * 28 * kPx;
    QCOMPARE(f.window().formWidth(), 780 * kPx + grow);
    QCOMPARE(f.window().formHeight(), (592 + 5 * 8) * kPx);
    QCOMPARE(c.FMapContainer->cell(27).twips, QRectF(27 * 32 * kPx, 375, 33 * kPx, 33 * kPx));
    QCOMPARE(Twips::width(c.FMapContainer), 901 * kPx);
    QCOMPARE(Twips::height(c.FMapContainer), Twips::height(c.clbFontMap) + (8 * 33 - 4) * kPx);
    QCOMPARE(Twips::width(c.clbFontMap), 901 * kPx);
    QCOMPARE(c.clbFontMap->bandWidth(3), 901 * kPx - c.clbFontMap->bandWidth(1) - c.clbFontMap->bandWidth(2));
    QCOMPARE(Twips::width(c.CoolBarCM), 759 * kPx + grow);
    QCOMPARE(Twips::width(c.TextBoard), 623 * kPx + grow);
    QCOMPARE(Twips::width(c.CoolBarTB), 623 * kPx + grow);
    QCOMPARE(Twips::width(c.SplitBar), 898 * kPx);
    QCOMPARE(Twips::left(c.StatBar), 616 * kPx + grow);
    QCOMPARE(Twips::width(c.FindFrame), 621 * kPx + grow);
    QCOMPARE(Twips::left(c.CloseFindButton), 553 * kPx + grow);
    // The regions stand where the designed layout puts them for this step.
    QCOMPARE(top(c.FMapContainer), 278 * kPx);
    QCOMPARE(top(c.SplitBar), 276 * kPx);
    QCOMPARE(top(c.LLVContainer), bottom(c.FMapContainer));
    QCOMPARE(top(c.StatBar), bottom(c.FMapContainer));
    // And so does the window on screen: the client area under the menu bar holds them.
    QCOMPARE(f.window().centralWidget()->height(), 592 - 52 + 5 * 8);
    QCOMPARE(c.StatBar->geometry().bottom() + 1, f.window().centralWidget()->height());
}

void TestMainLayout::growThenShrinkRestoresLayout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("step");
    QTest::newRow("1024") << 1024 << 4;
    QTest::newRow("1280") << 1280 << 8;
}

void TestMainLayout::growThenShrinkRestoresLayout()
{
    QFETCH(int, width);
    QFETCH(int, step);
    MainWindowFixture f(width, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QCOMPARE(f.state().fontMap.SizeIndex(), step);
    const Layout before = layoutOf(f);
    for (int i = 0; i < 3; ++i)
        f.window().commands().trigger(QStringLiteral("FMLarger"));
    QCOMPARE(f.state().fontMap.SizeIndex(), step + 3);
    QVERIFY(!(layoutOf(f) == before));
    for (int i = 0; i < 3; ++i)
        f.window().commands().trigger(QStringLiteral("FMSmaller"));
    QCOMPARE(f.state().fontMap.SizeIndex(), step);
    const Layout after = layoutOf(f);
    QCOMPARE(moved(before, after), QStringList());
    QVERIFY(after.cells == before.cells);
    QCOMPARE(after.window, before.window);
}

void TestMainLayout::userResizeKeepsWidths()
{
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    const Layout before = layoutOf(f);
    f.window().resize(f.window().size() + QSize(60, 40));
    QCOMPARE(f.window().formWidth(), before.window.width() + 60 * kPx);
    QCOMPARE(moved(before, layoutOf(f)), QStringList());

    // The box and the status bar follow the FontMap's bottom edge, and nothing else moves.
    Twips::setTop(c.FMapContainer, top(c.FMapContainer) + 10 * kPx);
    const Layout shifted = layoutOf(f);
    f.window().resize(f.window().size() - QSize(30, 20));
    const Layout after = layoutOf(f);
    QCOMPARE(moved(shifted, after), (QStringList{QStringLiteral("LLVContainer"), QStringLiteral("StatBar")}));
    QCOMPARE(top(c.LLVContainer), bottom(c.FMapContainer));
    QCOMPARE(top(c.StatBar), bottom(c.FMapContainer));
}

void TestMainLayout::savedStepOutsideScreen_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("told");
    QTest::newRow("from a larger screen") << 20 << 9 << true;
    QTest::newRow("largest") << 9 << 9 << false;
    QTest::newRow("zero") << 0 << 1 << false;
    QTest::newRow("negative") << -5 << 1 << false;
    QTest::newRow("largest 32-bit number") << 2147483647 << 9 << true;
}

void TestMainLayout::savedStepOutsideScreen()
{
    QFETCH(int, stored);
    QFETCH(int, step);
    QFETCH(bool, told);
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    setStoredSizeIndex(f, stored);
    MessageDriver driver;
    driver.ok();
    QVERIFY(f.start());
    QCOMPARE(driver.count(), told ? 1 : 0);
    if (told)
        QCOMPARE(driver.last().title, QStringLiteral("Quorvil FontMap Size Error"));
    QuorvilControls &c = f.controls();
    QCOMPARE(f.state().fontMap.SizeIndex(), step);
    QCOMPARE(f.state().fontMap.MaxSizeIndex(), 9);
    QCOMPARE(f.state().LastScreenWidth, 1024);
    QCOMPARE(c.sldSetFMapSize->value(), step);
    QCOMPARE(c.lblSetFMapSizeNumber->text(), QString::number(step));
    QCOMPARE(c.FMapContainer->cell(0).twips.width(), 420 + (step - 1) * kPx);
    QCOMPARE(Twips::width(c.FMapContainer), (761 + 28 * (step - 1)) * kPx);
    QCOMPARE(f.window().formWidth(), (780 + 28 * (step - 1)) * kPx);
    QCOMPARE(Twips::width(c.TextBoard), (623 + 28 * (step - 1)) * kPx);
    QCOMPARE(top(c.LLVContainer), bottom(c.FMapContainer));
}

void TestMainLayout::narrowerScreenShrinksMapAtNextResize()
{
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    setStep(f, 15);
    f.display.setScreen(1024, 768);
    QCOMPARE(f.state().fontMap.MaxSizeIndex(), 9);
    f.window().resize(f.window().size() - QSize(10, 10));
    QCOMPARE(f.state().LastScreenWidth, 1024);
    QCOMPARE(f.state().fontMap.SizeIndex(), 9);
    QuorvilControls &c = f.controls();
    QCOMPARE(c.sldSetFMapSize->value(), 9);
    QCOMPARE(c.lblSetFMapSizeNumber->text(), QStringLiteral("9"));
    QCOMPARE(c.FMapContainer->cell(0).twips.width(), 420 + 8 * kPx);
    QCOMPARE(f.window().formWidth(), (780 + 28 * 8) * kPx);
    QCOMPARE(Twips::width(c.TextBoard), (623 + 28 * 8) * kPx);
}

void TestMainLayout::sizeCommandAfterScreenChange()
{
    // A smaller step chosen on a narrower screen before any resize: the resize handler that
    // the rebuild raises finds the new screen and must not rebuild the map a second time.
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    setStep(f, 15);
    f.display.setScreen(1024, 768);
    f.window().commands().trigger(QStringLiteral("FMSmaller"));
    QCOMPARE(f.state().fontMap.SizeIndex(), 8);
    QCOMPARE(f.state().LastScreenWidth, 1024);
    QuorvilControls &c = f.controls();
    QCOMPARE(c.FMapContainer->cell(0).twips.width(), 420 + 7 * kPx);
    QCOMPARE(c.FMapContainer->cell(223).twips.right(), (27 * 34 + 35) * kPx);
    QCOMPARE(Twips::width(c.FMapContainer), (761 + 28 * 7) * kPx);
    QCOMPARE(f.window().formWidth(), (780 + 28 * 7) * kPx);
    QCOMPARE(Twips::width(c.TextBoard), (623 + 28 * 7) * kPx);
}

void TestMainLayout::narrowerScreenThanLastTime()
{
    // The last run ended at step 10 on a 1280-pixel screen; its window, the standard one for
    // that step, is taller than the standard window of step 9, the largest a 1024-pixel
    // screen allows.
    {
        MainWindowFixture wide(1280, 1024, Store::Seeded, Fonts::Fake);
        QVERIFY(wide.start());
        setStep(wide, 10);
        QCOMPARE(wide.window().formHeight(), (592 + 8 * 9) * kPx);
        QVERIFY(wide.window().close());
    }
    MainWindowFixture f(1024, 768, Store::AsItIs, Fonts::Fake);
    MessageDriver driver;
    driver.ok();
    QVERIFY(f.start());
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil FontMap Size Error"));
    QCOMPARE(f.state().fontMap.SizeIndex(), 9);
    const Layout narrower = layoutOf(f);

    // The window ends laid out for step 9 as a start at that step on this screen lays it out.
    MainWindowFixture reference(1024, 768, Store::Seeded, Fonts::Fake);
    setStoredSizeIndex(reference, 9);
    QVERIFY(reference.start());
    const Layout standard = layoutOf(reference);
    QCOMPARE(standard.window, QSizeF(1004 * kPx, 656 * kPx));
    QCOMPARE(narrower.window, standard.window);
    QCOMPARE(moved(standard, narrower), QStringList());
    QuorvilControls &c = f.controls();
    QCOMPARE(top(c.SplitBar), 276 * kPx);
    QCOMPARE(c.StatBar->geometry().bottom() + 1, f.window().centralWidget()->height());
    QVERIFY(c.pbxSetFMapSize->isEnabled());
    QVERIFY(!enabled(f, "FMLarger"));
    QVERIFY(enabled(f, "FMSmaller"));
    QVERIFY(!enabled(f, "FMRealign"));
    // And it lies on the screen.
    QVERIFY(f.window().formLeft() >= 0);
    QVERIFY(f.window().formLeft() + f.window().formWidth() <= 1024 * kPx);
}

void TestMainLayout::savedWindowHeight_data()
{
    QTest::addColumn<int>("savedHeight");
    QTest::addColumn<bool>("kept");
    // Step 4: the standard window is 864 x 616 pixels.
    QTest::newRow("taller") << 700 << true;
    QTest::newRow("standard") << 616 << false;
    QTest::newRow("lower") << 600 << false;
}

void TestMainLayout::savedWindowHeight()
{
    QFETCH(int, savedHeight);
    QFETCH(bool, kept);
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    setStored(f, "Last", "FormHeight", int(savedHeight * kPx));
    setStored(f, "Last", "FormWidth", int(900 * kPx));
    QVERIFY(f.start());
    QCOMPARE(f.state().fontMap.SizeIndex(), 4);
    QuorvilControls &c = f.controls();
    const double mapHeight = Twips::height(c.FMapContainer);
    QCOMPARE(mapHeight, Twips::height(c.clbFontMap) + (8 * 31 - 4) * kPx);
    if (!kept) {
        QCOMPARE(f.window().formWidth(), 864 * kPx);
        QCOMPARE(f.window().formHeight(), 616 * kPx);
        QCOMPARE(top(c.FMapContainer), 278 * kPx);
        return;
    }
    QCOMPARE(f.window().formWidth(), 900 * kPx);
    QCOMPARE(f.window().formHeight(), savedHeight * kPx);
    QCOMPARE(top(c.FMapContainer), savedHeight * kPx - mapHeight - 68 * kPx);
    QCOMPARE(bottom(c.TextBoard), top(c.FMapContainer) - 2 * kPx);
    QCOMPARE(top(c.SplitBar), top(c.FMapContainer) - 2 * kPx);
    QCOMPARE(top(c.LLVContainer), bottom(c.FMapContainer));
    // The widths follow the kept window: its width less the margins and the views.
    QCOMPARE(Twips::width(c.TextBoard), (900 - 21 - 134 - 2) * kPx);
    // The bar is lower than its highest place: sizing waits for Realign.
    QVERIFY(enabled(f, "FMRealign"));
    QVERIFY(!enabled(f, "FMLarger"));
}

void TestMainLayout::viewsSide_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<bool>("findOpen");
    QTest::addColumn<double>("viewsLeft");
    QTest::addColumn<double>("boardLeft");
    // Step 4 at 1024 pixels: the TextBoard is 623 + 3 x 28 pixels wide.
    QTest::newRow("L") << "L" << false << 7.0 << 143.0;
    QTest::newRow("R") << "R" << false << 7.0 + 707 + 2 << 7.0;
    QTest::newRow("R, find bar open") << "R" << true << 7.0 + 707 + 2 << 7.0;
    QTest::newRow("another text") << "X" << false << 7.0 + 707 + 2 << 7.0;
    QTest::newRow("another text, find bar open") << "X" << true << 7.0 + 707 + 2 << 7.0;
}

void TestMainLayout::viewsSide()
{
    QFETCH(QString, side);
    QFETCH(bool, findOpen);
    QFETCH(double, viewsLeft);
    QFETCH(double, boardLeft);
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    // From the right, so that each case shows a move.
    f.window().layout().SetVCSide(QStringLiteral("R"));
    if (findOpen)
        f.window().runCommand(QStringLiteral("EditFind"));
    Twips::setLeft(c.FindFrame, 0);
    f.window().layout().SetVCSide(side);
    QCOMPARE(Twips::left(c.ViewsContainer), viewsLeft * kPx);
    QCOMPARE(Twips::left(c.TextBoard), boardLeft * kPx);
    QCOMPARE(Twips::left(c.CoolBarTB), boardLeft * kPx);
    QCOMPARE(Twips::left(c.FindFrame), findOpen ? (boardLeft + 2) * kPx : 0.0);
    const bool left = Twips::left(c.ViewsContainer) < Twips::left(c.TextBoard);
    QCOMPARE(c.ViewsTB->value(QStringLiteral("VCLeft")), left ? 1 : 0);
    QCOMPARE(c.ViewsTB->value(QStringLiteral("VCRight")), left ? 0 : 1);
    // The side chosen in the window is not the stored one.
    QCOMPARE(f.window().views().position(), QStringLiteral("L"));
}

void TestMainLayout::viewsSideFromCommands()
{
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    ActionCollection &commands = f.window().commands();
    QTest::mouseClick(c.ViewsTB->widgetForAction(commands.action(QStringLiteral("VCOnR"))), Qt::LeftButton);
    QCOMPARE(f.window().views().position(), QStringLiteral("R"));
    QVERIFY(commands.isChecked(QStringLiteral("VCOnR")));
    QVERIFY(!commands.isChecked(QStringLiteral("VCOnL")));
    QVERIFY(Twips::left(c.ViewsContainer) > Twips::left(c.TextBoard));
    // The side stays as the map changes its size.
    f.window().commands().trigger(QStringLiteral("FMLarger"));
    QCOMPARE(Twips::left(c.ViewsContainer), Twips::left(c.TextBoard) + Twips::width(c.TextBoard) + 2 * kPx);
    commands.trigger(QStringLiteral("VCOnL"));
    QCOMPARE(f.window().views().position(), QStringLiteral("L"));
    QCOMPARE(Twips::left(c.ViewsContainer), 7 * kPx);
    // Choosing the chosen side again keeps it.
    commands.trigger(QStringLiteral("VCOnL"));
    QVERIFY(commands.isChecked(QStringLiteral("VCOnL")));
    QCOMPARE(Twips::left(c.TextBoard), 143 * kPx);
}

void TestMainLayout::splitBarDragMovesEverything_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("findOpen");
    QTest::newRow("one pixel") << 1 << false;
    QTest::newRow("one pixel, find bar open") << 1 << true;
    QTest::newRow("forty pixels") << 40 << false;
    QTest::newRow("held") << 0 << false;
}

void TestMainLayout::splitBarDragMovesEverything()
{
    QFETCH(int, pixels);
    QFETCH(bool, findOpen);
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    if (findOpen)
        f.window().runCommand(QStringLiteral("EditFind"));
    QuorvilControls &c = f.controls();
    const Layout before = layoutOf(f);
    dragSplitBar(f, pixels);
    const double d = pixels * kPx;
    const Layout after = layoutOf(f);
    for (const char *name : {"SplitBar", "FMapContainer", "LLVContainer", "StatBar"})
        QCOMPARE(after.controls[QString::fromLatin1(name)].top(), before.controls[QString::fromLatin1(name)].top() + d);
    QCOMPARE(after.window.height(), before.window.height() + d);
    QCOMPARE(Twips::height(c.TextBoard), before.controls[QStringLiteral("TextBoard")].height() + d);
    if (findOpen)
        QCOMPARE(top(c.FindFrame), bottom(c.TextBoard) + 2 * kPx);
    QStringList expected;
    if (pixels != 0) {
        expected = QStringList{QStringLiteral("FMapContainer"), QStringLiteral("LLVContainer"),
                               QStringLiteral("SplitBar"), QStringLiteral("StatBar"), QStringLiteral("TextBoard")};
        if (findOpen)
            expected.insert(1, QStringLiteral("FindFrame"));
    }
    QCOMPARE(moved(before, after), expected);
    // The bar lowered: sizing waits for Realign.
    QCOMPARE(enabled(f, "FMRealign"), pixels != 0);
}

void TestMainLayout::splitBarDragBeyondLimitsIsDropped_data()
{
    QTest::addColumn<int>("pixels");
    // Step 8 on a 1024-pixel-high work area: the map is 301 pixels high, so the bar's lowest
    // top is 1024 - 301 - 72 = 651 pixels, 375 below its highest.
    QTest::newRow("above the highest place") << -1;
    QTest::newRow("below the lowest place") << 376;
    QTest::newRow("to the lowest place") << 375;
}

void TestMainLayout::splitBarDragBeyondLimitsIsDropped()
{
    QFETCH(int, pixels);
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QCOMPARE(Twips::height(f.controls().FMapContainer), 301 * kPx);
    const Layout before = layoutOf(f);
    dragSplitBar(f, pixels);
    const bool inside = pixels == 375;
    QCOMPARE(top(f.controls().SplitBar), (inside ? 651 : 276) * kPx);
    if (!inside)
        QCOMPARE(moved(before, layoutOf(f)), QStringList());
}

void TestMainLayout::splitBarDoubleClickPair()
{
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    const int step = f.state().fontMap.SizeIndex();
    QuorvilControls &c = f.controls();
    const Layout designed = layoutOf(f);
    doubleClickSplitBar(f);
    QCOMPARE(top(c.SplitBar), 651 * kPx);
    QCOMPARE(f.window().formHeight(), designed.window.height() + (651 - 276) * kPx);
    QCOMPARE(Twips::height(c.TextBoard), designed.controls[QStringLiteral("TextBoard")].height() + (651 - 276) * kPx);

    doubleClickSplitBar(f);
    QCOMPARE(f.window().formWidth(), (780 + 28 * (step - 1)) * kPx);
    QCOMPARE(f.window().formHeight(), (592 + 8 * (step - 1)) * kPx);
    QCOMPARE(moved(designed, layoutOf(f)), QStringList());
}

void TestMainLayout::splitBarDoubleClickOnShortScreen()
{
    // A 600-pixel-high work area under a map of 301 pixels: the lowest place (227 pixels) lies
    // above the bar. A double-click there leaves everything as it is, however often.
    MainWindowFixture f(1280, 600, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QCOMPARE(f.state().fontMap.SizeIndex(), 8);
    const Layout before = layoutOf(f);
    doubleClickSplitBar(f);
    doubleClickSplitBar(f);
    QCOMPARE(moved(before, layoutOf(f)), QStringList());
    QVERIFY(Twips::height(f.controls().TextBoard) > 0);
}

void TestMainLayout::resetLayoutWithFindBarOpen()
{
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    f.window().runCommand(QStringLiteral("EditFind"));
    const double boardWithFind = Twips::height(c.TextBoard);
    dragSplitBar(f, 50);
    f.window().commands().trigger(QStringLiteral("FMRealign"));
    // The find bar keeps its place under the TextBoard, clear of the FontMap's CoolBar.
    QCOMPARE(Twips::height(c.TextBoard), boardWithFind);
    QCOMPARE(top(c.FindFrame), bottom(c.TextBoard) + 2 * kPx);
    QVERIFY(bottom(c.FindFrame) <= top(c.SplitBar));
    QCOMPARE(top(c.FMapContainer), 278 * kPx);
}

void TestMainLayout::maximisedWindowKeepsItsSize()
{
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    f.window().showMaximized();
    QTRY_VERIFY(f.window().isMaximized());
    const QSize maximised = f.window().size();
    dragSplitBar(f, 30);
    QCOMPARE(f.window().size(), maximised);
    QCOMPARE(top(c.LLVContainer), bottom(c.FMapContainer));
    f.window().commands().trigger(QStringLiteral("FMRealign"));
    QCOMPARE(f.window().size(), maximised);
    QCOMPARE(top(c.FMapContainer), 278 * kPx);
    QCOMPARE(top(c.LLVContainer), bottom(c.FMapContainer));
    QCOMPARE(top(c.StatBar), bottom(c.FMapContainer));
    // A rebuilt map lays its widths in the maximised window too.
    f.window().commands().trigger(QStringLiteral("FMLarger"));
    QCOMPARE(f.window().size(), maximised);
    QCOMPARE(Twips::width(c.SplitBar), Twips::width(c.FMapContainer) - 3 * kPx);
    QCOMPARE(top(c.LLVContainer), bottom(c.FMapContainer));
}

void TestMainLayout::sizeCommandsFollowSplitBar()
{
    MainWindowFixture f(1280, 1024, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    QCOMPARE(top(c.SplitBar), 276 * kPx);
    QVERIFY(c.pbxSetFMapSize->isEnabled());
    QVERIFY(enabled(f, "FMLarger") && enabled(f, "FMSmaller") && !enabled(f, "FMRealign"));
    QVERIFY(c.tlbCFMapFmt->isButtonEnabled(QStringLiteral("FMap+")));
    QVERIFY(!c.tlbCFMapFmt->isButtonEnabled(QStringLiteral("RAFMap")));

    dragSplitBar(f, 1);
    QCOMPARE(top(c.SplitBar), 277 * kPx);
    QVERIFY(!c.pbxSetFMapSize->isEnabled());
    QVERIFY(!enabled(f, "FMLarger") && !enabled(f, "FMSmaller") && enabled(f, "FMRealign"));
    QVERIFY(!c.tlbCFMapFmt->isButtonEnabled(QStringLiteral("FMap-")));
    QVERIFY(c.tlbCFMapFmt->isButtonEnabled(QStringLiteral("RAFMap")));

    f.window().commands().trigger(QStringLiteral("FMRealign"));
    QCOMPARE(top(c.SplitBar), 276 * kPx);
    QVERIFY(c.pbxSetFMapSize->isEnabled());
    QVERIFY(enabled(f, "FMLarger") && enabled(f, "FMSmaller") && !enabled(f, "FMRealign"));
}

void TestMainLayout::sizeCommandsAtEnds()
{
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    setStep(f, 9);
    QVERIFY(!enabled(f, "FMLarger"));
    QVERIFY(enabled(f, "FMSmaller"));
    f.window().runCommand(QStringLiteral("FMLarger"));
    QCOMPARE(f.state().fontMap.SizeIndex(), 9);
    setStep(f, 1);
    QVERIFY(enabled(f, "FMLarger"));
    QVERIFY(!enabled(f, "FMSmaller"));
    f.window().runCommand(QStringLiteral("FMSmaller"));
    QCOMPARE(f.state().fontMap.SizeIndex(), 1);
}

void TestMainLayout::sizeEdit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("step");
    // From step 4 at 1024 pixels (largest 9).
    QTest::newRow("5") << "5" << int(Qt::Key_Return) << 5;
    QTest::newRow("0") << "0" << int(Qt::Key_Return) << 1;
    QTest::newRow("above the largest") << "99" << int(Qt::Key_Enter) << 9;
    QTest::newRow("too large for 16 bits") << "40000" << int(Qt::Key_Return) << 9;
    QTest::newRow("not a number") << "abc" << int(Qt::Key_Return) << 4;
    QTest::newRow("Esc") << "7" << int(Qt::Key_Escape) << 4;
}

void TestMainLayout::sizeEdit()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, step);
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    QCOMPARE(f.state().fontMap.SizeIndex(), 4);
    editInPlace(c.lblSetFMapSizeNumber, c.tbxSetFMapSizeNumber, typed, Qt::Key(key));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.state().fontMap.SizeIndex(), step);
    QCOMPARE(c.sldSetFMapSize->value(), step);
    QCOMPARE(c.lblSetFMapSizeNumber->text(), QString::number(step));
    QCOMPARE(f.window().formWidth(), (780 + 28 * (step - 1)) * kPx);
}

void TestMainLayout::sliderDragShowsStepOnly()
{
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    const Layout before = layoutOf(f);
    c.sldSetFMapSize->setSliderDown(true);
    c.sldSetFMapSize->setSliderPosition(7);
    QCOMPARE(c.lblSetFMapSizeNumber->text(), QStringLiteral("7"));
    QCOMPARE(f.state().fontMap.SizeIndex(), 4);
    QCOMPARE(moved(before, layoutOf(f)), QStringList());
    c.sldSetFMapSize->setSliderDown(false);
    QCOMPARE(f.state().fontMap.SizeIndex(), 7);
    QCOMPARE(f.window().formWidth(), (780 + 28 * 6) * kPx);
}

void TestMainLayout::tabOrder()
{
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    QVERIFY(f.start());
    QuorvilControls &c = f.controls();
    const QList<QWidget *> main{c.TextBoard, c.ZoomSizeSlider, c.FontNameCombo, c.FontSizeSlider, c.sldSetFMapSize};
    QList<QWidget *> order;
    QWidget *w = c.TextBoard;
    do {
        if (main.contains(w) && !order.contains(w))
            order.append(w);
        w = w->nextInFocusChain();
    } while (w != c.TextBoard);
    QCOMPARE(order, main);
}

QUORVIL_TEST_MAIN(TestMainLayout)
#include "tst_mainlayout.moc"
