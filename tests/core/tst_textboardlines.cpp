// How the TextBoard breaks its text into lines, measured with made-up advances (every
// character 10 wide, 'W' 20, the second half of a surrogate pair nothing): words wrap at
// blanks and hyphens, a run longer than a line breaks where the line is full, and a change
// re-breaks to exactly what breaking the whole text afresh gives.
#include "textboard/rules/BoardText.h"
#include "textboard/rules/VisualLines.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

CharAdvances fakeAdvances()
{
    return CharAdvances([](QStringView ch) { return ch == u"W" ? 20.0 : 10.0; });
}

// The text broken at `width`, tab stops 80 apart, with the made-up advances.
VisualLines laidOut(const QString &text, qreal width, const CharAdvances &advances)
{
    VisualLines lines;
    lines.setGeometry(width, 80);
    lines.layout(text, advances);
    return lines;
}

QStringList linesOf(const QString &text, const VisualLines &lines)
{
    QStringList out;
    for (qsizetype i = 0; i < lines.count(); ++i)
        out.append(text.mid(lines.start(i), lines.end(text, i) - lines.start(i)));
    return out;
}

std::vector<qsizetype> startsOf(const VisualLines &lines)
{
    std::vector<qsizetype> out;
    for (qsizetype i = 0; i < lines.count(); ++i)
        out.push_back(lines.start(i));
    return out;
}

} // namespace

class TestTextBoardLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void breaks_data();
    void breaks();
    void tabStops();
    void carets_data();
    void carets();
    void changeRebreaksAsAWhole_data();
    void changeRebreaksAsAWhole();
};

void TestTextBoardLines::breaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << 100.0 << QStringList{""};
    QTest::newRow("fits") << "abc def" << 100.0 << QStringList{"abc def"};
    QTest::newRow("words wrap at blanks") << "aaa bbb ccc" << 65.0 << QStringList{"aaa ", "bbb ", "ccc"};
    QTest::newRow("a word that just fits") << "aaa bbb ccc" << 70.0 << QStringList{"aaa bbb ", "ccc"};
    QTest::newRow("blanks stay at the line's end") << "aaa      bbb" << 50.0 << QStringList{"aaa      ", "bbb"};
    QTest::newRow("a run breaks where the line is full") << QString(25, 'a') << 100.0
                                                          << QStringList{QString(10, 'a'), QString(10, 'a'), "aaaaa"};
    QTest::newRow("a run after a word starts a line") << "ab " + QString(12, 'c') << 100.0
                                                       << QStringList{"ab ", QString(10, 'c'), "cc"};
    QTest::newRow("wide characters") << "WWWWWWW" << 50.0 << QStringList{"WW", "WW", "WW", "W"};
    QTest::newRow("narrower than a character") << "abc" << 5.0 << QStringList{"a", "b", "c"};
    QTest::newRow("hyphenated word") << "well-known" << 70.0 << QStringList{"well-", "known"};
    QTest::newRow("no break after a lone hyphen") << "ab -cdefgh" << 70.0 << QStringList{"ab ", "-cdefgh"};
    QTest::newRow("no-break space holds") << "aaa\u00a0bbb" << 50.0 << QStringList{"aaa\u00a0b", "bb"};
    QTest::newRow("line breaks") << "ab\r\n\r\ncd" << 100.0 << QStringList{"ab", "", "cd"};
    QTest::newRow("break at the end") << "ab\r\n" << 100.0 << QStringList{"ab", ""};
    QTest::newRow("a break where the line is full") << "abcde\r\nf" << 50.0 << QStringList{"abcde", "f"};
    QTest::newRow("pair stays whole") << "abcd\U0001F600x" << 45.0 << QStringList{"abcd", "\U0001F600x"};
    QTest::newRow("no width: no breaking") << "aaa bbb ccc" << 0.0 << QStringList{"aaa bbb ccc"};
}

void TestTextBoardLines::breaks()
{
    QFETCH(QString, text);
    QFETCH(qreal, width);
    QFETCH(QStringList, lines);
    QCOMPARE(linesOf(text, laidOut(text, width, fakeAdvances())), lines);
}

void TestTextBoardLines::tabStops()
{
    const CharAdvances advances = fakeAdvances();
    VisualLines v;
    v.setGeometry(200, 40);
    const QString text = QStringLiteral("a\tb\t\tcdefghijk\tx");
    v.layout(text, advances);
    // a 0-10, tab to 40, b 40-50, tabs to 80 and 120, c..k 120-200, then a new line.
    QCOMPARE(v.xOf(text, advances, 0, 2), 40.0);
    QCOMPARE(v.xOf(text, advances, 0, 5), 120.0);
    QCOMPARE(linesOf(text, v), (QStringList{"a\tb\t\t", "cdefghijk\tx"}));
    QCOMPARE(v.xOf(text, advances, 1, text.size()), 130.0);
}

void TestTextBoardLines::carets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<qreal>("x");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("character");
    QTest::addColumn<int>("lastCaret");
    // "abc def" over "ghi" at width 70: line 0 is "abc def " broken after the blank.
    const QString words = QStringLiteral("abc def ghi");
    QTest::newRow("left half") << words << 0 << 14.0 << 1 << 1 << 7;
    QTest::newRow("right half") << words << 0 << 16.0 << 2 << 1 << 7;
    QTest::newRow("past a wrapped line: before its blank") << words << 0 << 500.0 << 7 << 8 << 7;
    QTest::newRow("second line") << words << 1 << 500.0 << 11 << 11 << 11;
    // A run broken where the line was full: the caret may end after its last character.
    const QString run(12, QLatin1Char('a'));
    QTest::newRow("past a broken run") << run << 0 << 500.0 << 7 << 7 << 7;
    QTest::newRow("before a line break") << "ab\r\ncd" << 0 << 500.0 << 2 << 2 << 2;
    QTest::newRow("before a pair's middle") << "a\U0001F600b" << 0 << 14.0 << 1 << 1 << 4;
    QTest::newRow("past a pair's middle: after the pair") << "a\U0001F600b" << 0 << 16.0 << 3 << 1 << 4;
}

void TestTextBoardLines::carets()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(qreal, x);
    QFETCH(int, caret);
    QFETCH(int, character);
    QFETCH(int, lastCaret);
    const CharAdvances advances = fakeAdvances();
    const VisualLines v = laidOut(text, 70, advances);
    QCOMPARE(v.caretAt(text, advances, line, x), caret);
    QCOMPARE(v.characterAt(text, advances, line, x), character);
    QCOMPARE(v.lastCaret(text, line), lastCaret);
    // A caret at the end of a wrapped line shows there only when asked to.
    if (v.isWrapped(text, 0)) {
        const qsizetype next = v.start(1);
        QCOMPARE(v.caretLine(text, next, false), 1);
        QCOMPARE(v.caretLine(text, next, true), 0);
    }
}

void TestTextBoardLines::changeRebreaksAsAWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    const QString words = QStringLiteral("lorem ipsum dolor sit-amet, W consectetur adipiscing elit ").repeated(20);
    QTest::newRow("words") << words << 133.0;
    QTest::newRow("one run") << QString(2000, QLatin1Char('m')) << 95.0;
    QTest::newRow("runs, words and breaks")
        << (QString(300, QLatin1Char('x')) + QStringLiteral(" ab cd\r\n\r\nef ") + QString(150, QLatin1Char('W')))
               .repeated(4)
        << 171.0;
}

void TestTextBoardLines::changeRebreaksAsAWhole()
{
    QFETCH(QString, text);
    QFETCH(qreal, width);
    const CharAdvances advances = fakeAdvances();
    VisualLines incremental = laidOut(text, width, advances);
    const QStringList pieces = {"a", " ", "W", "-", "\r\n", "xyz xyz", QString(40, QLatin1Char('q')), ""};
    QRandomGenerator random(7);
    for (int round = 0; round < 400; ++round) {
        qsizetype position = BoardText::validPosition(text, random.bounded(int(text.size()) + 1));
        qsizetype end = BoardText::validPosition(text, position + random.bounded(30));
        if (end < position)
            end = position;
        const QString inserted = pieces.at(random.bounded(int(pieces.size())));
        text.replace(position, end - position, inserted);
        incremental.update(text, advances, position, end - position, inserted.size());

        QVERIFY2(startsOf(incremental) == startsOf(laidOut(text, width, advances)),
                 qPrintable(QStringLiteral("round %1: %2 characters at %3 replaced").arg(round).arg(end - position).arg(position)));
    }
}

QTEST_GUILESS_MAIN(TestTextBoardLines)
#include "tst_textboardlines.moc"
