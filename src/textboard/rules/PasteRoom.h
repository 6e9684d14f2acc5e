#pragma once

#include <QString>

// How much of a paste fits into the TextBoard. Counts are in the board's characters,
// where a line break (CR LF) counts two.
namespace PasteRoom {

// Nothing can be pasted: the board is at its limit and no selection would make room.
bool boardIsFull(int count, int selectionLength, int maxLength);

// Characters the pasted text may have: the selection it replaces gives its room back.
int room(int count, int selectionLength, int maxLength);

// The first `room` characters of `text` (CR LF breaks). A CR LF pair is never split:
// when the cut falls between its two characters, the pair stays out.
QString partialText(const QString &text, int room);

} // namespace PasteRoom
