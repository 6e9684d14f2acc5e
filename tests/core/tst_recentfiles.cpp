#include "app/rules/RecentFiles.h"

#include <QTest>

namespace {

using MapList = RecentFileList<5>;

// A list as start-up reads it from the settings.
MapList listOf(const QStringList &paths)
{
    std::array<QString, 5> stored;
    std::copy(paths.begin(), paths.end(), stored.begin());
    return recentListFromPaths<5>(stored);
}

QStringList inUse(const std::array<QString, 5> &stored)
{
    QStringList paths;
    for (const QString &path : stored) {
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

QStringList inUse(const MapList &list)
{
    return inUse(pathsOf(list));
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void push_data();
    void push();
    void mergeWithTheStoredList_data();
    void mergeWithTheStoredList();
    void caption_data();
    void caption();
};

void TestRecentFiles::push_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("found");
    const QString a = "/m/a.qcm", b = "/m/b.qcm", c = "/m/c.qcm", d = "/m/d.qcm", e = "/m/e.qcm", f = "/n/f.qcm";

    QTest::newRow("first entry") << QStringList{} << a << QStringList{a} << 2 << false;
    QTest::newRow("new entry on top") << QStringList{a, b} << c << QStringList{c, a, b} << 4 << false;
    QTest::newRow("sixth map drops the oldest") << QStringList{a, b, c, d, e} << f << QStringList{f, a, b, c, d} << 5
                                                << false;
    QTest::newRow("rank 3 moves to rank 1") << QStringList{a, b, c, d, e} << c << QStringList{c, a, b, d, e} << 5
                                            << true;
    QTest::newRow("rank 3 of 4 moves to rank 1") << QStringList{a, b, c, d} << c << QStringList{c, a, b, d} << 5
                                                 << true;
    QTest::newRow("last rank of a full list") << QStringList{a, b, c, d, e} << e << QStringList{e, a, b, c, d} << 5
                                              << true;
    QTest::newRow("rank 1 stays") << QStringList{a, b} << a << QStringList{a, b} << 3 << true;
    QTest::newRow("letter case makes another entry") << QStringList{a, b} << "/m/A.qcm"
                                                     << QStringList{"/m/A.qcm", a, b} << 4 << false;
}

void TestRecentFiles::push()
{
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);
    QFETCH(int, count);
    QFETCH(bool, found);
    MapList list = listOf(before);
    QCOMPARE(pushRecentFile(list, path), found);
    QCOMPARE(inUse(list), after);
    QCOMPARE(list.count, count);
}

void TestRecentFiles::mergeWithTheStoredList_data()
{
    QTest::addColumn<QStringList>("start");  // the list this program read at start
    QTest::addColumn<QStringList>("opened"); // what it opened since, in order
    QTest::addColumn<QStringList>("stored"); // the list in the store at its exit
    QTest::addColumn<QStringList>("merged");
    const QString a = "/m/a.qcm", b = "/m/b.qcm", c = "/m/c.qcm", d = "/m/d.qcm", e = "/m/e.qcm";
    const QString x = "/o/x.qcm", y = "/o/y.qcm", z = "/o/z.qcm";

    QTest::newRow("store as read") << QStringList{a, b} << QStringList{x} << QStringList{a, b}
                                   << QStringList{x, a, b};
    QTest::newRow("another program's entry follows ours") << QStringList{a, b} << QStringList{x}
                                                          << QStringList{y, a, b} << QStringList{x, y, a, b};
    QTest::newRow("nothing opened here: the stored order") << QStringList{a, b, c} << QStringList{}
                                                           << QStringList{c, a, b} << QStringList{c, a, b};
    QTest::newRow("ours newest first, then theirs, cut to the length")
        << QStringList{a, b, c, d, e} << QStringList{x, y} << QStringList{z, a, b, c, d}
        << QStringList{y, x, z, a, b};
    QTest::newRow("reopened here goes before theirs") << QStringList{a, b, c} << QStringList{c}
                                                      << QStringList{x, a, b, c} << QStringList{c, x, a, b};
    QTest::newRow("both opened the same file") << QStringList{a} << QStringList{x} << QStringList{x, a}
                                               << QStringList{x, a};
    QTest::newRow("a stored list emptied since") << QStringList{a, b} << QStringList{x} << QStringList{}
                                                 << QStringList{x, a, b};
}

void TestRecentFiles::mergeWithTheStoredList()
{
    QFETCH(QStringList, start);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, merged);
    MapList mine = listOf(start);
    for (const QString &path : opened)
        pushRecentFile(mine, path);
    QCOMPARE(inUse(mergedRecentPaths(mine, pathsOf(listOf(stored)))), merged);
}

void TestRecentFiles::caption_data()
{
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("plain") << 1 << "Greek.QCM" << "&1 Greek.QCM";
    QTest::newRow("ampersand shows as written") << 3 << "Tom & Jerry.qcm" << "&3 Tom && Jerry.qcm";
    QTest::newRow("two ampersands") << 9 << "a&&b.txt" << "&9 a&&&&b.txt";
}

void TestRecentFiles::caption()
{
    QFETCH(int, rank);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(recentFileCaption(rank, name), caption);
}

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
