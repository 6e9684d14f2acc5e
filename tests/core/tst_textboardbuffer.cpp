// The TextBoard's text without its display: edits within the limit, line breaks kept
// whole, the undo steps a user expects, and moving by words.
#include "textboard/rules/TextBoardBuffer.h"
#include "textboard/rules/WordRule.h"

#include <QTest>

using Kind = EditHistory::Kind;
using Overflow = TextBoardBuffer::Overflow;

class TestTextBoardBuffer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void insertWithinLimit_data();
    void insertWithinLimit();
    void breaksStayWhole();
    void undoSteps_data();
    void undoSteps();
    void undoBringsSelectionBack();
    void newEditEndsRedo();
    void recodeKeepsSelection();
    void words_data();
    void words();
};

void TestTextBoardBuffer::insertWithinLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<int>("overflow");
    QTest::addColumn<QString>("after"); // empty with `refused`: unchanged
    QTest::addColumn<bool>("changed");
    QTest::newRow("fits") << "abc" << 3 << 0 << "de" << int(Overflow::Refuse) << "abcde" << true;
    QTest::newRow("refused") << "abcd" << 4 << 0 << "ef" << int(Overflow::Refuse) << "abcd" << false;
    QTest::newRow("cut to the room") << "abcd" << 4 << 0 << "efg" << int(Overflow::Cut) << "abcde" << true;
    QTest::newRow("the selection gives room") << "abcde" << 1 << 3 << "xyz" << int(Overflow::Refuse) << "axyze" << true;
    QTest::newRow("a break counts two") << "abc" << 3 << 0 << "\n" << int(Overflow::Refuse) << "abc\r\n" << true;
    QTest::newRow("a cut never halves a break") << "abcd" << 4 << 0 << "\r\n" << int(Overflow::Cut) << "abcd" << false;
    QTest::newRow("nothing for nothing") << "abc" << 1 << 0 << "" << int(Overflow::Refuse) << "abc" << false;
    QTest::newRow("nothing deletes the selection") << "abc" << 1 << 1 << "" << int(Overflow::Refuse) << "ac" << true;
}

void TestTextBoardBuffer::insertWithinLimit()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, inserted);
    QFETCH(int, overflow);
    QFETCH(QString, after);
    QFETCH(bool, changed);
    TextBoardBuffer b;
    b.setMaxLength(5);
    b.setText(text);
    b.setSelection(selStart, selStart + selLength);
    const auto change = b.insert(inserted, Kind::Other, Overflow(overflow));
    QCOMPARE(change.has_value(), changed);
    QCOMPARE(b.text(), after);
    if (changed) {
        QCOMPARE(change->position, selStart);
        QCOMPARE(change->removed, selLength);
        QCOMPARE(b.caret(), selStart + change->inserted);
        QVERIFY(!b.hasSelection());
    }
}

void TestTextBoardBuffer::breaksStayWhole()
{
    TextBoardBuffer b;
    b.setText(QStringLiteral("ab\rcd\nef"));
    QCOMPARE(b.text(), QStringLiteral("ab\r\ncd\r\nef"));
    // A position between CR and LF goes back before the break.
    b.setSelection(3, 7);
    QCOMPARE(b.anchor(), 2);
    QCOMPARE(b.caret(), 6);
    const auto change = b.remove(3, 5, Kind::Other);
    QVERIFY(change);
    QCOMPARE(b.text(), QStringLiteral("abd\r\nef"));
}

void TestTextBoardBuffer::undoSteps_data()
{
    QTest::addColumn<QStringList>("edits"); // "t:x" types x, "b" Backspace, "d" Delete, "m" moves the caret
    QTest::addColumn<QStringList>("afterEachUndo");
    QTest::newRow("typing is one step") << QStringList{"t:a", "t:b", "t:c"} << QStringList{""};
    QTest::newRow("a caret move ends a step") << QStringList{"t:a", "t:b", "m", "t:c"} << QStringList{"ab", ""};
    QTest::newRow("Backspaces are one step") << QStringList{"t:abcd", "m", "b", "b", "b"} << QStringList{"abcd", ""};
    QTest::newRow("Deletes are one step") << QStringList{"t:abcd", "m", "home", "d", "d"} << QStringList{"abcd", ""};
    QTest::newRow("typing after Backspace is its own step")
        << QStringList{"t:ab", "b", "t:x"} << QStringList{"a", "ab", ""};
}

void TestTextBoardBuffer::undoSteps()
{
    QFETCH(QStringList, edits);
    QFETCH(QStringList, afterEachUndo);
    TextBoardBuffer b;
    for (const QString &e : edits) {
        if (e.startsWith(QLatin1String("t:"))) {
            for (const QChar ch : e.mid(2))
                b.insert(QString(ch), Kind::Typing, Overflow::Refuse);
        } else if (e == QLatin1String("b")) {
            b.remove(b.caret() - 1, b.caret(), Kind::DeletingBack);
        } else if (e == QLatin1String("d")) {
            b.remove(b.caret(), b.caret() + 1, Kind::DeletingForward);
        } else if (e == QLatin1String("home")) {
            b.setCaret(0);
            b.closeEditRun();
        } else {
            b.closeEditRun();
        }
    }
    for (const QString &expected : afterEachUndo) {
        QVERIFY(b.undo());
        QCOMPARE(b.text(), expected);
    }
    QVERIFY(!b.canUndo());
    QVERIFY(!b.undo());
}

void TestTextBoardBuffer::undoBringsSelectionBack()
{
    TextBoardBuffer b;
    b.setText(QStringLiteral("one two three"));
    b.setSelection(8, 4); // "two " selected backwards
    b.insert(QStringLiteral("2 "), Kind::Typing, Overflow::Refuse);
    QCOMPARE(b.text(), QStringLiteral("one 2 three"));
    const auto undone = b.undo();
    QVERIFY(undone);
    QCOMPARE(undone->position, 4);
    QCOMPARE(undone->removed, 2);
    QCOMPARE(undone->inserted, 4);
    QCOMPARE(b.text(), QStringLiteral("one two three"));
    QCOMPARE(b.anchor(), 8);
    QCOMPARE(b.caret(), 4);
    QVERIFY(b.redo());
    QCOMPARE(b.text(), QStringLiteral("one 2 three"));
    QCOMPARE(b.caret(), 6);
}

void TestTextBoardBuffer::newEditEndsRedo()
{
    TextBoardBuffer b;
    b.insert(QStringLiteral("ab"), Kind::Other, Overflow::Refuse);
    b.undo();
    QVERIFY(b.canRedo());
    b.insert(QStringLiteral("x"), Kind::Other, Overflow::Refuse);
    QVERIFY(!b.canRedo());
    b.setText(QStringLiteral("new"));
    QVERIFY(!b.canUndo());
}

void TestTextBoardBuffer::recodeKeepsSelection()
{
    TextBoardBuffer b;
    b.setText(QStringLiteral("abc"));
    b.setSelection(1, 3);
    b.insert(QStringLiteral("x"), Kind::Typing, Overflow::Refuse);
    b.setSelection(0, 1);
    b.recode(QStringLiteral("\uf061\uf078"));
    QCOMPARE(b.text(), QStringLiteral("\uf061\uf078"));
    QCOMPARE(b.selectionStart(), 0);
    QCOMPARE(b.selectionLength(), 1);
    QVERIFY(!b.canUndo()); // its steps held the old characters
    b.recode(QStringLiteral("too long"));
    QCOMPARE(b.text(), QStringLiteral("\uf061\uf078"));
}

void TestTextBoardBuffer::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("wordStart");
    QTest::addColumn<int>("wordEnd");
    const QString t = QStringLiteral("one, two  three\r\nfour");
    QTest::newRow("inside a word") << t << 1 << 3 << 0 << 0 << 3;
    QTest::newRow("at punctuation") << t << 3 << 5 << 0 << 3 << 4;
    QTest::newRow("at a blank") << t << 4 << 5 << 3 << 4 << 5;
    QTest::newRow("blanks before a word") << t << 8 << 10 << 5 << 8 << 10;
    QTest::newRow("before a break") << t << 15 << 17 << 10 << 15 << 15;
    QTest::newRow("after a break") << t << 17 << 21 << 15 << 17 << 21;
    QTest::newRow("at the end") << t << 21 << 21 << 17 << 21 << 21;
    // A symbol font's letters are letters.
    QTest::newRow("symbol letters") << QStringLiteral("\uf061\uf062 \uf063") << 0 << 3 << 0 << 0 << 2;
}

void TestTextBoardBuffer::words()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, next);
    QFETCH(int, previous);
    QFETCH(int, wordStart);
    QFETCH(int, wordEnd);
    QCOMPARE(WordRule::nextWordStart(text, position), next);
    QCOMPARE(WordRule::previousWordStart(text, position), previous);
    const auto [start, end] = WordRule::wordAt(text, position);
    QCOMPARE(start, wordStart);
    QCOMPARE(end, wordEnd);
}

QTEST_GUILESS_MAIN(TestTextBoardBuffer)
#include "tst_textboardbuffer.moc"
