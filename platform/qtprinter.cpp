// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtprinter.h"

#include "platform/settings.h"

#include <QDir>
#include <QLibrary>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cups/cups.h>

namespace {

// libcups brings some twenty libraries along (TLS, Kerberos, Avahi), and
// loading them was a large part of the start (README, "Speed and memory").
// It is loaded with the first job; by then Qt's printer support, which asks
// for the page after the first paint, has usually loaded it already.
struct Cups {
    decltype(&cupsAddOption) addOption;
    decltype(&cupsPrintFile) printFile;
    decltype(&cupsFreeOptions) freeOptions;
};

const Cups& cups()
{
    static const Cups loaded = [] {
        QLibrary library(QStringLiteral("cups"), 2);
        return Cups{reinterpret_cast<decltype(&cupsAddOption)>(library.resolve("cupsAddOption")),
            reinterpret_cast<decltype(&cupsPrintFile)>(library.resolve("cupsPrintFile")),
            reinterpret_cast<decltype(&cupsFreeOptions)>(library.resolve("cupsFreeOptions"))};
    }();
    return loaded;
}

QSizeF pointsToTwips(const QSizeF& size)
{
    return size * 20;
}

// The queue, without the instance a printer's name may carry after a slash.
QString queueName(const QPrinterInfo& info)
{
    return info.printerName().section(QLatin1Char('/'), 0, 0);
}

} // namespace

struct QtPrinter::Document {
    explicit Document(const QPrinterInfo& info)
        : printer(info, QPrinter::HighResolution)
        , destination(queueName(info))
    {
    }

    // Hands the painted file to the print server; false if it refused the job.
    bool submit()
    {
        const QByteArray name = destination.toLocal8Bit();
        const QByteArray path = QFile::encodeName(file.fileName());
        const QByteArray title = printer.docName().toUtf8();
        const QByteArray media = printer.pageLayout().pageSize().key().toUtf8();
        const Cups& c = cups();
        if (!c.addOption || !c.printFile || !c.freeOptions)
            return false;
        cups_option_t* options = nullptr;
        const int count = c.addOption("media", media.constData(), 0, &options);
        const int job = c.printFile(name.constData(), path.constData(), title.constData(), count, options);
        c.freeOptions(count, options);
        return job > 0;
    }

    // Declared in this order so that the painter ends before the printer goes
    // and the printer before its file.
    QTemporaryFile file{QDir::tempPath() + QStringLiteral("/pelox-XXXXXX.prn")};
    QPrinter printer;
    QPainter painter;
    QString destination;
    kalibrierung::Korrektur korrektur;
    bool open = false;
};

QtPrinter::QtPrinter(SettingsPort& settings)
    : m_settings(settings)
{
}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::available()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString QtPrinter::printerName()
{
    return queueName(QPrinterInfo::defaultPrinter());
}

QPainter* QtPrinter::documentPainter()
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
        d.printer.setPageOrientation(landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
        d.open = d.painter.begin(&d.printer);
        d.korrektur = calibrationOf(info);
        restartText();
    }
    return m_document->open ? &m_document->painter : nullptr;
}

QPaintDevice* QtPrinter::device()
{
    return &m_document->printer;
}

double QtPrinter::resolution()
{
    return m_document->printer.resolution();
}

QSizeF QtPrinter::deviceArea()
{
    const QPageLayout::Orientation orientation = landscape() ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (m_document && m_document->open)
        return pointsToTwips(m_document->printer.pageLayout().paintRect(QPageLayout::Point).size());
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return pointsToTwips(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF()).paintRect(QPageLayout::Point).size());
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageOrientation(orientation);
    return pointsToTwips(printer.pageLayout().paintRect(QPageLayout::Point).size());
}

kalibrierung::Korrektur QtPrinter::calibrationOf(const QPrinterInfo& info) const
{
    if (info.isNull())
        return {};
    return einstellungen::Korrektur(m_settings, queueName(info));
}

// The document keeps what it was begun with.
kalibrierung::Korrektur QtPrinter::calibration()
{
    if (m_document && m_document->open)
        return m_document->korrektur;
    return calibrationOf(QPrinterInfo::defaultPrinter());
}

void QtPrinter::newPage()
{
    if (m_document && m_document->open) {
        m_document->printer.newPage();
        restartText();
    }
}

bool QtPrinter::endDoc()
{
    // A document without any output is no job at all.
    if (!m_document)
        return true;
    const std::unique_ptr<Document> d = std::move(m_document);
    return d->open && d->painter.end() && d->submit();
}
