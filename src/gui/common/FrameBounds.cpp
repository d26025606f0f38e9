#include "common/FrameBounds.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace FrameBounds {

namespace {

std::optional<bool> g_placesWindows;

QMargins frameMargins(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

void setOuterBounds(QWidget *window, const QRect &outer)
{
    const QMargins m = frameMargins(window);
    window->move(outer.topLeft());
    window->resize(outer.width() - m.left() - m.right(), outer.height() - m.top() - m.bottom());
}

class FrameFit : public QObject
{
public:
    FrameFit(QWidget *window, const QRect &outer)
        : QObject(window)
        , m_window(window)
        , m_outer(outer)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type t = event->type();
        if (watched == m_window && (t == QEvent::Show || t == QEvent::Move || t == QEvent::Resize)
            && m_window->isVisible() && m_window->windowState() == Qt::WindowNoState
            && !frameMargins(m_window).isNull()) {
            m_window->removeEventFilter(this);
            deleteLater();
            setOuterBounds(m_window, m_outer);
        }
        return false;
    }

private:
    QWidget *m_window;
    QRect m_outer;
};

class OuterMinimum : public QObject
{
public:
    OuterMinimum(QWidget *window, QSize outer)
        : QObject(window)
        , m_window(window)
        , m_outer(outer)
    {
        window->installEventFilter(this);
        fit(QSize(0, 0));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type t = event->type();
        if (watched == m_window && (t == QEvent::Show || t == QEvent::Resize)
            && m_window->isVisible()) {
            const QSize frame = m_window->frameGeometry().size() - m_window->size();
            if (frame != m_frame && frame.width() >= 0 && frame.height() >= 0)
                fit(frame);
        }
        return false;
    }

private:
    void fit(QSize frame)
    {
        m_window->setMinimumSize(
            qMax(1, m_outer.width() - frame.width()), qMax(1, m_outer.height() - frame.height()));
        m_frame = frame;
    }

    QWidget *m_window;
    QSize m_outer;
    QSize m_frame;
};

}

QRect clamped(int left, int top, int width, int height)
{
    return QRect(qBound(-MaxCoordinate, left, MaxCoordinate),
        qBound(-MaxCoordinate, top, MaxCoordinate), qBound(1, width, MaxCoordinate),
        qBound(1, height, MaxCoordinate));
}

void apply(QWidget *window, const QRect &outer)
{
    setOuterBounds(window, outer);
    if (!window->isVisible())
        new FrameFit(window, outer);
}

bool placesWindows()
{
    if (g_placesWindows)
        return *g_placesWindows;
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void setPlacesWindowsForTesting(std::optional<bool> places)
{
    g_placesWindows = places;
}

void write(IniFile &ini, const FrameKeys &keys, const QWidget *window)
{
    const bool places = placesWindows();
    if (window->windowState() & Qt::WindowMaximized) {
        if (places)
            keys.maximized.writeFlag(ini, true);
        return;
    }
    const QRect outer = window->frameGeometry();
    if (places) {
        keys.maximized.writeFlag(ini, false);
        keys.top.write(ini, outer.top());
        keys.left.write(ini, outer.left());
    }
    keys.width.write(ini, outer.width());
    keys.height.write(ini, outer.height());
}

void writePosition(IniFile &ini, const SettingKey &left, const SettingKey &top, QPoint position)
{
    if (!placesWindows())
        return;
    left.write(ini, position.x());
    top.write(ini, position.y());
}

void keepOuterMinimum(QWidget *window, QSize outer)
{
    new OuterMinimum(window, outer);
}

}
