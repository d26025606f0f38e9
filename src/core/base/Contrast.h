#pragma once

#include <QColor>

// Whether text stays readable on what is behind it, by the relative luminance and
// contrast ratio of WCAG 2.x. Painting never asks this per paint: a window decides the
// outline once when its colours, its palette or its background change, and draws that.
namespace Contrast {

// Relative luminance of an sRGB colour: 0 for black, 1 for white.
double luminance(const QColor &c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ratio(const QColor &a, const QColor &b);
// What text of this pixel size needs: 3 from 18 px up, 4.5 below.
double required(int pixelSize);

// The outline to draw around text of colour `text` on `back`, or an invalid colour when
// the text reaches the ratio it needs without one. Black goes around light colours,
// white around dark ones, whichever stands further from the text itself.
QColor outline(const QColor &text, const QColor &back, int pixelSize);
// The same for lines and marks, which need 3 : 1 as large text does.
QColor markOutline(const QColor &mark, const QColor &back);

// Small text, below 18 px, keeps its colour whole: a rim around strokes that thin would
// darken or lighten what the eye reads as the text's colour. Where its colour falls short
// of 4.5 : 1 on `back`, it is set on a plate: a neutral grey behind it, dark behind light
// text and light behind dark text, the grey nearest to the middle that still gives the
// text its ratio (so the plate stands out no more than it must). Invalid when the text
// needs none, and for large text, which takes an outline.
QColor plate(const QColor &text, const QColor &back, int pixelSize);

// Whether a desktop's button face counts as "the standard 3D colour": a light neutral
// grey. Lightness, (max + min) / 2 of red, green and blue, lies within 176..247 of 255
// (silver is 192, the stock light styles' faces 239..245, white is out), and the spread
// max - min is at most 10 of 255 (a grey, not a tint).
bool isStandardFace(const QColor &face);

}
