#include "data/ElementNames.h"

#include <QCoreApplication>

namespace ElementNames {

namespace {

// Every name the program shows for an element, in English: the data file's names and the
// names of the naming schemes. The translation tools collect them from here; the names
// themselves come from the data file and the naming schemes.
// clang-format off
const char *const Names[] = {
    QT_TRANSLATE_NOOP("Element", "Hydrogen"), // 1
    QT_TRANSLATE_NOOP("Element", "Helium"), // 2
    QT_TRANSLATE_NOOP("Element", "Lithium"), // 3
    QT_TRANSLATE_NOOP("Element", "Beryllium"), // 4
    QT_TRANSLATE_NOOP("Element", "Boron"), // 5
    QT_TRANSLATE_NOOP("Element", "Carbon"), // 6
    QT_TRANSLATE_NOOP("Element", "Nitrogen"), // 7
    QT_TRANSLATE_NOOP("Element", "Oxygen"), // 8
    QT_TRANSLATE_NOOP("Element", "Fluorine"), // 9
    QT_TRANSLATE_NOOP("Element", "Neon"), // 10
    QT_TRANSLATE_NOOP("Element", "Sodium"), // 11
    QT_TRANSLATE_NOOP("Element", "Magnesium"), // 12
    QT_TRANSLATE_NOOP("Element", "Aluminum"), // 13
    QT_TRANSLATE_NOOP("Element", "Silicon"), // 14
    QT_TRANSLATE_NOOP("Element", "Phosphorus"), // 15
    QT_TRANSLATE_NOOP("Element", "Sulfur"), // 16
    QT_TRANSLATE_NOOP("Element", "Chlorine"), // 17
    QT_TRANSLATE_NOOP("Element", "Argon"), // 18
    QT_TRANSLATE_NOOP("Element", "Potassium"), // 19
    QT_TRANSLATE_NOOP("Element", "Calcium"), // 20
    QT_TRANSLATE_NOOP("Element", "Scandium"), // 21
    QT_TRANSLATE_NOOP("Element", "Titanium"), // 22
    QT_TRANSLATE_NOOP("Element", "Vanadium"), // 23
    QT_TRANSLATE_NOOP("Element", "Chromium"), // 24
    QT_TRANSLATE_NOOP("Element", "Manganese"), // 25
    QT_TRANSLATE_NOOP("Element", "Iron"), // 26
    QT_TRANSLATE_NOOP("Element", "Cobalt"), // 27
    QT_TRANSLATE_NOOP("Element", "Nickel"), // 28
    QT_TRANSLATE_NOOP("Element", "Copper"), // 29
    QT_TRANSLATE_NOOP("Element", "Zinc"), // 30
    QT_TRANSLATE_NOOP("Element", "Gallium"), // 31
    QT_TRANSLATE_NOOP("Element", "Germanium"), // 32
    QT_TRANSLATE_NOOP("Element", "Arsenic"), // 33
    QT_TRANSLATE_NOOP("Element", "Selenium"), // 34
    QT_TRANSLATE_NOOP("Element", "Bromine"), // 35
    QT_TRANSLATE_NOOP("Element", "Krypton"), // 36
    QT_TRANSLATE_NOOP("Element", "Rubidium"), // 37
    QT_TRANSLATE_NOOP("Element", "Strontium"), // 38
    QT_TRANSLATE_NOOP("Element", "Yttrium"), // 39
    QT_TRANSLATE_NOOP("Element", "Zirconium"), // 40
    QT_TRANSLATE_NOOP("Element", "Niobium"), // 41
    QT_TRANSLATE_NOOP("Element", "Molybdenum"), // 42
    QT_TRANSLATE_NOOP("Element", "Technetium"), // 43
    QT_TRANSLATE_NOOP("Element", "Ruthenium"), // 44
    QT_TRANSLATE_NOOP("Element", "Rhodium"), // 45
    QT_TRANSLATE_NOOP("Element", "Palladium"), // 46
    QT_TRANSLATE_NOOP("Element", "Silver"), // 47
    QT_TRANSLATE_NOOP("Element", "Cadmium"), // 48
    QT_TRANSLATE_NOOP("Element", "Indium"), // 49
    QT_TRANSLATE_NOOP("Element", "Tin"), // 50
    QT_TRANSLATE_NOOP("Element", "Antimony"), // 51
    QT_TRANSLATE_NOOP("Element", "Tellurium"), // 52
    QT_TRANSLATE_NOOP("Element", "Iodine"), // 53
    QT_TRANSLATE_NOOP("Element", "Xenon"), // 54
    QT_TRANSLATE_NOOP("Element", "Cesium"), // 55
    QT_TRANSLATE_NOOP("Element", "Barium"), // 56
    QT_TRANSLATE_NOOP("Element", "Lanthanum"), // 57
    QT_TRANSLATE_NOOP("Element", "Cerium"), // 58
    QT_TRANSLATE_NOOP("Element", "Praseodymium"), // 59
    QT_TRANSLATE_NOOP("Element", "Neodymium"), // 60
    QT_TRANSLATE_NOOP("Element", "Promethium"), // 61
    QT_TRANSLATE_NOOP("Element", "Samarium"), // 62
    QT_TRANSLATE_NOOP("Element", "Europium"), // 63
    QT_TRANSLATE_NOOP("Element", "Gadolinium"), // 64
    QT_TRANSLATE_NOOP("Element", "Terbium"), // 65
    QT_TRANSLATE_NOOP("Element", "Dysprosium"), // 66
    QT_TRANSLATE_NOOP("Element", "Holmium"), // 67
    QT_TRANSLATE_NOOP("Element", "Erbium"), // 68
    QT_TRANSLATE_NOOP("Element", "Thulium"), // 69
    QT_TRANSLATE_NOOP("Element", "Ytterbium"), // 70
    QT_TRANSLATE_NOOP("Element", "Lutetium"), // 71
    QT_TRANSLATE_NOOP("Element", "Hafnium"), // 72
    QT_TRANSLATE_NOOP("Element", "Tantalum"), // 73
    QT_TRANSLATE_NOOP("Element", "Tungsten"), // 74
    QT_TRANSLATE_NOOP("Element", "Rhenium"), // 75
    QT_TRANSLATE_NOOP("Element", "Osmium"), // 76
    QT_TRANSLATE_NOOP("Element", "Iridium"), // 77
    QT_TRANSLATE_NOOP("Element", "Platinum"), // 78
    QT_TRANSLATE_NOOP("Element", "Gold"), // 79
    QT_TRANSLATE_NOOP("Element", "Mercury"), // 80
    QT_TRANSLATE_NOOP("Element", "Thallium"), // 81
    QT_TRANSLATE_NOOP("Element", "Lead"), // 82
    QT_TRANSLATE_NOOP("Element", "Bismuth"), // 83
    QT_TRANSLATE_NOOP("Element", "Polonium"), // 84
    QT_TRANSLATE_NOOP("Element", "Astatine"), // 85
    QT_TRANSLATE_NOOP("Element", "Radon"), // 86
    QT_TRANSLATE_NOOP("Element", "Francium"), // 87
    QT_TRANSLATE_NOOP("Element", "Radium"), // 88
    QT_TRANSLATE_NOOP("Element", "Actinium"), // 89
    QT_TRANSLATE_NOOP("Element", "Thorium"), // 90
    QT_TRANSLATE_NOOP("Element", "Protactinium"), // 91
    QT_TRANSLATE_NOOP("Element", "Uranium"), // 92
    QT_TRANSLATE_NOOP("Element", "Neptunium"), // 93
    QT_TRANSLATE_NOOP("Element", "Plutonium"), // 94
    QT_TRANSLATE_NOOP("Element", "Americium"), // 95
    QT_TRANSLATE_NOOP("Element", "Curium"), // 96
    QT_TRANSLATE_NOOP("Element", "Berkelium"), // 97
    QT_TRANSLATE_NOOP("Element", "Californium"), // 98
    QT_TRANSLATE_NOOP("Element", "Einsteinium"), // 99
    QT_TRANSLATE_NOOP("Element", "Fermium"), // 100
    QT_TRANSLATE_NOOP("Element", "Mendelevium"), // 101
    QT_TRANSLATE_NOOP("Element", "Nobelium"), // 102
    QT_TRANSLATE_NOOP("Element", "Lawrencium"), // 103
    QT_TRANSLATE_NOOP("Element", "Rutherfordium"), // 104
    QT_TRANSLATE_NOOP("Element", "Dubnium"), // 105
    QT_TRANSLATE_NOOP("Element", "Seaborgium"), // 106
    QT_TRANSLATE_NOOP("Element", "Bohrium"), // 107
    QT_TRANSLATE_NOOP("Element", "Hassium"), // 108
    QT_TRANSLATE_NOOP("Element", "Meitnerium"), // 109
    QT_TRANSLATE_NOOP("Element", "Darmstadtium"), // 110
    QT_TRANSLATE_NOOP("Element", "Roentgenium"), // 111
    QT_TRANSLATE_NOOP("Element", "Copernicium"), // 112
    QT_TRANSLATE_NOOP("Element", "Nihonium"), // 113
    QT_TRANSLATE_NOOP("Element", "Flerovium"), // 114
    QT_TRANSLATE_NOOP("Element", "Moscovium"), // 115
    QT_TRANSLATE_NOOP("Element", "Livermorium"), // 116
    QT_TRANSLATE_NOOP("Element", "Tennessine"), // 117
    QT_TRANSLATE_NOOP("Element", "Oganesson"), // 118
    QT_TRANSLATE_NOOP("Element", "Unnilquadium"), // 104
    QT_TRANSLATE_NOOP("Element", "Unnilpentium"), // 105
    QT_TRANSLATE_NOOP("Element", "Unnilhexium"), // 106
    QT_TRANSLATE_NOOP("Element", "Unnilseptium"), // 107
    QT_TRANSLATE_NOOP("Element", "Unniloctium"), // 108
    QT_TRANSLATE_NOOP("Element", "Unnilenium"), // 109
    QT_TRANSLATE_NOOP("Element", "Ununnilium"), // 110
    QT_TRANSLATE_NOOP("Element", "Unununium"), // 111
    QT_TRANSLATE_NOOP("Element", "Ununbium"), // 112
    QT_TRANSLATE_NOOP("Element", "Ununtrium"), // 113
    QT_TRANSLATE_NOOP("Element", "Ununquadium"), // 114
    QT_TRANSLATE_NOOP("Element", "Ununpentium"), // 115
    QT_TRANSLATE_NOOP("Element", "Ununhexium"), // 116
    QT_TRANSLATE_NOOP("Element", "Ununseptium"), // 117
    QT_TRANSLATE_NOOP("Element", "Ununoctium"), // 118
    QT_TRANSLATE_NOOP("Element", "Joliotium"), // 105
    QT_TRANSLATE_NOOP("Element", "Hahnium"), // 108
    QT_TRANSLATE_NOOP("Element", "Nielsbohrium"), // 107
};
// clang-format on

}

QString translated(const QString &english)
{
    if (english.isEmpty())
        return english;
    const QByteArray source = english.toUtf8();
    return QCoreApplication::translate("Element", source.constData());
}

QStringList all()
{
    QStringList names;
    names.reserve(qsizetype(std::size(Names)));
    for (const char *name : Names)
        names << QString::fromUtf8(name);
    return names;
}

}
