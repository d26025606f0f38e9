#pragma once

#include "base/Colour.h"

#include <QLatin1String>
#include <array>

// Every colour the user can choose, in one value: the table's background, the class and
// state colours of the legend and tiles, the information window's text colours and the
// trend graph's colours, each of the last two with its "use default colours" flag. The
// main window holds the scheme in force; each window applies it when it changes.
struct ColourScheme
{
    // Legend order: the class colours colour the tiles' numbers, the state colours their
    // symbols.
    enum Legend { Metals, Nonmetals, Semimetals, Solids, Liquids, Gases, Undefined };
    static constexpr int LegendCount = 7;
    // Information window: the header labels, the two alternating property captions and
    // the two alternating value boxes.
    enum Info { Symbol, ElementName, Number, Property1, Property2, Value1, Value2 };
    static constexpr int InfoCount = 7;
    enum Graph { Background, Value, Axis, Plot, Element };
    static constexpr int GraphCount = 5;

    TColor table = Colours::Silver;
    std::array<TColor, LegendCount> legend {};
    bool infoDefault = true;
    std::array<TColor, InfoCount> info {};
    bool graphDefault = true;
    std::array<TColor, GraphCount> graph {};

    // The designed colours, which the "use default colours" boxes bring back.
    static const ColourScheme &defaults();

    // Settings keys, in the order the settings file lists them.
    static const std::array<QLatin1String, LegendCount> &legendKeys();
    static const std::array<QLatin1String, InfoCount> &infoKeys();
    static const std::array<QLatin1String, GraphCount> &graphKeys();

    bool operator==(const ColourScheme &o) const
    {
        return table == o.table && legend == o.legend && infoDefault == o.infoDefault
            && info == o.info && graphDefault == o.graphDefault && graph == o.graph;
    }
    bool operator!=(const ColourScheme &o) const { return !(*this == o); }
};
