#pragma once

#include <QString>

#include <optional>

// The options the program answers before it starts its windows. Any other command line
// names the settings folder, as the program has always taken it.
namespace CommandLine {

// The text printed for "--help".
QString usage();

// "--language CODE" or "--language=CODE", taken out of the arguments: as the first
// argument (what follows is the settings folder as ever), or anywhere in an export's
// options. code: the language asked for, empty when none; error: the message for a code
// the program does not know, or a missing code.
struct LanguageOption
{
    QString code;
    QString error;
};
LanguageOption takeLanguage(int &argc, char **argv);

// When the arguments (argv[1..]) are exactly "--help" or "--version", prints the answer
// on standard output and gives the exit status; otherwise nothing. Needs no display; the
// help is printed in the language in force (language: the one asked for, or empty).
std::optional<int> answerInfoRequest(int argc, char **argv, const QString &language);

}
