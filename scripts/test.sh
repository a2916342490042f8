#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test headless: once in a
# normal build and once with AddressSanitizer and UndefinedBehaviorSanitizer.
# Last, the fuzz target of the data file reader is built and run for a minute,
# so that it keeps building; an input that crashes it fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
export QT_QPA_PLATFORM=offscreen

jobs=$(nproc)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-test -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELOX_SANITIZE=ON -DPELOX_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"

echo "== Tests =="
ctest --test-dir build-test --output-on-failure
echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure
echo "== The data file reader fuzzed for a minute =="
bash scripts/fuzz.sh 60
