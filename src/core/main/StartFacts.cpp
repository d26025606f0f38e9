#include "main/StartFacts.h"

#include "settings/SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

StartFacts StartFacts::make(
    const QStringList &arguments, const QString &programFolder, QChar decimalSeparator)
{
    StartFacts f;
    f.programFolder = programFolder;
    f.settingsFolder = chooseSettingsFolder(arguments, programFolder);
    f.settingsFile = f.settingsFolder + QStringLiteral("auralis.ini");
    f.helpFile = programFolder + QStringLiteral("auralis.hlp");
    f.dataFile = programFolder + QStringLiteral("auralis.bkp");
    f.defaultPicture = programFolder + QStringLiteral("auraback.bmp");
    f.decimalSeparator = decimalSeparator;
    return f;
}

QString StartFacts::chooseSettingsFolder(const QStringList &arguments, const QString &programFolder)
{
    const QString folder = SettingsPath::folderFromArguments(arguments, programFolder);
    const bool installed = SettingsPath::isInstalled(programFolder);
    if (!SettingsPath::namedFolder(arguments).isEmpty()
        || (!installed && QFileInfo(programFolder).isWritable()))
        return folder;

    // An installed program's folder is not the user's to write, not even root's: a file
    // left there would outlive the package.
    QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty())
        config
            = QDir::homePath() + QStringLiteral("/.config/") + QCoreApplication::applicationName();
    if (!QDir().mkpath(config) && !installed)
        return folder;
    // A folder that cannot be made is reported by the first save that needs it.
    return SettingsPath::withTrailingSeparator(config);
}
