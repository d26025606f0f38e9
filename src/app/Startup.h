#pragma once

#include <QApplication>
#include <memory>

class TfrmAuralis;
class TfrmSplash;
class TfrmElementInfo;
class TfrmGraph;
class TfrmSetTemperature;
class TfrmFindElement;
class TfrmAbout;
class TfrmOptions;

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

// The program's start-up: the language (language: the one the command line asks for, or
// empty), title, splash, the wait, the windows in their order, the loop.
int runAuralis(QApplication &app, const QString &language = QString());

// Waits until the splash's tick counter passes 2. The loop sleeps until the next event
// (the timer's ticks and the clicks arrive as events) instead of spinning.
void waitForSplash(const TfrmSplash &splash);

// Notes the first paint of a window; made before the window is shown, so a paint that
// happens inside the show (a first-run notice runs its own event loop there) counts too.
class FirstFrameWatch : public QObject
{
public:
    explicit FirstFrameWatch(QWidget &window);
    ~FirstFrameWatch() override;
    bool painted() const { return m_painted; }
    // Lets the window paint its first frame before anything else is built: events are
    // processed, but keys and clicks stay queued in the order they came, until the window
    // has been painted (or timeoutMs has passed, for a window the desktop never exposes).
    // True when it was painted.
    bool wait(int timeoutMs = 2000);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    bool m_painted = false;
};

// The tool windows, each made once and living as long as the main window.
struct ToolWindowSet
{
    ~ToolWindowSet();
    std::unique_ptr<TfrmElementInfo> info;
    std::unique_ptr<TfrmGraph> graph;
    std::unique_ptr<TfrmSetTemperature> temperature;
    std::unique_ptr<TfrmFindElement> find;
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmOptions> options;
};

// Creates the tool windows in their order (information, graph, temperature, find, about,
// options), hands them to the main window, which lets each read its settings section in
// the same order, and puts the options dialog into its full mode.
std::unique_ptr<ToolWindowSet> createToolWindows(TfrmAuralis &main);
