// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// User events end to end through the real window at the heaviest star, each
// with the repaint that follows it: the window's pending update request is
// delivered at once, as the event loop would next, and paints every part the
// event changed, the retained pictures among them.
#include "worstcase.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"
#include "star/drag.h"
#include "support/input.h"

#include <QAction>
#include <benchmark/benchmark.h>

namespace {

// Each timed event is a function of its own, so that a profiler can count it
// alone (valgrind --tool=callgrind --toggle-collect='*thumbStep*').
[[gnu::noinline]] void thumbStep(frmPelox& w, ScrollBar* bar, int position)
{
    bar->setSliderPosition(position);
    paintPending(w);
}

[[gnu::noinline]] void bendPointMove(frmPelox& w, double x, double y)
{
    sendMouseMove(w.picKurvenForm, x, y, 1);
    paintPending(w);
}

[[gnu::noinline]] void cornerMove(frmPelox& w, double x, double y)
{
    sendMouseMove(w.picPelox, x, y, 1);
    paintPending(w);
}

// Dragging the thumb one step down and up again in turn: every step is a
// Scroll event of the bar.
void scrollSteps(benchmark::State& state, ScrollBar* frmPelox::*bar)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    frmPelox& w = *b.w;
    ScrollBar* sb = w.*bar;
    const int top = sb->sliderPosition();
    sb->setSliderDown(true);
    int i = 0;
    for (auto _ : state)
        thumbStep(w, sb, top - (++i & 1));
    sb->setSliderDown(false);
}

void BM_Ereignis_hsbAnzahl(benchmark::State& state)
{
    scrollSteps(state, &frmPelox::hsbAnzahl);
}
BENCHMARK(BM_Ereignis_hsbAnzahl)->Unit(benchmark::kMicrosecond);

void BM_Ereignis_hsbAussen(benchmark::State& state)
{
    scrollSteps(state, &frmPelox::hsbAussen);
}
BENCHMARK(BM_Ereignis_hsbAussen)->Unit(benchmark::kMicrosecond);

// Bend point 2 pulled with the left button, back and forth by less than the
// catch distance: every move bends all 72 edges and redraws both pictures.
void BM_Ereignis_Kurveneditor(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    frmPelox& w = *b.w;
    const double x = w.KurveX2;
    const double y = w.KurveY2;
    sendMouseMove(w.picKurvenForm, x, y, 0);
    int i = 0;
    for (auto _ : state)
        bendPointMove(w, x, y + 60 * (++i & 1));
}
BENCHMARK(BM_Ereignis_Kurveneditor)->Unit(benchmark::kMicrosecond);

// Corner 1 pulled with the left button along its ray, in and out by less
// than the catch distance: every move recomputes and redraws the whole star.
// The pointer over corner 1 of the star, with no button held.
QPointF ueberEcke1(frmPelox& w)
{
    const QPointF p(star::bildX(w, 1), star::bildY(w, 1));
    sendMouseMove(w.picPelox, p.x(), p.y(), 0);
    return p;
}

void BM_Ereignis_Ecke(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    frmPelox& w = *b.w;
    const auto [x, y] = ueberEcke1(w);
    int i = 0;
    for (auto _ : state)
        cornerMove(w, x - 3 * (++i & 1), y);
    if (w.Gezogen != 1)
        state.SkipWithError("the corner was not dragged");
}
BENCHMARK(BM_Ereignis_Ecke)->Unit(benchmark::kMicrosecond);

// The drag of corner 1 taken back and done again in turn: each is one step of
// the undo stack, with the whole design set and the star redrawn.
void BM_Ereignis_Rueckgaengig(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    frmPelox& w = *b.w;
    const auto [x, y] = ueberEcke1(w);
    cornerMove(w, x - 3, y);
    sendMouseMove(w.picPelox, x - 3, y, 0);
    int i = 0;
    for (auto _ : state) {
        (++i & 1 ? w.mnuRueckgaengig : w.mnuWiederholen)->trigger();
        paintPending(w);
    }
    if (!w.mnuRueckgaengig->isEnabled() && !w.mnuWiederholen->isEnabled())
        state.SkipWithError("there was no step to take back");
}
BENCHMARK(BM_Ereignis_Rueckgaengig)->Unit(benchmark::kMicrosecond);

// In-process start: the window created, loaded and shown through to the
// first star painted. The start of the real program is measured outside, by
// the start-up probe.
void BM_Fenster_Start(benchmark::State& state)
{
    for (auto _ : state) {
        auto* b = new BenchWindow;
        state.PauseTiming();
        delete b;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Fenster_Start)->Unit(benchmark::kMillisecond);

} // namespace
