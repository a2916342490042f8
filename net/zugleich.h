// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <future>
#include <thread>
#include <vector>

namespace netz {

// Runs arbeit(0) to arbeit(n - 1) on as many threads as the machine has
// cores, the calling one among them, each taking the next one not yet
// taken, and returns when all have ended; what one throws is thrown on once
// the others have ended. Each must touch only what is its own, so that the
// result is the same whatever ran where. A thread takes some tens of
// microseconds to start: this is for work of milliseconds, such as the
// pieces of the star.
template <class Arbeit>
void zugleich(std::size_t n, const Arbeit& arbeit)
{
    std::atomic<std::size_t> naechste{0};
    const auto laufen = [&] {
        for (std::size_t k; (k = naechste++) < n;)
            arbeit(k);
    };
    const std::size_t kerne = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t helfer = n > 1 ? std::min(n, kerne) - 1 : 0;
    std::vector<std::future<void>> andere;
    andere.reserve(helfer);
    for (std::size_t i = 0; i < helfer; ++i)
        andere.push_back(std::async(std::launch::async, laufen));
    laufen();
    for (std::future<void>& f : andere)
        f.get();
}

} // namespace netz
