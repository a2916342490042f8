<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Druck</name>
    <message>
        <source>  Dateiname = </source>
        <translation>  File name = </translation>
    </message>
    <message>
        <source>(nicht gespeichert)</source>
        <translation>(not saved)</translation>
    </message>
    <message>
        <source>  Anzahl Spitzen = </source>
        <translation>  Number of points = </translation>
    </message>
    <message>
        <source>  Aussenmass = </source>
        <translation>  Outer size = </translation>
    </message>
    <message>
        <source>  Innenmass = </source>
        <translation>  Inner size = </translation>
    </message>
    <message>
        <source>  Höhe = </source>
        <translation>  Height = </translation>
    </message>
    <message>
        <source>  Korrektur = </source>
        <translation>  Correction = </translation>
    </message>
</context>
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
        <source>Drucken Sie das Einmessblatt auf dem Drucker &quot;%1&quot;, messen Sie beide Lineale von der Ecke bis zum Ende nach und tragen Sie die Längen ein. Jeder weitere Ausdruck auf diesem Drucker wird dann in beiden Richtungen so berichtigt, dass er genau stimmt.</source>
        <translation>Print the calibration sheet on the printer &quot;%1&quot;, measure both rulers from the corner to their end and enter the lengths. Every later printout on this printer is then corrected in both directions so that it is exact.</translation>
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
        <source>Die gemessenen Längen weichen um mehr als %1 ab (Korrektur %2 x %3). Das sieht nach einer Verkleinerung im Druckdialog oder im Druckertreiber aus (&quot;An Seite anpassen&quot;), nicht nach einer Ungenauigkeit des Druckers.
Trotzdem speichern?</source>
        <translation>The measured lengths are off by more than %1 (correction %2 x %3). That looks like scaling in the print dialog or the printer driver (&quot;Fit to page&quot;), not like an inaccurate printer.
Save anyway?</translation>
    </message>
</context>
<context>
    <name>Einmessblatt</name>
    <message>
        <source>Einmessblatt</source>
        <translation>Calibration sheet</translation>
    </message>
    <message>
        <source>1. Dieses Blatt in Originalgröße (100 %) drucken,</source>
        <translation>1. Print this sheet at actual size (100 %),</translation>
    </message>
    <message>
        <source>   nicht an die Seite angepasst.</source>
        <translation>   not fitted to the page.</translation>
    </message>
    <message>
        <source>2. Beide Lineale von der Ecke bis zum Ende nachmessen:</source>
        <translation>2. Measure both rulers from the corner to their end:</translation>
    </message>
    <message>
        <source>   waagrecht 18 cm, senkrecht 25 cm.</source>
        <translation>   horizontal 18 cm, vertical 25 cm.</translation>
    </message>
    <message>
        <source>3. Die gemessenen Längen im Fenster</source>
        <translation>3. Enter the measured lengths in the window</translation>
    </message>
    <message>
        <source>   &quot;Drucker einmessen&quot; eintragen.</source>
        <translation>   &quot;Calibrate printer&quot;.</translation>
    </message>
</context>
<context>
    <name>Faltnetz</name>
    <message>
        <source>schneiden</source>
        <translation>cut</translation>
    </message>
    <message>
        <source>Talfalte (nach vorn falten)</source>
        <translation>valley fold (fold to the front)</translation>
    </message>
    <message>
        <source>Bergfalte (nach hinten falten)</source>
        <translation>mountain fold (fold to the back)</translation>
    </message>
    <message>
        <source>Faltstern – %1</source>
        <translation>Folded star – %1</translation>
    </message>
    <message>
        <source>Größe %1, Spitze %2 cm über der Mitte, Winkelsumme einer Hälfte %3°</source>
        <translation>Size %1, peak %2 cm above the centre, angle sum of a half %3°</translation>
    </message>
    <message>
        <source>1. Jedes Teil mit seinen Laschen an der durchgezogenen Linie ausschneiden.</source>
        <translation>1. Cut out every piece with its tabs along the solid line.</translation>
    </message>
    <message>
        <source>2. Alle Faltlinien mit Lineal und stumpfer Spitze vorritzen. Gedruckt ist die Außenseite:</source>
        <translation>2. Score every fold line with a ruler and a blunt point. The printed side is the outside:</translation>
    </message>
    <message>
        <source>    Talfalten nach vorn falten, Bergfalten und alle Laschen nach hinten.</source>
        <translation>    fold valley folds to the front, mountain folds and all tabs to the back.</translation>
    </message>
    <message>
        <source>3. Die Teile einer Hälfte an den Speichen mit gleichem Buchstaben zusammenkleben:</source>
        <translation>3. Glue the pieces of a half together at the spokes with the same letter:</translation>
    </message>
    <message>
        <source>    die Lasche unter die Kante mit demselben Buchstaben.</source>
        <translation>    the tab under the edge with the same letter.</translation>
    </message>
    <message>
        <source>4. Oberteil und Unterteil an den Kanten mit gleicher Nummer zusammenkleben:</source>
        <translation>4. Glue the top and the bottom half together at the edges with the same number:</translation>
    </message>
    <message>
        <source>    die Laschen des Unterteils innen unter die Kanten des Oberteils, Nummer für Nummer.</source>
        <translation>    the tabs of the bottom half inside under the edges of the top half, number by number.</translation>
    </message>
    <message>
        <source>4. Die Hälfte mit den Laschen am Rand auf Karton oder ans Fenster kleben.</source>
        <translation>4. Glue the half by the tabs on its rim onto card or a window.</translation>
    </message>
    <message>
        <source>Blatt %1 von %2 – %3</source>
        <translation>Sheet %1 of %2 – %3</translation>
    </message>
    <message>
        <source>Blatt %1</source>
        <translation>Sheet %1</translation>
    </message>
    <message>
        <source>Beschriftung</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>schwarz: schneiden, rot: Bergfalte, blau: Talfalte</source>
        <translation>black: cut, red: mountain fold, blue: valley fold</translation>
    </message>
    <message>
        <source>5. Die Einsätze ab Blatt %1 ausschneiden und, bevor die Hälften zusammengeklebt werden, von innen hinter die Fenster gleicher Form kleben, Klebstoff nur außerhalb der dünnen Linie.</source>
        <translation>5. Cut out the inserts from sheet %1 on and, before the halves are glued together, glue each from the inside behind the window of the same shape, with glue only outside the thin line.</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>1 Teil</source>
        <translation>1 piece</translation>
    </message>
    <message>
        <source>%1 Teile</source>
        <translation>%1 pieces</translation>
    </message>
    <message>
        <source>1 Blatt</source>
        <translation>1 sheet</translation>
    </message>
    <message>
        <source>%1 Blättern</source>
        <translation>%1 sheets</translation>
    </message>
    <message>
        <source>%1 Sterne, jeder aus Oberteil %2 und Unterteil %3, zusammen auf %4</source>
        <translation>%1 stars, each of upper part %2 and lower part %3, together on %4</translation>
    </message>
    <message>
        <source>%1 Teilen</source>
        <translation>%1 pieces</translation>
    </message>
    <message>
        <source>%1 Sterne aus einer Hälfte zu je %2, zusammen auf %3</source>
        <translation>%1 stars of one half with %2 each, together on %3</translation>
    </message>
    <message>
        <source>Oberteil %1, Unterteil %2, auf %3</source>
        <translation>Top half %1, bottom half %2, on %3</translation>
    </message>
    <message>
        <source>Eine Hälfte, %1, auf %2</source>
        <translation>One half, %1, on %2</translation>
    </message>
</context>
<context>
    <name>FaltsternDialog</name>
    <message>
        <source>Faltstern</source>
        <translation>Folded star</translation>
    </message>
    <message>
        <source>Natürliche Höhe</source>
        <translation>Natural height</translation>
    </message>
    <message>
        <source>Papier des Druckers (zum Drucken)</source>
        <translation>Printer&apos;s paper (to print)</translation>
    </message>
    <message>
        <source>%1 (für Dateien)</source>
        <translation>%1 (for files)</translation>
    </message>
    <message>
        <source>Ober- und Unterteil</source>
        <translation>Top and bottom half</translation>
    </message>
    <message>
        <source>nur eine Hälfte</source>
        <translation>one half only</translation>
    </message>
    <message>
        <source>wenige Teile (weniger kleben)</source>
        <translation>few pieces (less gluing)</translation>
    </message>
    <message>
        <source>wenige Blätter</source>
        <translation>few sheets</translation>
    </message>
    <message>
        <source>Ziehen dreht den Stern, das Mausrad zoomt, ein Doppelklick zeigt ihn wieder von vorn.</source>
        <translation>Drag to turn the star, the wheel zooms, a double click shows it from the front again.</translation>
    </message>
    <message>
        <source>Außendurchmesser:</source>
        <translation>Outer diameter:</translation>
    </message>
    <message>
        <source>Höhe der Spitze:</source>
        <translation>Height of the peak:</translation>
    </message>
    <message>
        <source>Laschen:</source>
        <translation>Tabs:</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>Hälften:</source>
        <translation>Halves:</translation>
    </message>
    <message>
        <source>Zerlegen in:</source>
        <translation>Cut into:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
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
        <source>Als 3D-Modell speichern …</source>
        <translation>Save as 3D model …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Höhe, bei der sich der flache Stern ohne Schnitt zu einer Hälfte faltet: %1 cm</source>
        <translation>The height at which the flat star folds into a half without a cut: %1 cm</translation>
    </message>
    <message>
        <source>Dieser Stern hat keine natürliche Höhe: bei keiner Höhe der Spitze ergeben die Winkel einer Hälfte genau 360°.</source>
        <translation>This star has no natural height: at no height of the peak do the angles of a half add up to exactly 360°.</translation>
    </message>
    <message>
        <source>1 Teil</source>
        <translation>1 piece</translation>
    </message>
    <message>
        <source>%1 Teile</source>
        <translation>%1 pieces</translation>
    </message>
    <message>
        <source>1 Blatt</source>
        <translation>1 sheet</translation>
    </message>
    <message>
        <source>%1 Blättern</source>
        <translation>%1 sheets</translation>
    </message>
    <message>
        <source>Winkelsumme einer Hälfte: %1°</source>
        <translation>Angle sum of a half: %1°</translation>
    </message>
    <message>
        <source>%1
%2 (Oberteil %3, Unterteil %4) auf %5</source>
        <translation>%1
%2 (top half %3, bottom half %4) on %5</translation>
    </message>
    <message>
        <source>%1
%2 auf %3</source>
        <translation>%1
%2 on %3</translation>
    </message>
    <message>
        <source>Für Schneidemaschinen:</source>
        <translation>For cutting machines:</translation>
    </message>
    <message>
        <source>Als DXF speichern …</source>
        <translation>Save as DXF …</translation>
    </message>
    <message>
        <source>So viele Sterne auf einmal: ihre Teile kommen zusammen auf möglichst wenige Blätter.</source>
        <translation>This many stars at once: their pieces go together onto as few sheets as possible.</translation>
    </message>
    <message>
        <source>Anzahl:</source>
        <translation>Copies:</translation>
    </message>
    <message>
        <source>leuchtend</source>
        <translation>lit</translation>
    </message>
    <message>
        <source>Der Stern bei Nacht, von innen beleuchtet</source>
        <translation>The star at night, lit from inside</translation>
    </message>
    <message>
        <source>Einsätze auf 1 Blatt</source>
        <translation>Inserts on 1 sheet</translation>
    </message>
    <message>
        <source>Einsätze auf %1 Blättern</source>
        <translation>Inserts on %1 sheets</translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>Warnung: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>Den Ausdruck als PDF-Datei &lt;datei&gt; schreiben.</source>
        <translation>Write the printout as PDF file &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Den Umriss in Originalgröße als SVG-Datei &lt;datei&gt; schreiben.</source>
        <translation>Write the outline at actual size as SVG file &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Das Bild des Sterns als Bitmap-Datei &lt;datei&gt; schreiben.</source>
        <translation>Write the star&apos;s picture as bitmap file &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Das Einmessblatt (Lineale zum Einmessen des Druckers) als PDF-Datei &lt;datei&gt; schreiben.</source>
        <translation>Write the calibration sheet (rulers to calibrate the printer) as PDF file &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Den Stern auf mehreren Blättern als PDF-Datei &lt;datei&gt; schreiben, mit Übersicht.</source>
        <translation>Write the star on several sheets as PDF file &lt;file&gt;, with an overview.</translation>
    </message>
    <message>
        <source>Außendurchmesser in cm: des Posters %1 bis %2, des Faltsterns %3 bis %4 (ohne: der des Entwurfs), der Sterne des Sternbogens %5 bis %6, mehrere Größen als Durchmesser:Anzahl mit + verbunden (3:10+5:6).</source>
        <translation>Outer diameter in cm: of the poster %1 to %2, of the folded star %3 to %4 (without: the design&apos;s own), of the stars of the sheet of stars %5 to %6, several sizes as diameter:count joined by + (3:10+5:6).</translation>
    </message>
    <message>
        <source>Durchmesser</source>
        <translation>diameter</translation>
    </message>
    <message>
        <source>Papier des Posters, des Faltnetzes und des Sternbogens: %1 (%2).</source>
        <translation>Paper of the poster, of the net and of the sheet of stars: %1 (%2).</translation>
    </message>
    <message>
        <source>papier</source>
        <translation>paper</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>paper</translation>
    </message>
    <message>
        <source>Breite des Klebestreifens des Posters in cm (%1 bis %2, %3).</source>
        <translation>Width of the poster&apos;s glue strip in cm (%1 to %2, %3).</translation>
    </message>
    <message>
        <source>Klebestreifen</source>
        <translation>glue strip</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>margin</translation>
    </message>
    <message>
        <source>Das Faltnetz des Sterns in 3D (Teile zum Ausschneiden, Falten und Kleben) als PDF-Datei &lt;datei&gt; schreiben; braucht --peak.</source>
        <translation>Write the net of the 3D star (pieces to cut out, fold and glue) as PDF file &lt;file&gt;; needs --peak.</translation>
    </message>
    <message>
        <source>Das Faltnetz für Schneideplotter als SVG-Datei &lt;datei&gt; schreiben.</source>
        <translation>Write the net for cutting plotters as SVG file &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Höhe der Spitzen des Faltsterns über der Mitte in cm (%1 bis zur längeren Seite des fertigen Sterns, oder seiner natürlichen Höhe, wo die höher ist), oder natural für die Höhe, bei der er sich ohne Schnitt falten lässt.</source>
        <translation>Height of the folded star&apos;s peaks above the centre in cm (%1 up to the longer side of the finished star, or its natural height where that is higher), or natural for the height at which it folds without a cut.</translation>
    </message>
    <message>
        <source>Höhe der Spitze</source>
        <translation>height of the peak</translation>
    </message>
    <message>
        <source>Breite der Klebelaschen des Faltnetzes in cm (%1 bis %2, %3).</source>
        <translation>Width of the net&apos;s glue tabs in cm (%1 to %2, %3).</translation>
    </message>
    <message>
        <source>Laschen</source>
        <translation>tabs</translation>
    </message>
    <message>
        <source>Beide Hälften des Faltsterns (2) oder nur eine (1).</source>
        <translation>Both halves of the folded star (2) or only one (1).</translation>
    </message>
    <message>
        <source>Hälften</source>
        <translation>halves</translation>
    </message>
    <message>
        <source>Das Faltnetz in möglichst wenige Teile (pieces) oder auf möglichst wenige Blätter (sheets).</source>
        <translation>The net in as few pieces (pieces) or on as few sheets (sheets) as possible.</translation>
    </message>
    <message>
        <source>Den gefalteten Stern als 3D-Modell (binäres STL in mm) in &lt;datei&gt; schreiben; braucht --peak.</source>
        <translation>Write the folded star as 3D model (binary STL in mm) to &lt;file&gt;; needs --peak.</translation>
    </message>
    <message>
        <source>%1 %2: ein Komma vor drei Ziffern kann Tausender trennen; Dezimalstellen mit Punkt schreiben (%3), Tausender ohne Trennzeichen</source>
        <translation>%1 %2: a comma before three digits may separate thousands; write decimals with a point (%3), thousands without a separator</translation>
    </message>
    <message>
        <source>%1 %2: erlaubt sind %3 bis %4 %5</source>
        <translation>%1 %2: %3 to %4 %5 are allowed</translation>
    </message>
    <message>
        <source>%1 (für %2)</source>
        <translation>%1 (for %2)</translation>
    </message>
    <message>
        <source>%1 %2 ist die Pelox-Datei selbst; sie würde überschrieben</source>
        <translation>%1 %2 is the Pelox file itself; it would be overwritten</translation>
    </message>
    <message>
        <source>%1 %2 ist dieselbe Datei wie %3; nur eine bliebe übrig</source>
        <translation>%1 %2 is the same file as %3; only one would be left</translation>
    </message>
    <message>
        <source>pelox-datei</source>
        <translation>pelox-file</translation>
    </message>
    <message>
        <source>Die Pelox-Datei (*.plx).</source>
        <translation>The Pelox file (*.plx).</translation>
    </message>
    <message>
        <source>[pelox-datei]</source>
        <translation>[pelox-file]</translation>
    </message>
    <message>
        <source>nur eine Pelox-Datei angeben</source>
        <translation>give only one Pelox file</translation>
    </message>
    <message>
        <source>%1 ist mehr als einmal angegeben</source>
        <translation>%1 is given more than once</translation>
    </message>
    <message>
        <source>%1 brauchen eine Pelox-Datei</source>
        <translation>%1 need a Pelox file</translation>
    </message>
    <message>
        <source>--calibration-pdf allein liest keine Pelox-Datei</source>
        <translation>--calibration-pdf alone reads no Pelox file</translation>
    </message>
    <message>
        <source>%1 gilt nur für %2</source>
        <translation>%1 applies only to %2</translation>
    </message>
    <message>
        <source>%1 braucht %2 %3</source>
        <translation>%1 needs %2 %3</translation>
    </message>
    <message>
        <source>%1 oder %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>%1 %2: erlaubt sind %3</source>
        <translation>%1 %2: allowed are %3</translation>
    </message>
    <message>
        <source>Dieser Stern hat keine natürliche Höhe: bei keiner Höhe der Spitze ergeben die Winkel einer Hälfte genau 360°</source>
        <translation>This star has no natural height: at no height of the peak do the angles of a half add up to exactly 360°</translation>
    </message>
    <message>
        <source> Ein Pelox auf zwei A4-Blättern kann nicht als Bild gespeichert werden !! </source>
        <translation> A star on two A4 sheets cannot be saved as a picture !! </translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden</source>
        <translation>The file %1 could not be saved</translation>
    </message>
    <message>
        <source>Das Fenster braucht einen Bildschirm: DISPLAY und WAYLAND_DISPLAY sind leer</source>
        <translation>The window needs a display: DISPLAY and WAYLAND_DISPLAY are empty</translation>
    </message>
    <message>
        <source>Viele Sterne auf möglichst wenigen Blättern (Sternbogen) als PDF-Datei &lt;datei&gt; schreiben; braucht --diameter.</source>
        <translation>Write many stars on as few sheets as possible (sheet of stars) as PDF file &lt;file&gt;; needs --diameter.</translation>
    </message>
    <message>
        <source>Den Sternbogen für Schneideplotter als SVG-Datei &lt;datei&gt; schreiben.</source>
        <translation>Write the sheet of stars for cutting plotters as SVG file &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>number</translation>
    </message>
    <message>
        <source>Abstand der Sterne auf dem Sternbogen in mm (%1 bis %2, %3).</source>
        <translation>Gap between the stars on the sheet of stars in mm (%1 to %2, %3).</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>gap</translation>
    </message>
    <message>
        <source>%1 %2: nur ganze Zahlen</source>
        <translation>%1 %2: whole numbers only</translation>
    </message>
    <message>
        <source>%1 Sterne: höchstens %2 auf einmal</source>
        <translation>%1 stars: at most %2 at a time</translation>
    </message>
    <message>
        <source>%1 %2: ein Durchmesser in cm, oder mehrere als Durchmesser:Anzahl mit + verbunden, etwa 3:10+5:6</source>
        <translation>%1 %2: one diameter in cm, or several as diameter:count joined by +, such as 3:10+5:6</translation>
    </message>
    <message>
        <source>%1 %2: erlaubt sind %3 bis %4 %5 (für %6)</source>
        <translation>%1 %2: %3 to %4 %5 are allowed (for %6)</translation>
    </message>
    <message>
        <source>Anzahl %1: erlaubt sind 1 bis %2</source>
        <translation>number %1: 1 to %2 are allowed</translation>
    </message>
    <message>
        <source>Den Umriss in Originalgröße als DXF-Datei &lt;datei&gt; (in mm) schreiben.</source>
        <translation>Write the outline at actual size as the DXF file &lt;file&gt; (in mm).</translation>
    </message>
    <message>
        <source>Das Faltnetz für Schneideplotter und Laser als DXF-Datei &lt;datei&gt; (in mm) schreiben.</source>
        <translation>Write the net for cutting plotters and lasers as the DXF file &lt;file&gt; (in mm).</translation>
    </message>
    <message>
        <source>Nur Schnittlinien: nur was geschnitten und gefalzt wird, ohne Texte, Legende, Prüfmaß und Rahmen, jede Linie durchgezogen, in Originalgröße.</source>
        <translation>Cutting lines only: nothing but what is cut and folded, without texts, legend, check scale and frame, every line solid, at actual size.</translation>
    </message>
    <message>
        <source>Die Falze des Faltnetzes in SVG, DXF und PDF mit --cut-only: %1 (%2); score geritzt in eigener Farbe, perforate als Reihe kurzer Schnitte, none weggelassen.</source>
        <translation>The folds of the net in SVG, DXF and PDF with --cut-only: %1 (%2); score scored in a colour of their own, perforate as a row of short cuts, none left out.</translation>
    </message>
    <message>
        <source>Länge der Schnitte und der Lücken der perforierten Falze in mm, mit Komma getrennt, Dezimalstellen mit Punkt (je %1 bis %2, %3); braucht --folds perforate.</source>
        <translation>Length of the cuts and of the gaps of perforated folds in mm, separated by a comma, decimals with a point (each %1 to %2, %3); needs --folds perforate.</translation>
    </message>
    <message>
        <source>schnitt,lücke</source>
        <translation>cut,gap</translation>
    </message>
    <message>
        <source>Perforation</source>
        <translation>Perforation</translation>
    </message>
    <message>
        <source>%1 %2: erlaubt sind zwei Längen von %3 bis %4 %5, mit Komma getrennt, Dezimalstellen mit Punkt (1,2 oder 1.5,2.5)</source>
        <translation>%1 %2: allowed are two lengths from %3 to %4 %5, separated by a comma, decimals with a point (1,2 or 1.5,2.5)</translation>
    </message>
    <message>
        <source>%1 gilt für %2 nur mit --cut-only</source>
        <translation>%1 applies to %2 only with --cut-only</translation>
    </message>
    <message>
        <source>--perforation braucht --folds perforate</source>
        <translation>--perforation needs --folds perforate</translation>
    </message>
    <message>
        <source>Sterne entwerfen und in Originalgröße drucken.
Ohne Datei öffnet sich das Fenster; mit einer Pelox-Datei (*.plx) öffnet es sie.
Mit --pdf, --svg, --dxf, --bmp, --poster, --net, --net-svg, --net-dxf, --stl, --sheet,
--sheet-svg oder --sheet-dxf wird die Datei ohne Fenster geschrieben, mit --calibration-pdf
das Einmessblatt für den Drucker.
Zahlen mit Punkt oder Komma (2.5 oder 2,5), ohne Tausendertrennung.</source>
        <translation>Design stars and print them at true size.
Without a file the window opens; with a Pelox file (*.plx) it opens that file.
With --pdf, --svg, --dxf, --bmp, --poster, --net, --net-svg, --net-dxf, --stl, --sheet,
--sheet-svg or --sheet-dxf the file is written without a window, with --calibration-pdf
the calibration sheet for the printer.
Numbers with a point or a comma (2.5 or 2,5), without thousands separators.</translation>
    </message>
    <message>
        <source>Rand in mm: der PDF-Seiten des Posters %1 bis %2; der Blätter des Faltnetzes und des Sternbogens und der Seite von --pdf --cut-only %3 bis %4 (%5).</source>
        <translation>Margin in mm: of the poster&apos;s PDF pages %1 to %2; of the sheets of the net and of the sheet of stars and of the page of --pdf --cut-only %3 to %4 (%5).</translation>
    </message>
    <message>
        <source>Den Sternbogen für Schneideplotter und Laser als DXF-Datei &lt;datei&gt; (in mm) schreiben.</source>
        <translation>Write the sheet of stars for cutting plotters and lasers as the DXF file &lt;file&gt; (in mm).</translation>
    </message>
    <message>
        <source>Anzahl der Sterne des Sternbogens (%1 bis %2), für jede Größe ohne eigene Anzahl; der Faltsterne, deren Teile zusammen auf möglichst wenige Blätter kommen (%3 bis %4); %5.</source>
        <translation>Number of stars on the sheet of stars (%1 to %2), for every size without a count of its own; of folded stars whose pieces go together onto as few sheets as possible (%3 to %4); %5.</translation>
    </message>
    <message>
        <source>%1 zeigt sich nur im Druck und gilt nicht mit --cut-only</source>
        <translation>%1 shows only in print and does not apply with --cut-only</translation>
    </message>
    <message>
        <source>%1 braucht --%2</source>
        <translation>%1 needs --%2</translation>
    </message>
    <message>
        <source>%1 %2: erlaubt sind eine Farbe RRGGBB aus sechs hexadezimalen Ziffern oder zwei mit Komma getrennt (ff0000 oder ff0000,0000ff)</source>
        <translation>%1 %2: allowed is one colour RRGGBB of six hexadecimal digits, or two separated by a comma (ff0000 or ff0000,0000ff)</translation>
    </message>
    <message>
        <source>%1 %2: zwei Farben brauchen zwei Hälften</source>
        <translation>%1 %2: two colours need two halves</translation>
    </message>
    <message>
        <source>Die Außenseite des Faltnetzes farbig drucken: eine Farbe RRGGBB (hexadezimal) für beide Hälften oder zwei mit Komma getrennt, oben und unten; die Laschen bleiben weiß.</source>
        <translation>Print the outside of the net in colour: one colour RRGGBB (hexadecimal) for both halves, or two separated by a comma, upper and lower; the tabs stay white.</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Jede Fläche heller oder dunkler gedruckt, wie das Licht von links oben auf sie fällt.</source>
        <translation>Each face printed lighter or darker, as the light from the upper left falls on it.</translation>
    </message>
    <message>
        <source>Nummern, Buchstaben und Namen der Teile auf den Flächen (faces) oder nur auf den Laschen (tabs), damit außen nichts zu sehen ist; ohne: tabs mit --colour, sonst faces.</source>
        <translation>Numbers, letters and the pieces&apos; names on the faces (faces) or on the tabs alone (tabs), so that nothing shows outside; without: tabs with --colour, else faces.</translation>
    </message>
    <message>
        <source>Fenster in die Flächen schneiden, jedes mit einem Rahmen von %1 bis %2 mm Breite; eine Fläche, die zu klein dafür ist, bleibt ohne.</source>
        <translation>Cut windows into the faces, each with a frame %1 to %2 mm wide; a face too small for it has none.</translation>
    </message>
    <message>
        <source>Fensterrahmen</source>
        <translation>Window frame</translation>
    </message>
    <message>
        <source>Ein Fenster in jeder Fläche (1) oder in jeder zweiten (2), %1 (%2); braucht --windows.</source>
        <translation>A window in every face (1) or in every second one (2), %1 (%2); needs --windows.</translation>
    </message>
    <message>
        <source>Hinter jedes Fenster einen Einsatz aus Transparentpapier, mit 4 mm Klebekante, auf eigenen Blättern; braucht --windows.</source>
        <translation>Behind every window an insert of translucent paper, with a 4 mm glue border, on sheets of their own; needs --windows.</translation>
    </message>
    <message>
        <source>Eine runde Öffnung für eine Lampe um die untere Spitze, %1 bis %2 cm weit, mit einem Schlitz für das Kabel.</source>
        <translation>A round opening for a lamp around the lower peak, %1 to %2 cm across, with a slit for the cable.</translation>
    </message>
    <message>
        <source>Öffnung</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Ein Loch von 4 mm zum Aufhängen nahe der obersten Spitze, in beiden Hälften.</source>
        <translation>A hole of 4 mm to hang it by near the uppermost tip, in both halves.</translation>
    </message>
</context>
<context>
    <name>LaterneWahl</name>
    <message>
        <source>Laterne</source>
        <translation>Lantern</translation>
    </message>
    <message>
        <source>Farbe oben …</source>
        <translation>Colour top …</translation>
    </message>
    <message>
        <source>Farbe unten …</source>
        <translation>Colour bottom …</translation>
    </message>
    <message>
        <source>Ohne Farbe</source>
        <translation>No colour</translation>
    </message>
    <message>
        <source>schattiert</source>
        <translation>shaded</translation>
    </message>
    <message>
        <source>Jede Fläche heller oder dunkler gedruckt, wie Licht von links oben sie trifft</source>
        <translation>Each face printed lighter or darker, as a light from the upper left falls on it</translation>
    </message>
    <message>
        <source>Beschriftung auf den Laschen</source>
        <translation>Labels on the tabs</translation>
    </message>
    <message>
        <source>Nummern, Buchstaben und Namen der Teile nur auf den Laschen, so dass die Flächen sauber bleiben</source>
        <translation>Numbers, letters and the pieces&apos; names on the tabs alone, so that the faces stay clean</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Breite des Rahmens um jedes Fenster</source>
        <translation>Width of the frame around each window</translation>
    </message>
    <message>
        <source>in jeder Fläche</source>
        <translation>in every face</translation>
    </message>
    <message>
        <source>in jeder zweiten Fläche</source>
        <translation>in every second face</translation>
    </message>
    <message>
        <source>Radius der gerundeten Fensterecken</source>
        <translation>Radius of the windows&apos; rounded corners</translation>
    </message>
    <message>
        <source>Einsätze</source>
        <translation>Inserts</translation>
    </message>
    <message>
        <source>Für jedes Fenster ein Stück Transparentpapier mit Klebrand, auf eigenen Blättern</source>
        <translation>For each window a piece of translucent paper with a glue border, on sheets of their own</translation>
    </message>
    <message>
        <source>Öffnung für Licht</source>
        <translation>Opening for a light</translation>
    </message>
    <message>
        <source>Ein rundes Loch um die untere Spitze für die Fassung einer Lampe, mit einem Schlitz für das Kabel</source>
        <translation>A round hole around the lower peak for a lamp&apos;s socket, with a slit for the cable</translation>
    </message>
    <message>
        <source>Aufhänger</source>
        <translation>Hanger</translation>
    </message>
    <message>
        <source>Ein Loch von 4 mm nahe der obersten Spitze in beiden Hälften, zum Aufhängen</source>
        <translation>A hole of 4 mm near the uppermost tip in both halves, to hang the star by</translation>
    </message>
    <message>
        <source>Ecken</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>Farbe des Oberteils</source>
        <translation>Colour of the top half</translation>
    </message>
    <message>
        <source>Farbe des Unterteils</source>
        <translation>Colour of the bottom half</translation>
    </message>
</context>
<context>
    <name>PosterDialog</name>
    <message>
        <source>Auf mehreren Blättern drucken</source>
        <translation>Print on several sheets</translation>
    </message>
    <message>
        <source>Papier des Druckers (zum Drucken)</source>
        <translation>Printer&apos;s paper (to print)</translation>
    </message>
    <message>
        <source> (für PDF)</source>
        <translation> (for PDF)</translation>
    </message>
    <message>
        <source>automatisch (wenigste Blätter)</source>
        <translation>automatic (fewest sheets)</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Außendurchmesser:</source>
        <translation>Outer diameter:</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>Ausrichtung:</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>Klebestreifen:</source>
        <translation>Glue strip:</translation>
    </message>
    <message>
        <source>Rand der PDF-Seite:</source>
        <translation>PDF page margin:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Als PDF speichern …</source>
        <translation>Save as PDF …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 und eine Übersicht;
%2 leere ausgelassen</source>
        <translation>%1 and an overview;
%2 empty ones left out</translation>
    </message>
</context>
<context>
    <name>Posterdruck</name>
    <message>
        <source>(nicht gespeichert)</source>
        <translation>(not saved)</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>sheet</translation>
    </message>
    <message>
        <source>Blätter</source>
        <translation>sheets</translation>
    </message>
    <message>
        <source>Spalte</source>
        <translation>column</translation>
    </message>
    <message>
        <source>Spalten</source>
        <translation>columns</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>row</translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>quer</source>
        <translation>landscape</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>kleben</source>
        <translation>glue</translation>
    </message>
    <message>
        <source>Blatt %1 von %2 – %3</source>
        <translation>Sheet %1 of %2 – %3</translation>
    </message>
    <message>
        <source>(leer)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Pelox als Poster – %1</source>
        <translation>Pelox as a poster – %1</translation>
    </message>
    <message>
        <source>Außendurchmesser %1 cm, der ganze Stern %2 × %3 cm</source>
        <translation>Outer diameter %1 cm, the whole star %2 × %3 cm</translation>
    </message>
    <message>
        <source>%1, Klebestreifen %2 cm</source>
        <translation>%1, glue strip %2 cm</translation>
    </message>
    <message>
        <source>1. An jedem Blatt mit gestrichelter Linie den Rand an dieser Linie abschneiden.</source>
        <translation>1. On every sheet with a dashed line, cut the margin off along that line.</translation>
    </message>
    <message>
        <source>2. Die Schnittkante genau auf die gepunktete Linie des Nachbarblatts legen, sodass</source>
        <translation>2. Lay the cut edge exactly on the dotted line of the neighbouring sheet, so that</translation>
    </message>
    <message>
        <source>    die Marken beider Blätter ineinander übergehen (jede Marke nennt das Nachbarblatt).</source>
        <translation>    the marks of both sheets run into each other (every mark names the neighbouring sheet).</translation>
    </message>
    <message>
        <source>3. Im grauen Streifen „kleben“ festkleben; Reihe für Reihe, links oben beginnen.</source>
        <translation>3. Glue in the grey strip “glue”; row by row, beginning at the top left.</translation>
    </message>
    <message>
        <source>Blätter mit „(leer)“ auf der Karte tragen nichts vom Stern und werden nicht gedruckt.</source>
        <translation>Sheets marked “(empty)” on the map carry nothing of the star and are not printed.</translation>
    </message>
</context>
<context>
    <name>SchnittWahl</name>
    <message>
        <source>Nur Schnittlinien</source>
        <translation>Cutting lines only</translation>
    </message>
    <message>
        <source>Für Schneidemaschinen: nur was geschnitten und gefalzt wird, ohne Texte, Legende und Rahmen, jede Linie durchgezogen</source>
        <translation>For cutting machines: nothing but what is cut and folded, without texts, legend and frame, every line solid</translation>
    </message>
    <message>
        <source>Falze ritzen</source>
        <translation>Score the folds</translation>
    </message>
    <message>
        <source>Falze perforieren</source>
        <translation>Perforate the folds</translation>
    </message>
    <message>
        <source>Falze weglassen</source>
        <translation>Leave out the folds</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Lücke</source>
        <translation>Gap</translation>
    </message>
</context>
<context>
    <name>Sternbogen</name>
    <message>
        <source>1 Stern</source>
        <translation>1 star</translation>
    </message>
    <message>
        <source>%1 Sterne</source>
        <translation>%1 stars</translation>
    </message>
    <message>
        <source>Sternbogen – Blatt %1 von %2</source>
        <translation>Sheet of stars – sheet %1 of %2</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>1 Blatt: %1</source>
        <translation>1 sheet: %1</translation>
    </message>
    <message>
        <source>%1 Blätter: %2 Sterne</source>
        <translation>%1 sheets: %2 stars</translation>
    </message>
    <message>
        <source>Ein Stern von %1 cm passt nicht auf das Blatt (%2 × %3 cm).</source>
        <translation>A star of %1 cm does not fit on the sheet (%2 × %3 cm).</translation>
    </message>
</context>
<context>
    <name>SternbogenDialog</name>
    <message>
        <source>Sternbogen</source>
        <translation>Sheet of stars</translation>
    </message>
    <message>
        <source>Ein Durchmesser in cm, oder mehrere Größen als Durchmesser:Anzahl mit + verbunden, etwa 3:10+5:6</source>
        <translation>One diameter in cm, or several sizes as diameter:count joined by +, such as 3:10+5:6</translation>
    </message>
    <message>
        <source>Papier des Druckers (zum Drucken)</source>
        <translation>Printer&apos;s paper (to print)</translation>
    </message>
    <message>
        <source> (für Dateien)</source>
        <translation> (for files)</translation>
    </message>
    <message>
        <source>Anzahl:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Außendurchmesser (cm):</source>
        <translation>Outer diameter (cm):</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>Abstand:</source>
        <translation>Gap:</translation>
    </message>
    <message>
        <source>Rand der Seite:</source>
        <translation>Page margin:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
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
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 Sterne: höchstens %2 auf einmal</source>
        <translation>%1 stars: at most %2 at a time</translation>
    </message>
    <message>
        <source>Als DXF speichern …</source>
        <translation>Save as DXF …</translation>
    </message>
    <message>
        <source>Nur Schnittlinien</source>
        <translation>Cutting lines only</translation>
    </message>
    <message>
        <source>PDF, SVG und DXF nur mit den Umrissen der Sterne, ohne Texte, Prüfmaß und Rahmen, für Schneideplotter</source>
        <translation>PDF, SVG and DXF with the stars&apos; outlines only, without texts, check scale and frames, for cutting plotters</translation>
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
        <source> %1 ist keine gewöhnliche Datei, sondern ein Ordner, eine benannte Pipe oder ein Gerät, und wird nicht gelesen !! </source>
        <translation> %1 is not a regular file but a folder, a named pipe or a device, and is not read !! </translation>
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
        <source>Pelox-Dateien (*.plx)|*.plx|Alle Dateien (*.*)|*.*</source>
        <translation>Pelox files (*.plx)|*.plx|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>(nicht gespeichert)</source>
        <translation>(not saved)</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)|*.pdf|</source>
        <translation>PDF files (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source> Es ist kein Drucker eingerichtet !! </source>
        <translation> No printer is set up !! </translation>
    </message>
    <message>
        <source> Der Drucker hat den Auftrag nicht angenommen, es wurde nichts gedruckt !! </source>
        <translation> The printer did not accept the job, nothing was printed !! </translation>
    </message>
    <message>
        <source> Das erste Blatt ist gedruckt, das zweite Blatt konnte nicht gedruckt werden !! </source>
        <translation> The first sheet is printed, the second sheet could not be printed !! </translation>
    </message>
    <message>
        <source>Drucken nicht möglich !!</source>
        <translation>Cannot print !!</translation>
    </message>
    <message>
        <source>SVG-Dateien (*.svg)|*.svg|</source>
        <translation>SVG files (*.svg)|*.svg|</translation>
    </message>
    <message>
        <source>3D-Modell nicht möglich</source>
        <translation>No 3D model possible</translation>
    </message>
    <message>
        <source>3D-Modelle (*.stl)|*.stl|</source>
        <translation>3D models (*.stl)|*.stl|</translation>
    </message>
    <message>
        <source>Rechte Maustaste: PDF, SVG, Poster, Faltstern, Drucker einmessen …</source>
        <translation>Right mouse button: PDF, SVG, poster, folded star, printer calibration …</translation>
    </message>
    <message>
        <source>Faltstern …</source>
        <translation>Folded star …</translation>
    </message>
    <message>
        <source>Sternbogen …</source>
        <translation>Sheet of stars …</translation>
    </message>
    <message>
        <source>Nur Schnittlinien</source>
        <translation>Cutting lines only</translation>
    </message>
    <message>
        <source>Als DXF speichern …</source>
        <translation>Save as DXF …</translation>
    </message>
    <message>
        <source>DXF-Dateien (*.dxf)|*.dxf|</source>
        <translation>DXF files (*.dxf)|*.dxf|</translation>
    </message>
    <message>
        <source>Die Schnittlinien (%1 × %2 mm) passen nicht auf die Seite (%3 × %4 mm).</source>
        <translation>The cutting lines (%1 × %2 mm) do not fit on the page (%3 × %4 mm).</translation>
    </message>
</context>
<context>
    <name>netz</name>
    <message>
        <source>Die Höhe der Spitze muss größer als 0 cm sein.</source>
        <translation>The height of the peak must be more than 0 cm.</translation>
    </message>
    <message>
        <source>Der Stern hat keine Fläche, aus der sich ein Körper falten ließe.</source>
        <translation>The star has no area from which a solid could be folded.</translation>
    </message>
    <message>
        <source>Eine Biegung führt den Umriss ein Stück um die Mitte zurück, gegen die Folge der Ecken; die Flächen darüber würden sich überlappen.</source>
        <translation>A bend leads the outline some way back round the centre, against the order of the corners; the faces over it would overlap.</translation>
    </message>
    <message>
        <source>Die Laschen dürfen 0,5 bis 2 cm breit sein.</source>
        <translation>The tabs may be 0.5 to 2 cm wide.</translation>
    </message>
    <message>
        <source>Es gibt eine oder zwei Hälften.</source>
        <translation>There are one or two halves.</translation>
    </message>
    <message>
        <source>Das Papier ist zu klein.</source>
        <translation>The paper is too small.</translation>
    </message>
    <message>
        <source>%1 × %2 cm</source>
        <translation>%1 × %2 cm</translation>
    </message>
    <message>
        <source>Fertiger Stern: %1, %2 cm dick</source>
        <translation>Finished star: %1, %2 cm thick</translation>
    </message>
    <message>
        <source>seine natürliche Höhe</source>
        <translation>its natural height</translation>
    </message>
    <message>
        <source>die längere Seite des fertigen Sterns, %1</source>
        <translation>the longer side of the finished star, %1</translation>
    </message>
    <message>
        <source>Höhe der Spitze %1: erlaubt sind 0,1 bis %2 cm (%3) oder natural</source>
        <translation>height of the peak %1: 0.1 to %2 cm (%3) or natural are allowed</translation>
    </message>
    <message>
        <source>Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Bei seiner natürlichen Höhe passt der Stern auf dieses Papier bis zu einem Außendurchmesser von %1 cm.</source>
        <translation>A single face with its tabs is larger than the sheet. At its natural height the star fits on this paper up to an outer diameter of %1 cm.</translation>
    </message>
    <message>
        <source>Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Bei diesem Außendurchmesser passt der Stern auf dieses Papier mit einer Spitze von höchstens %1 cm.</source>
        <translation>A single face with its tabs is larger than the sheet. At this outer diameter the star fits on this paper with a peak of at most %1 cm.</translation>
    </message>
    <message>
        <source>Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. In derselben Form passt der Stern auf dieses Papier bis zu einem Außendurchmesser von %1 cm mit einer Spitze von %2 cm.</source>
        <translation>A single face with its tabs is larger than the sheet. In the same shape the star fits on this paper up to an outer diameter of %1 cm with a peak of %2 cm.</translation>
    </message>
    <message>
        <source>Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Mit der niedrigsten Spitze (0,1 cm) passt der Stern auf dieses Papier bis zu einem Außendurchmesser von %1 cm.</source>
        <translation>A single face with its tabs is larger than the sheet. With the lowest peak (0.1 cm) the star fits on this paper up to an outer diameter of %1 cm.</translation>
    </message>
    <message>
        <source>Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt, auch beim kleinsten Außendurchmesser (5 cm) mit der niedrigsten Spitze (0,1 cm): Der Stern braucht ein größeres Papier.</source>
        <translation>A single face with its tabs is larger than the sheet, even at the smallest outer diameter (5 cm) with the lowest peak (0.1 cm): the star needs larger paper.</translation>
    </message>
    <message>
        <source>Eine einzelne Fläche ist mit ihren Laschen größer als das Blatt. Bei dieser Höhe passt der Stern auf dieses Papier bis zu einem Außendurchmesser von %1 cm.</source>
        <translation>A single face with its tabs is larger than the sheet. At this height the star fits on this paper up to an outer diameter of %1 cm.</translation>
    </message>
    <message>
        <source>Der Umriss berührt sich selbst (etwa wo mehrere Ecken in der Mitte liegen); dort hinge der Körper nur an einer Kante und ergäbe kein geschlossenes 3D-Modell.</source>
        <translation>The outline touches itself (for instance where several corners lie in the centre); there the solid would hang by one edge and make no closed 3D model.</translation>
    </message>
    <message>
        <source>Der Boden der Hälfte lässt sich nicht in Dreiecke teilen.</source>
        <translation>The base of the half cannot be divided into triangles.</translation>
    </message>
    <message>
        <source>Oberteil</source>
        <translation>Top half</translation>
    </message>
    <message>
        <source>Unterteil</source>
        <translation>Bottom half</translation>
    </message>
    <message>
        <source>Teil %1 von %2</source>
        <translation>Piece %1 of %2</translation>
    </message>
    <message>
        <source>Beschriftungen ohne Platz auf ihrem Teil, auch in 6 pt: %1 von %2. Sie fehlen im Netz; ein größerer Durchmesser oder weniger Spitzen geben ihnen Platz.</source>
        <translation>Labels without room on their piece, even at 6 pt: %1 of %2. They are left out of the net; a larger diameter or fewer points give them room.</translation>
    </message>
    <message>
        <source>Beschriftungen ohne Platz auf ihrem Teil, auch in 6 pt: %1 von %2. Sie fehlen im Netz; breitere Laschen, ein größerer Durchmesser oder die Beschriftung auf den Flächen geben ihnen Platz.</source>
        <translation>Labels without room on their piece, even at 6 pt: %1 of %2. They are left out of the net; wider tabs, a larger diameter or the labels on the faces give them room.</translation>
    </message>
    <message>
        <source>Schmaler als 3 mm und damit kaum zu kleben: %1 von %2 Laschen. Diese Kanten besser mit einem Streifen Klebeband schließen.</source>
        <translation>Narrower than 3 mm and so hard to glue: %1 of %2 tabs. Better close those edges with a strip of adhesive tape.</translation>
    </message>
    <message>
        <source>Der Fensterrahmen darf 0,3 bis 2 cm breit sein.</source>
        <translation>The window frame may be 0.3 to 2 cm wide.</translation>
    </message>
    <message>
        <source>Die Fensterecken dürfen bis 1 cm gerundet sein, Fenster in jeder oder jeder zweiten Fläche.</source>
        <translation>The window corners may be rounded by up to 1 cm, with windows in every face or every second one.</translation>
    </message>
    <message>
        <source>Die Öffnung für Licht darf 2 bis 8 cm weit sein.</source>
        <translation>The opening for a light may be 2 to 8 cm across.</translation>
    </message>
    <message>
        <source>Die Öffnung für Licht braucht das Unterteil.</source>
        <translation>The opening for a light needs the lower half.</translation>
    </message>
    <message>
        <source>Eine Öffnung von %1 cm passt nicht in die Flächen des Unterteils.</source>
        <translation>An opening of %1 cm does not fit into the faces of the lower half.</translation>
    </message>
    <message>
        <source>Eine Öffnung von %1 cm mit dem Schlitz für das Kabel passt nicht in die Flächen des Unterteils.</source>
        <translation>An opening of %1 cm with the slit for the cable does not fit into the faces of the lower half.</translation>
    </message>
    <message>
        <source>Für den Aufhänger ist an dieser Spitze kein Platz: das Loch hält 3 mm Abstand von jeder Kante.</source>
        <translation>There is no room for the hanger at this tip: the hole keeps 3 mm from every edge.</translation>
    </message>
    <message>
        <source>Ein Einsatz passt nicht auf das Papier.</source>
        <translation>An insert does not fit on the paper.</translation>
    </message>
    <message>
        <source>Der Aufhänger braucht eine Spitze des Sterns.</source>
        <translation>The hanger needs a tip of the star.</translation>
    </message>
    <message>
        <source>Die Teile von 1 bis %1 Sternen kommen zusammen auf die Blätter.</source>
        <translation>The pieces of 1 to %1 stars go onto the sheets together.</translation>
    </message>
</context>
<context>
    <name>plx</name>
    <message>
        <source>Kennung</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Zwei A-4 Blätter</source>
        <translation>Two A4 sheets</translation>
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
        <source>Anzahl Spitzen</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Kurvenwert 1</source>
        <translation>Curve value 1</translation>
    </message>
    <message>
        <source>Kurvenwert 2</source>
        <translation>Curve value 2</translation>
    </message>
    <message>
        <source>Kurvenwert 3</source>
        <translation>Curve value 3</translation>
    </message>
    <message>
        <source>Kurvenpunkt X1</source>
        <translation>Curve point X1</translation>
    </message>
    <message>
        <source>Kurvenpunkt Y1</source>
        <translation>Curve point Y1</translation>
    </message>
    <message>
        <source>Kurvenpunkt X2</source>
        <translation>Curve point X2</translation>
    </message>
    <message>
        <source>Kurvenpunkt Y2</source>
        <translation>Curve point Y2</translation>
    </message>
    <message>
        <source>Kurvenpunkt X3</source>
        <translation>Curve point X3</translation>
    </message>
    <message>
        <source>Kurvenpunkt Y3</source>
        <translation>Curve point Y3</translation>
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
        <source>Rückstellen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Eckenradius %1</source>
        <translation>Corner radius %1</translation>
    </message>
    <message>
        <source>Feld %1 (%2)</source>
        <translation>field %1 (%2)</translation>
    </message>
    <message>
        <source>die Datei endet vor %1</source>
        <translation>the file ends before %1</translation>
    </message>
    <message>
        <source>%1 ist keine Zahl</source>
        <translation>%1 is no number</translation>
    </message>
    <message>
        <source>%1 ist keine ganze Zahl</source>
        <translation>%1 is no whole number</translation>
    </message>
    <message>
        <source>%1 muss zwischen %2 und %3 liegen</source>
        <translation>%1 must lie between %2 and %3</translation>
    </message>
    <message>
        <source>%1 darf nicht negativ sein</source>
        <translation>%1 must not be negative</translation>
    </message>
    <message>
        <source>%1 liegt ausserhalb des erlaubten Bereichs</source>
        <translation>%1 lies outside the allowed range</translation>
    </message>
    <message>
        <source>%1 muss zwischen %2 und %3 cm liegen</source>
        <translation>%1 must lie between %2 and %3 cm</translation>
    </message>
    <message>
        <source>die Datei ist größer, als eine Pelox-Datei sein kann</source>
        <translation>the file is larger than a Pelox file can be</translation>
    </message>
    <message>
        <source>%1 muss zwischen %2 und %3 % liegen</source>
        <translation>%1 must lie between %2 and %3 %</translation>
    </message>
    <message>
        <source>die Datei enthält mehr als %1 Eckenradien</source>
        <translation>the file holds more than %1 corner radii</translation>
    </message>
</context>
<context>
    <name>pruefmass</name>
    <message>
        <source>Prüfmaß: nachmessen,</source>
        <translation>Check scale: both</translation>
    </message>
    <message>
        <source>beide Striche müssen</source>
        <translation>bars must measure</translation>
    </message>
    <message>
        <source>5 cm lang sein.</source>
        <translation>exactly 5 cm.</translation>
    </message>
</context>
</TS>
