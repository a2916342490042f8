// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>
#include <functional>

// An option button with the Click event the program relies on: it runs when
// the button becomes the selected one of its group, by the user or from code,
// and also when the user clicks the button that is already selected.
class OptionButton : public QRadioButton {
public:
    OptionButton(const QString& text, QWidget* parent);

    void onClick(std::function<void()> handler) { m_click = std::move(handler); }

private:
    std::function<void()> m_click;
    bool m_gewaehltBeimDruecken = false;
};
