#include "Probes.h"
#include "base/Errors.h"
#include "data/ElementData.h"
#include "data/Naming.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <set>

namespace {

using Probes::errorOf;
using Probes::writeFile;

// A complete file of 109 records whose every field reads "Z:j", with overrides.
ElementData records(const QMap<int, QString> &lines = {}, int count = RequiredLines)
{
    QByteArray bytes;
    for (int k = 0; k < count; ++k) {
        const QString line = lines.value(k, QStringLiteral("%1:%2").arg(k / 35 + 1).arg(k % 35));
        bytes += line.toLatin1() + "\r\n";
    }
    ElementData data;
    data.loadBytes(bytes);
    return data;
}

int at(int z, int j)
{
    return (z - 1) * 35 + j;
}

const QString OutOfBounds = QStringLiteral("List index out of bounds");

void displayRow(const char *name, int field, const QString &text, const QString &shown)
{
    QTest::newRow(name) << field << text << shown;
}

void namingRow(int scheme, int z, const char *symbol, const char *name)
{
    QTest::addRow("%d/%d", scheme, z) << scheme << z << QString(symbol) << QString(name);
}

}

class TestElementData : public QObject
{
    Q_OBJECT

private slots:
    void splitLines_data();
    void splitLines();
    void decimalSeparator_data();
    void decimalSeparator();
    void fieldAccess();
    void fieldOutOfBounds_data();
    void fieldOutOfBounds();
    void shortFile();
    void loadFile();
    void loadFailures();
    void conversions();
    void displayText_data();
    void displayText();
    void catalogue_data();
    void catalogue();
    void naming_data();
    void naming();
    void namingSymbolsDistinct();
    void systematicNamesFollowTheRule();
};

void TestElementData::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList { "a", "b" };
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList { "a", "b" };
    QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList { "a", "b" };
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringList { "a", "", "b" };
    QTest::newRow("CR CR") << QByteArray("a\r\rb") << QStringList { "a", "", "b" };
    QTest::newRow("no final break") << QByteArray("a\nb") << QStringList { "a", "b" };
    QTest::newRow("empty lines kept") << QByteArray("\n\na\n\n") << QStringList { "", "", "a", "" };
    QTest::newRow("blanks kept") << QByteArray(" a \n\t-- \n") << QStringList { " a ", "\t-- " };
    QTest::newRow("NUL ends the text") << QByteArray("a\nb\0c\nd", 7) << QStringList { "a", "b" };
    QTest::newRow("NUL first") << QByteArray("\0a\n", 3) << QStringList {};
    QTest::newRow("NUL between CR and LF") << QByteArray("a\r\0\n", 4) << QStringList { "a" };
    QTest::newRow("empty") << QByteArray() << QStringList {};
    QTest::newRow("one line, no break") << QByteArray("Hydrogen") << QStringList { "Hydrogen" };
    QTest::newRow("megabyte line")
        << QByteArray(2 << 20, 'x') + "\r\ny" << QStringList { QString(2 << 20, 'x'), "y" };
    // The text is Windows-1252; its five unassigned bytes keep their own code points.
    QTest::newRow("cm cubed") << QByteArray("cm\xB3") << QStringList(QStringLiteral("cm\u00B3"));
    QTest::newRow("superscript 1") << QByteArray("\xB9") << QStringList(QStringLiteral("\u00B9"));
    QTest::newRow("A ring") << QByteArray("\xC5") << QStringList(QStringLiteral("\u00C5"));
    QTest::newRow("euro") << QByteArray("\x80") << QStringList(QStringLiteral("\u20AC"));
    QTest::newRow("dagger") << QByteArray("\x86") << QStringList(QStringLiteral("\u2020"));
    QTest::newRow("Y diaeresis") << QByteArray("\x9F") << QStringList(QStringLiteral("\u0178"));
    QTest::newRow("unassigned 0x81") << QByteArray("\x81") << QStringList(QStringLiteral("\u0081"));
    QTest::newRow("y diaeresis") << QByteArray("\xFF") << QStringList(QStringLiteral("\u00FF"));
}

void TestElementData::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(ElementData::splitLines(bytes), lines);
}

void TestElementData::decimalSeparator_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("held");

    QTest::newRow("comma") << "1.00794" << QChar(',') << "1,00794";
    QTest::newRow("first point only") << "2.5.1" << QChar(',') << "2,5.1";
    QTest::newRow("name unchanged") << "Hydrogen" << QChar(',') << "Hydrogen";
    QTest::newRow("point in free text") << "approx. 3" << QChar(',') << "approx, 3";
    QTest::newRow("point separator") << "2.5.1" << QChar('.') << "2.5.1";
}

void TestElementData::decimalSeparator()
{
    QFETCH(QString, stored);
    QFETCH(QChar, separator);
    QFETCH(QString, held);
    ElementData data;
    data.loadBytes(stored.toLatin1() + "\n" + stored.toLatin1());
    data.fixDecimalSeparator(separator);
    QCOMPARE(data.lines(), (QStringList { held, held }));
}

void TestElementData::fieldAccess()
{
    const ElementData data = records({ { at(1, 0), "Hydrogen" }, { at(109, 34), " last " } });
    QCOMPARE(data.field(1, 0), QStringLiteral("Hydrogen"));
    QCOMPARE(data.field(2, 1), QStringLiteral("2:1"));
    QCOMPARE(data.field(56, 20), QStringLiteral("56:20"));
    QCOMPARE(data.field(109, 34), QStringLiteral(" last "));
}

void TestElementData::fieldOutOfBounds_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("j");
    QTest::newRow("element 0") << 0 << 0;
    QTest::newRow("element 119") << 119 << 0;
    QTest::newRow("field -1") << 2 << -1;
    QTest::newRow("field 35") << 1 << 35;
    QTest::newRow("negative element") << -5 << 3;
}

void TestElementData::fieldOutOfBounds()
{
    QFETCH(int, z);
    QFETCH(int, j);
    // Lines beyond 3815 exist here, but are no element's fields.
    const ElementData data = records({}, RequiredLines + 100);
    QCOMPARE(errorOf([&] { data.field(z, j); }), OutOfBounds);
}

void TestElementData::shortFile()
{
    const ElementData data = records({}, RequiredLines - 1);
    QCOMPARE(data.field(109, 33), QStringLiteral("109:33"));
    QCOMPARE(errorOf([&] { data.field(109, 34); }), OutOfBounds);

    const ElementData empty;
    QCOMPARE(errorOf([&] { empty.field(1, 0); }), OutOfBounds);
}

void TestElementData::loadFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QByteArray text;
    for (int k = 0; k < RequiredLines; ++k)
        text += "v" + QByteArray::number(k) + "\n";
    text.chop(1); // the last line without a break
    QVERIFY(writeFile(dir.filePath("lf.bkp"), text));
    QVERIFY(writeFile(dir.filePath("crlf.bkp"), QByteArray(text).replace("\n", "\r\n")));

    ElementData a, b;
    a.load(dir.filePath("lf.bkp"));
    b.load(dir.filePath("crlf.bkp"));
    QCOMPARE(a.lineCount(), RequiredLines);
    QCOMPARE(a.lines(), b.lines());
    QCOMPARE(a.field(109, 34), QStringLiteral("v3814"));
}

void TestElementData::loadFailures()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath("missing.bkp");
    ElementData data;
    data.loadBytes("left over\n");
    QCOMPARE(errorOf([&] { data.load(missing); }), "Cannot open file " + missing);
    QVERIFY(data.isEmpty());

    // The message names the full path even for a relative one.
    const QString relative = QStringLiteral("no-such-dir/auralis.bkp");
    QCOMPARE(errorOf([&] { data.load(relative); }),
        "Cannot open file " + QFileInfo(relative).absoluteFilePath());

    QCOMPARE(errorOf([&] { data.load(dir.path()); }), "Cannot open file " + dir.path());

    // A file far beyond any data file is refused rather than read into memory.
    const QString huge = dir.filePath("huge.bkp");
    QFile f(huge);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(65 * 1024 * 1024)); // sparse: costs no disk
    f.close();
    QCOMPARE(errorOf([&] { data.load(huge); }), "Cannot open file " + huge);
    QVERIFY(data.isEmpty());
}

void TestElementData::conversions()
{
    QVERIFY(!ElementText::hasValue("--"));
    for (const char *text : { " --", "-- ", "---", "" })
        QVERIFY2(ElementText::hasValue(text), text);

    QCOMPARE(ElementText::number("1,00794", ','), 1.00794);
    QCOMPARE(ElementText::number("-2.5E3", '.'), -2500.0);
    for (const QString text : { " --", "--" }) {
        QCOMPARE(errorOf([&] { ElementText::number(text, '.'); }),
            "'" + text + "' is not a valid floating point value");
    }

    QVERIFY(ElementText::flag("1"));
    QVERIFY(!ElementText::flag("0"));
    QVERIFY(!ElementText::flag("256")); // low byte zero
    QVERIFY(ElementText::flag("257"));
    for (const QString text : { "yes", "--" })
        QCOMPARE(errorOf([&] { ElementText::flag(text); }),
            "'" + text + "' is not a valid integer value");
}

void TestElementData::displayText_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    const QString sixty = QString(50, 'x') + QString(10, 'y');
    displayRow("weight", 2, "1.00794", "1.00794 g/mol");
    displayRow("boiling", 3, "20.28", "20.28 K");
    displayRow("missing has no unit", 3, "--", "--");
    displayRow("density", 5, "0.0899 (gas)x", QStringLiteral("0.0899 (gas)x g/cm\u00B3"));
    displayRow("density remark", 5, "0.0899 (gas)", "0.0899 (gas)");
    displayRow(
        "density ) at the cut", 5, QString(49, '1') + ")" + "0123456789", QString(49, '1') + ")");
    displayRow("60 characters", 11, sixty, QString(50, 'x') + " kJ/mol");
    displayRow("covalent radius", 19, "0.32", QStringLiteral("0.32 \u00C5"));
    displayRow("specific heat", 15, "14.3", QStringLiteral("14.3 Jg-\u00B9K-\u00B9 (at 300 K)"));
    displayRow("electronegativity uncut", 10, sixty, sixty);
    displayRow("ionization uncut", 16, sixty, sixty);
    displayRow("configuration", 6, "1s1", "1s1");
    displayRow("oxidation uncut", 7, sixty, sixty);
    displayRow("synthetic", 20, "1", "Yes");
    displayRow("not synthetic", 20, "0", "No");
    displayRow("synthetic 256", 20, "256", "No");
    // Codes of the crystal structure (8) and the acid-base character (9).
    displayRow("crystal 1", 8, "1", "Cubic, face centered");
    displayRow("crystal 4", 8, "4", "Hexagonal");
    displayRow("crystal 8", 8, "8", "Monoclinic");
    displayRow("crystal 9", 8, "9", "--");
    displayRow("crystal 04", 8, "04", "--");
    displayRow("crystal 0", 8, "0", "--");
    displayRow("crystal blank", 8, "4 ", "--");
    displayRow("crystal missing", 8, "--", "--");
    displayRow("acid 1", 9, "1", "Acidic");
    displayRow("acid 2", 9, "2", "Basic");
    displayRow("acid 3", 9, "3", "Amphoteric");
    displayRow("acid 0", 9, "0", "--");
    displayRow("acid 4", 9, "4", "--");
}

void TestElementData::displayText()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const ElementData data = records({ { at(1, field), text }, { at(26, field), text } });
    QCOMPARE(Fields::displayText(data, 1, field), shown);
    QCOMPARE(Fields::displayText(data, 26, field), shown);
}

void TestElementData::catalogue_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("trend");
    // Rows of the information window as the user reads them, top to bottom.
    QTest::newRow("first row") << 0 << "Atomic Weight:"
                               << "g/mol" << 2;
    QTest::newRow("oxidation second") << 1 << "Oxidation States:"
                                      << "" << -1;
    QTest::newRow("density") << 4 << "Density:" << QStringLiteral("g/cm\u00B3") << 5;
    QTest::newRow("acid/base before crystal") << 6 << "Acid/Base Properties:"
                                              << "" << -1;
    QTest::newRow("specific heat")
        << 13 << "Specific Heat Capacity:" << QStringLiteral("Jg-\u00B9K-\u00B9 (at 300 K)") << 12;
    QTest::newRow("covalent radius") << 17 << "Covalent Radius:" << QStringLiteral("\u00C5") << 4;
    QTest::newRow("last row") << 18 << "Synthetic:"
                              << "" << -1;
}

// Worked examples of the catalogue, then the rules that tie its columns together.
void TestElementData::catalogue()
{
    QFETCH(int, row);
    QFETCH(QString, caption);
    QFETCH(QString, unit);
    QFETCH(int, trend);
    const int f = Fields::infoRowField(row);
    QCOMPARE(Fields::infoCaption(row), caption);
    QCOMPARE(Fields::unit(f), unit);
    QCOMPARE(Fields::unitSuffix(f), unit.isEmpty() ? QString() : " " + unit);
    if (trend >= 0) {
        // The trend's value field is in the same unit; the info window shows no unit on it.
        QCOMPARE(Fields::trend(trend).displayField, f);
        QCOMPARE(Fields::unit(Fields::trend(trend).valueField), unit);
        QCOMPARE(Fields::unitSuffix(Fields::trend(trend).valueField), QString());
    }

    // Each value field pairs with one display field and back; the menu caption is the
    // trend's name with an accelerator; the trends run in alphabetical order.
    std::set<int> values;
    for (int i = 0; i < TrendPropertyCount; ++i) {
        const TrendProperty &p = Fields::trend(i);
        QCOMPARE(Fields::info(p.displayField).pair, p.valueField);
        QCOMPARE(QString(p.itemCaption).remove('&'), QString(p.name));
        if (i > 0)
            QVERIFY(qstrcmp(Fields::trend(i - 1).name, p.name) < 0);
        values.insert(p.valueField);
    }
    QCOMPARE(int(values.size()), TrendPropertyCount);
    QCOMPARE(Fields::infoRowField(Fields::InfoRowCount), -1);
    QCOMPARE(errorOf([] { Fields::info(FieldsPerElement); }), OutOfBounds);
}

void TestElementData::naming_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("name");

    namingRow(0, 104, "Rf", "Rutherfordium");
    namingRow(0, 105, "Db", "Dubnium");
    namingRow(0, 108, "Hs", "Hassium");
    namingRow(1, 104, "Unq", "Unnilquadium");
    namingRow(1, 106, "Unh", "Unnilhexium");
    namingRow(1, 109, "Une", "Unnilenium");
    namingRow(2, 104, "Db", "Dubnium");
    namingRow(2, 105, "Jl", "Joliotium");
    namingRow(2, 106, "Rf", "Rutherfordium");
    namingRow(2, 108, "Hn", "Hahnium");
    namingRow(3, 105, "Ha", "Hahnium");
    namingRow(3, 107, "Ns", "Nielsbohrium");
    namingRow(3, 109, "Mt", "Meitnerium");
    // The seventh period's end: IUPAC's names under scheme 0, the systematic names under
    // the schemes that named nothing beyond 109.
    const char *const approved[][2] = { { "Ds", "Darmstadtium" }, { "Rg", "Roentgenium" },
        { "Cn", "Copernicium" }, { "Nh", "Nihonium" }, { "Fl", "Flerovium" }, { "Mc", "Moscovium" },
        { "Lv", "Livermorium" }, { "Ts", "Tennessine" }, { "Og", "Oganesson" } };
    const char *const systematic[][2]
        = { { "Uun", "Ununnilium" }, { "Uuu", "Unununium" }, { "Uub", "Ununbium" },
              { "Uut", "Ununtrium" }, { "Uuq", "Ununquadium" }, { "Uup", "Ununpentium" },
              { "Uuh", "Ununhexium" }, { "Uus", "Ununseptium" }, { "Uuo", "Ununoctium" } };
    for (int i = 0; i < 9; ++i) {
        namingRow(0, 110 + i, approved[i][0], approved[i][1]);
        for (int scheme = 1; scheme <= 3; ++scheme)
            namingRow(scheme, 110 + i, systematic[i][0], systematic[i][1]);
    }
}

void TestElementData::naming()
{
    QFETCH(int, scheme);
    QFETCH(int, z);
    QFETCH(QString, symbol);
    QFETCH(QString, name);
    const Naming::Entry e = Naming::entry(scheme, z);
    QCOMPARE(e.symbol, symbol);
    QCOMPARE(e.name, name);
}

void TestElementData::namingSymbolsDistinct()
{
    for (int scheme = 0; scheme < Naming::SchemeCount; ++scheme) {
        QSet<QString> symbols;
        for (int z = 104; z <= 109; ++z)
            symbols.insert(Naming::entry(scheme, z).symbol);
        QCOMPARE(symbols.size(), 6);
        QCOMPARE(Naming::entry(scheme, 109).symbol == "Mt", scheme != 1);
    }
    const std::initializer_list<std::pair<int, int>> outside { { -1, 104 }, { 4, 104 }, { 0, 103 },
        { 0, 119 } };
    for (const auto &p : outside)
        QCOMPARE(errorOf([&] { Naming::entry(p.first, p.second); }), OutOfBounds);
}

// IUPAC's rule for a number's temporary name: a root per digit (nil un bi tri quad pent hex
// sept oct enn) and "ium", "enn" before "nil" and "bi" or "tri" before "ium" losing a
// letter; the symbol the roots' first letters.
void TestElementData::systematicNamesFollowTheRule()
{
    const char *const roots[]
        = { "nil", "un", "bi", "tri", "quad", "pent", "hex", "sept", "oct", "enn" };
    for (int z = 110; z <= 118; ++z) {
        QString name, symbol;
        for (const QChar digit : QString::number(z)) {
            const QString root = QLatin1String(roots[digit.digitValue()]);
            if (name.endsWith(QLatin1String("nn")) && root.startsWith(u'n'))
                name.chop(1);
            name += root;
            symbol += root.at(0);
        }
        name += name.endsWith(u'i') ? QStringLiteral("um") : QStringLiteral("ium");
        name[0] = name[0].toUpper();
        symbol[0] = symbol[0].toUpper();
        for (int scheme = 1; scheme < Naming::SchemeCount; ++scheme) {
            QCOMPARE(Naming::entry(scheme, z).name, name);
            QCOMPARE(Naming::entry(scheme, z).symbol, symbol);
        }
    }
}

QTEST_APPLESS_MAIN(TestElementData)
#include "tst_elementdata.moc"
