#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class SharedState;

// The rules of the find window, kept apart from its widgets: the entries of its three
// lists, the search while typing, the element an entry stands for and the range filter of
// the property list.
namespace FindRules {

// Longest text the search and the entry keys look at.
constexpr int MaxKeyLength = 50;

// "Name - Symbol" (symbolFirst false) or "Symbol - Name" for every element under the names
// in force, sorted without regard to case.
QStringList nameEntries(const SharedState &state, bool symbolFirst);
// Without regard to case; entries equal but for case in a fixed order.
bool entryLess(const QString &a, const QString &b);

// The first entry whose first characters equal text, the letters A to Z compared without
// case and every other character exactly; -1 when none does (also for a text longer than
// MaxKeyLength, which no entry's first characters can equal).
int search(const QStringList &entries, const QString &text);
// The selected row after the text changed: current when the text is the selected entry
// itself or matches no entry, else the first match.
int searchFrom(const QStringList &entries, const QString &text, int current);
// The first entry that begins with key and one blank, compared exactly; -1 when none.
int entryOf(const QStringList &entries, const QString &key);
// The entry's text before its first blank, at most MaxKeyLength characters.
QString entryKey(const QString &entry);
// The first element whose name (or symbol) in force equals key exactly; 0 when none.
int elementNamed(const SharedState &state, const QString &key, bool bySymbol);

// The elements that have a value for one trend property, in ascending order of value,
// equal values in ascending element order; elements with "--" are left out.
struct PropertyList
{
    QList<int> elements;
    QStringList values; // value field texts, as stored
    QStringList entries; // "Symbol - display text"
};
// Throws "'%s' is not a valid floating point value" for a value text that is not a number.
PropertyList propertyList(const SharedState &state, int property);
// "Symbol - display text" of element z for the property.
QString propertyEntry(const SharedState &state, int z, int property);

// Indices of the values with lower <= value <= upper, both limits converted with the
// decimal separator. std::nullopt when a limit that had to be converted is not a number:
// the lower one as soon as there is a value, the upper one only for a value not below the
// lower limit. Throws for a value text that is not a number.
std::optional<QList<int>> withinLimits(
    const QStringList &values, const QString &lower, const QString &upper, QChar separator);

}
