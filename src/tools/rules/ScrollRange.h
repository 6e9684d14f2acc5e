#pragma once

// The range of a scroll bar that moves a sheet inside a viewport, in twips.
struct ScrollRange
{
    int max = 0;
    int largeChange = 1;
    int smallChange = 1;
    int value = 0;

    friend bool operator==(const ScrollRange &, const ScrollRange &) = default;
};

// The range for a visible length and the sheet's extent along the bar. When the whole sheet is
// visible only the maximum changes (to 0); otherwise the maximum is the hidden length, a page
// is the visible share of it and a step a tenth of a page (at least 1, halves to even), and the
// value goes back to 0 when `resetValue` is set. A value beyond the new maximum comes down to it.
ScrollRange fitScrollRange(ScrollRange current, double visible, double extent, bool resetValue);
