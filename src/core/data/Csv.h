#pragma once

#include "data/ElementData.h"
#include "data/Fields.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// Comma-separated text as RFC 4180 has it: a field holding a comma, a quote or a line
// break is quoted and its quotes doubled; records end in CR LF. Numbers are written with
// "." whatever the user's notation, and a missing value ("--") is an empty cell, never 0.
namespace Csv {

QString field(const QString &text);
// One record, its line break included.
QString row(const QStringList &fields);
// A stored number in "." notation, blanks trimmed; "" for "--". Throws "'%s' is not a
// valid floating point value" for a text that is no number.
QString number(const QString &text, QChar decimalSeparator);

// The name and symbol of element z in the naming scheme in force.
using NameOf = std::function<QString(int z)>;

// Every field of every element, one record per element after a heading that names each
// field and its unit. `data` holds the file's own text (numbers with ".").
QByteArray allElements(
    const ElementData &data, const NameOf &name, const NameOf &symbol, int count = ElementCount);
QStringList allElementsHeader();

// One trend property against atomic number, from the first to the last element that has a
// value: number, symbol, name and the value (empty where there is none). `data` is in the
// user's notation (decimalSeparator).
QByteArray trend(const ElementData &data, QChar decimalSeparator, int property, const NameOf &name,
    const NameOf &symbol, int count = ElementCount);

// The unit of a trend property as a heading shows it ("" for none).
QString trendUnit(int property);

}
