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

void FakePrinter::record(Op::Kind kind, std::array<double, 4> v, const QString& text, VbColor color)
{
    m_current.ops.push_back({kind, v[0], v[1], v[2], v[3], color, text, m_width, m_style});
}

bool FakePrinter::endDoc()
{
    if (!answers.empty()) {
        m_current.taken = answers.front();
        answers.pop_front();
    }
    jobs.push_back(std::move(m_current));
    m_current = {};
    return jobs.back().taken;
}

int FakePrinter::Job::count(Op::Kind k) const
{
    return int(std::count_if(ops.begin(), ops.end(), [k](const Op& o) { return o.kind == k; }));
}

std::vector<FakePrinter::Op> FakePrinter::Job::only(Op::Kind k) const
{
    std::vector<Op> r;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(r), [k](const Op& o) { return o.kind == k; });
    return r;
}

QStringList FakePrinter::Job::texts() const
{
    QStringList r;
    for (const Op& o : ops) {
        if (o.kind == Op::Text)
            r << o.text;
    }
    return r;
}
