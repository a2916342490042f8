// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/posterdialog.h"

#include "platform/imagepage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kVorschau = 360;  // pixels, square

QDoubleSpinBox* zahlFeld(double von, double bis, double schritt, double wert, int stellen, const QString& einheit)
{
    auto* s = new QDoubleSpinBox;
    s->setDecimals(stellen);
    s->setRange(von, bis);
    s->setSingleStep(schritt);
    s->setSuffix(einheit);
    s->setValue(wert);
    return s;
}

} // namespace

PosterDialog::PosterDialog(const PeloxState& entwurf, const druck::Steuerung& st,
    std::optional<QSizeF> druckerSeite, QWidget* parent)
    : QDialog(parent)
    , m_entwurf(entwurf)
    , m_steuerung(st)
    , m_druckerSeite(druckerSeite)
{
    setWindowTitle(tr("Auf mehreren Blättern drucken"));
    // The design's own diameter, on the dialog's half-centimetre steps.
    const double eigen = std::round(double(entwurf.AussenDurchmesser) / poster::kDurchmesserSchritt)
        * poster::kDurchmesserSchritt;
    const QString cm = QStringLiteral(" cm");
    spnDurchmesser = zahlFeld(poster::kDurchmesserMin, poster::kDurchmesserMax, poster::kDurchmesserSchritt,
        std::clamp(eigen, poster::kDurchmesserMin, poster::kDurchmesserMax), 1, cm);
    spnKleben = zahlFeld(0, poster::kKlebenMax, 0.5, poster::kKlebenStandard, 1, cm);
    spnRand = zahlFeld(blatt::kPdfRandMm, poster::kRandMax, 0.5, blatt::kPdfRandMm, 2, QStringLiteral(" mm"));
    cboPapier = new QComboBox;
    if (m_druckerSeite)
        cboPapier->addItem(tr("Papier des Druckers (zum Drucken)"));
    for (const QString& name : poster::papierNamen())
        cboPapier->addItem(name + tr(" (für PDF)"), name);
    cboAusrichtung = new QComboBox;
    cboAusrichtung->addItems({tr("automatisch (wenigste Blätter)"), tr("Hochformat"),
        tr("Querformat")});

    picVorschau = new QLabel;
    picVorschau->setFixedSize(kVorschau, kVorschau);
    lblBlaetter = new QLabel;

    auto* form = new QFormLayout;
    form->addRow(tr("Außendurchmesser:"), spnDurchmesser);
    form->addRow(tr("Papier:"), cboPapier);
    form->addRow(tr("Ausrichtung:"), cboAusrichtung);
    form->addRow(tr("Klebestreifen:"), spnKleben);
    form->addRow(tr("Rand der PDF-Seite:"), spnRand);
    form->addRow(lblBlaetter);

    auto* knoepfe = new QDialogButtonBox;
    cmdDrucken = knoepfe->addButton(tr("Drucken"), QDialogButtonBox::AcceptRole);
    cmdPdf = knoepfe->addButton(tr("Als PDF speichern …"), QDialogButtonBox::ActionRole);
    cmdAbbrechen = knoepfe->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);

    auto* oben = new QHBoxLayout;
    oben->addLayout(form);
    oben->addWidget(picVorschau);
    auto* ganz = new QVBoxLayout(this);
    ganz->addLayout(oben);
    ganz->addWidget(knoepfe);

    connect(spnDurchmesser, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    connect(spnKleben, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    connect(spnRand, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    connect(cboPapier, &QComboBox::currentIndexChanged, this, [this] { Aktualisieren(); });
    connect(cboAusrichtung, &QComboBox::currentIndexChanged, this, [this] { Aktualisieren(); });
    connect(cmdDrucken, &QPushButton::clicked, this, &PosterDialog::druckenGewaehlt);
    connect(cmdPdf, &QPushButton::clicked, this, &PosterDialog::pdfGewaehlt);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    Aktualisieren();
}

poster::Vorgabe PosterDialog::vorgabe() const
{
    const poster::Ausrichtung a[] = {
        poster::Ausrichtung::Automatisch, poster::Ausrichtung::Hochformat, poster::Ausrichtung::Querformat};
    return {spnDurchmesser->value(), spnKleben->value(), a[std::max(0, cboAusrichtung->currentIndex())]};
}

std::optional<PdfPaper> PosterDialog::pdfPapier() const
{
    const std::optional<QPageSize> papier = poster::papier(cboPapier->currentData().toString());
    if (!papier)
        return std::nullopt;
    return PdfPaper{*papier, spnRand->value()};
}

void PosterDialog::Aktualisieren()
{
    const std::optional<PdfPaper> pdf = pdfPapier();
    const QSizeF seite = pdf ? pdf->drawingArea() : m_druckerSeite.value_or(QSizeF());
    m_poster = poster::entwerfen(m_entwurf, m_steuerung, vorgabe(), seite);
    cmdDrucken->setEnabled(!pdf && !m_poster.plan.blaetter.empty());
    cmdPdf->setEnabled(pdf && !m_poster.plan.blaetter.empty());
    // The printer's paper keeps the margins its driver gives it.
    spnRand->setEnabled(pdf.has_value());

    const poster::Plan& plan = m_poster.plan;
    const int leer = plan.spalten * plan.zeilen - int(plan.blaetter.size());
    lblBlaetter->setText(
        tr("%1 und eine Übersicht;\n%2 leere ausgelassen").arg(poster::blaetterText(plan)).arg(leer));
    ImagePage bild(picVorschau->size(), 96);
    poster::KarteZeichnen(bild, m_poster, QRectF(QPointF(), bild.pageSize()));
    picVorschau->setPixmap(QPixmap::fromImage(bild.image()));
}
