#include "base/Colour.h"

#include <QGuiApplication>

namespace {

// System colour indices (the low byte of a system colour value) and the palette roles
// that play their part on this desktop. Window is the background of windows and edit
// boxes, which the palette calls Base; the 3-D colours come from the button roles.
struct SystemRole
{
    quint32 index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr SystemRole systemRoles[] = {
    { 4, QPalette::Active, QPalette::Window }, // menu
    { 5, QPalette::Active, QPalette::Base }, // window
    { 7, QPalette::Active, QPalette::WindowText }, // menu text
    { 8, QPalette::Active, QPalette::Text }, // window text
    { 13, QPalette::Active, QPalette::Highlight },
    { 14, QPalette::Active, QPalette::HighlightedText },
    { 15, QPalette::Active, QPalette::Button }, // 3-D face
    { 16, QPalette::Active, QPalette::Dark }, // 3-D shadow
    { 17, QPalette::Disabled, QPalette::Text }, // grey text
    { 18, QPalette::Active, QPalette::ButtonText },
    { 20, QPalette::Active, QPalette::Light }, // 3-D highlight
    { 21, QPalette::Active, QPalette::Shadow }, // 3-D dark shadow
    { 22, QPalette::Active, QPalette::Midlight }, // 3-D light
    { 23, QPalette::Active, QPalette::ToolTipText },
    { 24, QPalette::Active, QPalette::ToolTipBase }, // tool-tip background
};

QColor plainColour(quint32 value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

}

QColor TColor::resolve(const QPalette &palette) const
{
    if (!isSystem())
        return plainColour(m_value);
    const quint32 index = m_value & 0x7fffffffu;
    for (const SystemRole &r : systemRoles) {
        if (r.index == index)
            return palette.color(r.group, r.role);
    }
    // An index no desktop colour stands for draws black rather than failing.
    return QColor(Qt::black);
}

QColor TColor::resolve() const
{
    return isSystem() ? resolve(QGuiApplication::palette()) : plainColour(m_value);
}

int TColor::toSettings(const QPalette &palette) const
{
    const QColor c = resolve(palette);
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

int TColor::toSettings() const
{
    const QColor c = resolve();
    return c.red() + 256 * c.green() + 65536 * c.blue();
}
