// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtports.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

QStringList QtFileDialog::nameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    const auto jedeDatei = [](QString t) { return t.replace(QStringLiteral("*.*"), QStringLiteral("*")); };
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString text = jedeDatei(parts[i]);
        const QString pattern = jedeDatei(parts[i + 1]);
        if (text.isEmpty())
            continue;
        result << (text.contains(QLatin1Char('(')) ? text : text + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return result;
}

QString QtFileDialog::show(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(request.filter));
    if (!(request.flags & 2))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QList<QUrl> orte = dialog.sidebarUrls();
    for (const QString& ort : request.places)
        orte << QUrl::fromLocalFile(ort);
    dialog.setSidebarUrls(orte);
    const QFileInfo name(request.fileName);
    if (!request.fileName.isEmpty() && name.isAbsolute()) {
        dialog.setDirectory(name.absolutePath());
        dialog.selectFile(name.fileName());
    } else {
        dialog.setDirectory(request.initDir);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialog::showSave(const FileDialogRequest& request)
{
    return show(request, true);
}

QString QtFileDialog::showOpen(const FileDialogRequest& request)
{
    return show(request, false);
}

void QtMessageBox::show(const QString& text, const QString& title, int flags)
{
    QMessageBox box(flags == kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
        QMessageBox::Ok, m_parent);
    box.exec();
}

MessageBoxPort::Answer QtMessageBox::askYesNoCancel(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

bool QtMessageBox::ask(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
