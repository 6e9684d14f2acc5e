#include "app/CheckFilePath.h"

#include "app/rules/PathParts.h"
#include "platform/FileChecks.h"
#include "widgets/Message.h"

bool CheckFilePath(FileChecks &checks, const QString &path, const QString &title, const FontMapColors &schemeColors)
{
    const PathParts parts = splitPath(path);
    const QString drive = driveOf(path);
    const QString none;
    switch (checks.DriveState(drive)) {
    case 0:
        QrvlMsgOK({none, none, none, none, QStringLiteral("Drive ") + drive + QStringLiteral(" does not exist.")}, title,
                  schemeColors);
        return false;
    case 1:
        QrvlMsgOK({none, none, none, none, QStringLiteral("There is no disk in Drive ") + drive}, title, schemeColors);
        return false;
    default:
        break;
    }
    if (!checks.FolderExists(parts.folder)) {
        QrvlMsgOK(fitMessageLines({none, none, QStringLiteral("Folder"), none, parts.folder, none,
                                   QStringLiteral("does not exist.")}),
                  title, schemeColors);
        return false;
    }
    if (!checks.FileExists(path)) {
        QrvlMsgOK(fitMessageLines({none, none, QStringLiteral("File '") + parts.name + QLatin1Char('\''), none,
                                   QStringLiteral("does not exist in"), none, parts.folder}),
                  title, schemeColors);
        return false;
    }
    return true;
}
