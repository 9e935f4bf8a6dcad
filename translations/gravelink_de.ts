<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CaptionFont</name>
    <message>
        <source>The caption font %1 (Debian package fonts-wine) could not be loaded: text is drawn in %2, whose sizes differ.</source>
        <translation>Die Beschriftungsschrift %1 (Debian-Paket fonts-wine) konnte nicht geladen werden: Text wird in %2 gezeichnet, dessen Maße abweichen.</translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Flieder</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Light cyan</source>
        <translation>Helltürkis</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pfirsich</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Gravelink file (*.grvlk)|*.grvlk</source>
        <translation>Gravelink-Datei (*.grvlk)|*.grvlk</translation>
    </message>
    <message>
        <source>The scheme was written to %1 but cannot be read back. %2</source>
        <translation>Das Schema wurde nach %1 geschrieben, lässt sich aber nicht zurücklesen. %2</translation>
    </message>
    <message>
        <source>The scheme was not saved: the file %1 read back differs from what was written.</source>
        <translation>Das Schema wurde nicht gespeichert: Die zurückgelesene Datei %1 weicht vom Geschriebenen ab.</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program after it was opened. Replace it with this scheme?</source>
        <translation>Die Datei %1 wurde nach dem Öffnen von einem anderen Programm geändert. Durch dieses Schema ersetzen?</translation>
    </message>
    <message>
        <source>Cannot open the scheme &quot;%1&quot;.
%2</source>
        <translation>Das Schema „%1“ kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Reload it?</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert. Neu laden?</translation>
    </message>
    <message>
        <source>Do you save the scheme?</source>
        <translation>Schema speichern?</translation>
    </message>
    <message>
        <source>A sheet of %1 x %2 pixels cannot be created.</source>
        <translation>Ein Blatt von %1 x %2 Pixeln kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Nothing was saved: the name of a bitmap file must end in &quot;%1&quot;.</source>
        <translation>Nichts gespeichert: Der Name einer Bitmap-Datei muss auf „%1“ enden.</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Distribute</source>
        <translation>Verteilen</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Ausrichten</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Reverse Line</source>
        <translation>Linie umkehren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Recolour</source>
        <translation>Umfärben</translation>
    </message>
    <message>
        <source>Resize Sheet</source>
        <translation>Blattgröße</translation>
    </message>
    <message>
        <source>Create Rectangle</source>
        <translation>Rechteck anlegen</translation>
    </message>
    <message>
        <source>Create Point</source>
        <translation>Punkt anlegen</translation>
    </message>
    <message>
        <source>Line is not created!</source>
        <translation>Linie nicht angelegt!</translation>
    </message>
    <message>
        <source>Line is finded!</source>
        <translation>Linie gibt es schon!</translation>
    </message>
    <message>
        <source>Create Line</source>
        <translation>Linie anlegen</translation>
    </message>
    <message numerus="yes">
        <source>%n items selected</source>
        <translation>
            <numerusform>%n Objekt ausgewählt</numerusform>
            <numerusform>%n Objekte ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Rectangle &quot;%1&quot; at %2, %3</source>
        <translation>Rechteck „%1“ bei %2, %3</translation>
    </message>
    <message>
        <source>Point &quot;%1&quot; at %2, %3</source>
        <translation>Punkt „%1“ bei %2, %3</translation>
    </message>
    <message>
        <source>Line &quot;%1&quot; from %2, %3 to %4, %5</source>
        <translation>Linie „%1“ von %2, %3 nach %4, %5</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
</context>
<context>
    <name>ExportPicture</name>
    <message>
        <source>Nothing was exported: the name of the picture must end in %1.</source>
        <translation>Nichts exportiert: Der Name des Bildes muss auf %1 enden.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. The scheme cannot be drawn: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. Das Schema lässt sich nicht zeichnen: %2</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Nothing was written</source>
        <translation>Nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
</context>
<context>
    <name>IntText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>There is not enough memory to complete the command.</source>
        <translation>Für den Befehl reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>The command could not be completed because of an internal error (%1).</source>
        <translation>Der Befehl konnte wegen eines internen Fehlers nicht ausgeführt werden (%1).</translation>
    </message>
    <message>
        <source>The command could not be completed because of an internal error.</source>
        <translation>Der Befehl konnte wegen eines internen Fehlers nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Unsaved changes cannot be backed up: %1. Save your work to keep it.</source>
        <translation>Ungespeicherte Änderungen können nicht gesichert werden: %1. Speichern Sie Ihre Arbeit, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>%1 - version 1.1</source>
        <translation>%1 – Version 1.1</translation>
    </message>
    <message>
        <source>Program for schematic notes.</source>
        <translation>Programm für schematische Notizen.</translation>
    </message>
    <message>
        <source>Rectangle - Right click</source>
        <translation>Rechteck – Rechtsklick</translation>
    </message>
    <message>
        <source>Point - Middle mouse button</source>
        <translation>Punkt – mittlere Maustaste</translation>
    </message>
    <message>
        <source>Line - Double click on a object</source>
        <translation>Linie – Doppelklick auf ein Objekt</translation>
    </message>
    <message>
        <source>Move a object - [Ctrl]+ keypress[left,top,right,down]</source>
        <translation>Objekt verschieben – [Strg]+ Pfeiltasten [links, oben, rechts, unten]</translation>
    </message>
    <message>
        <source>Move a sheet - [Shift]+ keypress[left,top,right,down]</source>
        <translation>Blatt verschieben – [Umschalt]+ Pfeiltasten [links, oben, rechts, unten]</translation>
    </message>
    <message>
        <source>Multi select - [Shift]+ left click</source>
        <translation>Mehrfachauswahl – [Umschalt]+ Linksklick</translation>
    </message>
    <message>
        <source>Multi move - pressed[Shift] + drag&amp;drop with left mouse button</source>
        <translation>Mehrere verschieben – mit gedrückter [Umschalt] mit der linken Maustaste ziehen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>ChangeLine</source>
        <translation>Linie umkehren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>LockSet</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Nach unten rollen</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Nach oben rollen</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Nach links rollen</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Nach rechts rollen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save as Bitmap</source>
        <translation>Als Bitmap speichern</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>View navigator</source>
        <translation>Navigator zeigen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Left Edges</source>
        <translation>Linke Kanten</translation>
    </message>
    <message>
        <source>Centres</source>
        <translation>Mitten</translation>
    </message>
    <message>
        <source>Right Edges</source>
        <translation>Rechte Kanten</translation>
    </message>
    <message>
        <source>Top Edges</source>
        <translation>Obere Kanten</translation>
    </message>
    <message>
        <source>Middles</source>
        <translation>Mittellinien</translation>
    </message>
    <message>
        <source>Bottom Edges</source>
        <translation>Untere Kanten</translation>
    </message>
    <message>
        <source>Distribute Horizontally</source>
        <translation>Waagerecht verteilen</translation>
    </message>
    <message>
        <source>Distribute Vertically</source>
        <translation>Senkrecht verteilen</translation>
    </message>
    <message>
        <source>Snap to Grid</source>
        <translation>Am Raster ausrichten</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit Sheet</source>
        <translation>Ganzes Blatt</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Ausrichten</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Rectangle (Right click)</source>
        <translation>Rechteck (Rechtsklick)</translation>
    </message>
    <message>
        <source>Point (middle mouse button)</source>
        <translation>Punkt (mittlere Maustaste)</translation>
    </message>
    <message>
        <source>Line (Double click)</source>
        <translation>Linie (Doppelklick)</translation>
    </message>
    <message>
        <source>Select color rectangle</source>
        <translation>Farbe des Rechtecks</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Text + [ENTER]</source>
        <translation>Text + [EINGABE]</translation>
    </message>
    <message>
        <source>Xc:</source>
        <translation>Xc:</translation>
    </message>
    <message>
        <source>Yc:</source>
        <translation>Yc:</translation>
    </message>
    <message>
        <source>Change line</source>
        <translation>Linie umkehren</translation>
    </message>
    <message>
        <source>Delete element</source>
        <translation>Element löschen</translation>
    </message>
    <message>
        <source>Height -</source>
        <translation>Höhe -</translation>
    </message>
    <message>
        <source>Height +</source>
        <translation>Höhe +</translation>
    </message>
    <message>
        <source>Width -</source>
        <translation>Breite -</translation>
    </message>
    <message>
        <source>Width +</source>
        <translation>Breite +</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation>Navigator</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Centre X</source>
        <translation>Mitte X</translation>
    </message>
    <message>
        <source>Centre X of the selected element + [ENTER]</source>
        <translation>Mitte X des ausgewählten Elements + [ENTER]</translation>
    </message>
    <message>
        <source>Centre Y</source>
        <translation>Mitte Y</translation>
    </message>
    <message>
        <source>Centre Y of the selected element + [ENTER]</source>
        <translation>Mitte Y des ausgewählten Elements + [ENTER]</translation>
    </message>
    <message>
        <source>The whole sheet, with the part the window shows</source>
        <translation>Das ganze Blatt mit dem Teil, den das Fenster zeigt</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>The view scale</source>
        <translation>Der Anzeigemaßstab</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Text to find in captions and names + [ENTER]</source>
        <translation>Text, der in Beschriftungen und Namen gesucht wird + [ENTER]</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkombinationen</translation>
    </message>
</context>
<context>
    <name>NewSheetDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Quer</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New canvas</source>
        <translation>Neues Blatt</translation>
    </message>
    <message>
        <source>The width must be from 1 to %1 pixels.</source>
        <translation>Die Breite muss 1 bis %1 Pixel betragen.</translation>
    </message>
    <message>
        <source>The height must be from 1 to %1 pixels.</source>
        <translation>Die Höhe muss 1 bis %1 Pixel betragen.</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG picture</source>
        <translation>SVG-Bild</translation>
    </message>
    <message>
        <source>Compressed SVG picture</source>
        <translation>Komprimiertes SVG-Bild</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. There is not enough memory for a picture of %2 x %3 pixels.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. Für ein Bild von %2 x %3 Pixeln reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>PrintScheme</name>
    <message>
        <source>Fit to page</source>
        <translation>Auf Seite einpassen</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>The scheme cannot be printed: %1</source>
        <translation>Das Schema kann nicht gedruckt werden: %1</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>a new scheme</source>
        <translation>ein neues Schema</translation>
    </message>
    <message>
        <source>%1 did not close properly. Recover the unsaved changes to %2 from %3?</source>
        <translation>%1 wurde nicht ordnungsgemäß beendet. Die ungespeicherten Änderungen an %2 von %3 wiederherstellen?</translation>
    </message>
    <message>
        <source>%1 did not close properly and kept the unsaved changes to %2 from %3. Recover them instead of opening &quot;%4&quot;?</source>
        <translation>%1 wurde nicht ordnungsgemäß beendet und hat die ungespeicherten Änderungen an %2 von %3 bewahrt. Diese statt „%4“ wiederherstellen?</translation>
    </message>
    <message>
        <source>
Its folder no longer exists: the scheme opens without a name, and Save asks for one.</source>
        <translation>
Sein Ordner existiert nicht mehr: Das Schema öffnet sich ohne Namen, und Speichern fragt nach einem.</translation>
    </message>
    <message>
        <source>The recovery file &quot;%1&quot; could not be read and was set aside as &quot;%2&quot;.</source>
        <translation>Die Wiederherstellungsdatei „%1“ war nicht lesbar und wurde als „%2“ beiseitegelegt.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot lock a recovery file in &quot;%1&quot;.</source>
        <translation>Eine Wiederherstellungsdatei in „%1“ kann nicht gesperrt werden.</translation>
    </message>
</context>
<context>
    <name>SchemeFile</name>
    <message>
        <source>the sheet %1 is missing</source>
        <translation>die Blatt-%1 fehlt</translation>
    </message>
    <message>
        <source>the sheet %1 %2 is not a number</source>
        <translation>die Blatt-%1 %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>the sheet %1 %2 is not between 1 and %3</source>
        <translation>die Blatt-%1 %2 liegt nicht zwischen 1 und %3</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>a sheet of %1 x %2 pixels is too large (at most %3 pixels)</source>
        <translation>ein Blatt von %1 x %2 Pixeln ist zu groß (höchstens %3 Pixel)</translation>
    </message>
    <message>
        <source>the file ends inside the %1 section of line %2 (no &quot;[~]&quot;)</source>
        <translation>die Datei endet im Abschnitt %1 aus Zeile %2 (kein „[~]“)</translation>
    </message>
    <message>
        <source>the row count %1 is not a number</source>
        <translation>die Zeilenzahl %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the row count %1 is negative</source>
        <translation>die Zeilenzahl %1 ist negativ</translation>
    </message>
    <message>
        <source>the column count %1 is not a number</source>
        <translation>die Spaltenzahl %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the column count %1 is too small (at least %2)</source>
        <translation>die Spaltenzahl %1 ist zu klein (mindestens %2)</translation>
    </message>
    <message>
        <source>the column count %1 is too large (at most %2)</source>
        <translation>die Spaltenzahl %1 ist zu groß (höchstens %2)</translation>
    </message>
    <message>
        <source>the %1 coordinate %2 of %3 is not a whole number</source>
        <translation>die %1-Koordinate %2 von %3 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the colour %1 of %2 is not a colour</source>
        <translation>die Farbe %1 von %2 ist keine Farbe</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>SheetPictureFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;. The picture cannot be encoded.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. Das Bild lässt sich nicht kodieren.</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkombinationen</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Other keys</source>
        <translation>Weitere Tasten</translation>
    </message>
    <message>
        <source>Place a rectangle</source>
        <translation>Rechteck setzen</translation>
    </message>
    <message>
        <source>Right click, then click</source>
        <translation>Rechtsklick, dann Klick</translation>
    </message>
    <message>
        <source>Place a point</source>
        <translation>Punkt setzen</translation>
    </message>
    <message>
        <source>Middle button, then click</source>
        <translation>Mittlere Maustaste, dann Klick</translation>
    </message>
    <message>
        <source>Select an element</source>
        <translation>Element auswählen</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Join two elements with a line</source>
        <translation>Zwei Elemente mit einer Linie verbinden</translation>
    </message>
    <message>
        <source>Double click one, then click the other</source>
        <translation>Doppelklick auf das eine, dann Klick auf das andere</translation>
    </message>
    <message>
        <source>Add an element to the multi-selection</source>
        <translation>Element zur Mehrfachauswahl hinzufügen</translation>
    </message>
    <message>
        <source>Shift+Click</source>
        <translation>Umschalt+Klick</translation>
    </message>
    <message>
        <source>Move the selected element</source>
        <translation>Ausgewähltes Element verschieben</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Move the multi-selection</source>
        <translation>Mehrfachauswahl verschieben</translation>
    </message>
    <message>
        <source>Shift+Drag</source>
        <translation>Umschalt+Ziehen</translation>
    </message>
    <message>
        <source>Select the elements inside a box</source>
        <translation>Elemente in einem Rahmen auswählen</translation>
    </message>
    <message>
        <source>Ctrl+Drag from empty sheet</source>
        <translation>Strg+Ziehen auf leerem Blatt</translation>
    </message>
    <message>
        <source>Add the elements inside a box</source>
        <translation>Elemente in einem Rahmen hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Drag from empty sheet</source>
        <translation>Strg+Umschalt+Ziehen auf leerem Blatt</translation>
    </message>
    <message>
        <source>Place freely while Snap to Grid is on</source>
        <translation>Frei setzen, während „Am Raster ausrichten“ an ist</translation>
    </message>
    <message>
        <source>Hold Alt while dragging</source>
        <translation>Alt beim Ziehen gedrückt halten</translation>
    </message>
    <message>
        <source>Scroll the sheet</source>
        <translation>Blatt rollen</translation>
    </message>
    <message>
        <source>Drag on empty sheet; Wheel, Shift+Wheel</source>
        <translation>Ziehen auf leerem Blatt; Mausrad, Umschalt+Mausrad</translation>
    </message>
    <message>
        <source>Zoom about the pointer</source>
        <translation>Um den Mauszeiger zoomen</translation>
    </message>
    <message>
        <source>Ctrl+Wheel</source>
        <translation>Strg+Mausrad</translation>
    </message>
    <message>
        <source>Mouse on the sheet</source>
        <translation>Maus auf dem Blatt</translation>
    </message>
</context>
<context>
    <name>TextList</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Das ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>VectorPicture</name>
    <message>
        <source>There is not enough memory to compress the picture.</source>
        <translation>Zum Komprimieren des Bildes reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>The picture could not be compressed.</source>
        <translation>Das Bild konnte nicht komprimiert werden.</translation>
    </message>
    <message>
        <source>The PDF picture could not be dated.</source>
        <translation>Das PDF-Bild konnte nicht datiert werden.</translation>
    </message>
</context>
<context>
    <name>grvlk</name>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would be written for more than one input</source>
        <translation>„%1“ würde für mehr als eine Eingabe geschrieben</translation>
    </message>
    <message>
        <source>Cannot create a temporary file. %1</source>
        <translation>Eine temporäre Datei kann nicht angelegt werden. %1</translation>
    </message>
    <message>
        <source>Cannot write the picture to the standard output.</source>
        <translation>Das Bild kann nicht auf die Standardausgabe geschrieben werden.</translation>
    </message>
    <message>
        <source>%1: sheet %2 x %3, %4, %5, %6, %7</source>
        <translation>%1: Blatt %2 x %3, %4, %5, %6, %7</translation>
    </message>
    <message numerus="yes">
        <source>%n rectangle</source>
        <translation>
            <numerusform>%n Rechteck</numerusform>
            <numerusform>%n Rechteck</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rectangles</source>
        <translation>
            <numerusform>%n Rechteck</numerusform>
            <numerusform>%n Rechtecke</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <translation>
            <numerusform>%n Linie</numerusform>
            <numerusform>%n Linie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n Linie</numerusform>
            <numerusform>%n Linien</numerusform>
        </translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>nicht gesperrt</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <source>render -o takes at least one input file</source>
        <translation>render -o braucht mindestens eine Eingabedatei</translation>
    </message>
    <message>
        <source>render takes an input and an output file</source>
        <translation>render braucht eine Eingabe- und eine Ausgabedatei</translation>
    </message>
    <message>
        <source>render to the standard output needs --format</source>
        <translation>render auf die Standardausgabe braucht --format</translation>
    </message>
    <message>
        <source>--format goes with -o or with the standard output</source>
        <translation>--format gehört zu -o oder zur Standardausgabe</translation>
    </message>
    <message>
        <source>check takes at least one file</source>
        <translation>check braucht mindestens eine Datei</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the output name must end in %2</source>
        <translation>„%1“ kann nicht geschrieben werden: Der Ausgabename muss auf %2 enden</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is the input; it would be replaced</source>
        <translation>die Ausgabe „%1“ ist die Eingabe; sie würde ersetzt</translation>
    </message>
    <message>
        <source>Writes the lines in English whatever the language, for scripts.</source>
        <translation>Schreibt die Zeilen in jeder Sprache englisch, für Skripte.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Reads each scheme file and prints a line with its sheet size, element counts and lock state, or the line that is wrong. Then it names, with their line numbers, what the editor reads without complaint but that does not mean what it seems: a second section of a table, which replaces the first; a name used twice; a line whose end is no rectangle or point, which is drawn to the sheet&apos;s corner; and, as warnings, markers in another letter case or with spaces, and lines that belong to no section, which are ignored.</source>
        <translation>Liest jede Schemadatei und gibt eine Zeile mit Blattgröße, Elementzahlen und Sperre aus oder die fehlerhafte Zeile. Danach nennt es mit Zeilennummern, was der Editor ohne Einwand liest, was aber nicht bedeutet, wonach es aussieht: einen zweiten Abschnitt einer Tabelle, der den ersten ersetzt; einen doppelt vergebenen Namen; eine Linie, deren Ende kein Rechteck und kein Punkt ist und die in die Ecke des Blatts gezeichnet wird; und als Warnungen Marker in anderer Groß- und Kleinschreibung oder mit Leerzeichen sowie Zeilen außerhalb aller Abschnitte, die übergangen werden.</translation>
    </message>
    <message>
        <source>Exit status: 0 when every file is good, 1 when a file cannot be read or has one of those faults (warnings aside), 2 bad usage.</source>
        <translation>Rückgabewert: 0, wenn jede Datei in Ordnung ist, 1, wenn eine Datei nicht gelesen werden kann oder einen dieser Fehler hat (Warnungen ausgenommen), 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>this %1 section replaces the one on line %2 and its %3</source>
        <translation>dieser %1-Abschnitt ersetzt den aus Zeile %2 und seine %3</translation>
    </message>
    <message>
        <source>the name %1 is already used on line %2</source>
        <translation>der Name %1 ist schon in Zeile %2 vergeben</translation>
    </message>
    <message>
        <source>the line %1 joins %2, which is no rectangle or point (it is drawn to the sheet&apos;s corner)</source>
        <translation>die Linie %1 verbindet %2, das kein Rechteck und kein Punkt ist (sie wird in die Ecke des Blatts gezeichnet)</translation>
    </message>
    <message>
        <source>the line name %1 does not name two elements joined by &quot;-&quot; (it is drawn to the sheet&apos;s corner)</source>
        <translation>der Linienname %1 nennt keine zwei mit „-“ verbundenen Elemente (die Linie wird in die Ecke des Blatts gezeichnet)</translation>
    </message>
    <message>
        <source>warning: %1 is not read as a marker (a marker is exactly [H], [P], [E], [~] or LOCK); the line is ignored</source>
        <translation>Warnung: %1 wird nicht als Marker gelesen (ein Marker ist genau [H], [P], [E], [~] oder LOCK); die Zeile wird übergangen</translation>
    </message>
    <message>
        <source>warning: %1 belongs to no section and is ignored</source>
        <translation>Warnung: %1 gehört zu keinem Abschnitt und wird übergangen</translation>
    </message>
    <message>
        <source>warning: lines %1 to %2 belong to no section and are ignored</source>
        <translation>Warnung: die Zeilen %1 bis %2 gehören zu keinem Abschnitt und werden übergangen</translation>
    </message>
    <message>
        <source>Reads scheme files and reports what they hold and what is wrong.</source>
        <translation>Liest Schemadateien und meldet, was sie enthalten und was falsch ist.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot; for more.</source>
        <translation>Mehr mit „%1“.</translation>
    </message>
    <message>
        <source>Renders and checks Gravelink scheme files without opening a window.</source>
        <translation>Zeichnet und prüft Gravelink-Schemadateien, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>&quot;grvlk COMMAND --help&quot; shows what a command does and its options.

Exit status: 0 success, 1 a file could not be read, drawn or written or is faulty (any of them), 2 bad usage.</source>
        <translation>„grvlk BEFEHL --help“ zeigt, was ein Befehl tut, und seine Optionen.

Rückgabewert: 0 Erfolg, 1 eine Datei konnte nicht gelesen, gezeichnet oder geschrieben werden oder ist fehlerhaft (irgendeine), 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Writes DIR/&lt;name&gt;.&lt;format&gt; for every input.</source>
        <translation>Schreibt DIR/&lt;Name&gt;.&lt;Format&gt; für jede Eingabe.</translation>
    </message>
    <message>
        <source>The picture format: bmp (the default with -o), png, svg, svgz or pdf.</source>
        <translation>Das Bildformat: bmp (die Vorgabe mit -o), png, svg, svgz oder pdf.</translation>
    </message>
    <message>
        <source>Draws the scheme IN as the editor&apos;s Save as Bitmap does and writes it to OUT, a 24-bit BMP (.bmp) or PNG (.png) picture, or a vector picture that stays sharp at any size: SVG (.svg, one sheet pixel to 1 px; .svgz gzip-compressed) or PDF (.pdf, one sheet pixel to 1 pt), texts kept as texts. The extension may be in any letter case. An existing OUT is replaced in one piece, through a symbolic link to the file it names, keeping its permissions; OUT may not be IN.

With -o, each input is written to DIR, one picture per core at a time; each input that fails is named on its own line. With - as OUT, the picture goes to the standard output.

An SVG or PDF picture is titled with the scheme&apos;s file name. When SOURCE_DATE_EPOCH is set (seconds since 1970), it is a PDF&apos;s creation date, so that a scheme gives the same bytes each time.</source>
        <translation>Zeichnet das Schema IN wie „Als Bitmap speichern“ im Editor und schreibt es nach OUT: ein 24-Bit-BMP- (.bmp) oder PNG-Bild (.png) oder ein Vektorbild, das in jeder Größe scharf bleibt: SVG (.svg, ein Blattpixel auf 1 px; .svgz mit gzip komprimiert) oder PDF (.pdf, ein Blattpixel auf 1 pt), Texte bleiben Texte. Die Endung darf beliebig groß oder klein geschrieben sein. Ein vorhandenes OUT wird in einem Stück ersetzt, bei einer symbolischen Verknüpfung die Datei, auf die sie zeigt, und behält seine Zugriffsrechte; OUT darf nicht IN sein.

Mit -o wird jede Eingabe nach DIR geschrieben, ein Bild je Kern zugleich; jede Eingabe, die scheitert, wird in einer eigenen Zeile genannt. Mit - als OUT geht das Bild auf die Standardausgabe.

Ein SVG- oder PDF-Bild trägt den Dateinamen des Schemas als Titel. Ist SOURCE_DATE_EPOCH gesetzt (Sekunden seit 1970), ist es das Erstellungsdatum eines PDF, sodass ein Schema jedes Mal dieselben Bytes ergibt.</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 a file could not be read, drawn or written (any of them), 2 bad usage.</source>
        <translation>Rückgabewert: 0 Erfolg, 1 eine Datei konnte nicht gelesen, gezeichnet oder geschrieben werden (irgendeine), 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH &quot;%1&quot; is not a number of seconds since 1970</source>
        <translation>SOURCE_DATE_EPOCH „%1“ ist keine Zahl von Sekunden seit 1970</translation>
    </message>
    <message>
        <source>Draws schemes as BMP, PNG, SVG or PDF pictures.</source>
        <translation>Zeichnet Schemata als BMP-, PNG-, SVG- oder PDF-Bilder.</translation>
    </message>
</context>
</TS>
