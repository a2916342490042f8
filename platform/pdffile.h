// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/blatt.h"
#include "platform/painterprinter.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <functional>

class QIODevice;

// The paper of a PDF and its margin on every side, never less than a printer
// needs at the edge.
struct PdfPaper {
    QPageSize size = QPageSize(QPageSize::A4);
    double marginMm = blatt::kPdfRandMm;

    // Its drawing area upright, in twips.
    QSizeF drawingArea() const;
};

// Writes a PDF through the callback, which draws it on a printer whose paper
// is the given one: what would go to a printer as print jobs becomes the
// pages of one document, one page per job, at the same true scale and with
// the same text, line widths and line styles, and never corrected. The
// document asks to be printed at actual size, and replaces the file at path
// only once it is complete (saveReplacing). False when anything failed; then
// the file is as it was.
bool savePdf(const QString& path, const PdfPaper& paper, const std::function<void(PrinterPort&)>& draw);
// The same into a file that saveReplacing has opened.
bool writePdf(QIODevice& file, const PdfPaper& paper, const std::function<void(PrinterPort&)>& draw);

// The printer behind writePdf; the finished document before it is set to
// print at actual size.
class PdfFilePrinter : public PainterPrinter {
public:
    explicit PdfFilePrinter(const PdfPaper& paper = {});

    bool available() override { return true; }
    QString printerName() override { return {}; }
    // A page orientation is taken when the page begins.
    void newPage() override { m_pageEnded = true; }
    // Ends the page; the next output starts a new one.
    bool endDoc() override;

    // The PDF, once every page is ended.
    QByteArray pdf();

protected:
    QPainter* documentPainter() override;
    QPaintDevice* device() override { return &m_writer; }
    double resolution() override { return m_writer.resolution(); }
    QSizeF deviceArea() override;

private:
    PdfPaper m_paper;
    QBuffer m_buffer;
    QPdfWriter m_writer;
    QPainter m_painter;
    bool m_pageEnded = false;
};
