#include "base/ColourScheme.h"

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
