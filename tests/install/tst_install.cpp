// The install rules, checked by installing into a temporary prefix and starting the
// installed program through its link under an X server (xvfb-run), as a user would.

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "XDriver.h"

using namespace XDriver;

namespace {

const QString AppId = QStringLiteral("org.example.auralis");

void writeSeededIni(const QString &folder)
{
    QFile f(folder + QStringLiteral("/auralis.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[About]\nRead=1\n[Colors]\nBackground=Gray\n");
}

// Ends a program the test started, if it is still running.
void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
    }
}

}

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        // Another user must be able to read the installed tree, as under /usr.
        QFile::setPermissions(m_prefix.path(),
            QFile::permissions(m_prefix.path()) | QFileDevice::ReadOther | QFileDevice::ExeOther
                | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(AURALIS_CMAKE),
            { QStringLiteral("--install"), QStringLiteral(AURALIS_BUILD_DIR),
                QStringLiteral("--strip"), QStringLiteral("--prefix"), m_prefix.path() });
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        m_link = m_prefix.filePath(QStringLiteral("bin/auralis"));
        m_folder = m_prefix.filePath(QStringLiteral("lib/auralis"));
    }

    void installsEachFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("iconSide"); // 0: not a PNG icon
        QTest::newRow("program") << "lib/auralis/auralis" << 0;
        QTest::newRow("data") << "lib/auralis/auralis.bkp" << 0;
        QTest::newRow("data sources") << "lib/auralis/auralis.prov" << 0;
        QTest::newRow("help") << "lib/auralis/auralis.hlp" << 0;
        QTest::newRow("background") << "lib/auralis/auraback.bmp" << 0;
        QTest::newRow("installed marker") << "lib/auralis/auralis.installed" << 0;
        QTest::newRow("changelog") << "share/doc/auralis/changelog.Debian.gz" << 0;
        QTest::newRow("desktop entry") << "share/applications/" + AppId + ".desktop" << 0;
        QTest::newRow("metainfo") << "share/metainfo/" + AppId + ".metainfo.xml" << 0;
        QTest::newRow("manual page") << "share/man/man1/auralis.1.gz" << 0;
        QTest::newRow("svg icon") << "share/icons/hicolor/scalable/apps/" + AppId + ".svg" << 0;
        for (int side : { 16, 32, 48, 64, 128, 256 })
            QTest::addRow("%dpx icon", side)
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(side).arg(AppId)
                << side;
    }

    void installsEachFile()
    {
        QFETCH(QString, path);
        QFETCH(int, iconSide);
        const QFileInfo info(m_prefix.filePath(path));
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path));
        if (iconSide) {
            const QImage image(info.filePath());
            QCOMPARE(image.size(), QSize(iconSide, iconSide));
            // A drawn picture, not an empty canvas: the centre is opaque.
            QCOMPARE(qAlpha(image.pixel(iconSide / 2, iconSide / 2)), 255);
        }
    }

    void commandIsARelativeLinkToTheProgram()
    {
        QVERIFY(QFileInfo(m_link).isSymLink());
        char target[4096];
        const ssize_t n = ::readlink(QFile::encodeName(m_link).constData(), target, sizeof target);
        QVERIFY(n > 0);
        QVERIFY2(target[0] != '/', "the link is absolute, so the tree cannot be moved");
        QCOMPARE(QFileInfo(m_link).canonicalFilePath(),
            QFileInfo(m_folder + QStringLiteral("/auralis")).canonicalFilePath());
        QVERIFY(QFileInfo(m_link).isExecutable());
    }

    // A launcher hands the command any field codes it finds; the program would take a file
    // name for its settings folder, so the entry passes nothing.
    void desktopEntryStartsTheCommandAlone()
    {
        QFile f(m_prefix.filePath(QStringLiteral("share/applications/%1.desktop").arg(AppId)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QMap<QString, QString> keys;
        for (const QByteArray &line : f.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0)
                keys.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
        }
        QCOMPARE(keys.value(QStringLiteral("Exec")), QStringLiteral("auralis"));
        QCOMPARE(keys.value(QStringLiteral("Icon")), AppId);
    }

    // The program, started through the link, takes its data from the folder behind it.
    void startsFromTheLinkAndSavesInTheNamedFolder()
    {
        QTemporaryDir settings;
        writeSeededIni(settings.path());
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(m_link, { settings.path() });
        const QString win = waitForWindow(QStringLiteral("Auralis 1.8a"), 20000);
        const bool errorShown = !waitForWindow(QStringLiteral("Auralis`"), 0).isEmpty();
        if (win.isEmpty() || errorShown)
            stop(process);
        QVERIFY2(!errorShown, "the installed program reported an error");
        QVERIFY2(!win.isEmpty(), "the main window did not appear");
        QTest::qWait(500);
        focusAndKey(win, QStringLiteral("alt+f"));
        tool(QStringLiteral("xdotool"), { QStringLiteral("key"), QStringLiteral("x") });
        const bool exited = ended(process);
        if (!exited)
            stop(process);
        QVERIFY2(exited, "File > Exit did not end the program");
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(readIniFileValue(
                     settings.filePath(QStringLiteral("auralis.ini")), QStringLiteral("SaveINI")),
            QStringLiteral("1"));
        QVERIFY(!QFile::exists(m_folder + QStringLiteral("/auralis.ini")));
    }

    // A user who cannot write to the program's folder gets the settings in their own
    // configuration folder. Run as root, the program is started as nobody, for whom the
    // installed folder is read-only as it is for any user under /usr.
    void keepsSettingsInTheUserConfigFolder()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString config = home.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(config));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));

        QString program = m_link;
        QStringList args;
        const QFileDevice::Permissions folderPermissions = QFile::permissions(m_folder);
        if (::geteuid() == 0) {
            const QFileDevice::Permissions all = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup
                | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther
                | QFileDevice::ExeOther;
            QFile::setPermissions(home.path(), all);
            QFile::setPermissions(config, all);
            // The X server's cookie, readable by the other user.
            const QString cookie = home.filePath(QStringLiteral("Xauthority"));
            const QString xauthority = env.value(QStringLiteral("XAUTHORITY"));
            if (!xauthority.isEmpty()) {
                QVERIFY(QFile::copy(xauthority, cookie));
                QFile::setPermissions(cookie, QFileDevice::ReadOwner | QFileDevice::ReadOther);
                env.insert(QStringLiteral("XAUTHORITY"), cookie);
            }
            program = QStringLiteral("setpriv");
            args = { QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                QStringLiteral("--clear-groups"), QStringLiteral("--"), m_link };
        } else {
            QFile::setPermissions(m_folder, folderPermissions & ~QFileDevice::WriteOwner);
        }

        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(program, args);
        // A first run: the notice is answered, and its key is saved at once.
        const QString notice = waitForWindow(QStringLiteral("Please Read Carefully"), 20000);
        if (!notice.isEmpty())
            focusAndKey(notice, QStringLiteral("Return"));
        const QString ini = config + QStringLiteral("/Auralis/auralis.ini");
        QTRY_COMPARE_WITH_TIMEOUT(
            readIniFileValue(ini, QStringLiteral("Read")), QStringLiteral("1"), 5000);
        stop(process);
        QFile::setPermissions(m_folder, folderPermissions);
        QVERIFY(!notice.isEmpty());
        QVERIFY(!QFile::exists(m_folder + QStringLiteral("/auralis.ini")));
    }

    // Root can write into the installed tree, and still the settings go to root's own
    // configuration folder, so that nothing is left behind when the package is purged.
    void installedTreeIsNeverWritten()
    {
        QVERIFY(QFileInfo(m_folder).isWritable());
        QTemporaryDir home;
        const QString config = home.filePath(QStringLiteral("config"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("HOME"), home.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(m_link, QStringList());
        const QString notice = waitForWindow(QStringLiteral("Please Read Carefully"), 20000);
        if (!notice.isEmpty())
            focusAndKey(notice, QStringLiteral("Return"));
        const QString ini = config + QStringLiteral("/Auralis/auralis.ini");
        QTRY_COMPARE_WITH_TIMEOUT(
            readIniFileValue(ini, QStringLiteral("Read")), QStringLiteral("1"), 5000);
        process.terminate(); // a logout: the settings are saved on the way out
        const bool exited = ended(process);
        if (!exited)
            stop(process);
        QVERIFY(exited);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(readIniFileValue(ini, QStringLiteral("SaveINI")), QStringLiteral("1"));
        QDirIterator it(m_prefix.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QVERIFY2(!QFileInfo(file).fileName().startsWith(QStringLiteral("auralis.ini")),
                qPrintable(file));
        }
    }

    // Answered on standard output, with no display to open a window on.
    void helpAndVersionNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected"); // a line of the answer
        QTest::newRow("version") << "--version"
                                 << "Auralis 1.8a";
        QTest::newRow("help") << "--help"
                              << "Usage: auralis [SETTINGS-FOLDER]";
    }

    void helpAndVersionNeedNoDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            env.remove(QLatin1String(name));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(m_link, { option });
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(), QByteArray());
        const QStringList lines
            = QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'));
        QVERIFY2(lines.contains(expected), qPrintable(lines.join(QLatin1Char('\n'))));
    }

    // Last, as it takes the data file away: the usual error box (its text, with the full
    // path, is checked where the data file is read), and the program ends once it is
    // confirmed.
    void missingDataFileIsReportedAndEndsTheProgram()
    {
        const QString data = m_folder + QStringLiteral("/auralis.bkp");
        QVERIFY(QFile::remove(data));
        QTemporaryDir settings;
        writeSeededIni(settings.path());
        QProcess process;
        process.start(m_link, { settings.path() });
        const QString box = waitForWindow(QStringLiteral("Auralis`"), 20000);
        if (box.isEmpty())
            stop(process);
        QVERIFY2(!box.isEmpty(), "no error box");
        QTest::qWait(500); // the box takes keys once it has been mapped and activated
        focusAndKey(box, QStringLiteral("Return"));
        const bool exited = ended(process);
        if (!exited)
            stop(process);
        QVERIFY(exited);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
    }

private:
    QTemporaryDir m_prefix;
    QString m_link;
    QString m_folder;
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
