// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/laternewahl.h"
#include "net/koerper.h"
#include "net/netz.h"
#include "star/state.h"

#include <QDialog>
#include <QPageSize>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class SchnittWahl;
class SternAnsicht;

// The dialog's choices, kept by the window so that the dialog opens again as
// it was left within a run.
struct FaltsternWahl {
    double durchmesser = 0;
    double hoehe = 0;
    bool natuerlich = false;
    double lasche = netz::kLascheStandard;
    QString papier;  // the PDF paper's name, empty for the printer's
    int haelften = 0;  // the entries of the fields, from 0
    int ziel = 0;
    int anzahl = 1;  // stars whose pieces share the sheets
    LaterneStand laterne;
    bool leuchtend = false;  // the 3D view lit from inside
};

// "Faltstern": the size of the finished star, the height of its peaks, the
// tabs and the paper of the cut-and-fold net, the lantern made of it, with
// its sheets and the folded star in 3D (lit from inside at will) as a live
// preview. It prints and saves nothing itself; the
// window does that with the net and the star the dialog shows.
class FaltsternDialog : public QDialog {
    Q_OBJECT
public:
    // The design; the printer's drawing area upright in twips, or none when
    // there is no printer; the choices it was last left with, or none.
    FaltsternDialog(const PeloxState& entwurf, std::optional<QSizeF> druckerSeite, const FaltsternWahl* letzte,
        QWidget* parent);

    QDoubleSpinBox* spnDurchmesser;
    QDoubleSpinBox* spnHoehe;
    QPushButton* cmdNatuerlich;
    QDoubleSpinBox* spnLasche;
    QComboBox* cboPapier;  // the printer's paper first if there is one, then the PDF papers
    QComboBox* cboHaelften;
    QComboBox* cboZiel;
    QSpinBox* spnAnzahl;  // stars made at once, their pieces on the same sheets
    QLabel* lblErgebnis;
    QLabel* picBlaetter;
    SternAnsicht* picStern;
    QCheckBox* chkLeuchtend;
    LaterneWahl* laterne;
    QPushButton* cmdDrucken;
    QPushButton* cmdPdf;
    QPushButton* cmdSvg;
    QPushButton* cmdDxf;
    // What the files for cutting machines hold (app/schnittwahl.h).
    SchnittWahl* schnittWahl;
    QPushButton* cmdStl;
    QPushButton* cmdAbbrechen;

    double durchmesser() const;
    int haelften() const;
    // The height of the peaks: the natural one while it is chosen, else the
    // field's.
    double hoehe() const;
    // The paper of the files, none while the printer's paper is chosen.
    std::optional<QPageSize> dateiPapier() const;
    // The net as the preview shows it, none with the reason in the label,
    // and what it was asked for.
    const std::optional<netz::Netz>& netz() const { return m_netz; }
    const netz::Vorgabe& vorgabe() const { return m_vorgabe; }
    // The folded star, none where it cannot be folded.
    const std::optional<netz::Koerper>& koerper() const { return m_koerper; }
    FaltsternWahl wahl() const;

    // Folds and cuts the star anew and redraws both previews.
    void Aktualisieren();

signals:
    void druckenGewaehlt();
    void pdfGewaehlt();
    void svgGewaehlt();
    void dxfGewaehlt();
    void stlGewaehlt();

private:
    // The natural height and the highest peak for the diameter chosen.
    void NatuerlicheHoeheSetzen();
    void BlaetterZeichnen();

    PeloxState m_entwurf;
    std::optional<QSizeF> m_druckerSeite;
    std::optional<double> m_natuerlich;
    double m_natuerlichFuer = 0;  // the diameter it was found for
    bool m_natuerlichGewaehlt = false;
    std::optional<netz::Koerper> m_koerper;
    std::optional<netz::Netz> m_netz;
    netz::Vorgabe m_vorgabe;
};
