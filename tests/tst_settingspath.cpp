#include "settings/SettingsPath.h"

#include <QDir>
#include <QtTest>

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
};

QTEST_APPLESS_MAIN(TestSettingsPath)
#include "tst_settingspath.moc"
