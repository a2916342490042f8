// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folded star as a 3D model for printers and slicers.
#include "app/frmpelox.h"

#include <QIODevice>

bool frmPelox::StlSchreiben(const QString& pfad, const std::string& daten)
{
    return SicherSchreiben(pfad, [&](QIODevice& datei) {
        return datei.write(daten.data(), qint64(daten.size())) == qint64(daten.size());
    });
}
