#pragma once

#include "data/PropertyColumn.h"

#include <QChar>
#include <QStringList>
#include <array>

// Trend relief levels for the 109 value-field texts of one trend property.
namespace Relief {

// index 0 is element 1. "--" gives −1; the smallest value 1, the largest maxDepth,
// linear in between with halves rounded to even. With fewer than two distinct values
// there is no scale: every valued element gets maxDepth div 2. Throws
// "'%s' is not a valid floating point value" for a text that is not a number.
std::array<int, ElementCount> depths(
    const QStringList &texts, int maxDepth, QChar decimalSeparator);
std::array<int, ElementCount> depths(const PropertyColumn &column, int maxDepth);
}
