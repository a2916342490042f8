// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The free space of a sheet is kept as the largest rectangles that fit in it,
// overlapping each other; a piece goes where it leaves the least of a
// rectangle's shorter side over, and every free rectangle it covers is split
// around it.
#include "net/anordnung.h"

#include "net/netz.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace netz {

namespace {

struct Blatt {
    std::vector<Rechteck> frei;

    void belegen(const Rechteck& r)
    {
        std::vector<Rechteck> neu;
        for (const Rechteck& f : frei) {
            if (r.links >= f.rechts || r.rechts <= f.links || r.oben >= f.unten || r.unten <= f.oben) {
                neu.push_back(f);
                continue;
            }
            if (r.links > f.links)
                neu.push_back({f.links, f.oben, r.links, f.unten});
            if (r.rechts < f.rechts)
                neu.push_back({r.rechts, f.oben, f.rechts, f.unten});
            if (r.oben > f.oben)
                neu.push_back({f.links, f.oben, f.rechts, r.oben});
            if (r.unten < f.unten)
                neu.push_back({f.links, r.unten, f.rechts, f.unten});
        }
        frei.clear();
        for (std::size_t i = 0; i < neu.size(); ++i) {
            bool enthalten = false;
            for (std::size_t j = 0; j < neu.size() && !enthalten; ++j)
                enthalten = j != i && neu[j].enthaelt(neu[i]) && (!neu[i].enthaelt(neu[j]) || j < i);
            if (!enthalten)
                frei.push_back(neu[i]);
        }
    }
};

struct Wahl {
    std::size_t frei = 0;
    bool gedreht = false;
    double rest = INFINITY;
};

} // namespace

Anordnung anordnen(const std::vector<std::vector<Punkt>>& huellen, double breite, double hoehe)
{
    std::vector<Drehung> formen;
    for (const std::vector<Punkt>& h : huellen)
        formen.push_back(einpassen(h, breite, hoehe).value_or(Drehung{}));
    std::vector<std::size_t> folge(huellen.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        return formen[a].breite * formen[a].hoehe > formen[b].breite * formen[b].hoehe;
    });

    Anordnung a;
    a.plaetze.resize(huellen.size());
    std::vector<Blatt> blaetter;
    // The gap is added to the right and below every piece; the sheet grows by
    // as much, so that a piece may still reach the sheet's edge.
    std::vector<Rechteck> leer{{0, 0, breite + kAbstand, hoehe + kAbstand}};
    if (breite > kPruefmassFeld) {
        leer.push_back(
            {0, 0, breite - kPruefmassFeld + kAbstand, hoehe + kPruefmassFeld - kFusszeile + kAbstand});
    }
    for (const std::size_t i : folge) {
        const Drehung& f = formen[i];
        const double w = f.breite + kAbstand, h = f.hoehe + kAbstand;
        const auto suchen = [&](const Blatt& blatt) {
            Wahl wahl;
            for (std::size_t k = 0; k < blatt.frei.size(); ++k) {
                const Rechteck& r = blatt.frei[k];
                for (const bool gedreht : {false, true}) {
                    const double bw = gedreht ? h : w, bh = gedreht ? w : h;
                    if (bw > r.breite() || bh > r.hoehe())
                        continue;
                    const double rest = std::min(r.breite() - bw, r.hoehe() - bh);
                    if (rest < wahl.rest)
                        wahl = {k, gedreht, rest};
                }
            }
            return wahl;
        };
        std::size_t b = 0;
        Wahl wahl;
        for (; b < blaetter.size(); ++b) {
            wahl = suchen(blaetter[b]);
            if (std::isfinite(wahl.rest))
                break;
        }
        if (b == blaetter.size()) {
            blaetter.push_back({leer});
            wahl = suchen(blaetter.back());
        }
        const Rechteck ziel = blaetter[b].frei[wahl.frei];
        const double bw = wahl.gedreht ? h : w, bh = wahl.gedreht ? w : h;
        blaetter[b].belegen({ziel.links, ziel.oben, ziel.links + bw, ziel.oben + bh});
        // A quarter turn more stands the rectangle up.
        const double winkel = f.winkel + (wahl.gedreht ? std::acos(0.0) : 0);
        const Lage drehung{std::cos(winkel), std::sin(winkel), {}};
        std::vector<Punkt> gedreht;
        for (const Punkt& p : huellen[i])
            gedreht.push_back(drehung(p));
        const Rechteck r = umriss(gedreht);
        a.plaetze[i] = {int(b), {drehung.cos, drehung.sin, {ziel.links - r.links, ziel.oben - r.oben}}};
    }
    a.blaetter = int(blaetter.size());
    return a;
}

} // namespace netz
