// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the 3D view while it is turned: a mouse move with the left
// button over the heaviest star folded at 0.4 of its outer radius, and the
// view painted again; plain, and as a lit lantern with a window in every
// face and the opening (the hanger's hole finds no room on its tips).
#include "worstcase.h"

#include "app/sternansicht.h"
#include "net/koerper.h"
#include "net/laterne.h"
#include "net/netz.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void drehen(benchmark::State& state, const netz::Szene& szene)
{
    SternAnsicht ansicht;
    ansicht.resize(400, 400);
    ansicht.zeigen(szene);
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
    drehen(state, netz::szene(*g.koerper, 2));
}
BENCHMARK(BM_Ereignis_Ansicht)->Unit(benchmark::kMillisecond);

void BM_Ereignis_Ansicht_Leuchtend(benchmark::State& state)
{
    BenchWindow b;
    if (!setWorstCase(state, *b.w))
        return;
    const PeloxState s = *b.w;
    netz::Vorgabe v;
    v.hoehe = 0.4 * s.AussenDurchmesser / 2;
    v.blattBreite = 28.998;
    v.blattHoehe = 41.311;
    // The narrowest frame and the roundest corners: the most window left
    // in the most faces, with the most points.
    v.fensterRahmen = netz::kRahmenMin;
    v.fensterRadius = netz::kFensterRadiusMax;
    v.einsaetze = true;
    v.oeffnung = netz::kOeffnungMin;
    const netz::Ergebnis e = netz::entfalten(s, v);
    if (!e.netz) {
        state.SkipWithError(e.grund.asWritten().c_str());
        return;
    }
    netz::Szene szene = netz::szene(*e.netz, v);
    szene.farbe = {netz::Rgb{180, 20, 30}, netz::Rgb{20, 60, 160}};
    szene.einsatz = netz::Rgb{250, 220, 120};
    szene.leuchtend = true;
    std::size_t loecher = 0;
    for (const netz::Dreieck3& d : szene.dreiecke)
        loecher += d.loecher.size();
    state.counters["Loecher"] = double(loecher);
    drehen(state, szene);
}
BENCHMARK(BM_Ereignis_Ansicht_Leuchtend)->Unit(benchmark::kMillisecond);

} // namespace
