#include "elements/WinBevel.h"

#include "core/Colour.h"
#include "elements/Pixels.h"

#include <QPainter>

TWinBevel::TWinBevel(QWidget *parent)
    : QWidget(parent)
{
}

void TWinBevel::setWinBevel(bool on)
{
    m_winBevel = on;
    update();
}

void TWinBevel::paintEvent(QPaintEvent *)
{
    if (!m_winBevel)
        return;
    const int W = width();
    const int H = height();
    QPainter p(this);
    Pixels::polyline(p, { QPoint(W - 1, 0), QPoint(W - 1, H - 1), QPoint(-1, H - 1) },
        TColor::system(TColor::BtnHighlight).resolve(palette()));
    Pixels::polyline(p, { QPoint(0, H - 2), QPoint(0, 0), QPoint(W - 1, 0) },
        TColor::system(TColor::BtnShadow).resolve(palette()));
    Pixels::polyline(p, { QPoint(1, H - 3), QPoint(1, 1), QPoint(W - 2, 1) }, QColor(0, 0, 0));
}
