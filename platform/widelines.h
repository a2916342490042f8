// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>

// A solid line with round ends set straight into an image's pixels: a pixel
// is set when its centre lies closer to the segment than the radius, half the
// line's width. Qt would stroke two curved caps for every line. Positions are
// in the image's device pixels.
void setWideLine(QImage& image, QPointF a, QPointF b, double radius, QRgb color);

// The ring of a circle's line: the pixels whose centres lie between the inner
// and the outer radius around the centre, in device pixels.
void setRing(QImage& image, QPointF centre, double inner, double outer, QRgb color);
