// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers of the size and shape controls and of the two-sheet box. Each
// stores its value in the star and ends with the same redraw sequence.
#include "app/frmpelox.h"

#include "platform/linecontrol.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"
#include "platform/scrollbar.h"
#include "star/ranges.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cmath>

void frmPelox::connectControls()
{
    // Every handler a user's action runs is one step for undo.
    const auto schritt = [this](Art art, const char* text, auto handler) {
        return [this, art, text, handler](auto... args) {
            Schritt(art, tr(text), [&] { (this->*handler)(args...); });
        };
    };
    const auto balken = [&](ScrollBar* bar, Art art, const char* text, void (frmPelox::*handler)()) {
        bar->onChange(schritt(art, text, handler));
        bar->onScroll(schritt(art, text, handler));
        // A thumb taken anew is a step of its own.
        connect(bar, &QAbstractSlider::sliderPressed, this, [this] { ++m_lauf; });
    };
    balken(hsbAnzahl, Art::Anzahl, QT_TR_NOOP("Anzahl Spitzen"), &frmPelox::hsbAnzahl_Change);
    balken(hsbAussen, Art::Aussen, QT_TR_NOOP("Aussen-Durchmesser"), &frmPelox::hsbAussen_Change);
    balken(hsbInnen, Art::Innen, QT_TR_NOOP("Innen-Durchmesser"), &frmPelox::hsbInnen_Change);
    balken(vsbYFaktor, Art::Hoehe, QT_TR_NOOP("Höhe"), &frmPelox::vsbYFaktor_Change);
    connect(cmdSetFaktor, &QPushButton::clicked, this,
        [=] { schritt(Art::Einzeln, QT_TR_NOOP("Höhe 100%"), &frmPelox::cmdSetFaktor_Click)(); });
    for (int i = 0; i < 2; ++i) {
        optPeloxForm[i]->onClick([=] { schritt(Art::Einzeln, QT_TR_NOOP("Peloxform"), &frmPelox::optPeloxForm_Click)(i); });
        optStrichDicke[i]->onClick([=] { schritt(Art::Einzeln, QT_TR_NOOP("Strichdicke"), &frmPelox::optStrichDicke_Click)(i); });
    }
    connect(chkZweiA4, &QCheckBox::toggled, this,
        [=] { schritt(Art::Einzeln, QT_TR_NOOP("Zwei A-4 Blätter"), &frmPelox::chkZweiA4_Click)(); });
    // The moves of one drag, from the press to the release, are one step; a
    // move with no button held ends the drag.
    const auto ziehen = [=, this](Art art, const char* text, void (frmPelox::*handler)(int, int, double, double)) {
        return [=, this](int b, int s, double x, double y) {
            // A move with no button held only catches or lets go: it changes
            // nothing of the design, so it takes no snapshot for a step.
            if (b == 0) {
                ++m_lauf;
                (this->*handler)(b, s, x, y);
                return;
            }
            schritt(art, text, handler)(b, s, x, y);
        };
    };
    connect(picKurvenForm, &PictureWidget::mouseMoved, this,
        ziehen(Art::Kurve, QT_TR_NOOP("Kurve biegen"), &frmPelox::picKurvenForm_MouseMove));
    connect(cmdKurveAus, &QPushButton::clicked, this,
        [=] { schritt(Art::Einzeln, QT_TR_NOOP("Kurve aus"), &frmPelox::cmdKurveAus_Click)(); });
    connect(cmdBeenden, &QPushButton::clicked, this, [this] { cmdBeenden_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(picPelox, &PictureWidget::contextMenuRequested, this,
        [this](const QPoint& pos) { picPelox_ContextMenu(pos); });
    connect(picPelox, &PictureWidget::pixelRatioChanged, this, [this] { Zeichnen(); });
    connect(picKurvenForm, &PictureWidget::pixelRatioChanged, this, [this] {
        RasterZeichnen();
        KurvenFormPunkte();
    });
    connect(mnuPdfSpeichern, &QAction::triggered, this,
        [this] { mnuNurSchnitt->isChecked() ? SchnittPdfSpeichern() : PdfSpeichern(); });
    connect(mnuSvgSpeichern, &QAction::triggered, this, [this] { SvgSpeichern(); });
    connect(mnuDxfSpeichern, &QAction::triggered, this, [this] { DxfSpeichern(); });
    connect(mnuPruefmass, &QAction::triggered, this, [this] { mnuPruefmass_Click(); });
    connect(mnuEinmessen, &QAction::triggered, this, [this] { DruckerEinmessen(); });
    connect(mnuPoster, &QAction::triggered, this, [this] { PosterZeigen(); });
    connect(mnuFaltstern, &QAction::triggered, this, [this] { FaltsternZeigen(); });
    connect(mnuSternbogen, &QAction::triggered, this, [this] { SternbogenZeigen(); });
    connect(cmdBildSpeichern, &QPushButton::clicked, this, [this] { cmdBildSpeichern_Click(); });
    connect(picPelox, &PictureWidget::mouseMoved, this, ziehen(Art::Ecke, QT_TR_NOOP("Ecke ziehen"), &frmPelox::picPelox_MouseMove));
    connect(cmdRückstellen, &QPushButton::clicked, this,
        [=] { schritt(Art::Einzeln, QT_TR_NOOP("Rückstellen"), &frmPelox::cmdRückstellen_Click)(); });
    connect(cmdDrucken, &QPushButton::clicked, this, [this] { cmdDrucken_Click(); });
    connect(cmdDatenSpeichern, &QPushButton::clicked, this, [this] { cmdDatenSpeichern_Click(); });
    connect(cmdDatenLesen, &QPushButton::clicked, this,
        [=] { schritt(Art::Einzeln, QT_TR_NOOP("Lesen"), &frmPelox::cmdDatenLesen_Click)(); });
}

// Corners, then the bent edges while the curve is on, then the picture.
void frmPelox::Neuzeichnen()
{
    PeloxBerechnung();
    if (KurveEin)
        KurvenBerechnung();
    Zeichnen();
}

void frmPelox::hsbAnzahl_Change()
{
    // The radii stay by index: a corner keeps its radius when the number of
    // spikes is lowered and raised again.
    AnzahlSpitzen = static_cast<std::int16_t>(hsbAnzahl->value());
    lblAnzahl->setText(QString::number(AnzahlSpitzen));
    Neuzeichnen();
}

void frmPelox::hsbAussen_Change()
{
    AussenDurchmesserNeu = static_cast<float>(hsbAussen->value() / 2.0);
    lblAussen->setText(numbers::einDezimal(AussenDurchmesserNeu));
    RadiusKorrektur();
    Neuzeichnen();
}

void frmPelox::hsbInnen_Change()
{
    InnenDurchmesserNeu = static_cast<float>(hsbInnen->value() / 2.0);
    lblInnen->setText(numbers::einDezimal(InnenDurchmesserNeu));
    RadiusKorrektur();
    Neuzeichnen();
}

void frmPelox::vsbYFaktor_Change()
{
    YFaktor = static_cast<float>(vsbYFaktor->value());
    YFaktor = static_cast<float>(YFaktor / 10.0);
    lblYFaktor->setText(numbers::kurz(static_cast<float>(YFaktor * 100.0)));
    cmdSetFaktor->setEnabled(YFaktor != 1.0f);
    Neuzeichnen();
}

void frmPelox::cmdSetFaktor_Click()
{
    vsbYFaktor->setValue(10);
}

void frmPelox::optPeloxForm_Click(int Index)
{
    if (Index == 0)
        PeloxForm = 0;
    if (Index == 1)
        PeloxForm = 1;
    Neuzeichnen();
}

void frmPelox::optStrichDicke_Click(int Index)
{
    if (Index == 0)
        StrichDicke = 0;
    if (Index == 1)
        StrichDicke = 1;
    Neuzeichnen();
}

void frmPelox::chkZweiA4_Click()
{
    const int max = star::durchmesserMax(chkZweiA4->isChecked());
    if (chkZweiA4->isChecked()) {
        ZweiA4 = 1;
        hsbAussen->setMaximum(max);
        hsbInnen->setMaximum(max);
        Verkleinerung = static_cast<float>(VerkleinerungA4 / std::sqrt(2.0));
        linBlattTrennung->show();
        lblA4BlattUnten->show();
        cmdBildSpeichern->setEnabled(false);
    } else {
        ZweiA4 = 0;
        // A bar above the lowered maximum takes it, and runs its handler.
        hsbAussen->setMaximum(max);
        hsbInnen->setMaximum(max);
        Verkleinerung = VerkleinerungA4;
        linBlattTrennung->hide();
        lblA4BlattUnten->hide();
        cmdBildSpeichern->setEnabled(true);
    }
    SeiteMessen();
    WerteInit();
    Neuzeichnen();
    cmdRückstellen->setEnabled(false);
    Gezogen = 0;
}
