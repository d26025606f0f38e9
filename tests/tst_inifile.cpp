#include "base/Errors.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace Qt::StringLiterals;

class TestIniFile : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;

    QString iniPath() const { return m_dir->filePath(u"auralis.ini"_s); }
    QString writeFile(const QByteArray &content)
    {
        const QString path = iniPath();
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
    void init() { m_dir.emplace(); }

    void readsValuesAndDefaults_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << u"Settings"_s << u"Background"_s << u"/x/auraback.bmp"_s;
        QTest::newRow("names ignore case")
            << u"SETTINGS"_s << u"background"_s << u"/x/auraback.bmp"_s;
        QTest::newRow("blanks around key and value") << u"Main Window"_s << u"Top"_s << u"12"_s;
        QTest::newRow("blanks around section name") << u"Colors"_s << u"Metals"_s << u"255"_s;
        QTest::newRow("empty value is present") << u"Colors"_s << u"Gases"_s << u""_s;
        QTest::newRow("first of duplicate keys") << u"Colors"_s << u"Solids"_s << u"1"_s;
        QTest::newRow("first of duplicate sections") << u"About"_s << u"Read"_s << u"1"_s;
        QTest::newRow("key of another section") << u"Main Window"_s << u"Metals"_s << u"def"_s;
        QTest::newRow("absent key") << u"Settings"_s << u"Nothing"_s << u"def"_s;
        QTest::newRow("absent section") << u"Nowhere"_s << u"Top"_s << u"def"_s;
        QTest::newRow("key before any section") << u""_s << u"Stray"_s << u"def"_s;
        QTest::newRow("line without equals sign") << u"Settings"_s << u"NoEquals"_s << u"def"_s;
    }

    void readsValuesAndDefaults()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);

        const QString path = writeFile("Stray=1\n"
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
        QCOMPARE(IniFile(path).readString(section, key, u"def"_s), expected);
    }

    void readsIntegers_data()
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

    void readsIntegers()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, expected);

        const QString path = writeFile("[S]\nK=" + text + "\n");
        QCOMPARE(IniFile(path).readInteger(u"S"_s, u"K"_s, -7), expected);
    }

    void readsBooleans_data()
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

    void readsBooleans()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, def);
        QFETCH(bool, expected);

        const QString path
            = writeFile(text.isNull() ? QByteArray("[S]\n") : "[S]\nB=" + text + "\n");
        QCOMPARE(IniFile(path).readBool(u"S"_s, u"B"_s, def), expected);
    }

    void cutsLongValues()
    {
        const QString path = writeFile("[S]\nK=" + QByteArray(3000, 'a') + "\n");
        IniFile ini(path);
        QCOMPARE(ini.readString(u"S"_s, u"K"_s, QString()).size(), 1023);

        // A cut never leaves half of a surrogate pair behind.
        const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");
        ini.writeString(u"S"_s, u"K"_s, QString(1022, 'b') + clef);
        QCOMPARE(ini.readString(u"S"_s, u"K"_s, QString()), QString(1022, 'b'));
    }

    void decodesLatin1AndUtf8Lines()
    {
        const QString path = writeFile("[S]\n"
                                       "Latin=Gr\xfc\xdf \x80\n"
                                       "Utf8=Gr\xc3\xbc\xc3\x9f\n");
        IniFile ini(path);
        QCOMPARE(ini.readString(u"S"_s, u"Latin"_s, QString()), QString::fromUtf8("Grüß €"));
        QCOMPARE(ini.readString(u"S"_s, u"Utf8"_s, QString()), QString::fromUtf8("Grüß"));

        // Writing another key keeps the Windows-1252 bytes of the untouched line.
        ini.writeString(u"S"_s, u"New"_s, QString::fromUtf8("€ ä"));
        QCOMPARE(contentOf(path),
            QByteArray("[S]\n"
                       "Latin=Gr\xfc\xdf \x80\n"
                       "Utf8=Gr\xc3\xbc\xc3\x9f\n"
                       "New=\xe2\x82\xac \xc3\xa4\n"));
        QCOMPARE(ini.readString(u"S"_s, u"New"_s, QString()), QString::fromUtf8("€ ä"));

        // Key and value are decoded each on their own: a UTF-8 value written after a key
        // spelt in Windows-1252 reads back as written.
        const QString path2 = writeFile("[S]\nK\xa0=old\n");
        IniFile(path2).writeString(u"S"_s, u"K"_s, QString::fromUtf8("Grüß"));
        QCOMPARE(IniFile(path2).readString(u"S"_s, u"K"_s, QString()), QString::fromUtf8("Grüß"));
    }

    void readsAndWritesAfterByteOrderMark()
    {
        const QString path = writeFile("\xEF\xBB\xBF[Settings]\nSaveINI=1\n");
        IniFile ini(path);
        QCOMPARE(ini.readBool(u"Settings"_s, u"SaveINI"_s, false), true);
        ini.writeBool(u"Settings"_s, u"SaveINI"_s, false);
        QCOMPARE(contentOf(path), QByteArray("\xEF\xBB\xBF[Settings]\nSaveINI=0\n"));
    }

    void replacesValueInPlace()
    {
        const QString path = writeFile("; comment \x01\xff\n"
                                       "[Main Window]\n"
                                       "TOP = 5\n"
                                       "Left=7\n"
                                       "\n"
                                       "[Other]\n"
                                       "Top=9\n");
        IniFile ini(path);
        ini.writeInteger(u"main window"_s, u"Top"_s, -120);
        QCOMPARE(contentOf(path),
            QByteArray("; comment \x01\xff\n"
                       "[Main Window]\n"
                       "TOP =-120\n"
                       "Left=7\n"
                       "\n"
                       "[Other]\n"
                       "Top=9\n"));
        QCOMPARE(ini.readInteger(u"Main Window"_s, u"Top"_s, 0), -120);
    }

    void addsKeyAtEndOfItsSection()
    {
        const QString path = writeFile("[A]\n"
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
        ini.writeInteger(u"A"_s, u"Two"_s, 2);
        ini.writeBool(u"Empty"_s, u"Flag"_s, true);
        ini.writeBool(u"C"_s, u"Next"_s, false);
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

    void addsSectionAtEndAndCreatesFile()
    {
        const QString path = iniPath();
        IniFile ini(path);
        QCOMPARE(ini.readInteger(u"Main Window"_s, u"Top"_s, 5), 5);
        QVERIFY(!QFile::exists(path)); // reading creates nothing

        ini.writeInteger(u"Main Window"_s, u"Top"_s, 5);
        ini.writeInteger(u"Settings"_s, u"Selected Element"_s, 26);
        ini.writeInteger(u"Main Window"_s, u"Left"_s, 6);
        ini.writeString(u"Settings"_s, u"Temperature"_s, u"298.15"_s);
        QCOMPARE(contentOf(path),
            QByteArray("[Main Window]\n"
                       "Top=5\n"
                       "Left=6\n"
                       "\n"
                       "[Settings]\n"
                       "Selected Element=26\n"
                       "Temperature=298.15\n"));
        // A second object on the same path sees the values at once.
        QCOMPARE(IniFile(path).readString(u"settings"_s, u"TEMPERATURE"_s, QString()), u"298.15"_s);
    }

    void keepsCrLfEndings()
    {
        const QString path = writeFile("[A]\r\nOne=1\r\n");
        IniFile ini(path);
        QCOMPARE(ini.readInteger(u"A"_s, u"One"_s, 0), 1);
        ini.writeInteger(u"A"_s, u"One"_s, 3);
        ini.writeInteger(u"A"_s, u"Two"_s, 2);
        ini.writeInteger(u"B"_s, u"X"_s, 4);
        QCOMPARE(contentOf(path), QByteArray("[A]\r\nOne=3\r\nTwo=2\r\n\r\n[B]\r\nX=4\r\n"));
    }

    void roundTripsTextThatNeedsCare_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("readBack");

        QTest::newRow("path with blanks")
            << u"/home/u/my pics/back.bmp"_s << u"/home/u/my pics/back.bmp"_s;
        QTest::newRow("equals sign") << u"a=b"_s << u"a=b"_s;
        QTest::newRow("brackets") << u"[x]"_s << u"[x]"_s;
        QTest::newRow("non-Latin")
            << QString::fromUtf8("/tmp/背景.bmp") << QString::fromUtf8("/tmp/背景.bmp");
        // Only a mark at the very start of the file is a byte order mark.
        QTest::newRow("leading U+FEFF") << u"\uFEFFx"_s << u"\uFEFFx"_s;
        // A line break would split the line; it becomes a blank instead.
        QTest::newRow("line break") << u"a\nb\r\n[Evil]\nc"_s << u"a b  [Evil] c"_s;
    }

    void roundTripsTextThatNeedsCare()
    {
        QFETCH(QString, value);
        QFETCH(QString, readBack);

        IniFile ini(iniPath());
        ini.writeString(u"Settings"_s, u"Background"_s, value);
        ini.writeString(u"Settings"_s, u"After"_s, u"1"_s);
        QCOMPARE(ini.readString(u"Settings"_s, u"Background"_s, QString()), readBack);
        QCOMPARE(ini.readString(u"Settings"_s, u"After"_s, QString()), u"1"_s);
        QCOMPARE(ini.readString(u"Evil"_s, u"c"_s, u"none"_s), u"none"_s);
    }

    void failedWriteThrowsAndChangesNothing()
    {
        // A plain file where the folder should be cannot be written, whoever runs the test.
        const QString blocker = writeFile("not a folder");
        const QString path = blocker + u"/auralis.ini"_s;
        try {
            IniFile(path).writeInteger(u"S"_s, u"K"_s, 1);
            QFAIL("no error raised");
        } catch (const EAuralisError &e) {
            QCOMPARE(e.message(), u"Unable to write to "_s + path);
        }
        QCOMPARE(contentOf(blocker), QByteArray("not a folder"));

        const QString missing = m_dir->filePath(u"no/such/folder/auralis.ini"_s);
        QVERIFY_THROWS_EXCEPTION(EAuralisError, IniFile(missing).writeBool(u"S"_s, u"K"_s, true));
        QVERIFY(!QFile::exists(missing));

        // A directory in place of the file: nothing to read, and nothing is replaced.
        QVERIFY(QDir(m_dir->path()).mkdir(u"asdir"_s));
        const QString asDir = m_dir->filePath(u"asdir"_s);
        QCOMPARE(IniFile(asDir).readString(u"S"_s, u"K"_s, u"def"_s), u"def"_s);
        QVERIFY_THROWS_EXCEPTION(EAuralisError, IniFile(asDir).writeString(u"S"_s, u"K"_s, u"v"_s));
        QVERIFY(QFileInfo(asDir).isDir());
    }

    void passWritesOnceWhatSingleWritesWouldWrite()
    {
        const QByteArray start = "[Settings]\r\nTop = 3\r\n; kept\r\n\r\n[Other]\r\nx=1\r\n";
        const auto writeAll = [](IniFile &ini) {
            ini.writeInteger(u"settings"_s, u"top"_s, 7);
            ini.writeString(u"Settings"_s, u"New"_s, u"a"_s);
            ini.writeBool(u"Fresh"_s, u"On"_s, true);
        };
        IniFile single(writeFile(start));
        writeAll(single);
        const QByteArray expected = contentOf(iniPath());

        IniFile pass(writeFile(start));
        pass.beginPass();
        writeAll(pass);
        QCOMPARE(pass.readInteger(u"Settings"_s, u"Top"_s, 0), 7); // the pass sees its writes
        QCOMPARE(contentOf(iniPath()), start); // the file only at the commit
        pass.commitPass();
        QCOMPARE(contentOf(iniPath()), expected);

        // A failed commit reports once and leaves no file behind.
        const QString blocked = writeFile("x") + u"/auralis.ini"_s;
        IniFile failing(blocked);
        failing.beginPass();
        writeAll(failing);
        QVERIFY_THROWS_EXCEPTION(EAuralisError, failing.commitPass());
        QVERIFY(!failing.inPass());
        QCOMPARE(contentOf(iniPath()), QByteArray("x"));
    }

    void writesLeaveNoTemporaryFiles()
    {
        IniFile ini(iniPath());
        for (int i = 0; i < 20; ++i)
            ini.writeInteger(u"S%1"_s.arg(i % 3), u"K%1"_s.arg(i), i);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList { u"auralis.ini"_s });
        QCOMPARE(ini.readInteger(u"S1"_s, u"K19"_s, 0), 19);
    }

    void writesThroughSymlinkKeepingPermissions()
    {
        const QString target = writeFile("[S]\nK=1\n");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        const QString link = m_dir->filePath(u"link.ini"_s);
        QVERIFY(QFile::link(target, link));

        IniFile(link).writeInteger(u"S"_s, u"K"_s, 2);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contentOf(target), QByteArray("[S]\nK=2\n"));
        // A file kept private stays private after the replace.
        QVERIFY(!(QFileInfo(target).permissions() & (QFile::ReadGroup | QFile::ReadOther)));
    }

    void survivesHostileFiles()
    {
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

        const QString path = writeFile(hostile);
        IniFile ini(path);
        QCOMPARE(ini.readInteger(u"S999"_s, u"K"_s, -1), 999);
        QCOMPARE(ini.readInteger(u"Broken"_s, u"K"_s, -1), 1);
        QCOMPARE(ini.readInteger(u"Settings"_s, u"K"_s, -1), -1);

        ini.writeInteger(u"S500"_s, u"K"_s, -500);
        ini.writeInteger(u"Settings"_s, u"New"_s, 7);
        QCOMPARE(ini.readInteger(u"S500"_s, u"K"_s, 0), -500);
        QCOMPARE(ini.readInteger(u"Settings"_s, u"New"_s, 0), 7);
        QVERIFY(contentOf(path).startsWith(garbage));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
