// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

const std::string kKennung = "Pelox-Datei";

// A two-sheet star with every field different from its neighbours.
std::string zweiBlatt(const std::string& radien = "13.5\r\n4\r\n")
{
    return "\"Pelox-Datei\"\r\n1\r\n27\r\n8\r\n8\r\n1.5\r\n-0.5\r\n0\r\n1.2\r\n1037\r\n"
           "900\r\n2075\r\n1215\r\n3112\r\n1600\r\n1\r\n0\r\n1\r\n"
        + radien;
}

plx::Gelesen lies(const std::string& datei, bool zweiA4Jetzt = false)
{
    return plx::lesen(datei, kKennung, zweiA4Jetzt);
}

// The file with field nr (1-based) replaced by text.
std::string mitFeld(int nr, const std::string& text)
{
    std::string d = zweiBlatt();
    std::size_t anfang = 0;
    for (int i = 1; i < nr; ++i)
        anfang = d.find("\r\n", anfang) + 2;
    return d.replace(anfang, d.find("\r\n", anfang) - anfang, text);
}

} // namespace

// Every field on its own line, each number short: point, at most seven
// significant digits, no trailing zeros, whole values without a point. The
// reader takes the file back so that a second save is the same.
TEST(PlxFormat, WritesEveryFieldInItsPlaceInTheInvariantForm)
{
    PeloxState s;
    s.ZweiA4 = 1;
    s.AussenDurchmesserNeu = 27;
    s.InnenDurchmesserNeu = 0.5f;
    s.AnzahlSpitzen = 2;
    s.YFaktor = 0.1f;
    s.KurvenWert = {0, -1.25f, 2.0f / 3, 1e-7f, 0};
    s.KurveX1 = 99999.99f;
    s.KurveY1 = -0.0f;
    s.PeloxForm = 1;
    s.Gezogen = 5;
    s.AnzahlEcken = 3;
    s.Radius = {99, 13.5f, 1.4e-45f, 0, 7};  // Radius(0) and Radius(4) belong to no corner
    const std::string datei = plx::schreiben(plx::ausZustand(s), kKennung);
    EXPECT_EQ(datei, "\"Pelox-Datei\"\r\n1\r\n27\r\n0.5\r\n2\r\n0.1\r\n-1.25\r\n0.6666667\r\n1e-07\r\n99999.99\r\n"
                     "0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n5\r\n13.5\r\n1.401298e-45\r\n0\r\n");
    EXPECT_EQ(plx::schreiben(lies(datei).inhalt, kKennung), datei);
    EXPECT_EQ(plx::zahlText(12345678), "1.234568e+07");
}

// A field ends at a comma or a line end (CR LF, LF or CR); blanks around it
// are dropped, and so are the quotes around it with whatever follows them.
TEST(PlxFormat, ReaderTakesFieldsByTheFieldRule)
{
    const std::string anders = "  Pelox-Datei ,1,\t27.0 ,\"8\"\n8\r1.5E0,-.5,+0,1.2,1037\r\n900,2075,1215,"
                               "3112,16E2,1,0,1\r\n1 \r\n  \"2\"  trailing\r\n3,4\n5\r\n\r\n\r\n  ";
    const plx::Gelesen g = lies(anders);
    EXPECT_EQ(g.befund, plx::Gelesen::Gut) << g.grund;
    // The radii go on to the end of the file, which needs no last line end.
    EXPECT_EQ(g.inhalt, lies(zweiBlatt("1\r\n2\r\n3\r\n4\r\n5")).inhalt);
}

// Each value is checked against what the window can take: the bars take it
// doubled (diameters) or tenfold (height), rounded a half to the even neighbour,
// and their maximum follows the two-sheet field, or the box when that field is
// neither 0 nor 1.
TEST(PlxFormat, FilesAreTakenWholeOrRefusedWithTheirReason)
{
    using enum plx::Gelesen::Befund;
    std::string hundert;
    for (int i = 0; i < 100; ++i)
        hundert += "5\r\n";
    // The file, what the reader finds, its reason and whether the box is ticked.
    const std::tuple<std::string, plx::Gelesen::Befund, std::string, bool> faelle[] = {
        {mitFeld(1, "Pelox"), KeinePeloxDatei, "", false},
        // The header decides before the size: a large other file is no star file.
        {std::string(1 << 20, 'x'), KeinePeloxDatei, "", false},
        {mitFeld(10, "1 037"), Beschaedigt, "Feld 10 (Kurvenpunkt X1) ist keine Zahl", false},
        {mitFeld(9, "nan"), Beschaedigt, "Feld 9 (Kurvenwert 3) ist keine Zahl", false},
        {mitFeld(11, "100001"), Beschaedigt, "Feld 11 (Kurvenpunkt Y1) liegt ausserhalb des erlaubten Bereichs", false},
        {mitFeld(16, "0.5"), Beschaedigt, "Feld 16 (Peloxform) ist keine ganze Zahl", false},
        {mitFeld(18, "40000"), Beschaedigt, "Feld 18 (Rückstellen) liegt ausserhalb des erlaubten Bereichs", false},
        {mitFeld(5, "37"), Beschaedigt, "Feld 5 (Anzahl Spitzen) muss zwischen 2 und 36 liegen", false},
        {mitFeld(3, "27.5"), Beschaedigt, "Feld 3 (Aussen-Durchmesser) muss zwischen 1 und 27 cm liegen", false},
        {mitFeld(3, "27.25"), Gut, "", false},
        {mitFeld(4, "0.25"), Beschaedigt, "Feld 4 (Innen-Durchmesser) muss zwischen 0,5 und 27 cm liegen", false},
        {mitFeld(6, "3.1"), Beschaedigt, "Feld 6 (Höhe) muss zwischen 10 und 300 % liegen", false},
        {mitFeld(2, "0"), Beschaedigt, "Feld 3 (Aussen-Durchmesser) muss zwischen 1 und 19 cm liegen", true},
        {mitFeld(2, "5"), Beschaedigt, "Feld 3 (Aussen-Durchmesser) muss zwischen 1 und 19 cm liegen", false},
        {zweiBlatt("13.5\r\n-0.01\r\n"), Beschaedigt, "Feld 20 (Eckenradius 2) darf nicht negativ sein", false},
        {zweiBlatt("13.5\r\n\r\n4\r\n"), Beschaedigt, "Feld 20 (Eckenradius 2) ist keine Zahl", false},
        {zweiBlatt(hundert), Gut, "", false},
    };
    for (const auto& [datei, befund, grund, zweiA4Jetzt] : faelle) {
        const plx::Gelesen g = lies(datei, zweiA4Jetzt);
        EXPECT_EQ(g.befund, befund) << datei.substr(0, 100);
        EXPECT_EQ(g.grund, grund);
    }
}
