#!/usr/bin/env python3
"""Puts the translated texts of tools/i18n/desktop/*.ini into the desktop entry and the
AppStream metainfo in packaging/, after each English text they translate.

    merge_desktop.py

Run after changing an .ini file or the English texts; the result is committed. Texts
already translated in the two files are replaced, so running it twice changes nothing.
"""
import configparser
import glob
import html
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DESKTOP = os.path.join(ROOT, "packaging", "org.example.auralis.desktop")
METAINFO = os.path.join(ROOT, "packaging", "org.example.auralis.metainfo.xml")


def languages():
    found = {}
    for path in sorted(glob.glob(os.path.join(HERE, "desktop", "*.ini"))):
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        parser.read(path, encoding="utf-8")
        found[os.path.splitext(os.path.basename(path))[0]] = parser
    return found


def merge_desktop(langs):
    lines = [l for l in open(DESKTOP, encoding="utf-8").read().splitlines()
             if not re.match(r"^\w+\[[\w@]+\]=", l)]
    out = []
    for line in lines:
        out.append(line)
        key = line.split("=", 1)[0]
        for code, parser in langs.items():
            if parser.has_option("desktop", key):
                out.append(f"{key}[{code}]={parser.get('desktop', key)}")
    open(DESKTOP, "w", encoding="utf-8").write("\n".join(out) + "\n")


def merge_metainfo(langs):
    text = open(METAINFO, encoding="utf-8").read()
    # Drop what an earlier run added.
    text = re.sub(r'\n[ \t]*<(\w+) xml:lang="[^"]+">.*?</\1>', "", text, flags=re.S)

    def translations(indent, tag, key):
        return "".join(f'\n{indent}<{tag} xml:lang="{code.replace("_", "-")}">'
                       f"{html.escape(parser.get('metainfo', key), quote=False)}</{tag}>"
                       for code, parser in langs.items() if parser.has_option("metainfo", key))

    def after(pattern, tag, key, source):
        match = re.search(pattern, source, flags=re.S)
        if not match:
            raise SystemExit(f"no {tag} for {key} in {METAINFO}")
        indent = re.match(r"[ \t]*", source[source.rfind("\n", 0, match.start()) + 1:]).group(0)
        return source[:match.end()] + translations(indent, tag, key) + source[match.end():]

    text = after(r"<summary>.*?</summary>", "summary", "summary", text)
    text = after(r"<p>.*?</p>", "p", "p1", text)
    items = re.findall(r"<li>.*?</li>", text, flags=re.S)
    for number, item in enumerate(items, 1):
        text = after(re.escape(item), "li", f"li{number}", text)
    for number, keyword in enumerate(re.findall(r"<keyword>.*?</keyword>", text), 1):
        text = after(re.escape(keyword), "keyword", f"keyword{number}", text)
    open(METAINFO, "w", encoding="utf-8").write(text)


if __name__ == "__main__":
    found = languages()
    merge_desktop(found)
    merge_metainfo(found)
