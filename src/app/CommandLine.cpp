#include "CommandLine.h"

#include "ExportCommand.h"
#include "base/ProgramName.h"

#include <QCoreApplication>
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
            "Without a folder, an installed program keeps its settings in\n"
            "$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its\n"
            "build or unpacked folder keeps them beside itself when it can write there.\n");
}

std::optional<int> answerInfoRequest(int argc, const char *const *argv)
{
    // Only the option alone: "--help foo" is a folder name with a blank, as before.
    if (argc != 2)
        return std::nullopt;
    QString text;
    if (std::strcmp(argv[1], "--help") == 0)
        text = usage();
    else if (std::strcmp(argv[1], "--version") == 0)
        text = ProgramName::title() + QLatin1Char('\n');
    else
        return std::nullopt;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}
