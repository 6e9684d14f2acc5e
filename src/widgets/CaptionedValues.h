#pragma once

#include <QList>
#include <QStringList>

class QLabel;

// Captions, each followed by the value it explains ("Dec:" 196, "Keystroke:" Space Bar), in rows
// across a stretch of a window. They share one font: the design's own or, where a row would not
// fit in it, the largest half-point smaller size at which every row fits; and each label is placed
// so that no caption runs into its value, no value into the next caption, and nothing wraps,
// whatever text the value shows.
namespace CaptionedValues {

struct Pair
{
    QLabel *caption;
    QLabel *value;
    QStringList values; // every text the value shows
};
using Row = QList<Pair>;

// Where the rows go, in twips: from `left` across `width`, `captionGap` after each caption and at
// least `pairGap` before the next one. Each label keeps its top and height.
struct Stretch
{
    double left = 0;
    double width = 0;
    double captionGap = 0;
    double pairGap = 0;
};

void fit(const QList<Row> &rows, const Stretch &stretch);

} // namespace CaptionedValues
