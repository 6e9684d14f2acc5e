#include "support/CustomMapFixture.h"
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/CurrentCustomMap.h"
#include "fontmap/rules/FontMapState.h"
#include "fontmap/rules/QcmFormat.h"
#include "textboard/rules/TextBoardFont.h"
#include "widgets/ActionCollection.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

namespace {

CustomMapCells mapOf(std::initializer_list<std::pair<int, char>> placed)
{
    CustomMapCells cells{};
    for (const auto &[cell, ch] : placed)
        cells[cell] = quint8(ch);
    return cells;
}

void writeMap(const QString &path, const CustomMapCells &cells)
{
    QFile file(path);
    const QByteArray bytes = QcmFormat::serialize(cells);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template<typename W>
W *child(CustomMap &e, const char *name)
{
    return e.findChild<W *>(QString::fromLatin1(name));
}

// In the editor: the highlighted cell is moved to `cell`, then the list's selected character
// goes into it.
void placeSelected(CustomMap &e, int cell)
{
    FontMapGrid *grid = child<FontMapGrid>(e, "imgCMMFMapHolder");
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(cell).center());
    child<QPushButton>(e, "cmdListToMap")->click();
}

} // namespace

class TestCustomMapNewEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void editOpensTheLoadedMapInTheTextBoardFont();
    void editSaveMapCloseReloads();
    void editWithoutSaveMapKeepsTheFontMap_data();
    void editWithoutSaveMapKeepsTheFontMap();
    void editOfAMapThatWentBadShowsNoEditor();
    void newMapIsSavedButNotLoaded();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList captions() const;
    void load(const QString &file);

    std::unique_ptr<MainWindowFixture> m_f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCustomMapNewEdit::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->start());
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestCustomMapNewEdit::cleanup()
{
    m_f.reset();
}

QStringList TestCustomMapNewEdit::captions() const
{
    QStringList list;
    for (int i = 0; i < FontMapGrid::kCells; ++i)
        list.append(m_f->controls().FMapContainer->cell(i).caption);
    return list;
}

void TestCustomMapNewEdit::load(const QString &file)
{
    m_f->dialog.confirm([file](CommonDialogProperties &d) {
        d.FileName = file;
        d.FileTitle = QFileInfo(file).fileName();
    });
    m_f->window().commands().trigger(QStringLiteral("FileCFMLoad"));
    QCOMPARE(m_f->window().customMap().path(), file);
}

void TestCustomMapNewEdit::editOpensTheLoadedMapInTheTextBoardFont()
{
    const QString file = path(QStringLiteral("Greek.QCM"));
    writeMap(file, mapOf({{0, 'A'}, {1, 'B'}}));
    load(file);
    const TextBoardFont &font = m_f->window().textBoardFont();
    ModalEditorDriver driver([&](CustomMap &e) {
        QCOMPARE(e.windowTitle(), QStringLiteral("Quorvil Custom FontMap Editor :  Greek.QCM"));
        QCOMPARE(e.mapPath(), file);
        QCOMPARE(child<QComboBox>(e, "cmbFontName")->currentText(), font.name());
        QCOMPARE(child<QComboBox>(e, "cmbFontName")->currentIndex() + 1, m_f->state().fontMap.FontIndex());
        QCOMPARE(child<QSlider>(e, "sldFontSize")->value(), font.size());
        QCOMPARE(child<FontMapGrid>(e, "imgCMMFMapHolder")->cell(1).caption, QStringLiteral("B"));
        QVERIFY(e.isModal());
        e.close();
    });
    m_f->window().commands().trigger(QStringLiteral("FileCFMEdit"));
    QCOMPARE(driver.shown(), 1);
}

void TestCustomMapNewEdit::editSaveMapCloseReloads()
{
    const QString file = path(QStringLiteral("Greek.QCM"));
    writeMap(file, mapOf({{0, 'A'}}));
    load(file);
    QCOMPARE(m_f->controls().FMapContainer->cell(5).caption, QString());

    ModalEditorDriver driver([](CustomMap &e) {
        placeSelected(e, 5); // the space, first in the list
        placeSelected(e, 6); // then !
        child<QPushButton>(e, "btnSaveCFMap")->click();
        e.close();
    });
    globals().gCFMapSaved = true;  // Edit clears it first
    m_f->window().commands().trigger(QStringLiteral("FileCFMEdit"));
    QCOMPARE(driver.shown(), 1);
    QVERIFY(globals().gCFMapSaved);
    QCOMPARE(readAll(file), QcmFormat::serialize(mapOf({{0, 'A'}, {5, ' '}, {6, '!'}})));
    QCOMPARE(m_f->controls().FMapContainer->cell(5).caption, QStringLiteral(" "));
    QCOMPARE(m_f->controls().FMapContainer->cell(6).caption, QStringLiteral("!"));
    QCOMPARE(m_f->state().fontMap.codeTable().at(6, CodeTable::Decimal), QStringLiteral("33"));
    QCOMPARE(m_f->window().customMap().path(), file);
    QVERIFY(m_f->window().commands().isEnabled(QStringLiteral("FileCFMEdit")));
}

void TestCustomMapNewEdit::editWithoutSaveMapKeepsTheFontMap_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("closed without saving") << "close";
    QTest::newRow("cancelled") << "cancel";
    QTest::newRow("saved to another file") << "save as";
}

void TestCustomMapNewEdit::editWithoutSaveMapKeepsTheFontMap()
{
    QFETCH(QString, how);
    const QString file = path(QStringLiteral("Greek.QCM"));
    const QString other = path(QStringLiteral("Other.QCM"));
    writeMap(file, mapOf({{0, 'A'}}));
    load(file);
    const QStringList before = captions();

    MessageDriver messages;
    ModalEditorDriver driver([&](CustomMap &e) {
        placeSelected(e, 5);
        // The file changes behind the editor's back: a reload would show it.
        writeMap(file, mapOf({{0, 'Z'}}));
        if (how == QLatin1String("save as")) {
            m_f->dialog.confirm([other](CommonDialogProperties &d) { d.FileName = other; });
            child<QPushButton>(e, "btnSaveAsCFMap")->click();
            e.close();
        } else {
            messages.yes();
            if (how == QLatin1String("cancel"))
                child<QPushButton>(e, "btnCancel")->click();
            else
                e.close();
        }
    });
    m_f->window().commands().trigger(QStringLiteral("FileCFMEdit"));
    QCOMPARE(driver.shown(), 1);
    QVERIFY(!globals().gCFMapSaved);
    QCOMPARE(captions(), before);
    QCOMPARE(m_f->window().customMap().path(), file);
    if (how == QLatin1String("save as"))
        QCOMPARE(readAll(other), QcmFormat::serialize(mapOf({{0, 'A'}, {5, ' '}})));
    else
        QCOMPARE(messages.count(), 1);
}

void TestCustomMapNewEdit::editOfAMapThatWentBadShowsNoEditor()
{
    const QString file = path(QStringLiteral("Greek.QCM"));
    writeMap(file, mapOf({{0, 'A'}}));
    load(file);
    const QStringList before = captions();
    // Edited by hand after it was loaded: A twice.
    writeMap(file, mapOf({{0, 'A'}, {1, 'A'}}));

    MessageDriver messages;
    messages.ok();
    ModalEditorDriver driver([](CustomMap &e) { e.close(); });
    m_f->window().commands().trigger(QStringLiteral("FileCFMEdit"));
    QCOMPARE(driver.shown(), 0);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().title, QStringLiteral("Quorvil Custom Map Load Error"));
    QVERIFY(messages.last().text.contains(file));
    QCOMPARE(captions(), before);
    QCOMPARE(m_f->window().customMap().path(), file);
}

void TestCustomMapNewEdit::newMapIsSavedButNotLoaded()
{
    const QStringList before = captions();
    m_f->state().fontMap.setCFMSaveFolder(m_dir->path());
    const QString folder = path(QStringLiteral("maps"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/New.QCM");

    ModalEditorDriver driver([&](CustomMap &e) {
        QCOMPARE(e.windowTitle(), QStringLiteral("Quorvil Custom Map Editor"));
        QCOMPARE(e.model().charsInList(), 224);
        child<QPushButton>(e, "cmdListToMap")->click();
        m_f->dialog.confirm([file](CommonDialogProperties &d) { d.FileName = file; });
        child<QPushButton>(e, "btnSaveAsCFMap")->click();
        placeSelected(e, 1);
        child<QPushButton>(e, "btnSaveCFMap")->click();
        e.close();
    });
    m_f->window().commands().trigger(QStringLiteral("FileCFMNew"));
    QCOMPARE(driver.shown(), 1);
    QCOMPARE(m_f->dialog.shown().last().properties.InitDir, m_dir->path());
    QCOMPARE(readAll(file), QcmFormat::serialize(mapOf({{0, ' '}, {1, '!'}})));
    QVERIFY(!globals().gCFMapSaved);
    QVERIFY(!m_f->window().customMap().isLoaded());
    QCOMPARE(captions(), before);
    QCOMPARE(m_f->state().fontMap.CFMSaveFolder(), folder);
}

QUORVIL_TEST_MAIN(TestCustomMapNewEdit)
#include "tst_custommapnewedit.moc"
