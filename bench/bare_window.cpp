// The memory yardstick for BENCHMARKS.md: a bare Qt 6 Widgets window with a menu bar, a
// status bar and 118 buttons, nothing else. bench/measure_memory.sh runs it beside the
// program so the program's resident size can be read against what the toolkit alone takes.

#include "base/CpuTimeReport.h"

#include <QApplication>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

// With AURALIS_BENCH_STARTUP set, writes the wall-clock time once the first paint of the
// window has completed, as the program does (bench/measure_memory.sh compares the two).
class FirstFrame : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Runs once the round that painted (and flushed) the window is over.
            QTimer::singleShot(0, [] {
                timespec now {};
                clock_gettime(CLOCK_REALTIME, &now);
                std::fprintf(stderr, "first frame at %lld ns\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stderr);
            });
        }
        return false;
    }
};

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));

    for (const char *title : { "&File", "&View", "&Element", "&Trends", "&Help" }) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 1; i <= 4; ++i)
            menu->addAction(QStringLiteral("Item %1").arg(i));
    }
    window.statusBar()->showMessage(QStringLiteral("Ready"));

    auto *central = new QWidget(&window);
    auto *grid = new QGridLayout(central);
    grid->setSpacing(2);
    for (int i = 0; i < 118; ++i)
        grid->addWidget(new QPushButton(QString::number(i + 1), central), i / 18, i % 18);
    window.setCentralWidget(central);

    window.resize(1024, 768);
    FirstFrame firstFrame;
    if (qEnvironmentVariableIsSet("AURALIS_BENCH_STARTUP")) {
        window.installEventFilter(&firstFrame);
        CpuTimeReport::onSignal(); // as the program does
    }
    window.show();
    return app.exec();
}
