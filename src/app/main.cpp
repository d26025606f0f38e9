#include "CommandLine.h"
#include "DesktopPlatform.h"
#include "ExportCommand.h"
#include "FontWarmUp.h"
#include "Startup.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    const CommandLine::LanguageOption language = CommandLine::takeLanguage(argc, argv);
    if (!language.error.isEmpty()) {
        std::fprintf(stderr, "auralis: %s\n", language.error.toLocal8Bit().constData());
        return 2;
    }
    if (const auto status = CommandLine::answerInfoRequest(argc, argv, language.code))
        return *status;
    if (ExportCommand::wanted(argc, argv)) {
        // The exports draw without a window, so they need no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        ExportCommand::quietToolkit();
    } else {
        DesktopPlatform::choose(argc, argv);
    }
    FontWarmUp fonts;
    TApplication app(argc, argv);
    fonts.join();
    return runAuralis(app, language.code);
}
