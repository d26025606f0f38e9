#pragma once

#include <functional>

class QWidget;

// Lets a tool window's stay-on-top state follow one of the main window's marks. The flag
// can only change by re-creating the native window, which hides it: this keeps a shown
// window in its place and shown, and tells its owner which hide and show were its own.
class StayOnTop
{
public:
    // wanted: the mark the window follows.
    StayOnTop(QWidget *window, std::function<bool()> wanted);

    bool isOn() const;
    // Makes the window stay on top or normal without losing it.
    void set(bool on);
    // Brings the state in line with the mark (the window's FormPaint).
    void follow() { set(m_wanted()); }
    // True while set() re-creates the window.
    bool reflagging() const { return m_reflagging; }
    // Called from the window's setVisible: a window about to be shown takes the mark
    // before it appears, so it does not flicker.
    void beforeSetVisible(bool visible);
    // Called from a paint of the window: flags cannot change inside a paint, so formPaint
    // runs once the paint is over, when the state differs from the mark.
    void afterPaint(const std::function<void()> &formPaint);

private:
    QWidget *m_window;
    std::function<bool()> m_wanted;
    bool m_reflagging = false;
    bool m_paintSyncQueued = false;
};
