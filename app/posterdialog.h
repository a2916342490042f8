// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/pdffile.h"
#include "print/poster.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// "Auf mehreren Blättern drucken": size, paper, orientation and glue strip of
// the poster, with the assembly map as live preview. It prints and saves
// nothing itself; the window does that with what the dialog shows.
class PosterDialog : public QDialog {
    Q_OBJECT
public:
    // The design and how it is drawn; the printer's drawing area upright, or
    // none when there is no printer.
    PosterDialog(const PeloxState& entwurf, const druck::Steuerung& st, std::optional<QSizeF> druckerSeite,
        QWidget* parent);

    QDoubleSpinBox* spnDurchmesser;
    QComboBox* cboPapier;  // the printer's paper first if there is one, then the PDF papers
    QComboBox* cboAusrichtung;
    QDoubleSpinBox* spnKleben;
    QDoubleSpinBox* spnRand;  // mm, for a PDF
    QLabel* picVorschau;
    QLabel* lblBlaetter;
    QPushButton* cmdDrucken;
    QPushButton* cmdPdf;
    QPushButton* cmdAbbrechen;

    poster::Vorgabe vorgabe() const;
    // The PDF paper chosen with its margin, none while the printer's paper is.
    std::optional<PdfPaper> pdfPapier() const;
    // The poster as the preview shows it.
    const poster::Poster& poster() const { return m_poster; }

    // Plans the poster anew and redraws the preview.
    void Aktualisieren();

signals:
    void druckenGewaehlt();
    void pdfGewaehlt();

private:
    PeloxState m_entwurf;
    druck::Steuerung m_steuerung;
    std::optional<QSizeF> m_druckerSeite;
    poster::Poster m_poster;
};
