#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Check tools/i18n/element-names.csv against the texts the program shows.

The English names come from the program itself: elements 1..109 from the data file
data/auralis.bkp, the names of the naming schemes for 104..109 from the table in
src/core/data/Naming.cpp. Elements 110..118 are not in the program yet; for them the
file must hold the IUPAC systematic name (built here from the digits) and exactly one
other name. Exits 1 with one line per fault, 0 with a summary line.

Usage: check_names.py [CSV] [--root REPO]
"""

import csv
import io
import re
import sys
import unicodedata
from pathlib import Path

COLUMNS = ["z", "en", "de", "fr", "es", "it", "pl", "pt_BR", "zh_CN", "note"]
NAME_COLUMNS = COLUMNS[1:-1]
RECORD_LINES = 35
LAST_Z = 118
ROOTS = "nil un bi tri quad pent hex sept oct enn".split()


def systematic_name(z):
    """IUPAC systematic name: digit roots + 'ium', 'ennn' -> 'enn', 'iium' -> 'ium'."""
    name = "".join(ROOTS[int(d)] for d in str(z)) + "ium"
    return name.replace("nnn", "nn").replace("iium", "ium").capitalize()


def data_file_names(path):
    lines = path.read_bytes().decode("cp1252").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or len(lines) % RECORD_LINES:
        raise ValueError(f"{path}: {len(lines)} lines, not whole records of {RECORD_LINES}")
    return {i + 1: lines[i * RECORD_LINES] for i in range(len(lines) // RECORD_LINES)}


def scheme_names(source, header):
    """{(z, scheme): name} from the table of Naming.cpp: a row per element from
    FirstNamedElement (Naming.h) on, a column per naming scheme."""
    first = re.search(r"FirstNamedElement\s*=\s*(\d+)", header.read_text(encoding="utf-8"))
    if not first:
        raise ValueError(f"{header}: FirstNamedElement was not found")
    first = int(first.group(1))
    path = source
    text = path.read_text(encoding="utf-8")
    body = re.search(r"Table\s*\[\s*\d+\s*\]\s*\[\s*\w+\s*\]\s*=\s*\{(.*?)\n\};", text, re.S)
    if not body:
        raise ValueError(f"{path}: the naming table was not found")
    rows = re.findall(r"\{\s*(\{[^{}]*\}(?:\s*,\s*\{[^{}]*\})*)\s*,?\s*\}", body.group(1))
    names = {}
    for r, row in enumerate(rows):
        for s, name in enumerate(re.findall(r'\{\s*"[^"]*"\s*,\s*"([^"]*)"\s*\}', row)):
            names[(first + r, s)] = name
    if not names:
        raise ValueError(f"{path}: no names read from the naming table")
    return names


def bad_characters(name):
    """Characters other than letters, combining marks and the hyphen-minus."""
    return [c for c in name if not (unicodedata.category(c)[0] in "LM" or c == "-")]


def check(csv_path, root):
    faults = []
    raw = csv_path.read_bytes()
    if raw.startswith(b"\xef\xbb\xbf"):
        faults.append("starts with a byte order mark")
    if b"\r" in raw:
        faults.append("has CR characters; lines must end in LF alone")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        return faults + [f"not UTF-8 ({e})"]
    if text and not text.endswith("\n"):
        faults.append("the last line has no LF")

    try:
        table = list(csv.reader(io.StringIO(text.lstrip("\ufeff"), newline=""), strict=True))
    except csv.Error as e:
        return faults + [f"not valid CSV ({e})"]
    if not table:
        return faults + ["empty"]
    header, rows = table[0], table[1:]
    if header != COLUMNS:
        missing = [c for c in COLUMNS if c not in header]
        extra = [c for c in header if c not in COLUMNS]
        faults.append(f"header is {','.join(header)}; expected {','.join(COLUMNS)}"
                      + (f" (missing: {', '.join(missing)})" if missing else "")
                      + (f" (unknown: {', '.join(extra)})" if extra else ""))
        return faults

    by_en = {}
    by_z = {}
    for n, row in enumerate(rows, start=2):
        where = f"line {n}"
        if len(row) != len(COLUMNS):
            faults.append(f"{where}: {len(row)} cells, expected {len(COLUMNS)}")
            continue
        cells = dict(zip(COLUMNS, row))
        if not re.fullmatch(r"[1-9][0-9]*", cells["z"]) or not 1 <= int(cells["z"]) <= LAST_Z:
            faults.append(f"{where}: z '{cells['z']}' is not a number in 1..{LAST_Z}")
            continue
        z = int(cells["z"])
        where = f"line {n} ({cells['en'] or 'z=' + str(z)})"
        for col in NAME_COLUMNS:
            name = cells[col]
            if name == "":
                faults.append(f"{where}: {col} is empty")
                continue
            bad = bad_characters(name)
            if bad:
                shown = ", ".join(f"U+{ord(c):04X} {unicodedata.name(c, '?')}" for c in bad)
                faults.append(f"{where}: {col} '{name}' has {shown}")
            if unicodedata.normalize("NFC", name) != name:
                faults.append(f"{where}: {col} '{name}' is not in NFC")
        if cells["en"] in by_en:
            faults.append(f"{where}: en '{cells['en']}' also on line {by_en[cells['en']][0]};"
                          " each English text needs exactly one row")
            continue
        by_en[cells["en"]] = (n, z)
        by_z.setdefault(z, []).append(cells["en"])

    data = data_file_names(root / "data" / "auralis.bkp")
    naming = root / "src" / "core" / "data"
    schemes = scheme_names(naming / "Naming.cpp", naming / "Naming.h")

    # Every English text the program shows, with the elements it may stand for.
    shown = {}
    for z, name in data.items():
        shown.setdefault(name, set()).add(z)
    for (z, _scheme), name in schemes.items():
        shown.setdefault(name, set()).add(z)
    for name, zs in sorted(shown.items(), key=lambda item: (min(item[1]), item[0])):
        if name not in by_en:
            faults.append(f"no row for '{name}' (shown for element {', '.join(map(str, sorted(zs)))})")
        elif by_en[name][1] not in zs:
            faults.append(f"line {by_en[name][0]} ({name}): z is {by_en[name][1]}, but the program"
                          f" shows this name for {', '.join(map(str, sorted(zs)))}")

    last_in_program = max(data)
    for z in range(1, LAST_Z + 1):
        if z not in by_z:
            faults.append(f"no row for element {z}")
    for z in range(last_in_program + 1, LAST_Z + 1):
        names = by_z.get(z, [])
        systematic = systematic_name(z)
        if systematic not in names:
            faults.append(f"no row for '{systematic}', the systematic name of element {z}")
        others = [name for name in names if name != systematic]
        if len(others) != 1:
            faults.append(f"element {z}: expected one name besides '{systematic}', found"
                          f" {len(others)}: {', '.join(others) or 'none'}")

    for name, (n, z) in by_en.items():
        if z <= last_in_program and name not in shown:
            faults.append(f"line {n} ({name}): the program shows no such name for element {z}"
                          f" (data file: '{data.get(z, '?')}')")
    return faults


def main(argv):
    here = Path(__file__).resolve().parent
    root = here.parents[1]
    csv_path = here / "element-names.csv"
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == "--root" and args:
            root = Path(args.pop(0))
        elif a in ("-h", "--help"):
            print(__doc__.strip())
            return 0
        else:
            csv_path = Path(a)
    try:
        faults = check(csv_path, root)
    except (OSError, ValueError) as e:
        faults = [str(e)]
    if faults:
        for f in faults:
            print(f"{csv_path.name}: {f}", file=sys.stderr)
        print(f"{len(faults)} fault(s)", file=sys.stderr)
        return 1
    rows = sum(1 for _ in csv.reader(io.StringIO(csv_path.read_text(encoding="utf-8")))) - 1
    print(f"{csv_path.name}: {rows} rows, {len(NAME_COLUMNS) - 1} languages, no faults")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
