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

// The program's arguments from the bytes the system passed them in. Names are decoded as
// the file system decodes them; a named folder whose bytes are not UTF-8 cannot be held
// in a path text, so that folder is opened as it is named and given as the path of the
// open folder ("/proc/self/fd/N", kept open while the program runs), which every file
// operation then reaches. A folder that cannot be opened keeps its decoded name.
QStringList argumentsFromBytes(const QList<QByteArray> &raw);

// The file the install step puts beside an installed program. Its presence, and nothing
// else, tells an installed program (settings in the user's configuration folder, even for
// root, who could write into the installed tree) from one run where it was built or
// unpacked (settings beside the program when that folder can be written).
inline QString installedMarker()
{
    return QStringLiteral("auralis.installed");
}
bool isInstalled(const QString &programFolder);

// The program's own folder with a trailing "/".
QString withTrailingSeparator(const QString &folder);

}
