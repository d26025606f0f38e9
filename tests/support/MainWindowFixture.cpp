#include "MainWindowFixture.h"

#include <QTest>

TfrmAuralis::StartOptions MainWindowFixture::startOptions(
    const QString &settingsFolder, const QString &programFolder, QChar separator, QSize screen)
{
    TfrmAuralis::StartOptions o;
    o.arguments = QStringList { settingsFolder };
    o.programFolder = programFolder;
    o.decimalSeparator = separator;
    o.screenSize = screen;
    return o;
}

MainWindowFixture::MainWindowFixture(const TfrmAuralis::StartOptions &startOptions, int tools)
    : main(std::make_unique<TfrmAuralis>(startOptions))
{
    if (tools)
        makeTools(tools);
}

MainWindowFixture::~MainWindowFixture()
{
    main->attachToolWindows({});
    options.reset();
    about.reset();
    find.reset();
    temperature.reset();
    graph.reset();
    info.reset();
}

void MainWindowFixture::makeTools(int tools)
{
    const SharedState &state = main->state();
    if ((tools & Info) && !info)
        info = std::make_unique<TfrmElementInfo>(state);
    if ((tools & Graph) && !graph)
        graph = std::make_unique<TfrmGraph>(state, main.get());
    if ((tools & Temperature) && !temperature)
        temperature = std::make_unique<TfrmSetTemperature>(state, main.get());
    if ((tools & Find) && !find)
        find = std::make_unique<TfrmFindElement>(state, main.get());
    if ((tools & About) && !about)
        about = std::make_unique<TfrmAbout>(main.get());
    if ((tools & Options) && !options)
        options = std::make_unique<TfrmOptions>(state, main.get());
    main->attachToolWindows(
        { info.get(), graph.get(), temperature.get(), find.get(), about.get(), options.get() });
}

bool MainWindowFixture::showActive()
{
    main->show();
    main->activateWindow();
    return QTest::qWaitForWindowActive(main.get());
}
