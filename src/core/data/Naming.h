#pragma once

#include "data/Fields.h"

#include <QString>

// Names and symbols of elements 104..118 under the four naming schemes (0..3). Elements
// 110 to 118 carry their IUPAC names (2003 to 2016) under scheme 0; the other schemes,
// whose recommendations named nothing beyond 109, give them their systematic names.
namespace Naming {

constexpr int SchemeCount = 4;
constexpr int FirstNamedElement = 104;
constexpr int LastNamedElement = MaxElementCount;

struct Entry
{
    QString symbol;
    QString name;
};

// z in 104..118, scheme in 0..3; anything else throws "List index out of bounds".
Entry entry(int scheme, int z);

}
