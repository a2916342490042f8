// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format.h"
#include "support/rohr.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

const std::string kKennung = "Pelox-Datei";

// A two-sheet star with every field different from its neighbours, the
// fields given by number (1-based) replaced by their text.
std::string stern(const std::map<int, std::string>& ersatz, const std::string& radien = "13.5\r\n4\r\n")
{
    std::string datei;
    for (int i = 1; const char* feld : {"\"Pelox-Datei\"", "1", "27", "8", "8", "1.5", "-0.5", "0", "1.2", "1037", "900",
             "2075", "1215", "3112", "1600", "1", "0", "1"}) {
        const auto text = ersatz.find(i++);
        datei += (text == ersatz.end() ? std::string(feld) : text->second) + "\r\n";
    }
    return datei + radien;
}

} // namespace

// Every field on its own line, each number short: point, at most seven
// significant digits, no trailing zeros, whole values without a point. The
// reader takes the file back so that a second save is the same. It takes a
// field up to a comma or a line end (CR LF, LF or CR), drops blanks around it,
// and the quotes around it with whatever follows them.
TEST(PlxFormat, WriterAndReaderAgreeOnTheInvariantFormAndTheFieldRule)
{
    const plx::Inhalt inhalt{.ZweiA4 = 1, .AussenDurchmesserNeu = 27, .InnenDurchmesserNeu = 0.5f,
        .AnzahlSpitzen = 2, .YFaktor = 0.1f, .KurvenWert1 = -1.25f, .KurvenWert2 = 2.0f / 3, .KurvenWert3 = 1e-7f,
        .KurveX1 = 99999.99f, .KurveY1 = -0.0f, .PeloxForm = 1, .Gezogen = 5, .Radien = {13.5f, 1.4e-45f, 0}};
    const std::string datei = plx::schreiben(inhalt, kKennung);
    EXPECT_EQ(datei, "\"Pelox-Datei\"\r\n1\r\n27\r\n0.5\r\n2\r\n0.1\r\n-1.25\r\n0.6666667\r\n1e-07\r\n99999.99\r\n"
                     "0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n5\r\n13.5\r\n1.401298e-45\r\n0\r\n");
    EXPECT_EQ(plx::schreiben(plx::lesen(datei, kKennung, false).inhalt, kKennung), datei);
    EXPECT_EQ(plx::zahlText(12345678), "1.234568e+07");

    const std::string anders = "  Pelox-Datei ,1,\t27.0 ,\"8\"\n8\r1.5E0,-.5,+0,1.2,1037\r\n900,2075,1215,"
                               "3112,16E2,1,0,1\r\n1 \r\n  \"2\"  trailing\r\n3,4\n5\r\n\r\n\r\n  ";
    const plx::Gelesen g = plx::lesen(anders, kKennung, false);
    EXPECT_EQ(g.befund, plx::Gelesen::Gut) << g.grund;
    // The radii go on to the end of the file, which needs no last line end.
    EXPECT_EQ(g.inhalt, plx::lesen(stern({}, "1\r\n2\r\n3\r\n4\r\n5"), kKennung, false).inhalt);
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
        {stern({{1, "Pelox"}}), KeinePeloxDatei, "", false},
        // The header decides before the size: a large other file is no star file.
        {std::string(1 << 20, 'x'), KeinePeloxDatei, "", false},
        {stern({{10, "1 037"}}), Beschaedigt, "Feld 10 (Kurvenpunkt X1) ist keine Zahl", false},
        {stern({{9, "nan"}}), Beschaedigt, "Feld 9 (Kurvenwert 3) ist keine Zahl", false},
        {stern({{9, "-inf"}}), Beschaedigt, "Feld 9 (Kurvenwert 3) ist keine Zahl", false},
        {stern({{11, "-100000"}}), Gut, "", false},
        {stern({{11, "100001"}}), Beschaedigt, "Feld 11 (Kurvenpunkt Y1) liegt ausserhalb des erlaubten Bereichs", false},
        {stern({{16, "0.5"}}), Beschaedigt, "Feld 16 (Peloxform) ist keine ganze Zahl", false},
        {stern({{18, "40000"}}), Beschaedigt, "Feld 18 (Rückstellen) liegt ausserhalb des erlaubten Bereichs", false},
        {stern({{3, "27.25"}}), Gut, "", false},
        {stern({{4, "0.25"}}), Beschaedigt, "Feld 4 (Innen-Durchmesser) muss zwischen 0,5 und 27 cm liegen", false},
        {stern({{2, "0"}}), Beschaedigt, "Feld 3 (Aussen-Durchmesser) muss zwischen 1 und 19 cm liegen", true},
        {stern({{2, "5"}}), Beschaedigt, "Feld 3 (Aussen-Durchmesser) muss zwischen 1 und 19 cm liegen", false},
        {stern({}, "13.5\r\n-0.01\r\n"), Beschaedigt, "Feld 20 (Eckenradius 2) darf nicht negativ sein", false},
        {stern({}, "13.5\r\n\r\n4\r\n"), Beschaedigt, "Feld 20 (Eckenradius 2) ist keine Zahl", false},
        {stern({}, hundert), Gut, "", false},
        // A byte-order mark before the header, not anywhere else; the limit
        // on the size counts it.
        {"\xEF\xBB\xBF" + stern({}), Gut, "", false},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" + stern({}), KeinePeloxDatei, "", false},
        {stern({{3, "\xEF\xBB\xBF" "27"}}), Beschaedigt, "Feld 3 (Aussen-Durchmesser) ist keine Zahl", false},
        {"\xEF\xBB\xBF" + stern({}).append(plx::kGroessteDatei - 3 - stern({}).size(), ' '), Gut, "", false},
        {"\xEF\xBB\xBF" + stern({}).append(plx::kGroessteDatei - 2 - stern({}).size(), ' '), Beschaedigt,
            "die Datei ist größer, als eine Pelox-Datei sein kann", false},
    };
    for (const auto& [datei, befund, grund, zweiA4Jetzt] : faelle) {
        const plx::Gelesen g = plx::lesen(datei, kKennung, zweiA4Jetzt);
        EXPECT_EQ(std::pair(g.befund, g.grund.asWritten()), std::pair(befund, grund)) << datei.substr(0, 100);
    }

    // Both ends of every range: a value at the end is taken, one beyond it
    // refused. The field tried is the last one given; the diameters are tried
    // on one sheet and on two, the inner one with the outer one at 1 cm.
    const auto grenzen = [](std::map<int, std::string> felder, const std::string& drin,
                             const std::string& draussen, const std::string& grund) {
        const int nr = felder.rbegin()->first;
        for (const bool genommen : {true, false}) {
            felder[nr] = genommen ? drin : draussen;
            const std::string erwartet = genommen ? "" : "Feld " + std::to_string(nr) + grund;
            EXPECT_EQ(plx::lesen(stern(felder), kKennung, false).grund.asWritten(), erwartet) << felder[nr];
        }
    };
    grenzen({{5, ""}}, "2", "1", " (Anzahl Spitzen) muss zwischen 2 und 36 liegen");
    grenzen({{5, ""}}, "36", "37", " (Anzahl Spitzen) muss zwischen 2 und 36 liegen");
    grenzen({{6, ""}}, "0.1", "0.04", " (Höhe) muss zwischen 10 und 300 % liegen");
    grenzen({{6, ""}}, "3", "3.1", " (Höhe) muss zwischen 10 und 300 % liegen");
    for (const auto& [blatt, max, darueber] : {std::tuple("0", "19", "19.5"), std::tuple("1", "27", "27.5")}) {
        const std::string aussen = std::string(" (Aussen-Durchmesser) muss zwischen 1 und ") + max + " cm liegen";
        const std::string innen = std::string(" (Innen-Durchmesser) muss zwischen 0,5 und ") + max + " cm liegen";
        grenzen({{2, blatt}, {3, ""}}, "1", "0.5", aussen);
        grenzen({{2, blatt}, {3, ""}}, max, darueber, aussen);
        grenzen({{2, blatt}, {3, "1"}, {4, ""}}, "0.5", "0.2", innen);
        grenzen({{2, blatt}, {3, "1"}, {4, ""}}, max, darueber, innen);
    }
}

// Only a regular file is opened; a named pipe nobody writes to would keep the
// read waiting for ever, a device could give bytes without end.
TEST(PlxFormat, OnlyARegularFileIsOpened)
{
    const std::string ordner = testing::TempDir() + "plx_laden";
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directory(ordner);
    const std::string datei = ordner + "/St\xE4rn.plx", rohr = ordner + "/rohr.plx";
    std::ofstream(datei, std::ios::binary) << std::string(plx::kGroessteDatei + 10, 'x');
    const Rohr waechter(rohr);
    const plx::Bytes gross = plx::laden(datei);
    EXPECT_EQ(std::pair(gross.befund, gross.bytes.size()), std::pair(plx::Bytes::Gelesen, plx::kGroessteDatei + 1));
    EXPECT_EQ(plx::laden(ordner + "/fehlt.plx").befund, plx::Bytes::NichtLesbar);
    for (const std::string& keine : {rohr, ordner, std::string("/dev/zero")})
        EXPECT_EQ(plx::laden(keine).befund, plx::Bytes::KeineDatei) << keine;
    std::filesystem::remove_all(ordner);
}
