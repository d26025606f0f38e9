#pragma once

#include <QString>

class QCoreApplication;

// The program's texts and the toolkit's own (buttons of message boxes, the file and colour
// choosers, the print dialog) in the language in force. Looked for beside the program in
// "translations/", the toolkit's where the toolkit keeps them. A file that is missing or
// damaged leaves the program in English with one line on standard error.
namespace Translations {

// The language for this run: requested (--language) when given, else the one stored in
// the settings file (none when settingsFile is empty), else the locale's. It becomes
// Language::current() and its translations are installed; returns the code in force ("en" when none
// could be loaded).
QString install(QCoreApplication &app, const QString &requested, const QString &settingsFile,
    const QString &programFolder);

// The folder of the program's own translation files.
QString folder(const QString &programFolder);

}
