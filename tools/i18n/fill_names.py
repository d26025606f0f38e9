#!/usr/bin/env python3
"""Puts the element names of element-names.csv into the translation sources.

    fill_names.py TS-FILE...

Each file's language comes from its name (auralis_de.ts, auralis_pt_BR.ts). Every message
of the "Element" context takes that language's name from the table, finished; the other
contexts are left as they are.
"""
import csv
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))


def names():
    with open(os.path.join(HERE, "element-names.csv"), encoding="utf-8", newline="") as f:
        return {row["en"]: row for row in csv.DictReader(f)}


def fill(path, table):
    language = re.match(r"auralis_(.+)\.ts$", os.path.basename(path)).group(1)
    tree = ET.parse(path)
    missing = []
    for context in tree.getroot().iter("context"):
        if context.findtext("name") != "Element":
            continue
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            row = table.get(source)
            if row is None or not row.get(language):
                missing.append(source)
                continue
            translation.text = row[language]
            translation.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    # lupdate's own layout: a doctype line after the declaration.
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if "<!DOCTYPE TS>" not in text:
        text = text.replace("?>\n", "?>\n<!DOCTYPE TS>\n", 1)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text if text.endswith("\n") else text + "\n")
    return missing


def main():
    table = names()
    failed = False
    for path in sys.argv[1:]:
        missing = fill(path, table)
        for source in missing:
            print(f"{path}: no name for '{source}' in element-names.csv", file=sys.stderr)
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
