// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The net of the heaviest star at 0.4 of its outer radius on A4: computed and
// laid on its sheets, its complete PDF and its DXF.
#include "worstcase.h"

#include "net/netz.h"
#include "net/zeichnen.h"
#include "paper/zeichnung.h"
#include "platform/pdffile.h"
#include "print/faltnetz.h"

#include <QTemporaryDir>
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
            state.SkipWithError(e.grund.asWritten().c_str());
        benchmark::DoNotOptimize(e.netz->teile.data());
    }
}
BENCHMARK(BM_Netz)->Unit(benchmark::kMillisecond);

void BM_Netz_PDF(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    const QString path = dir.filePath(QStringLiteral("Pelox_1_Faltstern.pdf"));
    const netz::Vorgabe v = a4(*b.w);
    for (auto _ : state) {
        const netz::Ergebnis e = b.w->Faltnetz(b.w->AussenDurchmesser, v);
        if (!e.netz || !b.w->NetzPdfSchreiben(path, *e.netz, b.w->NetzAngaben(b.w->AussenDurchmesser),
                                    PdfPaper{QPageSize::A4}))
            state.SkipWithError("the PDF was not written");
    }
}
BENCHMARK(BM_Netz_PDF)->Unit(benchmark::kMillisecond);

// The net computed once; its drawing and its DXF file each time.
void BM_Netz_DXF(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    const QString path = dir.filePath(QStringLiteral("Pelox_1_Faltstern.dxf"));
    const netz::Ergebnis e = b.w->Faltnetz(b.w->AussenDurchmesser, a4(*b.w));
    if (!e.netz) {
        state.SkipWithError(e.grund.asWritten().c_str());
        return;
    }
    for (auto _ : state) {
        if (!b.w->ZeichnungSchreiben(path, netz::zeichnen(*e.netz, {}, "Pelox_1.plx"), true))
            state.SkipWithError("the DXF was not written");
    }
}
BENCHMARK(BM_Netz_DXF)->Unit(benchmark::kMillisecond);

} // namespace
