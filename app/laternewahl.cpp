// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/laternewahl.h"

#include "net/laterne.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QDoubleSpinBox* feld(double von, double bis, double schritt, double wert, const QString& einheit)
{
    auto* f = new QDoubleSpinBox;
    f->setDecimals(1);
    f->setRange(von, bis);
    f->setSingleStep(schritt);
    f->setSuffix(einheit);
    f->setValue(wert);
    return f;
}

QHBoxLayout* zeile(std::initializer_list<QWidget*> teile)
{
    auto* z = new QHBoxLayout;
    for (QWidget* t : teile)
        z->addWidget(t);
    z->addStretch();
    return z;
}

QIcon farbfeld(const std::optional<netz::Rgb>& farbe)
{
    if (!farbe)
        return {};
    QPixmap bild(16, 16);
    bild.fill(QColor(farbe->rot, farbe->gruen, farbe->blau));
    return QIcon(bild);
}

} // namespace

LaterneWahl::LaterneWahl(QWidget* parent) : QGroupBox(tr("Laterne"), parent)
{
    const LaterneStand start;
    cmdFarbeOben = new QPushButton(tr("Farbe oben …"));
    cmdFarbeUnten = new QPushButton(tr("Farbe unten …"));
    cmdOhneFarbe = new QPushButton(tr("Ohne Farbe"));
    for (QPushButton* b : {cmdFarbeOben, cmdFarbeUnten, cmdOhneFarbe})
        b->setAutoDefault(false);
    chkSchattiert = new QCheckBox(tr("schattiert"));
    chkSchattiert->setToolTip(tr("Jede Fläche heller oder dunkler gedruckt, wie Licht von links oben sie trifft"));
    chkLaschenText = new QCheckBox(tr("Beschriftung auf den Laschen"));
    chkLaschenText->setToolTip(tr("Nummern, Buchstaben und Namen der Teile nur auf den Laschen, so dass die "
                                  "Flächen sauber bleiben"));
    chkFenster = new QCheckBox(tr("Fenster"));
    spnRahmen = feld(netz::kRahmenMin * 10, netz::kRahmenMax * 10, 0.5, start.rahmen, QStringLiteral(" mm"));
    spnRahmen->setToolTip(tr("Breite des Rahmens um jedes Fenster"));
    cboJedes = new QComboBox;
    cboJedes->addItems({tr("in jeder Fläche"), tr("in jeder zweiten Fläche")});
    spnRadius = feld(0, netz::kFensterRadiusMax * 10, 1, start.radius, QStringLiteral(" mm"));
    spnRadius->setToolTip(tr("Radius der gerundeten Fensterecken"));
    chkEinsaetze = new QCheckBox(tr("Einsätze"));
    chkEinsaetze->setToolTip(tr("Für jedes Fenster ein Stück Transparentpapier mit Klebrand, auf eigenen Blättern"));
    chkOeffnung = new QCheckBox(tr("Öffnung für Licht"));
    chkOeffnung->setToolTip(tr("Ein rundes Loch um die untere Spitze für die Fassung einer Lampe, mit einem "
                               "Schlitz für das Kabel"));
    spnOeffnung = feld(netz::kOeffnungMin, netz::kOeffnungMax, 0.5, start.weite, QStringLiteral(" cm"));
    chkAufhaenger = new QCheckBox(tr("Aufhänger"));
    chkAufhaenger->setToolTip(tr("Ein Loch von 4 mm nahe der obersten Spitze in beiden Hälften, zum Aufhängen"));

    auto* form = new QFormLayout(this);
    form->addRow(zeile({cmdFarbeOben, cmdFarbeUnten, cmdOhneFarbe}));
    form->addRow(zeile({chkSchattiert, chkLaschenText}));
    form->addRow(chkFenster, zeile({spnRahmen, cboJedes, new QLabel(tr("Ecken")), spnRadius, chkEinsaetze}));
    form->addRow(chkOeffnung, zeile({spnOeffnung, chkAufhaenger}));

    connect(cmdFarbeOben, &QPushButton::clicked, this, [this] { FarbeWaehlen(0); });
    connect(cmdFarbeUnten, &QPushButton::clicked, this, [this] { FarbeWaehlen(1); });
    connect(cmdOhneFarbe, &QPushButton::clicked, this, [this] {
        m_farben.reset();
        Anzeigen();
        emit geaendert();
    });
    for (QCheckBox* c : {chkSchattiert, chkLaschenText, chkFenster, chkEinsaetze, chkOeffnung, chkAufhaenger})
        connect(c, &QCheckBox::toggled, this, [this] {
            Anzeigen();
            emit geaendert();
        });
    for (QDoubleSpinBox* s : {spnRahmen, spnRadius, spnOeffnung})
        connect(s, &QDoubleSpinBox::valueChanged, this, &LaterneWahl::geaendert);
    connect(cboJedes, &QComboBox::currentIndexChanged, this, &LaterneWahl::geaendert);
    Anzeigen();
}

void LaterneWahl::FarbeWaehlen(int haelfte)
{
    const netz::Rgb jetzt = m_farben ? (*m_farben)[std::size_t(haelfte)] : netz::Rgb{};
    auto* d = new QColorDialog(QColor(jetzt.rot, jetzt.gruen, jetzt.blau), this);
    d->setWindowTitle(haelfte == 0 ? tr("Farbe des Oberteils") : tr("Farbe des Unterteils"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QColorDialog::colorSelected, this,
        [this, haelfte](const QColor& c) { setFarbe(haelfte, {c.red(), c.green(), c.blue()}); });
    d->open();
}

void LaterneWahl::setFarbe(int haelfte, netz::Rgb farbe)
{
    if (!m_farben) {
        // The first colour is the whole star's, and the labels leave its faces.
        m_farben = std::array{farbe, farbe};
        const QSignalBlocker still(chkLaschenText);
        chkLaschenText->setChecked(true);
    }
    (*m_farben)[std::size_t(haelfte)] = farbe;
    Anzeigen();
    emit geaendert();
}

void LaterneWahl::setHaelften(int haelften)
{
    cmdFarbeUnten->setEnabled(haelften == 2);
}

void LaterneWahl::Anzeigen()
{
    cmdFarbeOben->setIcon(farbfeld(m_farben ? std::optional((*m_farben)[0]) : std::nullopt));
    cmdFarbeUnten->setIcon(farbfeld(m_farben ? std::optional((*m_farben)[1]) : std::nullopt));
    cmdOhneFarbe->setEnabled(m_farben.has_value());
    const bool fenster = chkFenster->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{spnRahmen, cboJedes, spnRadius, chkEinsaetze})
        w->setEnabled(fenster);
    spnOeffnung->setEnabled(chkOeffnung->isChecked());
}

void LaterneWahl::eintragen(netz::Vorgabe& v) const
{
    v.beschriftung = chkLaschenText->isChecked() ? netz::Beschriftung::Laschen : netz::Beschriftung::Flaechen;
    v.farbig = m_farben.has_value();
    if (m_farben)
        v.farbe = *m_farben;
    v.schattiert = chkSchattiert->isChecked();
    if (chkFenster->isChecked()) {
        v.fensterRahmen = spnRahmen->value() / 10;
        v.fensterJedes = cboJedes->currentIndex() + 1;
        v.fensterRadius = spnRadius->value() / 10;
        v.einsaetze = chkEinsaetze->isChecked();
    }
    if (chkOeffnung->isChecked())
        v.oeffnung = spnOeffnung->value();
    v.aufhaenger = chkAufhaenger->isChecked();
}

LaterneStand LaterneWahl::stand() const
{
    return {m_farben, chkSchattiert->isChecked(), chkLaschenText->isChecked(), chkFenster->isChecked(),
        spnRahmen->value(), cboJedes->currentIndex() + 1, spnRadius->value(), chkEinsaetze->isChecked(),
        chkOeffnung->isChecked(), spnOeffnung->value(), chkAufhaenger->isChecked()};
}

void LaterneWahl::setStand(const LaterneStand& s)
{
    {
        const QSignalBlocker still(this);
        m_farben = s.farben;
        chkSchattiert->setChecked(s.schattiert);
        chkLaschenText->setChecked(s.laschenText);
        chkFenster->setChecked(s.fenster);
        spnRahmen->setValue(s.rahmen);
        cboJedes->setCurrentIndex(s.jedes - 1);
        spnRadius->setValue(s.radius);
        chkEinsaetze->setChecked(s.einsaetze);
        chkOeffnung->setChecked(s.oeffnung);
        spnOeffnung->setValue(s.weite);
        chkAufhaenger->setChecked(s.aufhaenger);
    }
    Anzeigen();
    emit geaendert();
}
