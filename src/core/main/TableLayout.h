#pragma once

#include "data/Fields.h"

#include <QRect>
#include <QSize>
#include <array>
#include <functional>

// The geometry of the periodic table: pure arithmetic, called by the main window's
// FormResize and PeriodicTableResize with the sizes of its controls.
namespace TableLayout {

// Position of the table panel inside the window for a background area (top, width,
// height) and the height of group label 7 ("VIIIA"). A background too small for any
// table gives the smallest one, 26 × 27 (one pixel per column and half-row).
QRect panelRect(int bgTop, int bgWidth, int bgHeight, int label7Height);

// Top-left of group label 0 or 15, which sit on the window: centred over the tile (panel
// coordinates) and one pixel above the panel.
QPoint windowLabelPos(const QRect &panel, const QRect &tile, QSize labelSize);

// Chart column (1..18) and row (0..6 periods 1..7, 7 lanthanides, 8 actinides) of element z;
// 0 and -1 for a z outside 1..118 (110 to 118 stand in period 7, columns 10 to 18).
constexpr int ColumnCount = 18;
constexpr int RowCount = 9;
int column(int z);
int row(int z);

struct Result
{
    int fontPointSize = 8;
    int w = 0, u = 0, t = 0;
    std::array<QRect, MaxElementCount + 1> tiles {}; // index 1..count, panel coordinates
    QRect elementLines; // connector box
    QRect groupLines; // bracket box
    std::array<QPoint, 16> labels {}; // top-left of group labels 1..14 (panel coordinates)
    bool labelsVisible = false; // all sixteen labels and the bracket
    QPoint legend; // legend top-left
    bool legendVisible = false;
};

// PeriodicTableResize for a panel of outer size panelWidth × panelHeight.
// tile1Depth/tile1MaxDepth: Depth and MaxDepth of element 1's tile.
// uneWidth(pointSize): width of "Une" at that size in the background's font.
// labelSize(index, pointSize): size of group label index (1..14) at the panel's font size.
// legendSize: the legend panel's size. count: the elements on the table, 109 or 118.
Result layoutTable(int panelWidth, int panelHeight, int tile1Depth, int tile1MaxDepth,
    const std::function<int(int)> &uneWidth, const std::function<QSize(int, int)> &labelSize,
    QSize legendSize, int count = ElementCount);

}
