// Speed figures for the hot paths. Run with ./dev bench (or bench/run_bench.sh for the
// median of several runs); the figures and the machine they came from are kept in
// BENCHMARKS.md. Runs offscreen unless a platform is named in QT_QPA_PLATFORM.
//
// Every row says what one run does. Window rows let the toolkit deliver the paint events
// the step caused (as the program's event loop would), so only what really changed is
// repainted; a paint count next to the row shows that it did happen. The program stops
// with an error when a measured step turns out not to do its work.

#include "Startup.h"
#include "Translations.h"
#include "base/Language.h"
#include "base/Numbers.h"
#include "common/Choosers.h"
#include "common/ErrorBox.h"
#include "common/ExportFile.h"
#include "data/ElementData.h"
#include "elements/Elements.h"
#include "elements/ElementsAccessible.h"
#include "main/FindRules.h"
#include "main/Relief.h"
#include "main/SharedState.h"
#include "main/TypeAhead.h"
#include "main/Unt_aura.h"
#include "settings/IniFile.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_find.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

QString shippedFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
}

// One timed run: wall-clock time, and the CPU time of this thread over the same span.
// The machine is shared; a wall time far above its CPU time was spent waiting for a core.
struct Sample
{
    double wall = 0, cpu = 0; // ms
};

double threadCpuMs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

class Stopwatch
{
public:
    Stopwatch()
        : m_cpu(threadCpuMs())
    {
        m_wall.start();
    }
    Sample elapsed() const
    {
        return { double(m_wall.nsecsElapsed()) / 1e6, threadCpuMs() - m_cpu };
    }

private:
    QElapsedTimer m_wall;
    double m_cpu;
};

struct Stats
{
    double median = 0, p99 = 0, worst = 0, best = 0;
    double cpuMedian = 0, cpuWorst = 0;
    int runs = 0;
};

Stats statsOf(const std::vector<Sample> &samples)
{
    if (samples.empty())
        return {};
    std::vector<double> ms, cpu;
    for (const Sample &s : samples) {
        ms.push_back(s.wall);
        cpu.push_back(s.cpu);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    const size_t n = ms.size();
    return { ms[n / 2], ms[n * 99 / 100], ms.back(), ms.front(), cpu[n / 2], cpu.back(), int(n) };
}

// Times f runs times; prepare (untimed) runs before each timing when given.
std::vector<Sample> timings(
    int runs, const std::function<void()> &f, const std::function<void()> &prepare = {})
{
    std::vector<Sample> samples;
    samples.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        const Stopwatch t;
        f();
        samples.push_back(t.elapsed());
    }
    return samples;
}

void report(const QByteArray &what, const Stats &s, const QByteArray &note = {})
{
    std::printf("%-62s median %9.4f ms  p99 %9.4f ms  worst %9.4f ms  best %9.4f ms  "
                "cpu-median %9.4f ms  cpu-worst %9.4f ms  n=%-5d %s\n",
        what.constData(), s.median, s.p99, s.worst, s.best, s.cpuMedian, s.cpuWorst, s.runs,
        note.constData());
    std::fflush(stdout);
}

// A count over one run, for rows where how often something happened is the figure.
void reportCount(const QByteArray &what, long long count, const QByteArray &note = {})
{
    std::printf("%-62s count %9lld  %s\n", what.constData(), count, note.constData());
    std::fflush(stdout);
}

// Times this thread gave up its core to wait (for a lock, a worker or the system): what a
// step that hands work to other threads and waits for them shows.
long long voluntaryWaits()
{
    rusage usage {};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

// The threads of this process.
int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task"))
                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                   .size());
}

// The offscreen platform's note that it ignores size hints says nothing about the figures.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    std::fprintf(stderr, "%s%s\n", type == QtDebugMsg ? "" : "warning: ", qPrintable(message));
}

long long g_readerEvents = 0;

// The sections named on the command line (language, construction, data, slider, guard,
// layout, trend, arrow, typeahead, reader, graph, settings, find, options, export), or all of
// them; for profiling one at a time.
QStringList g_sections;

bool wanted(const char *section)
{
    return g_sections.isEmpty() || g_sections.contains(QLatin1String(section));
}

[[noreturn]] void fail(const char *why)
{
    std::fprintf(stderr, "auralis_bench: %s\n", why);
    std::exit(1);
}

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    long long paints = 0;
    void watch(QWidget *w) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Delivers what is pending, the paint requests included: what the event loop does next.
void deliver()
{
    QCoreApplication::processEvents();
}

// A settings folder whose ini file keeps the first show quiet: no first-run notice, no
// colour check.
void writeQuietSettings(const QString &folder)
{
    QFile ini(folder + QStringLiteral("/auralis.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        fail("cannot write the settings file");
    ini.write("[About]\nRead=1\n[Colors]\nBackground=Gray\n");
    // AURALIS_BENCH_ELEMENTS=118: the same with elements 110 to 118 on the table.
    if (qEnvironmentVariable("AURALIS_BENCH_ELEMENTS") == QLatin1String("118"))
        ini.write("[Settings]\nElements=118\n");
}

// The program's translators, as start-up installs them, taken out again.
void removeTranslations(QCoreApplication &app)
{
    for (QTranslator *t : app.findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    Language::setCurrent(QStringLiteral("en"));
}

// What a screen reader asks of each event it hears: the object's name, role, state and,
// for a table cell, where it stands.
void readLikeAScreenReader(QAccessibleEvent *event)
{
    QAccessibleInterface *object = event->accessibleInterface();
    if (!object)
        return;
    volatile qsizetype heard
        = object->text(QAccessible::Name).size() + object->text(QAccessible::Description).size();
    heard = heard + int(object->role()) + int(object->state().focused);
    if (QAccessibleTableCellInterface *cell = object->tableCellInterface())
        heard = heard + cell->rowIndex() + cell->columnIndex();
}

// The table's events: counted, then read as above, or handed to the toolkit's bridge
// when one listens on the bus.
bool g_bridge = false;
void hear(QAccessibleEvent *event)
{
    ++g_readerEvents;
    if (g_bridge)
        QAccessible::updateAccessibility(event);
    else
        readLikeAScreenReader(event);
}

TfrmAuralis::StartOptions options(const QString &settings)
{
    TfrmAuralis::StartOptions o;
    o.arguments = { settings };
    o.programFolder = shippedFolder();
    o.decimalSeparator = QLatin1Char('.');
    return o;
}

void showAt(TfrmAuralis &w, QSize size)
{
    w.resize(size);
    for (int i = 0; i < 50 && w.size() != size; ++i)
        QTest::qWait(2);
    deliver();
    if (w.size() != size)
        fail("the window did not take the requested size");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    ErrorBox::setRecording(true);
    g_sections = app.arguments().mid(1);
    const QString bkp = shippedFolder() + QStringLiteral("auralis.bkp");
    if (!QFile::exists(bkp))
        fail("the shipped data file is not beside the program; build the auralis target");

    QTemporaryDir settings;
    writeQuietSettings(settings.path());

    // Language ---------------------------------------------------------------------------

    if (wanted("language")) {
        // The translations as start-up installs them, before any window: the program's own
        // file and the toolkit's, for --language de. The first is the one start-up pays.
        const QString program = shippedFolder();
        const auto load = timings(
            21,
            [&] {
                if (Translations::install(app, QStringLiteral("de"), QString(), program)
                    != QLatin1String("de"))
                    fail("the German translation did not load");
            },
            [&] { removeTranslations(app); });
        report("load the German translation, first in process", statsOf({ load.front() }));
        report("load the German translation, again",
            statsOf(std::vector<Sample>(load.begin() + 1, load.end())));
        const auto zh = timings(
            11,
            [&] {
                if (Translations::install(app, QStringLiteral("zh_CN"), QString(), program)
                    != QLatin1String("zh_CN"))
                    fail("the Chinese translation did not load");
            },
            [&] { removeTranslations(app); });
        report("load the Chinese translation", statsOf(zh));
        // A window in German against one in English, built the same way.
        removeTranslations(app);
        Translations::install(app, QStringLiteral("de"), QString(), program);
        std::unique_ptr<TfrmAuralis> made;
        auto german = timings(
            11, [&] { made = std::make_unique<TfrmAuralis>(options(settings.path())); },
            [&] { made.reset(); });
        if (made->FileMenu->title() == QLatin1String("&File"))
            fail("the German window's menus are English");
        made.reset();
        removeTranslations(app);
        auto english = timings(
            11, [&] { made = std::make_unique<TfrmAuralis>(options(settings.path())); },
            [&] { made.reset(); });
        made.reset();
        german.erase(german.begin()); // the first pays for what the process had not used yet
        english.erase(english.begin());
        report("construction in German (after the first)", statsOf(german));
        report("construction in English, same run (after the first)", statsOf(english));
    }

    // Construction -----------------------------------------------------------------------

    if (wanted("construction")) {
        // The constructor alone (data file, tiles, labels, settings); the splash and its
        // wait belong to start-up, not to the window. Destruction is not timed.
        std::unique_ptr<TfrmAuralis> made;
        auto ctor = timings(
            21, [&] { made = std::make_unique<TfrmAuralis>(options(settings.path())); },
            [&] { made.reset(); });
        if (!made->tilesCreated())
            fail("the window made no tiles");
        made.reset();
        // The first construction in the process pays for the style, the fonts and the
        // glyph caches: it is the one the program's start-up sees.
        report("main window construction (no splash), first in process", statsOf({ ctor.front() }));
        ctor.erase(ctor.begin());
        report("main window construction (no splash), again", statsOf(ctor));

        // Construction, first show (settings read, first layout) and the first frame.
        const auto shown = timings(
            11,
            [&] {
                made = std::make_unique<TfrmAuralis>(options(settings.path()));
                made->show();
                deliver();
            },
            [&] {
                made.reset();
                deliver();
            });
        made.reset();
        report("  construction + first show + first frame", statsOf(shown));

        // As start-up runs it: the window, its first frame, then the six tool windows in
        // their order, each reading its settings section.
        std::unique_ptr<ToolWindowSet> tools;
        const auto started = timings(
            11,
            [&] {
                made = std::make_unique<TfrmAuralis>(options(settings.path()));
                FirstFrameWatch firstFrame(*made);
                made->show();
                if (!firstFrame.wait())
                    fail("the main window was not painted");
                tools = createToolWindows(*made);
                deliver();
            },
            [&] {
                if (made)
                    made->attachToolWindows({});
                tools.reset();
                made.reset();
                deliver();
            });
        if (!tools || !tools->options)
            fail("the tool windows were not made");
        made->attachToolWindows({});
        tools.reset();
        made.reset();
        report("  construction + first frame + tool windows", statsOf(started));

        // Each tool window made and reading its section, on a shown main window.
        TfrmAuralis owner(options(settings.path()));
        owner.show();
        deliver();
        const auto toolRow = [&](const char *name, const std::function<void()> &make) {
            report(QByteArray("  tool window: ") + name + " (construction + settings)",
                statsOf(timings(11, make, deliver)));
        };
        toolRow("information", [&] {
            TfrmElementInfo w(owner.state());
            w.FormCreate();
        });
        toolRow("graph", [&] {
            TfrmGraph w(owner.state(), &owner);
            w.FormCreate();
        });
        toolRow("temperature", [&] {
            TfrmSetTemperature w(owner.state(), &owner);
            w.FormCreate();
        });
        toolRow("find", [&] {
            TfrmFindElement w(owner.state(), &owner);
            w.FormCreate();
        });
        toolRow("about", [&] { TfrmAbout w(&owner); });
        toolRow("options", [&] {
            TfrmOptions w(owner.state(), &owner);
            w.FormCreate();
        });
    }

    // Data and logic ---------------------------------------------------------------------

    if (wanted("data")) {
        report(
            "load auralis.bkp and fix up the decimal separator (\",\")", statsOf(timings(200, [&] {
                ElementData d;
                d.load(bkp);
                d.fixDecimalSeparator(QLatin1Char(','));
            })));
    }

    ElementData data;
    data.load(bkp);
    if (wanted("data")) {
        double sum = 0;
        report("convert the 109 values of one property (density)", statsOf(timings(2000, [&] {
            for (int z = 1; z <= ElementCount; ++z) {
                const QString t = data.field(z, Field::DensityValue);
                if (ElementText::hasValue(t))
                    sum += ElementText::number(t, QLatin1Char('.'));
            }
        })));
        if (!(sum > 0))
            fail("the density conversion produced nothing");
    }

    if (wanted("data")) {
        // Tiles as the window makes them (points, synthetic flag, three state colours), but
        // hidden: the write decides the colours and asks for no paint.
        QWidget panel;
        std::vector<TElement *> tiles;
        for (int z = 1; z <= ElementCount; ++z) {
            auto *e = new TElement(&panel);
            e->setSyntheticColor(Colours::Grey);
            e->setSynthetic(ElementText::flag(data.field(z, Field::Synthetic)));
            if (!e->synthetic()) {
                e->setMeltingPoint(
                    ElementText::number(data.field(z, Field::MeltingPointValue), QLatin1Char('.')));
                e->setBoilingPoint(
                    ElementText::number(data.field(z, Field::BoilingPointValue), QLatin1Char('.')));
            }
            e->setSolidColor(Colours::Black);
            e->setLiquidColor(Colours::Green);
            e->setGasColor(Colours::Yellow);
            tiles.push_back(e);
        }
        double k = 0;
        report("write one temperature to 109 tiles (logic, hidden), 0..6000",
            statsOf(timings(6001, [&] {
                for (TElement *e : tiles)
                    e->setTemperature(k);
                k += 1;
            })));
        if (tiles[0]->stateColor() != Colours::Yellow) // hydrogen is a gas at 6000 K
            fail("the temperature writes did not recolour the tiles");
    }

    // The shown window ---------------------------------------------------------------------

    TfrmAuralis w(options(settings.path()));
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        fail("the main window was not exposed");
    showAt(w, QSize(1024, 768));

    PaintCounter tilePaints;
    const int tileCount = w.state().elementCount();
    for (int z = 1; z <= tileCount; ++z)
        tilePaints.watch(w.tile(z));

    if (wanted("slider")) {
        // One slider step: the temperature, the 109 tiles' colours and descriptions, the
        // status text, and the repaint of what changed.
        // AURALIS_BENCH_SLIDER_STYLE=windows tries the slider in another style (an
        // experiment for BENCHMARKS.md; the program's own style is the default).
        const QString sliderStyle = qEnvironmentVariable("AURALIS_BENCH_SLIDER_STYLE");
        if (!sliderStyle.isEmpty()) {
            QStyle *style = QStyleFactory::create(sliderStyle);
            if (!style)
                fail("no such style");
            style->setParent(w.TempSlider);
            w.TempSlider->setStyle(style);
        }
        w.TempSlider->setValue(0);
        deliver();
        const long long waitsBefore = voluntaryWaits();
        const int threadsBefore = threadCount();
        std::vector<Sample> all, recoloured;
        for (int position = 1; position <= 6000; ++position) {
            const long long before = tilePaints.paints;
            const Stopwatch t;
            w.TempSlider->setValue(position);
            deliver();
            const Sample ms = t.elapsed();
            all.push_back(ms);
            if (tilePaints.paints != before)
                recoloured.push_back(ms);
        }
        const long long waits = voluntaryWaits() - waitsBefore;
        const int threadsAfter = threadCount();
        if (qEnvironmentVariableIsSet("AURALIS_BENCH_SLOWEST")) {
            std::vector<int> order(all.size());
            for (size_t i = 0; i < order.size(); ++i)
                order[i] = int(i);
            std::sort(order.begin(), order.end(),
                [&](int a, int b) { return all[a].wall > all[b].wall; });
            for (int i = 0; i < 10; ++i)
                std::printf("  slow step to %d K: %.4f ms (cpu %.4f ms)\n", order[i] + 1,
                    all[order[i]].wall, all[order[i]].cpu);
        }
        if (recoloured.empty() || w.state().temperature() != 6000.0f)
            fail("the slider sweep repainted no tile");
        report("slider step with repaint, sweep 0..6000 (every step)", statsOf(all),
            "tile paints " + QByteArray::number(tilePaints.paints) + ", "
                + QByteArray::number(tileCount) + " tiles");
        report("  only the steps that recoloured a tile", statsOf(recoloured));
        // Work handed to worker threads shows as waits of this thread and new threads.
        reportCount("  GUI thread waits (voluntary switches) over the sweep", waits,
            "threads " + QByteArray::number(threadsBefore) + " -> "
                + QByteArray::number(threadsAfter));
    }

    if (wanted("guard")) {
        // The readability outline at its worst: every number and symbol in a grey too close
        // to the silver face (a different grey for each class and state), so all 109 tiles draw
        // theirs. The slider sweep once more, and one full repaint of the table at 3840 x 2160 with
        // the usual colours and with these.
        const ColourScheme usual = w.state().colours();
        ColourScheme worst = usual;
        // Greys one apart from the other, so that states still change colour with the sweep.
        for (size_t i = 0; i < worst.legend.size(); ++i)
            worst.legend[i] = TColor::rgb(170 + 6 * int(i), 170 + 6 * int(i), 170 + 6 * int(i));
        const auto repaintRow = [&](const char *what) {
            showAt(w, QSize(3840, 2160));
            const long long before = tilePaints.paints;
            const auto ms = timings(100, [&] { w.PeriodicTable->repaint(); });
            if (tilePaints.paints - before < 109 * 100)
                fail("the table repaint missed tiles");
            report(QByteArray("table repaint 3840x2160, ") + what, statsOf(ms),
                "panel " + QByteArray::number(w.PeriodicTable->width()) + "x"
                    + QByteArray::number(w.PeriodicTable->height()));
            showAt(w, QSize(1024, 768));
        };
        repaintRow("usual colours (no outline)");
        w.applyColourScheme(worst);
        deliver();
        if (!w.tile(26)->symbolOutline().isValid() || !w.tile(26)->numberOutline().isValid())
            fail("the worst-case colours drew no outline");
        w.TempSlider->setValue(0);
        deliver();
        std::vector<Sample> all;
        const long long before = tilePaints.paints;
        for (int position = 1; position <= 6000; ++position) {
            const Stopwatch t;
            w.TempSlider->setValue(position);
            deliver();
            all.push_back(t.elapsed());
        }
        if (tilePaints.paints == before)
            fail("the guarded slider sweep repainted no tile");
        report("slider step with repaint, outline on every tile", statsOf(all),
            "tile paints " + QByteArray::number(tilePaints.paints - before));
        repaintRow("outline on every tile");
        w.applyColourScheme(usual);
        deliver();
    }

    for (QSize size : { QSize(1024, 768), QSize(3840, 2160) }) {
        if (!wanted("layout"))
            break;
        // One full layout at the window's real size: FormResize places the panel, whose
        // resize runs PeriodicTableResize (fonts, 109 tiles, labels, lines, legend). Before
        // each run the panel is moved off its place and laid out for a smaller size (not
        // timed), so every timed run really moves every tile back.
        showAt(w, size);
        const QRect panel = w.PeriodicTable->geometry();
        const QRect tile1 = w.tile(1)->geometry();
        int wrong = 0;
        const auto ms = timings(
            200, [&] { w.FormResize(); },
            [&] {
                if (w.tile(1)->geometry() != tile1 || w.PeriodicTable->geometry() != panel)
                    ++wrong;
                deliver();
                w.PeriodicTable->setGeometry(
                    panel.adjusted(0, 0, -panel.width() / 5, -panel.height() / 5));
                deliver();
                if (w.tile(1)->geometry() == tile1)
                    ++wrong;
            });
        if (wrong || w.tile(1)->geometry() != tile1)
            fail("the layout did not re-run");
        deliver();
        report("full layout (FormResize + PeriodicTableResize) " + QByteArray::number(size.width())
                + "x" + QByteArray::number(size.height()),
            statsOf(ms),
            "panel " + QByteArray::number(panel.width()) + "x"
                + QByteArray::number(panel.height()));

        // The same with the window really resized by a pixel, the paint included.
        bool flip = false;
        const auto resized = timings(100, [&] {
            flip = !flip;
            w.resize(size.width(), size.height() - (flip ? 1 : 0));
            deliver();
        });
        if (w.size() != size)
            fail("the window did not follow the resize");
        report("  window resize by 1 px, layout and repaint, " + QByteArray::number(size.width())
                + "x" + QByteArray::number(size.height()),
            statsOf(resized));
    }
    showAt(w, QSize(1024, 768));

    if (wanted("trend")) {
        // One trend choice: the property's 109 texts scanned and scaled into depths, the
        // layout, and the repaint of the table.
        int item = 1;
        const long long before = tilePaints.paints;
        const auto ms = timings(280, [&] {
            w.MenuTrendsClick(w.trendItems[size_t(item)]);
            item = item % 14 + 1;
            deliver();
        });
        const long long paints = tilePaints.paints - before;
        if (paints < 280LL * tileCount)
            fail("the trend choice did not repaint the tiles");
        report("trend relief choice (scan, scale, depths, layout, repaint)", statsOf(ms),
            "tile paints/run " + QByteArray::number(paints / 280));
        w.MenuTrendsClick(w.mnuNone);
        deliver();
    }

    if (wanted("arrow")) {
        // One arrow key, as a key event through the program's key hook: the selection
        // moves and the two tiles repaint.
        w.activateWindow();
        w.ElementClick(1, Qt::LeftButton);
        deliver();
        const long long before = tilePaints.paints;
        int moves = 0;
        const auto ms = timings(545, [&] {
            const int from = w.state().selectedElement();
            QTest::keyClick(&w, Qt::Key_Right);
            deliver();
            moves += w.state().selectedElement() != from;
        });
        if (moves != 545)
            fail("an arrow key did not move the selection");
        report("arrow-key move (Right) with repaint", statsOf(ms),
            "tile paints/run "
                + QByteArray::number(double(tilePaints.paints - before) / 545, 'f', 1));
    }
    if (wanted("typeahead")) {
        // One key of typing to go to an element: the search over numbers, symbols and
        // names, the selection and the status text; the selection's repaint is delivered
        // after the timing, untimed, and then once more as its own row.
        struct Typed
        {
            const char *keys;
            int lands; // the element the last key selects; 0: no element matches
        };
        const Typed typed[] = { { "26", 26 }, { "fe", 26 }, { "iro", 26 }, { "109", 109 },
            { "unq", 104 }, { "mag", 12 }, { "ti", 22 }, { "jj", 0 } };
        w.activateWindow();
        std::vector<Sample> select, repaint;
        for (int round = 0; round < 40; ++round) {
            for (const Typed &t : typed) {
                w.ElementClick(1, Qt::LeftButton);
                deliver();
                for (const char *c = t.keys; *c; ++c) {
                    const Stopwatch key;
                    QTest::keyClick(&w, *c);
                    select.push_back(key.elapsed());
                    const Stopwatch paint;
                    deliver();
                    repaint.push_back(paint.elapsed());
                }
                const int landed = w.state().selectedElement();
                if (landed != (t.lands ? t.lands : 1)) {
                    std::fprintf(stderr, "\"%s\" went to %d\n", t.keys, landed);
                    fail("typing did not go to the element");
                }
                QTest::keyClick(&w, Qt::Key_Escape);
                deliver();
            }
        }
        report("type-ahead key: search, selection, status, the click's delivery", statsOf(select));
        report("  then the rest of the repaint", statsOf(repaint));
        // The search alone at its longest: no symbol, no name's start, found inside a name.
        const SharedState &state = w.state();
        int found = 0;
        const auto search = timings(2000, [&] {
            found = TypeAhead::match(
                QStringLiteral("ngst"), state.elementCount(), [&](int z) { return state.name(z); },
                [&](int z) { return state.symbol(z); });
        });
        if (found != 74) // Tungsten
            fail("the search found the wrong element");
        report("  the search alone, a text found inside a name", statsOf(search));
    }

    if (wanted("reader")) {
        // The arrow key once more with an assistive tool listening: the focus and selection
        // events built and read as a screen reader reads them (name, role, state, cell).
        // Under AT-SPI (bench/measure_reader.py) the toolkit's bridge listens as well.
        const bool bridge = QAccessible::isActive();
        g_bridge = bridge;
        if (!bridge)
            QAccessible::setActive(true);
        ElementsAccessible::setSenderForTesting(hear);
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            QApplication::setActiveWindow(&w);
        w.ElementClick(1, Qt::LeftButton);
        w.PeriodicTable->setFocus();
        deliver();
        const long long eventsBefore = g_readerEvents;
        timespec before {}, after {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &before);
        int moves = 0;
        const auto ms = timings(545, [&] {
            const int from = w.state().selectedElement();
            QTest::keyClick(w.PeriodicTable, Qt::Key_Right);
            deliver();
            // The bridge first offers each key to the bus's listeners and hands it to the
            // window when they have let it pass: the wait for that is idle time.
            for (QElapsedTimer waited; bridge && w.state().selectedElement() == from
                 && (waited.isValid() || (waited.start(), true)) && waited.elapsed() < 2000;)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            moves += w.state().selectedElement() != from;
        });
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &after);
        ElementsAccessible::setSenderForTesting(nullptr);
        if (!bridge)
            QAccessible::setActive(false);
        const long long events = g_readerEvents - eventsBefore;
        if (moves != 545 || events < 545) {
            std::fprintf(stderr, "%d moves, %lld events\n", moves, events);
            fail("the arrow keys moved no selection a reader heard");
        }
        const double processMs = (double(after.tv_sec - before.tv_sec) * 1e3
                                     + double(after.tv_nsec - before.tv_nsec) / 1e6)
            / 545;
        report(bridge ? "arrow-key move with a reader on the bus"
                      : "arrow-key move with a reader listening",
            statsOf(ms),
            "events/move " + QByteArray::number(double(events) / 545, 'f', 1)
                + ", process CPU/move " + QByteArray::number(processMs, 'f', 4) + " ms");
    }

    if (wanted("graph")) {
        // The trend graph of Density with symbol marks: one PlotGraph into the off-screen
        // picture with the plot area at the given size (the copy to the screen is not in
        // the row), the readout for one mouse move, and a window resize with its redraw.
        TfrmGraph g(w.state(), &w);
        g.show();
        if (!QTest::qWaitForWindowExposed(&g))
            fail("the graph window was not exposed");
        g.propertyItems[5]->trigger();
        g.mnuShowSymbolPos->trigger();
        for (QSize plot : { QSize(1920, 1080), QSize(3840, 2160) }) {
            g.resize(plot + (g.size() - g.pntGraph->size()));
            for (int i = 0; i < 50 && g.pntGraph->size() != plot; ++i)
                QTest::qWait(2);
            deliver();
            if (g.pntGraph->size() != plot)
                fail("the plot area did not take the requested size");
            const int before = g.plotCount();
            const auto ms = timings(200, [&] { g.PlotGraph(); });
            if (g.plotCount() != before + 200
                || g.picture().deviceIndependentSize().toSize() != plot)
                fail("PlotGraph did not draw the picture");
            report("graph: PlotGraph, plot area " + QByteArray::number(plot.width()) + "x"
                    + QByteArray::number(plot.height()),
                statsOf(ms));
        }
        {
            const GraphGeometry::Frame &f = g.frame();
            int x = f.left() - 6, changes = 0;
            QString last;
            const auto ms = timings(
                20000,
                [&] {
                    g.pntGraphMouseMove(x);
                    x = x >= f.axisRight() + 4 ? f.left() - 6 : x + 1;
                },
                [&] {
                    changes += g.statusText(1) != last;
                    last = g.statusText(1);
                });
            if (changes < 100)
                fail("the readout did not change");
            report("graph: mouse readout, one move over the band", statsOf(ms),
                "text changes " + QByteArray::number(changes));
        }
        for (QSize size : { QSize(1024, 768), QSize(1920, 1080) }) {
            g.resize(size);
            deliver();
            const int before = g.plotCount();
            bool flip = false;
            const auto ms = timings(100, [&] {
                flip = !flip;
                g.resize(size.width(), size.height() - (flip ? 1 : 0));
                deliver();
            });
            if (g.plotCount() < before + 100)
                fail("a resize did not redraw the graph");
            report("graph: window resize by 1 px, redraw and repaint, "
                    + QByteArray::number(size.width()) + "x" + QByteArray::number(size.height()),
                statsOf(ms));
        }
        g.hide();
    }

    if (wanted("settings")) {
        // "Save Config Now": SaveSettings as the menu runs it, with the main window, the
        // element information window and the temperature dialog, into a settings file on
        // the disk the temporary folder is on (each replace is synced to the disk). Before
        // each run the file is reset to the first-run keys, so every key is written.
        QTemporaryDir folder;
        writeQuietSettings(folder.path());
        TfrmAuralis main(options(folder.path()));
        TfrmElementInfo info(main.state());
        TfrmGraph graph(main.state(), &main);
        TfrmSetTemperature temperature(main.state(), &main);
        main.attachToolWindows({ &info, &graph, &temperature });
        main.show();
        deliver();
        const QString file = main.state().settingsFile();
        main.SaveSettings();
        const QByteArray saved = [&] {
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        if (!saved.contains("[Element Info Window]") || !saved.contains("[Temperature Window]"))
            fail("the save did not write every window's section");
        report("Save Config Now (SaveSettings, all windows' sections, real disk)",
            statsOf(timings(
                30, [&] { main.SaveSettings(); }, [&] { writeQuietSettings(folder.path()); })),
            "file " + QByteArray::number(saved.size()) + " bytes");

        // A settings file of 1 MiB: a mass of other sections, then the program's own, so
        // every read looks through the whole MiB.
        QByteArray big;
        for (int i = 0; big.size() < 1024 * 1024 - saved.size() - 1; ++i)
            big += "[Extra " + QByteArray::number(i) + "]\nKey=" + QByteArray(40, 'v') + "\n";
        big += "\n" + saved;
        {
            QFile f(file);
            if (!f.open(QIODevice::WriteOnly) || f.write(big) != big.size())
                fail("cannot write the 1 MiB settings file");
        }
        report("LoadSettings from a 1 MiB settings file",
            statsOf(timings(20, [&] { main.LoadSettings(); })), "one pass");
        int top = 0;
        report("1 MiB settings file: one pass, 20 reads", statsOf(timings(20, [&] {
            IniFile ini(file);
            ini.beginPass();
            for (int i = 0; i < 20; ++i)
                top += ini.readInteger(QStringLiteral("Main Window"), QStringLiteral("Top"), 0);
            ini.commitPass();
        })));
    }
    if (wanted("find")) {
        // The find window on the main window's state, shown as the program shows it.
        TfrmFindElement find(w.state(), &w);
        find.FormCreate();
        find.show();
        if (!QTest::qWaitForWindowExposed(&find))
            fail("the find window was not exposed");
        find.selectPage(TfrmFindElement::PropertyPage);
        deliver();

        int property = 0;
        report("find: sorted property list alone (FindRules::propertyList)",
            statsOf(timings(1400, [&] {
                if (FindRules::propertyList(w.state(), property).values.isEmpty())
                    fail("a property list came out empty");
                property = (property + 1) % TrendPropertyCount;
            })));
        // A choice in the combo: the controls disabled and "Processing" drawn, the list
        // rebuilt, limits and list filled, the controls enabled again; then, in the second
        // row, the repaint of the result delivered as well.
        int index = 0;
        const auto chooseOnly = timings(
            280,
            [&] {
                find.cmbProperty->setCurrentIndex(index);
                find.cmbPropertyChange();
                index = (index + 1) % TrendPropertyCount;
            },
            deliver);
        report("find: choose a property (disable, \"Processing\" drawn, rebuild, enable)",
            statsOf(chooseOnly));
        const auto choose = timings(280, [&] {
            find.cmbProperty->setCurrentIndex(index);
            find.cmbPropertyChange();
            deliver();
            index = (index + 1) % TrendPropertyCount;
        });
        find.cmbProperty->setCurrentIndex(5);
        find.cmbPropertyChange();
        if (find.lstProperty->count() != 99 || find.txtupperLimit->text() != u"22.57")
            fail("choosing density did not build its list");
        report("  the same with the repaint of the result delivered", statsOf(choose));

        // One typed character on the symbol page: "C" becomes "Ca", the search moves the
        // selection from C - Carbon to Ca - Calcium.
        find.selectPage(TfrmFindElement::SymbolPage);
        const auto reset = [&] {
            find.txtSymbol->setText(QStringLiteral("C"));
            find.txtSymbol->end(false);
            deliver();
        };
        const auto typed = timings(
            2000, [&] { QTest::keyClick(find.txtSymbol, Qt::Key_A); }, reset);
        if (!find.lstSymbol->currentItem()
            || find.lstSymbol->currentItem()->text() != u"Ca - Calcium")
            fail("typing did not move the selection");
        report("find: type one character (search and selection)", statsOf(typed));
        const auto typedPainted = timings(
            500,
            [&] {
                QTest::keyClick(find.txtSymbol, Qt::Key_A);
                deliver();
            },
            reset);
        report("  the same with the repaint delivered", statsOf(typedPainted));
        const QStringList entries = FindRules::nameEntries(w.state(), true);
        const QString last = entries.last().left(2);
        report("find: search alone, match at the last of 109 entries", statsOf(timings(5000, [&] {
            if (FindRules::searchFrom(entries, last, 0) != entries.size() - 1)
                fail("the search missed");
        })));
        find.hide();
        deliver();
    }
    if (wanted("options")) {
        // OK of the options dialog with a new Metals colour: the scheme handed to the main
        // window, 109 tiles recoloured and given their temperature, the legend, the
        // picture, and the repaint. Before each run (not timed) the dialog is loaded afresh
        // and the chooser answers another colour, so every run really recolours.
        TfrmOptions options(w.state(), &w);
        TfrmAuralis::ToolWindows tools;
        tools.options = &options;
        w.attachToolWindows(tools);
        Choosers::setAnswering(true);
        int step = 0;
        TColor chosen;
        int wrong = 0;
        const long long before = tilePaints.paints;
        const auto ms = timings(
            200,
            [&] {
                options.ButtonClick(options.butOK);
                deliver();
            },
            [&] {
                if (step > 0 && w.tile(26)->numberColor() != chosen)
                    ++wrong;
                ++step;
                chosen = TColor::rgb(step % 2 ? 200 : 10, 20, step % 256);
                options.FormShow();
                Choosers::answerColour(chosen.resolve());
                options.ButtonClick(options.butMetals);
            });
        const long long paints = tilePaints.paints - before;
        if (wrong || w.tile(26)->numberColor() != chosen || paints < 200LL * tileCount)
            fail("the options OK did not recolour the tiles");
        report("options OK: new colours to 109 tiles with repaint", statsOf(ms),
            "tile paints/run " + QByteArray::number(paints / 200));
        w.attachToolWindows({});
    }

    if (wanted("export")) {
        // The exports as the File menu and the graph window write them, into files in a
        // temporary folder (temporary file, rename): the table of the shown 1024 × 768
        // window to a PNG of 3508 × 2480, to SVG and to a landscape A4 PDF; the Density
        // graph at 800 × 500 to SVG; all element data to CSV.
        QTemporaryDir folder;
        writeQuietSettings(folder.path());
        TfrmAuralis main(options(folder.path()));
        main.show();
        showAt(main, QSize(1024, 768));
        TfrmGraph graph(main.state(), &main);
        graph.propertyItems[5]->trigger();
        auto written = [&folder](const char *name) {
            return QFileInfo(folder.filePath(QLatin1String(name))).size();
        };
        for (const char *name : { "table.png", "table.svg", "table.pdf" }) {
            const QString file = folder.filePath(QLatin1String(name));
            const auto ms = timings(7, [&] { main.exportTable(file, ExportFile::Options()); });
            if (written(name) < 10000)
                fail("the table export wrote no picture");
            report(QByteArray("export table to ") + name, statsOf(ms),
                "file " + QByteArray::number(written(name) / 1024) + " KiB");
        }
        const QString svg = folder.filePath(QStringLiteral("graph.svg"));
        const auto g = timings(20, [&] { graph.exportGraph(svg, QSize(800, 500)); });
        if (written("graph.svg") < 1000)
            fail("the graph export wrote no picture");
        report("export graph (Density, 800 x 500) to SVG", statsOf(g));
        const QString csv = folder.filePath(QStringLiteral("data.csv"));
        const auto d = timings(50, [&] { main.exportData(csv); });
        if (written("data.csv") < 10000)
            fail("the data export wrote no table");
        report("export all element data to CSV", statsOf(d),
            "file " + QByteArray::number(written("data.csv") / 1024) + " KiB");
    }

    // A step that raised an error box did not do its work: its figure means nothing.
    if (!ErrorBox::recorded().isEmpty()) {
        for (const QString &message : ErrorBox::recorded())
            std::fprintf(stderr, "error box: %s\n", qPrintable(message));
        fail("the program reported errors while it was measured");
    }
    return 0;
}
