#!/usr/bin/env python3
"""Fails when a text a user reads is written in the sources without passing the
translation system.

    check_translatable.py SRC-FOLDER

Every string literal of the C++ sources is looked at, outside comments. It is fine when it
stands inside tr(), QT_TR_NOOP(), QT_TRANSLATE_NOOP() or QCoreApplication::translate();
when it is no text at all (an identifier such as an object name or a settings key,
punctuation, a number, a file name, a path, an option, a format without words); or when it
is on the short list below, each entry with the reason no user reads it as prose.
"""
import os
import re
import sys

# Texts that are not prose a translator should see: names, identifiers of other programs,
# the settings file's own keys and values, and the symbols and numbers shown as they are.
ALLOWED = {
    "Auralis": "the program's name",
    "MS Sans Serif": "a font family",
    "Windows": "the name of a widget style",
    "Gray": "a value of the settings file",
    "Default": "a value of the settings file",
    "nope": "the settings reader's marker of an absent key",
    "Colors": "a section of the settings file",
    "Background": "a key of the settings file",
    "Une": "the text the table layout measures, never shown",
    "Au": "the icon's lettering, a chemical symbol",
    "H": "a chemical symbol in the options dialog's sample",
    "NAN": "a number's text",
    "INF": "a number's text",
    "-INF": "a number's text",
    "auralis@example.org": "an address",
    "https://auralis.example.org": "an address",
    "write failed": "libpng's internal error text, replaced by the program's own message",
    "1.00794 g/mol": "a sample value in the options dialog, a number and its unit",
    "auralis: %s\\n": "the prefix of a message on standard error",
    "auralis: cannot load the translation %s; the program runs in English\\n":
        "said when no translation could be loaded, so in English",
    "first frame at %lld ns\\n": "the benchmark's reading on standard error",
}
# Whole files whose literals are settings keys, identifiers or data.
ALLOWED_FILES = {
    "core/settings/SettingsKeys.h", "core/settings/SettingsKeys.cpp",
    "core/base/ColourScheme.cpp", "core/data/ElementNames.cpp", "core/base/Language.cpp",
    "app/DesktopPlatform.cpp", "app/FontWarmUp.cpp", "core/base/CpuTimeReport.h",
    # The element names and symbols of the naming schemes are translated by their English
    # form, as every element name is (ElementNames).
    "core/data/Naming.cpp",
}
GROUP_CAPTIONS = {"IA", "IIA", "IIIA", "IVA", "VA", "VIA", "VIIA", "VIIIA", "IB", "IIB",
                  "IIIB", "IVB", "VB", "VIB", "VIIB", "VIII"}

WRAPPERS = {"tr", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3", "translate"}
# Calls whose text argument reaches the screen: a single word there is a caption too.
DISPLAY = {"setText", "setWindowTitle", "setToolTip", "setStatusTip", "setWhatsThis",
           "setAccessibleName", "setAccessibleDescription", "setTitle", "setPlaceholderText",
           "addTab", "insertTab", "setTabText", "addItem", "addItems", "addAction", "addMenu",
           "QLabel", "GuardedLabel", "QPushButton", "QCheckBox", "QRadioButton", "QGroupBox",
           "QAction", "QMenu", "TToolbar97", "showMessage", "information", "warning", "critical",
           "question", "setSuffix", "setPrefix", "setDocName", "addRow", "setHeaderLabels",
           "setLabelText", "setButtonText"}
LITERAL = re.compile(r'(?<![\w\'])(u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"')


def strip_comments(text):
    """The text with // and /* */ comments blanked, string literals kept."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if c == '"' or c == "'":
            quote = c
            j = i + 1
            while j < n and text[j] != quote and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def enclosing_calls(text, start):
    """The names of the calls the literal at start is an argument of, innermost first."""
    names, depth, i = [], 0, start - 1
    while i >= 0:
        c = text[i]
        if c == ")":
            depth += 1
        elif c == "(":
            if depth == 0:
                m = re.search(r"([A-Za-z_][A-Za-z0-9_]*)\s*$", text[max(0, i - 60):i])
                names.append(m.group(1) if m else "")
            else:
                depth -= 1
        elif c in ";{}" and depth == 0:
            break
        i -= 1
    return names


def is_prose(value, calls):
    if value in ALLOWED or value in GROUP_CAPTIONS:
        return False
    if not re.search(r"[A-Za-z]{2,}", value):
        return False  # punctuation, numbers, placeholders
    if not re.search(r"\s", value.replace("\\n", " ")):
        # One word: an identifier, key, file name, path, option or unit, unless it is
        # given to a call that puts it on the screen.
        return bool(calls) and calls[0] in DISPLAY and re.match(r"^&?[A-Z][a-z]", value) is not None
    if value.startswith(("--", "^")):
        return False  # a pattern
    return True


def main(root):
    faults = []
    for folder, _, files in os.walk(root):
        for name in sorted(files):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, root)
            if rel in ALLOWED_FILES:
                continue
            text = strip_comments(open(path, encoding="utf-8").read())
            previous_end, previous_ok = -1, False
            for m in LITERAL.finditer(text):
                line_start = text.rfind("\n", 0, m.start()) + 1
                if text[line_start:m.start()].lstrip().startswith("#"):
                    continue  # #include, #pragma
                # "…" "…": one literal in pieces, judged as the first piece.
                if previous_end >= 0 and not text[previous_end:m.start()].strip():
                    previous_end = m.end()
                    continue
                else:
                    # The wrappers that only make a QString of a literal say nothing.
                    calls = [c for c in enclosing_calls(text, m.start())
                             if c not in ("QStringLiteral", "QLatin1String", "fromLatin1",
                                          "fromUtf8", "QString", "u8")]
                    ok = any(c in WRAPPERS for c in calls[:2]) or not is_prose(m.group(2), calls)
                # A piece after one reported is not reported again.
                previous_end, previous_ok = m.end(), True
                if ok:
                    continue
                number = text.count("\n", 0, m.start()) + 1
                faults.append(f"{rel}:{number}: \"{m.group(2)}\" is shown without tr()")
    for f in faults:
        print(f)
    if faults:
        print(f"{len(faults)} text(s) bypass the translation system; wrap them in tr() or "
              "QT_TR_NOOP(), or add them to the list in this script with the reason no user "
              "reads them.")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
