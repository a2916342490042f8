// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One update of the folded star's dialog while a value changes: the heaviest
// star folded and cut anew on A4, its sheets and the 3D view drawn again;
// plain, and as a shaded coloured lantern with windows and inserts.
#include "worstcase.h"

#include "app/faltsterndialog.h"
#include "app/laternewahl.h"
#include "app/sternansicht.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <benchmark/benchmark.h>

namespace {

void vorschau(benchmark::State& state, bool laterne)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    FaltsternDialog d(*b.w, std::nullopt, nullptr, nullptr);
    if (laterne) {
        d.laterne->setFarbe(0, {200, 30, 40});
        d.laterne->chkSchattiert->setChecked(true);
        d.laterne->chkFenster->setChecked(true);
        d.laterne->chkEinsaetze->setChecked(true);
    }
    d.show();
    settle();
    if (!d.netz()) {
        state.SkipWithError("no net at the start");
        return;
    }
    // Up and down by a millimetre, each a whole new net.
    const double start = d.spnHoehe->value();
    int schritt = 0;
    for (auto _ : state) {
        d.spnHoehe->setValue(start + ((schritt++ % 2) ? 0.1 : 0));
        d.picStern->repaint();
    }
    if (!d.netz())
        state.SkipWithError("no net while the height changes");
}

void BM_Faltstern_Vorschau(benchmark::State& state)
{
    vorschau(state, false);
}
BENCHMARK(BM_Faltstern_Vorschau)->Unit(benchmark::kMillisecond);

void BM_Faltstern_Vorschau_Laterne(benchmark::State& state)
{
    vorschau(state, true);
}
BENCHMARK(BM_Faltstern_Vorschau_Laterne)->Unit(benchmark::kMillisecond);

} // namespace
