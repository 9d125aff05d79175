#!/usr/bin/env bash
# Builds both programs and starts Talvo-SI on the sample design of examples/
# (or, with the argument Talvo1SI, the companion study program).
# Installs the Debian packages it needs first. Without a display (no X or
# Wayland session) the program is started on a virtual X server instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target Talvo-SI Talvo1SI

program=("$build/bin/Talvo-SI" examples/sample.kvd)
if [ "${1:-}" = "Talvo1SI" ]; then
    program=("$build/bin/Talvo1SI")
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "${program[@]}"
fi
echo "run.sh: no display found; starting ${program[0]##*/} on a virtual X server (xvfb-run)" >&2
exec xvfb-run -a -s "-screen 0 1280x1024x24" "${program[@]}"
