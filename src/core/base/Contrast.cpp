#include "base/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

constexpr int LargeTextPixels = 18;

}

namespace Contrast {

double luminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green())
        + 0.0722 * channel(rgb.blue());
}

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double required(int pixelSize)
{
    return pixelSize >= LargeTextPixels ? 3.0 : 4.5;
}

QColor outline(const QColor &text, const QColor &back, int pixelSize)
{
    if (ratio(text, back) >= required(pixelSize))
        return QColor();
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return ratio(text, black) >= ratio(text, white) ? black : white;
}

QColor markOutline(const QColor &mark, const QColor &back)
{
    return outline(mark, back, LargeTextPixels);
}

QColor plate(const QColor &text, const QColor &back, int pixelSize)
{
    if (pixelSize >= LargeTextPixels || ratio(text, back) >= required(pixelSize))
        return QColor();
    const double needed = required(pixelSize);
    const bool dark = ratio(text, QColor(0, 0, 0)) >= ratio(text, QColor(255, 255, 255));
    // From a middle grey towards black or white, in steps of 4 of 255; black or white
    // gives any colour 4.5 : 1 with one of them, so the last step always does.
    for (int step = 0; step <= 24; ++step) {
        const int g = std::clamp(dark ? 0x60 - 4 * step : 0xa0 + 4 * step, 0, 255);
        if (ratio(text, QColor(g, g, g)) >= needed)
            return QColor(g, g, g);
    }
    return dark ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

bool isStandardFace(const QColor &face)
{
    const QColor c = face.toRgb();
    const int hi = std::max({ c.red(), c.green(), c.blue() });
    const int lo = std::min({ c.red(), c.green(), c.blue() });
    const int lightness2 = hi + lo; // twice the lightness, in 0..510
    return lightness2 >= 2 * 176 && lightness2 <= 2 * 247 && hi - lo <= 10;
}

}
