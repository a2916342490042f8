// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/frmpelox.h"
#include "support/fakes.h"

#include <benchmark/benchmark.h>
#include <memory>

// The real window, offscreen, with scripted ports.
struct BenchWindow {
    FakeFileDialog fileDialog;
    FakeMessageBox messageBox;
    FakePrinter printer;
    FakeSettings settings;
    std::unique_ptr<frmPelox> w;

    BenchWindow();
    ~BenchWindow();
};

// The heaviest star the controls allow: 36 points, both diameters 19 cm, the
// curve on with three non-zero bend values, "Drei-D" and "dick", all set
// through the controls and the curve editor as a user would. False, with the
// benchmark marked as failed, when the window did not end up there.
bool setWorstCase(benchmark::State& state, frmPelox& w);

// Paints what is due in the window now, as the event loop does after each
// event.
void paintPending(frmPelox& w);

// Runs the pending events, so that a benchmark starts with nothing queued.
void settle();
