#pragma once

#include "base/Colour.h"

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QVector>
#include <initializer_list>

// Pixel-exact polylines for 3-D frames. Each segment covers its first pixel and stops
// short of its last, so consecutive segments meet without overdraw and the final point
// of a run stays undrawn. Segments are horizontal or vertical; they are filled as
// one-pixel rectangles so they land exactly on pixels at ratio 1 and stay solid (two
// device pixels wide, no seams) at ratio 2.
namespace Pixels {

inline int sign(int v)
{
    return (v > 0) - (v < 0);
}

// Draws a → b (b excluded). A dotted run lights every other pixel, counting on from
// *phase, and fills the gaps with gapColour; phase carries the pattern across segments.
inline void segment(QPainter &p, QPoint a, QPoint b, const QColor &colour, bool dotted = false,
    const QColor &gapColour = QColor(), int *phase = nullptr)
{
    const int dx = sign(b.x() - a.x());
    const int dy = sign(b.y() - a.y());
    if (dx != 0 && dy != 0)
        return; // only axis-aligned segments are used
    if (!dotted) {
        if (dx == 0 && dy == 0)
            return;
        const QPoint last = b - QPoint(dx, dy);
        p.fillRect(QRect(QPoint(qMin(a.x(), last.x()), qMin(a.y(), last.y())),
                       QPoint(qMax(a.x(), last.x()), qMax(a.y(), last.y()))),
            colour);
        return;
    }
    int n = phase ? *phase : 0;
    for (QPoint q = a; q != b; q += QPoint(dx, dy), ++n)
        p.fillRect(QRect(q, QSize(1, 1)), n % 2 == 0 ? colour : gapColour);
    if (phase)
        *phase = n;
}

inline void polyline(QPainter &p, const QVector<QPoint> &points, const QColor &colour)
{
    for (int i = 0; i + 1 < points.size(); ++i)
        segment(p, points[i], points[i + 1], colour);
}

// A one-pixel edge around r: the left column and top row in topLeft (but for the top-right
// pixel), the right column and bottom row in bottomRight.
inline void edge(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    const QPoint tl = r.topLeft();
    const QPoint br = r.bottomRight();
    polyline(p, { QPoint(tl.x(), br.y()), tl, QPoint(br.x(), tl.y()) }, topLeft);
    polyline(p, { QPoint(br.x(), tl.y()), br, QPoint(tl.x() - 1, br.y()) }, bottomRight);
}

// A polyline in any direction with the painter's pen: each segment includes its first
// pixel and excludes its last, so the very last point of the run stays undrawn.
inline void openPolyline(QPainter &p, std::initializer_list<QPoint> points)
{
    const QPoint *prev = nullptr;
    for (const QPoint &pt : points) {
        if (prev && *prev != pt) {
            const QPoint d = pt - *prev;
            const int steps = qMax(qAbs(d.x()), qAbs(d.y()));
            if (steps > 1) {
                const QPoint last(prev->x() + qRound(double(d.x()) * (steps - 1) / steps),
                    prev->y() + qRound(double(d.y()) * (steps - 1) / steps));
                p.drawLine(*prev, last);
            } else {
                p.drawPoint(*prev);
            }
        }
        prev = &pt;
    }
}

// The sunken frame of an edit field over a w × h box: highlight on the right and bottom,
// shadow on the left and top, and a black inner line on the left and top.
inline void sunkenFrame(QPainter &p, int w, int h, const QPalette &palette)
{
    polyline(p, { QPoint(w - 1, 0), QPoint(w - 1, h - 1), QPoint(-1, h - 1) },
        TColor::system(TColor::BtnHighlight).resolve(palette));
    polyline(p, { QPoint(0, h - 2), QPoint(0, 0), QPoint(w - 1, 0) },
        TColor::system(TColor::BtnShadow).resolve(palette));
    polyline(p, { QPoint(1, h - 3), QPoint(1, 1), QPoint(w - 2, 1) }, QColor(0, 0, 0));
}

}
