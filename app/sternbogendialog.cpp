// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sternbogendialog.h"

#include "app/optionen.h"
#include "platform/sprache.h"
#include "print/poster.h"
#include "print/sternbogen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kVorschauBreite = 420;
constexpr int kVorschauHoehe = 300;
// The preview shows this many sheets side by side at most.
constexpr int kVorschauBlaetter = 3;

} // namespace

SternbogenDialog::SternbogenDialog(const PeloxState& entwurf, std::optional<QSizeF> druckerSeite, QWidget* parent)
    : QDialog(parent)
    , m_entwurf(entwurf)
    , m_druckerSeite(druckerSeite)
{
    setWindowTitle(tr("Sternbogen"));
    spnAnzahl = new QSpinBox;
    spnAnzahl->setRange(1, bogen::kAnzahlMax);
    spnAnzahl->setValue(30);
    txtDurchmesser = new QLineEdit(QStringLiteral("5"));
    txtDurchmesser->setToolTip(tr("Ein Durchmesser in cm, oder mehrere Größen als Durchmesser:Anzahl mit + "
                                  "verbunden, etwa 3:10+5:6"));
    cboPapier = new QComboBox;
    if (m_druckerSeite)
        cboPapier->addItem(tr("Papier des Druckers (zum Drucken)"));
    for (const QString& name : poster::papierNamen())
        cboPapier->addItem(name + tr(" (für Dateien)"), name);
    spnAbstand = new QDoubleSpinBox;
    spnAbstand->setRange(0, bogen::kAbstandMax * 10);
    spnAbstand->setSingleStep(0.5);
    spnAbstand->setSuffix(QStringLiteral(" mm"));
    spnAbstand->setValue(bogen::kAbstandStandard * 10);
    spnRand = new QDoubleSpinBox;
    spnRand->setDecimals(2);
    spnRand->setRange(0, poster::kRandMax);
    spnRand->setSingleStep(0.5);
    spnRand->setSuffix(QStringLiteral(" mm"));
    spnRand->setValue(blatt::kPdfRandMm);
    chkNurSchnitt = new QCheckBox(tr("Nur Schnittlinien"));
    chkNurSchnitt->setToolTip(tr("PDF, SVG und DXF nur mit den Umrissen der Sterne, ohne Texte, Prüfmaß und "
                                 "Rahmen, für Schneideplotter"));

    picVorschau = new QLabel;
    picVorschau->setFixedSize(kVorschauBreite, kVorschauHoehe);
    lblBlaetter = new QLabel;
    lblBlaetter->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(tr("Anzahl:"), spnAnzahl);
    form->addRow(tr("Außendurchmesser (cm):"), txtDurchmesser);
    form->addRow(tr("Papier:"), cboPapier);
    form->addRow(tr("Abstand:"), spnAbstand);
    form->addRow(tr("Rand der Seite:"), spnRand);
    form->addRow(chkNurSchnitt);
    form->addRow(lblBlaetter);

    auto* knoepfe = new QDialogButtonBox;
    cmdDrucken = knoepfe->addButton(tr("Drucken"), QDialogButtonBox::AcceptRole);
    cmdPdf = knoepfe->addButton(tr("Als PDF speichern …"), QDialogButtonBox::ActionRole);
    cmdSvg = knoepfe->addButton(tr("Als SVG speichern …"), QDialogButtonBox::ActionRole);
    cmdDxf = knoepfe->addButton(tr("Als DXF speichern …"), QDialogButtonBox::ActionRole);
    cmdAbbrechen = knoepfe->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);

    auto* oben = new QHBoxLayout;
    oben->addLayout(form);
    oben->addWidget(picVorschau);
    auto* ganz = new QVBoxLayout(this);
    ganz->addLayout(oben);
    ganz->addWidget(knoepfe);

    connect(spnAnzahl, &QSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    connect(txtDurchmesser, &QLineEdit::textChanged, this, [this] { Aktualisieren(); });
    connect(spnAbstand, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    connect(spnRand, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    connect(cboPapier, &QComboBox::currentIndexChanged, this, [this] { Aktualisieren(); });
    connect(cmdDrucken, &QPushButton::clicked, this, &SternbogenDialog::druckenGewaehlt);
    connect(cmdPdf, &QPushButton::clicked, this, &SternbogenDialog::pdfGewaehlt);
    connect(cmdSvg, &QPushButton::clicked, this, &SternbogenDialog::svgGewaehlt);
    connect(cmdDxf, &QPushButton::clicked, this, &SternbogenDialog::dxfGewaehlt);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    Aktualisieren();
}

std::optional<PdfPaper> SternbogenDialog::pdfPapier() const
{
    const std::optional<QPageSize> papier = poster::papier(cboPapier->currentData().toString());
    if (!papier)
        return std::nullopt;
    return PdfPaper{*papier, spnRand->value()};
}

void SternbogenDialog::Aktualisieren()
{
    m_bogen.reset();
    const std::optional<PdfPaper> pdf = pdfPapier();
    const QSizeF seite = pdf ? pdf->drawingArea() : m_druckerSeite.value_or(QSizeF());
    const kommandozeile::Groessen g = kommandozeile::groessen(txtDurchmesser->text().trimmed(), spnAnzahl->value());
    int summe = 0;
    std::vector<bogen::Groesse> groessen;
    for (const auto& [durchmesser, anzahl] : g.liste) {
        groessen.push_back({durchmesser, anzahl});
        summe += anzahl;
    }
    QString text = g.fehler;
    if (text.isEmpty() && summe > bogen::kAnzahlMax)
        text = tr("%1 Sterne: höchstens %2 auf einmal").arg(summe).arg(bogen::kAnzahlMax);
    if (text.isEmpty() && !seite.isEmpty()) {
        bogen::Ergebnis e = bogen::auslegen(m_entwurf, groessen, sternbogen::cm(seite.width()),
            sternbogen::cm(seite.height()), spnAbstand->value() / 10);
        text = e.bogen ? sternbogen::blaetterText(*e.bogen) : sprache::text(e.grund);
        m_bogen = std::move(e.bogen);
    }
    lblBlaetter->setText(text);
    cmdDrucken->setEnabled(!pdf && m_bogen);
    cmdPdf->setEnabled(pdf && m_bogen);
    cmdSvg->setEnabled(pdf && m_bogen);
    cmdDxf->setEnabled(pdf && m_bogen);
    spnRand->setEnabled(pdf.has_value());

    QPixmap bild(picVorschau->size());
    bild.fill(Qt::lightGray);
    if (m_bogen) {
        // The first sheets side by side, each as white paper with its stars.
        const int n = std::min(m_bogen->blaetter, kVorschauBlaetter);
        const double rand = 8;
        const double b = m_bogen->bereich.breite(), h = m_bogen->bereich.hoehe();
        const double mass = std::min((bild.width() - rand * (n + 1)) / (n * b), (bild.height() - 2 * rand) / h);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < n; ++i) {
            const QPointF ecke(rand + i * (b * mass + rand), rand);
            p.fillRect(QRectF(ecke, QSizeF(b * mass, h * mass)), Qt::white);
            p.setPen(QPen(Qt::black, 0));
            for (const std::vector<bogen::Punkt>& u : m_bogen->umrisse(i)) {
                QPolygonF linie;
                for (const bogen::Punkt& q : u)
                    linie << ecke + QPointF(q.x * mass, q.y * mass);
                p.drawPolygon(linie);
            }
        }
    }
    picVorschau->setPixmap(bild);
}
