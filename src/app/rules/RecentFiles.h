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
