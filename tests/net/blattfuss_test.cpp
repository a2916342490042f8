// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the net leaves free on every sheet: the check scale's square at the
// bottom right and the footer band beside it, on any paper.
#include "net/netz.h"

#include "net/entwurf.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {

using netz::Punkt;
using netz::Rechteck;

// The check scale's square with the room it keeps around itself, in cm.
constexpr double kPlatz = pruefmass::kPlatz / blatt::kTwipsProCm;

// The rectangle a label takes at most: Liberation Sans is never wider than
// 0.6 of its size for the letters and digits of the labels.
Rechteck textUmriss(const netz::Text& t)
{
    const double cmProPunkt = 2.54 / 72;
    const double breite = double(t.text.asWritten().size()) * t.punkte * 0.6 * cmProPunkt;
    const double hoehe = t.punkte * 1.2 * cmProPunkt;
    return {t.mitte.x - breite / 2, t.mitte.y - hoehe / 2, t.mitte.x + breite / 2, t.mitte.y + hoehe / 2};
}

// Every cut line, fold and label of every piece stays out of both; how many
// pieces lie beside the square, lower than its top.
int pruefeFrei(const netz::Netz& n)
{
    int daneben = 0;
    const double w = n.blattBreite, h = n.blattHoehe;
    const Rechteck frei[] = {{w - kPlatz, h - kPlatz, w, h}, {0, h - netz::kFusszeile, w, h}};
    for (std::size_t i = 0; i < n.teile.size(); ++i) {
        const netz::Teil& t = n.teile[i];
        std::vector<blatt::Strecke> linien;
        for (std::size_t k = 0; k < t.schnitt.size(); ++k)
            linien.push_back({t.schnitt[k], t.schnitt[(k + 1) % t.schnitt.size()]});
        for (const netz::Falte& f : t.falten)
            linien.push_back({f.a, f.b});
        for (const Rechteck& r : frei) {
            for (const blatt::Strecke& s : linien) {
                EXPECT_FALSE(blatt::schneidet(s, r)) << "piece " << i << " on sheet " << t.blatt << " at " << s.a.x
                                                     << ", " << s.a.y << " on " << w << " x " << h;
            }
            for (const netz::Text& x : t.texte)
                EXPECT_FALSE(textUmriss(x).schneidet(r)) << x.text.asWritten() << " at " << x.mitte.x << ", " << x.mitte.y;
        }
        daneben += std::ranges::any_of(t.schnitt, [&](const Punkt& p) { return p.y > h - kPlatz; });
    }
    return daneben;
}

netz::Vorgabe vorgabe(double hoehe, double breite, double blattHoehe)
{
    netz::Vorgabe v;
    v.hoehe = hoehe;
    v.blattBreite = breite;
    v.blattHoehe = blattHoehe;
    return v;
}

} // namespace

// The PDF papers' printable areas and random ones, from narrower than the
// check scale's square to wider than A3. The room beside the square, above
// the band, is not lost: small pieces lie there.
TEST(Blattfuss, NoPieceReachesIntoTheCheckScaleOrTheFooterOnAnyPaper)
{
    const std::pair<double, double> papiere[] = {{20.285, 28.998}, {28.998, 41.311}, {20.32, 26.67}, {20.32, 34.29}};
    std::mt19937 zufall(31);
    const auto zahl = [&zufall](double a, double b) { return std::uniform_real_distribution<double>(a, b)(zufall); };
    int netze = 0, sheets = 0, daneben = 0;
    for (int n = 0; n < 160; ++n) {
        const PeloxState s = zufallsStern(zufall);
        const auto [breite, hoehe] = n % 2 ? papiere[n / 2 % 4] : std::pair(zahl(5, 45), zahl(12, 60));
        netz::Vorgabe v = vorgabe(zahl(0.1, 12), breite, hoehe);
        v.lasche = zahl(netz::kLascheMin, netz::kLascheMax);
        v.haelften = n % 5 == 0 ? 1 : 2;
        v.ziel = n % 3 == 0 ? netz::Ziel::WenigeBlaetter : netz::Ziel::WenigeTeile;
        if (n % 4 == 0)
            v.hoehe = netz::natuerlicheHoehe(s).value_or(v.hoehe);
        const netz::Ergebnis e = netz::entfalten(s, v);
        if (!e.netz)
            continue;
        SCOPED_TRACE(n);
        ++netze;
        sheets += e.netz->blaetter;
        daneben += pruefeFrei(*e.netz);
        if (HasFailure())
            return;
    }
    EXPECT_GT(netze, 80);
    EXPECT_GT(sheets, 150);
    EXPECT_GT(daneben, 20);
}
