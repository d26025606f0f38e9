#include "main/Relief.h"

#include "data/PropertyColumn.h"

#include <QtGlobal>
#include <cmath>

namespace Relief {

std::array<int, MaxElementCount> depths(
    const QStringList &texts, int maxDepth, QChar decimalSeparator, int count)
{
    return depths(PropertyColumn::scan(texts, decimalSeparator, count), maxDepth);
}

std::array<int, MaxElementCount> depths(const PropertyColumn &column, int maxDepth)
{
    const double min = column.min;
    const double max = column.max;

    const int top = qMax(1, maxDepth);
    const double range = max - min;
    std::array<int, MaxElementCount> result {};
    for (int i = 0; i < column.count(); ++i) {
        const double v = column.value[size_t(i + 1)];
        if (!column.hasValue[size_t(i + 1)]) {
            result[i] = -1;
        } else if (!(range > 0)) {
            // One distinct value: no scale to spread it on, so the middle level.
            result[i] = qMax(1, maxDepth / 2);
        } else {
            double scaled = (v - min) * (top - 1) / range;
            if (!std::isfinite(scaled) || !std::isfinite(range)) {
                // The difference overflowed a double; the same ratio in wider arithmetic.
                const long double wide
                    = ((long double)v - min) * (top - 1) / ((long double)max - min);
                scaled = double(wide);
            }
            if (!std::isfinite(scaled))
                scaled = v >= max ? top - 1 : 0; // infinite values: the ends
            // nearbyint rounds an exact half to the even neighbour in the default mode.
            const int level = int(std::nearbyint(scaled)) + 1;
            result[i] = qBound(1, level, top);
        }
    }
    return result;
}
}
