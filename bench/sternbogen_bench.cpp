// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet of stars on A4: 30 copies of the heaviest star at 5 cm, and 200
// copies of the start-up design at 3 cm.
#include "worstcase.h"

#include "bogen/bogen.h"
#include "poster/plan.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double kA4Breite = 21 - 2 * 0.635;
constexpr double kA4Hoehe = 29.7 - 2 * 0.635;

[[gnu::noinline]] bool auslegen(const PeloxState& s, double durchmesser, int anzahl)
{
    const bogen::Sorte sorte{bogen::umriss(poster::skaliert(s, durchmesser)), anzahl, s.AnzahlSpitzen};
    return bogen::auslegen({sorte}, kA4Breite, kA4Hoehe, bogen::kAbstandStandard).bogen.has_value();
}

void BM_Sternbogen_Schwer(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    const PeloxState s = *b.w;
    for (auto _ : state)
        if (!auslegen(s, 5, 30))
            state.SkipWithError("no layout");
}
BENCHMARK(BM_Sternbogen_Schwer)->Unit(benchmark::kMillisecond);

void BM_Sternbogen_200(benchmark::State& state)
{
    BenchWindow b;
    const PeloxState s = *b.w;
    for (auto _ : state)
        if (!auslegen(s, 3, 200))
            state.SkipWithError("no layout");
}
BENCHMARK(BM_Sternbogen_200)->Unit(benchmark::kMillisecond);

} // namespace
