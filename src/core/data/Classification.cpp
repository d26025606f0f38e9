#include "data/Classification.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int NonMetals[] = { 1, 2, 6, 7, 8, 9, 10, 15, 16, 17, 18, 35, 36, 53, 54, 85, 86 };
constexpr int SemiMetals[] = { 5, 14, 32, 33, 34, 51, 52 };
}

ElementClass elementClass(int z)
{
    if (std::find(std::begin(NonMetals), std::end(NonMetals), z) != std::end(NonMetals))
        return ElementClass::Nonmetal;
    if (std::find(std::begin(SemiMetals), std::end(SemiMetals), z) != std::end(SemiMetals))
        return ElementClass::Semimetal;
    return ElementClass::Metal;
}
