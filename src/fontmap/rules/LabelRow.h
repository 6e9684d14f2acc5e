#pragma once

#include <QList>

#include <optional>

// A row of captions, each followed by its value ("Dec:" 196, "Hex:" C4, "Oct:" 304): where
// each label goes so that no text runs into the next one.
namespace LabelRow {

struct Pair
{
    double captionWidth = 0;
    double valueWidth = 0;  // the widest text the value shows
};

struct Place
{
    double captionLeft = 0;
    double captionWidth = 0;
    double valueLeft = 0;
    double valueWidth = 0;
};

// Lays the pairs out from `left` within `width`: each caption, `captionGap`, its value, and at
// least `pairGap` before the next caption. The room left over widens the values alike, so that
// a value keeps its place whatever it shows. Nothing when the row does not fit.
std::optional<QList<Place>> place(const QList<Pair> &pairs, double left, double width, double captionGap,
                                  double pairGap);

} // namespace LabelRow
