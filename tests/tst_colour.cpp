#include "base/Colour.h"

#include <QTest>

class TestColour : public QObject
{
    Q_OBJECT

private slots:
    void plainColours_data();
    void plainColours();
    void systemColours_data();
    void systemColours();
    void settingsRoundTrip();
};

void TestColour::plainColours_data()
{
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<int>("settings");
    QTest::addColumn<QColor>("drawn");

    QTest::newRow("silver") << Colours::Silver << 12632256 << QColor(192, 192, 192);
    QTest::newRow("navy") << Colours::Navy << 8388608 << QColor(0, 0, 128);
    QTest::newRow("pure blue") << Colours::Blue << 16711680 << QColor(0, 0, 255);
    QTest::newRow("pure red") << Colours::Red << 255 << QColor(255, 0, 0);
    QTest::newRow("green") << Colours::Green << 32768 << QColor(0, 128, 0);
    QTest::newRow("black") << Colours::Black << 0 << QColor(0, 0, 0);
    QTest::newRow("from QColor") << TColor::fromQColor(QColor(1, 2, 3)) << 1 + 512 + 196608
                                 << QColor(1, 2, 3);
    // Bits above blue carry no colour; they never reach the settings file.
    QTest::newRow("stray high byte") << TColor(0x01102030u) << 0x102030 << QColor(0x30, 0x20, 0x10);
}

void TestColour::plainColours()
{
    QFETCH(TColor, colour);
    QFETCH(int, settings);
    QFETCH(QColor, drawn);

    QPalette palette(Qt::magenta);
    QVERIFY(!colour.isSystem());
    QCOMPARE(colour.toSettings(palette), settings);
    QCOMPARE(colour.resolve(palette), drawn);
    // A plain colour does not need the application's palette.
    QCOMPARE(colour.resolve(), drawn);
    QCOMPARE(colour.toSettings(), settings);
    if (colour.value() <= 0xffffffu)
        QCOMPARE(TColor::fromSettings(settings), colour);
}

void TestColour::systemColours_data()
{
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("window") << TColor::system(TColor::Window) << QColor(10, 0, 0);
    QTest::newRow("window text") << TColor::system(TColor::WindowText) << QColor(20, 0, 0);
    QTest::newRow("face") << TColor::system(TColor::BtnFace) << QColor(30, 0, 0);
    QTest::newRow("shadow") << TColor::system(TColor::BtnShadow) << QColor(40, 0, 0);
    QTest::newRow("highlight") << TColor::system(TColor::BtnHighlight) << QColor(50, 0, 0);
    QTest::newRow("tool-tip") << TColor::system(TColor::InfoBk) << QColor(60, 0, 0);
    // A system value read back from the settings, such as 0x8000000F.
    QTest::newRow("face from settings")
        << TColor::fromSettings(int(0x8000000Fu)) << QColor(30, 0, 0);
    QTest::newRow("unknown index") << TColor(0x800000FFu) << QColor(0, 0, 0);
}

void TestColour::systemColours()
{
    QFETCH(TColor, colour);
    QFETCH(QColor, expected);

    // Distinct colours in the active group only, so a lookup in the wrong role or group
    // shows up.
    QPalette palette(Qt::white);
    palette.setColor(QPalette::Active, QPalette::Base, QColor(10, 0, 0));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(20, 0, 0));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(30, 0, 0));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(40, 0, 0));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(50, 0, 0));
    palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(60, 0, 0));

    QVERIFY(colour.isSystem());
    QCOMPARE(colour.resolve(palette), expected);
    QCOMPARE(colour.toSettings(palette),
        expected.red() + 256 * expected.green() + 65536 * expected.blue());
}

// A system colour is written as its current red, green and blue, so it reads back as
// that plain colour.
void TestColour::settingsRoundTrip()
{
    QPalette palette(Qt::white);
    palette.setColor(QPalette::Active, QPalette::Button, QColor(192, 192, 192));
    const int stored = TColor::system(TColor::BtnFace).toSettings(palette);
    QCOMPARE(stored, 12632256);
    QCOMPARE(TColor::fromSettings(stored), Colours::Silver);
}

QTEST_APPLESS_MAIN(TestColour)
#include "tst_colour.moc"
