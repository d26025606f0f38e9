#include "common/StayOnTop.h"

#include <QTimer>
#include <QWidget>

StayOnTop::StayOnTop(QWidget *window, std::function<bool()> wanted)
    : m_window(window)
    , m_wanted(std::move(wanted))
{
}

bool StayOnTop::isOn() const
{
    return m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void StayOnTop::set(bool on)
{
    if (isOn() == on)
        return;
    m_reflagging = true;
    const bool wasVisible = m_window->isVisible();
    const QPoint place = m_window->pos();
    m_window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible) {
        m_window->move(place);
        m_window->show();
    }
    m_reflagging = false;
}

void StayOnTop::beforeSetVisible(bool visible)
{
    if (visible && !m_window->isVisible() && !m_reflagging && isOn() != m_wanted())
        m_window->setWindowFlag(Qt::WindowStaysOnTopHint, m_wanted());
}

void StayOnTop::afterPaint(const std::function<void()> &formPaint)
{
    if (m_paintSyncQueued || m_wanted() == isOn())
        return;
    m_paintSyncQueued = true;
    QTimer::singleShot(0, m_window, [this, formPaint] {
        m_paintSyncQueued = false;
        formPaint();
    });
}
