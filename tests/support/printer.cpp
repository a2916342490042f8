// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer.h"

#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QThread>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

std::vector<QLineF> pdfLines(const QString& pdf, int page)
{
    const QString s = QString::number(page);
    const QString svg = QString::fromUtf8(run(QStringLiteral("pdftocairo"), {"-svg", "-f", s, "-l", s, pdf, "-"}));
    // The glyphs are defined before the page's own drawing; they are filled,
    // not stroked.
    const QString seite = svg.section(QStringLiteral("</defs>"), -1);
    static const QRegularExpression pfad(
        QStringLiteral(R"re(<path style="[^"]*stroke:rgb[^"]*" d="M ([^"]*) " transform="matrix\(([^)]*)\))re"));
    static const QRegularExpression strecke(QStringLiteral("^[-0-9.]+ [-0-9.]+( L [-0-9.]+ [-0-9.]+)+$"));
    std::vector<QLineF> r;
    static const QRegularExpression punkt(QStringLiteral("^[-0-9.]+ [-0-9.]+$"));
    for (auto it = pfad.globalMatch(seite); it.hasNext();) {
        const auto m = it.next();
        // Lines drawn in one go are one path of several pieces, a line that
        // goes on from the last one's end a piece of several points; a
        // closed piece ends in Z, after which a lone point may stand.
        QStringList teile = m.captured(1).split(QStringLiteral(" M "));
        teile.removeIf([](const QString& t) { return punkt.match(t).hasMatch(); });
        std::vector<bool> zu;
        for (QString& t : teile) {
            zu.push_back(t.endsWith(QStringLiteral(" Z")));
            if (zu.back())
                t.chop(2);
        }
        // Only straight lines; circles and the like have curve segments.
        if (!std::all_of(teile.begin(), teile.end(), [](const QString& t) { return strecke.match(t).hasMatch(); }))
            continue;
        const QStringList z = m.captured(2).split(',');
        const QTransform t(z[0].toDouble(), z[1].toDouble(), z[2].toDouble(), z[3].toDouble(), z[4].toDouble(),
            z[5].toDouble());
        for (qsizetype k = 0; k < teile.size(); ++k) {
            QStringList punkte = teile[k].split(QStringLiteral(" L "));
            if (zu[std::size_t(k)])
                punkte.push_back(punkte.front());
            for (qsizetype i = 1; i < punkte.size(); ++i) {
                const QStringList a = punkte[i - 1].split(' '), b = punkte[i].split(' ');
                r.push_back(t.map(QLineF(a[0].toDouble(), a[1].toDouble(), b[0].toDouble(), b[1].toDouble())));
            }
        }
    }
    return r;
}

QRectF sternUmriss(const std::vector<QLineF>& linien)
{
    QRectF r;
    for (const QLineF& l : linien)
        if (std::abs(l.dx()) > 1e-3 && std::abs(l.dy()) > 1e-3)
            r |= QRectF(l.p1(), l.p2()).normalized();
    return r;
}

QRectF zeichenflaeche()
{
    return QPrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution).pageLayout().paintRect(QPageLayout::Point);
}

void PrinterTest::SetUp()
{
    ASSERT_TRUE(qEnvironmentVariableIsSet("PELOX_TEST_PDF_DIR") && qEnvironmentVariableIsSet("CUPS_SERVER")
        && !QPrinterInfo::defaultPrinter().isNull())
        << "run through ctest, which starts the test printer";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    leeren();
    w.show();
}

void PrinterTest::TearDown()
{
    QLocale::setDefault(QLocale::c());
}

void PrinterTest::leeren()
{
    for (const QString& name : pdfOrdner.entryList(QDir::Files))
        pdfOrdner.remove(name);
}

QStringList PrinterTest::pdfs(int n)
{
    for (int i = 0; i < 450  // 90 s at most
         && (pdfOrdner.entryList(QDir::Files).size() < n || !run(QStringLiteral("lpstat"), {"-o"}).isEmpty());
         ++i)
        QThread::msleep(200);
    QStringList r = pdfOrdner.entryList(QDir::Files);
    // The names differ only in the job number.
    std::sort(r.begin(), r.end(),
        [](const QString& a, const QString& b) { return std::pair(a.size(), a) < std::pair(b.size(), b); });
    for (QString& name : r)
        name = pdfOrdner.filePath(name);
    return r;
}
