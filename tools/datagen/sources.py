"""Readers for the packaged element data sources.

Each reader returns {Z: {key: value}} with values already converted to the units of the
data file (K, g/cm3, g/mol, kJ/mol, eV, Angstrom, cm3/mol, J/(g K), W/(m K)).  A reader
whose source is not installed returns {} so the caller can fall back to elements.csv.
"""

import html
import json
import os
import re
import xml.etree.ElementTree as ET

BODR_XML = "/usr/share/bodr/elements.xml"
KALZIUM_XML = "/usr/share/libkdeedu/data/elements.xml"
PYMATGEN_JSON = "/usr/lib/python3/dist-packages/pymatgen/core/periodic_table.json"
# Unpacked by `apt-get source gelemental gperiodic` (see SOURCES.md).
SRC_DIR = os.environ.get(
    "DATAGEN_SRC", os.path.join(os.path.dirname(os.path.abspath(__file__)), ".sources"))
GELEMENTAL_CC = os.path.join(SRC_DIR, "gelemental-2.0.2/libelemental/data.cc")
GPERIODIC_H = os.path.join(SRC_DIR, "gperiodic-3.0.3/table_data.h")

EV_KJMOL = 96.48533212
NUMBER = re.compile(r"[-+]?\d+(?:\.\d+)?(?:[eE][-+]?\d+)?")


def first_number(text):
    m = NUMBER.search(text.replace(",", "."))
    return float(m.group()) if m else None


def _split_top(text):
    """Splits a C initialiser list at commas outside brackets and strings."""
    parts, depth, cur, in_str = [], 0, "", False
    i = 0
    while i < len(text):
        c = text[i]
        if in_str:
            cur += c
            if c == "\\":
                cur += text[i + 1]
                i += 1
            elif c == '"':
                in_str = False
        elif c == '"':
            in_str = True
            cur += c
        elif c in "([{":
            depth += 1
            cur += c
        elif c in ")]}":
            depth -= 1
            cur += c
        elif c == "," and depth == 0:
            parts.append(cur.strip())
            cur = ""
        else:
            cur += c
        i += 1
    if cur.strip():
        parts.append(cur.strip())
    return parts


def _c_string(tok):
    m = re.search(r'"((?:[^"\\]|\\.)*)"', tok)
    return html.unescape(m.group(1)) if m else None


def _c_float(tok):
    """F(value, qualifier) or a bare number; returns (value, qualifier) or (None, why)."""
    tok = tok.strip()
    if tok.startswith("Q_"):
        return None, tok
    m = re.match(r"F\s*\(\s*([-0-9.eE+]+)\s*,\s*(Q_\w+)\s*\)", tok)
    if m:
        return float(m.group(1)), m.group(2)
    try:
        return float(tok), ""
    except ValueError:
        return None, tok


GELEMENTAL_FIELDS = [
    "name", "alternate_name", "symbol", "number", "series", "group", "period", "block",
    "density_solid", "density_liquid", "density_gas", "appearance", "discovery",
    "discovered_by", "etymology", "atomic_mass", "atomic_volume", "atomic_radius",
    "covalent_radius", "van_der_waals_radius", "ionic_radii", "lattice_type", "space_group",
    "lattice_edges", "lattice_angles", "configuration", "oxidation_states",
    "electronegativity", "electron_affinity", "first_energy", "melting_point",
    "boiling_point", "fusion_heat", "vaporization_heat", "specific_heat",
    "thermal_conductivity", "debye_temperature", "color", "notes",
]


def read_gelemental(path=GELEMENTAL_CC):
    if not os.path.exists(path):
        return {}
    out = {}
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if not line.startswith('{\tN_("'):
            continue
        toks = _split_top(line.strip("{},"))
        row = dict(zip(GELEMENTAL_FIELDS, toks))
        z = int(row["number"])
        rec = {"name": _c_string(row["name"]), "symbol": _c_string(row["symbol"])}
        quals = {}
        for key in ("density_solid", "density_liquid", "density_gas", "atomic_mass",
                    "atomic_volume", "atomic_radius", "covalent_radius", "electronegativity",
                    "first_energy", "melting_point", "boiling_point", "fusion_heat",
                    "vaporization_heat", "specific_heat", "thermal_conductivity"):
            rec[key], quals[key] = _c_float(row[key])
        for key in ("atomic_radius", "covalent_radius"):
            if rec[key] is not None:
                rec[key] /= 100.0  # pm -> Angstrom
        if rec["density_gas"] is not None:
            rec["density_gas"] /= 1000.0  # g/L -> g/cm3
        if rec["first_energy"] is not None:
            rec["first_energy"] /= EV_KJMOL  # kJ/mol -> eV
        rec["qualifiers"] = quals
        rec["lattice"] = row["lattice_type"].split("::")[-1]
        cfg = _c_string(row["configuration"]) or ""
        rec["configuration"] = re.sub(r"</?sup>", "", cfg)
        ox = row["oxidation_states"]
        m = re.match(r"IL\s*\(\s*\d+\s*,(.*)\)", ox)
        rec["oxidation"] = [int(v) for v in m.group(1).split(",")] if m else None
        out[z] = rec
    return out


def read_gperiodic(path=GPERIODIC_H):
    """Only used to cross-check; its texts carry ranges and remarks, so the first number
    of each text is taken."""
    if not os.path.exists(path):
        return {}
    keys = ["name", "symbol", "number", "atomic_mass", "density", "melting_point",
            "boiling_point", "atomic_radius", "covalent_radius", "ionic_radius",
            "atomic_volume", "specific_heat", "fusion_heat", "vaporization_heat",
            "thermal_conductivity", "debye", "electronegativity", "first_energy"]
    out = {}
    for line in open(path, encoding="utf-8", errors="replace"):
        line = line.strip()
        if not line.startswith('{N_("'):
            continue
        toks = _split_top(line.strip("{},"))
        texts = [html.unescape(_c_string(t) or "") for t in toks[: len(keys)]]
        row = dict(zip(keys, texts))
        try:
            z = int(row["number"])
        except ValueError:
            continue
        rec = {"raw": row}
        for key in keys[3:]:
            rec[key] = None if "n/a" in row[key] else first_number(row[key])
        for key in ("atomic_radius", "covalent_radius"):
            if rec[key] is not None:
                rec[key] /= 100.0
        if rec["first_energy"] is not None:
            rec["first_energy"] /= EV_KJMOL
        out[z] = rec
    return out


def _read_cml(path):
    if not os.path.exists(path):
        return {}
    ns = {"c": "http://www.xml-cml.org/schema"}
    out = {}
    for atom in ET.parse(path).getroot().findall("c:atom", ns):
        rec = {}
        for el in atom:
            ref = el.get("dictRef", "")[3:]
            if el.tag.endswith("label"):
                if ref in ("symbol", "name"):
                    rec[ref] = el.get("value")
            elif el.text is not None:
                rec[ref] = el.text.strip()
        z = int(rec.get("atomicNumber", 0))
        if z == 0:
            continue
        conv = {}
        for key in ("mass", "ionization", "electronegativityPauling", "radiusCovalent",
                    "radiusVDW", "boilingpoint", "meltingpoint"):
            if key in rec:
                try:
                    conv[key] = float(rec[key])
                except ValueError:
                    pass
        conv["configuration"] = rec.get("electronicConfiguration")
        ox = rec.get("oxidation")
        conv["oxidation"] = [int(v) for v in ox.split(",")] if ox else None
        out[z] = conv
    return out


def read_bodr(path=BODR_XML):
    return _read_cml(path)


def read_kalzium(path=KALZIUM_XML):
    return _read_cml(path)


def _pmg_number(text):
    if not isinstance(text, str) or text.startswith("no data"):
        return None
    text = re.sub(r"<sup>(.*?)</sup>", r"^\1", text)
    # "about 55 10^-8 ohm m": an approximate value is still the value; bounds ("&gt; ...")
    # and words alone ("high") are not.
    text = re.sub(r"^\s*(?:about|approx\.?|ca\.?)\s+", "", text)
    m = re.match(r"\s*([-0-9.]+)", text)
    if not m:
        return None
    v = float(m.group(1))
    # The power of ten of the unit may follow after a remark ("1000 - direction
    # dependent10^-8 ohm m").
    e = re.search(r"10\^([-0-9]+)", text[m.end():])
    if e:
        v *= 10.0 ** int(e.group(1))
    return v


def read_pymatgen(path=PYMATGEN_JSON):
    if not os.path.exists(path):
        return {}
    data = json.load(open(path, encoding="utf-8"))
    out = {}
    for sym, d in data.items():
        z = d.get("Atomic no")
        if not z:
            continue
        rec = {
            "atomic_mass": d.get("Atomic mass"),
            "melting_point": _pmg_number(d.get("Melting point")),
            "boiling_point": _pmg_number(d.get("Boiling point")),
            "thermal_conductivity": _pmg_number(d.get("Thermal conductivity")),
            "atomic_volume": _pmg_number(d.get("Molar volume")),
            "atomic_radius": d.get("Atomic radius"),
            "atomic_radius_calc": d.get("Atomic radius calculated"),
            "electronegativity": d.get("X"),
            "resistivity": _pmg_number(d.get("Electrical resistivity")),  # ohm m
            "oxidation": d.get("Common oxidation states"),
        }
        dens = _pmg_number(d.get("Density of solid"))
        rec["density_solid"] = dens / 1000.0 if dens else None  # kg/m3 -> g/cm3
        ion = d.get("Ionization energies") or []
        rec["first_energy"] = ion[0] if ion else None
        if isinstance(rec["electronegativity"], float) and rec["electronegativity"] != rec[
                "electronegativity"]:
            rec["electronegativity"] = None
        cfg = d.get("Electronic structure") or ""
        rec["configuration"] = re.sub(r"</?sup>", "", cfg).replace(".", " ")
        out[z] = rec
    return out


def read_periodictable():
    try:
        import periodictable
    except ImportError:
        return {}
    out = {}
    for el in periodictable.elements:
        if el.number == 0:
            continue
        out[el.number] = {
            "atomic_mass": el.mass,
            "density": el.density,
            "density_caveat": getattr(el, "density_caveat", ""),
            "covalent_radius": getattr(el, "covalent_radius", None),
            "name": el.name,
            "crystal": ((getattr(el, "crystal_structure", None) or {}).get("symmetry")
                        or "").lower(),
        }
    return out


def read_all():
    return {
        "gelemental": read_gelemental(),
        "gperiodic": read_gperiodic(),
        "bodr": read_bodr(),
        "kalzium": read_kalzium(),
        "pymatgen": read_pymatgen(),
        "periodictable": read_periodictable(),
    }
