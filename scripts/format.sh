#!/usr/bin/env bash
# Formats the C++ sources of src/, tests/, bench/ and app/ in place with the
# project's .clang-format (clang-format-14); scripts/check-format.sh checks them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/format-files.sh
format_files | xargs -0 -P"$(nproc)" -n8 "$CLANG_FORMAT" --style=file -i
