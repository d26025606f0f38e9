#include "main/Relief.h"

#include "base/Errors.h"
#include "base/Numbers.h"

#include <QtGlobal>
#include <cmath>

namespace Relief {

std::array<int, 109> depths(const QStringList &texts, int maxDepth, QChar decimalSeparator)
{
    if (texts.size() < 109)
        Errors::listIndexOutOfBounds();

    std::array<double, 109> values {};
    std::array<bool, 109> present {};
    bool any = false;
    double min = 0;
    double max = 0;
    for (int i = 0; i < 109; ++i) {
        if (texts[i] == QLatin1String("--"))
            continue;
        const double v = Numbers::strToFloat(texts[i], decimalSeparator);
        values[i] = v;
        present[i] = true;
        // The range starts from the first value, so values beyond any fixed guess count.
        if (!any || v > max)
            max = v;
        if (!any || v < min)
            min = v;
        any = true;
    }

    const int top = qMax(1, maxDepth);
    const double range = max - min;
    std::array<int, 109> result {};
    for (int i = 0; i < 109; ++i) {
        if (!present[i]) {
            result[i] = -1;
        } else if (!(range > 0)) {
            // One distinct value: no scale to spread it on, so the middle level.
            result[i] = qMax(1, maxDepth / 2);
        } else {
            double scaled = (values[i] - min) * (top - 1) / range;
            if (!std::isfinite(scaled) || !std::isfinite(range)) {
                // The difference overflowed a double; the same ratio in wider arithmetic.
                const long double wide
                    = ((long double)values[i] - min) * (top - 1) / ((long double)max - min);
                scaled = double(wide);
            }
            if (!std::isfinite(scaled))
                scaled = values[i] >= max ? top - 1 : 0; // infinite values: the ends
            // nearbyint rounds an exact half to the even neighbour in the default mode.
            const int level = int(std::nearbyint(scaled)) + 1;
            result[i] = qBound(1, level, top);
        }
    }
    return result;
}

}
