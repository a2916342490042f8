// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bogen/zeichnen.h"

#include <algorithm>

namespace bogen {

namespace {

constexpr double kPunktMm = 25.4 / 72;
// The footer's size and its lines' distance, as on the printed sheet.
constexpr double kSchriftMm = 9 * kPunktMm;
constexpr double kZeileMm = 1.25 * kSchriftMm;

Phrase sterne(int n)
{
    return n == 1 ? PELOX_TEXT("Sternbogen", "1 Stern") : PELOX_TEXT("Sternbogen", "%1 Sterne").arg(n);
}

} // namespace

zeichnung::Zeichnung zeichnen(const Bogen& b, bool nurSchnitt, const std::string& name)
{
    using zeichnung::Rolle;
    const double breite = b.bereich.breite() * 10, hoehe = b.bereich.hoehe() * 10;
    const auto links = [&](int blatt) { return blatt * (breite + zeichnung::kBlattAbstandMm); };
    zeichnung::Zeichnung z;
    z.blaetter = b.blaetter;
    z.breite = b.blaetter * breite + std::max(0, b.blaetter - 1) * zeichnung::kBlattAbstandMm;
    z.hoehe = hoehe;
    z.blattBreite = breite;
    z.blattSchritt = breite + zeichnung::kBlattAbstandMm;
    for (int i = 0; i < b.blaetter; ++i)
        for (const std::vector<Punkt>& u : b.umrisse(i)) {
            zeichnung::Linie l{Rolle::Schnitt, i, {}, true};
            for (const Punkt& p : u)
                l.punkte.push_back({links(i) + p.x * 10, p.y * 10});
            z.linien.push_back(std::move(l));
        }
    if (nurSchnitt)
        return z;
    const Rechteck ecke = vorbehalten(b.bereich.breite(), b.bereich.hoehe()).front();
    for (int i = 0; i < b.blaetter; ++i) {
        z.linien.push_back({Rolle::Blatt, i,
            {{links(i), 0}, {links(i) + breite, 0}, {links(i) + breite, hoehe}, {links(i), hoehe}}, true});
        const zeichnung::Punkt ort{links(i) + (ecke.links + 0.3) * 10, (ecke.oben + 0.1) * 10 + kSchriftMm};
        z.schriften.push_back(
            {i, ort, kSchriftMm, PELOX_TEXT("Sternbogen", "Sternbogen – Blatt %1 von %2").arg(i + 1).arg(b.blaetter),
                false});
        z.schriften.push_back({i, {ort.x, ort.y + kZeileMm}, kSchriftMm,
            PELOX_TEXT("Sternbogen", "%1 – %2").arg(sterne(b.anzahl(i))).arg(Phrase(name)), false});
    }
    return z;
}

} // namespace bogen
