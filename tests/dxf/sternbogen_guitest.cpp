// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet of stars for cutting machines, read back: the DXF by ezdxf with
// the SVG's lines on its layers, only the cut lines when asked, the margin
// from none to 30 mm, and the DXF the dialog saves on a cutting mat.
#include "dxf/lesen.h"
#include "support/dateitest.h"
#include "support/printer.h"

#include "app/sternbogendialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>

namespace {

class SchneideBogen : public EntwurfTest {
protected:
    QString name() const override { return QStringLiteral("stern.plx"); }

    void geschrieben(const QStringList& args)
    {
        const Lauf l = pelox(args + QStringList{"--copies", "30", "--diameter", "5", design});
        ASSERT_EQ(l.status, 0) << args.join(' ').toStdString() << "\n" << l.fehler.toStdString();
    }
};

// The frames of the sheets, in the order written.
std::vector<QRectF> rahmen(const std::vector<Linie>& linien, const QString& rolle)
{
    std::vector<QRectF> r;
    for (const Linie& l : linien)
        if (l.rolle == rolle)
            r.push_back(QPolygonF(QList<QPointF>(l.punkte.begin(), l.punkte.end())).boundingRect());
    return r;
}

QRectF umriss(const Linie& l)
{
    return QPolygonF(QList<QPointF>(l.punkte.begin(), l.punkte.end())).boundingRect();
}

// The stars per sheet the footers of a PDF's pages or a drawing's texts name.
std::vector<int> sterne(const QString& text)
{
    std::vector<int> n;
    static const QRegularExpression fuss(QStringLiteral("(\\d+) Sterne? – stern\\.plx"));
    for (auto it = fuss.globalMatch(text); it.hasNext();)
        n.push_back(it.next().captured(1).toInt());
    return n;
}

} // namespace

TEST_F(SchneideBogen, TheSheetOfStarsAsDxfHoldsTheSvgsLinesOnTheirLayers)
{
    geschrieben({"--sheet-dxf", pfad("b.dxf"), "--sheet-svg", pfad("b.svg")});
    const Dxf d = lies(pfad("b.dxf"));
    gueltig(d);
    const std::vector<Linie> svg = svgLinien(inhalt(pfad("b.svg")), 1);
    gleichLang(laengen(d.linien, "CUT"), laengen(svg, "#000000"), "cut");
    gleichLang(laengen(d.linien, "SHEET"), laengen(svg, "#808080"), "sheet");
    EXPECT_EQ(laengen(d.linien, "CUT").size(), 30u);
    for (const Linie& l : d.linien) {
        EXPECT_TRUE(l.geschlossen);
        EXPECT_TRUE(l.rolle == "CUT" || l.rolle == "SHEET") << l.rolle.toStdString();
    }
    // Two sheets, each the drawing area of A4, 10 mm apart; every star of
    // 5 cm whole on one of them.
    const QSizeF flaeche = frmPelox::NetzPapier(QPageSize::A4) * 10;
    const std::vector<QRectF> blaetter = rahmen(d.linien, "SHEET");
    ASSERT_EQ(blaetter.size(), 2u);
    for (std::size_t i = 0; i < blaetter.size(); ++i) {
        EXPECT_NEAR(blaetter[i].width(), flaeche.width(), 0.01);
        EXPECT_NEAR(blaetter[i].height(), flaeche.height(), 0.01);
        EXPECT_NEAR(blaetter[i].left(), double(i) * (flaeche.width() + 10), 0.01);
    }
    for (const Linie& l : d.linien) {
        if (l.rolle != "CUT")
            continue;
        const QRectF u = umriss(l);
        // Opposite tips of the eight-pointed star are its diameter apart,
        // however it is turned.
        double weiteste = 0;
        for (const QPointF& a : l.punkte)
            for (const QPointF& b : l.punkte)
                weiteste = std::max(weiteste, QLineF(a, b).length());
        EXPECT_NEAR(weiteste, 50, 0.01);
        EXPECT_TRUE(std::any_of(blaetter.begin(), blaetter.end(), [&](const QRectF& b) {
            return b.adjusted(-1e-3, -1e-3, 1e-3, 1e-3).contains(u);
        })) << u.left() << ", " << u.top();
    }
    // Seen as in the SVG: y upward from the bottom.
    const auto svgStern = std::find_if(svg.begin(), svg.end(), [](const Linie& l) { return l.rolle == "#000000"; });
    ASSERT_NE(svgStern, svg.end());
    const QPointF gespiegelt(svgStern->punkte[0].x(), flaeche.height() - svgStern->punkte[0].y());
    EXPECT_TRUE(std::any_of(d.linien.begin(), d.linien.end(),
        [&](const Linie& l) { return l.rolle == "CUT" && QLineF(l.punkte[0], gespiegelt).length() < 0.01; }));
    // The footers on the texts' layer, as the printed sheets have them.
    QStringList texte;
    for (const QJsonValue t : d.json["texte"].toArray()) {
        EXPECT_EQ(t["ebene"].toString(), "TEXT");
        texte << t["text"].toString();
    }
    EXPECT_TRUE(texte.contains("Sternbogen – Blatt 1 von 2") && texte.contains("Sternbogen – Blatt 2 von 2"))
        << texte.join('|').toStdString();
    const std::vector<int> n = sterne(texte.join('\n'));
    ASSERT_EQ(n.size(), 2u);
    EXPECT_EQ(n[0] + n[1], 30);
    const std::vector<QRectF> svgBlaetter = rahmen(svg, "#808080");
    ASSERT_EQ(svgBlaetter.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(std::count_if(svg.begin(), svg.end(),
                      [&](const Linie& l) { return l.rolle == "#000000" && svgBlaetter[i].contains(umriss(l)); }),
            n[i]);
}

TEST_F(SchneideBogen, OnlyTheCutLinesWhenAskedInEveryFile)
{
    geschrieben({"--sheet-dxf", pfad("voll.dxf")});
    geschrieben({"--sheet-dxf", pfad("c.dxf"), "--sheet-svg", pfad("c.svg"), "--sheet", pfad("c.pdf"), "--cut-only"});
    const Dxf d = lies(pfad("c.dxf"));
    gueltig(d);
    EXPECT_TRUE(d.json["texte"].toArray().isEmpty());
    double laenge = 0;
    for (const Linie& l : d.linien) {
        EXPECT_EQ(l.rolle, "CUT");
        laenge += l.laenge;
    }
    gleichLang(laengen(d.linien, "CUT"), laengen(lies(pfad("voll.dxf")).linien, "CUT"), "cut");
    const QByteArray svg = inhalt(pfad("c.svg"));
    EXPECT_FALSE(svg.contains("<text") || svg.contains("#808080"));
    EXPECT_EQ(svg.count("stroke=\"#000000\""), 30);
    // The PDF's pages hold the same lines at true size, and no text.
    EXPECT_TRUE(QString::fromUtf8(run("pdftotext", {pfad("c.pdf"), "-"})).trimmed().isEmpty());
    double pdfLaenge = 0;
    for (int seite = 1; seite <= 2; ++seite)
        for (const QLineF& l : pdfLines(pfad("c.pdf"), seite))
            pdfLaenge += l.length() * 25.4 / 72;
    EXPECT_NEAR(pdfLaenge, laenge, laenge * 1e-4);
}

// A cutting mat has no printer margin: the files take none up to 30 mm, and
// the stars are laid out within it, in the PDF as in the SVG.
TEST_F(SchneideBogen, TheMarginRunsFromNoneToThirtyMillimetres)
{
    std::map<int, std::vector<int>> jeBlatt;
    for (const int rand : {0, 30}) {
        SCOPED_TRACE(rand);
        geschrieben({"--sheet-svg", pfad("r.svg"), "--sheet", pfad("r.pdf"), "--margin", QString::number(rand)});
        const std::vector<Linie> svg = svgLinien(inhalt(pfad("r.svg")), 1);
        const std::vector<QRectF> blaetter = rahmen(svg, "#808080");
        ASSERT_FALSE(blaetter.empty());
        // A4 in whole points, less the margin as the PDF takes it, in
        // whole points too.
        const double randPt = std::ceil(rand * 72 / 25.4);
        EXPECT_NEAR(blaetter[0].width(), (595 - 2 * randPt) * 25.4 / 72, 0.01);
        EXPECT_NEAR(blaetter[0].height(), (842 - 2 * randPt) * 25.4 / 72, 0.01);
        for (const QRectF& b : blaetter)
            jeBlatt[rand].push_back(int(std::count_if(svg.begin(), svg.end(),
                [&](const Linie& l) { return l.rolle == "#000000" && b.contains(umriss(l)); })));
        EXPECT_EQ(sterne(QString::fromUtf8(run("pdftotext", {pfad("r.pdf"), "-"})).simplified()), jeBlatt[rand]);
    }
    // All of A4 takes the thirty stars that need two sheets within the
    // printer's margin; the narrow area of a wide margin takes fewer.
    EXPECT_EQ(jeBlatt[0], std::vector<int>{30});
    EXPECT_GT(jeBlatt[30].size(), 1u);

    for (const QString rand : {"-0.01", "30.01", "nan", "inf"}) {
        const Lauf l = pelox({"--sheet-dxf", pfad("x.dxf"), "--margin", rand, "--diameter", "5", design});
        EXPECT_EQ(l.status, 2) << rand.toStdString();
        EXPECT_TRUE(l.meldungen().join('\n').contains("Rand " + rand + ": erlaubt sind 0 bis 30 mm (für --sheet-dxf)"))
            << l.fehler.toStdString();
        EXPECT_FALSE(QFile::exists(pfad("x.dxf")));
    }
}

TEST_F(SchneideBogen, TheDialogSavesTheSheetsAsDxfOnACuttingMat)
{
    w->mnuSternbogen->trigger();
    SternbogenDialog* d = w->dlgSternbogen;
    // Files only: not on the printer's paper.
    EXPECT_FALSE(d->cmdDxf->isEnabled());
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("mat12x12"));
    EXPECT_EQ(d->spnRand->minimum(), 0);
    d->spnRand->setValue(0);
    ASSERT_TRUE(d->cmdDxf->isEnabled());
    fileDialog.answers = {pfad("matte.dxf")};
    d->cmdDxf->click();
    EXPECT_EQ(fileDialog.shown.back().request.fileName, QDir::currentPath() + "/Pelox_1_Sternbogen.dxf");
    const Dxf m = lies(pfad("matte.dxf"));
    gueltig(m);
    EXPECT_EQ(laengen(m.linien, "CUT").size(), 30u);
    const std::vector<QRectF> blaetter = rahmen(m.linien, "SHEET");
    ASSERT_EQ(blaetter.size(), 1u);
    EXPECT_NEAR(blaetter[0].width(), 305, 0.5);
    EXPECT_NEAR(blaetter[0].height(), 305, 0.5);
}

// "Nur Schnittlinien" in the dialog: its PDF, SVG and DXF hold the stars'
// outlines and nothing else, the same as the full files' cut lines.
TEST_F(SchneideBogen, TheDialogSavesOnlyTheCutLinesWhenAsked)
{
    // Each save closes the dialog; it opens again as a user would.
    const auto speichern = [&](QPushButton* SternbogenDialog::*knopf, const QString& datei, bool nurSchnitt) {
        w->mnuSternbogen->trigger();
        SternbogenDialog* d = w->dlgSternbogen;
        d->cboPapier->setCurrentIndex(d->cboPapier->findData("A4"));
        d->chkNurSchnitt->setChecked(nurSchnitt);
        fileDialog.answers = {pfad(datei)};
        (d->*knopf)->click();
    };
    speichern(&SternbogenDialog::cmdDxf, "voll.dxf", false);
    speichern(&SternbogenDialog::cmdDxf, "c.dxf", true);
    speichern(&SternbogenDialog::cmdSvg, "c.svg", true);
    speichern(&SternbogenDialog::cmdPdf, "c.pdf", true);
    const Dxf c = lies(pfad("c.dxf"));
    gueltig(c);
    EXPECT_TRUE(c.json["texte"].toArray().isEmpty());
    for (const Linie& l : c.linien)
        EXPECT_EQ(l.rolle, "CUT");
    gleichLang(laengen(c.linien, "CUT"), laengen(lies(pfad("voll.dxf")).linien, "CUT"), "cut");
    const QByteArray svg = inhalt(pfad("c.svg"));
    EXPECT_FALSE(svg.contains("<text") || svg.contains("#808080"));
    EXPECT_EQ(svg.count("stroke=\"#000000\""), 30);
    EXPECT_TRUE(QString::fromUtf8(run("pdftotext", {pfad("c.pdf"), "-"})).trimmed().isEmpty());
    EXPECT_FALSE(pdfLines(pfad("c.pdf")).empty());
}
