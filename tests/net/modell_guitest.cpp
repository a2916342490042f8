// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folded star as a 3D model from the command line, with its refusals.
#include "support/dateitest.h"
#include "support/program.h"

#include "net/netz.h"
#include "net/stl.h"
#include "poster/plan.h"

#include <QDir>
#include <cstring>

namespace {

std::pair<int, QStringList> pelox(const QStringList& args)
{
    const Lauf l = starte(QStringLiteral(PELOX_PROGRAM), args,
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    return {l.status, l.meldungen()};
}

// The number of triangles and the range of z, in mm, of a binary STL.
struct Umfang {
    quint32 dreiecke = 0;
    float unten = 0;
    float oben = 0;
    float rechts = 0;
};

Umfang umfang(const QByteArray& stl)
{
    Umfang u;
    if (stl.size() < 84)
        return u;
    std::memcpy(&u.dreiecke, stl.constData() + 80, 4);
    for (quint32 i = 0; i < u.dreiecke && 84 + 50 * (i + 1) <= quint32(stl.size()); ++i) {
        for (int e = 0; e < 3; ++e) {
            float p[3];
            std::memcpy(p, stl.constData() + 84 + 50 * i + 12 + 12 * e, 12);
            u.rechts = std::max(u.rechts, p[0]);
            u.unten = std::min(u.unten, p[2]);
            u.oben = std::max(u.oben, p[2]);
        }
    }
    return u;
}

class Modell : public DateiTest {};

TEST_F(Modell, TheCommandLineWritesTheFoldedStarAsAsked)
{
    speichere(pfad("stern.plx"));
    EXPECT_EQ(pelox({"--stl", pfad("stern.stl"), "--peak", "3.8", pfad("stern.plx")}), std::pair(0, QStringList()));
    const netz::Gefaltet g = netz::falten(*w, 3.8);
    ASSERT_TRUE(g.koerper);
    const std::string erwartet = netz::stlDatei(*g.koerper, 2).daten;
    EXPECT_EQ(inhalt(pfad("stern.stl")), QByteArray(erwartet.data(), qsizetype(erwartet.size())));

    // One half of a star scaled to 40 cm stands from 0 to its peak; the
    // outline's 16 points make 16 faces and 14 triangles of the base.
    EXPECT_EQ(pelox({"--stl", pfad("halb.stl"), "--peak", "5", "--diameter", "40", "--halves", "1",
                  pfad("stern.plx")}),
        std::pair(0, QStringList()));
    const Umfang u = umfang(inhalt(pfad("halb.stl")));
    EXPECT_EQ(u.dreiecke, 30u);
    EXPECT_EQ(u.unten, 0);
    EXPECT_EQ(u.oben, 50);
    EXPECT_FLOAT_EQ(u.rechts, 200);

    // Both ends of every range, and the natural height of the five-point star.
    const QStringList gut[] = {{"--peak", "0.1"}, {"--peak", "19"}, {"--diameter", "5", "--peak", "5"},
        {"--diameter", "100", "--peak", "3"}, {"--halves", "2", "--peak", "3"}};
    for (const QStringList& werte : gut) {
        EXPECT_EQ(pelox(QStringList{"--stl", pfad("gut.stl")} + werte + QStringList{pfad("stern.plx")}),
            std::pair(0, QStringList()))
            << werte.join(' ').toStdString();
    }
    w->hsbAnzahl->setValue(5);
    speichere(pfad("fuenf.plx"));
    EXPECT_EQ(pelox({"--stl", pfad("fuenf.stl"), "--peak", "natural", pfad("fuenf.plx")}), std::pair(0, QStringList()));
    const double natuerlich = *netz::natuerlicheHoehe(*w);
    EXPECT_FLOAT_EQ(umfang(inhalt(pfad("fuenf.stl"))).oben, float(natuerlich * 10));
}

TEST_F(Modell, RefusalsGiveTheirReasonAndWriteNothing)
{
    speichere(pfad("stern.plx"));
    w->hsbInnen->setValue(35);
    speichere(pfad("achteck.plx"));
    // Two corners apart on the centre: the solid would hang on one edge.
    w->hsbInnen->setValue(16);
    w->Radius[2] = 0;
    w->Radius[6] = 0;
    w->PeloxBerechnung();
    speichere(pfad("gekniffen.plx"));
    const auto stl = [&](const QStringList& werte, const QString& datei = "stern.plx") {
        return QStringList{"--stl", pfad("x.stl")} + werte + QStringList{pfad(datei)};
    };
    const std::pair<QStringList, const char*> faelle[] = {
        {stl({}), "--stl braucht --peak"},
        {stl({"--peak", "0.09"}), "erlaubt sind 0,1 bis 19,00 cm"},
        {stl({"--peak", "19.01"}), "erlaubt sind 0,1 bis 19,00 cm"},
        {stl({"--peak", "nan"}), "erlaubt sind 0,1 bis 19,00 cm"},
        {stl({"--peak", "inf"}), "erlaubt sind 0,1 bis 19,00 cm"},
        {stl({"--peak", "natural"}, "achteck.plx"), "keine natürliche Höhe"},
        {stl({"--peak", "3", "--diameter", "4.99"}), "5 bis 100 cm"},
        {stl({"--peak", "3", "--diameter", "100.01"}), "5 bis 100 cm"},
        {stl({"--peak", "3", "--diameter", "nan"}), "5 bis 100 cm"},
        {stl({"--peak", "3", "--diameter", "inf"}), "5 bis 100 cm"},
        {stl({"--peak", "3", "--halves", "0"}), "1 oder 2"},
        {stl({"--peak", "3", "--halves", "3"}), "1 oder 2"},
        {stl({"--peak", "3"}, "gekniffen.plx"), "mehrere Ecken in der Mitte"},
    };
    for (const auto& [args, grund] : faelle) {
        const auto [status, fehler] = pelox(args);
        EXPECT_NE(status, 0) << grund;
        ASSERT_EQ(fehler.size(), 1) << fehler.join('\n').toStdString();
        EXPECT_TRUE(fehler[0].contains(QString::fromUtf8(grund))) << fehler[0].toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList({"x.*"}), QStringList());
    }
    // A file that cannot be written is a failure, said once.
    const auto [status, fehler] = pelox({"--stl", pfad("fehlt/x.stl"), "--peak", "3", pfad("stern.plx")});
    EXPECT_NE(status, 0);
    EXPECT_EQ(fehler.size(), 1);
}

} // namespace
