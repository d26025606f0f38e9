#include "base/ColourScheme.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QCoreApplication>

namespace {

ColourScheme makeDefaults()
{
    ColourScheme s;
    s.table = TColor::system(TColor::BtnFace);
    s.legend = { Colours::Red, Colours::Blue, Colours::Purple, Colours::Black, Colours::Green,
        Colours::Yellow, Colours::Grey };
    s.infoDefault = true;
    s.info = { Colours::Red, TColor::system(TColor::WindowText), Colours::Blue, Colours::Navy,
        Colours::Maroon, TColor::system(TColor::WindowText), TColor::system(TColor::WindowText) };
    s.graphDefault = true;
    s.graph = { TColor::system(TColor::Window), Colours::Red, Colours::Blue,
        TColor::system(TColor::WindowText), Colours::Green };
    return s;
}

}

const ColourScheme &ColourScheme::defaults()
{
    static const ColourScheme d = makeDefaults();
    return d;
}

const std::array<TColor, ColourScheme::LegendCount> &ColourScheme::colourBlindSafe()
{
    static const std::array<TColor, LegendCount> set { TColor::rgb(0xd5, 0x5e, 0x00),
        TColor::rgb(0x00, 0x72, 0xb2), TColor::rgb(0xcc, 0x79, 0xa7), TColor::rgb(0, 0, 0),
        TColor::rgb(0x00, 0x9e, 0x73), TColor::rgb(0xf0, 0xe4, 0x42),
        TColor::rgb(0x56, 0xb4, 0xe9) };
    return set;
}

QString ColourScheme::legendCaption(Legend legend)
{
    static const char *const captions[LegendCount] = { QT_TRANSLATE_NOOP("Legend", "Metals"),
        QT_TRANSLATE_NOOP("Legend", "Nonmetals"), QT_TRANSLATE_NOOP("Legend", "Semimetals"),
        QT_TRANSLATE_NOOP("Legend", "Solids"), QT_TRANSLATE_NOOP("Legend", "Liquids"),
        QT_TRANSLATE_NOOP("Legend", "Gases"), QT_TRANSLATE_NOOP("Legend", "Undefined") };
    return QCoreApplication::translate("Legend", captions[size_t(legend)]);
}

const std::array<QLatin1String, ColourScheme::LegendCount> &ColourScheme::legendKeys()
{
    static const std::array<QLatin1String, LegendCount> keys { QLatin1String("Metals"),
        QLatin1String("Nonmetals"), QLatin1String("Semimetals"), QLatin1String("Solids"),
        QLatin1String("Liquids"), QLatin1String("Gases"), QLatin1String("Undefined") };
    return keys;
}

const std::array<QLatin1String, ColourScheme::InfoCount> &ColourScheme::infoKeys()
{
    static const std::array<QLatin1String, InfoCount> keys { QLatin1String("Symbol"),
        QLatin1String("ElementName"), QLatin1String("Number"), QLatin1String("Property1"),
        QLatin1String("Property2"), QLatin1String("Value1"), QLatin1String("Value2") };
    return keys;
}

const std::array<QLatin1String, ColourScheme::GraphCount> &ColourScheme::graphKeys()
{
    static const std::array<QLatin1String, GraphCount> keys { QLatin1String("BackgroundColor"),
        QLatin1String("ValueColor"), QLatin1String("AxisColor"), QLatin1String("PlotColor"),
        QLatin1String("ElementColor") };
    return keys;
}

namespace {

const QString DefaultColoursKey = QStringLiteral("DefaultColours");
const QString TableKey = QStringLiteral("Background");
const QString TableGrey = QStringLiteral("Gray");
const QString TableDefault = QStringLiteral("Default");

}

void ColourScheme::readLegend(const IniFile &ini)
{
    for (size_t i = 0; i < legend.size(); ++i)
        legend[i] = TColor::fromSettings(
            ini.readInteger(Settings::Colours, legendKeys()[i], legend[i].toSettings()));
}

void ColourScheme::writeLegend(IniFile &ini) const
{
    for (size_t i = 0; i < legend.size(); ++i)
        ini.writeInteger(Settings::Colours, legendKeys()[i], legend[i].toSettings());
}

std::optional<TColor> ColourScheme::readTable(const IniFile &ini)
{
    // No stored text is ever this, so it tells a missing key from an empty one.
    const QString missing = QStringLiteral("nope");
    const QString text = ini.readString(Settings::Colours, TableKey, missing);
    if (text == missing)
        return std::nullopt;
    return text == TableGrey ? Colours::Silver : TColor::system(TColor::BtnFace);
}

void ColourScheme::writeTable(IniFile &ini) const
{
    ini.writeString(
        Settings::Colours, TableKey, table == Colours::Silver ? TableGrey : TableDefault);
}

bool ColourScheme::readInfo(const IniFile &ini)
{
    if (ini.readBool(Settings::InfoWindow, DefaultColoursKey, true))
        return false;
    infoDefault = false;
    for (size_t i = 0; i < info.size(); ++i)
        info[i] = TColor::fromSettings(ini.readInteger(Settings::InfoWindow, infoKeys()[i], 0));
    return true;
}

void ColourScheme::writeInfo(IniFile &ini) const
{
    ini.writeBool(Settings::InfoWindow, DefaultColoursKey, infoDefault);
    for (size_t i = 0; i < info.size(); ++i)
        ini.writeInteger(Settings::InfoWindow, infoKeys()[i], info[i].toSettings());
}

bool ColourScheme::readGraph(const IniFile &ini, const QPalette &palette)
{
    if (ini.readBool(Settings::GraphWindow, DefaultColoursKey, true))
        return false;
    graphDefault = false;
    for (size_t i = 0; i < graph.size(); ++i)
        graph[i] = TColor::fromSettings(ini.readInteger(
            Settings::GraphWindow, graphKeys()[i], defaults().graph[i].toSettings(palette)));
    return true;
}

void ColourScheme::writeGraph(IniFile &ini, const QPalette &palette) const
{
    ini.writeBool(Settings::GraphWindow, DefaultColoursKey, graphDefault);
    for (size_t i = 0; i < graph.size(); ++i)
        ini.writeInteger(Settings::GraphWindow, graphKeys()[i], graph[i].toSettings(palette));
}
