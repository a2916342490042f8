// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ansicht.h"
#include "star/state.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <utility>
#include <optional>
#include <utility>
#include <vector>

class QCommandLineParser;

class Kommandozeile {
    Q_DECLARE_TR_FUNCTIONS(Kommandozeile)
};

namespace kommandozeile {

// The files the command line writes, as bits: each option's row says for
// which of them it counts.
enum Ausgabe : unsigned {
    kPdf = 1,
    kSvg = 2,
    kBmp = 4,
    kPoster = 8,
    kNetz = 16,
    kNetzSvg = 32,
    kStl = 64,
    kEinmessblatt = 128,
    kBogen = 256,
    kBogenSvg = 512,
    kDxf = 1024,
    kNetzDxf = 2048,
    kBogenDxf = 4096,
};

// What the command line asks for, checked: every option applies to a file
// asked for, every number is in its range, no file is written twice or over
// the design. Whatever is not given has its default.
struct Auftrag {
    std::map<Ausgabe, QString> dateien;
    QString design;
    bool hilfe = false;
    std::map<QString, double> zahlen;
    std::map<QString, QString> werte;
    // Two numbers given as one value, and the options given without a value.
    std::map<QString, std::pair<double, double>> paare;
    QStringList schalter;
    // Without its reason, all of it holds.
    QString fehler;

    bool gilt(Ausgabe a) const { return dateien.count(a) > 0; }
    QString datei(Ausgabe a) const { return gilt(a) ? dateien.at(a) : QString(); }
    bool gesetzt(const QString& name) const
    {
        return zahlen.count(name) > 0 || werte.count(name) > 0 || paare.count(name) > 0 || schalter.contains(name);
    }
    double zahl(const QString& name) const { return zahlen.at(name); }
    QString wert(const QString& name) const { return werte.at(name); }
    std::pair<double, double> paar(const QString& name) const { return paare.at(name); }
};

// The options, with their help written from the same table that checks them.
void beschreiben(QCommandLineParser& args);

// The arguments the parser took, checked against the table.
Auftrag pruefen(const QCommandLineParser& args);

// The height of the peaks of the star, a number between its least and the
// highest the star offers (netz::hoeheMax), or nullopt for "natural"; the
// reason when it is neither.
struct Spitze {
    std::optional<double> hoehe;
    QString fehler;
};
Spitze spitze(const QString& text, const PeloxState& stern);

// A number as the command line reads it: digits with at most one decimal
// sign, a point or a comma. A comma before exactly three digits might group
// thousands and is refused, as is everything else.
std::optional<double> zahl(const QString& text);

// The sizes of the sheet of stars: a diameter in cm, or "cm:count", several
// joined by "+" (3:10+5:6; the comma stays a decimal sign, 2,5:4). A size
// without its count takes kopien. The reason when any is refused.
struct Groessen {
    std::vector<std::pair<double, int>> liste;
    QString fehler;
};
Groessen groessen(const QString& text, int kopien);

// The colours of --colour: "RRGGBB" (hexadecimal) for both halves, or
// "RRGGBB,RRGGBB" for the upper and the lower one; none when it is neither.
std::optional<std::array<netz::Rgb, 2>> farben(const QString& text);

// A limit as the program states it: to four decimals, rounded into the range,
// so that the number stated is one the range takes.
QString grenze(double v, bool oben);

} // namespace kommandozeile
