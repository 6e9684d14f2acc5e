#include "support/CustomMapFixture.h"
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "core/SettingsLayout.h"
#include "fontmap/CustomMapLoader.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/CurrentCustomMap.h"
#include "fontmap/rules/FontMapColors.h"
#include "fontmap/rules/FontMapState.h"
#include "fontmap/rules/QcmFormat.h"
#include "platform/QcmFile.h"
#include "textboard/TextBoardDocument.h"
#include "widgets/ActionCollection.h"
#include "widgets/CoolBar.h"
#include "widgets/MainMenu.h"
#include "widgets/ToolBar.h"

#include <QDir>
#include <QFontMetrics>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kLoadError = QStringLiteral("Quorvil Custom Map Load Error");

// A map with the cells the tests look at: A first, 128 in cell 3 and 127 in cell 10, the
// double quote in cell 34 and 255 last.
CustomMapCells sampleCells()
{
    CustomMapCells cells{};
    cells[0] = 'A';
    cells[3] = 128;
    cells[10] = 127;
    cells[34] = '"';
    cells[223] = 255;
    return cells;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString writeMap(const QTemporaryDir &dir, const QString &name, const CustomMapCells &cells = sampleCells())
{
    return writeFile(dir, name, QcmFormat::serialize(cells));
}

// Whether this process holds the file open.
bool isOpenHere(const QString &path)
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFile::symLinkTarget(fds.filePath(fd)) == path)
            return true;
    }
    return false;
}

QStringList captions(MainWindowFixture &f)
{
    QStringList list;
    for (int i = 0; i < FontMapGrid::kCells; ++i)
        list.append(f.controls().FMapContainer->cell(i).caption);
    return list;
}

QStringList codeTable(MainWindowFixture &f)
{
    QStringList list;
    for (int i = 0; i < CodeTable::kCells; ++i) {
        for (int column = 0; column < CodeTable::kColumns; ++column)
            list.append(f.state().fontMap.codeTable().at(i, column));
    }
    return list;
}

QStringList recentMapPaths(MainWindowFixture &f)
{
    QStringList list;
    for (const QString &path : pathsOf(f.state().CFMRUList)) {
        if (!path.isEmpty())
            list.append(path);
    }
    return list;
}

// The user picks `path` in the "Load a Custom Map" dialog.
void loadThroughDialog(MainWindowFixture &f, const QString &path)
{
    f.dialog.confirm([path](CommonDialogProperties &d) {
        d.FileName = path;
        d.FileTitle = fileTitleOf(path);
    });
    f.window().commands().trigger(QStringLiteral("FileCFMLoad"));
}

// The entries of the Load button's drop-down, as it opens.
QMenu *openDropDown(MainWindowFixture &f)
{
    QMenu *menu = f.controls().tlbCustFMap->buttonMenu(QStringLiteral("CFMapLoad"));
    Q_EMIT menu->aboutToShow();
    return menu;
}

bool mapControlsShown(MainWindowFixture &f)
{
    const ActionCollection &a = f.window().commands();
    const bool edit = a.isEnabled(QStringLiteral("FileCFMEdit"));
    if (edit != a.isEnabled(QStringLiteral("FileCFMUnld")) || edit != f.controls().clbFontMap->isBandVisible(3))
        qFatal("the map controls disagree");
    return edit;
}

QString unloadableText(const QString &path)
{
    return QStringLiteral("\r") + path
           + QStringLiteral("\rThis Quorvil Custom Map is unloadable.\r\rIt has either become corrupt\r"
                            "or has been manually edited.\r\rQuorvil cannot load this Map.");
}

} // namespace

class TestCustomMapCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void loadFromDialog();
    void alreadyLoaded_data();
    void alreadyLoaded();
    void failedLoadKeepsTheMap_data();
    void failedLoadKeepsTheMap();
    void unloadRestoresTheStandardMap();
    void nameBand_data();
    void nameBand();
    void recentMaps();
    void recentTextFiles();
    void symbolFontCaptions();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCustomMapCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCustomMapCommands::loadFromDialog()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QVERIFY(!mapControlsShown(f));
    const QString loadFolder = f.state().fontMap.CFMLoadFolder();
    const QString path = writeMap(*m_dir, QStringLiteral("Greek.QCM"));
    MessageDriver driver;
    loadThroughDialog(f, path);

    const CommonDialogProperties &shown = f.dialog.shown().last().properties;
    QCOMPARE(shown.DialogTitle, QStringLiteral("Load a Custom Map"));
    QCOMPARE(shown.Filter, QStringLiteral("Quorvil Custom Map Files (*.QCM)|*.qcm"));
    QCOMPARE(shown.Flags, 6148);
    QCOMPARE(shown.InitDir, loadFolder);
    QVERIFY(shown.CancelError);
    QVERIFY(shown.FileName.isEmpty());
    QCOMPARE(driver.count(), 0);

    const QStringList cells = captions(f);
    QCOMPARE(cells.at(0), QStringLiteral("A"));
    QCOMPARE(cells.at(1), QString());
    QCOMPARE(cells.at(3), QStringLiteral("\u20AC"));
    QCOMPARE(cells.at(34), QStringLiteral("\""));
    QCOMPARE(cells.at(223), QStringLiteral("\u00FF"));
    const CodeTable &table = f.state().fontMap.codeTable();
    QCOMPARE(table.at(3, CodeTable::KeyStroke), QStringLiteral("Ctrl+1"));
    QCOMPARE(table.at(10, CodeTable::KeyStroke), QStringLiteral("Ctrl+2"));
    QCOMPARE(table.at(34, CodeTable::KeyStroke), QStringLiteral("\""));
    QCOMPARE(table.at(223, CodeTable::Hexadecimal), QStringLiteral("FF"));
    QCOMPARE(table.at(1, CodeTable::Decimal), QString());

    QCOMPARE(f.window().customMap().path(), path);
    QCOMPARE(f.window().customMap().name(), QStringLiteral("Greek.QCM"));
    QVERIFY(mapControlsShown(f));
    QCOMPARE(f.controls().lblCFMName->text(), QStringLiteral("Greek"));
    QVERIFY(f.controls().menu->item(QStringLiteral("FileSep2"))->isVisible());
    QCOMPARE(f.controls().menu->item(QStringLiteral("CFMRU(1)"))->text(), QStringLiteral("&1 Greek.QCM"));
    QCOMPARE(f.state().fontMap.CFMLoadFolder(), m_dir->path());
    QVERIFY(isOpenHere(path));
}

void TestCustomMapCommands::alreadyLoaded_data()
{
    QTest::addColumn<bool>("fromDropDown");
    QTest::newRow("dialog") << false;
    QTest::newRow("drop-down") << true;
}

void TestCustomMapCommands::alreadyLoaded()
{
    QFETCH(bool, fromDropDown);
    MainWindowFixture f;
    QVERIFY(f.start());
    const QString path = writeMap(*m_dir, QStringLiteral("Greek.QCM"));
    loadThroughDialog(f, path);
    const QStringList listBefore = recentMapPaths(f);

    MessageDriver driver;
    driver.ok();
    if (fromDropDown) {
        QMenu *menu = openDropDown(f);
        QCOMPARE(menu->actions().size(), 1);
        menu->actions().first()->trigger();
    } else {
        loadThroughDialog(f, path);
    }
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, kLoadError);
    QCOMPARE(driver.last().text, QStringLiteral("\r\r\r") + path + QStringLiteral("\r\rThis Custom Map is already loaded."));
    QVERIFY(!driver.last().checkBoxVisible);
    QVERIFY(isOpenHere(path));
    QCOMPARE(f.window().customMap().path(), path);
    QCOMPARE(recentMapPaths(f), listBefore);
}

void TestCustomMapCommands::failedLoadKeepsTheMap_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"duplicate code", "record 7 numbered 8", "223 records", "number overflow", "binary",
                             "one 10 MB line", "folder", "FIFO", "deleted after the dialog", "no permission"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestCustomMapCommands::failedLoadKeepsTheMap()
{
    QFETCH(QString, kind);
    if (kind == QLatin1String("no permission") && ::geteuid() == 0)
        QSKIP("permissions do not hold for root");
    MainWindowFixture f;
    QVERIFY(f.start());
    const QString good = writeMap(*m_dir, QStringLiteral("Greek.QCM"));
    loadThroughDialog(f, good);
    const QStringList captionsBefore = captions(f);
    const QStringList tableBefore = codeTable(f);
    const QStringList listBefore = recentMapPaths(f);

    QByteArray records = QcmFormat::serialize(sampleCells());
    const QString bad = m_dir->filePath(QStringLiteral("bad.qcm"));
    if (kind == QLatin1String("duplicate code")) {
        records.replace("200,\"\"", "200,\"A\"");
        writeFile(*m_dir, QStringLiteral("bad.qcm"), records);
    } else if (kind == QLatin1String("record 7 numbered 8")) {
        records.replace("\n7,\"\"", "\n8,\"B\"");
        writeFile(*m_dir, QStringLiteral("bad.qcm"), records);
    } else if (kind == QLatin1String("223 records")) {
        writeFile(*m_dir, QStringLiteral("bad.qcm"), records.left(records.lastIndexOf("224,")));
    } else if (kind == QLatin1String("number overflow")) {
        writeFile(*m_dir, QStringLiteral("bad.qcm"), records.replace("\n5,", "\n99999999999,"));
    } else if (kind == QLatin1String("binary")) {
        QByteArray bytes;
        for (int i = 0; i < 3000; ++i)
            bytes.append(char((i * 167 + 13) % 256));
        writeFile(*m_dir, QStringLiteral("bad.qcm"), bytes);
    } else if (kind == QLatin1String("one 10 MB line")) {
        writeFile(*m_dir, QStringLiteral("bad.qcm"), "1,\"A\"" + QByteArray(10 * 1024 * 1024, ' '));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("bad.qcm")));
    } else if (kind == QLatin1String("FIFO")) {
        QCOMPARE(::mkfifo(QFile::encodeName(bad).constData(), 0600), 0);
    } else if (kind == QLatin1String("no permission")) {
        writeFile(*m_dir, QStringLiteral("bad.qcm"), records);
        QVERIFY(QFile::setPermissions(bad, QFileDevice::WriteOwner));
    }
    // "deleted after the dialog": the dialog returns a name that is gone by the time of the load.

    MessageDriver driver;
    driver.ok();
    loadThroughDialog(f, bad);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, kLoadError);
    QCOMPARE(driver.last().text, unloadableText(bad));
    QCOMPARE(captions(f), captionsBefore);
    QCOMPARE(codeTable(f), tableBefore);
    QCOMPARE(f.window().customMap().path(), good);
    QCOMPARE(recentMapPaths(f), listBefore);
    QVERIFY(!f.controls().menu->item(QStringLiteral("CFMRU(2)"))->isVisible());
    QCOMPARE(f.controls().lblCFMName->text(), QStringLiteral("Greek"));
    // The slot is closed, and Edit still opens the map on the FontMap.
    QVERIFY(!isOpenHere(good));
    QVERIFY(!isOpenHere(bad));
    QString edited;
    ModalEditorDriver editor([&edited](CustomMap &e) {
        edited = e.mapPath();
        e.close();
    });
    f.window().commands().trigger(QStringLiteral("FileCFMEdit"));
    QCOMPARE(f.state().fontMap.CFMOpenPath(), good);
    QCOMPARE(editor.shown(), 1);
    QCOMPARE(edited, good);
}

void TestCustomMapCommands::unloadRestoresTheStandardMap()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    const QStringList standardCaptions = captions(f);
    const QStringList standardTable = codeTable(f);
    const QString path = writeMap(*m_dir, QStringLiteral("Greek.QCM"));
    loadThroughDialog(f, path);
    QVERIFY(captions(f) != standardCaptions);

    f.window().commands().trigger(QStringLiteral("FileCFMUnld"));
    QCOMPARE(captions(f), standardCaptions);
    QCOMPARE(codeTable(f), standardTable);
    QVERIFY(!f.window().customMap().isLoaded());
    QVERIFY(f.window().customMap().path().isEmpty());
    QVERIFY(f.state().fontMap.CFMOpenPath().isEmpty());
    QVERIFY(!mapControlsShown(f));
    QVERIFY(!isOpenHere(path));
    // The map stays among the recent ones.
    QCOMPARE(recentMapPaths(f).first(), path);
}

void TestCustomMapCommands::nameBand_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Greek.QCM") << "Greek.QCM" << "Greek";
    QTest::newRow("Greek") << "Greek" << "Greek";
    QTest::newRow("QCM") << "QCM" << "QCM";
    QTest::newRow("ampersand") << "Tom & Jerry.qcm" << "Tom & Jerry";
    QTest::newRow("too long for the band") << QString(QLatin1Char('W')).repeated(120) + ".qcm"
                                           << QString(QChar(0x2026)); // cut short
}

void TestCustomMapCommands::nameBand()
{
    QFETCH(QString, file);
    QFETCH(QString, shown);
    MainWindowFixture f;
    QVERIFY(f.start());
    loadThroughDialog(f, writeMap(*m_dir, file));
    QVERIFY(mapControlsShown(f));
    const QLabel *label = f.controls().lblCFMName;
    if (shown == QChar(0x2026))
        QVERIFY2(label->text().startsWith('W') && label->text().endsWith(shown), qPrintable(label->text()));
    else
        QCOMPARE(label->text(), shown);
    // The name stays inside its label and its band.
    const int room = std::min(label->width(), f.controls().pbxCFMName->width() - label->x());
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= room);
}

// Six maps through the dialog, then the recent entries: the oldest drops out, a clicked
// entry moves to the top, and an entry that cannot be loaded changes nothing.
void TestCustomMapCommands::recentMaps()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QStringList names{"m1.qcm", "m2.qcm", "m3.qcm", "Tom & Jerry.qcm", "m5.qcm", "m6.qcm"};
    QStringList paths;
    for (const QString &name : names) {
        paths.prepend(writeMap(*m_dir, name));
        loadThroughDialog(f, paths.first());
    }
    paths.removeLast(); // m1
    QCOMPARE(recentMapPaths(f), paths);
    QCOMPARE(f.state().CFMRUList.count, 5);
    MainMenu &menu = *f.controls().menu;
    QCOMPARE(menu.item(QStringLiteral("CFMRU(1)"))->text(), QStringLiteral("&1 m6.qcm"));
    QCOMPARE(menu.item(QStringLiteral("CFMRU(3)"))->text(), QStringLiteral("&3 Tom && Jerry.qcm"));
    QCOMPARE(menu.item(QStringLiteral("CFMRU(5)"))->text(), QStringLiteral("&5 m2.qcm"));
    QStringList entries;
    for (QAction *entry : openDropDown(f)->actions())
        entries.append(entry->text());
    QCOMPARE(entries, (QStringList{"m6.qcm", "m5.qcm", "Tom && Jerry.qcm", "m3.qcm", "m2.qcm"}));

    // Rank 3 moves to rank 1, loaded through its menu item.
    MessageDriver driver;
    f.window().commands().trigger(QStringLiteral("CFMRU(3)"));
    QCOMPARE(driver.count(), 0);
    QCOMPARE(f.window().customMap().name(), QStringLiteral("Tom & Jerry.qcm"));
    QCOMPARE(f.state().fontMap.CFMLoadFolder(), m_dir->path());
    paths.move(2, 0);
    QCOMPARE(recentMapPaths(f), paths);

    // Through the drop-down too.
    openDropDown(f)->actions().at(4)->trigger();
    QCOMPARE(f.window().customMap().name(), QStringLiteral("m2.qcm"));
    paths.move(4, 0);
    QCOMPARE(recentMapPaths(f), paths);

    // An entry whose file has gone, and one whose file is no map: nothing changes.
    QVERIFY(QFile::remove(paths.at(2)));
    writeFile(*m_dir, QStringLiteral("m5.qcm"), "garbage");
    driver.ok().ok();
    f.window().commands().trigger(QStringLiteral("CFMRU(3)"));
    f.window().commands().trigger(QStringLiteral("CFMRU(4)"));
    QCOMPARE(driver.count(), 2);
    QCOMPARE(driver.seen().at(0).title, kLoadError);
    QCOMPARE(driver.seen().at(0).text, QStringLiteral("\r\rFile '") + QFileInfo(paths.at(2)).fileName()
                                           + QStringLiteral("'\r\rdoes not exist in\r\r") + m_dir->path() + '/');
    QCOMPARE(driver.seen().at(1).text, unloadableText(paths.at(3)));
    QCOMPARE(recentMapPaths(f), paths);
    QCOMPARE(f.window().customMap().name(), QStringLiteral("m2.qcm"));
}

void TestCustomMapCommands::recentTextFiles()
{
    const QString kept = writeFile(*m_dir, QStringLiteral("kept.txt"), "kept");
    const QString goneFolder = m_dir->filePath(QStringLiteral("gone")) + '/';
    MainWindowFixture f;
    const QString mru = SettingsLayout::keyPath(QStringLiteral("MRU"));
    QVERIFY(f.registry.setValue(mru, QStringLiteral("1"), RegData{REG_SZ, kept.toUtf8()}));
    QVERIFY(f.registry.setValue(mru, QStringLiteral("2"), RegData{REG_SZ, (goneFolder + "a.txt").toUtf8()}));
    QVERIFY(f.start());

    MessageDriver driver;
    driver.ok();
    f.window().commands().trigger(QStringLiteral("FileMRU(2)"));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil File Load Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rFolder\r\r") + goneFolder + QStringLiteral("\r\rdoes not exist."));
    QVERIFY(f.window().textBoardDocument().TBLoadedPath().isEmpty());

    f.window().commands().trigger(QStringLiteral("FileMRU(1)"));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(f.window().textBoardDocument().TBLoadedPath(), kept);
    QCOMPARE(f.controls().menu->item(QStringLiteral("FileMRU(1)"))->text(), QStringLiteral("&1 kept.txt"));

    // The file on the TextBoard already: its own question comes before any check.
    driver.ok();
    f.window().commands().trigger(QStringLiteral("FileMRU(1)"));
    QCOMPARE(driver.count(), 2);
    QVERIFY(driver.last().text.endsWith(QStringLiteral("Text from this file is already loaded.")));
}

// A symbol font shows each code of the map as its own symbol, keystroke labels included.
void TestCustomMapCommands::symbolFontCaptions()
{
    FontMapGrid grid;
    grid.setCellFont(QFont(), FontCharset::Symbol);
    FontMapState state;
    CurrentCustomMap map;
    CustomMapFileSlot slot;
    FakeCommonDialog dialog;
    CommonDialogProperties cmnDlg;
    const FontMapColors designed;
    CustomMapLoader loader(grid, state, map, slot, dialog, cmnDlg, designed);
    const QString path = writeMap(*m_dir, QStringLiteral("Symbols.qcm"));
    state.setCFMOpenPath(path);
    state.setCFMOpenName(QStringLiteral("Symbols.qcm"));
    loader.LoadCFMap(path);
    QCOMPARE(map.path(), path);
    QCOMPARE(grid.cell(0).caption, QString(QChar(0xF041)));
    QCOMPARE(state.codeTable().at(0, CodeTable::KeyStroke), QString(QChar(0xF041)));
    QCOMPARE(grid.cell(3).caption, QString(QChar(0xF080)));
    QCOMPARE(state.codeTable().at(3, CodeTable::KeyStroke), QStringLiteral("Ctrl+1"));
}

QUORVIL_TEST_MAIN(TestCustomMapCommands)
#include "tst_custommapcommands.moc"
