#include "common/StepScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

QRect StepScrollBar::thumb() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

void StepScrollBar::sliderChange(SliderChange change)
{
    // At either end the arrow buttons change their look, and a bar never painted has no
    // thumb to compare: those repaint whole.
    if (change != SliderValueChange || m_painted.isEmpty() || m_paintedAtEnd || atEnd()) {
        QScrollBar::sliderChange(change);
        return;
    }
    update(m_painted | thumb());
}

void StepScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    m_painted = thumb();
    m_paintedAtEnd = atEnd();
}
