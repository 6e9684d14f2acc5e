#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "platform/fakes/FakeDisplay.h"
#include "textboard/FullScreenPreview.h"
#include "textboard/TBPreview.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "textboard/rules/CarriedCaret.h"
#include "textboard/rules/TextBoardFont.h"
#include "widgets/ActionCollection.h"
#include "widgets/ToolBar.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <functional>
#include <optional>

namespace {

// Runs `act` on the preview once it is up, while the command waits for it.
void whenShown(std::function<void(TBPreview &)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        TBPreview *preview = nullptr;
        QTRY_VERIFY((preview = qobject_cast<TBPreview *>(QApplication::activeModalWidget())) != nullptr);
        QTRY_VERIFY(preview->isVisible());
        act(*preview);
        if (preview->isVisible())
            preview->reject(); // a failed step must not leave the test waiting
    });
}

TextBoardEdit &previewTB(TBPreview &preview)
{
    return *preview.findChild<TextBoardEdit *>(QStringLiteral("PreviewTB"));
}

QString numberedLines(int count)
{
    // Ten characters and a CR LF each: line n starts at box position 12 * n.
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("line %1 ..\r\n").arg(i, 3, 10, QLatin1Char('0'));
    return text;
}

const QRectF kFullScreen(0, 0, 1024 * 15, 768 * 15);

// A TextBoard with its format on a screen, and the command that previews it.
struct Board
{
    explicit Board(const QRectF &workArea = kFullScreen) { display.setWorkArea(workArea); }

    TextBoardEdit textBoard;
    TextBoardFont format;
    FakeDisplay display;
    FullScreenPreview command{textBoard, format, display, nullptr};
};

} // namespace

class TestTBPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void caretRoundTrip_data();
    void caretRoundTrip();
    void refocusKeepsTheCaret();
    void caretComesBackInsideTheText();
    void controlsInTheWindowsOwnCoordinates_data();
    void controlsInTheWindowsOwnCoordinates();
    void textInItsFormat();
    void closeButtonTooltip_data();
    void closeButtonTooltip();
    void caretWithinTheText_data();
    void caretWithinTheText();
    void fromTheMainWindow_data();
    void fromTheMainWindow();

private:
    // Each case begins with a fresh program state.
    std::optional<GlobalDeclarations> m_program;
};

void TestTBPreview::init()
{
    m_program.emplace();
}

void TestTBPreview::caretRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("close"); // Close button, else Esc
    QTest::addColumn<int>("expected");
    const QString plain(500, QLatin1Char('x'));
    const QString lines = numberedLines(40);
    QTest::newRow("plain, Close") << plain << true << 300;
    QTest::newRow("plain, Esc") << plain << false << 120;
    QTest::newRow("CR LF, Close") << lines << true << 300;
    QTest::newRow("CR LF, Esc") << lines << false << 120;
}

void TestTBPreview::caretRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(bool, close);
    QFETCH(int, expected);
    Board board;
    TextBoardEdit &textBoard = board.textBoard;
    textBoard.setText(text);
    textBoard.setSelStart(120);

    int caretShown = -1;
    whenShown([&](TBPreview &preview) {
        TextBoardEdit &box = previewTB(preview);
        caretShown = box.SelStart();
        box.setSelStart(300);
        QCOMPARE(box.SelStart(), 300);
        if (close)
            QTest::mouseClick(preview.findChild<QPushButton *>(QStringLiteral("CloseButton")), Qt::LeftButton);
        else
            QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(!preview.isVisible());
    });
    board.command.ToolsFS_Click();

    QCOMPARE(caretShown, 120);
    QCOMPARE(textBoard.SelStart(), expected);
    QCOMPARE(textBoard.Text(), text); // the text itself never comes back
}

void TestTBPreview::refocusKeepsTheCaret()
{
    Board board;
    TextBoardEdit &textBoard = board.textBoard;
    textBoard.setText(numberedLines(40));
    textBoard.setSelStart(120);
    whenShown([](TBPreview &preview) {
        TextBoardEdit &box = previewTB(preview);
        auto *close = preview.findChild<QPushButton *>(QStringLiteral("CloseButton"));
        box.setSelStart(300);
        // The focus leaves the text and comes back, as a click on the window would bring it.
        close->setFocus();
        QTRY_VERIFY(close->hasFocus());
        box.setFocus();
        QTRY_VERIFY(box.hasFocus());
        QCOMPARE(box.SelStart(), 300);
        QTest::mouseClick(close, Qt::LeftButton);
    });
    board.command.ToolsFS_Click();
    QCOMPARE(textBoard.SelStart(), 300);
}

void TestTBPreview::caretComesBackInsideTheText()
{
    // The preview hands back a caret beyond the end of what the TextBoard holds by then.
    Board board;
    TextBoardEdit &textBoard = board.textBoard;
    textBoard.setText(numberedLines(40));
    textBoard.setSelStart(120);
    whenShown([&](TBPreview &preview) {
        previewTB(preview).setSelStart(300);
        textBoard.setText(QStringLiteral("short\r\ntext"));
        QTest::mouseClick(preview.findChild<QPushButton *>(QStringLiteral("CloseButton")), Qt::LeftButton);
    });
    board.command.ToolsFS_Click();
    QCOMPARE(textBoard.SelStart(), textBoard.length());

    // A carried value far outside any text lands at the end too.
    whenShown([](TBPreview &preview) {
        globals().gTBCaret = 1e300;
        preview.reject();
    });
    board.command.ToolsFS_Click();
    QCOMPARE(textBoard.SelStart(), textBoard.length());
}

void TestTBPreview::controlsInTheWindowsOwnCoordinates_data()
{
    QTest::addColumn<QRectF>("workArea"); // twips
    QTest::newRow("whole screen") << kFullScreen;
    QTest::newRow("panel at the top") << QRectF(0, 32 * 15, 1024 * 15, (768 - 32) * 15);
    QTest::newRow("panel at the left") << QRectF(48 * 15, 0, (1024 - 48) * 15, 768 * 15);
}

void TestTBPreview::controlsInTheWindowsOwnCoordinates()
{
    QFETCH(QRectF, workArea);
    Board board(workArea);
    board.textBoard.setText(numberedLines(200));
    whenShown([](TBPreview &preview) {
        const int w = preview.width();
        const int h = preview.height();
        QVERIFY(w > 0 && h > 0);
        // Heading 180 twips from the left and 75 from the top; Close 45 from the top and
        // 60 from the right; the text from 360 down to the bottom edge, 60 in from each side.
        QCOMPARE(preview.findChild<QLabel *>(QStringLiteral("Heading"))->pos(), QPoint(12, 5));
        const QRect close = preview.findChild<QPushButton *>(QStringLiteral("CloseButton"))->geometry();
        QCOMPARE(close.top(), 3);
        QCOMPARE(close.right() + 1, w - 4);
        const QRect holder = preview.findChild<QFrame *>(QStringLiteral("PreviewTBHolder"))->geometry();
        QCOMPARE(holder, QRect(4, 24, w - 8, h - 24));
        // The text box fills the frame's inside and ends within the window.
        TextBoardEdit &box = previewTB(preview);
        QCOMPARE(box.geometry(), preview.findChild<QFrame *>(QStringLiteral("PreviewTBHolder"))->contentsRect());
        QVERIFY(box.mapTo(&preview, QPoint(0, box.height())).y() <= h);
        preview.reject();
    });
    board.command.ToolsFS_Click();
}

void TestTBPreview::textInItsFormat()
{
    Board board;
    const QString text = QStringLiteral("Centred bold red\r\n\u00e9\u00e8 \u00a0second line");
    board.textBoard.setText(text);
    QFont bold(QStringLiteral("DejaVu Sans"), 20);
    bold.setBold(true);
    board.command.followBoardFont(bold);
    board.format.setColor(12, QStringLiteral("Red"));
    board.format.setAlignment(TextBoardFont::Center);
    whenShown([&](TBPreview &preview) {
        TextBoardEdit &box = previewTB(preview);
        QCOMPARE(preview.findChild<QLabel *>(QStringLiteral("Heading"))->text(),
                 QStringLiteral("Quorvil TextBoard Full Screen Preview"));
        QCOMPARE(preview.findChild<QPushButton *>(QStringLiteral("CloseButton"))->text(), QStringLiteral("Close"));
        QCOMPARE(box.Text(), text);
        QCOMPARE(box.font().family(), bold.family());
        QCOMPARE(box.font().pointSize(), 20);
        QVERIFY(box.font().bold());
        QCOMPARE(box.palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(box.Alignment(), 2);
        QVERIFY(box.textAlignment() & Qt::AlignHCenter);
        QVERIFY(preview.windowState() & Qt::WindowMaximized);
        QVERIFY(preview.isModal());

        // Typing changes nothing.
        QTest::keyClicks(&box, QStringLiteral("typed"));
        QCOMPARE(box.Text(), text);
        preview.reject();
    });
    board.command.ToolsFS_Click();
    QCOMPARE(board.textBoard.Text(), text);
}

void TestTBPreview::closeButtonTooltip_data()
{
    QTest::addColumn<bool>("toolTips");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestTBPreview::closeButtonTooltip()
{
    QFETCH(bool, toolTips);
    globals().gToolTips = toolTips;
    TBPreview preview;
    const auto *close = preview.findChild<QPushButton *>(QStringLiteral("CloseButton"));
    QCOMPARE(close->toolTip(), toolTips ? close->property("Tag").toString() : QString());
    QVERIFY(!close->property("Tag").toString().isEmpty());
}

void TestTBPreview::caretWithinTheText_data()
{
    QTest::addColumn<double>("carried");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 120.0 << 120;
    QTest::newRow("end") << 500.0 << 500;
    QTest::newRow("beyond") << 501.0 << 500;
    QTest::newRow("far beyond") << 1e300 << 500;
    QTest::newRow("negative") << -3.0 << 0;
    QTest::newRow("not a number") << std::nan("") << 0;
    QTest::newRow("rounded") << 7.6 << 8;
}

void TestTBPreview::caretWithinTheText()
{
    QFETCH(double, carried);
    QFETCH(int, expected);
    QCOMPARE(caretWithin(carried, 500), expected);
}

void TestTBPreview::fromTheMainWindow_data()
{
    QTest::addColumn<bool>("button"); // the "FullScreen" button, else Tools > View TextBoard Full Screen
    QTest::newRow("menu") << false;
    QTest::newRow("button") << true;
}

void TestTBPreview::fromTheMainWindow()
{
    QFETCH(bool, button);
    MainWindowFixture f;
    QVERIFY(f.start());
    // A panel across the top of the screen.
    f.display.setWorkArea(QRectF(0, 30 * 15, 1024 * 15, (768 - 30) * 15));
    TextBoardEdit *textBoard = f.controls().TextBoard;
    textBoard->setText(numberedLines(40));
    textBoard->setSelStart(120);
    TextBoardFormat &format = f.window().textBoardFormat();
    format.SetTBBold(1);
    format.SetTBAlignment(2);
    format.SetTBForeColor(QBColor(12));
    QVERIFY(f.window().commands().isEnabled(QStringLiteral("ToolsFS")));

    bool shown = false;
    whenShown([&](TBPreview &preview) {
        TextBoardEdit &box = previewTB(preview);
        QCOMPARE(box.Text(), textBoard->Text());
        QCOMPARE(box.font().family(), textBoard->font().family());
        QCOMPARE(box.font().pointSize(), textBoard->font().pointSize());
        QVERIFY(box.font().bold());
        QCOMPARE(box.palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(box.Alignment(), 2);
        QCOMPARE(preview.findChild<QLabel *>(QStringLiteral("Heading"))->pos(), QPoint(12, 5));
        QCOMPARE(box.SelStart(), 120);
        box.setSelStart(300);
        shown = true;
        QTest::mouseClick(preview.findChild<QPushButton *>(QStringLiteral("CloseButton")), Qt::LeftButton);
    });
    if (button) {
        ToolBar *bar = f.controls().TBOperationsTB;
        QTest::mouseClick(bar->widgetForAction(bar->button(QStringLiteral("FullScreen"))), Qt::LeftButton);
    } else {
        f.window().commands().trigger(QStringLiteral("ToolsFS"));
    }
    QVERIFY(shown);
    QCOMPARE(textBoard->SelStart(), 300);
}

QUORVIL_TEST_MAIN(TestTBPreview)
#include "tst_tbpreview.moc"
