// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings.h"

QString QtSettings::value(const QString& key)
{
    // A hand-edited list ("0.98, 1") or group is no text and reads as nothing.
    const QVariant v = m_settings.value(key);
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

void QtSettings::setValue(const QString& key, const QString& value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
}

void QtSettings::remove(const QString& key)
{
    m_settings.remove(key);
    m_settings.sync();
}

namespace einstellungen {

namespace {

const QString kPruefmass = QStringLiteral("Druck/Pruefmass");

} // namespace

bool Pruefmass(SettingsPort& s)
{
    return s.value(kPruefmass) != QStringLiteral("false");
}

void PruefmassSetzen(SettingsPort& s, bool an)
{
    s.setValue(kPruefmass, an ? QStringLiteral("true") : QStringLiteral("false"));
}

} // namespace einstellungen
