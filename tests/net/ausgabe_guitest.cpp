// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The net as files: from the command line, with its refusals, and the SVG
// read back as a cutting plotter's program would.
#include "support/dateitest.h"
#include "support/program.h"

#include "net/netz.h"
#include "platform/sprache.h"
#include "poster/plan.h"
#include "print/faltnetz.h"

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>

namespace {

std::pair<int, QStringList> pelox(const QStringList& args)
{
    const Lauf l = starte(QStringLiteral(PELOX_PROGRAM), args,
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    return {l.status, l.meldungen()};
}

int seiten(const QString& pdf)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// What the SVG holds, layer by layer: the colours of its strokes and fills,
// its cut paths and whether each is closed.
struct SvgInhalt {
    QString breite, hoehe, viewBox;
    std::vector<QString> ebenen;
    std::map<QString, std::set<QString>> farben;  // per layer
    std::map<QString, int> schnitte;
    std::map<QString, int> offeneSchnitte;
    std::map<QString, std::map<QString, int>> striche;  // per layer, per colour
    struct Text {
        double x;
        bool mittig;
        QString text;
    };
    std::vector<Text> texte;
};

SvgInhalt lies(const QByteArray& svg)
{
    SvgInhalt s;
    QXmlStreamReader x(svg);
    QString ebene;
    const QString inkscape = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = x.attributes();
        if (x.name() == QLatin1String("svg")) {
            s.breite = a.value("width").toString();
            s.hoehe = a.value("height").toString();
            s.viewBox = a.value("viewBox").toString();
        } else if (x.name() == QLatin1String("g") && a.value(inkscape, "groupmode") == QLatin1String("layer")) {
            ebene = a.value("id").toString();
            s.ebenen.push_back(ebene);
        }
        for (const char* art : {"stroke", "fill"}) {
            const QString f = a.value(art).toString();
            if (!f.isEmpty() && f != QLatin1String("none"))
                s.farben[ebene].insert(f);
        }
        if (x.name() == QLatin1String("path"))
            ++s.striche[ebene][a.value("stroke").toString()];
        if (x.name() == QLatin1String("text")) {
            const double links = a.value("x").toDouble();
            const bool mittig = a.value("text-anchor") == QLatin1String("middle");
            s.texte.push_back({links, mittig, x.readElementText()});
            continue;
        }
        if (x.name() == QLatin1String("path") && a.value("stroke") == QLatin1String("#000000")) {
            ++s.schnitte[ebene];
            const QString d = a.value("d").toString();
            if (!d.startsWith('M') || !d.endsWith('Z') || d.count('M') != 1)
                ++s.offeneSchnitte[ebene];
        }
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    return s;
}

class NetzDateien : public DateiTest {
protected:
    netz::Netz erwartet(double hoehe, const QPageSize& papier = QPageSize(QPageSize::A4))
    {
        netz::Vorgabe v;
        v.hoehe = hoehe;
        const QSizeF blatt = frmPelox::NetzPapier(papier);
        v.blattBreite = blatt.width();
        v.blattHoehe = blatt.height();
        netz::Ergebnis e = w->Faltnetz(w->AussenDurchmesser, v);
        EXPECT_TRUE(e.netz) << e.grund;
        return e.netz ? *e.netz : netz::Netz{};
    }
};

TEST_F(NetzDateien, TheCommandLineWritesThePagesAndTheSvgOfTheNet)
{
    speichere(pfad("stern.plx"));
    EXPECT_EQ(pelox({"--net", pfad("netz.pdf"), "--net-svg", pfad("netz.svg"), "--peak", "3.8", pfad("stern.plx")}),
        std::pair(0, QStringList()));
    const netz::Netz n = erwartet(3.8);
    EXPECT_EQ(seiten(pfad("netz.pdf")), n.blaetter + 1);
    EXPECT_LE(n.blaetter, 4);

    // Read back: one layer per sheet and one for everything else, mm sizes
    // with their viewBox, and only cuts black, only folds red or blue.
    const SvgInhalt s = lies(inhalt(pfad("netz.svg")));
    ASSERT_EQ(s.ebenen.size(), std::size_t(n.blaetter) + 1);
    EXPECT_TRUE(s.breite.endsWith("mm") && s.hoehe.endsWith("mm"));
    EXPECT_EQ(s.viewBox, QStringLiteral("0 0 %1 %2").arg(s.breite.chopped(2), s.hoehe.chopped(2)));
    for (int b = 0; b < n.blaetter; ++b) {
        const QString ebene = QStringLiteral("blatt%1").arg(b + 1);
        EXPECT_EQ(s.ebenen[std::size_t(b)], ebene);
        int teile = 0;
        for (const netz::Teil& t : n.teile)
            teile += t.blatt == b;
        EXPECT_EQ(s.schnitte.at(ebene), teile);
        EXPECT_FALSE(s.offeneSchnitte.count(ebene));
        EXPECT_EQ(s.farben.at(ebene), (std::set<QString>{"#000000", "#ff0000", "#0000ff"}));
        // Red the mountain folds, blue the valley folds, as the legend says;
        // each piece's labels on its own sheet.
        std::map<QString, int> falten;
        int texte = 0;
        for (const netz::Teil& t : n.teile) {
            if (t.blatt != b)
                continue;
            for (const netz::Falte& f : t.falten)
                ++falten[f.art == netz::Falz::Berg ? "#ff0000" : "#0000ff"];
            texte += int(t.texte.size());
        }
        EXPECT_EQ(s.striche.at(ebene).at("#ff0000"), falten["#ff0000"]) << b;
        EXPECT_EQ(s.striche.at(ebene).at("#0000ff"), falten["#0000ff"]) << b;
        const double breite = n.blattBreite * 10, links = b * (breite + 10);
        EXPECT_EQ(std::count_if(s.texte.begin(), s.texte.end(),
                      [&](const SvgInhalt::Text& t) { return t.mittig && t.x >= links && t.x <= links + breite; }),
            texte)
            << b;
        // The sheet's footer names it, from 1, under the legend.
        const auto fuss = std::find_if(s.texte.begin(), s.texte.end(),
            [&](const SvgInhalt::Text& t) { return !t.mittig && std::abs(t.x - links) < 0.01 && t.text.startsWith("Blatt "); });
        ASSERT_NE(fuss, s.texte.end()) << b;
        EXPECT_EQ(fuss->text, QStringLiteral("Blatt %1 von %2 – stern.plx").arg(b + 1).arg(n.blaetter));
    }
    EXPECT_EQ(std::count_if(s.texte.begin(), s.texte.end(),
                  [](const SvgInhalt::Text& t) { return t.text == "schwarz: schneiden, rot: Bergfalte, blau: Talfalte"; }),
        n.blaetter);
    EXPECT_EQ(s.farben.at("beschriftung"), std::set<QString>{"#808080"});
    // The PDF's sheets are named alike, page 2 on; each fold is one line
    // with the pattern of its kind, mountain dash-dot (3, 1.5, 0.3 and
    // 1.5 mm), valley dashed (3 and 1.5 mm), beside the legend's sample.
    static const QRegularExpression gestrichelt(QStringLiteral(R"re(stroke-dasharray:([^;"]*);[^"]*" d="([^"]*)")re"));
    for (int b = 0; b < n.blaetter; ++b) {
        const QString seite = QString::number(b + 2);
        const QString text = QString::fromUtf8(run("pdftotext", {"-f", seite, "-l", seite, pfad("netz.pdf"), "-"}));
        EXPECT_TRUE(text.contains(QStringLiteral("Blatt %1 von %2 – stern.plx").arg(b + 1).arg(n.blaetter)))
            << text.toStdString();
        const QString svg = QString::fromUtf8(run("pdftocairo", {"-svg", "-f", seite, "-l", seite, pfad("netz.pdf"), "-"}));
        std::map<QString, int> falten{{"berg", 1}, {"tal", 1}}, gezeichnet;
        for (const netz::Teil& t : n.teile)
            for (const netz::Falte& f : t.falten)
                falten[f.art == netz::Falz::Berg ? "berg" : "tal"] += t.blatt == b;
        for (auto it = gestrichelt.globalMatch(svg); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            std::vector<double> muster;
            for (const QString& z : m.captured(1).split(','))
                muster.push_back(z.toDouble());
            // The pages are drawn in 1/1200 inch.
            const double mm = 1200 / 25.4;
            const bool berg = muster.size() == 4 && std::abs(muster[0] - 3 * mm) < 0.01 * mm
                && std::abs(muster[1] - 1.5 * mm) < 0.01 * mm && std::abs(muster[2] - 0.3 * mm) < 0.01 * mm
                && std::abs(muster[3] - 1.5 * mm) < 0.01 * mm;
            const bool tal = muster.size() == 2 && std::abs(muster[0] - 3 * mm) < 0.01 * mm
                && std::abs(muster[1] - 1.5 * mm) < 0.01 * mm;
            ASSERT_TRUE(berg || tal) << m.captured(1).toStdString();
            gezeichnet[berg ? "berg" : "tal"] += int(m.captured(2).count(QLatin1Char('L')));
        }
        EXPECT_EQ(gezeichnet, falten) << "sheet " << b + 1;
    }

    // The natural height on A3: one closed piece per half, on two sheets at most.
    w->hsbAnzahl->setValue(5);
    speichere(pfad("fuenf.plx"));
    EXPECT_EQ(pelox({"--net", pfad("fuenf.pdf"), "--peak", "natural", "--paper", "A3", pfad("fuenf.plx")}),
        std::pair(0, QStringList()));
    const netz::Netz fuenf = erwartet(*netz::natuerlicheHoehe(*w), QPageSize::A3);
    EXPECT_EQ(fuenf.teile.size(), 2u);
    EXPECT_EQ(seiten(pfad("fuenf.pdf")), fuenf.blaetter + 1);
    // One piece and one sheet are counted in the singular.
    ASSERT_EQ(fuenf.blaetter, 2);
    const auto ersteSeite = [&](const char* datei) {
        return QString::fromUtf8(run("pdftotext", {"-f", "1", "-l", "1", pfad(datei), "-"})).simplified();
    };
    EXPECT_TRUE(ersteSeite("fuenf.pdf").contains("Oberteil 1 Teil, Unterteil 1 Teil, auf 2 Blättern "))
        << ersteSeite("fuenf.pdf").toStdString();
    EXPECT_EQ(pelox({"--net", pfad("haelfte.pdf"), "--peak", "natural", "--diameter", "8", "--halves", "1",
                  "--copies", "2", pfad("fuenf.plx")}),
        std::pair(0, QStringList()));
    EXPECT_TRUE(ersteSeite("haelfte.pdf").contains("2 Sterne aus einer Hälfte zu je 1 Teil, zusammen auf 1 Blatt "))
        << ersteSeite("haelfte.pdf").toStdString();

    // With another diameter, the natural height of the star at that size.
    EXPECT_EQ(pelox({"--net", pfad("gross.pdf"), "--peak", "natural", "--diameter", "30", "--paper", "A3",
                  pfad("fuenf.plx")}),
        std::pair(0, QStringList()));
    const double gross = *netz::natuerlicheHoehe(poster::skaliert(*w, 30));
    const QString seite1 = QString::fromUtf8(run("pdftotext", {"-f", "1", "-l", "1", pfad("gross.pdf"), "-"}));
    EXPECT_TRUE(seite1.contains(QStringLiteral("Spitze %1 cm über der Mitte").arg(sprache::dezimal(gross, 1))))
        << gross << seite1.toStdString();
}

// Two stars' pieces together on the sheets: twice as many cut, on the sheets
// of the net in the core, with the first page saying so.
TEST_F(NetzDateien, CopiesLayThePiecesOfSeveralStarsOntoTheSameSheets)
{
    speichere(pfad("stern.plx"));
    const auto schnitte = [](const SvgInhalt& s) {
        int n = 0;
        for (const auto& [ebene, zahl] : s.schnitte)
            n += zahl;
        EXPECT_TRUE(s.offeneSchnitte.empty());
        return n;
    };
    ASSERT_EQ(pelox({"--net-svg", pfad("eins.svg"), "--peak", "3.8", pfad("stern.plx")}).first, 0);
    ASSERT_EQ(pelox({"--net", pfad("zwei.pdf"), "--net-svg", pfad("zwei.svg"), "--peak", "3.8", "--copies", "2",
                  pfad("stern.plx")}),
        std::pair(0, QStringList()));
    const netz::Netz eins = erwartet(3.8);
    netz::Vorgabe v;
    v.hoehe = 3.8;
    v.kopien = 2;
    const QSizeF a4 = frmPelox::NetzPapier(QPageSize::A4);
    v.blattBreite = a4.width();
    v.blattHoehe = a4.height();
    const netz::Ergebnis zwei = w->Faltnetz(w->AussenDurchmesser, v);
    ASSERT_TRUE(zwei.netz) << zwei.grund;
    EXPECT_EQ(schnitte(lies(inhalt(pfad("eins.svg")))), int(eins.teile.size()));
    const SvgInhalt s = lies(inhalt(pfad("zwei.svg")));
    EXPECT_EQ(schnitte(s), 2 * int(eins.teile.size()));
    EXPECT_EQ(s.ebenen.size(), std::size_t(zwei.netz->blaetter) + 1);
    EXPECT_EQ(seiten(pfad("zwei.pdf")), zwei.netz->blaetter + 1);
    int oben = 0;
    for (const netz::Teil& t : eins.teile)
        oben += t.oberteil;
    const QString seite1 = QString::fromUtf8(run("pdftotext", {"-f", "1", "-l", "1", pfad("zwei.pdf"), "-"})).simplified();
    EXPECT_TRUE(seite1.contains(QStringLiteral("2 Sterne, jeder aus Oberteil %1 Teile und Unterteil %2 Teile, "
                                               "zusammen auf %3 Blättern")
                                    .arg(oben)
                                    .arg(int(eins.teile.size()) - oben)
                                    .arg(zwei.netz->blaetter)))
        << seite1.toStdString();

    // From one to twenty stars; past either end, or a part of one, refused.
    EXPECT_EQ(pelox({"--net-svg", pfad("viele.svg"), "--peak", "3.8", "--copies", "20", pfad("stern.plx")}).first, 0);
    EXPECT_EQ(schnitte(lies(inhalt(pfad("viele.svg")))), 20 * int(eins.teile.size()));
    for (const QString zahl : {"0", "21", "2.5", "nan", "inf"}) {
        const auto [status, fehler] = pelox({"--net", pfad("x.pdf"), "--peak", "3.8", "--copies", zahl, pfad("stern.plx")});
        EXPECT_EQ(status, 2) << zahl.toStdString();
        ASSERT_EQ(fehler.size(), 1) << zahl.toStdString();
        EXPECT_TRUE(fehler[0].contains(zahl == "2.5" ? QStringLiteral("Anzahl 2.5: nur ganze Zahlen")
                                                     : QStringLiteral("Anzahl %1: erlaubt sind 1 bis 20").arg(zahl)))
            << fehler[0].toStdString();
        EXPECT_FALSE(QFile::exists(pfad("x.pdf")));
    }
    // With the sheet of stars as well, the number holds for both.
    const auto [status, fehler] = pelox({"--net", pfad("x.pdf"), "--sheet", pfad("y.pdf"), "--diameter", "10",
        "--peak", "3.8", "--copies", "30", pfad("stern.plx")});
    EXPECT_EQ(status, 2);
    EXPECT_EQ(fehler, QStringList{"pelox: Anzahl 30: erlaubt sind 1 bis 20 (für --net)"});
}

TEST_F(NetzDateien, EveryOptionTakesBothEndsOfItsRange)
{
    speichere(pfad("stern.plx"));
    const QStringList gut[] = {{"--peak", "0.1"}, {"--peak", "19"}, {"--tab", "0.5"}, {"--tab", "2"},
        {"--diameter", "5", "--peak", "2"}, {"--halves", "1"}, {"--fewest", "sheets"}, {"--paper", "Legal"}};
    for (const QStringList& werte : gut) {
        QStringList args{"--net", pfad("gut.pdf")};
        if (!werte.contains("--peak"))
            args << "--peak" << "3.8";
        const auto [status, meldungen] = pelox(args + werte + QStringList{pfad("stern.plx")});
        EXPECT_EQ(status, 0) << werte.join(' ').toStdString();
        // At 5 cm some labels find no room, which the command line says.
        for (const QString& m : meldungen)
            EXPECT_TRUE(werte.contains("5") && m.startsWith("pelox: Beschriftungen ohne Platz")) << m.toStdString();
    }
}

TEST_F(NetzDateien, RefusalsGiveTheirReasonAndWriteNothing)
{
    speichere(pfad("stern.plx"));
    // Inner corners on the sides of the octagon: no natural height.
    w->hsbInnen->setValue(35);
    speichere(pfad("achteck.plx"));
    const auto netz = [&](const QStringList& werte, const QString& datei = "stern.plx") {
        return QStringList{"--net", pfad("x.pdf"), "--net-svg", pfad("x.svg")} + werte + QStringList{pfad(datei)};
    };
    const std::pair<QStringList, const char*> faelle[] = {
        {netz({}), "--peak"},
        {netz({"--peak", "0.09"}), "erlaubt sind 0,1 bis 19,00 cm"},
        {netz({"--peak", "19.01"}), "erlaubt sind 0,1 bis 19,00 cm"},
        {netz({"--peak", "nan"}), "erlaubt sind 0,1 bis 19,00 cm"},
        {netz({"--peak", "inf"}), "erlaubt sind 0,1 bis 19,00 cm"},
        {netz({"--peak", "natural"}, "achteck.plx"), "keine natürliche Höhe"},
        {netz({"--peak", "3", "--diameter", "4.99"}), "5 bis 100 cm"},
        {netz({"--peak", "3", "--diameter", "100.01"}), "5 bis 100 cm"},
        {netz({"--peak", "3", "--diameter", "-inf"}), "5 bis 100 cm"},
        {netz({"--peak", "3", "--tab", "0.49"}), "0.5 bis 2 cm"},
        {netz({"--peak", "3", "--tab", "2.01"}), "0.5 bis 2 cm"},
        {netz({"--peak", "3", "--tab", "nan"}), "0.5 bis 2 cm"},
        {netz({"--peak", "3", "--halves", "3"}), "1 oder 2"},
        {netz({"--peak", "3", "--fewest", "few"}), "pieces oder sheets"},
        {netz({"--peak", "3", "--paper", "A5"}), "Papier A5"},
        // Faces of a 100 cm star are larger than any of these papers.
        {netz({"--peak", "10", "--diameter", "100"}), "bis zu einem Außendurchmesser von"},
    };
    for (const auto& [args, grund] : faelle) {
        const auto [status, fehler] = pelox(args);
        EXPECT_NE(status, 0) << grund;
        ASSERT_EQ(fehler.size(), 1) << fehler.join('\n').toStdString();
        EXPECT_TRUE(fehler[0].contains(QString::fromUtf8(grund))) << fehler[0].toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList({"x.*"}), QStringList());
    }
}

} // namespace
