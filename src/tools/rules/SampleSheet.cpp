#include "tools/rules/SampleSheet.h"

#include <algorithm>
#include <cmath>

namespace SampleSheet {

const QString &alphaText(int line)
{
    static const std::array<QString, kAlphaLines> texts = {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                                                           QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
                                                           QStringLiteral("1234567890.:,;(*!?')")};
    return texts.at(line);
}

const QString &designSentence()
{
    static const QString text = QStringLiteral("The Quick Brown Fox Jumped Over The Lazy Dog.");
    return text;
}

QString sentence(const QString &stored)
{
    if (stored.trimmed().isEmpty())
        return designSentence();
    return stored.left(kMaxSampleLength);
}

Placed place(const Measured &m, double twipsPerPixelX, double twipsPerPixelY)
{
    Placed p;
    p.alphaTop[0] = kFirstAlphaTop;
    for (int i = 1; i < kAlphaLines; ++i)
        p.alphaTop[i] = p.alphaTop[i - 1] + m.alpha[i - 1].height() + 4 * twipsPerPixelY;
    p.dividerY = p.alphaTop[kAlphaLines - 1] + m.alpha[kAlphaLines - 1].height() + 13 * twipsPerPixelY;
    for (int i = 0; i < kSentences; ++i) {
        p.sentenceTop[i] = i == 0 ? p.dividerY + 13 * twipsPerPixelY
                                  : p.sentenceTop[i - 1] + m.sentence[i - 1].height() + 6 * twipsPerPixelY;
        p.pointSizeTop[i] = p.sentenceTop[i] + (m.sentence[i].height() - m.pointSizeHeight[i]) / 2;
    }
    const QSizeF &last = m.sentence[kSentences - 1];
    const double height = p.sentenceTop[kSentences - 1] + last.height() + 10 * twipsPerPixelY;
    const double width = kSentenceLeft + last.width() + 10 * twipsPerPixelX;
    p.height = int(std::min<double>(kMaxSide, std::lround(height)));
    p.width = int(std::min<double>(kMaxSide, std::lround(width)));
    return p;
}

} // namespace SampleSheet
