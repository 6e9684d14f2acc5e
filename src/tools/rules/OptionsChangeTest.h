#pragma once

struct Settings;

// Set saves only after a change: the dialog's choices are compared, value by value and texts
// case and all, with the snapshot taken when it finished loading. A colour counts with its
// palette and its value as well as its cell, so the same cell number picked on another palette
// tab is a change. The zoomed letter, the sample row's first code and the colour names are
// not compared: changing only those is no change.
namespace OptionsChangeTest {

bool changed(const Settings &snapshot, const Settings &now);

} // namespace OptionsChangeTest
