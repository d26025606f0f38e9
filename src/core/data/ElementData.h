#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

// The element data file: 109 records of 35 lines, read once into a list of text lines.
// Field j (0..34) of element Z (1..109) is line (Z − 1) × 35 + j.
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

constexpr int ElementCount = 109;
constexpr int FieldsPerElement = 35;
constexpr int RequiredLines = ElementCount * FieldsPerElement; // 3815

class ElementData
{
public:
    // Reads the whole file; throws "Cannot open file %s" with the full path (the list stays
    // empty). A file over 64 MiB is no data file and is refused with the same message.
    void load(const QString &path);
    // Splits bytes (Windows-1252) into lines at CR, LF or CR LF; LF CR is two breaks; a
    // NUL byte ends the text; a last line without a break is still a line.
    void loadBytes(const QByteArray &bytes);
    static QStringList splitLines(const QByteArray &bytes);

    // Replaces the first "." of every line by the separator, unless it is ".".
    void fixDecimalSeparator(QChar decimalSeparator);

    // Throws "List index out of bounds" beyond the loaded lines or outside 1..109 / 0..34.
    QString field(int z, int j) const;
    int lineCount() const { return int(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
};

namespace ElementText {
// false exactly when the text is "--".
bool hasValue(const QString &text);
// The number in the user's notation; throws "'%s' is not a valid floating point value".
double number(const QString &text, QChar decimalSeparator);
// The text as an integer (throws "'%s' is not a valid integer value"); true when its low
// byte is non-zero.
bool flag(const QString &text);
QString acidBaseText(const QString &code);
QString crystalStructureText(const QString &code);
// The unit suffix of a display field ("" for fields shown without unit).
QString unitSuffix(int field);
// The text of field j of element z as the information window shows it: the 50-character
// cut and unit rule for quantity fields, the code tables for 8 and 9, "Yes"/"No" for 20,
// the stored text otherwise.
QString displayText(const ElementData &data, int z, int field);
}

// The fourteen trend properties in their fixed order.
struct TrendProperty
{
    const char *name;
    int valueField;
    int displayField;
};
constexpr int TrendPropertyCount = 14;
extern const TrendProperty TrendProperties[TrendPropertyCount];
