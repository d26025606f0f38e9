#include "elements/WinBevel.h"

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
    QPainter p(this);
    Pixels::sunkenFrame(p, width(), height(), palette());
}
