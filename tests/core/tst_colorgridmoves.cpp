#include "core/ColorGridMoves.h"

#include <QTest>

using ColorGridMoves::Move;

Q_DECLARE_METATYPE(ColorGridMoves::Move)

class TestColorGridMoves : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moves_data();
    void moves();
    void everyMoveStaysOnTheGrid_data();
    void everyMoveStaysOnTheGrid();
    void keys();
};

void TestColorGridMoves::moves_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("from");
    QTest::addColumn<Move>("move");
    QTest::addColumn<int>("to");

    // The three palettes (48 preset, 25 system, 40 custom) and the text colour picker (16).
    QTest::newRow("preset up from 1 joins the last") << 48 << 1 << Move::Up << 48;
    QTest::newRow("preset up from 2: bottom of column 1") << 48 << 2 << Move::Up << 41;
    QTest::newRow("preset up inside") << 48 << 20 << Move::Up << 12;
    QTest::newRow("preset down from 47: top of column 8") << 48 << 47 << Move::Down << 8;
    QTest::newRow("preset down from 48 joins the first") << 48 << 48 << Move::Down << 1;
    QTest::newRow("preset left from 1") << 48 << 1 << Move::Left << 48;
    QTest::newRow("system down into the short row") << 25 << 17 << Move::Down << 25;
    QTest::newRow("system down from 18") << 25 << 18 << Move::Down << 3;
    QTest::newRow("system down from 24") << 25 << 24 << Move::Down << 9;
    QTest::newRow("system down from 25") << 25 << 25 << Move::Down << 1;
    QTest::newRow("system up from 1") << 25 << 1 << Move::Up << 25;
    QTest::newRow("system up from 2") << 25 << 2 << Move::Up << 17;
    QTest::newRow("system up from 25") << 25 << 25 << Move::Up << 17;
    QTest::newRow("system end") << 25 << 3 << Move::End << 25;
    QTest::newRow("custom right from 40") << 40 << 40 << Move::Right << 1;
    QTest::newRow("custom up from 8") << 40 << 8 << Move::Up << 39;
    QTest::newRow("custom down from 33") << 40 << 33 << Move::Down << 2;
    QTest::newRow("custom home") << 40 << 17 << Move::Home << 1;
    QTest::newRow("picker up from 2") << 16 << 2 << Move::Up << 9;
    QTest::newRow("picker up from 9") << 16 << 9 << Move::Up << 1;
    QTest::newRow("picker up from 1") << 16 << 1 << Move::Up << 16;
    QTest::newRow("picker down from 8") << 16 << 8 << Move::Down << 16;
    QTest::newRow("picker down from 9") << 16 << 9 << Move::Down << 2;
    QTest::newRow("picker down from 16") << 16 << 16 << Move::Down << 1;
    QTest::newRow("picker left from 1") << 16 << 1 << Move::Left << 16;
    QTest::newRow("picker right from 16") << 16 << 16 << Move::Right << 1;
    // A selection handed in out of range moves from the nearest cell.
    QTest::newRow("out of range from 99") << 48 << 99 << Move::Left << 47;
    QTest::newRow("out of range from 0") << 16 << 0 << Move::Right << 2;
}

void TestColorGridMoves::moves()
{
    QFETCH(int, count);
    QFETCH(int, from);
    QFETCH(Move, move);
    QFETCH(int, to);
    QCOMPARE(ColorGridMoves::apply(move, from, count), to);
}

void TestColorGridMoves::everyMoveStaysOnTheGrid_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("preset") << 48;
    QTest::newRow("system") << 25;
    QTest::newRow("custom") << 40;
    QTest::newRow("picker") << 16;
}

void TestColorGridMoves::everyMoveStaysOnTheGrid()
{
    QFETCH(int, count);
    const bool full = count % ColorGridMoves::kColumns == 0;
    for (int s = 1; s <= count; ++s) {
        for (Move m : {Move::Home, Move::End, Move::Left, Move::Right, Move::Up, Move::Down}) {
            const int to = ColorGridMoves::apply(m, s, count);
            QVERIFY2(to >= 1 && to <= count, qPrintable(QStringLiteral("from %1 to %2").arg(s).arg(to)));
        }
        // Left undoes Right everywhere; on full grids Down undoes Up, so the walk visits every cell.
        QCOMPARE(ColorGridMoves::apply(Move::Left, ColorGridMoves::apply(Move::Right, s, count), count), s);
        if (full)
            QCOMPARE(ColorGridMoves::apply(Move::Down, ColorGridMoves::apply(Move::Up, s, count), count), s);
    }
}

void TestColorGridMoves::keys()
{
    QCOMPARE(ColorGridMoves::moveForKey(Qt::Key_Home), Move::Home);
    QCOMPARE(ColorGridMoves::moveForKey(Qt::Key_Down), Move::Down);
    QVERIFY(!ColorGridMoves::moveForKey(Qt::Key_PageDown));
    QVERIFY(!ColorGridMoves::moveForKey(Qt::Key_Return));
}

QTEST_GUILESS_MAIN(TestColorGridMoves)
#include "tst_colorgridmoves.moc"
