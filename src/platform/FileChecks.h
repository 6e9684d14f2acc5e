#pragma once

#include <QString>

// Drive, folder and file existence. A path's drive is its first component
// ("/home" of "/home/ann/a.txt").
class FileChecks
{
public:
    virtual ~FileChecks() = default;

    // 0: no such drive; 1: it exists but cannot be read (not ready); 2: ready.
    virtual int DriveState(const QString &driveName) = 0;
    virtual bool FolderExists(const QString &folderName) = 0;
    virtual bool FileExists(const QString &fileName) = 0;
};

// The drive of a path: its first component, with the leading separator.
QString driveOf(const QString &path);
