#pragma once

// Shared by the tests that drive the real program under an X server: run a command-line
// tool, send xdotool commands, wait for a window by its exact name.

#include <QElapsedTimer>
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

}
