// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pdffile.h"

#include "platform/qpdf.h"
#include "platform/savefile.h"

#include <QPageLayout>
#include <cmath>

namespace {

QPageLayout layout(const PdfPaper& paper, bool landscape)
{
    // A PDF page measures whole points; the margin is rounded up to them, so
    // that it is never less than asked.
    const double m = std::ceil(paper.marginMm / 25.4 * 72 - 1e-9);
    return QPageLayout(QPageSize(paper.size), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(m, m, m, m), QPageLayout::Point);
}

QSizeF twips(const QPageLayout& l)
{
    return l.paintRect(QPageLayout::Point).size() * 20;
}

} // namespace

QSizeF PdfPaper::drawingArea() const
{
    return twips(layout(*this, false));
}

bool writePdf(QIODevice& file, const PdfPaper& paper, const std::function<void(PrinterPort&)>& draw)
{
    PdfFilePrinter pdf(paper);
    draw(pdf);
    const QByteArray document = qpdf::actualSize(pdf.pdf());
    return !document.isEmpty() && file.write(document) == document.size();
}

bool savePdf(const QString& path, const PdfPaper& paper, const std::function<void(PrinterPort&)>& draw)
{
    return saveReplacing(path, [&](QIODevice& file) { return writePdf(file, paper, draw); });
}

PdfFilePrinter::PdfFilePrinter(const PdfPaper& paper)
    : m_paper(paper)
    , m_writer(&m_buffer)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setResolution(1200);
    m_writer.setPageLayout(layout(m_paper, false));
    m_writer.setTitle(QStringLiteral("Pelox"));
    m_writer.setCreator(QStringLiteral("Pelox"));
}

QSizeF PdfFilePrinter::deviceArea()
{
    return twips(layout(m_paper, landscape()));
}

QPainter* PdfFilePrinter::documentPainter()
{
    if (!m_painter.isActive() || m_pageEnded) {
        m_writer.setPageLayout(layout(m_paper, landscape()));
        if (!m_painter.isActive() ? !m_painter.begin(&m_writer) : !m_writer.newPage())
            return nullptr;
        // What runs off the drawing area, as a star the user prints clipped,
        // stays off the margin too.
        m_painter.resetTransform();
        m_painter.setClipRect(QRectF(QPointF(), deviceArea() * resolution() / 1440));
        restartText();
    }
    m_pageEnded = false;
    return &m_painter;
}

bool PdfFilePrinter::endDoc()
{
    m_pageEnded = true;
    return true;
}

QByteArray PdfFilePrinter::pdf()
{
    if (m_painter.isActive())
        m_painter.end();
    return m_buffer.data();
}
