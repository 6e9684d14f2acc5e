#include "platform/fakes/FakeFileChecks.h"

#include "platform/FsFileChecks.h"

int FakeFileChecks::DriveState(const QString &driveName)
{
    if (const auto it = m_drives.constFind(driveName); it != m_drives.cend())
        return *it;
    return FsFileChecks().DriveState(driveName);
}

bool FakeFileChecks::FolderExists(const QString &folderName)
{
    return FsFileChecks().FolderExists(folderName);
}

bool FakeFileChecks::FileExists(const QString &fileName)
{
    if (const auto it = m_files.constFind(fileName); it != m_files.cend())
        return *it;
    return FsFileChecks().FileExists(fileName);
}
