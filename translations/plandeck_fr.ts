<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ConflictCopies</name>
    <message>
        <source>%1 bytes are too many to compare here.</source>
        <translation>%1 octets, c&apos;est trop pour les comparer ici.</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>ConflictCopy</name>
    <message>
        <source>conflict copy (Syncthing)</source>
        <translation>copie de conflit (Syncthing)</translation>
    </message>
    <message>
        <source>conflict copy (Nextcloud)</source>
        <translation>copie de conflit (Nextcloud)</translation>
    </message>
    <message>
        <source>conflict copy (ownCloud)</source>
        <translation>copie de conflit (ownCloud)</translation>
    </message>
    <message>
        <source>conflict copy (Dropbox)</source>
        <translation>copie de conflit (Dropbox)</translation>
    </message>
    <message>
        <source>text kept by Plandeck</source>
        <translation>texte conservé par Plandeck</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>%1, week %2</source>
        <translation>%1, semaine %2</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>outside the planner&apos;s years %1 to %2</source>
        <translation>hors des années de l&apos;agenda, de %1 à %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>The notes&apos; folder %1 cannot be read.</source>
        <translation>Le dossier des notes %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The note of %1 cannot be read: %2</source>
        <translation>La note du %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 holds no daily notes (YYYY-MM-DD.md or .txt, or YYYY/MM/DD.md)</source>
        <translation>%1 ne contient aucune note quotidienne (YYYY-MM-DD.md ou .txt, ou YYYY/MM/DD.md)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the folder %1 cannot be read</source>
        <translation>le dossier %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is neither an .ics file nor a folder of daily notes</source>
        <translation>%1 n&apos;est ni un fichier .ics ni un dossier de notes quotidiennes</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 est %2.</translation>
    </message>
    <message>
        <source>A date is missing or is no date (write it as 2031-07-04).</source>
        <translation>Une date manque ou n&apos;est pas une date (écrivez-la sous la forme 2031-07-04).</translation>
    </message>
    <message>
        <source>The range ends on %1, before it starts on %2.</source>
        <translation>La période se termine le %1, avant de commencer le %2.</translation>
    </message>
    <message>
        <source>Name the file or folder to export to.</source>
        <translation>Indiquez le fichier ou le dossier où exporter.</translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is a folder; name a file.</source>
        <translation>%1 est un dossier ; indiquez un fichier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Notes exported: %1, from %2 to %3, to %4.</source>
        <translation>Notes exportées : %1, du %2 au %3, vers %4.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Rien n&apos;a été importé : %1.</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1 : ignoré, %2</translation>
    </message>
    <message>
        <source>nothing to add</source>
        <translation>rien à ajouter</translation>
    </message>
    <message>
        <source>the note cannot be read</source>
        <translation>la note ne peut pas être lue</translation>
    </message>
    <message>
        <source>the note cannot be read: %1</source>
        <translation>la note ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>the note already holds the text</source>
        <translation>la note contient déjà le texte</translation>
    </message>
    <message>
        <source>%1: would be appended</source>
        <translation>%1 : serait ajouté</translation>
    </message>
    <message>
        <source>the note cannot be saved</source>
        <translation>la note ne peut pas être enregistrée</translation>
    </message>
    <message>
        <source>the note cannot be saved: %1</source>
        <translation>la note ne peut pas être enregistrée : %1</translation>
    </message>
    <message>
        <source>%1: appended</source>
        <translation>%1 : ajouté</translation>
    </message>
    <message>
        <source>%1: appended; the text another program wrote meanwhile is kept in %2</source>
        <translation>%1 : ajouté ; le texte écrit entre-temps par un autre programme est conservé dans %2</translation>
    </message>
    <message>
        <source>journal entries without a date</source>
        <translation>entrées de journal sans date</translation>
    </message>
    <message>
        <source>Days that would change: %1. Skipped: %2</source>
        <translation>Jours qui seraient modifiés : %1. Ignorés : %2</translation>
    </message>
    <message>
        <source>Days changed: %1. Skipped: %2</source>
        <translation>Jours modifiés : %1. Ignorés : %2</translation>
    </message>
    <message>
        <source>Nothing was written (dry run).</source>
        <translation>Rien n&apos;a été écrit (simulation).</translation>
    </message>
    <message>
        <source>name one file or folder</source>
        <translation>indiquez un seul fichier ou dossier</translation>
    </message>
    <message>
        <source>export needs --from, --to and --format</source>
        <translation>export demande --from, --to et --format</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use ics, md or daily-md</source>
        <translation>format « %1 » inconnu ; utilisez ics, md ou daily-md</translation>
    </message>
    <message>
        <source>--journal goes with --format ics only</source>
        <translation>--journal ne va qu&apos;avec --format ics</translation>
    </message>
    <message>
        <source>--%1 %2 is no date; write it as 2031-07-04</source>
        <translation>--%1 %2 n&apos;est pas une date ; écrivez-la sous la forme 2031-07-04</translation>
    </message>
    <message>
        <source>it is no complete iCalendar file (BEGIN:VCALENDAR to END:VCALENDAR)</source>
        <translation>ce n&apos;est pas un fichier iCalendar complet (de BEGIN:VCALENDAR à END:VCALENDAR)</translation>
    </message>
    <message>
        <source>the calendar is malformed: %1</source>
        <translation>le calendrier est mal formé : %1</translation>
    </message>
    <message>
        <source>the calendar is malformed: the event &quot;%1&quot; has no start</source>
        <translation>le calendrier est mal formé : l&apos;événement « %1 » n&apos;a pas de début</translation>
    </message>
    <message>
        <source>the calendar is malformed: &quot;%1&quot; starts on %2-%3-%4, which is no date</source>
        <translation>le calendrier est mal formé : « %1 » commence le %2-%3-%4, qui n&apos;est pas une date</translation>
    </message>
    <message>
        <source>Plandeck notes</source>
        <translation>Notes de Plandeck</translation>
    </message>
</context>
<context>
    <name>FindNotes</name>
    <message>
        <source>(This note could not be read. %1)</source>
        <translation>(Cette note n&apos;a pas pu être lue. %1)</translation>
    </message>
    <message>
        <source>%1 (a note of %2; only its first 4 MiB are searched)</source>
        <translation>%1 (une note de %2 ; seuls ses 4 premiers Mio sont parcourus)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>plandeck: the unsaved text of %1 is kept in %2 and comes back at the next start.</source>
        <translation>plandeck : le texte non enregistré du %1 est conservé dans %2 et reviendra au prochain démarrage.</translation>
    </message>
    <message>
        <source>plandeck: the unsaved text of %1 could not be kept: %2</source>
        <translation>plandeck : le texte non enregistré du %1 n&apos;a pas pu être conservé : %2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ctrl+Page Down / Ctrl+Page Up</source>
        <translation>Ctrl+Page suiv. / Ctrl+Page préc.</translation>
    </message>
    <message>
        <source>next / previous month</source>
        <translation>mois suivant / précédent</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Page Down / Ctrl+Shift+Page Up</source>
        <translation>Ctrl+Maj+Page suiv. / Ctrl+Maj+Page préc.</translation>
    </message>
    <message>
        <source>next / previous year</source>
        <translation>année suivante / précédente</translation>
    </message>
    <message>
        <source>Ctrl++ (or Ctrl+=) / Ctrl+-</source>
        <translation>Ctrl++ (ou Ctrl+=) / Ctrl+-</translation>
    </message>
    <message>
        <source>larger / smaller note text</source>
        <translation>texte des notes plus grand / plus petit</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>print the month</source>
        <translation>imprimer le mois</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Find Notes; again: bring it back with its text selected</source>
        <translation>Rechercher des notes ; une seconde fois : rappelle la fenêtre, texte sélectionné</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Go to Date</source>
        <translation>Aller à la date</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Maj+Tab</translation>
    </message>
    <message>
        <source>next / previous day&apos;s note; past the last or first day, the buttons on top</source>
        <translation>note du jour suivant / précédent ; après le dernier ou avant le premier jour, les boutons du haut</translation>
    </message>
    <message>
        <source>Ctrl+Tab</source>
        <translation>Ctrl+Tab</translation>
    </message>
    <message>
        <source>types a tab into the note</source>
        <translation>insère une tabulation dans la note</translation>
    </message>
    <message>
        <source>Alt+Left / Alt+Right</source>
        <translation>Alt+Gauche / Alt+Droite</translation>
    </message>
    <message>
        <source>previous / next day, cursor in that day&apos;s note</source>
        <translation>jour précédent / suivant, curseur dans la note de ce jour</translation>
    </message>
    <message>
        <source>Alt+Up / Alt+Down</source>
        <translation>Alt+Haut / Alt+Bas</translation>
    </message>
    <message>
        <source>same weekday a week earlier / later</source>
        <translation>même jour de la semaine, une semaine plus tôt / plus tard</translation>
    </message>
    <message>
        <source>Alt+Home</source>
        <translation>Alt+Début</translation>
    </message>
    <message>
        <source>today&apos;s month, cursor in today&apos;s note</source>
        <translation>le mois en cours, curseur dans la note d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit, exactly like closing the window</source>
        <translation>quitter, exactement comme en fermant la fenêtre</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>closes the reminder, About, Find Notes, Go to Date, this help and messages</source>
        <translation>ferme le rappel, « À propos », « Rechercher des notes », « Aller à la date », cette aide et les messages</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Where the notes are kept</source>
        <translation>Où sont conservées les notes</translation>
    </message>
    <message>
        <source>Each day&apos;s note is a plain text file named after its date, such as 2026-12-06.txt, in the folder %1. Plandeck saves a note when you leave its day, about once a minute while you type, and when you close the window.</source>
        <translation>La note de chaque jour est un simple fichier texte qui porte sa date, par exemple 2026-12-06.txt, dans le dossier %1. Plandeck enregistre une note quand vous quittez son jour, environ une fois par minute pendant la saisie et à la fermeture de la fenêtre.</translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>(cannot be read: %1)</source>
        <translation>(illisible : %1)</translation>
    </message>
</context>
<context>
    <name>NoteBox</name>
    <message>
        <source>, has a conflict copy</source>
        <translation>, a une copie de conflit</translation>
    </message>
</context>
<context>
    <name>NoteCell</name>
    <message>
        <source>(This note is too large to edit here: %1 bytes. It is left as it is and still shows in reports and reminders.)</source>
        <translation>(Cette note est trop grande pour être modifiée ici : %1 octets. Elle reste telle quelle et figure toujours dans les rapports et les rappels.)</translation>
    </message>
    <message>
        <source>(This note could not be read and is left as it is. %1)</source>
        <translation>(Cette note n&apos;a pas pu être lue et reste telle quelle. %1)</translation>
    </message>
    <message>
        <source>

(This note goes on: %1 bytes in all. It shows in full when you click into it.)</source>
        <translation>

(Cette note continue : %1 octets en tout. Elle s’affiche en entier quand vous cliquez dedans.)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>Cannot look up</source>
        <translation>Impossible de consulter</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Impossible d&apos;ouvrir</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>Impossible de lire</translation>
    </message>
    <message>
        <source>%1 links to a file that is not a note</source>
        <translation>%1 renvoie à un fichier qui n&apos;est pas une note</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>Cannot keep the text another program wrote to</source>
        <translation>Impossible de conserver le texte qu&apos;un autre programme a écrit dans</translation>
    </message>
    <message>
        <source>Cannot sync the folder of</source>
        <translation>Impossible de synchroniser le dossier de</translation>
    </message>
    <message>
        <source>Cannot look up</source>
        <translation>Impossible de consulter</translation>
    </message>
    <message>
        <source>Cannot follow the link</source>
        <translation>Impossible de suivre le lien</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 %2: the folder %3 is in the way; move it elsewhere</source>
        <translation>%1 %2 : le dossier %3 gêne ; déplacez-le ailleurs</translation>
    </message>
    <message>
        <source>%1 %2: another copy of Plandeck is saving it and has not finished (waited %3 seconds)</source>
        <translation>%1 %2 : une autre instance de Plandeck l&apos;enregistre et n&apos;a pas terminé (attente de %3 secondes)</translation>
    </message>
    <message>
        <source>Cannot lock</source>
        <translation>Impossible de verrouiller</translation>
    </message>
    <message>
        <source>Cannot create the saving file for</source>
        <translation>Impossible de créer le fichier d&apos;enregistrement de</translation>
    </message>
    <message>
        <source>Cannot set the permissions of the saving file for</source>
        <translation>Impossible de régler les droits du fichier d&apos;enregistrement de</translation>
    </message>
    <message>
        <source>Cannot write the saving file for</source>
        <translation>Impossible d&apos;écrire le fichier d&apos;enregistrement de</translation>
    </message>
    <message>
        <source>Cannot sync the saving file for</source>
        <translation>Impossible de synchroniser le fichier d&apos;enregistrement de</translation>
    </message>
    <message>
        <source>Cannot rename the saving file over</source>
        <translation>Impossible de renommer le fichier d&apos;enregistrement en</translation>
    </message>
    <message>
        <source>Cannot create the folder for</source>
        <translation>Impossible de créer le dossier de</translation>
    </message>
    <message>
        <source>Cannot delete</source>
        <translation>Impossible de supprimer</translation>
    </message>
    <message>
        <source>%1 links to a file that is not a note</source>
        <translation>%1 renvoie à un fichier qui n&apos;est pas une note</translation>
    </message>
</context>
<context>
    <name>OnThisDay</name>
    <message>
        <source>1 year before</source>
        <translation>1 an avant</translation>
    </message>
    <message>
        <source>%1 years before</source>
        <translation>%1 ans avant</translation>
    </message>
    <message>
        <source>1 year after</source>
        <translation>1 an après</translation>
    </message>
    <message>
        <source>%1 years after</source>
        <translation>%1 ans après</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>L&apos;an dernier, ce même jour :</translation>
    </message>
    <message>
        <source>(No note can be read: cannot search the folder data: %1)</source>
        <translation>(Aucune note lisible : impossible de parcourir le dossier data : %1)</translation>
    </message>
    <message>
        <source>(This note could not be read. %1)</source>
        <translation>(Cette note n&apos;a pas pu être lue. %1)</translation>
    </message>
    <message>
        <source>(This note has %1 bytes in all; the rest is not shown here.)</source>
        <translation>(Cette note compte %1 octets en tout ; la suite n&apos;est pas affichée ici.)</translation>
    </message>
    <message>
        <source>%1: 1 note</source>
        <translation>%1 : 1 note</translation>
    </message>
    <message>
        <source>%1: %2 notes</source>
        <translation>%1 : %2 notes</translation>
    </message>
    <message>
        <source>(and %1 more)</source>
        <translation>(et %1 de plus)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>(Beside this note, a %1: %2)</source>
        <translation>(À côté de cette note : %1, %2)</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(This note has %1 bytes in all; the rest is left out of this report.)</source>
        <translation>(Cette note compte %1 octets en tout ; la suite est omise de ce rapport.)</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot find a free report name in %1</source>
        <translation>Aucun nom de rapport libre dans %1</translation>
    </message>
</context>
<context>
    <name>TypedDate</name>
    <message>
        <source>2031-07-04 or %1</source>
        <translation>2031-07-04 ou %1</translation>
    </message>
    <message>
        <source>The planner&apos;s years run from %1 to %2.</source>
        <translation>Les années de l&apos;agenda vont de %1 à %2.</translation>
    </message>
    <message>
        <source>Type a date, such as %1.</source>
        <translation>Saisissez une date, par exemple %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type it as %2.</source>
        <translation>« %1 » n&apos;est pas une date. Saisissez-la comme %2.</translation>
    </message>
</context>
<context>
    <name>plandeck::ConflictMarks</name>
    <message>
        <source>This day has a conflict copy: click to compare and settle it (Ctrl+Shift+C)</source>
        <translation>Ce jour a une copie de conflit : cliquez pour la comparer et la régler (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>Settle the conflict copy</source>
        <translation>Régler la copie de conflit</translation>
    </message>
</context>
<context>
    <name>plandeck::ConflictWindow</name>
    <message>
        <source>Conflict: %1</source>
        <translation>Conflit : %1</translation>
    </message>
    <message>
        <source>Another copy of this day&apos;s note was made while two devices changed it. Lines marked ┃ are missing from the other text.
The copy: %1</source>
        <translation>Une autre copie de la note de ce jour est apparue pendant que deux appareils la modifiaient. Les lignes marquées ┃ manquent dans l&apos;autre texte.
La copie : %1</translation>
    </message>
    <message>
        <source>This note</source>
        <translation>Cette note</translation>
    </message>
    <message>
        <source>The copy</source>
        <translation>La copie</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Keep This Note</source>
        <translation>Garder cette note</translation>
    </message>
    <message>
        <source>Use the Copy</source>
        <translation>Utiliser la copie</translation>
    </message>
</context>
<context>
    <name>plandeck::ExportWindow</name>
    <message>
        <source>Export to File</source>
        <translation>Exporter vers un fichier</translation>
    </message>
    <message>
        <source>Export to Folder</source>
        <translation>Exporter vers un dossier</translation>
    </message>
    <message>
        <source>Import a Calendar File</source>
        <translation>Importer un fichier de calendrier</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Import a Folder of Daily Notes</source>
        <translation>Importer un dossier de notes quotidiennes</translation>
    </message>
    <message>
        <source>Export Notes</source>
        <translation>Exporter les notes</translation>
    </message>
    <message>
        <source>Calendar (.ics)</source>
        <translation>Calendrier (.ics)</translation>
    </message>
    <message>
        <source>Markdown, one file (.md)</source>
        <translation>Markdown, un seul fichier (.md)</translation>
    </message>
    <message>
        <source>Daily notes, a folder of YYYY-MM-DD.md</source>
        <translation>Notes quotidiennes, un dossier de YYYY-MM-DD.md</translation>
    </message>
    <message>
        <source>As journal entries instead of all-day events</source>
        <translation>En entrées de journal plutôt qu&apos;en événements d&apos;une journée</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import Notes…</source>
        <translation>Importer des notes…</translation>
    </message>
    <message>
        <source>Calendar File (.ics)…</source>
        <translation>Fichier de calendrier (.ics)…</translation>
    </message>
    <message>
        <source>Folder of Daily Notes…</source>
        <translation>Dossier de notes quotidiennes…</translation>
    </message>
    <message>
        <source>Only list what an import would change</source>
        <translation>Lister seulement ce qu&apos;une importation modifierait</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Enregistrer sous :</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>En cours…</translation>
    </message>
</context>
<context>
    <name>plandeck::FindWindow</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 note</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 notes</translation>
    </message>
    <message>
        <source>Find Notes</source>
        <translation>Rechercher des notes</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Texte à chercher dans toutes les notes</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texte à chercher</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Notes trouvées</translation>
    </message>
    <message>
        <source>Reading notes: %v of %m</source>
        <translation>Lecture des notes : %v sur %m</translation>
    </message>
    <message>
        <source> (%1 could not be read)</source>
        <translation> (%1 illisibles)</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 jusqu&apos;ici</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Conflict copies beside notes (not searched):</source>
        <translation>Copies de conflit à côté des notes (non parcourues) :</translation>
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
        <translation>Notez-y les échéances de vos placements,<byte value="xd"/>
les rappels de primes à payer,<byte value="xd"/>
anniversaires, fêtes,<byte value="xd"/>
plannings de projets,<byte value="xd"/>
votre travail quotidien, etc., dans<byte value="xd"/>
l&apos;agenda le plus simple et le meilleur<byte value="xd"/>
du monde.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <translation>&lt; Mois</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <translation>Mois &gt;</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <translation>&lt; An</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <translation>An &gt;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1 could not be deleted; the welcome message will show again at the next start.</source>
        <translation>%1 n&apos;a pas pu être supprimé ; le message de bienvenue s&apos;affichera de nouveau au prochain démarrage.</translation>
    </message>
    <message>
        <source>The report was not written.
%1</source>
        <translation>Le rapport n&apos;a pas été écrit.
%1</translation>
    </message>
    <message>
        <source>The report %1 was written but could not be opened.</source>
        <translation>Le rapport %1 a été écrit mais n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.
%2

The text stays in its box and is saved again at the next chance.</source>
        <translation>La note du %1 n&apos;a pas pu être enregistrée.
%2

Le texte reste dans sa case et sera de nouveau enregistré à la prochaine occasion.</translation>
    </message>
    <message>
        <source>The note of %1 was changed by another program while you were editing it. Your text is saved as the note; the other text is kept in %2.</source>
        <translation>La note du %1 a été modifiée par un autre programme pendant que vous la modifiiez. Votre texte est enregistré comme note ; l&apos;autre texte est conservé dans %2.</translation>
    </message>
    <message>
        <source>A note could not be saved. Close Plandeck anyway and lose the text of that note?</source>
        <translation>Une note n&apos;a pas pu être enregistrée. Fermer Plandeck quand même et perdre le texte de cette note ?</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print the month&apos;s notes as a web page</source>
        <translation>Imprimer les notes du mois sous forme de page web</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <translation>Texte des notes plus grand</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <translation>Texte des notes plus petit</translation>
    </message>
    <message>
        <source>About Plandeck; %1 shows the keys</source>
        <translation>À propos de Plandeck ; %1 affiche les touches</translation>
    </message>
    <message>
        <source>The month could not be printed to %1.</source>
        <translation>Le mois n&apos;a pas pu être imprimé dans %1.</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimer %1</translation>
    </message>
    <message>
        <source>Text typed but not saved when Plandeck last ended is back in its cell: %1. It is saved as usual when you leave the cell.</source>
        <translation>Le texte saisi mais non enregistré à la dernière fermeture de Plandeck est revenu dans sa case : %1. Il sera enregistré comme d&apos;habitude quand vous quitterez la case.</translation>
    </message>
    <message>
        <source>Unsaved text of %1 comes back at a later start.</source>
        <translation>Le texte non enregistré du %1 reviendra à un prochain démarrage.</translation>
    </message>
    <message>
        <source>A recovery file could not be read; it is kept as %1.</source>
        <translation>Un fichier de récupération n&apos;a pas pu être lu ; il est conservé sous %1.</translation>
    </message>
    <message>
        <source>This system cannot watch the notes&apos; files for changes, so changes made by other programs may show only after two seconds.</source>
        <translation>Ce système ne peut pas surveiller les fichiers des notes ; les modifications faites par d&apos;autres programmes peuvent n&apos;apparaître qu&apos;au bout de deux secondes.</translation>
    </message>
    <message>
        <source>The conflict copy of %1 cannot be compared.
%2</source>
        <translation>La copie de conflit du %1 ne peut pas être comparée.
%2</translation>
    </message>
    <message>
        <source>The conflict copy of %1 was not settled.
%2</source>
        <translation>La copie de conflit du %1 n&apos;a pas été réglée.
%2</translation>
    </message>
    <message>
        <source>The conflict copy %1 could not be moved to the trash; it stays where it is.</source>
        <translation>La copie de conflit %1 n&apos;a pas pu être mise à la corbeille ; elle reste où elle est.</translation>
    </message>
</context>
<context>
    <name>plandeck::Form3</name>
    <message>
        <source>Bring up the Plandeck</source>
        <translation>Ouvrir Plandeck</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>plandeck::GoToDateWindow</name>
    <message>
        <source>Go to Date</source>
        <translation>Aller à la date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>plandeck::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
</context>
<context>
    <name>plandeck::Notifier</name>
    <message>
        <source>Open Plandeck</source>
        <translation>Ouvrir Plandeck</translation>
    </message>
</context>
<context>
    <name>plandeck::OnThisDayWindow</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>On This Day: %1</source>
        <translation>Ce jour-là : %1</translation>
    </message>
    <message>
        <source>Reading the notes…</source>
        <translation>Lecture des notes…</translation>
    </message>
    <message>
        <source>No other year has a note on this day.</source>
        <translation>Aucune autre année n&apos;a de note ce jour-là.</translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 note</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 notes</translation>
    </message>
</context>
<context>
    <name>plandeck::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>A month planner that keeps one note per day. Copyright © 2026 the Plandeck developers.</source>
        <translation>Un agenda mensuel qui garde une note par jour. Copyright © 2026 les développeurs de Plandeck.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
