#include "XDriver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTest>

namespace XDriver {

QString tool(const QString &name, const QStringList &args, int timeoutMs)
{
    QProcess p;
    p.start(name, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

void xdo(const QStringList &args)
{
    tool(QStringLiteral("xdotool"), args);
}

void pause(int ms)
{
    QTest::qWait(ms);
}

QString waitForWindow(const QString &name, int timeoutMs)
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

QRect windowGeometry(const QString &id)
{
    const QString out = tool(QStringLiteral("xdotool"),
        { QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id });
    QMap<QString, int> v;
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        const auto kv = line.split(QLatin1Char('='));
        if (kv.size() == 2)
            v[kv[0]] = kv[1].toInt();
    }
    return QRect(v.value("X"), v.value("Y"), v.value("WIDTH"), v.value("HEIGHT"));
}

void focusAndKey(const QString &window, const QString &keys)
{
    xdo({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window });
    pause(150);
    xdo({ QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys });
    pause(250);
}

void typeText(const QString &window, const QString &text)
{
    xdo({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window });
    xdo({ QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text });
    pause(200);
}

QString focusReport()
{
    const QString focus = tool(QStringLiteral("xdotool"), { QStringLiteral("getwindowfocus") });
    return QStringLiteral("input focus on window %1 \"%2\"")
        .arg(focus, tool(QStringLiteral("xdotool"), { QStringLiteral("getwindowname"), focus }));
}

bool ended(QProcess &process, int timeoutMs)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(timeoutMs);
}

QString readIniFileValue(const QString &file, const QString &key)
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

QString readIniValue(const QString &folder, const QString &key)
{
    return readIniFileValue(folder + QStringLiteral("/auralis.ini"), key);
}

void writeIni(const QString &folder, const QString &text)
{
    QFile f(folder + QStringLiteral("/auralis.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

}
