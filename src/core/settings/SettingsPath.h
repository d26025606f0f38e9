#pragma once

#include <QString>
#include <QStringList>

namespace SettingsPath {

// The folder the program's own arguments (without the program name) name: the arguments
// joined by blanks, blanks and control characters trimmed, one pair of enclosing double
// quotes removed. Empty when they name none.
QString namedFolder(const QStringList &arguments);

// The settings folder: the named folder, made absolute against the current directory,
// with a trailing "/"; without one, the program's folder (which ends in "/").
QString folderFromArguments(const QStringList &arguments, const QString &programFolder);

// The program's own folder with a trailing "/".
QString withTrailingSeparator(const QString &folder);

}
