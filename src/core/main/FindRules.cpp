#include "main/FindRules.h"

#include "base/Language.h"
#include "base/Numbers.h"
#include "data/ElementData.h"
#include "data/PropertyColumn.h"
#include "main/SharedState.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {

const QString Separator = QStringLiteral(" - ");

QChar foldAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? QChar(char16_t(u - (u'a' - u'A'))) : c;
}

bool beginsWith(const QString &entry, const QString &text)
{
    if (text.size() > FindRules::MaxKeyLength || entry.size() < text.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (foldAsciiLetter(entry.at(i)) != foldAsciiLetter(text.at(i)))
            return false;
    return true;
}

}

namespace FindRules {

bool entryLess(const QString &a, const QString &b)
{
    // English as the list control sorts; another language in its own alphabet, so that
    // "Étain" stands among the E in French and "Żelazo" after "Z" in Polish.
    static const QString english = QStringLiteral("en");
    if (Language::current() != english) {
        static thread_local QString collated;
        static thread_local QCollator collator;
        if (collated != Language::current()) {
            collated = Language::current();
            collator = QCollator(QLocale(collated));
            collator.setCaseSensitivity(Qt::CaseInsensitive);
        }
        if (const int c = collator.compare(a, b); c != 0)
            return c < 0;
    }
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

QStringList nameEntries(const SharedState &state, bool symbolFirst)
{
    QStringList entries;
    entries.reserve(state.elementCount());
    for (int z = 1; z <= state.elementCount(); ++z) {
        const QString name = state.name(z), symbol = state.symbol(z);
        entries << (symbolFirst ? symbol + Separator + name : name + Separator + symbol);
    }
    std::sort(entries.begin(), entries.end(), entryLess);
    return entries;
}

int search(const QStringList &entries, const QString &text)
{
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (beginsWith(entries.at(i), text))
            return int(i);
    return -1;
}

int searchFrom(const QStringList &entries, const QString &text, int current)
{
    if (current >= 0 && current < entries.size() && entries.at(current) == text)
        return current;
    const int found = search(entries, text);
    return found >= 0 ? found : current;
}

int entryOf(const QStringList &entries, const QString &key)
{
    const QString wanted = key + QLatin1Char(' ');
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (entries.at(i).startsWith(wanted))
            return int(i);
    return -1;
}

QString entryKey(const QString &entry)
{
    const qsizetype blank = entry.indexOf(QLatin1Char(' '));
    return entry.left(blank < 0 ? entry.size() : blank).left(MaxKeyLength);
}

int elementNamed(const SharedState &state, const QString &key, bool bySymbol)
{
    for (int z = 1; z <= state.elementCount(); ++z)
        if ((bySymbol ? state.symbol(z) : state.name(z)) == key)
            return z;
    return 0;
}

QString propertyEntry(const SharedState &state, int z, int property)
{
    return state.symbol(z) + Separator
        + state.data().field(z, Fields::trend(property).displayField);
}

PropertyList propertyList(const SharedState &state, int property)
{
    const PropertyColumn column = PropertyColumn::scan(state.data(),
        Fields::trend(property).valueField, state.decimalSeparator(), state.elementCount());
    QList<int> elements;
    for (int z = 1; z <= column.count(); ++z)
        if (column.hasValue[size_t(z)])
            elements << z;
    // A stable sort by value keeps equal values in element order.
    std::stable_sort(elements.begin(), elements.end(),
        [&](int a, int b) { return column.value[size_t(a)] < column.value[size_t(b)]; });

    PropertyList list;
    for (int z : elements) {
        list.elements << z;
        list.values << column.texts.at(z - 1);
        list.entries << propertyEntry(state, z, property);
    }
    return list;
}

std::optional<QList<int>> withinLimits(
    const QStringList &values, const QString &lower, const QString &upper, QChar separator)
{
    std::optional<double> lo, hi;
    QList<int> kept;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const double x = ElementText::number(values.at(i), separator);
        if (!lo) {
            double v = 0;
            if (!Numbers::tryStrToFloat(lower, separator, &v))
                return std::nullopt;
            lo = v;
        }
        if (x < *lo)
            continue;
        if (!hi) {
            double v = 0;
            if (!Numbers::tryStrToFloat(upper, separator, &v))
                return std::nullopt;
            hi = v;
        }
        if (x > *hi)
            continue;
        kept << int(i);
    }
    return kept;
}

}
