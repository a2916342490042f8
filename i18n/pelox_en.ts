<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>EinmessDialog</name>
    <message>
        <source>Drucker einmessen</source>
        <translation>Calibrate printer</translation>
    </message>
    <message>
        <source>Einmessblatt drucken</source>
        <translation>Print calibration sheet</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Waagrechtes Lineal (soll %1 cm), gemessen in cm:</source>
        <translation>Horizontal ruler (should be %1 cm), measured in cm:</translation>
    </message>
    <message>
        <source>Senkrechtes Lineal (soll %1 cm), gemessen in cm:</source>
        <translation>Vertical ruler (should be %1 cm), measured in cm:</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Sobald einer eingerichtet ist, kann er hier eingemessen werden.</source>
        <translation>No printer is set up. Once one is, it can be calibrated here.</translation>
    </message>
    <message>
        <source>Drucken Sie das Einmessblatt auf dem Drucker "%1", messen Sie beide Lineale von der Ecke bis zum Ende nach und tragen Sie die Längen ein. Jeder weitere Ausdruck auf diesem Drucker wird dann in beiden Richtungen so berichtigt, dass er genau stimmt.</source>
        <translation>Print the calibration sheet on the printer "%1", measure both rulers from the corner to their end and enter the lengths. Every later printout on this printer is then corrected in both directions so that it is exact.</translation>
    </message>
    <message>
        <source>Gespeicherte Korrektur: waagrecht %1, senkrecht %2</source>
        <translation>Stored correction: horizontal %1, vertical %2</translation>
    </message>
    <message>
        <source>Gespeicherte Korrektur: keine</source>
        <translation>Stored correction: none</translation>
    </message>
    <message>
        <source> Bitte beide Längen als Zahl in cm eintragen, zum Beispiel %1 !! </source>
        <translation> Please enter both lengths as numbers in cm, for example %1 !! </translation>
    </message>
    <message>
        <source> Aus diesen Längen ergäbe sich eine Korrektur außerhalb von %1 bis %2. So weit weicht kein Drucker ab: bitte die Längen in cm nachmessen !! </source>
        <translation> These lengths would give a correction outside %1 to %2. No printer is that far off: please measure the lengths in cm again !! </translation>
    </message>
    <message>
        <source>Die gemessenen Längen weichen um mehr als %1 ab (Korrektur %2 x %3). Das sieht nach einer Verkleinerung im Druckdialog oder im Druckertreiber aus ("An Seite anpassen"), nicht nach einer Ungenauigkeit des Druckers.
Trotzdem speichern?</source>
        <translation>The measured lengths are off by more than %1 (correction %2 x %3). That looks like scaling in the print dialog or the printer driver ("Fit to page"), not like an inaccurate printer.
Save anyway?</translation>
    </message>
</context>
<context>
    <name>frmPelox</name>
    <message>
        <source>Anzahl Spitzen</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>Aussen-Durchmesser</source>
        <translation>Outer diameter</translation>
    </message>
    <message>
        <source>Innen-Durchmesser</source>
        <translation>Inner diameter</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Höhe 100%</source>
        <translation>Set 100%</translation>
    </message>
    <message>
        <source>Peloxform</source>
        <translation>Star form</translation>
    </message>
    <message>
        <source>Strichdicke</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>Zwei A-4 Blätter</source>
        <translation>Two A4 sheets</translation>
    </message>
    <message>
        <source>Kurve biegen</source>
        <translation>Bend curve</translation>
    </message>
    <message>
        <source>Kurve aus</source>
        <translation>Curve off</translation>
    </message>
    <message>
        <source>Ecke ziehen</source>
        <translation>Pull corner</translation>
    </message>
    <message>
        <source>Rückstellen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source> Die Datei %1 kann nicht gelesen werden !! </source>
        <translation> The file %1 cannot be read !! </translation>
    </message>
    <message>
        <source>Lesen nicht möglich !!</source>
        <translation>Cannot open !!</translation>
    </message>
    <message>
        <source> Das ist keine Pelox-Datei (*.plx) !! </source>
        <translation> This is no Pelox file (*.plx) !! </translation>
    </message>
    <message>
        <source>Falsche Datei !!</source>
        <translation>Wrong file !!</translation>
    </message>
    <message>
        <source> Die Pelox-Datei ist beschädigt: %1 !! </source>
        <translation> The Pelox file is damaged: %1 !! </translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source> Der Stern wurde geändert. Sollen die Änderungen gespeichert werden? </source>
        <translation> The star has been changed. Save the changes? </translation>
    </message>
    <message>
        <source>Pelox-Programm</source>
        <translation>Pelox program</translation>
    </message>
    <message>
        <source> Das Bild wäre %1 x %2 Pixel groß und kann nicht gespeichert werden; möglich sind höchstens %3 Pixel je Seite und %4 MB !! </source>
        <translation> The picture would be %1 x %2 pixels and cannot be saved; at most %3 pixels a side and %4 MB are possible !! </translation>
    </message>
    <message>
        <source>Bild zu groß !!</source>
        <translation>Picture too large !!</translation>
    </message>
    <message>
        <source>Pelox-Bild-Dateien (*.jpg)|*.jpg|</source>
        <translation>Pelox picture files (*.jpg)|*.jpg|</translation>
    </message>
    <message>
        <source>Alle Dateien (*.*)|*.*|</source>
        <translation>All files (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Pelox-Programm  V1.7</source>
        <translation>Pelox program  V1.7</translation>
    </message>
    <message>
        <source>Mit der linken Maustaste können alle Pelox-Ecken aussen und innen verkürzt oder verlängert werden.</source>
        <translation>With the left mouse button every outer and inner corner can be pulled in or out.</translation>
    </message>
    <message>
        <source>Mit der linken Maustaste kann die Linie an den Punkten verbogen werden !</source>
        <translation>Drag the points with the left mouse button to bend the line !</translation>
    </message>
    <message>
        <source> Die Datei %1 konnte nicht gespeichert werden !! </source>
        <translation> The file %1 could not be saved !! </translation>
    </message>
    <message>
        <source>Speichern nicht möglich !!</source>
        <translation>Cannot save !!</translation>
    </message>
    <message>
        <source>Bei Drei-D werden die Peloxecken mit dem Zentrum verbunden</source>
        <translation>With 3-D every corner is joined to the centre</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Drei-D</source>
        <translation>3-D</translation>
    </message>
    <message>
        <source>Der dicke Strich ist auf dem Drucker weniger dick!</source>
        <translation>The thick line is less thick on the printer!</translation>
    </message>
    <message>
        <source>dünn</source>
        <translation>thin</translation>
    </message>
    <message>
        <source>dick</source>
        <translation>thick</translation>
    </message>
    <message>
        <source>Der Pelox wird auf zwei A4-Blätter verteilt</source>
        <translation>The star is spread over two A4 sheets</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Die Peloxdaten werden in einer plx-Datei gespeichert</source>
        <translation>The star is saved in a plx file</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source> A4-Blatt</source>
        <translation> A4 sheet</translation>
    </message>
    <message>
        <source>Kurvenform</source>
        <translation>Curve shape</translation>
    </message>
    <message>
        <source>Eine Pelox-Linie kann an 3 Punkten verbogen werden</source>
        <translation>An edge of the star can be bent at 3 points</translation>
    </message>
    <message>
        <source>Pelox innen</source>
        <translation>Star inside</translation>
    </message>
    <message>
        <source>Kurvenwerte</source>
        <translation>Curve values</translation>
    </message>
    <message>
        <source>Abweichung in cm</source>
        <translation>Deviation in cm</translation>
    </message>
    <message>
        <source>Pelox aussen</source>
        <translation>Star outside</translation>
    </message>
    <message>
        <source>Höhe (%)</source>
        <translation>Height (%)</translation>
    </message>
    <message>
        <source>Höhe verstellen</source>
        <translation>Change the height</translation>
    </message>
    <message>
        <source>Höhe auf 100% stellen</source>
        <translation>Set the height to 100%</translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation>Pull</translation>
    </message>
    <message>
        <source>Ziehen der Pelox-Ecken</source>
        <translation>Pulling the corners of the star</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Bild (jpg)  speichern</source>
        <translation>Save picture (jpg)</translation>
    </message>
    <message>
        <source>Speichern als bmp-Datei zum Weiterverarbeiten mit Paint usw.</source>
        <translation>Saves a bmp file for editing in a paint program</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Drucken </source>
        <translation>Print </translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Als PDF speichern …</source>
        <translation>Save as PDF …</translation>
    </message>
    <message>
        <source>Als SVG speichern …</source>
        <translation>Save as SVG …</translation>
    </message>
    <message>
        <source>Auf mehreren Blättern drucken …</source>
        <translation>Print on several sheets …</translation>
    </message>
    <message>
        <source>Prüfmaß mitdrucken</source>
        <translation>Print check scale</translation>
    </message>
    <message>
        <source>Drucker einmessen …</source>
        <translation>Calibrate printer …</translation>
    </message>
    <message>
        <source>Der Pelox ist %1 groß, der druckbare Bereich %2 nur %3: er würde abgeschnitten.
%4</source>
        <translation>The star is %1, the printable area %2 only %3: it would be cut off.
%4</translation>
    </message>
    <message>
        <source>der zwei Blätter</source>
        <translation>of the two sheets</translation>
    </message>
    <message>
        <source>des Blatts</source>
        <translation>of the sheet</translation>
    </message>
    <message>
        <source>Pelox zu groß</source>
        <translation>Star too large</translation>
    </message>
    <message>
        <source>Trotzdem speichern?</source>
        <translation>Save anyway?</translation>
    </message>
    <message>
        <source>Trotzdem drucken?</source>
        <translation>Print anyway?</translation>
    </message>
    <message>
        <source>Rechte Maustaste: PDF, SVG, Poster, Drucker einmessen …</source>
        <translation>Right mouse button: PDF, SVG, poster, printer calibration …</translation>
    </message>
</context>
</TS>
