#include "main/GraphGeometry.h"

#include "base/Numbers.h"

namespace GraphGeometry {

int Frame::pointX(int z, int first, int last) const
{
    const int n = last - first + 1;
    if (n <= 0)
        return left();
    const int k = z - first + 1;
    return Numbers::roundHalfEven(double(width - left() - right()) / n * k) + left();
}

int Frame::pointY(double v, double min, double max) const
{
    const double range = max - min;
    if (!(range > 0))
        return Numbers::roundHalfEven(height - plotHeight() * 0.5 - band());
    return Numbers::roundHalfEven(height - (v - min) * plotHeight() / range - band());
}

bool Frame::inBand(int x) const
{
    return x > left() - 7 && x < width - right() + 5;
}

int Frame::elementAt(int x, int first, int last) const
{
    const int n = last - first + 1;
    const int p = width - right() - left();
    if (first <= 0 || n <= 0 || p <= 0)
        return 0;
    return ((p / n) / 2 + x - left()) * n / p + first - 1;
}

Series scan(const ElementData &data, int valueField, QChar decimalSeparator)
{
    Series s;
    s.values.reserve(ElementCount);
    for (int z = 1; z <= ElementCount; ++z) {
        const QString text = data.field(z, valueField);
        s.values.append(text);
        if (!ElementText::hasValue(text))
            continue;
        const double v = ElementText::number(text, decimalSeparator);
        // The first value starts both ends of the scale, so no value is compared with a
        // made-up bound.
        if (s.first == 0) {
            s.first = z;
            s.min = s.max = v;
        }
        if (v > s.max)
            s.max = v;
        if (v < s.min)
            s.min = v;
        s.hasValue[size_t(z)] = true;
        s.value[size_t(z)] = v;
    }
    while (!s.values.isEmpty() && !ElementText::hasValue(s.values.last()))
        s.values.removeLast();
    s.last = int(s.values.size());
    return s;
}

}
