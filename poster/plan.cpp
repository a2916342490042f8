// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "poster/plan.h"

#include "curve/calc.h"
#include "star/corners.h"

#include <algorithm>
#include <cmath>

namespace poster {

const Blatt* Plan::blatt(int spalte, int zeile) const
{
    const auto it = std::find_if(
        blaetter.begin(), blaetter.end(), [&](const Blatt& b) { return b.spalte == spalte && b.zeile == zeile; });
    return it == blaetter.end() ? nullptr : &*it;
}

Rechteck Plan::bereich(int spalte, int zeile) const
{
    const double links = ursprung.x + spalte * (blattBreite - kleben);
    const double oben = ursprung.y + zeile * (blattHoehe - kleben);
    return {links, oben, links + blattBreite, oben + blattHoehe};
}

std::vector<Strecke> kreis(Punkt mitte, double radius)
{
    constexpr int kEcken = 24;
    std::vector<Strecke> r;
    Punkt vorher{mitte.x + radius, mitte.y};
    for (int i = 1; i <= kEcken; ++i) {
        const double w = 2 * 3.14159265358979 * i / kEcken;
        const Punkt p{mitte.x + radius * std::cos(w), mitte.y + radius * std::sin(w)};
        r.push_back({vorher, p});
        vorher = p;
    }
    return r;
}

namespace {

// As many sheets of that length, overlapping by the glue strip, as cover the length.
int anzahl(double laenge, double blatt, double kleben)
{
    return std::max(1, int(std::ceil((laenge - kleben) / (blatt - kleben) - 1e-9)));
}

// The sheets that join each other along glue strips, the largest group of
// them. The outline is one line and lies on one group; another can only hold
// the centre mark inside a ring of a star, with nothing to lay it by.
std::vector<Blatt> groessteGruppe(const Plan& plan)
{
    std::vector<int> gruppe(plan.blaetter.size(), -1);
    std::vector<std::size_t> groesse;
    for (std::size_t start = 0; start < plan.blaetter.size(); ++start) {
        if (gruppe[start] >= 0)
            continue;
        const int g = int(groesse.size());
        groesse.push_back(0);
        std::vector<std::size_t> offen{start};
        gruppe[start] = g;
        while (!offen.empty()) {
            const Blatt& b = plan.blaetter[offen.back()];
            offen.pop_back();
            ++groesse.back();
            for (const auto& [dx, dy] : {std::pair(-1, 0), std::pair(1, 0), std::pair(0, -1), std::pair(0, 1)}) {
                const Blatt* n = plan.blatt(b.spalte + dx, b.zeile + dy);
                const auto i = std::size_t(n - plan.blaetter.data());
                if (n && gruppe[i] < 0) {
                    gruppe[i] = g;
                    offen.push_back(i);
                }
            }
        }
    }
    const int groesste = int(std::max_element(groesse.begin(), groesse.end()) - groesse.begin());
    std::vector<Blatt> r;
    for (std::size_t i = 0; i < plan.blaetter.size(); ++i) {
        if (gruppe[i] == groesste)
            r.push_back(plan.blaetter[i]);
    }
    return r;
}

Plan gitter(const std::vector<Strecke>& figur, double breite, double hoehe, double kleben, bool quer, double fuss)
{
    Plan plan;
    plan.quer = quer;
    plan.kleben = kleben;
    plan.fuss = fuss;
    plan.blattBreite = quer ? hoehe : breite;
    plan.blattHoehe = (quer ? breite : hoehe) - fuss;

    const Rechteck umfang = blatt::umriss(figur);
    const double w = umfang.rechts - umfang.links;
    const double h = umfang.unten - umfang.oben;
    plan.spalten = anzahl(w, plan.blattBreite, kleben);
    plan.zeilen = anzahl(h, plan.blattHoehe, kleben);
    const double schrittX = plan.blattBreite - kleben;
    const double schrittY = plan.blattHoehe - kleben;
    // The grid's spare room is shared equally on both sides of the figure.
    plan.ursprung = {umfang.links - (plan.spalten * schrittX + kleben - w) / 2,
        umfang.oben - (plan.zeilen * schrittY + kleben - h) / 2};

    for (int zeile = 0; zeile < plan.zeilen; ++zeile) {
        for (int spalte = 0; spalte < plan.spalten; ++spalte) {
            const Blatt b{spalte, zeile, plan.bereich(spalte, zeile)};
            if (std::any_of(figur.begin(), figur.end(), [&](const Strecke& s) { return beschneiden(s, b.bereich); }))
                plan.blaetter.push_back(b);
        }
    }
    plan.blaetter = groessteGruppe(plan);
    return plan;
}

} // namespace

Plan planen(
    const std::vector<Strecke>& figur, double breite, double hoehe, double kleben, Ausrichtung a, double fuss)
{
    if (figur.empty() || std::min(breite, hoehe) - fuss <= kleben)
        return {};
    if (a != Ausrichtung::Automatisch)
        return gitter(figur, breite, hoehe, kleben, a == Ausrichtung::Querformat, fuss);
    Plan hoch = gitter(figur, breite, hoehe, kleben, false, fuss);
    Plan quer = gitter(figur, breite, hoehe, kleben, true, fuss);
    return quer.blaetter.size() < hoch.blaetter.size() ? quer : hoch;
}

std::string spaltenName(int spalte)
{
    std::string name;
    for (int n = spalte + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), char('A' + (n - 1) % 26));
    return name;
}

std::string blattName(const Blatt& b)
{
    return spaltenName(b.spalte) + std::to_string(b.zeile + 1);
}

PeloxState skaliert(const PeloxState& s, double aussenDurchmesser)
{
    PeloxState k = s;
    const double f = aussenDurchmesser / s.AussenDurchmesser;
    const auto mal = [f](float& v) { v = static_cast<float>(double(v) * f); };
    mal(k.AussenDurchmesser);
    mal(k.InnenDurchmesser);
    k.AussenDurchmesserNeu = k.AussenDurchmesser;
    k.InnenDurchmesserNeu = k.InnenDurchmesser;
    for (float& r : k.Radius)
        mal(r);
    for (int j = 1; j <= 3; ++j)
        mal(k.KurvenWert[j]);
    mal(k.Kp1);
    mal(k.Kp2);
    mal(k.Kp3);
    star::PeloxBerechnung(k);
    if (k.KurveEin)
        curve::KurvenBerechnung(k);
    return k;
}

} // namespace poster
