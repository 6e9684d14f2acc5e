#pragma once

#include "platform/FileChecks.h"

// The file system as std::filesystem and access(2) see it.
class FsFileChecks final : public FileChecks
{
public:
    int DriveState(const QString &driveName) override;
    bool FolderExists(const QString &folderName) override;
    bool FileExists(const QString &fileName) override;
};
