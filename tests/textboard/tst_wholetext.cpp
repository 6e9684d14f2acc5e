// The Tools menu's whole-text commands on the real main window: copy and cut to the
// clipboard in both formats with their confirmations, unload with its warnings and the
// defaults restore, and printing to a PDF file.
#include "support/MainWindowFixture.h"
#include "fontmap/FontChoice.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "core/QBColors.h"
#include "textboard/RichTextBox.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/ToolBar.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QPrinter>
#include <QProcess>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString kText = QStringLiteral("Whole text\r\non two lines");

} // namespace

class TestWholeText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void copyPutsBothFormats();
    void copyConfirmation();
    void cutEmptiesTheBoard();
    void unloadWarnings_data();
    void unloadWarnings();
    void unloadRestoresDefaults_data();
    void unloadRestoresDefaults();
    void printToPdf_data();
    void printToPdf();
    void cancelledPrintPrintsNothing();

private:
    QuorvilControls &c() { return m_f->controls(); }
    ActionCollection &commands() { return m_f->window().commands(); }
    MainState &s() { return m_f->state(); }
    TextBoardDocument &doc() { return m_f->window().textBoardDocument(); }
    TextBoardEdit *board() { return c().TextBoard; }
    TextBoardFormat &format() { return m_f->window().textBoardFormat(); }
    void setBoardText(const QString &text, bool changed);

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestWholeText::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
    for (const char *item : {"DisplayCD", "DisplayOW", "OptUnloadTD"})
        commands().setChecked(QString::fromLatin1(item), false);
}

void TestWholeText::cleanup()
{
    m_f.reset();
}

void TestWholeText::setBoardText(const QString &text, bool changed)
{
    board()->setText(text);
    doc().setModified(changed);
}

void TestWholeText::copyPutsBothFormats()
{
    setBoardText(kText, false);
    format().SetTBBold(1);
    format().SetTBForeColor(QBColor(12));
    format().SetTBAlignment(2);
    c().TBOperationsTB->button(QStringLiteral("CopyButton"))->trigger();

    QCOMPARE(m_f->clipboard.text(), QStringLiteral("Whole text\non two lines"));
    QVERIFY(m_f->clipboard.rtf().startsWith("{\\rtf"));
    RichTextBox pasted;
    QVERIFY(pasted.setTextRTF(m_f->clipboard.rtf()));
    QCOMPARE(pasted.Text(), kText);
    pasted.setSelLength(pasted.Text().size());
    QCOMPARE(pasted.SelFontName().value_or(QString()), board()->font().family());
    QCOMPARE(pasted.SelFontSize().value_or(0), double(c().FontSizeSlider->value()));
    QCOMPARE(pasted.SelBold(), std::optional<bool>(true));
    QCOMPARE(pasted.SelItalic(), std::optional<bool>(false));
    QCOMPARE(pasted.SelColor(), std::optional<ColorValue>(QBColor(12)));
    QCOMPARE(pasted.SelAlignment(), std::optional<int>(2));
    // The copy leaves the board alone.
    QCOMPARE(board()->Text(), kText);
    QVERIFY(!doc().TBChanged());
}

void TestWholeText::copyConfirmation()
{
    setBoardText(kText, false);
    commands().setChecked(QStringLiteral("DisplayCD"), true);
    MessageDriver driver;
    driver.ok();
    driver.ok(true);
    m_f->window().runCommand(QStringLiteral("ToolsCopy"));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Copy Successful"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\r\rTextBoard contents have been copied to Windows Clipboard."));
    QVERIFY(driver.last().checkBoxVisible);
    QVERIFY(commands().isChecked(QStringLiteral("DisplayCD")));

    // "Do not display again" switches the confirmation off.
    m_f->window().runCommand(QStringLiteral("ToolsCopy"));
    QCOMPARE(driver.count(), 2);
    QVERIFY(!commands().isChecked(QStringLiteral("DisplayCD")));
    m_f->window().runCommand(QStringLiteral("ToolsCopy"));
    QCOMPARE(driver.count(), 2);
}

void TestWholeText::cutEmptiesTheBoard()
{
    setBoardText(kText, false);
    doc().setLoadedFile(QStringLiteral("/docs/kept.txt"), QStringLiteral("kept.txt"));
    m_f->window().setWindowTitle(QStringLiteral("Quorvil :  kept.txt"));
    m_f->window().runCommand(QStringLiteral("EditFind"));
    QVERIFY(!c().FindFrame->isHidden());
    commands().setChecked(QStringLiteral("DisplayCD"), true);

    MessageDriver driver;
    driver.ok();
    c().TBOperationsTB->button(QStringLiteral("CutButton"))->trigger();
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Cut Successful"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\r\rTextBoard contents have been cut to Windows Clipboard."));

    QVERIFY(board()->Text().isEmpty());
    QVERIFY(c().FindFrame->isHidden());
    for (const char *key : {"CopyButton", "CutButton", "PrintButton", "ClearButton"})
        QVERIFY(!c().TBOperationsTB->isButtonEnabled(QString::fromLatin1(key)));
    QCOMPARE(m_f->clipboard.text(), QStringLiteral("Whole text\non two lines"));
    RichTextBox pasted;
    QVERIFY(pasted.setTextRTF(m_f->clipboard.rtf()));
    QCOMPARE(pasted.Text(), kText);
    QCOMPARE(doc().TBLoadedPath(), QStringLiteral("/docs/kept.txt"));
    QCOMPARE(m_f->window().windowTitle(), QStringLiteral("Quorvil :  kept.txt"));
}

void TestWholeText::unloadWarnings_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("displayOW");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("title"); // empty: no question
    QTest::newRow("changed, warning off") << true << false << true << "Quorvil TextBoard Save Warning";
    QTest::newRow("changed, No") << true << true << false << "Quorvil TextBoard Save Warning";
    QTest::newRow("unchanged, warning on") << false << true << true << "Quorvil TextBoard Unload Warning";
    QTest::newRow("unchanged, warning on, No") << false << true << false << "Quorvil TextBoard Unload Warning";
    QTest::newRow("unchanged, warning off") << false << false << true << QString();
}

void TestWholeText::unloadWarnings()
{
    QFETCH(bool, changed);
    QFETCH(bool, displayOW);
    QFETCH(bool, answer);
    QFETCH(QString, title);
    setBoardText(kText, changed);
    doc().setLoadedFile(QStringLiteral("/docs/a.txt"), QStringLiteral("a.txt"));
    m_f->window().setWindowTitle(QStringLiteral("Quorvil :  a.txt"));
    commands().setChecked(QStringLiteral("DisplayOW"), displayOW);
    m_f->window().runCommand(QStringLiteral("EditFind"));
    QVERIFY(!c().FindFrame->isHidden());

    MessageDriver driver;
    driver.answer(answer ? MessageDriver::Action::Button1 : MessageDriver::Action::Button2);
    c().TBOperationsTB->button(QStringLiteral("ClearButton"))->trigger();
    if (title.isEmpty()) {
        QCOMPARE(driver.count(), 0);
    } else {
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, title);
        QCOMPARE(driver.last().checkBoxVisible, !changed);
        const QString first = changed ? QStringLiteral("Text on the TextBoard has been changed.\rYou will lose these "
                                                       "changes by unloading the TextBoard now.")
                                      : QStringLiteral("You have text on the TextBoard.\rYou will lose this text by "
                                                       "unloading the TextBoard now.");
        QCOMPARE(driver.last().text, QStringLiteral("\r\r") + first
                                         + QStringLiteral("\r\rContinue Unloading?\r\u2022 Press Yes to continue "
                                                          "unloading TextBoard.\r\u2022 Press No to cancel operation."));
    }
    if (!answer) {
        QCOMPARE(board()->Text(), kText);
        QCOMPARE(doc().TBLoadedPath(), QStringLiteral("/docs/a.txt"));
        QCOMPARE(m_f->window().windowTitle(), QStringLiteral("Quorvil :  a.txt"));
        QVERIFY(!c().FindFrame->isHidden());
        return;
    }
    QVERIFY(board()->Text().isEmpty());
    // Nothing is left to find in.
    QVERIFY(c().FindFrame->isHidden());
    QVERIFY(!commands().isChecked(QStringLiteral("EditFind")));
    QVERIFY(doc().TBLoadedPath().isEmpty());
    QVERIFY(doc().TBLoadedName().isEmpty());
    QCOMPARE(m_f->window().windowTitle(), QStringLiteral("Quorvil Version 3.0.0 RC2"));
}

void TestWholeText::unloadRestoresDefaults_data()
{
    QTest::addColumn<bool>("restore");
    QTest::newRow("OptUnloadTD checked") << true;
    QTest::newRow("OptUnloadTD unchecked") << false;
}

void TestWholeText::unloadRestoresDefaults()
{
    QFETCH(bool, restore);
    const QString defaultFont = c().FontNameCombo->currentText();
    const int defaultSize = c().FontSizeSlider->value();
    const int defaultColor = m_f->window().textBoardFont().colorIndex();
    const int defaultAlignment = board()->Alignment();
    QString other;
    for (int i = 0; i < c().FontNameCombo->count() && other.isEmpty(); ++i) {
        if (c().FontNameCombo->itemText(i) != defaultFont)
            other = c().FontNameCombo->itemText(i);
    }
    m_f->window().fontChoice().SelectFontInCombo(other);
    format().ApplyTBFont();
    c().FontSizeSlider->setValue(defaultSize == 20 ? 22 : 20);
    c().FontFormatTB->setValue(QStringLiteral("Italic"), 1);
    format().SetTBItalic(1);
    format().SetTBForeColor(QBColor(defaultColor == 9 ? 10 : 9));
    format().SetTBAlignment(defaultAlignment == 1 ? 2 : 1);
    const int changedSize = c().FontSizeSlider->value();
    const int changedColor = m_f->window().textBoardFont().colorIndex();
    const int changedAlignment = board()->Alignment();

    setBoardText(kText, false);
    commands().setChecked(QStringLiteral("OptUnloadTD"), restore);
    m_f->window().runCommand(QStringLiteral("ToolsClear"));
    QVERIFY(board()->Text().isEmpty());
    QCOMPARE(c().FontNameCombo->currentText(), restore ? defaultFont : other);
    QCOMPARE(board()->font().family(), restore ? defaultFont : other);
    QCOMPARE(c().FontSizeSlider->value(), restore ? defaultSize : changedSize);
    QCOMPARE(m_f->window().textBoardFont().colorIndex(), restore ? defaultColor : changedColor);
    QCOMPARE(foreColor(board()), QBColor(restore ? defaultColor : changedColor));
    QCOMPARE(board()->Alignment(), restore ? defaultAlignment : changedAlignment);
    QCOMPARE(format().textBoardStyle(TextBoardFormat::Italic), !restore);
}

void TestWholeText::printToPdf_data()
{
    QTest::addColumn<bool>("withSelection");
    QTest::newRow("no selection") << false;
    QTest::newRow("a selection still prints everything") << true;
}

void TestWholeText::printToPdf()
{
    QFETCH(bool, withSelection);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
    if (pdftotext.isEmpty() || pdffonts.isEmpty())
        QSKIP("needs poppler-utils");
    if (c().FontNameCombo->findText(QStringLiteral("DejaVu Serif")) < 0)
        QSKIP("needs DejaVu Serif");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("board.pdf"));

    m_f->window().fontChoice().SelectFontInCombo(QStringLiteral("DejaVu Serif"));
    format().ApplyTBFont();
    setBoardText(QStringLiteral("Printed words here\r\nand the second line"), false);
    if (withSelection) {
        board()->setSelStart(8);
        board()->setSelLength(5);
    }
    m_f->dialog.confirm([pdf](CommonDialogProperties &d) {
        auto printer = std::make_shared<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        d.hDC = printer;
    });
    c().TBOperationsTB->button(QStringLiteral("PrintButton"))->trigger();
    QCOMPARE(m_f->dialog.count(), 1);
    const CommonDialogProperties &asked = m_f->dialog.shown().at(0).properties;
    QCOMPARE(m_f->dialog.shown().at(0).kind, FakeCommonDialog::Kind::Printer);
    QCOMPARE(asked.Flags, withSelection ? 0x101 : 0x100);
    QVERIFY(asked.CancelError);
    QVERIFY(QFile::exists(pdf));

    QProcess text;
    text.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(printed.contains(QLatin1String("Printed words here")), qPrintable(printed));
    QVERIFY(printed.contains(QLatin1String("and the second line")));

    QProcess fonts;
    fonts.start(pdffonts, {pdf});
    QVERIFY(fonts.waitForFinished(30000));
    const QString embedded = QString::fromUtf8(fonts.readAllStandardOutput());
    QVERIFY2(embedded.contains(QLatin1String("DejaVuSerif")), qPrintable(embedded));
}

void TestWholeText::cancelledPrintPrintsNothing()
{
    setBoardText(kText, false);
    m_f->dialog.cancel();
    MessageDriver driver;
    m_f->window().runCommand(QStringLiteral("ToolsPrint"));
    QCOMPARE(m_f->dialog.count(), 1);
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board()->Text(), kText);
}

QUORVIL_TEST_MAIN(TestWholeText)
#include "tst_wholetext.moc"
