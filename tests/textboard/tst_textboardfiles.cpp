// TextBoard files on the real main window: TXT and QUF loads with their checks and messages,
// saving by the chosen name, and saves that fail without touching the old file.
#include "support/MainWindowFixture.h"
#include "fontmap/FontChoice.h"
#include "support/MessageDriver.h"
#include "support/NamedPipe.h"
#include "support/NativeFiles.h"
#include "support/TestMain.h"

#include "core/FileNames.h"
#include "core/QBColors.h"
#include "fontmap/rules/Charset.h"
#include "textboard/RichTextBox.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/MainMenu.h"
#include "widgets/ToolBar.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

namespace {

constexpr int kLimit = 61440;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString dataFile(const char *name)
{
    return QStringLiteral(QUORVIL_TEST_DATA "/textboard/") + QLatin1String(name);
}

// Every code the FontMap shows (32 to 255), sixteen to a line, CR LF between lines.
QByteArray allCodes()
{
    QByteArray bytes;
    for (int code = 32; code <= 255; ++code) {
        bytes.append(char(code));
        if (code % 16 == 15 && code != 255)
            bytes.append("\r\n");
    }
    return bytes;
}

// One format of the TextBoard, as the board and its buttons show it.
struct BoardFormat
{
    QString font;
    int size = 12;
    std::array<int, 4> styles{};
    int colorIndex = 0;
    int alignment = 0;
};

} // namespace

class TestTextBoardFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void txtRoundTripAllCodes();
    void qufRoundTripEveryFormat_data();
    void qufRoundTripEveryFormat();
    void savedAfterLoadHasTheLoadedTextAndFormat();
    void saveKindFollowsTheName_data();
    void saveKindFollowsTheName();
    void dialogsAskAsDesigned();

    void extensionDispatch_data();
    void extensionDispatch();
    void refusedFileLeavesBoardEmpty_data();
    void refusedFileLeavesBoardEmpty();
    void formatCorrections_data();
    void formatCorrections();
    void mixedStyleLoadsTextWithMessage();
    void missingFont_data();
    void missingFont();

    void partialLoad_data();
    void partialLoad();
    void alreadyLoadedFile();
    void changedTextAsksBeforeLoading_data();
    void changedTextAsksBeforeLoading();
    void overwriteWarning();
    void binaryFileAsText();
    void lineBreaksOfOtherSystems();

    void nameBytesThatAreNotUtf8();

    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void readOnlyFolderKeepsOldFile();

private:
    QuorvilControls &c() { return m_f->controls(); }
    ActionCollection &commands() { return m_f->window().commands(); }
    MainState &s() { return m_f->state(); }
    TextBoardDocument &doc() { return m_f->window().textBoardDocument(); }
    TextBoardEdit *board() { return c().TextBoard; }
    TextBoardFormat &format() { return m_f->window().textBoardFormat(); }
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString caption() { return m_f->window().windowTitle(); }

    void load(const QString &file);
    void save(const QString &file);
    void setFormat(const BoardFormat &f);
    BoardFormat boardFormat();
    QString otherFont();

    std::unique_ptr<MainWindowFixture> m_f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestTextBoardFiles::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
    m_dir = std::make_unique<QTemporaryDir>();
    // Most cases are about the file, not the overwrite question.
    commands().setChecked(QStringLiteral("DisplayOW"), false);
    commands().setChecked(QStringLiteral("OptLoadTD"), false);
}

void TestTextBoardFiles::cleanup()
{
    m_f.reset();
    m_dir.reset();
}

void TestTextBoardFiles::load(const QString &file)
{
    m_f->dialog.confirm([file](CommonDialogProperties &d) {
        d.FileName = file;
        d.FileTitle = QFileInfo(file).fileName();
    });
    m_f->window().runCommand(QStringLiteral("FileLoad"));
}

void TestTextBoardFiles::save(const QString &file)
{
    m_f->dialog.confirm([file](CommonDialogProperties &d) {
        d.FileName = file;
        d.FileTitle = QFileInfo(file).fileName();
    });
    m_f->window().runCommand(QStringLiteral("FileSave"));
}

QString TestTextBoardFiles::otherFont()
{
    // An installed face that is not the current one, so that a load has to change it.
    for (const char *name : {"DejaVu Serif", "Liberation Serif", "DejaVu Sans Mono"}) {
        const QString face = QString::fromLatin1(name);
        if (c().FontNameCombo->findText(face) >= 0 && face != c().FontNameCombo->currentText())
            return face;
    }
    return QString();
}

void TestTextBoardFiles::setFormat(const BoardFormat &f)
{
    m_f->window().fontChoice().SelectFontInCombo(f.font);
    format().ApplyTBFont();
    c().FontSizeSlider->setValue(f.size);
    const char *buttons[] = {"Bold", "Italic", "Underline", "Strikethrough"};
    for (int i = 0; i < 4; ++i)
        c().FontFormatTB->setValue(QString::fromLatin1(buttons[i]), f.styles[i]);
    format().SetTBBold(f.styles[0]);
    format().SetTBItalic(f.styles[1]);
    format().SetTBUnderline(f.styles[2]);
    format().SetTBStrikethru(f.styles[3]);
    format().SetTBForeColor(QBColor(f.colorIndex));
    format().SetTBAlignment(f.alignment);
}

BoardFormat TestTextBoardFiles::boardFormat()
{
    BoardFormat f;
    f.font = c().FontNameCombo->currentText();
    f.size = c().FontSizeSlider->value();
    for (int i = 0; i < 4; ++i)
        f.styles[i] = format().textBoardStyle(TextBoardFormat::Style(i)) ? 1 : 0;
    f.colorIndex = m_f->window().textBoardFont().colorIndex();
    f.alignment = board()->Alignment();
    return f;
}

void TestTextBoardFiles::txtRoundTripAllCodes()
{
    const QByteArray bytes = allCodes();
    writeAll(path(QStringLiteral("codes.txt")), bytes);
    MessageDriver driver;
    load(path(QStringLiteral("codes.txt")));
    QCOMPARE(board()->Text(), decodeText(bytes, FontCharset::Ansi));
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board()->length(), bytes.size());
    QCOMPARE(caption(), QStringLiteral("Quorvil :  codes.txt"));
    QCOMPARE(doc().TBLoadedPath(), path(QStringLiteral("codes.txt")));
    QCOMPARE(doc().TBLoadedName(), QStringLiteral("codes.txt"));
    QCOMPARE(doc().TBLoadFolder(), m_dir->path());
    QVERIFY(!doc().TBChanged());
    QCOMPARE(c().menu->item(QStringLiteral("FileMRU(1)"))->text(), QStringLiteral("&1 codes.txt"));
    QVERIFY(c().menu->item(QStringLiteral("FileSep3"))->isVisible());

    save(path(QStringLiteral("copy.TXT")));
    QCOMPARE(driver.count(), 0);
    QCOMPARE(readAll(path(QStringLiteral("copy.TXT"))), bytes);
    QCOMPARE(doc().TBLoadedPath(), path(QStringLiteral("copy.TXT")));
    QCOMPARE(doc().TBSaveFolder(), m_dir->path());
    QCOMPARE(caption(), QStringLiteral("Quorvil :  copy.TXT"));
    QCOMPARE(c().menu->item(QStringLiteral("FileMRU(1)"))->text(), QStringLiteral("&1 copy.TXT"));
    QCOMPARE(c().menu->item(QStringLiteral("FileMRU(2)"))->text(), QStringLiteral("&2 codes.txt"));
}

void TestTextBoardFiles::qufRoundTripEveryFormat_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("styles"); // bits: bold 1, italic 2, underline 4, strikethrough 8
    QTest::addColumn<int>("colorIndex");
    QTest::addColumn<int>("alignment");
    QTest::newRow("plain, left") << 10 << 0 << 0 << 0;
    QTest::newRow("bold italic, navy, right") << 8 << 3 << 1 << 1;
    QTest::newRow("underline strikethrough, red, centre") << 36 << 12 << 12 << 2;
    QTest::newRow("every style, white, centre") << 21 << 15 << 15 << 2;
}

void TestTextBoardFiles::qufRoundTripEveryFormat()
{
    QFETCH(int, size);
    QFETCH(int, styles);
    QFETCH(int, colorIndex);
    QFETCH(int, alignment);
    const QString font = otherFont();
    if (font.isEmpty())
        QSKIP("needs a second installed font");
    const QString start = c().FontNameCombo->currentText();

    BoardFormat written{font, size, {styles & 1 ? 1 : 0, styles & 2 ? 1 : 0, styles & 4 ? 1 : 0, styles & 8 ? 1 : 0},
                        colorIndex, alignment};
    const QString text = QStringLiteral("First line \u00e9\u00c6\r\n\r\nThird line");
    board()->setText(text);
    setFormat(written);
    QCOMPARE(boardFormat().styles, written.styles);

    MessageDriver driver;
    const QString file = path(QStringLiteral("styled.quf"));
    save(file);
    QCOMPARE(driver.count(), 0);
    const QByteArray bytes = readAll(file);
    QVERIFY(bytes.startsWith("{\\rtf"));

    // Back to another format and an empty board; the load must bring everything back.
    board()->setText(QString());
    setFormat(BoardFormat{start, 14, {}, 4, 0});
    doc().setLoadedFile(QString(), QString());
    load(file);
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board()->Text(), text);
    const BoardFormat read = boardFormat();
    QCOMPARE(read.font, written.font);
    QCOMPARE(read.size, written.size);
    QCOMPARE(read.styles, written.styles);
    QCOMPARE(m_f->window().textBoardFont().styleFlags(), written.styles);
    QCOMPARE(read.colorIndex, written.colorIndex);
    QCOMPARE(m_f->window().textBoardFont().colorName(), QBColorName(colorIndex));
    QCOMPARE(foreColor(board()), QBColor(colorIndex));
    QCOMPARE(c().FontFormatTB->buttonImage(QStringLiteral("Color")), QString::number(colorIndex + 1));
    QCOMPARE(read.alignment, written.alignment);
    QCOMPARE(c().FontSizeNumber->text(), QString::number(size));
    QCOMPARE(board()->font().family(), font);
    QCOMPARE(s().fontMap.TBFontName(), font);
    QCOMPARE(c().FontFormatTB->value(QStringLiteral("Bold")), written.styles[0]);
    QCOMPARE(c().FontFormatTB->value(QStringLiteral("Strikethrough")), written.styles[3]);

    // What was read writes the same file again.
    save(path(QStringLiteral("again.quf")));
    QCOMPARE(readAll(path(QStringLiteral("again.quf"))), bytes);
}

void TestTextBoardFiles::savedAfterLoadHasTheLoadedTextAndFormat()
{
    // Whatever used the rich-text twin between a load and a save (a find, a copy of the
    // whole text), and whatever was typed, the saved file holds the board's text in the
    // format the load gave the board.
    const QString font = otherFont();
    if (font.isEmpty())
        QSKIP("needs a second installed font");
    const QString start = c().FontNameCombo->currentText();
    const BoardFormat written{font, 20, {1, 1, 0, 0}, 1, 2};
    const QString text = QStringLiteral("Loaded text\r\n\r\nsecond paragraph, loaded");
    board()->setText(text);
    setFormat(written);
    save(path(QStringLiteral("loaded.quf")));
    board()->setText(QString());
    setFormat(BoardFormat{start, 14, {}, 4, 0});
    doc().setLoadedFile(QString(), QString());
    MessageDriver driver;
    load(path(QStringLiteral("loaded.quf")));
    QCOMPARE(board()->Text(), text);

    m_f->window().runCommand(QStringLiteral("EditFind"));
    c().FindString->setText(QStringLiteral("loaded"));
    c().FindNextButton->click();
    QCOMPARE(board()->SelText(), QStringLiteral("loaded"));
    commands().setChecked(QStringLiteral("DisplayCD"), false);
    m_f->window().runCommand(QStringLiteral("ToolsCopy"));
    board()->setSelStart(0);
    QTest::keyClick(board(), Qt::Key_X);
    save(path(QStringLiteral("saved.quf")));
    QCOMPARE(driver.count(), 0);

    RichTextBox saved;
    QVERIFY(saved.LoadFile(path(QStringLiteral("saved.quf")), RichTextBox::FileKind::Rtf));
    QCOMPARE(saved.Text(), QStringLiteral("x") + text);
    saved.setSelLength(int(saved.Text().size()));
    QCOMPARE(saved.SelFontName(), std::optional<QString>(font));
    QCOMPARE(saved.SelFontSize(), std::optional<double>(20));
    QCOMPARE(saved.SelBold(), std::optional<bool>(true));
    QCOMPARE(saved.SelItalic(), std::optional<bool>(true));
    QCOMPARE(saved.SelUnderline(), std::optional<bool>(false));
    QCOMPARE(saved.SelColor(), std::optional<ColorValue>(QBColor(1)));
    QCOMPARE(saved.SelAlignment(), std::optional<int>(2));
}

void TestTextBoardFiles::saveKindFollowsTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain");
    QTest::newRow("TXT in capitals") << "LETTER.TXT" << true;
    QTest::newRow("txt") << "letter.txt" << true;
    QTest::newRow("no extension") << "letter" << false;
    QTest::newRow("other extension") << "letter.doc" << false;
    QTest::newRow("quf") << "letter.Quf" << false;
}

void TestTextBoardFiles::saveKindFollowsTheName()
{
    QFETCH(QString, name);
    QFETCH(bool, plain);
    board()->setText(QStringLiteral("Some text\r\nand more"));
    MessageDriver driver;
    save(path(name));
    QCOMPARE(driver.count(), 0);
    const QByteArray bytes = readAll(path(name));
    if (plain)
        QCOMPARE(bytes, QByteArray("Some text\r\nand more"));
    else
        QVERIFY(bytes.startsWith("{\\rtf"));
    QVERIFY(!doc().TBChanged());
    QCOMPARE(doc().TBLoadedName(), name);
}

void TestTextBoardFiles::dialogsAskAsDesigned()
{
    doc().setTBLoadFolder(QStringLiteral("/load/here"));
    doc().setTBSaveFolder(QStringLiteral("/save/here"));
    MessageDriver driver;
    driver.yes(); // the Load button below, with changed text on the board
    m_f->dialog.cancel();
    m_f->window().runCommand(QStringLiteral("FileLoad"));
    board()->setText(QStringLiteral("x"));
    doc().setLoadedFile(QStringLiteral("/some/Notes.Txt"), QStringLiteral("Notes.Txt"));
    m_f->dialog.cancel();
    m_f->window().runCommand(QStringLiteral("FileSave"));
    QCOMPARE(m_f->dialog.count(), 2);

    const CommonDialogProperties &open = m_f->dialog.shown().at(0).properties;
    QCOMPARE(m_f->dialog.shown().at(0).kind, FakeCommonDialog::Kind::Open);
    QVERIFY(open.CancelError);
    QCOMPARE(open.Flags, 0x1804);
    QCOMPARE(open.InitDir, QStringLiteral("/load/here"));
    QCOMPARE(open.DialogTitle, QStringLiteral("Select a File to Load Text From"));
    QCOMPARE(open.Filter, QStringLiteral("Quorvil Uniform Format Files (*.QUF)|*.quf|Text Files (*.TXT)|*.txt"));
    QVERIFY(open.FileName.isEmpty());

    const CommonDialogProperties &saved = m_f->dialog.shown().at(1).properties;
    QCOMPARE(m_f->dialog.shown().at(1).kind, FakeCommonDialog::Kind::Save);
    QCOMPARE(saved.Flags, 6);
    QCOMPARE(saved.FilterIndex, 2);
    QCOMPARE(saved.FileName, QStringLiteral("/some/Notes.Txt"));
    QCOMPARE(saved.InitDir, QStringLiteral("/save/here"));
    QCOMPARE(saved.DialogTitle, QStringLiteral("Save Text in File"));

    // A cancelled save changes nothing.
    QCOMPARE(board()->Text(), QStringLiteral("x"));
    QVERIFY(doc().TBChanged());

    // The toolbar's buttons run the same commands.
    m_f->dialog.cancel();
    c().LoadSaveTB->button(QStringLiteral("Save"))->trigger();
    m_f->dialog.cancel();
    c().LoadSaveTB->button(QStringLiteral("Load"))->trigger();
    QCOMPARE(m_f->dialog.count(), 4);
    QCOMPARE(m_f->dialog.shown().at(2).kind, FakeCommonDialog::Kind::Save);
    QCOMPARE(m_f->dialog.shown().at(3).kind, FakeCommonDialog::Kind::Open);
    QCOMPARE(m_f->dialog.shown().at(1).properties.FilterIndex, 2);
}

void TestTextBoardFiles::extensionDispatch_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // the kind of content written: "txt" or "quf"
    QTest::addColumn<bool>("loads");
    QTest::newRow("lower-case txt") << "notes.txt" << "txt" << true;
    QTest::newRow("Quf") << "styled.Quf" << "quf" << true;
    // The ending decides, not the content.
    QTest::newRow("rich text named txt") << "rich.TXT" << "quf" << true;
    QTest::newRow("doc") << "letter.doc" << "txt" << false;
    QTest::newRow("no extension") << "README" << "txt" << false;
}

void TestTextBoardFiles::extensionDispatch()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, loads);
    RichTextBox twin;
    twin.setText(QStringLiteral("Hello"));
    twin.setSelLength(5);
    twin.setSelFontName(c().FontNameCombo->currentText());
    twin.setSelFontSize(12);
    twin.setSelColor(QBColor(0));
    QVERIFY(twin.SaveFile(path(name), kind == QLatin1String("quf") ? RichTextBox::FileKind::Rtf
                                                                     : RichTextBox::FileKind::PlainText));
    board()->setText(QStringLiteral("old"));
    doc().setModified(false);

    MessageDriver driver;
    driver.ok();
    load(path(name));
    if (loads) {
        QCOMPARE(driver.count(), 0);
        const bool rich = kind == QLatin1String("quf") && name.endsWith(QLatin1String("Quf"));
        QCOMPARE(board()->Text(), rich ? QStringLiteral("Hello") : QString::fromLatin1(readAll(path(name))));
        QCOMPARE(doc().TBLoadedName(), name);
        return;
    }
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Type Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rQuorvil allows loading from only two types of files.\r"
                                                "These are:\r\u2022 *.QUF (Quorvil Uniform Format files)\r"
                                                "\u2022 *.TXT (ASCII Text files)\r"
                                                "Please select only the above file types for loading."));
    QCOMPARE(driver.last().buttons, QStringList{QStringLiteral("Ok")});
    QVERIFY(board()->Text().isEmpty());
    QVERIFY(doc().TBLoadedPath().isEmpty());
}

void TestTextBoardFiles::refusedFileLeavesBoardEmpty_data()
{
    QTest::addColumn<QString>("source");   // a data file, or one of the kinds below
    QTest::addColumn<QString>("name");
    QTest::newRow("two font sizes") << "twosizes.quf" << "refused.quf";
    QTest::newRow("not RTF at all") << "garbage" << "refused.quf";
    QTest::newRow("file gone") << "missing" << "refused.quf";
    // A FIFO would hold the program until something wrote into it, and a device may never
    // end: neither is waited on.
    QTest::newRow("FIFO named x.txt") << "fifo" << "x.txt";
    QTest::newRow("FIFO named x.quf") << "fifo" << "x.quf";
    QTest::newRow("link to a FIFO") << "link" << "link.txt";
    QTest::newRow("device") << "device" << "zero.txt";
    QTest::newRow("folder") << "folder" << "notes.txt";
}

void TestTextBoardFiles::refusedFileLeavesBoardEmpty()
{
    QFETCH(QString, source);
    QFETCH(QString, name);
    const QString file = path(name);
    std::unique_ptr<NamedPipe> pipe;
    if (source == QLatin1String("garbage")) {
        writeAll(file, QByteArray("PK\x03\x04 this is a zip, not a uniform format file", 44));
    } else if (source == QLatin1String("fifo") || source == QLatin1String("link")) {
        pipe = std::make_unique<NamedPipe>(source == QLatin1String("fifo") ? file : path(QStringLiteral("pipe")));
        QVERIFY(pipe->created());
        if (source == QLatin1String("link"))
            QVERIFY(QFile::link(path(QStringLiteral("pipe")), file));
    } else if (source == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
    } else if (source == QLatin1String("folder")) {
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    } else if (source != QLatin1String("missing")) {
        QVERIFY(QFile::copy(dataFile(source.toLatin1().constData()), file));
    }
    board()->setText(QStringLiteral("was here"));
    doc().setModified(false);
    doc().setLoadedFile(QStringLiteral("/earlier.txt"), QStringLiteral("earlier.txt"));

    MessageDriver driver;
    driver.ok();
    load(file);
    QVERIFY(!pipe || !pipe->readerWaited());
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Load Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rThe file you selected could not be loaded successfully\r"
                                                "It does not seem to be a valid .QUF or .TXT file."));
    QVERIFY(board()->Text().isEmpty());
    QVERIFY(doc().TBLoadedPath().isEmpty());
    QVERIFY(doc().TBLoadedName().isEmpty());
    QVERIFY(!caption().contains(name));
}

void TestTextBoardFiles::formatCorrections_data()
{
    QTest::addColumn<QString>("source");   // a data file, or "7.6" for a file written in 7.6 points
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("colorIndex");
    QTest::addColumn<QString>("message");  // empty: none
    QTest::newRow("7.6 points rounds to 8") << "7.6" << 8 << 1 << QString();
    QTest::newRow("48 points") << "size48.quf" << 36 << 0
                               << "\r\rFont size of the file you are trying to load\r"
                                  "exceeds the maximum TextBoard font Size of 36.\r\r"
                                  "Quorvil will load this file\rwith a font size of 36.";
    QTest::newRow("colour outside the 16") << "oddcolor.quf" << 12 << 0
                                           << "\r\rFont color of the file you are trying to load does\r"
                                              "not match the 16 predefined Quorvil font colors.\r\r"
                                              "Quorvil will load this file with\rthe default font color of Black";
}

void TestTextBoardFiles::formatCorrections()
{
    QFETCH(QString, source);
    QFETCH(int, size);
    QFETCH(int, colorIndex);
    QFETCH(QString, message);
    const QString file = path(QStringLiteral("format.quf"));
    if (source == QLatin1String("7.6")) {
        RichTextBox twin;
        twin.setText(QStringLiteral("Tiny text"));
        twin.setSelLength(9);
        twin.setSelFontName(QStringLiteral("DejaVu Sans"));
        twin.setSelFontSize(7.6);
        twin.setSelColor(QBColor(1));
        QVERIFY(twin.SaveFile(file, RichTextBox::FileKind::Rtf));
    } else {
        QVERIFY(QFile::copy(dataFile(source.toLatin1().constData()), file));
    }
    if (c().FontNameCombo->findText(QStringLiteral("DejaVu Sans")) < 0)
        QSKIP("needs DejaVu Sans");
    // Start from a colour that is not black, so that black is the loader's doing.
    format().SetTBForeColor(QBColor(4));

    MessageDriver driver;
    driver.ok();
    load(file);
    if (message.isEmpty()) {
        QCOMPARE(driver.count(), 0);
    } else {
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Load Error"));
        QCOMPARE(driver.last().text, message);
    }
    QCOMPARE(c().FontSizeSlider->value(), size);
    QCOMPARE(c().FontSizeNumber->text(), QString::number(size));
    QCOMPARE(board()->font().pointSize(), size);
    QCOMPARE(m_f->window().textBoardFont().colorIndex(), colorIndex);
    QCOMPARE(m_f->window().textBoardFont().colorName(), QBColorName(colorIndex));
    QCOMPARE(foreColor(board()), QBColor(colorIndex));
    QCOMPARE(c().FontFormatTB->buttonImage(QStringLiteral("Color")), QString::number(colorIndex + 1));
    QVERIFY(!board()->Text().isEmpty());
    QCOMPARE(doc().TBLoadedPath(), file);
}

void TestTextBoardFiles::mixedStyleLoadsTextWithMessage()
{
    if (c().FontNameCombo->findText(QStringLiteral("DejaVu Sans")) < 0)
        QSKIP("needs DejaVu Sans");
    const QString file = path(QStringLiteral("mixed.quf"));
    QVERIFY(QFile::copy(dataFile("mixedbold.quf"), file));
    MessageDriver driver;
    driver.ok();
    load(file);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Unknown Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rThe file you selected could not be loaded\r"
                                                "successfully due to unknown reasons.\r\r"
                                                "Please contact the author at feedback@quorvil.org\r"
                                                "with all details of this problem."));
    // The text still loads, without the rest of the format.
    QCOMPARE(board()->Text(), QStringLiteral("Half bold text"));
    QCOMPARE(doc().TBLoadedPath(), file);
    QVERIFY(!format().textBoardStyle(TextBoardFormat::Bold));
}

void TestTextBoardFiles::missingFont_data()
{
    QTest::addColumn<bool>("loadIt");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestTextBoardFiles::missingFont()
{
    QFETCH(bool, loadIt);
    const QString file = path(QStringLiteral("missing.quf"));
    QVERIFY(QFile::copy(dataFile("missingfont.quf"), file));
    QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const BoardFormat before = boardFormat();

    MessageDriver driver;
    driver.answer(loadIt ? MessageDriver::Action::Button1 : MessageDriver::Action::Button2);
    load(file);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Font Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\rFont: Quorvil Missing Face\rThis font does not exist on your system.\r"
                                                "It is used by the file you are trying to load.\r\r"
                                                "Quorvil will load this file with current font setting.\rLoad File?"));
    QCOMPARE(driver.last().focused, QStringLiteral("Button2"));
    if (!loadIt) {
        QVERIFY(board()->Text().isEmpty());
        QVERIFY(doc().TBLoadedPath().isEmpty());
        return;
    }
    QCOMPARE(board()->Text(), QStringLiteral("Missing font"));
    QVERIFY(s().textBoard.FontChangedOnLoad());
    // The current format stays: not the file's bold, maroon, centred 20 points.
    const BoardFormat after = boardFormat();
    QCOMPARE(after.font, before.font);
    QCOMPARE(after.size, before.size);
    QCOMPARE(after.styles, before.styles);
    QCOMPARE(after.colorIndex, before.colorIndex);
    QCOMPARE(after.alignment, before.alignment);

    // Saving over the file asks first; No keeps the file.
    const QByteArray original = readAll(file);
    driver.clear();
    driver.no();
    save(file);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Save Warning"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rThe font settings of this file\rwas changed while loading it.\r"
                                                "Saving this file will overwrite\rit's original font settings.\r\r"
                                                "Save File?"));
    QCOMPARE(readAll(file), original);
    driver.yes();
    save(file);
    QCOMPARE(driver.count(), 2);
    QVERIFY(readAll(file) != original);
    QVERIFY(s().textBoard.FontChangedOnLoad());
    // Under another name there is nothing to warn about, and the flag goes.
    save(path(QStringLiteral("elsewhere.quf")));
    QCOMPARE(driver.count(), 2);
    QVERIFY(!s().textBoard.FontChangedOnLoad());
}

void TestTextBoardFiles::partialLoad_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("kept");
    QTest::newRow("70,000, Yes") << QByteArray(70000, 'a') << true << kLimit;
    QTest::newRow("70,000, No") << QByteArray(70000, 'a') << false << 0;
    // A cut inside a line break keeps neither half of it.
    QTest::newRow("cut between CR and LF") << QByteArray(kLimit - 1, 'b') + "\r\nmore" << true << kLimit - 1;
    QTest::newRow("exactly the limit") << QByteArray(kLimit, 'c') << true << kLimit;
}

void TestTextBoardFiles::partialLoad()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, answer);
    QFETCH(int, kept);
    writeAll(path(QStringLiteral("long.txt")), content);
    MessageDriver driver;
    driver.answer(answer ? MessageDriver::Action::Button1 : MessageDriver::Action::Button2);
    load(path(QStringLiteral("long.txt")));
    if (content.size() == kLimit) {
        QCOMPARE(driver.count(), 0);
        QCOMPARE(caption(), QStringLiteral("Quorvil :  long.txt"));
        QCOMPARE(board()->length(), kLimit);
        return;
    }
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil TextBoard Limit Warning"));
    QCOMPARE(driver.last().text, QStringLiteral("\rSize of the file you are trying to load exceeds the\r"
                                                "maximum limit (61,440 characters) of the TextBoard.\r"
                                                "A partial load upto the limit of the TextBoard is possible.\r\r"
                                                "Continue Loading?\r\u2022 Press Yes to load partial file.\r"
                                                "\u2022 Press No to cancel load."));
    QCOMPARE(board()->length(), kept);
    if (!answer) {
        QVERIFY(doc().TBLoadedPath().isEmpty());
        return;
    }
    QCOMPARE(board()->Text(), QString::fromLatin1(content.left(kept)));
    QCOMPARE(caption(), QStringLiteral("Quorvil :  long.txt (PARTIALLY LOADED!)"));
    QCOMPARE(doc().TBLoadedPath(), path(QStringLiteral("long.txt")));
}

void TestTextBoardFiles::alreadyLoadedFile()
{
    const QString file = path(QStringLiteral("same.txt"));
    writeAll(file, "same text");
    load(file);
    MessageDriver driver;
    driver.ok();
    load(file);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Load Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\r") + file + QStringLiteral("\r\rText from this file is already loaded."));
    QCOMPARE(driver.last().buttons, QStringList{QStringLiteral("Ok")});
    QCOMPARE(board()->Text(), QStringLiteral("same text"));
    QCOMPARE(doc().TBLoadedPath(), file);
    QVERIFY(!doc().TBChanged());
}

void TestTextBoardFiles::changedTextAsksBeforeLoading_data()
{
    QTest::addColumn<bool>("continueLoading");
    QTest::addColumn<bool>("reload");
    QTest::newRow("No to the save warning") << false << false;
    QTest::newRow("Yes, then No to the reload") << true << false;
    QTest::newRow("Yes, then Yes to the reload") << true << true;
}

void TestTextBoardFiles::changedTextAsksBeforeLoading()
{
    QFETCH(bool, continueLoading);
    QFETCH(bool, reload);
    const QString file = path(QStringLiteral("edited.txt"));
    writeAll(file, "original");
    load(file);
    board()->setSelStart(board()->length());
    board()->setSelText(QStringLiteral(" plus"));
    QVERIFY(doc().TBChanged());

    const int dialogs = m_f->dialog.count();
    MessageDriver driver;
    driver.answer(continueLoading ? MessageDriver::Action::Button1 : MessageDriver::Action::Button2);
    driver.answer(reload ? MessageDriver::Action::Button1 : MessageDriver::Action::Button2);
    if (continueLoading)
        load(file);
    else
        m_f->window().runCommand(QStringLiteral("FileLoad")); // no dialog is shown after No
    QCOMPARE(driver.seen().at(0).title, QStringLiteral("Quorvil TextBoard Save Warning"));
    QCOMPARE(driver.seen().at(0).text, QStringLiteral("\r\rText on the TextBoard has been changed.\r"
                                                      "You will lose these changes by loading another file now.\r\r"
                                                      "Continue Loading?\r\u2022 Press Yes to continue loading text.\r"
                                                      "\u2022 Press No to cancel operation."));
    QVERIFY(!driver.seen().at(0).checkBoxVisible);
    if (!continueLoading) {
        QCOMPARE(driver.count(), 1);
        QCOMPARE(m_f->dialog.count(), dialogs);
        QCOMPARE(board()->Text(), QStringLiteral("original plus"));
        return;
    }
    QCOMPARE(driver.count(), 2);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Load Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\r") + file + QStringLiteral("\r\rText from this file was loaded\r"
                                                                           "but has since been changed.\r\r"
                                                                           "Do you want to reload the file?\r\r"));
    QCOMPARE(driver.last().focused, QStringLiteral("Button2"));
    QCOMPARE(board()->Text(), reload ? QStringLiteral("original") : QStringLiteral("original plus"));
    QCOMPARE(doc().TBChanged(), !reload);
}

void TestTextBoardFiles::overwriteWarning()
{
    const QString file = path(QStringLiteral("first.txt"));
    writeAll(file, "first");
    writeAll(path(QStringLiteral("second.txt")), "second");
    load(file);
    commands().setChecked(QStringLiteral("DisplayOW"), true);

    MessageDriver driver;
    driver.no();
    driver.yes(true);
    m_f->window().runCommand(QStringLiteral("FileLoad"));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil TextBoard Overwrite Warning"));
    QVERIFY(driver.last().checkBoxVisible);
    QCOMPARE(board()->Text(), QStringLiteral("first"));
    QVERIFY(commands().isChecked(QStringLiteral("DisplayOW")));

    // Ticking "Do not display again" switches the warning off.
    load(path(QStringLiteral("second.txt")));
    QCOMPARE(driver.count(), 2);
    QCOMPARE(board()->Text(), QStringLiteral("second"));
    QVERIFY(!commands().isChecked(QStringLiteral("DisplayOW")));
    load(file);
    QCOMPARE(driver.count(), 2);
    QCOMPARE(board()->Text(), QStringLiteral("first"));
}

void TestTextBoardFiles::binaryFileAsText()
{
    QByteArray bytes;
    for (int i = 0; i < 40000; ++i)
        bytes.append(char((i * 7919 + i / 3) & 0xFF));
    writeAll(path(QStringLiteral("program.txt")), bytes);
    MessageDriver driver;
    driver.yes();
    load(path(QStringLiteral("program.txt")));
    QVERIFY(board()->length() > 0);
    QVERIFY(board()->length() <= kLimit);
    QCOMPARE(doc().TBLoadedPath(), path(QStringLiteral("program.txt")));
}

void TestTextBoardFiles::lineBreaksOfOtherSystems()
{
    writeAll(path(QStringLiteral("unix.txt")), "one\ntwo\rthree\r\nfour");
    load(path(QStringLiteral("unix.txt")));
    QCOMPARE(board()->Text(), QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    save(path(QStringLiteral("saved.txt")));
    QCOMPARE(readAll(path(QStringLiteral("saved.txt"))), QByteArray("one\r\ntwo\r\nthree\r\nfour"));
}

void TestTextBoardFiles::nameBytesThatAreNotUtf8()
{
    // A name written on another system in Latin-1: é is the one byte E9.
    const QByteArray folder = QFile::encodeName(m_dir->path());
    const QByteArray latin1 = folder + "/caf\xe9.txt";
    QVERIFY(writeNativeFile(latin1, "caf\xe9 au lait"));
    const QString name = decodeFileName(latin1);

    MessageDriver driver;
    load(name);
    QCOMPARE(driver.count(), 0);
    QCOMPARE(board()->Text(), QStringLiteral("café au lait"));
    QCOMPARE(doc().TBLoadedPath(), name);
    QCOMPARE(doc().TBLoadFolder(), m_dir->path());

    // Saving under that name cannot go through Qt, which would write it under another
    // name beside it: the save fails as a save does, and nothing else is written.
    board()->setSelStart(board()->length());
    board()->setSelText(QStringLiteral("!"));
    driver.ok();
    save(name);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Save Error"));
    QVERIFY(doc().TBChanged());
    QCOMPARE(nativeEntries(folder), QByteArrayList{"caf\xe9.txt"});
    QCOMPARE(readNativeFile(latin1), QByteArray("caf\xe9 au lait"));
}

void TestTextBoardFiles::failedSaveChangesNothing_data()
{
    QTest::addColumn<QString>("target");
    // Root may write anywhere, so the failures are ones that hold for root too.
    QTest::newRow("folder is a regular file") << "plain-file/inside.txt";
    QTest::newRow("target is a folder") << "a-folder.quf";
}

void TestTextBoardFiles::failedSaveChangesNothing()
{
    QFETCH(QString, target);
    writeAll(path(QStringLiteral("plain-file")), "I am a file");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("a-folder.quf")));
    const QString loaded = path(QStringLiteral("loaded.txt"));
    writeAll(loaded, "loaded");
    load(loaded);
    board()->setSelStart(board()->length());
    board()->setSelText(QStringLiteral(" and edited"));
    const QString title = caption();

    MessageDriver driver;
    driver.ok();
    save(path(target));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Save Error"));
    QVERIFY(driver.last().text.contains(path(target)));
    QCOMPARE(board()->Text(), QStringLiteral("loaded and edited"));
    QVERIFY(doc().TBChanged());
    QCOMPARE(doc().TBLoadedPath(), loaded);
    QCOMPARE(doc().TBLoadedName(), QStringLiteral("loaded.txt"));
    QCOMPARE(caption(), title);
    QCOMPARE(readAll(path(QStringLiteral("plain-file"))), QByteArray("I am a file"));
    QVERIFY(QFileInfo(path(QStringLiteral("a-folder.quf"))).isDir());
    QCOMPARE(c().menu->item(QStringLiteral("FileMRU(1)"))->text(), QStringLiteral("&1 loaded.txt"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 2); // no temporary left
}

void TestTextBoardFiles::readOnlyFolderKeepsOldFile()
{
    const QString folder = path(QStringLiteral("locked"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("locked")));
    const QString file = folder + QStringLiteral("/old.txt");
    writeAll(file, "old content");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(folder).isWritable()) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("root writes into read-only folders; failedSaveChangesNothing covers root");
    }
    board()->setText(QStringLiteral("new content"));
    MessageDriver driver;
    driver.ok();
    save(file);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Save Error"));
    QCOMPARE(readAll(file), QByteArray("old content"));
    QCOMPARE(board()->Text(), QStringLiteral("new content"));
    QVERIFY(doc().TBChanged());
}

QUORVIL_TEST_MAIN(TestTextBoardFiles)
#include "tst_textboardfiles.moc"
