// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

// What lies on one sheet, in twips from the top-left corner of the page's
// drawing area, x to the right and y downwards.
namespace blatt {

// Text in the printout's font, Courier at 10 pt: every character is 6 pt
// wide. How far apart its lines are the printer's font tells.
constexpr double kZeichenBreite = 120;

// A true centimetre; the star itself is printed at 566 twips to its centimetre.
constexpr double kTwipsProCm = 1440 / 2.54;

// A quarter inch, in mm: nothing on a PDF page lies closer to the paper's
// edge, since most office printers cannot print there.
constexpr double kPdfRandMm = 6.35;

struct Punkt {
    double x = 0;
    double y = 0;
};

struct Strecke {
    Punkt a;
    Punkt b;
};

struct Rechteck {
    double links = 0;
    double oben = 0;
    double rechts = 0;
    double unten = 0;

    double breite() const { return rechts - links; }
    double hoehe() const { return unten - oben; }
    // Grown by rand on every side.
    Rechteck erweitert(double rand) const { return {links - rand, oben - rand, rechts + rand, unten + rand}; }
    bool enthaelt(const Rechteck& r) const
    {
        return r.links >= links && r.oben >= oben && r.rechts <= rechts && r.unten <= unten;
    }
    bool schneidet(const Rechteck& r) const
    {
        return r.links <= rechts && r.rechts >= links && r.oben <= unten && r.unten >= oben;
    }
};

// Whether any part of the segment lies inside the rectangle or on its edge.
bool schneidet(const Strecke& s, const Rechteck& r);

// The part of the segment inside the rectangle (edges included); none when
// nothing of it with any length lies inside, a point segment when the
// segment is a point inside.
std::optional<Strecke> beschneiden(const Strecke& s, const Rechteck& r);

// The smallest rectangle around the segments and areas; all zero when there
// are none.
Rechteck umriss(const std::vector<Strecke>& strecken, const std::vector<Rechteck>& flaechen = {});

// The lines drawn on a sheet, and areas such as a circle or a block of text,
// each as the rectangle around it.
class Inhalt {
public:
    void strecke(Punkt a, Punkt b) { m_strecken.push_back({a, b}); }
    void flaeche(const Rechteck& r) { m_flaechen.push_back(r); }
    bool leer() const { return m_strecken.empty() && m_flaechen.empty(); }

    // The smallest rectangle around everything; all zero when empty.
    Rechteck umriss() const;
    // Whether anything lies inside r or touches it.
    bool beruehrt(const Rechteck& r) const;

private:
    std::vector<Strecke> m_strecken;
    std::vector<Rechteck> m_flaechen;
};

} // namespace blatt
