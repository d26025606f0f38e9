#pragma once

#include <QString>
#include <QStringList>

namespace SettingsPath {

// The settings folder from the program's own arguments (without the program name): the
// arguments joined by blanks, trimmed, one pair of enclosing double quotes removed and a
// trailing "/" appended; with no argument, the program's folder (which ends in "/"). A
// relative folder is made absolute against the current directory.
QString folderFromArguments(const QStringList &arguments, const QString &programFolder);

// The program's own folder with a trailing "/".
QString withTrailingSeparator(const QString &folder);

}
