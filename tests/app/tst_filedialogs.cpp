// The program's file dialogs as a new user meets them, through Qt's own dialogs: a fresh account
// has no documents folder, and a folder the store remembers may have been deleted since. Every
// dialog opens in the nearest folder that exists and offers a file's name only where the command
// has one, never a folder's; a name typed without an extension gets the chosen filter's.
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"
#include "support/WhenModal.h"

#include "core/RegistryFunctions.h"
#include "core/SettingsLayout.h"
#include "fontmap/CustomMap.h"
#include "platform/CommonDialogQt.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "tools/OptionsControls.h"
#include "tools/OptionsDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

// What a file dialog showed when it came up.
struct Offered
{
    bool shown = false;
    QString folder;
    QString name;  // the file name field
};

QLineEdit *nameField(QFileDialog *d)
{
    return d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

Offered offeredBy(QFileDialog *d)
{
    Offered o;
    o.shown = true;
    o.folder = d->directory().absolutePath();
    if (QLineEdit *field = nameField(d))
        o.name = field->text();
    return o;
}

// Records the next file dialog and closes it with `close` (cancel by default).
std::unique_ptr<QTimer> recordFileDialog(Offered &offered, std::function<void(QFileDialog *)> close = {})
{
    return WhenModal::run<QFileDialog>([&offered, close](QFileDialog *d) {
        offered = offeredBy(d);
        if (close)
            close(d);
        if (d->isVisible())
            d->reject();
        return true;
    });
}

// A fresh account: the home folder has no documents folder in it.
class NoDocumentsFolder final
{
public:
    NoDocumentsFolder() { QDir(TestEnvironment::documentsDir()).removeRecursively(); }
    ~NoDocumentsFolder()
    {
        const QString documents = TestEnvironment::documentsDir();
        QFile::remove(documents); // a file of that name, should a save have made one
        QDir().mkpath(documents);
    }
    Q_DISABLE_COPY_MOVE(NoDocumentsFolder)
};

QString homeFolder()
{
    return QFileInfo(TestEnvironment::documentsDir()).path();
}

QString storedText(Registry &store, const char *key, const char *name)
{
    RegistryFunctions reg(store);
    return regToText(reg.QueryValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QString::fromLatin1(key)),
                                    QString::fromLatin1(name)));
}

// The user types a name into the dialog's field and presses Enter.
std::function<void(QFileDialog *)> typeAndEnter(const QString &name)
{
    return [name](QFileDialog *d) {
        QLineEdit *field = nameField(d);
        QVERIFY(field);
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    };
}

} // namespace

class TestFileDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firstRunFolders_data();
    void firstRunFolders();
    void enterOnAFreshAccountSavesNoFolderName();
    void dialogsStartInAFolderThatExists_data();
    void dialogsStartInAFolderThatExists();
    void typedNameWithoutExtensionLoadsBack();

private:
    // The main window over Qt's own dialogs.
    bool start(MainWindowFixture::Store store = MainWindowFixture::Store::Seeded);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QtCommonDialog> m_dialogs;
    std::unique_ptr<MainWindowFixture> m_f;
};

void TestFileDialogs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFileDialogs::cleanup()
{
    m_f.reset();
    m_dialogs.reset();
    m_dir.reset();
}

bool TestFileDialogs::start(MainWindowFixture::Store store)
{
    m_f = std::make_unique<MainWindowFixture>(1024, 768, store);
    m_dialogs = std::make_unique<QtCommonDialog>(m_f->fonts, m_f->shell);
    m_f->dialogService = m_dialogs.get();
    return m_f->start();
}

void TestFileDialogs::firstRunFolders_data()
{
    QTest::addColumn<bool>("documents");  // the account has a documents folder
    QTest::newRow("documents folder") << true;
    QTest::newRow("fresh account without one") << false;
}

void TestFileDialogs::firstRunFolders()
{
    QFETCH(bool, documents);
    std::unique_ptr<NoDocumentsFolder> fresh;
    if (!documents)
        fresh = std::make_unique<NoDocumentsFolder>();
    const QString expected = documents ? TestEnvironment::documentsDir() : homeFolder();

    MessageDriver driver;
    driver.yes(); // the first-run question
    QVERIFY(start(MainWindowFixture::Store::Empty));
    for (const char *name : {"LFLoadPath", "LFSavePath", "LMLoadPath", "LMSavePath"})
        QCOMPARE(storedText(m_f->registry, "Last", name), expected);
    QCOMPARE(m_f->window().textBoardDocument().TBSaveFolder(), expected);
}

void TestFileDialogs::enterOnAFreshAccountSavesNoFolderName()
{
    NoDocumentsFolder fresh;
    MessageDriver driver;
    driver.yes();
    QVERIFY(start(MainWindowFixture::Store::Empty));
    m_f->controls().TextBoard->setText(QStringLiteral("A first letter"));

    // Enter at once, with whatever the dialog offers.
    Offered offered;
    auto guard = recordFileDialog(offered, [](QFileDialog *d) { QTest::keyClick(nameField(d), Qt::Key_Return); });
    m_f->window().runCommand(QStringLiteral("FileSave"));
    QVERIFY(offered.shown);
    QCOMPARE(offered.folder, homeFolder());
    QCOMPARE(offered.name, QString());
    QVERIFY(!QFileInfo::exists(TestEnvironment::documentsDir()));
    QVERIFY(m_f->window().textBoardDocument().TBLoadedPath().isEmpty());
}

void TestFileDialogs::dialogsStartInAFolderThatExists_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("offeredFile");  // the command's own file name, in a deleted folder
    QTest::addColumn<QString>("name");         // what the name field shows
    QTest::newRow("Save Text in File") << "FileSave" << QString() << QString();
    QTest::newRow("Save Text in File, over the loaded file") << "FileSave" << "note.quf" << "note.quf";
    QTest::newRow("Select a File to Load Text From") << "FileLoad" << QString() << QString();
    QTest::newRow("Load a Custom Map") << "FileCFMLoad" << QString() << QString();
    QTest::newRow("Save Custom Map As") << "FileCFMNew" << QString() << QString();
    QTest::newRow("Specify Startup Custom Map") << "ToolsOpt" << QString() << QString();
}

void TestFileDialogs::dialogsStartInAFolderThatExists()
{
    QFETCH(QString, command);
    QFETCH(QString, offeredFile);
    QFETCH(QString, name);
    // The folder the store remembers, deleted since; the folder above it is still there.
    const QString kept = m_dir->filePath(QStringLiteral("letters"));
    const QString gone = kept + QStringLiteral("/2023/May");
    QVERIFY(QDir().mkpath(kept));
    MainWindowFixture f(1024, 768); // seeds the store
    {
        RegistryFunctions reg(f.registry);
        for (const char *value : {"LFLoadPath", "LFSavePath", "LMLoadPath", "LMSavePath"})
            reg.SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QStringLiteral("Last")),
                            QString::fromLatin1(value), gone, REG_SZ);
    }
    QVERIFY(start(MainWindowFixture::Store::AsItIs));
    m_f->controls().TextBoard->setText(QStringLiteral("Some text"));
    if (!offeredFile.isEmpty())
        m_f->window().textBoardDocument().setLoadedFile(gone + QLatin1Char('/') + offeredFile, offeredFile);

    Offered offered;
    auto guard = recordFileDialog(offered);
    std::unique_ptr<QTimer> outer;
    if (command == QLatin1String("FileCFMNew")) {
        // The editor opens modal; its Save As opens the dialog.
        outer = WhenModal::run<CustomMap>([](CustomMap *editor) {
            editor->findChild<QPushButton *>(QStringLiteral("btnSaveAsCFMap"))->click();
            editor->close();
            return true;
        });
    } else if (command == QLatin1String("ToolsOpt")) {
        outer = WhenModal::run<OptionsDialog>([](OptionsDialog *options) {
            const OptionsControls &c = options->controls();
            c.ochkInitMap->setChecked(true);
            c.ocmdInitMap->click();
            c.cmdCancel->click();
            return true;
        });
    }
    MessageDriver driver;
    if (command == QLatin1String("FileLoad"))
        driver.yes(); // the text on the board may go
    m_f->window().runCommand(command);
    QVERIFY(offered.shown);
    QCOMPARE(offered.folder, kept);
    QCOMPARE(offered.name, name);
}

void TestFileDialogs::typedNameWithoutExtensionLoadsBack()
{
    QVERIFY(start());
    m_f->controls().TextBoard->setText(QStringLiteral("Kept for later"));
    m_f->window().textBoardDocument().setTBSaveFolder(m_dir->path());
    Offered offered;
    {
        auto guard = recordFileDialog(offered, typeAndEnter(QStringLiteral("note1")));
        m_f->window().runCommand(QStringLiteral("FileSave"));
    }
    QVERIFY(offered.shown);
    QCOMPARE(m_f->window().textBoardDocument().TBLoadedName(), QStringLiteral("note1.QUF"));
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("note1.QUF"))));

    // The file is offered by the load dialog and loads back.
    m_f->controls().TextBoard->setText(QString());
    m_f->window().textBoardDocument().setLoadedFile(QString(), QString());
    m_f->window().textBoardDocument().setTBLoadFolder(m_dir->path());
    MessageDriver driver;
    auto guard = recordFileDialog(offered, typeAndEnter(QStringLiteral("note1.QUF")));
    m_f->window().runCommand(QStringLiteral("FileLoad"));
    QCOMPARE(driver.count(), 0);
    QCOMPARE(m_f->controls().TextBoard->Text(), QStringLiteral("Kept for later"));
}

QUORVIL_TEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
