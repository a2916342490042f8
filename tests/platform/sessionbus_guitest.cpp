// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The session bus is given up on only where libdbus could find none and
// start none.
#include "platform/sessionbus.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Sitzungsbus, OutOfReachOnlyWithoutAddressUserBusAndLauncher)
{
    QTemporaryDir laufzeit;
    QTemporaryDir programme;
    SessionBusPlaces orte{{}, laufzeit.path(), {programme.path()}};
    EXPECT_TRUE(sessionBusOutOfReach(orte));

    // A launcher that cannot be run cannot start a bus either.
    QFile starter(programme.filePath("dbus-launch"));
    ASSERT_TRUE(starter.open(QIODevice::WriteOnly));
    starter.close();
    EXPECT_TRUE(sessionBusOutOfReach(orte));
    ASSERT_TRUE(starter.setPermissions(starter.permissions() | QFile::ExeOwner));
    EXPECT_FALSE(sessionBusOutOfReach(orte));
    ASSERT_TRUE(starter.remove());

    QFile bus(laufzeit.filePath("bus"));
    ASSERT_TRUE(bus.open(QIODevice::WriteOnly));
    bus.close();
    EXPECT_FALSE(sessionBusOutOfReach(orte));
    ASSERT_TRUE(bus.remove());

    orte.address = "unix:path=/run/user/1000/bus";
    EXPECT_FALSE(sessionBusOutOfReach(orte));
}
