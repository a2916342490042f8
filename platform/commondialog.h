// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ports.h"

// The window's common file dialog: properties that keep their values between
// uses, and the two ways of showing it. After either, FileName holds the chosen
// full path, or an empty text when the user cancelled.
class CommonDialog {
public:
    static constexpr int kOverwritePrompt = 2;

    explicit CommonDialog(FileDialogPort& port) : m_port(port) {}

    QString FileName;
    QString InitDir;
    QString Filter;
    int Flags = 0;

    void ShowSave() { FileName = m_port.showSave(request({})); }
    // places: folders offered for this once, beside the desktop's own.
    void ShowOpen(const QStringList& places = {}) { FileName = m_port.showOpen(request(places)); }

private:
    FileDialogRequest request(const QStringList& places) const { return {FileName, InitDir, Filter, Flags, places}; }
    FileDialogPort& m_port;
};
