// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/teile.h"

#include <algorithm>
#include <cmath>

namespace netz {

namespace {

// Tabs are tried at these fractions of their width, and at each with their
// ends moved in by these fractions of their edge, until one overlaps nothing.
constexpr double kBreiten[] = {1, 0.8, 0.6, 0.45, 0.3, 0.2, 0.12, 0.07, 0.04, 0.02};
constexpr double kEinzuege[] = {0.15, 0.3, 0.45, 0.6, 0.75};

Punkt spitzenPunkt(const Haelfte& h, std::size_t i, double phi)
{
    // The lower half is seen from below, the mirror image of the view from
    // above: its faces follow each other the other way round.
    const double l = h.speiche[i % h.anzahl()];
    return {l * std::cos(phi), (h.oberteil ? 1 : -1) * l * std::sin(phi)};
}

// The outline points of the run, P_0 on the first spoke to P_m on the last.
std::vector<Punkt> strahlen(const Haelfte& h, const Lauf& l)
{
    std::vector<Punkt> p;
    p.reserve(l.laenge + 1);
    double phi = 0;
    for (std::size_t j = 0; j <= l.laenge; ++j) {
        p.push_back(spitzenPunkt(h, l.start + j, phi));
        if (j < l.laenge)
            phi += h.winkel[(l.start + j) % h.anzahl()];
    }
    if (l.geschlossen)
        p.back() = p.front();
    return p;
}

// The side of the edge p q away from the point innen, as a unit normal.
Punkt aussen(Punkt p, Punkt q, Punkt innen)
{
    const Punkt u = q - p;
    Punkt n = (1 / laenge(u)) * Punkt{-u.y, u.x};
    if (skalar(n, 0.5 * (p + q) - innen) < 0)
        n = -1 * n;
    return n;
}

Lasche trapez(Punkt p, Punkt q, Punkt n, double breite, double anfang, double ende)
{
    const Punkt u = (1 / laenge(q - p)) * (q - p);
    return {p + anfang * u, q - ende * u, q - (ende + breite) * u + breite * n, p + (anfang + breite) * u + breite * n};
}

// The tab at its full width: never wider than half its edge, so that its
// sides at 45 degrees still leave it a base.
Lasche volleLasche(Punkt p, Punkt q, Punkt n, double breite)
{
    return trapez(p, q, n, std::min(breite, laenge(q - p) / 2), 0, 0);
}

Punkt mitte(const std::array<Punkt, 3>& d)
{
    return (1.0 / 3) * (d[0] + d[1] + d[2]);
}

struct Leger {
    const Haelfte& h;
    Teil& t;
    std::vector<std::vector<Punkt>> belegt;  // faces and tabs laid so far
    std::vector<Rechteck> rahmen;           // the rectangle around each

    void belegen(std::vector<Punkt> v)
    {
        rahmen.push_back(umriss(v));
        belegt.push_back(std::move(v));
    }

    // The widest tab on the edge that overlaps nothing laid yet.
    std::optional<Lasche> lasche(Punkt p, Punkt q, Punkt n)
    {
        const double l = laenge(q - p);
        const double voll = std::min(h.lasche, l / 2);
        const auto frei = [&](const Lasche& k) {
            const std::vector<Punkt> v(k.begin(), k.end());
            const Rechteck r = umriss(v);
            for (std::size_t i = 0; i < belegt.size(); ++i) {
                if (r.schneidet(rahmen[i]) && ueberlappen(v, belegt[i]))
                    return false;
            }
            return true;
        };
        for (const double f : kBreiten) {
            const double b = voll * f;
            if (const Lasche k = trapez(p, q, n, b, 0, 0); frei(k))
                return k;
            for (const double e : kEinzuege) {
                const double s = e * l;
                for (const auto& [a, z] : {std::pair{s, 0.0}, std::pair{0.0, s}, std::pair{s, s}}) {
                    if (l - a - z < 2 * b)
                        continue;
                    if (const Lasche k = trapez(p, q, n, b, a, z); frei(k))
                        return k;
                }
            }
        }
        return std::nullopt;
    }

    // The cut outline runs along the edge from p to q, round its tab if any:
    // the tab of face `flaeche`'s outline edge, or the spoke's (-1), which
    // the outline passes the other way round.
    void entlang(Punkt q, const std::optional<Lasche>& k, int flaeche)
    {
        if (k) {
            const Lasche& e = *k;
            const std::array<Punkt, 4> weg = flaeche < 0 ? std::array{e[1], e[2], e[3], e[0]}
                                                         : std::array{e[0], e[3], e[2], e[1]};
            for (const Punkt& w : weg)
                punkt(w);
            t.laschen.push_back(e);
            t.laschenFlaeche.push_back(flaeche);
            t.falten.push_back({e[0], e[1], Falz::Berg});
            belegen({e.begin(), e.end()});
        }
        punkt(q);
    }

    void punkt(Punkt p)
    {
        if (t.schnitt.empty() || laenge(t.schnitt.back() - p) > 1e-9)
            t.schnitt.push_back(p);
    }
};

} // namespace

Haelfte haelfte(const Koerper& k, bool oberteil, bool umrissLaschen, double lasche)
{
    Haelfte h;
    h.koerper = &k;
    h.oberteil = oberteil;
    h.umrissLaschen = umrissLaschen;
    h.lasche = lasche;
    const std::size_t n = k.umriss.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt3& v = k.umriss[i];
        h.speiche.push_back(std::sqrt(v.x * v.x + v.y * v.y + k.hoehe * k.hoehe));
        h.winkel.push_back(spitzenWinkel(k.hoehe, v, k.umriss[(i + 1) % n]));
        h.summe += h.winkel.back();
    }
    h.phi.push_back(0);
    for (std::size_t j = 0; j <= 2 * n; ++j) {
        h.abgerollt.push_back(spitzenPunkt(h, j, h.phi[j]));
        h.phi.push_back(h.phi[j] + h.winkel[j % n]);
    }
    h.speichenEcken.push_back({});
    for (std::size_t j = 0; j < 2 * n; ++j) {
        const Punkt p = h.abgerollt[j], q = h.abgerollt[j + 1];
        const Lasche u = volleLasche(p, q, aussen(p, q, {0, 0}), lasche);
        h.umrissEcken.push_back({u[2], u[3]});
        const Lasche s = volleLasche({0, 0}, q, aussen({0, 0}, q, p), lasche);
        h.speichenEcken.push_back({s[2], s[3]});
    }
    return h;
}

std::vector<Punkt> reichweite(const Haelfte& h, const Lauf& l, bool abgerollt)
{
    std::vector<Punkt> r(h.abgerollt.begin() + std::ptrdiff_t(l.start),
        h.abgerollt.begin() + std::ptrdiff_t(l.start + l.laenge + 1));
    r.push_back({0, 0});
    for (std::size_t j = l.start; h.umrissLaschen && j < l.start + l.laenge; ++j)
        r.insert(r.end(), h.umrissEcken[j].begin(), h.umrissEcken[j].end());
    if (!l.geschlossen)
        r.insert(r.end(), h.speichenEcken[l.start + l.laenge].begin(), h.speichenEcken[l.start + l.laenge].end());
    if (!abgerollt) {
        const double w = -(h.oberteil ? 1 : -1) * h.phi[l.start];
        const Lage zurueck{std::cos(w), std::sin(w), {}};
        for (Punkt& p : r)
            p = zurueck(p);
    }
    return r;
}

Teil teilLegen(const Haelfte& h, const Lauf& l, const Namen& namen)
{
    Teil t;
    t.oberteil = h.oberteil;
    t.nummer = namen.nummer;
    t.anzahl = namen.anzahl;
    if (!l.geschlossen) {
        t.anfang = namen.anfang;
        t.ende = namen.ende;
    }
    const std::vector<Punkt> p = strahlen(h, l);
    const std::size_t n = h.anzahl();
    Leger leger{h, t, {}, {}};
    for (std::size_t j = 0; j < l.laenge; ++j) {
        const std::size_t i = (l.start + j) % n;
        t.flaechen.push_back(int(i) + (h.oberteil ? 0 : int(n)));
        t.dreiecke.push_back({Punkt{0, 0}, p[j], p[j + 1]});
        t.winkel += h.winkel[i];
        leger.belegen({Punkt{0, 0}, p[j], p[j + 1]});
        // The spokes inside the piece; a closed one folds at its first too.
        if (j > 0 || l.geschlossen) {
            if (const std::optional<Falz> f = faltung(*h.koerper, i))
                t.falten.push_back({{0, 0}, p[j], *f});
        }
    }

    // The spoke tab first, so that the outline's tabs make way for it.
    std::optional<Lasche> speichenLasche;
    if (!l.geschlossen) {
        speichenLasche = leger.lasche({0, 0}, p.back(), aussen({0, 0}, p.back(), mitte(t.dreiecke.back())));
        leger.punkt({0, 0});
    }
    leger.punkt(p.front());
    std::vector<std::optional<Lasche>> laschen(l.laenge);
    for (std::size_t j = 0; j < l.laenge; ++j) {
        if (h.umrissLaschen)
            laschen[j] = leger.lasche(p[j], p[j + 1], aussen(p[j], p[j + 1], mitte(t.dreiecke[j])));
        leger.entlang(p[j + 1], laschen[j], int(j));
    }
    if (!l.geschlossen)
        leger.entlang({0, 0}, speichenLasche, -1);
    if (laenge(t.schnitt.back() - t.schnitt.front()) < 1e-9)
        t.schnitt.pop_back();

    return t;
}

void legen(Teil& t, const Platz& p)
{
    t.blatt = p.blatt;
    const Lage& l = p.lage;
    for (auto& d : t.dreiecke)
        for (Punkt& q : d)
            q = l(q);
    for (Punkt& q : t.schnitt)
        q = l(q);
    for (Lasche& k : t.laschen)
        for (Punkt& q : k)
            q = l(q);
    for (Falte& f : t.falten) {
        f.a = l(f.a);
        f.b = l(f.b);
    }
}

} // namespace netz
