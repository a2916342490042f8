// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drawing.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QWidget>
#include <memory>
#include <optional>

// A picture surface that keeps what is drawn on it. It repaints itself from the
// retained image and never asks the program to draw again. Coordinates are in
// the surface's own unit (pixels, or twips for a twip-scaled surface), with the
// origin at the top-left of the inner area, inside the border. Pixels are the
// screen's logical pixels; the image is kept at the screen's own resolution
// (logical size times the device pixel ratio, with that ratio set on it), so
// that lines are drawn as finely as the screen shows them.
class PictureWidget : public QWidget, public DrawingSurface {
    Q_OBJECT
public:
    static constexpr int kHand = 99;

    PictureWidget(QWidget* parent, BgrColor background, double unitsPerPixel, int border);
    ~PictureWidget() override;

    void clear();
    void setLineWidth(int width) override;
    void setLineStyle(LineStyle style) override;
    void line(double x1, double y1, double x2, double y2, BgrColor color) override;
    void circle(double x, double y, double radius, BgrColor color) override;

    // The retained picture, in device pixels with its device pixel ratio set;
    // after unload it is a null image.
    QImage image();
    void loadEmptyPicture();
    // A picture made to be saved has one image pixel per pixel whatever the
    // screen; it takes effect when the picture is next cleared.
    void setExportPicture(bool exportPicture);

    // Pointer shape 0 (the arrow) or 99 (the hand).
    void setPointerShape(int shape);
    int pointerShape() const { return m_pointerShape; }

    // Inner size in the surface's unit (ScaleWidth, ScaleHeight).
    double scaleWidth() const;
    double scaleHeight() const;
    double unitsPerPixel() const { return m_unitsPerPixel; }

signals:
    // Buttons as a set: 1 left, 2 right, 4 middle. Position in the surface's unit.
    void mouseMoved(int buttons, int shift, double x, double y);
    // The right button asks for the picture's menu, at a global position.
    void contextMenuRequested(const QPoint& globalPos);
    // The window moved to a screen of another pixel ratio: the picture kept
    // is now shown scaled and blurred until it is drawn again.
    void pixelRatioChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPainter& painter();
    void endPainting();
    QPointF toPixels(double x, double y) const;
    QRect innerRect() const;
    QSize innerSize() const;
    double pixelRatio() const;
    // Whether the picture has the size and ratio the widget asks for now.
    bool pictureFits() const;
    void allocatePicture();
    void fillPicture();
    void updatePicture();

    QColor m_background;
    double m_unitsPerPixel;
    int m_border;
    int m_lineWidth = 1;
    LineStyle m_lineStyle = LineStyle::Solid;
    int m_pointerShape = 0;
    bool m_exportPicture = false;
    struct PenKey {
        int width = 0;
        LineStyle style = LineStyle::Solid;
        BgrColor color = 0;
        bool flat = false;
        bool operator==(const PenKey&) const = default;
    };
    std::optional<PenKey> m_linePenKey;
    QPen m_linePen;
    QImage m_image;
    // A painter stays open on the image between drawing calls of one change
    // and is closed before the image is shown or handed out.
    std::unique_ptr<QPainter> m_painter;
};
