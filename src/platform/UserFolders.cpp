#include "platform/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isFolder(const QString &path)
{
    return QFileInfo(path).isDir();
}

} // namespace

QString documentsFolder()
{
    // The desktop names the documents folder whether or not it was ever made.
    return StartFolders::documentsOrHome(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                         QDir::homePath(), isFolder);
}

StartFolders::DialogStart fileDialogStart(const QString &initDir, const QString &fileName)
{
    return StartFolders::dialogStart(initDir, fileName, documentsFolder(), isFolder);
}
