// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lantern in the folded star's dialog: every control reaches the net and
// both previews, the ranges end where the core's do, the dialog opens again
// as it was left, and the 3D view glows on a night sky when lit.
#include "support/dateitest.h"

#include "app/faltsterndialog.h"
#include "app/laternewahl.h"
#include "app/sternansicht.h"
#include "net/netz.h"
#include "net/vieleck.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <limits>

namespace {

using LaterneDialogTest = DateiTest;

int loecher(const netz::Netz& n, netz::Loch::Art art, std::optional<bool> oberteil = std::nullopt)
{
    int anzahl = 0;
    for (const netz::Teil& t : n.teile) {
        for (const netz::Loch& l : t.loecher)
            anzahl += l.art == art && (!oberteil || t.oberteil == *oberteil);
    }
    return anzahl;
}

// How many of the net's labels lie on one of their piece's tabs.
std::pair<int, int> aufLaschen(const netz::Netz& n)
{
    int drauf = 0, alle = 0;
    for (const netz::Teil& t : n.teile) {
        for (const netz::Text& text : t.texte) {
            ++alle;
            bool gefunden = false;
            for (const netz::Lasche& l : t.laschen)
                for (const std::vector<netz::Punkt>& teil : l)
                    gefunden = gefunden || netz::drinnen(teil, text.mitte);
            drauf += gefunden;
        }
    }
    return {drauf, alle};
}

// Chooses colour c in the colour dialog the button opens.
void farbeWaehlen(QPushButton* knopf, const QColor& c)
{
    knopf->click();
    auto* dialog = knopf->window()->findChild<QColorDialog*>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    dialog->setCurrentColor(c);
    dialog->accept();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(knopf->window()->findChild<QColorDialog*>());
}

QImage bild(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the picture for which the test holds.
template <typename F> int pixel(const QImage& b, F test)
{
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            n += test(QColor(b.pixel(x, y)));
    return n;
}

bool rot(const QColor& c)
{
    return c.red() > 120 && c.green() < 60 && c.blue() < 60;
}

// The red and the blue chosen below, apart from the pure red and blue of
// the folds.
bool gewaehlt(const QColor& c)
{
    return std::abs(c.red() - 200) < 20 && c.green() < 50 && c.blue() < 60;
}

bool gewaehltUnten(const QColor& c)
{
    return std::abs(c.blue() - 210) < 20 && c.red() < 40 && c.green() < 60;
}

// The sheets of the preview: rectangles apart from the background, which
// the gaps between them show, each filled to its edges.
int blaetterIm(const QImage& b)
{
    const QRgb grund = b.pixel(0, 0);
    std::vector<bool> gesehen(std::size_t(b.width() * b.height()));
    int anzahl = 0;
    for (int i = 0; i < b.width() * b.height(); ++i) {
        if (gesehen[std::size_t(i)] || b.pixel(i % b.width(), i / b.width()) == grund)
            continue;
        std::vector<int> offen{i};
        gesehen[std::size_t(i)] = true;
        QRect rahmen;
        int flaeche = 0;
        while (!offen.empty()) {
            const int j = offen.back();
            offen.pop_back();
            const int x = j % b.width(), y = j / b.width();
            rahmen |= QRect(x, y, 1, 1);
            ++flaeche;
            for (const auto& [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
                const int k = ny * b.width() + nx;
                if (nx >= 0 && ny >= 0 && nx < b.width() && ny < b.height() && !gesehen[std::size_t(k)]
                    && b.pixel(nx, ny) != grund) {
                    gesehen[std::size_t(k)] = true;
                    offen.push_back(k);
                }
            }
        }
        // Smoothed edges may leave a pixel of the background on the border.
        anzahl += flaeche > 0.97 * rahmen.width() * rahmen.height();
    }
    return anzahl;
}

} // namespace

TEST_F(LaterneDialogTest, EveryControlReachesTheNet)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    LaterneWahl* l = d->laterne;
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A3"));
    ASSERT_TRUE(d->netz());
    // Nothing of the lantern at first: plain card, labels on the faces.
    EXPECT_TRUE(d->netz()->teile[0].loecher.empty());
    EXPECT_TRUE(d->netz()->teile[0].anstrich[0].anschnitt.empty());
    EXPECT_LT(aufLaschen(*d->netz()).first, aufLaschen(*d->netz()).second);
    EXPECT_FALSE(l->cmdOhneFarbe->isEnabled());
    for (QWidget* aus : std::initializer_list<QWidget*>{l->spnRahmen, l->cboJedes, l->spnRadius, l->chkEinsaetze,
             l->spnOeffnung})
        EXPECT_FALSE(aus->isEnabled());

    // Windows in every face or every second one, the corners rounded by
    // arcs; inserts on sheets of their own, only while there are windows.
    QImage blaetter = d->picBlaetter->pixmap().toImage();
    l->chkFenster->setChecked(true);
    const int jedes = loecher(*d->netz(), netz::Loch::Art::Fenster);
    EXPECT_EQ(jedes, int(d->netz()->koerper.flaechen.size()));
    EXPECT_NE(d->picBlaetter->pixmap().toImage(), blaetter);
    l->cboJedes->setCurrentIndex(1);
    EXPECT_EQ(d->vorgabe().fensterJedes, 2);
    EXPECT_EQ(loecher(*d->netz(), netz::Loch::Art::Fenster), jedes / 2);
    l->cboJedes->setCurrentIndex(0);
    const std::size_t ecken = d->netz()->teile[0].loecher[0].pfad.size();
    l->spnRadius->setValue(0);
    EXPECT_LT(d->netz()->teile[0].loecher[0].pfad.size(), ecken);
    EXPECT_EQ(d->vorgabe().fensterRadius, 0);
    EXPECT_TRUE(d->netz()->einsaetze.empty());
    blaetter = d->picBlaetter->pixmap().toImage();
    const int netzBlaetter = d->netz()->blaetter;
    EXPECT_EQ(blaetterIm(blaetter), netzBlaetter);
    l->chkEinsaetze->setChecked(true);
    EXPECT_EQ(int(d->netz()->einsaetze.size()), jedes);
    EXPECT_GT(d->netz()->einsatzBlaetter, 0);
    EXPECT_EQ(d->netz()->blaetter, netzBlaetter);
    EXPECT_EQ(blaetterIm(d->picBlaetter->pixmap().toImage()), netzBlaetter + d->netz()->einsatzBlaetter);
    EXPECT_TRUE(d->lblErgebnis->text().endsWith(d->netz()->einsatzBlaetter == 1
            ? QString("\nEinsätze auf 1 Blatt")
            : QString("\nEinsätze auf %1 Blättern").arg(d->netz()->einsatzBlaetter)))
        << d->lblErgebnis->text().toStdString();
    l->chkFenster->setChecked(false);
    EXPECT_FALSE(l->chkEinsaetze->isEnabled());
    EXPECT_EQ(loecher(*d->netz(), netz::Loch::Art::Fenster), 0);
    EXPECT_TRUE(d->netz()->einsaetze.empty());

    // The opening cut round the lower peak, into the outlines of the pieces
    // that end there or as a hole where a piece goes round it; the hanger's
    // hole in both halves.
    const auto umrisse = [&](bool oberteil) {
        std::vector<std::size_t> ecken;
        for (const netz::Teil& t : d->netz()->teile) {
            if (t.oberteil == oberteil)
                ecken.push_back(t.schnitt.size());
        }
        return ecken;
    };
    const auto oben = umrisse(true), unten = umrisse(false);
    l->chkOeffnung->setChecked(true);
    EXPECT_TRUE(l->spnOeffnung->isEnabled());
    EXPECT_EQ(d->vorgabe().oeffnung, 4);
    EXPECT_EQ(umrisse(true), oben);
    EXPECT_TRUE(umrisse(false) != unten || loecher(*d->netz(), netz::Loch::Art::Oeffnung, false) == 1);
    EXPECT_EQ(loecher(*d->netz(), netz::Loch::Art::Oeffnung, true), 0);
    d->cmdNatuerlich->click();
    ASSERT_EQ(d->netz()->teile.size(), 3u);
    EXPECT_EQ(umrisse(true).size(), 1u);
    EXPECT_EQ(loecher(*d->netz(), netz::Loch::Art::Oeffnung), 0);
    l->chkAufhaenger->setChecked(true);
    EXPECT_EQ(loecher(*d->netz(), netz::Loch::Art::Aufhaenger, true), 1);
    EXPECT_EQ(loecher(*d->netz(), netz::Loch::Art::Aufhaenger, false), 1);

    // The first colour goes to both halves and takes the labels onto the
    // tabs; the lower half's own colour after it; "Ohne Farbe" leaves the
    // card's own colour and the labels where the user left them.
    farbeWaehlen(l->cmdFarbeOben, QColor(200, 30, 40));
    ASSERT_TRUE(l->farben());
    EXPECT_EQ(*l->farben(), (std::array{netz::Rgb{200, 30, 40}, netz::Rgb{200, 30, 40}}));
    EXPECT_TRUE(l->chkLaschenText->isChecked());
    EXPECT_TRUE(d->vorgabe().farbig);
    for (const netz::Anstrich& a : d->netz()->teile[0].anstrich) {
        EXPECT_FALSE(a.anschnitt.empty());
        EXPECT_EQ(a.helligkeit, 1);
    }
    const auto [drauf, alle] = aufLaschen(*d->netz());
    EXPECT_EQ(drauf, alle);
    EXPECT_GT(alle, 4);
    EXPECT_GT(pixel(d->picBlaetter->pixmap().toImage(), gewaehlt), 5000);
    EXPECT_GT(pixel(bild(d->picStern), rot), 2000);
    farbeWaehlen(l->cmdFarbeUnten, QColor(20, 40, 210));
    EXPECT_EQ(*l->farben(), (std::array{netz::Rgb{200, 30, 40}, netz::Rgb{20, 40, 210}}));
    EXPECT_EQ(d->vorgabe().farbe, *l->farben());
    EXPECT_GT(pixel(d->picBlaetter->pixmap().toImage(), gewaehltUnten), 5000);
    EXPECT_GT(pixel(d->picBlaetter->pixmap().toImage(), gewaehlt), 5000);
    l->chkSchattiert->setChecked(true);
    EXPECT_TRUE(d->vorgabe().schattiert);
    double dunkelste = 1;
    for (const netz::Anstrich& a : d->netz()->teile[0].anstrich)
        dunkelste = std::min(dunkelste, a.helligkeit);
    EXPECT_LT(dunkelste, 0.9);
    l->chkLaschenText->setChecked(false);
    EXPECT_LT(aufLaschen(*d->netz()).first, aufLaschen(*d->netz()).second);
    l->chkLaschenText->setChecked(true);
    l->cmdOhneFarbe->click();
    EXPECT_FALSE(l->farben());
    EXPECT_FALSE(d->vorgabe().farbig);
    EXPECT_EQ(d->vorgabe().farbe, (std::array<netz::Rgb, 2>{}));
    EXPECT_TRUE(l->chkLaschenText->isChecked());
    // At most the smoothed edges of the red folds on grey.
    EXPECT_LT(pixel(d->picBlaetter->pixmap().toImage(), gewaehlt), 500);

    // With one half there is no lower colour, and no opening to cut: the
    // reason shows, and nothing is offered to print.
    d->cboHaelften->setCurrentIndex(1);
    EXPECT_FALSE(l->cmdFarbeUnten->isEnabled());
    EXPECT_FALSE(d->netz());
    EXPECT_TRUE(d->lblErgebnis->text().contains("Die Öffnung für Licht braucht das Unterteil."))
        << d->lblErgebnis->text().toStdString();
    EXPECT_FALSE(d->cmdDrucken->isEnabled());
    d->cboHaelften->setCurrentIndex(0);
    EXPECT_TRUE(d->netz());
    EXPECT_TRUE(l->cmdFarbeUnten->isEnabled());
}

TEST_F(LaterneDialogTest, TheFieldsEndWhereTheNetsRangesEnd)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    LaterneWahl* l = d->laterne;
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A3"));
    l->chkFenster->setChecked(true);
    l->chkOeffnung->setChecked(true);
    // The frame 3 to 20 mm (5 at first), the corners up to 10 mm, the
    // opening 2 to 8 cm (4 at first); a value beyond an end, or no number,
    // stays inside.
    struct Feld {
        QDoubleSpinBox* feld;
        double von, bis, start;
        double netz::Vorgabe::*wert;
        double faktor;  // from the field's unit to the net's cm
    };
    const Feld felder[] = {{l->spnRahmen, 3, 20, 5, &netz::Vorgabe::fensterRahmen, 0.1},
        {l->spnRadius, 0, 10, 3, &netz::Vorgabe::fensterRadius, 0.1},
        {l->spnOeffnung, 2, 8, 4, &netz::Vorgabe::oeffnung, 1}};
    for (const Feld& f : felder) {
        SCOPED_TRACE(f.von);
        EXPECT_EQ(f.feld->value(), f.start);
        for (const auto& [eingabe, wert] : std::initializer_list<std::pair<double, double>>{
                 {f.von, f.von}, {f.von - 0.1, f.von}, {f.bis, f.bis}, {f.bis + 0.1, f.bis}}) {
            f.feld->setValue(eingabe);
            EXPECT_EQ(f.feld->value(), wert);
            EXPECT_DOUBLE_EQ(d->vorgabe().*f.wert, wert * f.faktor);
        }
        for (const double unsinn : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
            f.feld->setValue(unsinn);
            EXPECT_TRUE(std::isfinite(d->vorgabe().*f.wert));
            EXPECT_GE(f.feld->value(), f.von);
            EXPECT_LE(f.feld->value(), f.bis);
        }
        f.feld->setValue(f.start);
    }
    // Each end makes a net, the widest frame with smaller windows.
    l->spnRahmen->setValue(3);
    ASSERT_TRUE(d->netz()) << d->lblErgebnis->text().toStdString();
    const int schmal = loecher(*d->netz(), netz::Loch::Art::Fenster);
    l->spnRahmen->setValue(20);
    ASSERT_TRUE(d->netz()) << d->lblErgebnis->text().toStdString();
    EXPECT_LT(loecher(*d->netz(), netz::Loch::Art::Fenster), schmal);
    l->spnRadius->setValue(10);
    l->spnOeffnung->setValue(2);
    EXPECT_TRUE(d->netz()) << d->lblErgebnis->text().toStdString();

    // An opening wider than the lower faces allow is refused with the reason.
    d->spnDurchmesser->setValue(8);
    l->spnOeffnung->setValue(8);
    EXPECT_FALSE(d->netz());
    EXPECT_TRUE(d->lblErgebnis->text().contains("Eine Öffnung von 8,0 cm")) << d->lblErgebnis->text().toStdString();
    EXPECT_FALSE(d->cmdPdf->isEnabled());
}

TEST_F(LaterneDialogTest, OpensAgainAsItWasLeft)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    LaterneWahl* l = d->laterne;
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A3"));
    farbeWaehlen(l->cmdFarbeUnten, QColor(10, 120, 30));
    l->chkLaschenText->setChecked(false);
    l->chkSchattiert->setChecked(true);
    l->chkFenster->setChecked(true);
    l->spnRahmen->setValue(7.5);
    l->cboJedes->setCurrentIndex(1);
    l->spnRadius->setValue(2);
    l->chkEinsaetze->setChecked(true);
    // A field whose check box is off keeps its value for the next time.
    l->spnOeffnung->setValue(6.5);
    l->chkAufhaenger->setChecked(true);
    d->chkLeuchtend->setChecked(true);
    const LaterneStand vorher = l->stand();
    const int fenster = loecher(*d->netz(), netz::Loch::Art::Fenster);
    const QImage stern = bild(d->picStern);
    d->reject();

    w->mnuFaltstern->trigger();
    d = w->dlgFaltstern;
    l = d->laterne;
    EXPECT_EQ(*l->farben(), (std::array{netz::Rgb{10, 120, 30}, netz::Rgb{10, 120, 30}}));
    EXPECT_FALSE(l->chkLaschenText->isChecked());
    EXPECT_TRUE(l->chkSchattiert->isChecked());
    EXPECT_TRUE(l->chkFenster->isChecked());
    EXPECT_EQ(l->spnRahmen->value(), 7.5);
    EXPECT_EQ(l->cboJedes->currentIndex(), 1);
    EXPECT_EQ(l->spnRadius->value(), 2);
    EXPECT_TRUE(l->chkEinsaetze->isChecked());
    EXPECT_FALSE(l->chkOeffnung->isChecked());
    EXPECT_FALSE(l->spnOeffnung->isEnabled());
    EXPECT_EQ(l->spnOeffnung->value(), 6.5);
    EXPECT_TRUE(l->chkAufhaenger->isChecked());
    EXPECT_TRUE(d->chkLeuchtend->isChecked());
    EXPECT_EQ(l->stand().farben, vorher.farben);
    // The net and the view as they were.
    ASSERT_TRUE(d->netz());
    EXPECT_EQ(loecher(*d->netz(), netz::Loch::Art::Fenster), fenster);
    EXPECT_EQ(loecher(*d->netz(), netz::Loch::Art::Aufhaenger), 2);
    EXPECT_EQ(d->vorgabe().beschriftung, netz::Beschriftung::Flaechen);
    EXPECT_EQ(bild(d->picStern), stern);
}

TEST_F(LaterneDialogTest, TheLitViewGlowsOnANightSky)
{
    w->mnuFaltstern->trigger();
    FaltsternDialog* d = w->dlgFaltstern;
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A3"));
    d->laterne->chkFenster->setChecked(true);
    const auto glimmt = [](const QColor& c) {
        return c.red() > 240 && c.green() > 215 && c.blue() > 150 && c.blue() < 210;
    };
    const auto golden = [](const QColor& c) { return c.red() > 120 && c.blue() * 2 < c.red(); };

    // By day: white paper behind golden card, the windows showing it.
    QImage tag = bild(d->picStern);
    EXPECT_EQ(tag.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(pixel(tag, glimmt), 0);
    EXPECT_GT(pixel(tag, golden), 3000);

    // Lit: a dark night, the faces dark, the windows glowing.
    d->chkLeuchtend->setChecked(true);
    QImage nacht = bild(d->picStern);
    EXPECT_LT(qGray(nacht.pixel(2, 2)), 40);
    EXPECT_GT(pixel(nacht, glimmt), 1000);
    EXPECT_LT(pixel(nacht, golden), 50);
    // Still lit when the net changes, and by day again when switched off.
    d->laterne->spnRahmen->setValue(8);
    EXPECT_LT(qGray(bild(d->picStern).pixel(2, 2)), 40);
    d->chkLeuchtend->setChecked(false);
    EXPECT_EQ(bild(d->picStern).pixel(2, 2), qRgb(255, 255, 255));
}
