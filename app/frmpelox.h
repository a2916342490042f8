// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/format.h"
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
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QAction;
class QIODevice;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QUndoStack;
class LineControl;
class PictureWidget;
class FaltsternDialog;
struct FaltsternWahl;
class PosterDialog;
class SternbogenDialog;
struct PdfPaper;
class ScrollBar;
class EinmessDialog;
struct FigureMapping;
struct Masse;
namespace druck {
struct Steuerung;
enum class Ergebnis;
}
namespace poster {
struct Vorgabe;
}
namespace bogen {
struct Bogen;
}
namespace netz {
struct Vorgabe;
struct Netz;
struct Ergebnis;
}
namespace faltnetz {
struct Angaben;
}
namespace zeichnung {
struct Zeichnung;
}

// The program's one window. It owns the whole state of the star and every
// control; its procedures are the program's procedures and keep their names.
class frmPelox : public QWidget, public PeloxState {
    Q_OBJECT

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
    // Printouts to trust: the check scale on every sheet, and the printer's
    // calibration with its dialog
    QAction* mnuPruefmass;
    QAction* mnuEinmessen;
    EinmessDialog* dlgEinmessen = nullptr;
    void picPelox_ContextMenu(const QPoint& globalPos);
    void mnuPruefmass_Click();
    void DruckerEinmessen();
    // Asks before a PDF of a star is written that would run off its page;
    // true to go on.
    bool PdfPasst();
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
    bool PosterPdfSchreiben(const QString& pfad, const poster::Vorgabe& v, const PdfPaper& papier);

    // Many copies of the star on as few sheets as possible, from its own
    // dialog (app/sternbogen.cpp); the files also from the command line,
    // false after a message.
    QAction* mnuSternbogen;
    QPointer<SternbogenDialog> dlgSternbogen;
    void SternbogenZeigen();
    void SternbogenDrucken();
    void SternbogenPdf();
    // As DXF, or else as SVG.
    void SternbogenSpeichern(bool dxf);
    bool SternbogenPdfSchreiben(const QString& pfad, const bogen::Bogen& b, const PdfPaper& papier);
    // The design's file name for the sheets' footers.
    QString EntwurfName() const;

    // The folded star, its net and its 3D model, from their own dialog
    QAction* mnuFaltstern;
    QPointer<FaltsternDialog> dlgFaltstern;
    std::shared_ptr<FaltsternWahl> m_faltsternWahl;  // as the dialog was last left
    void FaltsternZeigen();
    void FaltsternDrucken();
    void FaltsternPdf();
    void FaltsternSvg();
    void FaltsternStl();
    // The net of the folded star: the design at the outer diameter, cut into
    // pieces for the paper in v.
    netz::Ergebnis Faltnetz(double durchmesser, const netz::Vorgabe& v) const;
    faltnetz::Angaben NetzAngaben(double durchmesser) const;
    // The drawing area of a PDF's paper as the net is laid out in, cm.
    static QSizeF NetzPapier(const QPageSize& papier);
    // Also from the command line; false after a message.
    bool NetzPdfSchreiben(const QString& pfad, const netz::Netz& n, const faltnetz::Angaben& a, const PdfPaper& papier);
    // The folded star as a 3D model, the bytes from netz::stlDatei; false
    // after a message.
    bool StlSchreiben(const QString& pfad, const std::string& daten);

    // For cutting machines and lasers: the outline and the net as DXF, and
    // flat drawings of only what is cut as PDF; false after a message.
    QAction* mnuDxfSpeichern;
    // The PDF and the DXF of the outline from the menu with nothing else.
    QAction* mnuNurSchnitt;
    void DxfSpeichern();
    void SchnittPdfSpeichern();
    void FaltsternDxf();
    bool DxfSchreiben(const QString& pfad, bool nurSchnitt);
    // As DXF, or else as SVG.
    bool ZeichnungSchreiben(const QString& pfad, const zeichnung::Zeichnung& z, bool dxf);
    bool SchnittPdfSchreiben(const QString& pfad, const zeichnung::Zeichnung& z, const PdfPaper& papier);
    // The net the Faltstern dialog shows, with what its choices for cutting
    // machines keep: as PDF, or else as DXF or SVG.
    bool FaltnetzPdfSchreiben(const QString& pfad, const netz::Netz& n, const PdfPaper& papier);
    bool FaltnetzSchreiben(const QString& pfad, const netz::Netz& n, bool dxf);

    // Corner dragging
    void picPelox_MouseMove(int Button, int Shift, double X, double Y);
    void cmdRückstellen_Click();

    // Printing
    void Drucken();
    void cmdDrucken_Click();

    // Star data file
    void cmdDatenSpeichern_Click();
    // Asks for a name and saves; false when cancelled or not written.
    bool Speichern();
    // Writes the design to DateiPfad. False, after a message, when the file
    // could not be written; the previous file of that name is then left as
    // it was.
    bool DateiSpeichern();
    void cmdDatenLesen_Click();
    // Reads the design in pfad, the name as the system spells it. Only a
    // file that is read becomes the design's own file (DateiPfad, the label,
    // the title); false, after a message, when it was refused.
    bool DateiLesen(const std::string& pfad);
    // Reads the file the command line has put into DateiPfad; refused, the
    // design keeps the file it had.
    void DateiLesen();
    // Sets every control and value of the star to the design and draws it,
    // as reading a file and taking a step back both do.
    void EntwurfUebernehmen(const plx::Inhalt& d);

    // Undo and redo. Every change of the design by the user is one step;
    // the moves of one drag, and a run of changes of one bar, make one.
    enum class Art { Anzahl, Aussen, Innen, Hoehe, Ecke, Kurve, Einzeln };
    QUndoStack* Rueckgaengig;
    QAction* mnuRueckgaengig;
    QAction* mnuWiederholen;
    // Runs what the user did and keeps the change it made as one step.
    void Schritt(Art art, const QString& text, const std::function<void()>& handlung);
    // The file a design belongs to: the path the next save offers, and the
    // design last saved or read there, which the changed marker is measured
    // against.
    struct DateiStand {
        std::string pfad;
        plx::Inhalt gespeichert;
        bool operator==(const DateiStand&) const = default;
    };
    DateiStand dateiStand() const;
    // Undo and redo come here with the design of the step, and with the file
    // it belongs to where the step changed that (a file read).
    void EntwurfWiederherstellen(const plx::Inhalt& d, const DateiStand* datei);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void connectControls();
    void createEditing();
    // The title's changed marker: whether the design differs from the one
    // last saved, read or started with.
    void GeaendertZeigen();
    // Over unsaved changes, asks whether to save them first; false when the
    // user cancelled or the save did not happen.
    bool AenderungenGesichert();
    // Reads pfad with the wait pointer up.
    void LesenWartend(const std::string& pfad);
    // The label under the picture and the title name the design's own file,
    // DateiPfad, the title the program alone while the design has none; it
    // is also kept as the file a refused read from the command line leaves.
    void DateiZeigen();
    Masse measure();
    // The star with the chosen line thickness and form, on a cleared picture.
    void drawStar(PictureWidget& bild, const FigureMapping& mapping);
    // Form, line thickness and sheet mode as the controls stand: the screen,
    // the files and the printout all draw what the controls show, not the
    // fields that mirror them.
    druck::Steuerung drawingOptions() const;
    // True when the star s fits a page of this size (twips), or the user wants
    // it anyway; frage is the question put to the user if it does not.
    bool PasstAufsPapier(const PeloxState& s, const QSizeF& seite, const QString& frage);
    // The star centred on the PDF's page.
    PeloxState AufPdfSeite(const QSizeF& seite) const;
    // A message when a print did not go through; true when it did.
    bool DruckErgebnisMelden(druck::Ergebnis ergebnis);
    // Asks for a name to save an export under, offering name in the folder
    // the last export went to (the start-up folder before the first).
    QString SpeicherDialog(const QString& name, const QString& filter);
    // Writes through a temporary file that replaces the target only when
    // complete; says so in a message box when that failed.
    bool SicherSchreiben(const QString& pfad, const std::function<bool(QIODevice&)>& schreiben);
    // Positions and sizes are designed in twips.
    int px(double twips) const;

    Ports m_ports;
    double m_layoutTwipsPerPixel;
    // While the start or a data file sets the controls, their handlers
    // compute as always but leave the picture to the one drawing at the end.
    bool m_zeichnenZurueckgestellt = false;
    // The printer's drawing area as last asked for, in twips.
    std::optional<QSizeF> m_seite;
    bool m_seiteBestellt = false;
    // The design's own file as the window last set it: the command line
    // names its file in DateiPfad before the read, and a refused one gives
    // this back.
    std::string m_eigeneDatei;
    // Where the last export went.
    QString m_exportOrdner;
    // The design as the last step left it, and as last saved or read.
    plx::Inhalt m_stand;
    plx::Inhalt m_gespeichert;
    // While a step runs or one is taken back, changes of the controls from
    // code make no steps of their own.
    bool m_imSchritt = false;
    // Steps of the same kind and run merge; a new drag starts a new run.
    int m_lauf = 0;
};
