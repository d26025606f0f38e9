// The settings file against an unlucky machine and a hostile one: full disks, failures at
// each step of a write, kills in the middle of writes, and paths that are not settings
// files at all. Whatever happens, the file holds its old bytes or the new ones.
#include "base/Errors.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using Step = IniFile::WriteStep;

Q_DECLARE_METATYPE(IniFile::WriteStep)

class TestIniFileDurability : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;

    QString iniPath() const { return m_dir->filePath(u"auralis.ini"_s); }
    static void put(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size() || !f.flush())
            qFatal("cannot prepare %s", qPrintable(path));
    }
    static QByteArray contentOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The message of the error f throws; empty when it throws none.
    template <typename F> static QString errorOf(F f)
    {
        try {
            f();
        } catch (const EAuralisError &e) {
            return e.message();
        }
        return QString();
    }

    // One generation of the kill test's file, built from the rule, not by the writer.
    static QByteArray generation(int k, int keys)
    {
        QByteArray out = "[S]\n";
        for (int j = 0; j < keys; ++j)
            out += "K" + QByteArray::number(j) + "=" + QByteArray::number(k) + "\n";
        // A large section the writer never touches: the writes take long enough for kills
        // to land in them, and it must come through every replace unchanged.
        return out + "[P]\nPad=" + QByteArray(512 * 1024, 'p') + "\n";
    }

private slots:
    void init() { m_dir.emplace(); }
    void cleanup() { IniFile::setFaultForTesting(nullptr); }

    void failedStepChangesNothing_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("inPass");
        const std::pair<const char *, Step> steps[]
            = { { "create", Step::Create }, { "write", Step::Write }, { "sync", Step::Sync },
                  { "close", Step::Close }, { "rename", Step::Rename } };
        for (const auto &[name, step] : steps) {
            QTest::addRow("%s, single write", name) << step << false;
            QTest::addRow("%s, pass", name) << step << true;
        }
    }

    void failedStepChangesNothing()
    {
        QFETCH(Step, step);
        QFETCH(bool, inPass);

        const QByteArray old = "[Settings]\r\nTemperature=298.15\r\n; mine\r\n";
        put(iniPath(), old);
        IniFile::setFaultForTesting([step](Step s) { return s == step; });
        IniFile ini(iniPath());
        const QString message = errorOf([&] {
            if (inPass)
                ini.beginPass();
            ini.writeString(u"Settings"_s, u"Temperature"_s, u"5.00"_s);
            ini.writeString(u"Colors"_s, u"Background"_s, u"Gray"_s);
            if (inPass)
                ini.commitPass();
        });
        QCOMPARE(message, u"Unable to write to "_s + iniPath());
        QCOMPARE(contentOf(iniPath()), old);
        QCOMPARE(entries(m_dir->path()), QStringList { u"auralis.ini"_s });

        // The program goes on: once the disk has room again, the write is done.
        IniFile::setFaultForTesting(nullptr);
        ini.writeString(u"Settings"_s, u"Temperature"_s, u"5.00"_s);
        QCOMPARE(contentOf(iniPath()), QByteArray("[Settings]\r\nTemperature=5.00\r\n; mine\r\n"));
    }

    void fullDiskChangesNothing()
    {
        // A real full file system: a small tmpfs mounted for the test.
        const QString mountPoint = m_dir->filePath(u"small"_s);
        QVERIFY(QDir().mkpath(mountPoint));
        const QByteArray native = QFile::encodeName(mountPoint);
        if (::mount(
                "tmpfs", native.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,nr_inodes=64")
            != 0)
            QSKIP(qPrintable(u"mounting a small tmpfs needs root with CAP_SYS_ADMIN (%1); "
                             "the injected failures cover the same paths"_s.arg(
                                 QString::fromLocal8Bit(std::strerror(errno)))));
        auto unmount = qScopeGuard([&] { ::umount2(native.constData(), MNT_DETACH); });

        const QString path = mountPoint + u"/auralis.ini"_s;
        const QByteArray old = "[Settings]\nSaveINI=1\n";
        put(path, old);
        // Fill every byte that is left.
        const QString filler = mountPoint + u"/filler"_s;
        {
            QFile f(filler);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (f.write(block) > 0) { }
        }
        const auto fillerSize = QFileInfo(filler).size();

        IniFile ini(path);
        // A write smaller than a stream buffer is where a buffered writer reports success
        // and the flush at its commit fails unseen.
        for (int size : { 3000, 20000 }) {
            const QString big(size, QLatin1Char('v'));
            QCOMPARE(errorOf([&] { ini.writeString(u"Settings"_s, u"Background"_s, big); }),
                u"Unable to write to "_s + path);
            QCOMPARE(contentOf(path), old);
            QCOMPARE(entries(mountPoint), (QStringList { u"auralis.ini"_s, u"filler"_s }));
        }
        const QString value(20000, QLatin1Char('v'));

        // Room for the temporary file to start but not to end: the write runs out midway.
        QVERIFY(QFile::resize(filler, fillerSize - 8192));
        ini.beginPass();
        ini.writeString(u"Settings"_s, u"Background"_s, value);
        QCOMPARE(errorOf([&] { ini.commitPass(); }), u"Unable to write to "_s + path);
        QCOMPARE(contentOf(path), old);
        QCOMPARE(entries(mountPoint), (QStringList { u"auralis.ini"_s, u"filler"_s }));

        // A small write fits, and is done.
        ini.writeBool(u"Settings"_s, u"SaveINI"_s, false);
        QCOMPARE(contentOf(path), QByteArray("[Settings]\nSaveINI=0\n"));
    }

    void killedWriterLeavesOldOrNewFile()
    {
        const QString path = iniPath();
        constexpr int keys = 20;
        put(path, generation(0, keys));
        QRandomGenerator rng(20240514);
        const QRegularExpression firstValue(u"\\A\\[S\\]\\nK0=(\\d+)\\n"_s);
        int last = 0, cutShort = 0;
        for (int round = 0; round < 300; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(AURALIS_INI_WRITER), { path, QString::number(keys) });
            QVERIFY2(writer.waitForReadyRead(10000), "the writer did not start writing");
            QTest::qSleep(int(rng.bounded(8)));
            writer.kill(); // SIGKILL: no handler, no clean-up
            QVERIFY(writer.waitForFinished(10000));

            const QByteArray content = contentOf(path);
            const auto m = firstValue.match(QString::fromLatin1(content));
            QVERIFY2(m.hasMatch(), content.left(200).constData());
            const int k = m.captured(1).toInt();
            QCOMPARE(content, generation(k, keys));
            QVERIFY(k > last); // the writer gets at least one generation done each round
            last = k;

            // A temporary copy may be left; the next start removes it and nothing else.
            const QStringList before = entries(m_dir->path());
            if (before.size() > 1)
                ++cutShort;
            QVERIFY(IniFile::checkAtStart(path).isEmpty());
            QCOMPARE(entries(m_dir->path()), QStringList { u"auralis.ini"_s });
            QCOMPARE(contentOf(path), content);
        }
        qInfo("%d of 300 kills left a temporary copy", cutShort);
    }

    void startRemovesOnlyOwnLeftovers()
    {
        put(iniPath(), "[S]\nK=1\n");
        const QStringList ours { u"auralis.ini.new-Ab3dE9"_s, u"auralis.ini.new-000000"_s };
        const QStringList theirs { u"auralis.ini.new-Ab3dE"_s, u"auralis.ini.new-Ab3dE9x"_s,
            u"auralis.ini.new-Ab3d.9"_s, u"auralis.ini.Ab3dE9"_s, u"other.ini.new-Ab3dE9"_s,
            u"xauralis.ini.new-Ab3dE9"_s };
        for (const QString &name : ours + theirs)
            put(m_dir->filePath(name), "leftover");
        // A folder and a link of our pattern are not ours to remove either.
        QVERIFY(QDir(m_dir->path()).mkdir(u"auralis.ini.new-FOLDER"_s));
        QVERIFY(QFile::link(iniPath(), m_dir->filePath(u"auralis.ini.new-LINKED"_s)));

        QVERIFY(IniFile::checkAtStart(iniPath()).isEmpty());
        QStringList expected = theirs
            + QStringList { u"auralis.ini"_s, u"auralis.ini.new-FOLDER"_s,
                  u"auralis.ini.new-LINKED"_s };
        expected.sort();
        QStringList left = entries(m_dir->path());
        left.sort();
        QCOMPARE(left, expected);
        QCOMPARE(contentOf(iniPath()), QByteArray("[S]\nK=1\n"));
    }

    void specialAndHugePathsAreNeitherReadNorWritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("device") << u"device"_s;
        QTest::newRow("folder") << u"folder"_s;
        QTest::newRow("file over 4 MiB") << u"huge"_s;
        QTest::newRow("link to a FIFO") << u"linked fifo"_s;
    }

    void specialAndHugePathsAreNeitherReadNorWritten()
    {
        QFETCH(QString, kind);
        const QString path = iniPath();
        const QByteArray native = QFile::encodeName(path);
        const QByteArray huge = "[S]\nK=7\n" + QByteArray(4 * 1024 * 1024, ';');
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        else if (kind == u"device")
            QVERIFY(QFile::link(u"/dev/null"_s, path));
        else if (kind == u"folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == u"huge")
            put(path, huge);
        else {
            const QString fifo = m_dir->filePath(u"fifo"_s);
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            QVERIFY(QFile::link(fifo, path));
        }
        struct stat before;
        QCOMPARE(::lstat(native.constData(), &before), 0);

        // Reported once at start; reads give defaults without blocking on a FIFO.
        QCOMPARE(IniFile::checkAtStart(path), u"Cannot open file "_s + path);
        IniFile ini(path);
        QCOMPARE(ini.readInteger(u"S"_s, u"K"_s, -1), -1);
        ini.beginPass();
        QCOMPARE(ini.readInteger(u"S"_s, u"K"_s, -1), -1);
        ini.writeInteger(u"S"_s, u"K"_s, 8);
        QCOMPARE(errorOf([&] { ini.commitPass(); }), u"Unable to write to "_s + path);
        QCOMPARE(
            errorOf([&] { ini.writeInteger(u"S"_s, u"K"_s, 8); }), u"Unable to write to "_s + path);

        struct stat after;
        QCOMPARE(::lstat(native.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        if (kind == u"huge")
            QCOMPARE(contentOf(path), huge);

        // Just under the cap is still a settings file.
        if (kind == u"huge") {
            QVERIFY(QFile::remove(path));
            put(path, huge.left(4 * 1024 * 1024));
            QVERIFY(IniFile::checkAtStart(path).isEmpty());
            QCOMPARE(IniFile(path).readInteger(u"S"_s, u"K"_s, -1), 7);
        }
    }
};

QTEST_GUILESS_MAIN(TestIniFileDurability)
#include "tst_inifile_durability.moc"
