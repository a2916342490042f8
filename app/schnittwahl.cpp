// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/schnittwahl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* laenge(double wert)
{
    auto* f = new QDoubleSpinBox;
    f->setRange(zeichnung::kPerforationMin, zeichnung::kPerforationMax);
    f->setSingleStep(0.5);
    f->setDecimals(1);
    f->setValue(wert);
    f->setSuffix(QStringLiteral(" mm"));
    return f;
}

} // namespace

SchnittWahl::SchnittWahl(QWidget* parent)
    : QWidget(parent)
{
    chkNurSchnitt = new QCheckBox(tr("Nur Schnittlinien"));
    chkNurSchnitt->setToolTip(tr("Für Schneidemaschinen: nur was geschnitten und gefalzt wird, ohne Texte, "
                                 "Legende und Rahmen, jede Linie durchgezogen"));
    cboFalze = new QComboBox;
    cboFalze->addItems({tr("Falze ritzen"), tr("Falze perforieren"), tr("Falze weglassen")});
    const zeichnung::Falzwahl vorgabe;
    spnSchnitt = laenge(vorgabe.schnitt);
    spnLuecke = laenge(vorgabe.luecke);

    auto* perforation = new QHBoxLayout;
    perforation->setContentsMargins(0, 0, 0, 0);
    perforation->addWidget(new QLabel(tr("Schnitt")));
    perforation->addWidget(spnSchnitt);
    perforation->addWidget(new QLabel(tr("Lücke")));
    perforation->addWidget(spnLuecke);
    auto* ganz = new QVBoxLayout(this);
    ganz->setContentsMargins(0, 0, 0, 0);
    ganz->addWidget(chkNurSchnitt);
    ganz->addWidget(cboFalze);
    ganz->addLayout(perforation);

    const auto perforiert = [this] {
        const bool an = cboFalze->currentIndex() == int(zeichnung::Falzart::Perforieren);
        spnSchnitt->setEnabled(an);
        spnLuecke->setEnabled(an);
    };
    connect(cboFalze, &QComboBox::currentIndexChanged, this, perforiert);
    perforiert();
}

zeichnung::Umfang SchnittWahl::umfang() const
{
    return {{zeichnung::Falzart(cboFalze->currentIndex()), spnSchnitt->value(), spnLuecke->value()},
        chkNurSchnitt->isChecked()};
}
