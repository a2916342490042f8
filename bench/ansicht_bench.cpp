// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the 3D view while it is turned: a mouse move with the left
// button over the heaviest star folded at 0.4 of its outer radius, and the
// view painted again.
#include "worstcase.h"

#include "app/sternansicht.h"
#include "net/koerper.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void BM_Ereignis_Ansicht(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    const PeloxState s = *b.w;
    const netz::Gefaltet g = netz::falten(s, 0.4 * s.AussenDurchmesser / 2);
    if (!g.koerper) {
        state.SkipWithError(g.grund.asWritten().c_str());
        return;
    }
    SternAnsicht ansicht;
    ansicht.resize(400, 400);
    ansicht.zeigen(netz::szene(*g.koerper, 2));
    ansicht.show();
    settle();
    QPointF pos(200, 200);
    QMouseEvent druck(QEvent::MouseButtonPress, pos, ansicht.mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(&ansicht, &druck);
    int schritt = 0;
    for (auto _ : state) {
        // Back and forth across the picture, so that every angle is met.
        pos.rx() += (schritt++ / 60) % 2 ? -3 : 3;
        QMouseEvent zug(QEvent::MouseMove, pos, ansicht.mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
            Qt::NoModifier);
        QApplication::sendEvent(&ansicht, &zug);
        ansicht.repaint();
    }
}
BENCHMARK(BM_Ereignis_Ansicht)->Unit(benchmark::kMillisecond);

} // namespace
