// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's options for cutting machines: both ends of each range
// taken, the first value past each refused with its reason and nothing
// written, and no option left without effect.
#include "dxf/lesen.h"
#include "support/dateitest.h"

#include <QDir>

namespace {

class Optionen : public EntwurfTest {
protected:
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

TEST_F(Optionen, TheLanternsOptionsTakeTheEndsOfTheirRangesAndRefuseTheFirstValuePast)
{
    const QStringList netz{"--net-svg", pfad("n.svg"), "--peak", "3.8", "--paper", "A3"};
    for (const char* mm : {"3", "20", "5.5"})
        genommen(netz + QStringList{"--windows", mm});
    for (const char* mm : {"2.99", "20.01", "0", "-5", "nan", "inf", "-inf", "fünf"})
        abgelehnt(
            netz + QStringList{"--windows", mm}, QStringLiteral("Fensterrahmen %1: erlaubt sind 3 bis 20 mm").arg(mm));
    for (const char* cm : {"2", "8"})
        genommen(netz + QStringList{"--opening", cm, "--diameter", "30"});
    for (const char* cm : {"1.99", "8.01", "nan", "inf"})
        abgelehnt(netz + QStringList{"--opening", cm}, QStringLiteral("Öffnung %1: erlaubt sind 2 bis 8 cm").arg(cm));
    for (const char* jede : {"1", "2"})
        genommen(netz + QStringList{"--windows", "5", "--windows-every", jede});
    abgelehnt(netz + QStringList{"--windows", "5", "--windows-every", "3"}, "--windows-every 3: erlaubt sind 1 oder 2");
    for (const char* f : {"ff0000", "00FF00,0000ff", "000000", "FFFFFF"})
        genommen(netz + QStringList{"--colour", f});
    for (const char* f : {"ff000", "ff00000", "gg0000", "#ff0000", "ff0000,", ",ff0000", "ff0000,00ff00,0000ff",
             "ff0000;00ff00", "nan", "inf", "red"})
        abgelehnt(netz + QStringList{"--colour", f}, QStringLiteral("Farbe %1: erlaubt sind eine Farbe RRGGBB").arg(f));
    for (const char* seite : {"faces", "tabs"})
        genommen(netz + QStringList{"--labels", seite});
    abgelehnt(netz + QStringList{"--labels", "inside"}, "--labels inside: erlaubt sind faces oder tabs");
    genommen(netz + QStringList{"--shaded", "--hanger", "--windows", "3", "--inserts"});
}

TEST_F(Optionen, TheLanternsOptionsWithoutEffectAreRefused)
{
    const QStringList dxf{"--net-dxf", pfad("n.dxf"), "--peak", "3.8"};
    // The DXF and every file with only its cuts print nothing.
    abgelehnt(dxf + QStringList{"--colour", "ff0000"}, "--colour gilt nur für --net, --net-svg");
    abgelehnt(dxf + QStringList{"--shaded"}, "--shaded gilt nur für --net, --net-svg");
    abgelehnt({"--net-svg", pfad("n.svg"), "--peak", "3.8", "--cut-only", "--colour", "ff0000"},
        "--colour zeigt sich nur im Druck und gilt nicht mit --cut-only");
    abgelehnt(dxf + QStringList{"--cut-only", "--labels", "tabs"},
        "--labels zeigt sich nur im Druck und gilt nicht mit --cut-only");
    abgelehnt(dxf + QStringList{"--windows-every", "2"}, "--windows-every braucht --windows");
    abgelehnt(dxf + QStringList{"--inserts"}, "--inserts braucht --windows");
    abgelehnt(
        {"--stl", pfad("s.stl"), "--peak", "3.8", "--hanger"}, "--hanger gilt nur für --net, --net-svg, --net-dxf");
    abgelehnt({"--net", pfad("n.pdf"), "--peak", "3.8", "--halves", "1", "--colour", "ff0000,0000ff"},
        "Farbe ff0000,0000ff: zwei Farben brauchen zwei Hälften");
    abgelehnt(dxf + QStringList{"--halves", "1", "--opening", "4"}, "Die Öffnung für Licht braucht das Unterteil.");
    genommen(dxf + QStringList{"--cut-only", "--windows", "5", "--opening", "4", "--hanger"});
    genommen({"--net", pfad("n.pdf"), "--peak", "3.8", "--halves", "1", "--colour", "ff0000", "--shaded"});
}
