// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/commondialog.h"
#include "platform/optionbutton.h"
#include "platform/ports.h"
#include "star/state.h"

#include <QPageSize>
#include <QPointer>
#include <QSizeF>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QAction;
class QIODevice;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class LineControl;
class PictureWidget;
class PosterDialog;
class ScrollBar;
struct FigureMapping;
struct Masse;
namespace druck {
struct Steuerung;
}
namespace poster {
struct Vorgabe;
}

// The program's one window. It owns the whole state of the star and every
// control; its procedures are the program's procedures and keep their names.
class frmPelox : public QWidget, public PeloxState {
public:
    explicit frmPelox(Ports ports, QWidget* parent = nullptr);
    ~frmPelox() override;

    // Controls, under their names
    QLabel* lblAnzahlSpitzen;
    QLabel* lblAnzahl;
    ScrollBar* hsbAnzahl;
    QLabel* lblAussenDurchmesser;
    QLabel* lblAussen;
    QLabel* lblADcm;
    ScrollBar* hsbAussen;
    QLabel* lblInnenDurchmesser;
    QLabel* lblInnen;
    QLabel* lblIDcm;
    ScrollBar* hsbInnen;
    QGroupBox* fraPeloxform;
    std::array<OptionButton*, 2> optPeloxForm;
    QGroupBox* FraOptionen;
    std::array<OptionButton*, 2> optStrichDicke;
    QCheckBox* chkZweiA4;
    QGroupBox* fraDaten;
    QPushButton* cmdDatenSpeichern;
    QPushButton* cmdDatenLesen;
    PictureWidget* picPelox;
    PictureWidget* picSpeichern;
    QLabel* lblA4BlattOben;
    QLabel* lblA4BlattUnten;
    LineControl* linBlattTrennung;
    QLabel* lblDateiName;
    QGroupBox* fraKurvenForm;
    QLabel* lblTextInnen;
    PictureWidget* picKurvenForm;
    QLabel* lblKurvenWerte;
    QLabel* lblTextAussen;
    QPushButton* cmdKurveAus;
    QLabel* lblKurvenFormText;
    QGroupBox* fraYFaktor;
    ScrollBar* vsbYFaktor;
    QLabel* lblYFaktor;
    QPushButton* cmdSetFaktor;
    QGroupBox* fraZiehen;
    QLabel* lblZiehen;
    QPushButton* cmdRückstellen;
    QLabel* lblTest;
    QPushButton* cmdBildSpeichern;
    QPushButton* cmdDrucken;
    QPushButton* cmdBeenden;
    QTimer* Timer1;
    CommonDialog CommonDialogDatei;

    // Start-up and shut-down
    void Form_Load();
    void Form_Unload();
    void Timer1_Timer();
    void cmdBeenden_Click();

    // Star geometry and drawing
    void WerteInit();
    // Asks the printer for its page and centres the printout on it. That
    // happens once the window has shown its first star, again on every change
    // of the sheet mode, and before printing while the page is still unknown;
    // WerteInit in between keeps the page last asked for.
    void SeiteMessen();
    void RadiusKorrektur();
    void PeloxBerechnung();
    void Zeichnen();
    // Corners, bent edges while the curve is on, and the picture: the end of
    // every change of the star.
    void Neuzeichnen();

    // Size and shape controls
    void hsbAnzahl_Change();
    void hsbAussen_Change();
    void hsbInnen_Change();
    void vsbYFaktor_Change();
    void cmdSetFaktor_Click();
    void optPeloxForm_Click(int Index);
    void optStrichDicke_Click(int Index);
    void chkZweiA4_Click();

    // Line curve
    void RasterZeichnen();
    void KurvenFormPunkte();
    void KurvenWerteAnzeige();
    void KurvenBerechnung();
    void picKurvenForm_MouseMove(int Button, int Shift, double X, double Y);
    void cmdKurveAus_Click();

    // Picture export
    // False, after a message, when the picture would be too large to make;
    // then nothing has been allocated for it.
    bool BildGrösseRechnen();
    void SpeichernZeichnen();
    void cmdBildSpeichern_Click();

    // The star picture's menu: true-size files for printing elsewhere or cutting
    QMenu* mnuBild;
    QAction* mnuPdfSpeichern;
    QAction* mnuSvgSpeichern;
    void picPelox_ContextMenu(const QPoint& globalPos);
    void PdfSpeichern();
    void SvgSpeichern();
    // The files themselves, also written from the command line; false after
    // a message that the file could not be written.
    bool PdfSchreiben(const QString& pfad);
    bool SvgSchreiben(const QString& pfad);
    bool BildSchreiben(const QString& pfad);

    // The poster over several sheets, from its own dialog
    QAction* mnuPoster;
    QPointer<PosterDialog> dlgPoster;
    void PosterZeigen();
    void PosterDrucken();
    void PosterSpeichern();
    // Also from the command line; false after a message.
    bool PosterPdfSchreiben(const QString& pfad, const poster::Vorgabe& v, QPageSize::PageSizeId papier);

    // Corner dragging
    void picPelox_MouseMove(int Button, int Shift, double X, double Y);
    void cmdRückstellen_Click();

    // Printing
    void Drucken();
    void cmdDrucken_Click();

    // Star data file
    void cmdDatenSpeichern_Click();
    // False, after a message, when the file could not be written; the
    // previous file of that name is then left as it was.
    bool DateiSpeichern();
    void cmdDatenLesen_Click();
    void DateiLesen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void connectControls();
    Masse measure();
    // The star with the chosen line thickness and form, on a cleared picture.
    void drawStar(PictureWidget& bild, const FigureMapping& mapping);
    // Form, line thickness and sheet mode as the controls stand: the screen,
    // the files and the printout all draw what the controls show, not the
    // fields that mirror them.
    druck::Steuerung drawingOptions() const;
    // Asks for a name to save under, offering name in the start-up folder.
    QString SpeicherDialog(const QString& name, const QString& filter);
    // Writes through a temporary file that replaces the target only when
    // complete; says so in a message box when that failed.
    bool SicherSchreiben(const QString& pfad, const std::function<bool(QIODevice&)>& schreiben);
    // Positions and sizes are designed in twips.
    int px(double twips) const;

    Ports m_ports;
    double m_layoutTwipsPerPixel;
    // While a data file is taken over, the handlers of the controls it sets
    // compute as always but leave the picture to the one drawing at the end.
    bool m_zeichnenZurueckgestellt = false;
    // The printer's drawing area as last asked for, in twips.
    std::optional<QSizeF> m_seite;
    bool m_seiteBestellt = false;
};
