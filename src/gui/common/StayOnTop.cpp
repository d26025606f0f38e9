#include "common/StayOnTop.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

StayOnTop::StayOnTop(
    QWidget *window, const SharedState &state, SharedState::Mark mark, QWidget *painted)
    : QObject(window)
    , m_window(window)
    , m_state(state)
    , m_mark(mark)
{
    (painted ? painted : window)->installEventFilter(this);
    connect(&m_state, &SharedState::markChanged, this, [this](SharedState::Mark m, bool on) {
        if (m == m_mark && m_window->isVisible())
            set(on);
    });
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
    if (visible && !m_window->isVisible() && !m_reflagging && isOn() != wanted())
        m_window->setWindowFlag(Qt::WindowStaysOnTopHint, wanted());
}

// Flags cannot change inside a paint: the check runs once the paint is over.
bool StayOnTop::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_paintSyncQueued && wanted() != isOn()) {
        m_paintSyncQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_paintSyncQueued = false;
            follow();
        });
    }
    return false;
}
