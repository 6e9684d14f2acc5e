// The window's commands: one action per command, shared by its menu item and its toolbar
// button, so that the two run one routine and never show different states.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"
#include "widgets/MainMenu.h"
#include "widgets/ToolBar.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>

namespace {

struct Button
{
    const char *toolbar;
    const char *key;
    const char *command;
};

// Every button of the nine toolbars with the command it runs.
constexpr Button kButtons[] = {
    {"LoadSaveTB", "Load", "FileLoad"},
    {"LoadSaveTB", "Save", "FileSave"},
    {"QrvlDefTB", "Opt", "ToolsOpt"},
    {"QrvlDefTB", "KB", "ToolsKB"},
    {"QrvlDefTB", "FB", "ToolsFB"},
    {"TBOperationsTB", "ClearButton", "ToolsClear"},
    {"TBOperationsTB", "CopyButton", "ToolsCopy"},
    {"TBOperationsTB", "CutButton", "ToolsCut"},
    {"TBOperationsTB", "PrintButton", "ToolsPrint"},
    {"TBOperationsTB", "FullScreen", "ToolsFS"},
    {"TextEditTB", "Cut", "EditCut"},
    {"TextEditTB", "Copy", "EditCopy"},
    {"TextEditTB", "Paste", "EditPaste"},
    {"TextEditTB", "Find", "EditFind"},
    {"FontFormatTB", "Bold", "FFontBold"},
    {"FontFormatTB", "Italic", "FFontItalic"},
    {"FontFormatTB", "Underline", "FFontUnderline"},
    {"FontFormatTB", "Strikethrough", "FFontStrikethrough"},
    {"FontFormatTB", "Color", "FFontColor"},
    {"TextAlignTB", "AlignLeft", "AlignLeft"},
    {"TextAlignTB", "CenterText", "AlignCenter"},
    {"TextAlignTB", "AlignRight", "AlignRight"},
    {"ViewsTB", "Zoom", "ViewZoom"},
    {"ViewsTB", "Code", "ViewCode"},
    {"ViewsTB", "KS", "ViewKS"},
    {"ViewsTB", "VCRight", "VCOnR"},
    {"ViewsTB", "VCLeft", "VCOnL"},
    {"tlbCustFMap", "CFMapNew", "FileCFMNew"},
    {"tlbCustFMap", "CFMapLoad", "FileCFMLoad"},
    {"tlbCustFMap", "CFMapEdit", "FileCFMEdit"},
    {"tlbCustFMap", "CFMapUnld", "FileCFMUnld"},
    {"tlbCFMapFmt", "FMap+", "FMLarger"},
    {"tlbCFMapFmt", "FMap-", "FMSmaller"},
    {"tlbCFMapFmt", "RAFMap", "FMRealign"},
    {"tlbCFMapFmt", "FMapFC", "FMFColor"},
    {"tlbCFMapFmt", "FMapBC", "FMBColor"},
    {"tlbCFMapFmt", "FMapH", "FMHiLite"},
    {"tlbCFMapFmt", "FMapG", "FMBorders"},
};

QString s(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyMenuItemIsACommand();
    void everyButtonIsItsCommand();
    void buttonAndItemShareState_data();
    void buttonAndItemShareState();
    void choicesAreExclusive();
    void menuByShortcutShowsTheButtons();
    void saveShortcutOnAnEmptyBoard();
    void shortcutsWorkBeforeAnyMenuOpens_data();
    void shortcutsWorkBeforeAnyMenuOpens();

private:
    ToolBar *toolbar(const char *name) { return m_f->window().findChild<ToolBar *>(s(name)); }
    // The TextBoard of the active window, focused, with "some text" typed into it; null when
    // the window cannot be made active.
    TextBoardEdit *typedBoard()
    {
        Quorvil &window = m_f->window();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return nullptr;
        TextBoardEdit *board = m_f->controls().TextBoard;
        board->setFocus();
        QTest::keyClicks(board, QStringLiteral("some text"));
        return board;
    }
    std::unique_ptr<MainWindowFixture> m_f;
};

void TestCommands::init()
{
    m_f = std::make_unique<MainWindowFixture>(1024, 768, MainWindowFixture::Store::Seeded,
                                              MainWindowFixture::Fonts::Fake);
    QVERIFY(m_f->start());
}

void TestCommands::cleanup()
{
    m_f.reset();
}

void TestCommands::everyMenuItemIsACommand()
{
    const ActionCollection &commands = m_f->window().commands();
    MainMenu *menu = m_f->controls().menu;
    int items = 0;
    // Every item under every menu, submenus included, is the command of its name.
    QList<QMenu *> menus;
    for (QAction *top : m_f->window().menuBar()->actions())
        menus.append(menu->menu(top->objectName()));
    while (!menus.isEmpty()) {
        QMenu *m = menus.takeFirst();
        for (QAction *item : m->actions()) {
            if (item->isSeparator())
                continue;
            if (item->menu()) {
                menus.append(item->menu());
                continue;
            }
            QVERIFY2(commands.contains(item->objectName()), qPrintable(item->objectName()));
            QCOMPARE(commands.action(item->objectName()), item);
            QCOMPARE(menu->item(item->objectName()), item);
            ++items;
        }
    }
    QCOMPARE(items, commands.names().size());
    QVERIFY(!commands.contains(s("NoSuchCommand")));
}

void TestCommands::everyButtonIsItsCommand()
{
    const ActionCollection &commands = m_f->window().commands();
    QStringList seen;
    for (const Button &b : kButtons) {
        ToolBar *bar = toolbar(b.toolbar);
        QVERIFY2(bar, b.toolbar);
        QCOMPARE(bar->button(s(b.key)), commands.action(s(b.command)));
        // A click on the button is a click on the command.
        auto *tool = qobject_cast<QToolButton *>(bar->widgetForAction(bar->button(s(b.key))));
        QVERIFY2(tool, b.key);
        QCOMPARE(tool->defaultAction(), commands.action(s(b.command)));
        seen.append(s(b.toolbar) + QLatin1Char('/') + s(b.key));
    }
    // No button of those toolbars is left out of the table but the size slider's place.
    for (const char *name : {"LoadSaveTB", "QrvlDefTB", "TBOperationsTB", "TextEditTB", "FontFormatTB",
                             "TextAlignTB", "ViewsTB", "tlbCustFMap", "tlbCFMapFmt"}) {
        for (const QString &key : toolbar(name)->keys()) {
            if (key != QLatin1String("FMapSld"))
                QVERIFY2(seen.contains(s(name) + QLatin1Char('/') + key), qPrintable(key));
        }
    }
}

void TestCommands::buttonAndItemShareState_data()
{
    QTest::addColumn<QString>("toolbar");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("command");
    for (const Button &b : kButtons)
        QTest::newRow(b.key) << s(b.toolbar) << s(b.key) << s(b.command);
}

void TestCommands::buttonAndItemShareState()
{
    QFETCH(QString, toolbar);
    QFETCH(QString, key);
    QFETCH(QString, command);
    ToolBar *bar = m_f->window().findChild<ToolBar *>(toolbar);
    const ActionCollection &commands = m_f->window().commands();
    for (bool enabled : {false, true, false}) {
        bar->setButtonEnabled(key, enabled);
        QCOMPARE(commands.isEnabled(command), enabled);
        commands.setEnabled(command, !enabled);
        QCOMPARE(bar->isButtonEnabled(key), !enabled);
    }
    if (!commands.action(command)->isCheckable())
        return;
    for (int pressed : {1, 0, 1}) {
        bar->setValue(key, pressed);
        QCOMPARE(commands.isChecked(command), pressed == 1);
    }
    for (bool checked : {false, true}) {
        commands.setChecked(command, checked);
        QCOMPARE(bar->value(key), checked ? 1 : 0);
    }
}

void TestCommands::choicesAreExclusive()
{
    const ActionCollection &commands = m_f->window().commands();
    for (const QStringList &choice : {QStringList{s("AlignLeft"), s("AlignCenter"), s("AlignRight")},
                                      QStringList{s("VCOnL"), s("VCOnR")}}) {
        for (const QString &chosen : choice) {
            commands.setChecked(chosen, true);
            for (const QString &other : choice)
                QCOMPARE(commands.isChecked(other), other == chosen);
        }
    }
}

void TestCommands::menuByShortcutShowsTheButtons()
{
    Quorvil &window = m_f->window();
    TextBoardEdit *board = typedBoard();
    QVERIFY(board);
    board->setSelStart(0);
    board->setSelLength(4);
    QTest::keyClick(board, Qt::Key_F, Qt::ControlModifier); // the find bar opens
    QVERIFY(m_f->controls().FindFrame->isVisible());

    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("ItemEdit"));
    ToolBar *edit = toolbar("TextEditTB");
    const ActionCollection &commands = m_f->window().commands();
    for (const auto &[item, key] : {std::pair{"EditCut", "Cut"}, {"EditCopy", "Copy"}, {"EditPaste", "Paste"},
                                    {"EditFind", "Find"}}) {
        QCOMPARE(commands.isEnabled(s(item)), edit->isButtonEnabled(s(key)));
        QCOMPARE(commands.isChecked(s(item)), edit->value(s(key)) == 1);
    }
    QVERIFY(commands.isChecked(s("EditFind")));
    QApplication::activePopupWidget()->close();
}

void TestCommands::saveShortcutOnAnEmptyBoard()
{
    Quorvil &window = m_f->window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    TextBoardEdit *board = m_f->controls().TextBoard;
    board->setFocus();
    QVERIFY(!m_f->window().commands().isEnabled(s("FileSave")));
    QTest::keyClick(board, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_f->dialog.shown().size(), 0);
    QCOMPARE(board->length(), 0);
}

void TestCommands::shortcutsWorkBeforeAnyMenuOpens_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("command");
    for (const auto &[key, command] :
         {std::pair{"Ctrl+A", "EditSelectAll"}, {"Ctrl+B", "FFontBold"}, {"Ctrl+I", "FFontItalic"},
          {"Ctrl+U", "FFontUnderline"}, {"Ctrl+K", "FFontStrikethrough"}, {"Ctrl+X", "EditCut"},
          {"Ctrl+C", "EditCopy"}, {"Ctrl+D", "EditDelete"}, {"Ctrl+F", "EditFind"}}) {
        QTest::newRow(key) << s(key) << s(command);
    }
}

void TestCommands::shortcutsWorkBeforeAnyMenuOpens()
{
    QFETCH(QString, key);
    QFETCH(QString, command);
    Quorvil &window = m_f->window();
    TextBoardEdit *board = typedBoard();
    QVERIFY(board);
    QTest::keyClick(board, Qt::Key_Left, Qt::ShiftModifier);
    const auto unopened = [&] {
        for (QAction *top : window.menuBar()->actions()) {
            if (!top->menu()->actions().isEmpty())
                return false;
        }
        return true;
    };
    QVERIFY(unopened());

    // Pressed outside the TextBoard, which keeps its editing keys for itself.
    QWidget *elsewhere = m_f->controls().FMapContainer;
    elsewhere->setFocus();
    QVERIFY(window.commands().isEnabled(command));
    QSignalSpy triggered(window.commands().action(command), &QAction::triggered);
    QTest::keySequence(elsewhere, QKeySequence(key));
    QCOMPARE(triggered.size(), 1);
    QVERIFY(unopened()); // no menu was made for it
}

QUORVIL_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
