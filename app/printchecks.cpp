// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Around every printout: the check scale switched on or off in the picture's
// menu, and the question before a star is printed that would be cut off.
#include "app/frmpelox.h"

#include "platform/numbers.h"
#include "platform/pdffile.h"
#include "platform/settings.h"
#include "print/druck.h"

#include <QAction>
#include <QCheckBox>

void frmPelox::mnuPruefmass_Click()
{
    einstellungen::PruefmassSetzen(m_ports.settings, mnuPruefmass->isChecked());
}

bool frmPelox::PasstAufsPapier(const PeloxState& s, const QSizeF& seite, const QString& frage)
{
    const druck::Steuerung st = drawingOptions();
    const auto ueber = druck::Pruefen(s, st, seite.width(), seite.height());
    if (!ueber)
        return true;
    const auto masse = [](double breite, double hoehe) {
        return numbers::einDezimal(breite) + QStringLiteral(" x ") + numbers::einDezimal(hoehe) + QStringLiteral(" cm");
    };
    const QString text = tr("Der Pelox ist %1 groß, der druckbare Bereich %2 nur %3: "
                                        "er würde abgeschnitten.\n%4")
                             .arg(masse(ueber->sternBreite, ueber->sternHoehe),
                                 st.zweiBlaetter ? tr("der zwei Blätter") : tr("des Blatts"),
                                 masse(ueber->flaecheBreite, ueber->flaecheHoehe), frage);
    return m_ports.messageBox.ask(text, tr("Pelox zu groß"));
}

bool frmPelox::PdfPasst()
{
    const QSizeF seite = PdfPaper{}.drawingArea();
    return PasstAufsPapier(AufPdfSeite(seite), seite, tr("Trotzdem speichern?"));
}
