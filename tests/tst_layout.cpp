#include "main/KeyCycles.h"
#include "main/TableLayout.h"

#include <QtTest>

#include <set>
#include <vector>

namespace {

const char *const LabelCaptions[16] = { "IA", "IIA", "IIIA", "IVA", "VA", "VIA", "VIIA", "VIIIA",
    "IB", "IIB", "IIIB", "IVB", "VB", "VIB", "VIIB", "VIII" };

// A stand-in for font metrics: widths grow with the point size like a real font's.
int uneWidth(int pointSize)
{
    return 2 * pointSize;
}

QSize labelSize(int index, int pointSize)
{
    return QSize(int(qstrlen(LabelCaptions[index])) * pointSize / 2 + 2, pointSize + 5);
}

TableLayout::Result layout(int panelWidth, int panelHeight, QSize legend = QSize(100, 50),
    int depth = 0, int count = ElementCount)
{
    return TableLayout::layoutTable(
        panelWidth, panelHeight, depth, 20, uneWidth, labelSize, legend, count);
}

// Panel for w × u tiles.
TableLayout::Result layoutUnits(int w, int u, int count = ElementCount)
{
    return layout(18 * w + 8, 19 * u + 8, QSize(100, 50), 0, count);
}

}

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void panelWorkedExamples_data();
    void panelWorkedExamples();
    void panelInvariants();
    void panelDegenerateSizes();
    void placement_data();
    void placement();
    void arrowsReachEveryElement();
    void tilesDoNotOverlap();
    void boxesAndLabels();
    void fontChoice_data();
    void fontChoice();
    void labelsHiddenTogether();
    void legendVisibility();

    void rowCycles_data();
    void rowCycles();
    void completePeriodAtEverySize();
    void tabWraps();
    void columnCases_data();
    void columnCases();
    void verticalMatchesColumnsAtEverySize();
    void verticalFollowsGeometry();
    void verticalBeforeLayout();
};

void TestLayout::panelWorkedExamples_data()
{
    QTest::addColumn<int>("bgWidth");
    QTest::addColumn<int>("bgHeight");
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("t");

    // 392 × 282 sits exactly on the 25/36 ratio and takes the width rule.
    QTest::newRow("exact ratio") << 392 << 282 << QRect(21, 25, 350, 236) << 19 << 24;
    QTest::newRow("wide") << 800 << 400 << QRect(153, 25, 494, 350) << 27 << 36;
    QTest::newRow("square") << 600 << 600 << QRect(17, 106, 566, 388) << 31 << 40;
}

void TestLayout::panelWorkedExamples()
{
    QFETCH(int, bgWidth);
    QFETCH(int, bgHeight);
    QFETCH(QRect, panel);
    QFETCH(int, w);
    QFETCH(int, t);

    const QRect r = TableLayout::panelRect(0, bgWidth, bgHeight, 20);
    QCOMPARE(r, panel);
    const auto l = layout(r.width(), r.height());
    QCOMPARE(l.w, w);
    QCOMPARE(l.t, t);
    QCOMPARE(l.tiles[1].size(), QSize(w, t));

    // The background's top moves the table with it.
    QCOMPARE(TableLayout::panelRect(27, bgWidth, bgHeight, 20), panel.translated(0, 27));
}

void TestLayout::panelInvariants()
{
    for (int bgTop : { 0, 27 }) {
        for (int label7 : { 13, 20, 60 }) {
            for (int bw = 0; bw <= 1300; bw += 11) {
                for (int bh = 0; bh <= 1000; bh += 13) {
                    const QRect r = TableLayout::panelRect(bgTop, bw, bh, label7);
                    const QByteArray where = QByteArray::number(bw) + "x" + QByteArray::number(bh)
                        + " label " + QByteArray::number(label7);
                    QVERIFY2((r.width() - 8) % 18 == 0 && r.width() >= 26, where);
                    QVERIFY2((r.height() - 8) % 19 == 0 && r.height() >= 27, where);
                    QVERIFY2(r.left() >= 10, where);
                    QVERIFY2(r.top() >= bgTop + 10, where);
                    QVERIFY2(r.top() >= bgTop + label7 + 5, where);
                    // Whichever rule applies, the table fits the area inside the margins.
                    if (bw - 32 >= 26 && bh - 32 >= 27) {
                        QVERIFY2(r.width() <= bw - 32, where);
                        QVERIFY2(r.height() <= bh - 32, where);
                    }
                }
            }
        }
    }
}

void TestLayout::panelDegenerateSizes()
{
    // A collapsed or negative background gives the smallest table, never a negative one.
    for (int bw : { -500, -1, 0, 1, 31, 32, 33, 40 }) {
        for (int bh : { -500, -1, 0, 1, 32, 40 }) {
            const QRect r = TableLayout::panelRect(0, bw, bh, 13);
            QVERIFY(r.width() >= 26);
            QVERIFY(r.height() >= 27);
            const auto l = layout(r.width(), r.height());
            QVERIFY(l.w >= 1);
            QVERIFY(l.u >= 1);
        }
    }
}

void TestLayout::placement_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    const struct
    {
        const char *name;
        int z, column, row;
    } rows[] = { { "H", 1, 1, 0 }, { "He", 2, 18, 0 }, { "Be", 4, 2, 1 }, { "B", 5, 13, 1 },
        { "Na", 11, 1, 2 }, { "Al", 13, 13, 2 }, { "Sc", 21, 3, 3 }, { "Kr", 36, 18, 3 },
        { "Y", 39, 3, 4 }, { "Ba", 56, 2, 5 }, { "57 lanthanide", 57, 4, 7 }, { "71", 71, 18, 7 },
        { "72 period 6", 72, 4, 5 }, { "Rn", 86, 18, 5 }, { "Ra", 88, 2, 6 },
        { "89 actinide", 89, 4, 8 }, { "103", 103, 18, 8 }, { "104 period 7", 104, 4, 6 },
        { "109", 109, 9, 6 } };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.z << r.column << r.row;
}

void TestLayout::placement()
{
    QFETCH(int, z);
    QFETCH(int, column);
    QFETCH(int, row);
    QCOMPARE(TableLayout::column(z), column);
    QCOMPARE(TableLayout::row(z), row);

    const int rowTops[9]
        = { 3, 3 + 20, 3 + 40, 3 + 60, 3 + 80, 3 + 100, 3 + 120, 3 + 150, 3 + 170 };
    const auto l = layoutUnits(15, 10); // t = 20
    QCOMPARE(l.tiles[z], QRect(3 + (column - 1) * 15, rowTops[row], 15, 20));
}

void TestLayout::arrowsReachEveryElement()
{
    // From hydrogen the four arrows lead to every element of the chart.
    std::set<int> seen { 1 };
    std::vector<int> todo { 1 };
    while (!todo.empty()) {
        const int z = todo.back();
        todo.pop_back();
        for (int next : { KeyCycles::rowNext(z), KeyCycles::rowPrevious(z),
                 KeyCycles::columnNext(z), KeyCycles::columnPrevious(z) })
            if (seen.insert(next).second)
                todo.push_back(next);
    }
    QCOMPARE(int(seen.size()), 109);
    QCOMPARE(*seen.begin(), 1);
    QCOMPARE(*seen.rbegin(), 109);

    // Going right along a row comes back after as many steps as the row has elements.
    for (const auto &[start, length] : { std::pair { 1, 2 }, { 3, 8 }, { 19, 18 }, { 55, 17 },
             { 87, 8 }, { 57, 15 }, { 103, 15 } }) {
        int steps = 1;
        for (int z = KeyCycles::rowNext(start); z != start && steps <= 109;
             z = KeyCycles::rowNext(z))
            ++steps;
        QCOMPARE(steps, length);
    }
    QCOMPARE(TableLayout::column(0), 0);
    // Beyond the table even with the seventh period complete.
    QCOMPARE(TableLayout::column(119), 0);
    QCOMPARE(TableLayout::row(119), -1);
}

void TestLayout::tilesDoNotOverlap()
{
    const auto l = layoutUnits(20, 12);
    for (int a = 1; a <= 109; ++a) {
        for (int b = a + 1; b <= 109; ++b)
            QVERIFY2(!l.tiles[a].intersects(l.tiles[b]),
                QByteArray::number(a) + "/" + QByteArray::number(b));
        // Column 3 of periods 6 and 7 belongs to the connector box.
        QVERIFY(!l.tiles[a].intersects(l.elementLines));
    }
}

void TestLayout::boxesAndLabels()
{
    const auto l = layoutUnits(30, 20); // t = 40
    QCOMPARE(l.elementLines, QRect(63, 3 + 200, 30, (3 + 340 + 40) - (3 + 200) - 1));
    const QRect &t26 = l.tiles[26];
    QCOMPARE(l.groupLines.left(), t26.left() + 15);
    QCOMPARE(l.groupLines.width(), 60);
    QCOMPARE(l.groupLines.top(), l.labels[7].y());
    QCOMPARE(l.groupLines.bottom() + 1, l.tiles[28].top());

    const int pt = l.fontPointSize;
    for (int i = 1; i <= 14; ++i) {
        const QSize s = labelSize(i, pt);
        const int tile = i <= 6 ? 19 + i : (i == 7 ? 27 : 21 + i);
        const int anchor = i == 1 ? 4 : (i <= 9 ? 21 : 5);
        QCOMPARE(l.labels[i].x() + s.width() / 2, l.tiles[tile].left() + 15);
        QCOMPARE(l.labels[i].y() + s.height() + 2, l.tiles[anchor].top());
    }

    // Labels 0 and 15 sit on the window, centred over their tile, one pixel above the panel.
    const QRect panel(100, 50, 18 * 30 + 8, 19 * 20 + 8);
    QCOMPARE(TableLayout::windowLabelPos(panel, l.tiles[2], QSize(21, 17)),
        QPoint(100 + l.tiles[2].left() + 15 - 10, 50 - 17 - 1));
}

void TestLayout::fontChoice_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("pointSize");

    // "Une" is 2 × size wide here; the room is w − 4, or w − 22 with a relief.
    QTest::newRow("room 48") << 52 << 0 << 24;
    QTest::newRow("room 47") << 51 << 0 << 18;
    QTest::newRow("room 36") << 40 << 0 << 18;
    QTest::newRow("room 28") << 32 << 0 << 14;
    QTest::newRow("room 20") << 24 << 0 << 10;
    QTest::newRow("room 19") << 23 << 0 << 8;
    QTest::newRow("relief room 30") << 52 << 5 << 14;
    QTest::newRow("no value room 30") << 52 << -1 << 14;
    QTest::newRow("relief negative room") << 10 << 7 << 8;
}

void TestLayout::fontChoice()
{
    QFETCH(int, w);
    QFETCH(int, depth);
    QFETCH(int, pointSize);
    QCOMPARE(layout(18 * w + 8, 19 * 10 + 8, QSize(100, 50), depth).fontPointSize, pointSize);
}

void TestLayout::labelsHiddenTogether()
{
    // Labels grow with the font, the columns with w: find both outcomes in a sweep and check
    // the rule at its edge.
    bool sawShown = false, sawHidden = false;
    for (int w = 1; w <= 60; ++w) {
        const auto l = layoutUnits(w, 12);
        const int end = l.labels[14].x() + labelSize(14, l.fontPointSize).width();
        QCOMPARE(l.labelsVisible, end < l.tiles[2].left() - 1);
        sawShown |= l.labelsVisible;
        sawHidden |= !l.labelsVisible;
    }
    QVERIFY(sawShown && sawHidden);

    const auto narrow = TableLayout::layoutTable(
        18 * 12 + 8, 19 * 12 + 8, 0, 20, uneWidth, [](int, int) { return QSize(40, 15); },
        QSize(60, 30));
    QVERIFY(!narrow.labelsVisible);
    // Without labels the legend centres itself above period 4's tiles.
    QCOMPARE(narrow.legend.y(), narrow.tiles[22].top() / 2 - 15);
}

void TestLayout::legendVisibility()
{
    const auto l = layoutUnits(50, 20);
    QVERIFY(l.labelsVisible);
    const int r = l.labels[3].y();
    QCOMPARE(l.legend.x(), (l.tiles[31].left() - l.tiles[21].left()) / 2 - 50 + l.tiles[21].left());
    QCOMPARE(l.legend.y(), r / 2 - 25);
    QVERIFY(l.legendVisible);

    QVERIFY(layout(18 * 50 + 8, 19 * 20 + 8, QSize(100, r - 6)).legendVisible);
    QVERIFY(!layout(18 * 50 + 8, 19 * 20 + 8, QSize(100, r - 5)).legendVisible);
}

void TestLayout::rowCycles_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("left");

    // { from, right, left }
    const int rows[][3] = { { 1, 2, 2 }, { 2, 1, 1 }, { 3, 4, 10 }, { 10, 3, 9 }, { 18, 11, 17 },
        { 36, 19, 35 }, { 37, 38, 54 }, { 55, 56, 86 }, { 56, 72, 55 }, { 72, 73, 56 },
        { 86, 55, 85 }, { 87, 88, 109 }, { 88, 104, 87 }, { 104, 105, 88 }, { 109, 87, 108 },
        { 57, 58, 71 }, { 71, 57, 70 }, { 89, 90, 103 }, { 103, 89, 102 } };
    for (const auto &r : rows)
        QTest::addRow("%d", r[0]) << 109 << r[0] << r[1] << r[2];
    // With the seventh period complete its row runs on to 118 and back to 87.
    const int complete[][3] = { { 87, 88, 118 }, { 109, 110, 108 }, { 110, 111, 109 },
        { 118, 87, 117 }, { 86, 55, 85 }, { 103, 89, 102 } };
    for (const auto &r : complete)
        QTest::addRow("%d of 118", r[0]) << 118 << r[0] << r[1] << r[2];
}

void TestLayout::rowCycles()
{
    QFETCH(int, count);
    QFETCH(int, from);
    QFETCH(int, right);
    QFETCH(int, left);
    QCOMPARE(KeyCycles::rowNext(from, count), right);
    QCOMPARE(KeyCycles::rowPrevious(from, count), left);
}

// Elements 110 to 118 stand in period 7, columns 10 to 18, at every size: in the row of
// 104, over the columns of 78 to 86, and clear of every other tile. Without them those
// places stay empty.
void TestLayout::completePeriodAtEverySize()
{
    for (int w = 3; w <= 60; w += 7) {
        for (int u = 2; u <= 30; u += 4) {
            const auto l = layoutUnits(w, u, MaxElementCount);
            const QByteArray where = "w " + QByteArray::number(w) + " u " + QByteArray::number(u);
            for (int z = 110; z <= 118; ++z) {
                QVERIFY2(l.tiles[z].top() == l.tiles[104].top(), where);
                QVERIFY2(l.tiles[z].left() == l.tiles[z - 32].left(), where);
                QVERIFY2(l.tiles[z].size() == l.tiles[1].size(), where);
                for (int k = 1; k <= MaxElementCount; ++k)
                    QVERIFY2(k == z || !l.tiles[z].intersects(l.tiles[k]), where);
            }
            const auto without = layoutUnits(w, u);
            for (int z = 110; z <= 118; ++z)
                QVERIFY2(without.tiles[z].isNull(), where);
            for (int z = 1; z <= 109; ++z)
                QVERIFY2(without.tiles[z] == l.tiles[z], where);
        }
    }
}

void TestLayout::tabWraps()
{
    QCOMPARE(KeyCycles::tabNext(118, 118), 1);
    QCOMPARE(KeyCycles::tabNext(109, 118), 110);
    QCOMPARE(KeyCycles::tabPrevious(1, 118), 118);
    for (int z = 1; z <= 118; ++z) {
        QCOMPARE(KeyCycles::rowPrevious(KeyCycles::rowNext(z, 118), 118), z);
        QCOMPARE(KeyCycles::columnPrevious(KeyCycles::columnNext(z, 118), 118), z);
    }
    QCOMPARE(KeyCycles::tabNext(109), 1);
    QCOMPARE(KeyCycles::tabNext(55), 56);
    QCOMPARE(KeyCycles::tabPrevious(1), 109);
    QCOMPARE(KeyCycles::tabPrevious(56), 55);
    for (int z = 1; z <= 109; ++z) {
        QCOMPARE(KeyCycles::tabPrevious(KeyCycles::tabNext(z)), z);
        QCOMPARE(KeyCycles::rowPrevious(KeyCycles::rowNext(z)), z);
        QCOMPARE(KeyCycles::columnPrevious(KeyCycles::columnNext(z)), z);
    }
}

void TestLayout::columnCases_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("to");

    const struct
    {
        int from;
        bool down;
        int to;
    } rows[] = { { 39, true, 21 }, { 21, false, 39 }, { 77, true, 109 }, { 78, true, 63 },
        { 86, true, 71 }, { 71, true, 103 }, { 103, true, 2 }, { 2, false, 103 },
        { 57, false, 104 }, { 104, true, 57 }, { 5, false, 98 }, { 97, true, 30 }, { 87, true, 1 },
        { 1, false, 87 }, { 88, true, 4 }, { 63, false, 78 }, { 71, false, 86 },
        { 22, false, 89 } };
    for (const auto &r : rows)
        QTest::addRow("%s %d", r.down ? "down" : "up", r.from) << 109 << r.from << r.down << r.to;
    // With period 7 complete, columns 10 to 18 pass through it between periods 6 and the
    // lanthanides.
    const struct
    {
        int from;
        bool down;
        int to;
    } complete[] = { { 78, true, 110 }, { 110, true, 63 }, { 63, false, 110 }, { 110, false, 78 },
        { 86, true, 118 }, { 118, true, 71 }, { 71, false, 118 }, { 118, false, 86 },
        { 77, true, 109 }, { 109, true, 62 }, { 95, true, 28 }, { 28, false, 95 } };
    for (const auto &r : complete)
        QTest::addRow("%s %d of 118", r.down ? "down" : "up", r.from)
            << 118 << r.from << r.down << r.to;
}

void TestLayout::columnCases()
{
    QFETCH(int, count);
    QFETCH(int, from);
    QFETCH(bool, down);
    QFETCH(int, to);
    QCOMPARE(
        down ? KeyCycles::columnNext(from, count) : KeyCycles::columnPrevious(from, count), to);
    const auto l = layoutUnits(27, 18, count);
    QCOMPARE(KeyCycles::verticalTarget(from, down, l.tiles, count), to);
}

void TestLayout::verticalMatchesColumnsAtEverySize()
{
    auto followsCycles = [](const TableLayout::Result &l, const QByteArray &size, int count) {
        for (int z = 1; z <= count; ++z) {
            const QByteArray where = size + " z " + QByteArray::number(z);
            QVERIFY2(KeyCycles::verticalTarget(z, true, l.tiles, count)
                    == KeyCycles::columnNext(z, count),
                where);
            QVERIFY2(KeyCycles::verticalTarget(z, false, l.tiles, count)
                    == KeyCycles::columnPrevious(z, count),
                where);
        }
    };
    // Tiny tiles (u below 5 or w below 3) let the probe miss the row across the gap above the
    // lanthanides or leave its column; those sizes must still follow the cycles.
    for (int w = 1; w <= 40; w += (w < 6 ? 1 : 7)) {
        for (int u = 1; u <= 40; u += (u < 12 ? 1 : 5)) {
            for (int count : { ElementCount, MaxElementCount })
                followsCycles(layoutUnits(w, u, count),
                    "w " + QByteArray::number(w) + " u " + QByteArray::number(u), count);
            if (QTest::currentTestFailed())
                return;
        }
    }
    // The panel sizes the window actually produces, small ones included.
    for (int bw = 100; bw <= 1600; bw += 150) {
        for (int bh = 100; bh <= 1200; bh += 110) {
            const QRect p = TableLayout::panelRect(0, bw, bh, 13);
            for (int count : { ElementCount, MaxElementCount })
                followsCycles(layout(p.width(), p.height(), QSize(100, 50), 0, count),
                    "background " + QByteArray::number(bw) + "x" + QByteArray::number(bh), count);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TestLayout::verticalFollowsGeometry()
{
    // The moves are read off the tiles where they stand, not off the element numbers.
    auto tiles = layoutUnits(20, 10).tiles;
    std::swap(tiles[104], tiles[105]);
    QCOMPARE(KeyCycles::verticalTarget(72, true, tiles), 105);
    QCOMPARE(KeyCycles::verticalTarget(57, false, tiles), 105);
    // A probe that meets no tile still moves along the column.
    tiles[62].moveLeft(-100);
    QCOMPARE(KeyCycles::verticalTarget(109, true, tiles), 62);
}

void TestLayout::verticalBeforeLayout()
{
    const std::array<QRect, MaxElementCount + 1> none {};
    QCOMPARE(KeyCycles::verticalTarget(77, true, none), 109);
    QCOMPARE(KeyCycles::verticalTarget(0, true, none), 0);
    QCOMPARE(KeyCycles::verticalTarget(110, false, none), 0);
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
