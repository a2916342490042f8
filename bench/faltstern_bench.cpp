// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One update of the folded star's dialog while a value changes: the heaviest
// star folded and cut anew on A4, its sheets and the 3D view drawn again.
#include "worstcase.h"

#include "app/faltsterndialog.h"
#include "app/sternansicht.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <benchmark/benchmark.h>

namespace {

void BM_Faltstern_Vorschau(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    FaltsternDialog d(*b.w, std::nullopt, nullptr, nullptr);
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
BENCHMARK(BM_Faltstern_Vorschau)->Unit(benchmark::kMillisecond);

} // namespace
