// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three steps of every change, each alone, on the heaviest star.
#include "worstcase.h"

#include "curve/calc.h"
#include "platform/picturewidget.h"
#include "render/figure.h"
#include "star/corners.h"

#include <benchmark/benchmark.h>

namespace {

[[gnu::noinline]] void figureAlone(frmPelox& w, const FigureMapping& m)
{
    w.picPelox->clear();
    drawFigure(*w.picPelox, w, m, 1, w.AnzahlEcken, true, 2);
    benchmark::DoNotOptimize(w.picPelox->image());
}

void BM_Eckenberechnung(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    PeloxState s = *b.w;
    for (auto _ : state) {
        star::PeloxBerechnung(s);
        benchmark::DoNotOptimize(s.PunktX.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Eckenberechnung);

void BM_Kurvenberechnung(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    PeloxState s = *b.w;
    for (auto _ : state) {
        curve::KurvenBerechnung(s);
        benchmark::DoNotOptimize(s.KurvePunktX.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Kurvenberechnung);

// Clearing the star picture and drawing the figure into its retained image,
// without showing it.
void BM_Figur(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    frmPelox& w = *b.w;
    const FigureMapping bildschirm{w.Massstab, w.MitteX, w.MitteY, false};
    for (auto _ : state)
        figureAlone(w, bildschirm);
}
BENCHMARK(BM_Figur)->Unit(benchmark::kMicrosecond);

} // namespace
