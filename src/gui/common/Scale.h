#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

// Window and control sizes are designed at 120 pixels per inch; they are scaled by the
// screen's logical DPI / 120. Layout computed at run time works in actual pixels.
class QLabel;
class QWidget;

namespace Scale {

// The primary screen's logical DPI / 120; 0.8 (96 dpi) while there is no screen.
double factor();
// qRound(designPixels × factor()).
int px(int designPixels);
QSize size(int designWidth, int designHeight);
QRect rect(int designLeft, int designTop, int designWidth, int designHeight);
inline QRect rect(const QRect &design)
{
    return rect(design.x(), design.y(), design.width(), design.height());
}

// A label of the given object name at a design position, sized to its text.
QLabel *placedLabel(
    QWidget *parent, const char *name, const QString &text, int designLeft, int designTop);

// The program's font family ("MS Sans Serif", substituted by fontconfig) at a design
// height in pixels at 120 ppi, converted to the nearest whole point (13 pixels is 8
// points, 17 is 10, 23 is 14); bold optional.
QFont designFont(int designPixelHeight, bool bold = false);
// The same family at a size in points.
QFont pointFont(int pointSize, bool bold = false);

}
