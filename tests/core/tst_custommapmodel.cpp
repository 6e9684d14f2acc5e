#include "fontmap/rules/CustomMapModel.h"

#include <QSet>
#include <QTest>

#include <random>

using Model = CustomMapModel;
using Step = CustomMapModel::Step;
using Look = CustomMapModel::CellLook;
using Shift = CustomMapModel::ShiftDirection;

Q_DECLARE_METATYPE(CustomMapModel::Step)
Q_DECLARE_METATYPE(CustomMapModel::ShiftDirection)

namespace {

// The characters of the list, read position by position.
QList<int> listOf(const Model &m)
{
    QList<int> codes;
    for (int i = 0; i < m.charsInList(); ++i)
        codes.append(m.listCode(i));
    return codes;
}

// Each code in the list or in exactly one cell; the list in code order and as long as there
// are empty cells; a selection exactly while the list has items. Empty text when all hold.
QString invariantBroken(const Model &m)
{
    std::array<int, 256> placed{};
    int empty = 0;
    for (int i = 0; i < Model::kCells; ++i) {
        const int code = m.cellCode(i);
        if (code == 0)
            ++empty;
        else if (code < 32)
            return QStringLiteral("cell %1 holds control code %2").arg(i).arg(code);
        else
            ++placed[code];
    }
    const QList<int> list = listOf(m);
    if (!std::is_sorted(list.begin(), list.end()) || std::adjacent_find(list.begin(), list.end()) != list.end())
        return QStringLiteral("list not in strict code order");
    for (int code = 32; code <= 255; ++code) {
        const bool listed = list.contains(code);
        if (listed != m.isInList(quint8(code)))
            return QStringLiteral("code %1: isInList disagrees with the list").arg(code);
        if (int(listed) + placed[code] != 1)
            return QStringLiteral("code %1 listed %2, in %3 cells").arg(code).arg(listed).arg(placed[code]);
    }
    if (m.charsInList() != empty || m.charsInMap() != Model::kCells - empty)
        return QStringLiteral("counts %1/%2 with %3 empty cells").arg(m.charsInList()).arg(m.charsInMap()).arg(empty);
    if (m.selectedCode().has_value() != (m.charsInList() > 0))
        return QStringLiteral("selection and list disagree");
    if (m.selectedCode() && !m.isInList(*m.selectedCode()))
        return QStringLiteral("selected code %1 is not listed").arg(*m.selectedCode());
    return QString();
}

// The cells placed, in the order a model fills them with repeated moves from the list.
QList<int> fillOrder(Shift shift, int moves)
{
    Model m;
    m.setShiftDirection(shift);
    QList<int> order;
    for (int i = 0; i < moves; ++i) {
        order.append(m.currentCell());
        m.moveListToMap();
    }
    order.append(m.currentCell());
    return order;
}

CustomMapCells completeMap()
{
    CustomMapCells cells{};
    for (int i = 0; i < Model::kCells; ++i)
        cells[i] = quint8(255 - i);
    return cells;
}

} // namespace

class TestCustomMapModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newMap();
    void neighbours_data();
    void neighbours();
    void fillingOrder_data();
    void fillingOrder();
    void stepBackAfterMapToList_data();
    void stepBackAfterMapToList();
    void listSelectionAfterTaking_data();
    void listSelectionAfterTaking();
    void listSelectionAfterReturning_data();
    void listSelectionAfterReturning();
    void movesRefusedWhereTheyCannotGo();
    void completeMapOpensWithEmptyList();
    void editedMapListsTheRestInCodeOrder();
    void refusedCellsStayEmpty();
    void navigationSetsWhichMoveIsPossible();
    void looks();
    void clickList_data();
    void clickList();
    void mapChangedFollowsTheSavedCells();
    void randomMovesKeepTheInvariant();
    void keyStrokes_data();
    void keyStrokes();
};

void TestCustomMapModel::newMap()
{
    Model m;
    m.moveListToMap();
    m.setupNew();
    QCOMPARE(m.charsInList(), 224);
    QCOMPARE(m.charsInMap(), 0);
    QCOMPARE(m.selectedCode(), std::optional<quint8>(32));
    QCOMPARE(m.selectedPosition(), 0);
    QCOMPARE(m.currentCell(), 0);
    QCOMPARE(m.look(0), Look::Highlight);
    QCOMPARE(m.look(1), Look::Design);
    QVERIFY(!m.mapChanged());
    QVERIFY(m.canMoveListToMap());
    QVERIFY(!m.canMoveMapToList());
    QCOMPARE(invariantBroken(m), QString());
}

void TestCustomMapModel::neighbours_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<Step>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("Home") << 100 << Step::Home << 0;
    QTest::newRow("End") << 100 << Step::End << 223;
    QTest::newRow("Left from 0 wraps to 223") << 0 << Step::Left << 223;
    QTest::newRow("Left from a row start") << 28 << Step::Left << 27;
    QTest::newRow("Left inside") << 5 << Step::Left << 4;
    QTest::newRow("Right from 223 wraps to 0") << 223 << Step::Right << 0;
    QTest::newRow("Right from a row end") << 27 << Step::Right << 28;
    QTest::newRow("Up inside") << 60 << Step::Up << 32;
    QTest::newRow("Up from 28") << 28 << Step::Up << 0;
    QTest::newRow("Up from 0 to 223") << 0 << Step::Up << 223;
    QTest::newRow("Up from 1 to 196") << 1 << Step::Up << 196;
    QTest::newRow("Up from 27 to 222") << 27 << Step::Up << 222;
    QTest::newRow("Down inside") << 32 << Step::Down << 60;
    QTest::newRow("Down from 195") << 195 << Step::Down << 223;
    QTest::newRow("Down from 223 to 0") << 223 << Step::Down << 0;
    QTest::newRow("Down from 222 to 27") << 222 << Step::Down << 27;
    QTest::newRow("Down from 196 to 1") << 196 << Step::Down << 1;
}

void TestCustomMapModel::neighbours()
{
    QFETCH(int, from);
    QFETCH(Step, key);
    QFETCH(int, to);
    QCOMPARE(Model::neighbour(from, key), to);

    Model m;
    m.selectCell(from);
    m.step(key);
    QCOMPARE(m.currentCell(), to);
    QCOMPARE(m.look(to), Look::Highlight);
    if (from != to)
        QCOMPARE(m.look(from), Look::Left);
}

void TestCustomMapModel::fillingOrder_data()
{
    QTest::addColumn<Shift>("shift");
    QTest::addColumn<QList<int>>("cells");
    QTest::newRow("horizontal") << Shift::Horizontal << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("vertical down a column, then the top of the next")
        << Shift::Vertical << QList<int>{0, 28, 56, 84, 112, 140, 168, 196, 1, 29, 57};
}

void TestCustomMapModel::fillingOrder()
{
    QFETCH(Shift, shift);
    QFETCH(QList<int>, cells);
    QCOMPARE(fillOrder(shift, int(cells.size()) - 1), cells);

    // Filling the whole map visits every cell once, ends on 223 and wraps to 0.
    const QList<int> whole = fillOrder(shift, Model::kCells);
    QCOMPARE(whole.at(Model::kCells - 1), 223);
    QCOMPARE(whole.last(), 0);
    QCOMPARE(QSet<int>(whole.begin(), whole.end() - 1).size(), Model::kCells);
}

void TestCustomMapModel::stepBackAfterMapToList_data()
{
    QTest::addColumn<Shift>("shift");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("vertical from 0") << Shift::Vertical << 0 << 223;
    QTest::newRow("vertical from 5") << Shift::Vertical << 5 << 200;
    QTest::newRow("vertical from 60") << Shift::Vertical << 60 << 32;
    QTest::newRow("horizontal from 0") << Shift::Horizontal << 0 << 223;
    QTest::newRow("horizontal from 5") << Shift::Horizontal << 5 << 4;
}

void TestCustomMapModel::stepBackAfterMapToList()
{
    QFETCH(Shift, shift);
    QFETCH(int, from);
    QFETCH(int, to);
    Model m;
    m.setShiftDirection(shift);
    m.selectCell(from);
    m.moveListToMap();
    m.selectCell(from);
    const quint8 code = m.cellCode(from);
    m.moveMapToList();
    QCOMPARE(m.currentCell(), to);
    QVERIFY(m.isCellEmpty(from));
    QVERIFY(m.isInList(code));
    QCOMPARE(m.look(to), Look::Highlight);
    QCOMPARE(m.look(from), Look::Left);
    QCOMPARE(invariantBroken(m), QString());
}

void TestCustomMapModel::listSelectionAfterTaking_data()
{
    // A map with `listed` characters left in the list; the one at `position` is taken.
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("selectedAfter");  // position, -1 for none
    QTest::newRow("first of many: the next moves up") << 224 << 0 << 0;
    QTest::newRow("middle: the next moves up") << 224 << 100 << 100;
    QTest::newRow("last of many: the new last") << 224 << 223 << 222;
    QTest::newRow("last of two: the one left") << 2 << 1 << 0;
    QTest::newRow("the only one: no selection") << 1 << 0 << -1;
}

void TestCustomMapModel::listSelectionAfterTaking()
{
    QFETCH(int, listed);
    QFETCH(int, position);
    QFETCH(int, selectedAfter);
    Model m;
    while (m.charsInList() > listed)
        m.moveListToMap();
    m.clickList(position);
    const int cell = m.currentCell();
    const quint8 taken = *m.selectedCode();
    const QList<int> before = listOf(m);
    m.moveListToMap();
    QCOMPARE(m.cellCode(cell), taken);
    QCOMPARE(m.charsInList(), listed - 1);
    QCOMPARE(m.selectedPosition(), selectedAfter);
    if (selectedAfter >= 0)
        QCOMPARE(int(*m.selectedCode()), before.at(selectedAfter < position ? selectedAfter : selectedAfter + 1));
    QCOMPARE(invariantBroken(m), QString());
}

void TestCustomMapModel::listSelectionAfterReturning_data()
{
    QTest::addColumn<int>("placed");       // characters placed horizontally from cell 0
    QTest::addColumn<int>("selectBefore"); // list position clicked before the return, -1 none
    QTest::addColumn<int>("returnCell");
    QTest::addColumn<int>("selectedCode");
    // Cells 0..3 hold 32..35; the list starts at 36.
    QTest::newRow("selection kept, returned code before it") << 4 << 2 << 1 << 38;
    QTest::newRow("selection kept, returned code after it") << 4 << 0 << 3 << 36;
    QTest::newRow("an empty list selects the returned one") << 224 << -1 << 100 << 132;
}

void TestCustomMapModel::listSelectionAfterReturning()
{
    QFETCH(int, placed);
    QFETCH(int, selectBefore);
    QFETCH(int, returnCell);
    QFETCH(int, selectedCode);
    Model m;
    for (int i = 0; i < placed; ++i)
        m.moveListToMap();
    if (selectBefore >= 0)
        m.clickList(selectBefore);
    QCOMPARE(m.selectedCode().has_value(), selectBefore >= 0);
    m.selectCell(returnCell);
    m.moveMapToList();
    QCOMPARE(int(*m.selectedCode()), selectedCode);
    QCOMPARE(m.selectedPosition(), m.listPosition(quint8(selectedCode)));
    QCOMPARE(invariantBroken(m), QString());
}

void TestCustomMapModel::movesRefusedWhereTheyCannotGo()
{
    Model m;
    m.moveListToMap();  // cell 0 holds the space
    m.selectCell(0);
    QVERIFY(!m.canMoveListToMap());
    const CustomMapCells cells = m.cells();
    const auto selected = m.selectedCode();
    m.moveListToMap();
    QCOMPARE(m.cells(), cells);
    QCOMPARE(m.selectedCode(), selected);
    QCOMPARE(m.currentCell(), 0);

    m.selectCell(1);
    QVERIFY(!m.canMoveMapToList());
    m.moveMapToList();
    QCOMPARE(m.cells(), cells);
    QCOMPARE(m.currentCell(), 1);
    QCOMPARE(invariantBroken(m), QString());
}

void TestCustomMapModel::completeMapOpensWithEmptyList()
{
    Model m;
    m.setupEdit(completeMap());
    QCOMPARE(m.charsInList(), 0);
    QCOMPARE(m.charsInMap(), 224);
    QCOMPARE(m.selectedCode(), std::nullopt);
    QCOMPARE(m.selectedPosition(), -1);
    QVERIFY(!m.canMoveListToMap());
    QVERIFY(m.canMoveMapToList());
    QVERIFY(!m.mapChanged());

    m.moveMapToList();
    QCOMPARE(listOf(m), QList<int>{255});
    QCOMPARE(m.selectedCode(), std::optional<quint8>(255));
    QCOMPARE(m.currentCell(), 223);
    QVERIFY(m.mapChanged());
    QCOMPARE(invariantBroken(m), QString());
}

void TestCustomMapModel::editedMapListsTheRestInCodeOrder()
{
    CustomMapCells cells{};
    cells[0] = 'Z';
    cells[7] = '"';
    cells[223] = 32;
    Model m;
    m.setupEdit(cells);
    QCOMPARE(m.charsInList(), 221);
    QCOMPARE(listOf(m).mid(0, 3), (QList<int>{33, 35, 36}));
    QCOMPARE(m.selectedCode(), std::optional<quint8>(33));
    QCOMPARE(m.listPosition('Z'), -1);
    QCOMPARE(m.listPosition('['), 'Z' - 32 - 2);
    QCOMPARE(m.savedCells(), cells);
    QCOMPARE(invariantBroken(m), QString());
}

void TestCustomMapModel::refusedCellsStayEmpty()
{
    CustomMapCells cells{};
    cells[0] = 'A';
    cells[1] = 'A';
    cells[2] = 10;
    Model m;
    m.setupEdit(cells);
    QCOMPARE(m.cellCode(0), quint8('A'));
    QVERIFY(m.isCellEmpty(1));
    QVERIFY(m.isCellEmpty(2));
    QCOMPARE(m.charsInList(), 223);
    QCOMPARE(invariantBroken(m), QString());
}

void TestCustomMapModel::navigationSetsWhichMoveIsPossible()
{
    Model m;
    m.moveListToMap();  // cell 0 filled, highlight on the empty cell 1
    QVERIFY(m.canMoveListToMap());
    QVERIFY(!m.canMoveMapToList());
    m.step(Step::Left);
    QCOMPARE(m.currentCell(), 0);
    QVERIFY(!m.canMoveListToMap());
    QVERIFY(m.canMoveMapToList());
}

void TestCustomMapModel::looks()
{
    Model m;
    m.moveListToMap();
    QCOMPARE(m.look(0), Look::Left);
    QCOMPARE(m.look(1), Look::ListHighlight);
    m.step(Step::Down);
    QCOMPARE(m.look(1), Look::Left);
    QCOMPARE(m.look(29), Look::Highlight);
    m.clickList(3);
    QCOMPARE(m.look(29), Look::ListHighlight);
    m.selectCell(0);
    m.moveMapToList();
    QCOMPARE(m.look(0), Look::Left);
    QCOMPARE(m.look(223), Look::Highlight);
    QCOMPARE(m.look(100), Look::Design);
}

void TestCustomMapModel::clickList_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("selected");
    QTest::newRow("an item") << 10 << 10;
    QTest::newRow("the last item") << 223 << 223;
    QTest::newRow("nothing selects the first") << -1 << 0;
    QTest::newRow("past the end selects the first") << 224 << 0;
}

void TestCustomMapModel::clickList()
{
    QFETCH(int, position);
    QFETCH(int, selected);
    Model m;
    m.clickList(position);
    QCOMPARE(m.selectedPosition(), selected);
    QCOMPARE(int(*m.selectedCode()), 32 + selected);
}

void TestCustomMapModel::mapChangedFollowsTheSavedCells()
{
    Model m;
    m.setupEdit(completeMap());
    m.selectCell(50);
    m.moveMapToList();
    QVERIFY(m.mapChanged());
    m.selectCell(50);
    m.moveListToMap();  // the only listed character goes back where it was
    QVERIFY(!m.mapChanged());

    m.selectCell(50);
    m.moveMapToList();
    m.markSaved();
    QVERIFY(!m.mapChanged());
    QVERIFY(m.savedCells()[50] == 0);
    m.selectCell(50);
    m.moveListToMap();
    QVERIFY(m.mapChanged());
}

void TestCustomMapModel::randomMovesKeepTheInvariant()
{
    std::mt19937 random(20240607);
    auto below = [&random](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };
    Model m;
    int listToMap = 0;
    for (int i = 0; i < 1000; ++i) {
        // Between moves the user clicks, types keys, clicks in the list or changes direction.
        switch (below(6)) {
        case 0:
        case 1:
            m.selectCell(below(Model::kCells));
            break;
        case 2:
            m.step(Step(below(6)));
            break;
        case 3:
            m.clickList(below(Model::kCells + 1) - 1);
            break;
        case 4:
            m.setShiftDirection(below(2) ? Shift::Vertical : Shift::Horizontal);
            break;
        default:
            break;
        }
        // An empty cell always has a character to take (the list is as long as the empty
        // cells are many), a filled one a character to give back: one move is always possible.
        QVERIFY(m.canMoveListToMap() != m.canMoveMapToList());
        if (m.canMoveListToMap()) {
            ++listToMap;
            m.moveListToMap();
        } else {
            m.moveMapToList();
        }
        const QString broken = invariantBroken(m);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("after move %1: %2").arg(i).arg(broken)));
    }
    // The walk moved characters both ways, not one way only.
    QVERIFY2(listToMap > 300 && listToMap < 700, qPrintable(QString::number(listToMap)));
}

void TestCustomMapModel::keyStrokes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("label");
    QTest::newRow("space") << 32 << "Space Bar";
    QTest::newRow("!") << 33 << "!";
    QTest::newRow("double quote") << 34 << "\"";
    QTest::newRow("A") << 65 << "A";
    QTest::newRow("tilde") << 126 << "~";
    QTest::newRow("127") << 127 << "Ctrl+1";
    QTest::newRow("128") << 128 << "Ctrl+2";
    QTest::newRow("129") << 129 << "Alt+0129";
    QTest::newRow("233") << 233 << "Alt+0233";
    QTest::newRow("255") << 255 << "Alt+0255";
}

void TestCustomMapModel::keyStrokes()
{
    QFETCH(int, code);
    QFETCH(QString, label);
    QCOMPARE(Model::keyStroke(quint8(code)), label);
}

QTEST_GUILESS_MAIN(TestCustomMapModel)
#include "tst_custommapmodel.moc"
