// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop services behind small interfaces. The program gets Qt's
// implementations; the tests get scripted fakes, so no test ever waits on a
// modal dialog or needs a physical printer.

// The properties the window prepares before it shows the common file dialog.
struct FileDialogRequest {
    QString fileName;
    QString initDir;
    QString filter;  // pairs of "description|pattern|"
    int flags = 0;   // 2: ask before an existing file is replaced
};

class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    // The chosen full path, or an empty text when the user cancelled.
    virtual QString showSave(const FileDialogRequest& request) = 0;
    virtual QString showOpen(const FileDialogRequest& request) = 0;
};

class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    static constexpr int kExclamation = 48;
    // A modal box with one OK button.
    virtual void show(const QString& text, const QString& title, int flags) = 0;
};

class PrinterPort {
public:
    virtual ~PrinterPort() = default;
    // The drawing area of the default printer's page, in twips.
    virtual double pageWidth() = 0;
    virtual double pageHeight() = 0;
};

struct Ports {
    FileDialogPort& fileDialog;
    MessageBoxPort& messageBox;
    PrinterPort& printer;
};
