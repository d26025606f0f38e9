#include "data/PropertyColumn.h"

#include "base/Errors.h"
#include "data/ElementData.h"

#include <algorithm>

PropertyColumn PropertyColumn::scan(const QStringList &texts, QChar decimalSeparator, int count)
{
    count = std::clamp(count, 0, MaxElementCount);
    if (texts.size() < count)
        Errors::listIndexOutOfBounds();
    PropertyColumn c;
    c.texts = texts.mid(0, count);
    for (int z = 1; z <= count; ++z) {
        const QString &text = c.texts.at(z - 1);
        if (!ElementText::hasValue(text))
            continue;
        const double v = ElementText::number(text, decimalSeparator);
        // The first value starts both ends of the scale, so no value is compared with a
        // made-up bound.
        if (c.first == 0) {
            c.first = z;
            c.min = c.max = v;
        }
        if (v > c.max)
            c.max = v;
        if (v < c.min)
            c.min = v;
        c.last = z;
        c.hasValue[size_t(z)] = true;
        c.value[size_t(z)] = v;
    }
    return c;
}

PropertyColumn PropertyColumn::scan(
    const ElementData &data, int valueField, QChar decimalSeparator, int count)
{
    QStringList texts;
    texts.reserve(count);
    for (int z = 1; z <= count; ++z)
        texts.append(data.field(z, valueField));
    return scan(texts, decimalSeparator, count);
}
