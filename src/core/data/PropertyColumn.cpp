#include "data/PropertyColumn.h"

#include "base/Errors.h"
#include "data/ElementData.h"

PropertyColumn PropertyColumn::scan(const QStringList &texts, QChar decimalSeparator)
{
    if (texts.size() < ElementCount)
        Errors::listIndexOutOfBounds();
    PropertyColumn c;
    c.texts = texts.mid(0, ElementCount);
    for (int z = 1; z <= ElementCount; ++z) {
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

PropertyColumn PropertyColumn::scan(const ElementData &data, int valueField, QChar decimalSeparator)
{
    QStringList texts;
    texts.reserve(ElementCount);
    for (int z = 1; z <= ElementCount; ++z)
        texts.append(data.field(z, valueField));
    return scan(texts, decimalSeparator);
}
