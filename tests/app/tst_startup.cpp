#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/NativeFiles.h"
#include "support/TestMain.h"

#include "app/rules/PathParts.h"
#include "core/FileNames.h"
#include "core/GlobalDeclarations.h"
#include "fontmap/rules/FontMapColors.h"
#include "fontmap/rules/QcmFormat.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/Message.h"

#include "core/RegistryFunctions.h"
#include "core/SettingsLayout.h"
#include "fontmap/FontMapGrid.h"
#include "platform/FileChecks.h"
#include "widgets/ActionCollection.h"
#include "widgets/CoolBar.h"
#include "widgets/ToolBar.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenCheck_data();
    void screenCheck();
    void captionAfterActivation();
    void exitWarning();
    void storedInitialValuesShown_data();
    void storedInitialValuesShown();
    void screenDropsBelow800_data();
    void screenDropsBelow800();
    void extensionDispatch_data();
    void extensionDispatch();
    void commandLineChecks_data();
    void commandLineChecks();
    void commandLineNameBytes();
    void thousandsOfArguments_data();
    void thousandsOfArguments();
    void commandLineMaps_data();
    void commandLineMaps();
    void aboutBoxCloses_data();
    void aboutBoxCloses();
    void helpItemsOpenThroughTheShell();
    void accessKeysAfterAbout();
};

void TestStartup::screenCheck_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("runs");
    QTest::newRow("799") << 799 << false;
    QTest::newRow("800") << 800 << true;
}

void TestStartup::screenCheck()
{
    QFETCH(int, width);
    QFETCH(bool, runs);
    MainWindowFixture f(width, 600);
    QFile store(TestEnvironment::settingsFile());
    QVERIFY(store.open(QIODevice::ReadOnly));
    const QByteArray before = store.readAll();
    store.close();
    MessageDriver driver;
    driver.ok();
    QCOMPARE(f.start(), runs);
    if (!runs) {
        // Ended before anything was read or written: the store is byte for byte the same.
        QVERIFY(store.open(QIODevice::ReadOnly));
        QCOMPARE(store.readAll(), before);
    }
    QCOMPARE(f.window().ended(), !runs);
    if (runs) {
        QCOMPARE(driver.count(), 0);
        return;
    }
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Resource Initilalization Error"));
    QCOMPARE(driver.last().buttons, QStringList{QStringLiteral("Ok")});
    QVERIFY(driver.last().text.contains(QLatin1String("\rTo run properly, Quorvil needs at least 800x600 resolution\r"
                                                      " with Small Fonts or 1024x768 resolution with Large Fonts.\r")));
    QVERIFY(!f.window().isVisible());
}

void TestStartup::captionAfterActivation()
{
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    QVERIFY(f.start());
    QCOMPARE(f.window().windowTitle(), QStringLiteral("Quorvil Version 3.0.0 RC2"));
    QVERIFY(f.controls().SampleText[1]->text().startsWith(globals().gCreditLine));
    QVERIFY(!f.state().FirstActivate);
}

void TestStartup::exitWarning()
{
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    QVERIFY(f.start());
    MessageDriver driver;
    f.window().commands().setChecked(QStringLiteral("DisplayEW"), true);

    // An empty board never asks.
    QVERIFY(f.window().close());
    QCOMPARE(driver.count(), 0);

    MainWindowFixture g;
    QVERIFY(g.start());
    g.window().commands().setChecked(QStringLiteral("DisplayEW"), true);
    g.controls().TextBoard->setText(QStringLiteral("x"));
    g.window().textBoardDocument().setModified(false); // asked even right after a save

    driver.no(true);
    QVERIFY(!g.window().close());
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Exit Warning"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\r\rDiscard text on the TextBoard and Exit?"));
    QCOMPARE(driver.last().focused, QStringLiteral("Button2"));
    QVERIFY(driver.last().checkBoxVisible);
    QVERIFY(g.window().isVisible());
    QVERIFY(!g.window().commands().isChecked(QStringLiteral("DisplayEW")));

    // The warning is off now: the next close does not ask.
    QVERIFY(g.window().close());
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.unexpected(), 0);
}

void TestStartup::storedInitialValuesShown_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("firstRun");
    // The first run on an 800-pixel screen stores the TextBoard font size 10, which is also the
    // size the TextBoard's format starts with; every other first-run value equals its state's
    // initial value on any screen.
    QTest::newRow("first run on an 800-pixel screen") << 800 << true;
    QTest::newRow("font size 10 stored") << 1024 << false;
}

void TestStartup::storedInitialValuesShown()
{
    // No change signal comes for a stored value equal to a state's initial value; each control
    // shows it all the same.
    QFETCH(int, width);
    QFETCH(bool, firstRun);
    using Store = MainWindowFixture::Store;
    MainWindowFixture f(width, 600, firstRun ? Store::Empty : Store::Seeded, MainWindowFixture::Fonts::Fake);
    if (!firstRun)
        RegistryFunctions(f.registry).SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QStringLiteral("TextBoard")),
                                                  QStringLiteral("FontSize"), 10, REG_DWORD);
    MessageDriver driver;
    if (firstRun)
        driver.yes();
    QVERIFY(f.start());
    QCOMPARE(driver.unexpected(), 0);
    QuorvilControls &c = f.controls();
    const ActionCollection &commands = f.window().commands();

    QCOMPARE(f.window().textBoardFont().size(), 10);
    QCOMPARE(c.FontSizeNumber->text(), QStringLiteral("10"));
    QCOMPARE(c.FontSizeSlider->value(), 10);
    QCOMPARE(c.TextBoard->font().pointSize(), 10);
    QCOMPARE(c.FMapContainer->cellFont().pointSize(), 10);
    QCOMPARE(c.FindString->font().pointSize(), 10);

    QCOMPARE(c.ZoomSizeNumber->text(), QStringLiteral("72"));
    QCOMPARE(c.ZoomSizeSlider->value(), 72);
    QCOMPARE(c.TextZoom->font().pointSize(), 72);
    for (const char *view : {"Zoom", "Code", "KS"})
        QCOMPARE(c.ViewsTB->value(QString::fromLatin1(view)), 1);
    QCOMPARE(c.ViewsTB->value(QStringLiteral("VCLeft")), 1);
    QCOMPARE(c.tlbCFMapFmt->value(QStringLiteral("FMapH")), 0);
    QCOMPARE(c.tlbCFMapFmt->value(QStringLiteral("FMapG")), 1);
    QCOMPARE(c.FMapContainer->cell(0).borderStyle, 1);
    QCOMPARE(c.TextAlignTB->value(QStringLiteral("AlignLeft")), 1);
    QVERIFY(commands.isChecked(QStringLiteral("DisplayTT")));
    QCOMPARE(c.FontSizeSlider->toolTip(), QStringLiteral("Set Font Size"));

    // One step right is one point larger.
    c.FontSizeSlider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(c.FontSizeNumber->text(), QStringLiteral("11"));
    QCOMPARE(c.TextBoard->font().pointSize(), 11);
}

void TestStartup::screenDropsBelow800_data()
{
    QTest::addColumn<bool>("withText");
    QTest::addColumn<bool>("answerYes"); // to the exit warning
    QTest::newRow("empty TextBoard") << false << false;
    QTest::newRow("text, Yes") << true << true;
    QTest::newRow("text, No") << true << false;
}

void TestStartup::screenDropsBelow800()
{
    QFETCH(bool, withText);
    QFETCH(bool, answerYes);
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    QVERIFY(f.start());
    f.window().commands().setChecked(QStringLiteral("DisplayEW"), true);
    if (withText)
        f.controls().TextBoard->setText(QStringLiteral("kept"));
    // A change the exit saves: the map one step larger than the stored step.
    const int step = f.state().fontMap.SizeIndex() + 1;
    f.window().commands().trigger(QStringLiteral("FMLarger"));
    QCOMPARE(f.state().fontMap.SizeIndex(), step);
    MessageDriver driver;
    if (withText)
        answerYes ? driver.yes() : driver.no();
    driver.ok();
    // A new resolution comes as two signals, its size and its dots per inch; the second one
    // arrives while the first one's message box is up.
    QTimer::singleShot(0, &f.display, [&f] { Q_EMIT f.display.displayChanged(); });
    f.display.setScreen(640, 480);
    QCoreApplication::processEvents();

    QCOMPARE(driver.unexpected(), 0);
    QCOMPARE(driver.pending(), 0);
    QCOMPARE(driver.count(), withText ? 2 : 1);
    if (withText)
        QCOMPARE(driver.seen().first().title, QStringLiteral("Quorvil Exit Warning"));
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Resource Initilalization Error"));
    const bool stays = withText && !answerYes;
    QCOMPARE(f.window().ended(), !stays);
    QCOMPARE(f.window().isVisible(), stays);
    // Ending saves the last settings; staying saves nothing and keeps the text.
    const auto stored = regToNumber(RegistryFunctions(f.registry).QueryValue(
        HKEY_CURRENT_USER, SettingsLayout::keyPath(QStringLiteral("FontMap")), QStringLiteral("SizeIndex")));
    QCOMPARE(stored.value_or(0), stays ? step - 1 : step);
    if (stays)
        QCOMPARE(f.controls().TextBoard->Text(), QStringLiteral("kept"));
}

void TestStartup::extensionDispatch_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("loads"); // "text", "map" or the message's extension
    QTest::addColumn<QStringList>("before"); // arguments before the path
    QTest::newRow("lower-case txt") << "notes.txt" << "text" << QStringList{};
    QTest::newRow("QUF") << "styled.Quf" << "text" << QStringList{};
    QTest::newRow("QCM") << "Greek.QCM" << "map" << QStringList{};
    QTest::newRow("doc") << "letter.doc" << "DOC" << QStringList{};
    // After "--" a name that looks like an option is a file like any other.
    QTest::newRow("a file named --help") << "--help" << "ELP" << QStringList{"--"};
    QTest::newRow("a text named --version.txt") << "--version.txt" << "text" << QStringList{"--"};
}

void TestStartup::extensionDispatch()
{
    QFETCH(QString, file);
    QFETCH(QString, loads);
    QFETCH(QStringList, before);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    if (loads == QLatin1String("map"))
        out.write(QcmFormat::serialize(CustomMapCells{'A'}));
    out.close();

    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    MessageDriver driver;
    driver.ok();
    // A name after options is given as a shell passes it: relative, unquoted.
    const QString here = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const bool started =
        f.start(before.isEmpty() ? QStringList{QLatin1Char('"') + path + QLatin1Char('"')} : before + QStringList{file});
    QDir::setCurrent(here);
    QVERIFY(started);
    if (loads == QLatin1String("text")) {
        QCOMPARE(f.window().textBoardDocument().TBOpenPath(), path);
        QCOMPARE(f.window().textBoardDocument().TBOpenName(), file);
        // The loader then runs (its own tests cover it): an empty .Quf is refused by it, and a
        // completed load keeps the folder without its trailing separator.
        QVERIFY(f.window().textBoardDocument().TBLoadFolder().startsWith(dir.path()));
        for (const MessageDriver::Seen &box : driver.seen())
            QVERIFY(box.title != QStringLiteral("Quorvil Startup File Load Error"));
    } else if (loads == QLatin1String("map")) {
        QCOMPARE(f.state().fontMap.CFMOpenPath(), path);
        QCOMPARE(f.state().fontMap.CFMOpenName(), file);
        QCOMPARE(f.window().customMap().path(), path);
        QCOMPARE(driver.count(), 0);
    } else {
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, QStringLiteral("Quorvil Startup File Load Error"));
        QCOMPARE(driver.last().text, QStringLiteral("\r\r\rFiles with extension '") + loads
                                         + QStringLiteral("' are not valid Quorvil files.\r\r"
                                                          "Only valid extensions are TXT, QUF and QCM."));
        QVERIFY(f.window().textBoardDocument().TBOpenPath().isEmpty());
        QVERIFY(f.state().fontMap.CFMOpenPath().isEmpty());
    }
}

void TestStartup::commandLineChecks_data()
{
    QTest::addColumn<QString>("tail");     // %1 stands for an existing folder
    QTest::addColumn<int>("driveState");  // what the fake reports for the path's drive, -1 the real one
    QTest::addColumn<QString>("text");
    QTest::newRow("no drive") << "/nowhere-q/a.txt" << 0 << "\r\r\r\rDrive /nowhere-q does not exist.";
    QTest::newRow("not ready") << "/media-x/a.txt" << 1 << "\r\r\r\rThere is no disk in Drive /media-x";
    QTest::newRow("no folder") << "%1/gone/a.txt" << -1 << "\r\rFolder\r\r%1/gone/\r\rdoes not exist.";
    QTest::newRow("no file") << "%1/missing file.txt" << -1 << "\r\rFile 'missing file.txt'\r\rdoes not exist in\r\r%1/";
}

void TestStartup::commandLineChecks()
{
    QFETCH(QString, tail);
    QFETCH(int, driveState);
    QFETCH(QString, text);
    QTemporaryDir dir;
    tail = tail.arg(dir.path());
    text = text.arg(dir.path());
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    if (driveState >= 0)
        f.fileChecks.setDriveState(driveOf(tail), driveState);
    MessageDriver driver;
    driver.ok();
    QVERIFY(f.start({tail}));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Startup File Load Error"));
    QCOMPARE(driver.last().text, text);
    QVERIFY(f.window().textBoardDocument().TBOpenPath().isEmpty());
}

void TestStartup::commandLineNameBytes()
{
    // A text and a map whose names are Latin-1 bytes, named on the command line as a shell
    // hands them over.
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/d\xe9j\xe0";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    const QByteArray text = folder + "/caf\xe9.txt";
    const QByteArray map = folder + "/Gr\xe8k.QCM";
    QVERIFY(writeNativeFile(text, "caf\xe9"));
    QVERIFY(writeNativeFile(map, QcmFormat::serialize(CustomMapCells{'A'})));
    for (const QByteArray &file : {text, map}) {
        const char *argv[] = {"quorvil", file.constData()};
        const QStringList arguments = decodeArguments(2, argv);
        MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
        MessageDriver driver;
        QVERIFY(f.start(arguments.mid(1)));
        QCOMPARE(driver.count(), 0);
        if (file == text) {
            QCOMPARE(f.window().textBoardDocument().TBLoadedPath(), arguments.at(1));
            QCOMPARE(f.controls().TextBoard->Text(), QStringLiteral("café"));
        } else {
            QCOMPARE(f.window().customMap().path(), arguments.at(1));
        }
    }
}

void TestStartup::thousandsOfArguments_data()
{
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<QString>("named");   // the line of the message that names the path
    QTest::addColumn<QString>("last");    // and the one that must still show under it
    // "quorvil ~/notes/*" in a folder of 20,000 files: the whole tail is one path.
    QTest::newRow("absolute: no such folder") << true << "" << "does not exist.";
    QTest::newRow("relative: no such file") << false << "File '" << "";
}

void TestStartup::thousandsOfArguments()
{
    QFETCH(bool, absolute);
    QFETCH(QString, named);
    QFETCH(QString, last);
    QTemporaryDir dir;
    QStringList tail;
    for (int n = 1; n <= 20000; ++n)
        tail.append((absolute ? dir.path() + QLatin1Char('/') : QString()) + QStringLiteral("notes%1.txt").arg(n, 5, 10, QLatin1Char('0')));
    const QString path = absolute ? tail.join(QLatin1Char(' ')) : dir.path() + QLatin1Char('/') + tail.join(QLatin1Char(' '));
    const QString shown = absolute ? splitPath(path).folder : QStringLiteral("File '") + splitPath(path).name + QLatin1Char('\'');

    const QString here = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    MessageDriver driver;
    driver.ok();
    const bool started = f.start(tail);
    QDir::setCurrent(here);
    QVERIFY(started);
    QCOMPARE(driver.count(), 1);
    const QStringList lines = driver.last().text.split(QLatin1Char('\r'));

    // The whole message shows in the box, its last line too.
    const FontMapColors designed;
    Message box(designed);
    box.setup(driver.last().text, QStringLiteral("OK"), driver.last().title, false, 1);
    const auto *area = box.findChild<QLabel *>(QStringLiteral("MessageArea"));
    QVERIFY(area->heightForWidth(area->width()) <= area->height());
    QCOMPARE(lines.last(), last.isEmpty() ? dir.path() + QLatin1Char('/') : last);

    // The path is cut, and the next line counts what was left out.
    const qsizetype at = absolute ? 4 : 2;
    QVERIFY(lines.at(at).startsWith(named));
    QVERIFY(lines.at(at).endsWith(QChar(0x2026)));
    const QString kept = lines.at(at).chopped(1);
    QVERIFY(shown.startsWith(kept));
    QVERIFY(kept.size() > named.size() + 20);
    QCOMPARE(lines.at(at + 1), QStringLiteral("(") + QLocale(QLocale::English).toString(shown.size() - kept.size())
                                   + QStringLiteral(" more characters)"));
}

void TestStartup::commandLineMaps_data()
{
    QTest::addColumn<QString>("tail");        // %1 stands for a folder holding the map Greek.QCM
    QTest::addColumn<QString>("initMapPath"); // the start-up map, with InitMap on; empty: InitMap off
    QTest::addColumn<QString>("loaded");      // the map loaded at the first activation
    QTest::addColumn<QString>("message");     // the one message shown, if any
    const QString noFile = QStringLiteral("\r\rFile '%2'\r\rdoes not exist in\r\r%1/");
    QTest::newRow("relative path") << "Greek.QCM" << "" << "%1/Greek.QCM" << "";
    QTest::newRow("relative path, quoted") << "\"Greek.QCM\"" << "" << "%1/Greek.QCM" << "";
    QTest::newRow("quote at the start only") << "\"%1/Greek.QCM" << "" << "%1/Greek.QCM" << "";
    QTest::newRow("quote at the end only") << "%1/Greek.QCM\"" << "" << "%1/Greek.QCM" << "";
    QTest::newRow("folder named a.QCM") << "%1/a.QCM" << "" << "" << noFile.arg("%1", "a.QCM");
    QTest::newRow("FIFO named x.qcm") << "%1/x.qcm" << "" << "" << noFile.arg("%1", "x.qcm");
    QTest::newRow("start-up map") << "" << "%1/Greek.QCM" << "%1/Greek.QCM" << "";
    QTest::newRow("command line over start-up map") << "%1/Greek.QCM" << "%1/a.QCM" << "%1/Greek.QCM" << "";
    QTest::newRow("start-up map None") << "" << "None" << "" << "";
    QTest::newRow("start-up map deleted") << "" << "%1/gone.QCM" << "" << noFile.arg("%1", "gone.QCM");
}

void TestStartup::commandLineMaps()
{
    QFETCH(QString, tail);
    QFETCH(QString, initMapPath);
    QFETCH(QString, loaded);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const auto at = [&dir](QString text) { return text.replace(QStringLiteral("%1"), dir.path()); };
    QFile map(dir.filePath(QStringLiteral("Greek.QCM")));
    QVERIFY(map.open(QIODevice::WriteOnly));
    map.write(QcmFormat::serialize(CustomMapCells{'A', 'B'}));
    map.close();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a.QCM")));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("x.qcm"))).constData(), 0600), 0);
    const QString here = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    MainWindowFixture f;
    const QString fontMap = SettingsLayout::keyPath(QStringLiteral("FontMap"));
    const bool initMap = !initMapPath.isEmpty();
    QVERIFY(f.registry.setValue(fontMap, QStringLiteral("InitMap"), RegData{REG_SZ, initMap ? "True" : "False"}));
    QVERIFY(f.registry.setValue(fontMap, QStringLiteral("InitMapPath"),
                                RegData{REG_SZ, at(initMapPath).toUtf8()}));
    MessageDriver driver;
    driver.ok();
    const bool started = f.start(tail.isEmpty() ? QStringList{} : QStringList{at(tail)});
    QDir::setCurrent(here);
    QVERIFY(started);
    QCOMPARE(f.window().customMap().path(), at(loaded));
    QCOMPARE(f.controls().clbFontMap->isBandVisible(3), !loaded.isEmpty());
    if (message.isEmpty()) {
        QCOMPARE(driver.count(), 0);
    } else {
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, QStringLiteral("Quorvil Startup File Load Error"));
        QCOMPARE(driver.last().text, at(message));
    }
}

void TestStartup::aboutBoxCloses_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("key") << true;
    QTest::newRow("click") << false;
}

void TestStartup::aboutBoxCloses()
{
    QFETCH(bool, byKey);
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    QVERIFY(f.start());
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quorvil"));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("QuorvilName"))->text(), QStringLiteral("Quorvil"));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("QuorvilVer"))->text(), QStringLiteral("Version 3.0.0 RC2"));
        seen = true;
        if (byKey)
            QTest::keyClick(about, Qt::Key_X);
        else
            QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Background")), Qt::LeftButton);
        // Anything left open would hang the test: close it as a last resort.
        if (about->isVisible())
            about->reject();
    });
    f.window().runCommand(QStringLiteral("HelpAbout"));
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestStartup::helpItemsOpenThroughTheShell()
{
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    const QString readme = QCoreApplication::applicationDirPath() + QStringLiteral("/Readme.html");
    f.fileChecks.setFileExists(readme, true);
    QVERIFY(f.start());
    for (const char *item : {"HelpReadme", "HelpCheckUpd", "HelpVisit", "HelpFeedback"})
        f.window().runCommand(QString::fromLatin1(item));
    const QStringList opened = f.shell.opened();
    QCOMPARE(opened.size(), 4);
    QCOMPARE(opened[0], readme);
    QCOMPARE(opened[2] + QStringLiteral("/updateinfo"), opened[1]);
    QVERIFY(opened[3].startsWith(QLatin1String("mailto:")));
}

void TestStartup::accessKeysAfterAbout()
{
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    QVERIFY(f.start());
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    TextBoardEdit *board = f.controls().TextBoard;
    board->setFocus();
    QTimer::singleShot(0, [] {
        if (QWidget *about = QApplication::activeModalWidget())
            QTest::keyClick(about, Qt::Key_Escape);
    });
    f.window().runCommand(QStringLiteral("HelpAbout"));

    // The window has the keyboard again: a key types, and an access key opens its menu.
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    QCOMPARE(QApplication::focusWidget(), board);
    QTest::keyClick(board, Qt::Key_X);
    QCOMPARE(board->Text(), QStringLiteral("x"));
    QTest::keyClick(board, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("ItemFile"));
    QCOMPARE(board->Text(), QStringLiteral("x"));
    QApplication::activePopupWidget()->close();
}

QUORVIL_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
