#pragma once

#include <QString>

// The captions of the TextBoard's counters in the status area.

// The character count (not negative) with a thousands separator and no decimals:
// 0, 999, 1,000, 61,440.
QString formatCharCount(int count);

// The fill percentage as a whole number followed by "%": count x (100 / maxLength),
// rounded half away from zero ("0%" for an empty board, "100%" for a full one).
QString formatPercentFilled(int count, int maxLength);
