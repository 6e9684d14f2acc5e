#pragma once

#include <QString>

#include <array>

// One entry of a recent-file list: the folder with its trailing separator, and the file name.
struct RecentFile
{
    QString folder;
    QString name;
    bool inUse() const { return !folder.isEmpty(); }
};

// A recent-file list, newest first: nine text files or five custom maps.
template<int Max>
struct RecentFileList
{
    static constexpr int kMax = Max;
    std::array<RecentFile, Max + 1> entries; // 1-based, as the menu items are numbered
    int count = 0;                           // the first free rank, or Max when full

    RecentFile &operator()(int rank) { return entries[rank]; }
    const RecentFile &operator()(int rank) const { return entries[rank]; }
};

// A list as the settings keep it: full paths, newest first, an empty path ending the list.
// `count` is the first free rank, or Max when every rank is in use.
template<int Max>
RecentFileList<Max> recentListFromPaths(const std::array<QString, std::size_t(Max)> &paths)
{
    RecentFileList<Max> list;
    for (int i = 1; i <= Max; ++i) {
        const QString &path = paths[i - 1];
        if (path.trimmed().isEmpty()) {
            list.count = i;
            return list;
        }
        const qsizetype cut = path.lastIndexOf(QLatin1Char('/')) + 1;
        list(i) = RecentFile{path.left(cut), path.mid(cut)};
    }
    list.count = Max;
    return list;
}

template<int Max>
std::array<QString, std::size_t(Max)> pathsOf(const RecentFileList<Max> &list)
{
    std::array<QString, std::size_t(Max)> paths;
    for (int i = 1; i <= Max; ++i) {
        const RecentFile &f = list(i);
        paths[i - 1] = f.folder.isEmpty() ? QString() : f.folder + f.name;
    }
    return paths;
}
