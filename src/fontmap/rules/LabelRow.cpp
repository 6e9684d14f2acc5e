#include "fontmap/rules/LabelRow.h"

namespace LabelRow {

std::optional<QList<Place>> place(const QList<Pair> &pairs, double left, double width, double captionGap,
                                  double pairGap)
{
    if (pairs.isEmpty())
        return QList<Place>();
    double needed = pairGap * double(pairs.size() - 1);
    for (const Pair &p : pairs)
        needed += p.captionWidth + captionGap + p.valueWidth;
    if (needed > width)
        return std::nullopt;
    const double extra = (width - needed) / double(pairs.size());
    QList<Place> places;
    double x = left;
    for (const Pair &p : pairs) {
        Place at;
        at.captionLeft = x;
        at.captionWidth = p.captionWidth;
        at.valueLeft = x + p.captionWidth + captionGap;
        at.valueWidth = p.valueWidth + extra;
        places.append(at);
        x = at.valueLeft + at.valueWidth + pairGap;
    }
    return places;
}

} // namespace LabelRow
