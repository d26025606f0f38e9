#pragma once

#include <QApplication>

class TfrmSplash;

// The application object: it catches what an event handler let escape, so that no
// exception crosses the event loop, and shows it in the error box.
class TApplication : public QApplication
{
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
    // The arguments (without the program) as the bytes the system passed, after the
    // toolkit took its own options out.
    const QList<QByteArray> &rawArguments() const { return m_rawArguments; }

private:
    QList<QByteArray> m_rawArguments;
};

// The program's start-up: title, splash, the wait, the windows in their order, the loop.
int runAuralis(QApplication &app);

// Waits until the splash's tick counter passes 2. The loop sleeps until the next event
// (the timer's ticks and the clicks arrive as events) instead of spinning.
void waitForSplash(const TfrmSplash &splash);
