#pragma once

#include "data/Fields.h"

#include <QChar>
#include <QStringList>
#include <array>

class ElementData;

// One property's values over the elements, scanned once: which elements have a value,
// the numbers and the extremes. The relief, the graph and the find window's property list
// all read a column this way.
struct PropertyColumn
{
    // Element z's text, as stored, at z − 1.
    QStringList texts;
    std::array<bool, MaxElementCount + 1> hasValue {};
    std::array<double, MaxElementCount + 1> value {};
    // First and last element with a value; 0 when none has one.
    int first = 0, last = 0;
    double min = 0, max = 0;

    bool empty() const { return first == 0; }
    double range() const { return max - min; }

    // The texts of elements 1..count (109 or 118), element 1 first; "--" is no value. Throws
    // "List index out of bounds" for fewer texts and "'%s' is not a valid floating point
    // value" at the first text that is neither "--" nor a number.
    static PropertyColumn scan(
        const QStringList &texts, QChar decimalSeparator, int count = ElementCount);
    // Field valueField of elements 1..count.
    static PropertyColumn scan(
        const ElementData &data, int valueField, QChar decimalSeparator, int count = ElementCount);
    // The number of elements scanned.
    int count() const { return int(texts.size()); }
};
