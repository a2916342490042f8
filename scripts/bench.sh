#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a release build with the benchmarks, runs them (the user events once
# more on a screen scaled to twice the size), times the start of the real
# program under Xvfb (with no print server and with one answering),
# and prints every median next to its budget. Timings on a shared machine are
# noisy, so this is no test: it ends with 0 whatever the figures, and only a
# failing step makes it fail. Results are kept in build-bench/results/.
#
#   scripts/bench.sh                 10 repetitions of each benchmark, 21 starts
#   PELOX_BENCH_REPETITIONS=N PELOX_BENCH_STARTS=M scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test

repetitions=${PELOX_BENCH_REPETITIONS:-10}
starts=${PELOX_BENCH_STARTS:-21}
build=build-bench
results=$build/results

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELOX_BUILD_TESTS=OFF -DPELOX_BUILD_BENCH=ON >/dev/null
cmake --build "$build"
mkdir -p "$results"

scratch=$(mktemp -d)
xvfb_pid=
printer_dir=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    [[ -n $printer_dir ]] && bash scripts/test-printer.sh stop "$printer_dir" >/dev/null 2>&1
    rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "== Benchmarks ($repetitions repetitions each) =="
QT_QPA_PLATFORM=offscreen "$build/bench/pelox_bench" --benchmark_repetitions="$repetitions" \
    --benchmark_report_aggregates_only=true --benchmark_out="$results/bench.json" \
    --benchmark_out_format=json
echo "== The user events again on a screen scaled to twice the size =="
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$build/bench/pelox_bench" --benchmark_filter=BM_Ereignis_ \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/bench-ratio2.json" --benchmark_out_format=json

echo "== Start of the program under Xvfb ($starts starts each) =="
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $scratch/display ]] && break
    sleep 0.05
done
[[ -s $scratch/display ]] || { cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$scratch/display")
export QT_QPA_PLATFORM=xcb
probe() {
    "$build/bench/pelox_startprobe" "$starts" 500 "$@"
}
# No print server: libcups finds nothing to talk to.
CUPS_SERVER=$scratch/no-print-server.sock probe "$build/pelox" >"$results/start.txt"
CUPS_SERVER=$scratch/no-print-server.sock probe "$build/bench/pelox_barewindow" >"$results/bare.txt"
# A print server with a default printer answering.
rm -f "$results/start-printer.txt"
printer_dir=$scratch/printer
if server=$(bash scripts/test-printer.sh start "$printer_dir" 2>"$scratch/printer.log"); then
    eval "$server"
    probe "$build/pelox" >"$results/start-printer.txt"
else
    echo "no private print server (it needs root or sudo): the start with a printer is left out" >&2
fi

# Every median next to its budget; wall-clock time is what a user waits for.
machine="$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'),\
 $(grep -m1 'cpu MHz' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//') MHz"
echo
echo "Machine: $machine; load average $(cut -d' ' -f1-3 /proc/loadavg) after the run"
awk -v start="$results/start.txt" -v bare="$results/bare.txt" -v printer="$results/start-printer.txt" '
function ms(v, unit) { return unit == "ns" ? v / 1e6 : unit == "us" ? v / 1e3 : unit == "s" ? v * 1e3 : v }
function row(what, wall, cpu, budget, unit,   verdict) {
    verdict = budget == "" ? "" : (wall <= budget ? "ok" : "OVER")
    printf "%-44s %10.4g %10s %8s %-3s %s\n", what, wall, cpu == "" ? "" : sprintf("%.4g", cpu),
        budget == "" ? "-" : budget, unit, verdict
}
function probed(file, key,   line, f) {
    while ((getline line < file) > 0) { split(line, f, " "); if (f[1] == key) { close(file); return f[2] } }
    close(file); return ""
}
/"name":/ { gsub(/[",]/, "", $2); name = (FILENAME ~ /ratio2/ ? "x2_" : "") $2 }
/"aggregate_name":/ { gsub(/[",]/, "", $2); agg = $2 }
/"real_time":/ { gsub(/,/, "", $2); wall = $2 }
/"cpu_time":/ { gsub(/,/, "", $2); cpu = $2 }
/"time_unit":/ { gsub(/[",]/, "", $2); if (agg == "median") { sub(/_median$/, "", name); W[name] = ms(wall, $2); C[name] = ms(cpu, $2) } }
END {
    count = split("BM_Eckenberechnung|corner computation, 72 corners|;BM_Kurvenberechnung|curve calculation, 72 edges|;" \
          "BM_Figur|figure drawing into the picture|;BM_Ereignis_hsbAnzahl|hsbAnzahl Scroll step + repaint|0.5;" \
          "BM_Ereignis_hsbAussen|hsbAussen Scroll step + repaint|0.5;BM_Ereignis_Ecke|corner drag mouse move + repaint|0.5;" \
          "BM_Ereignis_Kurveneditor|curve editor mouse move + repaint|0.5;BM_Fenster_Start|window created to first star (in process)|;" \
          "x2_BM_Ereignis_hsbAnzahl|hsbAnzahl Scroll step + repaint, ratio 2|0.5;" \
          "x2_BM_Ereignis_hsbAussen|hsbAussen Scroll step + repaint, ratio 2|0.5;" \
          "x2_BM_Ereignis_Ecke|corner drag mouse move + repaint, ratio 2|0.5;" \
          "x2_BM_Ereignis_Kurveneditor|curve editor mouse move + repaint, ratio 2|0.5;" \
          "BM_Datei_Schreiben|data file written|;BM_Datei_Lesen|data file read + repaint|1;" \
          "BM_Druck_EinBlatt|one-sheet print job into a PDF|50;BM_Druck_ZweiBlatt|two-sheet print job into a PDF|", rows, ";")
    printf "%-44s %10s %10s %8s\n", "what (worst case)", "median ms", "cpu ms", "budget"
    for (i = 1; i <= count; ++i) {
        split(rows[i], r, "|")
        if (r[1] in W) row(r[2], W[r[1]], C[r[1]], r[3], "ms")
        else printf "%-44s %10s\n", r[2], "missing"
    }
    row("start to first star, no print server", probed(start, "startup_ms"), "", 80, "ms")
    v = probed(printer, "startup_ms")
    if (v != "") row("start to first star, print server answering", v, "", 80, "ms")
    row("peak resident memory, no print server", probed(start, "peak_rss_mb"), "", 40, "MB")
    v = probed(printer, "peak_rss_mb")
    if (v != "") row("peak resident memory, print server answering", v, "", 40, "MB")
    row("bare Qt window: start to first paint", probed(bare, "startup_ms"), "", "", "ms")
    row("bare Qt window: peak resident memory", probed(bare, "peak_rss_mb"), "", "", "MB")
}' "$results/bench.json" "$results/bench-ratio2.json" | tee "$results/table.txt"
