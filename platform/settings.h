// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/kalibrierung.h"

#include <QSettings>
#include <QString>

// What outlives a run: the menu's choices and the calibration of each
// printer. The program keeps them with Qt's settings of the organisation
// "Pelox" and the application "pelox" (on Linux ~/.config/Pelox/pelox.conf);
// the tests keep them in memory.
class SettingsPort {
public:
    virtual ~SettingsPort() = default;
    // The stored text, or a null text when nothing is stored under key.
    virtual QString value(const QString& key) = 0;
    virtual void setValue(const QString& key, const QString& value) = 0;
    virtual void remove(const QString& key) = 0;
};

class QtSettings : public SettingsPort {
public:
    QString value(const QString& key) override;
    void setValue(const QString& key, const QString& value) override;
    void remove(const QString& key) override;

private:
    QSettings m_settings{QStringLiteral("Pelox"), QStringLiteral("pelox")};
};

// The program's own settings on top of the port. A value that was edited by
// hand into something unusable counts as not stored.
namespace einstellungen {

// "Prüfmaß mitdrucken", on unless switched off.
bool Pruefmass(SettingsPort& s);
void PruefmassSetzen(SettingsPort& s, bool an);

// The correction of the printer with this queue name; none when nothing
// usable is stored.
kalibrierung::Korrektur Korrektur(SettingsPort& s, const QString& drucker);
void KorrekturSetzen(SettingsPort& s, const QString& drucker, const kalibrierung::Korrektur& k);
void KorrekturLoeschen(SettingsPort& s, const QString& drucker);

} // namespace einstellungen
