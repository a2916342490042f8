// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/painterprinter.h"

#include <QImage>
#include <QPainter>

// A printer whose one page is a white picture of the given size in pixels at
// the given resolution: for previews of what goes to paper.
class ImagePrinter : public PainterPrinter {
public:
    ImagePrinter(QSize pixels, double dotsPerInch);

    bool available() override { return true; }
    // A preview is never corrected: it shows the paper as the plan has it.
    QString printerName() override { return {}; }
    kalibrierung::Korrektur correction() override { return {}; }
    void setCorrected(bool) override {}
    double pageWidth() override { return m_image.width() * 1440.0 / m_dpi; }
    double pageHeight() override { return m_image.height() * 1440.0 / m_dpi; }
    void setLandscape(bool) override {}
    void newPage() override {}
    bool endDoc() override;

    // The picture, once the drawing has ended.
    const QImage& image() const { return m_image; }

protected:
    QPainter* documentPainter() override;
    QPaintDevice* device() override { return &m_image; }
    double resolution() override { return m_dpi; }

private:
    QImage m_image;
    double m_dpi;
    QPainter m_painter;
};
