// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bogen/bogen.h"

#include <QByteArray>

// The sheet of stars for cutting machines: the sheets side by side, 10 mm
// apart, in millimetres, each sheet's frame on a layer of its own and every
// star one closed path on the cutting layer.
QByteArray sternbogenSvg(const bogen::Bogen& b);
