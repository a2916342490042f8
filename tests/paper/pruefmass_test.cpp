// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the check scale goes: the first free corner of the sheet, clear of
// every line and of the data block, or nowhere.
#include "paper/pruefmass.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kCm = 1440 / 2.54;
constexpr double kBreite = 11906, kHoehe = 16838;  // A4 without margins

blatt::Punkt ecke(const blatt::Inhalt& belegt, double breite = kBreite, double hoehe = kHoehe)
{
    const auto e = pruefmass::FreieEcke(belegt, {0, 0, breite, hoehe});
    return e ? *e : blatt::Punkt{-1, -1};
}

bool gleich(blatt::Punkt a, blatt::Punkt b)
{
    return std::abs(a.x - b.x) < 1e-6 && std::abs(a.y - b.y) < 1e-6;
}

} // namespace

TEST(Pruefmass, TheFirstFreeCornerOrNone)
{
    const double rechts = kBreite - 5.3 * kCm, unten = kHoehe - 5.3 * kCm, rand = 0.3 * kCm;
    blatt::Inhalt belegt;
    EXPECT_TRUE(gleich(ecke(belegt), {rechts, unten}));

    // A line that only crosses the corner's square, with both ends outside
    // it, takes the corner; so does one that passes within the clearance.
    belegt.strecke({kBreite - 6 * kCm, kHoehe}, {kBreite, kHoehe - 6 * kCm});
    EXPECT_TRUE(gleich(ecke(belegt), {rand, unten}));
    belegt.strecke({5.5 * kCm, 0}, {5.5 * kCm, kHoehe});
    EXPECT_TRUE(gleich(ecke(belegt), {rechts, rand}));
    // One just beyond the clearance leaves it free.
    blatt::Inhalt knapp;
    knapp.strecke({kBreite - 5.7 * kCm, 0}, {kBreite - 5.7 * kCm, kHoehe});
    EXPECT_TRUE(gleich(ecke(knapp), {rechts, unten}));

    // A block of text, or a circle, counts as the area it covers.
    belegt.flaeche({kBreite - 3 * kCm, 2 * kCm, kBreite - 2 * kCm, 3 * kCm});
    belegt.flaeche({-1, -1, 1, 1});
    EXPECT_EQ(ecke(belegt).x, -1);
    // A sheet too small for the square has no corner for it at all.
    EXPECT_EQ(ecke({}, 5.5 * kCm, kHoehe).x, -1);
}

// The instruction and the labels, at Courier's width and whatever line
// spacing the printer's font has, stay in the square that was found free and
// do not overlap.
TEST(Pruefmass, TextsStayInsideTheSquare)
{
    for (const double zeile : {240.0, 251.0, 320.0}) {
        const pruefmass::Zeichnung z = pruefmass::Zeichnen({1000, 2000}, zeile);
        const blatt::Rechteck quadrat{1000, 2000, 1000 + 5 * kCm, 2000 + 5 * kCm};
        std::vector<blatt::Rechteck> platz;
        for (const pruefmass::Text& t : z.texte) {
            // Characters, not bytes: the continuation bytes of UTF-8 do not count.
            const std::string text = t.text.asWritten();
            const auto zeichen = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
            const blatt::Rechteck r{t.obenLinks.x, t.obenLinks.y, t.obenLinks.x + double(zeichen) * blatt::kZeichenBreite,
                t.obenLinks.y + zeile};
            EXPECT_TRUE(quadrat.enthaelt(r)) << t.text << " " << zeile;
            for (const blatt::Rechteck& vorher : platz)
                EXPECT_FALSE(vorher.erweitert(-1).schneidet(r)) << t.text << " " << zeile;
            platz.push_back(r);
        }
    }
}
