#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "fontmap/FMColorPalette.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/fakes/FakeCommonDialog.h"
#include "platform/fakes/MemoryRegistry.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorResolve.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <memory>
#include <optional>

namespace {

constexpr ColorValue kSchemeBack = rgbColor(10, 20, 30);

const QString kColorsKey = SettingsLayout::keyPath(QStringLiteral("CustomColors"));

// The palette over a store that holds the default custom colours, loaded hidden as at start-up.
struct Palette
{
    MemoryRegistry store;
    FakeCommonDialog dialog;
    // The colours of the main window's FontMap; at first the designed ones.
    FontMapColors mapColors;
    std::unique_ptr<FMColorPalette> form;

    Palette()
    {
        store.createKey(kColorsKey);
        store.createKey(SettingsLayout::keyPath(QStringLiteral("CustomLabels")));
        SettingsAccess settings(store);
        CustomColors::save(settings, CustomColors::defaults());
    }

    FMColorPalette &load()
    {
        form = std::make_unique<FMColorPalette>(store, dialog, mapColors);
        return *form;
    }

    template<typename T>
    T *child(const char *name) const
    {
        T *c = form->findChild<T *>(QString::fromLatin1(name));
        Q_ASSERT(c);
        return c;
    }
    ColorGrid *grid(int ref) const
    {
        static const char *const names[] = {"PColorContainer", "SColorContainer", "CColorContainer"};
        return child<ColorGrid>(names[ref]);
    }
    QTabBar *tab() const { return child<QTabBar>("SSTabColor"); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QLineEdit *edit() const { return child<QLineEdit>("CCText"); }
    QString text(const char *label) const { return child<QLabel>(label)->text(); }

    // The caller's side of the exchange, then the modal show.
    void show(int ref, int index, ColorValue current = 0)
    {
        if (!form)
            load();
        GlobalDeclarations &g = globals();
        g.gPaletteRef = ref;
        g.gColorIndex = index;
        g.gColorValue = colorValueText(current);
        g.gColorName = QStringLiteral("as handed in");
        form->setWindowTitle(QStringLiteral("Select A Font Color"));
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    void click(int ref, int cell) { QTest::mouseClick(grid(ref), Qt::LeftButton, {}, grid(ref)->cellRect(cell).center()); }

    // Label editing on the Custom tab: press "Label", type, end with `key`.
    void editLabel(const QString &text, int key)
    {
        button("TextButton")->click();
        edit()->selectAll();
        QTest::keyClicks(edit(), text);
        if (key)
            QTest::keyClick(edit(), Qt::Key(key));
    }

    std::optional<RegData> storedColor(int cell) { return store.value(kColorsKey, QString::number(cell)); }
    void storeColor(int cell, ColorValue color)
    {
        SettingsAccess(store).write(QStringLiteral("CustomColors"), QString::number(cell), color);
    }
};

struct Exchange
{
    int index;
    int ref;
    QString name;
    QString value;

    static Exchange now()
    {
        const GlobalDeclarations &g = globals();
        return {g.gColorIndex, g.gPaletteRef, g.gColorName, g.gColorValue};
    }
    friend bool operator==(const Exchange &, const Exchange &) = default;
};

char *toString(const Exchange &e)
{
    return QTest::toString(QStringLiteral("index %1, palette %2, name \"%3\", value %4")
                               .arg(e.index).arg(e.ref).arg(e.name, e.value));
}

} // namespace

class TestFMColorPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void design();
    void handInSystemCellAndConfirm();
    void confirmPresetCell27();
    void anotherTabIsAChoice();
    void waysOutWithoutChoice_data();
    void waysOutWithoutChoice();
    void containerKeys_data();
    void containerKeys();
    void customEditsByWayOut_data();
    void customEditsByWayOut();
    void customColorsReadBackNextStart();
    void labelEditKeys();
    void labelEditStaysOnItsCell_data();
    void labelEditStaysOnItsCell();
    void toolTips();
    void outOfRangeHandIn_data();
    void outOfRangeHandIn();
    void activationOncePerShowing();
    void resetAsks();
    void resetWithYesThenCancel();
    void resetWithNo();
    void missingCustomColor();
    void colorScheme();
    void systemColorsFollowDesktop();

private:
    // Each case begins with a fresh program state.
    std::optional<GlobalDeclarations> m_program;
};

void TestFMColorPalette::init()
{
    m_program.emplace();
}

void TestFMColorPalette::design()
{
    Palette p;
    FMColorPalette &form = p.load();
    QCOMPARE(form.size(), QSize(Twips::toQt(5445), Twips::toQt(4290)));
    // As far from the bottom edge as from the left: nothing of the window lies on its edge.
    for (QWidget *w : form.findChildren<QWidget *>()) {
        if (w->parentWidget() == &form)
            QVERIFY2(form.height() - w->geometry().bottom() - 1 >= Twips::toQt(75), qPrintable(w->objectName()));
    }
    QCOMPARE(form.windowTitle(), QStringLiteral("Select A Color"));
    const double heights[] = {2985, 2115, 2535};
    const int counts[] = {48, 25, 40};
    for (int ref = 0; ref < 3; ++ref) {
        QCOMPARE(Twips::rect(p.grid(ref)), QRectF(0, 0, 5295, heights[ref]));
        QCOMPARE(p.grid(ref)->count(), counts[ref]);
        QCOMPARE(p.grid(ref)->frameOffsetX(), 105);
        QCOMPARE(p.grid(ref)->frameOffsetY(), 105);
    }
    // Column 2, row 1 (from 0) of a grid: left 255 + 615 * 2, top 255 + 435.
    ColorGrid *preset = p.grid(0);
    QCOMPARE(preset->cellRect(11), QRect(Twips::toQt(1485), Twips::toQt(690), 28, 16));
    preset->setCurrent(11);
    QCOMPARE(preset->frameRect(), QRect(Twips::toQt(1380), Twips::toQt(585), 42, 30));
    QCOMPARE(Twips::rect(p.button("Button1")), QRectF(2775, 3855, 1290, 330));
    QCOMPARE(Twips::rect(p.button("Button2")), QRectF(4125, 3855, 1290, 330));
    QCOMPARE(Twips::rect(p.button("ResetButton")).size(), QSizeF(255, 255));
    QCOMPARE(p.edit()->maxLength(), 20);
    QCOMPARE(p.tab()->tabText(1), QStringLiteral("System"));
}

void TestFMColorPalette::handInSystemCellAndConfirm()
{
    Palette p;
    p.show(1, 8, systemColor(8));
    QCOMPARE(p.tab()->currentIndex(), 1);
    QCOMPARE(p.grid(1)->current(), 9);
    QCOMPARE(p.text("SCLabel"), QStringLiteral("Window Text"));
    QCOMPARE(p.text("CurrentColorLabel"), QStringLiteral("System, Window Text"));
    QCOMPARE(backColor(p.child<QLabel>("CurrentColorBlock")), systemColor(8));
    QCOMPARE(p.form->focusWidget(), p.grid(1));

    p.button("Button1")->click();
    QVERIFY(!p.form->isVisible());
    QCOMPARE(Exchange::now(), (Exchange{8, 1, QStringLiteral("Window Text"), QStringLiteral("-2147483640")}));
}

void TestFMColorPalette::confirmPresetCell27()
{
    Palette p;
    p.show(0, 0);
    QCOMPARE(p.text("CurrentColorLabel"), QStringLiteral("Preset, #1"));
    p.click(0, 27);
    QCOMPARE(p.grid(0)->current(), 27);
    p.button("Button1")->click();
    QCOMPARE(Exchange::now(), (Exchange{26, 0, QStringLiteral("#27"), QStringLiteral("16576")}));
}

void TestFMColorPalette::anotherTabIsAChoice()
{
    Palette p;
    p.show(0, 5);
    p.tab()->setCurrentIndex(2);
    QCOMPARE(p.form->focusWidget(), p.grid(2));
    p.click(2, 6);
    // A double click confirms at once.
    QTest::mouseDClick(p.grid(2), Qt::LeftButton, {}, p.grid(2)->cellRect(6).center());
    QVERIFY(!p.form->isVisible());
    QCOMPARE(Exchange::now(), (Exchange{5, 2, QStringLiteral("Royal Blue"), colorValueText(rgbColor(65, 105, 225))}));
}

void TestFMColorPalette::waysOutWithoutChoice_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Esc in the container") << "Esc";
    QTest::newRow("close box") << "close box";
}

void TestFMColorPalette::waysOutWithoutChoice()
{
    QFETCH(QString, way);
    Palette p;
    p.show(1, 8, systemColor(8));
    const Exchange handedIn = Exchange::now();
    p.tab()->setCurrentIndex(0);
    p.click(0, 30);
    if (way == QLatin1String("Cancel"))
        p.button("Button2")->click();
    else if (way == QLatin1String("Esc"))
        QTest::keyClick(p.grid(0), Qt::Key_Escape);
    else
        p.form->close();
    QVERIFY(!p.form->isVisible());
    QCOMPARE(Exchange::now(), handedIn);
}

void TestFMColorPalette::containerKeys_data()
{
    QTest::addColumn<int>("ref");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");

    QTest::newRow("preset up from 1") << 0 << 1 << int(Qt::Key_Up) << 48;
    QTest::newRow("preset up from 2") << 0 << 2 << int(Qt::Key_Up) << 41;
    QTest::newRow("system down from 17") << 1 << 17 << int(Qt::Key_Down) << 25;
    QTest::newRow("system down from 18") << 1 << 18 << int(Qt::Key_Down) << 3;
    QTest::newRow("system down from 24") << 1 << 24 << int(Qt::Key_Down) << 9;
    QTest::newRow("custom right from 40") << 2 << 40 << int(Qt::Key_Right) << 1;
    QTest::newRow("custom end") << 2 << 3 << int(Qt::Key_End) << 40;
    QTest::newRow("system home") << 1 << 20 << int(Qt::Key_Home) << 1;
    QTest::newRow("another key stays") << 0 << 7 << int(Qt::Key_A) << 7;
}

void TestFMColorPalette::containerKeys()
{
    QFETCH(int, ref);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    Palette p;
    p.show(ref, from - 1);
    QTest::keyClick(p.grid(ref), Qt::Key(key));
    QCOMPARE(p.grid(ref)->current(), to);
    QVERIFY(p.form->isVisible());
    if (ref == 1)
        QCOMPARE(p.text("SCLabel"), p.grid(1)->name(to));
    if (ref == 2)
        QCOMPARE(p.text("CCLabel"), p.grid(2)->name(to));

    // Enter in a container is OK.
    QTest::keyClick(p.grid(ref), Qt::Key_Return);
    QVERIFY(!p.form->isVisible());
    QCOMPARE(globals().gColorIndex, to - 1);
    QCOMPARE(globals().gPaletteRef, ref);
}

void TestFMColorPalette::customEditsByWayOut_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("written");
    QTest::newRow("Cancel restores") << "Cancel" << false << false;
    QTest::newRow("OK keeps, writes nothing") << "OK" << true << false;
    QTest::newRow("close box keeps and writes") << "close box" << true << true;
}

void TestFMColorPalette::customEditsByWayOut()
{
    QFETCH(QString, way);
    QFETCH(bool, kept);
    QFETCH(bool, written);
    Palette p;
    p.show(2, 0);
    const CustomColorSet before = p.form->customColors();
    const auto storedBefore = p.storedColor(1);
    p.dialog.confirm([](CommonDialogProperties &d) { d.Color = rgbColor(1, 2, 3); });
    p.button("ColorButton")->click();
    QCOMPARE(p.dialog.shown().last().properties.Color, CustomColorDefaults::color(1));
    QCOMPARE(p.dialog.shown().last().properties.Flags, 3);
    QVERIFY(p.dialog.shown().last().properties.CancelError);
    p.editLabel(QStringLiteral("Mine"), Qt::Key_Return);
    QCOMPARE(p.grid(2)->color(1), rgbColor(1, 2, 3));
    QCOMPARE(p.grid(2)->name(1), QStringLiteral("Mine"));

    if (way == QLatin1String("Cancel"))
        p.button("Button2")->click();
    else if (way == QLatin1String("OK"))
        p.button("Button1")->click();
    else
        p.form->close();
    QVERIFY(!p.form->isVisible());

    const CustomColor cell1 = p.form->customColors()[0];
    QCOMPARE(cell1, kept ? (CustomColor{rgbColor(1, 2, 3), QStringLiteral("Mine")}) : before[0]);
    SettingsAccess settings(p.store);
    QCOMPARE(CustomColors::read(settings)[0], written ? cell1 : before[0]);
    if (!written)
        QCOMPARE(p.storedColor(1), storedBefore);
    if (way == QLatin1String("OK"))
        QCOMPARE(globals().gColorName, QStringLiteral("Mine"));
}

void TestFMColorPalette::customColorsReadBackNextStart()
{
    Palette p;
    p.show(2, 3);
    p.dialog.confirm([](CommonDialogProperties &d) { d.Color = rgbColor(9, 9, 9); });
    p.button("ColorButton")->click();
    p.button("Button1")->click();
    // The shutdown's unload writes what OK kept.
    p.form->unload();
    p.form.reset();

    FMColorPalette &next = p.load();
    QCOMPARE(next.customColors()[3].color, rgbColor(9, 9, 9));
    QCOMPARE(next.customColors()[3].label, CustomColorDefaults::label(4));
}

void TestFMColorPalette::labelEditKeys()
{
    Palette p;
    p.show(2, 1);
    const Exchange handedIn = Exchange::now();

    // Enter stores the text and keeps the dialog open: it is not OK.
    p.editLabel(QStringLiteral("Sea"), Qt::Key_Return);
    QVERIFY(p.form->isVisible());
    QVERIFY(!p.edit()->isVisible());
    QVERIFY(!p.button("TextButton")->isChecked());
    QCOMPARE(p.grid(2)->name(2), QStringLiteral("Sea"));
    QCOMPARE(p.text("CCLabel"), QStringLiteral("Sea"));
    QCOMPARE(Exchange::now(), handedIn);
    QCOMPARE(p.form->focusWidget(), p.grid(2));

    // Esc in the box drops the edit and keeps the dialog; a second Esc cancels it.
    p.editLabel(QStringLiteral("Dropped"), Qt::Key_Escape);
    QVERIFY(p.form->isVisible());
    QCOMPARE(p.grid(2)->name(2), QStringLiteral("Sea"));
    QTest::keyClick(p.form->focusWidget(), Qt::Key_Escape);
    QVERIFY(!p.form->isVisible());
    QCOMPARE(p.grid(2)->name(2), CustomColorDefaults::label(2));
    QCOMPARE(Exchange::now(), handedIn);
}

void TestFMColorPalette::labelEditStaysOnItsCell_data()
{
    QTest::addColumn<QString>("move");
    QTest::newRow("arrow after a click on the frame's rim") << "rim and Right";
    QTest::newRow("click on another cell") << "click";
    QTest::newRow("End") << "End";
}

void TestFMColorPalette::labelEditStaysOnItsCell()
{
    QFETCH(QString, move);
    Palette p;
    p.show(2, 2);
    p.editLabel(QStringLiteral("Edited"), 0);
    ColorGrid *custom = p.grid(2);
    if (move == QLatin1String("rim and Right")) {
        // The rim of the frame lies around the cell, outside it.
        const QRect rim = custom->frameRect();
        QTest::mouseClick(custom, Qt::LeftButton, {}, QPoint(rim.left() + 2, rim.center().y()));
        QCOMPARE(custom->current(), 3);
        QTest::keyClick(custom, Qt::Key_Right);
    } else if (move == QLatin1String("click")) {
        p.click(2, 4);
    } else {
        custom->setFocus();
        QTest::keyClick(custom, Qt::Key_End);
    }
    QVERIFY(custom->current() != 3);
    QVERIFY(!p.edit()->isVisible());
    QCOMPARE(custom->name(3), QStringLiteral("Edited"));
    QCOMPARE(custom->name(custom->current()), CustomColorDefaults::label(custom->current()));
    QCOMPARE(p.text("CCLabel"), CustomColorDefaults::label(custom->current()));
}

void TestFMColorPalette::toolTips()
{
    Palette p;
    globals().gToolTips = true;
    p.show(0, 0);
    QCOMPARE(p.grid(0)->cellToolTip(5), QStringLiteral("5"));
    QCOMPARE(p.grid(1)->cellToolTip(18), QStringLiteral("Disbled Text"));
    QCOMPARE(p.button("ResetButton")->toolTip(), QStringLiteral("Reset All Custom Colors"));
    QCOMPARE(p.button("TextButton")->toolTip(), QStringLiteral("Change Custom Color Label"));
    p.button("Button2")->click();

    globals().gToolTips = false;
    p.show(2, 0);
    p.editLabel(QStringLiteral("Quiet"), Qt::Key_Return);
    for (int ref = 0; ref < 3; ++ref) {
        for (int cell = 1; cell <= p.grid(ref)->count(); ++cell)
            QVERIFY(p.grid(ref)->cellToolTip(cell).isEmpty());
    }
    for (const char *b : {"ColorButton", "TextButton", "ResetButton", "Button1", "Button2"})
        QVERIFY2(p.button(b)->toolTip().isEmpty(), b);
}

void TestFMColorPalette::outOfRangeHandIn_data()
{
    QTest::addColumn<int>("ref");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("cell");
    QTest::newRow("palette 7, index 99") << 7 << 99 << 2 << 40;
    QTest::newRow("negative both") << -3 << -5 << 0 << 1;
    QTest::newRow("system index 30") << 1 << 30 << 1 << 25;
    QTest::newRow("largest stored number") << 0 << 2147483647 << 0 << 48;
}

void TestFMColorPalette::outOfRangeHandIn()
{
    QFETCH(int, ref);
    QFETCH(int, index);
    QFETCH(int, tab);
    QFETCH(int, cell);
    Palette p;
    p.show(ref, index);
    const Exchange handedIn = Exchange::now();
    QCOMPARE(p.tab()->currentIndex(), tab);
    QCOMPARE(p.grid(tab)->current(), cell);
    QVERIFY(p.text("CurrentColorLabel").endsWith(p.grid(tab)->name(cell)));
    p.button("Button2")->click();
    QCOMPARE(Exchange::now(), handedIn);

    p.show(ref, index);
    p.button("Button1")->click();
    QCOMPARE(globals().gPaletteRef, tab);
    QCOMPARE(globals().gColorIndex, cell - 1);
}

void TestFMColorPalette::activationOncePerShowing()
{
    Palette p;
    MessageDriver driver;
    p.show(2, 4);
    p.click(2, 9);
    p.dialog.confirm([](CommonDialogProperties &d) { d.Color = rgbColor(7, 7, 7); });
    p.button("ColorButton")->click();
    // The desktop activates the palette again when the colour dialog or a message box closes.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(p.form.get());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(p.form.get(), &activate);
    driver.no();
    p.button("ResetButton")->click();
    QCOMPARE(driver.count(), 1);
    QCOMPARE(p.grid(2)->current(), 9);

    p.button("Button2")->click();
    QCOMPARE(p.grid(2)->color(9), CustomColorDefaults::color(9));

    // Each showing takes its own snapshot: what OK kept, Cancel keeps.
    p.show(2, 4);
    p.dialog.confirm([](CommonDialogProperties &d) { d.Color = rgbColor(8, 8, 8); });
    p.button("ColorButton")->click();
    p.button("Button1")->click();
    p.show(2, 4);
    p.button("Button2")->click();
    QCOMPARE(p.grid(2)->color(5), rgbColor(8, 8, 8));
}

void TestFMColorPalette::resetAsks()
{
    Palette p;
    MessageDriver driver;
    p.show(2, 0);
    driver.ok();
    p.button("ResetButton")->click();
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Reset Custom Color Blocks"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\rNone of the Custom colors or\rtheir names has been changed."
                                                "\r\rThere is nothing to Reset."));
    QCOMPARE(driver.last().buttons, QStringList{QStringLiteral("Ok")});
    QVERIFY(!driver.last().checkBoxVisible);

    // A label that differs only in case is a change.
    p.editLabel(QStringLiteral("medium blue"), Qt::Key_Return);
    driver.yes();
    p.button("ResetButton")->click();
    QCOMPARE(driver.count(), 2);
    QCOMPARE(driver.last().text,
             QStringLiteral("\rThis will reset all custom colors and\rlabels to their original default values.\r\r"
                            "Continue with Reset?\r\r• Press Yes to Reset Color Blocks.\r• Press No to cancel Reset."));
    QCOMPARE(driver.last().buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QVERIFY(driver.last().checkBoxVisible);
    QCOMPARE(driver.last().focused, QStringLiteral("Button1"));
    QCOMPARE(p.grid(2)->name(1), QStringLiteral("Medium Blue"));
    QCOMPARE(p.text("CCLabel"), QStringLiteral("Medium Blue"));

    // After the reset there is nothing to reset.
    driver.ok();
    p.button("ResetButton")->click();
    QCOMPARE(driver.count(), 3);
    QVERIFY(driver.last().text.contains(QStringLiteral("There is nothing to Reset.")));
    QCOMPARE(driver.unexpected(), 0);
}

void TestFMColorPalette::resetWithYesThenCancel()
{
    Palette p;
    p.storeColor(12, rgbColor(1, 1, 1));
    MessageDriver driver;
    p.show(2, 11);
    const CustomColorSet shown = p.form->customColors();
    p.editLabel(QStringLiteral("Before reset"), Qt::Key_Return);
    driver.yes();
    p.button("ResetButton")->click();
    QCOMPARE(p.form->customColors(), CustomColors::defaults());
    p.button("Button2")->click();
    QCOMPARE(p.form->customColors(), shown);
    QCOMPARE(p.grid(2)->color(12), rgbColor(1, 1, 1));
    // Nothing reached the store.
    QCOMPARE(SettingsAccess(p.store).read(QStringLiteral("CustomColors"), QStringLiteral("12")), RegValue(qint32(0x010101)));
}

void TestFMColorPalette::resetWithNo()
{
    Palette p;
    p.storeColor(1, rgbColor(1, 1, 1));
    MessageDriver driver;
    p.show(2, 5);
    p.button("TextButton")->click();
    driver.no();
    p.button("ResetButton")->click();
    QCOMPARE(p.grid(2)->color(1), rgbColor(1, 1, 1));
    QVERIFY(!p.button("TextButton")->isChecked());
    QCOMPARE(p.form->focusWidget(), p.grid(2));
    QCOMPARE(p.tab()->currentIndex(), 2);
}

void TestFMColorPalette::missingCustomColor()
{
    Palette p;
    p.store.deleteValue(kColorsKey, QStringLiteral("7"));
    MessageDriver driver;
    p.show(2, 6);
    QCOMPARE(p.grid(2)->color(7), ColorValue(0));
    QCOMPARE(p.grid(2)->name(7), CustomColorDefaults::label(7));
    driver.no();
    p.button("ResetButton")->click();
    QCOMPARE(driver.count(), 1);
    QVERIFY(driver.last().text.contains(QStringLiteral("Continue with Reset?")));
}

void TestFMColorPalette::colorScheme()
{
    Palette p;
    globals().gColorScheme = true;
    p.show(0, 0);
    // While the FontMap shows its designed colours, their background.
    QCOMPARE(p.grid(0)->containerColor(), kWindowBackground);
    p.button("Button2")->click();
    p.mapColors.setBack({kSchemeBack, 0, 0, QStringLiteral("#1")});
    p.show(0, 0);
    for (int ref = 0; ref < 3; ++ref)
        QCOMPARE(p.grid(ref)->containerColor(), kSchemeBack);
    p.button("Button2")->click();
    globals().gColorScheme = false;
    p.show(0, 0);
    for (int ref = 0; ref < 3; ++ref)
        QCOMPARE(p.grid(ref)->containerColor(), systemColor(0));
}

void TestFMColorPalette::systemColorsFollowDesktop()
{
    Palette p;
    p.show(1, 5, systemColor(5));
    const QPalette before = QApplication::palette();
    QPalette desktop = before;
    desktop.setColor(QPalette::Base, QColor(12, 200, 34));
    QApplication::setPalette(desktop);
    QCoreApplication::processEvents();

    ColorGrid *system = p.grid(1);
    const QImage shot = system->grab().toImage();
    QCOMPARE(QColor(shot.pixel(system->cellRect(6).center())), QColor(12, 200, 34));
    QCOMPARE(p.child<QLabel>("CurrentColorBlock")->palette().color(QPalette::Window), QColor(12, 200, 34));
    QApplication::setPalette(before);
}

QUORVIL_TEST_MAIN(TestFMColorPalette)
#include "tst_fmcolorpalette.moc"
