#include "DesktopPlatform.h"

#include <QFileInfo>
#include <QLibraryInfo>

#include <cstring>

namespace DesktopPlatform {

QByteArray preferred(const std::function<QByteArray(const char *)> &environment,
    bool platformArgument, bool x11PluginInstalled)
{
    if (platformArgument || !environment("QT_QPA_PLATFORM").isEmpty() || !x11PluginInstalled)
        return {};
    const bool wayland = !environment("WAYLAND_DISPLAY").isEmpty()
        || environment("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    if (!wayland || environment("DISPLAY").isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

void choose(int argc, const char *const *argv)
{
    bool platformArgument = false;
    for (int i = 1; i < argc; ++i)
        platformArgument = platformArgument || std::strcmp(argv[i], "-platform") == 0;
    const bool x11 = QFileInfo::exists(
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqxcb.so"));
    const QByteArray platform
        = preferred([](const char *name) { return qgetenv(name); }, platformArgument, x11);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

}
