#pragma once

#include <QRectF>
#include <QString>

#include <array>

// A US keyboard as the keyboard viewer shows it: the 47 keys that type a character, in four rows
// of 13, 13, 11 and 10 from the number row down, each left to right, and where every key lies on
// the keyboard picture (711 x 338 pixels).
namespace KeyboardLayout {

inline constexpr int kKeys = 47;
inline constexpr std::array<int, 4> kRowStarts = {0, 13, 26, 37};
inline constexpr double kPictureWidth = 711;
inline constexpr double kPictureHeight = 338;

// The 8-bit code the key types, unshifted or with Shift held.
quint8 keyCode(int key, bool shifted);

// The codes that no key types: 127 to 255, shown by the special-characters panel.
inline constexpr int kFirstSpecialCode = 127;
inline constexpr int kSpecialCodes = 129;
// "Alt+0" and the code: how the special character of panel place i (1 to 129) is typed.
QString specialKeystroke(int i);

// The keys without a character of their own.
enum class OtherKey { Backspace, Tab, CapsLock, Enter, LeftShift, RightShift, LeftCtrl, LeftAlt, Space, RightAlt, RightCtrl };
inline constexpr int kOtherKeys = 11;
QString otherKeyLegend(OtherKey key);

// The whole key, in picture pixels, and the face of its cap on which its character is shown.
QRectF keyRect(int key);
QRectF otherKeyRect(OtherKey key);
QRectF capFace(const QRectF &key);

} // namespace KeyboardLayout
