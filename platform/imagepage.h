// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/painterprinter.h"

#include <QImage>
#include <QPainter>

// A page that is a white picture of the given size in pixels at the given
// resolution: for previews of what goes to paper, as the plan has it.
class ImagePage : public PainterPage {
public:
    ImagePage(QSize pixels, double dotsPerInch);

    // The picture, with everything drawn so far.
    const QImage& image();

protected:
    QPainter* documentPainter() override;
    QPaintDevice* device() override { return &m_image; }
    double resolution() override { return m_dpi; }
    QSizeF deviceArea() override { return QSizeF(m_image.size()) * 1440.0 / m_dpi; }

private:
    QImage m_image;
    double m_dpi;
    QPainter m_painter;
};
