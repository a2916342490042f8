// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A command button whose caption wraps onto further lines when it is wider
// than the button, as "Bild (jpg)  speichern" on its narrow button must.
class WrapButton : public QPushButton {
public:
    WrapButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
