// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ports.h"

class QFont;
class QPainter;
class QPaintDevice;
class QPointF;

// The page's drawing operations on a painter of a paged device, in twips
// from the top-left of the page's drawing area. Line widths are device pixels
// (dots); text lines follow each other one line spacing apart from the top.
// A subclass opens the document at its first output and ends it.
class PainterPage : public virtual PageSurface {
public:
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setLineWidth(int width) override;
    void setLineStyle(LineStyle style) override;
    void line(double x1, double y1, double x2, double y2, BgrColor color) override;
    void lines(const std::vector<QLineF>& twips, BgrColor color) override;
    void circle(double x, double y, double radius, BgrColor color) override;
    void printLine(const QString& text) override;
    void textAt(double x, double y, const QString& text) override;
    void setTextColor(BgrColor color) override { m_textColor = color; }
    double lineHeight() override;
    double textWidth(const QString& text) override;
    void fill(double x, double y, double width, double height, BgrColor color) override;
    void fillPolygon(const std::vector<QPointF>& points, BgrColor color) override;
    void setLineWidthMm(double mm) override;
    // The device's drawing area in the twips of the page's correction.
    double pageWidth() final { return pageSize().width(); }
    double pageHeight() final { return pageSize().height(); }
    QSizeF pageSize() final;

protected:
    // The painter of the document in progress, opened by the first output;
    // null when it could not be opened.
    virtual QPainter* documentPainter() = 0;
    // The open document's device and its dots per inch.
    virtual QPaintDevice* device() = 0;
    virtual double resolution() = 0;
    // The drawing area as the page lies on the device, in true twips.
    virtual QSizeF deviceArea() = 0;
    // The factors on the page's own axes that everything is drawn with; the
    // one place where a correction meets the drawing. None here.
    virtual kalibrierung::Korrektur pageCorrection() { return {}; }
    // A new document or page starts its text at the top again.
    void restartText() { m_textY = 0; }

private:
    // The document's painter, with the page's correction as its transform.
    QPainter* painter();
    void applyPen(QPainter& p, BgrColor color);
    QFont font() const;
    // Sets the font and the text's colour; the font's ascent, in device pixels.
    double applyFont(QPainter& p);
    QPointF toDevice(double x, double y);

    QString m_fontName;
    double m_fontSize = 10;
    int m_lineWidth = 1;
    double m_lineWidthMm = 0;  // in force when above 0
    LineStyle m_lineStyle = LineStyle::Solid;
    BgrColor m_textColor = kSchwarz;
    double m_textY = 0;  // top of the next text line, device pixels
};

// A printer painting its documents: the orientation and the correction for
// every kind of printer, applied to the page in one place.
class PainterPrinter : public PainterPage, public PrinterPort {
public:
    void setLandscape(bool landscape) override { m_landscape = landscape; }
    kalibrierung::Korrektur correction() final { return m_corrected ? calibration() : kalibrierung::Korrektur{}; }
    void setCorrected(bool on) final { m_corrected = on; }

protected:
    bool landscape() const { return m_landscape; }
    // The calibration kept for this printer on the paper's axes; a printer
    // that keeps none, as a file, has 1 x 1.
    virtual kalibrierung::Korrektur calibration() { return {}; }
    kalibrierung::Korrektur pageCorrection() final { return kalibrierung::aufSeite(correction(), m_landscape); }

private:
    bool m_landscape = false;
    bool m_corrected = true;
};
