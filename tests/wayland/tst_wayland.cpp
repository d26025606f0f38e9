// The real program in a headless Wayland compositor (sway): natively, where windows cannot
// be placed and stored places must survive untouched, and through XWayland, which the
// program prefers when the session offers it. Skipped with the reason when the compositor
// or its tools are missing or it cannot start.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
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

// A headless sway with XWayland, in its own runtime folder.
class Compositor
{
public:
    Compositor()
    {
        if (!m_runtime.isValid())
            return;
        const QString config = m_runtime.filePath(QStringLiteral("config"));
        writeFile(config,
            QStringLiteral("xwayland enable\n"
                           "output HEADLESS-1 resolution 1280x1024\n"
                           "exec sh -c 'printf %s \"$DISPLAY\" > %1/display'\n")
                .arg(m_runtime.path())
                .toUtf8());
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env.insert(QStringLiteral("HOME"), m_runtime.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        m_sway.setProcessEnvironment(env);
        m_sway.setProcessChannelMode(QProcess::MergedChannels);
        if (::geteuid() == 0
            && ::chown(QFile::encodeName(m_runtime.path()).constData(), Nobody, Nobody) != 0)
            return;
        const QStringList command
            = asSessionUser(QStringLiteral("sway"), { QStringLiteral("-c"), config });
        m_sway.start(command.first(), command.mid(1));
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000 && m_sway.state() != QProcess::NotRunning) {
            const QDir dir(m_runtime.path());
            const QStringList sockets
                = dir.entryList({ QStringLiteral("wayland-?") }, QDir::System);
            const QStringList ipc
                = dir.entryList({ QStringLiteral("sway-ipc.*.sock") }, QDir::System);
            const QByteArray display = contentOf(dir.filePath(QStringLiteral("display")));
            if (!sockets.isEmpty() && !ipc.isEmpty() && !display.isEmpty()) {
                m_wayland = sockets.first();
                m_ipc = dir.filePath(ipc.first());
                m_display = QString::fromUtf8(display);
                return;
            }
            QTest::qWait(100);
        }
        m_failure = QString::fromUtf8(m_sway.readAll()).trimmed().section(QLatin1Char('\n'), -3);
    }
    ~Compositor()
    {
        m_sway.terminate();
        if (!m_sway.waitForFinished(5000)) {
            m_sway.kill();
            m_sway.waitForFinished();
        }
    }
    bool running() const { return !m_wayland.isEmpty(); }
    QString failure() const { return m_failure; }

    // The environment of a program in this session; withX11: the session offers XWayland.
    QProcessEnvironment session(bool withX11) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "XAUTHORITY", "SESSION_MANAGER" })
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_wayland);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("HOME"), m_runtime.path());
        env.insert(QStringLiteral("SWAYSOCK"), m_ipc);
        if (withX11)
            env.insert(QStringLiteral("DISPLAY"), m_display);
        return env;
    }

    std::optional<QJsonObject> waitForNode(const QString &name, int timeoutMs) const
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            const QString tree = run({ QStringLiteral("swaymsg"), QStringLiteral("-r"),
                                         QStringLiteral("-t"), QStringLiteral("get_tree") },
                session(false));
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
            session(false));
    }

private:
    QTemporaryDir m_runtime;
    QProcess m_sway;
    QString m_wayland, m_ipc, m_display, m_failure;
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
        for (const char *tool : { "sway", "swaymsg", "grim", "Xwayland", "xdotool", "setpriv" })
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath)
                + QStringLiteral("/platforms/libqwayland-generic.so")))
            QSKIP("Qt's Wayland plugin (qt6-wayland) is not installed");
        m_compositor.emplace();
        if (!m_compositor->running())
            QSKIP(qPrintable(QStringLiteral("sway did not start: ") + m_compositor->failure()));
    }

    void cleanupTestCase() { m_compositor.reset(); }

    // Natively, the stored places and maximised state come back byte for byte, the rest
    // is saved, and nothing is printed.
    void nativeRunKeepsStoredPlaces()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("auralis.ini"));
        const QByteArray places = "[Main Window]\nLeft=123\nTop=45\nWidth=900\nHeight=640\n"
                                  "Maximized=0\n"
                                  "[Element Info Window]\nVisible=1\nLeft=300\nTop=200\n"
                                  "[Find Window]\nLeft=301\nTop=21\n";
        QVERIFY(writeFile(ini, places + Seen));
        Running app(dir.path(), m_compositor->session(false));
        const auto main = m_compositor->waitForNode(QStringLiteral("Auralis 1.8a"), 20000);
        QVERIFY2(main, "the main window did not appear");
        QCOMPARE(main->value(QStringLiteral("shell")).toString(), QStringLiteral("xdg_shell"));
        QVERIFY(m_compositor->waitForNode(InfoWindow, 5000));
        QTest::qWait(500);
        m_compositor->screenshot(QStringLiteral("wayland-native"));
        QCOMPARE(app.end(), QByteArray());

        const QByteArray saved = contentOf(ini);
        QVERIFY2(saved.contains("Selected Element=1"), "the settings were not saved");
        QVERIFY(saved.startsWith("[Main Window]\nLeft=123\nTop=45\n"));
        for (const QByteArray &line : places.split('\n'))
            if (line.startsWith("Left=") || line.startsWith("Top=") || line.startsWith("Max"))
                QVERIFY2(saved.contains(line + '\n'), line.constData());
    }

    // Where the session offers X11, the program takes it, and the places it saves are
    // where the X server has its windows. (sway centres a new floating X11 window itself,
    // so a stored place is checked by being read back rather than by being granted.)
    void xwaylandIsPreferredAndPlacesAreRead()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("auralis.ini"));
        QVERIFY(writeFile(ini, "[Element Info Window]\nVisible=1\nLeft=300\nTop=200\n" + Seen));
        Running app(dir.path(), m_compositor->session(true));
        const auto info = m_compositor->waitForNode(InfoWindow, 20000);
        QVERIFY2(info, "the information window did not appear");
        QCOMPARE(info->value(QStringLiteral("shell")).toString(), QStringLiteral("xwayland"));
        QTest::qWait(500);
        m_compositor->screenshot(QStringLiteral("wayland-xwayland"));
        const QString geometry
            = run(asSessionUser(QStringLiteral("xdotool"),
                      { QStringLiteral("search"), QStringLiteral("--name"),
                          QLatin1Char('^') + InfoWindow + QLatin1Char('$'),
                          QStringLiteral("getwindowgeometry"), QStringLiteral("--shell") }),
                m_compositor->session(true));
        QCOMPARE(app.end(), QByteArray());

        QMap<QString, QString> x11;
        for (const QString &line : geometry.split(QLatin1Char('\n')))
            x11.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
        const QByteArray place
            = QStringLiteral("Left=%1\nTop=%2\n")
                  .arg(x11.value(QStringLiteral("X")), x11.value(QStringLiteral("Y")))
                  .toUtf8();
        QVERIFY2(contentOf(ini).contains(place), qPrintable(geometry));
    }

private:
    std::optional<Compositor> m_compositor;
};

QTEST_GUILESS_MAIN(TestWayland)
#include "tst_wayland.moc"
