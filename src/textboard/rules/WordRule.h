#pragma once

#include <QString>

#include <utility>

// What a word is on the TextBoard, for moving the caret by words, for the word a double
// click selects and for whole-word search.
namespace WordRule {

// A letter or a digit. A symbol font's character (U+F020 to U+F0FF) counts as the
// Windows-1252 character of its code, so words keep their letters in any font.
bool isWordChar(QChar ch);

// Ctrl+Right: to the start of the next word (past the rest of this word or run of
// punctuation, then past blanks; a line break counts as one step of its own).
qsizetype nextWordStart(const QString &text, qsizetype position);
// Ctrl+Left: to the start of this word, or of the one before when already there.
qsizetype previousWordStart(const QString &text, qsizetype position);
// The run of word characters, of punctuation or of blanks that holds the character at
// `position`, as [start, end); empty at a line break or the end of the text.
std::pair<qsizetype, qsizetype> wordAt(const QString &text, qsizetype position);

} // namespace WordRule
