// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bogen/bogen.h"
#include "platform/pdffile.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Sternbogen": how many stars of which sizes, on which paper and how far
// apart, with the sheets as live preview and how many stars each holds. It
// prints and saves nothing itself; the window does that with the sheets the
// dialog shows.
class SternbogenDialog : public QDialog {
    Q_OBJECT
public:
    // The design; the printer's drawing area upright, or none when there is
    // no printer.
    SternbogenDialog(const PeloxState& entwurf, std::optional<QSizeF> druckerSeite, QWidget* parent);

    QSpinBox* spnAnzahl;
    QLineEdit* txtDurchmesser;  // cm, or several sizes as cm:count joined by "+"
    QComboBox* cboPapier;       // the printer's paper first if there is one, then the papers for files
    QDoubleSpinBox* spnAbstand;  // mm
    QDoubleSpinBox* spnRand;     // mm, for the files, down to none for a cutting mat
    QCheckBox* chkNurSchnitt;    // the files hold only the stars' outlines
    QLabel* picVorschau;
    QLabel* lblBlaetter;
    QPushButton* cmdDrucken;
    QPushButton* cmdPdf;
    QPushButton* cmdSvg;
    QPushButton* cmdDxf;
    QPushButton* cmdAbbrechen;

    // The PDF paper chosen with its margin, none while the printer's paper is.
    std::optional<PdfPaper> pdfPapier() const;
    // The sheets as the preview shows them, none while the entries are refused.
    const std::optional<bogen::Bogen>& bogen() const { return m_bogen; }

    // Lays the stars out anew and redraws the preview.
    void Aktualisieren();

signals:
    void druckenGewaehlt();
    void pdfGewaehlt();
    void svgGewaehlt();
    void dxfGewaehlt();

private:
    PeloxState m_entwurf;
    std::optional<QSizeF> m_druckerSeite;
    std::optional<bogen::Bogen> m_bogen;
};
