// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/painterprinter.h"

#include <memory>

class QPrinterInfo;
class QRectF;
class SettingsPort;

// The system's default printer as it is at the moment of printing, never
// through a dialog and never scaled to fit. A document is painted into a
// scratch file at the printer's resolution and handed to the print server as
// one job when it ends, so a job the server refuses is noticed and nothing of
// it reaches the paper. The calibration stored for the printer's queue scales
// every document on the paper.
class QtPrinter : public PainterPrinter {
public:
    explicit QtPrinter(SettingsPort& settings);
    ~QtPrinter() override;

    bool available() override;
    QString printerName() override;
    double pageWidth() override;
    double pageHeight() override;
    QSizeF pageSize() override;
    void setLandscape(bool landscape) override { m_landscape = landscape; }
    void newPage() override;
    bool endDoc() override;
    kalibrierung::Korrektur correction() override;
    void setCorrected(bool on) override { m_corrected = on; }

protected:
    QPainter* documentPainter() override;
    QPaintDevice* device() override;
    double resolution() override;

private:
    struct Document;
    QRectF paintRectTwips() const;
    kalibrierung::Korrektur correctionOf(const QPrinterInfo& info) const;

    SettingsPort& m_settings;
    bool m_corrected = true;
    std::unique_ptr<Document> m_document;
    bool m_landscape = false;
};
