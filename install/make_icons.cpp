// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNG files for the desktop, from the same
// drawing the window uses: make_icons FOLDER SIZE...
#include "platform/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_icons FOLDER SIZE...\n");
        return 2;
    }
    for (int i = 2; i < args.size(); ++i) {
        const int size = args[i].toInt();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        if (size <= 0 || !QDir().mkpath(dir) || !peloxIconImage(size).save(dir + QStringLiteral("/pelox.png"))) {
            std::fprintf(stderr, "make_icons: cannot write the %s icon\n", qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}
