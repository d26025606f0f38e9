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
}
