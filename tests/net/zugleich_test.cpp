// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/zugleich.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

TEST(Zugleich, EachPieceOfWorkRunsOnceAndAFaultReachesTheCaller)
{
    for (const std::size_t n : {0u, 1u, 2u, 7u, 100u}) {
        std::vector<std::atomic<int>> gelaufen(n);
        netz::zugleich(n, [&](std::size_t k) { ++gelaufen[k]; });
        for (std::size_t k = 0; k < n; ++k)
            EXPECT_EQ(gelaufen[k], 1) << n << " " << k;
    }
    // The others run to their end before the fault is passed on.
    std::atomic<int> fertig{0};
    EXPECT_THROW(netz::zugleich(8,
                     [&](std::size_t k) {
                         if (k == 3)
                             throw std::runtime_error("kaputt");
                         ++fertig;
                     }),
        std::runtime_error);
    EXPECT_EQ(fertig, 7);
}

} // namespace
