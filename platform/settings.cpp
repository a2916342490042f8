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

QString gruppe(const QString& drucker)
{
    return QStringLiteral("Kalibrierung/") + drucker;
}

// Factors are plain decimals with a point, whatever the desktop's language.
double faktor(SettingsPort& s, const QString& key)
{
    bool ok = false;
    const double f = s.value(key).trimmed().toDouble(&ok);
    return ok && kalibrierung::Gueltig(f) ? f : 0;
}

} // namespace

bool Pruefmass(SettingsPort& s)
{
    return s.value(kPruefmass) != QStringLiteral("false");
}

void PruefmassSetzen(SettingsPort& s, bool an)
{
    s.setValue(kPruefmass, an ? QStringLiteral("true") : QStringLiteral("false"));
}

kalibrierung::Korrektur Korrektur(SettingsPort& s, const QString& drucker)
{
    if (drucker.isEmpty())
        return {};
    const double x = faktor(s, gruppe(drucker) + QStringLiteral("/FaktorX"));
    const double y = faktor(s, gruppe(drucker) + QStringLiteral("/FaktorY"));
    // Half a calibration is none: both axes were measured on the same sheet.
    if (x == 0 || y == 0)
        return {};
    return {x, y};
}

void KorrekturSetzen(SettingsPort& s, const QString& drucker, const kalibrierung::Korrektur& k)
{
    s.setValue(gruppe(drucker) + QStringLiteral("/FaktorX"), QString::number(k.x, 'g', 6));
    s.setValue(gruppe(drucker) + QStringLiteral("/FaktorY"), QString::number(k.y, 'g', 6));
}

void KorrekturLoeschen(SettingsPort& s, const QString& drucker)
{
    s.remove(gruppe(drucker));
}

} // namespace einstellungen
