#include "core/Errors.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private:
    QString writeFile(const QTemporaryDir &dir, const QByteArray &content)
    {
        const QString path = dir.filePath(QStringLiteral("auralis.ini"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot prepare %s", qPrintable(path));
        return path;
    }
    static QByteArray contentOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void readsValuesAndDefaults_data();
    void readsValuesAndDefaults();
    void readsIntegers_data();
    void readsIntegers();
    void readsBooleans_data();
    void readsBooleans();
    void cutsLongValues();
    void decodesLatin1AndUtf8Lines();
    void readsAndWritesAfterByteOrderMark();
    void replacesValueInPlace();
    void addsKeyAtEndOfItsSection();
    void addsSectionAtEndAndCreatesFile();
    void keepsCrLfEndings();
    void roundTripsTextThatNeedsCare_data();
    void roundTripsTextThatNeedsCare();
    void failedWriteThrowsAndChangesNothing();
    void writesLeaveNoTemporaryFiles();
    void writesThroughSymlinkKeepingPermissions();
    void survivesHostileFiles();
};

void TestIniFile::readsValuesAndDefaults_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "Settings"
                           << "Background"
                           << "/x/auraback.bmp";
    QTest::newRow("names ignore case") << "SETTINGS"
                                       << "background"
                                       << "/x/auraback.bmp";
    QTest::newRow("blanks around key and value") << "Main Window"
                                                 << "Top"
                                                 << "12";
    QTest::newRow("blanks around section name") << "Colors"
                                                << "Metals"
                                                << "255";
    QTest::newRow("empty value is present") << "Colors"
                                            << "Gases"
                                            << "";
    QTest::newRow("first of duplicate keys") << "Colors"
                                             << "Solids"
                                             << "1";
    QTest::newRow("first of duplicate sections") << "About"
                                                 << "Read"
                                                 << "1";
    QTest::newRow("key of another section") << "Main Window"
                                            << "Metals"
                                            << "def";
    QTest::newRow("absent key") << "Settings"
                                << "Nothing"
                                << "def";
    QTest::newRow("absent section") << "Nowhere"
                                    << "Top"
                                    << "def";
    QTest::newRow("key before any section") << ""
                                            << "Stray"
                                            << "def";
    QTest::newRow("line without equals sign") << "Settings"
                                              << "NoEquals"
                                              << "def";
}

void TestIniFile::readsValuesAndDefaults()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = writeFile(dir,
        "Stray=1\n"
        "[Settings]\n"
        "Background=/x/auraback.bmp\n"
        "NoEquals\n"
        "[Main Window]\n"
        "  Top  =   12  \n"
        "[ Colors ]\n"
        "Metals=255\n"
        "Gases=\n"
        "Solids=1\n"
        "Solids=2\n"
        "[About]\n"
        "Read=1\n"
        "[about]\n"
        "Read=0\n");
    QCOMPARE(IniFile(path).readString(section, key, QStringLiteral("def")), expected);
}

void TestIniFile::readsIntegers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("decimal") << QByteArray("42") << 42;
    QTest::newRow("negative") << QByteArray("-17") << -17;
    QTest::newRow("plus sign") << QByteArray("+5") << 5;
    QTest::newRow("0x hex") << QByteArray("0x20") << 32;
    QTest::newRow("0X hex upper") << QByteArray("0XfF") << 255;
    QTest::newRow("dollar hex") << QByteArray("$1F") << 31;
    QTest::newRow("hex wraps to negative") << QByteArray("$FFFFFFFF") << -1;
    QTest::newRow("0x alone") << QByteArray("0x") << -7;
    QTest::newRow("dollar alone") << QByteArray("$") << -7;
    QTest::newRow("word") << QByteArray("yes") << -7;
    QTest::newRow("trailing junk") << QByteArray("12abc") << -7;
    QTest::newRow("decimal point") << QByteArray("1.5") << -7;
    QTest::newRow("hex digits without prefix") << QByteArray("1F") << -7;
    QTest::newRow("leading zeros") << QByteArray("0000000000012") << 12;
    QTest::newRow("largest int") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest int") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("decimal overflow") << QByteArray("2147483648") << -7;
    QTest::newRow("hex overflow") << QByteArray("$100000000") << -7;
    QTest::newRow("empty") << QByteArray("") << -7;
}

void TestIniFile::readsIntegers()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);

    QTemporaryDir dir;
    const QString path = writeFile(dir, "[S]\nK=" + text + "\n");
    QCOMPARE(IniFile(path).readInteger(QStringLiteral("S"), QStringLiteral("K"), -7), expected);
}

void TestIniFile::readsBooleans_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");

    QTest::newRow("1") << QByteArray("1") << false << true;
    QTest::newRow("0") << QByteArray("0") << true << false;
    QTest::newRow("2") << QByteArray("2") << false << true;
    QTest::newRow("-1") << QByteArray("-1") << false << true;
    QTest::newRow("yes, default false") << QByteArray("yes") << false << false;
    QTest::newRow("true, default true") << QByteArray("true") << true << true;
    QTest::newRow("absent, default true") << QByteArray() << true << true;
}

void TestIniFile::readsBooleans()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, def);
    QFETCH(bool, expected);

    QTemporaryDir dir;
    const QString path
        = writeFile(dir, text.isNull() ? QByteArray("[S]\n") : "[S]\nB=" + text + "\n");
    QCOMPARE(IniFile(path).readBool(QStringLiteral("S"), QStringLiteral("B"), def), expected);
}

void TestIniFile::cutsLongValues()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "[S]\nK=" + QByteArray(3000, 'a') + "\n");
    IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("K"), QString()).size(), 1023);

    // A cut never leaves half of a surrogate pair behind.
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");
    ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QString(1022, 'b') + clef);
    QCOMPARE(
        ini.readString(QStringLiteral("S"), QStringLiteral("K"), QString()), QString(1022, 'b'));
}

void TestIniFile::decodesLatin1AndUtf8Lines()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir,
        "[S]\n"
        "Latin=Gr\xfc\xdf \x80\n"
        "Utf8=Gr\xc3\xbc\xc3\x9f\n");
    IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("Latin"), QString()),
        QString::fromUtf8("Grüß €"));
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("Utf8"), QString()),
        QString::fromUtf8("Grüß"));

    // Writing another key keeps the Windows-1252 bytes of the untouched line.
    ini.writeString(QStringLiteral("S"), QStringLiteral("New"), QString::fromUtf8("€ ä"));
    QCOMPARE(contentOf(path),
        QByteArray("[S]\n"
                   "Latin=Gr\xfc\xdf \x80\n"
                   "Utf8=Gr\xc3\xbc\xc3\x9f\n"
                   "New=\xe2\x82\xac \xc3\xa4\n"));
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("New"), QString()),
        QString::fromUtf8("€ ä"));
}

void TestIniFile::readsAndWritesAfterByteOrderMark()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "\xEF\xBB\xBF[Settings]\nSaveINI=1\n");
    IniFile ini(path);
    QCOMPARE(ini.readBool(QStringLiteral("Settings"), QStringLiteral("SaveINI"), false), true);
    ini.writeBool(QStringLiteral("Settings"), QStringLiteral("SaveINI"), false);
    QCOMPARE(contentOf(path), QByteArray("\xEF\xBB\xBF[Settings]\nSaveINI=0\n"));
}

void TestIniFile::replacesValueInPlace()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir,
        "; comment \x01\xff\n"
        "[Main Window]\n"
        "TOP = 5\n"
        "Left=7\n"
        "\n"
        "[Other]\n"
        "Top=9\n");
    IniFile ini(path);
    ini.writeInteger(QStringLiteral("main window"), QStringLiteral("Top"), -120);
    QCOMPARE(contentOf(path),
        QByteArray("; comment \x01\xff\n"
                   "[Main Window]\n"
                   "TOP =-120\n"
                   "Left=7\n"
                   "\n"
                   "[Other]\n"
                   "Top=9\n"));
    QCOMPARE(ini.readInteger(QStringLiteral("Main Window"), QStringLiteral("Top"), 0), -120);
}

void TestIniFile::addsKeyAtEndOfItsSection()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir,
        "[A]\n"
        "One=1\n"
        "; trailing comment\n"
        "\n"
        "[B]\n"
        "X=1\n"
        "[Empty]\n"
        "\n"
        "[C]\n"
        "Last=1");
    IniFile ini(path);
    ini.writeInteger(QStringLiteral("A"), QStringLiteral("Two"), 2);
    ini.writeBool(QStringLiteral("Empty"), QStringLiteral("Flag"), true);
    ini.writeBool(QStringLiteral("C"), QStringLiteral("Next"), false);
    QCOMPARE(contentOf(path),
        QByteArray("[A]\n"
                   "One=1\n"
                   "Two=2\n"
                   "; trailing comment\n"
                   "\n"
                   "[B]\n"
                   "X=1\n"
                   "[Empty]\n"
                   "Flag=1\n"
                   "\n"
                   "[C]\n"
                   "Last=1\n"
                   "Next=0\n"));
}

void TestIniFile::addsSectionAtEndAndCreatesFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("auralis.ini"));
    IniFile ini(path);
    QCOMPARE(ini.readInteger(QStringLiteral("Main Window"), QStringLiteral("Top"), 5), 5);
    QVERIFY(!QFile::exists(path)); // reading creates nothing

    ini.writeInteger(QStringLiteral("Main Window"), QStringLiteral("Top"), 5);
    ini.writeInteger(QStringLiteral("Settings"), QStringLiteral("Selected Element"), 26);
    ini.writeInteger(QStringLiteral("Main Window"), QStringLiteral("Left"), 6);
    ini.writeString(
        QStringLiteral("Settings"), QStringLiteral("Temperature"), QStringLiteral("298.15"));
    QCOMPARE(contentOf(path),
        QByteArray("[Main Window]\n"
                   "Top=5\n"
                   "Left=6\n"
                   "\n"
                   "[Settings]\n"
                   "Selected Element=26\n"
                   "Temperature=298.15\n"));
    // A second object on the same path sees the values at once.
    QCOMPARE(IniFile(path).readString(
                 QStringLiteral("settings"), QStringLiteral("TEMPERATURE"), QString()),
        QStringLiteral("298.15"));
}

void TestIniFile::keepsCrLfEndings()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "[A]\r\nOne=1\r\n");
    IniFile ini(path);
    QCOMPARE(ini.readInteger(QStringLiteral("A"), QStringLiteral("One"), 0), 1);
    ini.writeInteger(QStringLiteral("A"), QStringLiteral("One"), 3);
    ini.writeInteger(QStringLiteral("A"), QStringLiteral("Two"), 2);
    ini.writeInteger(QStringLiteral("B"), QStringLiteral("X"), 4);
    QCOMPARE(contentOf(path), QByteArray("[A]\r\nOne=3\r\nTwo=2\r\n\r\n[B]\r\nX=4\r\n"));
}

void TestIniFile::roundTripsTextThatNeedsCare_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("path with blanks")
        << QStringLiteral("/home/u/my pics/back.bmp") << QStringLiteral("/home/u/my pics/back.bmp");
    QTest::newRow("equals sign") << QStringLiteral("a=b") << QStringLiteral("a=b");
    QTest::newRow("brackets") << QStringLiteral("[x]") << QStringLiteral("[x]");
    QTest::newRow("non-Latin") << QString::fromUtf8("/tmp/背景.bmp")
                               << QString::fromUtf8("/tmp/背景.bmp");
    // A line break would split the line; it becomes a blank instead.
    QTest::newRow("line break") << QStringLiteral("a\nb\r\n[Evil]\nc")
                                << QStringLiteral("a b  [Evil] c");
}

void TestIniFile::roundTripsTextThatNeedsCare()
{
    QFETCH(QString, value);
    QFETCH(QString, readBack);

    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("auralis.ini")));
    ini.writeString(QStringLiteral("Settings"), QStringLiteral("Background"), value);
    ini.writeString(QStringLiteral("Settings"), QStringLiteral("After"), QStringLiteral("1"));
    QCOMPARE(ini.readString(QStringLiteral("Settings"), QStringLiteral("Background"), QString()),
        readBack);
    QCOMPARE(ini.readString(QStringLiteral("Settings"), QStringLiteral("After"), QString()),
        QStringLiteral("1"));
    QCOMPARE(ini.readString(QStringLiteral("Evil"), QStringLiteral("c"), QStringLiteral("none")),
        QStringLiteral("none"));
}

void TestIniFile::failedWriteThrowsAndChangesNothing()
{
    QTemporaryDir dir;
    // A plain file where the folder should be cannot be written, whoever runs the test.
    const QString blocker = writeFile(dir, "not a folder");
    const QString path = blocker + QStringLiteral("/auralis.ini");
    try {
        IniFile(path).writeInteger(QStringLiteral("S"), QStringLiteral("K"), 1);
        QFAIL("no error raised");
    } catch (const EAuralisError &e) {
        QCOMPARE(e.message(), QStringLiteral("Unable to write to ") + path);
    }
    QCOMPARE(contentOf(blocker), QByteArray("not a folder"));

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/auralis.ini"));
    QVERIFY_THROWS_EXCEPTION(
        EAuralisError, IniFile(missing).writeBool(QStringLiteral("S"), QStringLiteral("K"), true));
    QVERIFY(!QFile::exists(missing));

    // A directory in place of the file: nothing to read, and nothing is replaced.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("asdir")));
    const QString asDir = dir.filePath(QStringLiteral("asdir"));
    QCOMPARE(
        IniFile(asDir).readString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("def")),
        QStringLiteral("def"));
    QVERIFY_THROWS_EXCEPTION(EAuralisError,
        IniFile(asDir).writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
    QVERIFY(QFileInfo(asDir).isDir());
}

void TestIniFile::writesLeaveNoTemporaryFiles()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("auralis.ini")));
    for (int i = 0; i < 20; ++i)
        ini.writeInteger(QStringLiteral("S%1").arg(i % 3), QStringLiteral("K%1").arg(i), i);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
        QStringList { QStringLiteral("auralis.ini") });
    QCOMPARE(ini.readInteger(QStringLiteral("S1"), QStringLiteral("K19"), 0), 19);
}

void TestIniFile::writesThroughSymlinkKeepingPermissions()
{
    QTemporaryDir dir;
    const QString target = writeFile(dir, "[S]\nK=1\n");
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    const QString link = dir.filePath(QStringLiteral("link.ini"));
    QVERIFY(QFile::link(target, link));

    IniFile(link).writeInteger(QStringLiteral("S"), QStringLiteral("K"), 2);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contentOf(target), QByteArray("[S]\nK=2\n"));
    // A file kept private stays private after the replace.
    QVERIFY(!(QFileInfo(target).permissions() & (QFile::ReadGroup | QFile::ReadOther)));
}

void TestIniFile::survivesHostileFiles()
{
    QTemporaryDir dir;
    QByteArray garbage(2 * 1024 * 1024, '\0');
    QRandomGenerator rng(1234);
    for (char &c : garbage)
        c = char(rng.bounded(256));
    QByteArray sections;
    for (int i = 0; i < 1000; ++i)
        sections += "[S" + QByteArray::number(i) + "]\nK=" + QByteArray::number(i) + "\n[\n=\n";
    const QByteArray nul("[\0x]\nK\0=\0\n", 10);
    const QByteArray hostile = garbage + "\n[Broken\nK=1\n" + nul + sections + "\n"
        + QByteArray(100000, '[') + "\n" + QByteArray(100000, '=');

    const QString path = writeFile(dir, hostile);
    IniFile ini(path);
    QCOMPARE(ini.readInteger(QStringLiteral("S999"), QStringLiteral("K"), -1), 999);
    QCOMPARE(ini.readInteger(QStringLiteral("Broken"), QStringLiteral("K"), -1), 1);
    QCOMPARE(ini.readInteger(QStringLiteral("Settings"), QStringLiteral("K"), -1), -1);

    ini.writeInteger(QStringLiteral("S500"), QStringLiteral("K"), -500);
    ini.writeInteger(QStringLiteral("Settings"), QStringLiteral("New"), 7);
    QCOMPARE(ini.readInteger(QStringLiteral("S500"), QStringLiteral("K"), 0), -500);
    QCOMPARE(ini.readInteger(QStringLiteral("Settings"), QStringLiteral("New"), 0), 7);
    QVERIFY(contentOf(path).startsWith(garbage));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
