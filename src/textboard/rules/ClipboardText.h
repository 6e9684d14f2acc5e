#pragma once

#include "fontmap/rules/Charset.h"

#include <QString>

// Text between the TextBoard and the desktop's clipboard. The clipboard carries the
// text's 8-bit codes, each as its Windows-1252 character (so text typed in a symbol
// font reaches other programs as the letters of its codes, and comes back as the same
// codes), with the desktop's "\n" line breaks; the board keeps its own characters for
// its font's charset and CR LF breaks.

// The board's text (CR LF breaks, characters of `charset`) as the clipboard takes it.
QString toClipboardText(const QString &boardText, FontCharset charset);

// Clipboard text as the board takes it: every break (CR LF, CR or LF) as CR LF, the
// characters of 8-bit codes in `charset`; characters without a code are left as they are.
QString fromClipboardText(const QString &clipboardText, FontCharset charset);
