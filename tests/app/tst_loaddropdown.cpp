// The "Load" button's drop-down: the recent text files by their bare names, rebuilt each time
// it opens.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "core/RegistryFunctions.h"
#include "core/SettingsLayout.h"
#include "widgets/ToolBar.h"

#include <QMenu>

class TestLoadDropDown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsTheRecentFiles_data();
    void listsTheRecentFiles();
};

void TestLoadDropDown::listsTheRecentFiles_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("name");     // %1: the rank
    QTest::addColumn<QString>("entry");    // the entry's text, with a menu's "&" doubled
    QTest::newRow("none") << 0 << "t%1.txt" << "t%1.txt";
    QTest::newRow("three") << 3 << "t%1.txt" << "t%1.txt";
    QTest::newRow("nine") << 9 << "t%1.txt" << "t%1.txt";
    QTest::newRow("ampersand") << 2 << "Tom & Jerry %1.txt" << "Tom && Jerry %1.txt";
}

void TestLoadDropDown::listsTheRecentFiles()
{
    QFETCH(int, files);
    QFETCH(QString, name);
    QFETCH(QString, entry);
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    RegistryFunctions reg(f.registry);
    for (int i = 1; i <= files; ++i)
        reg.SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QStringLiteral("MRU")), QString::number(i),
                        QStringLiteral("/home/ann/letters/") + name.arg(i), REG_SZ);
    QVERIFY(f.start());
    QMenu *dropDown = f.controls().LoadSaveTB->buttonMenu(QStringLiteral("Load"));
    QVERIFY(dropDown);
    for (int opening = 0; opening < 2; ++opening) {
        Q_EMIT dropDown->aboutToShow();
        const QList<QAction *> entries = dropDown->actions();
        QCOMPARE(entries.size(), files);
        for (int i = 0; i < files; ++i)
            QCOMPARE(entries[i]->text(), entry.arg(i + 1));
    }
}

QUORVIL_TEST_MAIN(TestLoadDropDown)
#include "tst_loaddropdown.moc"
