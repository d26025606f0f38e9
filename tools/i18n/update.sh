#!/bin/sh
# Collects the program's texts into the translation sources (translations/*.ts), keeps
# what is translated, and puts the element names in from element-names.csv.
#   tools/i18n/update.sh [LUPDATE]
set -eu
cd "$(dirname "$0")/../.."
lupdate="${1:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
"$lupdate" -silent -locations none -no-obsolete src -ts translations/auralis_*.ts
python3 tools/i18n/fill_names.py translations/auralis_*.ts
# Once more, so the files keep lupdate's own layout.
"$lupdate" -silent -locations none -no-obsolete src -ts translations/auralis_*.ts
