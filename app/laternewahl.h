// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ansicht.h"
#include "net/netz.h"

#include <QGroupBox>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;

// What the lantern group was left with, every field's value kept while its
// check box is off, so that it comes back as it was.
struct LaterneStand {
    std::optional<std::array<netz::Rgb, 2>> farben;  // upper half, lower half; none: white paper
    bool schattiert = false;
    bool laschenText = false;
    bool fenster = false;
    double rahmen = 5;   // mm
    int jedes = 1;       // a window in every face (1) or every second (2)
    double radius = 3;   // of the windows' corners, mm
    bool einsaetze = false;
    bool oeffnung = false;
    double weite = 4;    // across the opening, cm
    bool aufhaenger = false;
};

// "Laterne": the folded star in colour, its labels on the tabs, windows with
// inserts, an opening for a lamp and a hole to hang it by. The first colour
// chosen goes to both halves, and moves the labels onto the tabs, where they
// do not show on the coloured outside; each half's can be changed after.
class LaterneWahl : public QGroupBox {
    Q_OBJECT
public:
    explicit LaterneWahl(QWidget* parent = nullptr);

    QPushButton* cmdFarbeOben;
    QPushButton* cmdFarbeUnten;
    QPushButton* cmdOhneFarbe;
    QCheckBox* chkSchattiert;
    QCheckBox* chkLaschenText;
    QCheckBox* chkFenster;
    QDoubleSpinBox* spnRahmen;
    QComboBox* cboJedes;
    QDoubleSpinBox* spnRadius;
    QCheckBox* chkEinsaetze;
    QCheckBox* chkOeffnung;
    QDoubleSpinBox* spnOeffnung;
    QCheckBox* chkAufhaenger;

    const std::optional<std::array<netz::Rgb, 2>>& farben() const { return m_farben; }
    // The colour of a half (0 upper, 1 lower), as the colour dialog sets it.
    void setFarbe(int haelfte, netz::Rgb farbe);
    // With one half alone there is no lower colour to choose.
    void setHaelften(int haelften);
    // The lantern's fields of v as chosen.
    void eintragen(netz::Vorgabe& v) const;
    LaterneStand stand() const;
    void setStand(const LaterneStand& s);

signals:
    void geaendert();

private:
    void FarbeWaehlen(int haelfte);
    // Buttons with the colours chosen, fields enabled as their check boxes are.
    void Anzeigen();

    std::optional<std::array<netz::Rgb, 2>> m_farben;
};
