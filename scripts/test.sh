#!/usr/bin/env bash
# Checks the layout of the sources; builds everything with warnings as errors
# and runs all tests; runs the Qt-free tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer; builds the fuzz targets and runs each over its
# seeds for a while. A compiler launcher (ccache) is used only when the
# environment names one: CMAKE_CXX_COMPILER_LAUNCHER=ccache. TALVO_JOBS sets
# the number of compile jobs, TALVO_FUZZ_SECONDS the time of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="${TALVO_JOBS:-$(nproc)}"
fuzz_seconds="${TALVO_FUZZ_SECONDS:-20}"

# The layout check first, as it is quick; a file that differs fails the run
# at its end, after every build and test has had its say.
format_ok=1
bash scripts/check-format.sh || format_ok=0

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVO_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# The window tests of the focus once more on a real X server with a window
# manager (Xvfb and openbox), where activation and focus arrive as on a
# desktop and not as the offscreen platform delivers them. Only the tests
# named for the focus run here, one at a time (they share the one screen).
xvfb-run -a -s '-screen 0 1600x1200x24' sh -c \
    'openbox >/dev/null 2>&1 & sleep 1; TALVO_TEST_PLATFORM=xcb ctest --test-dir build --output-on-failure -R Focus'

CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTALVO_SANITIZE=ON \
    -DTALVO_BUILD_UI=OFF -DTALVO_BUILD_BENCH=OFF -DTALVO_WERROR=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure -j"$jobs"

# The libraries and both programs at Release (-O3), warnings as errors: the
# optimiser inlines more there and warns of what the build above does not
# see. Built only; its tests would run the same code as the build above.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTALVO_WERROR=ON \
    -DTALVO_BUILD_TESTS=OFF -DTALVO_BUILD_BENCH=OFF
cmake --build build-release -j"$jobs"

# The fuzz targets, all four at once, each from its seeds in tests/fuzz/seeds/
# into a fresh corpus of its own. A finding (crash, leak, time-out, memory
# beyond the limit) ends its target with an error and is kept in
# build-fuzz/findings/.
fuzzers=(design_fuzz settings_fuzz intake_fuzz picture_fuzz)
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTALVO_FUZZ=ON -DTALVO_BUILD_BENCH=OFF \
    -DTALVO_WERROR=ON
cmake --build build-fuzz -j"$jobs" --target "${fuzzers[@]}"
rm -rf build-fuzz/corpus build-fuzz/logs build-fuzz/findings
mkdir -p build-fuzz/findings build-fuzz/logs
pids=()
for f in "${fuzzers[@]}"; do
    kind=${f%_fuzz}
    args=(-max_total_time="$fuzz_seconds" -timeout=10 -print_final_stats=1
        -artifact_prefix=build-fuzz/findings/"$kind"-)
    # A text of a design may hold 32,767 bytes, with its two bytes of length.
    [ "$f" = design_fuzz ] && args+=(-max_len=32769)
    mkdir -p build-fuzz/corpus/"$kind"
    build-fuzz/tests/"$f" "${args[@]}" build-fuzz/corpus/"$kind" tests/fuzz/seeds/"$kind" \
        >build-fuzz/logs/"$kind".log 2>&1 &
    pids+=($!)
done
fuzz_ok=1
for i in "${!fuzzers[@]}"; do
    kind=${fuzzers[$i]%_fuzz}
    if wait "${pids[$i]}"; then
        echo "${fuzzers[$i]}: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' \
            build-fuzz/logs/"$kind".log | grep -o '[0-9]*$') runs, no finding"
    else
        fuzz_ok=0
        echo "${fuzzers[$i]}: FOUND A FAULT (build-fuzz/logs/$kind.log):" >&2
        tail -n 60 build-fuzz/logs/"$kind".log >&2
    fi
done

status=0
if [ "$format_ok" = 0 ]; then
    echo "test.sh: sources not formatted (listed above; bash scripts/format.sh)" >&2
    status=1
fi
if [ "$fuzz_ok" = 0 ]; then
    echo "test.sh: a fuzz target found a fault (build-fuzz/findings/)" >&2
    status=1
fi
exit "$status"
