#include "base/Errors.h"
#include "main/Relief.h"

#include <QtTest>

namespace {

QStringList allMissing()
{
    return QStringList(109, QStringLiteral("--"));
}

}

class TestRelief : public QObject
{
    Q_OBJECT

private slots:
    void levels_data();
    void levels();
    void missingValuesKeepTheScale();
    void invalidText_data();
    void invalidText();
};

void TestRelief::levels_data()
{
    // The texts of the first elements; the element after them has no value.
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QList<int>>("expected");

    // 50 × 19 / 100 = 9.5 goes to even 10, plus 1; 15 × 19 / 100 = 2.85 → 3, plus 1.
    QTest::newRow("scale") << QStringList { "10", "-5", "95", "95", "45" }
                           << QList<int> { 4, 1, 20, 20, 11 };
    // The range comes from the values: all above 4242 or all below −4242 still spread.
    QTest::newRow("all large") << QStringList { "5000", "6900", "5100" } << QList<int> { 1, 20, 2 };
    QTest::newRow("all very negative")
        << QStringList { "-9000", "-5000", "-4800" } << QList<int> { 1, 19, 20 };
    // A difference beyond a double's range still gives levels on the scale.
    QTest::newRow("extreme values")
        << QStringList { "-1.5E308", "1.5E308", "0" } << QList<int> { 1, 20, 11 };
    // No range to scale on: the middle level, and no division by zero.
    QTest::newRow("single value") << QStringList { "--", "7" } << QList<int> { -1, 10 };
    QTest::newRow("one value written three ways")
        << QStringList { "7", "7.0", " 7 " } << QList<int> { 10, 10, 10 };

    // Range 0..19 with 20 levels: the scaled value is the value itself, halves go to even.
    const QList<std::pair<const char *, int>> halves
        = { { "2.5", 3 }, { "3.5", 5 }, { "0.5", 1 }, { "18.5", 19 }, { "2.51", 4 } };
    for (const auto &[value, level] : halves)
        QTest::addRow("half %s", value)
            << QStringList { "0", "19", value } << QList<int> { 1, 20, level };
}

void TestRelief::levels()
{
    QFETCH(QStringList, values);
    QFETCH(QList<int>, expected);
    QStringList texts = allMissing();
    for (int i = 0; i < values.size(); ++i)
        texts[i] = values[i];
    const auto d = Relief::depths(texts, 20, QLatin1Char('.'));
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(d[size_t(i)], expected[i]);
    QCOMPARE(d[size_t(values.size())], -1);
}

void TestRelief::missingValuesKeepTheScale()
{
    const auto none = Relief::depths(allMissing(), 20, QLatin1Char('.'));
    for (int i = 0; i < ElementCount; ++i)
        QCOMPARE(none[size_t(i)], -1);

    QStringList texts = allMissing();
    texts[10] = QStringLiteral("1");
    texts[20] = QStringLiteral("20");
    texts[30] = QStringLiteral("10,5");
    const auto e = Relief::depths(texts, 20, QLatin1Char(','));
    QCOMPARE(e[10], 1);
    QCOMPARE(e[20], 20);
    QCOMPARE(e[30], 11); // 9.5 × 19 / 19 = 9.5, to even 10, plus 1
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
