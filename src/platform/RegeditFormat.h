#pragma once

#include "core/RegistryTree.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The settings store's file: the registry editor's REGEDIT4 export layout, written in UTF-8.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Quorvil\Bars]
//   "MainBand1Wdth"=dword:000003b1
//   "Name"="text with \\ and \" escaped"
//   "Odd"=hex(7):41,00,42,00,00,00
//
// Each key has its own section, followed by a blank line. REG_SZ data that is not
// printable UTF-8 on one line (an embedded NUL, a line break, a stray byte) and every
// other type are written as hex: (type 3) or hex(n): with the type in hexadecimal,
// wrapped with ",\" as the registry editor does.

// Neither side handles a file larger than this; the settings take a few kilobytes.
inline constexpr qsizetype kMaxRegeditBytes = 4 * 1024 * 1024;

struct RegeditParse
{
    std::optional<RegistryTree> tree; // the whole file's tree, when every line parsed
    QString error;                    // otherwise the first fault, with its line, for the log
};

// Reads what the registry editor exports too: UTF-8 with or without a byte-order mark,
// UTF-16LE with one (the "Windows Registry Editor Version 5.00" header), LF, CR LF or CR
// line ends, with or without the closing blank line. Refuses the whole text on any fault (a
// wrong header, a garbled line, binary data, a key outside HKEY_CURRENT_USER, a last line
// cut off) rather than keeping part of it, so that a damaged file is noticed and kept
// instead of being half-read and overwritten.
RegeditParse parseRegedit(const QByteArray &bytes);

QByteArray writeRegedit(const RegistryTree &tree);
