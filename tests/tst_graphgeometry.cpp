#include "base/Errors.h"
#include "data/ElementData.h"
#include "data/PropertyColumn.h"
#include "main/GraphGeometry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using GraphGeometry::Frame;

Q_DECLARE_METATYPE(QList<int>)
using Texts = QMap<int, QString>;

namespace {

Frame frame(int width, int height, int textHeight, int textWidth, int widestLabel)
{
    Frame f;
    f.width = width;
    f.height = height;
    f.textHeight = textHeight;
    f.textWidth = textWidth;
    f.widestLabel = widestLabel;
    return f;
}

// A data file of 109 records whose every field is "--" but the given texts of field j.
ElementData dataWith(int j, const QMap<int, QString> &texts)
{
    QStringList lines;
    for (int z = 1; z <= ElementCount; ++z)
        for (int f = 0; f < FieldsPerElement; ++f)
            lines << (f == j && texts.contains(z) ? texts[z] : u"--"_s);
    ElementData data;
    data.loadBytes(lines.join(u'\n').toLatin1());
    return data;
}

}

// Worked examples of the graph's arithmetic: W 400 × H 300, text "109" 13 high and 18
// wide, widest value label 40, unless a row says otherwise.
class TestGraphGeometry : public QObject
{
    Q_OBJECT

private slots:
    void bandsAndMargins()
    {
        const Frame f = frame(400, 300, 13, 18, 40);
        QCOMPARE(f.band(), 20);
        QCOMPARE(f.plotHeight(), 267);
        QCOMPARE(f.left(), 47);
        QCOMPARE(f.right(), 14);
        QCOMPARE(frame(400, 300, 13, 19, 40).right(), 14); // 19 div 2 = 9
        QCOMPARE(f.axisX(), 44);
        QCOMPARE(f.axisBottom(), 283);
        QCOMPARE(f.axisRight(), 386);
        QCOMPARE(f.maxLabelTop(), 6);
        QCOMPARE(f.minLabelTop(), 274);
        QCOMPARE(f.midLabelTop(), 140); // (300 − 20 − 12) div 2 + 6
        QCOMPARE(f.numberTop(), 285);
    }

    void pointX_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("x");
        // 339 ÷ 100 = 3.39 per step: the first point one step right of L.
        QTest::newRow("first of 100") << 400 << 1 << 100 << 1 << 50;
        QTest::newRow("last at the axis end") << 400 << 1 << 100 << 100 << 386;
        QTest::newRow("second of 100") << 400 << 1 << 100 << 2 << 54; // 6.78 → 7
        // Steps of 2.5 and 3.5: exact halves go to the even neighbour.
        QTest::newRow("2.5 → 2") << 66 << 3 << 4 << 3 << 49;
        QTest::newRow("5 → 5") << 66 << 3 << 4 << 4 << 52;
        QTest::newRow("3.5 → 4") << 68 << 3 << 4 << 3 << 51;
        QTest::newRow("single element at the end") << 400 << 7 << 7 << 7 << 386;
    }

    void pointX()
    {
        QFETCH(int, width);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, z);
        QFETCH(int, x);
        QCOMPARE(frame(width, 300, 13, 18, 40).pointX(z, first, last), x);
    }

    void pointY_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("y");
        QTest::newRow("largest at TH") << 300 << 10.0 << 0.0 << 10.0 << 13;
        QTest::newRow("smallest at H - B") << 300 << 0.0 << 0.0 << 10.0 << 280;
        QTest::newRow("146.5 → 146") << 300 << 5.0 << 0.0 << 10.0 << 146;
        QTest::newRow("147.5 → 148") << 302 << 5.0 << 0.0 << 10.0 << 148;
        QTest::newRow("79.75 → 80") << 300 << 7.5 << 0.0 << 10.0 << 80;
        QTest::newRow("negative range start") << 300 << -5.0 << -10.0 << 0.0 << 146;
        QTest::newRow("one value: mid-height") << 300 << 3.0 << 3.0 << 3.0 << 146;
        QTest::newRow("one value, odd height") << 302 << 3.0 << 3.0 << 3.0 << 148;
    }

    void pointY()
    {
        QFETCH(int, height);
        QFETCH(double, v);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, y);
        QCOMPARE(frame(400, height, 13, 18, 40).pointY(v, min, max), y);
    }

    void readout_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("inBand");
        QTest::addColumn<int>("z");
        // P = 339, n = 100: (1 + X − 47) × 100 div 339.
        QTest::newRow("on the first point") << 50 << 1 << 100 << true << 1;
        QTest::newRow("on the last point") << 386 << 1 << 100 << true << 100;
        QTest::newRow("left of the midpoint") << 51 << 1 << 100 << true << 1;
        QTest::newRow("right of the midpoint") << 53 << 1 << 100 << true << 2;
        // Truncation toward zero: floor would give -1 and -2.
        QTest::newRow("half a step left of the first") << 45 << 1 << 100 << true << 0;
        QTest::newRow("band start") << 41 << 1 << 100 << true << -1;
        QTest::newRow("band end") << 390 << 1 << 100 << true << 101;
        QTest::newRow("left of the band") << 40 << 1 << 100 << false << 0;
        QTest::newRow("right of the band") << 391 << 1 << 100 << false << 0;
        QTest::newRow("offset span") << 386 << 10 << 109 << true << 109;
        QTest::newRow("nothing plotted") << 100 << 0 << 0 << true << 0;
    }

    void readout()
    {
        QFETCH(int, x);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, inBand);
        QFETCH(int, z);
        const Frame f = frame(400, 300, 13, 18, 40);
        QCOMPARE(f.inBand(x), inBand);
        if (inBand)
            QCOMPARE(f.elementAt(x, first, last), z);
        // A plot area with no width names no element.
        QCOMPARE(frame(61, 300, 13, 18, 40).elementAt(50, 1, 100), 0);
    }

    // The readout's formula inverts the point positions: at every element's own x it
    // names that element, at any width.
    void readoutInvertsThePoints()
    {
        for (int width : { 287, 400, 1000, 1917, 3840 }) {
            for (const auto &[first, last] : { std::pair { 1, 109 }, { 3, 95 }, { 20, 21 } }) {
                const Frame f = frame(width, 300, 13, 18, 47);
                for (int z = first; z <= last; ++z)
                    QCOMPARE(f.elementAt(f.pointX(z, first, last), first, last), z);
            }
        }
    }

    void scan_data()
    {
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<QList<int>>("valued");
        QTest::newRow("gaps and trailing --")
            << Texts { { 3, u"2.5"_s }, { 4, u"-1.5"_s }, { 7, u"1E1"_s } } << 3 << 7 << -1.5
            << 10.0 << QList<int> { 3, 4, 7 };
        QTest::newRow("one value")
            << Texts { { 109, u"4"_s } } << 109 << 109 << 4.0 << 4.0 << QList<int> { 109 };
        QTest::newRow("none") << Texts {} << 0 << 0 << 0.0 << 0.0 << QList<int> {};
        // Values beyond any made-up starting bound still set both ends.
        QTest::newRow("huge values") << Texts { { 1, u"5E+7"_s }, { 2, u"6E+7"_s } } << 1 << 2
                                     << 5e7 << 6e7 << QList<int> { 1, 2 };
    }

    void scan()
    {
        QFETCH(Texts, texts);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(QList<int>, valued);
        const auto s = PropertyColumn::scan(
            dataWith(Field::DensityValue, texts), Field::DensityValue, QLatin1Char('.'));
        QCOMPARE(s.first, first);
        QCOMPARE(s.last, last);
        QCOMPARE(s.empty(), valued.isEmpty());
        if (!valued.isEmpty()) {
            QCOMPARE(s.min, min);
            QCOMPARE(s.max, max);
        }
        for (int z = 1; z <= ElementCount; ++z)
            QCOMPARE(s.hasValue[size_t(z)], valued.contains(z));
    }

    void scanStopsAtATextThatIsNoNumber()
    {
        // The user's separator is ",": "1.5" is no number then.
        const ElementData data
            = dataWith(Field::DensityValue, { { 1, u"1,5"_s }, { 2, u"1.5"_s }, { 3, u"x"_s } });
        try {
            PropertyColumn::scan(data, Field::DensityValue, QLatin1Char(','));
            QFAIL("no error");
        } catch (const EAuralisError &e) {
            QCOMPARE(e.message(), u"'1.5' is not a valid floating point value"_s);
        }
    }
};

QTEST_APPLESS_MAIN(TestGraphGeometry)
#include "tst_graphgeometry.moc"
