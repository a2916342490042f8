// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ansicht.h"
#include "net/ebene.h"
#include "net/koerper.h"
#include "net/laterne.h"
#include "paper/pruefmass.h"
#include "star/phrase.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The cut-and-fold net of the folded star: each half laid flat around its
// peak, cut along spokes into pieces that fit the paper, with folds, glue
// tabs and labels, and the pieces placed on sheets. Everything on a sheet is
// in cm from the top-left corner of its printable area, x to the right and
// y downward, seen from the printed side, which is the outside of the star.
namespace netz {

// The outer diameters of the finished star the dialog and the command line
// offer, in cm.
inline constexpr double kDurchmesserMin = 5;
inline constexpr double kDurchmesserMax = 100;
inline constexpr double kDurchmesserSchritt = 0.5;
// The lowest peak offered, cm.
inline constexpr double kHoeheMin = 0.1;
// The tab widths the dialog and the command line offer, in cm.
inline constexpr double kLascheMin = 0.5;
inline constexpr double kLascheMax = 2;
inline constexpr double kLascheStandard = 1;
// The band along the bottom of every sheet that is kept for the legend, the
// sheet's number and the file name; no piece lies in it. High enough for the
// legend in three rows, where the paper is too narrow for it beside the
// check scale in one.
inline constexpr double kFusszeile = 2;
// The square at the bottom right of every sheet that is kept for the check
// scale. Every piece fits the sheet above it; smaller ones also lie beside
// it, down to the band.
inline constexpr double kPruefmassFeld = pruefmass::kFreiCm;
// The height of the sheet's printable area that every piece must fit.
inline constexpr double teilHoehe(double blattHoehe)
{
    return blattHoehe - kPruefmassFeld;
}
// The most stars whose pieces are laid out together on one set of sheets.
inline constexpr int kKopienMax = 20;
// Spokes where the faces meet at less than this from flat are no fold.
inline constexpr double kFlachGrad = 2;

enum class Ziel { WenigeTeile, WenigeBlaetter };

// Where the edges' numbers, the cut spokes' letters and the pieces' names
// are printed: on the faces beside what they name, or on the tabs alone, so
// that nothing shows on the outside of the finished star.
enum class Beschriftung { Flaechen, Laschen };

struct Vorgabe {
    double hoehe = 0;   // of each peak above the centre, cm
    double lasche = kLascheStandard;
    int haelften = 2;   // 1: the upper half alone, its outline with tabs
    Ziel ziel = Ziel::WenigeTeile;
    Beschriftung beschriftung = Beschriftung::Flaechen;
    double blattBreite = 0;  // the printable area of the paper upright, cm
    double blattHoehe = 0;
    // The stars made at once: the pieces of all of them share the sheets.
    int kopien = 1;
    // The lantern (laterne.h). The window's frame, cm: 0 for no windows.
    double fensterRahmen = 0;
    int fensterJedes = 1;       // a window in every face (1) or every second (2)
    double fensterRadius = 0;   // of the windows' corners, cm
    bool einsaetze = false;     // inserts behind the windows
    double oeffnung = 0;        // across the opening around the lower peak, cm; 0 for none
    bool aufhaenger = false;
    int aufhaengerEcke = -1;    // the tip (index into Koerper::umriss) it hangs by; -1: the uppermost
    bool farbig = false;        // the faces are printed in colour: their bleed is worked out
    bool schattiert = false;    // each face's colour shaded by the light on it
    // The colours of the upper and the lower half where the faces are printed
    // in colour; golden card unless chosen, as the 3D view shows it.
    std::array<Rgb, 2> farbe{};
};

// Seen from the printed side: a mountain fold rises toward the viewer.
enum class Falz { Berg, Tal };

struct Falte {
    Punkt a;
    Punkt b;
    Falz art = Falz::Berg;
};

struct Text {
    Punkt mitte;  // the text is centred here
    double punkte = 8;  // its size
    Phrase text;
};

// A glue tab along an edge or a cut spoke: one convex part per segment it
// is glued along, in the order the outline runs, each with its two corners
// on the fold line first (in the segment's direction), then its outer ones
// (one where the part narrows to a point). The parts of a bent edge's tab
// meet at its bend points, notched apart so that each folds with its segment.
using Lasche = std::vector<std::vector<Punkt>>;

struct Teil {
    bool oberteil = true;
    int nummer = 1;  // "Teil nummer von anzahl" within its half
    int anzahl = 1;
    // The letters of the spokes it is cut along, where it starts and where
    // it ends; none for a closed piece.
    std::string anfang;
    std::string ende;
    int blatt = 0;   // from 0
    double winkel = 0;  // the sum of its faces' angles at the peak, radians
    std::vector<int> flaechen;  // indices into Koerper::flaechen, in order
    std::vector<std::array<Punkt, 3>> dreiecke;  // per face: peak, then outline
    // The whole outline of the piece with its tabs, once round: what is cut.
    std::vector<Punkt> schnitt;
    std::vector<Lasche> laschen;
    // Per tab, the face (index into dreiecke) on whose outline edge it is
    // glued, the longest where the edge is bent, or -1 for the tab on the
    // spoke the piece ends with.
    std::vector<int> laschenFlaeche;
    // Spokes inside the piece and the lines where tabs meet their faces.
    std::vector<Falte> falten;
    // Edge numbers, cut spokes' letters, and the two lines of the piece's
    // name ("Oberteil", "Teil 1 von 2"), each on the face or tab it names.
    std::vector<Text> texte;
    // The lantern's cuts inside the piece, windows first, and per face its
    // colour (laterne.h).
    std::vector<Loch> loecher;
    std::vector<Anstrich> anstrich;
};

struct Netz {
    Koerper koerper;
    double winkelsumme = 0;  // of one half, radians
    double blattBreite = 0;  // the printable area as the sheets lie, cm
    double blattHoehe = 0;
    int blaetter = 0;
    int kopien = 1;  // stars whose pieces these are, each with the same pieces
    // Star by star, each with the upper half's pieces first.
    std::vector<Teil> teile;
    // What the user should know before cutting, though the net can be made:
    // tabs too narrow to glue, labels that could not keep their size.
    std::vector<Phrase> hinweise;
    // The windows' inserts, on the sheets after the net's.
    std::vector<Einsatz> einsaetze;
    int einsatzBlaetter = 0;
    // What it was made from: the colours and the opening its drawings show.
    Vorgabe vorgabe;
};

struct Ergebnis {
    std::optional<Netz> netz;  // none when it cannot be made
    Phrase grund;         // then why
};

// The sum of the angles at the peak of one half's faces, radians.
double winkelsumme(const Koerper& k);

// The height at which one half's angles add up to a full turn, so that the
// flat star folds up without a cut; none for a design that has none.
std::optional<double> natuerlicheHoehe(const PeloxState& s);

// The highest peak the dialog and the command line offer for the star s, cm:
// as high as the finished star is long (the longer side of its outline), or
// its natural height where that is higher, given when it is known already;
// rounded up to the hundredths the dialog's field holds.
double hoeheMax(const PeloxState& s, std::optional<double> natuerlich);
double hoeheMax(const PeloxState& s);

// "12,0 × 18,5 cm": the finished star's width and height.
Phrase groesse(const Ausmass& a);
// The finished star's size and thickness, with haelften as for the net:
// "Fertiger Stern: 12,0 × 18,5 cm, 7,4 cm dick".
Phrase fertigerStern(const Koerper& k, int haelften);
// Why the height given as eingabe is not offered for the star s, with the
// heights that are: for the command line's --peak.
Phrase hoeheNichtErlaubt(const PeloxState& s, const std::string& eingabe);

// The fold along the spoke to outline point i, from the two faces beside it
// in the folded star; none where they meet at less than kFlachGrad from flat.
std::optional<Falz> faltung(const Koerper& k, std::size_t i);

// The net of the star of the state (corners and bend points computed) as
// asked for. Refused, with the reason, where the star cannot be folded (see
// falten), where the tab width or the paper is out of range, and where a
// single face with its tabs is larger than the sheet, saying what to change
// so that it fits; every change named has been tried (see rat.h). With the
// lantern's options (laterne.h), refused too where one is out of range or
// the opening or the hanger's hole does not fit. For several copies, the
// pieces of all of them are laid out together onto the fewest sheets.
Ergebnis entfalten(const PeloxState& s, const Vorgabe& v);

} // namespace netz
