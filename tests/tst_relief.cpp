#include "core/Errors.h"
#include "main/Relief.h"

#include <QtTest>

namespace {

QStringList allMissing()
{
    QStringList texts;
    for (int i = 0; i < 109; ++i)
        texts << QStringLiteral("--");
    return texts;
}

}

class TestRelief : public QObject
{
    Q_OBJECT

private slots:
    void scale();
    void halvesToEven_data();
    void halvesToEven();
    void missingValues();
    void rangeFromTheValues();
    void singleValue();
    void extremeValues();
    void invalidText_data();
    void invalidText();
};

void TestRelief::scale()
{
    QStringList texts = allMissing();
    texts[0] = QStringLiteral("10");
    texts[1] = QStringLiteral("-5");
    texts[2] = QStringLiteral("95");
    texts[3] = QStringLiteral("95");
    texts[4] = QStringLiteral("45");
    const auto d = Relief::depths(texts, 20, QLatin1Char('.'));
    QCOMPARE(d[1], 1); // smallest: sunk the deepest
    QCOMPARE(d[2], 20); // largest: raised the highest
    QCOMPARE(d[3], 20); // equal values, equal levels
    QCOMPARE(d[4], 11); // 50 × 19 / 100 = 9.5, to even 10, plus 1
    QCOMPARE(d[0], 4); // 15 × 19 / 100 = 2.85 → 3, plus 1
    QCOMPARE(d[5], -1);
}

void TestRelief::halvesToEven_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("level");

    // Range 0..19 with 20 levels: the scaled value is the value itself.
    QTest::newRow("2.5") << "2.5" << 3;
    QTest::newRow("3.5") << "3.5" << 5;
    QTest::newRow("0.5") << "0.5" << 1;
    QTest::newRow("18.5") << "18.5" << 19;
    QTest::newRow("2.51") << "2.51" << 4;
}

void TestRelief::halvesToEven()
{
    QFETCH(QString, value);
    QFETCH(int, level);
    QStringList texts = allMissing();
    texts[0] = QStringLiteral("0");
    texts[1] = QStringLiteral("19");
    texts[2] = value;
    QCOMPARE(Relief::depths(texts, 20, QLatin1Char('.'))[2], level);
}

void TestRelief::missingValues()
{
    const auto d = Relief::depths(allMissing(), 20, QLatin1Char('.'));
    for (int level : d)
        QCOMPARE(level, -1);

    // A missing element does not move the others' scale.
    QStringList texts = allMissing();
    texts[10] = QStringLiteral("1");
    texts[20] = QStringLiteral("20");
    texts[30] = QStringLiteral("10,5");
    const auto e = Relief::depths(texts, 20, QLatin1Char(','));
    QCOMPARE(e[10], 1);
    QCOMPARE(e[20], 20);
    QCOMPARE(e[30], 11); // 9.5 × 19 / 19 = 9.5, to even 10, plus 1
}

void TestRelief::rangeFromTheValues()
{
    // Values all above 4242 still spread over the whole scale.
    QStringList texts = allMissing();
    texts[0] = QStringLiteral("5000");
    texts[1] = QStringLiteral("6900");
    texts[2] = QStringLiteral("5100");
    auto d = Relief::depths(texts, 20, QLatin1Char('.'));
    QCOMPARE(d[0], 1);
    QCOMPARE(d[1], 20);
    QCOMPARE(d[2], 2);

    // And all below −4242.
    texts[0] = QStringLiteral("-9000");
    texts[1] = QStringLiteral("-5000");
    texts[2] = QStringLiteral("-4800");
    d = Relief::depths(texts, 20, QLatin1Char('.'));
    QCOMPARE(d[0], 1);
    QCOMPARE(d[2], 20);
}

void TestRelief::singleValue()
{
    // No range to scale on: the middle level, and no division by zero.
    QStringList texts = allMissing();
    texts[5] = QStringLiteral("7");
    auto d = Relief::depths(texts, 20, QLatin1Char('.'));
    QCOMPARE(d[5], 10);
    QCOMPARE(d[4], -1);

    texts[6] = QStringLiteral("7.0");
    texts[7] = QStringLiteral(" 7 ");
    d = Relief::depths(texts, 20, QLatin1Char('.'));
    QCOMPARE(d[5], 10);
    QCOMPARE(d[6], 10);
    QCOMPARE(d[7], 10);
}

void TestRelief::extremeValues()
{
    // A difference beyond a double's range must still give levels on the scale.
    QStringList texts = allMissing();
    texts[0] = QStringLiteral("-1.5E308");
    texts[1] = QStringLiteral("1.5E308");
    texts[2] = QStringLiteral("0");
    const auto d = Relief::depths(texts, 20, QLatin1Char('.'));
    QCOMPARE(d[0], 1);
    QCOMPARE(d[1], 20);
    QCOMPARE(d[2], 11); // 9.5 to even 10, plus 1
}

void TestRelief::invalidText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("word") << "abc";
    QTest::newRow("blank before marker") << " --";
    QTest::newRow("blank after marker") << "-- ";
    QTest::newRow("point where comma expected") << "1.5";
    QTest::newRow("empty") << "";
}

void TestRelief::invalidText()
{
    QFETCH(QString, text);
    QStringList texts = allMissing();
    texts[0] = QStringLiteral("1");
    texts[50] = text;
    try {
        Relief::depths(texts, 20, QLatin1Char(','));
        QFAIL("no error");
    } catch (const EAuralisError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

QTEST_APPLESS_MAIN(TestRelief)
#include "tst_relief.moc"
