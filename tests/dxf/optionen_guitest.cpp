// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's options for cutting machines: both ends of each range
// taken, the first value past each refused with its reason and nothing
// written, and no option left without effect.
#include "support/dateitest.h"
#include "support/program.h"

#include <QDir>

namespace {

Lauf pelox(const QStringList& args)
{
    return starte(QStringLiteral(PELOX_PROGRAM), args,
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"LANGUAGE", ""}, {"LC_ALL", ""},
            {"LC_MESSAGES", ""}, {"LANG", "C.UTF-8"}});
}

class Optionen : public DateiTest {
protected:
    QString design;

    void SetUp() override
    {
        DateiTest::SetUp();
        design = pfad("d.plx");
        speichere(design);
    }

    QStringList dateien() const { return QDir(dir.path()).entryList(QDir::Files); }

    void genommen(const QStringList& args)
    {
        const Lauf l = pelox(args + QStringList{design});
        EXPECT_EQ(l.status, 0) << args.join(' ').toStdString() << "\n" << l.fehler.toStdString();
    }

    void abgelehnt(const QStringList& args, const QString& grund)
    {
        const QStringList vorher = dateien();
        const Lauf l = pelox(args + QStringList{design});
        EXPECT_EQ(dateien(), vorher) << args.join(' ').toStdString();
        EXPECT_EQ(l.status, 2) << args.join(' ').toStdString();
        ASSERT_EQ(l.meldungen().size(), 1) << args.join(' ').toStdString() << "\n" << l.fehler.toStdString();
        EXPECT_TRUE(l.meldungen()[0].contains(grund))
            << args.join(' ').toStdString() << ": " << l.meldungen()[0].toStdString() << " lacks " << grund.toStdString();
    }
};

} // namespace

TEST_F(Optionen, PerforationTakesTwoLengthsFromHalfAMillimetreToTen)
{
    const QStringList netz{"--net-dxf", pfad("n.dxf"), "--peak", "3.8", "--folds", "perforate", "--perforation"};
    for (const char* paar : {"0.5,10", "10,0.5", ".5,2", "1.25,1.75"})
        genommen(netz + QStringList{paar});
    const QString grund = "Perforation %1: erlaubt sind zwei Längen von 0.5 bis 10 mm";
    for (const char* paar : {"0.49,2", "1,10.01", "0,2", "-1,2", "nan,1", "1,inf", "1", "1,2,3", "1;2", "1,5,2",
             "1.5;2", ",2", "1,", "1e1,2", " 1,2"})
        abgelehnt(netz + QStringList{paar}, grund.arg(paar));
}

TEST_F(Optionen, OptionsWithoutEffectAreRefused)
{
    abgelehnt({"--net-dxf", pfad("n.dxf"), "--peak", "3.8", "--perforation", "1,2"},
        "--perforation braucht --folds perforate");
    abgelehnt({"--net-dxf", pfad("n.dxf"), "--peak", "3.8", "--folds", "score", "--perforation", "1,2"},
        "--perforation braucht --folds perforate");
    // The printed net's pages have their folds as printed, the outline's
    // printout its page; an option for nothing else asked is refused.
    abgelehnt({"--net", pfad("n.pdf"), "--peak", "3.8", "--folds", "none"}, "--folds gilt für --net nur mit --cut-only");
    abgelehnt({"--pdf", pfad("s.pdf"), "--margin", "0"}, "--margin gilt für --pdf nur mit --cut-only");
    genommen({"--net", pfad("n.pdf"), "--net-svg", pfad("n.svg"), "--peak", "3.8", "--folds", "none"});
    abgelehnt({"--svg", pfad("s.svg"), "--cut-only"}, "--cut-only gilt nur für --pdf, --dxf, --net, --net-svg, --net-dxf");
    abgelehnt({"--dxf", pfad("s.dxf"), "--folds", "none"}, "--folds gilt nur für");
    abgelehnt({"--net-dxf", pfad("n.dxf"), "--peak", "3.8", "--folds", "dashed"},
        "--folds dashed: erlaubt sind score, perforate oder none");
    genommen({"--net", pfad("n.pdf"), "--peak", "3.8", "--folds", "none", "--cut-only", "--margin", "0"});
}

TEST_F(Optionen, TheMarginOfTheFilesGoesDownToNothing)
{
    genommen({"--net-dxf", pfad("n.dxf"), "--peak", "3.8", "--margin", "0"});
    genommen({"--net-svg", pfad("n.svg"), "--peak", "3.8", "--margin", "30"});
    genommen({"--pdf", pfad("s.pdf"), "--cut-only", "--margin", "0"});
    // A star larger than the page within its margin is refused; a smaller one
    // fits there.
    const Lauf gross = pelox({"--pdf", pfad("g.pdf"), "--cut-only", "--margin", "30", design});
    EXPECT_EQ(gross.status, 1);
    ASSERT_EQ(gross.meldungen().size(), 1);
    EXPECT_TRUE(gross.meldungen()[0].contains("passen nicht auf die Seite")) << gross.meldungen()[0].toStdString();
    EXPECT_FALSE(QFile::exists(pfad("g.pdf")));
    w->hsbAussen->setValue(10);
    speichere(design);
    genommen({"--pdf", pfad("k.pdf"), "--cut-only", "--margin", "30"});
    abgelehnt({"--net-dxf", pfad("m.dxf"), "--peak", "3.8", "--margin", "-0.01"}, "Rand -0.01: erlaubt sind 0 bis 30 mm");
    abgelehnt({"--net-dxf", pfad("m.dxf"), "--peak", "3.8", "--margin", "30.01"}, "Rand 30.01: erlaubt sind 0 bis 30 mm");
    abgelehnt({"--pdf", pfad("m.pdf"), "--cut-only", "--margin", "nan"}, "Rand nan: erlaubt sind 0 bis 30 mm");
    // The poster is printed; its pages keep the printer's margin.
    abgelehnt({"--poster", pfad("p.pdf"), "--diameter", "60", "--net-dxf", pfad("m.dxf"), "--peak", "3.8", "--margin",
                  "0"},
        "Rand 0: erlaubt sind 6.35 bis 30 mm (für --poster)");
}

TEST_F(Optionen, NoNewFileReplacesTheDesignOrAnother)
{
    abgelehnt({"--dxf", design}, "--dxf " + design + " ist die Pelox-Datei selbst");
    abgelehnt({"--net-dxf", design, "--peak", "3.8"}, "--net-dxf " + design + " ist die Pelox-Datei selbst");
    abgelehnt({"--svg", pfad("x"), "--dxf", pfad("x")}, "ist dieselbe Datei wie --svg");
    abgelehnt({"--net-svg", pfad("x"), "--net-dxf", pfad("x"), "--peak", "3.8"}, "ist dieselbe Datei wie --net-svg");
}
