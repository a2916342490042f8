// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The files for cutting machines read back as their programs read them: the
// DXF by an independent reader (ezdxf), compared line by line with the SVG
// of the same design; the cut-only PDF by poppler; the perforated folds as
// the dashes a machine cuts.
#include "dxf/lesen.h"
#include "support/dateitest.h"
#include "support/printer.h"
#include "support/program.h"

#include "app/faltsterndialog.h"
#include "app/schnittwahl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>

namespace {

// A perforation's dashes gathered into their folds: a dash that begins one
// gap beyond the end of the one before, on the same line, continues it.
struct Falz {
    double spanne = 0;
    std::vector<double> striche;
};

std::vector<Falz> perforation(const std::vector<Linie>& linien, const QString& rolle, double luecke)
{
    std::vector<Falz> r;
    const Linie* vorige = nullptr;
    for (const Linie& l : linien) {
        if (l.rolle != rolle)
            continue;
        EXPECT_EQ(l.punkte.size(), 2u);
        bool weiter = false;
        if (vorige) {
            const QPointF richtung = vorige->punkte.back() - vorige->punkte.front();
            const QPointF sprung = l.punkte.front() - vorige->punkte.back();
            const double quer = richtung.x() * sprung.y() - richtung.y() * sprung.x();
            weiter = std::abs(QLineF({}, sprung).length() - luecke) < 5e-3
                && std::abs(quer) < 1e-2 * QLineF({}, richtung).length() && QPointF::dotProduct(richtung, sprung) > 0;
        }
        if (!weiter)
            r.push_back({});
        r.back().striche.push_back(l.laenge);
        r.back().spanne = r.back().striche.size() == 1
            ? l.laenge
            : r.back().spanne + luecke + l.laenge;
        vorige = &l;
    }
    return r;
}

class Schneiden : public EntwurfTest {
protected:
    QString name() const override { return QStringLiteral("stern.plx"); }

    void geschrieben(const QStringList& args)
    {
        const Lauf l = pelox(args + QStringList{design});
        ASSERT_EQ(l.status, 0) << args.join(' ').toStdString() << "\n" << l.fehler.toStdString();
    }
};

} // namespace

TEST_F(Schneiden, TheOutlineAsDxfIsTheSvgsOutlineInMillimetres)
{
    for (const bool gebogen : {false, true}) {
        if (gebogen) {
            entwurf(false);
            speichere(design);
        }
        geschrieben({"--dxf", pfad("u.dxf"), "--svg", pfad("u.svg")});
        const Dxf d = lies(pfad("u.dxf"));
        gueltig(d);
        const std::vector<Linie> svg = svgLinien(inhalt(pfad("u.svg")), 10);
        ASSERT_FALSE(svg.empty());
        const std::vector<double> schnitt = laengen(d.linien, "CUT");
        ASSERT_EQ(schnitt.size(), 1u);
        EXPECT_TRUE(d.linien.front().geschlossen);
        // The SVG's outline runs back to its first corner; the DXF closes it.
        EXPECT_NEAR(schnitt[0], svg.front().laenge, 0.01);
        EXPECT_EQ(d.linien.front().punkte.size() + 1, svg.front().punkte.size());
        // Only the outline is cut; the centre mark or the spokes are marks.
        EXPECT_FALSE(laengen(d.linien, "TEXT").empty());
        EXPECT_EQ(laengen(d.linien, "TEXT").size() + 1, d.linien.size());

        geschrieben({"--dxf", pfad("c.dxf"), "--cut-only"});
        const Dxf c = lies(pfad("c.dxf"));
        ASSERT_EQ(c.linien.size(), 1u);
        EXPECT_EQ(c.linien[0].rolle, "CUT");
        EXPECT_NEAR(c.linien[0].laenge, svg.front().laenge, 0.01);
    }
}

TEST_F(Schneiden, TheNetAsDxfHoldsTheSvgsLinesOnTheirLayers)
{
    geschrieben({"--net-dxf", pfad("n.dxf"), "--net-svg", pfad("n.svg"), "--peak", "3.8"});
    const Dxf d = lies(pfad("n.dxf"));
    gueltig(d);
    const std::vector<Linie> svg = svgLinien(inhalt(pfad("n.svg")), 1);
    gleichLang(laengen(d.linien, "CUT"), laengen(svg, "#000000"), "cut");
    gleichLang(laengen(d.linien, "MOUNTAIN"), laengen(svg, "#ff0000"), "mountain");
    gleichLang(laengen(d.linien, "VALLEY"), laengen(svg, "#0000ff"), "valley");
    ASSERT_GT(laengen(d.linien, "CUT").size(), 1u);
    ASSERT_FALSE(laengen(d.linien, "MOUNTAIN").empty());
    for (const Linie& l : d.linien)
        EXPECT_EQ(l.geschlossen, l.rolle == "CUT" || l.rolle == "SHEET") << l.rolle.toStdString();
    // The sheets side by side 10 mm apart, each frame the drawing area of
    // A4 the net is laid out in.
    const QSizeF flaeche = frmPelox::NetzPapier(QPageSize::A4) * 10;
    std::vector<QRectF> rahmen;
    for (const Linie& l : d.linien)
        if (l.rolle == "SHEET")
            rahmen.push_back(QPolygonF(QList<QPointF>(l.punkte.begin(), l.punkte.end())).boundingRect());
    ASSERT_GE(rahmen.size(), 2u);
    for (std::size_t i = 0; i < rahmen.size(); ++i) {
        EXPECT_NEAR(rahmen[i].width(), flaeche.width(), 0.01);
        EXPECT_NEAR(rahmen[i].height(), flaeche.height(), 0.01);
        EXPECT_NEAR(rahmen[i].top(), 0, 0.01);
        EXPECT_NEAR(rahmen[i].left(), double(i) * (flaeche.width() + 10), 0.01);
    }
    // Seen from the printed side, as in the SVG: y upward from the bottom.
    const auto svgSchnitt = std::find_if(svg.begin(), svg.end(), [](const Linie& l) { return l.rolle == "#000000"; });
    ASSERT_NE(svgSchnitt, svg.end());
    const QPointF gespiegelt(svgSchnitt->punkte[1].x(), flaeche.height() - svgSchnitt->punkte[1].y());
    EXPECT_TRUE(std::any_of(d.linien.begin(), d.linien.end(), [&](const Linie& l) {
        return l.rolle == "CUT" && QLineF(l.punkte[1], gespiegelt).length() < 0.01;
    }));
    // The texts on their own layer, the dash of the sheet's line intact.
    QStringList texte;
    for (const QJsonValue t : d.json["texte"].toArray()) {
        EXPECT_EQ(t["ebene"].toString(), "TEXT");
        texte << t["text"].toString();
    }
    EXPECT_TRUE(texte.contains(QStringLiteral("Blatt 1 von %1 – stern.plx").arg(rahmen.size())))
        << texte.join('|').toStdString();
}

TEST_F(Schneiden, CutOnlyFilesHoldNothingButTheLinesToCutAndFold)
{
    geschrieben({"--net-dxf", pfad("c.dxf"), "--net", pfad("c.pdf"), "--pdf", pfad("u.pdf"), "--cut-only", "--peak",
        "3.8"});
    const Dxf d = lies(pfad("c.dxf"));
    gueltig(d);
    EXPECT_TRUE(d.json["texte"].toArray().isEmpty());
    double dxfLaenge = 0;
    for (const Linie& l : d.linien) {
        EXPECT_TRUE(l.rolle == "CUT" || l.rolle == "MOUNTAIN" || l.rolle == "VALLEY") << l.rolle.toStdString();
        dxfLaenge += l.laenge;
    }
    for (const QString& pdf : {pfad("c.pdf"), pfad("u.pdf")}) {
        EXPECT_TRUE(QString::fromUtf8(run("pdftotext", {pdf, "-"})).trimmed().isEmpty()) << pdf.toStdString();
        // Nothing filled, no glyph, no picture: only stroked paths.
        const QString seite = QString::fromUtf8(run("pdftocairo", {"-svg", pdf, "-"})).section("</defs>", -1);
        EXPECT_FALSE(seite.contains("<use") || seite.contains("<image") || seite.contains("<text"));
        static const QRegularExpression pfad(QStringLiteral("<path [^>]*>"));
        for (auto it = pfad.globalMatch(seite); it.hasNext();) {
            const QString p = it.next().captured();
            EXPECT_TRUE(p.contains("fill:none") && p.contains("stroke:rgb")) << p.toStdString();
        }
    }
    // At true size: the lines of its pages as long as the DXF's.
    const QString info = QString::fromUtf8(run("pdfinfo", {pfad("c.pdf")}));
    const int seiten = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
    EXPECT_GE(seiten, 2);
    double pdfLaenge = 0;
    for (int seite = 1; seite <= seiten; ++seite)
        for (const QLineF& l : pdfLines(pfad("c.pdf"), seite))
            pdfLaenge += l.length() * 25.4 / 72;
    EXPECT_NEAR(pdfLaenge, dxfLaenge, dxfLaenge * 1e-4);
}

TEST_F(Schneiden, PerforatedFoldsAreDashesOfTheChosenLengths)
{
    geschrieben({"--net-dxf", pfad("s.dxf"), "--peak", "3.8"});
    geschrieben({"--net-dxf", pfad("p.dxf"), "--net-svg", pfad("p.svg"), "--peak", "3.8", "--folds", "perforate",
        "--perforation", "1.5,2.5"});
    const std::vector<Linie> geritzt = lies(pfad("s.dxf")).linien;
    const Dxf d = lies(pfad("p.dxf"));
    gueltig(d);
    const std::vector<Linie> svg = svgLinien(inhalt(pfad("p.svg")), 1);
    for (const auto& [ebene, farbe] : {std::pair<QString, QString>{"MOUNTAIN", "#ff0000"}, {"VALLEY", "#0000ff"}}) {
        for (const std::vector<Linie>* datei : {&d.linien, &svg}) {
            const std::vector<Falz> falze = perforation(*datei, datei == &svg ? farbe : ebene, 2.5);
            // One row of dashes for each scored fold, from its start to
            // within a gap of its end.
            std::vector<double> spannen;
            for (const Falz& f : falze) {
                spannen.push_back(f.spanne);
                for (std::size_t i = 0; i + 1 < f.striche.size(); ++i)
                    EXPECT_NEAR(f.striche[i], 1.5, 5e-3);
                EXPECT_LE(f.striche.back(), 1.5 + 5e-3);
            }
            std::sort(spannen.begin(), spannen.end());
            const std::vector<double> falten = laengen(geritzt, ebene);
            ASSERT_EQ(spannen.size(), falten.size()) << ebene.toStdString();
            ASSERT_FALSE(falten.empty());
            for (std::size_t i = 0; i < falten.size(); ++i) {
                EXPECT_LE(spannen[i], falten[i] + 0.01);
                EXPECT_GT(spannen[i], falten[i] - 2.5 - 0.01);
            }
        }
    }

    geschrieben({"--net-dxf", pfad("k.dxf"), "--peak", "3.8", "--folds", "none"});
    for (const Linie& l : lies(pfad("k.dxf")).linien)
        EXPECT_TRUE(l.rolle == "CUT" || l.rolle == "SHEET") << l.rolle.toStdString();
}

TEST_F(Schneiden, TheMarginIsThatOfTheSheetsDownToNone)
{
    geschrieben({"--net-svg", pfad("r.svg"), "--peak", "3.8", "--margin", "0"});
    geschrieben({"--pdf", pfad("r.pdf"), "--cut-only", "--margin", "0"});
    // Each sheet's frame the whole of A4, as a PDF has it in whole points.
    const std::vector<Linie> svg = svgLinien(inhalt(pfad("r.svg")), 1);
    const auto rahmen = std::find_if(svg.begin(), svg.end(), [](const Linie& l) { return l.rolle == "#808080"; });
    ASSERT_NE(rahmen, svg.end());
    const QRectF r = QPolygonF(QList<QPointF>(rahmen->punkte.begin(), rahmen->punkte.end())).boundingRect();
    EXPECT_EQ(r.topLeft(), QPointF(0, 0));
    EXPECT_NEAR(r.width(), 210, 0.25);
    EXPECT_NEAR(r.height(), 297, 0.25);
    // The outline centred on the page, which it may fill.
    const QRectF umriss = sternUmriss(pdfLines(pfad("r.pdf")));
    EXPECT_NEAR(umriss.center().x(), 595.0 / 2, 0.5);
    EXPECT_NEAR(umriss.center().y(), 842.0 / 2, 0.5);
}

TEST_F(Schneiden, TheFaltsternDialogWritesTheNetForCuttingMachines)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A4"));
    ASSERT_TRUE(d->cmdDxf->isEnabled());
    EXPECT_FALSE(d->schnittWahl->spnSchnitt->isEnabled());
    fileDialog.answers = {pfad("voll.dxf")};
    d->cmdDxf->click();
    // The label keeps naming the design's file: an export is not it.
    const QString eigen = w->lblDateiName->text();
    EXPECT_EQ(fileDialog.shown.back().request.fileName, QDir::currentPath() + "/Pelox_1_Faltstern.dxf");
    EXPECT_EQ(w->lblDateiName->text(), eigen);
    EXPECT_TRUE(w->dlgFaltstern && w->dlgFaltstern->isVisible());
    const Dxf voll = lies(pfad("voll.dxf"));
    gueltig(voll);
    EXPECT_FALSE(voll.json["texte"].toArray().isEmpty());

    // Only the lines, the folds perforated: the same in every file.
    const auto schneidbar = [&](const char* name, QPushButton* FaltsternDialog::*knopf) {
        w->mnuFaltstern->trigger();
        d = w->dlgFaltstern;
        d->cboPapier->setCurrentIndex(d->cboPapier->findData("A4"));
        d->schnittWahl->chkNurSchnitt->setChecked(true);
        d->schnittWahl->cboFalze->setCurrentIndex(1);
        EXPECT_TRUE(d->schnittWahl->spnSchnitt->isEnabled());
        d->schnittWahl->spnSchnitt->setValue(1.5);
        d->schnittWahl->spnLuecke->setValue(2.5);
        fileDialog.answers = {pfad(name)};
        (d->*knopf)->click();
        // An export is not the design's file, and the dialog stays open.
        EXPECT_EQ(w->lblDateiName->text(), eigen);
        EXPECT_TRUE(w->dlgFaltstern && w->dlgFaltstern->isVisible());
    };
    schneidbar("c.dxf", &FaltsternDialog::cmdDxf);
    schneidbar("c.svg", &FaltsternDialog::cmdSvg);
    schneidbar("c.pdf", &FaltsternDialog::cmdPdf);
    const Dxf c = lies(pfad("c.dxf"));
    gueltig(c);
    EXPECT_TRUE(c.json["texte"].toArray().isEmpty());
    const std::vector<Linie> svg = svgLinien(inhalt(pfad("c.svg")), 1);
    EXPECT_FALSE(inhalt(pfad("c.svg")).contains("<text"));
    for (const std::vector<Linie>* linien : {&c.linien, &svg}) {
        ASSERT_FALSE(perforation(*linien, linien == &svg ? "#ff0000" : "MOUNTAIN", 2.5).empty());
        for (const Linie& l : *linien) {
            EXPECT_NE(l.rolle, "SHEET");
            EXPECT_NE(l.rolle, "#808080");
            if (!l.geschlossen) {
                EXPECT_LE(l.laenge, 1.5 + 5e-3);
            }
        }
    }
    EXPECT_EQ(laengen(c.linien, "CUT").size(), laengen(voll.linien, "CUT").size());
    EXPECT_TRUE(QString::fromUtf8(run("pdftotext", {pfad("c.pdf"), "-"})).trimmed().isEmpty());
}

TEST_F(Schneiden, ThePicturesMenuWritesTheOutlineAloneWhenAsked)
{
    fileDialog.answers = {pfad("voll.pdf"), pfad("voll.dxf")};
    w->mnuPdfSpeichern->trigger();
    w->mnuDxfSpeichern->trigger();
    EXPECT_FALSE(QString::fromUtf8(run("pdftotext", {pfad("voll.pdf"), "-"})).trimmed().isEmpty());
    EXPECT_GT(lies(pfad("voll.dxf")).linien.size(), 1u);

    w->mnuNurSchnitt->setChecked(true);
    fileDialog.answers = {pfad("c.pdf"), pfad("c.dxf")};
    w->mnuPdfSpeichern->trigger();
    w->mnuDxfSpeichern->trigger();
    EXPECT_TRUE(QFile::exists(pfad("c.dxf")));
    EXPECT_TRUE(QString::fromUtf8(run("pdftotext", {pfad("c.pdf"), "-"})).trimmed().isEmpty());
    const Dxf c = lies(pfad("c.dxf"));
    ASSERT_EQ(c.linien.size(), 1u);
    EXPECT_TRUE(c.linien[0].geschlossen);
    // The PDF's lines are the DXF's outline, at true size.
    double laenge = 0;
    for (const QLineF& l : pdfLines(pfad("c.pdf")))
        laenge += l.length() * 25.4 / 72;
    EXPECT_NEAR(laenge, c.linien[0].laenge, 0.05);
}
