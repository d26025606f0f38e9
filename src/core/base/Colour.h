#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// A colour value: a plain colour packing red in the low byte, green in the next and blue
// in the third (silver is 12632256), or, with the high bit set, a reference to a system
// colour that is resolved from the palette when drawn.
class TColor
{
public:
    enum System : quint32 {
        Window = 0x80000000u | 5, // background of windows and edit boxes
        WindowText = 0x80000000u | 8,
        BtnFace = 0x80000000u | 15, // 3-D face
        BtnShadow = 0x80000000u | 16,
        BtnHighlight = 0x80000000u | 20,
        InfoBk = 0x80000000u | 24, // tool-tip background
    };

    constexpr TColor() = default;
    constexpr explicit TColor(quint32 value)
        : m_value(value)
    {
    }
    static constexpr TColor rgb(int r, int g, int b)
    {
        return TColor(quint32(r & 0xff) | (quint32(g & 0xff) << 8) | (quint32(b & 0xff) << 16));
    }
    static constexpr TColor system(System s) { return TColor(quint32(s)); }
    static TColor fromQColor(const QColor &c) { return rgb(c.red(), c.green(), c.blue()); }

    constexpr quint32 value() const { return m_value; }
    constexpr bool isSystem() const { return (m_value & 0x80000000u) != 0; }

    // The colour to draw with. System colours come from the palette's active group:
    // Window -> Base, WindowText -> Text, BtnFace -> Button, BtnShadow -> Dark,
    // BtnHighlight -> Light, InfoBk -> ToolTipBase (a few more indices in Colour.cpp); an
    // index without a role is black.
    QColor resolve(const QPalette &palette) const;
    // As above, with the application's palette.
    QColor resolve() const;
    // red + 256 × green + 65536 × blue, system colours resolved first.
    int toSettings(const QPalette &palette) const;
    int toSettings() const;
    // An integer read from the settings, used as the colour value.
    static TColor fromSettings(int value) { return TColor(quint32(value)); }

    constexpr bool operator==(const TColor &o) const { return m_value == o.m_value; }
    constexpr bool operator!=(const TColor &o) const { return m_value != o.m_value; }

private:
    quint32 m_value = 0;
};

namespace Colours {
constexpr TColor Black = TColor::rgb(0, 0, 0);
constexpr TColor White = TColor::rgb(255, 255, 255);
constexpr TColor Silver = TColor::rgb(192, 192, 192);
constexpr TColor Grey = TColor::rgb(128, 128, 128);
constexpr TColor Navy = TColor::rgb(0, 0, 128);
constexpr TColor Maroon = TColor::rgb(128, 0, 0);
constexpr TColor Red = TColor::rgb(255, 0, 0);
constexpr TColor Blue = TColor::rgb(0, 0, 255);
constexpr TColor Yellow = TColor::rgb(255, 255, 0);
constexpr TColor Green = TColor::rgb(0, 128, 0);
constexpr TColor Purple = TColor::rgb(128, 0, 128);
}
