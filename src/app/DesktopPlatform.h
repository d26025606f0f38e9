#pragma once

#include <QByteArray>

#include <functional>

// Which of Qt's window-system plugins the program asks for.
namespace DesktopPlatform {

// The value for QT_QPA_PLATFORM, or empty to leave Qt's own choice. A Wayland session
// that also offers X11 (XWayland) gets X11 first: only there can the program place its
// windows, keep the element window on top and dock the toolbar by dragging. A choice the
// user made (QT_QPA_PLATFORM, or "-platform" among the arguments) wins, and so does a
// system without the X11 plugin. Wayland stays the fallback if X11 does not answer.
QByteArray preferred(const std::function<QByteArray(const char *)> &environment,
    bool platformArgument, bool x11PluginInstalled);

// Sets QT_QPA_PLATFORM for this process by the rule above; call before the application
// object exists.
void choose(int argc, const char *const *argv);

}
