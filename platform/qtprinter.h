// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/painterprinter.h"

#include <memory>

class QRectF;

// The system's default printer as it is at the moment of printing, never
// through a dialog and never scaled to fit. A document is painted into a
// scratch file at the printer's resolution and handed to the print server as
// one job when it ends, so a job the server refuses is noticed and nothing of
// it reaches the paper.
class QtPrinter : public PainterPrinter {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool available() override;
    double pageWidth() override;
    double pageHeight() override;
    QSizeF pageSize() override;
    void setLandscape(bool landscape) override { m_landscape = landscape; }
    void newPage() override;
    bool endDoc() override;

protected:
    QPainter* documentPainter() override;
    QPaintDevice* device() override;
    double resolution() override;

private:
    struct Document;
    QRectF paintRectTwips() const;

    std::unique_ptr<Document> m_document;
    bool m_landscape = false;
};
