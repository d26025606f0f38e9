#include "Startup.h"

#include "Unt_spsh.h"
#include "base/ProgramName.h"
#include "common/ErrorBox.h"
#include "main/Unt_aura.h"
#include "settings/SettingsPath.h"
#include "toolbar/Glyphs.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_find.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QLocale>
#include <QPointer>

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

int runAuralis(QApplication &app)
{
    // The title captions the error box: the product name and a grave accent.
    ErrorBox::setApplicationTitle(ProgramName::name() + QLatin1Char('`'));
    QCoreApplication::setApplicationName(ProgramName::name());
    // Lets a desktop match the window to its menu entry (and so to the installed icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.auralis"));
    QApplication::setWindowIcon(Glyphs::icon(Glyphs::Program));

    QPointer<TfrmSplash> splash = new TfrmSplash;
    ErrorBox::setHiddenOnError(splash);
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    waitForSplash(*splash);

    TfrmAuralis::StartOptions options;
    // A folder named in bytes that are not UTF-8 is still the folder named.
    const auto *own = dynamic_cast<const TApplication *>(&app);
    options.arguments
        = own ? SettingsPath::argumentsFromBytes(own->rawArguments()) : app.arguments().mid(1);
    options.programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString point = QLocale::system().decimalPoint();
    options.decimalSeparator = point.isEmpty() ? QLatin1Char('.') : point.at(0);

    TfrmAuralis main(options);
    if (!main.tilesCreated()) {
        // The element data could not be loaded; the error has been shown. A chart
        // without its elements is of no use, so the program ends here.
        delete splash;
        return 1;
    }
    QObject::connect(&main, &TfrmAuralis::firstShown, [&splash] { delete splash; });
    main.show(); // the first show releases the splash

    // The tool windows, in their order of creation; each reads its settings as it is
    // attached.
    TfrmElementInfo info(main.state());
    TfrmGraph graph(main.state(), &main);
    TfrmSetTemperature temperature(main.state(), &main);
    TfrmFindElement find(main.state(), &main);
    TfrmAbout about(&main);
    TfrmOptions frmOptions(main.state(), &main);
    main.attachToolWindows({ &info, &graph, &temperature, &find, &about, &frmOptions });
    frmOptions.setTableColoursOnly(false); // full mode: all three pages

    const int rc = app.exec();

    delete splash;
    return rc;
}
