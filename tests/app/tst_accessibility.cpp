// What a screen reader finds in the program, through Qt's accessibility interfaces: every
// control a user acts on or that explains itself has a name, whether tooltips are shown or
// not, and the painted grids (the FontMap, the custom map editor's template, the keyboard's
// keys, the colour cells) are tables whose cells are read by their captions and codes.
#include "support/CustomMapFixture.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "support/ToolsFixture.h"
#include "support/WhenModal.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontMapColors.h"
#include "fontmap/rules/QcmFormat.h"
#include "textboard/TBColorPicker.h"
#include "textboard/TextBoardEdit.h"
#include "tools/ExtendedCharPanel.h"
#include "tools/Keyboard.h"
#include "widgets/ColorGrid.h"
#include "widgets/CoolBar.h"
#include "widgets/Message.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>

// Puts a window into one of the states a user reads it in (a tab shown, a panel opened).
using State = std::function<void(QWidget *)>;
Q_DECLARE_METATYPE(QList<State>)

namespace {

// Roles of what a user acts on. A scroll bar counts where it takes the focus; a view's own
// bars are read through the view.
bool actsOn(QAccessibleInterface *a)
{
    switch (a->role()) {
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::EditableText:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Table:
    case QAccessible::Cell:
        return true;
    default:
        break;
    }
    // A widget that hands its focus on to another is read as that one.
    const auto *w = qobject_cast<const QWidget *>(a->object());
    return a->state().focusable && !(w && w->focusProxy());
}

bool isTagged(QAccessibleInterface *a)
{
    return a->object() && a->object()->property("Tag").isValid();
}

// A label with neither text nor picture: a colour sample, a cover over other labels, a meter.
bool showsNothing(QAccessibleInterface *a)
{
    const auto *label = qobject_cast<const QLabel *>(a->object());
    return label && label->text().isEmpty() && label->pixmap().isNull();
}

QString step(QAccessibleInterface *a)
{
    const QString name = a->object() ? a->object()->objectName() : QString();
    return name.isEmpty() ? QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(a->role())) : name;
}

// The elements under `a` that a screen reader cannot name, by their paths. Everything shown
// is read; of what is hidden, the controls with an explanation are checked too, since they
// show themselves in use (the edits that open over a number).
void collectUnnamed(QAccessibleInterface *a, const QString &path, QStringList &unnamed)
{
    const bool shown = !a->state().invisible;
    const bool needsName = (shown && (actsOn(a) || isTagged(a) || showsNothing(a)))
                           || (isTagged(a) && !qobject_cast<const QLabel *>(a->object()));
    const QString name = a->text(QAccessible::Name);
    // A cell with nothing in it (a custom map's empty cell) is read as a blank cell.
    const bool emptyCell = a->role() == QAccessible::Cell && a->text(QAccessible::Description).isEmpty();
    if (needsName && name.isEmpty() && !emptyCell)
        unnamed.append(path);
    // A combo box's popup list is read through the combo box.
    if (a->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < a->childCount(); ++i) {
        QAccessibleInterface *child = a->child(i);
        QVERIFY2(child, qPrintable(path));
        collectUnnamed(child, path + QLatin1Char('/') + step(child), unnamed);
    }
}

QStringList unnamedIn(QWidget *window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), window->objectName(), unnamed);
    return unnamed;
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Checks one cell of a table as a screen reader finds it: by its row and column, by its place
// on the screen, and among the table's children.
void checkCell(QAccessibleInterface *table, int row, int column, const QString &name, const QString &description)
{
    QAccessibleTableInterface *cells = table->tableInterface();
    QVERIFY(cells);
    QAccessibleInterface *cell = cells->cellAt(row, column);
    QVERIFY(cell);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->text(QAccessible::Name), name);
    QCOMPARE(cell->text(QAccessible::Description), description);
    QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
    QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
    QCOMPARE(cell->parent(), table);
    const int index = table->indexOfChild(cell);
    QVERIFY(index >= 0);
    QCOMPARE(table->child(index), cell);
    QCOMPARE(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
}

// The window with each of its tabs in front in turn.
QList<State> eachTab(const char *tabs, int count)
{
    QList<State> states;
    for (int i = 0; i < count; ++i) {
        states.append([tabs, i](QWidget *window) {
            if (auto *widget = window->findChild<QTabWidget *>(QString::fromLatin1(tabs)))
                widget->setCurrentIndex(i);
            else
                window->findChild<QTabBar *>(QString::fromLatin1(tabs))->setCurrentIndex(i);
        });
    }
    return states;
}

QList<State> asOpened()
{
    return {[](QWidget *) {}};
}

// A custom map file holding `cells`.
QString writeMap(const QTemporaryDir &dir, const char *name, const CustomMapCells &cells)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QcmFormat::serialize(cells)) < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

// A failed check of a cell ends the test there.
#define CHECK_CELL(...)                                                                            \
    do {                                                                                           \
        checkCell(__VA_ARGS__);                                                                    \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void fontMapCells_data();
    void fontMapCells();
    void everyFontMapCellReadsItsCode();
    void fontMapFollowsTheLoadedMap();
    void templateCells();
    void keyboardKeys();
    void colourCells();
};

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("command");  // what opens the window; empty for the main window
    QTest::addColumn<QList<State>>("states");
    // With text on the board, so that its fill meter shows, and the find bar open.
    const QList<State> mainWindow = {[](QWidget *w) {
        auto *window = static_cast<Quorvil *>(w);
        window->controls().TextBoard->setText(QString(10000, QLatin1Char('x')));
        window->runCommand(QStringLiteral("EditFind"));
    }};
    const QList<State> keyboard = {[](QWidget *) {},
                                   [](QWidget *w) { w->findChild<QCheckBox *>(QStringLiteral("chkSplChar"))->click(); }};
    const struct
    {
        const char *row;
        const char *command;
        QList<State> states;
    } windows[] = {
        {"main window with find", "", mainWindow},
        {"options", "ToolsOpt", eachTab("SSTabOption", 6)},
        {"keyboard viewer", "ToolsKB", keyboard},
        {"font browser", "ToolsFB", asOpened()},
        {"custom map editor", "FileCFMNew", asOpened()},
        {"fontmap colour palette", "FMFColor", eachTab("SSTabColor", 3)},
        {"textboard colour picker", "FFontColor", asOpened()},
        {"about", "HelpAbout", asOpened()},
        {"message box", "message", asOpened()},
    };
    for (const auto &w : windows) {
        for (const bool toolTips : {true, false}) {
            QTest::addRow("%s, tooltips %s", w.row, toolTips ? "on" : "off")
                << QString::fromLatin1(w.command) << w.states;
        }
    }
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(QString, command);
    QFETCH(QList<State>, states);
    const bool toolTips = QByteArray(QTest::currentDataTag()).endsWith("on");
    // A custom map loaded, so that its name and its buttons show on the FontMap's bar.
    QTemporaryDir dir;
    CustomMapCells cells{};
    cells[0] = 'A';
    cells[1] = 0xE9;
    MainWindowFixture f;
    QVERIFY(f.start({writeMap(dir, "Small.QCM", cells)}));
    f.window().show();
    if (!toolTips)
        f.window().runCommand(QStringLiteral("DisplayTT"));
    QCOMPARE(globals().gToolTips, toolTips);

    QStringList unnamed;
    int walked = 0;
    const auto walk = [&](QWidget *window) {
        for (const State &state : states) {
            state(window);
            QCoreApplication::processEvents();
            unnamed += unnamedIn(window);
            ++walked;
        }
    };
    if (command.isEmpty()) {
        walk(&f.window());
    } else {
        auto guard = WhenModal::run<QDialog>([&](QDialog *d) {
            walk(d);
            d->reject();
            return true;
        });
        if (command == QLatin1String("message"))
            QrvlMsg(QStringLiteral("\r\rDo you want to go on?"), QStringLiteral("YN"), QStringLiteral("Quorvil Question"),
                    true, 1, f.window().fontMapColors());
        else
            f.window().runCommand(command);
    }
    QCOMPARE(walked, states.size());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
}

void TestAccessibility::fontMapCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("space") << 0 << 0 << " " << " , Dec 32, Hex 20, Space Bar";
    QTest::newRow("A") << 1 << 5 << "A" << "A, Dec 65, Hex 41, A";
    QTest::newRow("tilde") << 3 << 10 << "~" << "~, Dec 126, Hex 7E, ~";
    QTest::newRow("127") << 3 << 11 << "\x7f" << "\x7f, Dec 127, Hex 7F, Alt+0127";
    QTest::newRow("euro") << 3 << 12 << "€" << "€, Dec 128, Hex 80, Alt+0128";
    QTest::newRow("e acute") << 7 << 5 << "é" << "é, Dec 233, Hex E9, Alt+0233";
    QTest::newRow("last") << 7 << 27 << "ÿ" << "ÿ, Dec 255, Hex FF, Alt+0255";
}

void TestAccessibility::fontMapCells()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, name);
    QFETCH(QString, description);
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window().show();
    QAccessibleInterface *map = accessible(f.controls().FMapContainer);
    QCOMPARE(map->role(), QAccessible::Table);
    QCOMPARE(map->text(QAccessible::Name), QStringLiteral("FontMap"));
    QAccessibleTableInterface *table = map->tableInterface();
    QCOMPARE(table->rowCount(), 8);
    QCOMPARE(table->columnCount(), 28);
    QVERIFY(!table->cellAt(8, 0));
    QVERIFY(!table->cellAt(0, 28));
    // The 224 cells, then the bar that lies over the grid's top edge.
    QCOMPARE(map->childCount(), 225);
    QCOMPARE(map->child(224)->object(), f.controls().clbFontMap);
    CHECK_CELL(map, row, column, name, description);
}

void TestAccessibility::everyFontMapCellReadsItsCode()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    const FontMapGrid *grid = f.controls().FMapContainer;
    QAccessibleTableInterface *table = accessible(f.controls().FMapContainer)->tableInterface();
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 28; ++column) {
            const int cell = row * 28 + column;
            QAccessibleInterface *a = table->cellAt(row, column);
            QCOMPARE(a->text(QAccessible::Name), grid->cell(cell).caption);
            QCOMPARE(a->text(QAccessible::Description).section(QLatin1String(", "), 1, 1),
                     QStringLiteral("Dec %1").arg(32 + cell));
        }
    }
}

void TestAccessibility::fontMapFollowsTheLoadedMap()
{
    QTemporaryDir dir;
    CustomMapCells cells{};
    cells[0] = 'A';
    cells[5] = 128;
    cells[6] = 127;
    MainWindowFixture f;
    QVERIFY(f.start({writeMap(dir, "Ctrl.QCM", cells)}));
    f.window().show();
    QAccessibleInterface *map = accessible(f.controls().FMapContainer);
    CHECK_CELL(map, 0, 0, "A", "A, Dec 65, Hex 41, A");
    // Typed with Ctrl in the order of the cells that hold them, as the KeyStroke view says.
    CHECK_CELL(map, 0, 5, "€", "€, Dec 128, Hex 80, Ctrl+1");
    CHECK_CELL(map, 0, 6, "\x7f", "\x7f, Dec 127, Hex 7F, Ctrl+2");
    CHECK_CELL(map, 0, 1, "", "");

    f.window().runCommand(QStringLiteral("FileCFMUnld"));
    CHECK_CELL(map, 0, 5, "%", "%, Dec 37, Hex 25, %");
}

void TestAccessibility::templateCells()
{
    CustomMapFixture f;
    CustomMapCells stored{};
    stored[2] = 128;
    QTemporaryDir dir;
    CustomMap *e = f.openEdit(writeMap(dir, "One.QCM", stored));
    QVERIFY(e);
    e->show();
    QVERIFY(QTest::qWaitForWindowActive(e));
    FontMapGrid *holder = f.child<FontMapGrid>("imgCMMFMapHolder");
    QAccessibleInterface *map = accessible(holder);
    QCOMPARE(map->text(QAccessible::Name), QStringLiteral("Character Map"));
    QCOMPARE(map->tableInterface()->rowCount(), 8);
    QCOMPARE(map->tableInterface()->columnCount(), 28);
    // The editor labels 128 by its own table, whatever other cells hold.
    CHECK_CELL(map, 0, 2, "€", "€, Dec 128, Hex 80, Ctrl+2");
    CHECK_CELL(map, 0, 0, "", "");
    QVERIFY(map->tableInterface()->cellAt(0, 0)->tableCellInterface()->isSelected());

    // The highlight is the current cell: a move fills it and moves on, the keys move it.
    f.child<QPushButton>("cmdListToMap")->click();
    CHECK_CELL(map, 0, 0, " ", " , Dec 32, Hex 20, Space Bar");
    QCOMPARE(map->tableInterface()->selectedCells(), {map->tableInterface()->cellAt(0, 1)});
    holder->setFocus();
    QTest::keyClick(holder, Qt::Key_Down);
    QAccessibleInterface *below = map->tableInterface()->cellAt(1, 1);
    QVERIFY(below->state().selected);
    QVERIFY(below->state().focused);
    QCOMPARE(map->focusChild(), below);
}

void TestAccessibility::keyboardKeys()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"), 12);
    kb.show();
    QAccessibleInterface *keys = accessible(kb.keyboardPicture());
    QCOMPARE(keys->text(QAccessible::Name), QStringLiteral("Keyboard Layout"));
    QAccessibleTableInterface *rows = keys->tableInterface();
    QCOMPARE(rows->rowCount(), 4);
    CHECK_CELL(keys, 0, 0, "`", "`, Dec 96, Hex 60, `");
    CHECK_CELL(keys, 1, 12, "\\", "\\, Dec 92, Hex 5C, \\");
    CHECK_CELL(keys, 2, 10, "'", "', Dec 39, Hex 27, '");
    CHECK_CELL(keys, 3, 1, "z", "z, Dec 122, Hex 7A, z");
    CHECK_CELL(keys, 3, 10, "/", "/, Dec 47, Hex 2F, /");
    // Rows as long as the keyboard's: the bottom one holds a Shift key at each end.
    QVERIFY(!rows->cellAt(2, 11));
    QVERIFY(!rows->cellAt(3, 12));
    for (const int column : {0, 11}) {
        QAccessibleInterface *shift = rows->cellAt(3, column);
        QVERIFY(shift);
        QCOMPARE(shift->role(), QAccessible::Button);
        QCOMPARE(shift->text(QAccessible::Name), QStringLiteral("Shift"));
        QCOMPARE(shift->text(QAccessible::Description), QStringLiteral("Press to display uppercase characters"));
        QVERIFY(shift->state().checkable);
        QVERIFY(!shift->state().checked);
        QCOMPARE(keys->childAt(shift->rect().center().x(), shift->rect().center().y()), shift);
    }

    kb.ShowShiftedKeys();
    CHECK_CELL(keys, 0, 0, "~", "~, Dec 126, Hex 7E, ~");
    CHECK_CELL(keys, 3, 10, "?", "?, Dec 63, Hex 3F, ?");
    QVERIFY(rows->cellAt(3, 0)->state().checked);
    QCOMPARE(rows->cellAt(3, 11)->text(QAccessible::Description), QStringLiteral("Press to display lowercase characters"));

    // The special characters, typed with Alt, as their tooltips say.
    QAccessibleInterface *special = accessible(kb.specialChars());
    QVERIFY(special->tableInterface());
    QCOMPARE(special->text(QAccessible::Name), QStringLiteral("Special Characters:"));
    QCOMPARE(special->tableInterface()->rowCount(), 7);
    QCOMPARE(special->tableInterface()->columnCount(), 19);
    CHECK_CELL(special, 0, 0, "\x7f", "\x7f, Dec 127, Hex 7F, Alt+0127");
    CHECK_CELL(special, 0, 2, "\u0081", "\u0081, Dec 129, Hex 81, Alt+0129");
    CHECK_CELL(special, 6, 14, "ÿ", "ÿ, Dec 255, Hex FF, Alt+0255");
    QVERIFY(!special->tableInterface()->cellAt(6, 15));
}

void TestAccessibility::colourCells()
{
    globals().gColorIndex = 4;
    TBColorPicker picker{FontMapColors()};
    picker.show();
    QVERIFY(QTest::qWaitForWindowActive(&picker));
    auto *grid = picker.findChild<ColorGrid *>(QStringLiteral("ColorContainer"));
    QAccessibleInterface *cells = accessible(grid);
    QCOMPARE(cells->text(QAccessible::Name), QStringLiteral("Pick A Color for TextBoard Font"));
    QCOMPARE(cells->tableInterface()->rowCount(), 2);
    QCOMPARE(cells->tableInterface()->columnCount(), 8);
    CHECK_CELL(cells, 0, 4, "Maroon", "");
    CHECK_CELL(cells, 1, 0, "Gray", "");
    CHECK_CELL(cells, 1, 7, "White", "");
    QCOMPARE(cells->tableInterface()->selectedCells(), {cells->tableInterface()->cellAt(0, 4)});

    // The selection the arrows move is read where it goes.
    QTest::keyClick(grid, Qt::Key_Down);
    QAccessibleInterface *below = cells->tableInterface()->cellAt(1, 4);
    QVERIFY(below->state().selected);
    QVERIFY(below->state().focused);
    QVERIFY(!cells->tableInterface()->cellAt(0, 4)->state().selected);
    QCOMPARE(cells->focusChild(), below);
}

QUORVIL_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
