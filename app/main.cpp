// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmpelox.h"
#include "platform/qtports.h"
#include "platform/qtprinter.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QtFileDialog fileDialog(nullptr);
    QtMessageBox messageBox(nullptr);
    QtPrinter printer;
    frmPelox window(Ports{fileDialog, messageBox, printer});
    window.show();
    return app.exec();
}
