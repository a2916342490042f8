// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The star data file and the printout as a PDF, through the window.
#include "worstcase.h"

#include "platform/scrollbar.h"
#include "print/druck.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

[[gnu::noinline]] bool writeFile(frmPelox& w)
{
    return w.DateiSpeichern();
}

[[gnu::noinline]] void readFile(frmPelox& w, const std::string& path)
{
    w.DateiPfad = path;
    w.DateiLesen();
    paintPending(w);
}

[[gnu::noinline]] bool writePdf(frmPelox& w, const QString& path)
{
    return w.PdfSchreiben(path);
}

// The check that the star fits the page, as it runs before every print job
// and every PDF of the printout.
[[gnu::noinline]] bool fitCheck(const frmPelox& w, const druck::Steuerung& st)
{
    return !druck::Pruefen(w, st, 11906, 16838).has_value();
}

void BM_Datei_Schreiben(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    b.w->DateiPfad = dir.filePath(QStringLiteral("Pelox_1.plx")).toStdString();
    for (auto _ : state) {
        if (!writeFile(*b.w))
            state.SkipWithError("the file was not written");
    }
}
BENCHMARK(BM_Datei_Schreiben)->Unit(benchmark::kMicrosecond);

// Two heavy stars read in turn, so that every read changes the controls and
// runs their handlers, as reading a file the window does not already show.
void BM_Datei_Lesen(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchWindow b;
    frmPelox& w = *b.w;
    if (!setWorstCase(state, w))
        return;
    const std::string first = dir.filePath(QStringLiteral("a.plx")).toStdString();
    const std::string second = dir.filePath(QStringLiteral("b.plx")).toStdString();
    w.DateiPfad = first;
    const bool a = w.DateiSpeichern();
    w.hsbAnzahl->setValue(35);
    w.hsbAussen->setValue(37);
    w.hsbInnen->setValue(36);
    w.vsbYFaktor->setValue(9);
    w.optPeloxForm[0]->click();
    w.optStrichDicke[0]->click();
    w.KurvenWert[2] = w.KurvenWert[2] / 2;
    w.DateiPfad = second;
    const bool bWritten = w.DateiSpeichern();
    if (!a || !bWritten) {
        state.SkipWithError("the files were not written");
        return;
    }
    int i = 0;
    for (auto _ : state)
        readFile(w, ++i & 1 ? first : second);
    if (!b.messageBox.shown.empty())
        state.SkipWithError("a file was refused");
}
BENCHMARK(BM_Datei_Lesen)->Unit(benchmark::kMicrosecond);

// The printout as "Drucken" makes it, written into a PDF file instead of
// going to the print server: one sheet, or two halves on two pages.
void printToPdf(benchmark::State& state, bool zweiBlaetter)
{
    QTemporaryDir dir;
    BenchWindow b;
    frmPelox& w = *b.w;
    if (!setWorstCase(state, w))
        return;
    if (zweiBlaetter)
        w.chkZweiA4->click();
    const QString path = dir.filePath(QStringLiteral("Pelox_1.pdf"));
    for (auto _ : state) {
        if (!writePdf(w, path))
            state.SkipWithError("the PDF was not written");
    }
}

void BM_Druck_EinBlatt(benchmark::State& state)
{
    printToPdf(state, false);
}
BENCHMARK(BM_Druck_EinBlatt)->Unit(benchmark::kMillisecond);

void BM_Druck_ZweiBlatt(benchmark::State& state)
{
    printToPdf(state, true);
}
BENCHMARK(BM_Druck_ZweiBlatt)->Unit(benchmark::kMillisecond);

// On the heaviest star, one sheet and two: every edge, bend point and spoke
// is followed through the figure routine.
void BM_Druck_Passung(benchmark::State& state)
{
    BenchWindow b;
    frmPelox& w = *b.w;
    if (!setWorstCase(state, w))
        return;
    druck::Steuerung st;
    st.dreiD = true;
    st.zweiBlaetter = state.range(0) == 2;
    if (st.zweiBlaetter)
        w.chkZweiA4->click();
    for (auto _ : state)
        benchmark::DoNotOptimize(fitCheck(w, st));
}
BENCHMARK(BM_Druck_Passung)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
