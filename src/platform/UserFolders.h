#pragma once

#include "app/rules/StartFolders.h"

#include <QString>

// The user's folders as the file dialogs and the first run see them, on the real file system.

// The desktop's documents folder where it exists, else the home folder.
QString documentsFolder();

// What a file dialog opens with for the caller's start folder and file name: folders that
// exist, the documents folder (or home) where neither has one.
StartFolders::DialogStart fileDialogStart(const QString &initDir, const QString &fileName);
