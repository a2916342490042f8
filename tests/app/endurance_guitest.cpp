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

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <utility>

namespace {

constexpr int kEreignisse = 100000;
constexpr std::mt19937::result_type kSaat = 20260814;

class Endurance : public WindowTest {
protected:
    std::mt19937 zufall{kSaat};
    QTemporaryDir ordner;
    int ereignisse = 0;
    std::string zuletzt;  // the last event, for the message of a failure

    int wuerfel(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall); }
    double wert(double von, double bis) { return std::uniform_real_distribution<double>(von, bis)(zufall); }

    ScrollBar* gedrueckt = nullptr;  // a thumb being dragged

    void ereignis(const std::string& was)
    {
        zuletzt = was;
        ++ereignisse;
    }

    // A dragged thumb is let go before the mouse does anything else.
    void loslassen()
    {
        if (!gedrueckt)
            return;
        gedrueckt->setSliderDown(false);
        gedrueckt = nullptr;
        ereignis("thumb released");
        pruefen();
    }

    void balken()
    {
        const std::array<std::pair<ScrollBar*, const char*>, 4> alle{{{w->hsbAnzahl, "hsbAnzahl"},
            {w->hsbAussen, "hsbAussen"}, {w->hsbInnen, "hsbInnen"}, {w->vsbYFaktor, "vsbYFaktor"}}};
        const auto [bar, name] = alle[std::size_t(wuerfel(0, 3))];
        if (bar != gedrueckt)
            loslassen();
        const int art = wuerfel(0, 5);
        if (art < 4) {
            // The arrows and the track: a small or a large step either way.
            constexpr std::array<QAbstractSlider::SliderAction, 4> schritte{QAbstractSlider::SliderSingleStepAdd,
                QAbstractSlider::SliderSingleStepSub, QAbstractSlider::SliderPageStepAdd,
                QAbstractSlider::SliderPageStepSub};
            loslassen();
            bar->triggerAction(schritte[std::size_t(art)]);
            ereignis(std::string(name) + " stepped " + std::to_string(art));
        } else {
            // The thumb dragged a few steps, now and then let go.
            bar->setSliderDown(true);
            gedrueckt = bar;
            bar->setSliderPosition(bar->sliderPosition() + wuerfel(-3, 3));
            ereignis(std::string(name) + " thumb dragged");
            if (art == 5) {
                pruefen();
                loslassen();
            }
        }
    }

    // Hovers near a corner, then moves with random buttons held: mostly small
    // steps that keep it, sometimes a jump or a move out of the drag area.
    void eckeZiehen()
    {
        const int ecke = wuerfel(1, w->AnzahlEcken);
        double x = sx(ecke) + wert(-9, 9);
        double y = sy(ecke) + wert(-9, 9);
        move(w->picPelox, x, y);
        ereignis("hover over corner " + std::to_string(ecke));
        for (int n = wuerfel(1, 6); n > 0; --n) {
            const int weite = wuerfel(0, 9);
            x += weite == 0 ? wert(-60, 60) : wert(-5, 5);
            y += weite == 0 ? wert(-60, 60) : wert(-5, 5);
            if (weite == 1)
                x = wuerfel(0, 1) ? -20 : 320;
            const int tasten = wuerfel(0, 3) ? 1 : wuerfel(0, 7);
            move(w->picPelox, x, y, tasten);
            ereignis("corner " + std::to_string(ecke) + " moved with buttons " + std::to_string(tasten));
            pruefen();
            if (HasFatalFailure())
                return;
        }
    }

    void biegepunktZiehen()
    {
        const int k = wuerfel(1, 3);
        const std::array<float, 4> xs{0, w->KurveX1, w->KurveX2, w->KurveX3};
        const std::array<float, 4> ys{0, w->KurveY1, w->KurveY2, w->KurveY3};
        double x = xs[std::size_t(k)] + wert(-170, 170);
        double y = ys[std::size_t(k)] + wert(-170, 170);
        move(w->picKurvenForm, x, y);
        ereignis("hover over bend point " + std::to_string(k));
        for (int n = wuerfel(1, 6); n > 0; --n) {
            x += wert(-60, 60);
            y += wuerfel(0, 9) ? wert(-140, 140) : wert(-900, 900);
            const int tasten = wuerfel(0, 3) ? 1 : wuerfel(0, 7);
            move(w->picKurvenForm, x, y, tasten);
            ereignis("bend point " + std::to_string(k) + " moved with buttons " + std::to_string(tasten));
            pruefen();
            if (HasFatalFailure())
                return;
        }
    }

    // Saving and reading the star back, printing, and the three export files:
    // rarer, as a user does them.
    void dateien()
    {
        const int art = wuerfel(0, 4);
        if (art == 0) {
            const QString pfad = ordner.filePath(QStringLiteral("stern.plx"));
            fileDialog.answers.push_back(pfad);
            w->cmdDatenSpeichern->click();
            ereignis("data file saved");
            pruefen();
            fileDialog.answers.push_back(pfad);
            w->cmdDatenLesen->click();
            ereignis("data file read");
        } else if (art == 1) {
            w->cmdDrucken->click();
            printer.jobs.clear();
            ereignis("printed");
        } else if (art == 2) {
            fileDialog.answers.push_back(ordner.filePath(QStringLiteral("stern.bmp")));
            w->cmdBildSpeichern->click();
            ereignis("picture saved");
        } else if (art == 3) {
            fileDialog.answers.push_back(ordner.filePath(QStringLiteral("stern.pdf")));
            w->mnuPdfSpeichern->trigger();
            ereignis("PDF saved");
        } else {
            fileDialog.answers.push_back(ordner.filePath(QStringLiteral("stern.svg")));
            w->mnuSvgSpeichern->trigger();
            ereignis("SVG saved");
        }
        // A button that is disabled takes no click and asks for no file.
        fileDialog.answers.clear();
    }

    void einEreignis()
    {
        const int art = wuerfel(0, 99);
        if (art >= 40)
            loslassen();
        if (art < 40) {
            balken();
        } else if (art < 60) {
            eckeZiehen();
        } else if (art < 78) {
            biegepunktZiehen();
        } else if (art < 82) {
            const int i = wuerfel(0, 1);
            w->optPeloxForm[std::size_t(i)]->click();
            ereignis("Peloxform " + std::to_string(i));
        } else if (art < 86) {
            const int i = wuerfel(0, 1);
            w->optStrichDicke[std::size_t(i)]->click();
            ereignis("Strichdicke " + std::to_string(i));
        } else if (art < 88) {
            w->chkZweiA4->click();
            ereignis("Zwei A-4 Blätter");
        } else if (art < 91) {
            w->cmdRückstellen->click();
            ereignis("Rückstellen");
        } else if (art < 94) {
            w->cmdKurveAus->click();
            ereignis("Kurve aus");
        } else if (art < 97) {
            w->cmdSetFaktor->click();
            ereignis("Höhe 100%");
        } else if (art < 99) {
            w->Timer1_Timer();
            ereignis("timer");
        } else {
            dateien();
        }
    }

    static bool endlich(float v) { return std::isfinite(v); }

    // What must hold after every event; empty when it does.
    std::string verletzt() const
    {
        std::ostringstream m;
        const auto pruefe = [&m](bool gilt, const char* was) {
            if (!gilt)
                m << was << "; ";
        };
        pruefe(w->AnzahlEcken == 2 * w->AnzahlSpitzen, "AnzahlEcken is not twice AnzahlSpitzen");
        for (int i = 1; i <= w->AnzahlEcken + 1; ++i) {
            pruefe(endlich(w->Radius[std::size_t(i)]) && endlich(w->PunktX[std::size_t(i)])
                    && endlich(w->PunktY[std::size_t(i)]),
                "a corner is not finite");
            for (std::size_t k = 1; k <= 3 && i <= w->AnzahlEcken; ++k)
                pruefe(endlich(w->KurvePunktX[std::size_t(i)][k]) && endlich(w->KurvePunktY[std::size_t(i)][k]),
                    "a bend point is not finite");
        }
        for (const float v : {w->KurvenWert[1], w->KurvenWert[2], w->KurvenWert[3], w->KurveY1, w->KurveY2,
                 w->KurveY3})
            pruefe(endlich(v), "a bend value is not finite");

        for (const ScrollBar* bar : {w->hsbAnzahl, w->hsbAussen, w->hsbInnen, w->vsbYFaktor})
            pruefe(bar->minimum() <= bar->value() && bar->value() <= bar->maximum(), "a bar is out of its range");
        const int grenze = w->chkZweiA4->isChecked() ? 54 : 38;
        pruefe(w->hsbAussen->maximum() == grenze && w->hsbInnen->maximum() == grenze,
            "the diameter bars do not follow the sheet mode");
        pruefe(w->AnzahlSpitzen == w->hsbAnzahl->value(), "AnzahlSpitzen differs from its bar");
        pruefe(w->AussenDurchmesser == float(w->hsbAussen->value() / 2.0), "the outer diameter differs from its bar");
        pruefe(w->InnenDurchmesser == float(w->hsbInnen->value() / 2.0), "the inner diameter differs from its bar");
        pruefe(w->YFaktor == float(w->vsbYFaktor->value() / 10.0), "YFaktor differs from its bar");
        pruefe(w->PeloxForm == (w->optPeloxForm[1]->isChecked() ? 1 : 0), "PeloxForm differs from its options");
        pruefe(w->StrichDicke == (w->optStrichDicke[1]->isChecked() ? 1 : 0), "StrichDicke differs from its options");
        pruefe(w->ZweiA4 == (w->chkZweiA4->isChecked() ? 1 : 0), "ZweiA4 differs from its box");
        pruefe(w->cmdRückstellen->isEnabled() == (w->Gezogen == 1), "Rückstellen does not match Gezogen");

        pruefe(w->lblAnzahl->text() == QString::number(w->AnzahlSpitzen), "lblAnzahl is wrong");
        pruefe(w->lblAussen->text() == numbers::einDezimal(w->AussenDurchmesser), "lblAussen is wrong");
        pruefe(w->lblInnen->text() == numbers::einDezimal(w->InnenDurchmesser), "lblInnen is wrong");
        pruefe(w->lblYFaktor->text() == numbers::kurz(float(w->YFaktor * 100.0)), "lblYFaktor is wrong");
        // The label shows each deviation rounded to a millimetre, outward positive.
        const auto gezeigt = [](float wert) { return float(-numbers::lesen(numbers::einDezimal(wert))); };
        pruefe(w->lblKurvenWerte->text()
                == QStringLiteral(" Kp1= ") + numbers::kurz(gezeigt(w->KurvenWert[1])) + QStringLiteral("  Kp2= ")
                    + numbers::kurz(gezeigt(w->KurvenWert[2])) + QStringLiteral("  Kp3= ")
                    + numbers::kurz(gezeigt(w->KurvenWert[3])),
            "lblKurvenWerte is wrong");
        pruefe(messageBox.shown.empty(), "a message box appeared");
        return m.str();
    }

    // The star picture shows the star as it is now: drawn afresh on a picture
    // of the same size, it comes out the same.
    bool bildStimmt() const
    {
        PictureWidget neu(nullptr, kWeiss, 1.0, 2);
        neu.resize(w->picPelox->size());
        neu.setLineWidth(w->StrichDicke == 1 ? 2 : 1);
        neu.clear();
        drawFigure(neu, *w, FigureMapping{w->Massstab, w->MitteX, w->MitteY, false}, 1, w->AnzahlEcken,
            w->PeloxForm == 1, 2);
        return neu.image() == w->picPelox->image();
    }

    void pruefen()
    {
        const std::string fehler = verletzt();
        ASSERT_EQ(fehler, "") << "after event " << ereignisse << ": " << zuletzt;
    }
};

} // namespace

TEST_F(Endurance, InvariantsHoldThroughAHundredThousandEvents)
{
    ASSERT_TRUE(ordner.isValid());
    int naechstesBild = 0;
    while (ereignisse < kEreignisse) {
        einEreignis();
        pruefen();
        if (HasFatalFailure())
            return;
        if (ereignisse >= naechstesBild) {
            ASSERT_TRUE(bildStimmt()) << "after event " << ereignisse << ": " << zuletzt;
            naechstesBild = ereignisse + 997;
        }
    }
}
