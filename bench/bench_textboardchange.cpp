// TextBoard_Change on a full TextBoard: the counters, the fill meter and the command
// states, recomputed as after every keystroke; and one whole edit (the box's own work
// plus the change handler) for comparison.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "textboard/TextBoardEdit.h"

#include <QLabel>

class BenchTextBoardChange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changeHandler_data();
    void changeHandler();
    void replaceLastCharacter_data();
    void replaceLastCharacter();

private:
    void fullBoardRows();
};

void BenchTextBoardChange::fullBoardRows()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("one line") << QString(61440, QLatin1Char('a'));
    // Many short lines: the box counts every break as two characters.
    QTest::newRow("10,240 lines") << QStringLiteral("abcd\r\n").repeated(61440 / 6);
}

void BenchTextBoardChange::changeHandler_data()
{
    fullBoardRows();
}

void BenchTextBoardChange::changeHandler()
{
    QFETCH(QString, text);
    MainWindowFixture f;
    QVERIFY(f.start());
    TextBoardEdit *board = f.controls().TextBoard;
    board->setText(text);
    QCOMPARE(f.controls().NoOfChars->text(), QStringLiteral("61,440"));
    QBENCHMARK {
        Q_EMIT board->Change();
    }
}

void BenchTextBoardChange::replaceLastCharacter_data()
{
    fullBoardRows();
}

void BenchTextBoardChange::replaceLastCharacter()
{
    QFETCH(QString, text);
    MainWindowFixture f;
    QVERIFY(f.start());
    TextBoardEdit *board = f.controls().TextBoard;
    board->setText(text);
    QBENCHMARK {
        board->setSelStart(board->length() - 1);
        board->setSelLength(1);
        board->setSelText(QStringLiteral("b"));
    }
    QCOMPARE(f.controls().NoOfChars->text(), QStringLiteral("61,440"));
}

QUORVIL_TEST_MAIN(BenchTextBoardChange)
#include "bench_textboardchange.moc"
