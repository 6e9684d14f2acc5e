#pragma once

#include <QColor>

// How well two colours tell apart for the eye: the contrast ratio of the Web Content
// Accessibility Guidelines, from 1 (the same lightness) to 21 (black and white). Text reads
// well from 4.5, a picture's shape shows from 3.
double contrastRatio(const QColor &a, const QColor &b);
