// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ansicht.h"

#include "net/netz.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace netz {

namespace {

constexpr double kGrad = std::numbers::pi / 180;
// A drag across 180 pixels turns the star by a right angle.
constexpr double kJePixel = 0.5 * kGrad;
constexpr double kJeStufe = 1.15;
// Light that does not reach a face directly still shows its shape.
constexpr double kUmgebung = 0.3;
// The light comes from the upper left, in front of the picture.
constexpr Punkt3 kLicht{-0.5773502691896258, 0.5773502691896258, 0.5773502691896258};
// The star keeps this much of the picture free around it.
constexpr double kRand = 0.04;

Punkt3 minus(const Punkt3& a, const Punkt3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Punkt3 kreuz(const Punkt3& a, const Punkt3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double skalar(const Punkt3& a, const Punkt3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Turned by the camera: x to the right of the picture, y up, z toward the viewer.
struct Drehung3 {
    double cd, sd, cn, sn;

    Punkt3 operator()(const Punkt3& p) const
    {
        const double x = cd * p.x + sd * p.z;
        const double z = -sd * p.x + cd * p.z;
        return {x, cn * p.y - sn * z, sn * p.y + cn * z};
    }
};

} // namespace

Kamera startKamera()
{
    return {0, 20 * kGrad, 1};
}

Kamera gedreht(const Kamera& k, double dx, double dy)
{
    Kamera g = k;
    g.drehung = std::remainder(k.drehung + dx * kJePixel, 2 * std::numbers::pi);
    g.neigung = std::clamp(k.neigung + dy * kJePixel, -std::numbers::pi / 2, std::numbers::pi / 2);
    return g;
}

Kamera gezoomt(const Kamera& k, double stufen)
{
    Kamera g = k;
    g.zoom = std::clamp(k.zoom * std::pow(kJeStufe, stufen), kZoomMin, kZoomMax);
    return g;
}

Szene szene(const Koerper& k, int haelften)
{
    Szene s;
    const std::size_t n = k.umriss.size();
    std::vector<bool> falte(n);
    std::vector<double> winkel(n);
    for (std::size_t i = 0; i < n; ++i) {
        falte[i] = faltung(k, i).has_value();
        winkel[i] = std::atan2(k.umriss[i].y, k.umriss[i].x);
    }
    // A point on the centre has no angle: its segments' wedges are the flat
    // triangles of both peaks and the other end.
    const auto sektor = [&](std::size_t anfang, std::size_t ende, Dreieck3 d) {
        const auto mitte = [&k](std::size_t i) { return std::hypot(k.umriss[i].x, k.umriss[i].y) < 1e-7; };
        d.von = winkel[mitte(anfang) ? ende : anfang];
        d.bis = winkel[mitte(ende) ? anfang : ende];
        s.dreiecke.push_back(d);
    };
    for (const Flaeche& f : k.flaechen) {
        if (haelften == 1 && !f.oben)
            continue;
        // The upper face runs peak, end, start of its segment; the lower one
        // peak, start, end.
        const std::size_t anfang = std::size_t(f.segment), ende = (anfang + 1) % n;
        const bool erste = falte[f.oben ? ende : anfang], zweite = falte[f.oben ? anfang : ende];
        sektor(anfang, ende, {{f.a, f.b, f.c}, {erste, true, zweite}});
        // Seen from below, the outline runs counter-clockwise.
        if (haelften == 1)
            sektor(anfang, ende, {{Punkt3{}, k.umriss[anfang], k.umriss[ende]}, {}});
    }
    for (const Dreieck3& d : s.dreiecke) {
        for (const Punkt3& p : d.ecken)
            s.radius = std::max(s.radius, std::sqrt(skalar(p, p)));
    }
    return s;
}

double helligkeit(const Punkt3& normale)
{
    const double licht = skalar(normale, kLicht) / std::sqrt(skalar(normale, normale));
    return kUmgebung + (1 - kUmgebung) * std::max(0.0, licht);
}

std::vector<Bildflaeche> abbilden(const Szene& s, const Kamera& k, double breite, double hoehe)
{
    const Drehung3 dreh{std::cos(k.drehung), std::sin(k.drehung), std::cos(k.neigung), std::sin(k.neigung)};
    const double massstab = s.radius > 0 ? k.zoom * std::min(breite, hoehe) / 2 * (1 - kRand) / s.radius : 0;
    const Punkt mitte{breite / 2, hoehe / 2};
    struct Sichtbar {
        double abstand;
        Bildflaeche bild;
    };
    // The direction toward the viewer, turned back into the star's
    // coordinates, seen along the axis: the wedge around it is the nearest.
    const double blick = std::atan2(dreh.sn, -dreh.cn * dreh.sd);
    const auto abstand = [blick](const Dreieck3& d) {
        const double r1 = std::remainder(d.von - blick, 2 * std::numbers::pi);
        const double r2 = std::remainder(d.bis - blick, 2 * std::numbers::pi);
        if ((r1 < 0) != (r2 < 0))
            return std::abs(r1) + std::abs(r2) <= std::numbers::pi ? 0.0 : std::numbers::pi;
        return (std::abs(r1) + std::abs(r2)) / 2;
    };
    std::vector<Sichtbar> sichtbar;
    sichtbar.reserve(s.dreiecke.size());
    for (const Dreieck3& d : s.dreiecke) {
        const Punkt3 a = dreh(d.ecken[0]), b = dreh(d.ecken[1]), c = dreh(d.ecken[2]);
        const Punkt3 normale = kreuz(minus(b, a), minus(c, a));
        // Seen in parallel, a face looks at the camera where its normal does.
        if (normale.z <= 0)
            continue;
        Bildflaeche f;
        f.linie = d.linie;
        f.tiefe = {massstab * a.z, massstab * b.z, massstab * c.z};
        f.helligkeit = helligkeit(normale);
        int j = 0;
        for (const Punkt3& p : {a, b, c})
            f.ecken[std::size_t(j++)] = {mitte.x + massstab * p.x, mitte.y - massstab * p.y};
        sichtbar.push_back({abstand(d), f});
    }
    std::stable_sort(sichtbar.begin(), sichtbar.end(),
        [](const Sichtbar& l, const Sichtbar& r) { return l.abstand > r.abstand; });
    std::vector<Bildflaeche> bild;
    bild.reserve(sichtbar.size());
    for (const Sichtbar& v : sichtbar)
        bild.push_back(v.bild);
    return bild;
}

} // namespace netz
