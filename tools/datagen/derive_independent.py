#!/usr/bin/env python3
"""Prints the rows of independent.csv that are calculated from published equations.

The generator never runs this; its output was appended to independent.csv by hand and the
script stays so that anyone can repeat the arithmetic.  Each table below is copied from the
data files of the chemicals library by C. Bell, which hold the coefficients as printed,
converted to SI units and the natural logarithm:

- Alcock, Itkin and Horrigan, Vapour pressure equations for the metallic elements:
  298-2500 K, Can. Metall. Q. 23 (1984) 309 (chemicals: Vapor Pressure/
  Alcock_Itkin_Horrigan_metalic_elements{,_sublimation}.tsv): ln(p/Pa) = A + B/T + C ln T
  + D T, valid from Tmin to Tmax.  By Clausius-Clapeyron the enthalpy of vaporization (of
  the liquid) or sublimation (of the solid) is R (-B + C T + D T^2).  It is taken at Tmax,
  the top of the fitted range and the nearest point to the boiling point: the equations are
  not extrapolated.  For the solids the heat of fusion of this table (crc-fusion) is
  subtracted, which gives the heat of vaporization at the melting point (Hess's law).
- Perry's Chemical Engineers' Handbook, 8th ed. (2008), Table 2-314 (gases, DIPPR equation
  102: k = C1 T^C2 / (1 + C3/T + C4/T^2)) and Table 2-315 (liquids, DIPPR equation 100:
  k = C1 + C2 T + C3 T^2 + C4 T^3 + C5 T^4), thermal conductivity in W/(m K) at 300 K.
- VDI Heat Atlas, 2nd ed. (2010), PPDS equation for gases (k = A + B T + C T^2 + D T^3
  + E T^4) for krypton and xenon, which Perry's table lacks.

Usage: derive_independent.py  (prints "value,..." lines for independent.csv)
"""

import csv
import os

R = 8.314462618  # J/(mol K)
HERE = os.path.dirname(os.path.abspath(__file__))

# symbol: (B, C, D, Tmax) of the liquid equation.
ALCOCK_LIQUID = {
    "Li": (-19157.5079737105, -1.0255, 0, 1000),
    "Na": (-12972.7644139285, -1.1748, 0, 700),
    "K": (-10806.0318414211, -1.2403, 0, 600),
    "Rb": (-9843.55127254955, -1.3102, 0, 550),
    "Cs": (-9353.10064774181, -1.3359, 0, 550),
    "In": (-28938.8894487492, -1.5298, 0.000777582985904089, 1500),
    "Tl": (-21605.1559275631, -1.0086, 0, 1100),
    "Sn": (-34785.152999861, 0.8036, -0.000237857040106285, 1850),
    "Y": (-51151.9278408627, -2.1235, 0, 2300),
    "La": (-50603.9125887301, -0.1667, 0, 2450),
    "Ti": (-58091.9193111468, -2.6574, 0, 2400),
    "Zr": (-66231.5576148807, 1.3555, 0, 2500),
    "Pt": (-71198.2336604689, -3.896, 0, 2500),
    "Cu": (-40127.1504156072, -1.4742, 0, 1850),
    "Ce": (-48994.4056087273, -0.1127, 0, 2450),
    "Pr": (-43042.2231433377, -1.9565, 0, 2200),
    "Nd": (-39717.2902690543, -2.0554, 0, 2000),
    "Gd": (-47214.5073318429, -1.3598, 0, 2250),
    "Tb": (-46171.4362847166, -1.7216, 0, 2200),
    "Lu": (-54202.8530890798, -3.5093, 0, 2350),
    "Th": (-85151.8993240128, -16.313, 0.0045641841713328, 2500),
    "Pa": (-78331.6422785645, -1.0555, 0, 2500),
    "Np": (-55303.488763531, -3.2613, 0.000595218246538961, 2500),
    "Pu": (-40495.5640304863, -2.937, 0.000954421521046032, 2450),
    "Be": (-36221.9660978893, 0, 0, 1800),
    "Sc": (-40712.0070292277, 0, 0, 2000),
    "V": (-57589.9557608741, 0, 0, 2500),
    "Fe": (-45070.8006102655, 0, 0, 2100),
    "Co": (-47382.5960436315, 0, 0, 2150),
    "Ni": (-47813.1794560214, 0, 0, 2150),
    "Pd": (-41213.9705795004, 0, 0, 2100),
    "Ag": (-31837.8440808287, 0, 0, 1600),
    "Zn": (-14474.0498945606, 0, 0, 750),
    "Er": (-33111.1736372544, 0, 0, 1900),
    "U": (-66259.1886359967, -4.0962, 0, 2500),
}
# symbol: (B, C, D, Tmax) of the solid equation, for the elements without a liquid one.
ALCOCK_SOLID = {
    "Am": (-34202.5989713336, 0.1914, -0.0010819847351979, 1449.15),
    "Ca": (-21363.3844927988, 0.5348, -0.00155792907391977, 1115.15),
    "Dy": (-35038.4373600904, -0.2717, -0.000542258789400098, 1685.15),
    "Eu": (-21506.1447685644, -0.1659, -0.000828930633477857, 1095.15),
    "Hf": (-74716.5836825638, -0.5041, -0.0000762155665781029, 2506.15),
    "Ho": (-36228.8738531683, -0.0278, -0.000724393270255927, 1745.15),
    "Ir": (-80687.1868286974, -0.4773, -0.000114438479121804, 2500),
    "Mn": (-34064.4438657539, 0.4354, -0.00152154822945047, 1519.15),
    "Mo": (-79178.9935927863, -0.0374, -0.00044071478679906, 2500),
    "Nb": (-86874.2329735724, 0.1441, -0.00016256250756538, 2500),
    "Os": (-95034.5945431433, -0.6908, 0.000105688655768427, 2500),
    "Re": (-93369.8255209086, -0.4647, -0.000242462210292273, 2500),
    "Rh": (-66597.6686446668, -0.2168, -0.000247758156006159, 2236.15),
    "Ru": (-78046.1217270332, 0.7895, -0.000548245510641882, 2606.15),
    "Sm": (-24759.697504965, 0.8499, -0.00160858594596564, 1345.15),
    "Sr": (-19307.1760047551, 0.415, -0.00137464330051745, 1050.15),
    "Tm": (-28056.9993581325, -0.3098, -0.000464891930275498, 1400),
    "W": (-65425.6528323328, 35.4537, -0.00830243106980863, 2500),
}
PERRY_GAS = {  # C1, C2, C3, C4 of Table 2-314
    "H": (0.002653, 0.7452, 12, 0),
    "He": (0.00226, 0.7305, -18.63, 440),
    "N": (0.00033143, 0.7722, 16.323, 373.72),
    "O": (0.00044994, 0.7456, 56.699, 0),
    "F": (0.00012144, 0.93831, 0, 0),
    "Ne": (0.0011385, 0.6646, 8.7, 0),
    "Cl": (0.0009993, 0.5472, 458.6, 0),
    "Ar": (0.000633, 0.6221, 70, 0),
}
PERRY_LIQUID = {"Br": (-0.2185, 0.0042143, -1.7753e-05, 3.1041e-08, -2.0108e-11)}
VDI_GAS = {
    "Kr": (-0.000389, 0.000039, -0.00000002119, 0.00000000000878, -1.52e-15),
    "Xe": (-0.000006, 0.00002, -0.00000000368, 0, 0),
}


def enthalpy(b, c, d, t):
    return R * (-b + c * t + d * t * t) / 1000.0  # kJ/mol


def main():
    numbers = {}
    with open(os.path.join(HERE, "elements.csv"), newline="") as f:
        for row in csv.DictReader(f):
            numbers[row["symbol"]] = int(row["z"])
    fusion = {}
    with open(os.path.join(HERE, "independent.csv")) as f:
        for line in f:
            cell = line.strip().split(",")
            if cell[0] == "value" and cell[3] == "heat_fus":
                fusion[cell[2]] = float(cell[4])

    rows = []
    for sym, (b, c, d, tmax) in ALCOCK_LIQUID.items():
        rows.append((sym, "heat_vap", enthalpy(b, c, d, tmax), "alcock1984-liquid"))
    for sym, (b, c, d, tmax) in ALCOCK_SOLID.items():
        rows.append((sym, "heat_vap", enthalpy(b, c, d, tmax) - fusion[sym], "alcock1984-solid"))
    t = 300.0
    for sym, (c1, c2, c3, c4) in PERRY_GAS.items():
        rows.append((sym, "therm_cond", c1 * t**c2 / (1 + c3 / t + c4 / t**2), "perry2008-gas"))
    for sym, coef in PERRY_LIQUID.items():
        k = sum(ci * t**i for i, ci in enumerate(coef))
        rows.append((sym, "therm_cond", k, "perry2008-liquid"))
    for sym, coef in VDI_GAS.items():
        k = sum(ci * t**i for i, ci in enumerate(coef))
        rows.append((sym, "therm_cond", k, "vdi2010-gas"))

    for sym, prop, value, source in sorted(rows, key=lambda r: (r[1], numbers[r[0]])):
        print(f"value,{numbers[sym]},{sym},{prop},{value:.4g},{source}")


if __name__ == "__main__":
    main()
