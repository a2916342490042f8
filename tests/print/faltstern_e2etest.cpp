// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The net of the folded star printed from its dialog through the real
// printer port into the private print server: one job, the first page and
// one page per sheet, and every cut spoke where the net has it, at its true
// length.
#include "support/printer.h"

#include "app/faltsterndialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <cmath>

namespace {

constexpr double kPunkteProCm = 72 / 2.54;

using FaltsternDrucker = PrinterTest;

} // namespace

TEST_F(FaltsternDrucker, OneJobWithEveryCutSpokeAtItsTrueLength)
{
    w.mnuFaltstern->trigger();
    FaltsternDialog* d = w.dlgFaltstern;
    ASSERT_TRUE(d);
    ASSERT_EQ(d->spnHoehe->value(), 3.8);
    ASSERT_TRUE(d->cmdDrucken->isEnabled());
    ASSERT_TRUE(d->netz());
    const netz::Netz n = *d->netz();
    d->cmdDrucken->click();
    EXPECT_TRUE(messageBox.shown.empty());
    const QStringList job = pdfs(1);
    ASSERT_EQ(job.size(), 1);
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {job[0]}).contains(QString("Pages:           %1\n").arg(n.blaetter + 1).toUtf8()));

    // A spoke of a piece that is cut ends at the piece's peak.
    const QPointF ursprung = zeichenflaeche().topLeft();
    int speichen = 0;
    for (const netz::Teil& t : n.teile) {
        const netz::Punkt spitze = t.dreiecke.front()[0];
        const std::vector<QLineF> linien = pdfLines(job[0], t.blatt + 2);
        for (std::size_t i = 0; i < t.schnitt.size(); ++i) {
            netz::Punkt a = t.schnitt[i], b = t.schnitt[(i + 1) % t.schnitt.size()];
            if (std::hypot(b.x - spitze.x, b.y - spitze.y) < 1e-9)
                std::swap(a, b);
            if (std::hypot(a.x - spitze.x, a.y - spitze.y) > 1e-9)
                continue;
            ++speichen;
            const QPointF p1 = ursprung + QPointF(a.x, a.y) * kPunkteProCm;
            const QPointF p2 = ursprung + QPointF(b.x, b.y) * kPunkteProCm;
            // Its ends within 0.2 mm, so its length as well.
            const double toleranz = 0.02 * kPunkteProCm;
            bool gefunden = false;
            for (const QLineF& l : linien) {
                const auto nah = [&](QPointF p, QPointF q) { return QLineF(p, q).length() <= toleranz; };
                gefunden |= (nah(l.p1(), p1) && nah(l.p2(), p2)) || (nah(l.p1(), p2) && nah(l.p2(), p1));
            }
            EXPECT_TRUE(gefunden) << "sheet " << t.blatt + 1 << ", spoke of " << std::hypot(b.x - a.x, b.y - a.y)
                                  << " cm";
        }
    }
    // The default design at 3.8 cm is cut: every piece has two spokes along its cut.
    EXPECT_EQ(speichen, 2 * int(n.teile.size()));
    EXPECT_GE(n.teile.size(), 4u);
}
