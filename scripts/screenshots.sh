#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots in docs/ from the real program on a private X server
# (Xvfb): the window with an example design, its picture's right-click menu,
# and the poster and folded-star dialogs opened from that menu; each once in
# German (window.png …) and once in English (window-en.png …). Run it again
# whenever the window changes. Usage: screenshots.sh [BUILD_DIR] (build-release by default; it is
# built first).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
out=docs
# The design is shown with its path, so it is read from a folder whose name
# stays the same from one run to the next.
designs=/tmp/pelox-screenshots

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELOX_BUILD_TESTS=OFF -DPELOX_BUILD_BENCH=OFF
fi
cmake --build "$build" --target pelox

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work" "$designs"
}
mkdir "$designs" || { echo "$designs is in use" >&2; exit 1; }
trap finish EXIT
cp examples/blume.plx "$designs/"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

# The first window with the title, once the program has drawn it.
window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1 | grep . \
        || { echo "no window \"$1\" appeared" >&2; exit 1; }
}
shot() {
    sleep 1
    import -window "$1" "$out/$2"
    echo "$out/$2"
}

# One run of the program in a language: LANGUAGE as a user sets it, the
# suffix of the pictures' names, and the titles of the three windows.
shots() {
    local language=$1 suffix=$2 main_title=$3 poster_title=$4 faltstern_title=$5
    # A settings folder of its own, so that nothing the user or the other run
    # set shows; no locale beyond C, as in a fresh container.
    local home=$work/$suffix
    mkdir -p "$home/config"
    mkdir -m 700 "$home/runtime"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime LC_ALL=C.UTF-8 LANGUAGE=$language \
        QT_QPA_PLATFORM=xcb "$build/pelox" "$designs/blume.plx" 2>/dev/null &
    local program=$!
    pids+=($program)

    local main
    main=$(window "$main_title")
    shot "$main" "window$suffix.png"

    # The menu is a window of its own beside the main one, so both are taken
    # from the screen, which holds nothing else.
    xdotool mousemove --window "$main" 300 220 click 3
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window root -crop "$((WIDTH + 300))x${HEIGHT}+0+0" "$out/menu$suffix.png"
    echo "$out/menu$suffix.png"

    # The poster entry is the fifth from the end of the menu (before the
    # folded star, the sheet of stars and the two printer entries); how many
    # entries come before it depends on what can be undone.
    xdotool key Up Up Up Up Up Return
    local poster
    poster=$(window "$poster_title")
    # A poster of 60 cm, to show the grid of its sheets; the diameter has the focus.
    xdotool key --window "$poster" ctrl+a
    xdotool type --window "$poster" 60
    xdotool key --window "$poster" Tab
    shot "$poster" "poster$suffix.png"
    xdotool key Escape
    sleep 1

    # The folded star comes after the poster.
    xdotool mousemove --window "$main" 300 220 click 3
    sleep 1
    xdotool key Up Up Up Up Return
    local faltstern
    faltstern=$(window "$faltstern_title")
    shot "$faltstern" "faltstern$suffix.png"

    kill "$program"
    wait "$program" 2>/dev/null || true
}

mkdir -p "$out"
# With no language set the program is German, as on a German desktop.
shots "" "" "Pelox-Programm" "Auf mehreren Blättern drucken" "Faltstern"
shots en -en "Pelox program" "Print on several sheets" "Folded star"
