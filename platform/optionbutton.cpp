// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/optionbutton.h"

OptionButton::OptionButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on && m_click)
            m_click();
    });
    // A click on the selected button changes nothing, so toggled stays
    // silent; whether it was selected is known from the moment it was
    // pressed, by mouse, key or click().
    connect(this, &QAbstractButton::pressed, this, [this] { m_gewaehltBeimDruecken = isChecked(); });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_gewaehltBeimDruecken && m_click)
            m_click();
    });
}
