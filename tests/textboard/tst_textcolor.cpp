#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "support/WhenModal.h"

#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "textboard/TBColorPicker.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorResolve.h"
#include "widgets/ToolBar.h"

#include <QLabel>
#include <QPushButton>

// The TextBoard's text colour command with the real picker.
class TestTextColor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pickGrey_data();
    void pickGrey();
    void noChoiceChangesNothing_data();
    void noChoiceChangesNothing();
    void toolTipOff();

private:
    // Opens the picker by `way` ("button" or "menu") and lets `act` answer it; returns what the
    // picker's name label showed before the answer.
    QString choose(const QString &way, const std::function<void(TBColorPicker *)> &act);
    ToolBar *formatBar() { return m_f->controls().FontFormatTB; }
    const QString colorKey = QStringLiteral("Color");

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestTextColor::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
    // The text in Maroon.
    m_f->window().textBoardFormat().SetTBForeColor(QBColor(4));
}

void TestTextColor::cleanup()
{
    m_f.reset();
}

QString TestTextColor::choose(const QString &way, const std::function<void(TBColorPicker *)> &act)
{
    QString shown;
    auto guard = WhenModal::run<TBColorPicker>([&](TBColorPicker *p) {
        shown = p->findChild<QLabel *>(QStringLiteral("ColorLabel"))->text();
        act(p);
        return true;
    });
    if (way == QLatin1String("button"))
        formatBar()->button(colorKey)->trigger();
    else
        m_f->window().commands().trigger(QStringLiteral("FFontColor"));
    return shown;
}

void TestTextColor::pickGrey_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Color button") << "button";
    QTest::newRow("Format menu item") << "menu";
}

void TestTextColor::pickGrey()
{
    QFETCH(QString, way);
    QString picked;
    choose(way, [&picked](TBColorPicker *p) {
        auto *grid = p->findChild<ColorGrid *>(QStringLiteral("ColorContainer"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());
        picked = p->findChild<QLabel *>(QStringLiteral("ColorLabel"))->text();
        p->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    });
    QCOMPARE(picked, QStringLiteral("Gray"));
    TextBoardFont &font = m_f->window().textBoardFont();
    QCOMPARE(font.colorIndex(), 8);
    QCOMPARE(font.colorName(), QStringLiteral("Grey"));
    QCOMPARE(foreColor(m_f->controls().TextBoard), QBColor(8));
    QCOMPARE(formatBar()->buttonImage(colorKey), QStringLiteral("9"));
    QCOMPARE(formatBar()->buttonToolTip(colorKey), QStringLiteral("Set TextBoard Font Color (Currently Grey)"));
}

void TestTextColor::noChoiceChangesNothing_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK on the colour handed in") << "OK";
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("close box") << "close box";
}

void TestTextColor::noChoiceChangesNothing()
{
    QFETCH(QString, way);
    const QString toolTip = formatBar()->buttonToolTip(colorKey);
    const QString shown = choose(QStringLiteral("button"), [way](TBColorPicker *p) {
        auto *grid = p->findChild<ColorGrid *>(QStringLiteral("ColorContainer"));
        QCOMPARE(grid->current(), 5);
        if (way != QLatin1String("OK"))
            grid->setCurrent(12);
        if (way == QLatin1String("OK"))
            p->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        else if (way == QLatin1String("Cancel"))
            p->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
        else if (way == QLatin1String("Esc"))
            QTest::keyClick(grid, Qt::Key_Escape);
        else
            p->close();
    });
    QCOMPARE(shown, QStringLiteral("Maroon"));
    QCOMPARE(m_f->window().textBoardFont().colorIndex(), 4);
    QCOMPARE(foreColor(m_f->controls().TextBoard), QBColor(4));
    QCOMPARE(formatBar()->buttonImage(colorKey), QStringLiteral("5"));
    QCOMPARE(formatBar()->buttonToolTip(colorKey), toolTip);
}

void TestTextColor::toolTipOff()
{
    m_f->window().toggles().set(Toggles::ToolTips, false);
    globals().gToolTips = false;
    const QString toolTip = formatBar()->buttonToolTip(colorKey);
    choose(QStringLiteral("menu"), [](TBColorPicker *p) {
        auto *grid = p->findChild<ColorGrid *>(QStringLiteral("ColorContainer"));
        QVERIFY(grid->cellToolTip(3).isEmpty());
        grid->setCurrent(3);
        p->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    });
    QCOMPARE(m_f->window().textBoardFont().colorName(), QStringLiteral("Green"));
    QCOMPARE(formatBar()->buttonToolTip(colorKey), toolTip);
}

QUORVIL_TEST_MAIN(TestTextColor)
#include "tst_textcolor.moc"
