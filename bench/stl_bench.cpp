// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The heaviest star folded at 0.4 of its outer radius and written as a solid
// of both halves.
#include "worstcase.h"

#include "net/koerper.h"
#include "net/stl.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Stl(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    const PeloxState s = *b.w;
    const double hoehe = 0.4 * s.AussenDurchmesser / 2;
    for (auto _ : state) {
        const netz::Gefaltet g = netz::falten(s, hoehe);
        if (!g.koerper) {
            state.SkipWithError(g.grund.asWritten().c_str());
            break;
        }
        const netz::Stl stl = netz::stlDatei(*g.koerper, 2);
        benchmark::DoNotOptimize(stl.daten.data());
    }
}
BENCHMARK(BM_Stl)->Unit(benchmark::kMillisecond);

} // namespace
