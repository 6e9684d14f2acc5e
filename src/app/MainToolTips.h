#pragma once

#include <QString>

struct QuorvilControls;

// The main window's tooltips, switched as a whole by globals().gToolTips: each toolbar button
// and each control that explains itself shows its tag text while they are on (the view buttons
// their fixed texts, the colour button the current colour's name as well) and nothing while
// they are off. The find bar, the menus and the FontMap cells are not touched.
void SetToolTips(const QuorvilControls &controls, const QString &textColorName);
