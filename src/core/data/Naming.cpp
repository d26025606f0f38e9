#include "data/Naming.h"

#include "base/Errors.h"

namespace Naming {

namespace {

struct Pair
{
    const char *symbol;
    const char *name;
};

// Rows: elements 104..118; columns: schemes 0..3.
constexpr Pair Table[LastNamedElement - FirstNamedElement + 1][SchemeCount] = {
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
    { { "Ds", "Darmstadtium" }, { "Uun", "Ununnilium" }, { "Uun", "Ununnilium" },
        { "Uun", "Ununnilium" } },
    { { "Rg", "Roentgenium" }, { "Uuu", "Unununium" }, { "Uuu", "Unununium" },
        { "Uuu", "Unununium" } },
    { { "Cn", "Copernicium" }, { "Uub", "Ununbium" }, { "Uub", "Ununbium" },
        { "Uub", "Ununbium" } },
    { { "Nh", "Nihonium" }, { "Uut", "Ununtrium" }, { "Uut", "Ununtrium" },
        { "Uut", "Ununtrium" } },
    { { "Fl", "Flerovium" }, { "Uuq", "Ununquadium" }, { "Uuq", "Ununquadium" },
        { "Uuq", "Ununquadium" } },
    { { "Mc", "Moscovium" }, { "Uup", "Ununpentium" }, { "Uup", "Ununpentium" },
        { "Uup", "Ununpentium" } },
    { { "Lv", "Livermorium" }, { "Uuh", "Ununhexium" }, { "Uuh", "Ununhexium" },
        { "Uuh", "Ununhexium" } },
    { { "Ts", "Tennessine" }, { "Uus", "Ununseptium" }, { "Uus", "Ununseptium" },
        { "Uus", "Ununseptium" } },
    { { "Og", "Oganesson" }, { "Uuo", "Ununoctium" }, { "Uuo", "Ununoctium" },
        { "Uuo", "Ununoctium" } },
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
