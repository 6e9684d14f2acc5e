#include "support/MessageDriver.h"
#include "support/TestMain.h"
#include "fontmap/rules/FontMapColors.h"

#include "core/GlobalDeclarations.h"
#include "widgets/Message.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <optional>

class TestMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void designGeometry();
    void buttonSets_data();
    void buttonSets();
    void answers_data();
    void answers();
    void twoBoxesStartReset();
    void colorScheme();

private:
    // Each case begins with a fresh program state.
    std::optional<GlobalDeclarations> m_program;
    // The FontMap colours of a main window that shows its designed ones.
    const FontMapColors m_colors;
};

void TestMessage::init()
{
    m_program.emplace();
}

void TestMessage::designGeometry()
{
    Message box(m_colors);
    box.setup(QStringLiteral("x"), QStringLiteral("YN"), QStringLiteral("t"), true, 1);
    auto *area = box.findChild<QLabel *>(QStringLiteral("MessageArea"));
    auto *b1 = box.findChild<QPushButton *>(QStringLiteral("Button1"));
    auto *b2 = box.findChild<QPushButton *>(QStringLiteral("Button2"));
    auto *check = box.findChild<QCheckBox *>(QStringLiteral("DisplayAgainCheck"));
    QCOMPARE(Twips::rect(area), QRectF(15, 60, 5445, 1845));
    QCOMPARE(Twips::rect(b1), QRectF(2790, 1950, 1290, 330));
    QCOMPARE(Twips::rect(b2), QRectF(4140, 1950, 1290, 330));
    QCOMPARE(Twips::rect(check), QRectF(105, 1980, 2055, 270));
    QCOMPARE(check->text(), QStringLiteral("Do not display again"));
    QCOMPARE(check->toolTip(), QStringLiteral("Check not to display this message again"));

    Message okBox(m_colors);
    okBox.setup(QStringLiteral("x"), QStringLiteral("OK"), QStringLiteral("t"), false, 1);
    QCOMPARE(Twips::left(okBox.findChild<QPushButton *>(QStringLiteral("Button1"))), 4140.0);
}

void TestMessage::buttonSets_data()
{
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<int>("focus");
    QTest::addColumn<bool>("showBox");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("focused");

    QTest::newRow("OK") << "OK" << 1 << false << QStringList{"Ok"} << "Button1";
    QTest::newRow("YN focus Yes") << "YN" << 1 << true << QStringList{"Yes", "No"} << "Button1";
    QTest::newRow("YN focus No") << "YN" << 2 << false << QStringList{"Yes", "No"} << "Button2";
}

void TestMessage::buttonSets()
{
    QFETCH(QString, buttons);
    QFETCH(int, focus);
    QFETCH(bool, showBox);
    QFETCH(QStringList, captions);
    QFETCH(QString, focused);

    MessageDriver driver;
    driver.ok();
    QrvlMsg(QStringLiteral("\r\r\rLine one\rLine two"), buttons, QStringLiteral("Quorvil Test"), showBox, focus, m_colors);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Test"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\rLine one\rLine two"));
    QCOMPARE(driver.last().buttons, captions);
    QCOMPARE(driver.last().checkBoxVisible, showBox);
    QCOMPARE(driver.last().focused, focused);
    QCOMPARE(globals().gMsgIsOK, buttons == QLatin1String("OK"));
}

void TestMessage::answers_data()
{
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("dontDisplay");

    using A = MessageDriver::Action;
    QTest::newRow("OK clicked") << "OK" << int(A::Button1) << 0 << false << true << true << false;
    QTest::newRow("OK letter key") << "OK" << int(A::Key) << int(Qt::Key_Q) << false << true << false << false;
    QTest::newRow("OK Enter") << "OK" << int(A::Key) << int(Qt::Key_Return) << false << true << false << false;
    QTest::newRow("OK Esc") << "OK" << int(A::Key) << int(Qt::Key_Escape) << false << true << false << false;
    QTest::newRow("YN Yes") << "YN" << int(A::Button1) << 0 << false << true << true << false;
    QTest::newRow("YN No ticked") << "YN" << int(A::Button2) << 0 << true << true << false << true;
    QTest::newRow("YN Yes ticked") << "YN" << int(A::Button1) << 0 << true << true << true << true;
    QTest::newRow("YN letter key stays") << "YN" << int(A::Key) << int(Qt::Key_Q) << false << false << false << false;
    QTest::newRow("YN Esc stays") << "YN" << int(A::Key) << int(Qt::Key_Escape) << false << false << false << false;
    QTest::newRow("YN close box is No") << "YN" << int(A::CloseBox) << 0 << false << true << false << false;
}

void TestMessage::answers()
{
    QFETCH(QString, buttons);
    QFETCH(int, action);
    QFETCH(int, key);
    QFETCH(bool, tick);
    QFETCH(bool, closed);
    QFETCH(bool, result);
    QFETCH(bool, dontDisplay);

    MessageDriver driver;
    if (MessageDriver::Action(action) == MessageDriver::Action::Key)
        driver.typeKey(key);
    else
        driver.answer(MessageDriver::Action(action), tick);
    QrvlMsg(QStringLiteral("text"), buttons, QStringLiteral("title"), true, 1, m_colors);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().closed, closed);
    QCOMPARE(globals().gMsgResult, result);
    QCOMPARE(globals().gMsgDontDisplay, dontDisplay);
}

void TestMessage::twoBoxesStartReset()
{
    MessageDriver driver;
    driver.yes(true);
    QrvlMsg(QStringLiteral("first"), QStringLiteral("YN"), QStringLiteral("t"), true, 1, m_colors);
    QVERIFY(globals().gMsgResult);
    QVERIFY(globals().gMsgDontDisplay);

    // The second box starts unticked with the results reset, whatever the first left.
    driver.answer(MessageDriver::Action::CloseBox);
    QrvlMsg(QStringLiteral("second"), QStringLiteral("YN"), QStringLiteral("t"), true, 1, m_colors);
    QVERIFY(!globals().gMsgResult);
    QVERIFY(!globals().gMsgDontDisplay);
    QCOMPARE(driver.unexpected(), 0);
}

void TestMessage::colorScheme()
{
    FontMapColors colors;
    colors.setColors({rgbColor(255, 255, 255), 0, 47, QStringLiteral("White")},
                     {rgbColor(0, 0, 0), 0, 0, QStringLiteral("Black")});
    MessageDriver driver;

    globals().gColorScheme = true;
    driver.ok();
    QrvlMsg(QStringLiteral("x"), QStringLiteral("OK"), QStringLiteral("t"), false, 1, colors);
    QCOMPARE(driver.last().textColor, QColor(Qt::white));
    QCOMPARE(driver.last().backColor, QColor(Qt::black));

    globals().gColorScheme = false;
    driver.ok();
    QrvlMsg(QStringLiteral("x"), QStringLiteral("OK"), QStringLiteral("t"), false, 1, colors);
    QVERIFY(driver.last().textColor != QColor(Qt::white) || driver.last().backColor != QColor(Qt::black));
}

QUORVIL_TEST_MAIN(TestMessage)
#include "tst_message.moc"
