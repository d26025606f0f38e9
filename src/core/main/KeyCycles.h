#pragma once

#include "data/Fields.h"

#include <QRect>
#include <array>

// Keyboard movement over the chart of count elements (109, or 118 with the seventh period
// complete).
namespace KeyCycles {

// Row cycles (Right/Left).
int rowNext(int z, int count = ElementCount);
int rowPrevious(int z, int count = ElementCount);
// Column cycles (Down/Up): the behaviour that must hold at every size.
int columnNext(int z, int count = ElementCount);
int columnPrevious(int z, int count = ElementCount);
// Tab / Shift+Tab: the last element wraps to 1 and back.
int tabNext(int z, int count = ElementCount);
int tabPrevious(int z, int count = ElementCount);

// Down/Up found on the chart's geometry (tile rectangles of elements 1..count in panel
// coordinates): the tile under the probe point, with the fixed cases for the rows that
// the probe would miss. Tiles too small for the probe (narrower than 3 or lower than 10
// pixels) and a probe that meets no tile take the column cycles instead. 0 for a z
// outside 1..count.
int verticalTarget(int z, bool down, const std::array<QRect, MaxElementCount + 1> &tiles,
    int count = ElementCount);
}
