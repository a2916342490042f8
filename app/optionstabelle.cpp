// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's options as one table: each row names the option, the
// kind of its value, its range, its default and the files it counts for. A
// new option is a new row; the help and the check follow from it.
#include "app/optionstabelle.h"

#include "bogen/bogen.h"
#include "net/netz.h"
#include "paper/blatt.h"
#include "paper/zeichnung.h"
#include "print/poster.h"

#include <limits>

namespace kommandozeile {

const std::vector<Zeile>& tabelle()
{
    static const std::vector<Zeile> t {
        {.name = "pdf",
            .ausgaben = kPdf,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile", "Den Ausdruck als PDF-Datei <datei> schreiben.")},
        {.name = "svg",
            .ausgaben = kSvg,
            .hilfe
            = QT_TRANSLATE_NOOP("Kommandozeile", "Den Umriss in Originalgröße als SVG-Datei <datei> schreiben.")},
        {.name = "dxf",
            .ausgaben = kDxf,
            .hilfe = QT_TRANSLATE_NOOP(
                "Kommandozeile", "Den Umriss in Originalgröße als DXF-Datei <datei> (in mm) schreiben.")},
        {.name = "bmp",
            .ausgaben = kBmp,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile", "Das Bild des Sterns als Bitmap-Datei <datei> schreiben.")},
        {.name = "calibration-pdf",
            .ausgaben = kEinmessblatt,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Das Einmessblatt (Lineale zum Einmessen des Druckers) als PDF-Datei <datei> schreiben.")},
        {.name = "poster",
            .ausgaben = kPoster,
            .hilfe = QT_TRANSLATE_NOOP(
                "Kommandozeile", "Den Stern auf mehreren Blättern als PDF-Datei <datei> schreiben, mit Übersicht.")},
        {.name = "diameter",
            .art = Art::Zahl,
            .ausgaben = kPoster | kFaltstern | kSternbogen,
            .braucht = kPoster | kSternbogen,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Außendurchmesser in cm: des Posters %1 bis %2, des Faltsterns %3 bis %4 "
                "(ohne: der des Entwurfs), der Sterne des Sternbogens %5 bis %6, mehrere Größen als "
                "Durchmesser:Anzahl mit + verbunden (3:10+5:6)."),
            .wertName = "cm",
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Durchmesser"),
            .einheit = "cm",
            .bereiche = {{kPoster, poster::kDurchmesserMin, poster::kDurchmesserMax},
                {kFaltstern, netz::kDurchmesserMin, netz::kDurchmesserMax},
                {kSternbogen, bogen::kDurchmesserMin, bogen::kDurchmesserMax}},
            .liste = kSternbogen},
        {.name = "paper",
            .art = Art::Wahl,
            .ausgaben = kPoster | kFaltnetz | kSternbogen,
            .hilfe = QT_TRANSLATE_NOOP(
                "Kommandozeile", "Papier des Posters, des Faltnetzes und des Sternbogens: %1 (%2)."),
            .wertName = QT_TRANSLATE_NOOP("Kommandozeile", "papier"),
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Papier"),
            .wahl = poster::papierNamen(),
            .vorgabe = "A4"},
        {.name = "glue",
            .art = Art::Zahl,
            .ausgaben = kPoster,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile", "Breite des Klebestreifens des Posters in cm (%1 bis %2, %3)."),
            .wertName = "cm",
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Klebestreifen"),
            .einheit = "cm",
            .bereiche = {{kPoster, 0, poster::kKlebenMax}},
            .vorgabe = "1"},
        {.name = "margin",
            .art = Art::Zahl,
            .ausgaben = kPoster | kFaltnetz | kSternbogen | kPdf,
            // The outline's printout is centred on its page as on the
            // printer's; only its lines alone take a margin.
            .nurMitSchnitt = kPdf,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Rand in mm: der PDF-Seiten des Posters %1 bis %2; der Blätter des Faltnetzes und des "
                "Sternbogens und der Seite von --pdf --cut-only %3 bis %4 (%5)."),
            .wertName = "mm",
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Rand"),
            .einheit = "mm",
            .bereiche = {{kPoster, blatt::kPdfRandMm, poster::kRandMax},
                {kFaltnetz | kSternbogen | kPdf, 0, poster::kRandMax}},
            .vorgabe = "6.35"},
        {.name = "net",
            .ausgaben = kNetz,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Das Faltnetz des Sterns in 3D (Teile zum Ausschneiden, Falten und Kleben) als "
                "PDF-Datei <datei> schreiben; braucht --peak.")},
        {.name = "net-svg",
            .ausgaben = kNetzSvg,
            .hilfe
            = QT_TRANSLATE_NOOP("Kommandozeile", "Das Faltnetz für Schneideplotter als SVG-Datei <datei> schreiben.")},
        {.name = "net-dxf",
            .ausgaben = kNetzDxf,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Das Faltnetz für Schneideplotter und Laser als DXF-Datei <datei> (in mm) schreiben.")},
        {.name = "cut-only",
            .art = Art::Schalter,
            .ausgaben = kSchneidbar,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Nur Schnittlinien: nur was geschnitten und gefalzt wird, ohne Texte, Legende, Prüfmaß und "
                "Rahmen, jede Linie durchgezogen, in Originalgröße.")},
        {.name = "folds",
            .art = Art::Wahl,
            .ausgaben = kFaltnetz,
            .nurMitSchnitt = kNetz,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Die Falze des Faltnetzes in SVG, DXF und PDF mit --cut-only: %1 (%2); score geritzt in eigener "
                "Farbe, perforate als Reihe kurzer Schnitte, none weggelassen."),
            .wertName = "score|perforate|none",
            .was = "--folds",
            .wahl = {QStringLiteral("score"), QStringLiteral("perforate"), QStringLiteral("none")},
            .vorgabe = "score"},
        {.name = "perforation",
            .art = Art::Paar,
            .ausgaben = kFaltnetz,
            .nurMitSchnitt = kNetz,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Länge der Schnitte und der Lücken der perforierten Falze in mm, mit Komma getrennt, "
                "Dezimalstellen mit Punkt (je %1 bis %2, %3); braucht --folds perforate."),
            .wertName = QT_TRANSLATE_NOOP("Kommandozeile", "schnitt,lücke"),
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Perforation"),
            .einheit = "mm",
            .bereiche = {{kFaltnetz, zeichnung::kPerforationMin, zeichnung::kPerforationMax}},
            .vorgabe = "1,2"},
        {.name = "peak",
            .art = Art::Spitze,
            .ausgaben = kFaltstern,
            .braucht = kFaltstern,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Höhe der Spitzen des Faltsterns über der Mitte in cm (%1 bis zur längeren Seite des fertigen Sterns, "
                "oder seiner natürlichen Höhe, wo die höher ist), "
                "oder natural für die Höhe, bei der er sich ohne Schnitt falten lässt."),
            .wertName = "cm|natural",
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Höhe der Spitze"),
            .einheit = "cm",
            // Its upper end is the diameter, known once the design is read.
            .bereiche = {{kFaltstern, 0.1, std::numeric_limits<double>::infinity()}}},
        {.name = "tab",
            .art = Art::Zahl,
            .ausgaben = kFaltnetz,
            .hilfe
            = QT_TRANSLATE_NOOP("Kommandozeile", "Breite der Klebelaschen des Faltnetzes in cm (%1 bis %2, %3)."),
            .wertName = "cm",
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Laschen"),
            .einheit = "cm",
            .bereiche = {{kFaltnetz, netz::kLascheMin, netz::kLascheMax}},
            .vorgabe = "1"},
        {.name = "halves",
            .art = Art::Wahl,
            .ausgaben = kFaltstern,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile", "Beide Hälften des Faltsterns (2) oder nur eine (1)."),
            .wertName = "1|2",
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Hälften"),
            .wahl = {QStringLiteral("1"), QStringLiteral("2")},
            .vorgabe = "2"},
        {.name = "fewest",
            .art = Art::Wahl,
            .ausgaben = kFaltnetz,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Das Faltnetz in möglichst wenige Teile (pieces) oder auf möglichst wenige Blätter "
                "(sheets)."),
            .wertName = "pieces|sheets",
            .was = "--fewest",
            .wahl = {QStringLiteral("pieces"), QStringLiteral("sheets")},
            .vorgabe = "pieces"},
        {.name = "stl",
            .ausgaben = kStl,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Den gefalteten Stern als 3D-Modell (binäres STL in mm) in <datei> schreiben; "
                "braucht --peak.")},
        {.name = "sheet",
            .ausgaben = kBogen,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Viele Sterne auf möglichst wenigen Blättern (Sternbogen) als PDF-Datei <datei> schreiben; "
                "braucht --diameter.")},
        {.name = "sheet-svg",
            .ausgaben = kBogenSvg,
            .hilfe = QT_TRANSLATE_NOOP(
                "Kommandozeile", "Den Sternbogen für Schneideplotter als SVG-Datei <datei> schreiben.")},
        {.name = "sheet-dxf",
            .ausgaben = kBogenDxf,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Den Sternbogen für Schneideplotter und Laser als DXF-Datei <datei> (in mm) schreiben.")},
        {.name = "copies",
            .art = Art::Zahl,
            .ausgaben = kSternbogen | kFaltnetz,
            .hilfe = QT_TRANSLATE_NOOP("Kommandozeile",
                "Anzahl der Sterne des Sternbogens (%1 bis %2), für jede Größe ohne eigene Anzahl; der "
                "Faltsterne, deren Teile zusammen auf möglichst wenige Blätter kommen (%3 bis %4); %5."),
            .wertName = "n",
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Anzahl"),
            .bereiche = {{kSternbogen, 1, bogen::kAnzahlMax}, {kFaltnetz, 1, netz::kKopienMax}},
            .vorgabe = "1",
            .ganz = true},
        {.name = "gap",
            .art = Art::Zahl,
            .ausgaben = kSternbogen,
            .hilfe = QT_TRANSLATE_NOOP(
                "Kommandozeile", "Abstand der Sterne auf dem Sternbogen in mm (%1 bis %2, %3)."),
            .wertName = "mm",
            .was = QT_TRANSLATE_NOOP("Kommandozeile", "Abstand"),
            .einheit = "mm",
            .bereiche = {{kSternbogen, 0, bogen::kAbstandMax * 10}},
            .vorgabe = "2"},
    };
    return t;
}

} // namespace kommandozeile
