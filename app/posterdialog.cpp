// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/posterdialog.h"

#include "platform/imageprinter.h"
#include "platform/pdffile.h"

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

QDoubleSpinBox* zentimeter(double von, double bis, double schritt, double wert)
{
    auto* s = new QDoubleSpinBox;
    s->setRange(von, bis);
    s->setSingleStep(schritt);
    s->setDecimals(1);
    s->setSuffix(QStringLiteral(" cm"));
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
    setWindowTitle(QStringLiteral("Auf mehreren Blättern drucken"));
    // The design's own diameter, on the dialog's half-centimetre steps.
    const double eigen = std::round(double(entwurf.AussenDurchmesser) / poster::kDurchmesserSchritt)
        * poster::kDurchmesserSchritt;
    spnDurchmesser = zentimeter(poster::kDurchmesserMin, poster::kDurchmesserMax, poster::kDurchmesserSchritt,
        std::clamp(eigen, poster::kDurchmesserMin, poster::kDurchmesserMax));
    spnKleben = zentimeter(0, poster::kKlebenMax, 0.5, poster::kKlebenStandard);
    cboPapier = new QComboBox;
    if (m_druckerSeite)
        cboPapier->addItem(QStringLiteral("Papier des Druckers (zum Drucken)"));
    for (const QString& name : poster::papierNamen())
        cboPapier->addItem(name + QStringLiteral(" (für PDF)"), name);
    cboAusrichtung = new QComboBox;
    cboAusrichtung->addItems({QStringLiteral("automatisch (wenigste Blätter)"), QStringLiteral("Hochformat"),
        QStringLiteral("Querformat")});

    picVorschau = new QLabel;
    picVorschau->setFixedSize(kVorschau, kVorschau);
    lblBlaetter = new QLabel;

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Außendurchmesser:"), spnDurchmesser);
    form->addRow(QStringLiteral("Papier:"), cboPapier);
    form->addRow(QStringLiteral("Ausrichtung:"), cboAusrichtung);
    form->addRow(QStringLiteral("Klebestreifen:"), spnKleben);
    form->addRow(lblBlaetter);

    auto* knoepfe = new QDialogButtonBox;
    cmdDrucken = knoepfe->addButton(QStringLiteral("Drucken"), QDialogButtonBox::AcceptRole);
    cmdPdf = knoepfe->addButton(QStringLiteral("Als PDF speichern …"), QDialogButtonBox::ActionRole);
    cmdAbbrechen = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);

    auto* oben = new QHBoxLayout;
    oben->addLayout(form);
    oben->addWidget(picVorschau);
    auto* ganz = new QVBoxLayout(this);
    ganz->addLayout(oben);
    ganz->addWidget(knoepfe);

    connect(spnDurchmesser, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    connect(spnKleben, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
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

std::optional<QPageSize::PageSizeId> PosterDialog::pdfPapier() const
{
    return poster::papier(cboPapier->currentData().toString());
}

void PosterDialog::Aktualisieren()
{
    const std::optional<QPageSize::PageSizeId> pdf = pdfPapier();
    const QSizeF seite = pdf ? PdfFilePrinter::drawingArea(*pdf) : m_druckerSeite.value_or(QSizeF());
    m_poster = poster::entwerfen(m_entwurf, m_steuerung, vorgabe(), seite);
    cmdDrucken->setEnabled(!pdf && !m_poster.plan.blaetter.empty());
    cmdPdf->setEnabled(pdf && !m_poster.plan.blaetter.empty());

    const poster::Plan& plan = m_poster.plan;
    const int leer = plan.spalten * plan.zeilen - int(plan.blaetter.size());
    lblBlaetter->setText(QStringLiteral("%1 (%2 × %3, %4) und eine Übersicht;\n%5 leere ausgelassen")
                             .arg(plan.blaetter.size() == 1 ? QStringLiteral("1 Blatt")
                                                            : QStringLiteral("%1 Blätter").arg(plan.blaetter.size()))
                             .arg(plan.spalten)
                             .arg(plan.zeilen)
                             .arg(plan.quer ? QStringLiteral("quer") : QStringLiteral("hoch"))
                             .arg(leer));
    ImagePrinter bild(picVorschau->size(), 96);
    poster::KarteZeichnen(bild, m_poster, QRectF(0, 0, bild.pageWidth(), bild.pageHeight()));
    bild.endDoc();
    picVorschau->setPixmap(QPixmap::fromImage(bild.image()));
}
