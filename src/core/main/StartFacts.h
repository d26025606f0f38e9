#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// What the program learns once at start and never changes: where it lives, where its
// settings are kept, the files it reads and the user's decimal separator. Folders end in
// "/".
struct StartFacts
{
    QString programFolder;
    QString settingsFolder;
    QString settingsFile;
    QString helpFile;
    QString dataFile;
    // The background picture shipped beside the program.
    QString defaultPicture;
    QChar decimalSeparator = QLatin1Char('.');

    // The facts for a program in programFolder started with these arguments.
    static StartFacts make(
        const QStringList &arguments, const QString &programFolder, QChar decimalSeparator);
    // The settings folder for the program's arguments: the folder they name, else the
    // program's folder, else, when that cannot be written, the user's configuration folder
    // (created when missing).
    static QString chooseSettingsFolder(const QStringList &arguments, const QString &programFolder);
};
