#include "data/Fields.h"

#include "base/Errors.h"
#include "data/ElementData.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace {

using D = FieldDisplay;

// clang-format off
// index, name, caption, unit, display, pair, info row, info box, trend item, trend caption
const std::array<FieldInfo, FieldsPerElement> Catalogue = { {
    { Field::Name, "Name", QT_TRANSLATE_NOOP("Fields", "Name"), "", D::AsStored, -1, -1, nullptr, nullptr, nullptr },
    { Field::Symbol, "Symbol", QT_TRANSLATE_NOOP("Fields", "Symbol"), "", D::AsStored, -1, -1, nullptr, nullptr, nullptr },
    { Field::AtomicWeight, "AtomicWeight", QT_TRANSLATE_NOOP("Fields", "Atomic Weight"), "g/mol", D::Quantity,
        Field::AtomicWeightValue, 0, "Weight", nullptr, nullptr },
    { Field::BoilingPoint, "BoilingPoint", QT_TRANSLATE_NOOP("Fields", "Boiling Point"), "K", D::Quantity,
        Field::BoilingPointValue, 2, "BoilingPoint", nullptr, nullptr },
    { Field::MeltingPoint, "MeltingPoint", QT_TRANSLATE_NOOP("Fields", "Melting Point"), "K", D::Quantity,
        Field::MeltingPointValue, 3, "MeltingPoint", nullptr, nullptr },
    { Field::Density, "Density", QT_TRANSLATE_NOOP("Fields", "Density"), "g/cm³", D::QuantityOrRemark,
        Field::DensityValue, 4, "Density", nullptr, nullptr },
    { Field::ElectronConfig, "ElectronConfig", QT_TRANSLATE_NOOP("Fields", "Electron Configuration"), "", D::AsStored,
        -1, 5, "ElectronConfig", nullptr, nullptr },
    { Field::OxidationStates, "OxidationStates", QT_TRANSLATE_NOOP("Fields", "Oxidation States"), "", D::AsStored,
        -1, 1, "OxidationStates", nullptr, nullptr },
    { Field::CrystalStructure, "CrystalStructure", QT_TRANSLATE_NOOP("Fields", "Crystal Structure"), "", D::CrystalCode,
        -1, 7, "CrystalStruct", nullptr, nullptr },
    { Field::AcidBase, "AcidBase", QT_TRANSLATE_NOOP("Fields", "Acid/Base Properties"), "", D::AcidBaseCode,
        -1, 6, "AcidBaseProp", nullptr, nullptr },
    { Field::Electronegativity, "Electronegativity", QT_TRANSLATE_NOOP("Fields", "Electronegativity"), "", D::AsStored,
        Field::ElectronegativityValue, 8, "ElectroNeg", nullptr, nullptr },
    { Field::HeatVaporization, "HeatVaporization", QT_TRANSLATE_NOOP("Fields", "Heat of Vaporization"), "kJ/mol",
        D::Quantity, Field::HeatVaporizationValue, 9, "HeatVapor", nullptr, nullptr },
    { Field::HeatFusion, "HeatFusion", QT_TRANSLATE_NOOP("Fields", "Heat of Fusion"), "kJ/mol", D::Quantity,
        Field::HeatFusionValue, 10, "HeatFusion", nullptr, nullptr },
    { Field::ElectricalConductivity, "ElectricalConductivity", QT_TRANSLATE_NOOP("Fields", "Electrical Conductivity"),
        "10^6omg-¹cm-¹", D::Quantity, Field::ElectricalConductivityValue, 11, "ElectroConduct",
        nullptr, nullptr },
    { Field::ThermalConductivity, "ThermalConductivity", QT_TRANSLATE_NOOP("Fields", "Thermal Conductivity"),
        QT_TRANSLATE_NOOP("Fields", "Wm-¹K-¹ (at 300 K)"), D::Quantity, Field::ThermalConductivityValue, 12, "ThermalConduct",
        nullptr, nullptr },
    { Field::SpecificHeat, "SpecificHeat", QT_TRANSLATE_NOOP("Fields", "Specific Heat Capacity"), QT_TRANSLATE_NOOP("Fields", "Jg-¹K-¹ (at 300 K)"),
        D::Quantity, Field::SpecificHeatValue, 13, "SpecificHeat", nullptr, nullptr },
    { Field::FirstIonization, "FirstIonization", QT_TRANSLATE_NOOP("Fields", "First Ionization Potential"), "", D::AsStored,
        Field::FirstIonizationValue, 14, "FstIonPoten", nullptr, nullptr },
    { Field::AtomicVolume, "AtomicVolume", QT_TRANSLATE_NOOP("Fields", "Atomic Volume"), "cm³/mol", D::Quantity,
        Field::AtomicVolumeValue, 15, "Volume", nullptr, nullptr },
    { Field::AtomicRadius, "AtomicRadius", QT_TRANSLATE_NOOP("Fields", "Atomic Radius"), "Å", D::Quantity,
        Field::AtomicRadiusValue, 16, "AtomicRadius", nullptr, nullptr },
    { Field::CovalentRadius, "CovalentRadius", QT_TRANSLATE_NOOP("Fields", "Covalent Radius"), "Å", D::Quantity,
        Field::CovalentRadiusValue, 17, "CovalentRadius", nullptr, nullptr },
    { Field::Synthetic, "Synthetic", QT_TRANSLATE_NOOP("Fields", "Synthetic"), "", D::YesNo, -1, 18, "Synthetic", nullptr,
        nullptr },
    { Field::AtomicWeightValue, "AtomicWeightValue", QT_TRANSLATE_NOOP("Fields", "Atomic Weight"), "", D::AsStored,
        Field::AtomicWeight, -1, nullptr, "mnuAtomicWeight", QT_TRANSLATE_NOOP("Fields", "Atomic &Weight") },
    { Field::BoilingPointValue, "BoilingPointValue", QT_TRANSLATE_NOOP("Fields", "Boiling Point"), "", D::AsStored,
        Field::BoilingPoint, -1, nullptr, "mnuBoilingPoint", QT_TRANSLATE_NOOP("Fields", "&Boiling Point") },
    { Field::MeltingPointValue, "MeltingPointValue", QT_TRANSLATE_NOOP("Fields", "Melting Point"), "", D::AsStored,
        Field::MeltingPoint, -1, nullptr, "mnuMeltingPoint", QT_TRANSLATE_NOOP("Fields", "&Melting Point") },
    { Field::DensityValue, "DensityValue", QT_TRANSLATE_NOOP("Fields", "Density"), "", D::AsStored, Field::Density, -1,
        nullptr, "mnuDensity", QT_TRANSLATE_NOOP("Fields", "&Density") },
    { Field::ElectronegativityValue, "ElectronegativityValue", QT_TRANSLATE_NOOP("Fields", "Electronegativity"), "",
        D::AsStored, Field::Electronegativity, -1, nullptr, "mnuElectroneg",
        QT_TRANSLATE_NOOP("Fields", "Electro&negativity") },
    { Field::HeatVaporizationValue, "HeatVaporizationValue", QT_TRANSLATE_NOOP("Fields", "Heat of Vaporization"), "",
        D::AsStored, Field::HeatVaporization, -1, nullptr, "mnuHeatVapor",
        QT_TRANSLATE_NOOP("Fields", "Heat of &Vaporization") },
    { Field::HeatFusionValue, "HeatFusionValue", QT_TRANSLATE_NOOP("Fields", "Heat of Fusion"), "", D::AsStored,
        Field::HeatFusion, -1, nullptr, "mnuHeatFusion", QT_TRANSLATE_NOOP("Fields", "&Heat of Fusion") },
    { Field::ElectricalConductivityValue, "ElectricalConductivityValue",
        QT_TRANSLATE_NOOP("Fields", "Electrical Conductivity"), "", D::AsStored, Field::ElectricalConductivity, -1, nullptr,
        "mnuElectroConduct", QT_TRANSLATE_NOOP("Fields", "&Electrical Conductivity") },
    { Field::ThermalConductivityValue, "ThermalConductivityValue", QT_TRANSLATE_NOOP("Fields", "Thermal Conductivity"), "",
        D::AsStored, Field::ThermalConductivity, -1, nullptr, "mnuThermalConduct",
        QT_TRANSLATE_NOOP("Fields", "&Thermal Conductivity") },
    { Field::SpecificHeatValue, "SpecificHeatValue", QT_TRANSLATE_NOOP("Fields", "Specific Heat"), "", D::AsStored,
        Field::SpecificHeat, -1, nullptr, "mnuSpecificHeat", QT_TRANSLATE_NOOP("Fields", "&Specific Heat") },
    { Field::FirstIonizationValue, "FirstIonizationValue", QT_TRANSLATE_NOOP("Fields", "First Ionization Potential"), "",
        D::AsStored, Field::FirstIonization, -1, nullptr, "mnuFirstIonPoten",
        QT_TRANSLATE_NOOP("Fields", "&First Ionization Potential") },
    { Field::AtomicVolumeValue, "AtomicVolumeValue", QT_TRANSLATE_NOOP("Fields", "Atomic Volume"), "", D::AsStored,
        Field::AtomicVolume, -1, nullptr, "mnuAtomicVolume", QT_TRANSLATE_NOOP("Fields", "Atomic &Volume") },
    { Field::AtomicRadiusValue, "AtomicRadiusValue", QT_TRANSLATE_NOOP("Fields", "Atomic Radius"), "", D::AsStored,
        Field::AtomicRadius, -1, nullptr, "mnuAtomicRadius", QT_TRANSLATE_NOOP("Fields", "Atomic &Radius") },
    { Field::CovalentRadiusValue, "CovalentRadiusValue", QT_TRANSLATE_NOOP("Fields", "Covalent Radius"), "", D::AsStored,
        Field::CovalentRadius, -1, nullptr, "mnuCovalentRadius", QT_TRANSLATE_NOOP("Fields", "&Covalent Radius") },
} };
// clang-format on

// Quantity texts longer than this are cut before the unit is appended.
constexpr int CutLength = 50;

std::array<TrendProperty, TrendPropertyCount> makeTrends()
{
    std::array<TrendProperty, TrendPropertyCount> trends {};
    size_t n = 0;
    for (const FieldInfo &f : Catalogue)
        if (f.trendItem && n < trends.size())
            trends[n++] = { f.caption, f.index, f.pair, f.trendItem, f.trendCaption };
    std::sort(trends.begin(), trends.end(), [](const TrendProperty &a, const TrendProperty &b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    return trends;
}

}

namespace Fields {

const FieldInfo &info(int field)
{
    if (field < 0 || field >= FieldsPerElement)
        Errors::listIndexOutOfBounds();
    return Catalogue[size_t(field)];
}

const std::array<FieldInfo, FieldsPerElement> &all()
{
    return Catalogue;
}

QString translated(const char *text)
{
    return text && *text ? QCoreApplication::translate("Fields", text) : QString();
}

QString caption(int field)
{
    return translated(info(field).caption);
}

QString unit(int field)
{
    const FieldInfo &f = info(field);
    return translated(f.isValue() ? Catalogue[size_t(f.pair)].unit : f.unit);
}

QString unitSuffix(int field)
{
    if (field < 0 || field >= FieldsPerElement || !*Catalogue[size_t(field)].unit)
        return QString();
    return QLatin1Char(' ') + translated(Catalogue[size_t(field)].unit);
}

QString displayText(const ElementData &data, int z, int field)
{
    const QString text = data.field(z, field);
    switch (Catalogue[size_t(field)].display) {
    case FieldDisplay::Quantity:
    case FieldDisplay::QuantityOrRemark: {
        const QString cut = text.left(CutLength);
        if (!ElementText::hasValue(cut))
            return cut;
        if (Catalogue[size_t(field)].display == FieldDisplay::QuantityOrRemark
            && cut.endsWith(QLatin1Char(')')))
            return cut;
        return cut + unitSuffix(field);
    }
    case FieldDisplay::CrystalCode:
        return ElementText::crystalStructureText(text.left(CutLength));
    case FieldDisplay::AcidBaseCode:
        return ElementText::acidBaseText(text.left(CutLength));
    case FieldDisplay::YesNo:
        return ElementText::flag(text) ? QCoreApplication::translate("Fields", "Yes")
                                       : QCoreApplication::translate("Fields", "No");
    case FieldDisplay::AsStored:
        break;
    }
    return text;
}

int infoRowField(int row)
{
    for (const FieldInfo &f : Catalogue)
        if (f.infoRow >= 0 && f.infoRow == row)
            return f.index;
    return -1;
}

QString infoCaption(int row)
{
    const int field = infoRowField(row);
    return field < 0 ? QString() : QCoreApplication::translate("Fields", "%1:").arg(caption(field));
}

QString trendName(int property)
{
    return translated(trend(property).name);
}

QString trendCaption(int property)
{
    return translated(trend(property).itemCaption);
}

const std::array<TrendProperty, TrendPropertyCount> &trends()
{
    static const std::array<TrendProperty, TrendPropertyCount> table = makeTrends();
    return table;
}

}
