"""Hand-kept tables: what no package holds, and the settled answers to source conflicts."""

# Common English names (US spelling, as the program's texts use it).
NAME_OVERRIDES = {13: "Aluminum", 55: "Cesium"}

SYNTHETIC = {43, 61} | set(range(93, 110))
# No standard atomic weight: the weight shown is the longest-lived isotope's mass number.
NO_STANDARD_WEIGHT = SYNTHETIC | {84, 85, 86, 87, 88, 89}

# Character of the element's oxide in its most common oxidation state:
# 1 acidic, 2 basic, 3 amphoteric; missing = noble gas, oxygen itself or not known.
ACID_BASE = {
    1: 3, 3: 2, 4: 3, 5: 1, 6: 1, 7: 1, 9: 1,
    11: 2, 12: 2, 13: 3, 14: 1, 15: 1, 16: 1, 17: 1,
    19: 2, 20: 2, 21: 3, 22: 3, 23: 3, 24: 3, 25: 2, 26: 2, 27: 3, 28: 2, 29: 2, 30: 3,
    31: 3, 32: 3, 33: 1, 34: 1, 35: 1,
    37: 2, 38: 2, 39: 2, 40: 3, 41: 1, 42: 1, 43: 1, 44: 1, 45: 3, 46: 2, 47: 2, 48: 2,
    49: 3, 50: 3, 51: 3, 52: 3, 53: 1,
    55: 2, 56: 2, 57: 2, 58: 2, 59: 2, 60: 2, 61: 2, 62: 2, 63: 2, 64: 2, 65: 2, 66: 2,
    67: 2, 68: 2, 69: 2, 70: 2, 71: 2, 72: 3, 73: 1, 74: 1, 75: 1, 76: 1, 77: 3, 78: 3,
    79: 3, 80: 2, 81: 2, 82: 3, 83: 2, 84: 3,
    87: 2, 88: 2, 89: 2, 90: 2, 91: 3, 92: 3, 93: 3, 94: 3, 95: 3, 96: 2, 97: 2, 98: 2,
}

# Lattice of the standard form at room temperature -> crystal structure code.
LATTICE_CODE = {"FCC": 1, "BCC": 2, "SC": 3, "HEX": 4, "RHO": 5, "TET": 6, "ORTH": 7,
                "MONO": 8}
CRYSTAL_OVERRIDES = {
    15: (3, "white phosphorus, the standard form, is cubic; the table's triclinic has no code"),
    61: (4, "double hexagonal close packed, measured"),
    99: (1, "face-centred cubic metal, measured"),
    34: (4, "grey selenium, the stable form, is hexagonal; gelemental's monoclinic is red Se"),
    52: (4, "trigonal, usually given as hexagonal (periodictable: hcp)"),
    58: (1, "gamma cerium, stable at room temperature, is face-centred cubic (periodictable)"),
    83: (5, "bismuth is rhombohedral (periodictable); gelemental's monoclinic is wrong"),
    84: (3, "alpha polonium is the one simple cubic element (periodictable)"),
}

# Estimated 1-atm transitions of the two natural elements never measured in bulk, and the
# sublimers, whose melting point at 1 atm does not exist: both points are the sublimation
# temperature, so the tile passes straight from solid to gas.
# (z, property) -> (value, remark, reason)
OVERRIDES = {
    (6, "melting"): (4098, "sublimes", "graphite sublimes at 1 atm (3825 C); melts only "
                     "above 10 MPa; the sources give 3800/3823/none"),
    (6, "boiling"): (4098, "sublimes", "the sources give 4000 (approximate), 4300, 5100 "
                     "for a point that is really the sublimation at 1 atm"),
    (33, "melting"): (887, "sublimes", "arsenic sublimes at 1 atm; 1090 K is the melting "
                      "point at 35.8 atm and lay above the boiling point in every source"),
    (33, "boiling"): (887, "sublimes", "sublimation temperature, as gelemental and "
                      "pymatgen give it"),
    (85, "melting"): (575, "estimated", "no bulk sample was ever made; 575 K (302 C) is "
                      "the usual estimate (bodr, pymatgen)"),
    (85, "boiling"): (610, "estimated", "estimate from bodr and pymatgen (337 C)"),
    (87, "melting"): (300, "estimated", "estimate (27 C) as in bodr and pymatgen"),
    (87, "boiling"): (950, "estimated", "estimate (677 C) as in bodr and pymatgen"),
    (2, "melting"): (0.95, "at 2.5 MPa", "helium does not freeze at 1 atm"),
    (16, "density"): (2.07, None, "rhombic alpha sulfur, the stable form at 298 K (CRC via "
                      "periodictable); 1.96 from pymatgen and gelemental is monoclinic beta"),
    (77, "heat_vap"): (604, None, "gelemental's 231.8 is indium's value copied; gperiodic "
                       "gives 604-610 (handbooks 560-610)"),
    (90, "melting"): (2023, None, "1750 C in current handbooks, bodr 2028; gelemental and "
                      "pymatgen carry the older 2115 K (1842 C)"),
    (104, "weight"): (267, None, "mass number of the longest-lived isotope (IUPAC table)"),
    (105, "weight"): (268, None, "mass number of the longest-lived isotope (IUPAC table)"),
    (106, "weight"): (269, None, "mass number of the longest-lived isotope (IUPAC table)"),
    (107, "weight"): (270, None, "mass number of the longest-lived isotope (IUPAC table)"),
    (108, "weight"): (269, None, "mass number of the longest-lived isotope (IUPAC table)"),
    (109, "weight"): (278, None, "mass number of the longest-lived isotope (IUPAC table)"),
    (97, "density"): (14.78, None, "alpha berkelium (pymatgen); periodictable's 14 is "
                      "marked as an estimate, gelemental's 13.25 is the beta form"),
    (88, "density"): (5.5, None, "handbook value, gelemental and gperiodic; pymatgen's 5 "
                      "is the same rounded"),
    (3, "melting"): (453.65, None, "gperiodic's 453.69-553.69 range is a typo; 453.65 K "
                     "is the measured value (bodr 453.7, gelemental 453.69)"),
}

# Elements that are gases at 298 K: density as the gas at 273.15 K and 1 atm.
DIATOMIC = {1, 7, 8, 9, 17}
GASES = {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86}
LIQUIDS = {35, 80}

# Oxidation states in a source that are wrong: z -> states to drop.
OXIDATION_REJECT = {33: {-2}, 51: {-2}, 54: {7}, 87: {2}}
# Oxidation states where no source has them (heaviest elements), and zero removed.
OXIDATION_FALLBACK = {
    99: [3], 100: [3], 101: [3, 2], 102: [3, 2], 103: [3], 104: [4], 105: [5],
    106: [6], 107: [7], 108: [8], 109: [3],
}

# Source values that are plainly wrong: (source, z, property) -> reason.
REJECT = {
    ("bodr", 97, "boiling"): "983 K lies below the melting point (1259 K)",
    ("kalzium", 97, "boiling"): "983 K lies below the melting point (1259 K)",
    ("bodr", 98, "boiling"): "a copy of the melting point",
    ("bodr", 88, "boiling"): "1413 is the boiling point in degrees Celsius",
    ("kalzium", 88, "boiling"): "1413 is the boiling point in degrees Celsius",
    ("gperiodic", 94, "melting"): "641 is the melting point in degrees Celsius",
    ("pymatgen", 109, "ionization"): "50 eV is no ionization energy of a neutral atom",
    ("gperiodic", 2, "electroneg"): "4.5 is not on the Pauling scale; helium has no value",
    ("gperiodic", 10, "electroneg"): "4.4 is not on the Pauling scale; neon has no value",
    ("gelemental", 85, "ionization"): "superseded by the 2013 measurement (9.3175 eV)",
}

# Values that are predictions rather than measurements get this remark in their display.
ESTIMATED = {(z, "melting") for z in range(100, 104)} | {
    (z, "ionization") for z in range(104, 109)} | {
    (85, "density"), (87, "density")}
REJECT.update({("gperiodic", z, "density"): "a prediction; no bulk metal was ever made"
               for z in range(100, 110)})
REJECT.update({
    ("gperiodic", 105, "covalent_radius"): "0.66 is no radius of a sixth-row metal",
    ("gperiodic", 97, "boiling"): "a prediction; never measured",
    ("gperiodic", 99, "boiling"): "1130 K lies below the melting point (1133 K)",
})
REJECT[("gelemental", 95, "spec_heat")] = (
    "62.7 J/(mol K), two and a half times Dulong-Petit with nothing to explain it, and no "
    "second source")
