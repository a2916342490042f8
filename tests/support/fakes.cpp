// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"

#include <algorithm>

QString FakeFileDialog::answer(bool save, const FileDialogRequest& r)
{
    shown.push_back({save, r});
    if (answers.empty())
        return {};
    QString a = answers.front();
    answers.pop_front();
    return a;
}

int RecordingSurface::count(Op::Kind k) const
{
    return int(std::count_if(ops.begin(), ops.end(), [k](const Op& o) { return o.kind == k; }));
}

std::vector<RecordingSurface::Op> RecordingSurface::only(Op::Kind k) const
{
    std::vector<Op> r;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(r), [k](const Op& o) { return o.kind == k; });
    return r;
}
