#!/usr/bin/env bash
# Builds Talvo-SI and starts it on the sample design of examples/.
# Installs the Debian packages it needs first. Without a display (no X or
# Wayland session) the program is started on a virtual X server instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target Talvo-SI

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/bin/Talvo-SI" examples/sample.kvd
fi
echo "run.sh: no display found; starting Talvo-SI on a virtual X server (xvfb-run)" >&2
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/Talvo-SI" examples/sample.kvd
