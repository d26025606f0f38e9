#pragma once

#include "main/SharedState.h"

#include <QObject>

class QWidget;

// Keeps a tool window's stay-on-top state in line with one of the shared state's marks.
// It follows the mark's changes while the window is shown, and checks the mark after the
// window (or its painted part) paints. The flag can only change by re-creating the native
// window, which hides it: this keeps a shown window in its place and shown, and tells its
// owner which hide and show were its own.
class StayOnTop : public QObject
{
public:
    // painted: the widget whose paint is checked (the window when null).
    StayOnTop(QWidget *window, const SharedState &state, SharedState::Mark mark,
        QWidget *painted = nullptr);

    bool isOn() const;
    // Makes the window stay on top or normal without losing it.
    void set(bool on);
    // Brings the state in line with the mark (the window's FormPaint).
    void follow() { set(wanted()); }
    // True while set() re-creates the window.
    bool reflagging() const { return m_reflagging; }
    // Called from the window's setVisible: a window about to be shown takes the mark
    // before it appears, so it does not flicker.
    void beforeSetVisible(bool visible);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool wanted() const { return m_state.mark(m_mark); }

    QWidget *m_window;
    const SharedState &m_state;
    SharedState::Mark m_mark;
    bool m_reflagging = false;
    bool m_paintSyncQueued = false;
};
