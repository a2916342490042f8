// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "worstcase.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"
#include "support/input.h"

#include <QApplication>
#include <QRadioButton>

BenchWindow::BenchWindow()
    : w(std::make_unique<frmPelox>(Ports{fileDialog, messageBox, printer, settings}))
{
    w->show();
    settle();
}

BenchWindow::~BenchWindow()
{
    w.reset();
    settle();
}

bool setWorstCase(benchmark::State& state, frmPelox& w)
{
    w.hsbAnzahl->setValue(36);
    w.hsbAussen->setValue(38);
    w.hsbInnen->setValue(38);
    w.optPeloxForm[1]->click();
    w.optStrichDicke[1]->click();

    // Each bend point is caught with no button held, then pulled with the left
    // button, less than the catch distance in one move.
    const float xs[] = {w.KurveX1, w.KurveX2, w.KurveX3};
    const float ys[] = {w.KurveY1, w.KurveY2, w.KurveY3};
    const double pull[] = {-120, -90, 110};
    for (int k = 0; k < 3; ++k) {
        sendMouseMove(w.picKurvenForm, xs[k], ys[k], 0);
        sendMouseMove(w.picKurvenForm, xs[k], ys[k] + pull[k], 1);
    }
    sendMouseMove(w.picKurvenForm, 0, 0, 0);
    settle();
    const bool erreicht = w.AnzahlEcken == 72 && w.KurveEin && w.KurvenWert[1] != 0 && w.KurvenWert[2] != 0
        && w.KurvenWert[3] != 0 && w.PeloxForm == 1 && w.StrichDicke == 1;
    if (!erreicht)
        state.SkipWithError("worst case not reached");
    return erreicht;
}

void paintPending(frmPelox& w)
{
    QApplication::sendPostedEvents(&w, QEvent::UpdateRequest);
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
