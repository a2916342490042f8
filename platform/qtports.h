// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ports.h"

#include <QStringList>

class QWidget;

class QtFileDialog : public FileDialogPort {
public:
    explicit QtFileDialog(QWidget* parent) : m_parent(parent) {}
    QString showSave(const FileDialogRequest& request) override;
    QString showOpen(const FileDialogRequest& request) override;

    // "Text (*.x)|*.x|All|*.*|" as Qt's name filters. "*.*" stands for every
    // file, as it does on the desktop the program comes from; here it would
    // leave out every name without a dot, so it becomes "*".
    static QStringList nameFilters(const QString& filter);

private:
    QString show(const FileDialogRequest& request, bool save);
    QWidget* m_parent;
};

class QtMessageBox : public MessageBoxPort {
public:
    explicit QtMessageBox(QWidget* parent) : m_parent(parent) {}
    void show(const QString& text, const QString& title, int flags) override;
    Answer askYesNoCancel(const QString& text, const QString& title) override;
    bool ask(const QString& text, const QString& title) override;

private:
    QWidget* m_parent;
};
