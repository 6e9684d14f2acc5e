#pragma once

// The caret that travels to the full-screen preview and back as a number (gTBCaret), as a
// whole position within a text of `length` characters: rounded, and never outside the text.
int caretWithin(double carried, int length);
