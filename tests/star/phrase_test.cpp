// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A text of the core as written: values put in once each, nested texts
// filled first, numbers with a decimal comma.
#include "star/phrase.h"

#include <gtest/gtest.h>

TEST(Phrase, ValuesArePutInOnceAndAsTheyAre)
{
    const Phrase feld = PELOX_TEXT("plx", "Feld %1 (%2)").arg(5).arg(PELOX_TEXT("plx", "Anzahl Spitzen"));
    EXPECT_EQ(PELOX_TEXT("plx", "%1 muss zwischen %2 und %3 % liegen").arg(feld).arg(0.5, 1).arg(-2).asWritten(),
        "Feld 5 (Anzahl Spitzen) muss zwischen 0,5 und -2 % liegen");
    // A value that holds a placeholder is not filled again; a placeholder
    // without a value, a lone % and one at the end stay.
    EXPECT_EQ(PELOX_TEXT("x", "%2 %1 %3 %").arg(Phrase("%2")).arg(Phrase("b")).asWritten(), "b %2 %3 %");
    EXPECT_EQ(PELOX_TEXT("x", "%9%1%0").arg(12.3456, 2).asWritten(), "%912,35%0");
    EXPECT_TRUE(Phrase().empty());
    EXPECT_FALSE(Phrase("0").empty());
}
