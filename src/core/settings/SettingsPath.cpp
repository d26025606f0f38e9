#include "settings/SettingsPath.h"

#include <QDir>

namespace SettingsPath {

namespace {

// Blanks and control characters, as the command line's trimming takes them.
bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

}

QString namedFolder(const QStringList &arguments)
{
    QString text = arguments.join(QLatin1Char(' '));
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isTrimmed(text[from]))
        ++from;
    while (to > from && isTrimmed(text[to - 1]))
        --to;
    text = text.mid(from, to - from);

    if (text.startsWith(QLatin1Char('"')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('"')))
        text.chop(1);
    return text;
}

QString folderFromArguments(const QStringList &arguments, const QString &programFolder)
{
    const QString named = namedFolder(arguments);
    if (named.isEmpty())
        return withTrailingSeparator(programFolder);
    // A relative folder is taken from the current directory at start, so the settings
    // path stays the same if the program later changes directory.
    return withTrailingSeparator(QDir(named).absolutePath());
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

}
