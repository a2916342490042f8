#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are still missing. "run" needs what builds
# and starts the program; "test" adds what the tests use (the test framework,
# a private print server with a PDF printer, PDF tools, a reader of STL files,
# the fuzzer runtime, the benchmark library, the X server and X library that
# time the start, the checkers of the manual page, the AppStream metadata and
# the package, the desktop's database of file types and the tool that asks it, and
# what scripts/screenshots.sh drives the window with).
set -euo pipefail

run_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev libcups2-dev libqpdf-dev libfontconfig-dev libdxflib-dev fonts-liberation)
test_packages=(googletest libgtest-dev libbenchmark-dev cups printer-driver-cups-pdf poppler-utils python3-ezdxf
    clang libclang-rt-14-dev desktop-file-utils dpkg-dev xvfb xauth libxcb-damage0-dev
    groff-base appstream lintian shared-mime-info libglib2.0-bin xdotool imagemagick admesh)

wanted=("${run_packages[@]}")
if [ "${1:-run}" = test ]; then
    wanted+=("${test_packages[@]}")
fi

missing=()
for p in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
