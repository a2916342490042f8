// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sessionbus.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char kAddressVariable[] = "DBUS_SESSION_BUS_ADDRESS";

SessionBusPlaces sessionBusPlaces()
{
    SessionBusPlaces places;
    places.address = qgetenv(kAddressVariable);
    places.runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // libdbus tries the folder it was built for before PATH.
    places.launcherDirs << QStringLiteral("/usr/bin");
    places.launcherDirs << qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    return places;
}

} // namespace

bool sessionBusOutOfReach(const SessionBusPlaces& places)
{
    if (!places.address.isEmpty())
        return false;
    // Anything by the bus's name counts: libdbus decides whether it is a
    // bus it may use.
    if (!places.runtimeDir.isEmpty() && QFileInfo::exists(QDir(places.runtimeDir).filePath(QStringLiteral("bus"))))
        return false;
    return QStandardPaths::findExecutable(QStringLiteral("dbus-launch"), places.launcherDirs).isEmpty();
}

void skipHopelessBusLaunch()
{
    // An address of a kind libdbus does not know fails at once, as the
    // launch would, only without the fork.
    if (sessionBusOutOfReach(sessionBusPlaces()))
        qputenv(kAddressVariable, "disabled:");
}
