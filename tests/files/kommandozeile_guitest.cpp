// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's refusals, run as the user runs the program: no file is
// lost, nothing crashes without a display, every number is read as written.
#include "support/dateitest.h"
#include "support/program.h"

#include <QDir>
#include <QRegularExpression>
#include <unistd.h>

namespace {

// The program run without any display, in German (the language of a
// machine without one); its exit status, its output, its own lines.
Lauf pelox(const QStringList& args)
{
    return starte(QStringLiteral(PELOX_PROGRAM), args,
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"LANGUAGE", ""}, {"LC_ALL", ""},
            {"LC_MESSAGES", ""}, {"LANG", "C.UTF-8"}});
}

class Aufruf : public EntwurfTest {
protected:
    // Every file in the folder with its bytes.
    std::map<QString, QByteArray> ordner() const
    {
        std::map<QString, QByteArray> bytes;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::System))
            bytes[name] = inhalt(pfad(name));
        return bytes;
    }

    // Refused with exit 2 and one line that holds the reason, nothing written
    // and nothing changed.
    void abgelehnt(const QStringList& args, const QString& grund)
    {
        const auto vorher = ordner();
        const Lauf l = pelox(args);
        EXPECT_TRUE(ordner() == vorher) << args.join(' ').toStdString();
        EXPECT_EQ(l.status, 2) << args.join(' ').toStdString() << "\n" << l.fehler.toStdString();
        ASSERT_EQ(l.meldungen().size(), 1) << args.join(' ').toStdString() << "\n" << l.fehler.toStdString();
        EXPECT_TRUE(l.meldungen()[0].contains(grund)) << l.meldungen()[0].toStdString() << " lacks " << grund.toStdString();
    }
};

} // namespace

TEST_F(Aufruf, NoOutputReplacesTheDesignOrAnotherOutputThroughAnyName)
{
    const QByteArray bytes = inhalt(design);
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    // The same files before each case, whatever the last one did to them.
    const auto herrichten = [&] {
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::System))
            QFile::remove(pfad(name));
        schreibe(design, bytes);
        ASSERT_TRUE(QFile::link(design, pfad("l.plx")));
        ASSERT_EQ(::link(QFile::encodeName(design).constData(), QFile::encodeName(pfad("h.plx")).constData()), 0);
        ASSERT_TRUE(QFile::link(pfad("x.pdf"), pfad("offen.svg")));
        schreibe(pfad("alt.pdf"), "bleibt");
        ASSERT_TRUE(QFile::link(pfad("alt.pdf"), pfad("alt-link.pdf")));
    };
    const QString selbst = "ist die Pelox-Datei selbst";
    const std::pair<QStringList, QString> faelle[] = {
        {{"--svg", design, design}, selbst},
        {{"--net", pfad("l.plx"), "--peak", "3", design}, selbst},
        {{"--stl", design, "--peak", "3", pfad("l.plx")}, selbst},
        {{"--pdf", pfad("h.plx"), design}, selbst},
        {{"--bmp", pfad("sub/../d.plx"), design}, selbst},
        {{"--poster", design, "--diameter", "60", pfad("h.plx")}, selbst},
        {{"--net", pfad("x.pdf"), "--net-svg", pfad("x.pdf"), "--peak", "3", design},
            "--net-svg " + pfad("x.pdf") + " ist dieselbe Datei wie --net"},
        {{"--pdf", pfad("x.pdf"), "--poster", pfad("sub/../x.pdf"), "--diameter", "60", design},
            "ist dieselbe Datei wie --pdf"},
        // A link to a file not yet there leads to the same new file.
        {{"--pdf", pfad("x.pdf"), "--svg", pfad("offen.svg"), design}, "ist dieselbe Datei wie --pdf"},
        {{"--calibration-pdf", pfad("x.pdf"), "--pdf", pfad("x.pdf"), design}, "ist dieselbe Datei wie --pdf"},
        {{"--pdf", pfad("alt.pdf"), "--svg", pfad("alt-link.pdf"), design}, "ist dieselbe Datei wie --pdf"},
    };
    for (const auto& [args, grund] : faelle) {
        herrichten();
        abgelehnt(args, grund);
    }

    // Beside the design, and with names of their own, all of them are written.
    const Lauf l = pelox({"--pdf", pfad("a.pdf"), "--svg", pfad("a.svg"), "--net", pfad("n.pdf"), "--net-svg",
        pfad("n.svg"), "--stl", pfad("a.stl"), "--peak", "3", "--calibration-pdf", pfad("e.pdf"), pfad("l.plx")});
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    for (const QString name : {"a.pdf", "a.svg", "n.pdf", "n.svg", "a.stl", "e.pdf"})
        EXPECT_TRUE(QFile::exists(pfad(name))) << name.toStdString();

    // A design refused leaves no file, not even the calibration sheet, which
    // needs none.
    schreibe(pfad("kaputt.plx"), "kein Stern");
    const Lauf kaputt = pelox({"--calibration-pdf", pfad("k.pdf"), "--pdf", pfad("k2.pdf"), pfad("kaputt.plx")});
    EXPECT_EQ(kaputt.status, 1);
    EXPECT_FALSE(QFile::exists(pfad("k.pdf")));
    EXPECT_FALSE(QFile::exists(pfad("k2.pdf")));
}

TEST_F(Aufruf, AnOptionThatAppliesToNoOutputAskedForIsRefused)
{
    const QString x = pfad("x.pdf");
    const std::pair<QStringList, QString> faelle[] = {
        {{"--net", x, "--peak", "3", "--glue", "2", design}, "--glue gilt nur für --poster"},
        {{"--stl", x, "--peak", "3", "--margin", "20", design},
            "--margin gilt nur für --pdf, --poster, --net, --net-svg, --net-dxf, --sheet, --sheet-svg, --sheet-dxf"},
        {{"--pdf", x, "--tab", "1", design}, "--tab gilt nur für --net, --net-svg"},
        {{"--svg", x, "--peak", "3", design}, "--peak gilt nur für --net, --net-svg, --net-dxf, --stl"},
        {{"--pdf", x, "--diameter", "19", design}, "--diameter gilt nur für --poster, --net, --net-svg, --net-dxf, --stl, --sheet, --sheet-svg"},
        {{"--stl", x, "--peak", "3", "--paper", "A3", design}, "--paper gilt nur für --poster, --net, --net-svg, --net-dxf, --sheet, --sheet-svg"},
        {{"--pdf", x, "--copies", "3", "--gap", "1", design}, "--copies gilt nur für --net, --net-svg, --net-dxf, --sheet, --sheet-svg, --sheet-dxf"},
        {{"--stl", x, "--peak", "3", "--fewest", "sheets", design}, "--fewest gilt nur für --net, --net-svg"},
        // The window takes none of them either.
        {{"--halves", "1", design}, "--halves gilt nur für --net, --net-svg, --net-dxf, --stl"},
        {{"--pdf", x, "--pdf", pfad("y.pdf"), design}, "--pdf ist mehr als einmal angegeben"},
        {{"--poster", x, "--diameter", "60", "--diameter", "80", design}, "--diameter ist mehr als einmal"},
        {{"--calibration-pdf", x, design}, "--calibration-pdf allein liest keine Pelox-Datei"},
        {{"--poster", x, design}, "--poster braucht --diameter cm"},
        {{"--net", x, "--stl", pfad("x.stl"), design}, "--net braucht --peak cm|natural"},
        {{"--stl", x, "--peak", "3", "--halves", "3", design}, "Hälften 3: erlaubt sind 1 oder 2"},
        // A number for two outputs lies in both their ranges.
        {{"--poster", x, "--stl", pfad("x.stl"), "--peak", "3", "--diameter", "150", design},
            "Durchmesser 150: erlaubt sind 5 bis 100 cm (für --stl)"},
    };
    for (const auto& [args, grund] : faelle)
        abgelehnt(args, grund);

    // Each option is taken by the output it applies to among several.
    const Lauf l = pelox({"--poster", pfad("p.pdf"), "--net", pfad("n.pdf"), "--diameter", "19", "--glue", "2",
        "--tab", "1.5", "--peak", "3", "--paper", "A3", "--margin", "10", design});
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    const QString karte = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-l", "1", pfad("p.pdf"), "-"}));
    EXPECT_TRUE(karte.contains("Klebestreifen 2 cm")) << karte.toStdString();
}

// Qt ends a program that finds no display before it could say a word; the
// help and every refusal come without one.
TEST_F(Aufruf, WithoutADisplayTheHelpAndEveryReasonAreGivenAndTheExitStatusSaysWhich)
{
    const Lauf alles = pelox({"--help-all"});
    EXPECT_EQ(alles.status, 0) << alles.fehler.toStdString();
    const QString hilfe = QString::fromUtf8(alles.ausgabe);
    for (const QString option : {"--help-all", "--poster <datei>", "--peak <cm|natural>", "--platform"})
        EXPECT_TRUE(hilfe.contains(option)) << option.toStdString();
    EXPECT_EQ(pelox({"--help"}).status, 0);
    const Lauf version = pelox({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.ausgabe.startsWith("pelox ")) << version.ausgabe.toStdString();

    const QString x = pfad("x.pdf");
    const std::tuple<QStringList, int, QString> faelle[] = {
        {{"--pdf", x, "--bogus", design}, 1, "bogus"},
        {{"--pdf"}, 1, "--pdf"},
        {{"--pdf", x}, 2, "brauchen eine Pelox-Datei"},
        {{"--poster", x, "--diameter", "0,005", design}, 2, "Durchmesser 0,005"},
        {{design}, 1, "Das Fenster braucht einen Bildschirm"},
        // A Qt option leaves the parser's first reading open.
        {{"-style", "fusion", design}, 1, "Das Fenster braucht einen Bildschirm"},
        {{"-style", "fusion", "--pdf", x, "--bogus"}, 1, "bogus"},
    };
    for (const auto& [args, status, grund] : faelle) {
        const Lauf l = pelox(args);
        EXPECT_EQ(l.status, status) << args.join(' ').toStdString() << "\n" << l.fehler.toStdString();
        ASSERT_EQ(l.meldungen().size(), 1) << l.fehler.toStdString();
        EXPECT_TRUE(l.meldungen()[0].contains(grund)) << l.meldungen()[0].toStdString();
        EXPECT_FALSE(QFile::exists(x));
    }
}

TEST_F(Aufruf, ANumberIsOneDecimalNumberWithAPointOrAComma)
{
    const auto poster = [&](const QString& option, const QString& wert) {
        return QStringList{"--poster", pfad("x.pdf"), "--diameter", "60", option, wert, design};
    };
    // A comma before three digits might group thousands: 0,005 was taken as 5.
    for (const QString wert : {"0,005", "0,050", "1,000", "0,002"})
        abgelehnt(poster("--glue", wert), "ein Komma vor drei Ziffern kann Tausender trennen");
    for (const QString wert :
        {"1.000,5", "1,000.5", "1e0", "0x1", "+1", " 1", "1 ", "1cm", "", "1.", "1..5", "nan", "inf"})
        abgelehnt(poster("--glue", wert), "Klebestreifen " + wert + ": erlaubt sind 0 bis 3 cm");
    abgelehnt({"--stl", pfad("x.stl"), "--peak", "1,250", design}, "Höhe der Spitze 1,250: ein Komma");
    abgelehnt({"--stl", pfad("x.stl"), "--peak", "-inf", design}, "Höhe der Spitze -inf: erlaubt sind 0,1 bis 19,00 cm");

    // One decimal sign, either of them: 2,5 is two and a half.
    ASSERT_EQ(pelox(poster("--glue", "2,5")).status, 0);
    QString karte = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-l", "1", pfad("x.pdf"), "-"}));
    EXPECT_TRUE(karte.contains(QRegularExpression("Klebestreifen 2[.,]5 cm"))) << karte.toStdString();
    ASSERT_EQ(pelox(poster("--glue", ".25")).status, 0);
    karte = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-l", "1", pfad("x.pdf"), "-"}));
    EXPECT_TRUE(karte.contains(QRegularExpression("Klebestreifen 0[.,]25 cm"))) << karte.toStdString();

    // The German help writes its limits as the parser reads them.
    const QString hilfe = QString::fromUtf8(pelox({"--help"}).ausgabe).simplified();
    for (const QString stelle : {"(0.1 bis zur längeren Seite des fertigen Sterns", "(0.5 bis 2, 1)",
             "Posters 6.35 bis 30; der Blätter des Faltnetzes und des Sternbogens und der Seite von --pdf "
             "--cut-only 0 bis 30 (6.35)",
             "Sternbogens (1 bis 500), für jede Größe ohne eigene Anzahl; der Faltsterne, deren Teile zusammen auf "
             "möglichst wenige Blätter kommen (1 bis 20); 1.",
             "(0 bis 3, 1)", "des Posters 5 bis 200, des Faltsterns 5 bis 100", "(je 0.5 bis 10, 1,2)"})
        EXPECT_TRUE(hilfe.contains(stelle)) << stelle.toStdString() << " in " << hilfe.toStdString();
    EXPECT_EQ(pelox({"--stl", pfad("x.stl"), "--peak", "0,1", design}).status, 0);
}

// Every limit a message states is taken when given back, and the next number
// past it at the precision stated is refused.
TEST_F(Aufruf, EveryLimitStatedIsTakenAndTheNextNumberPastItRefused)
{
    const QString x = pfad("x.out");
    const std::pair<QStringList, QString> optionen[] = {
        {{"--poster", x, "--diameter"}, "Durchmesser"},
        {{"--stl", x, "--peak", "1", "--diameter"}, "Durchmesser"},
        {{"--poster", x, "--diameter", "19", "--glue"}, "Klebestreifen"},
        {{"--poster", x, "--diameter", "19", "--margin"}, "Rand"},
        {{"--net", x, "--peak", "3", "--tab"}, "Laschen"},
        // The peak's upper end is the finished star's longer side, stated
        // to hundredths in the language's notation.
        {{"--stl", x, "--diameter", "12.345678", "--peak"}, "Höhe der Spitze"},
    };
    static const QRegularExpression grenzen(QStringLiteral("erlaubt sind ([-0-9.,]+)(?: cm)? bis ([-0-9.,]+)"));
    for (const auto& [vorne, was] : optionen) {
        const Lauf zuViel = pelox(vorne + QStringList{"99999", design});
        ASSERT_EQ(zuViel.meldungen().size(), 1) << zuViel.fehler.toStdString();
        const QRegularExpressionMatch m = grenzen.match(zuViel.meldungen()[0]);
        ASSERT_TRUE(m.hasMatch()) << zuViel.meldungen()[0].toStdString();
        for (int ende : {1, 2}) {
            const QString grenze = m.captured(ende);
            const Lauf l = pelox(vorne + QStringList{grenze, design});
            EXPECT_EQ(l.status, 0) << was.toStdString() << " " << grenze.toStdString() << "\n"
                                   << l.fehler.toStdString();
            const double jenseits = QString(grenze).replace(',', '.').toDouble() + (ende == 1 ? -1e-4 : 1e-4);
            const QString daneben = QString::number(jenseits, 'f', 4);
            abgelehnt(vorne + QStringList{daneben, design}, was + " " + daneben + ": erlaubt sind " + m.captured(1));
        }
        QFile::remove(x);
    }
    EXPECT_TRUE(pelox({"--stl", x, "--diameter", "12.345678", "--peak", "99", design})
                    .meldungen()
                    .value(0)
                    .contains("bis 12,35 cm (die längere Seite des fertigen Sterns, 12,3 × 12,3 cm)"));

    // The net states the largest diameter that fits, which it then takes.
    const QStringList netz{"--net", x, "--peak", "10", "--diameter"};
    const Lauf l = pelox(netz + QStringList{"100", design});
    static const QRegularExpression bis(QStringLiteral("Außendurchmesser von ([0-9]+,[0-9]) cm"));
    const QRegularExpressionMatch m = bis.match(l.meldungen().value(0));
    ASSERT_TRUE(m.hasMatch()) << l.fehler.toStdString();
    EXPECT_EQ(pelox(netz + QStringList{m.captured(1), design}).status, 0) << m.captured(1).toStdString();
}
