#include "base/Errors.h"
#include "data/Csv.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Comma-separated text as spreadsheets and Python's csv module read it back.
class TestCsv : public QObject
{
    Q_OBJECT

    static ElementData fromLines(const QStringList &lines)
    {
        QByteArray bytes;
        for (const QString &l : lines)
            bytes += l.toLatin1() + "\r\n"; // the file's Windows-1252 holds á
        ElementData data;
        data.loadBytes(bytes);
        return data;
    }

private slots:
    void fields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << u"Iron"_s << u"Iron"_s;
        QTest::newRow("comma") << u"+6, +3"_s << u"\"+6, +3\""_s;
        QTest::newRow("quotes doubled") << u"say \"hi\""_s << u"\"say \"\"hi\"\"\""_s;
        QTest::newRow("line break") << u"a\nb"_s << u"\"a\nb\""_s;
        QTest::newRow("carriage return") << u"a\rb"_s << u"\"a\rb\""_s;
        QTest::newRow("blanks kept unquoted") << u" a "_s << u" a "_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void fields()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Csv::field(text), expected);
        QCOMPARE(Csv::row({ text, u"x"_s }), expected + u",x\r\n"_s);
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected"); // "!" = refused
        QTest::newRow("point") << u"7.874"_s << QChar('.') << u"7.874"_s;
        QTest::newRow("comma locale") << u"7,874"_s << QChar(',') << u"7.874"_s;
        QTest::newRow("exponent, blanks") << u" 1,5E-3 "_s << QChar(',') << u"1.5E-3"_s;
        QTest::newRow("no value is empty, not 0") << u"--"_s << QChar('.') << QString();
        QTest::newRow("not a number") << u"7.874 (at 20 C)"_s << QChar('.') << u"!"_s;
        QTest::newRow("point under a comma locale") << u"7.874"_s << QChar(',') << u"!"_s;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        if (expected == u"!"_s)
            QVERIFY_THROWS_EXCEPTION(EAuralisError, Csv::number(text, separator));
        else
            QCOMPARE(Csv::number(text, separator), expected);
    }

    // The whole data export read back by Python's csv module equals the accessor's texts.
    void allElementsReadBackByPython()
    {
        const QString python = QStandardPaths::findExecutable(u"python3"_s);
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        ElementData shipped;
        shipped.load(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
        QStringList lines = shipped.lines();
        lines[(74 - 1) * FieldsPerElement + Field::Name] = u"Wolfrám"_s;
        lines[(26 - 1) * FieldsPerElement + Field::OxidationStates] = u"+6, \"+3\", +2"_s;
        const ElementData data = fromLines(lines);
        auto name = [&data](int z) { return data.field(z, Field::Name); };
        auto symbol = [&data](int z) { return data.field(z, Field::Symbol); };

        QTemporaryDir dir;
        const QString path = dir.filePath(u"all.csv"_s);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(Csv::allElements(data, name, symbol));
        out.close();

        // Python prints each cell on a line of its own, escaped, so the test compares texts.
        QProcess py;
        py.start(python,
            { u"-c"_s,
                u"import csv,sys\n"
                "rows=list(csv.reader(open(sys.argv[1],newline='',encoding='utf-8')))\n"
                "print(len(rows), len(rows[0]))\n"
                "[print(repr(c)) for r in rows for c in r]\n"_s,
                path });
        QVERIFY(py.waitForFinished(20000));
        QCOMPARE(py.exitCode(), 0);
        const QStringList got = QString::fromUtf8(py.readAllStandardOutput()).split(u'\n');
        QCOMPARE(got.first(), u"110 36"_s);
        auto cell = [&got](int row, int column) { return got.at(1 + row * 36 + column); };
        QCOMPARE(cell(0, 0), u"'Atomic Number'"_s);
        QCOMPARE(cell(0, 1 + Field::Density), u"'Density [g/cm³]'"_s);
        QCOMPARE(cell(74, 1 + Field::Name), u"'Wolfrám'"_s);
        QCOMPARE(cell(26, 1 + Field::OxidationStates), u"'+6, \"+3\", +2'"_s);
        QCOMPARE(cell(26, 1 + Field::CrystalStructure), u"'Cubic, body centered'"_s);
        for (int z = 1; z <= ElementCount; ++z) {
            QCOMPARE(cell(z, 0), u"'%1'"_s.arg(z));
            for (int j : { int(Field::ElectronConfig), int(Field::DensityValue),
                     int(Field::MeltingPoint), int(Field::CovalentRadiusValue) }) {
                const QString text = data.field(z, j);
                const QString want = text == u"--"_s ? QString() : text;
                QCOMPARE(cell(z, 1 + j), u"'"_s + want + u"'"_s);
            }
        }
    }

    // One row per element from the first to the last with a value; none is written as 0.
    void trendRowsLeaveMissingValuesEmpty()
    {
        ElementData data;
        data.load(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
        auto name = [&data](int z) { return data.field(z, Field::Name); };
        auto symbol = [&data](int z) { return data.field(z, Field::Symbol); };
        const QStringList rows = QString::fromUtf8(Csv::trend(data, u'.', 5, name, symbol))
                                     .split(u"\r\n"_s, Qt::SkipEmptyParts);
        QCOMPARE(rows.first(), u"Atomic Number,Symbol,Name,Density [g/cm³]"_s);
        QVERIFY(rows.contains(u"26,Fe,Iron,7.874"_s));
        int first = 0, last = 0;
        for (int z = 1; z <= ElementCount; ++z)
            if (data.field(z, Field::DensityValue) != u"--"_s) {
                first = first ? first : z;
                last = z;
            }
        QCOMPARE(rows.size(), 1 + last - first + 1);
        for (const QString &row : rows.mid(1)) {
            const int z = row.section(u',', 0, 0).toInt();
            const bool valued = data.field(z, Field::DensityValue) != u"--"_s;
            QCOMPARE(row.endsWith(u','), !valued);
        }
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
