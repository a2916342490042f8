// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtports.h"

#include "platform/colors.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QTemporaryFile>
#include <algorithm>
#include <cups/cups.h>

QStringList QtFileDialog::nameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& text = parts[i];
        const QString& pattern = parts[i + 1];
        if (text.isEmpty())
            continue;
        result << (text.contains(QLatin1Char('(')) ? text : text + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return result;
}

QString QtFileDialog::show(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(request.filter));
    if (!(request.flags & 2))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo name(request.fileName);
    if (!request.fileName.isEmpty() && name.isAbsolute()) {
        dialog.setDirectory(name.absolutePath());
        dialog.selectFile(name.fileName());
    } else {
        dialog.setDirectory(request.initDir);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialog::showSave(const FileDialogRequest& request)
{
    return show(request, true);
}

QString QtFileDialog::showOpen(const FileDialogRequest& request)
{
    return show(request, false);
}

void QtMessageBox::show(const QString& text, const QString& title, int flags)
{
    QMessageBox box(flags == kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
        QMessageBox::Ok, m_parent);
    box.exec();
}

namespace {

QRectF pointsToTwips(const QRectF& r)
{
    return {r.x() * 20, r.y() * 20, r.width() * 20, r.height() * 20};
}

// Dashes a reader can follow with scissors, whatever the printer's resolution.
constexpr double kStrichMm = 3;
constexpr double kLueckeMm = 1.5;
constexpr double kPunktMm = 0.3;

} // namespace

struct QtPrinter::Document {
    explicit Document(const QPrinterInfo& info)
        : printer(info, QPrinter::HighResolution)
        , destination(info.printerName().section(QLatin1Char('/'), 0, 0))
    {
    }

    // Hands the painted file to the print server; false if it refused the job.
    bool submit()
    {
        const QByteArray name = destination.toLocal8Bit();
        const QByteArray path = QFile::encodeName(file.fileName());
        const QByteArray title = printer.docName().toUtf8();
        const QByteArray media = printer.pageLayout().pageSize().key().toUtf8();
        cups_option_t* options = nullptr;
        const int count = cupsAddOption("media", media.constData(), 0, &options);
        const int job = cupsPrintFile(name.constData(), path.constData(), title.constData(), count, options);
        cupsFreeOptions(count, options);
        return job > 0;
    }

    // Declared in this order so that the painter ends before the printer goes
    // and the printer before its file.
    QTemporaryFile file{QDir::tempPath() + QStringLiteral("/pelox-XXXXXX.prn")};
    QPrinter printer;
    QPainter painter;
    QString destination;
    bool open = false;
    double textY = 0;  // top of the next text line, device pixels
};

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() = default;

bool QtPrinter::available()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QPainter* QtPrinter::painter()
{
    if (!m_document) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        m_document = std::make_unique<Document>(info);
        Document& d = *m_document;
        // The file keeps the document away from the print server until it is
        // complete; its extension is no ".pdf", so the printer stays the
        // system's printer with its paper and margins.
        if (info.isNull() || !d.file.open())
            return nullptr;
        d.printer.setDocName(QStringLiteral("Pelox"));
        d.printer.setOutputFileName(d.file.fileName());
        d.open = d.painter.begin(&d.printer);
    }
    return m_document->open ? &m_document->painter : nullptr;
}

QPointF QtPrinter::toDevice(double x, double y) const
{
    const double pixelsPerTwip = m_document->printer.resolution() / 1440.0;
    return {x * pixelsPerTwip, y * pixelsPerTwip};
}

void QtPrinter::applyPen(VbColor color)
{
    QPen pen(toQColor(color));
    pen.setCosmetic(true);
    pen.setWidth(m_lineWidth);
    // A cosmetic pen counts its pattern in multiples of its width.
    const double perMm = m_document->printer.resolution() / 25.4 / std::max(m_lineWidth, 1);
    switch (m_lineStyle) {
    case LineStyle::Solid:
        break;
    case LineStyle::Dash:
        pen.setDashPattern({kStrichMm * perMm, kLueckeMm * perMm});
        break;
    case LineStyle::Dot:
        pen.setDashPattern({kPunktMm * perMm, kLueckeMm * perMm});
        break;
    }
    m_document->painter.setPen(pen);
    m_document->painter.setBrush(Qt::NoBrush);
}

void QtPrinter::setFontName(const QString& name)
{
    m_fontName = name;
}

void QtPrinter::setFontSize(double points)
{
    m_fontSize = points;
}

void QtPrinter::setLineWidth(int width)
{
    m_lineWidth = width;
}

void QtPrinter::setLineStyle(LineStyle style)
{
    m_lineStyle = style;
}

void QtPrinter::line(double x1, double y1, double x2, double y2, VbColor color)
{
    QPainter* p = painter();
    if (!p)
        return;
    applyPen(color);
    p->drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void QtPrinter::circle(double x, double y, double radius, VbColor color)
{
    QPainter* p = painter();
    if (!p)
        return;
    applyPen(color);
    const QPointF r = toDevice(radius, radius);
    p->drawEllipse(toDevice(x, y), r.x(), r.y());
}

void QtPrinter::printLine(const QString& text)
{
    QPainter* p = painter();
    if (!p)
        return;
    // Asked for by name only, so that the font configuration's substitutes
    // for "courier" apply (a metric twin of the typewriter face); without any,
    // the hint still gives a face with fixed pitch.
    QFont font(m_fontName);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(m_fontSize);
    p->setFont(font);
    p->setPen(toQColor(kSchwarz));
    const QFontMetricsF metrics(p->font(), &m_document->printer);
    p->drawText(QPointF(0, m_document->textY + metrics.ascent()), text);
    m_document->textY += metrics.lineSpacing();
}

QRectF QtPrinter::paintRectTwips() const
{
    if (m_document && m_document->open)
        return pointsToTwips(m_document->printer.pageLayout().paintRect(QPageLayout::Point));
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        return pointsToTwips(a4.paintRect(QPageLayout::Point));
    }
    QPrinter printer(info, QPrinter::HighResolution);
    return pointsToTwips(printer.pageLayout().paintRect(QPageLayout::Point));
}

double QtPrinter::pageWidth()
{
    return paintRectTwips().width();
}

double QtPrinter::pageHeight()
{
    return paintRectTwips().height();
}

bool QtPrinter::endDoc()
{
    // A document without any output is no job at all.
    if (!m_document)
        return true;
    const std::unique_ptr<Document> d = std::move(m_document);
    return d->open && d->painter.end() && d->submit();
}
