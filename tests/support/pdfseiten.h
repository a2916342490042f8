// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

// The words of a PDF as poppler's pdftotext finds them, page by page, each
// with its box in points from the top-left corner of its page.
struct PdfWort {
    QString text;
    QRectF box;
};

struct PdfSeite {
    QSizeF groesse;  // points, as the page lies
    std::vector<PdfWort> woerter;
};

std::vector<PdfSeite> pdfSeiten(const QString& pdf);

// What a page of a PDF the program writes must show: within the drawing
// area, randMm in from every edge, the check scale at its bottom-right corner
// with its first word ("Prüfmaß:" or "Check"), and in the room the scale keeps
// around itself no word and no line but its own. Every word lies inside the
// drawing area. Failures name the page (from 1).
void pruefeSeite(const QString& pdf, int nummer, const PdfSeite& seite, double randMm, const QString& erstesWort);
