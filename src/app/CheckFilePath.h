#pragma once

#include <QString>

class FileChecks;
class FontMapColors;

// Checks the drive, the folder and the file of `path`, in that order, before a file named
// on the command line or in a recent-file list is opened. The first that does not exist
// is reported in a message titled `title`, and the answer is false.
bool CheckFilePath(FileChecks &checks, const QString &path, const QString &title, const FontMapColors &schemeColors);
