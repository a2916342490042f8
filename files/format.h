// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/phrase.h"
#include "star/state.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The star data file: a text file of one field per line, every line ended by
// CR LF. The quoted header word, eighteen fixed fields, then one radius per
// corner until the end of the file.
namespace plx {

// Everything a file holds besides its header word, under the names of the
// variables the fields come from and go to.
struct Inhalt {
    std::int16_t ZweiA4 = 0;
    float AussenDurchmesserNeu = 0;
    float InnenDurchmesserNeu = 0;
    std::int16_t AnzahlSpitzen = 0;
    float YFaktor = 0;
    float KurvenWert1 = 0;
    float KurvenWert2 = 0;
    float KurvenWert3 = 0;
    float KurveX1 = 0;
    float KurveY1 = 0;
    float KurveX2 = 0;
    float KurveY2 = 0;
    float KurveX3 = 0;
    float KurveY3 = 0;
    std::int16_t PeloxForm = 0;
    std::int16_t StrichDicke = 0;
    std::int16_t Gezogen = 0;
    std::vector<float> Radien;  // Radius(1), Radius(2) ...

    bool operator==(const Inhalt&) const = default;
};

// No star file comes anywhere near this size (118 short lines at most);
// anything larger is refused before it is looked at.
inline constexpr std::size_t kGroessteDatei = 64 * 1024;
// Radius has room for 100 corners.
inline constexpr std::size_t kMeisteRadien = 100;
// A bound on every other number, in cm or in twips of the curve editor: far
// beyond anything the window can produce, and small enough that every
// coordinate computed from the file stays finite and drawable.
inline constexpr float kGroessterBetrag = 100000;

// The fields of the star as it is now, with one radius per corner of the last
// corner computation.
Inhalt ausZustand(const PeloxState& s);

// The whole design as a step of the editor keeps it: the fields of the file
// with every radius slot, also of corners not drawn now, which come back when
// the points are raised again.
Inhalt entwurf(const PeloxState& s);

// The exact bytes of the file.
std::string schreiben(const Inhalt& inhalt, std::string_view kennung);

// A single-precision value as the file writes it: point as separator, at most
// seven significant digits, no trailing zeros, whole values without a point,
// exponent form only for very small or very large magnitudes.
std::string zahlText(float v);

struct Gelesen {
    enum Befund { Gut, KeinePeloxDatei, Beschaedigt };
    Befund befund = Gut;
    Inhalt inhalt;      // only when Gut
    Phrase grund;       // only when Beschaedigt: what is wrong
};

// The bytes of the file at pfad, the name as the system spells it, whatever
// its encoding; at most kGroessteDatei + 1 of them, so that a larger file is
// still known to be too large. Only a regular file is opened: a named pipe, a
// device or a folder is refused before, as opening one could wait for ever.
struct Bytes {
    enum Befund { Gelesen, NichtLesbar, KeineDatei };
    Befund befund = Gelesen;
    std::string bytes;  // only when Gelesen
};
Bytes laden(const std::string& pfad);

// Reads a whole file and checks every value against the range the window can
// take, so that a file is either taken completely or not at all. A value
// other than 0 or 1 in the two-sheet field leaves the check box as it is, so
// the diameters are then checked against zweiA4Jetzt, the box's present state.
// A UTF-8 byte-order mark before the header, as editors elsewhere write one,
// is passed over.
Gelesen lesen(std::string_view datei, std::string_view kennung, bool zweiA4Jetzt);

} // namespace plx
