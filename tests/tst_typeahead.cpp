// Typing to go to an element: what a typed text finds, and how the text grows and ends.
#include "main/TypeAhead.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A few elements as the table names them, with the systematic names of scheme 1.
QString nameOf(int z)
{
    switch (z) {
    case 1:
        return u"Hydrogen"_s;
    case 6:
        return u"Carbon"_s;
    case 7:
        return u"Nitrogen"_s;
    case 10:
        return u"Neon"_s;
    case 11:
        return u"Sodium"_s;
    case 13:
        return u"Aluminum"_s;
    case 20:
        return u"Calcium"_s;
    case 26:
        return u"Iron"_s;
    case 74:
        return u"Tungsten"_s;
    case 92:
        return u"Uranium"_s;
    case 104:
        return u"Unnilquadium"_s;
    default:
        return u"Element%1"_s.arg(z);
    }
}
QString symbolOf(int z)
{
    switch (z) {
    case 1:
        return u"H"_s;
    case 6:
        return u"C"_s;
    case 7:
        return u"N"_s;
    case 10:
        return u"Ne"_s;
    case 11:
        return u"Na"_s;
    case 13:
        return u"Al"_s;
    case 20:
        return u"Ca"_s;
    case 26:
        return u"Fe"_s;
    case 74:
        return u"W"_s;
    case 92:
        return u"U"_s;
    case 104:
        return u"Unq"_s;
    default:
        return u"X%1"_s.arg(z);
    }
}
// German, as the language in force would give them.
QString germanName(int z)
{
    switch (z) {
    case 26:
        return u"Eisen"_s;
    case 99:
        return u"Einsteinium"_s;
    case 13:
        return u"Aluminium"_s;
    case 7:
        return u"Stickstoff"_s;
    default:
        return nameOf(z);
    }
}

}

class TestTypeAhead : public QObject
{
    Q_OBJECT

private slots:
    void finds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("a number") << u"26"_s << 26;
        QTest::newRow("1 then 0 is 10") << u"10"_s << 10;
        QTest::newRow("the first of a number") << u"1"_s << 1;
        QTest::newRow("no element 119") << u"119"_s << 0;
        QTest::newRow("no element 0") << u"0"_s << 0;
        QTest::newRow("c is carbon, not calcium") << u"c"_s << 6;
        QTest::newRow("u is uranium") << u"u"_s << 92;
        QTest::newRow("n is nitrogen, not neon or sodium") << u"n"_s << 7;
        QTest::newRow("a symbol in any case") << u"fE"_s << 26;
        QTest::newRow("a symbol of the scheme in force") << u"unq"_s << 104;
        QTest::newRow("the start of a name") << u"iro"_s << 26;
        QTest::newRow("ca is the symbol before carbon's name") << u"ca"_s << 20;
        QTest::newRow("car is carbon by its name") << u"car"_s << 6;
        QTest::newRow("a name's inside") << u"ngst"_s << 74;
        QTest::newRow("nothing") << u"xq"_s << 0;
        QTest::newRow("digits and letters") << u"2a"_s << 0;
    }
    void finds()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(TypeAhead::match(text, 109, nameOf, symbolOf), expected);
    }

    // Names in the language in force, and their accents whichever way they are typed.
    void followsTheLanguageAndIgnoresAccents_data()
    {
        QTest::addColumn<QString>("folded");
        QTest::addColumn<QString>("expected");
        QTest::newRow("capitals") << u"EISEN"_s << u"eisen"_s;
        QTest::newRow("acute") << u"Hydrogène"_s << u"hydrogene"_s;
        QTest::newRow("umlaut") << u"Flüssig"_s << u"flussig"_s;
        QTest::newRow("Polish l with stroke") << u"Złoto"_s << u"zloto"_s;
        QTest::newRow("Polish dotted z") << u"Żelazo"_s << u"zelazo"_s;
        QTest::newRow("sharp s") << u"Weiß"_s << u"weiss"_s;
        QTest::newRow("Chinese stays") << u"铁"_s << u"铁"_s;
    }
    void followsTheLanguageAndIgnoresAccents()
    {
        QFETCH(QString, folded);
        QFETCH(QString, expected);
        QCOMPARE(TypeAhead::fold(folded), expected);
    }
    void germanNames()
    {
        QCOMPARE(TypeAhead::match(u"eis"_s, 109, germanName, symbolOf), 26);
        QCOMPARE(TypeAhead::match(u"ein"_s, 109, germanName, symbolOf), 99);
        QCOMPARE(TypeAhead::match(u"STICK"_s, 109, germanName, symbolOf), 7);
        QCOMPARE(TypeAhead::match(
                     u"Złoto"_s.mid(0, 2), 109,
                     [](int z) { return z == 79 ? u"Złoto"_s : nameOf(z); }, symbolOf),
            79);
    }

    // The text grows by keys, shrinks by Backspace, stops at 32 characters and is forgotten
    // a second after the last key.
    void searchText()
    {
        TypeAhead::Search s;
        QVERIFY(!s.active(0));
        QVERIFY(s.type(u"f"_s, 100));
        QVERIFY(s.type(u"e"_s, 900));
        QCOMPARE(s.text(), u"fe"_s);
        QVERIFY(s.active(1899));
        QVERIFY(!s.active(1900));
        QVERIFY(s.type(u"c"_s, 2000)); // a new search after the pause
        QCOMPARE(s.text(), u"c"_s);
        QVERIFY(s.backspace(2100));
        QCOMPARE(s.text(), QString());
        QVERIFY(!s.backspace(2200));

        const QString paste(200, u'a');
        QVERIFY(s.type(paste, 3000));
        QCOMPARE(s.text().size(), TypeAhead::MaxLength);
        QVERIFY(!s.type(u"b"_s, 3100));
        QCOMPARE(s.text().size(), TypeAhead::MaxLength);
        s.end();
        QVERIFY(!s.active(3100));
    }
};

QTEST_APPLESS_MAIN(TestTypeAhead)
#include "tst_typeahead.moc"
