#include "settings/IniFile.h"

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/Numbers.h"

#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

// The file is handled as a list of byte lines so that lines the program does not change
// are written back byte for byte. Each line is decoded on its own: UTF-8 when it is valid
// UTF-8, Windows-1252 otherwise. Lines the program writes are UTF-8.
namespace {

constexpr int MaxValueLength = 1023;

QString decodeLine(QByteArrayView bytes)
{
    bool ascii = true;
    for (char c : bytes) {
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes);

    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;

    return Cp1252::decode(bytes);
}

// Line breaks inside a name or value would split the line and corrupt the file.
QByteArray encodeField(const QString &text)
{
    QString safe = text;
    safe.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return safe.toUtf8();
}

struct Lines
{
    QByteArrayList lines; // without the "\n"; a "\r" before it stays part of the line
    bool finalNewline = true;
    bool crlf = false; // lines end in "\r\n", so new lines get a "\r" too
};

Lines splitLines(const QByteArray &content)
{
    Lines result;
    if (content.isEmpty())
        return result;
    result.lines = content.split('\n');
    result.finalNewline = content.endsWith('\n');
    if (result.finalNewline)
        result.lines.removeLast();
    if (!result.lines.isEmpty() && result.lines.first().endsWith('\r'))
        result.crlf = true;
    return result;
}

QByteArray joinLines(const Lines &l)
{
    QByteArray out = l.lines.join('\n');
    if (l.finalNewline && !l.lines.isEmpty())
        out += '\n';
    return out;
}

// The text of a line without its "\r" and without the byte order mark some editors put
// at the start of the file.
QByteArrayView lineText(const QByteArray &line)
{
    QByteArrayView text(line);
    if (text.endsWith('\r'))
        text.chop(1);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    return text;
}

// The name in a line that opens a section: "[name]" with blanks allowed around it; a
// missing "]" lets the name run to the end of the line.
QString sectionName(const QByteArray &line)
{
    const QByteArrayView bytes = lineText(line).trimmed();
    if (!bytes.startsWith('['))
        return QString();
    QByteArrayView name = bytes.sliced(1);
    const qsizetype close = name.indexOf(']');
    if (close >= 0)
        name = name.first(close);
    return decodeLine(name).trimmed();
}

bool isSection(const QByteArray &line)
{
    return lineText(line).trimmed().startsWith('[');
}

// Key and value of a "key=value" line, both trimmed; false for any other line.
bool keyLine(const QByteArray &line, QString *key, QString *value)
{
    const QByteArrayView bytes = lineText(line);
    const qsizetype eq = bytes.indexOf('=');
    if (eq < 0 || isSection(line))
        return false;
    if (key)
        *key = decodeLine(bytes.first(eq)).trimmed();
    if (value)
        *value = decodeLine(bytes.sliced(eq + 1)).trimmed();
    return true;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first line that opens the section, or -1.
qsizetype findSection(const Lines &l, const QString &section)
{
    const QString wanted = section.trimmed();
    for (qsizetype i = 0; i < l.lines.size(); ++i) {
        if (!isSection(l.lines[i]))
            continue;
        if (sameName(sectionName(l.lines[i]), wanted))
            return i;
    }
    return -1;
}

// One past the last line of the section that opens at line start.
qsizetype sectionEnd(const Lines &l, qsizetype start)
{
    qsizetype i = start + 1;
    while (i < l.lines.size() && !isSection(l.lines[i]))
        ++i;
    return i;
}

bool readFile(const QString &path, QByteArray *content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *content = file.readAll();
    return file.error() == QFileDevice::NoError;
}

}

IniFile::IniFile(const QString &path)
    : m_path(path)
{
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    QByteArray content;
    if (m_inPass) {
        if (m_passUnreadable)
            return def;
        content = m_passContent;
    } else if (!readFile(m_path, &content)) {
        return def;
    }
    const Lines l = splitLines(content);
    const qsizetype start = findSection(l, section);
    if (start < 0)
        return def;
    const QString wanted = key.trimmed();
    const qsizetype end = sectionEnd(l, start);
    for (qsizetype i = start + 1; i < end; ++i) {
        QString k, v;
        if (!keyLine(l.lines[i], &k, &v) || !sameName(k, wanted))
            continue;
        if (v.size() > MaxValueLength)
            v.truncate(
                v.at(MaxValueLength - 1).isHighSurrogate() ? MaxValueLength - 1 : MaxValueLength);
        return v;
    }
    return def;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    int value = def;
    if (!Numbers::tryStrToInt(readString(section, key, QString()), &value))
        return def;
    return value;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

namespace {

QByteArray withValue(
    const QByteArray &content, const QString &section, const QString &key, const QString &value)
{
    Lines l = splitLines(content);
    const QByteArray newLine = encodeField(key.trimmed()) + '=' + encodeField(value);
    const QByteArray cr = l.crlf ? QByteArray("\r") : QByteArray();

    const qsizetype start = findSection(l, section);
    if (start < 0) {
        if (!l.lines.isEmpty())
            l.lines.append(cr); // a blank line before the new section
        l.lines.append('[' + encodeField(section.trimmed()) + ']' + cr);
        l.lines.append(newLine + cr);
        l.finalNewline = true;
    } else {
        const QString wanted = key.trimmed();
        const qsizetype end = sectionEnd(l, start);
        qsizetype lastKey = start;
        qsizetype found = -1;
        for (qsizetype i = start + 1; i < end && found < 0; ++i) {
            QString k;
            if (!keyLine(l.lines[i], &k, nullptr))
                continue;
            lastKey = i;
            if (sameName(k, wanted))
                found = i;
        }
        if (found >= 0) {
            // Keep the key as the file spells it; only the value changes.
            QByteArray &line = l.lines[found];
            const bool hadCr = line.endsWith('\r');
            line = line.left(line.indexOf('=') + 1) + encodeField(value) + (hadCr ? "\r" : "");
        } else {
            l.lines.insert(lastKey + 1, newLine + cr);
            if (lastKey + 1 == l.lines.size() - 1)
                l.finalNewline = true;
        }
    }

    return joinLines(l);
}

void replaceFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()
        || !file.commit()) {
        file.cancelWriting();
        Errors::unableToWrite(QFileInfo(path).absoluteFilePath());
    }
}

}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    if (m_inPass) {
        if (!m_passUnreadable)
            m_passContent = withValue(m_passContent, section, key, value);
        return;
    }
    QByteArray content;
    const bool existed = QFileInfo::exists(m_path);
    if (existed && !readFile(m_path, &content)) // rewriting it would lose what could not be read
        Errors::unableToWrite(QFileInfo(m_path).absoluteFilePath());
    const QByteArray updated = withValue(content, section, key, value);
    if (updated != content || !existed)
        replaceFile(m_path, updated);
}

void IniFile::beginPass()
{
    m_passExisted = QFileInfo::exists(m_path);
    m_passOriginal.clear();
    m_passUnreadable = m_passExisted && !readFile(m_path, &m_passOriginal);
    m_passContent = m_passOriginal;
    m_inPass = true;
}

void IniFile::commitPass()
{
    if (!m_inPass)
        return;
    m_inPass = false;
    if (m_passUnreadable)
        Errors::unableToWrite(QFileInfo(m_path).absoluteFilePath());
    // A pass that wrote nothing leaves even a missing file missing.
    if (m_passContent != m_passOriginal || (!m_passExisted && !m_passContent.isEmpty()))
        replaceFile(m_path, m_passContent);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
