#pragma once

#include <QRect>
#include <QString>

#include <optional>

class IniFile;
struct FrameKeys;
struct SettingKey;
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

// Whether the desktop lets the program place its windows and tells it where they are.
// A native Wayland session does neither: positions read there are made up (0, 0), and a
// maximised or tiled state is the compositor's, so they are not written over the stored
// ones, which another session may still use.
bool placesWindows();
// Tests pretend a desktop that does (true) or does not (false); nullopt asks the real one.
void setPlacesWindowsForTesting(std::optional<bool> places);

// Writes a window's bounds into its section: "Maximized" = true alone for a maximised
// window, else "Maximized" = false and the outer frame's "Top", "Left", "Width", "Height".
// Where windows cannot be placed, only the size of a window in its normal state.
void write(IniFile &ini, const FrameKeys &keys, const QWidget *window);

// Writes a window's left and top, where windows can be placed.
void writePosition(IniFile &ini, const SettingKey &left, const SettingKey &top, QPoint position);

// Keeps the window's outer frame from being dragged smaller than outer. The frame belongs
// to the window manager and is known only once the window is shown; until then none is
// assumed, which errs on the large side.
void keepOuterMinimum(QWidget *window, QSize outer);

}
