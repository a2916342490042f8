// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display named in DISPLAY and times it from just
// before the start to the first picture of its window that is already the
// complete picture, the one still shown once the program has settled. The X
// server reports every drawing into the program's windows (Damage extension);
// the probe copies the window at each report and afterwards picks the first
// copy equal to the settled window. It also reads the program's peak resident
// memory (VmHWM) when it has settled.
//
//   pelox_startprobe RUNS SETTLE_MS PROGRAM [ARGUMENTS...]
//
// Prints one line per run, then "startup_ms MEDIAN" and "peak_rss_mb MEDIAN".
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Drawing {
    Clock::time_point at;
    xcb_drawable_t window;
    std::string pixels;
};

struct Result {
    double startupMs = -1;
    double peakMb = -1;
};

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

std::string windowPixels(xcb_connection_t* c, xcb_drawable_t window)
{
    Reply<xcb_get_geometry_reply_t> geo(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
    if (!geo)
        return {};
    Reply<xcb_get_image_reply_t> img(xcb_get_image_reply(c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geo->width, geo->height, ~0u), nullptr), &std::free);
    if (!img)
        return {};
    const auto* data = reinterpret_cast<const char*>(xcb_get_image_data(img.get()));
    return std::string(data, std::size_t(xcb_get_image_data_length(img.get())));
}

double peakResidentMb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

Result probe(char** program, int settleMs)
{
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        std::exit(2);
    }
    const xcb_query_extension_reply_t* damageExt = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damageExt || !damageExt->present) {
        std::fprintf(stderr, "the X server has no Damage extension\n");
        std::exit(2);
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip, so that the server watches the root before the program starts.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, program[0], nullptr, nullptr, program, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program[0]);
        std::exit(2);
    }

    std::map<xcb_window_t, xcb_damage_damage_t> watched;
    std::vector<Drawing> drawings;
    const Clock::time_point giveUp = start + std::chrono::seconds(20);
    Clock::time_point settled = giveUp;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (Clock::now() < settled) {
        xcb_generic_event_t* ev = xcb_poll_for_event(c);
        if (!ev) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(settled - Clock::now());
            poll(&pfd, 1, int(std::max<long long>(1, left.count())));
            continue;
        }
        const Clock::time_point now = Clock::now();
        const int type = ev->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* cr = reinterpret_cast<xcb_create_notify_event_t*>(ev);
            if (cr->parent == root) {
                const xcb_damage_damage_t d = xcb_generate_id(c);
                xcb_damage_create(c, d, cr->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                watched[cr->window] = d;
                xcb_flush(c);
            }
        } else if (type == damageExt->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* dn = reinterpret_cast<xcb_damage_notify_event_t*>(ev);
            xcb_damage_subtract(c, dn->damage, XCB_NONE, XCB_NONE);
            drawings.push_back({now, dn->drawable, windowPixels(c, dn->drawable)});
            if (drawings.size() == 1)
                settled = now + std::chrono::milliseconds(settleMs);
        }
        std::free(ev);
    }

    Result r;
    r.peakMb = peakResidentMb(pid);
    if (!drawings.empty()) {
        const std::string final = windowPixels(c, drawings.front().window);
        for (const Drawing& d : drawings) {
            if (d.window == drawings.front().window && d.pixels == final && !final.empty()) {
                r.startupMs = ms(d.at - start);
                break;
            }
        }
        std::fprintf(stderr, "  %zu drawings, the first after %.1f ms\n", drawings.size(),
            ms(drawings.front().at - start));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    for (const auto& [window, damage] : watched)
        xcb_damage_destroy(c, damage);
    xcb_disconnect(c);
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int settleMs = std::atoi(argv[2]);
    std::vector<double> startup;
    std::vector<double> peak;
    for (int i = 1; i <= runs; ++i) {
        const Result r = probe(argv + 3, settleMs);
        std::fprintf(stderr, "run %d: complete picture after %.1f ms, peak resident %.1f MB\n", i, r.startupMs,
            r.peakMb);
        if (r.startupMs < 0 || r.peakMb < 0) {
            std::fprintf(stderr, "run %d: no complete picture or no memory figure\n", i);
            return 1;
        }
        startup.push_back(r.startupMs);
        peak.push_back(r.peakMb);
    }
    std::printf("startup_ms %.2f\npeak_rss_mb %.2f\n", median(startup), median(peak));
    return 0;
}
