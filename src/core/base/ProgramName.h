#pragma once

#include "base/ProgramVersion.h"

#include <QString>

// The program's name and version as it calls itself.
namespace ProgramName {

inline QString name()
{
    return QStringLiteral("Auralis");
}
inline QString version()
{
    return QStringLiteral(AURALIS_VERSION);
}
// "Auralis 1.8a" (name and version): the main window's caption and the version line of the splash
// and about box.
inline QString title()
{
    return name() + QLatin1Char(' ') + version();
}

}
