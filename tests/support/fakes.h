// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ports.h"
#include "platform/settings.h"

#include <QMap>
#include <QPolygonF>
#include <QStringList>
#include <deque>
#include <utility>
#include <vector>

// The next answer of a script, or the default past its end.
template <typename T>
T naechste(std::deque<T>& antworten, T sonst)
{
    if (antworten.empty())
        return sonst;
    const T a = antworten.front();
    antworten.pop_front();
    return a;
}

// A file dialog that answers from a script and remembers what it was shown.
class FakeFileDialog : public FileDialogPort {
public:
    struct Shown { bool save; FileDialogRequest request; };
    std::deque<QString> answers;  // an empty text is a cancel
    std::vector<Shown> shown;

    QString showSave(const FileDialogRequest& r) override { return answer({true, r}); }
    QString showOpen(const FileDialogRequest& r) override { return answer({false, r}); }

private:
    QString answer(const Shown& s)
    {
        shown.push_back(s);
        return naechste(answers, QString());
    }
};

// Questions are answered from a script, No past its end.
struct FakeMessageBox : MessageBoxPort {
    struct Shown { QString text; QString title; int flags; };
    std::vector<Shown> shown;
    std::vector<Shown> asked;  // flags unused
    std::deque<bool> answers;
    // The question before unsaved changes are lost: its own answers, Cancel
    // past their end.
    std::vector<Shown> choiceAsked;
    std::deque<Answer> choices;
    void show(const QString& text, const QString& title, int flags) override { shown.push_back({text, title, flags}); }
    bool ask(const QString& text, const QString& title) override
    {
        asked.push_back({text, title, 0});
        return naechste(answers, false);
    }
    Answer askYesNoCancel(const QString& text, const QString& title) override
    {
        choiceAsked.push_back({text, title, 0});
        return naechste(choices, Answer::Cancel);
    }
};

struct FakeSettings : SettingsPort {
    QMap<QString, QString> values;
    QString value(const QString& key) override { return values.value(key); }
    void setValue(const QString& key, const QString& value) override { values[key] = value; }
    void remove(const QString& key) override
    {
        values.removeIf([&key](auto i) { return i.key() == key || i.key().startsWith(key + '/'); });
    }
};

// Operations in the order they were drawn, each with the line width and style
// in force when it was drawn; the colour is not kept.
struct Drawing {
    struct Op {
        enum Kind { FontName, FontSize, Line, Circle, Text, TextAt, Fill, Polygon, Page } kind;
        double a = 0, b = 0, c = 0, d = 0;
        QString text{};
        int width = 1;
        double widthMm = 0;  // in force when above 0
        LineStyle style = LineStyle::Solid;
    };
    std::vector<Op> ops;
    bool landscape = false;  // of a document: the paper on its side

    std::vector<Op> only(Op::Kind k) const
    {
        std::vector<Op> r = ops;
        std::erase_if(r, [k](const Op& o) { return o.kind != k; });
        return r;
    }
    int count(Op::Kind k) const { return int(only(k).size()); }

    // The texts, of the running lines and at a place, in the order drawn.
    QStringList texte() const
    {
        QStringList r;
        for (const Op& o : ops) {
            if (o.kind == Op::Text || o.kind == Op::TextAt)
                r << o.text;
        }
        return r;
    }
};

// A printer that keeps every document it is given; ops holds what was drawn
// since the last one ended. Its page is an A4 sheet without margins unless a
// test says otherwise; it has no correction, and only remembers whether it
// was asked to apply one. Its font is Courier at any size: 0.6 of the size
// wide, 1.25 of it between lines, unless a test says otherwise.
class FakePrinter : public PrinterPort, public Drawing {
public:
    double width = 11906, height = 16838;
    double lineSpacing = 1.25;  // of the font's size
    bool corrected = true;
    bool present = true;        // what available() answers
    std::vector<bool> answers;  // what endDoc() answers for each of jobs; true past its end
    std::vector<Drawing> jobs;  // every document ended, taken or refused

    bool available() override { return present; }
    QString printerName() override { return present ? QStringLiteral("Testdrucker") : QString(); }
    kalibrierung::Korrektur correction() override { return {}; }
    void setCorrected(bool on) override { corrected = on; }
    bool landscape = false;     // what setLandscape() asked for last; the page turns with it
    void setLineWidth(int w) override
    {
        m_width = w;
        m_widthMm = 0;
    }
    void setLineWidthMm(double mm) override { m_widthMm = mm; }
    void setLandscape(bool l) override { landscape = l; }
    void newPage() override { add(Op::Page, 0); }
    void fill(double x, double y, double w, double h, BgrColor) override { add(Op::Fill, x, y, w, h); }
    // The polygon as the rectangle around it.
    void fillPolygon(const std::vector<QPointF>& points, BgrColor) override
    {
        QPolygonF p(QList<QPointF>(points.begin(), points.end()));
        const QRectF r = p.boundingRect();
        add(Op::Polygon, r.left(), r.top(), r.right(), r.bottom());
    }
    void setLineStyle(LineStyle s) override { m_style = s; }
    void line(double x1, double y1, double x2, double y2, BgrColor) override { add(Op::Line, x1, y1, x2, y2); }
    void circle(double x, double y, double r, BgrColor) override { add(Op::Circle, x, y, r); }
    void setFontName(const QString& name) override { add(Op::FontName, 0, 0, 0, 0, name); }
    void setFontSize(double points) override
    {
        m_points = points;
        add(Op::FontSize, points);
    }
    double lineHeight() override { return m_points * 20 * lineSpacing; }
    double textWidth(const QString& text) override { return m_points * 12 * double(text.size()); }
    void printLine(const QString& text) override { add(Op::Text, 0, 0, 0, 0, text); }
    void textAt(double x, double y, const QString& text) override { add(Op::TextAt, x, y, 0, 0, text); }
    void setTextColor(BgrColor c) override { textColor = c; }
    BgrColor textColor = kSchwarz;  // what setTextColor() asked for last
    double pageWidth() override { return landscape ? height : width; }
    double pageHeight() override { return landscape ? width : height; }
    int pageSizeAsked = 0;     // how often the page size was asked for
    QSizeF pageSize() override
    {
        ++pageSizeAsked;
        return PrinterPort::pageSize();
    }
    bool endDoc() override
    {
        jobs.push_back({std::exchange(ops, {}), landscape});
        return jobs.size() > answers.size() || answers[jobs.size() - 1];
    }

private:
    int m_width = 1;
    double m_widthMm = 0;
    double m_points = 10;
    LineStyle m_style = LineStyle::Solid;
    void add(Op::Kind k, double a, double b = 0, double c = 0, double d = 0, const QString& text = {})
    {
        ops.push_back({k, a, b, c, d, text, m_width, m_widthMm, m_style});
    }
};

// Any drawing surface can be recorded with the fake printer.
using RecordingSurface = FakePrinter;
