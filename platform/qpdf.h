// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// What Qt cannot set in a PDF, set with libqpdf.
namespace qpdf {

// The document with the viewer preference PrintScaling None in its catalog,
// so that viewers which honour it print at actual size by default instead
// of shrinking the page to fit. Empty when the document cannot be read.
QByteArray actualSize(const QByteArray& pdf);

} // namespace qpdf
