#include "main/StartFacts.h"

#include "settings/SettingsPath.h"

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
    if (!SettingsPath::namedFolder(arguments).isEmpty() || QFileInfo(programFolder).isWritable())
        return folder;

    // An installed program's folder is not the user's to write: use the user's own place.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty() || !QDir().mkpath(config))
        return folder;
    return SettingsPath::withTrailingSeparator(config);
}
