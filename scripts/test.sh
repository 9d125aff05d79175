#!/usr/bin/env bash
# Builds everything and runs all tests; then runs the Qt-free tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTALVO_SANITIZE=ON \
    -DTALVO_BUILD_UI=OFF -DTALVO_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure -j"$jobs"
