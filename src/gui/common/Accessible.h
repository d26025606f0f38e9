#pragma once

class QWidget;

// What the toolkit gives an assistive tool, mended where it falls short: menu items are
// named by their captions without any "&" (the toolkit drops only the first, so "&Save
// Config &Now" would be read with one), and tool windows that the toolkit presents as
// fillers are windows.
namespace Accessible {

// Installs the program's own presentations (once per program).
void install();
// Presents the widget, a tool window, as a window.
void markWindow(QWidget *window);

}
