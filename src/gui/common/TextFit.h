#pragma once

#include <QList>
#include <QSize>

class QWidget;

// Windows are laid out in design pixels for their English texts. This one step lets each
// window follow the texts it actually shows, in the font in force: a control whose text
// needs more room than it has grows to it, whatever lies to its right or below it moves
// along (so nothing comes to overlap), the controls of its column or row grow with it (so
// columns stay aligned), containers — group boxes, panels, the pages of a tab control —
// grow with what they hold, and the window last. Nothing ever shrinks: where every text
// fits, nothing moves, and the designed size stays the smallest.
namespace TextFit {

struct Options
{
    // Controls that keep their distance from their container's right edge as it grows (a
    // button row standing at the right, a number aligned to the right).
    QList<QWidget *> keepRight;
};

// Fits the window's controls and then the window; returns how much the window grew.
QSize fit(QWidget *window, const Options &options = {});

// The size a control needs to show its text whole: a label's text (its height at its width
// for one that wraps), a button's caption with the style's margins, a check box's or radio
// button's mark and caption, a group box's title, a tab control's row of tabs, a drop-down
// list's widest item. A control with nothing to measure needs the size it has.
QSize needed(const QWidget *control);

}
