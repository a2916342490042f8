// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, where and how they stand. Positions are designed in
// twips relative to their container.
#include "app/frmpelox.h"

#include "platform/colors.h"
#include "platform/filledlabel.h"
#include "platform/linecontrol.h"
#include "platform/picturewidget.h"
#include "platform/scrollbar.h"
#include "platform/settings.h"
#include "platform/wrapbutton.h"
#include "star/ranges.h"

#include <QAction>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

// The first installed face of a list, alone. Qt asks fontconfig for all
// fallbacks of a face, a sort of every font on the system, before it takes
// the next face of a list, and for the rest of the list as soon as the face is
// loaded; a face named alone is loaded at once, and its fallbacks are sought
// only for a character it lacks. Qt names a family that two foundries offer
// "Family [Foundry]".
QStringList firstInstalled(const QStringList& faces)
{
    static const QStringList installed = [] {
        QStringList names = QFontDatabase::families();
        for (QString& name : names)
            name = name.section(QStringLiteral(" ["), 0, 0);
        return names;
    }();
    const auto first = std::find_if(faces.begin(), faces.end(),
        [](const QString& face) { return installed.contains(face, Qt::CaseInsensitive); });
    return first == faces.end() ? faces : QStringList{*first};
}

// "MS Sans Serif" and "Arial Narrow" are not found on every system; the
// nearest sans-serif faces stand in for them.
QFont sansSerif(double points, bool bold = false)
{
    QFont f;
    f.setFamilies(firstInstalled({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")}));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont narrow(double points)
{
    QFont f;
    f.setFamilies(firstInstalled({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
        QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")}));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(false);
    return f;
}

// Colours come through the palette: a style sheet would bring Qt's style
// sheet machinery into the start and into every repaint of the labels.
void colour(QWidget* w, QPalette::ColorRole role, BgrColor c)
{
    QPalette p = w->palette();
    p.setColor(role, toQColor(c));
    w->setPalette(p);
}

void paleGreen(QLabel* lbl)
{
    colour(lbl, QPalette::Window, kHellgruen);
    lbl->setAutoFillBackground(true);
}

} // namespace

int frmPelox::px(double twips) const
{
    return qRound(twips / m_layoutTwipsPerPixel);
}

void frmPelox::createControls()
{
    setFont(sansSerif(8.25));
    const QFont regular = sansSerif(9.75);
    const QFont frameFont = sansSerif(9.75, true);

    auto place = [this](QWidget* w, double l, double t, double wd, double h) {
        w->setGeometry(px(l), px(t), px(wd), px(h));
    };
    auto placeLabel = [&](QLabel* lbl, double l, double t, double wd, double h) {
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lbl->setWordWrap(true);
        place(lbl, l, t, wd, h);
        return lbl;
    };
    auto label = [&](QWidget* parent, const QString& text, double l, double t, double wd, double h) {
        return placeLabel(new QLabel(text, parent), l, t, wd, h);
    };
    auto valueLabel = [&](double l, double t) {
        QLabel* lbl = label(this, QString(), l, t, 495, 375);
        paleGreen(lbl);
        lbl->setFont(regular);
        lbl->setWordWrap(false);
        return lbl;
    };
    auto frame = [&](QWidget* parent, const QString& title, double l, double t, double wd, double h) {
        // The title is set in the frame's own font, so that the window's
        // font is not loaded for nothing.
        auto* fra = new QGroupBox(parent);
        fra->setFont(frameFont);
        fra->setTitle(title);
        place(fra, l, t, wd, h);
        return fra;
    };
    auto button = [&](QWidget* parent, const QString& text, double l, double t, double wd, double h) {
        auto* cmd = new WrapButton(text, parent);
        place(cmd, l, t, wd, h);
        return cmd;
    };
    auto hBar = [&](int min, int max, int value, double t) {
        auto* bar = new ScrollBar(Qt::Horizontal, this);
        bar->setRange(min, max);
        bar->setSingleStep(1);
        bar->setPageStep(4);
        bar->setValue(value);
        place(bar, 240, t, 1932, 252);
        return bar;
    };

    lblAnzahlSpitzen = label(this, tr("Anzahl Spitzen"), 240, 120, 1932, 372);
    lblAnzahlSpitzen->setFont(regular);
    lblAnzahl = valueLabel(960, 360);
    hsbAnzahl = hBar(star::kSpitzenMin, star::kSpitzenMax, star::kSpitzenMin, 840);

    lblAussenDurchmesser = label(this, tr("Aussen-Durchmesser"), 120, 1320, 2175, 375);
    lblAussenDurchmesser->setFont(regular);
    lblAussen = valueLabel(960, 1560);
    lblADcm = label(this, QStringLiteral("cm"), 1560, 1560, 495, 375);
    lblADcm->setFont(regular);
    hsbAussen = hBar(star::kAussenMin, star::kDurchmesserMaxEinBlatt, star::kAussenMin, 2040);

    lblInnenDurchmesser = label(this, tr("Innen-Durchmesser"), 120, 2640, 2175, 375);
    lblInnenDurchmesser->setFont(regular);
    lblInnen = valueLabel(960, 2880);
    lblIDcm = label(this, QStringLiteral("cm"), 1560, 2880, 495, 375);
    lblIDcm->setFont(regular);
    hsbInnen = hBar(star::kInnenMin, star::kDurchmesserMaxEinBlatt, star::kInnenMin, 3360);

    fraPeloxform = frame(this, tr("Peloxform"), 120, 3840, 2175, 735);
    fraPeloxform->setToolTip(tr("Bei Drei-D werden die Peloxecken mit dem Zentrum verbunden"));
    optPeloxForm[0] = new OptionButton(tr("normal"), fraPeloxform);
    place(optPeloxForm[0], 120, 240, 975, 255);
    optPeloxForm[1] = new OptionButton(tr("Drei-D"), fraPeloxform);
    place(optPeloxForm[1], 1080, 240, 975, 255);

    FraOptionen = frame(this, tr("Strichdicke"), 120, 4680, 2175, 735);
    FraOptionen->setToolTip(tr("Der dicke Strich ist auf dem Drucker weniger dick!"));
    optStrichDicke[0] = new OptionButton(tr("dünn"), FraOptionen);
    place(optStrichDicke[0], 120, 360, 855, 252);
    optStrichDicke[1] = new OptionButton(tr("dick"), FraOptionen);
    place(optStrichDicke[1], 1200, 360, 855, 252);

    chkZweiA4 = new QCheckBox(tr("Zwei A-4 Blätter"), this);
    chkZweiA4->setToolTip(tr("Der Pelox wird auf zwei A4-Blätter verteilt"));
    chkZweiA4->setFont(regular);
    place(chkZweiA4, 240, 5520, 1935, 375);

    fraDaten = frame(this, tr("Daten"), 120, 6000, 2175, 855);
    fraDaten->setToolTip(tr("Die Peloxdaten werden in einer plx-Datei gespeichert"));
    cmdDatenSpeichern = button(fraDaten, tr("Speichern"), 120, 360, 1095, 375);
    cmdDatenLesen = button(fraDaten, tr("Lesen"), 1320, 360, 735, 375);

    // The star picture: Form_Load gives it the size of one A4 sheet.
    picPelox = new PictureWidget(this, kWeiss, 1.0, 2);
    place(picPelox, 2400, 240, 4452, 6255);
    picPelox->setFont(narrow(7.5));
    // What the program offers beyond the fixed controls lives in the picture's
    // menu, which nothing else in the window announces.
    picPelox->setToolTip(tr("Rechte Maustaste: PDF, SVG, Poster, Faltstern, Drucker einmessen …"));
    picSpeichern = new PictureWidget(picPelox, kWeiss, 1.0, 0);
    // The saved picture is true size in pixels, whatever the screen.
    picSpeichern->setExportPicture(true);
    place(picSpeichern, 600, 480, 1095, 1215);
    picSpeichern->hide();
    auto sheetLabel = [&](double t) {
        QLabel* lbl = placeLabel(new FilledLabel(tr(" A4-Blatt"), picPelox), 0, t, 735, 255);
        colour(lbl, QPalette::WindowText, kBlau);
        colour(lbl, QPalette::Window, kWeiss);
        return lbl;
    };
    lblA4BlattOben = sheetLabel(0);
    lblA4BlattUnten = sheetLabel(5925);
    linBlattTrennung = new LineControl(picPelox, 0, px(4440), px(3000), kBlattLinie);

    lblDateiName = label(this, QString(), 2400, 6600, 4455, 255);
    lblDateiName->setWordWrap(false);

    fraKurvenForm = frame(this, tr("Kurvenform"), 120, 6960, 6735, 1695);
    fraKurvenForm->setToolTip(tr("Eine Pelox-Linie kann an 3 Punkten verbogen werden"));
    lblTextInnen = label(fraKurvenForm, tr("Pelox innen"), 600, 600, 735, 495);
    colour(lblTextInnen, QPalette::WindowText, kDunkelgruen);
    lblTextInnen->setFont(regular);
    picKurvenForm = new PictureWidget(fraKurvenForm, kHellgruen, m_layoutTwipsPerPixel, 2);
    place(picKurvenForm, 1440, 240, 2535, 975);
    lblKurvenWerte = label(fraKurvenForm, tr("Kurvenwerte"), 4080, 240, 2535, 255);
    paleGreen(lblKurvenWerte);
    lblKurvenWerte->setToolTip(tr("Abweichung in cm"));
    lblKurvenWerte->setWordWrap(false);
    // The frame's size in a regular narrow face, as for lblZiehen: three
    // negative values would not fit otherwise.
    lblKurvenWerte->setFont(narrow(9.75));
    lblTextAussen = label(fraKurvenForm, tr("Pelox aussen"), 4080, 600, 855, 495);
    colour(lblTextAussen, QPalette::WindowText, kDunkelgruen);
    lblTextAussen->setFont(regular);
    cmdKurveAus = button(fraKurvenForm, tr("Kurve aus"), 5280, 720, 1215, 495);
    cmdKurveAus->setFont(regular);
    lblKurvenFormText = label(fraKurvenForm, QString(), 240, 1320, 6375, 255);
    lblKurvenFormText->setWordWrap(false);
    lblKurvenFormText->setFont(regular);

    fraYFaktor = frame(this, tr("Höhe (%)"), 6960, 360, 1335, 2775);
    fraYFaktor->setToolTip(tr("Höhe verstellen"));
    vsbYFaktor = new ScrollBar(Qt::Vertical, fraYFaktor);
    vsbYFaktor->setRange(star::kHoeheMin, star::kHoeheMax);
    vsbYFaktor->setSingleStep(1);
    vsbYFaktor->setPageStep(1);
    vsbYFaktor->setValue(10);
    place(vsbYFaktor, 240, 480, 252, 1455);
    lblYFaktor = label(fraYFaktor, QStringLiteral("100"), 600, 1080, 495, 375);
    paleGreen(lblYFaktor);
    lblYFaktor->setFont(regular);
    lblYFaktor->setWordWrap(false);
    cmdSetFaktor = button(fraYFaktor, tr("Höhe 100%"), 120, 2160, 1095, 375);
    cmdSetFaktor->setToolTip(tr("Höhe auf 100% stellen"));

    fraZiehen = frame(this, tr("Ziehen"), 6960, 3360, 1335, 3135);
    lblZiehen = label(fraZiehen, QString(), 120, 480, 1095, 1815);
    // The instructions take the frame's size in a regular narrow face: the
    // bold face, and even the regular one, would cut the last line off.
    lblZiehen->setFont(narrow(9.75));
    lblZiehen->setToolTip(tr("Ziehen der Pelox-Ecken"));
    cmdRückstellen = button(fraZiehen, tr("Rückstellen"), 120, 2520, 1095, 375);

    lblTest = label(this, tr("Test"), 6960, 6600, 1335, 255);
    lblTest->hide();

    cmdBildSpeichern = button(this, tr("Bild (jpg)  speichern"), 6960, 6960, 1335, 615);
    cmdBildSpeichern->setToolTip(tr("Speichern als bmp-Datei zum Weiterverarbeiten mit Paint usw."));
    cmdBildSpeichern->setFont(regular);
    cmdDrucken = button(this, tr("Drucken"), 6960, 7680, 1335, 375);
    cmdDrucken->setToolTip(tr("Drucken "));
    cmdDrucken->setFont(regular);
    cmdBeenden = button(this, tr("Beenden"), 6960, 8160, 1335, 375);
    cmdBeenden->setFont(regular);

    mnuBild = new QMenu(this);
    mnuPdfSpeichern = mnuBild->addAction(tr("Als PDF speichern …"));
    mnuSvgSpeichern = mnuBild->addAction(tr("Als SVG speichern …"));
    mnuDxfSpeichern = mnuBild->addAction(tr("Als DXF speichern …"));
    mnuNurSchnitt = mnuBild->addAction(tr("Nur Schnittlinien"));
    mnuNurSchnitt->setCheckable(true);
    mnuBild->addSeparator();
    mnuPoster = mnuBild->addAction(tr("Auf mehreren Blättern drucken …"));
    mnuFaltstern = mnuBild->addAction(tr("Faltstern …"));
    mnuSternbogen = mnuBild->addAction(tr("Sternbogen …"));
    mnuPruefmass = mnuBild->addAction(tr("Prüfmaß mitdrucken"));
    mnuPruefmass->setCheckable(true);
    mnuPruefmass->setChecked(einstellungen::Pruefmass(m_ports.settings));
    mnuEinmessen = mnuBild->addAction(tr("Drucker einmessen …"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(300);
}
