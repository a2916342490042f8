// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pdffile.h"

#include <QPageLayout>

namespace {

QPageLayout layout(QPageSize::PageSizeId paper)
{
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

} // namespace

QSizeF PdfFilePrinter::drawingArea(QPageSize::PageSizeId paper)
{
    return layout(paper).paintRect(QPageLayout::Point).size() * 20;
}

PdfFilePrinter::PdfFilePrinter(QPageSize::PageSizeId paper)
    : m_writer(&m_buffer)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setResolution(1200);
    m_writer.setPageLayout(layout(paper));
    m_writer.setTitle(QStringLiteral("Pelox"));
    m_writer.setCreator(QStringLiteral("Pelox"));
}

double PdfFilePrinter::pageWidth()
{
    return m_writer.pageLayout().paintRect(QPageLayout::Point).width() * 20;
}

double PdfFilePrinter::pageHeight()
{
    return m_writer.pageLayout().paintRect(QPageLayout::Point).height() * 20;
}

void PdfFilePrinter::setLandscape(bool landscape)
{
    m_writer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPainter* PdfFilePrinter::documentPainter()
{
    if (!m_painter.isActive()) {
        if (!m_painter.begin(&m_writer))
            return nullptr;
        restartText();
    } else if (m_pageEnded) {
        m_writer.newPage();
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
