# shellcheck shell=bash
# The files scripts/format.sh formats and scripts/check-format.sh checks:
# every .cpp and .h of src/, tests/, bench/ and app/, separated by NULs.
CLANG_FORMAT="${CLANG_FORMAT:-clang-format-14}"
format_files() {
    find src tests bench app -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z
}
