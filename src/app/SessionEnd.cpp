#include "SessionEnd.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] is written by the handler, [1] read on the GUI thread.
int g_socket[2] = { -1, -1 };
const int Signals[] = { SIGTERM, SIGHUP };

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // Non-blocking: when the socket is full, a request is pending anyway.
    [[maybe_unused]] const ssize_t n = ::write(g_socket[0], &byte, 1);
    errno = saved;
}

void closeModalWindows()
{
    while (QWidget *popup = QApplication::activePopupWidget()) {
        popup->close();
        if (QApplication::activePopupWidget() == popup)
            break;
    }
    while (QWidget *modal = QApplication::activeModalWidget()) {
        // reject() ends a dialog's exec() even where its close button is refused.
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->hide();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
}

}

SessionEnd::SessionEnd(QWidget *mainWindow, std::function<void()> saveNow, QObject *parent)
    : QObject(parent)
    , m_mainWindow(mainWindow)
    , m_saveNow(std::move(saveNow))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_socket) == 0) {
        m_notifier = new QSocketNotifier(g_socket[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignals);
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int s : Signals)
            ::sigaction(s, &action, nullptr);
    }
    // The session manager asks to save before it ends the session; the session may yet go
    // on (another program or the user cancels the logout), so nothing ends here.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
        if (m_saveNow && !m_ending)
            m_saveNow();
    });
    // Its order to quit arrives as the window system's quit event.
    qApp->installEventFilter(this);
}

bool SessionEnd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit && event->spontaneous()) {
        end();
        return true;
    }
    return false;
}

SessionEnd::~SessionEnd()
{
    if (!m_notifier)
        return;
    for (int s : Signals)
        ::signal(s, SIG_DFL);
    delete m_notifier;
    ::close(g_socket[0]);
    ::close(g_socket[1]);
    g_socket[0] = g_socket[1] = -1;
}

void SessionEnd::readSignals()
{
    char bytes[64];
    while (::read(g_socket[1], bytes, sizeof bytes) > 0) { }
    end();
}

void SessionEnd::end()
{
    closeModalWindows();
    if (m_ending)
        return;
    m_ending = true;
    if (m_mainWindow)
        m_mainWindow->close();
    // Ends every running loop, a dialog's too, and keeps any later one from starting, so
    // the program exits even if a window is still shown.
    QCoreApplication::exit(0);
}
