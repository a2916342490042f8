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
#   scripts/bench.sh                 10 repetitions of each benchmark, 21 starts of each kind
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

# The median of numbers, one a line.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# The heaviest net's PDF from the command line at the natural height, the
# height with the most sheets, as a user waits for it: the whole process.
echo "== The heaviest net's PDF from the command line ($starts runs) =="
: >"$results/net-cli.runs"
for _ in $(seq "$starts"); do
    TIMEFORMAT='%R %U %S'
    { time QT_QPA_PLATFORM=offscreen "$build/pelox" --net "$scratch/netz.pdf" --peak natural \
        bench/schwerster.plx 2>/dev/null; } 2>>"$results/net-cli.runs"
done
net_cli=$(awk '{ print $1 * 1000 }' "$results/net-cli.runs" | median)
net_cli_cpu=$(awk '{ print ($2 + $3) * 1000 }' "$results/net-cli.runs" | median)

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
    "$build/bench/pelox_startprobe" "$per_round" 500 "$@"
}
summarise() {
    echo "startup_ms $(awk '/complete picture after/ { print $6 }' "$1" | median)"
    echo "peak_rss_mb $(awk '/complete picture after/ { print $10 }' "$1" | median)"
}
# The print server is started first, so that its own start is over before
# anything is timed. The bare window, the program with no print server (libcups
# finds nothing to talk to) and the program with one answering then take turns,
# a few starts each, so that a change in the machine's load meets all three.
no_server=$scratch/no-print-server.sock
printer_dir=$scratch/printer
server=
if ! server=$(bash scripts/test-printer.sh start "$printer_dir" 2>"$scratch/printer.log"); then
    server=
    echo "no private print server (it needs root or sudo): the start with a printer is left out" >&2
fi
per_round=3
: >"$results/bare.runs"
: >"$results/start.runs"
: >"$results/start-printer.runs"
for _ in $(seq $(((starts + per_round - 1) / per_round))); do
    CUPS_SERVER=$no_server probe "$build/bench/pelox_barewindow" 2>>"$results/bare.runs" >/dev/null
    CUPS_SERVER=$no_server probe "$build/pelox" 2>>"$results/start.runs" >/dev/null
    if [[ -n $server ]]; then
        (eval "$server" && probe "$build/pelox") 2>>"$results/start-printer.runs" >/dev/null
    fi
done
summarise "$results/bare.runs" >"$results/bare.txt"
summarise "$results/start.runs" >"$results/start.txt"
rm -f "$results/start-printer.txt"
[[ -z $server ]] || summarise "$results/start-printer.runs" >"$results/start-printer.txt"

# Every median next to its budget in bench/budgets.txt, in the order of that
# table; wall-clock time is what a user waits for. The start is held to a ratio
# against the bare window of the same run, since the machine's load moves both.
machine="$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'),\
 $(grep -m1 'cpu MHz' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//') MHz"
echo
echo "Machine: $machine; load average $(cut -d' ' -f1-3 /proc/loadavg) after the run"
probed() {
    [[ -f $2 ]] && awk -v key="$1" '$1 == key { print $2 }' "$2"
}
awk -v start="$(probed startup_ms "$results/start.txt")" -v start_printer="$(probed startup_ms "$results/start-printer.txt")" \
    -v bare_start="$(probed startup_ms "$results/bare.txt")" -v peak_rss="$(probed peak_rss_mb "$results/start.txt")" \
    -v peak_rss_printer="$(probed peak_rss_mb "$results/start-printer.txt")" \
    -v bare_peak_rss="$(probed peak_rss_mb "$results/bare.txt")" -v net_cli="$net_cli" -v net_cli_cpu="$net_cli_cpu" '
function ms(v, unit) { return unit == "ns" ? v / 1e6 : unit == "us" ? v / 1e3 : unit == "s" ? v * 1e3 : v }
function row(what, wall, cpu, budget, unit,   verdict) {
    verdict = budget == "-" ? "" : (wall + 0 <= budget + 0 ? "ok" : "OVER")
    printf "%-44s %10.4g %10s %8s %-3s %s\n", what, wall, cpu == "" ? "" : sprintf("%.4g", cpu), budget, unit, verdict
}
FNR == NR {
    if ($0 !~ /^#/ && NF >= 4) {
        keys[++count] = $1; budget[$1] = $2; unit[$1] = $3
        what = $4
        for (i = 5; i <= NF; ++i) what = what " " $i
        label[$1] = what
    }
    next
}
/"name":/ { gsub(/[",]/, "", $2); name = (FILENAME ~ /ratio2/ ? "x2_" : "") $2 }
/"aggregate_name":/ { gsub(/[",]/, "", $2); agg = $2 }
/"real_time":/ { gsub(/,/, "", $2); wall = $2 }
/"cpu_time":/ { gsub(/,/, "", $2); cpu = $2 }
/"time_unit":/ { gsub(/[",]/, "", $2); if (agg == "median") { sub(/_median$/, "", name); W[name] = ms(wall, $2); C[name] = ms(cpu, $2) } }
END {
    P["start"] = start; P["start_printer"] = start_printer; P["bare_start"] = bare_start
    P["peak_rss"] = peak_rss; P["peak_rss_printer"] = peak_rss_printer; P["bare_peak_rss"] = bare_peak_rss
    if (bare_start > 0) {
        P["start_ratio"] = start / bare_start
        if (start_printer != "") P["start_ratio_printer"] = start_printer / bare_start
    }
    W["net_cli"] = net_cli; C["net_cli"] = net_cli_cpu
    printf "%-44s %10s %10s %8s\n", "what (worst case)", "median", "cpu ms", "budget"
    for (i = 1; i <= count; ++i) {
        k = keys[i]
        if (k in W) row(label[k], W[k], C[k], budget[k], unit[k])
        else if (P[k] != "") row(label[k], P[k], "", budget[k], unit[k])
        # Without root there is no private print server, as said above.
        else if (k !~ /_printer$/) printf "%-44s %10s\n", label[k], "missing"
    }
}' bench/budgets.txt "$results/bench.json" "$results/bench-ratio2.json" | tee "$results/table.txt"
