// Editing on the real main window: the counters and the fill meter after changes, the
// commands that need text or a selection, and Cut, Copy, Paste, Delete and Select All
// with the paste held to the TextBoard's limit.
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "textboard/TextBoardDocument.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/MainMenu.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"
#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

constexpr int kLimit = 61440;

const QString kPasteErrorTitle = QStringLiteral("Quorvil Paste Error");

// The commands that need text on the board: (toolbar or menu, key).
const QList<std::pair<QString, QString>> kTextCommands = {
    {"LoadSaveTB", "Save"},          {"TBOperationsTB", "ClearButton"}, {"TBOperationsTB", "CopyButton"},
    {"TBOperationsTB", "CutButton"}, {"TBOperationsTB", "PrintButton"}, {"TBOperationsTB", "FullScreen"},
    {"TextEditTB", "Find"},          {"menu", "EditFind"},
};

} // namespace

class TestTextBoardEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void counters_data();
    void counters();
    void fillMeter_data();
    void fillMeter();
    void changeMarksTextChanged();
    void fullBoardOfOneRun();

    void pasteIntoFullBoard();
    void pasteOverSelectionInFullBoard();
    void partialPaste_data();
    void partialPaste();
    void pasteTakesLinesAndCodes();
    void pasteWithEmptyClipboardKeepsSelection();
    void refusedPasteIsReported();
    void pasteShortcutInTheBoardKeepsTheLimit();

    void cutAndCopy_data();
    void cutAndCopy();
    void copyWithoutSelectionKeepsClipboard();
    void deleteRemovesSelection();
    void editButtonsRunTheCommands();

    void emptyingTheBoardDisablesTextCommands();
    void selectAllLeavesEditCommands();
    void editMenuFollowsTheButtons();

private:
    QuorvilControls &c() { return m_f->controls(); }
    ActionCollection &commands() { return m_f->window().commands(); }
    TextBoardEdit *board() { return c().TextBoard; }
    bool commandEnabled(const QString &owner, const QString &key);
    void select(int start, int length);

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestTextBoardEditing::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
}

void TestTextBoardEditing::cleanup()
{
    m_f.reset();
}

bool TestTextBoardEditing::commandEnabled(const QString &owner, const QString &key)
{
    if (owner == QLatin1String("menu"))
        return commands().isEnabled(key);
    auto *toolbar = m_f->window().findChild<ToolBar *>(owner);
    return toolbar && toolbar->isButtonEnabled(key);
}

void TestTextBoardEditing::select(int start, int length)
{
    board()->setSelStart(start);
    board()->setSelLength(length);
}

void TestTextBoardEditing::counters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("chars");
    QTest::addColumn<QString>("percent");
    QTest::newRow("999") << QString(999, QLatin1Char('a')) << "999" << "2%";
    QTest::newRow("1,000") << QString(1000, QLatin1Char('a')) << "1,000" << "2%";
    // A line break counts two characters, as in the box's own counting.
    QTest::newRow("1,000 with breaks") << QStringLiteral("ab\r\n").repeated(250) << "1,000" << "2%";
    QTest::newRow("full") << QString(kLimit, QLatin1Char('a')) << "61,440" << "100%";
    QTest::newRow("full with breaks") << QStringLiteral("abc\r\n").repeated(kLimit / 5) << "61,440" << "100%";
}

void TestTextBoardEditing::counters()
{
    QFETCH(QString, text);
    QFETCH(QString, chars);
    QFETCH(QString, percent);
    board()->setText(text);
    QCOMPARE(c().NoOfChars->text(), chars);
    QCOMPARE(c().PercFilled->text(), percent);

    board()->setText(QString());
    QCOMPARE(c().NoOfChars->text(), QStringLiteral("0"));
    QCOMPARE(c().PercFilled->text(), QStringLiteral("0%"));
}

void TestTextBoardEditing::fillMeter_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("width"); // 0: hidden
    QTest::addColumn<ColorValue>("color");
    QTest::newRow("under 15 twips") << 767 << 0.0 << rgbColor(255, 255, 255);
    QTest::newRow("15 twips") << 768 << 15.0 << rgbColor(255, 255, 255);
    QTest::newRow("50 % + 1") << 30721 << 600.01953125 << rgbColor(255, 255, 192);
    QTest::newRow("exactly 95 %") << 58368 << 1140.0 << rgbColor(255, 192, 128);
    QTest::newRow("full") << kLimit << 1200.0 << rgbColor(255, 0, 0);
}

void TestTextBoardEditing::fillMeter()
{
    QFETCH(int, count);
    QFETCH(double, width);
    QFETCH(ColorValue, color);
    board()->setText(QString(count, QLatin1Char('a')));
    QCOMPARE(c().ProgressFore->isHidden(), width == 0);
    if (width > 0)
        QCOMPARE(Twips::width(c().ProgressFore), width);
    QCOMPARE(backColor(c().ProgressFore), color);
}

void TestTextBoardEditing::changeMarksTextChanged()
{
    QVERIFY(!m_f->window().textBoardDocument().TBChanged());
    QTest::keyClick(board(), Qt::Key_X);
    QCOMPARE(board()->Text(), QStringLiteral("x"));
    QVERIFY(m_f->window().textBoardDocument().TBChanged());
}

void TestTextBoardEditing::fullBoardOfOneRun()
{
    // One run of letters, every line of it broken where the line is full: the commands,
    // the limit and the counters work as on any text, and follow the box's own undo.
    const QString run = QStringLiteral("Quorvil").repeated(kLimit / 7 + 1).left(kLimit);
    board()->setText(run);
    QCOMPARE(c().NoOfChars->text(), QStringLiteral("61,440"));
    QCOMPARE(c().PercFilled->text(), QStringLiteral("100%"));
    QCOMPARE(backColor(c().ProgressFore), rgbColor(255, 0, 0));

    QTest::keyClick(board(), Qt::Key_X);
    QCOMPARE(board()->Text(), run);

    select(30000, 1000);
    m_f->window().runCommand(QStringLiteral("EditCut"));
    QCOMPARE(m_f->clipboard.text(), run.mid(30000, 1000));
    QCOMPARE(c().NoOfChars->text(), QStringLiteral("60,440"));
    QCOMPARE(board()->SelStart(), 30000);

    QTest::keyClick(board(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(board()->SelStart(), kLimit - 1000);
    m_f->window().runCommand(QStringLiteral("EditPaste"));
    QCOMPARE(board()->Text(), run.left(30000) + run.mid(31000) + run.mid(30000, 1000));
    QCOMPARE(c().NoOfChars->text(), QStringLiteral("61,440"));

    QTest::keyClick(board(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(board()->Text(), run.left(30000) + run.mid(31000));
    QCOMPARE(c().NoOfChars->text(), QStringLiteral("60,440"));
    QTest::keyClick(board(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(board()->Text(), run);
    QCOMPARE(board()->SelText(), run.mid(30000, 1000));
    QCOMPARE(c().NoOfChars->text(), QStringLiteral("61,440"));
}

void TestTextBoardEditing::pasteIntoFullBoard()
{
    const QString full(kLimit, QLatin1Char('a'));
    board()->setText(full);
    m_f->clipboard.setText(QStringLiteral("abc"));
    MessageDriver driver;
    driver.ok();
    m_f->window().runCommand(QStringLiteral("EditPaste"));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, kPasteErrorTitle);
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\r\rPaste operation cannot be completed successfully.\r"
                                                "The TextBoard is already filled to it's capacity."));
    QCOMPARE(driver.last().buttons, QStringList{QStringLiteral("Ok")});
    QVERIFY(!driver.last().checkBoxVisible);
    QCOMPARE(board()->Text(), full);
}

void TestTextBoardEditing::pasteOverSelectionInFullBoard()
{
    board()->setText(QString(kLimit, QLatin1Char('a')));
    select(100, 10);
    m_f->clipboard.setText(QStringLiteral("0123456789"));
    MessageDriver driver;
    m_f->window().runCommand(QStringLiteral("EditPaste"));
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board()->length(), kLimit);
    QCOMPARE(board()->Text().mid(100, 10), QStringLiteral("0123456789"));
    QCOMPARE(c().NoOfChars->text(), QStringLiteral("61,440"));
}

void TestTextBoardEditing::partialPaste_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestTextBoardEditing::partialPaste()
{
    QFETCH(bool, yes);
    const QString before(kLimit - 1000, QLatin1Char('a'));
    board()->setText(before);
    const QString pasted = QString(1000, QLatin1Char('b')) + QString(4000, QLatin1Char('c'));
    m_f->clipboard.setText(pasted);
    MessageDriver driver;
    yes ? driver.yes() : driver.no();
    m_f->window().runCommand(QStringLiteral("EditPaste"));

    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil TextBoard Limit Warning"));
    QCOMPARE(driver.last().text,
             QStringLiteral("\rLength of the text string you are trying to paste exceeds\r"
                            "the maximum limit (61,440 characters) of the TextBoard.\r"
                            "A partial paste upto the limit of the TextBoard is possible.\r\r"
                            "Continue Paste?\r\u2022 Press Yes to paste partial string.\r"
                            "\u2022 Press No to cancel paste."));
    QCOMPARE(driver.last().buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QVERIFY(!driver.last().checkBoxVisible);
    QCOMPARE(driver.last().focused, QStringLiteral("Button1"));

    if (yes) {
        QCOMPARE(board()->Text(), QString(1000, QLatin1Char('b')) + before);
        QCOMPARE(c().NoOfChars->text(), QStringLiteral("61,440"));
        QCOMPARE(c().PercFilled->text(), QStringLiteral("100%"));
        QCOMPARE(backColor(c().ProgressFore), rgbColor(255, 0, 0));
    } else {
        QCOMPARE(board()->Text(), before);
        QCOMPARE(c().NoOfChars->text(), QStringLiteral("60,440"));
    }
}

void TestTextBoardEditing::pasteTakesLinesAndCodes()
{
    // Another program's text has LF breaks, which count two on the board; in a symbol font
    // the pasted letters become the symbol characters of their codes, and go back as letters.
    m_f->window().textBoardFont().setCharset(FontCharset::Symbol);
    m_f->clipboard.setText(QStringLiteral("AB\nC"));
    m_f->window().runCommand(QStringLiteral("EditPaste"));
    QCOMPARE(board()->Text(), QStringLiteral("\uf041\uf042\r\n\uf043"));
    QCOMPARE(c().NoOfChars->text(), QStringLiteral("5"));

    m_f->window().runCommand(QStringLiteral("EditSelectAll"));
    m_f->window().runCommand(QStringLiteral("EditCopy"));
    QCOMPARE(m_f->clipboard.text(), QStringLiteral("AB\nC"));
}

void TestTextBoardEditing::pasteWithEmptyClipboardKeepsSelection()
{
    board()->setText(QStringLiteral("keep this"));
    m_f->clipboard.setText(QStringLiteral("x"));
    select(0, 4);
    m_f->window().runCommand(QStringLiteral("EditCopy")); // the Paste button is now enabled
    m_f->clipboard.clear();                                  // another program empties the clipboard
    QVERIFY(c().TextEditTB->isButtonEnabled(QStringLiteral("Paste")));
    m_f->window().runCommand(QStringLiteral("EditPaste"));
    QCOMPARE(board()->Text(), QStringLiteral("keep this"));
    QCOMPARE(board()->SelText(), QStringLiteral("keep"));
    QVERIFY(!c().TextEditTB->isButtonEnabled(QStringLiteral("Paste")));
}

void TestTextBoardEditing::refusedPasteIsReported()
{
    // A box that takes less than the limit it reported refuses the paste: the failure is
    // reported, not passed off as a paste.
    board()->setText(QStringLiteral("abc"));
    board()->setMaxLength(5);
    m_f->clipboard.setText(QStringLiteral("0123456789"));
    MessageDriver driver;
    driver.ok();
    m_f->window().runCommand(QStringLiteral("EditPaste"));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, kPasteErrorTitle);
    QCOMPARE(driver.last().text, QStringLiteral("\r\rPaste operation cannot be completed successfully\r"
                                                "because of memory constraints.\r\r"
                                                "You may try to reduce the size of the\r"
                                                "string on Windows Clipboard and try again."));
    QCOMPARE(board()->Text(), QStringLiteral("abc"));
}

void TestTextBoardEditing::pasteShortcutInTheBoardKeepsTheLimit()
{
    // Ctrl+V typed in the box runs the Edit menu's Paste, not the box's own paste.
    m_f->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_f->window()));
    board()->setFocus();
    const QString full(kLimit, QLatin1Char('a'));
    board()->setText(full);
    m_f->clipboard.setText(QStringLiteral("abc"));
    QTest::mouseClick(board()->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); // refreshes Paste
    QVERIFY(c().TextEditTB->isButtonEnabled(QStringLiteral("Paste")));

    MessageDriver driver;
    driver.ok();
    QTest::keyClick(board(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, kPasteErrorTitle);
    QCOMPARE(board()->Text(), full);

    // With Paste disabled nothing at all happens, not even the box's own paste.
    m_f->clipboard.clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("native"));
    QTest::mouseClick(board()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!commands().isEnabled(QStringLiteral("EditPaste")));
    board()->setText(QStringLiteral("short"));
    QTest::keyClick(board(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(board()->Text(), QStringLiteral("short"));
}

void TestTextBoardEditing::cutAndCopy_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("left");
    QTest::newRow("Cut") << "EditCut" << "one three";
    QTest::newRow("Copy") << "EditCopy" << "one two\r\nthree";
}

void TestTextBoardEditing::cutAndCopy()
{
    QFETCH(QString, command);
    QFETCH(QString, left);
    board()->setText(QStringLiteral("one two\r\nthree"));
    select(4, 5);
    m_f->window().runCommand(command);
    QCOMPARE(m_f->clipboard.text(), QStringLiteral("two\n"));
    QCOMPARE(m_f->clipboard.clearCount(), 1);
    QCOMPARE(board()->Text(), left);
    const bool selected = board()->SelLength() > 0;
    QCOMPARE(c().TextEditTB->isButtonEnabled(QStringLiteral("Cut")), selected);
    QCOMPARE(c().TextEditTB->isButtonEnabled(QStringLiteral("Copy")), selected);
    QCOMPARE(commands().isEnabled(QStringLiteral("EditDelete")), selected);
    QVERIFY(c().TextEditTB->isButtonEnabled(QStringLiteral("Paste")));
}

void TestTextBoardEditing::copyWithoutSelectionKeepsClipboard()
{
    board()->setText(QStringLiteral("text"));
    m_f->clipboard.setText(QStringLiteral("from elsewhere"));
    for (const char *command : {"EditCopy", "EditCut"}) {
        m_f->window().runCommand(QString::fromLatin1(command));
        QCOMPARE(m_f->clipboard.text(), QStringLiteral("from elsewhere"));
    }
    QCOMPARE(board()->Text(), QStringLiteral("text"));
}

void TestTextBoardEditing::deleteRemovesSelection()
{
    board()->setText(QStringLiteral("abcdef"));
    m_f->clipboard.setText(QStringLiteral("kept"));
    select(1, 3);
    m_f->window().runCommand(QStringLiteral("EditDelete"));
    QCOMPARE(board()->Text(), QStringLiteral("aef"));
    QCOMPARE(m_f->clipboard.text(), QStringLiteral("kept"));
    QVERIFY(!commands().isEnabled(QStringLiteral("EditDelete")));
}

void TestTextBoardEditing::editButtonsRunTheCommands()
{
    // Each selection is made as with Shift and the arrows: its key release enables the buttons.
    board()->setText(QStringLiteral("abcdef"));
    select(0, 2);
    QTest::keyRelease(board(), Qt::Key_Shift);
    c().TextEditTB->button(QStringLiteral("Copy"))->trigger();
    QCOMPARE(m_f->clipboard.text(), QStringLiteral("ab"));
    select(2, 2);
    QTest::keyRelease(board(), Qt::Key_Shift);
    c().TextEditTB->button(QStringLiteral("Cut"))->trigger();
    QCOMPARE(m_f->clipboard.text(), QStringLiteral("cd"));
    select(0, 2);
    QTest::keyRelease(board(), Qt::Key_Shift);
    c().TextEditTB->button(QStringLiteral("Paste"))->trigger();
    QCOMPARE(board()->Text(), QStringLiteral("cdef"));
}

void TestTextBoardEditing::emptyingTheBoardDisablesTextCommands()
{
    for (const auto &[owner, key] : kTextCommands)
        QVERIFY2(!commandEnabled(owner, key), qPrintable(key + QStringLiteral(" at start")));

    QTest::keyClick(board(), Qt::Key_X);
    for (const auto &[owner, key] : kTextCommands)
        QVERIFY2(commandEnabled(owner, key), qPrintable(key + QStringLiteral(" with text")));

    // Open the find frame with the toolbar button, as the user does.
    const double boardHeight = Twips::height(board());
    c().TextEditTB->button(QStringLiteral("Find"))->trigger();
    QVERIFY(!c().FindFrame->isHidden());
    QVERIFY(Twips::height(board()) < boardHeight);

    QTest::keyClick(board(), Qt::Key_Backspace);
    QCOMPARE(board()->Text(), QString());
    for (const auto &[owner, key] : kTextCommands)
        QVERIFY2(!commandEnabled(owner, key), qPrintable(key + QStringLiteral(" when emptied")));
    QVERIFY(c().FindFrame->isHidden());
    QCOMPARE(Twips::height(board()), boardHeight);
    QCOMPARE(c().TextEditTB->value(QStringLiteral("Find")), 0);
}

void TestTextBoardEditing::selectAllLeavesEditCommands()
{
    board()->setText(QStringLiteral("some text"));
    QTest::keyClick(board(), Qt::Key_End); // key up: Cut and Copy off, nothing selected
    QVERIFY(!c().TextEditTB->isButtonEnabled(QStringLiteral("Cut")));

    m_f->window().runCommand(QStringLiteral("EditSelectAll"));
    QCOMPARE(board()->SelStart(), 0);
    QCOMPARE(board()->SelLength(), 9);
    QVERIFY(!c().TextEditTB->isButtonEnabled(QStringLiteral("Cut")));
    QVERIFY(!c().TextEditTB->isButtonEnabled(QStringLiteral("Copy")));

    QTest::keyRelease(board(), Qt::Key_Shift); // the next key release refreshes them
    QVERIFY(c().TextEditTB->isButtonEnabled(QStringLiteral("Cut")));
    QVERIFY(c().TextEditTB->isButtonEnabled(QStringLiteral("Copy")));
}

void TestTextBoardEditing::editMenuFollowsTheButtons()
{
    board()->setText(QStringLiteral("some text"));
    QTest::keyClick(board(), Qt::Key_End);
    QVERIFY(!commands().isEnabled(QStringLiteral("EditCut")));
    QVERIFY(!commands().isEnabled(QStringLiteral("EditPaste")));
    QVERIFY(commands().isEnabled(QStringLiteral("EditSelectAll")));

    // The items follow their buttons at once, so their shortcuts work as the buttons do.
    select(0, 4);
    m_f->clipboard.setText(QStringLiteral("x"));
    QTest::mouseClick(board()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    select(0, 4);
    QTest::keyRelease(board(), Qt::Key_Shift);
    for (const char *item : {"EditCut", "EditCopy", "EditPaste", "EditDelete"})
        QVERIFY2(commands().isEnabled(QString::fromLatin1(item)), item);

    // Opening the menu with the find frame open shows Find checked.
    c().TextEditTB->button(QStringLiteral("Find"))->trigger();
    Q_EMIT c().menu->menu(QStringLiteral("ItemEdit"))->aboutToShow();
    QVERIFY(commands().isChecked(QStringLiteral("EditFind")));
    QVERIFY(commands().isEnabled(QStringLiteral("EditFind")));
}

QUORVIL_TEST_MAIN(TestTextBoardEditing)
#include "tst_textboardediting.moc"
