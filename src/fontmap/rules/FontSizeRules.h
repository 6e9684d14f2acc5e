#pragma once

#include <QString>

#include <optional>

// The TextBoard's font size: what the size slider, its inline edit and the find box allow.
namespace FontSizeRules {

inline constexpr int kMin = 8;
inline constexpr int kMax = 36;
// The find box follows the TextBoard's size up to this size.
inline constexpr int kFindBoxMax = 12;

// Nearest whole number, a half to the even one (12.5 gives 12, 13.5 gives 14); values beyond
// the int range give its ends, and a value that is not a number gives 0.
int roundHalfEven(double value);

// The size typed into the inline edit: a number (in the user's or the C locale), rounded half to
// even and brought within kMin..kMax; nothing for text that is not a number.
std::optional<int> sizeFromEditText(const QString &text);

inline int findBoxSize(int textBoardSize)
{
    return textBoardSize > kFindBoxMax ? kFindBoxMax : textBoardSize;
}

} // namespace FontSizeRules
