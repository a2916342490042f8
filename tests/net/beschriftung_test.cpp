// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The labels of the net: each on the piece it names, legible, apart from
// the others and from every cut line; the piece's name clear of its folds.
#include "net/beschriftung.h"
#include "net/vieleck.h"

#include "net/entwurf.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using netz::Punkt;
using netz::Rechteck;
using netz::operator-;

constexpr double kA4Breite = 20.285, kA4Hoehe = 28.998;
const std::string kFehlend = "Beschriftungen ohne Platz";

netz::Vorgabe a4(double hoehe)
{
    netz::Vorgabe v;
    v.hoehe = hoehe;
    v.blattBreite = kA4Breite;
    v.blattHoehe = kA4Hoehe;
    return v;
}

// Whether the rectangle lies inside the polygon, none of its sides crossing it.
bool drin(const Rechteck& r, const std::vector<Punkt>& v)
{
    for (const Punkt& p :
        {Punkt{r.links, r.oben}, Punkt{r.rechts, r.oben}, Punkt{r.links, r.unten}, Punkt{r.rechts, r.unten}}) {
        if (!netz::drinnen(v, p))
            return false;
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (blatt::schneidet(blatt::Strecke{v[i], v[(i + 1) % v.size()]}, r))
            return false;
    }
    return true;
}

bool ueberlappen(const Rechteck& a, const Rechteck& b)
{
    return a.links < b.rechts && b.links < a.rechts && a.oben < b.unten && b.oben < a.unten;
}

bool istName(const netz::Text& x)
{
    return x.text.context
        && (x.text.source == "Oberteil" || x.text.source == "Unterteil" || x.text.source == "Teil %1 von %2");
}

// Every label of the net on its piece, at 6 pt at least, apart from every
// other and from the cut lines, the name clear of the folds through the
// peak; each missing one counted in the hint, and none missing without it.
void pruefeBeschriftung(const netz::Netz& n)
{
    const std::size_t ecken = n.koerper.umriss.size();
    int fehlend = 0, alle = 0;
    for (std::size_t a = 0; a < n.teile.size(); ++a) {
        const netz::Teil& t = n.teile[a];
        SCOPED_TRACE(a);
        const auto kante = [&](int j) { return n.koerper.kante[std::size_t(t.flaechen[std::size_t(j)]) % ecken]; };
        const Punkt spitze = t.dreiecke.front()[0];
        std::multiset<std::string> erwartet;
        std::set<int> kanten, laschenKanten;
        for (std::size_t j = 0; j < t.dreiecke.size(); ++j)
            kanten.insert(kante(int(j)));
        for (const int f : t.laschenFlaeche) {
            if (f >= 0)
                laschenKanten.insert(kante(f));
            else
                erwartet.insert(t.ende);
        }
        for (const int k : kanten)
            erwartet.insert(std::to_string(k));
        for (const int k : laschenKanten)
            erwartet.insert(std::to_string(k));
        if (!t.anfang.empty())
            erwartet.insert({t.anfang, t.ende});
        erwartet.insert({t.oberteil ? "Oberteil" : "Unterteil",
            "Teil " + std::to_string(t.nummer) + " von " + std::to_string(t.anzahl)});

        std::multiset<std::string> gesehen;
        for (const netz::Text& x : t.texte) {
            const std::string text = x.text.asWritten();
            gesehen.insert(text);
            const Rechteck r = netz::textRahmen(x);
            // Smaller than 6 pt a crafter can hardly read it.
            EXPECT_GE(x.punkte, 6) << text;
            EXPECT_TRUE(drin(r, t.schnitt)) << text << " at " << x.mitte.x << ", " << x.mitte.y;
            if (istName(x)) {
                for (const netz::Falte& f : t.falten) {
                    const bool durchSpitze = netz::laenge(f.a - spitze) < 1e-9 || netz::laenge(f.b - spitze) < 1e-9;
                    EXPECT_FALSE(durchSpitze && blatt::schneidet(blatt::Strecke{f.a, f.b}, r)) << text;
                }
            }
            // An edge's number on a face or a tab of that edge.
            if (!x.text.context && std::isdigit(static_cast<unsigned char>(text[0]))) {
                bool aufKante = false;
                for (std::size_t j = 0; j < t.dreiecke.size(); ++j)
                    aufKante |= std::to_string(kante(int(j))) == text
                        && netz::drinnen({t.dreiecke[j].begin(), t.dreiecke[j].end()}, x.mitte);
                for (std::size_t q = 0; q < t.laschen.size(); ++q)
                    for (const std::vector<netz::Punkt>& stueck : t.laschen[q])
                        aufKante |= t.laschenFlaeche[q] >= 0 && std::to_string(kante(t.laschenFlaeche[q])) == text
                            && netz::drinnen(stueck, x.mitte);
                EXPECT_TRUE(aufKante) << text;
            }
        }
        EXPECT_TRUE(std::includes(erwartet.begin(), erwartet.end(), gesehen.begin(), gesehen.end()));
        fehlend += int(erwartet.size()) - int(gesehen.size());
        alle += int(erwartet.size());
        // Apart from every text of its own and the other pieces of the sheet.
        for (std::size_t b = a; b < n.teile.size(); ++b) {
            if (n.teile[b].blatt != t.blatt)
                continue;
            for (std::size_t i = 0; i < t.texte.size(); ++i) {
                for (std::size_t j = a == b ? i + 1 : 0; j < n.teile[b].texte.size(); ++j) {
                    EXPECT_FALSE(ueberlappen(netz::textRahmen(t.texte[i]), netz::textRahmen(n.teile[b].texte[j])))
                        << t.texte[i].text << " / " << n.teile[b].texte[j].text;
                }
            }
        }
    }
    const auto hinweis = std::find_if(n.hinweise.begin(), n.hinweise.end(),
        [](const Phrase& p) { return p.source.starts_with(kFehlend); });
    if (fehlend == 0) {
        EXPECT_EQ(hinweis, n.hinweise.end());
    } else {
        ASSERT_NE(hinweis, n.hinweise.end()) << fehlend;
        EXPECT_EQ(hinweis->args.at(0).source, std::to_string(fehlend));
        EXPECT_EQ(hinweis->args.at(1).source, std::to_string(alle));
    }
}

netz::Netz netzVon(const PeloxState& s, const netz::Vorgabe& v)
{
    const netz::Ergebnis e = netz::entfalten(s, v);
    EXPECT_TRUE(e.netz) << e.grund;
    return e.netz.value_or(netz::Netz{});
}

int fehlend(const netz::Netz& n)
{
    int f = 0;
    for (const netz::Teil& t : n.teile)
        f -= int(t.texte.size());
    for (const Phrase& h : n.hinweise)
        f += h.source.starts_with(kFehlend) ? std::stoi(h.args.at(0).source) : 0;
    return f;
}

TEST(Beschriftung, TheStartStarKeepsEveryLabel)
{
    for (const double hoehe : {0.1, 3.8, 19.0}) {
        const netz::Netz n = netzVon(netzStern(), a4(hoehe));
        pruefeBeschriftung(n);
        EXPECT_TRUE(n.hinweise.empty()) << hoehe;
    }
}

// Thin pieces: a star 10 % high at a peak of 0.1 cm, an inner corner on the
// centre, pulled corners, one half alone with its tabs at the outline.
TEST(Beschriftung, ThinPiecesKeepTheirNamesOnThemselves)
{
    PeloxState flach = netzStern();
    flach.YFaktor = 0.1f;
    star::PeloxBerechnung(flach);
    PeloxState mitte = netzStern();
    mitte.Radius[4] = 0;
    star::PeloxBerechnung(mitte);
    PeloxState gezogen = netzStern(8, 12, 4);
    gezogen.Radius[1] = 10;
    gezogen.Radius[9] = 9;
    gezogen.Radius[6] = 0.5f;
    star::PeloxBerechnung(gezogen);
    for (const auto& [s, hoehe] : {std::pair{flach, 0.1}, std::pair{mitte, 0.1}, std::pair{mitte, 2.0},
             std::pair{gezogen, 0.5}, std::pair{gezogen, 1.0}}) {
        for (const int haelften : {1, 2}) {
            SCOPED_TRACE(testing::Message() << hoehe << " " << haelften);
            netz::Vorgabe v = a4(hoehe);
            v.haelften = haelften;
            pruefeBeschriftung(netzVon(s, v));
        }
    }
}

// Many points: with the curve on, every edge in four segments; and so small
// that not every label finds room, which the hint then says.
TEST(Beschriftung, ManyPointsCurvedOrSmall)
{
    PeloxState gebogen = netzStern(36, 19, 15);
    biegen(gebogen, 0.05f, -0.04f, 0.03f);
    for (const double hoehe : {0.1, 1.0, 3.0}) {
        SCOPED_TRACE(hoehe);
        pruefeBeschriftung(netzVon(gebogen, a4(hoehe)));
    }
    const netz::Netz klein = netzVon(netzStern(36, 5, 4), a4(0.5));
    pruefeBeschriftung(klein);
    EXPECT_GT(fehlend(klein), 0);
}

TEST(Beschriftung, RandomDesignsKeepTheirLabelsApart)
{
    std::mt19937 zufall(31);
    int netze = 0;
    for (int n = 0; n < 50; ++n) {
        const PeloxState s = zufallsStern(zufall);
        netz::Vorgabe v = a4(std::uniform_real_distribution<double>(0.1, 10)(zufall));
        v.lasche = std::uniform_real_distribution<double>(netz::kLascheMin, netz::kLascheMax)(zufall);
        v.haelften = n % 4 == 0 ? 1 : 2;
        const netz::Ergebnis e = netz::entfalten(s, v);
        if (!e.netz)
            continue;
        ++netze;
        SCOPED_TRACE(n);
        pruefeBeschriftung(*e.netz);
        if (HasFailure())
            return;
    }
    EXPECT_GT(netze, 25);
}

} // namespace
