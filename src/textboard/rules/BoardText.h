#pragma once

#include <QString>

// The TextBoard's text is the classic box's: every line break is CR LF and counts as two
// characters. A position is never between the CR and the LF of a break, nor between the
// two halves of a character outside the Basic Multilingual Plane.
namespace BoardText {

// Every break of `text` (CR LF, a lone CR or a lone LF) as CR LF.
QString withBoardBreaks(QString text);

// Whether a line break (CR LF) starts at `position`.
bool isBreakAt(const QString &text, qsizetype position);

// The neighbouring caret positions: a break and a surrogate pair are stepped over whole.
// At the ends of the text they return the end.
qsizetype nextPosition(const QString &text, qsizetype position);
qsizetype previousPosition(const QString &text, qsizetype position);

// `position` within the text, moved back to the start of a break or pair it is inside.
qsizetype validPosition(const QString &text, qsizetype position);

} // namespace BoardText
