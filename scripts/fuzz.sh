#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz target of the star data file reader with clang and runs it
# for a bounded time: bash scripts/fuzz.sh [SECONDS] (default 60). The seeds in
# fuzz/corpus stay as they are; inputs found on the way go to fuzz/corpus-run,
# a failing input to build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/setup.sh test
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELOX_FUZZ=ON
cmake --build build-fuzz
mkdir -p fuzz/corpus-run
./build-fuzz/fuzz/plx_fuzz -max_total_time="$seconds" -max_len=4096 -dict=fuzz/plx.dict \
    -artifact_prefix=build-fuzz/ -print_final_stats=1 fuzz/corpus-run fuzz/corpus
