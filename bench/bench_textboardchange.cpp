// TextBoard_Change on a full TextBoard: the counters, the fill meter and the command
// states, recomputed as after every keystroke; one whole edit (the box's own work plus the
// change handler) for comparison; and a keystroke as the user makes it on a board of
// 61,000 characters in one paragraph: the key press and release, the box's layout, the
// change handler and the repaint, at the end and in the middle of ordinary words and of one
// long run of letters, at the smallest, a middle and the largest TextBoard size.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "textboard/TextBoardEdit.h"

#include <QLabel>
#include <QSlider>

namespace {

constexpr int kParagraph = 61000;

// Words of 1 to 10 letters between single blanks, the same every run.
QString words(int length)
{
    QString text;
    text.reserve(length);
    quint32 seed = 12345;
    while (text.size() < length) {
        seed = seed * 1103515245u + 12345u;
        const int n = 1 + int((seed >> 16) % 10);
        for (int i = 0; i < n; ++i)
            text.append(QLatin1Char(char('a' + (seed >> (i + 3)) % 26)));
        text.append(QLatin1Char(' '));
    }
    text.truncate(length);
    return text;
}

} // namespace

class BenchTextBoardChange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changeHandler_data();
    void changeHandler();
    void replaceLastCharacter_data();
    void replaceLastCharacter();
    void keystroke_data();
    void keystroke();

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

void BenchTextBoardChange::keystroke_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("points");
    const QString kinds[] = {words(kParagraph), QString(kParagraph, QLatin1Char('m'))};
    const char *kindNames[] = {"words", "one run"};
    for (int k = 0; k < 2; ++k) {
        for (const bool middle : {false, true}) {
            for (const int points : {8, 18, 36}) {
                QTest::addRow("%s, %s, %d pt", kindNames[k], middle ? "middle" : "end", points)
                    << kinds[k] << (middle ? kParagraph / 2 : kParagraph) << points;
            }
        }
    }
}

void BenchTextBoardChange::keystroke()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, points);
    MainWindowFixture f(1280, 1024);
    QVERIFY(f.start());
    f.controls().FontSizeSlider->setValue(points);
    TextBoardEdit *board = f.controls().TextBoard;
    QCOMPARE(board->font().pointSize(), points);
    board->setFocus();
    board->setText(text);
    board->setSelStart(position);
    QCoreApplication::processEvents();

    // Each round is one keystroke: a letter typed, then taken back with Backspace, so the
    // board stays at the same size however many rounds are run.
    bool typed = false;
    QBENCHMARK {
        if (typed)
            QTest::keyClick(board, Qt::Key_Backspace);
        else
            QTest::keyClick(board, Qt::Key_X);
        typed = !typed;
        QCoreApplication::processEvents(); // the repaint
    }
    QCOMPARE(board->length(), kParagraph + (typed ? 1 : 0));
}

QUORVIL_TEST_MAIN_SCREEN(BenchTextBoardChange, 1280, 1024, 96)
#include "bench_textboardchange.moc"
