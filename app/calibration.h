// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// The calibration sheet as an A4 PDF, for printing it elsewhere; false when
// it could not be written.
bool EinmessblattSchreiben(const QString& pfad);
