#pragma once

#include <QString>
#include <array>

class ElementData;

// The element count and the fields of one element's record: every fact about a field
// (its caption, the information window's row, the unit, how it is shown, the trend it
// belongs to) is written once, in the catalogue below, and read from there by the
// windows and by anything that exports the data.
// The table as it has always been, and with the seventh period complete (elements 110 to
// 118, a choice of the user's). Which of the two is in force the shared state says.
constexpr int ElementCount = 109;
constexpr int MaxElementCount = 118;

// Field j (0..34) of an element's record.
namespace Field {
enum : int {
    Name = 0,
    Symbol = 1,
    AtomicWeight = 2,
    BoilingPoint = 3,
    MeltingPoint = 4,
    Density = 5,
    ElectronConfig = 6,
    OxidationStates = 7,
    CrystalStructure = 8,
    AcidBase = 9,
    Electronegativity = 10,
    HeatVaporization = 11,
    HeatFusion = 12,
    ElectricalConductivity = 13,
    ThermalConductivity = 14,
    SpecificHeat = 15,
    FirstIonization = 16,
    AtomicVolume = 17,
    AtomicRadius = 18,
    CovalentRadius = 19,
    Synthetic = 20,
    AtomicWeightValue = 21,
    BoilingPointValue = 22,
    MeltingPointValue = 23,
    DensityValue = 24,
    ElectronegativityValue = 25,
    HeatVaporizationValue = 26,
    HeatFusionValue = 27,
    ElectricalConductivityValue = 28,
    ThermalConductivityValue = 29,
    SpecificHeatValue = 30,
    FirstIonizationValue = 31,
    AtomicVolumeValue = 32,
    AtomicRadiusValue = 33,
    CovalentRadiusValue = 34,
};
}

constexpr int FieldsPerElement = 35;
constexpr int RequiredLines = ElementCount * FieldsPerElement; // 3815
// A record is there only whole: the file's complete records count.
constexpr int MaxLines = MaxElementCount * FieldsPerElement; // 4130

// How a field's stored text is shown to the user.
enum class FieldDisplay {
    AsStored, // the text itself
    Quantity, // at most 50 characters and the unit, no unit after "--"
    QuantityOrRemark, // a Quantity, but a text ending in ")" carries its own remark instead
    CrystalCode, // codes 1..8 of the crystal structures
    AcidBaseCode, // codes 1..3: acidic, basic, amphoteric
    YesNo, // an integer flag, its low byte deciding
};

struct FieldInfo
{
    // The field's place in the record, which is also the key of its sources.
    int index;
    // A stable identifier ("AtomicWeight"), e.g. for column names.
    const char *name;
    // The caption a reader sees; a value field has its trend property's name.
    const char *caption;
    // UTF-8, without the blank that separates it from the number; "" for none and for a
    // value field, which is in the unit of its display field (see Fields::unit).
    const char *unit;
    FieldDisplay display;
    // A display field's value field (the number behind it) and back; -1 for none.
    int pair;
    // Row of the information window (0 at the top) and the object name of its value
    // box; -1 and nullptr for a field the window does not show.
    int infoRow;
    const char *infoBox;
    // A value field's menu item in the Trends and graph menus; nullptr for the others.
    const char *trendItem;
    const char *trendCaption;

    bool isValue() const { return index > Field::Synthetic; }
    int valueField() const { return isValue() ? index : pair; }
    int displayField() const { return isValue() ? pair : index; }
};

namespace Fields {

// Throws "List index out of bounds" outside 0..34.
const FieldInfo &info(int field);
const std::array<FieldInfo, FieldsPerElement> &all();

// A text of the catalogue in the language in force (the catalogue's own texts are English).
QString translated(const char *text);
// The field's caption in the language in force. Throws "List index out of bounds" outside
// 0..34.
QString caption(int field);
// The unit of a field's number ("g/mol"), also for a value field; "" for none. Throws
// "List index out of bounds" outside 0..34.
QString unit(int field);
// The unit as the information window appends it: " g/mol"; "" for a field without unit.
QString unitSuffix(int field);
// The text of field j of element z as the information window shows it.
QString displayText(const ElementData &data, int z, int field);

// The information window's rows, top to bottom.
constexpr int InfoRowCount = 19;
// -1 outside 0..18.
int infoRowField(int row);
QString infoCaption(int row);

}

// The fourteen trend properties, in alphabetical order of name: the order of the Trends
// menu, the graph's Property menus and the property numbers in the settings file.
constexpr int TrendPropertyCount = 14;
struct TrendProperty
{
    const char *name;
    int valueField;
    int displayField;
    const char *itemName;
    const char *itemCaption;
};
namespace Fields {
const std::array<TrendProperty, TrendPropertyCount> &trends();
inline const TrendProperty &trend(int property)
{
    return trends()[size_t(property)];
}
// The property's name ("Atomic Radius") and its menu caption ("Atomic &Radius") in the
// language in force.
QString trendName(int property);
QString trendCaption(int property);
}
