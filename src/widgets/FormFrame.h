#pragma once

// A classic window's outer size counted its caption and borders; ours leaves them to the window
// manager, so the layout rules' outer sizes carry this allowance, in pixels.
namespace FormFrame {

inline constexpr int kWidth = 8;
inline constexpr int kHeight = 30;

} // namespace FormFrame
