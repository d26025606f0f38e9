// Speed figures for the hot paths. Run with ./dev bench; the figures and the machine they
// came from are kept in BENCHMARKS.md. Runs offscreen unless a platform is named.

#include "core/Numbers.h"
#include "data/ElementData.h"
#include "elements/Elements.h"
#include "main/Relief.h"
#include "main/Unt_aura.h"
#include "windows/ErrorBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString shippedFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
}

struct Stats
{
    double median = 0, worst = 0, best = 0;
};

Stats measure(int runs, const std::function<void()> &f)
{
    std::vector<double> ms;
    ms.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back(), ms.front()};
}

void report(const char *what, const Stats &s)
{
    std::printf("%-58s median %8.4f ms  worst %8.4f ms  best %8.4f ms\n", what, s.median, s.worst,
                s.best);
}

TfrmAuralis::StartOptions options(const QString &settings)
{
    TfrmAuralis::StartOptions o;
    o.arguments = {settings};
    o.programFolder = shippedFolder();
    o.decimalSeparator = QLatin1Char('.');
    return o;
}

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ErrorBox::setRecording(true);
    const QString bkp = shippedFolder() + QStringLiteral("auralis.bkp");

    report("load auralis.bkp and fix up the separator (\",\")", measure(200, [&] {
               ElementData d;
               d.load(bkp);
               d.fixDecimalSeparator(QLatin1Char(','));
           }));

    ElementData data;
    data.load(bkp);
    report("convert 109 values of one property (density)", measure(2000, [&] {
               double sum = 0;
               for (int z = 1; z <= ElementCount; ++z) {
                   const QString t = data.field(z, Field::DensityValue);
                   if (ElementText::hasValue(t))
                       sum += ElementText::number(t, QLatin1Char('.'));
               }
               Q_UNUSED(sum);
           }));

    {
        QWidget panel;
        std::vector<TElement *> tiles;
        for (int z = 1; z <= ElementCount; ++z) {
            auto *e = new TElement(&panel);
            e->setMeltingPoint(data.field(z, Field::MeltingPointValue).toDouble());
            e->setBoilingPoint(data.field(z, Field::BoilingPointValue).toDouble());
            tiles.push_back(e);
        }
        double k = 0;
        report("write one temperature to 109 tiles (logic, hidden)", measure(6001, [&] {
                   for (TElement *e : tiles)
                       e->setTemperature(k);
                   k += 1;
               }));
    }

    QTemporaryDir settings;
    report("main window construction (no splash)", measure(15, [&] {
               TfrmAuralis w(options(settings.path()));
           }));

    TfrmAuralis w(options(settings.path()));
    w.resize(1024, 768);
    w.show();
    QTest::qWaitForWindowExposed(&w);
    QCoreApplication::processEvents();

    int position = 0;
    w.TempSlider->setValue(0);
    QCoreApplication::processEvents();
    report("slider step with repaint, sweep 0..6000", measure(6000, [&] {
               w.TempSlider->setValue(++position);
               w.repaint();
           }));

    for (QSize size : {QSize(1024, 768), QSize(3840, 2160)}) {
        bool flip = false;
        const QByteArray label = QByteArrayLiteral("full layout (FormResize + PeriodicTableResize) ") +
            QByteArray::number(size.width()) + "x" + QByteArray::number(size.height());
        report(label.constData(), measure(200, [&] {
                   // Alternate by one pixel so that every run really changes the panel.
                   w.resize(size.width(), size.height() + (flip ? 1 : 0));
                   flip = !flip;
                   w.FormResize();
               }));
    }
    w.resize(1024, 768);

    int item = 1;
    report("trend relief choice (scan, scale, depths, layout)", measure(200, [&] {
               w.MenuTrendsClick(w.trendItems[item]);
               item = item % 14 + 1;
               w.repaint();
           }));
    w.MenuTrendsClick(w.mnuNone);

    report("arrow-key move (Right) with repaint", measure(500, [&] {
               w.FormKeyDown(Qt::Key_Right, Qt::NoModifier);
               w.repaint();
           }));
    return 0;
}
