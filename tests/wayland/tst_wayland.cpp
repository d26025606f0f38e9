// The real program in headless Wayland compositors: natively in sway, where windows cannot
// be placed and stored places must survive untouched; and through XWayland in mutter, which
// the program prefers when the session offers it and which grants the places X11 programs
// ask for (sway centres every new X11 window, weston 10 places them itself). Each case is
// skipped with the reason when its compositor or tools are missing or it cannot start.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <functional>
#include <optional>
#include <unistd.h>

namespace {

const QString Program = QStringLiteral(AURALIS_BIN_DIR "/auralis");
const QString Screenshots = QStringLiteral(AURALIS_SCREENSHOT_DIR);
// sway refuses to run as root, and XWayland takes clients of its own user only: run as
// root, the tests start the compositor and the program as this user.
const uint Nobody = 65534;

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// The command line that runs a program as the session's user.
QStringList asSessionUser(const QString &program, const QStringList &args)
{
    if (::geteuid() != 0)
        return QStringList { program } + args;
    return QStringList { QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(Nobody),
        QStringLiteral("--regid=%1").arg(Nobody), QStringLiteral("--clear-groups"),
        QStringLiteral("--"), program }
    + args;
}

QString run(const QStringList &command, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(command.first(), command.mid(1));
    if (!p.waitForFinished(10000))
        p.kill();
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A container of sway's tree, found by its window's name.
std::optional<QJsonObject> findNode(const QJsonObject &node, const QString &name)
{
    if (node.value(QStringLiteral("name")).toString() == name)
        return node;
    for (const char *children : { "nodes", "floating_nodes" })
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray())
            if (auto found = findNode(child.toObject(), name))
                return found;
    return std::nullopt;
}

// Whatever tool is missing of those named, or an empty text.
QString missingTool(std::initializer_list<const char *> tools)
{
    for (const char *tool : tools)
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
    return QString();
}

// A headless compositor run as the session's user in a runtime folder of its own. The
// whole process group goes when it does (a session bus and Xwayland among it).
class Compositor
{
public:
    virtual ~Compositor()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(-pid_t(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(5000)) {
            ::kill(-pid_t(m_process.processId()), SIGKILL);
            m_process.waitForFinished();
        }
    }
    bool running() const { return m_running; }
    QString failure() const { return m_failure; }

    // The environment of a program in this session.
    virtual QProcessEnvironment session() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "XAUTHORITY", "SESSION_MANAGER" })
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_wayland);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("HOME"), m_runtime.path());
        return env;
    }

protected:
    QString path(const QString &name) const { return m_runtime.filePath(name); }

    // Starts the compositor; ready() reads what it has printed so far and says whether it
    // is up.
    void start(const QStringList &args, const QMap<QString, QString> &variables,
        const std::function<bool(const QString &output)> &ready)
    {
        if (!m_runtime.isValid()
            || (::geteuid() == 0
                && ::chown(QFile::encodeName(m_runtime.path()).constData(), Nobody, Nobody) != 0))
            return;
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env.insert(QStringLiteral("HOME"), m_runtime.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        for (auto it = variables.begin(); it != variables.end(); ++it)
            env.insert(it.key(), it.value());
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setChildProcessModifier([] { ::setpgid(0, 0); });
        const QStringList command = asSessionUser(args.first(), args.mid(1));
        m_process.start(command.first(), command.mid(1));
        QString output;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000 && m_process.state() != QProcess::NotRunning) {
            output += QString::fromUtf8(m_process.readAll());
            if (ready(output)) {
                m_running = true;
                return;
            }
            QTest::qWait(100);
        }
        output += QString::fromUtf8(m_process.readAll());
        m_failure = output.trimmed().section(QLatin1Char('\n'), -3);
    }

    QString m_wayland = QStringLiteral("wayland-auralis");

private:
    QTemporaryDir m_runtime;
    QProcess m_process;
    bool m_running = false;
    QString m_failure;
};

// sway: Wayland only, its window tree read over its IPC socket, screenshots by grim.
class Sway : public Compositor
{
public:
    Sway()
    {
        const QString config = path(QStringLiteral("config"));
        writeFile(config, "xwayland disable\noutput HEADLESS-1 resolution 1280x1024\n");
        start({ QStringLiteral("sway"), QStringLiteral("-c"), config },
            { { QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless") },
                { QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1") },
                { QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman") } },
            [this](const QString &) {
                const QDir dir(path(QString()));
                const QStringList sockets
                    = dir.entryList({ QStringLiteral("wayland-?") }, QDir::System);
                const QStringList ipc
                    = dir.entryList({ QStringLiteral("sway-ipc.*.sock") }, QDir::System);
                if (sockets.isEmpty() || ipc.isEmpty())
                    return false;
                m_wayland = sockets.first();
                m_ipc = dir.filePath(ipc.first());
                return true;
            });
    }

    QProcessEnvironment session() const override
    {
        QProcessEnvironment env = Compositor::session();
        env.insert(QStringLiteral("SWAYSOCK"), m_ipc);
        return env;
    }

    std::optional<QJsonObject> waitForNode(const QString &name, int timeoutMs) const
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            const QString tree = run({ QStringLiteral("swaymsg"), QStringLiteral("-r"),
                                         QStringLiteral("-t"), QStringLiteral("get_tree") },
                session());
            if (auto node = findNode(QJsonDocument::fromJson(tree.toUtf8()).object(), name))
                return node;
            QTest::qWait(200);
        }
        return std::nullopt;
    }

    void screenshot(const QString &name) const
    {
        QDir().mkpath(Screenshots);
        run({ QStringLiteral("grim"),
                Screenshots + QLatin1Char('/') + name + QStringLiteral(".png") },
            session());
    }

private:
    QString m_ipc;
};

// mutter, headless on a virtual monitor with its own session bus, and XWayland: a Wayland
// session that also offers X11, as GNOME's does. Its window manager frames X11 windows and
// grants the places they ask for.
class Mutter : public Compositor
{
public:
    Mutter()
    {
        start({ QStringLiteral("dbus-run-session"), QStringLiteral("--"), QStringLiteral("mutter"),
                  QStringLiteral("--wayland"), QStringLiteral("--headless"),
                  QStringLiteral("--virtual-monitor"), QStringLiteral("1280x1024"),
                  QStringLiteral("--wayland-display=") + m_wayland },
            { { QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory") } },
            [this](const QString &output) {
                static const QRegularExpression display(
                    QStringLiteral("Using public X11 display (:\\d+)"));
                const QRegularExpressionMatch m = display.match(output);
                const QStringList auth
                    = QDir(path(QString()))
                          .entryList({ QStringLiteral(".mutter-Xwaylandauth.*") },
                              QDir::Files | QDir::Hidden);
                if (!m.hasMatch() || auth.isEmpty())
                    return false;
                m_display = m.captured(1);
                m_xauthority = path(auth.first());
                return !x11(QStringLiteral("xwininfo"), { QStringLiteral("-root") }).isEmpty();
            });
    }

    QProcessEnvironment session() const override
    {
        QProcessEnvironment env = Compositor::session();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("XAUTHORITY"), m_xauthority);
        return env;
    }

    // What an X11 tool prints, run in the session.
    QString x11(const QString &tool, const QStringList &args) const
    {
        return run(asSessionUser(tool, args), session());
    }

    // The outer frame's top left of the framed X11 window titled name, as a program placing
    // it would name it: the client's place less the frame the window manager announces.
    std::optional<QPoint> waitForFramePlace(const QString &name, int timeoutMs) const
    {
        static const QRegularExpression extents(
            QStringLiteral("_NET_FRAME_EXTENTS\\(CARDINAL\\) = (\\d+), \\d+, (\\d+), \\d+"));
        static const QRegularExpression corner(QStringLiteral(
            "Absolute upper-left X:\\s+(-?\\d+)\\s+Absolute upper-left Y:\\s+(-?\\d+)"));
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            const QRegularExpressionMatch frame = extents.match(x11(QStringLiteral("xprop"),
                { QStringLiteral("-name"), name, QStringLiteral("_NET_FRAME_EXTENTS") }));
            if (frame.hasMatch()) {
                QTest::qWait(300); // the window manager's own moves are done
                const QRegularExpressionMatch client = corner.match(
                    x11(QStringLiteral("xwininfo"), { QStringLiteral("-name"), name }));
                if (client.hasMatch())
                    return QPoint(client.captured(1).toInt() - frame.captured(1).toInt(),
                        client.captured(2).toInt() - frame.captured(2).toInt());
            }
            QTest::qWait(200);
        }
        return std::nullopt;
    }

    // Rootless Xwayland cannot read its screen whole, so each framed window is read and
    // drawn where it is, bottom first.
    void screenshot(const QString &name) const
    {
        static const QRegularExpression child(QStringLiteral(
            "^\\s+(0x[0-9a-f]+) .*\\s(\\d+)x(\\d+)\\+(-?\\d+)\\+(-?\\d+)\\s+\\+-?\\d+\\+-?\\d+$"));
        QImage shot(1280, 1024, QImage::Format_RGB32);
        shot.fill(QColor(48, 48, 48));
        QPainter painter(&shot);
        QStringList lines = x11(
            QStringLiteral("xwininfo"), { QStringLiteral("-root"), QStringLiteral("-children") })
                                .split(QLatin1Char('\n'));
        std::reverse(lines.begin(), lines.end());
        for (const QString &line : lines) {
            const QRegularExpressionMatch m = child.match(line);
            if (!m.hasMatch() || m.captured(2).toInt() < 32 || m.captured(3).toInt() < 32)
                continue;
            const QString file = path(m.captured(1) + QStringLiteral(".png"));
            x11(QStringLiteral("import"), { QStringLiteral("-window"), m.captured(1), file });
            const QImage frame = QImage(file).convertToFormat(QImage::Format_RGB32);
            // The frame's invisible resize border comes out black: left out.
            QRect seen = frame.rect();
            const auto black = [&frame](const QRect &strip) {
                for (int y = strip.top(); y <= strip.bottom(); ++y)
                    for (int x = strip.left(); x <= strip.right(); ++x)
                        if (frame.pixel(x, y) != qRgb(0, 0, 0))
                            return false;
                return true;
            };
            while (seen.width() > 2 && black(QRect(seen.left(), seen.top(), 1, seen.height())))
                seen.adjust(1, 0, 0, 0);
            while (seen.width() > 2 && black(QRect(seen.right(), seen.top(), 1, seen.height())))
                seen.adjust(0, 0, -1, 0);
            while (seen.height() > 2 && black(QRect(seen.left(), seen.top(), seen.width(), 1)))
                seen.adjust(0, 1, 0, 0);
            while (seen.height() > 2 && black(QRect(seen.left(), seen.bottom(), seen.width(), 1)))
                seen.adjust(0, 0, 0, -1);
            painter.drawImage(
                QPoint(m.captured(4).toInt(), m.captured(5).toInt()) + seen.topLeft(), frame, seen);
        }
        painter.end();
        QDir().mkpath(Screenshots);
        shot.save(Screenshots + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

private:
    QString m_display, m_xauthority;
};

// The program in a settings folder (opened to the session's user), its output kept.
struct Running
{
    Running(const QString &folder, const QProcessEnvironment &env)
    {
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
        QFile::setPermissions(
            folder + QStringLiteral("/auralis.ini"), QFileDevice::Permissions(0x6666));
        process.setProcessEnvironment(env);
        const QStringList command = asSessionUser(Program, { folder });
        process.start(command.first(), command.mid(1));
    }
    ~Running()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    // Ends the program as the session does, and gives what it printed.
    QByteArray end()
    {
        ::kill(pid_t(process.processId()), SIGTERM);
        if (!process.waitForFinished(10000))
            return "did not exit";
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return "exit status " + QByteArray::number(process.exitCode());
        return process.readAllStandardOutput() + process.readAllStandardError();
    }
    QProcess process;
};

const QByteArray Seen = "[About]\nRead=1\n[Colors]\nBackground=Gray\n";
const QString InfoWindow = QStringLiteral("Hydrogen - Element Information");

}

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFile::exists(Program))
            QSKIP("the program is not built");
    }

    // Natively, the stored places and maximised state come back byte for byte, the rest
    // is saved, and nothing is printed.
    void nativeRunKeepsStoredPlaces()
    {
        const QString missing = missingTool({ "sway", "swaymsg", "grim", "setpriv" });
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath)
                + QStringLiteral("/platforms/libqwayland-generic.so")))
            QSKIP("Qt's Wayland plugin (qt6-wayland) is not installed");
        const Sway sway;
        if (!sway.running())
            QSKIP(qPrintable(QStringLiteral("sway did not start: ") + sway.failure()));

        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("auralis.ini"));
        const QByteArray places = "[Main Window]\nLeft=123\nTop=45\nWidth=900\nHeight=640\n"
                                  "Maximized=0\n"
                                  "[Element Info Window]\nVisible=1\nLeft=300\nTop=200\n"
                                  "[Find Window]\nLeft=301\nTop=21\n";
        QVERIFY(writeFile(ini, places + Seen));
        Running app(dir.path(), sway.session());
        const auto main = sway.waitForNode(QStringLiteral("Auralis 1.8a"), 20000);
        QVERIFY2(main, "the main window did not appear");
        QCOMPARE(main->value(QStringLiteral("shell")).toString(), QStringLiteral("xdg_shell"));
        QVERIFY(sway.waitForNode(InfoWindow, 5000));
        QTest::qWait(500);
        sway.screenshot(QStringLiteral("wayland-native"));
        QCOMPARE(app.end(), QByteArray());

        const QByteArray saved = contentOf(ini);
        QVERIFY2(saved.contains("Selected Element=1"), "the settings were not saved");
        QVERIFY(saved.startsWith("[Main Window]\nLeft=123\nTop=45\n"));
        for (const QByteArray &line : places.split('\n'))
            if (line.startsWith("Left=") || line.startsWith("Top=") || line.startsWith("Max"))
                QVERIFY2(saved.contains(line + '\n'), line.constData());
    }

    // Where the session offers X11, the program takes it: the main window and the
    // information window open at their stored places, and those are the places saved.
    void xwaylandOpensWindowsAtStoredPlaces()
    {
        const QString missing = missingTool(
            { "mutter", "dbus-run-session", "Xwayland", "xprop", "xwininfo", "import", "setpriv" });
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        const Mutter mutter;
        if (!mutter.running())
            QSKIP(qPrintable(QStringLiteral("mutter did not start: ") + mutter.failure()));

        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("auralis.ini"));
        QVERIFY(writeFile(ini,
            "[Main Window]\nLeft=123\nTop=45\nWidth=900\nHeight=640\nMaximized=0\n"
            "[Element Info Window]\nVisible=1\nLeft=300\nTop=200\n"
                + Seen));
        Running app(dir.path(), mutter.session());
        const auto info = mutter.waitForFramePlace(InfoWindow, 20000);
        QVERIFY2(info, "the information window did not appear on the X11 display");
        QCOMPARE(*info, QPoint(300, 200));
        QCOMPARE(mutter.waitForFramePlace(QStringLiteral("Auralis 1.8a"), 5000), QPoint(123, 45));
        mutter.screenshot(QStringLiteral("wayland-xwayland"));
        QCOMPARE(app.end(), QByteArray());

        const QByteArray saved = contentOf(ini);
        QVERIFY2(saved.contains("Selected Element=1"), "the settings were not saved");
        QVERIFY(saved.contains("[Main Window]\nLeft=123\nTop=45\n"));
        QVERIFY(saved.contains("[Element Info Window]\nVisible=1\nLeft=300\nTop=200\n"));
    }
};

QTEST_GUILESS_MAIN(TestWayland)
#include "tst_wayland.moc"
