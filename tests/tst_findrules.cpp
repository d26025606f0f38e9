#include "base/Errors.h"
#include "data/ElementData.h"
#include "main/FindRules.h"
#include "main/SharedState.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const int Density = 5; // catalogue index

StartFacts separatorFacts(QChar separator)
{
    StartFacts facts;
    facts.decimalSeparator = separator;
    return facts;
}

// A state whose elements are named E<z>, symbol S<z>, with the given density value texts
// for the first elements (display text "d<z>") and "--" everywhere else.
void fillState(SharedState &state, const QStringList &densities)
{
    QStringList lines;
    for (int z = 1; z <= ElementCount; ++z) {
        for (int j = 0; j < FieldsPerElement; ++j) {
            QString text = u"--"_s;
            if (j == Field::Name)
                text = u"E"_s + QString::number(z);
            else if (j == Field::Symbol)
                text = u"S"_s + QString::number(z);
            else if (j == Field::Synthetic)
                text = u"0"_s;
            else if (z <= densities.size() && j == Field::DensityValue)
                text = densities.at(z - 1);
            else if (z <= densities.size() && j == Field::Density)
                text = u"d"_s + QString::number(z);
            lines << text;
        }
    }
    ElementData data;
    data.loadBytes(lines.join(u'\n').toLatin1());
    state.setData(data);
}

}

class TestFindRules : public QObject
{
    Q_OBJECT

private slots:
    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("expected");
        // Rows of the list below.
        QTest::newRow("one letter") << u"c"_s << 6 << 1;
        QTest::newRow("two letters, any case") << u"cA"_s << 6 << 2;
        QTest::newRow("whole entry") << u"Ca - Calcium"_s << 0 << 2;
        QTest::newRow("the selected entry itself stays") << u"Cd - Cadmium"_s << 3 << 3;
        QTest::newRow("empty text: first entry") << u""_s << 4 << 0;
        QTest::newRow("no match keeps the selection") << u"Cz"_s << 2 << 2;
        QTest::newRow("no match without selection") << u"Q"_s << -1 << -1;
        QTest::newRow("blank and hyphen exactly") << u"c - c"_s << 0 << 1;
        QTest::newRow("only A-Z fold") << u"ä"_s << 0 << 0;
        QTest::newRow("non-ASCII exact") << u"Ä"_s << 0 << 5;
        QTest::newRow("longer than the entry") << u"C - Carbonate"_s << 4 << 4;
        QTest::newRow("50 characters still match") << QString(50, u'x') << 0 << 6;
        QTest::newRow("51 characters never match") << QString(51, u'x') << 0 << 0;
        QTest::newRow("megabyte text") << QString(1 << 20, u'x') << 3 << 3;
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(int, current);
        QFETCH(int, expected);
        const QStringList entries { u"Ag - Silver"_s, u"C - Carbon"_s, u"Ca - Calcium"_s,
            u"Cd - Cadmium"_s, u"Cl - Chlorine"_s, u"Ä - Umlaut"_s, QString(60, u'x') };
        QCOMPARE(FindRules::searchFrom(entries, text, current), expected);
    }

    void entriesAndKeys()
    {
        SharedState state;
        state.loadData(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
        for (const bool symbolFirst : { false, true }) {
            const QStringList entries = FindRules::nameEntries(state, symbolFirst);
            QCOMPARE(entries.size(), ElementCount);
            for (qsizetype i = 1; i < entries.size(); ++i)
                QVERIFY2(QString::compare(entries[i - 1], entries[i], Qt::CaseInsensitive) <= 0,
                    qPrintable(entries[i]));
        }
        const QStringList symbols = FindRules::nameEntries(state, true);
        QCOMPARE(symbols.first(), u"Ac - Actinium"_s);
        QVERIFY(symbols.indexOf(u"C - Carbon"_s) < symbols.indexOf(u"Ca - Calcium"_s));
        QCOMPARE(FindRules::entryOf(symbols, u"C"_s), symbols.indexOf(u"C - Carbon"_s));
        QCOMPARE(FindRules::entryOf(symbols, u"c"_s), -1);
        QCOMPARE(FindRules::nameEntries(state, false).first(), u"Actinium - Ac"_s);

        QCOMPARE(FindRules::entryKey(u"Ca - Calcium"_s), u"Ca"_s);
        QCOMPARE(FindRules::entryKey(u"NoBlank"_s), u"NoBlank"_s);
        QCOMPARE(FindRules::entryKey(QString(60, u'y') + u" - z"_s), QString(50, u'y'));

        QCOMPARE(FindRules::elementNamed(state, u"He"_s, true), 2);
        QCOMPARE(FindRules::elementNamed(state, u"Calcium"_s, false), 20);
        QCOMPARE(FindRules::elementNamed(state, u"he"_s, true), 0);
        QCOMPARE(FindRules::elementNamed(state, u"Calcium"_s, true), 0);
        // Under IUPAC Recommended, Db is element 104 and Rf element 106.
        state.setNamingScheme(2);
        QCOMPARE(FindRules::elementNamed(state, u"Db"_s, true), 104);
        QCOMPARE(FindRules::elementNamed(state, u"Rf"_s, true), 106);
        QVERIFY(FindRules::nameEntries(state, true).contains(u"Jl - Joliotium"_s));
    }

    void propertyOrder_data()
    {
        QTest::addColumn<QStringList>("densities");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QList<int>>("elements");
        QTest::newRow("ascending")
            << QStringList { "3", "1", "2" } << "." << QList<int> { 2, 3, 1 };
        QTest::newRow("equal values in element order")
            << QStringList { "2", "1", "2.0", "1" } << "." << QList<int> { 2, 4, 1, 3 };
        QTest::newRow("no value left out")
            << QStringList { "--", "5", "--", "4" } << "." << QList<int> { 4, 2 };
        QTest::newRow("signs and exponents")
            << QStringList { "1e3", "-2", "0.5", "-2.5E-1" } << "." << QList<int> { 2, 4, 3, 1 };
        QTest::newRow("decimal comma")
            << QStringList { "1,5", "1,25", "10" } << "," << QList<int> { 2, 1, 3 };
        QTest::newRow("only one value") << QStringList { "--", "7" } << "." << QList<int> { 2 };
    }
    void propertyOrder()
    {
        QFETCH(QStringList, densities);
        QFETCH(QString, separator);
        QFETCH(QList<int>, elements);
        SharedState state(separatorFacts(separator.at(0)));
        fillState(state, densities);
        const FindRules::PropertyList list = FindRules::propertyList(state, Density);
        QCOMPARE(list.elements, elements);
        for (qsizetype i = 0; i < elements.size(); ++i) {
            const int z = elements[i];
            QCOMPARE(list.values[i], densities[z - 1]);
            QCOMPARE(list.entries[i], u"S%1 - d%1"_s.arg(z));
        }
    }

    void propertyValueNotANumber()
    {
        SharedState state(separatorFacts(u'.'));
        fillState(state, { u"1"_s, u"1.2.3"_s });
        try {
            FindRules::propertyList(state, Density);
            QFAIL("no error");
        } catch (const EAuralisError &e) {
            QCOMPARE(e.message(), u"'1.2.3' is not a valid floating point value"_s);
        }
    }

    void limits_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QList<int>>("kept");
        // Values, in list order: 0.5 1 1.5 2 2.5
        QTest::newRow("both limits inside") << "1"
                                            << "2"
                                            << "." << true << QList<int> { 1, 2, 3 };
        QTest::newRow("full range") << "0.5"
                                    << "2.5"
                                    << "." << true << QList<int> { 0, 1, 2, 3, 4 };
        QTest::newRow("lower above upper") << "2"
                                           << "1"
                                           << "." << true << QList<int> {};
        QTest::newRow("blanks around") << " 1.5 "
                                       << "1.5"
                                       << "." << true << QList<int> { 2 };
        QTest::newRow("lower not a number") << "abc"
                                            << "2"
                                            << "." << false << QList<int> {};
        QTest::newRow("upper not a number") << "1"
                                            << "abc"
                                            << "." << false << QList<int> {};
        // The upper limit is looked at only for a value not below the lower one.
        QTest::newRow("upper never needed") << "3"
                                            << "abc"
                                            << "." << true << QList<int> {};
        QTest::newRow("point with comma separator") << "1.5"
                                                    << "2"
                                                    << "," << false << QList<int> {};
        QTest::newRow("comma separator") << "1,5"
                                         << "2"
                                         << "," << true << QList<int> { 2, 3 };
        QTest::newRow("empty limit") << ""
                                     << "2"
                                     << "." << false << QList<int> {};
    }
    void limits()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(QString, separator);
        QFETCH(bool, valid);
        QFETCH(QList<int>, kept);
        QStringList values { u"0.5"_s, u"1"_s, u"1.5"_s, u"2"_s, u"2.5"_s };
        if (separator == u","_s)
            values.replaceInStrings(u"."_s, u","_s);
        const auto result = FindRules::withinLimits(values, lower, upper, separator.at(0));
        QCOMPARE(result.has_value(), valid);
        if (valid)
            QCOMPARE(*result, kept);
        // Without values nothing is converted, so nothing can fail.
        QCOMPARE(FindRules::withinLimits({}, lower, upper, separator.at(0)), QList<int> {});
    }
};

QTEST_APPLESS_MAIN(TestFindRules)
#include "tst_findrules.moc"
