#pragma once

// Shared by the tests that drive the real program under an X server: run a command-line
// tool, send xdotool commands, wait for a window by its exact name.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

namespace XDriver {

inline QString tool(const QString &name, const QStringList &args, int timeoutMs = 10000)
{
    QProcess p;
    p.start(name, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

inline void xdo(const QStringList &args)
{
    tool(QStringLiteral("xdotool"), args);
}

inline void pause(int ms)
{
    QTest::qWait(ms);
}

// The first visible window whose name matches exactly, waiting up to timeoutMs.
inline QString waitForWindow(const QString &name, int timeoutMs)
{
    // xdotool takes a POSIX extended expression; escape only its special characters
    // (a GNU escape such as "\\`" would mean something else).
    QString pattern = QStringLiteral("^");
    for (const QChar c : name) {
        if (QStringLiteral(".^$*+?()[]{}|\\").contains(c))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    pattern += QLatin1Char('$');
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        const QString ids = tool(QStringLiteral("xdotool"),
            { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                pattern });
        if (!ids.isEmpty())
            return ids.split(QLatin1Char('\n')).first();
        pause(100);
    }
    return {};
}

inline void focusAndKey(const QString &window, const QString &keys)
{
    xdo({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window });
    pause(150);
    xdo({ QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys });
    pause(250);
}

// QProcess::waitForFinished is false for a process that has already ended.
inline bool ended(QProcess &process, int timeoutMs = 10000)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(timeoutMs);
}

// The value of a key in an ini file, found without regard to section; empty when absent.
inline QString readIniFileValue(const QString &file, const QString &key)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QString s = QString::fromUtf8(line).trimmed();
        if (s.startsWith(key + QLatin1Char('='), Qt::CaseInsensitive))
            return s.mid(key.size() + 1);
    }
    return {};
}

}
