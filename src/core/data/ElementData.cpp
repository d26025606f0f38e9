#include "data/ElementData.h"

#include "base/Cp1252.h"

#include "base/Errors.h"
#include "base/Numbers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// A real data file is about 40 KiB; anything this large is not one, and reading it whole
// would only tie up memory.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
}

void ElementData::load(const QString &path)
{
    m_lines.clear();
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        Errors::cannotOpenFile(fullPath);
    // Read in chunks: special files report size 0 and may never end.
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0 || bytes.size() + n > MaxFileSize)
            Errors::cannotOpenFile(fullPath);
        if (n == 0)
            break;
        bytes.append(chunk, n);
    }
    loadBytes(bytes);
}

void ElementData::loadBytes(const QByteArray &bytes)
{
    m_lines = splitLines(bytes);
}

QStringList ElementData::splitLines(const QByteArray &bytes)
{
    QStringList lines;
    const char *data = bytes.constData();
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();

    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char c = data[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.append(Cp1252::decode(QByteArrayView(data + start, i - start)));
        ++i;
        if (c == '\r' && i < end && data[i] == '\n')
            ++i;
        start = i;
    }
    if (start < end)
        lines.append(Cp1252::decode(QByteArrayView(data + start, end - start)));
    return lines;
}

void ElementData::fixDecimalSeparator(QChar decimalSeparator)
{
    if (decimalSeparator == QLatin1Char('.'))
        return;
    for (QString &line : m_lines) {
        const qsizetype at = line.indexOf(QLatin1Char('.'));
        if (at >= 0)
            line[at] = decimalSeparator;
    }
}

QString ElementData::field(int z, int j) const
{
    if (z < 1 || z > MaxElementCount || j < 0 || j >= FieldsPerElement)
        Errors::listIndexOutOfBounds();
    const qsizetype index = qsizetype(z - 1) * FieldsPerElement + j;
    if (index >= m_lines.size())
        Errors::listIndexOutOfBounds();
    return m_lines.at(index);
}

namespace ElementText {

bool hasValue(const QString &text)
{
    return text != QLatin1String("--");
}

double number(const QString &text, QChar decimalSeparator)
{
    return Numbers::strToFloat(text, decimalSeparator);
}

bool flag(const QString &text)
{
    return (Numbers::strToInt(text) & 0xFF) != 0;
}

QString acidBaseText(const QString &code)
{
    if (code == QLatin1String("1"))
        return QCoreApplication::translate("Fields", "Acidic");
    if (code == QLatin1String("2"))
        return QCoreApplication::translate("Fields", "Basic");
    if (code == QLatin1String("3"))
        return QCoreApplication::translate("Fields", "Amphoteric");
    return QStringLiteral("--");
}

QString crystalStructureText(const QString &code)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("Fields", "Cubic, face centered"),
        QT_TRANSLATE_NOOP("Fields", "Cubic, body centered"),
        QT_TRANSLATE_NOOP("Fields", "Cubic"),
        QT_TRANSLATE_NOOP("Fields", "Hexagonal"),
        QT_TRANSLATE_NOOP("Fields", "Rhombohedral"),
        QT_TRANSLATE_NOOP("Fields", "Tetragonal"),
        QT_TRANSLATE_NOOP("Fields", "Orthorhombic"),
        QT_TRANSLATE_NOOP("Fields", "Monoclinic"),
    };
    if (code.size() == 1 && code[0] >= QLatin1Char('1') && code[0] <= QLatin1Char('8'))
        return QCoreApplication::translate("Fields", names[code[0].unicode() - '1']);
    return QStringLiteral("--");
}

}
