// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Drucken" on the real window through the real printer port into a private
// print server whose default printer writes PDFs. The PDFs are read back with
// the poppler tools: pages, page size, text, and the star's size on paper.
#include "../support/fakes.h"

#include "app/frmpelox.h"
#include "platform/qtports.h"
#include "platform/qtprinter.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr double kDpi = 288;  // 4 pixels to the point
constexpr double kPunkt = kDpi / 72;

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A page rendered without smoothing, so that hairlines stay dark.
struct Seite {
    QImage bild;

    // Leftmost and rightmost dark column in the rows top..bottom, in points.
    std::pair<double, double> waagrecht(double oben, double unten) const
    {
        int links = bild.width();
        int rechts = -1;
        for (int y = int(oben * kPunkt); y < std::min(bild.height(), int(unten * kPunkt)); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                if (qGray(bild.pixel(x, y)) < 128) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
            }
        }
        return {links / kPunkt, (rechts + 1) / kPunkt};
    }
};

Seite rendern(const QString& pdf, int seite = 1)
{
    const QString stamm =
        QDir::temp().filePath(QStringLiteral("pelox-seite-%1").arg(QCoreApplication::applicationPid()));
    run(QStringLiteral("pdftoppm"), {"-png", "-gray", "-aa", "no", "-aaVector", "no", "-r", QString::number(kDpi),
        "-f", QString::number(seite), "-l", QString::number(seite), "-singlefile", pdf, stamm});
    Seite s{QImage(stamm + ".png")};
    QFile::remove(stamm + ".png");
    EXPECT_FALSE(s.bild.isNull()) << "no rendered page for " << pdf.toStdString();
    return s;
}

QStringList zeilen(const QString& pdf, int seite = 1)
{
    QStringList r;
    const QString text = run(QStringLiteral("pdftotext"),
        {"-layout", "-f", QString::number(seite), "-l", QString::number(seite), pdf, "-"});
    for (QString z : text.split(QLatin1Char('\n'))) {
        z = z.simplified();
        if (!z.isEmpty())
            r << z;
    }
    return r;
}

int seiten(const QString& pdf)
{
    const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    return re.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

int aktiveAuftraege()
{
    cups_job_t* jobs = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(n, jobs);
    return n;
}

class DruckerTest : public ::testing::Test {
protected:
    FakeFileDialog fileDialog;
    FakeMessageBox messageBox;
    QtPrinter printer;
    std::unique_ptr<frmPelox> w;
    QDir pdfOrdner;
    QStringList vorher;
    QRectF flaeche;  // the drawing area of the page, points

    void SetUp() override
    {
        const QString ordner = qEnvironmentVariable("PELOX_TEST_PDF_DIR");
        ASSERT_FALSE(ordner.isEmpty()) << "PELOX_TEST_PDF_DIR is not set";
        ASSERT_FALSE(qEnvironmentVariable("CUPS_SERVER").isEmpty()) << "CUPS_SERVER is not set";
        pdfOrdner = QDir(ordner);
        ASSERT_TRUE(pdfOrdner.exists()) << ordner.toStdString();
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        ASSERT_FALSE(info.isNull()) << "the test printer is not running";
        flaeche = QPrinter(info, QPrinter::HighResolution).pageLayout().paintRect(QPageLayout::Point);
        vorher = pdfs();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, printer});
        w->show();
    }

    void TearDown() override
    {
        w.reset();
        QLocale::setDefault(QLocale::c());
    }

    QStringList pdfs() const { return pdfOrdner.entryList({QStringLiteral("*.pdf")}, QDir::Files); }

    // The PDFs that arrived since the test began, in the order of their jobs.
    QStringList neue(int erwartet)
    {
        QElapsedTimer uhr;
        uhr.start();
        QStringList r;
        while (uhr.elapsed() < 90000) {
            r.clear();
            for (const QString& name : pdfs()) {
                if (!vorher.contains(name))
                    r << pdfOrdner.filePath(name);
            }
            if (r.size() >= erwartet && aktiveAuftraege() == 0)
                break;
            QThread::msleep(200);
        }
        const QRegularExpression job(QStringLiteral("job_(\\d+)"));
        std::sort(r.begin(), r.end(), [&](const QString& a, const QString& b) {
            return job.match(a).captured(1).toInt() < job.match(b).captured(1).toInt();
        });
        return r;
    }

    QStringList erwarteterText() const
    {
        return {"Dateiname = " + QString::fromStdString(w->DateiPfad), "Anzahl Spitzen = 8",
            "Aussenmass = 19 cm", "Innenmass = 8 cm", "Kp1= 0 Kp2= 0 Kp3= 0", "Höhe = 100%"};
    }
};

} // namespace

TEST_F(DruckerTest, DefaultStarOnOneSheetAtTrueSize)
{
    w->cmdDrucken->click();
    EXPECT_TRUE(messageBox.shown.empty());

    const QStringList pdf = neue(1);
    ASSERT_EQ(pdf.size(), 1);
    EXPECT_EQ(seiten(pdf[0]), 1);
    EXPECT_EQ(zeilen(pdf[0]), erwarteterText());

    const Seite s = rendern(pdf[0]);
    const QSizeF blatt = QPageSize(QPageSize::A4).size(QPageSize::Point);
    EXPECT_NEAR(s.bild.width() / kPunkt, blatt.width(), 1);
    EXPECT_NEAR(s.bild.height() / kPunkt, blatt.height(), 1);
    // Below the data block only the star is dark: 19 cm at 566 twips to the
    // centimetre, centred on the drawing area.
    const auto [links, rechts] = s.waagrecht(flaeche.top() + 100, blatt.height());
    EXPECT_NEAR(rechts - links, 19 * 566 / 20.0, 0.5);
    EXPECT_NEAR((links + rechts) / 2, flaeche.left() + int(flaeche.width() * 20) / 2 / 20.0, 0.5);
}

TEST_F(DruckerTest, TwoSheetsAreTwoJobsAlongTheirCutLines)
{
    w->chkZweiA4->click();
    w->cmdDrucken->click();
    EXPECT_TRUE(messageBox.shown.empty());

    const QStringList pdf = neue(2);
    ASSERT_EQ(pdf.size(), 2);
    EXPECT_EQ(seiten(pdf[0]), 1);
    EXPECT_EQ(seiten(pdf[1]), 1);
    EXPECT_TRUE(zeilen(pdf[0]).isEmpty());
    EXPECT_EQ(zeilen(pdf[1]), erwarteterText());

    // Each half reaches 9.5 cm from its cut line; the centre circle of 60
    // twips sits on the line, so it shows 3 points beyond it.
    const double halb = 9.5 * 566 / 20;
    const double schnitt1 = flaeche.left() + 500 / 20.0;
    const double schnitt2 = flaeche.left() + (flaeche.width() * 20 - 500) / 20;
    const auto [links1, rechts1] = rendern(pdf[0]).waagrecht(0, 10000);
    EXPECT_NEAR(links1, schnitt1 - 3, 0.5);
    EXPECT_NEAR(rechts1, schnitt1 + halb, 0.5);
    const auto [links2, rechts2] = rendern(pdf[1]).waagrecht(flaeche.top() + 100, 10000);
    EXPECT_NEAR(links2, schnitt2 - halb, 0.5);
    EXPECT_NEAR(rechts2, schnitt2 + 3, 0.5);
}

TEST_F(DruckerTest, ARefusedJobIsReportedAndNothingIsPrinted)
{
    const QString ziel = QPrinterInfo::defaultPrinter().printerName();
    run(QStringLiteral("cupsreject"), {ziel});
    w->cmdDrucken->click();
    run(QStringLiteral("cupsaccept"), {ziel});

    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].title, QStringLiteral("Drucken nicht möglich !!"));
    EXPECT_TRUE(messageBox.shown[0].text.contains(QStringLiteral("nichts gedruckt")));
    EXPECT_TRUE(neue(0).isEmpty());
}

TEST_F(DruckerTest, WithoutAPrinterTheMessageAppearsAndNothingIsPrinted)
{
    // The print server is out of reach: for the program there is no printer.
    cupsSetServer("/nonexistent/cups.sock");
    w->chkZweiA4->click();
    w->cmdDrucken->click();
    const double pageWidth = printer.pageWidth();
    cupsSetServer(nullptr);

    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, QStringLiteral(" Es ist kein Drucker eingerichtet !! "));
    EXPECT_EQ(messageBox.shown[0].title, QStringLiteral("Drucken nicht möglich !!"));
    // The page centre still comes from a sensible page: A4 without margins.
    EXPECT_NEAR(pageWidth, 21 * 1440 / 2.54, 10);
    EXPECT_EQ(w->DruckMitteX, std::floor(std::nearbyint(pageWidth) / 2));
    EXPECT_TRUE(neue(0).isEmpty());
}

TEST_F(DruckerTest, SavedPdfHoldsWhatThePrinterPrints)
{
    // The PDF from the picture's menu and from the command line have the
    // printout's pages, text and scale, on one sheet and on two.
    QTemporaryDir ordner;
    for (const bool zweiBlaetter : {false, true}) {
        if (zweiBlaetter)
            w->chkZweiA4->click();
        const QString entwurf = ordner.filePath(zweiBlaetter ? "zwei.plx" : "eins.plx");
        fileDialog.answers = {entwurf};
        w->cmdDatenSpeichern->click();
        w->cmdDrucken->click();
        const QStringList gedruckt = neue(zweiBlaetter ? 2 : 1);
        vorher = pdfs();

        const QString ausMenue = entwurf + ".menue.pdf";
        fileDialog.answers = {ausMenue};
        w->mnuPdfSpeichern->trigger();
        EXPECT_EQ(w->lblDateiName->text(), ausMenue);
        const QString ausAufruf = entwurf + ".aufruf.pdf";
        run(QStringLiteral(PELOX_PROGRAM), {"--pdf", ausAufruf, entwurf});

        for (const QString& gespeichert : {ausMenue, ausAufruf}) {
            ASSERT_EQ(seiten(gespeichert), gedruckt.size()) << gespeichert.toStdString();
            for (int i = 0; i < gedruckt.size(); ++i) {
                EXPECT_EQ(zeilen(gespeichert, i + 1), zeilen(gedruckt[i])) << "sheet " << i + 1;
                const auto [l1, r1] = rendern(gedruckt[i]).waagrecht(flaeche.top() + 100, 10000);
                const auto [l2, r2] = rendern(gespeichert, i + 1).waagrecht(flaeche.top() + 100, 10000);
                EXPECT_NEAR(r2 - l2, r1 - l1, 0.5) << "sheet " << i + 1;
            }
            if (!zweiBlaetter) {
                const auto [links, rechts] = rendern(gespeichert).waagrecht(flaeche.top() + 100, 10000);
                EXPECT_NEAR(rechts - links, 19 * 566 / 20.0, 0.5);
            }
        }
    }
    EXPECT_TRUE(messageBox.shown.empty());
}
