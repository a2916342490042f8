// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/imagepage.h"

ImagePage::ImagePage(QSize pixels, double dotsPerInch)
    : m_image(pixels, QImage::Format_RGB32)
    , m_dpi(dotsPerInch)
{
    m_image.fill(Qt::white);
    // Text is measured at the picture's resolution, as on paper.
    const int dotsPerMetre = int(dotsPerInch / 0.0254 + 0.5);
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
}

QPainter* ImagePage::documentPainter()
{
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing);
    }
    return &m_painter;
}

const QImage& ImagePage::image()
{
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}
