#!/usr/bin/env python3
"""Fails when a language lacks a translation of a text the sources show.

    check_translations.py LUPDATE SOURCE-ROOT LANGUAGE...

Each translations/auralis_LANGUAGE.ts is brought up to date with the sources in a
temporary copy, as tools/i18n/update.sh would; then no message may be unfinished, and
every translation keeps its source's placeholders and accelerator.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%\d+")


def accelerators(text):
    return len(re.findall(r"&(?!&)\S", text.replace("&&", "")))


def main(lupdate, root, languages):
    faults = []
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for code in languages:
            source = os.path.join(root, "translations", f"auralis_{code}.ts")
            copy = os.path.join(tmp, os.path.basename(source))
            shutil.copyfile(source, copy)
            copies.append(copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete",
                        os.path.join(root, "src"), "-ts", *copies], check=True)
        for code, copy in zip(languages, copies):
            for context in ET.parse(copy).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    source = message.findtext("source") or ""
                    translation = message.find("translation")
                    text = "".join(translation.itertext())
                    where = f"{code}: {name}: \"{source}\""
                    if translation.get("type") == "unfinished" or not text:
                        faults.append(where + " is not translated")
                        continue
                    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                        faults.append(where + f" loses or adds a placeholder: \"{text}\"")
                    if accelerators(source) and accelerators(source) != accelerators(text):
                        faults.append(where + f" has another count of accelerators: \"{text}\"")
    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
