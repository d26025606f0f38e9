#include "CommandLine.h"

#include "ExportCommand.h"
#include "Translations.h"
#include "base/Language.h"
#include "base/ProgramName.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace CommandLine {

QString usage()
{
    return QCoreApplication::translate("CommandLine",
               "Usage: auralis [SETTINGS-FOLDER]\n"
               "       auralis --export-table FILE | --export-graph FILE | --export-data FILE ...\n"
               "       auralis --help | --version\n"
               "\n"
               "Shows the periodic table of the elements.\n"
               "\n"
               "  SETTINGS-FOLDER  keep the settings file auralis.ini in this existing folder;\n"
               "                   the whole command line names it (./--help is a folder\n"
               "                   called \"--help\")\n"
               "  --help           print this text and exit\n"
               "  --version        print the program's name and version and exit\n"
               "\n"
               "Exports, written without a window or a display:\n")
        + ExportCommand::usage()
        + QCoreApplication::translate("CommandLine",
            "\n"
            "  --language CODE  use this language instead of the one chosen in Options\n"
            "                   or the system's; it comes first, before a settings folder\n"
            "                   or an export. The languages:\n"
            "                   %1\n")
              .arg(Language::accepted().join(QStringLiteral(", ")))
        + QCoreApplication::translate("CommandLine",
            "\n"
            "Without a folder, an installed program keeps its settings in\n"
            "$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its\n"
            "build or unpacked folder keeps them beside itself when it can write there.\n");
}

LanguageOption takeLanguage(int &argc, char **argv)
{
    LanguageOption option;
    bool exporting = false;
    for (int i = 1; i < argc; ++i)
        exporting = exporting || std::strncmp(argv[i], "--export-", 9) == 0;
    const int last = exporting ? argc - 1 : std::min(argc - 1, 1);
    for (int i = 1; i <= last; ++i) {
        const char *argument = argv[i];
        int taken = 0;
        QString code;
        if (std::strcmp(argument, "--language") == 0) {
            taken = i + 1 < argc ? 2 : 1;
            code = taken == 2 ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        } else if (std::strncmp(argument, "--language=", 11) == 0) {
            taken = 1;
            code = QString::fromLocal8Bit(argument + 11);
        } else {
            continue;
        }
        if (Language::accepted().contains(code))
            option.code = code;
        else
            option.error = QCoreApplication::translate("CommandLine",
                "--language: '%1' is not a language of the program; the languages are: %2")
                               .arg(code, Language::accepted().join(QStringLiteral(", ")));
        for (int j = i; j + taken <= argc; ++j)
            argv[j] = argv[j + taken];
        argc -= taken;
        break;
    }
    return option;
}

std::optional<int> answerInfoRequest(int argc, char **argv, const QString &language)
{
    // Only the option alone: "--help foo" is a folder name with a blank, as before.
    if (argc != 2)
        return std::nullopt;
    const bool help = std::strcmp(argv[1], "--help") == 0;
    if (!help && std::strcmp(argv[1], "--version") != 0)
        return std::nullopt;
    QString text = ProgramName::title() + QLatin1Char('\n');
    if (help) {
        // The help speaks the language the program would; no window is made for it.
        QCoreApplication app(argc, argv);
        const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        Translations::install(app, language, QString(), folder);
        text = usage();
    }
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}
