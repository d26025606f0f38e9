// The memory yardstick for BENCHMARKS.md: a bare Qt 6 Widgets window with a menu bar, a
// status bar and 118 buttons, nothing else. bench/measure_memory.sh runs it beside the
// program so the program's resident size can be read against what the toolkit alone takes.

#include <QApplication>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

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
    window.show();
    return app.exec();
}
