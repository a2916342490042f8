// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/netz.h"

#include "net/anordnung.h"
#include "net/beschriftung.h"
#include "net/rat.h"
#include "net/laschen.h"
#include "net/zerlegung.h"
#include "net/zugleich.h"
#include "net/teile.h"
#include "poster/plan.h"

#include <algorithm>
#include <cmath>
#include <limits>
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
    double umfang = 0, naechste = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < u.size(); ++i) {
        const Punkt3& p = u[i];
        const Punkt3& q = u[(i + 1) % u.size()];
        umfang += std::hypot(q.x - p.x, q.y - p.y);
        if (const double r = std::hypot(p.x, p.y); r > 0)
            naechste = std::min(naechste, r);
    }
    // Flat (h = 0) the angles make exactly a full turn; a star's rise above
    // it for low peaks and all fall toward none for high ones. The height
    // wanted is where they come down through the full turn for the last
    // time. A face's angle is at most pi/2 times its segment over the height,
    // so from a quarter of the outline's length up they make less than a
    // full turn, however far a corner is pulled: the search starts there and
    // goes down in steps of 6 % to far below the nearest corner, or twelve
    // factors of ten, whichever comes first.
    const double oben = umfang / 4;
    const double unten = std::max(naechste * 1e-3, oben * 1e-12);
    constexpr double kSchritt = 1.059253725;  // 40 steps to a factor of 10
    double ueber = oben;
    for (double h = oben / kSchritt; h > unten; ueber = h, h /= kSchritt) {
        if (summeBei(u, h) <= kVoll)
            continue;
        double lo = h, hi = ueber;
        for (int k = 0; k < 100 && hi - lo > 1e-13 * hi; ++k) {
            const double m = (lo + hi) / 2;
            (summeBei(u, m) > kVoll ? lo : hi) = m;
        }
        return (lo + hi) / 2;
    }
    return std::nullopt;
}

double hoeheMax(const PeloxState& s, std::optional<double> natuerlich)
{
    const Ausmass a = ausmass(s);
    const double h = std::max({a.breite, a.hoehe, natuerlich.value_or(0), kHoeheMin});
    // Rounded up, so that the field holds the natural height it shows; what
    // lies within a hundredth of a micrometre of a step is the step, since
    // the corners are floats.
    return std::ceil(h * 100 - 1e-4) / 100;
}

double hoeheMax(const PeloxState& s)
{
    return hoeheMax(s, natuerlicheHoehe(s));
}

Phrase groesse(const Ausmass& a)
{
    return PELOX_TEXT("netz", "%1 × %2 cm").arg(a.breite, 1).arg(a.hoehe, 1);
}

Phrase fertigerStern(const Koerper& k, int haelften)
{
    return PELOX_TEXT("netz", "Fertiger Stern: %1, %2 cm dick").arg(groesse(ausmass(k))).arg(haelften * k.hoehe, 1);
}

Phrase hoeheNichtErlaubt(const PeloxState& s, const std::string& eingabe)
{
    const std::optional<double> natuerlich = natuerlicheHoehe(s);
    const double max = hoeheMax(s, natuerlich);
    const Ausmass a = ausmass(s);
    // The longer side is named where it is the limit, else the natural height.
    const Phrase warum = natuerlich && *natuerlich > std::max(a.breite, a.hoehe)
        ? PELOX_TEXT("netz", "seine natürliche Höhe")
        : PELOX_TEXT("netz", "die längere Seite des fertigen Sterns, %1").arg(groesse(a));
    return PELOX_TEXT("netz", "Höhe der Spitze %1: erlaubt sind 0,1 bis %2 cm (%3) oder natural")
        .arg(Phrase(eingabe))
        .arg(max, 2)
        .arg(warum);
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
    if (v.kopien < 1 || v.kopien > kKopienMax) {
        e.grund
            = PELOX_TEXT("netz", "Die Teile von 1 bis %1 Sternen kommen zusammen auf die Blätter.").arg(kKopienMax);
        return e;
    }
    const double breite = v.blattBreite, hoehe = teilHoehe(v.blattHoehe);
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
    netz.vorgabe = v;

    std::vector<Haelfte> haelften;
    haelften.push_back(haelfte(netz.koerper, true, v.haelften == 1, v.lasche));
    if (v.haelften == 2)
        haelften.push_back(haelfte(netz.koerper, false, true, v.lasche));
    if (!einzelnePassen(haelften.back(), breite, hoehe)) {
        e.grund = zuGross(s, v);
        return e;
    }

    const Zerlegung z = zerlegen(haelften, v.ziel, breite, hoehe, v.kopien);
    // The lower half's letters go on from the upper one's, where that is cut.
    struct Auftrag {
        std::size_t haelfte;
        std::size_t lauf;
        int buchstabe;
    };
    std::vector<Auftrag> auftraege;
    int buchstabe = 0;
    for (std::size_t hi = 0; hi < haelften.size(); ++hi) {
        const std::vector<Lauf>& laeufe = z.laeufe[hi];
        for (std::size_t r = 0; r < laeufe.size(); ++r)
            auftraege.push_back({hi, r, buchstabe});
        if (!laeufe.front().geschlossen)
            buchstabe += int(laeufe.size());
    }
    netz.teile.resize(auftraege.size());
    zugleich(auftraege.size(), [&](std::size_t i) {
        const Auftrag& a = auftraege[i];
        const std::vector<Lauf>& laeufe = z.laeufe[a.haelfte];
        const int r = int(a.lauf);
        const Namen namen{r + 1, int(laeufe.size()), buchstaben(a.buchstabe + r),
            buchstaben(a.buchstabe + (r + 1) % int(laeufe.size()))};
        netz.teile[i] = teilLegen(haelften[a.haelfte], laeufe[a.lauf], namen);
    });
    if (const std::optional<Phrase> h = laschenHinweis(netz.teile))
        netz.hinweise.push_back(*h);
    // Every copy's pieces are the same, names and numbers alike; only where
    // they lie differs.
    const std::size_t einmal = netz.teile.size();
    netz.kopien = v.kopien;
    netz.teile.reserve(einmal * std::size_t(v.kopien));
    for (int k = 1; k < v.kopien; ++k)
        for (std::size_t i = 0; i < einmal; ++i)
            netz.teile.push_back(netz.teile[i]);
    for (std::size_t i = 0; i < netz.teile.size(); ++i)
        legen(netz.teile[i], z.anordnung.plaetze[i]);
    netz.blaetter = z.anordnung.blaetter;
    if (const std::optional<Phrase> grund = laterneEinbauen(netz, v)) {
        e.grund = *grund;
        return e;
    }
    beschriften(netz, v.beschriftung);
    e.netz = std::move(netz);
    return e;
}

} // namespace netz
