#pragma once

#include "app/rules/PathParts.h"

#include <QString>

#include <algorithm>
#include <array>

// One entry of a recent-file list: the folder with its trailing separator, and the file name.
struct RecentFile
{
    QString folder;
    QString name;
    bool openedHere = false; // loaded or saved by this running program, not only read at start
    bool inUse() const { return !folder.isEmpty(); }
    QString path() const { return folder + name; }
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
        const PathParts parts = splitPath(path);
        list(i) = RecentFile{parts.folder, parts.name};
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
        paths[i - 1] = f.inUse() ? f.path() : QString();
    }
    return paths;
}

// Moves a path to the top of a recent-file list, newest first: an entry already in the
// list (same folder and name, letter case counting) moves up, a new one pushes the others
// down and, in a full list, drops the oldest. Returns whether the path was in the list.
template<int Max>
bool pushRecentFile(RecentFileList<Max> &list, const QString &path)
{
    // Before start-up has read the list its count may still be 0; the first free rank is 1.
    const int count = std::max(list.count, 1);
    int found = 0;
    if (count >= 2) {
        for (int i = 1; i <= count && !found; ++i) {
            if (!list(i).name.isEmpty() && list(i).path() == path)
                found = i;
        }
    }
    for (int j = (found ? found : count) - 1; j >= 1; --j)
        list(j + 1) = list(j);
    const PathParts parts = splitPath(path);
    list(1) = RecentFile{parts.folder, parts.name, true};
    list.count = found ? count : std::min(count + 1, Max);
    return found != 0;
}

// The list to store when another running program may have stored its own since this one
// read it; `stored` is the list as the store holds it now (full paths, an empty one ending
// it). The entries opened here come first, newest first; then the stored entries, in their
// order; then this list's other entries; each path once, up to Max.
template<int Max>
std::array<QString, std::size_t(Max)> mergedRecentPaths(const RecentFileList<Max> &mine,
                                                         const std::array<QString, std::size_t(Max)> &stored)
{
    std::array<QString, std::size_t(Max)> merged;
    int filled = 0;
    const auto add = [&](const QString &path) {
        if (filled < Max && std::find(merged.begin(), merged.begin() + filled, path) == merged.begin() + filled)
            merged[filled++] = path;
    };
    for (int i = 1; i <= Max && mine(i).inUse(); ++i) {
        if (mine(i).openedHere)
            add(mine(i).path());
    }
    for (const QString &path : stored) {
        if (path.trimmed().isEmpty())
            break;
        add(path);
    }
    for (int i = 1; i <= Max && mine(i).inUse(); ++i)
        add(mine(i).path());
    return merged;
}

// The menu caption of the entry at `rank`: "&", the rank (its access key), a space and the
// file name, with any "&" in the name doubled so that it shows as written.
QString recentFileCaption(int rank, const QString &name);
