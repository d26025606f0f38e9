#include "main/KeyCycles.h"

#include "main/TableLayout.h"

#include <QPoint>
#include <algorithm>
#include <vector>

namespace KeyCycles {

namespace {

using Cycle = std::vector<int>;

// The chart's rows, left to right, and its columns, top to bottom (periods, then the
// lanthanides and the actinides), as the layout places the elements.
std::vector<Cycle> lines(int lineCount, int (*line)(int), int (*along)(int), int base, int count)
{
    std::vector<Cycle> cycles(static_cast<size_t>(lineCount));
    for (int z = 1; z <= count; ++z)
        cycles[size_t(line(z) - base)].push_back(z);
    for (Cycle &c : cycles)
        std::stable_sort(c.begin(), c.end(), [&](int a, int b) { return along(a) < along(b); });
    return cycles;
}

// The cycles of the table as it has always been, and of the table with period 7 complete.
const std::vector<Cycle> &rows(int count)
{
    static const std::vector<Cycle> tables[2] = { lines(TableLayout::RowCount, TableLayout::row,
                                                      TableLayout::column, 0, ElementCount),
        lines(TableLayout::RowCount, TableLayout::row, TableLayout::column, 0, MaxElementCount) };
    return tables[count > ElementCount ? 1 : 0];
}

const std::vector<Cycle> &columns(int count)
{
    static const std::vector<Cycle> tables[2] = {
        lines(TableLayout::ColumnCount, TableLayout::column, TableLayout::row, 1, ElementCount),
        lines(TableLayout::ColumnCount, TableLayout::column, TableLayout::row, 1, MaxElementCount)
    };
    return tables[count > ElementCount ? 1 : 0];
}

// The neighbour of z in whichever cycle holds it; z itself when none does.
int step(const std::vector<Cycle> &cycles, int z, int delta)
{
    for (const Cycle &c : cycles) {
        const int n = int(c.size());
        for (int i = 0; i < n; ++i) {
            if (c[i] == z)
                return c[(i + delta + n) % n];
        }
    }
    return z;
}

// Rows the probe cannot reach one tile-row away: the element whose row is taken instead.
// With period 7 complete the probe finds it from period 6 and from the lanthanides.
int fixedRow(int z, bool down, int count)
{
    const bool complete = count > ElementCount;
    if (down) {
        if (z == 87)
            return 1;
        if (z == 88)
            return 4;
        if (z == 39)
            return 21;
        if (z >= 78 && z <= 86 && !complete)
            return 63;
        if (z >= 89 && z <= 97)
            return 22;
        if (z >= 98 && z <= 102)
            return 5;
        if (z == 103)
            return 2;
        return 0;
    }
    if (z == 1)
        return 87;
    if (z == 4)
        return 88;
    if (z == 21)
        return 39;
    if (z >= 22 && z <= 30)
        return 89;
    if (z >= 5 && z <= 9)
        return 98;
    if (z >= 63 && z <= 71 && !complete)
        return 78;
    if (z == 2)
        return 103;
    return 0;
}

// Below these the probe leaves its column (x) or misses the row across the half-row gap
// above the lanthanides (y); the tables then decide.
constexpr int MinProbeWidth = 3;
constexpr int MinProbeHeight = 10;

}

int rowNext(int z, int count)
{
    return step(rows(count), z, 1);
}

int rowPrevious(int z, int count)
{
    return step(rows(count), z, -1);
}

int columnNext(int z, int count)
{
    return step(columns(count), z, 1);
}

int columnPrevious(int z, int count)
{
    return step(columns(count), z, -1);
}

int tabNext(int z, int count)
{
    return z >= count || z < 1 ? 1 : z + 1;
}

int tabPrevious(int z, int count)
{
    return z <= 1 || z > count ? count : z - 1;
}

int verticalTarget(int z, bool down, const std::array<QRect, MaxElementCount + 1> &tiles, int count)
{
    count = std::clamp(count, 0, MaxElementCount);
    if (z < 1 || z > count)
        return 0;
    const QRect &from = tiles[z];
    if (from.width() < MinProbeWidth || from.height() < MinProbeHeight)
        return down ? columnNext(z, count) : columnPrevious(z, count);

    const int t = from.height();
    const int fixed = fixedRow(z, down, count);
    const int y
        = fixed ? tiles[fixed].top() + 2 : (down ? from.top() + 2 * t - 5 : from.top() - t + 2);
    const QPoint probe(from.left() + 2, y);
    for (int k = 1; k <= count; ++k) {
        if (tiles[k].contains(probe))
            return k;
    }
    return down ? columnNext(z, count) : columnPrevious(z, count);
}

}
