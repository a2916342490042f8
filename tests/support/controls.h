// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window with its controls as complete types, for the tests that reach
// into them.
#include "app/frmpelox.h"
#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>
