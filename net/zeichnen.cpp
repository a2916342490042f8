// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/zeichnen.h"

namespace netz {
namespace {

constexpr double kPunktMm = 25.4 / 72;
// The window's number on its insert, points.
constexpr double kNummerPunkte = 12;

} // namespace

zeichnung::Zeichnung zeichnen(const Netz& n, const zeichnung::Umfang& u, const std::string& name)
{
    using zeichnung::Rolle;
    const double breite = n.blattBreite * 10, hoehe = n.blattHoehe * 10;
    const auto links = [&](int blatt) { return blatt * (breite + zeichnung::kBlattAbstandMm); };
    const int blaetter = n.blaetter + n.einsatzBlaetter;
    zeichnung::Zeichnung z;
    z.blaetter = blaetter;
    z.breite = blaetter * breite + (blaetter - 1) * zeichnung::kBlattAbstandMm;
    z.hoehe = hoehe;
    z.blattBreite = breite;
    z.blattSchritt = breite + zeichnung::kBlattAbstandMm;
    const auto mm = [&](Punkt p, int blatt) { return Punkt{links(blatt) + p.x * 10, p.y * 10}; };
    const auto pfad = [&](const std::vector<Punkt>& punkte, int blatt) {
        std::vector<zeichnung::Punkt> q;
        q.reserve(punkte.size());
        for (const Punkt& p : punkte)
            q.push_back(mm(p, blatt));
        return q;
    };
    for (const Teil& t : n.teile) {
        // The inside first, while the piece still holds.
        for (const Loch& l : t.loecher)
            z.linien.push_back({Rolle::Schnitt, t.blatt, pfad(l.pfad, t.blatt), true});
        z.linien.push_back({Rolle::Schnitt, t.blatt, pfad(t.schnitt, t.blatt), true});
        for (const Falte& f : t.falten)
            zeichnung::falz(z, t.blatt, mm(f.a, t.blatt), mm(f.b, t.blatt),
                f.art == Falz::Berg ? Rolle::Berg : Rolle::Tal, u.falze);
    }
    for (const Einsatz& e : n.einsaetze)
        z.linien.push_back({Rolle::Schnitt, e.blatt, pfad(e.umriss, e.blatt), true});
    if (u.nurSchnitt)
        return z;
    for (const Teil& t : n.teile) {
        for (const Anstrich& a : t.anstrich) {
            if (a.anschnitt.empty())
                continue;
            const Rgb f = druckfarbe(n, t, a);
            z.farbflaechen.push_back({t.blatt, pfad(a.anschnitt, t.blatt), f.rot, f.gruen, f.blau});
        }
    }
    for (const Einsatz& e : n.einsaetze) {
        // Where the glue ends: a mark, neither cut nor folded.
        z.linien.push_back({Rolle::Zeichen, e.blatt, pfad(e.fenster, e.blatt), true});
        z.schriften.push_back(
            {e.blatt, mm(e.mitte, e.blatt), kNummerPunkte * kPunktMm, Phrase(std::to_string(e.nummer)), true});
    }
    for (int b = 0; b < blaetter; ++b) {
        z.linien.push_back({Rolle::Blatt, b,
            {{links(b), 0}, {links(b) + breite, 0}, {links(b) + breite, hoehe}, {links(b), hoehe}}, true});
        const double fuss = hoehe - kFusszeile * 10 + 6;
        z.schriften.push_back({b, {links(b), fuss}, 8 * kPunktMm,
            PELOX_TEXT("Faltnetz", "schwarz: schneiden, rot: Bergfalte, blau: Talfalte"), false});
        z.schriften.push_back({b, {links(b), fuss + 5}, 9 * kPunktMm,
            PELOX_TEXT("Faltnetz", "Blatt %1 von %2 – %3").arg(b + 1).arg(blaetter).arg(Phrase(name)), false});
    }
    for (const Teil& t : n.teile)
        for (const Text& s : t.texte)
            z.schriften.push_back({t.blatt, mm(s.mitte, t.blatt), s.punkte * kPunktMm, s.text, true});
    return z;
}

} // namespace netz
