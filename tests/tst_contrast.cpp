#include "base/Contrast.h"

#include <QTest>

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void ratio_data();
    void ratio();
    void outline_data();
    void outline();
    void plate_data();
    void plate();
    void standardFace_data();
    void standardFace();
};

// Worked figures published with the rule and measured from screenshots, to two decimals.
void TestContrast::ratio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("expected");

    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(80, 90, 100) << QColor(80, 90, 100) << 1.0;
    QTest::newRow("#767676 on white, the lightest grey passing")
        << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    QTest::newRow("#777777 on white, just short")
        << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::newRow("yellow on #efefef") << QColor(255, 255, 0) << QColor(0xef, 0xef, 0xef) << 1.07;
    QTest::newRow("order does not matter")
        << QColor(0xef, 0xef, 0xef) << QColor(255, 255, 0) << 1.07;
    QTest::newRow("black on a dark face") << QColor(Qt::black) << QColor(0x31, 0x36, 0x3b) << 1.72;
}

void TestContrast::ratio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, expected);
    QCOMPARE(qRound(Contrast::ratio(a, b) * 100) / 100.0, expected);
}

void TestContrast::outline_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QColor>("expected"); // invalid: drawn as it is

    const QColor none;
    const QColor black(Qt::black), white(Qt::white);
    const QColor face(0xef, 0xef, 0xef), dark(0x31, 0x36, 0x3b), navy(0, 0, 128);
    QTest::newRow("yellow on the light face needs black")
        << QColor(255, 255, 0) << face << 13 << black;
    QTest::newRow("black on the light face") << black << face << 13 << none;
    QTest::newRow("white on navy") << white << navy << 13 << none;
    QTest::newRow("black on the dark face needs white") << black << dark << 24 << white;
    QTest::newRow("black on black needs white") << black << black << 13 << white;
    QTest::newRow("navy on the dark face needs white") << navy << dark << 13 << white;
    // Red on #efefef is 3.5 : 1: enough for large text only.
    QTest::newRow("red, large text") << QColor(255, 0, 0) << face << 18 << none;
    QTest::newRow("red, small text") << QColor(255, 0, 0) << face << 17 << black;
    // Grey stands further from black than from white, so black goes around it.
    QTest::newRow("grey on the dark face") << QColor(128, 128, 128) << dark << 13 << black;
}

void TestContrast::outline()
{
    QFETCH(QColor, text);
    QFETCH(QColor, back);
    QFETCH(int, pixels);
    QFETCH(QColor, expected);
    const QColor got = Contrast::outline(text, back, pixels);
    QCOMPARE(got.isValid(), expected.isValid());
    if (expected.isValid()) {
        QCOMPARE(got, expected);
        // Whatever the background, the outline itself is readable around the text.
        QVERIFY(Contrast::ratio(text, got) >= Contrast::required(pixels));
    }
}

// Small text keeps its colour on a plate of grey: dark behind light text, light behind dark
// text, as near the middle as gives 4.5 : 1.
void TestContrast::plate_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QColor>("expected"); // invalid: none

    const QColor none;
    const QColor silver(192, 192, 192), face(0xef, 0xef, 0xef), dark(0x31, 0x36, 0x3b);
    // Yellow on #606060 is 5.9 : 1, and a lighter grey would not reach 4.5 : 1... nor is
    // one looked for above the middle.
    QTest::newRow("yellow on silver, a mid grey")
        << QColor(255, 255, 0) << silver << 13 << QColor(0x60, 0x60, 0x60);
    // Green (0, 128, 0) reaches 4.5 : 1 only on #f0f0f0 and lighter.
    QTest::newRow("green on silver, nearly white")
        << QColor(0, 128, 0) << silver << 13 << QColor(0xf0, 0xf0, 0xf0);
    QTest::newRow("red on the light face, nearly black")
        << QColor(255, 0, 0) << face << 13 << QColor(0x14, 0x14, 0x14);
    QTest::newRow("grey on silver, nearly black")
        << QColor(128, 128, 128) << silver << 13 << QColor(0x14, 0x14, 0x14);
    QTest::newRow("black on the dark face, light")
        << QColor(Qt::black) << dark << 13 << QColor(0xa0, 0xa0, 0xa0);
    QTest::newRow("blue on silver reads as it is") << QColor(0, 0, 255) << silver << 13 << none;
    QTest::newRow("large text takes an outline") << QColor(255, 255, 0) << silver << 18 << none;
    QTest::newRow("17 px is small") << QColor(255, 0, 0) << face << 17 << QColor(0x14, 0x14, 0x14);
}

void TestContrast::plate()
{
    QFETCH(QColor, text);
    QFETCH(QColor, back);
    QFETCH(int, pixels);
    QFETCH(QColor, expected);
    const QColor got = Contrast::plate(text, back, pixels);
    QCOMPARE(got, expected);
    if (got.isValid()) {
        QCOMPARE(got.red(), got.green()); // a neutral grey
        QCOMPARE(got.green(), got.blue());
        QVERIFY(Contrast::ratio(text, got) >= 4.5);
    }
}

void TestContrast::standardFace_data()
{
    QTest::addColumn<QColor>("face");
    QTest::addColumn<bool>("standard");

    QTest::newRow("toolkit light grey #efefef") << QColor(0xef, 0xef, 0xef) << true;
    QTest::newRow("desktop theme #eff0f1") << QColor(0xef, 0xf0, 0xf1) << true;
    QTest::newRow("desktop theme #f6f5f4") << QColor(0xf6, 0xf5, 0xf4) << true;
    QTest::newRow("silver") << QColor(192, 192, 192) << true;
    QTest::newRow("dark face #31363b") << QColor(0x31, 0x36, 0x3b) << false;
    QTest::newRow("mid grey") << QColor(128, 128, 128) << false;
    QTest::newRow("high-contrast black") << QColor(0, 0, 0) << false;
    QTest::newRow("high-contrast white") << QColor(255, 255, 255) << false;
    QTest::newRow("light blue tint") << QColor(0xd6, 0xe4, 0xf4) << false;
    QTest::newRow("beige") << QColor(0xf0, 0xe6, 0xd2) << false;
}

void TestContrast::standardFace()
{
    QFETCH(QColor, face);
    QFETCH(bool, standard);
    QCOMPARE(Contrast::isStandardFace(face), standard);
}

QTEST_APPLESS_MAIN(TestContrast)
#include "tst_contrast.moc"
