// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format.h"

#include <gtest/gtest.h>
#include <cmath>

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

TEST(PlxFormat, WritesEveryFieldOnItsOwnLineInTheInvariantForm)
{
    PeloxState s;
    s.ZweiA4 = 1;
    s.AussenDurchmesserNeu = 27;
    s.InnenDurchmesserNeu = 0.5f;
    s.AnzahlSpitzen = 2;
    s.YFaktor = 0.1f;
    s.KurvenWert = {0, -1.25f, 0, 0.3333333f, 0};
    s.KurveX1 = 1037.5f;
    s.KurveY1 = -0.0f;
    s.PeloxForm = 1;
    s.Gezogen = 1;
    s.AnzahlEcken = 4;
    s.Radius = {99, 13.5f, 0.25f, 9.876543f, 0};
    s.Radius[5] = 7;  // beyond the last corner: not written
    EXPECT_EQ(plx::schreiben(plx::ausZustand(s), kKennung),
        "\"Pelox-Datei\"\r\n1\r\n27\r\n0.5\r\n2\r\n0.1\r\n-1.25\r\n0\r\n0.3333333\r\n1037.5\r\n0\r\n0\r\n"
        "0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n13.5\r\n0.25\r\n9.876543\r\n0\r\n");
}

TEST(PlxFormat, NumbersAreShortAndReadBackWhateverTheirMagnitude)
{
    const std::pair<float, const char*> faelle[] = {{9.5f, "9.5"}, {0.1f, "0.1"}, {1.8503f, "1.8503"},
        {-0.2f, "-0.2"}, {1e-7f, "1e-07"}, {3e20f, "3e+20"}, {19, "19"}, {1234567, "1234567"},
        {12345678, "1.234568e+07"}, {2.0f / 3, "0.6666667"}, {-0.0f, "0"}};
    for (const auto& [wert, text] : faelle)
        EXPECT_EQ(plx::zahlText(wert), text);

    // Any float survives a second save unchanged, and the first one moves it
    // by no more than the seven digits allow.
    plx::Gelesen g = lies(zweiBlatt());
    ASSERT_EQ(g.befund, plx::Gelesen::Gut);
    plx::Inhalt in = g.inhalt;
    in.Radien = {9.5f, 0.1f, 1.8503f, 1e-7f, 0, 12.3456789f, 99999.99f, 1.17549435e-38f, 1.4e-45f, 7.0000005f};
    const std::string einmal = plx::schreiben(in, kKennung);
    g = lies(einmal);
    ASSERT_EQ(g.befund, plx::Gelesen::Gut) << g.grund;
    EXPECT_EQ(plx::schreiben(g.inhalt, kKennung), einmal);
    for (std::size_t i = 0; i < in.Radien.size(); ++i)
        EXPECT_NEAR(g.inhalt.Radien[i], in.Radien[i], std::abs(in.Radien[i]) * 5e-7) << i;
}

TEST(PlxFormat, ReaderTakesFieldsByTheFieldRule)
{
    const plx::Gelesen zeilen = lies(zweiBlatt());
    ASSERT_EQ(zeilen.befund, plx::Gelesen::Gut);
    EXPECT_EQ(zeilen.inhalt.AussenDurchmesserNeu, 27);
    EXPECT_EQ(zeilen.inhalt.KurveY3, 1600);
    EXPECT_EQ(zeilen.inhalt.Radien, (std::vector<float>{13.5f, 4}));

    // Commas, bare LF and CR, blanks and tabs before and after, quoted numbers,
    // other number forms, no last line end, and blank lines after the end.
    const std::string anders = "  Pelox-Datei ,1,\t27.0 ,\"8\"\n8\r1.5E0,-.5,+0,1.2,1037\r\n900,2075,1215,"
                               "3112,16E2,1,0,1\r\n13.5 \r\n  \"4\"  trailing\r\n\r\n\r\n  ";
    const plx::Gelesen g = lies(anders);
    ASSERT_EQ(g.befund, plx::Gelesen::Gut) << g.grund;
    EXPECT_EQ(g.inhalt, zeilen.inhalt);

    // Each radius up to the end of the file is read, also beyond the corners.
    EXPECT_EQ(lies(zweiBlatt("1\r\n2\r\n3\r\n4\r\n5")).inhalt.Radien.size(), 5u);
}

TEST(PlxFormat, HeaderMustMatchExactly)
{
    for (const std::string kopf : {"\"pelox-datei\"", "\"PELOX-DATEI\"", "\"Pelox-Datei \"", "Pelox", "", "\"\""})
        EXPECT_EQ(lies(mitFeld(1, kopf)).befund, plx::Gelesen::KeinePeloxDatei) << kopf;
    EXPECT_EQ(lies("").befund, plx::Gelesen::KeinePeloxDatei);
    EXPECT_EQ(lies(std::string("\x89PNG\r\n\x1a\n\0\0", 10)).befund, plx::Gelesen::KeinePeloxDatei);
    // Any other large file is still not a star file, rather than a damaged one.
    EXPECT_EQ(lies(std::string(1 << 20, 'x')).befund, plx::Gelesen::KeinePeloxDatei);
}

TEST(PlxFormat, DamagedFilesAreRefusedWithTheirReason)
{
    std::string hundert;
    for (int i = 0; i < 100; ++i)
        hundert += "5\r\n";
    const struct {
        std::string datei;
        const char* grund;
    } faelle[] = {
        {zweiBlatt(""), "endet vor Feld 19 (Eckenradius 1)"},
        {"\"Pelox-Datei\"\r\n1\r\n27\r\n", "endet vor Feld 4 (Innen-Durchmesser)"},
        {mitFeld(5, "acht"), "Feld 5 (Anzahl Spitzen) ist keine Zahl"},
        {mitFeld(10, "1 037"), "Feld 10 (Kurvenpunkt X1) ist keine Zahl"},
        {mitFeld(9, "inf"), "Feld 9 (Kurvenwert 3) ist keine Zahl"},
        {mitFeld(11, "1e400"), "Feld 11 (Kurvenpunkt Y1) liegt ausserhalb"},
        {mitFeld(11, "100001"), "Feld 11 (Kurvenpunkt Y1) liegt ausserhalb"},
        {mitFeld(16, "0.5"), "Feld 16 (Peloxform) ist keine ganze Zahl"},
        {mitFeld(18, "40000"), "Feld 18 (Rückstellen) liegt ausserhalb"},
        {mitFeld(5, "1"), "Feld 5 (Anzahl Spitzen) muss zwischen 2 und 36 liegen"},
        {mitFeld(5, "37"), "Feld 5 (Anzahl Spitzen) muss zwischen 2 und 36 liegen"},
        {mitFeld(3, "27.5"), "Feld 3 (Aussen-Durchmesser) muss zwischen 1 und 27 cm liegen"},
        {mitFeld(4, "0.2"), "Feld 4 (Innen-Durchmesser) muss zwischen 0,5 und 27 cm liegen"},
        {mitFeld(2, "0"), "Feld 3 (Aussen-Durchmesser) muss zwischen 1 und 19 cm liegen"},
        {mitFeld(6, "0.04"), "Feld 6 (Höhe) muss zwischen 10 und 300 % liegen"},
        {mitFeld(6, "3.1"), "Feld 6 (Höhe) muss zwischen 10 und 300 % liegen"},
        {zweiBlatt("13.5\r\n-0.01\r\n"), "Feld 20 (Eckenradius 2) darf nicht negativ sein"},
        {zweiBlatt("13.5\r\n\r\n4\r\n"), "Feld 20 (Eckenradius 2) ist keine Zahl"},
        {zweiBlatt(hundert + "5\r\n"), "mehr als 100 Eckenradien"},
        {zweiBlatt() + std::string(plx::kGroessteDatei, ' '), "größer, als eine Pelox-Datei sein kann"},
    };
    for (const auto& fall : faelle) {
        const plx::Gelesen g = lies(fall.datei);
        EXPECT_EQ(g.befund, plx::Gelesen::Beschaedigt) << fall.grund;
        EXPECT_NE(g.grund.find(fall.grund), std::string::npos) << g.grund;
        EXPECT_EQ(g.inhalt, plx::Inhalt());
    }
    EXPECT_EQ(lies(zweiBlatt(hundert)).befund, plx::Gelesen::Gut);
}

TEST(PlxFormat, RangesFollowTheControlsAndTheSheetSetting)
{
    // The bars take the value rounded a half to the even neighbour.
    EXPECT_EQ(lies(mitFeld(4, "0.25")).befund, plx::Gelesen::Beschaedigt);  // 0.5 -> 0
    EXPECT_EQ(lies(mitFeld(4, "0.26")).befund, plx::Gelesen::Gut);
    EXPECT_EQ(lies(mitFeld(6, "3.04")).befund, plx::Gelesen::Gut);
    EXPECT_EQ(lies(mitFeld(3, "27.25")).befund, plx::Gelesen::Gut);         // 54.5 -> 54

    // A two-sheet value other than 0 or 1 leaves the box as it is: the
    // diameters must fit the box's present setting.
    EXPECT_EQ(lies(mitFeld(2, "5"), true).befund, plx::Gelesen::Gut);
    EXPECT_EQ(lies(mitFeld(2, "5"), true).inhalt.ZweiA4, 5);
    EXPECT_EQ(lies(mitFeld(2, "5"), false).befund, plx::Gelesen::Beschaedigt);
    EXPECT_EQ(lies(mitFeld(2, "0"), true).befund, plx::Gelesen::Beschaedigt);
    EXPECT_EQ(lies(zweiBlatt(), false).befund, plx::Gelesen::Gut);
}
