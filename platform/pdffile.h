// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/painterprinter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

// A printer whose paper is a PDF document, A4 unless asked otherwise: what
// would go to the printer as print jobs becomes the pages of one PDF, one
// page per job, at the same true scale and with the same text, line widths
// and line styles. The margins are those Qt gives a printer's page by default.
class PdfFilePrinter : public PainterPrinter {
public:
    explicit PdfFilePrinter(QPageSize::PageSizeId paper = QPageSize::A4);
    // The drawing area of that paper upright, in twips.
    static QSizeF drawingArea(QPageSize::PageSizeId paper);

    bool available() override { return true; }
    QString printerName() override { return {}; }
    double pageWidth() override;
    double pageHeight() override;
    void setLandscape(bool landscape) override;
    void newPage() override { m_pageEnded = true; }
    // Ends the page; the next output starts a new one.
    bool endDoc() override;
    // A file is printed elsewhere and stays exactly 1:1.
    kalibrierung::Korrektur correction() override { return {}; }
    void setCorrected(bool) override {}

    // The finished PDF, once every page is ended.
    QByteArray pdf();

protected:
    QPainter* documentPainter() override;
    QPaintDevice* device() override { return &m_writer; }
    double resolution() override { return m_writer.resolution(); }

private:
    QBuffer m_buffer;
    QPdfWriter m_writer;
    QPainter m_painter;
    bool m_pageEnded = false;
};
