"""Hand-kept tables: what no package holds, and the settled answers to source conflicts."""

# Common English names (US spelling, as the program's texts use it).
NAME_OVERRIDES = {13: "Aluminum", 55: "Cesium"}

SYNTHETIC = {43, 61} | set(range(93, 119))

# Standard atomic weights, IUPAC 2021, abridged to five significant figures (CIAAW,
# "Standard atomic weights of the elements 2021", Pure Appl. Chem. 94 (2022) 573, Table 2;
# the values of the IUPAC periodic table).  The packaged sources carry the 2001 table.
STANDARD_WEIGHTS = {
    1: 1.0080, 2: 4.0026, 3: 6.94, 4: 9.0122, 5: 10.81, 6: 12.011, 7: 14.007, 8: 15.999,
    9: 18.998, 10: 20.180, 11: 22.990, 12: 24.305, 13: 26.982, 14: 28.085, 15: 30.974,
    16: 32.06, 17: 35.45, 18: 39.95, 19: 39.098, 20: 40.078, 21: 44.956, 22: 47.867,
    23: 50.942, 24: 51.996, 25: 54.938, 26: 55.845, 27: 58.933, 28: 58.693, 29: 63.546,
    30: 65.38, 31: 69.723, 32: 72.630, 33: 74.922, 34: 78.971, 35: 79.904, 36: 83.798,
    37: 85.468, 38: 87.62, 39: 88.906, 40: 91.222, 41: 92.906, 42: 95.95, 44: 101.07,
    45: 102.91, 46: 106.42, 47: 107.87, 48: 112.41, 49: 114.82, 50: 118.71, 51: 121.76,
    52: 127.60, 53: 126.90, 54: 131.29, 55: 132.91, 56: 137.33, 57: 138.91, 58: 140.12,
    59: 140.91, 60: 144.24, 62: 150.36, 63: 151.96, 64: 157.25, 65: 158.93, 66: 162.50,
    67: 164.93, 68: 167.26, 69: 168.93, 70: 173.05, 71: 174.97, 72: 178.49, 73: 180.95,
    74: 183.84, 75: 186.21, 76: 190.23, 77: 192.22, 78: 195.08, 79: 196.97, 80: 200.59,
    81: 204.38, 82: 207.2, 83: 208.98, 90: 232.04, 91: 231.04, 92: 238.03,
}
# Elements without a standard atomic weight show, by one rule, the mass number of their
# longest-lived isotope (half-lives of NUBASE2020, Kondev et al., Chin. Phys. C 45 (2021)
# 030001; for 104..109 the isotopes the IUPAC table names).  From 110 on an isotope known
# only from an unconfirmed assignment does not count, though NUBASE2020 lists a longer
# half-life for it (see SOURCES.md).  z -> (mass number, half-life)
LONGEST_LIVED = {
    43: (97, "4.21 My (Tc-98: 4.2 My)"), 61: (145, "17.7 y"), 84: (209, "124 y"),
    85: (210, "8.1 h"), 86: (222, "3.82 d"), 87: (223, "22 min"), 88: (226, "1600 y"),
    89: (227, "21.8 y"), 93: (237, "2.14 My"), 94: (244, "80 My"), 95: (243, "7370 y"),
    96: (247, "15.6 My"), 97: (247, "1380 y"), 98: (251, "900 y"), 99: (252, "472 d"),
    100: (257, "100.5 d"), 101: (258, "51.6 d"), 102: (259, "58 min"), 103: (266, "11 h"),
    104: (267, "about 1 h"), 105: (268, "about 1 d"), 106: (269, "about 10 min"),
    107: (270, "about 1 min"), 108: (269, "about 10 s"), 109: (278, "about 5 s"),
    110: (281, "14 s (Ds-282, 4.2 min +- 3.3 min in NUBASE2020, is unconfirmed)"),
    111: (282, "130 s"),
    112: (285, "30 s (Cn-286, 30 s +- 30 s, is unconfirmed)"),
    113: (286, "12 s"),
    114: (289, "2.1 s (Fl-290, 80 s +- 60 s, is unconfirmed)"),
    115: (290, "0.84 s"), 116: (293, "70 ms"), 117: (294, "70 ms"),
    118: (294, "0.7 ms (Og-295, 0.68 s +- 0.54 s, is unconfirmed)"),
}
NO_STANDARD_WEIGHT = set(LONGEST_LIVED)
assert NO_STANDARD_WEIGHT.isdisjoint(STANDARD_WEIGHTS)
assert NO_STANDARD_WEIGHT | set(STANDARD_WEIGHTS) == set(range(1, 119))

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
    2: (4, "solid helium (above 2.5 MPa, where it melts at 0.95 K) is hexagonal close "
        "packed; fcc exists only at high temperature and pressure"),
    86: (1, "solid radon is face-centred cubic like Ne, Ar, Kr and Xe"),
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

# Well-established states no source lists: z -> (states, reason).
OXIDATION_ADD = {
    75: ({7, 6}, "perrhenate and Re2O7 (+7), ReO3 (+6)"),
    54: ({8}, "XeO4 and the perxenates"),
    8: ({2}, "OF2"),
}
# The highest well-established oxidation state of each element that has any (Greenwood &
# Earnshaw level; rare states known from one unstable compound do not count).  The
# generator refuses a file whose highest state differs.
HIGHEST_OXIDATION = {
    1: 1, 3: 1, 4: 2, 5: 3, 6: 4, 7: 5, 8: 2, 9: -1, 11: 1, 12: 2, 13: 3, 14: 4, 15: 5,
    16: 6, 17: 7, 19: 1, 20: 2, 21: 3, 22: 4, 23: 5, 24: 6, 25: 7, 26: 6, 27: 3, 28: 3,
    29: 2, 30: 2, 31: 3, 32: 4, 33: 5, 34: 6, 35: 7, 36: 2, 37: 1, 38: 2, 39: 3, 40: 4,
    41: 5, 42: 6, 43: 7, 44: 8, 45: 5, 46: 4, 47: 2, 48: 2, 49: 3, 50: 4, 51: 5, 52: 6,
    53: 7, 54: 8, 55: 1, 56: 2, 57: 3, 58: 4, 59: 4, 60: 3, 61: 3, 62: 3, 63: 3, 64: 3,
    65: 4, 66: 3, 67: 3, 68: 3, 69: 3, 70: 3, 71: 3, 72: 4, 73: 5, 74: 6, 75: 7, 76: 8,
    77: 6, 78: 4, 79: 3, 80: 2, 81: 3, 82: 4, 83: 5, 84: 6, 85: 7, 87: 1, 88: 2, 89: 3,
    90: 4, 91: 5, 92: 6, 93: 6, 94: 6, 95: 6, 96: 4, 97: 4, 98: 4, 99: 3, 100: 3, 101: 3,
    102: 3, 103: 3, 104: 4, 105: 5, 106: 6, 107: 7, 108: 8, 109: 3,
}

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
    ("bodr", 88, "boiling"): "1413 K (1140 C) is an older figure; 2010 K (1737 C) is the accepted one",
    ("kalzium", 88, "boiling"): "1413 K (1140 C) is an older figure; 2010 K (1737 C) is the accepted one",
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

# Boiling points of natural elements that are estimates, not measurements (gelemental marks
# At, Fr and Pa as estimated; actinium's 3471 K (3200 +- 300 C) is extrapolated from
# vapour pressures far below it).  They carry "(estimated)"; the generator refuses one
# without it.
BOILING_ESTIMATED = {85, 87, 89, 91}
ESTIMATED |= {(z, "boiling") for z in BOILING_ESTIMATED}

# Values the packaged tables lack or give for another material, filled from handbook values
# (CRC Handbook of Chemistry and Physics; NIST-JANAF for carbon).
OVERRIDES.update({
    (6, "heat_vap"): (716.7, "sublimation", "graphite does not boil at 1 atm; its heat of "
                      "sublimation to C atoms at 298 K (CRC, NIST-JANAF) stands in"),
    (14, "elec_cond"): (4.3e-12, "intrinsic", "pure silicon at 300 K, 2.3e5 ohm cm (CRC); "
                        "pymatgen's 'about 1e-3 ohm m' is doped silicon"),
    (32, "elec_cond"): (2.2e-8, "intrinsic", "pure germanium at 300 K, 46 ohm cm (CRC); "
                        "pymatgen's 'about 5e-4 ohm m' is doped germanium"),
    (95, "elec_cond"): (0.0145, None, "americium 0.69 micro-ohm m at room temperature "
                        "(handbook); no packaged source gives one"),
    (96, "elec_cond"): (0.008, None, "curium 1.25 micro-ohm m at room temperature "
                        "(handbook); no packaged source gives one"),
})
# Remarks for values whose material needs naming.
REMARKS = {(6, "elec_cond"): "graphite, direction dependent"}
REJECT[("pymatgen", 15, "elec_cond")] = (
    "'about 10e-8 ohm m' would make white phosphorus conduct like a metal; it is an "
    "insulator")

# Noble gas solids as measured: helium hexagonal close packed, the others fcc.
NOBLE_GAS_CRYSTAL = {2: 4, 10: 1, 18: 1, 36: 1, 54: 1, 86: 1}

# Density of the liquid at the boiling point, for the gases' atomic volume, where
# periodictable has none or a solid's value (handbook values).
LIQUID_DENSITY = {
    36: (2.413, "periodictable's 2.16 is too low: solid Kr is 2.97, the liquid about 2.41"),
    54: (2.942, "periodictable's 3.52 is near the solid's density (3.6), not the liquid's"),
    86: (4.4, "periodictable has none"),
}

# A second look at values a chemistry teacher questioned.  Every packaged table carried
# the same figure for each of these, so the vote could not catch them; the handbook table
# (reference.csv) and the rules in generate.py now do.
OVERRIDES.update({
    (95, "boiling"): (2284, None, "CRC 97th ed.: 2011 C = 2284 K; the 2880 K of every "
                      "package is an old estimate, and the heat of vaporization 238.5 fits "
                      "2284 K (Trouton ratio 12.6, as its neighbours) better than 2880 K (10.0)"),
    (19, "heat_fus"): (2.33, None, "CRC 97th ed. 2.33, NIST-JANAF 2.321; gelemental's 2.231 "
                       "is 2.321 with two digits swapped"),
    (30, "heat_vap"): (115.3, None, "CRC 97th ed. and the critical evaluations give 115.3; "
                       "gelemental's 123.6 is an old figure"),
    (30, "heat_fus"): (7.068, None, "CRC 97th ed. and NIST-JANAF give 7.068; gelemental's "
                       "7.32 is an old figure"),
    (77, "heat_vap"): (564, None, "CRC 97th ed. 564 (the better supported value; older "
                       "tables 604-610); gelemental's 231.8 is indium's value copied"),
    (2, "volume"): (32.0, "liquid", "4.0026 / 0.12496, the liquid at its boiling point "
                    "4.22 K (CRC 97th ed.); the 32.8 before came from a lower liquid density"),
    (86, "density"): (0.009905, "gas, 273 K", "ideal gas M / 22.414 L = 9.905 g/L; the "
                      "9.73 g/L of the tables lies below the ideal-gas value, which no "
                      "real heavy gas at 273 K does"),
})
# Radon's and neptunium's highest states: RnF2 (Greenwood & Earnshaw) and Np(VII) in
# alkaline solution and in Li5NpO6.
OXIDATION_ADD.update({
    86: ({2}, "RnF2, the one well-characterised radon compound"),
    93: ({7}, "Np(VII): NpO4(OH)2 3- in alkaline solution, Li5NpO6"),
})
HIGHEST_OXIDATION.update({86: 2, 93: 7})
# Californium's boiling point was never measured: 1743 K is extrapolated.
ESTIMATED |= {(98, "boiling")}
# Tellurium's conductivity spans orders of magnitude with purity and direction.
REMARKS[(52, "elec_cond")] = "sample dependent"

# Density of the liquid at the normal boiling point of each gas (g/cm3, CRC Handbook of
# Chemistry and Physics, 97th ed.): the gases' atomic volume is M / this density.
LIQUID_AT_BOILING = {
    1: 0.07085, 2: 0.12496, 7: 0.807, 8: 1.141, 9: 1.505, 10: 1.207, 17: 1.5625,
    18: 1.3954, 36: 2.413, 54: 2.942, 86: 4.4,
}
LIQUID_DENSITY[2] = (0.12496, "liquid helium at 4.22 K; periodictable's value gives 32.8")

# Where a hand-set value (OVERRIDES) comes from; any other override is from crc97.
OVERRIDE_SOURCES = {
    (6, "heat_vap"): "janaf", (16, "density"): "periodictable", (85, "melting"): "bodr",
    (85, "boiling"): "bodr", (87, "melting"): "bodr", (87, "boiling"): "bodr",
    (97, "density"): "pymatgen", (86, "density"): "ideal-gas", (2, "volume"): "liquid-volume",
}

# The sources a provenance line may name: id -> (citation, what it was used for).
CITATIONS = {
    "iupac2021": ("CIAAW, Standard atomic weights of the elements 2021, Pure Appl. Chem. 94 "
                  "(2022) 573", "atomic weights of the elements that have a standard one"),
    "nubase2020": ("F. G. Kondev et al., The NUBASE2020 evaluation of nuclear physics "
                   "properties, Chin. Phys. C 45 (2021) 030001",
                   "mass number of the longest-lived isotope of the other elements"),
    "crc97": ("CRC Handbook of Chemistry and Physics, 97th ed. (2016)",
              "values set by hand where the packaged tables lack or disagree with the "
              "handbook, and the densities of liquid gases at their boiling points"),
    "janaf": ("NIST-JANAF Thermochemical Tables, 4th ed. (1998)",
              "carbon's heat of sublimation"),
    "greenwood": ("N. N. Greenwood, A. Earnshaw, Chemistry of the Elements, 2nd ed. (1997)",
                  "oxidation states no packaged table lists"),
    "bodr": ("Blue Obelisk Data Repository, release 10 (Debian 12, 2023)",
             "electronegativities, some melting and boiling points, estimates for At and Fr"),
    "kalzium": ("kalzium-data 22.12.3 element table (Debian 12, 2023)",
                "oxidation states, configurations of elements 105 to 109"),
    "periodictable": ("periodictable 1.6.0, P. A. Kienzle: CRC densities and the covalent "
                      "radii of B. Cordero et al., Dalton Trans. (2008) 2832 (Debian 12, 2023)",
                      "densities of solids and liquids, covalent radii"),
    "pymatgen": ("pymatgen 2022.11.7 element data, S. P. Ong et al., Comput. Mater. Sci. "
                 "68 (2013) 314 (Debian 12, 2023)",
                 "electrical conductivities, first ionization energies, some molar volumes, "
                 "oxidation states"),
    "gelemental": ("gElemental 2.0.2 element table (Debian 12, 2023)",
                   "melting and boiling points, heats, specific heats, thermal "
                   "conductivities, gas densities, atomic volumes and radii, lattices, "
                   "configurations, oxidation states"),
    "gperiodic": ("gperiodic 3.0.3 element table (Debian 12, 2023)",
                  "heats and specific heats where gElemental has none"),
    "ideal-gas": ("calculated: ideal gas at 273.15 K and 101.325 kPa, 22.414 L/mol",
                  "gas densities no table gives correctly"),
    "molar-volume": ("calculated: atomic weight / density as shown",
                     "atomic volumes whose table value did not fit the density"),
    "liquid-volume": ("calculated: atomic weight / density of the liquid at the boiling "
                      "point, CRC Handbook of Chemistry and Physics, 97th ed. (2016)",
                      "atomic volumes of the gases"),
    "editors": ("Auralis data editors, from the standard inorganic texts (2026)",
                "acid/base character of the oxides, the synthetic flag, crystal "
                "structures and oxidation states set by hand"),
}
# Marks a provenance line may carry: an estimate, a calculated value, a prediction for an
# atom never observed in that state, one value of a range that depends on the sample, or a
# value for another phase than the state at 298 K.
MARKS = {"estimated", "calculated", "predicted", "range", "liquid", "solid", "gas"}

# Heats of fusion that the independent handbook table (independent.csv) showed wrong by far
# more than the literature disagrees: CRC Handbook of Chemistry and Physics, 95th ed. (2014).
OVERRIDES.update({
    (40, "heat_fus"): (21.0, None, "CRC 21.0; gelemental's 14 is an old figure (Richards "
                       "ratio 0.8, far below the other refractory metals)"),
    (67, "heat_fus"): (11.76, None, "CRC 11.76; gelemental's 17 is out of line with Dy and Er"),
    (71, "heat_fus"): (18.65, None, "CRC 18.65; gelemental's 22 is an old figure"),
    (75, "heat_fus"): (34.08, None, "CRC 34.08; gelemental's 60.43 gives an entropy of "
                       "fusion twice that of any other metal"),
    (84, "heat_fus"): (10.0, None, "CRC 10 (an estimate there too); gelemental's 13"),
    (88, "heat_fus"): (7.7, None, "CRC 7.7; gelemental's 8.5"),
    (89, "heat_fus"): (12.0, None, "CRC 12; gelemental's 14"),
})
OVERRIDE_SOURCES.update({(z, "heat_fus"): "crc95" for z in (40, 67, 71, 75, 84, 88, 89)})
CITATIONS["crc95"] = ("CRC Handbook of Chemistry and Physics, 95th ed. (2014)",
                      "heats of fusion mended after the independent cross-check")

# Metal, non-metal or semimetal, as the program draws the table (src/core/data/
# Classification.cpp holds the same two lists; every other element is a metal).  The
# Wiedemann-Franz rule applies to the metals.
NONMETALS = {1, 2, 6, 7, 8, 9, 10, 15, 16, 17, 18, 35, 36, 53, 54, 85, 86, 118}
SEMIMETALS = {5, 14, 32, 33, 34, 51, 52, 117}

# Elements 110..118.  Nothing of them has been measured but their nuclear decay, so the
# packaged tables' numbers for them (gperiodic's density 34.8 for Ds, pymatgen's ionization
# energy 65 eV for Ds and weight 2949 for Og, among others) are not read.  Beside the
# weight (NUBASE2020) a value appears only where a peer-reviewed calculation gives it.
PREDICTIONS_ONLY = set(range(110, 119))
# Names and symbols as IUPAC recommended them (Pure Appl. Chem. 75 (2003) 1613; 76 (2004)
# 2101; 82 (2010) 753; 84 (2012) 1669; 88 (2016) 1225); the generator refuses others.
IUPAC_NAMES = {
    110: ("Darmstadtium", "Ds"), 111: ("Roentgenium", "Rg"), 112: ("Copernicium", "Cn"),
    113: ("Nihonium", "Nh"), 114: ("Flerovium", "Fl"), 115: ("Moscovium", "Mc"),
    116: ("Livermorium", "Lv"), 117: ("Tennessine", "Ts"), 118: ("Oganesson", "Og"),
}
# Calculated ground-state configurations (relativistic atomic calculations; Fricke, Greiner
# and Waber 1971, as tabulated by Hoffman, Lee and Pershina 2006).  Ds and Rg keep 7s2,
# unlike platinum's and gold's 6s1: relativity binds the 7s shell more tightly.
PREDICTED_CONFIG = {
    110: "[Rn] 5f14 6d8 7s2", 111: "[Rn] 5f14 6d9 7s2", 112: "[Rn] 5f14 6d10 7s2",
    113: "[Rn] 5f14 6d10 7s2 7p1", 114: "[Rn] 5f14 6d10 7s2 7p2",
    115: "[Rn] 5f14 6d10 7s2 7p3", 116: "[Rn] 5f14 6d10 7s2 7p4",
    117: "[Rn] 5f14 6d10 7s2 7p5", 118: "[Rn] 5f14 6d10 7s2 7p6",
}
PREDICTED_CONFIG_SOURCES = "fricke1971,hoffman2006"
# Cells whose value is a calculation for an atom or a solid never observed: provenance mark
# "predicted".
PREDICTED = {(z, "config") for z in PREDICTED_CONFIG}
# Melting and boiling points from first-principles free-energy simulations of the bulk
# element, the only properties of 110..118 with such a peer-reviewed figure.
OVERRIDES.update({
    (112, "melting"): (283, "estimated", "283 +- 11 K, first-principles free-energy "
                       "calculation (Mewes et al. 2019); a liquid at 298 K"),
    (112, "boiling"): (340, "estimated", "340 +- 10 K (Mewes et al. 2019)"),
    (118, "melting"): (325, "estimated", "325 +- 15 K, Monte Carlo and thermodynamic "
                       "integration (Smits et al. 2020); a solid at 298 K"),
    (118, "boiling"): (450, "estimated", "450 +- 10 K (Smits et al. 2020)"),
})
OVERRIDE_SOURCES.update({(112, "melting"): "mewes2019", (112, "boiling"): "mewes2019",
                         (118, "melting"): "smits2020", (118, "boiling"): "smits2020"})
ESTIMATED |= {(112, "melting"), (112, "boiling"), (118, "melting"), (118, "boiling")}
CITATIONS.update({
    "fricke1971": ("B. Fricke, W. Greiner, J. T. Waber, The continuation of the periodic "
                   "table up to Z = 172. The chemistry of superheavy elements, Theor. Chim. "
                   "Acta 21 (1971) 235",
                   "predicted electron configurations of elements 110 to 118"),
    "hoffman2006": ("D. C. Hoffman, D. M. Lee, V. Pershina, Transactinides and the future "
                    "elements, in L. R. Morss, N. M. Edelstein, J. Fuger (eds.), The "
                    "Chemistry of the Actinide and Transactinide Elements, 3rd ed., vol. 3, "
                    "Springer, Dordrecht (2006) 1652",
                    "predicted electron configurations of elements 110 to 118"),
    "mewes2019": ("J.-M. Mewes, O. R. Smits, G. Kresse, P. Schwerdtfeger, Copernicium: a "
                  "relativistic noble liquid, Angew. Chem. Int. Ed. 58 (2019) 17964",
                  "estimated melting and boiling points of copernicium"),
    "smits2020": ("O. R. Smits, J.-M. Mewes, P. Jerabek, P. Schwerdtfeger, Oganesson: a "
                  "noble gas element that is neither noble nor a gas, Angew. Chem. Int. Ed. "
                  "59 (2020) 23636",
                  "estimated melting and boiling points of oganesson"),
})
