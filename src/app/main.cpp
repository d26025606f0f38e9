#include "Startup.h"

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    return runAuralis(app);
}
