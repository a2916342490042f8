// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/optionen.h"

#include <QStringList>
#include <vector>

namespace kommandozeile {

enum class Art {
    Datei, // the file the option writes
    Zahl, // a number in a range
    Wahl, // one of a few words
    Spitze, // a number from its least up to the diameter, or "natural"
    Schalter, // given or not, without a value
    Paar, // two numbers in one range, "1,2" or "1.5,2.5"
    Farbe, // one colour or one per half, RRGGBB[,RRGGBB]
};

// A range of a number and the files for which it holds.
struct Bereich {
    unsigned fuer;
    double von;
    double bis;
};

inline const char* const kDatei = QT_TRANSLATE_NOOP("Kommandozeile", "datei");

struct Zeile {
    const char* name = nullptr;
    Art art = Art::Datei;
    // The file a Datei option writes; the files the others count for.
    unsigned ausgaben = 0;
    // The files that cannot be made without this option.
    unsigned braucht = 0;
    // The files for which it counts only with --cut-only: given for one of
    // them without it, it is refused rather than left unused.
    unsigned nurMitSchnitt = 0;
    // Whether it shows only on what is printed: refused with --cut-only.
    bool gedruckt = false;
    // The option it is refused without.
    const char* mit = nullptr;
    // The help, with the ranges' limits, the choices, then the default
    // for %1, %2 ...
    const char* hilfe = nullptr;
    // What the value is called in the help and in the messages.
    const char* wertName = kDatei;
    const char* was = nullptr;
    const char* einheit = nullptr;
    std::vector<Bereich> bereiche {};
    QStringList wahl {};
    const char* vorgabe = nullptr;
    // The files for which the value may be a list of sizes (groessen).
    unsigned liste = 0;
    // Whether only whole numbers are taken.
    bool ganz = false;
};

constexpr unsigned kFaltnetz = kNetz | kNetzSvg | kNetzDxf;
// The files of the net that print colours.
constexpr unsigned kFarbig = kNetz | kNetzSvg;
constexpr unsigned kFaltstern = kFaltnetz | kStl;
constexpr unsigned kSternbogen = kBogen | kBogenSvg | kBogenDxf;
constexpr unsigned kMitDesign = kPdf | kSvg | kBmp | kPoster | kDxf | kFaltstern | kSternbogen;
// The files that can hold only what is cut and folded.
constexpr unsigned kSchneidbar = kPdf | kDxf | kFaltnetz | kSternbogen;

// The command line's options, one row each, in the order the help lists them.
const std::vector<Zeile>& tabelle();

} // namespace kommandozeile
