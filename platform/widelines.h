// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>
#include <memory>
#include <optional>
#include <vector>

// Solid lines with round ends set straight into an image's pixels: a pixel is
// set when its centre lies closer to the segment than the radius, half the
// line's width. Qt would stroke two curved caps for every line. Positions are
// in the image's device pixels.
//
// The lines of one drawing are collected and set together, in the order they
// came. The rows of a large batch are shared with a second thread; every row
// still gets its lines in that order, so the pixels are those of one thread.
class WideLines {
public:
    struct Line;
    struct Strips;

    WideLines();
    ~WideLines();
    WideLines(const WideLines&) = delete;
    WideLines& operator=(const WideLines&) = delete;

    // The image is to be filled with a colour first, when the lines are set.
    void fillFirst(QRgb background);
    void add(QPointF a, QPointF b, double radius, QRgb color, int imageHeight);
    // Fills the image if asked, sets the collected lines into it and forgets
    // both.
    void draw(QImage& image);
    void discard();

private:
    std::vector<Line> m_lines;
    long m_rows = 0;
    // The rows of the last batch set, to tell whether the next drawing will
    // want a second thread.
    long m_lastRows = 0;
    std::optional<QRgb> m_background;
    // A helper woken as the drawing began, waiting for the batch.
    std::shared_ptr<Strips> m_helper;
};

// The ring of a circle's line: the pixels whose centres lie between the inner
// and the outer radius around the centre, in device pixels.
void setRing(QImage& image, QPointF centre, double inner, double outer, QRgb color);
