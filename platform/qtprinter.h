// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/painterprinter.h"

#include <memory>

class QPrinterInfo;
class SettingsPort;

// The system's default printer as it is at the moment of printing, never
// through a dialog and never scaled to fit. A document is painted into a
// scratch file at the printer's resolution and handed to the print server as
// one job when it ends, so a job the server refuses is noticed and nothing of
// it reaches the paper. Its calibration is the one stored for its queue.
class QtPrinter : public PainterPrinter {
public:
    explicit QtPrinter(SettingsPort& settings);
    ~QtPrinter() override;

    bool available() override;
    QString printerName() override;
    void newPage() override;
    bool endDoc() override;

protected:
    QPainter* documentPainter() override;
    QPaintDevice* device() override;
    double resolution() override;
    QSizeF deviceArea() override;
    kalibrierung::Korrektur calibration() override;

private:
    struct Document;
    kalibrierung::Korrektur calibrationOf(const QPrinterInfo& info) const;

    SettingsPort& m_settings;
    std::unique_ptr<Document> m_document;
};
