// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/kalibrierung.h"
#include "platform/drawing.h"

#include <QLineF>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

// The desktop services behind small interfaces. The program gets Qt's
// implementations; the tests get scripted fakes, so no test ever waits on a
// modal dialog or needs a physical printer.

// The properties the window prepares before it shows the common file dialog.
struct FileDialogRequest {
    QString fileName;
    QString initDir;
    QString filter;  // pairs of "description|pattern|"
    int flags = 0;   // 2: ask before an existing file is replaced
    QStringList places;  // folders offered beside the desktop's own
};

class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    // The chosen full path, or an empty text when the user cancelled.
    virtual QString showSave(const FileDialogRequest& request) = 0;
    virtual QString showOpen(const FileDialogRequest& request) = 0;
};

class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    static constexpr int kExclamation = 48;
    // A modal box with one OK button.
    virtual void show(const QString& text, const QString& title, int flags) = 0;
    enum class Answer { Yes, No, Cancel };
    // A modal question with the buttons Yes, No and Cancel; Escape and the
    // close box cancel.
    virtual Answer askYesNoCancel(const QString& text, const QString& title) = 0;
    // A modal question with the buttons Yes and No, No the default; true for
    // Yes. The question itself is the text's last line.
    virtual bool ask(const QString& text, const QString& title) = 0;
};

// A page to draw on at true size. Coordinates are twips from the top-left
// corner of the page's drawing area; line widths are in the device's pixels.
// Font, line width and line style are kept until they are set again.
class PageSurface : public DrawingSurface {
public:
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    // Writes the text at the text position and moves that to the next line;
    // a new page starts its text at the top-left corner.
    virtual void printLine(const QString& text) = 0;
    // Writes the text with the top-left corner of its line at x, y.
    virtual void textAt(double x, double y, const QString& text) = 0;
    // The colour of the texts written from now on; black until it is set.
    virtual void setTextColor(BgrColor color) = 0;
    // The font's line spacing, the step of printLine(), and the advance of
    // the text in the font, in twips.
    virtual double lineHeight() = 0;
    virtual double textWidth(const QString& text) = 0;
    // Fills the rectangle, without an outline.
    virtual void fill(double x, double y, double width, double height, BgrColor color) = 0;
    // Fills the polygon through the points, without an outline.
    virtual void fillPolygon(const std::vector<QPointF>& points, BgrColor color) = 0;
    // Each line as line() draws it; a document then states the pen once for
    // all of them instead of once for every line.
    virtual void lines(const std::vector<QLineF>& twips, BgrColor color)
    {
        for (const QLineF& l : twips)
            line(l.x1(), l.y1(), l.x2(), l.y2(), color);
    }
    // A line width in millimetres on paper, whatever the resolution, until
    // setLineWidth() sets dots again.
    virtual void setLineWidthMm(double mm) = 0;
    // The drawing area of the page, in twips.
    virtual double pageWidth() = 0;
    virtual double pageHeight() = 0;
    // Both from one look at the page.
    virtual QSizeF pageSize() { return {pageWidth(), pageHeight()}; }
};

// The system's default printer, or a file that stands in for one. The first
// output after start or after endDoc() opens a new document; the page's
// measures are those of the documents begun from now on until one is open.
class PrinterPort : public virtual PageSurface {
public:
    // Whether there is a printer to take a job at all; asked before any output.
    virtual bool available() = 0;
    // Its queue name, under which its calibration is kept; empty without one.
    virtual QString printerName() = 0;
    // Paper lying on its side for the documents begun from now on; the page
    // size answers for it.
    virtual void setLandscape(bool landscape) = 0;
    // Ends the page; the next output starts a new page of the same document.
    virtual void newPage() = 0;
    // Closes the document and hands it over as one print job. False when the
    // printer could not take it; then nothing of it was handed over.
    virtual bool endDoc() = 0;
    // The calibration the document in progress, or else the next one, is
    // drawn with, on the axes of the paper as it stands upright: 1 x 1 when
    // the printer has none, as a file has none. The page's measures and
    // everything drawn are in twips of the corrected paper, so what is
    // drawn needs not know of it.
    virtual kalibrierung::Korrektur correction() = 0;
    // Off while the calibration sheet is printed: it measures the printer as
    // it is. On from the start.
    virtual void setCorrected(bool on) = 0;
};

class SettingsPort;

struct Ports {
    FileDialogPort& fileDialog;
    MessageBoxPort& messageBox;
    PrinterPort& printer;
    SettingsPort& settings;
};
