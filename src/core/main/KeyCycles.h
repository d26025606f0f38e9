#pragma once

#include "data/Fields.h"

#include <QRect>
#include <array>

// Keyboard movement over the chart.
namespace KeyCycles {

// Row cycles (Right/Left).
int rowNext(int z);
int rowPrevious(int z);
// Column cycles (Down/Up): the behaviour that must hold at every size.
int columnNext(int z);
int columnPrevious(int z);
// Tab / Shift+Tab: 109 wraps to 1 and back.
int tabNext(int z);
int tabPrevious(int z);

// Down/Up found on the chart's geometry (tile rectangles of elements 1..109 in panel
// coordinates): the tile under the probe point, with the fixed cases for the rows that
// the probe would miss. Tiles too small for the probe (narrower than 3 or lower than 10
// pixels) and a probe that meets no tile take the column cycles instead. 0 for a z
// outside 1..109.
int verticalTarget(int z, bool down, const std::array<QRect, ElementCount + 1> &tiles);
}
