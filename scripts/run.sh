#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds a Release build and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELOX_BUILD_TESTS=OFF -DPELOX_BUILD_BENCH=OFF
cmake --build build-release
exec ./build-release/pelox "$@"
