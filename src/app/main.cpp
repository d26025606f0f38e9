#include "CommandLine.h"
#include "DesktopPlatform.h"
#include "ExportCommand.h"
#include "FontWarmUp.h"
#include "Startup.h"

int main(int argc, char *argv[])
{
    if (const auto status = CommandLine::answerInfoRequest(argc, argv))
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
    return runAuralis(app);
}
