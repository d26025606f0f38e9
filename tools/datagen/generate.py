#!/usr/bin/env python3
"""Writes data/auralis.bkp, the element data file of 118 records x 35 lines.

    generate.py            settle the values from the installed packages (see
                           SOURCES.md), rewrite elements.csv and crosscheck.txt, then the
                           data file
    generate.py --csv      write the data file from the committed elements.csv alone

The data file is Windows-1252 text with CR LF line ends.  Records 110..118 come after the
other 109, so a reader that takes only the first 109 records reads the same bytes as before
they were added.
"""

import csv
import hashlib
import math
import os
import re
import sys

import curated

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
CSV_PATH = os.path.join(HERE, "elements.csv")
REPORT_PATH = os.path.join(HERE, "crosscheck.txt")
SOURCES_CSV_PATH = os.path.join(HERE, "provenance.csv")
REFERENCE_PATH = os.path.join(HERE, "reference.csv")
OUT_PATH = os.path.join(ROOT, "data", "auralis.bkp")
PROVENANCE_PATH = os.path.join(ROOT, "data", "auralis.prov")
COUNT = 118

# Trend properties: key, value field, display field, sources in order of preference
# (each a (source, record key) pair), relative tolerance, significant digits.
PROPS = [
    ("weight", 21, 2, [("periodictable", "atomic_mass"), ("bodr", "mass"),
                       ("gelemental", "atomic_mass"), ("pymatgen", "atomic_mass")], 0.002, 9),
    ("boiling", 22, 3, [("gelemental", "boiling_point"), ("pymatgen", "boiling_point"),
                        ("bodr", "boilingpoint"), ("kalzium", "boilingpoint"),
                        ("gperiodic", "boiling_point")], 0.03, 6),
    ("melting", 23, 4, [("gelemental", "melting_point"), ("pymatgen", "melting_point"),
                        ("bodr", "meltingpoint"), ("kalzium", "meltingpoint"),
                        ("gperiodic", "melting_point")], 0.03, 6),
    ("density", 24, 5, [("periodictable", "density"), ("pymatgen", "density_solid"),
                        ("gelemental", "density_solid"), ("gperiodic", "density")], 0.05, 4),
    ("electroneg", 25, 10, [("bodr", "electronegativityPauling"),
                            ("pymatgen", "electronegativity"),
                            ("gelemental", "electronegativity"),
                            ("gperiodic", "electronegativity")], 0.05, 3),
    ("heat_vap", 26, 11, [("gelemental", "vaporization_heat"),
                          ("gperiodic", "vaporization_heat")], 0.10, 4),
    ("heat_fus", 27, 12, [("gelemental", "fusion_heat"), ("gperiodic", "fusion_heat")],
     0.10, 4),
    ("elec_cond", 28, 13, [("pymatgen", "conductivity")], 0.5, 3),
    ("therm_cond", 29, 14, [("gelemental", "thermal_conductivity"),
                            ("pymatgen", "thermal_conductivity"),
                            ("gperiodic", "thermal_conductivity")], 0.15, 4),
    ("spec_heat", 30, 15, [("gelemental", "specific_heat"), ("gperiodic", "specific_heat")],
     0.10, 4),
    ("ionization", 31, 16, [("pymatgen", "first_energy"), ("bodr", "ionization"),
                            ("gelemental", "first_energy"), ("gperiodic", "first_energy")],
     0.01, 6),
    ("volume", 32, 17, [("gelemental", "atomic_volume"), ("pymatgen", "atomic_volume"),
                        ("computed", "volume"), ("gperiodic", "atomic_volume")], 0.10, 4),
    ("atomic_radius", 33, 18, [("gelemental", "atomic_radius"),
                               ("pymatgen", "atomic_radius")], 0.05, 3),
    ("covalent_radius", 34, 19, [("periodictable", "covalent_radius"),
                                 ("bodr", "radiusCovalent"), ("gelemental", "covalent_radius"),
                                 ("gperiodic", "covalent_radius")], 0.08, 3),
]
# Properties whose sources define the quantity differently: the preferred source stands.
NO_VOTE = {"covalent_radius", "ionization", "atomic_radius"}
PROP_KEYS = [p[0] for p in PROPS]
TEXT_COLS = ["name", "symbol", "config", "oxidation", "crystal", "acidbase", "synthetic"]
CSV_COLS = ["z"] + TEXT_COLS + [f"{k}_{s}" for k in PROP_KEYS for s in ("value", "display")]


def fmt(v, sig):
    """Shortest plain text of v rounded to sig significant digits, never with a blank."""
    if v == 0:
        return "0"
    r = float(f"{v:.{sig}g}")
    if 1e-5 <= abs(r) < 1e9:
        text = repr(r)
        if "e" in text:
            text = f"{r:.{sig + 6}f}".rstrip("0").rstrip(".")
        return text[:-2] if text.endswith(".0") else text
    return f"{r:.{sig - 1}E}".replace("E+", "E")


def oxidation_text(states):
    states = sorted({s for s in states if s != 0}, reverse=True)
    return ", ".join(f"+{s}" if s > 0 else str(s) for s in states) if states else "--"


def normalise_config(cfg):
    if not cfg:
        return None
    cfg = cfg.replace("  ", " ").strip()
    if cfg[:2] in ("He", "Ne", "Ar", "Kr", "Xe", "Rn") and not cfg.startswith("["):
        cfg = f"[{cfg[:2]}]{cfg[2:]}"
    return cfg


# Sources that copy one another count once in a vote.
FAMILY = {"gperiodic": "gelemental", "kalzium": "bodr"}


CRYSTAL_NAMES = {"fcc": 1, "diamond": 1, "bcc": 2, "sc": 3, "cubic": 3, "hcp": 4,
                 "hexagonal": 4, "rhombohedral": 5, "tetragonal": 6, "orthorhombic": 7,
                 "monoclinic": 8}


class Settler:
    def __init__(self, src):
        self.src = src
        self.log = []
        self.chosen = None  # the source of the last settled value

    def candidates(self, z, key, prop_sources):
        out = []
        for name, field in prop_sources:
            rec = self.src.get(name, {}).get(z)
            v = rec.get(field) if rec else None
            if not isinstance(v, (int, float)) or not math.isfinite(v) or v <= 0:
                continue
            if z in curated.PREDICTIONS_ONLY and key != "weight":
                self.log.append(f"Z={z:3} {key:15} not read {name}={v:.6g}: no measurement "
                                f"or peer-reviewed calculation behind it")
                continue
            why = curated.REJECT.get((name, z, key))
            if why:
                self.log.append(f"Z={z:3} {key:15} rejected {name}={v:.6g}: {why}")
                continue
            out.append((name, float(v)))
        return out

    def settle(self, z, key, prop_sources, tol, vote, fixed=None):
        """The preferred source's value, unless two other independent sources agree with
        each other and both disagree with it by more than tol (then the first of them).
        A curated value (fixed) replaces all.  Returns the value or None."""
        cands = self.candidates(z, key, prop_sources)
        self.chosen = None
        if fixed is not None:
            name, v = "curated", float(fixed)
        elif not cands:
            return None
        else:
            name, v = cands[0]
        if vote and fixed is None:
            fam = lambda n: FAMILY.get(n, n)
            reps, seen = [], {fam(name)}
            for n, ov in cands[1:]:
                if fam(n) not in seen:
                    seen.add(fam(n))
                    reps.append((n, ov))
            far = [(n, ov) for n, ov in reps if abs(ov - v) > tol * v]
            for i, (n1, v1) in enumerate(far):
                if any(abs(v1 - v2) <= tol * v1 for _, v2 in far[i + 1:]):
                    self.log.append(f"Z={z:3} {key:15} outvoted {name}={v:.6g}; took "
                                    f"{n1}={v1:.6g}")
                    name, v = n1, v1
                    break
        for other, ov in cands:
            if abs(ov - v) > tol * v:
                self.log.append(f"Z={z:3} {key:15} {other}={ov:.6g} disagrees with settled "
                                f"{v:.6g} ({name})")
        if len(cands) == 1:
            self.log.append(f"Z={z:3} {key:15} single source {name}={v:.6g}")
        self.chosen = name
        return v


def prepare(src):
    """Derived candidates: conductivity from resistivity, molar volume from M / density,
    gas densities from the ideal gas, specific heat per gram where a source is per mole."""
    pm = src["pymatgen"]
    for z, rec in pm.items():
        rho = rec.get("resistivity")
        # 1 / (rho[ohm m] * 100 cm/m) in 1/(ohm cm), then in units of 10^6.
        rec["conductivity"] = 1.0 / (rho * 1e8) if rho else None
    comp = src.setdefault("computed", {})
    for z in range(1, COUNT + 1):
        pt = src["periodictable"].get(z, {})
        m, d = pt.get("atomic_mass"), pt.get("density")
        comp[z] = {"volume": m / d if m and d and z not in curated.GASES else None,
                   "gas_density": m * (2 if z in curated.DIATOMIC else 1) / 22413.97
                   if m else None}
    for z, rec in src["gperiodic"].items():
        g = src["gelemental"].get(z, {})
        sh, m = rec.get("specific_heat"), g.get("atomic_mass")
        if sh and m and g.get("specific_heat") and sh > 5 * g["specific_heat"]:
            rec["specific_heat"] = sh / m  # that entry is per mole


def text_fields(src, st, z):
    ge = src["gelemental"][z]
    row = {"z": z, "synthetic": "1" if z in curated.SYNTHETIC else "0"}
    srcs = row["sources"] = {"synthetic": "editors", "acidbase": "editors",
                             "config": "gelemental", "crystal": "gelemental"}
    row["name"] = curated.NAME_OVERRIDES.get(z, ge["name"])
    row["symbol"] = ge["symbol"]
    cfg = normalise_config(ge["configuration"])
    if z in curated.PREDICTED_CONFIG:
        cfg, srcs["config"] = curated.PREDICTED_CONFIG[z], curated.PREDICTED_CONFIG_SOURCES
    for other in ("bodr", "kalzium", "pymatgen"):
        oc = normalise_config((src[other].get(z) or {}).get("configuration"))
        if oc and cfg and oc != cfg:
            st.log.append(f"Z={z:3} configuration   {other} '{oc}' vs {srcs['config']} "
                          f"'{cfg}'")
    if not cfg:
        cfg = normalise_config((src["kalzium"].get(z) or {}).get("configuration"))
        srcs["config"] = "kalzium"
        st.log.append(f"Z={z:3} configuration   from kalzium: {cfg}")
    row["config"] = cfg or "--"
    # Union of the sources' states, less the known wrong ones.
    ox, ox_src = set(), []
    for name, rec in (("gelemental", ge), ("kalzium", src["kalzium"].get(z) or {}),
                      ("pymatgen", src["pymatgen"].get(z) or {})):
        states = set(rec.get("oxidation") or []) - {0} - curated.OXIDATION_REJECT.get(z, set())
        if states and z in curated.PREDICTIONS_ONLY:
            st.log.append(f"Z={z:3} oxidation       not read {name} {sorted(states)}: no "
                          f"compound of the element is known")
        elif states:
            ox |= states
            ox_src.append(name)
    if not ox and z in curated.OXIDATION_FALLBACK:
        ox, ox_src = set(curated.OXIDATION_FALLBACK[z]), ["editors"]
    if z in curated.OXIDATION_ADD:
        ox_src.append("greenwood")
        added, why = curated.OXIDATION_ADD[z]
        st.log.append(f"Z={z:3} oxidation       added {sorted(added - ox)}: {why}")
        ox |= added
    row["oxidation"] = oxidation_text(ox)
    srcs["oxidation"] = ",".join(ox_src)
    code = None if z in curated.PREDICTIONS_ONLY else curated.LATTICE_CODE.get(ge["lattice"])
    if z in curated.CRYSTAL_OVERRIDES:
        code, why = curated.CRYSTAL_OVERRIDES[z]
        srcs["crystal"] = "editors"
        st.log.append(f"Z={z:3} crystal         set to {code}: {why}")
    pt_code = CRYSTAL_NAMES.get((src["periodictable"].get(z) or {}).get("crystal"))
    if pt_code and pt_code != code:
        st.log.append(f"Z={z:3} crystal         periodictable {pt_code} vs settled {code}")
    row["crystal"] = str(code) if code else "--"
    ab = curated.ACID_BASE.get(z)
    row["acidbase"] = str(ab) if ab else "--"
    return row


def property_texts(src, st, z, key, psrc, tol, sig):
    """(value text, display text) of one trend property."""
    remark = None
    if key == "density" and z in curated.GASES:
        psrc = [("gelemental", "density_gas"), ("computed", "gas_density")]
        remark = "gas, 273 K"
    elif key == "density" and z in curated.LIQUIDS:
        remark = "liquid"
    ov = curated.OVERRIDES.get((z, key))
    if key == "weight":
        ov = standard_weight(src, st, z)
    if ov:
        if ov[2]:
            st.log.append(f"Z={z:3} {key:15} set to {ov[0]} ({ov[1]}): {ov[2]}")
        remark = ov[1]
    v = st.settle(z, key, psrc, tol, key not in NO_VOTE, ov[0] if ov else None)
    if key == "weight":
        st.last_source = "iupac2021" if z in curated.STANDARD_WEIGHTS else "nubase2020"
    elif ov:
        st.last_source = curated.OVERRIDE_SOURCES.get((z, key), "crc97")
    elif st.chosen == "computed":
        st.last_source = "ideal-gas" if key == "density" else "molar-volume"
    else:
        st.last_source = st.chosen
    if key == "atomic_radius" and v is None and z not in curated.PREDICTIONS_ONLY:
        v = (src["pymatgen"].get(z) or {}).get("atomic_radius_calc")
        v = v if isinstance(v, (int, float)) else None
        remark = "calculated" if v else None
        st.last_source = "pymatgen"
    remark = curated.REMARKS.get((z, key), remark)
    if (z, key) in curated.ESTIMATED and v is not None:
        remark = "calculated" if key == "ionization" else "estimated"
    if v is None:
        return "--", "--"
    bracketed = key == "weight" and z in curated.NO_STANDARD_WEIGHT
    if bracketed:
        v = round(v)  # mass number of the longest-lived isotope
    value = fmt(v, sig)
    if bracketed:
        return value, f"[{value}]"
    if key == "ionization":
        return value, f"{value} eV" + (f" ({remark})" if remark else "")
    if key == "density" and remark:
        return value, f"{value} g/cm\u00b3 ({remark})"
    return value, f"{value} ({remark})" if remark else value


def standard_weight(src, st, z):
    """The weight as a curated (value, remark, reason): IUPAC 2021 where the element has a
    standard atomic weight, else the longest-lived isotope's mass number."""
    if z in curated.STANDARD_WEIGHTS:
        v = curated.STANDARD_WEIGHTS[z]
        old = (src["periodictable"].get(z) or {}).get("atomic_mass")
        digits = len(repr(v).split(".")[1]) if "." in repr(v) else 0
        if old and round(old, digits) != v:
            st.log.append(f"Z={z:3} weight          IUPAC 2021 {v}; periodictable (2001) "
                          f"{old:.9g}")
        return (v, None, None)
    a, half_life = curated.LONGEST_LIVED[z]
    st.log.append(f"Z={z:3} weight          [{a}], longest-lived isotope, half-life "
                  f"{half_life}")
    return (a, None, None)


def settle_all(src):
    prepare(src)
    st = Settler(src)
    rows = []
    for z in range(1, COUNT + 1):
        row = text_fields(src, st, z)
        for key, _vf, _df, psrc, tol, sig in PROPS:
            row[f"{key}_value"], row[f"{key}_display"] = property_texts(
                src, st, z, key, psrc, tol, sig)
            row["sources"][key] = st.last_source
        rows.append(row)
    volume_rule(src, rows, st.log)
    wiedemann_franz(rows, st.log)
    physical_rules(rows, st.log)
    return rows, st.log


def volume_rule(src, rows, log):
    """The atomic volume is the molar volume of the phase whose density is given: M / rho
    within 2 %, else M / rho itself.  The gases' volume is that of the liquid at the boiling
    point (periodictable's density of a gas is the liquid's), marked so."""
    for row in rows:
        z = row["z"]
        try:
            m, rho = float(row["weight_value"]), float(row["density_value"])
        except ValueError:
            continue
        remark = None
        if z in curated.GASES:
            rho = (src["periodictable"].get(z) or {}).get("density")
            if z in curated.LIQUID_DENSITY:
                rho, why = curated.LIQUID_DENSITY[z]
                log.append(f"Z={z:3} volume          liquid density {rho}: {why}")
            remark = "liquid"
        # No volume is derived where no source gives one (At and Fr: estimated densities).
        if not rho or row["volume_value"] == "--":
            continue
        computed = m / rho
        old = row["volume_value"]
        if abs(float(old) / computed - 1) > VOLUME_TOLERANCE:
            row["volume_value"] = fmt(computed, 3)
            row["sources"]["volume"] = "liquid-volume" if remark else "molar-volume"
            log.append(f"Z={z:3} volume          {old} is not M / density "
                       f"({m:g} / {rho:g}); took {row['volume_value']}")
        row["volume_display"] = row["volume_value"] + (f" ({remark})" if remark else "")


def physical_rules(rows, log):
    """Heats and specific heats come from two tables of one lineage; three rules of thumb
    check them independently: Dulong-Petit (c M near 3R for a solid at 300 K), Trouton
    (vaporization heat near 10.5 R Tb for a simple liquid, more for metals) and Richards
    (fusion heat near R Tm)."""
    r = 8.314e-3  # kJ/(mol K)

    def num(row, key):
        try:
            return float(row[f"{key}_value"])
        except ValueError:
            return None

    for row in rows:
        z, m = row["z"], num(row, "weight")
        tm, tb = num(row, "melting"), num(row, "boiling")
        c, hv, hf = num(row, "spec_heat"), num(row, "heat_vap"), num(row, "heat_fus")
        if c and m and tm and tm > 300 and not 0.6 <= c * m / 24.94 <= 1.35:
            log.append(f"Z={z:3} spec_heat       Dulong-Petit ratio {c * m / 24.94:.2f}")
        if hv and tb and not 5 <= hv / (r * tb) <= 20:
            log.append(f"Z={z:3} heat_vap        Trouton ratio {hv / (r * tb):.1f}")
        if hf and tm and not 0.3 <= hf / (r * tm) <= 4:
            log.append(f"Z={z:3} heat_fus        Richards ratio {hf / (r * tm):.2f}")


def wiedemann_franz(rows, log):
    """Electrical conductivity has one packaged source; a metal's thermal conductivity
    checks it: kappa / (sigma T) stays near the Lorenz number 2.44e-8 W ohm / K2."""
    lorenz = 2.44e-8
    for row in rows:
        try:
            sigma = float(row["elec_cond_value"]) * 1e8  # 10^6 / (ohm cm) -> S/m
            kappa = float(row["therm_cond_value"])
        except ValueError:
            continue
        ratio = kappa / (sigma * 300.0) / lorenz
        if sigma > 1e5 and not 0.5 <= ratio <= 2.0:
            log.append(f"Z={row['z']:3} elec_cond       Wiedemann-Franz ratio {ratio:.2f} "
                       f"(kappa {kappa}, sigma {row['elec_cond_value']})")


def write_csv(rows):
    with open(CSV_PATH, "w", newline="", encoding="utf-8") as f:
        w = csv.DictWriter(f, fieldnames=CSV_COLS, lineterminator="\n", extrasaction="ignore")
        w.writeheader()
        w.writerows(rows)
    with open(SOURCES_CSV_PATH, "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["z", "field", "sources"])
        for row in rows:
            for key in PROVENANCE_FIELDS:
                if key in row["sources"] and cell_text(row, key) != "--":
                    w.writerow([row["z"], key, row["sources"][key]])


def read_csv():
    with open(CSV_PATH, newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    for row in rows:
        row["sources"] = {}
    by_z = {row["z"]: row for row in rows}
    if os.path.exists(SOURCES_CSV_PATH):
        with open(SOURCES_CSV_PATH, newline="", encoding="utf-8") as f:
            for rec in csv.DictReader(f):
                by_z[rec["z"]]["sources"][rec["field"]] = rec["sources"]
    return rows


# Fields whose every value names its source: key -> record field of the shown text (a
# trend property's number field shares the line of its shown text).
PROVENANCE_FIELDS = {
    "weight": 2, "boiling": 3, "melting": 4, "density": 5, "config": 6, "oxidation": 7,
    "crystal": 8, "acidbase": 9, "electroneg": 10, "heat_vap": 11, "heat_fus": 12,
    "elec_cond": 13, "therm_cond": 14, "spec_heat": 15, "ionization": 16, "volume": 17,
    "atomic_radius": 18, "covalent_radius": 19, "synthetic": 20,
}


def cell_text(row, key):
    return row[f"{key}_display"] if key in PROP_KEYS else row[key]


def cell_marks(row, key):
    """Estimated, calculated, predicted (the configurations of 110..118), one value of a
    sample-dependent range, or the value of another phase than the element's state at
    298 K (the gases' liquid volume)."""
    shown, marks = cell_text(row, key), []
    if "(estimated)" in shown:
        marks.append("estimated")
    if "(calculated)" in shown or row["sources"].get(key) == "ideal-gas":
        marks.append("calculated")
    if "sample dependent" in shown:
        marks.append("range")
    if key == "volume" and shown.endswith("(liquid)"):
        marks.append("liquid")
    if (int(row["z"]), key) in curated.PREDICTED:
        marks.append("predicted")
    return marks


def provenance_text(rows, bkp):
    """The provenance file: the data file's checksum, the citations, then one line per
    element and field with a value.  Refuses a value whose source it cannot name."""
    errors, cells = [], []
    for row in rows:
        for key, field in PROVENANCE_FIELDS.items():
            if cell_text(row, key) == "--":
                continue
            where = f"{row['symbol']} (Z={row['z']}): {key}"
            ids = [i for i in row["sources"].get(key, "").split(",") if i]
            unknown = [i for i in ids if i not in curated.CITATIONS]
            if not ids:
                errors.append(f"{where} {cell_text(row, key)!r} has no source")
            elif unknown:
                errors.append(f"{where} names unknown sources {unknown}")
            marks = cell_marks(row, key)
            assert set(marks) <= curated.MARKS
            cells.append(f"cell\t{row['z']}\t{field}\t{','.join(ids)}\t{','.join(marks)}")
    if errors:
        sys.exit("provenance incomplete:\n" + "\n".join(errors))
    used = {i for line in cells for i in line.split("\t")[3].split(",")}
    lines = [
        "# Auralis element data: where each value of auralis.bkp comes from (UTF-8).",
        "# data: SHA-256 of auralis.bkp; source: id, citation, what it was used for;",
        "# cell: atomic number, record field, source ids, marks (estimated, calculated,",
        "# predicted, range, or the phase a value is for when not the state at 298 K);",
        "# end: cell count.",
        "format\t1",
        "data\t" + hashlib.sha256(bkp).hexdigest(),
    ]
    lines += [f"source\t{i}\t{c}\t{use}" for i, (c, use) in curated.CITATIONS.items()
              if i in used]
    lines += cells + [f"end\t{len(cells)}"]
    return "\n".join(lines) + "\n"


def record_lines(row):
    lines = [""] * 35
    lines[0], lines[1] = row["name"], row["symbol"]
    lines[6], lines[7] = row["config"], row["oxidation"]
    lines[8], lines[9], lines[20] = row["crystal"], row["acidbase"], row["synthetic"]
    for key, vf, df, *_ in PROPS:
        lines[vf], lines[df] = row[f"{key}_value"], row[f"{key}_display"]
    return lines


VOLUME_TOLERANCE = 0.02
PHASE_WORDS = ("solid", "liquid", "gas")
NUMBER_RE = re.compile(r"[-+]?\d+(\.\d+)?([eE][-+]?\d+)?")


def check(rows):
    """The invariants the program relies on; a broken one stops the generator."""
    errors = []
    for row in rows:
        lines = record_lines(row)
        z = f"{row['symbol']} (Z={row['z']})"
        if lines[20] not in ("0", "1"):
            errors.append(f"{z}: synthetic flag {lines[20]!r}")
        for j in range(21, 35):
            if lines[j] != "--" and not NUMBER_RE.fullmatch(lines[j]):
                errors.append(f"{z}: field {j} {lines[j]!r} is no number")
        if lines[20] == "0" and "--" in (lines[22], lines[23]):
            errors.append(f"{z}: natural element without melting/boiling point")
        if "--" not in (lines[22], lines[23]) and float(lines[22]) < float(lines[23]):
            errors.append(f"{z}: boils below its melting point")
        if " " in lines[0] or " " in lines[1] or "." in lines[0] + lines[1] + lines[6]:
            errors.append(f"{z}: blank or point in name, symbol or configuration")
        for j in list(range(2, 6)) + list(range(10, 20)):
            if len(lines[j]) > 50:
                errors.append(f"{z}: field {j} longer than 50 characters")
        for j in range(21, 35):
            if lines[j] != "--" and float(lines[j]) <= 0:
                errors.append(f"{z}: field {j} not positive")
        if any(not line for line in lines):
            errors.append(f"{z}: empty field")
        for key, vf, df, *_ in PROPS:
            shown = lines[df][1:] if lines[df].startswith("[") else lines[df]
            if not re.match(re.escape(lines[vf]) + r"($|[ \]])", shown):
                errors.append(f"{z}: display {lines[df]!r} does not show {lines[vf]!r}")
    for key, vf, *_ in PROPS:
        if len({row[f"{key}_value"] for row in rows} - {"--"}) < 2:
            errors.append(f"{key}: fewer than two distinct values")
    errors += chemistry_errors(rows)
    errors += reference_errors(rows)
    if errors:
        sys.exit("invariants broken:\n" + "\n".join(errors))


def oxidation_states(text):
    return [] if text == "--" else [int(s) for s in text.split(", ")]


def chemistry_errors(rows):
    """Rules a chemist would check; each error names the element and the field."""
    errors = []
    for row in rows:
        z, sym = int(row["z"]), row["symbol"]
        where = f"{sym} (Z={z})"
        try:
            m, rho = float(row["weight_value"]), float(row["density_value"])
            vol = float(row["volume_value"])
        except ValueError:
            m = None
        if m and not any(w in row["volume_display"] for w in PHASE_WORDS):
            if abs(vol * rho / m - 1) > VOLUME_TOLERANCE:
                errors.append(f"{where}: atomic volume {vol} is not atomic weight / density "
                              f"({m / rho:.4g}) and names no phase")
        errors += phase_errors(row, where)
        errors += lorenz_errors(row, where)
        boiling = row["boiling_display"]
        if row["synthetic"] == "0":
            if not re.fullmatch(r"[0-9.]+( \((estimated|sublimes)\))?", boiling):
                errors.append(f"{where}: boiling point {boiling!r} is neither measured nor "
                              f"marked (estimated)")
            if z in curated.BOILING_ESTIMATED and not boiling.endswith("(estimated)"):
                errors.append(f"{where}: boiling point {boiling!r} is an estimate but not "
                              f"marked (estimated)")
        if not re.fullmatch(r"--|[+-]\d(, [+-]\d)*", row["oxidation"]):
            errors.append(f"{where}: oxidation states {row['oxidation']!r} malformed")
        else:
            states = oxidation_states(row["oxidation"])
            highest = curated.HIGHEST_OXIDATION.get(z)
            if (max(states) if states else None) != highest:
                errors.append(f"{where}: oxidation states {row['oxidation']!r} do not reach "
                              f"the highest well-established state {highest}")
        if z in curated.NOBLE_GAS_CRYSTAL and row["crystal"] != str(
                curated.NOBLE_GAS_CRYSTAL[z]):
            errors.append(f"{where}: crystal structure {row['crystal']!r}, measured "
                          f"{curated.NOBLE_GAS_CRYSTAL[z]}")
        if z in curated.STANDARD_WEIGHTS and row["weight_display"] != fmt(
                curated.STANDARD_WEIGHTS[z], 9):
            errors.append(f"{where}: atomic weight {row['weight_display']!r} is not the "
                          f"IUPAC 2021 value {curated.STANDARD_WEIGHTS[z]}")
        if z in curated.IUPAC_NAMES and (row["name"], sym) != curated.IUPAC_NAMES[z]:
            errors.append(f"{where}: name {row['name']!r}, symbol {sym!r}; IUPAC's are "
                          f"{curated.IUPAC_NAMES[z]}")
        if z in curated.LONGEST_LIVED and row["weight_display"] != (
                f"[{curated.LONGEST_LIVED[z][0]}]"):
            errors.append(f"{where}: atomic weight {row['weight_display']!r} is not the "
                          f"longest-lived isotope [{curated.LONGEST_LIVED[z][0]}]")
    return errors


IDEAL_GAS_LITRES = 22.41397  # L/mol at 273.15 K and 101.325 kPa
R_KJ = 8.314e-3  # kJ/(mol K)
# Trouton's rule, heat of vaporization / (R Tb): simple liquids near 10.5, metals up to
# about 17.  Outside 6..18 a value belongs to another element or another unit.  Not for
# the quantum liquids H2 and He, nor phosphorus, whose heat is per P atom of P4.
TROUTON_BAND = (6.0, 18.0)
TROUTON_EXEMPT = {1, 2, 15}


def phase_errors(row, where):
    """The gases' liquid volume and gas density, and Trouton's rule."""
    errors = []

    def num(key):
        try:
            return float(row[f"{key}_value"])
        except ValueError:
            return None

    z, m = int(row["z"]), num("weight")
    if z in curated.GASES and m:
        rho_l, vol = curated.LIQUID_AT_BOILING[z], num("volume")
        if not vol or not row["volume_display"].endswith("(liquid)") or abs(
                vol * rho_l / m - 1) > VOLUME_TOLERANCE:
            errors.append(f"{where}: atomic volume {row['volume_display']!r} is not that of "
                          f"the liquid at the boiling point ({m:g} / {rho_l} = "
                          f"{m / rho_l:.3g} (liquid))")
        # A real gas at 273 K is a little denser than the ideal gas (H2 and He a trace
        # lighter), never lighter by more than that.
        ideal = m * (2 if z in curated.DIATOMIC else 1) / IDEAL_GAS_LITRES / 1000
        rho = num("density")
        if not rho or not 0.998 <= rho / ideal <= 1.03:
            errors.append(f"{where}: gas density {row['density_value']} against the ideal "
                          f"gas {ideal:.4g} g/cm3")
    tb, hv = num("boiling"), num("heat_vap")
    plain = "(" not in row["boiling_display"] + row["heat_vap_display"]
    if tb and hv and plain and z not in TROUTON_EXEMPT:
        ratio = hv / (R_KJ * tb)
        if not TROUTON_BAND[0] <= ratio <= TROUTON_BAND[1]:
            errors.append(f"{where}: heat of vaporization {hv:g} does not fit the boiling point "
                          f"{tb:g} K (Trouton ratio {ratio:.1f}, expected "
                          f"{TROUTON_BAND[0]:g}..{TROUTON_BAND[1]:g})")
    return errors


# Wiedemann-Franz: a metal's thermal conductivity over its electrical conductivity times T
# is near the Lorenz number 2.44e-8 W ohm / K2.  The metals in the file lie between 1.59e-8
# (strontium) and 6.20e-8 (radium, whose two values rest on few measurements), the
# lanthanides near 4.4e-8.  A slip of a factor of ten in either conductivity leaves this
# band for every metal, since the band spans less than that factor.
LORENZ_BAND = (1.5e-8, 6.5e-8)  # W ohm / K2
LORENZ_T = 300.0  # K, the temperature of both conductivities


def lorenz_errors(row, where):
    """A metal's two conductivities against each other (Wiedemann-Franz)."""
    z = int(row["z"])
    if z in curated.NONMETALS or z in curated.SEMIMETALS:
        return []
    try:
        sigma = float(row["elec_cond_value"]) * 1e8  # 10^6 / (ohm cm) -> 1 / (ohm m)
        kappa = float(row["therm_cond_value"])  # W / (m K)
    except ValueError:
        return []
    lorenz = kappa / (sigma * LORENZ_T)
    if LORENZ_BAND[0] <= lorenz <= LORENZ_BAND[1]:
        return []
    return [f"{where}: electrical conductivity {row['elec_cond_value']} (10^6/(ohm cm)) and "
            f"thermal conductivity {row['therm_cond_value']} W/(m K) give a Lorenz number "
            f"{lorenz:.3g} W ohm/K2, outside the metals' {LORENZ_BAND[0]:g}.."
            f"{LORENZ_BAND[1]:g} (Wiedemann-Franz): is one of them in the wrong unit?"]


# reference.csv column -> property key.
REFERENCE_COLUMNS = {
    "Atomic Radius": "atomic_radius", "Atomic Volume": "volume", "Atomic Weight": "weight",
    "Boiling Point": "boiling", "Covalent Radius": "covalent_radius", "Density": "density",
    "Electrical Conductivity": "elec_cond", "Electronegativity": "electroneg",
    "First Ionization Potential": "ionization", "Heat of Fusion": "heat_fus",
    "Heat of Vaporization": "heat_vap", "Melting Point": "melting",
    "Specific Heat": "spec_heat", "Thermal Conductivity": "therm_cond",
}


def reference_errors(rows):
    """Settled values against the handbook table reference.csv, within its tolerances: a
    value every packaged table copies alike is caught here."""
    with open(REFERENCE_PATH, encoding="utf-8") as f:
        table = [line.strip().split(",") for line in f
                 if line.strip() and not line.startswith("#")]
    header, tolerance = table[0], table[1]
    by_z = {int(row["z"]): row for row in rows}
    errors = []
    for ref in table[2:]:
        row = by_z[int(ref[1])]
        for c in range(2, len(header)):
            if ref[c] == "--":
                continue
            key, expected = REFERENCE_COLUMNS[header[c]], float(ref[c])
            where = f"{row['symbol']} (Z={row['z']}): {header[c].lower()}"
            if row[f"{key}_value"] == "--":
                errors.append(f"{where} has no value; the handbook gives {ref[c]}")
                continue
            deviation = abs(float(row[f"{key}_value"]) / expected - 1) * 100
            if deviation > float(tolerance[c]):
                errors.append(f"{where} {row[f'{key}_value']} is {deviation:.1f} % from the "
                              f"handbook value {ref[c]} (allowed {tolerance[c]} %)")
    return errors


def write_bkp(rows):
    check(rows)
    lines = [line for row in rows for line in record_lines(row)]
    assert len(lines) == COUNT * 35
    bkp = "".join(line + "\r\n" for line in lines).encode("cp1252")
    provenance = provenance_text(rows, bkp)
    with open(OUT_PATH, "wb") as f:
        f.write(bkp)
    with open(PROVENANCE_PATH, "w", encoding="utf-8", newline="\n") as f:
        f.write(provenance)


def kept_report_lines():
    """The lines of crosscheck.txt that no run writes: the comparison with independent.csv,
    kept by hand ("Z=  2 heat_vap        independent crc-vaporization=0.08: ...")."""
    if not os.path.exists(REPORT_PATH):
        return []
    with open(REPORT_PATH, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line[22:].startswith("independent ")]


def main(argv):
    if "--csv" in argv:
        rows = read_csv()
    else:
        import sources
        src = sources.read_all()
        if not src["gelemental"]:
            sys.exit("gelemental source not found (see SOURCES.md); use --csv")
        rows, log = settle_all(src)
        check(rows)  # before anything is written: a broken rule leaves every file as it was
        write_csv(rows)
        kept = kept_report_lines()
        with open(REPORT_PATH, "w", encoding="utf-8") as f:
            f.write("\n".join(log + kept) + "\n")
    write_bkp(rows)
    print(f"wrote {OUT_PATH}: {len(rows)} records, and {PROVENANCE_PATH}")


if __name__ == "__main__":
    main(sys.argv[1:])
