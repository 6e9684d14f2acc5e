#include "widgets/CaptionedValues.h"

#include "fontmap/rules/LabelRow.h"
#include "widgets/Twips.h"

#include <QFontMetricsF>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <optional>

namespace CaptionedValues {

namespace {

// Where a row's labels go with `font`; nothing when the row does not fit.
std::optional<QList<LabelRow::Place>> placeRow(const Row &row, const QFont &font, const Stretch &stretch)
{
    const QFontMetricsF metrics(font);
    // A pixel more than the text's advance, for the glyphs' overhang.
    const auto textWidth = [&metrics](const QString &text) {
        return (std::ceil(metrics.horizontalAdvance(text)) + 1) * Twips::kPerQtUnit;
    };
    QList<LabelRow::Pair> pairs;
    for (const Pair &p : row) {
        double widest = 0;
        for (const QString &v : p.values)
            widest = std::max(widest, textWidth(v));
        pairs.append({textWidth(p.caption->text()), widest});
    }
    return LabelRow::place(pairs, stretch.left, stretch.width, stretch.captionGap, stretch.pairGap);
}

} // namespace

void fit(const QList<Row> &rows, const Stretch &stretch)
{
    QFont font = rows.first().first().caption->font();
    const auto fitsAll = [&rows, &stretch](const QFont &f) {
        return std::all_of(rows.begin(), rows.end(), [&](const Row &row) { return placeRow(row, f, stretch).has_value(); });
    };
    while (!fitsAll(font) && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    for (const Row &row : rows) {
        const std::optional<QList<LabelRow::Place>> places = placeRow(row, font, stretch);
        for (qsizetype i = 0; i < row.size(); ++i) {
            const Pair &p = row[i];
            p.caption->setFont(font);
            p.value->setFont(font);
            if (!places)
                continue;
            const LabelRow::Place &at = places->at(i);
            const QRectF captionRect = Twips::rect(p.caption);
            const QRectF valueRect = Twips::rect(p.value);
            Twips::place(p.caption, QRectF(at.captionLeft, captionRect.top(), at.captionWidth, captionRect.height()));
            Twips::place(p.value, QRectF(at.valueLeft, valueRect.top(), at.valueWidth, valueRect.height()));
        }
    }
}

} // namespace CaptionedValues
