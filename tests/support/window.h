// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "fakes.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// How many dark pixels the picture has in the rectangle r; pixels outside
// the picture count as light.
int dunkel(const QImage& b, const QRect& r);

// A test that opens the real window offscreen with fake ports, under a German
// locale unless the test sets another one before calling open().
class WindowTest : public ::testing::Test {
protected:
    FakeFileDialog fileDialog;
    FakeMessageBox messageBox;
    FakePrinter printer;
    FakeSettings settings;
    std::unique_ptr<frmPelox> w;

    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); open(); }
    void TearDown() override { w.reset(); QLocale::setDefault(QLocale::c()); }
    void open();

    // A mouse move over a picture, at a position in the picture's own unit
    // (pixels or twips), with the buttons held as the set 1 left, 2 right, 4 middle.
    static void move(PictureWidget* pic, double x, double y, int buttons = 0);
    // Screen position of corner i of the star.
    double sx(int i) const;
    double sy(int i) const;
};
