#include "settings/SettingsPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <fcntl.h>

namespace SettingsPath {

namespace {

// Blanks and control characters, as the command line's trimming takes them.
bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

// namedFolder's rules on the bytes.
QByteArray namedFolderBytes(const QList<QByteArray> &raw)
{
    QByteArray text = raw.join(' ');
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && uchar(text[from]) <= 0x20)
        ++from;
    while (to > from && uchar(text[to - 1]) <= 0x20)
        --to;
    text = text.mid(from, to - from);
    if (text.startsWith('"'))
        text.remove(0, 1);
    if (text.endsWith('"'))
        text.chop(1);
    return text;
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

QStringList argumentsFromBytes(const QList<QByteArray> &raw)
{
    QStringList decoded;
    for (const QByteArray &argument : raw)
        decoded.append(QFile::decodeName(argument));

    const QByteArray named = namedFolderBytes(raw);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(named); // decodes only when converted
    Q_UNUSED(text);
    if (!utf8.hasError())
        return decoded;
    const int fd = ::open(named.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return decoded;
    return { QStringLiteral("/proc/self/fd/%1").arg(fd) };
}

bool isInstalled(const QString &programFolder)
{
    return QFileInfo::exists(withTrailingSeparator(programFolder) + installedMarker());
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

}
