#pragma once

#include <QColor>

// Text that stays readable on a background, whatever the desktop's palette. The screens fix some
// backgrounds (pale buttons, coloured labels and cells) and a dark desktop gives light text: every
// place that fixes a background takes the text colour from here, measured the way WCAG 2 measures
// legibility.

// The least contrast between a text and its background (WCAG AA for text of ordinary size).
inline constexpr double kReadableContrast = 4.5;

// 0 for black to 1 for white, as the eye weighs the three primaries (alpha is ignored).
double relativeLuminance(const QColor &colour);
// From 1 (the same luminance) to 21 (black on white); the order of the two does not matter.
double contrastRatio(const QColor &a, const QColor &b);

// The colour `t` of the way from `from` to `to` (0 ≤ t ≤ 1), in whole channel values.
QColor blendedColour(const QColor &from, const QColor &to, double t);

// The text colour for `background`. Without a preferred colour: black or white, whichever reads
// better (always at least 4.5:1). With one: the preferred colour where it reads at least 4.5:1,
// otherwise the least darkened (or lightened) shade of it that does, so that a blue text stays a
// blue, only darker on white or lighter on a dark background. Thin marks, whose antialiased
// pixels fall short of their colour, ask for more than text does (`minimumContrast`).
QColor readableForeground(const QColor &background, const QColor &preferred = QColor(), double minimumContrast = kReadableContrast);
