// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ports.h"

class QPainter;
class QPaintDevice;
class QPointF;

// The printer's drawing operations on a painter of a paged device, in twips
// from the top-left of the page's drawing area. Line widths are device pixels
// (dots); text lines follow each other one line spacing apart from the top.
// A subclass opens the document at its first output and ends it.
class PainterPrinter : public PrinterPort {
public:
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setLineWidth(int width) override;
    void setLineStyle(LineStyle style) override;
    void line(double x1, double y1, double x2, double y2, BgrColor color) override;
    void circle(double x, double y, double radius, BgrColor color) override;
    void printLine(const QString& text) override;
    void textAt(double x, double y, const QString& text) override;
    void fill(double x, double y, double width, double height, BgrColor color) override;
    void fillPolygon(const std::vector<QPointF>& points, BgrColor color) override;
    void setLineWidthMm(double mm) override;

protected:
    // The painter of the document in progress, opened by the first output;
    // null when it could not be opened.
    virtual QPainter* documentPainter() = 0;
    // The open document's device and its dots per inch.
    virtual QPaintDevice* device() = 0;
    virtual double resolution() = 0;
    // A new document or page starts its text at the top again.
    void restartText() { m_textY = 0; }

private:
    void applyPen(QPainter& p, BgrColor color);
    // Sets the font and black for text; the font's ascent, in device pixels.
    double applyFont(QPainter& p);
    QPointF toDevice(double x, double y);

    QString m_fontName;
    double m_fontSize = 10;
    int m_lineWidth = 1;
    double m_lineWidthMm = 0;  // in force when above 0
    LineStyle m_lineStyle = LineStyle::Solid;
    double m_textY = 0;  // top of the next text line, device pixels
};
