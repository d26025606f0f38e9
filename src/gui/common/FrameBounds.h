#pragma once

#include <QRect>
#include <QString>

class IniFile;
struct FrameKeys;
class QWidget;

// A window's bounds as the settings file keeps them: the outer frame in screen pixels.
namespace FrameBounds {

// X11 keeps window coordinates and sizes in 16 bits; values from a damaged file must not
// reach it.
constexpr int MaxCoordinate = 32000;

// The bounds read from a file, brought into range: places within ±32000, sizes 1..32000.
QRect clamped(int left, int top, int width, int height);

// Places the window's outer frame at outer. Qt places the frame but sizes the client
// area; before the first show the frame is unknown, so a hidden window gets the bounds
// again once the window manager has framed it in its normal state (at once, or when a
// maximised start is first restored), and it does not grow by its frame on every start.
void apply(QWidget *window, const QRect &outer);

// Writes a window's bounds into its section: "Maximized" = true alone for a maximised
// window, else "Maximized" = false and the outer frame's "Top", "Left", "Width", "Height".
void write(IniFile &ini, const FrameKeys &keys, const QWidget *window);

// Keeps the window's outer frame from being dragged smaller than outer. The frame belongs
// to the window manager and is known only once the window is shown; until then none is
// assumed, which errs on the large side.
void keepOuterMinimum(QWidget *window, QSize outer);

}
