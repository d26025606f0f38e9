#include "base/Errors.h"
#include "base/Numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {
const QChar point('.');
const QChar comma(',');
}

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void strToFloat_data();
    void strToFloat();
    void strToFloatRejects_data();
    void strToFloatRejects();
    void strToInt_data();
    void strToInt();
    void strToIntRejects_data();
    void strToIntRejects();
    void temperatureText_data();
    void temperatureText();
    void temperatureStatusText_data();
    void temperatureStatusText();
    void roundedTemperatureReadsBack();
    void graphValueLabel_data();
    void graphValueLabel();
    void roundHalfEven_data();
    void roundHalfEven();
};

void TestNumbers::strToFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << "42" << point << 42.0;
    QTest::newRow("fraction point") << "298.15" << point << 298.15;
    QTest::newRow("fraction comma") << "298,15" << comma << 298.15;
    QTest::newRow("blanks both ends") << "  -1.5  " << point << -1.5;
    QTest::newRow("plus sign") << "+7" << point << 7.0;
    QTest::newRow("trailing separator") << "5." << point << 5.0;
    QTest::newRow("leading separator") << ",5" << comma << 0.5;
    QTest::newRow("exponent") << "1.5E3" << point << 1500.0;
    QTest::newRow("small exponent") << "25e-1" << point << 2.5;
    QTest::newRow("exponent plus") << "1e+2" << comma << 100.0;
    QTest::newRow("exponent after separator") << "5.e1" << point << 50.0;
    QTest::newRow("negative zero") << "-0" << point << 0.0;
    QTest::newRow("exact decimal") << "0.1" << point << 0.1;
    QTest::newRow("many digits") << "3.14159265358979323846264338327950288" << point << M_PI;
    QTest::newRow("subnormal") << "5e-324" << point << std::numeric_limits<double>::denorm_min();
    QTest::newRow("underflow to zero") << "1e-400" << point << 0.0;
    QTest::newRow("long zero fraction then exponent")
        << "0.000000000000000000000000000001e330" << point << 1e300;
    QTest::newRow("largest double")
        << "1.7976931348623157e308" << point << std::numeric_limits<double>::max();
    // A separator that happens to be "." does not make "," a separator.
    QTest::newRow("point separator") << "0.5" << point << 0.5;
}

void TestNumbers::strToFloat()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(double, expected);

    double value = -1;
    QVERIFY(Numbers::tryStrToFloat(text, separator, &value));
    QCOMPARE(value, expected);
    QCOMPARE(Numbers::strToFloat(text, separator), expected);
}

void TestNumbers::strToFloatRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");

    QTest::newRow("empty") << "" << point;
    QTest::newRow("blanks only") << "   " << point;
    QTest::newRow("sign only") << "-" << point;
    QTest::newRow("separator only") << "." << point;
    QTest::newRow("point where comma is the separator") << "273.15" << comma;
    QTest::newRow("comma where point is the separator") << "273,15" << point;
    QTest::newRow("thousands separator") << "1,000.5" << point;
    QTest::newRow("embedded blank") << "1 000" << point;
    QTest::newRow("blank after sign") << "- 1" << point;
    QTest::newRow("two separators") << "1.2.3" << point;
    QTest::newRow("two signs") << "+-1" << point;
    QTest::newRow("exponent without digits") << "1e" << point;
    QTest::newRow("exponent sign without digits") << "1e+" << point;
    QTest::newRow("exponent alone") << "e5" << point;
    QTest::newRow("fractional exponent") << "1e2.5" << point;
    QTest::newRow("trailing letter") << "12a" << point;
    QTest::newRow("missing value") << "--" << point;
    QTest::newRow("infinity word") << "inf" << point;
    QTest::newRow("nan word") << "nan" << point;
    QTest::newRow("hexadecimal") << "0x10" << point;
    QTest::newRow("tab is not a blank") << "\t1" << point;
    QTest::newRow("non-ascii digit") << QString::fromUtf8("\u0661") << point;
    QTest::newRow("overflow") << "1e309" << point;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << point;
}

void TestNumbers::strToFloatRejects()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);

    double value = 123;
    QVERIFY(!Numbers::tryStrToFloat(text, separator, &value));
    QCOMPARE(value, 123.0);
    try {
        Numbers::strToFloat(text, separator);
        QFAIL("no exception");
    } catch (const EAuralisError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void TestNumbers::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << "109" << 109;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("plus") << "+5" << 5;
    QTest::newRow("leading blanks") << "  26" << 26;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("dollar hex") << "$1F" << 31;
    QTest::newRow("dollar hex lower case") << "$ff" << 255;
    QTest::newRow("0x hex") << "0x20" << 32;
    QTest::newRow("0X hex") << "0X20" << 32;
    QTest::newRow("negative hex") << "-$10" << -16;
    QTest::newRow("silver") << "12632256" << 12632256;
    QTest::newRow("int max") << "2147483647" << std::numeric_limits<int>::max();
    QTest::newRow("int min") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("hex all bits") << "$FFFFFFFF" << -1;
    QTest::newRow("hex high bit") << "0x80000000" << std::numeric_limits<int>::min();
    QTest::newRow("zero") << "0" << 0;
}

void TestNumbers::strToInt()
{
    QFETCH(QString, text);
    QFETCH(int, expected);

    int value = -99;
    QVERIFY(Numbers::tryStrToInt(text, &value));
    QCOMPARE(value, expected);
    QCOMPARE(Numbers::strToInt(text), expected);
}

void TestNumbers::strToIntRejects_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "  ";
    QTest::newRow("sign only") << "-";
    QTest::newRow("dollar only") << "$";
    QTest::newRow("0x only") << "0x";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("trailing garbage") << "12abc";
    QTest::newRow("fraction") << "1.5";
    QTest::newRow("word") << "true";
    QTest::newRow("hex digit without prefix") << "1F";
    QTest::newRow("sign after prefix") << "$-1";
    QTest::newRow("overflow") << "2147483648";
    QTest::newRow("negative overflow") << "-2147483649";
    QTest::newRow("hex overflow") << "$100000000";
    QTest::newRow("long overflow") << "99999999999999999999999999";
}

void TestNumbers::strToIntRejects()
{
    QFETCH(QString, text);

    int value = 77;
    QVERIFY(!Numbers::tryStrToInt(text, &value));
    QCOMPARE(value, 77);
    try {
        Numbers::strToInt(text);
        QFAIL("no exception");
    } catch (const EAuralisError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestNumbers::temperatureText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 300.0 << point << "300.00";
    QTest::newRow("comma") << 298.15 << comma << "298,15";
    QTest::newRow("exact half up") << 300.125 << point << "300.13";
    QTest::newRow("below half") << 300.124 << point << "300.12";
    QTest::newRow("negative half away from zero") << -300.125 << point << "-300.13";
    // The float nearest 298.15 is 298.149993896484375; eight digits make it 298.15000.
    QTest::newRow("float widened") << double(298.15f) << point << "298.15";
    QTest::newRow("decimal half of binary below") << 0.015 << point << "0.02";
    QTest::newRow("carry into integer") << 9.995 << point << "10.00";
    QTest::newRow("carry across digits") << 999.999 << point << "1000.00";
    QTest::newRow("eight digits round first") << 0.00499999995 << point << "0.01";
    QTest::newRow("large") << 123456789.0 << point << "123456790.00";
    QTest::newRow("no thousands separator") << 10340.33 << comma << "10340,33";
    QTest::newRow("zero") << 0.0 << point << "0.00";
    QTest::newRow("negative zero") << -0.0 << point << "0.00";
    QTest::newRow("tiny positive") << 0.0004 << point << "0.00";
    QTest::newRow("celsius of 273 K") << 273 - 273.15 << point << "-0.15";
    // Sign rule near zero.
    QTest::newRow("negative below 0.001") << -0.0009 << point << "0.00";
    QTest::newRow("negative rounds to 0.001") << -0.0009999999999 << point << "-0.00";
    QTest::newRow("negative 0.001") << -0.001 << point << "-0.00";
    QTest::newRow("negative 0.0049") << -0.0049 << comma << "-0,00";
    QTest::newRow("negative 0.005") << -0.005 << point << "-0.01";
    QTest::newRow("negative 0.01") << -0.01 << point << "-0.01";
    QTest::newRow("absolute zero celsius") << 0 - 273.15 << point << "-273.15";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << point << "INF";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << point << "NAN";
}

void TestNumbers::temperatureText()
{
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);

    QCOMPARE(Numbers::temperatureText(value, separator), expected);
}

void TestNumbers::temperatureStatusText_data()
{
    QTest::addColumn<float>("kelvin");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("room") << 298.15f << point << "298.15 K, 25.00°C, 77.00°F";
    QTest::newRow("room comma") << 298.15f << comma << "298,15 K, 25,00°C, 77,00°F";
    QTest::newRow("absolute zero") << 0.0f << point << "0.00 K, -273.15°C, -459.67°F";
    QTest::newRow("top of range") << 6000.0f << point << "6000.00 K, 5726.85°C, 10340.33°F";
    QTest::newRow("273 K") << 273.0f << point << "273.00 K, -0.15°C, 31.73°F";
    QTest::newRow("freezing point") << 273.15f << point << "273.15 K, 0.00°C, 32.00°F";
}

void TestNumbers::temperatureStatusText()
{
    QFETCH(float, kelvin);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);

    QCOMPARE(Numbers::temperatureStatusText(kelvin, separator), expected);
}

// A typed temperature is kept as its two-decimal text read back into a float.
void TestNumbers::roundedTemperatureReadsBack()
{
    for (const QChar sep : { point, comma }) {
        const float x = float(Numbers::strToFloat(Numbers::temperatureText(300.125f, sep), sep));
        QCOMPARE(x, 300.13f);
        QCOMPARE(Numbers::temperatureText(x, sep), Numbers::temperatureText(300.13, sep));
    }
}

void TestNumbers::graphValueLabel_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 3.0 << point << "3.0";
    QTest::newRow("five digits") << 12345.67 << point << "12346.0";
    QTest::newRow("fraction") << 0.123456 << point << "0.1";
    QTest::newRow("half up") << 2.25 << point << "2.3";
    QTest::newRow("comma") << 1.5 << comma << "1,5";
    QTest::newRow("zero") << 0.0 << point << "0.0";
    QTest::newRow("negative") << -0.04 << point << "-0.0";
    QTest::newRow("negative tiny") << -0.004 << point << "0.0";
    QTest::newRow("six digits") << 1234567.0 << point << "1.2346E+6";
    QTest::newRow("six digits comma") << 1234567.0 << comma << "1,2346E+6";
    QTest::newRow("rounds to six digits") << 99999.5 << point << "1E+5";
    QTest::newRow("just five digits") << 99999.4 << point << "99999.0";
    QTest::newRow("negative scientific") << -250000.0 << point << "-2.5E+5";
    QTest::newRow("search start") << 42424242.0 << point << "4.2424E+7";
}

void TestNumbers::graphValueLabel()
{
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);

    QCOMPARE(Numbers::graphValueLabel(value, separator), expected);
}

void TestNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("300.5") << 300.5 << 300;
    QTest::newRow("301.5") << 301.5 << 302;
    QTest::newRow("300.51") << 300.51 << 301;
    QTest::newRow("-0.4") << -0.4 << 0;
    QTest::newRow("saturates high") << 1e12 << std::numeric_limits<int>::max();
    QTest::newRow("saturates low") << -1e12 << std::numeric_limits<int>::min();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);

    QCOMPARE(Numbers::roundHalfEven(value), expected);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
