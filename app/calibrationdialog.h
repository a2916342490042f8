// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

class MessageBoxPort;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingsPort;

// "Drucker einmessen": the lengths measured on the calibration sheet become
// the correction of the printer they were printed on. The dialog shows what
// is stored for that printer and can reset it without printing anything;
// the sheet itself is printed from a button of its own.
class EinmessDialog : public QDialog {
    Q_OBJECT

public:
    EinmessDialog(SettingsPort& settings, MessageBoxPort& messageBox, QWidget* parent);

    // Shows the dialog for the printer with this queue name and returns at
    // once; the window stays blocked until the dialog is closed.
    void Zeigen(const QString& drucker);
    // Runs after a correction was stored or reset.
    std::function<void()> geaendert;
    // Prints the calibration sheet on the printer.
    std::function<void()> blattDrucken;

    QLabel* lblAnleitung;
    QLineEdit* txtWaagrecht;
    QLineEdit* txtSenkrecht;
    QLabel* lblKorrektur;
    QPushButton* cmdBlattDrucken;
    QPushButton* cmdUebernehmen;
    QPushButton* cmdZuruecksetzen;
    QPushButton* cmdSchliessen;

    void cmdUebernehmen_Click();
    void cmdZuruecksetzen_Click();

private:
    void KorrekturAnzeigen();

    SettingsPort& m_settings;
    MessageBoxPort& m_messageBox;
    QString m_drucker;
};
