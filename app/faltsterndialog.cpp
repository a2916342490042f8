// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/faltsterndialog.h"
#include "app/schnittwahl.h"

#include "app/sternansicht.h"
#include "net/ansicht.h"
#include "platform/colors.h"
#include "platform/sprache.h"
#include "platform/pdffile.h"
#include "poster/plan.h"
#include "print/faltnetz.h"
#include "print/poster.h"
#include "render/netzsvg.h"
#include "render/sternbild.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QSpinBox>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kVorschauBreite = 380;  // logical pixels
constexpr int kVorschauHoehe = 320;
constexpr int kAbstand = 6;           // between the sheets of the preview

QDoubleSpinBox* zahlFeld(double von, double bis, double schritt, double wert, int stellen)
{
    auto* s = new QDoubleSpinBox;
    s->setDecimals(stellen);
    s->setRange(von, bis);
    s->setSingleStep(schritt);
    s->setSuffix(QStringLiteral(" cm"));
    s->setValue(wert);
    return s;
}

// The sheets in rows and columns, as large as the preview allows.
struct Raster {
    int spalten = 1;
    double pixelProCm = 0;
};

Raster raster(int blaetter, double breite, double hoehe)
{
    Raster beste;
    for (int spalten = 1; spalten <= blaetter; ++spalten) {
        const int zeilen = (blaetter + spalten - 1) / spalten;
        const double s = std::min((kVorschauBreite - kAbstand * (spalten + 1)) / (spalten * breite),
            (kVorschauHoehe - kAbstand * (zeilen + 1)) / (zeilen * hoehe));
        if (s > beste.pixelProCm)
            beste = {spalten, s};
    }
    return beste;
}

} // namespace

FaltsternDialog::FaltsternDialog(
    const PeloxState& entwurf, std::optional<QSizeF> druckerSeite, const FaltsternWahl* letzte, QWidget* parent)
    : QDialog(parent)
    , m_entwurf(entwurf)
    , m_druckerSeite(druckerSeite)
{
    setWindowTitle(tr("Faltstern"));
    // The design's own diameter, on the dialog's half-centimetre steps.
    const double eigen = std::clamp(
        std::round(double(entwurf.AussenDurchmesser) / netz::kDurchmesserSchritt) * netz::kDurchmesserSchritt,
        netz::kDurchmesserMin, netz::kDurchmesserMax);
    spnDurchmesser
        = zahlFeld(netz::kDurchmesserMin, netz::kDurchmesserMax, netz::kDurchmesserSchritt, eigen, 1);
    // Two decimals, so that the natural height is taken as it is.
    spnHoehe = zahlFeld(netz::kHoeheMin, eigen, 0.1, 0.4 * eigen / 2, 2);
    cmdNatuerlich = new QPushButton(tr("Natürliche Höhe"));
    cmdNatuerlich->setAutoDefault(false);
    spnLasche = zahlFeld(netz::kLascheMin, netz::kLascheMax, 0.1, netz::kLascheStandard, 1);
    cboPapier = new QComboBox;
    if (m_druckerSeite)
        cboPapier->addItem(tr("Papier des Druckers (zum Drucken)"));
    for (const QString& name : poster::papierNamen())
        cboPapier->addItem(tr("%1 (für Dateien)").arg(name), name);
    cboHaelften = new QComboBox;
    cboHaelften->addItems({tr("Ober- und Unterteil"), tr("nur eine Hälfte")});
    cboZiel = new QComboBox;
    cboZiel->addItems({tr("wenige Teile (weniger kleben)"), tr("wenige Blätter")});
    spnAnzahl = new QSpinBox;
    spnAnzahl->setRange(1, netz::kKopienMax);
    spnAnzahl->setToolTip(tr("So viele Sterne auf einmal: ihre Teile kommen zusammen auf möglichst wenige Blätter."));

    lblErgebnis = new QLabel;
    lblErgebnis->setWordWrap(true);
    lblErgebnis->setMinimumWidth(260);
    picBlaetter = new QLabel;
    picBlaetter->setFixedSize(kVorschauBreite, kVorschauHoehe);
    picStern = new SternAnsicht;
    picStern->setFixedSize(kVorschauHoehe, kVorschauHoehe);
    picStern->setToolTip(tr("Ziehen dreht den Stern, das Mausrad zoomt, ein Doppelklick zeigt ihn wieder von vorn."));
    chkLeuchtend = new QCheckBox(tr("leuchtend"));
    chkLeuchtend->setToolTip(tr("Der Stern bei Nacht, von innen beleuchtet"));
    laterne = new LaterneWahl;

    auto* hoehe = new QHBoxLayout;
    hoehe->addWidget(spnHoehe, 1);
    hoehe->addWidget(cmdNatuerlich);
    auto* form = new QFormLayout;
    form->addRow(tr("Außendurchmesser:"), spnDurchmesser);
    form->addRow(tr("Höhe der Spitze:"), hoehe);
    form->addRow(tr("Laschen:"), spnLasche);
    form->addRow(tr("Papier:"), cboPapier);
    form->addRow(tr("Hälften:"), cboHaelften);
    form->addRow(tr("Zerlegen in:"), cboZiel);
    form->addRow(tr("Anzahl:"), spnAnzahl);
    schnittWahl = new SchnittWahl;
    form->addRow(tr("Für Schneidemaschinen:"), schnittWahl);
    form->addRow(lblErgebnis);

    auto* knoepfe = new QDialogButtonBox;
    cmdDrucken = knoepfe->addButton(tr("Drucken"), QDialogButtonBox::AcceptRole);
    cmdPdf = knoepfe->addButton(tr("Als PDF speichern …"), QDialogButtonBox::ActionRole);
    cmdSvg = knoepfe->addButton(tr("Als SVG speichern …"), QDialogButtonBox::ActionRole);
    cmdDxf = knoepfe->addButton(tr("Als DXF speichern …"), QDialogButtonBox::ActionRole);
    cmdStl = knoepfe->addButton(tr("Als 3D-Modell speichern …"), QDialogButtonBox::ActionRole);
    cmdAbbrechen = knoepfe->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);

    auto* stern = new QVBoxLayout;
    stern->addWidget(picStern);
    stern->addWidget(chkLeuchtend);
    auto* bilder = new QGridLayout;
    bilder->addWidget(picBlaetter, 0, 0, Qt::AlignTop);
    bilder->addLayout(stern, 0, 1, Qt::AlignTop);
    bilder->addWidget(laterne, 1, 0, 1, 2);
    bilder->setRowStretch(2, 1);
    auto* oben = new QHBoxLayout;
    oben->addLayout(form);
    oben->addLayout(bilder);
    auto* ganz = new QVBoxLayout(this);
    ganz->addLayout(oben);
    ganz->addWidget(knoepfe);

    if (letzte) {
        spnDurchmesser->setValue(letzte->durchmesser);
        NatuerlicheHoeheSetzen();
        spnHoehe->setValue(letzte->hoehe);
        m_natuerlichGewaehlt = letzte->natuerlich;
        spnLasche->setValue(letzte->lasche);
        const int papier = letzte->papier.isEmpty() ? 0 : cboPapier->findData(letzte->papier);
        cboPapier->setCurrentIndex(std::max(papier, 0));
        cboHaelften->setCurrentIndex(letzte->haelften);
        cboZiel->setCurrentIndex(letzte->ziel);
        spnAnzahl->setValue(letzte->anzahl);
        laterne->setStand(letzte->laterne);
        chkLeuchtend->setChecked(letzte->leuchtend);
    }

    connect(spnDurchmesser, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    // A height typed or stepped by the user is taken as it is; the natural
    // one follows the diameter until then.
    connect(spnHoehe, &QDoubleSpinBox::valueChanged, this, [this] {
        m_natuerlichGewaehlt = false;
        Aktualisieren();
    });
    connect(cmdNatuerlich, &QPushButton::clicked, this, [this] {
        m_natuerlichGewaehlt = true;
        Aktualisieren();
    });
    connect(spnLasche, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    connect(spnAnzahl, &QSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    for (QComboBox* c : {cboPapier, cboHaelften, cboZiel})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { Aktualisieren(); });
    connect(laterne, &LaterneWahl::geaendert, this, [this] { Aktualisieren(); });
    // The light alone changes nothing but the view.
    connect(chkLeuchtend, &QCheckBox::toggled, picStern, &SternAnsicht::setLeuchtend);
    connect(cmdDrucken, &QPushButton::clicked, this, &FaltsternDialog::druckenGewaehlt);
    connect(cmdPdf, &QPushButton::clicked, this, &FaltsternDialog::pdfGewaehlt);
    connect(cmdSvg, &QPushButton::clicked, this, &FaltsternDialog::svgGewaehlt);
    connect(cmdDxf, &QPushButton::clicked, this, &FaltsternDialog::dxfGewaehlt);
    connect(cmdStl, &QPushButton::clicked, this, &FaltsternDialog::stlGewaehlt);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    Aktualisieren();
}

double FaltsternDialog::durchmesser() const
{
    return spnDurchmesser->value();
}

int FaltsternDialog::haelften() const
{
    return cboHaelften->currentIndex() == 1 ? 1 : 2;
}

double FaltsternDialog::hoehe() const
{
    return m_natuerlichGewaehlt && m_natuerlich ? *m_natuerlich : spnHoehe->value();
}

std::optional<QPageSize> FaltsternDialog::dateiPapier() const
{
    return poster::papier(cboPapier->currentData().toString());
}

FaltsternWahl FaltsternDialog::wahl() const
{
    return {durchmesser(), spnHoehe->value(), m_natuerlichGewaehlt, spnLasche->value(),
        cboPapier->currentData().toString(), cboHaelften->currentIndex(), cboZiel->currentIndex(),
        spnAnzahl->value(), laterne->stand(), chkLeuchtend->isChecked()};
}

void FaltsternDialog::NatuerlicheHoeheSetzen()
{
    // The natural height is a search over many heights; it changes with the
    // diameter alone, and with it the highest peak, which holds it.
    if (m_natuerlichFuer == durchmesser())
        return;
    const PeloxState stern = poster::skaliert(m_entwurf, durchmesser());
    m_natuerlich = netz::natuerlicheHoehe(stern);
    m_natuerlichFuer = durchmesser();
    const QSignalBlocker still(spnHoehe);
    spnHoehe->setMaximum(netz::hoeheMax(stern, m_natuerlich));
}

void FaltsternDialog::Aktualisieren()
{
    const PeloxState stern = poster::skaliert(m_entwurf, durchmesser());
    NatuerlicheHoeheSetzen();
    cmdNatuerlich->setEnabled(m_natuerlich.has_value());
    cmdNatuerlich->setToolTip(m_natuerlich
            ? tr("Die Höhe, bei der sich der flache Stern ohne Schnitt zu einer Hälfte faltet: %1 cm")
                  .arg(sprache::dezimal(*m_natuerlich, 2))
            : tr("Dieser Stern hat keine natürliche Höhe: bei keiner Höhe der Spitze ergeben die Winkel einer "
                 "Hälfte genau 360°."));
    if (m_natuerlichGewaehlt && m_natuerlich) {
        const QSignalBlocker still(spnHoehe);
        spnHoehe->setValue(*m_natuerlich);
    }

    const std::optional<QPageSize> papier = dateiPapier();
    const QSizeF twips = papier ? PdfPaper{*papier}.drawingArea() : m_druckerSeite.value_or(QSizeF());
    const QSizeF blatt(faltnetz::cm(twips.width()), faltnetz::cm(twips.height()));
    netz::Vorgabe& v = m_vorgabe;
    v = {};
    v.hoehe = hoehe();
    v.lasche = spnLasche->value();
    v.haelften = haelften();
    v.ziel = cboZiel->currentIndex() == 1 ? netz::Ziel::WenigeBlaetter : netz::Ziel::WenigeTeile;
    v.kopien = spnAnzahl->value();
    v.blattBreite = blatt.width();
    v.blattHoehe = blatt.height();
    laterne->eintragen(v);
    laterne->setHaelften(v.haelften);
    // The folded star first, which a net that does not fit the paper still
    // leaves. Without the lantern's cuts it is all the 3D view shows, and its
    // picture is drawn on a helper thread while the net is cut; the cuts show
    // where the net holds them, and a star that does not fit the paper is
    // still shown in its colours.
    m_koerper = netz::falten(stern, v.hoehe).koerper;
    const bool schnitte = v.fensterRahmen > 0 || v.oeffnung > 0 || v.aufhaenger;
    const auto zeigen = [&](netz::Szene szene) {
        szene.farbe = v.farbe;
        szene.leuchtend = chkLeuchtend->isChecked();
        picStern->zeigen(std::move(szene));
    };
    if (!schnitte)
        zeigen(m_koerper ? netz::szene(*m_koerper, haelften()) : netz::Szene{});
    netz::Ergebnis e = netz::entfalten(stern, v);
    m_netz = std::move(e.netz);
    if (schnitte) {
        zeigen(m_netz ? netz::szene(*m_netz, v)
                : m_koerper ? netz::szene(*m_koerper, haelften())
                            : netz::Szene{});
    }

    // The finished star's size leads, where it can be folded at all.
    QString text = m_koerper ? sprache::text(netz::fertigerStern(*m_koerper, haelften())) + QLatin1Char('\n')
                             : QString();
    if (m_netz) {
        int oben = 0;
        for (const netz::Teil& t : m_netz->teile)
            oben += t.oberteil;
        const int teile = int(m_netz->teile.size());
        const QString anzahl = teile == 1 ? tr("1 Teil") : tr("%1 Teile").arg(teile);
        const QString blaetter
            = m_netz->blaetter == 1 ? tr("1 Blatt") : tr("%1 Blättern").arg(m_netz->blaetter);
        const QString winkel = tr("Winkelsumme einer Hälfte: %1°")
                                   .arg(sprache::dezimal(m_netz->winkelsumme * 180 / std::acos(-1.0), 1));
        text += oben < teile
            ? tr("%1\n%2 (Oberteil %3, Unterteil %4) auf %5")
                  .arg(winkel, anzahl, QString::number(oben), QString::number(teile - oben), blaetter)
            : tr("%1\n%2 auf %3").arg(winkel, anzahl, blaetter);
        if (m_netz->einsatzBlaetter > 0) {
            text += QLatin1Char('\n')
                + (m_netz->einsatzBlaetter == 1 ? tr("Einsätze auf 1 Blatt")
                                                : tr("Einsätze auf %1 Blättern").arg(m_netz->einsatzBlaetter));
        }
        for (const Phrase& h : m_netz->hinweise)
            text += QLatin1Char('\n') + sprache::text(h);
    } else {
        text += sprache::text(e.grund);
    }
    lblErgebnis->setText(text);
    cmdDrucken->setEnabled(m_netz && !papier);
    cmdPdf->setEnabled(m_netz && papier);
    cmdSvg->setEnabled(m_netz && papier);
    cmdDxf->setEnabled(m_netz && papier);
    cmdStl->setEnabled(m_koerper.has_value());
    BlaetterZeichnen();
}

void FaltsternDialog::BlaetterZeichnen()
{
    const double ratio = devicePixelRatioF();
    QImage bild(QSize(kVorschauBreite, kVorschauHoehe) * ratio, QImage::Format_RGB32);
    bild.setDevicePixelRatio(ratio);
    bild.fill(palette().color(QPalette::Window));
    if (m_netz && m_netz->blaetter > 0) {
        const netz::Netz& n = *m_netz;
        const int blaetter = n.blaetter + n.einsatzBlaetter;
        const Raster r = raster(blaetter, n.blattBreite, n.blattHoehe);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        // The pieces in the colours of the plotter's file: each piece cut in
        // black around its card, or its faces in their colours with the tabs
        // white, what is cut out of it showing the sheet, the folds in the
        // colours of their kinds; then the inserts on their own sheets. The
        // labels would be specks at this size.
        const auto ort = [&](int b, netz::Punkt p) {
            return QPointF(kAbstand + (b % r.spalten) * (n.blattBreite * r.pixelProCm + kAbstand) + p.x * r.pixelProCm,
                kAbstand + (b / r.spalten) * (n.blattHoehe * r.pixelProCm + kAbstand) + p.y * r.pixelProCm);
        };
        const auto vieleck = [&](int b, const std::vector<netz::Punkt>& punkte) {
            QPolygonF v;
            v.reserve(qsizetype(punkte.size()));
            for (const netz::Punkt& p : punkte)
                v << ort(b, p);
            return v;
        };
        const QPen schnitt(netzFarbe(std::nullopt), 0);
        maler.setPen(QColor(160, 160, 160));
        maler.setBrush(Qt::white);
        for (int b = 0; b < blaetter; ++b)
            maler.drawRect(QRectF(ort(b, {0, 0}), ort(b, {n.blattBreite, n.blattHoehe})));
        // The areas plain, which costs the painter a fraction of smoothing
        // them: the smoothed lines drawn over them hide their steps.
        const bool bemalt = m_vorgabe.farbig || m_vorgabe.schattiert;
        maler.setRenderHint(QPainter::Antialiasing, false);
        maler.setPen(Qt::NoPen);
        for (const netz::Teil& t : n.teile) {
            maler.setBrush(bemalt ? QColor(Qt::white) : toQColor(flaechenFarbe(0.8)));
            maler.drawPolygon(vieleck(t.blatt, t.schnitt));
            if (bemalt) {
                for (const netz::Anstrich& a : t.anstrich) {
                    maler.setBrush(toQColor(flaechenFarbe(a.helligkeit, m_vorgabe.farbe[t.oberteil ? 0 : 1])));
                    maler.drawPolygon(vieleck(t.blatt, a.anschnitt));
                }
            }
            maler.setBrush(Qt::white);
            for (const netz::Loch& l : t.loecher)
                maler.drawPolygon(vieleck(t.blatt, l.pfad));
        }
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setBrush(Qt::NoBrush);
        for (const netz::Teil& t : n.teile) {
            maler.setPen(schnitt);
            maler.drawPolygon(vieleck(t.blatt, t.schnitt));
            for (const netz::Loch& l : t.loecher)
                maler.drawPolygon(vieleck(t.blatt, l.pfad));
            QList<QLineF> berg, tal;
            for (const netz::Falte& f : t.falten)
                (f.art == netz::Falz::Berg ? berg : tal) << QLineF(ort(t.blatt, f.a), ort(t.blatt, f.b));
            maler.setPen(QPen(netzFarbe(netz::Falz::Berg), 0));
            maler.drawLines(berg);
            maler.setPen(QPen(netzFarbe(netz::Falz::Tal), 0));
            maler.drawLines(tal);
        }
        for (const netz::Einsatz& e : n.einsaetze) {
            maler.setPen(schnitt);
            maler.drawPolygon(vieleck(e.blatt, e.umriss));
            maler.setPen(QPen(QColor(160, 160, 160), 0));
            maler.drawPolygon(vieleck(e.blatt, e.fenster));
        }
    }
    picBlaetter->setPixmap(QPixmap::fromImage(bild));
}
