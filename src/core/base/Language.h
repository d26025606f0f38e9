#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The languages the program speaks besides English, and which of them is in force. The
// choice, in order: the command line's --language, the language stored in the settings,
// the locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English when none of them names one
// the program has.
namespace Language {

// The codes of the translations shipped, sorted: "de", "es", "fr", ….
const QStringList &shipped();
// English and the shipped codes: what --language and the settings accept.
QStringList accepted();
// The language's own name for itself ("Deutsch", "Português (Brasil)").
QString nativeName(const QString &code);

// A shipped code (or "en") for a locale name such as "de_DE.UTF-8@euro", "pt", "zh_CN",
// "en_GB"; empty when the program has no such language. A language without its country
// matches its one translation ("pt" is pt_BR, "zh" or "zh_SG" is zh_CN); Traditional
// Chinese has none.
QString match(const QString &localeName);

// The language the locale asks for: the first of LANGUAGE (a list separated by colons,
// whose first entry the program has wins), LC_ALL, LC_MESSAGES and LANG that is set
// decides. "en" where that is English, "C" or a language the program does not have.
QString fromEnvironment(const std::function<QString(const char *)> &getenv);

// The language in force: code from the command line when given, else the stored one when
// it is accepted, else the locale's. An empty or unknown stored code follows the locale.
QString choose(const QString &commandLine, const QString &stored, const QString &locale);

// The language in force for the whole run ("en" for English), set once at start.
QString current();
void setCurrent(const QString &code);

// The file of a language beside the program's file: "auralis.hlp" and "de" give
// "auralis_de.hlp"; English gives the file itself.
QString localisedFile(const QString &file, const QString &code);

}
