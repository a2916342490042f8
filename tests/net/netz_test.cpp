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

TEST(Netz, TheStartStarAtItsDefaultHeightTakesFourA4SheetsAtMost)
{
    const PeloxState s = netzStern();
    for (const netz::Ziel z : {netz::Ziel::WenigeTeile, netz::Ziel::WenigeBlaetter}) {
        netz::Vorgabe v = vorgabe(3.8);
        v.ziel = z;
        const netz::Ergebnis e = netz::entfalten(s, v);
        ASSERT_TRUE(e.netz) << e.grund;
        EXPECT_NEAR(e.netz->winkelsumme * 180 / std::numbers::pi, 458, 1);
        EXPECT_LE(e.netz->blaetter, 4);
        pruefeNetz(*e.netz, v);
    }
}

TEST(Netz, TheFivePointStarAtItsNaturalHeightIsOneClosedPiecePerHalfOnA3)
{
    const PeloxState s = netzStern(5);
    const std::optional<double> h = netz::natuerlicheHoehe(s);
    ASSERT_TRUE(h);
    EXPECT_NEAR(*h, 4.83, 0.01);
    const netz::Vorgabe v = vorgabe(*h, kA3Breite, kA3Hoehe);
    const netz::Ergebnis e = netz::entfalten(s, v);
    ASSERT_TRUE(e.netz) << e.grund;
    EXPECT_NEAR(e.netz->winkelsumme, 2 * std::numbers::pi, 1e-9);
    ASSERT_EQ(e.netz->teile.size(), 2u);
    for (const netz::Teil& t : e.netz->teile) {
        EXPECT_EQ(t.flaechen.size(), 10u);
        EXPECT_EQ(t.laschen.size(), t.oberteil ? 0u : 10u);
    }
    pruefeNetz(*e.netz, v);
}

// "Few sheets" takes more pieces only where they save a sheet: against the
// net with few pieces it has fewer sheets, or as many with no more pieces.
TEST(Netz, FewSheetsTakeMorePiecesOnlyToSaveASheet)
{
    std::mt19937 zufall(33);
    int netze = 0;
    for (int n = 0; n < 40; ++n) {
        const PeloxState s = zufallsStern(zufall);
        netz::Vorgabe v = vorgabe(std::uniform_real_distribution<double>(0.1, 8)(zufall));
        v.lasche = std::uniform_real_distribution<double>(netz::kLascheMin, netz::kLascheMax)(zufall);
        const netz::Ergebnis teile = netz::entfalten(s, v);
        v.ziel = netz::Ziel::WenigeBlaetter;
        const netz::Ergebnis blaetter = netz::entfalten(s, v);
        ASSERT_EQ(teile.netz.has_value(), blaetter.netz.has_value()) << n;
        if (!teile.netz)
            continue;
        ++netze;
        SCOPED_TRACE(n);
        EXPECT_LE(blaetter.netz->blaetter, teile.netz->blaetter);
        if (blaetter.netz->blaetter == teile.netz->blaetter) {
            EXPECT_LE(blaetter.netz->teile.size(), teile.netz->teile.size());
        }
    }
    EXPECT_GT(netze, 20);
}

TEST(Netz, RandomDesignsGiveSoundNets)
{
    std::mt19937 zufall(26);
    int netze = 0;
    for (int n = 0; n < 120; ++n) {
        const PeloxState s = zufallsStern(zufall);
        netz::Vorgabe v = vorgabe(std::uniform_real_distribution<double>(0.1, 12)(zufall));
        v.lasche = std::uniform_real_distribution<double>(netz::kLascheMin, netz::kLascheMax)(zufall);
        v.haelften = n % 5 == 0 ? 1 : 2;
        v.ziel = n % 3 == 0 ? netz::Ziel::WenigeBlaetter : netz::Ziel::WenigeTeile;
        if (n % 4 == 0)
            v.hoehe = netz::natuerlicheHoehe(s).value_or(v.hoehe);
        const netz::Ergebnis e = netz::entfalten(s, v);
        if (!e.netz)
            continue;
        ++netze;
        SCOPED_TRACE(n);
        pruefeNetz(*e.netz, v);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(netze, 60);
}

} // namespace
