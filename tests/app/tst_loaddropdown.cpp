// The "Load" button's drop-down: the recent text files by their bare names, rebuilt each time
// it opens.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "app/rules/RegistryFunctions.h"
#include "app/rules/SettingsLayout.h"
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
    QTest::newRow("none") << 0;
    QTest::newRow("three") << 3;
    QTest::newRow("nine") << 9;
}

void TestLoadDropDown::listsTheRecentFiles()
{
    QFETCH(int, files);
    MainWindowFixture f(1024, 768, MainWindowFixture::Store::Seeded, MainWindowFixture::Fonts::Fake);
    RegistryFunctions reg(f.registry);
    for (int i = 1; i <= files; ++i)
        reg.SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(QStringLiteral("MRU")), QString::number(i),
                        QStringLiteral("/home/ann/letters/t%1.txt").arg(i), REG_SZ);
    QVERIFY(f.start());
    QMenu *dropDown = f.controls().LoadSaveTB->buttonMenu(QStringLiteral("Load"));
    QVERIFY(dropDown);
    for (int opening = 0; opening < 2; ++opening) {
        Q_EMIT dropDown->aboutToShow();
        const QList<QAction *> entries = dropDown->actions();
        QCOMPARE(entries.size(), files);
        for (int i = 0; i < files; ++i)
            QCOMPARE(entries[i]->text(), QStringLiteral("t%1.txt").arg(i + 1));
    }
}

QUORVIL_TEST_MAIN(TestLoadDropDown)
#include "tst_loaddropdown.moc"
