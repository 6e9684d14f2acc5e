// The paste room arithmetic and the text that travels between the TextBoard and the
// clipboard.

#include "textboard/rules/ClipboardText.h"
#include "textboard/rules/PasteRoom.h"

#include <QTest>

class TestTextBoardEditingRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void room_data();
    void room();
    void partialText_data();
    void partialText();
    void toClipboard_data();
    void toClipboard();
    void fromClipboard_data();
    void fromClipboard();
};

void TestTextBoardEditingRules::room_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selection");
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("room");
    QTest::newRow("empty board") << 0 << 0 << false << 61440;
    QTest::newRow("1,000 free") << 60440 << 0 << false << 1000;
    QTest::newRow("full, nothing selected") << 61440 << 0 << true << 0;
    QTest::newRow("full, 10 selected") << 61440 << 10 << false << 10;
    QTest::newRow("selection gives its room back") << 60440 << 500 << false << 1500;
}

void TestTextBoardEditingRules::room()
{
    QFETCH(int, count);
    QFETCH(int, selection);
    QFETCH(bool, full);
    QFETCH(int, room);
    QCOMPARE(PasteRoom::boardIsFull(count, selection, 61440), full);
    QCOMPARE(PasteRoom::room(count, selection, 61440), room);
}

void TestTextBoardEditingRules::partialText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("part");
    QTest::newRow("cut") << "abcdef" << 4 << "abcd";
    QTest::newRow("all fits") << "abc" << 5 << "abc";
    QTest::newRow("no room") << "abc" << 0 << "";
    QTest::newRow("cut after a break") << "ab\r\ncd" << 4 << "ab\r\n";
    QTest::newRow("cut inside a break") << "ab\r\ncd" << 3 << "ab";
    QTest::newRow("cut before a break") << "ab\r\ncd" << 2 << "ab";
}

void TestTextBoardEditingRules::partialText()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(QString, part);
    QCOMPARE(PasteRoom::partialText(text, room), part);
}

void TestTextBoardEditingRules::toClipboard_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("symbol");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("ansi keeps its characters") << QStringLiteral("a\u00e9\u20ac") << false << QStringLiteral("a\u00e9\u20ac");
    QTest::newRow("breaks become LF") << "one\r\ntwo\r\n" << false << "one\ntwo\n";
    QTest::newRow("symbol codes as their letters")
        << QStringLiteral("\uf041\uf0e9\uf080") << true << QStringLiteral("A\u00e9\u20ac");
}

void TestTextBoardEditingRules::toClipboard()
{
    QFETCH(QString, board);
    QFETCH(bool, symbol);
    QFETCH(QString, clipboard);
    QCOMPARE(toClipboardText(board, symbol ? FontCharset::Symbol : FontCharset::Ansi), clipboard);
}

void TestTextBoardEditingRules::fromClipboard_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("symbol");
    QTest::addColumn<QString>("board");
    QTest::newRow("LF") << "a\nb" << false << "a\r\nb";
    QTest::newRow("CR LF") << "a\r\nb" << false << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb" << false << "a\r\nb";
    QTest::newRow("blank lines") << "\n\r\n\r" << false << "\r\n\r\n\r\n";
    QTest::newRow("symbol takes the codes") << "A\u00e9\nx" << true << QStringLiteral("\uf041\uf0e9\r\n\uf078");
    QTest::newRow("no code: left as it is") << QStringLiteral("\u0101") << true << QStringLiteral("\u0101");
}

void TestTextBoardEditingRules::fromClipboard()
{
    QFETCH(QString, clipboard);
    QFETCH(bool, symbol);
    QFETCH(QString, board);
    QCOMPARE(fromClipboardText(clipboard, symbol ? FontCharset::Symbol : FontCharset::Ansi), board);
}

QTEST_GUILESS_MAIN(TestTextBoardEditingRules)
#include "tst_textboardeditingrules.moc"
