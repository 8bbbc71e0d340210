<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ConflictCopies</name>
    <message>
        <source>%1 bytes are too many to compare here.</source>
        <translation>%1 Bytes sind zu viele, um sie hier zu vergleichen.</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr da.</translation>
    </message>
</context>
<context>
    <name>ConflictCopy</name>
    <message>
        <source>conflict copy (Syncthing)</source>
        <translation>Konfliktkopie (Syncthing)</translation>
    </message>
    <message>
        <source>conflict copy (Nextcloud)</source>
        <translation>Konfliktkopie (Nextcloud)</translation>
    </message>
    <message>
        <source>conflict copy (ownCloud)</source>
        <translation>Konfliktkopie (ownCloud)</translation>
    </message>
    <message>
        <source>conflict copy (Dropbox)</source>
        <translation>Konfliktkopie (Dropbox)</translation>
    </message>
    <message>
        <source>text kept by Plandeck</source>
        <translation>von Plandeck aufbewahrter Text</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>%1, week %2</source>
        <translation>%1, Woche %2</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, heute</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>outside the planner&apos;s years %1 to %2</source>
        <translation>außerhalb der Jahre des Planers, %1 bis %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The notes&apos; folder %1 cannot be read.</source>
        <translation>Der Ordner der Notizen, %1, kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The note of %1 cannot be read: %2</source>
        <translation>Die Notiz vom %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no daily notes (YYYY-MM-DD.md or .txt, or YYYY/MM/DD.md)</source>
        <translation>%1 enthält keine Tagesnotizen (YYYY-MM-DD.md oder .txt oder YYYY/MM/DD.md)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>the folder %1 cannot be read</source>
        <translation>der Ordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is neither an .ics file nor a folder of daily notes</source>
        <translation>%1 ist weder eine .ics-Datei noch ein Ordner mit Tagesnotizen</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 liegt %2.</translation>
    </message>
    <message>
        <source>A date is missing or is no date (write it as 2031-07-04).</source>
        <translation>Ein Datum fehlt oder ist kein Datum (schreiben Sie es als 2031-07-04).</translation>
    </message>
    <message>
        <source>The range ends on %1, before it starts on %2.</source>
        <translation>Der Zeitraum endet am %1, bevor er am %2 beginnt.</translation>
    </message>
    <message>
        <source>Name the file or folder to export to.</source>
        <translation>Nennen Sie die Datei oder den Ordner für den Export.</translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 is a folder; name a file.</source>
        <translation>%1 ist ein Ordner; nennen Sie eine Datei.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Notes exported: %1, from %2 to %3, to %4.</source>
        <translation>Notizen exportiert: %1, vom %2 bis %3, nach %4.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Nichts wurde importiert: %1.</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1: übersprungen, %2</translation>
    </message>
    <message>
        <source>nothing to add</source>
        <translation>nichts hinzuzufügen</translation>
    </message>
    <message>
        <source>the note cannot be read</source>
        <translation>die Notiz kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the note cannot be read: %1</source>
        <translation>die Notiz kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the note already holds the text</source>
        <translation>die Notiz enthält den Text bereits</translation>
    </message>
    <message>
        <source>%1: would be appended</source>
        <translation>%1: würde angehängt</translation>
    </message>
    <message>
        <source>the note cannot be saved</source>
        <translation>die Notiz kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the note cannot be saved: %1</source>
        <translation>die Notiz kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1: appended</source>
        <translation>%1: angehängt</translation>
    </message>
    <message>
        <source>%1: appended; the text another program wrote meanwhile is kept in %2</source>
        <translation>%1: angehängt; der Text, den ein anderes Programm inzwischen geschrieben hat, ist in %2 aufbewahrt</translation>
    </message>
    <message>
        <source>journal entries without a date</source>
        <translation>Journaleinträge ohne Datum</translation>
    </message>
    <message>
        <source>Days that would change: %1. Skipped: %2</source>
        <translation>Tage, die sich ändern würden: %1. Übersprungen: %2</translation>
    </message>
    <message>
        <source>Days changed: %1. Skipped: %2</source>
        <translation>Geänderte Tage: %1. Übersprungen: %2</translation>
    </message>
    <message>
        <source>Nothing was written (dry run).</source>
        <translation>Nichts wurde geschrieben (Probelauf).</translation>
    </message>
    <message>
        <source>name one file or folder</source>
        <translation>nennen Sie genau eine Datei oder einen Ordner</translation>
    </message>
    <message>
        <source>export needs --from, --to and --format</source>
        <translation>export braucht --from, --to und --format</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use ics, md or daily-md</source>
        <translation>unbekanntes Format „%1“; verwenden Sie ics, md oder daily-md</translation>
    </message>
    <message>
        <source>--journal goes with --format ics only</source>
        <translation>--journal geht nur mit --format ics</translation>
    </message>
    <message>
        <source>--%1 %2 is no date; write it as 2031-07-04</source>
        <translation>--%1 %2 ist kein Datum; schreiben Sie es als 2031-07-04</translation>
    </message>
    <message>
        <source>it is no complete iCalendar file (BEGIN:VCALENDAR to END:VCALENDAR)</source>
        <translation>es ist keine vollständige iCalendar-Datei (BEGIN:VCALENDAR bis END:VCALENDAR)</translation>
    </message>
    <message>
        <source>the calendar is malformed: %1</source>
        <translation>der Kalender ist fehlerhaft: %1</translation>
    </message>
    <message>
        <source>the calendar is malformed: the event &quot;%1&quot; has no start</source>
        <translation>der Kalender ist fehlerhaft: Der Termin „%1“ hat keinen Beginn</translation>
    </message>
    <message>
        <source>the calendar is malformed: &quot;%1&quot; starts on %2-%3-%4, which is no date</source>
        <translation>der Kalender ist fehlerhaft: „%1“ beginnt am %2-%3-%4, das ist kein Datum</translation>
    </message>
    <message>
        <source>Plandeck notes</source>
        <translation>Plandeck-Notizen</translation>
    </message>
</context>
<context>
    <name>FindNotes</name>
    <message>
        <source>(This note could not be read. %1)</source>
        <translation>(Diese Notiz konnte nicht gelesen werden. %1)</translation>
    </message>
    <message>
        <source>%1 (a note of %2; only its first 4 MiB are searched)</source>
        <translation>%1 (eine Notiz von %2; nur die ersten 4 MiB werden durchsucht)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>plandeck: the unsaved text of %1 is kept in %2 and comes back at the next start.</source>
        <translation>plandeck: Der ungespeicherte Text vom %1 ist in %2 aufbewahrt und kommt beim nächsten Start zurück.</translation>
    </message>
    <message>
        <source>plandeck: the unsaved text of %1 could not be kept: %2</source>
        <translation>plandeck: Der ungespeicherte Text vom %1 konnte nicht aufbewahrt werden: %2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ctrl+Page Down / Ctrl+Page Up</source>
        <translation>Strg+Bild ab / Strg+Bild auf</translation>
    </message>
    <message>
        <source>next / previous month</source>
        <translation>nächster / voriger Monat</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Page Down / Ctrl+Shift+Page Up</source>
        <translation>Strg+Umschalt+Bild ab / Strg+Umschalt+Bild auf</translation>
    </message>
    <message>
        <source>next / previous year</source>
        <translation>nächstes / voriges Jahr</translation>
    </message>
    <message>
        <source>Ctrl++ (or Ctrl+=) / Ctrl+-</source>
        <translation>Strg++ (oder Strg+=) / Strg+-</translation>
    </message>
    <message>
        <source>larger / smaller note text</source>
        <translation>Notiztext größer / kleiner</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Strg+P</translation>
    </message>
    <message>
        <source>print the month</source>
        <translation>den Monat drucken</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Strg+F</translation>
    </message>
    <message>
        <source>Find Notes; again: bring it back with its text selected</source>
        <translation>Notizen suchen; noch einmal: das Fenster mit markiertem Suchtext zurückholen</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Strg+G</translation>
    </message>
    <message>
        <source>Go to Date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Umschalt+Tab</translation>
    </message>
    <message>
        <source>next / previous day&apos;s note; past the last or first day, the buttons on top</source>
        <translation>Notiz des nächsten / vorigen Tages; nach dem letzten oder vor dem ersten Tag die Schaltflächen oben</translation>
    </message>
    <message>
        <source>Ctrl+Tab</source>
        <translation>Strg+Tab</translation>
    </message>
    <message>
        <source>types a tab into the note</source>
        <translation>fügt einen Tabulator in die Notiz ein</translation>
    </message>
    <message>
        <source>Alt+Left / Alt+Right</source>
        <translation>Alt+Links / Alt+Rechts</translation>
    </message>
    <message>
        <source>previous / next day, cursor in that day&apos;s note</source>
        <translation>voriger / nächster Tag, Cursor in dessen Notiz</translation>
    </message>
    <message>
        <source>Alt+Up / Alt+Down</source>
        <translation>Alt+Hoch / Alt+Runter</translation>
    </message>
    <message>
        <source>same weekday a week earlier / later</source>
        <translation>derselbe Wochentag eine Woche früher / später</translation>
    </message>
    <message>
        <source>Alt+Home</source>
        <translation>Alt+Pos1</translation>
    </message>
    <message>
        <source>today&apos;s month, cursor in today&apos;s note</source>
        <translation>der heutige Monat, Cursor in der Notiz von heute</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>quit, exactly like closing the window</source>
        <translation>beenden, genau wie das Schließen des Fensters</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>closes the reminder, About, Find Notes, Go to Date, this help and messages</source>
        <translation>schließt die Erinnerung, „Über“, „Notizen suchen“, „Gehe zu Datum“, diese Hilfe und Meldungen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Where the notes are kept</source>
        <translation>Wo die Notizen liegen</translation>
    </message>
    <message>
        <source>Each day&apos;s note is a plain text file named after its date, such as 2026-12-06.txt, in the folder %1. Plandeck saves a note when you leave its day, about once a minute while you type, and when you close the window.</source>
        <translation>Die Notiz eines Tages ist eine einfache Textdatei, die nach ihrem Datum heißt, etwa 2026-12-06.txt, im Ordner %1. Plandeck speichert eine Notiz, wenn Sie ihren Tag verlassen, etwa einmal pro Minute, während Sie schreiben, und wenn Sie das Fenster schließen.</translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>(cannot be read: %1)</source>
        <translation>(nicht lesbar: %1)</translation>
    </message>
</context>
<context>
    <name>NoteBox</name>
    <message>
        <source>, has a conflict copy</source>
        <translation>, hat eine Konfliktkopie</translation>
    </message>
</context>
<context>
    <name>NoteCell</name>
    <message>
        <source>(This note is too large to edit here: %1 bytes. It is left as it is and still shows in reports and reminders.)</source>
        <translation>(Diese Notiz ist zu groß, um sie hier zu bearbeiten: %1 Bytes. Sie bleibt, wie sie ist, und erscheint weiterhin in Berichten und Erinnerungen.)</translation>
    </message>
    <message>
        <source>(This note could not be read and is left as it is. %1)</source>
        <translation>(Diese Notiz konnte nicht gelesen werden und bleibt, wie sie ist. %1)</translation>
    </message>
    <message>
        <source>

(This note goes on: %1 bytes in all. It shows in full when you click into it.)</source>
        <translation>

(Diese Notiz geht weiter: insgesamt %1 Bytes. Sie erscheint vollständig, wenn Sie hineinklicken.)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>Cannot look up</source>
        <translation>Fehler beim Nachschlagen von</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Fehler beim Öffnen von</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>Fehler beim Lesen von</translation>
    </message>
    <message>
        <source>%1 links to a file that is not a note</source>
        <translation>%1 verweist auf eine Datei, die keine Notiz ist</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>Cannot keep the text another program wrote to</source>
        <translation>Fehler beim Aufbewahren des Textes, den ein anderes Programm geschrieben hat, in</translation>
    </message>
    <message>
        <source>Cannot sync the folder of</source>
        <translation>Fehler beim Synchronisieren des Ordners von</translation>
    </message>
    <message>
        <source>Cannot look up</source>
        <translation>Fehler beim Nachschlagen von</translation>
    </message>
    <message>
        <source>Cannot follow the link</source>
        <translation>Fehler beim Folgen der Verknüpfung</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 %2: the folder %3 is in the way; move it elsewhere</source>
        <translation>%1 %2: Der Ordner %3 ist im Weg; verschieben Sie ihn an einen anderen Ort</translation>
    </message>
    <message>
        <source>%1 %2: another copy of Plandeck is saving it and has not finished (waited %3 seconds)</source>
        <translation>%1 %2: Ein anderes Plandeck speichert sie gerade und ist nicht fertig geworden (%3 Sekunden gewartet)</translation>
    </message>
    <message>
        <source>Cannot lock</source>
        <translation>Fehler beim Sperren von</translation>
    </message>
    <message>
        <source>Cannot create the saving file for</source>
        <translation>Fehler beim Anlegen der Speicherdatei für</translation>
    </message>
    <message>
        <source>Cannot set the permissions of the saving file for</source>
        <translation>Fehler beim Setzen der Rechte der Speicherdatei für</translation>
    </message>
    <message>
        <source>Cannot write the saving file for</source>
        <translation>Fehler beim Schreiben der Speicherdatei für</translation>
    </message>
    <message>
        <source>Cannot sync the saving file for</source>
        <translation>Fehler beim Synchronisieren der Speicherdatei für</translation>
    </message>
    <message>
        <source>Cannot rename the saving file over</source>
        <translation>Fehler beim Umbenennen der Speicherdatei in</translation>
    </message>
    <message>
        <source>Cannot create the folder for</source>
        <translation>Fehler beim Anlegen des Ordners für</translation>
    </message>
    <message>
        <source>Cannot delete</source>
        <translation>Fehler beim Löschen von</translation>
    </message>
    <message>
        <source>%1 links to a file that is not a note</source>
        <translation>%1 verweist auf eine Datei, die keine Notiz ist</translation>
    </message>
</context>
<context>
    <name>OnThisDay</name>
    <message>
        <source>1 year before</source>
        <translation>1 Jahr davor</translation>
    </message>
    <message>
        <source>%1 years before</source>
        <translation>%1 Jahre davor</translation>
    </message>
    <message>
        <source>1 year after</source>
        <translation>1 Jahr danach</translation>
    </message>
    <message>
        <source>%1 years after</source>
        <translation>%1 Jahre danach</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>Letztes Jahr an diesem Tag:</translation>
    </message>
    <message>
        <source>(No note can be read: cannot search the folder data: %1)</source>
        <translation>(Keine Notiz lesbar: Der Ordner data kann nicht durchsucht werden: %1)</translation>
    </message>
    <message>
        <source>(This note could not be read. %1)</source>
        <translation>(Diese Notiz konnte nicht gelesen werden. %1)</translation>
    </message>
    <message>
        <source>(This note has %1 bytes in all; the rest is not shown here.)</source>
        <translation>(Diese Notiz hat insgesamt %1 Bytes; der Rest wird hier nicht gezeigt.)</translation>
    </message>
    <message>
        <source>%1: 1 note</source>
        <translation>%1: 1 Notiz</translation>
    </message>
    <message>
        <source>%1: %2 notes</source>
        <translation>%1: %2 Notizen</translation>
    </message>
    <message>
        <source>(and %1 more)</source>
        <translation>(und %1 weitere)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>(Beside this note, a %1: %2)</source>
        <translation>(Neben dieser Notiz: %1, %2)</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(This note has %1 bytes in all; the rest is left out of this report.)</source>
        <translation>(Diese Notiz hat insgesamt %1 Bytes; der Rest fehlt in diesem Bericht.)</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot find a free report name in %1</source>
        <translation>In %1 ist kein freier Name für einen Bericht zu finden</translation>
    </message>
</context>
<context>
    <name>TypedDate</name>
    <message>
        <source>2031-07-04 or %1</source>
        <translation>2031-07-04 oder %1</translation>
    </message>
    <message>
        <source>The planner&apos;s years run from %1 to %2.</source>
        <translation>Die Jahre des Planers reichen von %1 bis %2.</translation>
    </message>
    <message>
        <source>Type a date, such as %1.</source>
        <translation>Geben Sie ein Datum ein, etwa %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type it as %2.</source>
        <translation>„%1“ ist kein Datum. Geben Sie es wie %2 ein.</translation>
    </message>
</context>
<context>
    <name>plandeck::ConflictMarks</name>
    <message>
        <source>This day has a conflict copy: click to compare and settle it (Ctrl+Shift+C)</source>
        <translation>Dieser Tag hat eine Konfliktkopie: zum Vergleichen und Klären klicken (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>Settle the conflict copy</source>
        <translation>Konfliktkopie klären</translation>
    </message>
</context>
<context>
    <name>plandeck::ConflictWindow</name>
    <message>
        <source>Conflict: %1</source>
        <translation>Konflikt: %1</translation>
    </message>
    <message>
        <source>Another copy of this day&apos;s note was made while two devices changed it. Lines marked ┃ are missing from the other text.
The copy: %1</source>
        <translation>Während zwei Geräte die Notiz dieses Tages änderten, entstand eine weitere Kopie. Mit ┃ markierte Zeilen fehlen im anderen Text.
Die Kopie: %1</translation>
    </message>
    <message>
        <source>This note</source>
        <translation>Diese Notiz</translation>
    </message>
    <message>
        <source>The copy</source>
        <translation>Die Kopie</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Keep This Note</source>
        <translation>Diese Notiz behalten</translation>
    </message>
    <message>
        <source>Use the Copy</source>
        <translation>Die Kopie verwenden</translation>
    </message>
</context>
<context>
    <name>plandeck::ExportWindow</name>
    <message>
        <source>Export to File</source>
        <translation>In Datei exportieren</translation>
    </message>
    <message>
        <source>Export to Folder</source>
        <translation>In Ordner exportieren</translation>
    </message>
    <message>
        <source>Import a Calendar File</source>
        <translation>Kalenderdatei importieren</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Import a Folder of Daily Notes</source>
        <translation>Ordner mit Tagesnotizen importieren</translation>
    </message>
    <message>
        <source>Export Notes</source>
        <translation>Notizen exportieren</translation>
    </message>
    <message>
        <source>Calendar (.ics)</source>
        <translation>Kalender (.ics)</translation>
    </message>
    <message>
        <source>Markdown, one file (.md)</source>
        <translation>Markdown, eine Datei (.md)</translation>
    </message>
    <message>
        <source>Daily notes, a folder of YYYY-MM-DD.md</source>
        <translation>Tagesnotizen, ein Ordner mit YYYY-MM-DD.md</translation>
    </message>
    <message>
        <source>As journal entries instead of all-day events</source>
        <translation>Als Journaleinträge statt ganztägiger Termine</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import Notes…</source>
        <translation>Notizen importieren…</translation>
    </message>
    <message>
        <source>Calendar File (.ics)…</source>
        <translation>Kalenderdatei (.ics)…</translation>
    </message>
    <message>
        <source>Folder of Daily Notes…</source>
        <translation>Ordner mit Tagesnotizen…</translation>
    </message>
    <message>
        <source>Only list what an import would change</source>
        <translation>Nur auflisten, was ein Import ändern würde</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Speichern unter:</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>In Arbeit…</translation>
    </message>
</context>
<context>
    <name>plandeck::FindWindow</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 Notiz</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 Notizen</translation>
    </message>
    <message>
        <source>Find Notes</source>
        <translation>Notizen suchen</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Text, der in allen Notizen gesucht wird</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Gesuchter Text</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Gefundene Notizen</translation>
    </message>
    <message>
        <source>Reading notes: %v of %m</source>
        <translation>Notizen werden gelesen: %v von %m</translation>
    </message>
    <message>
        <source> (%1 could not be read)</source>
        <translation> (%1 nicht lesbar)</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>bisher %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Conflict copies beside notes (not searched):</source>
        <translation>Konfliktkopien neben Notizen (nicht durchsucht):</translation>
    </message>
</context>
<context>
    <name>plandeck::Form1</name>
    <message>
        <source>Fill in deposit maturity dates,<byte value="xd"/>
premium payment reminders,<byte value="xd"/>
birthdays, anniversaries,<byte value="xd"/>
project time lines,<byte value="xd"/>
your daily work etc. in this<byte value="xd"/>
simplest and greatest planner<byte value="xd"/>
in the world.</source>
        <translation>Tragen Sie Fälligkeiten von Festgeldern,<byte value="xd"/>
Erinnerungen an Beitragszahlungen,<byte value="xd"/>
Geburtstage, Jahrestage,<byte value="xd"/>
Projektzeitpläne,<byte value="xd"/>
Ihre tägliche Arbeit usw. in diesen<byte value="xd"/>
einfachsten und besten Planer<byte value="xd"/>
der Welt ein.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <translation>&lt; Monat</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <translation>Monat &gt;</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <translation>&lt; Jahr</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <translation>Jahr &gt;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1 could not be deleted; the welcome message will show again at the next start.</source>
        <translation>%1 konnte nicht gelöscht werden; die Begrüßung erscheint beim nächsten Start noch einmal.</translation>
    </message>
    <message>
        <source>The report was not written.
%1</source>
        <translation>Der Bericht wurde nicht geschrieben.
%1</translation>
    </message>
    <message>
        <source>The report %1 was written but could not be opened.</source>
        <translation>Der Bericht %1 wurde geschrieben, konnte aber nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.
%2

The text stays in its box and is saved again at the next chance.</source>
        <translation>Die Notiz vom %1 konnte nicht gespeichert werden.
%2

Der Text bleibt in seinem Feld und wird bei nächster Gelegenheit erneut gespeichert.</translation>
    </message>
    <message>
        <source>The note of %1 was changed by another program while you were editing it. Your text is saved as the note; the other text is kept in %2.</source>
        <translation>Die Notiz vom %1 wurde von einem anderen Programm geändert, während Sie sie bearbeitet haben. Ihr Text ist als Notiz gespeichert; der andere Text ist in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>A note could not be saved. Close Plandeck anyway and lose the text of that note?</source>
        <translation>Eine Notiz konnte nicht gespeichert werden. Plandeck trotzdem schließen und den Text dieser Notiz verlieren?</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print the month&apos;s notes as a web page</source>
        <translation>Die Notizen des Monats als Webseite drucken</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Voriges Jahr</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <translation>Größerer Notiztext</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <translation>Kleinerer Notiztext</translation>
    </message>
    <message>
        <source>About Plandeck; %1 shows the keys</source>
        <translation>Über Plandeck; %1 zeigt die Tasten</translation>
    </message>
    <message>
        <source>The month could not be printed to %1.</source>
        <translation>Der Monat konnte nicht nach %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>Text typed but not saved when Plandeck last ended is back in its cell: %1. It is saved as usual when you leave the cell.</source>
        <translation>Text, der beim letzten Beenden von Plandeck getippt, aber nicht gespeichert war, steht wieder in seinem Feld: %1. Er wird wie gewohnt gespeichert, wenn Sie das Feld verlassen.</translation>
    </message>
    <message>
        <source>Unsaved text of %1 comes back at a later start.</source>
        <translation>Ungespeicherter Text vom %1 kommt bei einem späteren Start zurück.</translation>
    </message>
    <message>
        <source>A recovery file could not be read; it is kept as %1.</source>
        <translation>Eine Wiederherstellungsdatei konnte nicht gelesen werden; sie ist als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>This system cannot watch the notes&apos; files for changes, so changes made by other programs may show only after two seconds.</source>
        <translation>Dieses System kann die Dateien der Notizen nicht auf Änderungen überwachen; Änderungen durch andere Programme erscheinen daher womöglich erst nach zwei Sekunden.</translation>
    </message>
    <message>
        <source>The conflict copy of %1 cannot be compared.
%2</source>
        <translation>Die Konfliktkopie vom %1 kann nicht verglichen werden.
%2</translation>
    </message>
    <message>
        <source>The conflict copy of %1 was not settled.
%2</source>
        <translation>Die Konfliktkopie vom %1 wurde nicht geklärt.
%2</translation>
    </message>
    <message>
        <source>The conflict copy %1 could not be moved to the trash; it stays where it is.</source>
        <translation>Die Konfliktkopie %1 konnte nicht in den Papierkorb verschoben werden; sie bleibt, wo sie ist.</translation>
    </message>
</context>
<context>
    <name>plandeck::Form3</name>
    <message>
        <source>Bring up the Plandeck</source>
        <translation>Plandeck öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>plandeck::GoToDateWindow</name>
    <message>
        <source>Go to Date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>plandeck::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
</context>
<context>
    <name>plandeck::Notifier</name>
    <message>
        <source>Open Plandeck</source>
        <translation>Plandeck öffnen</translation>
    </message>
</context>
<context>
    <name>plandeck::OnThisDayWindow</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>On This Day: %1</source>
        <translation>An diesem Tag: %1</translation>
    </message>
    <message>
        <source>Reading the notes…</source>
        <translation>Notizen werden gelesen…</translation>
    </message>
    <message>
        <source>No other year has a note on this day.</source>
        <translation>Kein anderes Jahr hat eine Notiz an diesem Tag.</translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 Notiz</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 Notizen</translation>
    </message>
</context>
<context>
    <name>plandeck::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>A month planner that keeps one note per day. Copyright © 2026 the Plandeck developers.</source>
        <translation>Ein Monatsplaner mit einer Notiz für jeden Tag. Copyright © 2026 die Plandeck-Entwickler.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
