// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drawing.h"
#include "platform/ports.h"

#include <QString>
#include <QStringList>
#include <array>
#include <deque>
#include <vector>

// A file dialog that answers from a script and remembers what it was shown.
class FakeFileDialog : public FileDialogPort {
public:
    struct Shown {
        bool save;
        FileDialogRequest request;
    };
    std::deque<QString> answers;  // an empty text is a cancel
    std::vector<Shown> shown;

    QString showSave(const FileDialogRequest& r) override { return answer(true, r); }
    QString showOpen(const FileDialogRequest& r) override { return answer(false, r); }

private:
    QString answer(bool save, const FileDialogRequest& r);
};

class FakeMessageBox : public MessageBoxPort {
public:
    struct Shown {
        QString text;
        QString title;
        int flags;
    };
    std::vector<Shown> shown;
    void show(const QString& text, const QString& title, int flags) override
    {
        shown.push_back({text, title, flags});
    }
};

// A printer that records every document it is given, each operation with the
// line width and style in force when it was drawn. Its page is an A4 sheet
// without margins unless a test says otherwise.
class FakePrinter : public PrinterPort {
public:
    struct Op {
        enum Kind { FontName, FontSize, Width, Style, Line, Circle, Text } kind;
        double a = 0, b = 0, c = 0, d = 0;
        VbColor color = 0;
        QString text;
        int width = 0;  // line width in force
        LineStyle style = LineStyle::Solid;
    };
    struct Job {
        std::vector<Op> ops;
        bool taken = true;
        int count(Op::Kind k) const;
        std::vector<Op> only(Op::Kind k) const;
        QStringList texts() const;
    };

    double width = 11906;
    double height = 16838;
    bool present = true;        // what available() answers
    std::deque<bool> answers;   // what endDoc() answers in turn; true when empty
    std::vector<Job> jobs;      // every document ended, taken or refused

    bool available() override { return present; }
    void setFontName(const QString& name) override { record(Op::FontName, {}, name); }
    void setFontSize(double points) override { record(Op::FontSize, {points}); }
    void setLineWidth(int w) override
    {
        m_width = w;
        record(Op::Width, {double(w)});
    }
    void setLineStyle(LineStyle s) override
    {
        m_style = s;
        record(Op::Style, {double(int(s))});
    }
    void line(double x1, double y1, double x2, double y2, VbColor c) override
    {
        record(Op::Line, {x1, y1, x2, y2}, {}, c);
    }
    void circle(double x, double y, double r, VbColor c) override { record(Op::Circle, {x, y, r}, {}, c); }
    void printLine(const QString& text) override { record(Op::Text, {}, text); }
    double pageWidth() override { return width; }
    double pageHeight() override { return height; }
    bool endDoc() override;
    // What was drawn since the last endDoc().
    const Job& pending() const { return m_current; }

private:
    void record(Op::Kind kind, std::array<double, 4> v, const QString& text = {}, VbColor color = 0);
    Job m_current;
    int m_width = 1;
    LineStyle m_style = LineStyle::Solid;
};

// Records every drawing operation, to compare what was drawn with what should be.
class RecordingSurface : public DrawingSurface {
public:
    struct Op {
        enum Kind { Line, Circle, Width, Style } kind;
        double a = 0, b = 0, c = 0, d = 0;
        VbColor color = 0;
    };
    std::vector<Op> ops;

    void setLineWidth(int w) override { ops.push_back({Op::Width, double(w)}); }
    void setLineStyle(LineStyle s) override { ops.push_back({Op::Style, double(int(s))}); }
    void line(double x1, double y1, double x2, double y2, VbColor c) override
    {
        ops.push_back({Op::Line, x1, y1, x2, y2, c});
    }
    void circle(double x, double y, double r, VbColor c) override { ops.push_back({Op::Circle, x, y, r, 0, c}); }

    int count(Op::Kind k) const;
    std::vector<Op> only(Op::Kind k) const;
};
