#include "Startup.h"

#include "Unt_spsh.h"
#include "base/ProgramName.h"
#include "common/ErrorBox.h"
#include "main/Unt_aura.h"
#include "toolbar/Glyphs.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QLocale>
#include <QPointer>

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
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
    QApplication::setWindowIcon(Glyphs::icon(Glyphs::Program));

    QPointer<TfrmSplash> splash = new TfrmSplash;
    ErrorBox::setHiddenOnError(splash);
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    waitForSplash(*splash);

    TfrmAuralis::StartOptions options;
    options.arguments = app.arguments().mid(1);
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
    TfrmSetTemperature temperature(main.state(), &main);
    TfrmAbout about(&main);
    TfrmOptions frmOptions(main.state(), &main);
    main.attachToolWindows({ &info, &temperature, &about, &frmOptions });
    frmOptions.setTableColoursOnly(false); // full mode: all three pages

    const int rc = app.exec();

    delete splash;
    return rc;
}
