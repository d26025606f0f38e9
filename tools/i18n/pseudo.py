#!/usr/bin/env python3
"""Writes a pseudo-translation: every text about 40 % longer, its letters accented, and
marked at its start and end, so that a text the program cuts, or one that bypasses the
translation system, shows at a glance.

    pseudo.py SOURCE.ts OUT.ts

"&Save Config &Now" becomes "[&Šåvé Çöñƒîĝ &Ñöŵ·····]"; placeholders (%1), accelerators and
line breaks stay where they are.
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "åƀçđéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÅƁÇĐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ")
PLACEHOLDER = re.compile(r"(%L?\d+|%n|\\n|\n|&&|&|<[^>]*>|\*\.\w+|\(\*\.\*\))")


def pseudo(text):
    if not text.strip():
        return text
    parts = PLACEHOLDER.split(text)
    out = []
    for i, part in enumerate(parts):
        if i % 2:
            out.append(part)  # a placeholder, break, accelerator or markup: as it is
        else:
            out.append(part.translate(ACCENTS))
    body = "".join(out)
    letters = sum(c.isalpha() for c in text)
    padding = "·" * max(1, round(letters * 0.4))
    # Line breaks stay at the start and end of a text where it has them.
    lead = len(body) - len(body.lstrip("\n"))
    trail = len(body) - len(body.rstrip("\n"))
    core = body[lead:len(body) - trail] if trail else body[lead:]
    return "\n" * lead + "[" + core + padding + "]" + "\n" * trail


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            for form in list(translation):
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
