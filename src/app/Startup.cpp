#include "Startup.h"

#include "ExportCommand.h"
#include "SessionEnd.h"
#include "Translations.h"
#include "Unt_spsh.h"
#include "base/CpuTimeReport.h"
#include "base/ProgramName.h"
#include "common/ErrorBox.h"
#include "main/StartFacts.h"
#include "main/Unt_aura.h"
#include "settings/SettingsPath.h"
#include "toolbar/Glyphs.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_find.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <ctime>

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    for (int i = 1; i < argc; ++i)
        m_rawArguments.append(QByteArray(argv[i]));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    ErrorBox::guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

void waitForSplash(const TfrmSplash &splash)
{
    while (splash.ticks() <= 2)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

FirstFrameWatch::FirstFrameWatch(QWidget &window)
    : m_window(window)
{
    m_window.installEventFilter(this);
}

FirstFrameWatch::~FirstFrameWatch()
{
    m_window.removeEventFilter(this);
}

bool FirstFrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Paint)
        m_painted = true;
    return false;
}

bool FirstFrameWatch::wait(int timeoutMs)
{
    // Wakes the wait when nothing else comes.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(timeoutMs);
    QElapsedTimer clock;
    clock.start();
    // The paint of the whole window (its children and the flush included) happens within
    // one round of processing, so the round that saw the first paint event completes it.
    while (!m_painted && m_window.isVisible() && !m_window.isMinimized()
        && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(
            QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    return m_painted;
}

ToolWindowSet::~ToolWindowSet() = default;

std::unique_ptr<ToolWindowSet> createToolWindows(TfrmAuralis &main)
{
    auto tools = std::make_unique<ToolWindowSet>();
    tools->info = std::make_unique<TfrmElementInfo>(main.state());
    tools->graph = std::make_unique<TfrmGraph>(main.state(), &main);
    tools->temperature = std::make_unique<TfrmSetTemperature>(main.state(), &main);
    tools->find = std::make_unique<TfrmFindElement>(main.state(), &main);
    tools->about = std::make_unique<TfrmAbout>(&main);
    tools->options = std::make_unique<TfrmOptions>(main.state(), &main);
    main.attachToolWindows({ tools->info.get(), tools->graph.get(), tools->temperature.get(),
        tools->find.get(), tools->about.get(), tools->options.get() });
    tools->options->setTableColoursOnly(false); // full mode: all three pages
    return tools;
}

int runAuralis(QApplication &app, const QString &language)
{
    const auto *ownApp = dynamic_cast<const TApplication *>(&app);
    // A folder named in bytes that are not UTF-8 is still the folder named.
    const QStringList arguments = ownApp ? SettingsPath::argumentsFromBytes(ownApp->rawArguments())
                                         : app.arguments().mid(1);
    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    // Every text from here on is in the language in force, the exports' included; an
    // export takes it from the settings it is given.
    const ExportCommand::Parsed exportRequest = ExportCommand::parse(arguments);
    QStringList settingsArguments = arguments;
    if (exportRequest.isExport)
        settingsArguments = exportRequest.request.settings
            ? QStringList { *exportRequest.request.settings }
            : QStringList();
    Translations::install(app, language,
        StartFacts::make(settingsArguments, programFolder, QLatin1Char('.')).settingsFile,
        programFolder);

    if (const auto exported = ExportCommand::runIfAsked(arguments))
        return *exported;

    // The title captions the error box: the product name and a grave accent.
    ErrorBox::setApplicationTitle(ProgramName::name() + QLatin1Char('`'));
    QCoreApplication::setApplicationName(ProgramName::name());
    // Lets a desktop match the window to its menu entry (and so to the installed icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.auralis"));
    QApplication::setWindowIcon(Glyphs::icon(Glyphs::Program));

    // bench/measure_memory.sh sets this to compare start-up with a bare window: the splash
    // is shown but not waited for, and the time of the first painted frame is written out.
    const bool benchStartup = qEnvironmentVariableIsSet("AURALIS_BENCH_STARTUP");
    if (benchStartup)
        CpuTimeReport::onSignal(); // the script reads the CPU time so far

    QPointer<TfrmSplash> splash = new TfrmSplash;
    ErrorBox::setHiddenOnError(splash);
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    if (!benchStartup)
        waitForSplash(*splash);

    TfrmAuralis::StartOptions options;
    options.arguments = arguments;
    options.programFolder = programFolder;
    const QString point = QLocale::system().decimalPoint();
    options.decimalSeparator = point.isEmpty() ? QLatin1Char('.') : point.at(0);

    TfrmAuralis main(options);
    if (!main.tilesCreated()) {
        // The element data could not be loaded; the error has been shown. A chart
        // without its elements is of no use, so the program ends here.
        delete splash;
        return 1;
    }
    // From here a session that ends (a signal, the session manager) closes the program as
    // the user would, also while the first show's notices are open.
    SessionEnd sessionEnd(&main, [&main] {
        if (main.state().mark(SharedState::Mark::SaveOnExit))
            ErrorBox::guarded([&main] { main.SaveSettings(); });
    });
    QObject::connect(&main, &TfrmAuralis::firstShown, [&splash] { delete splash; });
    // Closing the main window ends the program: the help, a floating toolbar or a tool
    // window left open would otherwise keep it running without it. Every running loop
    // ends, a print preview's too.
    QObject::connect(&main, &TfrmAuralis::closed, &app, [] { QCoreApplication::exit(0); });
    FirstFrameWatch firstFrame(main);
    main.show(); // the first show releases the splash

    // The user sees the table first; the tool windows follow before any key or click
    // that came meanwhile is handled, so such input finds them in place.
    firstFrame.wait();
    if (benchStartup) {
        timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        std::fprintf(stderr, "first frame at %lld ns\n",
            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stderr);
    }
    const std::unique_ptr<ToolWindowSet> tools = createToolWindows(main);

    // Ended while the first show's boxes were open: the loop below would not see it.
    if (sessionEnd.ended()) {
        delete splash;
        return 0;
    }
    const int rc = app.exec();

    delete splash;
    return rc;
}
