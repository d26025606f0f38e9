#pragma once

#include <array>

class QLabel;
class QStatusBar;

namespace StatusPanels {

// The two sunken text panels of a window's status bar, named StatusPanel0 and
// StatusPanel1; the second takes the room the first leaves. Their text is clipped rather
// than widening the bar.
std::array<QLabel *, 2> create(QStatusBar *bar);

}
