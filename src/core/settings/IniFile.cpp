#include "settings/IniFile.h"

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/Numbers.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The file is handled as a list of byte lines so that lines the program does not change
// are written back byte for byte. Each line is decoded on its own: UTF-8 when it is valid
// UTF-8, Windows-1252 otherwise. Lines the program writes are UTF-8.
namespace {

constexpr int MaxValueLength = 1023;

// Real settings files are a few kB; anything beyond this is not a settings file and is not
// read into memory.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

// A replace writes "<name>.new-XXXXXX" beside the file and renames it over the file; a kill
// between the two leaves such a copy, which the next start removes.
const QLatin1String TempInfix(".new-");
constexpr int TempSuffixLength = 6;

std::function<bool(IniFile::WriteStep)> g_fault;

bool faulted(IniFile::WriteStep step)
{
    if (g_fault && g_fault(step)) {
        errno = ENOSPC;
        return true;
    }
    return false;
}

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

    QStringDecoder utf8(QStringConverter::Utf8,
        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
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

const QByteArray Bom("\xEF\xBB\xBF");

struct Lines
{
    QByteArray bom; // a byte order mark some editors put at the start of the file
    QByteArrayList lines; // without the "\n"; a "\r" before it stays part of the line
    bool finalNewline = true;
    bool crlf = false; // lines end in "\r\n", so new lines get a "\r" too
};

Lines splitLines(const QByteArray &content)
{
    Lines result;
    if (content.isEmpty())
        return result;
    QByteArray body = content;
    if (body.startsWith(Bom)) {
        result.bom = Bom;
        body.remove(0, Bom.size());
        if (body.isEmpty())
            return result;
    }
    result.lines = body.split('\n');
    result.finalNewline = body.endsWith('\n');
    if (result.finalNewline)
        result.lines.removeLast();
    if (!result.lines.isEmpty() && result.lines.first().endsWith('\r'))
        result.crlf = true;
    return result;
}

QByteArray joinLines(const Lines &l)
{
    QByteArray out = l.bom + l.lines.join('\n');
    if (l.finalNewline && !l.lines.isEmpty())
        out += '\n';
    return out;
}

// The text of a line without its "\r". Only the file's first bytes can be a byte order
// mark (splitLines takes it off); a value that starts with U+FEFF is the value's own.
QByteArrayView lineText(QByteArrayView line)
{
    QByteArrayView text(line);
    if (text.endsWith('\r'))
        text.chop(1);
    return text;
}

// The name in a line that opens a section: "[name]" with blanks allowed around it; a
// missing "]" lets the name run to the end of the line.
QString sectionName(QByteArrayView line)
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

bool isSection(QByteArrayView line)
{
    return lineText(line).trimmed().startsWith('[');
}

// Key and value of a "key=value" line, both trimmed; false for any other line.
bool keyLine(QByteArrayView line, QString *key, QString *value)
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

enum class ReadResult {
    Read,
    Missing, // nothing at the path
    Refused, // a FIFO, device or folder, a file over the cap, or one that cannot be read
};

bool isRefusedStat(const struct stat &st)
{
    return !S_ISREG(st.st_mode) || st.st_size > MaxFileSize;
}

ReadResult readFile(const QString &path, QByteArray *content)
{
    content->clear();
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    // Looked at before opening: opening a FIFO or a device can block or act on the device.
    if (::stat(native.constData(), &st) != 0)
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing : ReadResult::Refused;
    if (isRefusedStat(st))
        return ReadResult::Refused;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Refused;
    // The path may have been swapped for something else since the look.
    if (::fstat(fd, &st) != 0 || isRefusedStat(st)) {
        ::close(fd);
        return ReadResult::Refused;
    }
    content->resize(qsizetype(st.st_size) + 1);
    qsizetype got = 0;
    while (got < content->size()) {
        const ssize_t n = ::read(fd, content->data() + got, size_t(content->size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            content->clear();
            return ReadResult::Refused;
        }
        if (n == 0)
            break;
        got += n;
        // A file that grows past the cap while it is read is refused as well.
        if (got == content->size() && got <= MaxFileSize)
            content->resize(qMin<qsizetype>(content->size() * 2, MaxFileSize + 1));
    }
    ::close(fd);
    if (got > MaxFileSize) {
        content->clear();
        return ReadResult::Refused;
    }
    content->resize(got);
    return ReadResult::Read;
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
    } else if (readFile(m_path, &content) != ReadResult::Read) {
        return def;
    }
    // A scan over the bytes, without making a list of the lines: a read costs one pass
    // over the file and no allocation per line.
    QByteArrayView all(content);
    if (all.startsWith(Bom))
        all = all.sliced(Bom.size());
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    bool inSection = false;
    qsizetype pos = 0;
    while (pos < all.size()) {
        qsizetype next = all.indexOf('\n', pos);
        if (next < 0)
            next = all.size();
        const QByteArrayView line = all.sliced(pos, next - pos);
        pos = next + 1;
        if (isSection(line)) {
            // Only the first section of the name counts.
            if (inSection)
                return def;
            inSection = sameName(sectionName(line), wantedSection);
            continue;
        }
        QString k, v;
        if (!inSection || !keyLine(line, &k, nullptr) || !sameName(k, wantedKey))
            continue;
        keyLine(line, nullptr, &v);
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

bool writeAll(int fd, const QByteArray &content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        if (faulted(IniFile::WriteStep::Write))
            return false;
        const ssize_t n = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QString randomSuffix()
{
    static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < TempSuffixLength; ++i)
        suffix += QLatin1Char(chars[QRandomGenerator::global()->bounded(int(sizeof chars) - 1)]);
    return suffix;
}

// The file a write replaces: the end of a symbolic link, so the link stays a link.
QString replaceTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// Writes content to a new file beside the target, forces it to the disk and renames it
// over the target. Each step is checked, unbuffered, so a full disk or an I/O error is
// seen before the rename: on any failure the temporary file goes and the target keeps
// every byte it had.
bool tryReplace(const QString &target, const QByteArray &content)
{
    const QByteArray nativeTarget = QFile::encodeName(target);
    struct stat st;
    bool existed = false;
    if (::stat(nativeTarget.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return false; // never replace a FIFO, a device or a folder with a file
        existed = true;
    } else if (errno != ENOENT) {
        return false;
    }

    const QFileInfo info(target);
    int fd = -1;
    QByteArray nativeTemp;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        nativeTemp = QFile::encodeName(
            info.absolutePath() + QLatin1Char('/') + info.fileName() + TempInfix + randomSuffix());
        if (faulted(IniFile::WriteStep::Create))
            return false;
        fd = ::open(nativeTemp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    // A file kept private stays private after the replace.
    bool ok = !existed || ::fchmod(fd, st.st_mode & 07777) == 0;
    ok = ok && writeAll(fd, content);
    ok = ok && !faulted(IniFile::WriteStep::Sync) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    ok = ok && !faulted(IniFile::WriteStep::Close) && closed;
    ok = ok && !faulted(IniFile::WriteStep::Rename)
        && ::rename(nativeTemp.constData(), nativeTarget.constData()) == 0;
    if (!ok) {
        ::unlink(nativeTemp.constData());
        return false;
    }
    // The rename itself reaches the disk with the folder; failing that is no reason to
    // report a write that has been done.
    const int dir = ::open(
        QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void replaceFile(const QString &path, const QByteArray &content)
{
    if (!tryReplace(replaceTarget(path), content))
        Errors::unableToWrite(QFileInfo(path).absoluteFilePath());
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
    const ReadResult read = readFile(m_path, &content);
    const bool existed = read != ReadResult::Missing;
    if (read == ReadResult::Refused) // rewriting it would lose what could not be read
        Errors::unableToWrite(QFileInfo(m_path).absoluteFilePath());
    const QByteArray updated = withValue(content, section, key, value);
    if (updated != content || !existed)
        replaceFile(m_path, updated);
}

void IniFile::beginPass()
{
    const ReadResult read = readFile(m_path, &m_passOriginal);
    m_passExisted = read != ReadResult::Missing;
    m_passUnreadable = read == ReadResult::Refused;
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

QString IniFile::checkAtStart(const QString &path)
{
    const QFileInfo target(replaceTarget(path));
    const QString prefix = target.fileName() + TempInfix;
    // Our temporary names are the prefix and TempSuffixLength letters or digits; matched
    // by hand, which keeps a pattern engine out of every start.
    const auto ours = [&prefix](const QString &name) {
        if (name.size() != prefix.size() + TempSuffixLength || !name.startsWith(prefix))
            return false;
        for (int i = prefix.size(); i < name.size(); ++i) {
            const char16_t c = name.at(i).unicode();
            if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
                return false;
        }
        return true;
    };
    const QDir folder = target.absoluteDir();
    QDirIterator entries(
        folder.path(), QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    while (entries.hasNext()) {
        entries.next();
        if (ours(entries.fileName()))
            QFile::remove(entries.filePath());
    }

    QByteArray content;
    if (readFile(path, &content) == ReadResult::Refused)
        return QCoreApplication::translate("Errors", "Cannot open file %1")
            .arg(QFileInfo(path).absoluteFilePath());
    return QString();
}

void IniFile::setFaultForTesting(std::function<bool(WriteStep)> fault)
{
    g_fault = std::move(fault);
}
