#include "main/TableLayout.h"

#include <QtGlobal>
#include <algorithm>

namespace TableLayout {

namespace {

// Smallest panel: one pixel per column and per half-row, so no tile is empty and no later
// division by the tile size can meet zero.
constexpr int MinPanelWidth = 18 + 8;
constexpr int MinPanelHeight = 19 + 8;

// Width-limited (true) or height-limited (false). An exact ratio of 25/36 is width-limited.
bool widthLimits(int ha, int wa)
{
    if (wa > 0)
        return qint64(36) * ha >= qint64(25) * wa;
    if (wa < 0)
        return !(double(ha) / wa < 25.0 / 36.0);
    return true; // Ha ÷ 0 is infinite or undefined, neither is below 25/36
}

int rowTop(int row, int t)
{
    if (row <= 6)
        return 3 + row * t;
    if (row == 7)
        return 3 + (15 * t) / 2;
    return 3 + (17 * t) / 2;
}

int centredOver(const QRect &tile, int width)
{
    return tile.left() + tile.width() / 2 - width / 2;
}

}

QRect panelRect(int bgTop, int bgWidth, int bgHeight, int label7Height)
{
    const int ha = bgHeight - 32;
    const int wa = bgWidth - 32;
    int tw, th;
    if (widthLimits(ha, wa)) {
        tw = ((wa - 8) / 18) * 18 + 8;
        th = (((25 * tw) / 36 - 8) / 19) * 19 + 8;
    } else {
        th = ((ha - 8) / 19) * 19 + 8;
        tw = (((36 * th) / 25 - 8) / 18) * 18 + 8;
    }
    tw = qMax(tw, MinPanelWidth);
    th = qMax(th, MinPanelHeight);

    int top = bgTop + (bgHeight / 2 - th / 2);
    if (top < bgTop + 10)
        top = bgTop + 10;
    if (top < bgTop + label7Height + 5)
        top = bgTop + label7Height + 5;
    int left = bgWidth / 2 - tw / 2;
    if (left < 10)
        left = 10;
    return QRect(left, top, tw, th);
}

QPoint windowLabelPos(const QRect &panel, const QRect &tile, QSize labelSize)
{
    return QPoint(
        panel.left() + centredOver(tile, labelSize.width()), panel.top() - labelSize.height() - 1);
}

int column(int z)
{
    if (z == 1)
        return 1;
    if (z == 2)
        return 18;
    if (z >= 3 && z <= 18) {
        const int k = (z - 3) % 8; // 0..7 within periods 2 and 3
        return k < 2 ? k + 1 : k + 11;
    }
    if (z >= 19 && z <= 54)
        return (z - 19) % 18 + 1;
    if (z == 55 || z == 56 || z == 87 || z == 88)
        return z % 2 == 1 ? 1 : 2;
    if (z >= 57 && z <= 71)
        return z - 53;
    if (z >= 72 && z <= 86)
        return z - 68;
    if (z >= 89 && z <= 103)
        return z - 85;
    if (z >= 104 && z <= MaxElementCount)
        return z - 100; // 110 to 118 complete period 7 in columns 10 to 18
    return 0;
}

int row(int z)
{
    if (z < 1 || z > MaxElementCount)
        return -1;
    if (z <= 2)
        return 0;
    if (z <= 10)
        return 1;
    if (z <= 18)
        return 2;
    if (z <= 36)
        return 3;
    if (z <= 54)
        return 4;
    if (z >= 57 && z <= 71)
        return 7;
    if (z >= 89 && z <= 103)
        return 8;
    if (z <= 86)
        return 5;
    return 6;
}

Result layoutTable(int panelWidth, int panelHeight, int tile1Depth, int tile1MaxDepth,
    const std::function<int(int)> &uneWidth, const std::function<QSize(int, int)> &labelSize,
    QSize legendSize, int count)
{
    Result r;
    const int w = qMax(0, (panelWidth - 8) / 18);
    const int u = qMax(0, (panelHeight - 8) / 19);

    // The relief rings take the room of the ordinary frame and more.
    const int room = tile1Depth == 0 ? w - 4 : w - 2 - tile1MaxDepth;
    r.fontPointSize = 8;
    for (int size : { 24, 18, 14, 12, 10 }) {
        if (uneWidth(size) <= room) {
            r.fontPointSize = size;
            break;
        }
    }

    r.w = w;
    r.u = u;
    r.t = 2 * u;
    for (int z = 1; z <= std::clamp(count, 0, MaxElementCount); ++z)
        r.tiles[z] = QRect(3 + (column(z) - 1) * w, rowTop(row(z), r.t), w, r.t);
    const auto &tiles = r.tiles;

    const int linesTop = tiles[56].top();
    r.elementLines = QRect(tiles[39].left(), linesTop, tiles[39].width(),
        tiles[90].top() + tiles[90].height() - linesTop - 1);

    std::array<QSize, 16> sizes {};
    for (int i = 1; i <= 14; ++i) {
        sizes[i] = labelSize(i, r.fontPointSize);
        const int h = sizes[i].height();
        const int anchor = i == 1 ? 4 : (i <= 9 ? 21 : 5);
        const int over = i <= 6 ? 19 + i : (i == 7 ? 27 : 21 + i);
        r.labels[i]
            = QPoint(centredOver(tiles[over], sizes[i].width()), tiles[anchor].top() - h - 2);
    }

    const int bracketTop = r.labels[7].y();
    r.groupLines = QRect(tiles[26].left() + tiles[26].width() / 2, bracketTop,
        2 * tiles[26].width(), tiles[28].top() - bracketTop);

    r.labelsVisible = r.labels[14].x() + sizes[14].width() < tiles[2].left() - 1;

    r.legend.setX(
        (tiles[31].left() - tiles[21].left()) / 2 - legendSize.width() / 2 + tiles[21].left());
    const int limit = r.labelsVisible ? r.labels[3].y() : tiles[22].top();
    r.legend.setY(limit / 2 - legendSize.height() / 2);
    r.legendVisible = limit >= legendSize.height() + 6;
    return r;
}

}
