#!/usr/bin/env bash
# Formats the tracked C++ sources with the repository's .clang-format.
#   tools/format.sh           rewrite every file that is not formatted
#   tools/format.sh --check   change nothing; list the files that are not formatted and fail
# CLANG_FORMAT names the binary (default: clang-format-14, else clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format="${CLANG_FORMAT:-}"
if [ -z "$clang_format" ]; then
    clang_format="$(command -v clang-format-14 || command -v clang-format || true)"
fi
if [ -z "$clang_format" ]; then
    echo "clang-format is not installed (Debian: clang-format-14)" >&2
    exit 2
fi

mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
[ ${#files[@]} -eq 0 ] && exit 0

if [ "${1:-}" = "--check" ]; then
    unformatted=()
    for f in "${files[@]}"; do
        "$clang_format" --style=file --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
    done
    if [ ${#unformatted[@]} -ne 0 ]; then
        printf 'Not formatted: %s\n' "${unformatted[@]}" >&2
        echo "Run tools/format.sh (or: cmake --build build --target format)." >&2
        exit 1
    fi
    echo "All ${#files[@]} C++ files are formatted."
else
    "$clang_format" --style=file -i "${files[@]}"
fi
