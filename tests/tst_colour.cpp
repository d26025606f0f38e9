#include "base/Colour.h"
#include "base/ColourScheme.h"
#include "settings/IniFile.h"

#include <QTemporaryDir>
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
    void schemeInTheSettingsFile();
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

// A scheme as a file written by hand would hold it: the keys, their order, the numbers
// (red + 256 × green + 65536 × blue) and the table's grey, then read back.
void TestColour::schemeInTheSettingsFile()
{
    QPalette palette(Qt::white);
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(0, 0, 1));

    ColourScheme scheme = ColourScheme::defaults();
    scheme.table = Colours::Silver;
    scheme.legend[ColourScheme::Gases] = Colours::Navy;
    scheme.infoDefault = false;
    // Plain colours only here: the information window resolves system colours with the
    // application's palette.
    scheme.info.fill(Colours::Red);
    scheme.info[ColourScheme::Value2] = TColor::fromQColor(QColor(0, 0, 2));
    scheme.graphDefault = false;

    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("auralis.ini")));
    ini.beginPass();
    scheme.writeLegend(ini);
    scheme.writeTable(ini);
    scheme.writeInfo(ini);
    scheme.writeGraph(ini, palette);
    ini.commitPass();

    QFile file(dir.filePath(QStringLiteral("auralis.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("[Colors]\nMetals=255\nNonmetals=16711680\n"
                            "Semimetals=8388736\nSolids=0\nLiquids=32768\n"
                            "Gases=8388608\nUndefined=8421504\nBackground=Gray\n"));
    // The graph writes its system colours as they are in its palette.
    QVERIFY(text.contains("[Element Info Window]\nDefaultColours=0\nSymbol=255\n"));
    QVERIFY(text.contains("Value2=131072\n"));
    QVERIFY(text.contains("[Graph Window]\nDefaultColours=0\nBackgroundColor=197121\n"
                          "ValueColor=255\nAxisColor=16711680\nPlotColor=65536\n"
                          "ElementColor=32768\n"));

    ColourScheme back;
    back.readLegend(ini);
    QCOMPARE(back.legend, scheme.legend);
    QCOMPARE(ColourScheme::readTable(ini), std::optional<TColor>(Colours::Silver));
    QVERIFY(back.readInfo(ini));
    QCOMPARE(back.info[ColourScheme::Value2], scheme.info[ColourScheme::Value2]);
    QVERIFY(back.readGraph(ini, palette));
    QCOMPARE(back.graph[ColourScheme::Background], TColor::fromQColor(QColor(1, 2, 3)));

    // Nothing stored yet: the table colour is left to the first start, the flags say
    // "default colours".
    IniFile empty(dir.filePath(QStringLiteral("none.ini")));
    QCOMPARE(ColourScheme::readTable(empty), std::nullopt);
    QVERIFY(!back.readInfo(empty));
}

QTEST_APPLESS_MAIN(TestColour)
#include "tst_colour.moc"
