// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ebene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace netz {

namespace {

// What two shapes may overlap by and still count as touching, in cm.
constexpr double kBeruehrung = 1e-6;
// Turns tried besides those along the hull's edges, which alone can miss the
// turn that fits an almost round piece into a narrow sheet.
constexpr int kProbeDrehungen = 18;

// Whether the projections of both polygons onto the normal of some edge of a
// fail to overlap.
bool trennt(const std::vector<Punkt>& a, const std::vector<Punkt>& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Punkt k = a[(i + 1) % a.size()] - a[i];
        const Punkt n{-k.y, k.x};
        const double l = laenge(n);
        if (l == 0)
            continue;
        double aMin = INFINITY, aMax = -INFINITY, bMin = INFINITY, bMax = -INFINITY;
        for (const Punkt& p : a) {
            const double d = skalar(p, n) / l;
            aMin = std::min(aMin, d);
            aMax = std::max(aMax, d);
        }
        for (const Punkt& p : b) {
            const double d = skalar(p, n) / l;
            bMin = std::min(bMin, d);
            bMax = std::max(bMax, d);
        }
        if (std::min(aMax, bMax) - std::max(aMin, bMin) <= kBeruehrung)
            return true;
    }
    return false;
}

} // namespace

double laenge(Punkt a)
{
    // Lengths here are centimetres: nothing near where hypot's care for
    // overflow would matter, and it is the inner loop of every fit.
    return std::sqrt(a.x * a.x + a.y * a.y);
}

Rechteck umriss(const std::vector<Punkt>& punkte)
{
    Rechteck r{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const Punkt& p : punkte) {
        r.links = std::min(r.links, p.x);
        r.oben = std::min(r.oben, p.y);
        r.rechts = std::max(r.rechts, p.x);
        r.unten = std::max(r.unten, p.y);
    }
    return r;
}

bool ueberlappen(const std::vector<Punkt>& a, const std::vector<Punkt>& b)
{
    const Rechteck ra = umriss(a), rb = umriss(b);
    if (ra.rechts - rb.links <= kBeruehrung || rb.rechts - ra.links <= kBeruehrung
        || ra.unten - rb.oben <= kBeruehrung || rb.unten - ra.oben <= kBeruehrung)
        return false;
    return !trennt(a, b) && !trennt(b, a);
}

std::vector<Punkt> huelle(std::vector<Punkt> punkte)
{
    std::sort(punkte.begin(), punkte.end(),
        [](const Punkt& a, const Punkt& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (punkte.size() < 3)
        return punkte;
    std::vector<Punkt> h(2 * punkte.size());
    std::size_t k = 0;
    for (const Punkt& p : punkte) {
        while (k >= 2 && kreuz(h[k - 1] - h[k - 2], p - h[k - 2]) <= 0)
            --k;
        h[k++] = p;
    }
    const std::size_t unten = k + 1;
    for (std::size_t i = punkte.size() - 1; i-- > 0;) {
        while (k >= unten && kreuz(h[k - 1] - h[k - 2], punkte[i] - h[k - 2]) <= 0)
            --k;
        h[k++] = punkte[i];
    }
    h.resize(k - 1);
    return h;
}

std::optional<Drehung> einpassen(const std::vector<Punkt>& huelle, double breite, double hoehe, bool ersteReicht)
{
    // The turns as cosine and sine: along each edge of the hull, and evenly
    // spread ones counted from its longest edge, so that the same hull
    // turned is tried at the same turns; each also a quarter further, so
    // that the rectangle stands up.
    std::vector<Punkt> drehungen;
    drehungen.reserve(2 * huelle.size() + 2 * kProbeDrehungen);
    Punkt laengste{1, 0};
    double groesste = 0;
    for (std::size_t i = 0; i < huelle.size(); ++i) {
        const Punkt k = huelle[(i + 1) % huelle.size()] - huelle[i];
        const double l = laenge(k);
        if (l == 0)
            continue;
        // The turn that lays this edge along the x axis.
        const Punkt d{k.x / l, -k.y / l};
        drehungen.push_back(d);
        drehungen.push_back({-d.y, d.x});
        if (l > groesste) {
            groesste = l;
            laengste = d;
        }
    }
    static const std::vector<Punkt> proben = [] {
        std::vector<Punkt> p;
        for (int i = 1; i < 2 * kProbeDrehungen; ++i)
            p.push_back({std::cos(std::numbers::pi * i / kProbeDrehungen / 2),
                std::sin(std::numbers::pi * i / kProbeDrehungen / 2)});
        return p;
    }();
    for (const Punkt& p : proben)
        drehungen.push_back({laengste.x * p.x - laengste.y * p.y, laengste.x * p.y + laengste.y * p.x});
    std::optional<Drehung> beste;
    for (const Punkt& d : drehungen) {
        const double c = d.x, s = d.y;
        double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
        for (const Punkt& p : huelle) {
            const double x = c * p.x - s * p.y, y = s * p.x + c * p.y;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
        const double b = x1 - x0, h = y1 - y0;
        if (b <= breite && h <= hoehe && (!beste || b * h < beste->breite * beste->hoehe)) {
            beste = Drehung{std::atan2(s, c), b, h};
            if (ersteReicht)
                break;
        }
    }
    return beste;
}

} // namespace netz
