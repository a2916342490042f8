// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The star picture's menu: the star at true size as files for those who print
// elsewhere or cut with a plotter.
#include "app/frmpelox.h"

#include "platform/picturewidget.h"
#include "render/svg.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSaveFile>

void frmPelox::picPelox_ContextMenu(const QPoint& globalPos)
{
    mnuBild->popup(globalPos);
}

void frmPelox::SvgSpeichern()
{
    CommonDialogDatei.FileName = QString::fromStdString(Pfad) + QStringLiteral("Pelox_1.svg");
    CommonDialogDatei.InitDir = QString::fromStdString(Pfad);
    CommonDialogDatei.Filter = QStringLiteral("SVG-Dateien (*.svg)|*.svg|Alle Dateien (*.*)|*.*|");
    CommonDialogDatei.Flags |= CommonDialog::kOverwritePrompt;
    CommonDialogDatei.ShowSave();
    const QString pfad = CommonDialogDatei.FileName;
    if (pfad.isEmpty())
        return;
    const QByteArray svg = starSvg(*this, optPeloxForm[1]->isChecked(), optStrichDicke[1]->isChecked());
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(svg) != svg.size() || !datei.commit()) {
        m_ports.messageBox.show(QStringLiteral(" Die Datei %1 kann nicht geschrieben werden !! ").arg(pfad),
            QStringLiteral("Speichern nicht möglich !!"), MessageBoxPort::kExclamation);
        return;
    }
    lblDateiName->setText(pfad);
}
