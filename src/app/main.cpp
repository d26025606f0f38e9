#include "ExportCommand.h"
#include "Startup.h"

int main(int argc, char *argv[])
{
    // The exports draw without a window, so they need no display.
    if (ExportCommand::wanted(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        ExportCommand::quietToolkit();
    }
    TApplication app(argc, argv);
    return runAuralis(app);
}
