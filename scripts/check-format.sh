#!/usr/bin/env bash
# Checks that the C++ sources of src/, tests/, bench/ and app/ are laid out as
# the project's .clang-format says (clang-format-14). Lists every file that
# differs and fails; scripts/format.sh formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/format-files.sh

if ! command -v "$CLANG_FORMAT" >/dev/null; then
    echo "check-format.sh: $CLANG_FORMAT not found (bash scripts/install-deps.sh)" >&2
    exit 2
fi
# clang-format leaves a formatted file as it is: a file whose formatted text
# differs from its own is listed.
differ=$(format_files | xargs -0 -P"$(nproc)" -n8 bash -c '
    for f; do "$0" --style=file "$f" | cmp -s - "$f" || echo "$f"; done' "$CLANG_FORMAT" |
    sort)
if [ -n "$differ" ]; then
    echo "check-format.sh: these files are not formatted (bash scripts/format.sh formats them):" >&2
    echo "$differ" | sed 's/^/    /' >&2
    exit 1
fi
echo "check-format.sh: every source is formatted"
