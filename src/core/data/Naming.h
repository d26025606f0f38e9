#pragma once

#include "data/Fields.h"

#include <QString>

// Names and symbols of elements 104..109 under the four naming schemes (0..3).
namespace Naming {

constexpr int SchemeCount = 4;
constexpr int FirstNamedElement = 104;
constexpr int LastNamedElement = ElementCount;

struct Entry
{
    QString symbol;
    QString name;
};

// z in 104..109, scheme in 0..3; anything else throws "List index out of bounds".
Entry entry(int scheme, int z);

}
