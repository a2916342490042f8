// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of random but reproducible user events on the window, with the
// star's invariants checked after every one of them.
#include "support/window.h"

#include "platform/colors.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"
#include "platform/scrollbar.h"
#include "render/figure.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <functional>
#include <random>

namespace {

class Endurance : public WindowTest {
protected:
    std::mt19937 zufall{20260814};
    int ereignisse = 0;
    const char* zuletzt = "";  // the last kind of event, for the message of a failure
    ScrollBar* gedrueckt = nullptr;  // a thumb being dragged

    int wuerfel(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall); }
    double wert(double d) { return std::uniform_real_distribution<double>(-d, d)(zufall); }
    std::string wo() const { return "after event " + std::to_string(ereignisse) + ": " + zuletzt; }

    // A dragged thumb is let go before the mouse does anything else.
    void loslassen()
    {
        if (gedrueckt)
            gedrueckt->setSliderDown(false);
        gedrueckt = nullptr;
    }

    // A small or large step either way on the arrows and the track, or the
    // thumb dragged a few steps and now and then let go.
    void balken()
    {
        ScrollBar* bar = std::array{w->hsbAnzahl, w->hsbAussen, w->hsbInnen, w->vsbYFaktor}[wuerfel(0, 3)];
        const int art = wuerfel(0, 5);
        if (bar != gedrueckt || art < 4)
            loslassen();
        if (art < 4) {
            bar->triggerAction(std::array{QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub}[art]);
            return;
        }
        bar->setSliderDown(true);
        gedrueckt = bar;
        bar->setSliderPosition(bar->sliderPosition() + wuerfel(-3, 3));
        if (art == 5) {
            pruefen();
            loslassen();
        }
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

    struct Art {
        const char* name;
        double gewicht;
        std::function<void()> tun;
    };

    void pruefen()
    {
        ASSERT_EQ(w->AnzahlEcken, 2 * w->AnzahlSpitzen) << wo();
        for (int i = 1; i <= w->AnzahlEcken + 1; ++i) {
            bool endlich = std::isfinite(w->Radius[i]) && std::isfinite(w->PunktX[i]) && std::isfinite(w->PunktY[i]);
            for (int k = 1; k <= 3 && i <= w->AnzahlEcken; ++k)
                endlich = endlich && std::isfinite(w->KurvePunktX[i][k]) && std::isfinite(w->KurvePunktY[i][k]);
            ASSERT_TRUE(endlich) << wo() << ", corner " << i;
        }
        for (const float v : {w->KurvenWert[1], w->KurvenWert[2], w->KurvenWert[3], w->KurveY1, w->KurveY2, w->KurveY3})
            ASSERT_TRUE(std::isfinite(v)) << wo();
        for (const ScrollBar* bar : {w->hsbAnzahl, w->hsbAussen, w->hsbInnen, w->vsbYFaktor})
            ASSERT_TRUE(bar->minimum() <= bar->value() && bar->value() <= bar->maximum()) << wo();
        const int grenze = w->chkZweiA4->isChecked() ? 54 : 38;
        ASSERT_TRUE(w->hsbAussen->maximum() == grenze && w->hsbInnen->maximum() == grenze) << wo();
        ASSERT_EQ(w->AnzahlSpitzen, w->hsbAnzahl->value()) << wo();
        ASSERT_EQ(w->AussenDurchmesser, float(w->hsbAussen->value() / 2.0)) << wo();
        ASSERT_EQ(w->InnenDurchmesser, float(w->hsbInnen->value() / 2.0)) << wo();
        ASSERT_EQ(w->YFaktor, float(w->vsbYFaktor->value() / 10.0)) << wo();
        ASSERT_EQ(w->PeloxForm, w->optPeloxForm[1]->isChecked() ? 1 : 0) << wo();
        ASSERT_EQ(w->StrichDicke, w->optStrichDicke[1]->isChecked() ? 1 : 0) << wo();
        ASSERT_EQ(w->ZweiA4, w->chkZweiA4->isChecked() ? 1 : 0) << wo();
        ASSERT_EQ(w->cmdRückstellen->isEnabled(), w->Gezogen == 1) << wo();
        ASSERT_EQ(w->lblAnzahl->text(), QString::number(w->AnzahlSpitzen)) << wo();
        ASSERT_EQ(w->lblAussen->text(), numbers::einDezimal(w->AussenDurchmesser)) << wo();
        ASSERT_EQ(w->lblInnen->text(), numbers::einDezimal(w->InnenDurchmesser)) << wo();
        ASSERT_EQ(w->lblYFaktor->text(), numbers::kurz(float(w->YFaktor * 100.0))) << wo();
        // Each bend value shown to a millimetre, outward positive.
        const QStringList kurven = w->lblKurvenWerte->text().split('=');
        ASSERT_EQ(kurven.size(), 4) << wo();
        for (int k = 1; k <= 3; ++k)
            ASSERT_NEAR(numbers::lesen(kurven[k].split(' ', Qt::SkipEmptyParts)[0]), -w->KurvenWert[k], 0.0501) << wo();
        ASSERT_TRUE(messageBox.shown.empty()) << wo();
    }

    // The star picture shows the star as it is now: drawn afresh on a picture
    // of the same size, it comes out the same.
    void bildPruefen()
    {
        PictureWidget neu(nullptr, kWeiss, 1.0, 2);
        neu.resize(w->picPelox->size());
        neu.setLineWidth(w->StrichDicke == 1 ? 2 : 1);
        neu.clear();
        drawFigure(neu, *w, FigureMapping{w->Massstab, w->MitteX, w->MitteY, false}, 1, w->AnzahlEcken,
            w->PeloxForm == 1, 2);
        ASSERT_TRUE(neu.image() == w->picPelox->image()) << wo();
    }
};

} // namespace

TEST_F(Endurance, InvariantsHoldThroughAHundredThousandEvents)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("stern.plx"));
    const std::array<Art, 11> arten{{
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
        // Saved, read back and printed; a disabled button asks for no file.
        {"files", 1, [&] {
             fileDialog.answers = {datei, datei};
             w->cmdDatenSpeichern->click();
             w->cmdDatenLesen->click();
             w->cmdDrucken->click();
             fileDialog.answers.clear();
             printer.jobs.clear();
         }},
    }};
    // Evaluated at k + 0.5 for kind k.
    std::discrete_distribution<std::size_t> wahl(
        arten.size(), 0, double(arten.size()), [&](double k) { return arten[std::size_t(k)].gewicht; });
    ASSERT_TRUE(ordner.isValid());
    // Each move of a drag counts as an event of its own.
    for (int n = 1; ++ereignisse <= 100000 && !HasFatalFailure(); ++n) {
        const Art& art = arten[wahl(zufall)];
        zuletzt = art.name;
        if (&art != &arten[0])
            loslassen();
        art.tun();
        pruefen();
        if (n % 400 == 0)
            bildPruefen();
    }
}
