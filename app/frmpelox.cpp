// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window: creation, start-up, shut-down and the timer.
#include "app/frmpelox.h"

#include "curve/calc.h"
#include "platform/artwork.h"
#include "platform/linecontrol.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"
#include "platform/scrollbar.h"
#include "platform/savefile.h"
#include "print/druck.h"
#include "render/figure.h"
#include "star/corners.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QGuiApplication>
#include <QTimer>
#include <cmath>

namespace {

double screenTwipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

} // namespace

frmPelox::frmPelox(Ports ports, QWidget* parent)
    : QWidget(parent)
    , CommonDialogDatei(ports.fileDialog)
    , m_ports(ports)
    , m_layoutTwipsPerPixel(screenTwipsPerPixel())
{
    setWindowIcon(peloxIcon());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setFixedSize(px(8445), px(8745));

    createControls();
    connectControls();
    // The start gives the star its first design; it is no step to take back.
    m_imSchritt = true;
    Form_Load();
    m_imSchritt = false;
    createEditing();
    Timer1->start();
}

frmPelox::~frmPelox() = default;

void frmPelox::Form_Load()
{
    Pfad = (QDir::currentPath() + QDir::separator()).toStdString();
    DateiName = "Pelox_1.plx";
    BildName = "Pelox_1.jpg";
    // The design has no file of its own until it is saved or one is read.
    DateiPfad.clear();
    DateiZeigen();
    BildPfad = Pfad + BildName;
    m_exportOrdner = QString::fromStdString(Pfad);
    DateiKennung = "Pelox-Datei";

    TwipsProPixel = static_cast<float>(screenTwipsPerPixel());
    PixelProCm = static_cast<float>(566.0 / TwipsProPixel);
    VerkleinerungA4 = 0.37f;
    Verkleinerung = 0.37f;
    TwipsProCm = 566;

    // One A4 sheet, 21 x 29.7 cm, reduced.
    const double breiteTwips = double(TwipsProCm) * 21.0 * Verkleinerung;
    const double hoeheTwips = double(TwipsProCm) * 29.7 * Verkleinerung;
    picPelox->resize(px(breiteTwips), px(hoeheTwips));
    // The sheet labels stand in the corners of the drawing area, inside the
    // picture's border.
    const QRect blatt = picPelox->contentsRect();
    lblA4BlattOben->move(blatt.topLeft());
    lblA4BlattUnten->move(blatt.left(), blatt.bottom() + 1 - lblA4BlattUnten->height());

    lblA4BlattUnten->hide();
    linBlattTrennung->hide();

    AussenDurchmesser = 19;
    AussenDurchmesserNeu = 19;
    InnenDurchmesser = 8;
    InnenDurchmesserNeu = 8;
    YFaktor = 1.0f;

    WerteInit();

    // Each assignment runs the control's handler, which computes the star;
    // the pictures they would draw are never seen, so only the last one is
    // drawn.
    m_zeichnenZurueckgestellt = true;
    hsbAnzahl->setValue(8);
    AnzahlSpitzen = static_cast<std::int16_t>(hsbAnzahl->value());
    lblAnzahl->setText(QString::number(AnzahlSpitzen));
    hsbAussen->setValue(int(std::nearbyint(AussenDurchmesser * 2.0)));
    lblAussen->setText(numbers::einDezimal(AussenDurchmesser));
    hsbInnen->setValue(int(std::nearbyint(InnenDurchmesser * 2.0)));
    lblInnen->setText(numbers::einDezimal(InnenDurchmesser));
    optStrichDicke[0]->setChecked(true);
    StrichDicke = 0;
    optPeloxForm[0]->setChecked(true);
    PeloxForm = 0;
    chkZweiA4->setChecked(false);
    ZweiA4 = 0;
    Gezogen = 0;
    cmdRückstellen->setEnabled(false);
    cmdKurveAus->setEnabled(false);
    vsbYFaktor->setValue(10);
    m_zeichnenZurueckgestellt = false;
    Zeichnen();
    lblZiehen->setText(tr(
        "Mit der linken Maustaste können alle Pelox-Ecken aussen und innen verkürzt oder verlängert werden."));
    KurveEin = false;
    lblKurvenFormText->setText(
        tr("Mit der linken Maustaste kann die Linie an den Punkten verbogen werden !"));
    RasterZeichnen();
    KurveY1 = KurveNullY;
    KurveY2 = KurveNullY;
    KurveY3 = KurveNullY;
    KurvenFormPunkte();
    KurvenWert[1] = curve::KurvenWertAus(*this, KurveY1);
    KurvenWert[2] = curve::KurvenWertAus(*this, KurveY2);
    KurvenWert[3] = curve::KurvenWertAus(*this, KurveY3);
    KurvenWerteAnzeige();
}

Masse frmPelox::measure()
{
    Masse m;
    m.bildInnenBreite = picPelox->scaleWidth();
    m.bildInnenHoehe = picPelox->scaleHeight();
    m.bildAussenBreite = picPelox->width() * double(TwipsProPixel);
    m.bildAussenHoehe = picPelox->height() * double(TwipsProPixel);
    if (m_seite) {
        m.seiteBreite = m_seite->width();
        m.seiteHoehe = m_seite->height();
    }
    return m;
}

void frmPelox::WerteInit()
{
    star::WerteInit(*this, measure());
    linBlattTrennung->setY1(MitteY);
    linBlattTrennung->setY2(MitteY);
}

void frmPelox::SeiteMessen()
{
    m_seite = m_ports.printer.pageSize();
    star::SeitenMitte(*this, m_seite->width(), m_seite->height());
}

void frmPelox::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Asking the print system for its page takes longer than all the rest of
    // the start, and only printing needs the answer: it is asked right after
    // the window has first been painted, not before.
    if (!m_seite && !m_seiteBestellt) {
        m_seiteBestellt = true;
        QTimer::singleShot(0, this, [this] {
            if (!m_seite)
                SeiteMessen();
        });
    }
}

void frmPelox::RadiusKorrektur()
{
    star::RadiusKorrektur(*this);
}

void frmPelox::PeloxBerechnung()
{
    star::PeloxBerechnung(*this);
}

void frmPelox::Zeichnen()
{
    if (m_zeichnenZurueckgestellt)
        return;
    drawStar(*picPelox, FigureMapping{Massstab, MitteX, MitteY, false});
}

// The screen picture and the export picture differ only in the surface and
// the mapping.
void frmPelox::drawStar(PictureWidget& bild, const FigureMapping& mapping)
{
    const druck::Steuerung st = drawingOptions();
    if (st.duenn)
        bild.setLineWidth(1);
    if (st.dick)
        bild.setLineWidth(2);
    bild.clear();
    drawFigure(bild, *this, mapping, 1, AnzahlEcken, st.dreiD, 2);
}

druck::Steuerung frmPelox::drawingOptions() const
{
    druck::Steuerung st;
    st.zweiBlaetter = chkZweiA4->isChecked();
    st.duenn = optStrichDicke[0]->isChecked();
    st.dick = optStrichDicke[1]->isChecked();
    st.dreiD = optPeloxForm[1]->isChecked();
    st.pruefmass = mnuPruefmass->isChecked();
    return st;
}

void frmPelox::Timer1_Timer()
{
    cmdKurveAus->setEnabled(KurvenWert[1] != 0 || KurvenWert[2] != 0 || KurvenWert[3] != 0);
}

void frmPelox::cmdBeenden_Click()
{
    close();
}

void frmPelox::Form_Unload()
{
    picPelox->loadEmptyPicture();
}

void frmPelox::closeEvent(QCloseEvent* event)
{
    // A changed star is not lost without a word: "Beenden" and the close box
    // first offer to save it, and a cancelled or failed save keeps the window.
    if (!AenderungenGesichert()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool frmPelox::SicherSchreiben(const QString& pfad, const std::function<bool(QIODevice&)>& schreiben)
{
    if (saveReplacing(pfad, schreiben))
        return true;
    m_ports.messageBox.show(tr(" Die Datei %1 konnte nicht gespeichert werden !! ").arg(pfad),
        tr("Speichern nicht möglich !!"), MessageBoxPort::kExclamation);
    return false;
}
