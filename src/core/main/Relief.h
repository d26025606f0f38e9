#pragma once

#include "data/PropertyColumn.h"

#include <QChar>
#include <QStringList>
#include <array>

// Trend relief levels for the value-field texts of one trend property (109, or 118 with
// the seventh period complete).
namespace Relief {

// index 0 is element 1. "--" gives −1; the smallest value 1, the largest maxDepth,
// linear in between with halves rounded to even. With fewer than two distinct values
// there is no scale: every valued element gets maxDepth div 2. Throws
// "'%s' is not a valid floating point value" for a text that is not a number.
std::array<int, MaxElementCount> depths(
    const QStringList &texts, int maxDepth, QChar decimalSeparator, int count = ElementCount);
// Levels of the column's elements; 0 beyond them.
std::array<int, MaxElementCount> depths(const PropertyColumn &column, int maxDepth);
}
