// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The poster: plan and complete PDF of the start-up design at 100 cm on A4,
// and one preview update of the dialog while the diameter changes.
#include "worstcase.h"

#include "app/posterdialog.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

[[gnu::noinline]] bool writePosterPdf(frmPelox& w, const QString& path)
{
    return w.PosterPdfSchreiben(path, {100, 1, poster::Ausrichtung::Automatisch}, PdfPaper{});
}

[[gnu::noinline]] void previewStep(PosterDialog& d, double durchmesser)
{
    d.spnDurchmesser->setValue(durchmesser);
    d.picVorschau->repaint();
}

void BM_Poster_PDF(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchWindow b;
    const QString path = dir.filePath(QStringLiteral("Pelox_1_Poster.pdf"));
    for (auto _ : state) {
        if (!writePosterPdf(*b.w, path))
            state.SkipWithError("the PDF was not written");
    }
}
BENCHMARK(BM_Poster_PDF)->Unit(benchmark::kMillisecond);

// The heaviest star at the largest size, half a centimetre up and down in turn.
void BM_Poster_Vorschau(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    b.w->mnuPoster->trigger();
    PosterDialog* d = b.w->dlgPoster;
    settle();
    int i = 0;
    for (auto _ : state)
        previewStep(*d, ++i & 1 ? 199.5 : 200);
}
BENCHMARK(BM_Poster_Vorschau)->Unit(benchmark::kMillisecond);

} // namespace
