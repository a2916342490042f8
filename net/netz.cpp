// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/netz.h"

#include "net/anordnung.h"
#include "net/laschen.h"
#include "net/zerlegung.h"
#include "net/teile.h"
#include "poster/plan.h"

#include <cmath>
#include <numbers>

namespace netz {

namespace {

constexpr double kVoll = 2 * std::numbers::pi;

Punkt3 minus(const Punkt3& a, const Punkt3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Punkt3 kreuz3(const Punkt3& a, const Punkt3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double skalar3(const Punkt3& a, const Punkt3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double summeBei(const std::vector<Punkt3>& umriss, double h)
{
    double s = 0;
    for (std::size_t i = 0; i < umriss.size(); ++i)
        s += spitzenWinkel(h, umriss[i], umriss[(i + 1) % umriss.size()]);
    return s;
}

std::string buchstaben(int n)
{
    return poster::spaltenName(n);
}

// The largest outer diameter, in the dialog's steps, at which every single
// face with its tabs fits the sheet at this height.
double groessterDurchmesser(const PeloxState& s, const Vorgabe& v, double breite, double hoehe)
{
    const auto passt = [&](double d) {
        const Gefaltet g = falten(poster::skaliert(s, d), v.hoehe);
        return g.koerper && einzelnePassen(haelfte(*g.koerper, false, true, v.lasche), breite, hoehe);
    };
    double gut = 0, schlecht = s.AussenDurchmesser;
    for (int i = 0; i < 40; ++i) {
        const double d = (gut + schlecht) / 2;
        (passt(d) ? gut : schlecht) = d;
    }
    return std::floor(gut / kDurchmesserSchritt) * kDurchmesserSchritt;
}

} // namespace

double winkelsumme(const Koerper& k)
{
    return summeBei(k.umriss, k.hoehe);
}

std::optional<double> natuerlicheHoehe(const PeloxState& s)
{
    const Gefaltet g = falten(s, 1);
    if (!g.koerper)
        return std::nullopt;
    const std::vector<Punkt3>& u = g.koerper->umriss;
    double r = 0;
    for (const Punkt3& p : u)
        r = std::max(r, std::hypot(p.x, p.y));
    // Flat (h = 0) the angles make exactly a full turn; a star's rise above
    // it for low peaks and all fall toward none for high ones. The height
    // wanted is where they come down through the full turn for the last time.
    constexpr int kStufen = 200;
    const auto hoehe = [r](int i) { return r * std::pow(10.0, -3 + 5.0 * i / kStufen); };
    for (int i = kStufen; i-- > 0;) {
        double unten = hoehe(i), oben = hoehe(i + 1);
        if (!(summeBei(u, unten) > kVoll && summeBei(u, oben) <= kVoll))
            continue;
        for (int k = 0; k < 100 && oben - unten > 1e-13 * r; ++k) {
            const double m = (unten + oben) / 2;
            (summeBei(u, m) > kVoll ? unten : oben) = m;
        }
        return (unten + oben) / 2;
    }
    return std::nullopt;
}

std::optional<Falz> faltung(const Koerper& k, std::size_t i)
{
    const std::size_t n = k.umriss.size();
    const Punkt3& a = k.spitze;
    const Punkt3 vor = minus(k.umriss[(i + n - 1) % n], a);
    const Punkt3 hier = minus(k.umriss[i], a);
    const Punkt3 nach = minus(k.umriss[(i + 1) % n], a);
    // The outward normals of the faces before and after the spoke.
    const Punkt3 n1 = kreuz3(hier, vor);
    const Punkt3 n2 = kreuz3(nach, hier);
    const double knick = std::atan2(std::sqrt(skalar3(kreuz3(n1, n2), kreuz3(n1, n2))), skalar3(n1, n2));
    if (knick * 180 / std::numbers::pi < kFlachGrad)
        return std::nullopt;
    // Convex where the next face turns inward, behind the plane of the one before.
    return skalar3(nach, n1) < 0 ? Falz::Berg : Falz::Tal;
}

Ergebnis entfalten(const PeloxState& s, const Vorgabe& v)
{
    Ergebnis e;
    if (!std::isfinite(v.lasche) || v.lasche < kLascheMin || v.lasche > kLascheMax) {
        e.grund = PELOX_TEXT("netz", "Die Laschen dürfen 0,5 bis 2 cm breit sein.");
        return e;
    }
    if (v.haelften != 1 && v.haelften != 2) {
        e.grund = PELOX_TEXT("netz", "Es gibt eine oder zwei Hälften.");
        return e;
    }
    const double breite = v.blattBreite, hoehe = v.blattHoehe - kFusszeile;
    if (!std::isfinite(breite) || !std::isfinite(hoehe) || breite <= 0 || hoehe <= 0) {
        e.grund = PELOX_TEXT("netz", "Das Papier ist zu klein.");
        return e;
    }
    Gefaltet g = falten(s, v.hoehe);
    if (!g.koerper) {
        e.grund = g.grund;
        return e;
    }
    Netz netz;
    netz.koerper = std::move(*g.koerper);
    netz.winkelsumme = winkelsumme(netz.koerper);
    netz.blattBreite = v.blattBreite;
    netz.blattHoehe = v.blattHoehe;

    std::vector<Haelfte> haelften;
    haelften.push_back(haelfte(netz.koerper, true, v.haelften == 1, v.lasche));
    if (v.haelften == 2)
        haelften.push_back(haelfte(netz.koerper, false, true, v.lasche));
    if (!einzelnePassen(haelften.back(), breite, hoehe)) {
        e.grund = PELOX_TEXT("netz",
            "Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Bei dieser Höhe passt der "
            "Stern auf dieses Papier bis zu einem Außendurchmesser von %1 cm.")
                      .arg(groessterDurchmesser(s, v, breite, hoehe), 1);
        return e;
    }

    const Zerlegung z = zerlegen(haelften, v.ziel, breite, hoehe);
    int buchstabe = 0;
    for (std::size_t hi = 0; hi < haelften.size(); ++hi) {
        const std::vector<Lauf>& laeufe = z.laeufe[hi];
        for (std::size_t r = 0; r < laeufe.size(); ++r) {
            const Namen namen{int(r) + 1, int(laeufe.size()), buchstaben(buchstabe + int(r)),
                buchstaben(buchstabe + int((r + 1) % laeufe.size()))};
            netz.teile.push_back(teilLegen(haelften[hi], laeufe[r], namen));
        }
        if (!laeufe.front().geschlossen)
            buchstabe += int(laeufe.size());
    }
    if (const std::optional<Phrase> h = laschenHinweis(netz.teile))
        netz.hinweise.push_back(*h);
    for (std::size_t i = 0; i < netz.teile.size(); ++i)
        legen(netz.teile[i], z.anordnung.plaetze[i]);
    netz.blaetter = z.anordnung.blaetter;
    e.netz = std::move(netz);
    return e;
}

} // namespace netz
