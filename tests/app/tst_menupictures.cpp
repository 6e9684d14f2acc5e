#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "app/Documents.h"
#include "widgets/ActionCollection.h"
#include "widgets/MainMenu.h"
#include "widgets/Pictures.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

namespace {

QImage rendered(const QIcon &icon)
{
    return icon.pixmap(QSize(16, 16), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The items of a menu as it opens: names, and the picture shown beside each (0: none).
struct Shown
{
    QStringList names;
    QList<int> pictures;
};

int pictureOf(const QAction *item)
{
    if (!item->isIconVisibleInMenu() || item->icon().isNull())
        return 0;
    const QImage image = rendered(item->icon());
    for (int i = 1; i <= 22; ++i) {
        if (image == rendered(Pictures::menuPicture(i)))
            return i;
    }
    return -1; // a picture that is none of the menu pictures
}

Shown shownItems(const QMenu *menu)
{
    Shown shown;
    for (const QAction *item : menu->actions()) {
        if (!item->isVisible())
            continue;
        shown.names << item->objectName();
        shown.pictures << pictureOf(item);
    }
    return shown;
}

// Every item of a menu and of its submenus.
void collect(const QMenu *menu, QList<const QAction *> &items)
{
    for (const QAction *item : menu->actions()) {
        items << item;
        if (item->menu())
            collect(item->menu(), items);
    }
}

} // namespace

class TestMenuPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpMenuFollowsTheUserGuide_data();
    void helpMenuFollowsTheUserGuide();
    void picturesBesideTheirItems_data();
    void picturesBesideTheirItems();
    void noOtherItemShowsAPicture();
};

void TestMenuPictures::helpMenuFollowsTheUserGuide_data()
{
    QTest::addColumn<int>("folder"); // where the guide is: 0 beside the program, 1 installed, -1 nowhere
    QTest::newRow("beside the program") << 0;
    QTest::newRow("installed") << 1;
    QTest::newRow("missing") << -1;
}

void TestMenuPictures::helpMenuFollowsTheUserGuide()
{
    QFETCH(int, folder);
    MainWindowFixture f;
    const QStringList folders = Documents::folders(QCoreApplication::applicationDirPath());
    for (const QString &place : folders)
        f.fileChecks.setFileExists(place + '/' + Documents::helpFileName(), false);
    QString guide;
    if (folder >= 0) {
        guide = folders[folder] + '/' + Documents::helpFileName();
        f.fileChecks.setFileExists(guide, true);
    }
    QVERIFY(f.start());

    const Shown help = shownItems(f.controls().menu->menu(QStringLiteral("ItemHelp")));
    if (guide.isEmpty()) {
        QCOMPARE(help.names, (QStringList{"HelpReadme", "HelpCheckUpd", "HelpVisit", "HelpFeedback", "HelpSep2",
                                          "HelpAbout"}));
        QCOMPARE(help.pictures, (QList<int>{18, 19, 20, 21, 0, 22}));
        return;
    }
    QCOMPARE(help.names, (QStringList{"HelpContents", "HelpReadme", "HelpSep1", "HelpCheckUpd", "HelpVisit",
                                      "HelpFeedback", "HelpSep2", "HelpAbout"}));
    QCOMPARE(help.pictures, (QList<int>{17, 18, 0, 19, 20, 21, 0, 22}));
    // Contents opens the very document whose presence offered it.
    f.window().commands().trigger(QStringLiteral("HelpContents"));
    QCOMPARE(f.shell.opened(), QStringList{guide});
}

void TestMenuPictures::picturesBesideTheirItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("picture");
    const char *items[] = {"FileTF",    "FileCFM",  "EditCut",    "EditCopy",   "EditPaste", "EditFind",
                           "FormatTB",  "FormatFM", "ToolsCopy",  "ToolsCut",   "ToolsFS",   "ToolsPrint",
                           "ToolsClear", "ToolsFB", "ToolsKB",    "ToolsOpt"};
    for (int i = 0; i < int(std::size(items)); ++i)
        QTest::newRow(items[i]) << QString::fromLatin1(items[i]) << i + 1;
}

void TestMenuPictures::picturesBesideTheirItems()
{
    QFETCH(QString, item);
    QFETCH(int, picture);
    MainWindowFixture f;
    QVERIFY(f.start());
    QCOMPARE(pictureOf(f.controls().menu->item(item)), picture);
}

void TestMenuPictures::noOtherItemShowsAPicture()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    const QStringList pictured{"FileTF",     "FileCFM",    "EditCut",     "EditCopy",   "EditPaste",
                               "EditFind",   "FormatTB",   "FormatFM",    "ToolsCopy",  "ToolsCut",
                               "ToolsFS",    "ToolsPrint", "ToolsClear",  "ToolsFB",    "ToolsKB",
                               "ToolsOpt",   "HelpReadme", "HelpCheckUpd", "HelpVisit", "HelpFeedback",
                               "HelpAbout",  "HelpContents"};
    QList<const QAction *> items;
    for (const QAction *top : f.window().menuBar()->actions())
        collect(f.controls().menu->menu(top->objectName()), items);
    int unpictured = 0;
    for (const QAction *item : items) {
        if (pictured.contains(item->objectName()))
            continue;
        ++unpictured;
        // The views, styles, alignments and side switches have toolbar pictures; their menu
        // items show none.
        QVERIFY2(pictureOf(item) == 0, qPrintable(item->objectName()));
    }
    QVERIFY(unpictured > 40);
    // The toolbar buttons keep their pictures.
    QVERIFY(!f.window().commands().action(QStringLiteral("ViewZoom"))->icon().isNull());
}

QUORVIL_TEST_MAIN(TestMenuPictures)
#include "tst_menupictures.moc"
