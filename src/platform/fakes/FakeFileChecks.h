#pragma once

#include "platform/FileChecks.h"

#include <QHash>

// The real file system, except for drives a test declares missing or not ready and files
// a test declares present or absent.
class FakeFileChecks final : public FileChecks
{
public:
    int DriveState(const QString &driveName) override;
    bool FolderExists(const QString &folderName) override;
    bool FileExists(const QString &fileName) override;

    void setDriveState(const QString &driveName, int state) { m_drives.insert(driveName, state); }
    void setFileExists(const QString &fileName, bool exists) { m_files.insert(fileName, exists); }

private:
    QHash<QString, int> m_drives;
    QHash<QString, bool> m_files;
};
