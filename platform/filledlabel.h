// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label on a picture that covers what is drawn beneath it with its palette's
// window colour. It is not filled as an opaque widget, which the picture would
// then have to leave out of every repaint.
class FilledLabel : public QLabel {
public:
    FilledLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
