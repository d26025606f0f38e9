#include "data/Naming.h"

#include "base/Errors.h"

namespace Naming {

namespace {

struct Pair
{
    const char *symbol;
    const char *name;
};

// Rows: elements 104..109; columns: schemes 0..3.
constexpr Pair Table[6][SchemeCount] = {
    { { "Rf", "Rutherfordium" }, { "Unq", "Unnilquadium" }, { "Db", "Dubnium" },
        { "Rf", "Rutherfordium" } },
    { { "Db", "Dubnium" }, { "Unp", "Unnilpentium" }, { "Jl", "Joliotium" }, { "Ha", "Hahnium" } },
    { { "Sg", "Seaborgium" }, { "Unh", "Unnilhexium" }, { "Rf", "Rutherfordium" },
        { "Sg", "Seaborgium" } },
    { { "Bh", "Bohrium" }, { "Uns", "Unnilseptium" }, { "Bh", "Bohrium" },
        { "Ns", "Nielsbohrium" } },
    { { "Hs", "Hassium" }, { "Uno", "Unniloctium" }, { "Hn", "Hahnium" }, { "Hs", "Hassium" } },
    { { "Mt", "Meitnerium" }, { "Une", "Unnilenium" }, { "Mt", "Meitnerium" },
        { "Mt", "Meitnerium" } },
};

}

Entry entry(int scheme, int z)
{
    if (scheme < 0 || scheme >= SchemeCount || z < FirstNamedElement || z > LastNamedElement)
        Errors::listIndexOutOfBounds();
    const Pair &p = Table[z - FirstNamedElement][scheme];
    return { QString::fromLatin1(p.symbol), QString::fromLatin1(p.name) };
}

}
