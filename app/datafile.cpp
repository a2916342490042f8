// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the star to a data file and reading it back through the window's
// controls.
#include "app/frmpelox.h"

#include "files/format.h"
#include "platform/picturewidget.h"
#include "platform/scrollbar.h"
#include "platform/sprache.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

QString dateiFilter()
{
    return QCoreApplication::translate("frmPelox", "Pelox-Dateien (*.plx)|*.plx|Alle Dateien (*.*)|*.*");
}

// A box shown while the wait pointer is up gets the arrow over it.
void meldung(MessageBoxPort& box, const QString& text, const QString& titel)
{
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.show(text, titel, MessageBoxPort::kExclamation);
    QApplication::restoreOverrideCursor();
}

// The designs that come with the program, offered by "Lesen": where they are
// installed, or the build tree's copy below the program's own folder.
QStringList beispielOrte()
{
    const QDir programm(QApplication::applicationDirPath());
    for (const char* ort : {PELOX_EXAMPLES_INSTALLED, PELOX_EXAMPLES_BUILT}) {
        if (programm.exists(ort))
            return {QDir::cleanPath(programm.absoluteFilePath(ort))};
    }
    return {};
}

} // namespace

void frmPelox::cmdDatenSpeichern_Click()
{
    Speichern();
}

bool frmPelox::Speichern()
{
    // The design's own file, or the start name in the start folder while it
    // has none; never a file that was refused or an export.
    CommonDialogDatei.FileName
        = DateiPfad.empty() ? QString::fromStdString(Pfad + DateiName) : QFile::decodeName(DateiPfad.c_str());
    CommonDialogDatei.InitDir = QString::fromStdString(Pfad);
    CommonDialogDatei.Filter = dateiFilter() + QLatin1Char('|');
    CommonDialogDatei.Flags = CommonDialogDatei.Flags | CommonDialog::kOverwritePrompt;
    CommonDialogDatei.ShowSave();
    if (CommonDialogDatei.FileName.isEmpty())
        return false;
    const std::string bisher = std::exchange(DateiPfad, QFile::encodeName(CommonDialogDatei.FileName).toStdString());
    if (!DateiSpeichern()) {
        DateiPfad = bisher;
        return false;
    }
    DateiZeigen();
    return true;
}

bool frmPelox::DateiSpeichern()
{
    const plx::Inhalt entwurf = plx::ausZustand(*this);
    const std::string inhalt = plx::schreiben(entwurf, DateiKennung);
    if (!SicherSchreiben(QFile::decodeName(DateiPfad.c_str()), [&](QIODevice& datei) {
            return datei.write(inhalt.data(), qint64(inhalt.size())) == qint64(inhalt.size());
        }))
        return false;
    m_gespeichert = entwurf;
    GeaendertZeigen();
    return true;
}

void frmPelox::DateiZeigen()
{
    m_eigeneDatei = DateiPfad;
    const QString pfad = QFile::decodeName(DateiPfad.c_str());
    lblDateiName->setText(pfad);
    const QString programm = tr("Pelox-Programm  V1.7");
    setWindowTitle(DateiPfad.empty() ? programm + QStringLiteral("[*]")
                                     : programm + QStringLiteral(" – ") + QFileInfo(pfad).fileName()
                                           + QStringLiteral("[*]"));
}

void frmPelox::cmdDatenLesen_Click()
{
    // The dialog opens where the design's file lies, not where an export went.
    CommonDialogDatei.FileName = QFile::decodeName(DateiPfad.c_str());
    CommonDialogDatei.InitDir = QString::fromStdString(Pfad);
    CommonDialogDatei.Filter = dateiFilter();
    CommonDialogDatei.ShowOpen(beispielOrte());
    if (!CommonDialogDatei.FileName.isEmpty())
        LesenWartend(QFile::encodeName(CommonDialogDatei.FileName).toStdString());
}

void frmPelox::LesenWartend(const std::string& pfad)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DateiLesen(pfad);
    QApplication::restoreOverrideCursor();
}

void frmPelox::DateiLesen()
{
    // Named before the read; refused, the design keeps its own file.
    DateiLesen(std::exchange(DateiPfad, m_eigeneDatei));
}

bool frmPelox::DateiLesen(const std::string& pfad)
{
    // The whole file is read and checked before anything changes, so a
    // damaged file leaves the star, every control and the design's file as
    // they were.
    const QString name = QFile::decodeName(pfad.c_str());
    const plx::Bytes datei = plx::laden(pfad);
    if (datei.befund == plx::Bytes::KeineDatei) {
        meldung(m_ports.messageBox,
            tr(" %1 ist keine gewöhnliche Datei, sondern ein Ordner, eine benannte Pipe oder ein Gerät, "
               "und wird nicht gelesen !! ")
                .arg(name),
            tr("Lesen nicht möglich !!"));
        return false;
    }
    if (datei.befund == plx::Bytes::NichtLesbar) {
        meldung(m_ports.messageBox, tr(" Die Datei %1 kann nicht gelesen werden !! ").arg(name),
            tr("Lesen nicht möglich !!"));
        return false;
    }

    const plx::Gelesen gelesen = plx::lesen(datei.bytes, DateiKennung, chkZweiA4->isChecked());
    if (gelesen.befund == plx::Gelesen::KeinePeloxDatei) {
        meldung(m_ports.messageBox, tr(" Das ist keine Pelox-Datei (*.plx) !! "),
            tr("Falsche Datei !!"));
        return false;
    }
    if (gelesen.befund == plx::Gelesen::Beschaedigt) {
        meldung(m_ports.messageBox,
            tr(" Die Pelox-Datei ist beschädigt: %1 !! ").arg(sprache::text(gelesen.grund)),
            tr("Falsche Datei !!"));
        return false;
    }
    // Read outside any step (from the command line), the controls' handlers
    // that setting the design runs make no steps of their own either.
    const bool imSchritt = std::exchange(m_imSchritt, true);
    EntwurfUebernehmen(gelesen.inhalt);
    m_imSchritt = imSchritt;
    DateiPfad = pfad;
    DateiZeigen();
    // The design just read is the one a change is measured against; read
    // outside any step (from the command line) it is also where undo starts.
    m_gespeichert = plx::ausZustand(*this);
    if (!m_imSchritt)
        m_stand = plx::entwurf(*this);
    GeaendertZeigen();
    return true;
}

void frmPelox::EntwurfUebernehmen(const plx::Inhalt& d)
{
    // The box comes before the diameters: ticking it raises the bars' maximum
    // so that a diameter above 19 cm fits. Each assignment that changes a
    // control runs its handler before it returns; the pictures those handlers
    // would draw are never seen, so only the last one is drawn.
    m_zeichnenZurueckgestellt = true;
    ZweiA4 = d.ZweiA4;
    if (ZweiA4 == 0)
        chkZweiA4->setChecked(false);
    if (ZweiA4 == 1)
        chkZweiA4->setChecked(true);
    AussenDurchmesserNeu = d.AussenDurchmesserNeu;
    hsbAussen->setValue(int(std::nearbyint(AussenDurchmesserNeu * 2.0)));
    InnenDurchmesserNeu = d.InnenDurchmesserNeu;
    hsbInnen->setValue(int(std::nearbyint(InnenDurchmesserNeu * 2.0)));
    AnzahlSpitzen = d.AnzahlSpitzen;
    hsbAnzahl->setValue(AnzahlSpitzen);
    YFaktor = d.YFaktor;
    vsbYFaktor->setValue(int(std::nearbyint(YFaktor * 10.0)));

    KurvenWert[1] = d.KurvenWert1;
    KurvenWert[2] = d.KurvenWert2;
    KurvenWert[3] = d.KurvenWert3;
    KurveEin = KurvenWert[1] != 0 || KurvenWert[2] != 0 || KurvenWert[3] != 0;
    KurveX1 = d.KurveX1;
    KurveY1 = d.KurveY1;
    KurveX2 = d.KurveX2;
    KurveY2 = d.KurveY2;
    KurveX3 = d.KurveX3;
    KurveY3 = d.KurveY3;

    // A value other than 0 or 1 is kept as read and leaves its control alone.
    PeloxForm = d.PeloxForm;
    if (PeloxForm == 0 || PeloxForm == 1)
        optPeloxForm[std::size_t(PeloxForm)]->setChecked(true);
    StrichDicke = d.StrichDicke;
    if (StrichDicke == 0 || StrichDicke == 1)
        optStrichDicke[std::size_t(StrichDicke)]->setChecked(true);
    Gezogen = d.Gezogen;
    if (Gezogen == 0 || Gezogen == 1)
        cmdRückstellen->setEnabled(Gezogen == 1);

    std::copy(d.Radien.begin(), d.Radien.end(), Radius.begin() + 1);
    m_zeichnenZurueckgestellt = false;

    // RasterZeichnen puts the bend points' x back where this editor has them.
    PeloxBerechnung();
    RasterZeichnen();
    KurvenFormPunkte();
    KurvenBerechnung();
    Zeichnen();
    Timer1_Timer();
}
