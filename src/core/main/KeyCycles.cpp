#include "main/KeyCycles.h"

#include <QPoint>
#include <vector>

namespace KeyCycles {

namespace {

using Cycle = std::vector<int>;

std::vector<Cycle> makeRows()
{
    auto range = [](Cycle c, int from, int to) {
        for (int z = from; z <= to; ++z)
            c.push_back(z);
        return c;
    };
    return {
        { 1, 2 },
        range({}, 3, 10),
        range({}, 11, 18),
        range({}, 19, 36),
        range({}, 37, 54),
        range({ 55, 56 }, 72, 86),
        range({ 87, 88 }, 104, 109),
        range({}, 57, 71),
        range({}, 89, 103),
    };
}

const std::vector<Cycle> &rows()
{
    static const std::vector<Cycle> table = makeRows();
    return table;
}

const std::vector<Cycle> &columns()
{
    static const std::vector<Cycle> table = {
        { 1, 3, 11, 19, 37, 55, 87 },
        { 4, 12, 20, 38, 56, 88 },
        { 21, 39 },
        { 22, 40, 72, 104, 57, 89 },
        { 23, 41, 73, 105, 58, 90 },
        { 24, 42, 74, 106, 59, 91 },
        { 25, 43, 75, 107, 60, 92 },
        { 26, 44, 76, 108, 61, 93 },
        { 27, 45, 77, 109, 62, 94 },
        { 28, 46, 78, 63, 95 },
        { 29, 47, 79, 64, 96 },
        { 30, 48, 80, 65, 97 },
        { 5, 13, 31, 49, 81, 66, 98 },
        { 6, 14, 32, 50, 82, 67, 99 },
        { 7, 15, 33, 51, 83, 68, 100 },
        { 8, 16, 34, 52, 84, 69, 101 },
        { 9, 17, 35, 53, 85, 70, 102 },
        { 2, 10, 18, 36, 54, 86, 71, 103 },
    };
    return table;
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
int fixedRow(int z, bool down)
{
    if (down) {
        if (z == 87)
            return 1;
        if (z == 88)
            return 4;
        if (z == 39)
            return 21;
        if (z >= 78 && z <= 86)
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
    if (z >= 63 && z <= 71)
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

int rowNext(int z)
{
    return step(rows(), z, 1);
}

int rowPrevious(int z)
{
    return step(rows(), z, -1);
}

int columnNext(int z)
{
    return step(columns(), z, 1);
}

int columnPrevious(int z)
{
    return step(columns(), z, -1);
}

int tabNext(int z)
{
    return z >= 109 || z < 1 ? 1 : z + 1;
}

int tabPrevious(int z)
{
    return z <= 1 || z > 109 ? 109 : z - 1;
}

int verticalTarget(int z, bool down, const std::array<QRect, 110> &tiles)
{
    if (z < 1 || z > 109)
        return 0;
    const QRect &from = tiles[z];
    if (from.width() < MinProbeWidth || from.height() < MinProbeHeight)
        return down ? columnNext(z) : columnPrevious(z);

    const int t = from.height();
    const int fixed = fixedRow(z, down);
    const int y
        = fixed ? tiles[fixed].top() + 2 : (down ? from.top() + 2 * t - 5 : from.top() - t + 2);
    const QPoint probe(from.left() + 2, y);
    for (int k = 1; k <= 109; ++k) {
        if (tiles[k].contains(probe))
            return k;
    }
    return down ? columnNext(z) : columnPrevious(z);
}

}
