// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calibrationdialog.h"

#include "paper/kalibrierung.h"
#include "platform/numbers.h"
#include "platform/ports.h"
#include "platform/settings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Prozent(double faktor)
{
    return numbers::einDezimal(faktor * 100) + QStringLiteral(" %");
}

// A length in cm, taken as typed: no key is swallowed on the way, since a
// decimal sign dropped while typing would turn 18.1 into 181. "Übernehmen"
// checks the whole text and says what it needs.
QLineEdit* laengenFeld(QWidget* parent)
{
    return new QLineEdit(parent);
}

} // namespace

EinmessDialog::EinmessDialog(SettingsPort& settings, MessageBoxPort& messageBox, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_messageBox(messageBox)
{
    setWindowTitle(tr("Drucker einmessen"));
    setWindowModality(Qt::WindowModal);
    lblAnleitung = new QLabel(this);
    lblAnleitung->setWordWrap(true);
    txtWaagrecht = laengenFeld(this);
    txtSenkrecht = laengenFeld(this);
    lblKorrektur = new QLabel(this);
    cmdBlattDrucken = new QPushButton(tr("Einmessblatt drucken"), this);
    cmdBlattDrucken->setAutoDefault(false);
    auto* tasten = new QDialogButtonBox(this);
    cmdUebernehmen = tasten->addButton(tr("Übernehmen"), QDialogButtonBox::AcceptRole);
    cmdZuruecksetzen = tasten->addButton(tr("Zurücksetzen"), QDialogButtonBox::ResetRole);
    cmdSchliessen = tasten->addButton(tr("Schließen"), QDialogButtonBox::RejectRole);
    cmdUebernehmen->setDefault(true);

    auto* felder = new QFormLayout;
    felder->addRow(tr("Waagrechtes Lineal (soll %1 cm), gemessen in cm:")
                       .arg(numbers::kurz(float(kalibrierung::kLinealWaagrecht))),
        txtWaagrecht);
    felder->addRow(tr("Senkrechtes Lineal (soll %1 cm), gemessen in cm:")
                       .arg(numbers::kurz(float(kalibrierung::kLinealSenkrecht))),
        txtSenkrecht);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(lblAnleitung);
    spalte->addWidget(cmdBlattDrucken, 0, Qt::AlignLeft);
    spalte->addLayout(felder);
    spalte->addWidget(lblKorrektur);
    spalte->addWidget(tasten);

    connect(cmdBlattDrucken, &QPushButton::clicked, this, [this] {
        if (blattDrucken)
            blattDrucken();
    });
    connect(cmdUebernehmen, &QPushButton::clicked, this, [this] { cmdUebernehmen_Click(); });
    connect(cmdZuruecksetzen, &QPushButton::clicked, this, [this] { cmdZuruecksetzen_Click(); });
    connect(cmdSchliessen, &QPushButton::clicked, this, &QDialog::reject);
}

void EinmessDialog::Zeigen(const QString& drucker)
{
    m_drucker = drucker;
    if (drucker.isEmpty())
        lblAnleitung->setText(tr(
            "Es ist kein Drucker eingerichtet. Sobald einer eingerichtet ist, kann er hier eingemessen werden."));
    else
        lblAnleitung->setText(
            tr("Drucken Sie das Einmessblatt auf dem Drucker \"%1\", messen Sie beide Lineale von der "
                           "Ecke bis zum Ende nach und tragen Sie die Längen ein. Jeder weitere Ausdruck auf diesem "
                           "Drucker wird dann in beiden Richtungen so berichtigt, dass er genau stimmt.")
                .arg(drucker));
    for (QWidget* teil : std::initializer_list<QWidget*>{cmdBlattDrucken, txtWaagrecht, txtSenkrecht, cmdUebernehmen})
        teil->setEnabled(!drucker.isEmpty());
    txtWaagrecht->clear();
    txtSenkrecht->clear();
    KorrekturAnzeigen();
    open();
}

void EinmessDialog::KorrekturAnzeigen()
{
    const kalibrierung::Korrektur k = einstellungen::Korrektur(m_settings, m_drucker);
    lblKorrektur->setText(k.aktiv() ? tr("Gespeicherte Korrektur: waagrecht %1, senkrecht %2")
                                          .arg(Prozent(k.x), Prozent(k.y))
                                    : tr("Gespeicherte Korrektur: keine"));
    cmdZuruecksetzen->setEnabled(k.aktiv() && !m_drucker.isEmpty());
}

void EinmessDialog::cmdUebernehmen_Click()
{
    const QString titel = tr("Drucker einmessen");
    const std::optional<double> waagrecht = numbers::zahl(txtWaagrecht->text());
    const std::optional<double> senkrecht = numbers::zahl(txtSenkrecht->text());
    if (!waagrecht || !senkrecht) {
        m_messageBox.show(tr(" Bitte beide Längen als Zahl in cm eintragen, zum Beispiel %1 !! ")
                              .arg(numbers::einDezimal(kalibrierung::kLinealWaagrecht + 0.1)),
            titel, MessageBoxPort::kExclamation);
        return;
    }
    const kalibrierung::Einmessung e = kalibrierung::Einmessen(*waagrecht, *senkrecht);
    switch (e.urteil) {
    case kalibrierung::Urteil::Unmoeglich:
        m_messageBox.show(tr(" Aus diesen Längen ergäbe sich eine Korrektur außerhalb von %1 bis %2. "
                                         "So weit weicht kein Drucker ab: bitte die Längen in cm nachmessen !! ")
                              .arg(Prozent(kalibrierung::kKleinsterFaktor), Prozent(kalibrierung::kGroessterFaktor)),
            titel, MessageBoxPort::kExclamation);
        return;
    case kalibrierung::Urteil::Verdaechtig:
        if (!m_messageBox.ask(
                tr("Die gemessenen Längen weichen um mehr als %1 ab (Korrektur %2 x %3). Das sieht nach "
                               "einer Verkleinerung im Druckdialog oder im Druckertreiber aus (\"An Seite anpassen\"), "
                               "nicht nach einer Ungenauigkeit des Druckers.\nTrotzdem speichern?")
                    .arg(Prozent(kalibrierung::kVerdaechtig), Prozent(e.korrektur.x), Prozent(e.korrektur.y)),
                titel))
            return;
        break;
    case kalibrierung::Urteil::Gut:
        break;
    }
    einstellungen::KorrekturSetzen(m_settings, m_drucker, e.korrektur);
    KorrekturAnzeigen();
    if (geaendert)
        geaendert();
    accept();
}

void EinmessDialog::cmdZuruecksetzen_Click()
{
    einstellungen::KorrekturLoeschen(m_settings, m_drucker);
    KorrekturAnzeigen();
    if (geaendert)
        geaendert();
}
