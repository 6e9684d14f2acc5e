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

QStringList inUse(const MapList &list)
{
    QStringList paths;
    for (const QString &path : pathsOf(list)) {
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void push_data();
    void push();
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
