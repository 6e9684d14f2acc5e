#pragma once

#include <QString>

#include <optional>

// A number typed into one of the inline edits (sizes of the map, the zoom and the TextBoard's
// font): a number in the user's or the C locale, rounded to the nearest whole number (a half to
// the even one) and held to low..high, however large it is; nothing for text that is not a number.
std::optional<int> numberFromEditText(const QString &text, int low, int high);
