// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/zeichnen.h"

namespace netz {
namespace {

constexpr double kPunktMm = 25.4 / 72;

} // namespace

zeichnung::Zeichnung zeichnen(const Netz& n, const zeichnung::Umfang& u, const std::string& name)
{
    using zeichnung::Rolle;
    const double breite = n.blattBreite * 10, hoehe = n.blattHoehe * 10;
    const auto links = [&](int blatt) { return blatt * (breite + zeichnung::kBlattAbstandMm); };
    zeichnung::Zeichnung z;
    z.blaetter = n.blaetter;
    z.breite = n.blaetter * breite + (n.blaetter - 1) * zeichnung::kBlattAbstandMm;
    z.hoehe = hoehe;
    z.blattBreite = breite;
    z.blattSchritt = breite + zeichnung::kBlattAbstandMm;
    const auto mm = [&](Punkt p, int blatt) { return Punkt{links(blatt) + p.x * 10, p.y * 10}; };
    for (const Teil& t : n.teile) {
        zeichnung::Linie schnitt{Rolle::Schnitt, t.blatt, {}, true};
        for (const Punkt& p : t.schnitt)
            schnitt.punkte.push_back(mm(p, t.blatt));
        z.linien.push_back(std::move(schnitt));
        for (const Falte& f : t.falten)
            zeichnung::falz(z, t.blatt, mm(f.a, t.blatt), mm(f.b, t.blatt),
                f.art == Falz::Berg ? Rolle::Berg : Rolle::Tal, u.falze);
    }
    if (u.nurSchnitt)
        return z;
    for (int b = 0; b < n.blaetter; ++b) {
        z.linien.push_back({Rolle::Blatt, b,
            {{links(b), 0}, {links(b) + breite, 0}, {links(b) + breite, hoehe}, {links(b), hoehe}}, true});
        const double fuss = hoehe - kFusszeile * 10 + 6;
        z.schriften.push_back({b, {links(b), fuss}, 8 * kPunktMm,
            PELOX_TEXT("Faltnetz", "schwarz: schneiden, rot: Bergfalte, blau: Talfalte"), false});
        z.schriften.push_back({b, {links(b), fuss + 5}, 9 * kPunktMm,
            PELOX_TEXT("Faltnetz", "Blatt %1 von %2 – %3").arg(b + 1).arg(n.blaetter).arg(Phrase(name)), false});
    }
    for (const Teil& t : n.teile)
        for (const Text& s : t.texte)
            z.schriften.push_back({t.blatt, mm(s.mitte, t.blatt), s.punkte * kPunktMm, s.text, true});
    return z;
}

} // namespace netz
