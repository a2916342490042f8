// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ports.h"

#include <QStringList>
#include <memory>

class QPainter;
class QPointF;
class QRectF;
class QWidget;

class QtFileDialog : public FileDialogPort {
public:
    explicit QtFileDialog(QWidget* parent) : m_parent(parent) {}
    QString showSave(const FileDialogRequest& request) override;
    QString showOpen(const FileDialogRequest& request) override;

    // "Text (*.x)|*.x|All|*.*|" as Qt's name filters.
    static QStringList nameFilters(const QString& filter);

private:
    QString show(const FileDialogRequest& request, bool save);
    QWidget* m_parent;
};

class QtMessageBox : public MessageBoxPort {
public:
    explicit QtMessageBox(QWidget* parent) : m_parent(parent) {}
    void show(const QString& text, const QString& title, int flags) override;

private:
    QWidget* m_parent;
};

// The system's default printer as it is at the moment of printing, never
// through a dialog and never scaled to fit. A document is painted into a
// scratch file at the printer's resolution and handed to the print server as
// one job when it ends, so a job the server refuses is noticed and nothing of
// it reaches the paper.
class QtPrinter : public PrinterPort {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool available() override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setLineWidth(int width) override;
    void setLineStyle(LineStyle style) override;
    void line(double x1, double y1, double x2, double y2, VbColor color) override;
    void circle(double x, double y, double radius, VbColor color) override;
    void printLine(const QString& text) override;
    double pageWidth() override;
    double pageHeight() override;
    bool endDoc() override;

private:
    struct Document;
    // The document in progress, opened by the first output; null when the
    // printer could not be opened.
    QPainter* painter();
    void applyPen(VbColor color);
    QPointF toDevice(double x, double y) const;
    QRectF paintRectTwips() const;

    QString m_fontName;
    double m_fontSize = 10;
    int m_lineWidth = 1;
    LineStyle m_lineStyle = LineStyle::Solid;
    std::unique_ptr<Document> m_document;
};
