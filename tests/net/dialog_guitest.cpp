// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folded star's dialog on the real window: it starts at the design's
// size, folds and cuts the star anew on every change, takes the natural
// height, says why a net cannot be made, prints one job on the printer's
// paper and writes the PDF, the SVG and the 3D model.
#include "support/dateitest.h"
#include "support/program.h"

#include "app/faltsterndialog.h"
#include "app/laternewahl.h"
#include "app/sternansicht.h"
#include "net/netz.h"
#include "net/stl.h"
#include "poster/plan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <cmath>
#include <cstring>

namespace {

using FaltsternDialogTest = DateiTest;

QImage vorschau(const FaltsternDialog* d)
{
    return d->picBlaetter->pixmap().toImage();
}

} // namespace

TEST_F(FaltsternDialogTest, StartsAtTheDesignAndFollowsEveryValue)
{
    const auto radien = w->Radius;
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    ASSERT_TRUE(d && d->isVisible());
    // 5 to 100 cm in steps of 0.5 from the design's own; the peak from
    // 0.1 cm to the diameter, 0.4 of the radius at first; tabs 0.5 to 2 cm.
    EXPECT_EQ((std::array{d->spnDurchmesser->value(), d->spnDurchmesser->minimum(), d->spnDurchmesser->maximum(),
                  d->spnDurchmesser->singleStep(), d->spnHoehe->value(), d->spnHoehe->minimum(),
                  d->spnHoehe->maximum(), d->spnHoehe->singleStep(), d->spnLasche->value(),
                  d->spnLasche->minimum(), d->spnLasche->maximum()}),
        (std::array{19.0, 5.0, 100.0, 0.5, 3.8, 0.1, 19.0, 0.1, 1.0, 0.5, 2.0}));
    // The printer's paper, A4, A3, Letter, Legal and the two cutting mats.
    EXPECT_EQ(d->cboPapier->count(), 7);
    EXPECT_TRUE(d->cmdDrucken->isEnabled());
    EXPECT_FALSE(d->cmdPdf->isEnabled());
    EXPECT_FALSE(d->cmdSvg->isEnabled());
    EXPECT_TRUE(d->cmdStl->isEnabled());
    ASSERT_TRUE(d->netz());
    EXPECT_TRUE(d->lblErgebnis->text().startsWith(
        "Fertiger Stern: 19,0 × 19,0 cm, 7,6 cm dick\nWinkelsumme einer Hälfte: 458,"))
        << d->lblErgebnis->text().toStdString();
    EXPECT_TRUE(d->lblErgebnis->text().contains(
        QString("%1 Teile (Oberteil").arg(d->netz()->teile.size())));

    // Every value folds and cuts the star anew and redraws both pictures;
    // the window's own star stays as it is.
    QImage blaetter = vorschau(d), stern = d->picStern->grab().toImage();
    const auto geaendert = [&](const char* was) {
        EXPECT_NE(vorschau(d), blaetter) << was;
        EXPECT_NE(d->picStern->grab().toImage(), stern) << was;
        blaetter = vorschau(d);
        stern = d->picStern->grab().toImage();
    };
    d->spnHoehe->setValue(6);
    EXPECT_EQ(d->koerper()->hoehe, 6);
    geaendert("height");
    d->spnDurchmesser->setValue(12);
    EXPECT_EQ(d->spnHoehe->maximum(), 12);
    geaendert("diameter");
    d->cboHaelften->setCurrentIndex(1);
    EXPECT_EQ(d->haelften(), 1);
    EXPECT_TRUE(d->lblErgebnis->text().contains(" Teil"));
    EXPECT_FALSE(d->lblErgebnis->text().contains("Unterteil"));
    geaendert("one half");
    d->spnLasche->setValue(2);
    EXPECT_NE(vorschau(d), blaetter);
    const std::size_t teile = d->netz()->teile.size();
    const int blaetterVorher = d->netz()->blaetter;
    d->cboZiel->setCurrentIndex(1);
    EXPECT_LE(d->netz()->blaetter, blaetterVorher);
    EXPECT_GE(d->netz()->teile.size(), teile);
    EXPECT_EQ(w->Radius, radien);
    EXPECT_FLOAT_EQ(w->AussenDurchmesser, 19);

    // A single face too large for the paper: no net, the reason instead,
    // and the 3D model still.
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A4"));
    d->spnDurchmesser->setValue(100);
    d->spnHoehe->setValue(0.1);
    EXPECT_FALSE(d->netz());
    EXPECT_TRUE(d->lblErgebnis->text().contains("bis zu einem Außendurchmesser von")) << d->lblErgebnis->text().toStdString();
    EXPECT_FALSE(d->cmdPdf->isEnabled());
    EXPECT_FALSE(d->cmdSvg->isEnabled());
    EXPECT_TRUE(d->cmdStl->isEnabled());
}

TEST_F(FaltsternDialogTest, TheNaturalHeightFollowsTheDiameterUntilAHeightIsSet)
{
    w->hsbInnen->setValue(35);  // inner corners on the sides of the octagon
    w->mnuFaltstern->trigger();
    EXPECT_FALSE(w->dlgFaltstern->cmdNatuerlich->isEnabled());
    EXPECT_TRUE(w->dlgFaltstern->cmdNatuerlich->toolTip().contains("keine natürliche Höhe"));
    w->dlgFaltstern->reject();

    w->hsbInnen->setValue(16);
    w->hsbAnzahl->setValue(5);
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    ASSERT_TRUE(d->cmdNatuerlich->isEnabled());
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A3"));
    d->cmdNatuerlich->click();
    for (const double durchmesser : {19.0, 38.0}) {
        SCOPED_TRACE(durchmesser);
        const double natuerlich = *netz::natuerlicheHoehe(poster::skaliert(*w, durchmesser));
        EXPECT_EQ(d->hoehe(), natuerlich);
        EXPECT_NEAR(d->spnHoehe->value(), natuerlich, 0.005);
        ASSERT_TRUE(d->netz());
        EXPECT_NEAR(d->netz()->winkelsumme, 2 * std::acos(-1.0), 1e-9);
        // One closed piece per half where a half fits the sheet.
        if (durchmesser == 19) {
            EXPECT_EQ(d->netz()->teile.size(), 2u);
        }
        d->spnDurchmesser->setValue(38);
    }
    d->spnHoehe->stepUp();
    EXPECT_EQ(d->hoehe(), d->spnHoehe->value());
    d->spnDurchmesser->setValue(19);
    EXPECT_EQ(d->hoehe(), d->spnHoehe->value());
}

TEST_F(FaltsternDialogTest, PrintsOneJobAndWritesEachFile)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    const int blaetter = d->netz()->blaetter;
    d->cmdDrucken->click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].count(Drawing::Op::Page), blaetter);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_FALSE(w->dlgFaltstern && w->dlgFaltstern->isVisible());

    // A refused job is said, and the dialog stays for another try.
    printer.answers = {true, false};
    w->mnuFaltstern->trigger();
    w->dlgFaltstern->cmdDrucken->click();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(w->dlgFaltstern && w->dlgFaltstern->isVisible());
    w->dlgFaltstern->cmdAbbrechen->click();
    EXPECT_FALSE(w->dlgFaltstern && w->dlgFaltstern->isVisible());

    struct Datei {
        QPushButton* FaltsternDialog::*knopf;
        const char* name;
        QByteArray anfang;
    };
    const Datei dateien[] = {{&FaltsternDialog::cmdPdf, "netz.pdf", "%PDF"},
        {&FaltsternDialog::cmdSvg, "netz.svg", "<?xml"}, {&FaltsternDialog::cmdStl, "stern.stl", ""}};
    for (const Datei& datei : dateien) {
        SCOPED_TRACE(datei.name);
        w->mnuFaltstern->trigger();
        d = w->dlgFaltstern;
        d->cboPapier->setCurrentIndex(d->cboPapier->findData("Letter"));
        d->cboHaelften->setCurrentIndex(1);
        fileDialog.answers = {pfad(datei.name)};
        (d->*datei.knopf)->click();
        const QByteArray bytes = inhalt(pfad(datei.name));
        EXPECT_TRUE(bytes.startsWith(datei.anfang));
        EXPECT_EQ(w->lblDateiName->text(), "");  // an export is not the design's file
        // Open for the next file, as it was.
        ASSERT_TRUE(w->dlgFaltstern && w->dlgFaltstern->isVisible());
        EXPECT_EQ(d->cboPapier->currentData(), "Letter");
        EXPECT_EQ(d->haelften(), 1);
        // The STL's triangles, as many as its header says; the one half
        // chosen, as the command line writes it.
        if (datei.anfang.isEmpty()) {
            const netz::Gefaltet g = netz::falten(poster::skaliert(*w, d->durchmesser()), d->hoehe());
            ASSERT_TRUE(g.koerper);
            const std::string halb = netz::stlDatei(*g.koerper, 1).daten;
            EXPECT_EQ(bytes, QByteArray(halb.data(), qsizetype(halb.size())));
        }
        if (datei.anfang.isEmpty() && bytes.size() >= 84) {
            quint32 anzahl = 0;
            std::memcpy(&anzahl, bytes.constData() + 80, 4);
            EXPECT_GT(anzahl, 0u);
            EXPECT_EQ(bytes.size(), 84 + 50 * qsizetype(anzahl));
        }
        d->reject();
    }
    // A cancelled file dialog writes nothing and leaves the dialog open.
    w->mnuFaltstern->trigger();
    w->dlgFaltstern->cboPapier->setCurrentIndex(1);
    fileDialog.answers = {QString()};
    w->dlgFaltstern->cmdPdf->click();
    EXPECT_TRUE(w->dlgFaltstern && w->dlgFaltstern->isVisible());
}

// "Anzahl" lays the pieces of as many stars onto the sheets; the printout's
// and the PDF's first page say how many, and the dialog opens again with it.
TEST_F(FaltsternDialogTest, TheCountOfStarsReachesThePrintoutAndThePdf)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    EXPECT_EQ((std::array{d->spnAnzahl->minimum(), d->spnAnzahl->maximum(), d->spnAnzahl->value()}),
        (std::array{1, 20, 1}));
    const std::size_t teile = d->netz()->teile.size();
    d->spnAnzahl->setValue(3);
    ASSERT_TRUE(d->netz());
    EXPECT_EQ(d->netz()->teile.size(), 3 * teile);
    EXPECT_EQ(d->netz()->kopien, 3);
    const int blaetter = d->netz()->blaetter;
    d->cmdDrucken->click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].count(Drawing::Op::Page), blaetter);
    const QStringList texte = printer.jobs[0].texte();
    const QRegularExpression zeile(
        QStringLiteral("^3 Sterne, jeder aus Oberteil \\d+ Teile und Unterteil \\d+ Teile, zusammen auf %1 Blättern$")
            .arg(blaetter));
    EXPECT_EQ(texte.filter(zeile).size(), 1)
        << texte.join('|').toStdString();

    w->mnuFaltstern->trigger();
    d = w->dlgFaltstern;
    EXPECT_EQ(d->spnAnzahl->value(), 3);
    d->spnAnzahl->setValue(2);
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A4"));
    fileDialog.answers = {pfad("zwei.pdf")};
    d->cmdPdf->click();
    const QString seite1 = QString::fromUtf8(run("pdftotext", {"-f", "1", "-l", "1", pfad("zwei.pdf"), "-"})).simplified();
    EXPECT_TRUE(seite1.contains(QStringLiteral("2 Sterne, jeder aus Oberteil"))) << seite1.toStdString();
}

// The sheets' preview draws what the files hold: plain card in its colour
// or coloured faces on white card, black cut lines round every piece, both
// kinds of fold in their colours, and the windows cut out of the faces.
TEST_F(FaltsternDialogTest, ThePreviewShowsCardCutsFoldsAndWindows)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    ASSERT_TRUE(d && d->netz());
    const auto zaehlen = [&](auto test) {
        const QImage b = vorschau(d).convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += test(QColor(b.pixel(x, y)));
        return n;
    };
    const auto ist = [](QColor farbe) { return [farbe](const QColor& c) { return c == farbe; }; };
    const auto schwarz = [](const QColor& c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; };
    const auto rot = [](const QColor& c) { return c.red() > 180 && c.green() < 110 && c.blue() < 110; };
    const auto blau = [](const QColor& c) { return c.blue() > 180 && c.red() < 110 && c.green() < 110; };
    const int karte = zaehlen(ist(QColor(200, 164, 76)));
    EXPECT_GT(karte, 3000);
    EXPECT_GT(zaehlen(schwarz), 400);
    EXPECT_GT(zaehlen(rot), 50);
    EXPECT_GT(zaehlen(blau), 50);

    d->laterne->setFarbe(0, {40, 160, 60});
    EXPECT_EQ(zaehlen(ist(QColor(200, 164, 76))), 0);
    const int gruen = zaehlen(ist(QColor(40, 160, 60)));
    EXPECT_GT(gruen, karte / 2);
    EXPECT_GT(zaehlen(schwarz), 400);
    const int weiss = zaehlen(ist(Qt::white));
    d->laterne->chkFenster->setChecked(true);
    ASSERT_TRUE(d->netz());
    // What the windows take from the faces shows the white of the sheet.
    const int fenster = gruen - zaehlen(ist(QColor(40, 160, 60)));
    EXPECT_GT(fenster, gruen / 5);
    EXPECT_GT(zaehlen(ist(Qt::white)) - weiss, fenster / 3);
}
