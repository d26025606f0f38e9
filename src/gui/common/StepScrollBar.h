#pragma once

#include <QScrollBar>

// A scroll bar that, when only its value changes, repaints where its thumb was and where it
// is now rather than the whole bar. Moved a step at a time across a long toolbar, a
// classic bar would otherwise redraw its whole patterned track for every step.
class StepScrollBar : public QScrollBar
{
public:
    using QScrollBar::QScrollBar;

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect thumb() const;
    bool atEnd() const { return value() == minimum() || value() == maximum(); }

    // The thumb as last painted; empty until the first paint.
    QRect m_painted;
    bool m_paintedAtEnd = true;
};
