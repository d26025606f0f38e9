#include "CommandLine.h"
#include "DesktopPlatform.h"
#include "Startup.h"

int main(int argc, char *argv[])
{
    if (const auto status = CommandLine::answerInfoRequest(argc, argv))
        return *status;
    DesktopPlatform::choose(argc, argv);
    TApplication app(argc, argv);
    return runAuralis(app);
}
