#include "settings/IniFile.h"
#include "settings/SettingsPath.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestSettingsPath : public QObject
{
    Q_OBJECT

private slots:
    void folder_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder");

        const QString program = QStringLiteral("/opt/auralis/");
        QTest::newRow("no argument") << QStringList {} << program;
        QTest::newRow("empty argument") << QStringList { "" } << program;
        QTest::newRow("blanks only") << QStringList { " \t " } << program;
        QTest::newRow("quotes only") << QStringList { "\"\"" } << program;
        QTest::newRow("trailing slash kept") << QStringList { "/cfg/" } << "/cfg/";
        QTest::newRow("slash added") << QStringList { "/cfg" } << "/cfg/";
        QTest::newRow("quoted") << QStringList { "\"/my data\"" } << "/my data/";
        QTest::newRow("split by the shell") << QStringList { "/my", "data" } << "/my data/";
        QTest::newRow("trimmed") << QStringList { " /cfg\t\n" } << "/cfg/";
        QTest::newRow("opening quote only") << QStringList { "\"/cfg" } << "/cfg/";
        QTest::newRow("closing quote only") << QStringList { "/cfg\"" } << "/cfg/";
        QTest::newRow("root") << QStringList { "/" } << "/";
    }

    void folder()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, folder);
        QCOMPARE(
            SettingsPath::folderFromArguments(arguments, QStringLiteral("/opt/auralis")), folder);
    }

    void relativeFolderAndTrailingSeparator()
    {
        // Taken from the current directory at start, so it does not follow later changes.
        QCOMPARE(SettingsPath::folderFromArguments({ "cfg" }, "/opt/auralis/"),
            QDir::currentPath() + "/cfg/");
        QCOMPARE(SettingsPath::withTrailingSeparator("/a"), QStringLiteral("/a/"));
        QCOMPARE(SettingsPath::withTrailingSeparator("/a/"), QStringLiteral("/a/"));
    }

    void folderNamedInBytesThatAreNotUtf8()
    {
        QTemporaryDir dir;
        const QByteArray raw = QFile::encodeName(dir.path()) + "/cfg \xff\xfe";
        QCOMPARE(::mkdir(raw.constData(), 0700), 0);

        // The shell split it in two, and it came quoted.
        const QStringList arguments
            = SettingsPath::argumentsFromBytes({ "\"" + raw.left(raw.size() - 3), "\xff\xfe\"" });
        const QString folder = SettingsPath::folderFromArguments(arguments, "/opt/auralis/");
        IniFile(folder + "auralis.ini").writeInteger("S", "K", 7);
        struct stat st;
        QCOMPARE(::stat((raw + "/auralis.ini").constData(), &st), 0);
        QCOMPARE(IniFile(folder + "auralis.ini").readInteger("S", "K", 0), 7);
        // The temporary folder cannot name it either.
        QCOMPARE(::unlink((raw + "/auralis.ini").constData()), 0);
        QCOMPARE(::rmdir(raw.constData()), 0);

        // UTF-8 arguments are the arguments as they were.
        const QStringList plain { "/my", QString::fromUtf8("d\xc3\xa4ta") };
        QCOMPARE(SettingsPath::argumentsFromBytes({ "/my", "d\xc3\xa4ta" }), plain);
    }
};

QTEST_APPLESS_MAIN(TestSettingsPath)
#include "tst_settingspath.moc"
