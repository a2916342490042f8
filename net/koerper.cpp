// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/koerper.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace netz {

namespace {

// Closer than this (cm) two outline points are one: far below anything that
// can be cut, far above the rounding of the float corners.
constexpr double kGleich = 1e-7;
// Rounding of the float corners may let a step turn back by this much.
constexpr double kWinkelToleranz = 1e-7;

bool amSelbenOrt(const Punkt3& a, const Punkt3& b)
{
    return std::hypot(a.x - b.x, a.y - b.y) < kGleich;
}

bool inDerMitte(const Punkt3& p)
{
    return std::hypot(p.x, p.y) < kGleich;
}

// The outline from the corners (and bend points) of the state, each point
// with the edge of the segment that starts at it.
void umrissAus(const PeloxState& s, Koerper& k)
{
    const auto dazu = [&k](float x, float y, int kante) {
        const Punkt3 p{double(x), -double(y), 0};
        if (!k.umriss.empty() && amSelbenOrt(k.umriss.back(), p)) {
            k.kante.back() = kante;
            return;
        }
        k.umriss.push_back(p);
        k.kante.push_back(kante);
    };
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        dazu(s.PunktX[i], s.PunktY[i], i);
        if (s.KurveEin) {
            for (int j = 1; j <= 3; ++j)
                dazu(s.KurvePunktX[i][j], s.KurvePunktY[i][j], i);
        }
    }
    // The closing corner repeats corner 1; the last segment ends there.
    while (k.umriss.size() > 1 && amSelbenOrt(k.umriss.back(), k.umriss.front())) {
        k.umriss.pop_back();
        k.kante.pop_back();
    }
}

// Whether the outline goes round the centre exactly once, always forward
// (with the corners, clockwise as the window shows them). A step through a
// point at the centre may turn by any angle up to a full turn, since the
// faces on either side of it stand upright along the spokes.
bool einmalVorwaerts(const std::vector<Punkt3>& umriss)
{
    double summe = 0;
    const std::size_t n = umriss.size();
    std::size_t erster = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (!inDerMitte(umriss[i])) {
            erster = i;
            break;
        }
    }
    if (erster == n)
        return false;
    std::size_t vorher = erster;
    for (std::size_t schritt = 1; schritt <= n; ++schritt) {
        const std::size_t i = (erster + schritt) % n;
        if (inDerMitte(umriss[i]))
            continue;
        const Punkt3& p = umriss[vorher];
        const Punkt3& q = umriss[i];
        const bool ueberMitte = (vorher + 1) % n != i;
        // Clockwise in x, y with y upward.
        double w = std::atan2(p.y * q.x - p.x * q.y, p.x * q.x + p.y * q.y);
        if (ueberMitte && w < -kWinkelToleranz)
            w += 2 * std::numbers::pi;
        if (w < -kWinkelToleranz)
            return false;
        summe += w;
        vorher = i;
    }
    return std::abs(summe - 2 * std::numbers::pi) < 1e-6;
}

} // namespace

double spitzenWinkel(double hoehe, const Punkt3& v, const Punkt3& w)
{
    // From the cross and the dot product, which stays exact for the thin
    // faces of a bent edge where an arc cosine would not.
    const double ax = v.x, ay = v.y, az = -hoehe;
    const double bx = w.x, by = w.y, bz = -hoehe;
    const double kx = ay * bz - az * by, ky = az * bx - ax * bz, kz = ax * by - ay * bx;
    return std::atan2(std::sqrt(kx * kx + ky * ky + kz * kz), ax * bx + ay * by + az * bz);
}

Ausmass ausmass(const Koerper& k)
{
    if (k.umriss.empty())
        return {};
    double links = k.umriss[0].x, rechts = links, unten = k.umriss[0].y, oben = unten;
    for (const Punkt3& p : k.umriss) {
        links = std::min(links, p.x);
        rechts = std::max(rechts, p.x);
        unten = std::min(unten, p.y);
        oben = std::max(oben, p.y);
    }
    return {rechts - links, oben - unten};
}

Ausmass ausmass(const PeloxState& s)
{
    Koerper k;
    umrissAus(s, k);
    return ausmass(k);
}

Gefaltet falten(const PeloxState& s, double hoehe)
{
    Gefaltet g;
    if (!std::isfinite(hoehe) || hoehe <= 0) {
        g.grund = PELOX_TEXT("netz", "Die Höhe der Spitze muss größer als 0 cm sein.");
        return g;
    }
    Koerper k;
    k.hoehe = hoehe;
    k.spitze = {0, 0, hoehe};
    k.gegenspitze = {0, 0, -hoehe};
    umrissAus(s, k);
    if (k.umriss.size() < 3) {
        g.grund = PELOX_TEXT("netz", "Der Stern hat keine Fläche, aus der sich ein Körper falten ließe.");
        return g;
    }
    if (!einmalVorwaerts(k.umriss)) {
        g.grund = PELOX_TEXT("netz",
            "Eine Biegung führt den Umriss ein Stück um die Mitte zurück, gegen die Folge der Ecken; "
            "die Flächen darüber würden sich überlappen.");
        return g;
    }
    const std::size_t n = k.umriss.size();
    k.flaechen.reserve(2 * n);
    for (std::size_t i = 0; i < n; ++i)
        k.flaechen.push_back({k.spitze, k.umriss[(i + 1) % n], k.umriss[i], true, int(i)});
    for (std::size_t i = 0; i < n; ++i)
        k.flaechen.push_back({k.gegenspitze, k.umriss[i], k.umriss[(i + 1) % n], false, int(i)});
    g.koerper = std::move(k);
    return g;
}

} // namespace netz
