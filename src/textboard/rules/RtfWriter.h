#pragma once

#include "textboard/rules/RtfDocument.h"

#include <QByteArray>

// The document as RTF that word processors read and that readRtf reads back to an equal
// document (for documents in the shape RtfDocument describes):
//   {\rtf1\ansi\ansicpg1252\deff0 {\fonttbl ...}{\colortbl ;...} \pard\qc\f0\fs24\cf1 text\par ...}
// Fonts are listed once per name and charset (\fcharset2 for a symbol font, \fcharset0
// otherwise) and colours once per value; every run names its font, half-point size and
// colour, and styles are switched with \b, \i, \ul, \strike and their off forms.
// A character with an 8-bit code in its run's charset is written as that byte (\'hh above
// 0x7E), any other as \uN? ; every paragraph, the last included, ends with \par.
QByteArray writeRtf(const RtfDocument &document);
