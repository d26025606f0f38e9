#pragma once

#include "base/Colour.h"

#include <QLatin1String>
#include <QPalette>
#include <QString>
#include <array>
#include <optional>

class IniFile;

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
    // Seven legend colours that stay distinguishable under the common colour-vision
    // deficiencies, taken from the Okabe-Ito palette: the classes vermillion, blue and
    // reddish purple, the states black, bluish green, yellow and sky blue.
    static const std::array<TColor, LegendCount> &colourBlindSafe();

    // The settings: the legend and the table colour in "Colors", the information window's
    // and the graph's colours (each after its "DefaultColours" flag) in those windows'
    // sections, keys in the order the file lists them. Each window's other keys come
    // before these in its section.
    static const std::array<QLatin1String, LegendCount> &legendKeys();
    // The legend's caption of a colour ("Metals") in the language in force.
    static QString legendCaption(Legend legend);
    static const std::array<QLatin1String, InfoCount> &infoKeys();
    static const std::array<QLatin1String, GraphCount> &graphKeys();

    // A missing legend key keeps the colour this scheme has.
    void readLegend(const IniFile &ini);
    void writeLegend(IniFile &ini) const;
    // The table colour is kept as "Gray" (silver) or "Default" (the desktop's 3D colour);
    // nothing when the file has no such key yet.
    static std::optional<TColor> readTable(const IniFile &ini);
    void writeTable(IniFile &ini) const;
    // Reads the flag; when it is off, the colours too (a missing one is black). True when
    // the file asks for colours of its own.
    bool readInfo(const IniFile &ini);
    void writeInfo(IniFile &ini) const;
    // As readInfo; a missing colour is the designed one, system colours resolved with the
    // palette, as are the colours written.
    bool readGraph(const IniFile &ini, const QPalette &palette);
    void writeGraph(IniFile &ini, const QPalette &palette) const;

    bool operator==(const ColourScheme &o) const
    {
        return table == o.table && legend == o.legend && infoDefault == o.infoDefault
            && info == o.info && graphDefault == o.graphDefault && graph == o.graph;
    }
    bool operator!=(const ColourScheme &o) const { return !(*this == o); }
};
