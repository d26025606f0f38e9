#include "CommandLine.h"
#include "DesktopPlatform.h"
#include "ExportCommand.h"
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
    TApplication app(argc, argv);
    return runAuralis(app);
}
