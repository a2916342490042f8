// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A named pipe that nobody writes to, for as long as the object lives. Should
// a reader wait on it all the same, it is let go after two seconds, so that
// the test fails instead of hanging.
class Rohr {
public:
    explicit Rohr(std::string pfad) : m_pfad(std::move(pfad))
    {
        EXPECT_EQ(mkfifo(m_pfad.c_str(), 0600), 0) << m_pfad;
        m_faden = std::thread([this] {
            using namespace std::chrono_literals;
            const auto anfang = std::chrono::steady_clock::now();
            while (!m_fertig) {
                // Opened without waiting, this succeeds only while a reader
                // waits, which then reads the end of the pipe.
                if (std::chrono::steady_clock::now() - anfang > 2s) {
                    const int fd = ::open(m_pfad.c_str(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0)
                        ::close(fd);
                }
                std::this_thread::sleep_for(20ms);
            }
        });
    }
    Rohr(const Rohr&) = delete;
    Rohr& operator=(const Rohr&) = delete;
    ~Rohr()
    {
        m_fertig = true;
        m_faden.join();
    }

private:
    std::string m_pfad;
    std::atomic<bool> m_fertig = false;
    std::thread m_faden;
};
