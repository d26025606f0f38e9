#include "Startup.h"

#include "Unt_spsh.h"
#include "common/ErrorBox.h"
#include "common/Forms.h"
#include "main/Unt_aura.h"
#include "settings/SettingsPath.h"
#include "toolbar/Glyphs.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"

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
    ErrorBox::setApplicationTitle(QStringLiteral("Auralis`"));
    QCoreApplication::setApplicationName(QStringLiteral("Auralis"));
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
    frmAuralis = &main;
    if (!main.tilesCreated()) {
        // The element data could not be loaded; the error has been shown. A chart
        // without its elements is of no use, so the program ends here.
        delete splash;
        frmAuralis = nullptr;
        return 1;
    }
    QObject::connect(&main, &TfrmAuralis::firstShown, [&splash] { delete splash; });
    main.show(); // the first show releases the splash

    TfrmElementInfo info(&main);
    frmElementInfo = &info;
    TfrmSetTemperature temperature(&main);
    frmSetTemperature = &temperature;
    TfrmAbout about(&main);
    frmAbout = &about;

    const int rc = app.exec();

    frmAbout = nullptr;
    frmSetTemperature = nullptr;
    frmElementInfo = nullptr;
    frmAuralis = nullptr;
    delete splash;
    return rc;
}
