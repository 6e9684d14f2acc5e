#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

// File names as the system spells them: bytes, most often UTF-8, but any bytes but '/' and NUL
// (an old archive, another system's disk). Qt 6 decodes every name as UTF-8 and turns each
// byte that is not UTF-8 into U+FFFD, so such a file can be named but never opened again.
// Here a byte that is not part of a valid UTF-8 sequence becomes the lone surrogate
// U+DC80 + (byte - 0x80) (no text holds one, and every valid UTF-8 name decodes as Qt decodes
// it), and goes back to the same byte: decoding and then encoding gives the bytes back, always.
QString decodeFileName(QByteArrayView bytes);
QByteArray encodeFileName(QStringView name);

// The program's arguments, decoded like file names (argv[0] first).
QStringList decodeArguments(int argc, const char *const *argv);
