// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folds as the machine gets them, and the net's drawing with only what
// is cut.
#include "net/zeichnen.h"
#include "paper/zeichnung.h"

#include <gtest/gtest.h>

using namespace zeichnung;

namespace {

std::vector<std::pair<double, double>> striche(double laenge, Falzwahl w)
{
    Zeichnung z;
    falz(z, 0, {5, 1}, {5, 1 + laenge}, Rolle::Tal, w);
    std::vector<std::pair<double, double>> r;
    for (const Linie& l : z.linien) {
        EXPECT_EQ(l.rolle, Rolle::Tal);
        EXPECT_EQ(l.punkte.size(), 2u);
        EXPECT_DOUBLE_EQ(l.punkte[0].x, 5);
        r.emplace_back(l.punkte[0].y - 1, l.punkte[1].y - 1);
    }
    return r;
}

void gleich(const std::vector<std::pair<double, double>>& a, const std::vector<std::pair<double, double>>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i].first, b[i].first, 1e-9) << i;
        EXPECT_NEAR(a[i].second, b[i].second, 1e-9) << i;
    }
}

} // namespace

TEST(Falze, PerforationCutsFromTheStartAndEndsAtTheFoldsEnd)
{
    const Falzwahl p{Falzart::Perforieren, 1, 2};
    gleich(striche(10, p), {{0, 1}, {3, 4}, {6, 7}, {9, 10}});
    // The last cut shorter where the fold ends within it, none in a gap.
    gleich(striche(9.5, p), {{0, 1}, {3, 4}, {6, 7}, {9, 9.5}});
    gleich(striche(8.5, p), {{0, 1}, {3, 4}, {6, 7}});
    gleich(striche(0.5, p), {{0, 0.5}});
    gleich(striche(7, {Falzart::Perforieren, 0.5, 10}), {{0, 0.5}});
    gleich(striche(25, {Falzart::Perforieren, 10, 0.5}), {{0, 10}, {10.5, 20.5}, {21, 25}});
    gleich(striche(10, {Falzart::Ritzen, 1, 2}), {{0, 10}});
    EXPECT_TRUE(striche(10, {Falzart::Keine, 1, 2}).empty());
    EXPECT_TRUE(striche(0, p).empty());
}

TEST(Falze, LengthsCountTheClosingSegment)
{
    Linie l{Rolle::Schnitt, 0, {{0, 0}, {3, 0}, {3, 4}}, false};
    EXPECT_DOUBLE_EQ(laenge(l), 7);
    l.geschlossen = true;
    EXPECT_DOUBLE_EQ(laenge(l), 12);
    const Linie k = kreis(Rolle::Zeichen, 0, {1, 1}, 2);
    EXPECT_TRUE(k.geschlossen);
    EXPECT_NEAR(laenge(k), 2 * 3.14159265 * 2, 0.05);
}

TEST(NetzZeichnung, OnlyWhatIsCutLeavesOutTextsAndFrames)
{
    netz::Netz n;
    n.blattBreite = 19;
    n.blattHoehe = 27;
    n.blaetter = 2;
    netz::Teil t;
    t.blatt = 1;
    t.schnitt = {{1, 1}, {5, 1}, {5, 4}};
    t.falten = {{{1, 1}, {5, 4}, netz::Falz::Berg}};
    t.texte = {{{3, 2}, 8, Phrase("1")}};
    n.teile = {t};
    const Zeichnung alles = netz::zeichnen(n, {}, "s.plx");
    EXPECT_DOUBLE_EQ(alles.breite, 2 * 190 + kBlattAbstandMm);
    ASSERT_EQ(alles.linien.size(), 4u);
    // The piece on the second sheet, in mm from the left of everything.
    EXPECT_DOUBLE_EQ(alles.linien[0].punkte[0].x, 200 + 10);
    EXPECT_TRUE(alles.linien[0].geschlossen);
    EXPECT_EQ(alles.linien[1].rolle, Rolle::Berg);
    EXPECT_EQ(alles.linien[2].rolle, Rolle::Blatt);
    EXPECT_EQ(alles.schriften.size(), 2u * 2 + 1);

    const Zeichnung schnitt = netz::zeichnen(n, {{Falzart::Perforieren, 1, 1}, true}, "s.plx");
    EXPECT_TRUE(schnitt.schriften.empty());
    ASSERT_EQ(schnitt.linien.size(), 1u + 25);
    for (const Linie& l : schnitt.linien)
        EXPECT_NE(l.rolle, Rolle::Blatt);
}
