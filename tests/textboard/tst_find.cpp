// Find on the real main window: the forward search from one past the selection start, the
// limit of a multi-line selection, the options and the two messages, and the find frame.
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "widgets/ActionCollection.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"
#include "textboard/TextBoardEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

class TestFind : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void findNext_data();
    void findNext();
    void findAgainMovesOnAndStopsAtTheEnd();
    void findAgainBeforeFirstFindNext();
    void openingTakesTheSelection();
    void frameLayoutOpensAndCloses();
    void findCommandToggles();
    void findBoxButtonsAndEnter();
    void findHasFocusFollowsTheBox();
    void emptyingTheBoardClosesTheFrame();

private:
    QuorvilControls &c() { return m_f->controls(); }
    ActionCollection &commands() { return m_f->window().commands(); }
    TextBoardEdit *board() { return c().TextBoard; }
    void select(int start, int length)
    {
        board()->setSelStart(start);
        board()->setSelLength(length);
    }
    bool activate();

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestFind::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
}

void TestFind::cleanup()
{
    m_f.reset();
}

bool TestFind::activate()
{
    m_f->window().activateWindow();
    return QTest::qWaitForWindowActive(&m_f->window());
}

void TestFind::findNext_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("hit");         // -1: not found
    QTest::addColumn<QString>("message"); // the last line of the miss message

    const QString toEnd = QStringLiteral("Word not found upto end of TextBoard.");
    const QString within = QStringLiteral("Word not found within selection.");
    // The occurrence at the caret is skipped: the search starts one past the selection start.
    QTest::newRow("skips the hit at the caret") << "abc abc" << 0 << 0 << "abc" << false << false << 4 << QString();
    QTest::newRow("overlapping hits") << "aaa" << 0 << 0 << "aa" << false << false << 1 << QString();
    QTest::newRow("case ignored") << "xx abc" << 0 << 0 << "ABC" << false << false << 3 << QString();
    QTest::newRow("match case") << "xx abc" << 0 << 0 << "ABC" << false << true << -1 << toEnd;
    QTest::newRow("part of a word") << "x abc ab" << 0 << 0 << "ab" << false << false << 2 << QString();
    QTest::newRow("whole word") << "x abc ab" << 0 << 0 << "ab" << true << false << 6 << QString();
    QTest::newRow("whole word and case") << "x Ab ab" << 0 << 0 << "ab" << true << true << 5 << QString();
    QTest::newRow("whole word, none") << "x abc" << 0 << 0 << "ab" << true << false << -1 << toEnd;
    // Positions count a line break as two characters, as the board does.
    QTest::newRow("after line breaks") << "one\r\ntwo\r\nthree" << 0 << 0 << "three" << false << false << 10
                                       << QString();
    QTest::newRow("within a two-line selection")
        << "one three\r\ntwo three\r\nfour three" << 0 << 16 << "three" << false << false << 4 << QString();
    QTest::newRow("beyond a two-line selection")
        << "one\r\ntwo\r\nfour three" << 0 << 8 << "three" << false << false << -1 << within;
    QTest::newRow("one-line selection does not limit")
        << "abc def abc" << 0 << 3 << "abc" << false << false << 8 << QString();
    QTest::newRow("blanks are searched") << "ax x xb" << 0 << 0 << " x " << false << false << 2 << QString();
    QTest::newRow("from the end of the text") << "abc" << 3 << 0 << "abc" << false << false << -1 << toEnd;
}

void TestFind::findNext()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, find);
    QFETCH(bool, wholeWord);
    QFETCH(bool, matchCase);
    QFETCH(int, hit);
    QFETCH(QString, message);
    board()->setText(text);
    select(selStart, selLength);
    m_f->window().runCommand(QStringLiteral("EditFind"));
    QVERIFY(!c().FindFrame->isHidden());
    c().FindString->setText(find);
    c().FindOpt[0]->setChecked(wholeWord);
    c().FindOpt[1]->setChecked(matchCase);

    MessageDriver driver;
    driver.ok();
    c().FindNextButton->click();
    QCOMPARE(m_f->state().textBoard.LastFindString(), find);
    if (hit < 0) {
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, QStringLiteral("Quorvil Find Error"));
        QCOMPARE(driver.last().text, QStringLiteral("\r\r\r") + find.trimmed() + QStringLiteral("\r\r") + message);
        QCOMPARE(driver.last().buttons, QStringList{QStringLiteral("Ok")});
        QCOMPARE(board()->SelStart(), selStart);
        QCOMPARE(board()->SelLength(), selLength);
        return;
    }
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board()->SelStart(), hit);
    QCOMPARE(board()->SelLength(), find.size());
    QCOMPARE(board()->SelText().compare(find, Qt::CaseInsensitive), 0);
}

void TestFind::findAgainMovesOnAndStopsAtTheEnd()
{
    board()->setText(QStringLiteral("abc abc"));
    select(0, 0);
    m_f->window().runCommand(QStringLiteral("EditFind"));
    c().FindString->setText(QStringLiteral("abc"));
    MessageDriver driver;
    driver.ok();
    c().FindNextButton->click();
    QCOMPARE(board()->SelStart(), 4);
    QVERIFY(commands().isEnabled(QStringLiteral("EditFindAgain")));

    // The search never wraps round to the first occurrence.
    m_f->window().runCommand(QStringLiteral("EditFindAgain"));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\rabc\r\rWord not found upto end of TextBoard."));
    QCOMPARE(board()->SelStart(), 4);
    QCOMPARE(board()->SelLength(), 3);
}

void TestFind::findAgainBeforeFirstFindNext()
{
    board()->setText(QStringLiteral("abc abc"));
    select(1, 0);
    QVERIFY(!commands().isEnabled(QStringLiteral("EditFindAgain")));
    MessageDriver driver;
    m_f->window().runCommand(QStringLiteral("EditFindAgain"));
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board()->SelStart(), 1);
    QCOMPARE(board()->SelLength(), 0);
}

void TestFind::openingTakesTheSelection()
{
    if (!activate())
        QSKIP("the window cannot be activated on this platform");
    board()->setText(QStringLiteral("pick this word"));
    select(5, 4);
    m_f->window().runCommand(QStringLiteral("EditFind"));
    QCOMPARE(c().FindString->text(), QStringLiteral("this"));
    QCOMPARE(c().FindString->selectedText(), QStringLiteral("this"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(c().FindString));
    QVERIFY(m_f->state().textBoard.FindHasFocus());
}

void TestFind::frameLayoutOpensAndCloses()
{
    board()->setText(QStringLiteral("x"));
    const double height = Twips::height(board());
    const double allowance = Twips::height(c().FindFrame) + 2 * m_f->state().textBoard.TwipsPerPixelY();
    QList<QWidget *> findControls = {c().FindString, c().FindOpt[0], c().FindOpt[1], c().FindNextButton,
                                     c().CloseFindButton};

    m_f->window().runCommand(QStringLiteral("EditFind"));
    QCOMPARE(Twips::height(board()), height - allowance);
    QCOMPARE(Twips::top(c().FindFrame),
             Twips::top(board()) + height - allowance + 2 * m_f->state().textBoard.TwipsPerPixelY());
    for (QWidget *w : findControls)
        QCOMPARE(w->focusPolicy(), Qt::StrongFocus);

    // A click on the pressed "Find" button releases it and closes the frame.
    QCOMPARE(c().TextEditTB->value(QStringLiteral("Find")), 1);
    c().TextEditTB->button(QStringLiteral("Find"))->trigger();
    QVERIFY(c().FindFrame->isHidden());
    QCOMPARE(Twips::height(board()), height);
    for (QWidget *w : findControls)
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
}

void TestFind::findCommandToggles()
{
    board()->setText(QStringLiteral("x"));
    m_f->window().runCommand(QStringLiteral("EditFind"));
    QVERIFY(!c().FindFrame->isHidden());
    QCOMPARE(c().TextEditTB->value(QStringLiteral("Find")), 1);
    QVERIFY(commands().isChecked(QStringLiteral("EditFind")));
    m_f->window().runCommand(QStringLiteral("EditFind"));
    QVERIFY(c().FindFrame->isHidden());
    QCOMPARE(c().TextEditTB->value(QStringLiteral("Find")), 0);

    m_f->window().runCommand(QStringLiteral("EditFind"));
    c().CloseFindButton->click();
    QVERIFY(c().FindFrame->isHidden());
    QCOMPARE(c().TextEditTB->value(QStringLiteral("Find")), 0);
}

void TestFind::findBoxButtonsAndEnter()
{
    board()->setText(QStringLiteral("one two two"));
    m_f->window().runCommand(QStringLiteral("EditFind"));
    c().FindString->clear();
    QVERIFY(!c().ClearFindButton->isEnabled());
    QVERIFY(!c().FindNextButton->isEnabled());
    QTest::keyClicks(c().FindString, QStringLiteral("two"));
    QVERIFY(c().ClearFindButton->isEnabled());
    QVERIFY(c().FindNextButton->isEnabled());

    MessageDriver driver;
    QTest::keyClick(c().FindString, Qt::Key_Return);
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board()->SelStart(), 4);
    QCOMPARE(board()->SelLength(), 3);

    c().ClearFindButton->click();
    QVERIFY(c().FindString->text().isEmpty());
    QVERIFY(!c().ClearFindButton->isEnabled());
    QVERIFY(!c().FindNextButton->isEnabled());
    // Enter in the empty box presses a disabled button: nothing is searched.
    QTest::keyClick(c().FindString, Qt::Key_Enter);
    QCOMPARE(driver.count(), 0);
    QCOMPARE(m_f->state().textBoard.LastFindString(), QStringLiteral("two"));
}

void TestFind::findHasFocusFollowsTheBox()
{
    if (!activate())
        QSKIP("the window cannot be activated on this platform");
    board()->setText(QStringLiteral("x"));
    m_f->window().runCommand(QStringLiteral("EditFind"));
    c().FindString->setFocus();
    QTRY_VERIFY(m_f->state().textBoard.FindHasFocus());
    board()->setFocus();
    QTRY_VERIFY(!m_f->state().textBoard.FindHasFocus());
}

void TestFind::emptyingTheBoardClosesTheFrame()
{
    board()->setText(QStringLiteral("a"));
    m_f->window().runCommand(QStringLiteral("EditFind"));
    QVERIFY(!c().FindFrame->isHidden());
    select(0, 1);
    board()->setSelText(QString());
    QVERIFY(c().FindFrame->isHidden());
    QCOMPARE(c().TextEditTB->value(QStringLiteral("Find")), 0);
}

QUORVIL_TEST_MAIN(TestFind)
#include "tst_find.moc"
