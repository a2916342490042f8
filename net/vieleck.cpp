// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/vieleck.h"

#include "net/laterne.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace netz {

namespace {

// The angle step at which a chord of radius r stays within kBogenGenau.
double schritt(double r)
{
    return r <= kBogenGenau ? std::numbers::pi / 2 : 2 * std::acos(1 - kBogenGenau / r);
}

Punkt drehen(Punkt v, double w)
{
    return {std::cos(w) * v.x - std::sin(w) * v.y, std::sin(w) * v.x + std::cos(w) * v.y};
}

} // namespace

double umlaufFlaeche(const std::vector<Punkt>& p)
{
    double a = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        a += kreuz(p[i], p[(i + 1) % p.size()]);
    return a / 2;
}

std::vector<Punkt> linksrum(std::vector<Punkt> p)
{
    if (umlaufFlaeche(p) < 0)
        std::reverse(p.begin(), p.end());
    return p;
}

std::vector<Punkt> abschneiden(const std::vector<Punkt>& p, Punkt a, Punkt n, double d)
{
    std::vector<Punkt> r;
    const auto seite = [&](Punkt q) { return skalar(q - a, n) - d; };
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Punkt u = p[i], v = p[(i + 1) % p.size()];
        const double su = seite(u), sv = seite(v);
        if (su >= 0)
            r.push_back(u);
        if ((su < 0) != (sv < 0))
            r.push_back(u + (su / (su - sv)) * (v - u));
    }
    return r.size() < 3 ? std::vector<Punkt>{} : r;
}

std::vector<Punkt> schrumpfen(const std::vector<Punkt>& p, double d)
{
    std::vector<Punkt> r = p;
    for (std::size_t i = 0; i < p.size() && !r.empty(); ++i) {
        const Punkt u = p[(i + 1) % p.size()] - p[i];
        r = abschneiden(r, p[i], (1 / laenge(u)) * Punkt{-u.y, u.x}, d);
    }
    return r.empty() || umlaufFlaeche(r) < 1e-9 ? std::vector<Punkt>{} : r;
}

std::vector<Punkt> wachsen(const std::vector<Punkt>& p, double d, bool innen, const std::vector<bool>& seiten)
{
    std::vector<Punkt> r;
    const std::size_t n = p.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt ein = p[i] - p[(i + n - 1) % n], aus = p[(i + 1) % n] - p[i];
        if (laenge(ein) < 1e-12 || laenge(aus) < 1e-12)
            continue;
        const Punkt n1 = (1 / laenge(ein)) * Punkt{ein.y, -ein.x};
        const double w = std::atan2(kreuz(ein, aus), skalar(ein, aus));
        const bool vorher = seiten.empty() || seiten[(i + n - 1) % n], nachher = seiten.empty() || seiten[i];
        // Where only one side is grown, its strip ends square at the corner.
        if (!vorher || !nachher) {
            if (vorher)
                r.push_back(p[i] + d * n1);
            r.push_back(p[i]);
            if (nachher)
                r.push_back(p[i] + d * drehen(n1, w));
            continue;
        }
        const int k = std::max(1, int(std::ceil(w / schritt(d))));
        r.push_back(p[i] + d * n1);
        for (int j = innen ? 1 : 0; j < k; ++j) {
            // From outside, the chord's corners lie beyond the arc so that
            // the chords touch it at the middle of each step.
            const double a = innen ? w * j / k : w * (j + 0.5) / k;
            r.push_back(p[i] + (innen ? d : d / std::cos(w / (2 * k))) * drehen(n1, a));
        }
        r.push_back(p[i] + d * drehen(n1, w));
    }
    return r;
}

std::vector<Punkt> bogen(Punkt m, double r, double von, double sweep)
{
    const int k = std::max(1, int(std::ceil(std::abs(sweep) / schritt(r))));
    std::vector<Punkt> b;
    for (int j = 0; j <= k; ++j) {
        const double a = von + sweep * j / k;
        b.push_back(m + r * Punkt{std::cos(a), std::sin(a)});
    }
    return b;
}

bool drinnen(const std::vector<Punkt>& p, Punkt q)
{
    bool in = false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > q.y) != (p[j].y > q.y)
            && q.x < (p[j].x - p[i].x) * (q.y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            in = !in;
    }
    return in;
}

} // namespace netz
