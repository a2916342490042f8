// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/netz.h"

#include "net/entwurf.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <numbers>
#include <set>

namespace {

using netz::Punkt;
using netz::Punkt3;

// The printable areas of the PDF papers, in cm.
constexpr double kA4Breite = 20.285, kA4Hoehe = 28.998;
constexpr double kA3Breite = 28.998, kA3Hoehe = 41.311;
constexpr double kGenau = 1e-3;  // 0.01 mm

netz::Vorgabe vorgabe(double hoehe, double breite = kA4Breite, double blattHoehe = kA4Hoehe)
{
    netz::Vorgabe v;
    v.hoehe = hoehe;
    v.blattBreite = breite;
    v.blattHoehe = blattHoehe;
    return v;
}

double abstand(Punkt a, Punkt b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

double abstand3(const Punkt3& a, const Punkt3& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

// Whether p lies on the segment from a to b.
bool aufStrecke(Punkt p, Punkt a, Punkt b)
{
    return std::abs(abstand(a, p) + abstand(p, b) - abstand(a, b)) < 1e-6;
}

// Convex along the spoke to point i where the three outline points around it
// and the peak span a tetrahedron of this orientation.
bool konvex(const netz::Koerper& k, std::size_t i)
{
    const std::size_t n = k.umriss.size();
    const Punkt3& a = k.spitze;
    const auto d = [&](std::size_t j) {
        const Punkt3& p = k.umriss[(j + n) % n];
        return Punkt3{p.x - a.x, p.y - a.y, p.z - a.z};
    };
    const Punkt3 u = d(i - 1), v = d(i), w = d(i + 1);
    return u.x * (v.y * w.z - v.z * w.y) - u.y * (v.x * w.z - v.z * w.x) + u.z * (v.x * w.y - v.y * w.x) > 0;
}

std::vector<std::vector<Punkt>> teilStuecke(const netz::Teil& t)
{
    std::vector<std::vector<Punkt>> s;
    for (const auto& d : t.dreiecke)
        s.push_back({d.begin(), d.end()});
    for (const auto& l : t.laschen)
        s.insert(s.end(), l.begin(), l.end());
    return s;
}

// What the crafter matches the pieces by: in each half the pieces numbered
// 1 to their count; each cut spoke lettered alike on the two pieces beside
// it, the start of one and the end of the other; no letter in both halves.
void pruefeNamen(const netz::Netz& netz)
{
    const std::size_t n = netz.koerper.umriss.size();
    std::map<bool, std::multiset<int>> nummern;
    std::map<bool, std::multiset<std::string>> anfaenge, enden;
    std::map<std::string, std::size_t> speiche;  // a letter's spoke
    std::map<bool, std::set<std::string>> buchstaben;
    for (const netz::Teil& t : netz.teile) {
        nummern[t.oberteil].insert(t.nummer);
        if (t.anfang.empty())
            continue;
        anfaenge[t.oberteil].insert(t.anfang);
        enden[t.oberteil].insert(t.ende);
        buchstaben[t.oberteil].insert({t.anfang, t.ende});
        const std::size_t vorn = std::size_t(t.flaechen.front()) % n, hinten = (std::size_t(t.flaechen.back()) + 1) % n;
        for (const auto& [b, i] : {std::pair{t.anfang, vorn}, std::pair{t.ende, hinten}}) {
            const auto [it, neu] = speiche.try_emplace(b, i);
            EXPECT_EQ(it->second, i) << b << " names two spokes";
        }
    }
    for (const auto& [oben, gesehen] : nummern) {
        std::multiset<int> eins;
        for (int i = 1; i <= int(gesehen.size()); ++i)
            eins.insert(i);
        EXPECT_EQ(gesehen, eins) << (oben ? "upper" : "lower");
        for (const netz::Teil& t : netz.teile)
            EXPECT_TRUE(t.oberteil != oben || t.anzahl == int(gesehen.size()));
        EXPECT_EQ(anfaenge[oben], enden[oben]);
        EXPECT_EQ(std::set<std::string>(anfaenge[oben].begin(), anfaenge[oben].end()).size(), anfaenge[oben].size());
    }
    for (const std::string& b : buchstaben[true])
        EXPECT_FALSE(buchstaben[false].count(b)) << b << " in both halves";
}

void keineUeberlappung(const netz::Netz& netz)
{
    // Nothing overlaps: no two faces or tabs of a sheet, of one piece or two.
    for (std::size_t a = 0; a < netz.teile.size(); ++a) {
        const auto sa = teilStuecke(netz.teile[a]);
        for (std::size_t b = a; b < netz.teile.size(); ++b) {
            if (netz.teile[a].blatt != netz.teile[b].blatt)
                continue;
            const auto sb = teilStuecke(netz.teile[b]);
            for (std::size_t i = 0; i < sa.size(); ++i)
                for (std::size_t j = a == b ? i + 1 : 0; j < sb.size(); ++j)
                    ASSERT_FALSE(netz::ueberlappen(sa[i], sb[j])) << a << " " << i << " / " << b << " " << j;
        }
    }
}

// Every property a net must have, whatever the design.
void pruefeNetz(const netz::Netz& netz, const netz::Vorgabe& v)
{
    const netz::Koerper& k = netz.koerper;
    const std::size_t n = k.umriss.size();
    const int haelften = v.haelften;
    std::vector<int> gesehen(2 * n, 0);
    std::map<bool, double> winkel;
    std::map<bool, int> teileJeHaelfte;
    std::map<std::pair<bool, std::size_t>, int> speichenLaschen;
    std::set<std::pair<bool, std::size_t>> schnittSpeichen;
    for (const netz::Teil& t : netz.teile) {
        ++teileJeHaelfte[t.oberteil];
        winkel[t.oberteil] += t.winkel;
        ASSERT_EQ(t.flaechen.size(), t.dreiecke.size());
        const bool geschlossen = t.winkel >= 2 * std::numbers::pi - 1e-3;
        if (geschlossen) {
            EXPECT_NEAR(t.winkel, netz.winkelsumme, 1e-5);
        }
        for (std::size_t j = 0; j < t.dreiecke.size(); ++j) {
            const int f = t.flaechen[j];
            ++gesehen[std::size_t(f)];
            const std::size_t i = std::size_t(f) % n;
            const auto& d = t.dreiecke[j];
            EXPECT_NEAR(abstand(d[1], d[2]), abstand3(k.umriss[i], k.umriss[(i + 1) % n]), kGenau);
            EXPECT_NEAR(abstand(d[0], d[1]), abstand3(k.spitze, k.umriss[i]), kGenau);
            EXPECT_NEAR(abstand(d[0], d[2]), abstand3(k.spitze, k.umriss[(i + 1) % n]), kGenau);
            // Exactly one tab's part on the outline segment of the half with tabs.
            const bool mitLaschen = haelften == 1 || !t.oberteil;
            int auf = 0;
            for (const netz::Lasche& l : t.laschen)
                for (const auto& s : l)
                    auf += aufStrecke(s[0], d[1], d[2]) && aufStrecke(s[1], d[1], d[2]);
            EXPECT_EQ(auf, mitLaschen ? 1 : 0);
        }
        // The tabs of the cut spokes, counted over both pieces beside each.
        if (!geschlossen) {
            const std::size_t erste = std::size_t(t.flaechen.front()) % n;
            const std::size_t letzte = (std::size_t(t.flaechen.back()) + 1) % n;
            schnittSpeichen.insert({t.oberteil, erste});
            for (const auto& [j, ende] : {std::pair{erste, 0}, std::pair{letzte, 1}}) {
                const auto& d = ende ? t.dreiecke.back() : t.dreiecke.front();
                const Punkt spitze = d[0], aussen = ende ? d[2] : d[1];
                for (const netz::Lasche& l : t.laschen)
                    for (const auto& s : l)
                        speichenLaschen[{t.oberteil, j}] += aufStrecke(s[0], spitze, aussen) && aufStrecke(s[1], spitze, aussen);
            }
        }
        // Inside the printable area above its foot band.
        for (const Punkt& p : t.schnitt) {
            EXPECT_GE(p.x, -1e-9);
            EXPECT_GE(p.y, -1e-9);
            EXPECT_LE(p.x, netz.blattBreite + 1e-9);
            EXPECT_LE(p.y, netz.blattHoehe - netz::kFusszeile + 1e-9);
        }
        EXPECT_LT(t.blatt, netz.blaetter);
        // Folds inside the piece of the type its spoke has in the star; every
        // spoke inside the piece that is not flat folds, on a closed piece its
        // first as well.
        for (std::size_t j = 0; j < t.dreiecke.size(); ++j) {
            int falten = 0;
            for (const netz::Falte& f : t.falten) {
                if (abstand(f.a, t.dreiecke[j][0]) < 1e-9 && abstand(f.b, t.dreiecke[j][1]) < 1e-9) {
                    EXPECT_EQ(f.art == netz::Falz::Berg, konvex(k, std::size_t(t.flaechen[j]) % n));
                    ++falten;
                }
            }
            const bool innen = j > 0 || t.anfang.empty();
            EXPECT_EQ(falten, innen && netz::faltung(k, std::size_t(t.flaechen[j]) % n) ? 1 : 0) << j;
        }
    }
    pruefeNamen(netz);
    for (std::size_t f = 0; f < 2 * n; ++f)
        EXPECT_EQ(gesehen[f], f < n || haelften == 2 ? 1 : 0) << f;
    for (const auto& [oben, w] : winkel)
        EXPECT_NEAR(w, netz.winkelsumme, 1e-9);
    for (const auto& s : schnittSpeichen)
        EXPECT_EQ(speichenLaschen[s], 1);
    keineUeberlappung(netz);
}

// The pieces of copy k alone, as the net of one star.
netz::Netz kopie(const netz::Netz& n, int k)
{
    netz::Netz eine = n;
    const std::size_t m = n.teile.size() / std::size_t(n.kopien);
    eine.teile.assign(n.teile.begin() + std::ptrdiff_t(m * std::size_t(k)),
        n.teile.begin() + std::ptrdiff_t(m * std::size_t(k + 1)));
    eine.kopien = 1;
    return eine;
}

double umfang(const std::vector<Punkt>& u)
{
    double s = 0;
    for (std::size_t i = 0; i < u.size(); ++i)
        s += abstand(u[i], u[(i + 1) % u.size()]);
    return s;
}

// The net of several stars: each copy a sound net with the pieces, names
// and numbers of the first (their labels stand as each piece lies), all of
// them apart on the same sheets; on no fewer sheets than one star and no
// more than each star on sheets of its own. Whether there is a net at all.
bool pruefeKopien(const PeloxState& s, netz::Vorgabe v, int kopien)
{
    v.kopien = 1;
    const netz::Ergebnis eins = netz::entfalten(s, v);
    v.kopien = kopien;
    const netz::Ergebnis alle = netz::entfalten(s, v);
    EXPECT_EQ(eins.netz.has_value(), alle.netz.has_value());
    if (!eins.netz || !alle.netz)
        return false;
    EXPECT_EQ(alle.netz->kopien, kopien);
    EXPECT_GE(alle.netz->blaetter, eins.netz->blaetter);
    EXPECT_LE(alle.netz->blaetter, kopien * eins.netz->blaetter);
    if (alle.netz->teile.size() % std::size_t(kopien) != 0) {
        ADD_FAILURE() << alle.netz->teile.size() << " pieces for " << kopien << " stars";
        return true;
    }
    const netz::Netz erste = kopie(*alle.netz, 0);
    for (int k = 0; k < kopien; ++k) {
        SCOPED_TRACE(k);
        const netz::Netz n = kopie(*alle.netz, k);
        pruefeNetz(n, v);
        for (std::size_t i = 0; i < n.teile.size(); ++i) {
            const netz::Teil &a = erste.teile[i], &b = n.teile[i];
            EXPECT_EQ(std::tie(a.oberteil, a.nummer, a.anzahl, a.anfang, a.ende, a.flaechen),
                std::tie(b.oberteil, b.nummer, b.anzahl, b.anfang, b.ende, b.flaechen));
            EXPECT_NEAR(umfang(a.schnitt), umfang(b.schnitt), kGenau);
        }
    }
    keineUeberlappung(*alle.netz);
    return true;
}

// A small star's net leaves most of its sheet free: a second star's pieces
// go there, and twenty stars take half as many sheets or fewer.
TEST(Netz, CopiesOfAStarShareItsSheets)
{
    const PeloxState s = netzStern(8, 8, 3.4);
    const netz::Vorgabe v = vorgabe(1.6);
    EXPECT_TRUE(pruefeKopien(s, v, 2));
    netz::Vorgabe zwei = v;
    zwei.kopien = 2;
    const netz::Ergebnis e = netz::entfalten(s, zwei);
    ASSERT_TRUE(e.netz) << e.grund;
    EXPECT_EQ(e.netz->blaetter, 1);
    EXPECT_TRUE(pruefeKopien(netzStern(), vorgabe(3.8), 3));
    zwei.kopien = netz::kKopienMax;
    const netz::Ergebnis viele = netz::entfalten(s, zwei);
    ASSERT_TRUE(viele.netz) << viele.grund;
    // Two or more stars to a sheet.
    EXPECT_LE(viele.netz->blaetter, netz::kKopienMax / 2);
    EXPECT_TRUE(pruefeKopien(s, v, netz::kKopienMax));
}

TEST(Netz, CopiesRunFromOneToTwenty)
{
    const PeloxState s = netzStern();
    for (const int kopien : {0, -1, netz::kKopienMax + 1}) {
        netz::Vorgabe v = vorgabe(3.8);
        v.kopien = kopien;
        const netz::Ergebnis e = netz::entfalten(s, v);
        EXPECT_FALSE(e.netz) << kopien;
        EXPECT_EQ(e.grund.asWritten(), "Die Teile von 1 bis 20 Sternen kommen zusammen auf die Blätter.");
    }
}

TEST(Netz, RandomDesignsGiveSoundNetsForSeveralStars)
{
    std::mt19937 zufall(27);
    int netze = 0;
    for (int n = 0; n < 40; ++n) {
        const PeloxState s = zufallsStern(zufall);
        netz::Vorgabe v = vorgabe(std::uniform_real_distribution<double>(0.1, 12)(zufall));
        v.haelften = n % 5 == 0 ? 1 : 2;
        v.ziel = n % 3 == 0 ? netz::Ziel::WenigeBlaetter : netz::Ziel::WenigeTeile;
        SCOPED_TRACE(n);
        netze += pruefeKopien(s, v, 2 + n % 3);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(netze, 15);
}

} // namespace
