// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/zeichnung.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

// What the files for cutting machines hold: only the lines to cut and fold
// ("Nur Schnittlinien"), and how the folds are made: scored, perforated with
// the lengths of its cuts and gaps, or left out.
class SchnittWahl : public QWidget {
    Q_OBJECT
public:
    explicit SchnittWahl(QWidget* parent = nullptr);

    QCheckBox* chkNurSchnitt;
    QComboBox* cboFalze;  // in the order of zeichnung::Falzart
    QDoubleSpinBox* spnSchnitt;
    QDoubleSpinBox* spnLuecke;

    zeichnung::Umfang umfang() const;
};
