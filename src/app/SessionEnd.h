#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QSessionManager;
class QSocketNotifier;
class QWidget;

// Ends the program when the desktop session ends: SIGTERM, SIGHUP and the session
// manager's order to quit close the main window as the user would (so its close handler
// saves when "Save Config On Exit" is checked), and the program exits with status 0. The
// signal handler only writes a byte into a socket; the rest runs on the GUI thread when
// the socket notifier fires. The session manager's request to save, which comes first,
// saves without ending: a logout can still be cancelled, and the program must then still
// be there. One instance at a time; the default handlers are back once it is destroyed.
class SessionEnd : public QObject
{
public:
    // saveNow: what the close handler would save, saved and the program kept running.
    SessionEnd(QWidget *mainWindow, std::function<void()> saveNow, QObject *parent = nullptr);
    ~SessionEnd() override;

    // The close path, as a signal or the session manager runs it. Open modal dialogs and
    // pop-up menus are closed first, as their own loops would otherwise hold the program.
    // A request while one is running (a second signal during the exit save) closes what
    // that save may have opened, and nothing more.
    void end();
    // Whether end() has run.
    bool ended() const { return m_ending; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readSignals();

    QPointer<QWidget> m_mainWindow;
    std::function<void()> m_saveNow;
    QSocketNotifier *m_notifier = nullptr;
    bool m_ending = false;
};
