// The TextBoard's text box on its own, as the user drives it: lines that fit the box, the
// caret moved by keys and the mouse, editing keys, undo, the limit for typing, input
// methods and drops, and what accessibility sees. A full board of one long run of letters
// is the hard case: every line of it is broken where the line is full.
#include "support/TestMain.h"

#include "textboard/TextBoardEdit.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

constexpr int kLimit = 61440;

const QString kWords = QStringLiteral("lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod ");

} // namespace

class TestTextBoardBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void linesFitTheBox_data();
    void linesFitTheBox();
    void caretKeysOnALongRun_data();
    void caretKeysOnALongRun();
    void editingKeys_data();
    void editingKeys();
    void typingStopsAtTheLimit();
    void undoAndRedo();
    void mouseSelects();
    void caretStaysInView();
    void inputMethodWithinTheLimit();
    void dropIsCutToTheRoom();
    void accessibleText();
    void readOnlyMovesButNeverEdits();

private:
    TextBoardEdit &box() { return *m_box; }
    const VisualLines &lines() { return m_box->textLayout().lines(); }
    int perLine() { return int(lines().start(1)); } // characters on a line of the long run
    int shownLine();  // the line the caret is drawn on
    void keys(const QString &sequence);
    QPoint pointBefore(int position);

    std::unique_ptr<TextBoardEdit> m_box;
};

void TestTextBoardBox::init()
{
    m_box = std::make_unique<TextBoardEdit>();
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPointSize(12);
    m_box->setFont(mono);
    m_box->setMaxLength(kLimit);
    m_box->resize(320, 160);
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
}

void TestTextBoardBox::cleanup()
{
    m_box.reset();
}

int TestTextBoardBox::shownLine()
{
    const QRect caret = box().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int top = caret.top() - box().viewport()->y() + box().verticalScrollBar()->value();
    return (top - TextBoardLayout::kMargin) / box().textLayout().lineHeight();
}

void TestTextBoardBox::keys(const QString &sequence)
{
    for (const QString &key : sequence.split(QStringLiteral(", "), Qt::SkipEmptyParts))
        QTest::keySequence(&box(), QKeySequence::fromString(key));
}

QPoint TestTextBoardBox::pointBefore(int position)
{
    const QRect r = box().characterRect(position);
    return QPoint(r.left() + 1, r.center().y());
}

void TestTextBoardBox::linesFitTheBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("words");
    QTest::newRow("one long run") << QString(kLimit, QLatin1Char('m')) << false;
    QTest::newRow("words") << kWords.repeated(kLimit / kWords.size()) << true;
    QTest::newRow("a run among words") << kWords + QString(2000, QLatin1Char('W')) + kWords << true;
}

void TestTextBoardBox::linesFitTheBox()
{
    QFETCH(QString, text);
    QFETCH(bool, words);
    box().setText(text);
    const int width = box().viewport()->width() - TextBoardLayout::kMargin;
    QVERIFY(lines().count() > 3);
    for (qsizetype line = 0; line + 1 < lines().count(); ++line) {
        const qsizetype start = lines().start(line);
        const qsizetype end = lines().end(text, line);
        QVERIFY2(end > start, qPrintable(QStringLiteral("line %1 is empty").arg(line)));
        // The last character that is not a blank ends inside the box.
        qsizetype last = end - 1;
        while (last > start && text.at(last) == QLatin1Char(' '))
            --last;
        QVERIFY2(box().characterRect(int(last)).right() < width, qPrintable(QStringLiteral("line %1").arg(line)));
        // A word that fits a line is never split; a run longer than a line fills its lines.
        const bool splitsWord = text.at(end - 1).isLetter() && text.at(end).isLetter();
        if (words && splitsWord)
            QVERIFY2(text.mid(start, end - start).indexOf(QLatin1Char(' ')) < 0,
                     qPrintable(QStringLiteral("a word split at line %1").arg(line)));
        if (!words)
            QCOMPARE(end - start, perLine());
    }
}

void TestTextBoardBox::caretKeysOnALongRun_data()
{
    // Positions as (line, column) on the long run, whose lines all hold the same number of
    // characters; the caret at the end of a line is the next line's column 0, shown on the
    // line it ends (`shown`).
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QPoint>("caret");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<int>("shown");
    QTest::newRow("Right") << "Right" << QPoint(0, 6) << QPoint(0, 6) << 0;
    QTest::newRow("Down") << "Down" << QPoint(1, 5) << QPoint(1, 5) << 1;
    QTest::newRow("Down, Down, Up") << "Down, Down, Up" << QPoint(1, 5) << QPoint(1, 5) << 1;
    QTest::newRow("End stays on its line") << "End" << QPoint(1, 0) << QPoint(1, 0) << 0;
    QTest::newRow("End, Down: the next line's end") << "End, Down" << QPoint(2, 0) << QPoint(2, 0) << 1;
    QTest::newRow("End, Home") << "End, Home" << QPoint(0, 0) << QPoint(0, 0) << 0;
    QTest::newRow("End, Right: the next line") << "End, Right" << QPoint(1, 1) << QPoint(1, 1) << 1;
    QTest::newRow("Shift+Down") << "Shift+Down" << QPoint(1, 5) << QPoint(0, 5) << 1;
    QTest::newRow("Shift+End") << "Shift+End" << QPoint(1, 0) << QPoint(0, 5) << 0;
    QTest::newRow("Left ends a selection") << "Shift+Right, Shift+Right, Left" << QPoint(0, 5) << QPoint(0, 5) << 0;
    QTest::newRow("Right ends a selection") << "Shift+Left, Shift+Left, Right" << QPoint(0, 5) << QPoint(0, 5) << 0;
}

void TestTextBoardBox::caretKeysOnALongRun()
{
    QFETCH(QString, keys);
    QFETCH(QPoint, caret);
    QFETCH(QPoint, anchor);
    QFETCH(int, shown);
    box().setText(QString(kLimit, QLatin1Char('m')));
    box().setSelStart(5);
    this->keys(keys);
    const int n = perLine();
    QCOMPARE(box().caretPosition(), caret.x() * n + caret.y());
    QCOMPARE(box().anchorPosition(), anchor.x() * n + anchor.y());
    QCOMPARE(shownLine(), shown);
    QCOMPARE(box().length(), kLimit);
}

void TestTextBoardBox::editingKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caret");
    const QString t = QStringLiteral("one two\r\nthree");
    QTest::newRow("Right steps over a break") << t << 7 << "Right" << t << 9;
    QTest::newRow("Left steps over a break") << t << 9 << "Left" << t << 7;
    QTest::newRow("Ctrl+Right") << t << 0 << "Ctrl+Right" << t << 4;
    QTest::newRow("Ctrl+Left over a break") << t << 9 << "Ctrl+Left" << t << 7;
    QTest::newRow("Backspace takes a break whole") << t << 9 << "Backspace" << "one twothree" << 7;
    QTest::newRow("Delete takes a break whole") << t << 7 << "Del" << "one twothree" << 7;
    QTest::newRow("Ctrl+Backspace takes a word") << t << 7 << "Ctrl+Backspace" << "one \r\nthree" << 4;
    QTest::newRow("Ctrl+Del takes a word") << t << 0 << "Ctrl+Del" << "two\r\nthree" << 0;
    QTest::newRow("Enter types a break") << t << 3 << "Return" << "one\r\n two\r\nthree" << 5;
    QTest::newRow("Tab types a tab") << t << 3 << "Tab" << "one\t two\r\nthree" << 4;
    QTest::newRow("typing replaces the selection") << t << 4 << "Shift+Right, Shift+Right, Shift+Right, X"
                                                   << "one x\r\nthree" << 5;
}

void TestTextBoardBox::editingKeys()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(int, caret);
    box().setText(text);
    box().setSelStart(start);
    QSignalSpy changes(&box(), &TextBoardEdit::Change);
    this->keys(keys);
    QCOMPARE(box().Text(), after);
    QCOMPARE(box().caretPosition(), caret);
    QCOMPARE(changes.isEmpty(), after == text);
}

void TestTextBoardBox::typingStopsAtTheLimit()
{
    const QString full(kLimit, QLatin1Char('m'));
    box().setText(full);
    box().setSelStart(100);
    QSignalSpy changes(&box(), &TextBoardEdit::Change);
    keys(QStringLiteral("X, Return, Tab"));
    QCOMPARE(box().Text(), full);
    QVERIFY(changes.isEmpty());

    // One character free: a letter goes in, a break (two characters) does not.
    keys(QStringLiteral("Backspace, Return"));
    QCOMPARE(box().length(), kLimit - 1);
    keys(QStringLiteral("X"));
    QCOMPARE(box().length(), kLimit);
    QCOMPARE(box().Text().mid(98, 4), QStringLiteral("mxmm"));
    // Over a selection, typing takes the selection's room.
    keys(QStringLiteral("Shift+Right, Shift+Right, Y"));
    QCOMPARE(box().length(), kLimit - 1);
}

void TestTextBoardBox::undoAndRedo()
{
    const QString full(kLimit, QLatin1Char('m'));
    box().setText(full);
    box().setSelStart(30000);
    box().setSelLength(10);
    keys(QStringLiteral("a, b, c"));
    QCOMPARE(box().length(), kLimit - 7);
    keys(QStringLiteral("Ctrl+Z"));
    // The typing was one step: the text and the selection are back.
    QCOMPARE(box().Text(), full);
    QCOMPARE(box().SelStart(), 30000);
    QCOMPARE(box().SelLength(), 10);
    QTest::keySequence(&box(), QKeySequence::Redo);
    QCOMPARE(box().Text(), QString(30000, 'm') + QStringLiteral("abc") + QString(kLimit - 30010, 'm'));
    QCOMPARE(box().caretPosition(), 30003);
    // New text has no history.
    box().setText(QStringLiteral("new"));
    keys(QStringLiteral("Ctrl+Z"));
    QCOMPARE(box().Text(), QStringLiteral("new"));
}

void TestTextBoardBox::mouseSelects()
{
    box().setText(kWords.repeated(20));
    QWidget *view = box().viewport();
    QTest::mouseClick(view, Qt::LeftButton, {}, pointBefore(8));
    QCOMPARE(box().caretPosition(), 8);
    QCOMPARE(box().SelLength(), 0);

    QSignalSpy released(&box(), &TextBoardEdit::mouseReleased);
    QTest::mousePress(view, Qt::LeftButton, {}, pointBefore(2));
    QTest::mouseMove(view, pointBefore(9));
    QTest::mouseRelease(view, Qt::LeftButton, {}, pointBefore(9));
    QCOMPARE(box().SelStart(), 2);
    QCOMPARE(box().SelText(), QStringLiteral("rem ips"));
    QCOMPARE(released.count(), 1);

    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, pointBefore(14));
    QCOMPARE(box().SelText(), QStringLiteral("rem ipsum do"));

    // A click inside the selection that drags nothing puts the caret there.
    QTest::mouseClick(view, Qt::LeftButton, {}, pointBefore(5));
    QCOMPARE(box().SelLength(), 0);
    QCOMPARE(box().caretPosition(), 5);

    QTest::mouseDClick(view, Qt::LeftButton, {}, pointBefore(14));
    QCOMPARE(box().SelText(), QStringLiteral("dolor"));
}

void TestTextBoardBox::caretStaysInView()
{
    box().setText(QString(kLimit, QLatin1Char('m')));
    QScrollBar *bar = box().verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    keys(QStringLiteral("Ctrl+End"));
    QCOMPARE(box().caretPosition(), kLimit);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(bar->maximum() > 0);

    const int before = shownLine();
    keys(QStringLiteral("PgUp"));
    const int page = box().viewport()->height() / box().textLayout().lineHeight();
    QCOMPARE(shownLine(), before - page);
    const QRect caret = box().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QVERIFY(box().viewport()->geometry().contains(caret));

    keys(QStringLiteral("Ctrl+Home"));
    QCOMPARE(box().caretPosition(), 0);
    QCOMPARE(bar->value(), 0);
    // Typing at the end keeps the caret in view.
    box().setText(QString(kLimit - 10, QLatin1Char('m')));
    box().setSelStart(kLimit - 10);
    keys(QStringLiteral("X"));
    QCOMPARE(bar->value(), bar->maximum());
}

void TestTextBoardBox::inputMethodWithinTheLimit()
{
    box().setText(QString(kLimit - 1, QLatin1Char('m')));
    box().setSelStart(0);
    QInputMethodEvent composing(QStringLiteral("e\u0301"), {});
    QCoreApplication::sendEvent(&box(), &composing);
    QCOMPARE(box().length(), kLimit - 1); // composing changes nothing yet

    QInputMethodEvent tooLong;
    tooLong.setCommitString(QStringLiteral("\u00e9\u00e9"));
    QCoreApplication::sendEvent(&box(), &tooLong);
    QCOMPARE(box().length(), kLimit - 1);

    QInputMethodEvent dead; // a dead key and a letter, composed
    dead.setCommitString(QStringLiteral("\u00e9"));
    QCoreApplication::sendEvent(&box(), &dead);
    QCOMPARE(box().Text().left(2), QStringLiteral("\u00e9m"));
    QCOMPARE(box().length(), kLimit);
    QCOMPARE(box().inputMethodQuery(Qt::ImCursorPosition).toInt(), 1);
    QCOMPARE(box().inputMethodQuery(Qt::ImMaximumTextLength).toInt(), kLimit);
}

void TestTextBoardBox::dropIsCutToTheRoom()
{
    box().setText(QString(kLimit - 5, QLatin1Char('m')));
    QMimeData data;
    data.setText(QStringLiteral("0123456789"));
    const QPoint at = pointBefore(3);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box().viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box().viewport(), &drop);
    QCOMPARE(box().length(), kLimit);
    QCOMPARE(box().Text().left(9), QStringLiteral("mmm01234m"));
}

void TestTextBoardBox::accessibleText()
{
    box().setText(QString(kLimit - 3, QLatin1Char('m')));
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&box());
    QVERIFY(a);
    QCOMPARE(a->role(), QAccessible::EditableText);
    QVERIFY(a->state().multiLine);
    QAccessibleTextInterface *text = a->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), kLimit - 3);
    int start = -1;
    int end = -1;
    // A line is a line as shown.
    QCOMPARE(text->textAtOffset(perLine() + 2, QAccessible::LineBoundary, &start, &end), QString(perLine(), 'm'));
    QCOMPARE(start, perLine());
    QCOMPARE(end, 2 * perLine());
    text->setSelection(0, 4, 8);
    QCOMPARE(box().SelStart(), 4);
    QCOMPARE(box().SelLength(), 4);

    QAccessibleEditableTextInterface *editable = a->editableTextInterface();
    QVERIFY(editable);
    editable->insertText(0, QStringLiteral("abcd")); // more than the room: refused
    QCOMPARE(box().length(), kLimit - 3);
    editable->insertText(0, QStringLiteral("abc"));
    QCOMPARE(box().Text().left(4), QStringLiteral("abcm"));
}

void TestTextBoardBox::readOnlyMovesButNeverEdits()
{
    const QString text = QStringLiteral("one two\r\nthree");
    box().setText(text);
    box().setReadOnly(true);
    box().setSelStart(4);
    QSignalSpy changes(&box(), &TextBoardEdit::Change);
    keys(QStringLiteral("Shift+Right, Shift+Right, Shift+Right"));
    QCOMPARE(box().SelText(), QStringLiteral("two"));
    keys(QStringLiteral("x, Backspace, Del, Return, Ctrl+Z, Ctrl+V"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("\u00e9"));
    QCoreApplication::sendEvent(&box(), &composed);
    QMimeData data;
    data.setText(QStringLiteral("dropped"));
    QDragEnterEvent enter(pointBefore(1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box().viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QCOMPARE(box().Text(), text);
    QVERIFY(changes.isEmpty());
    keys(QStringLiteral("Ctrl+End"));
    QCOMPARE(box().caretPosition(), text.size());
}

QUORVIL_TEST_MAIN(TestTextBoardBox)
#include "tst_textboardbox.moc"
