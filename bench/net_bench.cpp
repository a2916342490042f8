// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The net of the heaviest star at 0.4 of its outer radius on A4: computed and
// laid on its sheets.
#include "worstcase.h"

#include "net/netz.h"

#include <benchmark/benchmark.h>

namespace {

netz::Vorgabe a4(const PeloxState& s)
{
    netz::Vorgabe v;
    v.hoehe = 0.4 * s.AussenDurchmesser / 2;
    v.blattBreite = 20.285;
    v.blattHoehe = 28.998;
    return v;
}

void BM_Netz(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    const PeloxState s = *b.w;
    const netz::Vorgabe v = a4(s);
    for (auto _ : state) {
        const netz::Ergebnis e = netz::entfalten(s, v);
        if (!e.netz)
            state.SkipWithError(e.grund.c_str());
        benchmark::DoNotOptimize(e.netz->teile.data());
    }
}
BENCHMARK(BM_Netz)->Unit(benchmark::kMillisecond);

} // namespace
