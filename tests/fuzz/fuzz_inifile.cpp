// The ini layer on an arbitrary file: reads never crash and stay within 1023 characters;
// a write changes only its own line (or adds its key, or its section at the end), leaves
// every other line byte for byte, and reads back as written. The first input byte picks
// the section and key names, the next the value's length; the value follows and the rest
// is the file.
#include "base/Errors.h"
#include "settings/IniFile.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

void require(bool condition, const char *property)
{
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

QString iniPath()
{
    static const QString path = [] {
        // A file system in memory where there is one: a file is written for every input.
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        static const QString folder = base + QStringLiteral("/fuzz_inifile.%1").arg(::getpid());
        QDir().mkpath(folder);
        std::atexit([] { QDir(folder).removeRecursively(); });
        return folder + QStringLiteral("/auralis.ini");
    }();
    return path;
}

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    require(f.open(QIODevice::ReadOnly), "the written file can be read");
    return f.readAll();
}

// The value as a read gives it back: line breaks written as blanks, blanks around it
// trimmed, at most 1023 characters without half of a surrogate pair.
QString expectedReadBack(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    v = v.trimmed();
    if (v.size() > 1023)
        v.truncate(v.at(1022).isHighSurrogate() ? 1022 : 1023);
    return v;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static const QString sections[] = { QStringLiteral("Settings"), QStringLiteral("main window"),
        QStringLiteral("S"), QStringLiteral(" Colors ") };
    static const QString keys[] = { QStringLiteral("Top"), QStringLiteral("K"),
        QStringLiteral("Selected Element"), QStringLiteral(" x ") };
    const QString section = sections[data[0] & 3];
    const QString key = keys[(data[0] >> 2) & 3];
    const size_t valueLength = qMin<size_t>(data[1], size - 2);
    const char *bytes = reinterpret_cast<const char *>(data + 2);
    const QString value = (data[0] & 0x10) ? QString::fromUtf8(bytes, qsizetype(valueLength))
                                           : QString::fromLatin1(bytes, qsizetype(valueLength));
    const QByteArray before(bytes + valueLength, qsizetype(size - 2 - valueLength));

    const QString path = iniPath();
    {
        QFile f(path);
        require(f.open(QIODevice::WriteOnly | QIODevice::Truncate)
                && f.write(before) == before.size() && f.flush(),
            "the input file is written");
    }

    IniFile ini(path);
    require(ini.readString(section, key, QString()).size() <= 1023, "reads are cut");
    ini.readInteger(section, key, 0);

    const bool inPass = data[0] & 0x20;
    if (inPass)
        ini.beginPass();
    ini.writeString(section, key, value);
    require(ini.readString(section, key, QStringLiteral("absent")) == expectedReadBack(value),
        "a written value reads back");
    if (inPass)
        ini.commitPass();
    const QByteArray after = contentOf(path);
    require(
        IniFile(path).readString(section, key, QStringLiteral("absent")) == expectedReadBack(value),
        "a written value reads back from the file");

    // Every other line byte for byte: after the longest common run of lines at the start
    // and at the end, at most one old line is left (the one replaced), and at most four
    // new ones (a blank, the section, the key, and the end of a last line that had no
    // line break).
    const QByteArrayList old = before.split('\n');
    const QByteArrayList now = after.split('\n');
    qsizetype head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head])
        ++head;
    qsizetype tail = 0;
    while (tail < old.size() - head && tail < now.size() - head
        && old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    require(old.size() - head - tail <= 1, "at most one line changes");
    require(now.size() - head - tail <= 4, "at most the section and its key are added");
    if (old.size() - head - tail == 1 && now.size() - head - tail == 1) {
        // A value replaced in place keeps the text before its "=" (or re-encodes it).
        const QByteArray &was = old[head];
        const QByteArray &is = now[head];
        require(was.indexOf('=') >= 0 && is.indexOf('=') >= 0, "a key line stays a key line");
    }
    return 0;
}
