// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of random but reproducible user events on the window, with the
// star's invariants checked after every one of them.
#include "support/dateitest.h"

#include "platform/numbers.h"

#include <array>
#include <cmath>
#include <functional>
#include <random>

namespace {

class Endurance : public DateiTest {
protected:
    std::mt19937 zufall{20260814};
    int ereignisse = 0;
    const char* zuletzt = "";  // the last kind of event, for the message of a failure

    int wuerfel(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall); }
    double wert(double d) { return std::uniform_real_distribution<double>(-d, d)(zufall); }
    std::string wo() const { return "after event " + std::to_string(ereignisse) + ": " + zuletzt; }

    // A small or large step either way on the arrows and the track, or the
    // thumb dragged a few steps and let go.
    void balken()
    {
        ScrollBar* bar = std::array{w->hsbAnzahl, w->hsbAussen, w->hsbInnen, w->vsbYFaktor}[wuerfel(0, 3)];
        const int art = wuerfel(0, 4);
        if (art < 4)
            return bar->triggerAction(QAbstractSlider::SliderAction(QAbstractSlider::SliderSingleStepAdd + art));
        bar->setSliderDown(true);
        for (int n = wuerfel(1, 4); n > 0 && !HasFatalFailure(); --n) {
            bar->setSliderPosition(bar->sliderPosition() + wuerfel(-3, 3));
            ++ereignisse;
            pruefen();
        }
        bar->setSliderDown(false);
    }

    // Hovers near a point, then moves with random buttons held: mostly small
    // steps that keep it, sometimes a jump or a move out of the picture.
    void ziehen(PictureWidget* pic, double x, double y, double nah, double klein, double gross)
    {
        x += wert(nah);
        y += wert(nah);
        move(pic, x, y);
        for (int n = wuerfel(1, 6); n > 0 && !HasFatalFailure(); --n) {
            const int weite = wuerfel(0, 9);
            x += wert(weite == 0 ? gross : klein);
            y += wert(weite == 0 ? gross : klein);
            if (weite == 1)
                x = wuerfel(0, 1) ? -20 : pic->scaleWidth() + 20;
            move(pic, x, y, wuerfel(0, 3) ? 1 : wuerfel(0, 7));
            ++ereignisse;
            pruefen();
        }
    }

    struct Art { const char* name; double gewicht; std::function<void()> tun; };

    void pruefen()
    {
        ASSERT_EQ(w->AnzahlEcken, 2 * w->AnzahlSpitzen) << wo();
        for (int i = 1; i <= w->AnzahlEcken + 1; ++i) {
            bool endlich = std::isfinite(w->Radius[i]) && std::isfinite(w->PunktX[i]) && std::isfinite(w->PunktY[i]);
            for (int k = 1; k <= 3 && i <= w->AnzahlEcken; ++k)
                endlich = endlich && std::isfinite(w->KurvePunktX[i][k]) && std::isfinite(w->KurvePunktY[i][k]);
            ASSERT_TRUE(endlich) << wo() << ", corner " << i;
        }
        // Each bar and option stands for its value, and the diameters' bars end
        // at 19 cm on one sheet and at 27 on two.
        const float grenze = w->chkZweiA4->isChecked() ? 54 : 38;
        ASSERT_EQ((std::array{float(w->AnzahlSpitzen), w->AussenDurchmesser, w->InnenDurchmesser, w->YFaktor,
                      float(w->PeloxForm), float(w->StrichDicke), float(w->ZweiA4), float(w->Gezogen), grenze, grenze}),
            (std::array{float(w->hsbAnzahl->value()), float(w->hsbAussen->value() / 2.0),
                float(w->hsbInnen->value() / 2.0), float(w->vsbYFaktor->value() / 10.0),
                float(w->optPeloxForm[1]->isChecked()), float(w->optStrichDicke[1]->isChecked()),
                float(w->chkZweiA4->isChecked()), float(w->cmdRückstellen->isEnabled()),
                float(w->hsbAussen->maximum()), float(w->hsbInnen->maximum())}))
            << wo();
        ASSERT_EQ((QStringList{w->lblAnzahl->text(), w->lblAussen->text(), w->lblInnen->text(), w->lblYFaktor->text()}),
            (QStringList{QString::number(w->AnzahlSpitzen), numbers::einDezimal(w->AussenDurchmesser),
                numbers::einDezimal(w->InnenDurchmesser), numbers::kurz(float(w->YFaktor * 100.0))}))
            << wo();
        // Each bend value shown to a millimetre, outward positive.
        const QStringList kurven = w->lblKurvenWerte->text().split('=');
        ASSERT_EQ(kurven.size(), 4) << wo();
        for (int k = 1; k <= 3; ++k)
            ASSERT_NEAR(numbers::lesen(kurven[k].split(' ', Qt::SkipEmptyParts)[0]), -w->KurvenWert[k], 0.0501) << wo();
        ASSERT_TRUE(messageBox.shown.empty()) << wo();
    }

};

} // namespace

TEST_F(Endurance, InvariantsHoldThroughAHundredThousandEvents)
{
    const QString datei = pfad("stern.plx");
    const std::array<Art, 13> arten{{
        {"scroll bar", 40, [&] { balken(); }},
        {"corner drag", 20, [&] {
             const int i = wuerfel(1, w->AnzahlEcken);
             ziehen(w->picPelox, sx(i), sy(i), 9, 5, 60);
         }},
        {"bend point drag", 18, [&] {
             const std::array<float, 3> xs{w->KurveX1, w->KurveX2, w->KurveX3}, ys{w->KurveY1, w->KurveY2, w->KurveY3};
             const int k = wuerfel(0, 2);
             ziehen(w->picKurvenForm, xs[k], ys[k], 170, 140, 900);
         }},
        {"Peloxform", 4, [&] { w->optPeloxForm[wuerfel(0, 1)]->click(); }},
        {"Strichdicke", 4, [&] { w->optStrichDicke[wuerfel(0, 1)]->click(); }},
        {"Zwei A-4 Blätter", 2, [&] { w->chkZweiA4->click(); }},
        {"Rückstellen", 3, [&] { w->cmdRückstellen->click(); }},
        {"Kurve aus", 3, [&] { w->cmdKurveAus->click(); }},
        {"Höhe 100%", 3, [&] { w->cmdSetFaktor->click(); }},
        {"timer", 2, [&] { w->Timer1_Timer(); }},
        {"undo", 4, [&] { w->mnuRueckgaengig->trigger(); }},
        {"redo", 3, [&] { w->mnuWiederholen->trigger(); }},
        // Saved, read back and printed.
        {"files", 1, [&] {
             fileDialog.answers = {datei, datei};
             w->cmdDatenSpeichern->click();
             w->cmdDatenLesen->click();
             w->cmdDrucken->click();
         }},
    }};
    // Evaluated at k + 0.5 for kind k.
    std::discrete_distribution<std::size_t> wahl(
        arten.size(), 0, double(arten.size()), [&](double k) { return arten[std::size_t(k)].gewicht; });
    // Now and then a stretch of the run is undone step by step back to where
    // it began, and redone to where it ended; the stretch is shorter than the
    // steps the window keeps.
    constexpr int kStrecke = 150;
    QByteArray anfang;
    int geprueft = 0;
    // Each move of a drag, also of a thumb, counts as an event of its own.
    for (int n = 1; ++ereignisse <= 100000 && !HasFatalFailure(); ++n) {
        const bool pruefStrecke = (n - 1) / kStrecke % 10 == 0;
        if (pruefStrecke && (n - 1) % kStrecke == 0) {
            anfang = gespeichert();
            w->Rueckgaengig->setClean();
        }
        const Art& art = arten[wahl(zufall)];
        zuletzt = art.name;
        art.tun();
        pruefen();
        // The star picture shows the star as it is now: computed and drawn
        // afresh, it comes out the same.
        if (n % 400 == 0) {
            const QImage bild = w->picPelox->image();
            w->Neuzeichnen();
            ASSERT_TRUE(bild == w->picPelox->image()) << wo();
        }
        // Undone to its beginning unless undo went further back and a new
        // step then took the beginning's place.
        QUndoStack* schritte = w->Rueckgaengig;
        if (pruefStrecke && n % kStrecke == 0 && schritte->cleanIndex() >= 0) {
            const QByteArray ende = gespeichert();
            const int oben = schritte->index();
            while (schritte->index() > schritte->cleanIndex())
                w->mnuRueckgaengig->trigger();
            while (schritte->index() < schritte->cleanIndex())
                w->mnuWiederholen->trigger();
            ASSERT_EQ(gespeichert(), anfang) << wo();
            pruefen();
            while (schritte->index() < oben)
                w->mnuWiederholen->trigger();
            ASSERT_EQ(gespeichert(), ende) << wo();
            ++geprueft;
        }
    }
    EXPECT_GE(geprueft, 15);
}
