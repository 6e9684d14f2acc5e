#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

#include <array>

// The font browser's sample sheet: three alphabet lines, a divider and the sample sentence at
// seven sizes, each beside its size number. Everything is in twips; the labels size themselves
// to their text, so the caller measures them in the sheet's font and this places them.
namespace SampleSheet {

inline constexpr int kAlphaLines = 3;
inline constexpr int kSentences = 7;
inline constexpr std::array<int, kSentences> kSentencePoints = {12, 18, 24, 36, 48, 60, 72};
inline constexpr int kAlphaPoints = 12;

inline constexpr double kAlphaLeft = 180;
inline constexpr double kFirstAlphaTop = 135;
inline constexpr double kSentenceLeft = 540;
inline constexpr double kPointSizeLeft = 180;
// A sheet side is a 16-bit twips value at most.
inline constexpr int kMaxSide = 32767;
inline constexpr int kMaxSampleLength = 45;

const QString &alphaText(int line);
const QString &designSentence();

// The sentence of the sheet from the stored sample text: its first 45 characters, or the
// design sentence when the store has none or only spaces.
QString sentence(const QString &stored);

struct Measured
{
    std::array<QSizeF, kAlphaLines> alpha;
    std::array<QSizeF, kSentences> sentence;
    std::array<double, kSentences> pointSizeHeight{};
};

struct Placed
{
    std::array<double, kAlphaLines> alphaTop{};
    double dividerY = 0;
    std::array<double, kSentences> sentenceTop{};
    std::array<double, kSentences> pointSizeTop{};
    int width = 0;   // the sheet
    int height = 0;
};

// Lines follow each other 4 pixels apart, the divider 13 pixels below the last alphabet line,
// the first sentence 13 pixels below it and the others 6 pixels apart; each size number is
// centred beside its sentence. The sheet ends 10 pixels past the largest sentence.
Placed place(const Measured &m, double twipsPerPixelX, double twipsPerPixelY);

} // namespace SampleSheet
