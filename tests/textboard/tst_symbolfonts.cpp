#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "textboard/RichTextBox.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"

#include <QFileInfo>
#include <QTemporaryDir>

// Text in a symbol font, as other programs get it from the clipboard and from *.QUF files.
// How other programs read the font table was checked with LibreOffice's RTF import: a font
// with an MS Symbol charmap is charset 2 and its codes are the bytes of the text; the symbol
// and dingbat fonts of fonts-urw-base35 map their symbols at the Latin-1 characters of their
// codes, and LibreOffice shows them (and writes them itself) as charset 0 with those bytes,
// while under charset 2 it looks them up at U+F000 + code, where these fonts have nothing.
class TestSymbolFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codesReachOtherProgramsAndComeBack_data();
    void codesReachOtherProgramsAndComeBack();
};

void TestSymbolFonts::codesReachOtherProgramsAndComeBack_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("charset"); // in the font table
    QTest::newRow("Standard Symbols PS") << QStringLiteral("Standard Symbols PS") << 0;
    QTest::newRow("D050000L") << QStringLiteral("D050000L") << 0;
    QTest::newRow("MS Symbol charmap") << QStringLiteral("Quorvil Symbol Test") << 2;
}

void TestSymbolFonts::codesReachOtherProgramsAndComeBack()
{
    QFETCH(QString, family);
    QFETCH(int, charset);
    MainWindowFixture f;
    QVERIFY(f.start());
    for (const char *item : {"DisplayCD", "DisplayOW"})
        f.window().commands().setChecked(QString::fromLatin1(item), false);
    chooseFont(f, family);

    // Every code the FontMap offers, as a click on its cell types it.
    QByteArray codes;
    QString text;
    for (int code = 32; code <= 255; ++code) {
        codes.append(char(code));
        text.append(f.codePage.charForCode(quint8(code), family));
    }
    TextBoardEdit *board = f.controls().TextBoard;
    board->setText(text);

    f.window().runCommand(QStringLiteral("ToolsCopy"));
    const QByteArray rtf = f.clipboard.rtf();
    QVERIFY(rtf.contains("{\\f0\\fnil\\fcharset" + QByteArray::number(charset) + ' ' + family.toLatin1() + ";}"));
    RichTextBox pasted;
    QVERIFY(pasted.setTextRTF(rtf));
    pasted.setSelLength(pasted.Text().size());
    QCOMPARE(encodeText(pasted.Text(), pasted.SelCharset().value_or(FontCharset::Ansi)), codes);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("codes.quf"));
    const auto choose = [file](CommonDialogProperties &d) {
        d.FileName = file;
        d.FileTitle = QFileInfo(file).fileName();
    };
    MessageDriver driver;
    f.dialog.confirm(choose);
    f.window().runCommand(QStringLiteral("FileSave"));
    f.window().runCommand(QStringLiteral("ToolsClear"));
    QVERIFY(board->Text().isEmpty());
    f.dialog.confirm(choose);
    f.window().runCommand(QStringLiteral("FileLoad"));
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board->Text(), text);
    QCOMPARE(f.codePage.encodeText(board->Text(), family), codes);
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestSymbolFonts, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"))
#include "tst_symbolfonts.moc"
