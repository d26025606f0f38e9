#pragma once

#include "data/ElementData.h"

// The menu items of the fourteen trend properties, in catalogue order: object names and
// captions as the Trends menu and the graph window's Property menus show them.
namespace TrendItems {

inline const char *const Names[TrendPropertyCount] = {
    "mnuAtomicRadius",
    "mnuAtomicVolume",
    "mnuAtomicWeight",
    "mnuBoilingPoint",
    "mnuCovalentRadius",
    "mnuDensity",
    "mnuElectroConduct",
    "mnuElectroneg",
    "mnuFirstIonPoten",
    "mnuHeatFusion",
    "mnuHeatVapor",
    "mnuMeltingPoint",
    "mnuSpecificHeat",
    "mnuThermalConduct",
};

inline const char *const Captions[TrendPropertyCount] = {
    "Atomic &Radius",
    "Atomic &Volume",
    "Atomic &Weight",
    "&Boiling Point",
    "&Covalent Radius",
    "&Density",
    "&Electrical Conductivity",
    "Electro&negativity",
    "&First Ionization Potential",
    "&Heat of Fusion",
    "Heat of &Vaporization",
    "&Melting Point",
    "&Specific Heat",
    "&Thermal Conductivity",
};

}
