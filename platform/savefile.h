// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Writes a file so that it is never left half written: the content goes to a
// temporary file beside the target, which replaces the target in one rename
// only once everything was written. False when anything failed; then the
// target is as it was and no temporary file is left.
bool saveReplacing(const QString& path, const std::function<bool(QIODevice&)>& write);
