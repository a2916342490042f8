// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "fakes.h"
#include "platform/qtprinter.h"
#include "program.h"

#include <QDir>
#include <QLineF>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

// The stroked lines of a page of a PDF in points, from the top-left corner of
// the page, read from its vector data (poppler's SVG output), not from a
// rendering.
std::vector<QLineF> pdfLines(const QString& pdf, int page = 1);

// The rectangle around the star's lines, on the pages printed here the only
// ones that are neither level nor upright.
QRectF sternUmriss(const std::vector<QLineF>& linien);

// The drawing area of the test printer's page, in points.
QRectF zeichenflaeche();

// The real window printing through the real printer port into the private
// print server that ctest starts, whose default printer writes PDFs. The
// printer's calibration and the menu's choices come from fake settings.
// Numbers are written and read under a German locale.
class PrinterTest : public ::testing::Test {
protected:
    FakeFileDialog fileDialog;
    FakeMessageBox messageBox;
    FakeSettings settings;
    QtPrinter printer{settings};
    frmPelox w{Ports{fileDialog, messageBox, printer, settings}};
    QDir pdfOrdner{qEnvironmentVariable("PELOX_TEST_PDF_DIR"), QStringLiteral("*.pdf")};

    void SetUp() override;
    void TearDown() override;
    void leeren();
    // The PDFs in the order of their jobs, once there are at least n and no
    // job is left in the print server.
    QStringList pdfs(int n);
};
