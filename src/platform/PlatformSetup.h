#pragma once

#include <QString>

// What the platform layer must arrange before the QApplication exists (font configuration, for
// one). Called first thing by main() and by every test program.
void preparePlatform();

// Makes one more font file visible to fontconfig, and so to Qt and the font catalog, for this
// process only. Call after preparePlatform() and before the QApplication exists. False when
// fontconfig refuses the file.
bool addPrivateFontFile(const QString &path);
