#include "platform/FsFileChecks.h"

#include "core/FileNames.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace {

std::filesystem::path toPath(const QString &name)
{
    return std::filesystem::path(encodeFileName(name).toStdString());
}

} // namespace

QString driveOf(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return path.section(QLatin1Char('/'), 0, 0);
    const qsizetype next = path.indexOf(QLatin1Char('/'), 1);
    return next < 0 ? path : path.left(next);
}

int FsFileChecks::DriveState(const QString &driveName)
{
    if (driveName.isEmpty())
        return 0;
    std::error_code ec;
    if (!std::filesystem::is_directory(toPath(driveName), ec))
        return 0;
    return ::access(encodeFileName(driveName).constData(), R_OK | X_OK) == 0 ? 2 : 1;
}

bool FsFileChecks::FolderExists(const QString &folderName)
{
    if (folderName.isEmpty())
        return false;
    std::error_code ec;
    return std::filesystem::is_directory(toPath(folderName), ec);
}

bool FsFileChecks::FileExists(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(toPath(fileName), ec);
}
