<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Calendar</source>
        <translation>Über den Kalender</translation>
    </message>
    <message>
        <source>Calendar Version 1.0</source>
        <translation>Kalender Version 1.0</translation>
    </message>
    <message>
        <source>Plenda, a desk calendar and diary</source>
        <translation>Plenda, ein Tischkalender mit Terminverwaltung</translation>
    </message>
    <message>
        <source>Made by Quenmor</source>
        <translation>Entwickelt von Quenmor</translation>
    </message>
    <message>
        <source>Free software: use it, share it, improve it.</source>
        <translation>Freie Software: Nutzen Sie sie, geben Sie sie weiter, verbessern Sie sie.</translation>
    </message>
    <message>
        <source>News, help and updates on the web:</source>
        <translation>Neuigkeiten, Hilfe und Aktualisierungen im Web:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAlarmCheck</name>
    <message>
        <source>Missed: </source>
        <translation>Verpasst: </translation>
    </message>
    <message>
        <source> You have an appointment</source>
        <translation> Sie haben einen Termin</translation>
    </message>
    <message>
        <source>(Alarms more than %1 days old are not shown.)</source>
        <translation>(Erinnerungen, die älter als %1 Tage sind, werden nicht angezeigt.)</translation>
    </message>
    <message>
        <source> Missed appointments</source>
        <translation> Verpasste Termine</translation>
    </message>
    <message>
        <source>ddd d MMM </source>
        <translation>ddd d. MMM </translation>
    </message>
</context>
<context>
    <name>CCalApp</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>database files (*.db)</source>
        <translation>Datenbankdateien (*.db)</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>a section name has no closing &apos;]&apos;</source>
        <translation>einem Abschnittsnamen fehlt die schließende ‚]‘</translation>
    </message>
    <message>
        <source>it is not of the form Name=Value</source>
        <translation>sie hat nicht die Form Name=Wert</translation>
    </message>
    <message>
        <source>the value of %1 opens a quote it never closes</source>
        <translation>der Wert von %1 öffnet ein Anführungszeichen, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>Line %1 of the settings file %2 cannot be read: %3.</source>
        <translation>Zeile %1 der Einstellungsdatei %2 kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Line %1 of the settings file %2 cannot be read: %3 is not a number from %4 to %5.</source>
        <translation>Zeile %1 der Einstellungsdatei %2 kann nicht gelesen werden: %3 ist keine Zahl von %4 bis %5.</translation>
    </message>
    <message>
        <source> Until the file is corrected, that setting takes its default and no change is saved to the file.</source>
        <translation> Bis die Datei korrigiert ist, gilt für diese Einstellung der Standardwert, und keine Änderung wird in der Datei gespeichert.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be saved: %2. Changes are kept only until Plenda closes.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gespeichert werden: %2. Änderungen bleiben nur erhalten, bis Plenda beendet wird.</translation>
    </message>
</context>
<context>
    <name>CCalView</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Diary entries cannot be checked without the sound service.</source>
        <translation>Ohne den Tondienst können die Kalendereinträge nicht geprüft werden.</translation>
    </message>
    <message>
        <source>No diary is open.</source>
        <translation>Es ist kein Terminkalender geöffnet.</translation>
    </message>
    <message>
        <source>The diary cannot be read: %1</source>
        <translation>Der Terminkalender kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Public holiday</source>
        <translation>Feiertag</translation>
    </message>
</context>
<context>
    <name>CCalendarPage</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>As the locale says (%1)</source>
        <translation>Wie in den Regionaleinstellungen (%1)</translation>
    </message>
    <message>
        <source>Show week numbers (ISO 8601)</source>
        <translation>Kalenderwochen anzeigen (ISO 8601)</translation>
    </message>
    <message>
        <source>Wee&amp;k starts on</source>
        <translation>Woche beginnt a&amp;m</translation>
    </message>
</context>
<context>
    <name>CCalendarTransfer</name>
    <message>
        <source>%1 entries exported</source>
        <translation>%1 Einträge exportiert</translation>
    </message>
    <message>
        <source>, %1 left out (their dates fall on no day)</source>
        <translation>, %1 ausgelassen (ihr Datum fällt auf keinen Tag)</translation>
    </message>
    <message>
        <source>%1 added, %2 already present, %3 expanded</source>
        <translation>%1 hinzugefügt, %2 bereits vorhanden, %3 aufgelöst</translation>
    </message>
    <message>
        <source> (repeating events listed day by day from %1 to %2)</source>
        <translation> (Serientermine Tag für Tag vom %1 bis %2 eingetragen)</translation>
    </message>
    <message>
        <source>, %1 endless (date patterns from the first day on)</source>
        <translation>, %1 ohne Ende (Datumsmuster ab dem ersten Tag)</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 übersprungen</translation>
    </message>
    <message>
        <source>; %1 with a location or description not kept</source>
        <translation>; bei %1 wurden Ort oder Beschreibung nicht übernommen</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>Kalender importieren</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Kalender exportieren</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 Termin</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 Termine</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Are the entries of %1 public holidays?
(%2 found)</source>
        <translation>Sind die Einträge aus %1 Feiertage?
(%2 gefunden)</translation>
    </message>
    <message>
        <source>The calendar cannot be written: %1</source>
        <translation>Der Kalender kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is the diary itself</source>
        <translation>es ist der Terminkalender selbst</translation>
    </message>
    <message>
        <source>%1: %2 would add more than %3 entries to the diary; nothing was imported</source>
        <translation>%1: %2 würde dem Terminkalender mehr als %3 Einträge hinzufügen; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot;</source>
        <translation>der Termin „%1“</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>not events</source>
        <translation>keine Termine</translation>
    </message>
    <message>
        <source>repeats too often to list</source>
        <translation>zu häufig wiederholt, um sie aufzulisten</translation>
    </message>
    <message>
        <source>has no occurrence in the listed years</source>
        <translation>ohne Vorkommen in den aufgelisteten Jahren</translation>
    </message>
    <message>
        <source>repeats more often than once a day</source>
        <translation>öfter als täglich wiederholt</translation>
    </message>
    <message>
        <source>has a rule that never occurs</source>
        <translation>mit einer Regel, die nie eintritt</translation>
    </message>
    <message>
        <source>has no title</source>
        <translation>ohne Titel</translation>
    </message>
    <message>
        <source>has no start</source>
        <translation>ohne Beginn</translation>
    </message>
    <message>
        <source>starts outside the years 1584 to 9999</source>
        <translation>Beginn außerhalb der Jahre 1584 bis 9999</translation>
    </message>
    <message>
        <source>lasts longer than a year</source>
        <translation>länger als ein Jahr</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the line is too long</source>
        <translation>die Zeile ist zu lang</translation>
    </message>
    <message>
        <source>the line holds a NUL byte</source>
        <translation>die Zeile enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>the file is empty, not an iCalendar file</source>
        <translation>die Datei ist leer und keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>the file ends inside %1</source>
        <translation>die Datei endet innerhalb von %1</translation>
    </message>
    <message>
        <source>this is not an iCalendar content line</source>
        <translation>dies ist keine iCalendar-Inhaltszeile</translation>
    </message>
    <message>
        <source>text follows the end of the calendar</source>
        <translation>nach dem Ende des Kalenders folgt noch Text</translation>
    </message>
    <message>
        <source>the file does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file</source>
        <translation>die Datei beginnt nicht mit BEGIN:VCALENDAR und ist daher keine iCalendar-Datei</translation>
    </message>
</context>
<context>
    <name>CDBusNotifications</name>
    <message>
        <source>Open Plenda</source>
        <translation>Plenda öffnen</translation>
    </message>
    <message>
        <source>Snooze 5 minutes</source>
        <translation>In 5 Minuten erinnern</translation>
    </message>
</context>
<context>
    <name>CDiaryEntryDlg</name>
    <message>
        <source>Diary Entry</source>
        <translation>Kalendereintrag</translation>
    </message>
    <message>
        <source>When to be reminded, for example %1; empty for no alarm</source>
        <translation>Zeitpunkt der Erinnerung, zum Beispiel %1; leer lassen für keine Erinnerung</translation>
    </message>
    <message>
        <source>Public Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
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
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>No diary entries</source>
        <translation>Keine Kalendereinträge</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Sound files (*.wav);;Video files (*.avi)</source>
        <translation>Tondateien (*.wav);;Videodateien (*.avi)</translation>
    </message>
    <message>
        <source>Please add a message
</source>
        <translation>Bitte geben Sie eine Nachricht ein
</translation>
    </message>
    <message>
        <source>Alarm time- Type it as HH:MM, for example 09:30
</source>
        <translation>Alarmzeit: Bitte als HH:MM eingeben, zum Beispiel 09:30
</translation>
    </message>
    <message>
        <source>Alarm time- Hours cannot be more than 24
</source>
        <translation>Alarmzeit: Die Stunden dürfen nicht größer als 24 sein
</translation>
    </message>
    <message>
        <source>Alarm time- Minutes cannot be more than 59
</source>
        <translation>Alarmzeit: Die Minuten dürfen nicht größer als 59 sein
</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <translation>„%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Nachricht:</translation>
    </message>
    <message>
        <source>&amp;Alarm time:</source>
        <translation>&amp;Alarmzeit:</translation>
    </message>
    <message>
        <source>&amp;Tune to play:</source>
        <translation>&amp;Ton zum Abspielen:</translation>
    </message>
    <message>
        <source>A date must be entered</source>
        <translation>Bitte geben Sie ein Datum ein</translation>
    </message>
    <message>
        <source>Invalid date
</source>
        <translation>Ungültiges Datum
</translation>
    </message>
    <message>
        <source>Day must be between 1 and 31
</source>
        <translation>Der Tag muss zwischen 1 und 31 liegen
</translation>
    </message>
    <message>
        <source>Month must be between 1 and 12
</source>
        <translation>Der Monat muss zwischen 1 und 12 liegen
</translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Tune To Play</source>
        <translation>Ton zum Abspielen</translation>
    </message>
    <message>
        <source>&amp;Find What :</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Look In :</source>
        <translation>&amp;Feld:</translation>
    </message>
</context>
<context>
    <name>CMarqueePage</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Use Internet</source>
        <translation>Internet verwenden</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Datei verwenden</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Text...</source>
        <translation>Text...</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Hintergrund...</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Nachricht</translation>
    </message>
    <message>
        <source>&amp;Slide</source>
        <translation>&amp;Schritt</translation>
    </message>
    <message>
        <source>&amp;pixels every </source>
        <translation>&amp;Pixel alle </translation>
    </message>
    <message>
        <source>Check &amp;Internet every </source>
        <translation>&amp;Internet prüfen alle </translation>
    </message>
    <message>
        <source>&amp;Named</source>
        <translation>&amp;Dateiname</translation>
    </message>
    <message>
        <source>Check fil&amp;e every </source>
        <translation>Datei prüfen all&amp;e </translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>Fa&amp;rbe:</translation>
    </message>
    <message>
        <source>Text files (*.txt);;Data files (*.dat)</source>
        <translation>Textdateien (*.txt);;Datendateien (*.dat)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
</context>
<context>
    <name>CMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Start Plenda when I log in</source>
        <translation>Plenda bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Options Tab</source>
        <translation>Optionen</translation>
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
        <source>Plenda is not installed: at log-in this starts the build at %1</source>
        <translation>Plenda ist nicht installiert: Bei der Anmeldung wird das selbst gebaute Programm in %1 gestartet</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Cannot change %1:
%2</source>
        <translation>%1 kann nicht geändert werden:
%2</translation>
    </message>
    <message>
        <source>Give the address without the password; enter it under Password.</source>
        <translation>Geben Sie die Adresse ohne Passwort an; das Passwort gehört in das Feld „Passwort“.</translation>
    </message>
    <message>
        <source>Enter the calendar&apos;s address and the user the password belongs to.</source>
        <translation>Geben Sie die Adresse des Kalenders und den Benutzer ein, zu dem das Passwort gehört.</translation>
    </message>
    <message>
        <source>%1; the password is kept only until the calendar closes.</source>
        <translation>%1; das Passwort wird nur bis zum Schließen des Kalenders aufbewahrt.</translation>
    </message>
    <message>
        <source>Synchronise</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>Bitte geben Sie eine Zahl ein</translation>
    </message>
    <message>
        <source>Numbers only</source>
        <translation>Nur Zahlen</translation>
    </message>
    <message>
        <source>12 months is the limit</source>
        <translation>Höchstens 12 Monate</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to 12</source>
        <translation>Bitte geben Sie eine Zahl von 1 bis 12 ein</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>COptionsTabCtrl</name>
    <message>
        <source>Marquee Options</source>
        <translation>Laufschrift</translation>
    </message>
    <message>
        <source>Picture Options</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Year View Options</source>
        <translation>Jahresansicht</translation>
    </message>
    <message>
        <source>Synchronise</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>CPicturePage</name>
    <message>
        <source>Show Picture</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Stretch Picture Height</source>
        <translation>Bild in der Höhe strecken</translation>
    </message>
    <message>
        <source>Stretch Picture Width</source>
        <translation>Bild in der Breite strecken</translation>
    </message>
</context>
<context>
    <name>CQtHttp</name>
    <message>
        <source>The server did not answer within %1 seconds</source>
        <translation>Der Server hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is not a valid URL</source>
        <translation>Die Adresse „%1“ ist keine gültige URL</translation>
    </message>
</context>
<context>
    <name>CQtTunes</name>
    <message>
        <source>The video is not open.</source>
        <translation>Das Video ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The video file %1 cannot be found.</source>
        <translation>Die Videodatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The file %1 is not a video that can be played.</source>
        <translation>Die Datei %1 ist kein abspielbares Video.</translation>
    </message>
    <message>
        <source>The video %1 did not open in time.</source>
        <translation>Das Video %1 wurde nicht rechtzeitig geöffnet.</translation>
    </message>
    <message>
        <source>The video %1 cannot be played.</source>
        <translation>Das Video %1 kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>The video %1 did not finish in time.</source>
        <translation>Das Video %1 wurde nicht rechtzeitig beendet.</translation>
    </message>
</context>
<context>
    <name>CQuickHelpDlg</name>
    <message>
        <source>Quick Help</source>
        <translation>Kurzhilfe</translation>
    </message>
    <message>
        <source>Arrow Keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alt + M	Menus- Remove or Restore</source>
        <translation>Alt + M	Menüs aus- oder einblenden</translation>
    </message>
    <message>
        <source>Alt + F	 Fonts</source>
        <translation>Alt + F	Schriftarten</translation>
    </message>
    <message>
        <source>Alt + B	Background Colour</source>
        <translation>Alt + B	Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Alt + T	Text Colour</source>
        <translation>Alt + T	Textfarbe</translation>
    </message>
    <message>
        <source>Alt + H	Help</source>
        <translation>Alt + H	Hilfe</translation>
    </message>
    <message>
        <source>Alt + A 	About this application</source>
        <translation>Alt + A	Über dieses Programm</translation>
    </message>
    <message>
        <source>Alt + D	Diary Entry</source>
        <translation>Alt + D	Kalendereintrag</translation>
    </message>
    <message>
        <source>Alt + C	Check Diary</source>
        <translation>Alt + C	Termine prüfen</translation>
    </message>
    <message>
        <source>Alt + Y	Year View</source>
        <translation>Alt + Y	Jahresansicht</translation>
    </message>
    <message>
        <source>Alt + Left</source>
        <translation>Alt + Pfeil links</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Alt + Right</source>
        <translation>Alt + Pfeil rechts</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Alt + Down</source>
        <translation>Alt + Pfeil unten</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Aktueller Monat</translation>
    </message>
    <message>
        <source>Alt + Up</source>
        <translation>Alt + Pfeil oben</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Move the focus day by a day or a week</source>
        <translation>Markierten Tag um einen Tag oder eine Woche verschieben</translation>
    </message>
    <message>
        <source>Page Up / Page Down</source>
        <translation>Bild auf / Bild ab</translation>
    </message>
    <message>
        <source>Same day of the previous or next month</source>
        <translation>Gleicher Tag im vorigen oder nächsten Monat</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Return or Space</source>
        <translation>Eingabe oder Leertaste</translation>
    </message>
    <message>
        <source>New diary entry for the focus day</source>
        <translation>Neuer Kalendereintrag am markierten Tag</translation>
    </message>
    <message>
        <source>Ctrl + Return</source>
        <translation>Strg + Eingabe</translation>
    </message>
    <message>
        <source>The focus day&apos;s diary entries</source>
        <translation>Kalendereinträge des markierten Tages</translation>
    </message>
    <message>
        <source>Menu or Shift + F10</source>
        <translation>Menütaste oder Umschalt + F10</translation>
    </message>
    <message>
        <source>Menu for the focus day</source>
        <translation>Kontextmenü für den markierten Tag</translation>
    </message>
    <message>
        <source>Ctrl + arrow keys</source>
        <translation>Strg + Pfeiltasten</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Seite verschieben</translation>
    </message>
    <message>
        <source>Ctrl + Page Up / Page Down</source>
        <translation>Strg + Bild auf / Bild ab</translation>
    </message>
    <message>
        <source>Scroll the page up or down</source>
        <translation>Seite nach oben oder unten blättern</translation>
    </message>
    <message>
        <source>Ctrl + Home / End</source>
        <translation>Strg + Pos1 / Ende</translation>
    </message>
    <message>
        <source>Scroll to the top left or bottom right</source>
        <translation>Nach oben links oder unten rechts blättern</translation>
    </message>
    <message>
        <source>Day Cursor</source>
        <translation>Tagesauswahl</translation>
    </message>
</context>
<context>
    <name>CReminders</name>
    <message>
        <source>Unknown MCI error</source>
        <translation>Unbekannter Fehler bei der Wiedergabe</translation>
    </message>
    <message>
        <source>No Messages!</source>
        <translation>Keine Nachrichten!</translation>
    </message>
</context>
<context>
    <name>CSponsorDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CSyncPage</name>
    <message>
        <source>https://example.org/calendars/me/diary/</source>
        <translation>https://example.org/calendars/ich/termine/</translation>
    </message>
    <message>
        <source>kept in the keyring; empty keeps it</source>
        <translation>wird im Schlüsselbund gespeichert; leer lassen, um es zu behalten</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>Kalender &amp;finden</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Last good sync</source>
        <translation>Letzte erfolgreiche Synchronisation</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Passwort wird aus dem Schlüsselbund gelesen...</translation>
    </message>
    <message>
        <source>Enter the password to find the calendars.</source>
        <translation>Geben Sie das Passwort ein, um die Kalender zu finden.</translation>
    </message>
    <message>
        <source>Enter the user the calendars belong to.</source>
        <translation>Geben Sie den Benutzer ein, dem die Kalender gehören.</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Server wird abgefragt...</translation>
    </message>
    <message>
        <source>No calendar that holds events is there.</source>
        <translation>Dort gibt es keinen Kalender mit Terminen.</translation>
    </message>
    <message>
        <source>Choose the calendar to synchronise with.</source>
        <translation>Wählen Sie den Kalender, mit dem synchronisiert werden soll.</translation>
    </message>
    <message>
        <source>The diary will synchronise with %1.</source>
        <translation>Der Terminkalender wird mit %1 synchronisiert.</translation>
    </message>
    <message>
        <source>Calendar add&amp;ress</source>
        <translation>&amp;Kalenderadresse</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Benutzer</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Pass&amp;wort</translation>
    </message>
    <message>
        <source>Ca&amp;lendars</source>
        <translation>Ka&amp;lender</translation>
    </message>
    <message>
        <source>S&amp;ynchronise every</source>
        <translation>S&amp;ynchronisieren alle</translation>
    </message>
</context>
<context>
    <name>CViewMarquee</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>The marquee is set to show lines from a file, but no file has been chosen.</source>
        <translation>Die Laufschrift soll Zeilen aus einer Datei zeigen, aber es wurde keine Datei gewählt.</translation>
    </message>
    <message>
        <source>The marquee file &quot;%1&quot; cannot be read:
%2</source>
        <translation>Die Laufschrift-Datei „%1“ kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Error encountered 
If you need support quote this message - 
</source>
        <translation>Ein Fehler ist aufgetreten
Wenn Sie Hilfe brauchen, geben Sie diese Meldung an - 
</translation>
    </message>
</context>
<context>
    <name>CViewPrinting</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>Die Seite konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>CViewSync</name>
    <message>
        <source>To the server: pushed %1, deleted %2
From the server: pulled %3, deleted %4
Conflicts: %5 (both versions kept)
</source>
        <translation>Zum Server: %1 übertragen, %2 gelöscht
Vom Server: %3 übernommen, %4 gelöscht
Konflikte: %5 (beide Fassungen behalten)
</translation>
    </message>
    <message>
        <source>Left for the next sync: %1 (changed on the server meanwhile)
</source>
        <translation>Für die nächste Synchronisation zurückgestellt: %1 (inzwischen auf dem Server geändert)
</translation>
    </message>
    <message>
        <source>Kept, as only the first or last day of an event over several days can be removed: %1
</source>
        <translation>Behalten, da bei mehrtägigen Terminen nur der erste oder letzte Tag entfernt werden kann: %1
</translation>
    </message>
    <message>
        <source>Refused by the server, tried again next time: %1
</source>
        <translation>Vom Server abgelehnt, beim nächsten Mal erneut versucht: %1
</translation>
    </message>
    <message>
        <source>Skipped: %1 (server events a diary cannot hold, or entries whose date falls on no day)
</source>
        <translation>Übersprungen: %1 (Servertermine, die der Terminkalender nicht aufnehmen kann, oder Einträge, deren Datum auf keinen Tag fällt)
</translation>
    </message>
    <message>
        <source>Synchronise</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>No CalDAV calendar is set: enter its address and user in Options, on the Synchronise page.</source>
        <translation>Es ist kein CalDAV-Kalender eingerichtet: Geben Sie seine Adresse und den Benutzer unter „Optionen“ auf der Seite „Synchronisieren“ ein.</translation>
    </message>
    <message>
        <source>The keyring holds an empty password</source>
        <translation>Der Schlüsselbund enthält ein leeres Passwort</translation>
    </message>
    <message>
        <source>%1; no password for %2, so the diary was not synchronised.</source>
        <translation>%1; kein Passwort für %2, daher wurde der Terminkalender nicht synchronisiert.</translation>
    </message>
    <message>
        <source>%1.
The CalDAV password (kept until the calendar closes):</source>
        <translation>%1.
Das CalDAV-Passwort (wird bis zum Schließen des Kalenders aufbewahrt):</translation>
    </message>
</context>
<context>
    <name>CWaylandNotice</name>
    <message>
        <source>On this Wayland desktop the calendar cannot keep itself above other windows or reopen where it was last placed: the desktop decides both.
To keep it on top, use the window menu of your desktop. Where the desktop offers XWayland, Plenda starts on it and keeps both itself.</source>
        <translation>Auf diesem Wayland-Desktop kann sich der Kalender weder über anderen Fenstern halten noch an seiner letzten Position öffnen: Beides bestimmt der Desktop.
Um ihn im Vordergrund zu halten, verwenden Sie das Fenstermenü Ihres Desktops. Wo der Desktop XWayland anbietet, startet Plenda darauf und kann beides selbst.</translation>
    </message>
</context>
<context>
    <name>CYearViewPage</name>
    <message>
        <source>   Year View</source>
        <translation>   Jahresansicht</translation>
    </message>
    <message>
        <source>Months &amp;Across (1 - 12)</source>
        <translation>Mon&amp;ate nebeneinander (1 - 12)</translation>
    </message>
    <message>
        <source>Months &amp;Down (1 - 12)</source>
        <translation>Monate &amp;untereinander (1 - 12)</translation>
    </message>
</context>
<context>
    <name>CalDav</name>
    <message>
        <source>There is no calendar at %1.</source>
        <translation>Unter %1 gibt es keinen Kalender.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 answered %2 when asked to %3.</source>
        <translation>Der CalDAV-Server unter %1 hat mit %2 geantwortet, als er die Aufforderung bekam, %3.</translation>
    </message>
    <message>
        <source>list the calendar&apos;s events</source>
        <translation>die Termine des Kalenders aufzulisten</translation>
    </message>
    <message>
        <source>list the calendar&apos;s changes</source>
        <translation>die Änderungen des Kalenders aufzulisten</translation>
    </message>
    <message>
        <source>send the calendar&apos;s events</source>
        <translation>die Termine des Kalenders zu senden</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 answered %2 when asked for its calendars.</source>
        <translation>Der CalDAV-Server unter %1 hat auf die Frage nach seinen Kalendern mit %2 geantwortet.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 described nothing there.</source>
        <translation>Der CalDAV-Server unter %1 hat dort nichts beschrieben.</translation>
    </message>
    <message>
        <source>No calendar that holds events was found at %1.</source>
        <translation>Unter %1 wurde kein Kalender mit Terminen gefunden.</translation>
    </message>
    <message>
        <source>No calendar named &quot;%1&quot; is at %2; there are:
%3</source>
        <translation>Unter %2 gibt es keinen Kalender namens „%1“; vorhanden sind:
%3</translation>
    </message>
    <message>
        <source>Several calendars are at %1; choose one with Find Calendars in Options, on the Synchronise page, or give its name with --calendar:
%2</source>
        <translation>Unter %1 gibt es mehrere Kalender; wählen Sie einen mit „Kalender finden“ unter „Optionen“ auf der Seite „Synchronisieren“ oder geben Sie seinen Namen mit --calendar an:
%2</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 did not answer in time.</source>
        <translation>Der CalDAV-Server unter %1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2 (a server with a private certificate authority needs --ca-file)</source>
        <translation>Die sichere Verbindung zu %1 ist fehlgeschlagen: %2 (ein Server mit einer eigenen Zertifizierungsstelle braucht --ca-file)</translation>
    </message>
    <message>
        <source>Cannot reach the CalDAV server at %1: %2</source>
        <translation>Der CalDAV-Server unter %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 sent a reply larger than %2 MB; nothing of it was used.</source>
        <translation>Der CalDAV-Server unter %1 hat eine Antwort größer als %2 MB gesendet; nichts davon wurde verwendet.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 redirected too many times.</source>
        <translation>Der CalDAV-Server unter %1 hat zu oft weitergeleitet.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 redirected to another server (%2), which is not followed, as the password would go with it.</source>
        <translation>Der CalDAV-Server unter %1 hat auf einen anderen Server (%2) weitergeleitet; dem wird nicht gefolgt, da sonst das Passwort mitgesendet würde.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 refused the user name or password.</source>
        <translation>Der CalDAV-Server unter %1 hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>The sync was cancelled.</source>
        <translation>Die Synchronisation wurde abgebrochen.</translation>
    </message>
    <message>
        <source>No certificate can be read from %1.</source>
        <translation>Aus %1 kann kein Zertifikat gelesen werden.</translation>
    </message>
    <message>
        <source>The CalDAV server sent a reply that cannot be read (%1).</source>
        <translation>Der CalDAV-Server hat eine Antwort gesendet, die nicht gelesen werden kann (%1).</translation>
    </message>
</context>
<context>
    <name>CalendarFileCommands</name>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>Standard input cannot be read: %1</source>
        <translation>Die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>Die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>export takes at most one FILE</source>
        <translation>export erwartet höchstens eine DATEI</translation>
    </message>
    <message>
        <source>import takes one FILE (&apos;-&apos; for standard input)</source>
        <translation>import erwartet eine DATEI (&apos;-&apos; für die Standardeingabe)</translation>
    </message>
    <message>
        <source>  export [FILE]      write the whole diary as an iCalendar file (standard output
                     without FILE or with &apos;-&apos;)
  import FILE [--holiday]
                     add the events of an iCalendar file (&apos;-&apos; reads standard
                     input); --holiday marks them public holidays
</source>
        <translation>  export [DATEI]     den ganzen Terminkalender als iCalendar-Datei schreiben
                     (ohne DATEI oder mit &apos;-&apos; auf die Standardausgabe)
  import DATEI [--holiday]
                     die Termine einer iCalendar-Datei hinzufügen (&apos;-&apos; liest die
                     Standardeingabe); --holiday kennzeichnet sie als Feiertage
</translation>
    </message>
</context>
<context>
    <name>CommandArguments</name>
    <message>
        <source>YEAR must be a number from %1 to %2, not &apos;%3&apos;</source>
        <translation>JAHR muss eine Zahl von %1 bis %2 sein, nicht „%3“</translation>
    </message>
    <message>
        <source>give both MONTH and YEAR, or neither</source>
        <translation>geben Sie MONAT und JAHR an oder keines von beiden</translation>
    </message>
    <message>
        <source>MONTH must be a number from 1 to 12, not &apos;%1&apos;</source>
        <translation>MONAT muss eine Zahl von 1 bis 12 sein, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: plenda [COMMAND]
A desk calendar and diary.

Commands:
  cal [MONTH YEAR] [--monday] [--week-numbers]
                     print the month as text (this month without arguments);
                     MONTH 1 to 12, YEAR 1584 to 9999; Monday first, ISO 8601
                     week numbers in front
  print --pdf FILE [MONTH YEAR] [--year]
                     print the calendar page (or with --year the whole year)
                     into a PDF file
</source>
        <translation>Aufruf: plenda [BEFEHL]
Ein Tischkalender mit Terminverwaltung.

Befehle:
  cal [MONAT JAHR] [--monday] [--week-numbers]
                     den Monat als Text ausgeben (ohne Argumente den laufenden
                     Monat); MONAT 1 bis 12, JAHR 1584 bis 9999; die Woche mit
                     Montag beginnen, ISO-8601-Kalenderwochen voranstellen
  print --pdf DATEI [MONAT JAHR] [--year]
                     das Kalenderblatt (mit --year das ganze Jahr) in eine
                     PDF-Datei drucken
</translation>
    </message>
    <message>
        <source>
Every command takes --diary PATH to use that diary file for one command.
Without a command the calendar window opens.
</source>
        <translation>
Jeder Befehl versteht --diary PFAD und verwendet dann für dieses eine Mal
die Terminkalender-Datei PFAD.
Ohne Befehl öffnet sich das Kalenderfenster.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 erwartet einen Wert</translation>
    </message>
</context>
<context>
    <name>CommandPassword</name>
    <message>
        <source>CalDAV password: </source>
        <translation>CalDAV-Passwort: </translation>
    </message>
    <message>
        <source>--password-stdin read no password</source>
        <translation>--password-stdin hat kein Passwort gelesen</translation>
    </message>
    <message>
        <source>%1; give the password in %2 or one line on standard input with --password-stdin, or store it from the calendar window</source>
        <translation>%1; geben Sie das Passwort in %2 oder mit --password-stdin als eine Zeile auf der Standardeingabe an, oder speichern Sie es im Kalenderfenster</translation>
    </message>
</context>
<context>
    <name>Diary</name>
    <message>
        <source>a yes/no number</source>
        <translation>eine Ja/Nein-Zahl</translation>
    </message>
    <message>
        <source>read the table %1</source>
        <translation>die Tabelle %1 zu lesen</translation>
    </message>
    <message>
        <source>The file %1 is not a diary: it has no table %2.</source>
        <translation>Die Datei %1 ist kein Terminkalender: Ihr fehlt die Tabelle %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a diary: its table %2 has no column %3.</source>
        <translation>Die Datei %1 ist kein Terminkalender: Ihrer Tabelle %2 fehlt die Spalte %3.</translation>
    </message>
    <message>
        <source>The file %1 is not a diary: the column %2 of its table %3 is declared &quot;%4&quot; but must be %5.</source>
        <translation>Die Datei %1 ist kein Terminkalender: Die Spalte %2 ihrer Tabelle %3 ist als „%4“ deklariert, muss aber %5 sein.</translation>
    </message>
    <message>
        <source>No diary file has been chosen.</source>
        <translation>Es wurde keine Terminkalender-Datei gewählt.</translation>
    </message>
    <message>
        <source>The diary file %1 does not exist.</source>
        <translation>Die Terminkalender-Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The diary %1 is a folder, not a database file.</source>
        <translation>Der Terminkalender %1 ist ein Ordner, keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>The diary %1 is not a regular file.</source>
        <translation>Der Terminkalender %1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Cannot %1 in the diary %2: %3</source>
        <translation>Im Terminkalender %2 ist es nicht möglich, %1: %3</translation>
    </message>
    <message>
        <source>prepare a query</source>
        <translation>eine Abfrage vorzubereiten</translation>
    </message>
    <message>
        <source>The diary file %1 cannot be read: %2.</source>
        <translation>Die Terminkalender-Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The diary file %1 is in use by another program.</source>
        <translation>Die Terminkalender-Datei %1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>The diary file %1 cannot be opened: %2</source>
        <translation>Die Terminkalender-Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The diary %1 has no table Promotion to keep the internet message in.</source>
        <translation>Dem Terminkalender %1 fehlt die Tabelle Promotion, in der die Internet-Nachricht aufbewahrt wird.</translation>
    </message>
    <message>
        <source>The file %1 is not a diary database (%2).</source>
        <translation>Die Datei %1 ist keine Terminkalender-Datenbank (%2).</translation>
    </message>
    <message>
        <source>create the diary tables</source>
        <translation>die Tabellen des Terminkalenders anzulegen</translation>
    </message>
    <message>
        <source>The diary is not open.</source>
        <translation>Der Terminkalender ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>There is no current diary entry.</source>
        <translation>Es gibt keinen aktuellen Kalendereintrag.</translation>
    </message>
    <message>
        <source>The diary entry was deleted by another program in the meantime.</source>
        <translation>Der Kalendereintrag wurde inzwischen von einem anderen Programm gelöscht.</translation>
    </message>
    <message>
        <source>The diary entry cannot be saved: it is not being added or edited.</source>
        <translation>Der Kalendereintrag kann nicht gespeichert werden: Er wird weder hinzugefügt noch bearbeitet.</translation>
    </message>
    <message>
        <source>add a diary entry</source>
        <translation>einen Kalendereintrag hinzuzufügen</translation>
    </message>
    <message>
        <source>save a diary entry</source>
        <translation>einen Kalendereintrag zu speichern</translation>
    </message>
    <message>
        <source>delete a diary entry</source>
        <translation>einen Kalendereintrag zu löschen</translation>
    </message>
    <message>
        <source>No diary entry has been added or changed yet.</source>
        <translation>Es wurde noch kein Kalendereintrag hinzugefügt oder geändert.</translation>
    </message>
    <message>
        <source>The diary entry is no longer in the selection.</source>
        <translation>Der Kalendereintrag ist nicht mehr in der Auswahl.</translation>
    </message>
    <message>
        <source>search the diary</source>
        <translation>eine Suche auszuführen</translation>
    </message>
    <message>
        <source>The diary&apos;s texts are too large to read at once.</source>
        <translation>Die Texte des Terminkalenders sind zu groß, um sie auf einmal zu lesen.</translation>
    </message>
    <message>
        <source>The diary %1 is not an SQLite connection.</source>
        <translation>Der Terminkalender %1 ist keine SQLite-Verbindung.</translation>
    </message>
    <message>
        <source>read the diary entries</source>
        <translation>die Kalendereinträge zu lesen</translation>
    </message>
    <message>
        <source>write the diary entries</source>
        <translation>die Kalendereinträge zu schreiben</translation>
    </message>
    <message>
        <source>add the imported entries</source>
        <translation>die importierten Einträge hinzuzufügen</translation>
    </message>
    <message>
        <source>prepare the synchronisation</source>
        <translation>die Synchronisation vorzubereiten</translation>
    </message>
    <message>
        <source>save the synchronisation</source>
        <translation>die Synchronisation zu speichern</translation>
    </message>
    <message>
        <source>read the diary</source>
        <translation>den Terminkalender zu lesen</translation>
    </message>
    <message>
        <source>add a synchronised entry</source>
        <translation>einen synchronisierten Eintrag hinzuzufügen</translation>
    </message>
    <message>
        <source>change a synchronised entry</source>
        <translation>einen synchronisierten Eintrag zu ändern</translation>
    </message>
    <message>
        <source>delete a synchronised entry</source>
        <translation>einen synchronisierten Eintrag zu löschen</translation>
    </message>
    <message>
        <source>prepare the synchronisation tables</source>
        <translation>die Synchronisationstabellen vorzubereiten</translation>
    </message>
    <message>
        <source>read the synchronisation state</source>
        <translation>den Synchronisationsstand zu lesen</translation>
    </message>
    <message>
        <source>write the synchronisation state</source>
        <translation>den Synchronisationsstand zu schreiben</translation>
    </message>
    <message>
        <source>read the synchronisation mapping</source>
        <translation>die Synchronisationszuordnung zu lesen</translation>
    </message>
    <message>
        <source>write the synchronisation mapping</source>
        <translation>die Synchronisationszuordnung zu schreiben</translation>
    </message>
    <message>
        <source>reset the synchronisation</source>
        <translation>die Synchronisation zurückzusetzen</translation>
    </message>
    <message>
        <source>The promotion message could not be %1 in the diary:
%2</source>
        <translation>Die Werbenachricht konnte im Terminkalender nicht %1 werden:
%2</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>updated</source>
        <translation>aktualisiert</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>gespeichert</translation>
    </message>
</context>
<context>
    <name>DiaryCommands</name>
    <message>
        <source>the date %1 must name one day, without &apos;*&apos;</source>
        <translation>das Datum %1 muss genau einen Tag bezeichnen, ohne „*“</translation>
    </message>
    <message>
        <source>agenda takes at most one DATE</source>
        <translation>agenda erwartet höchstens ein DATUM</translation>
    </message>
    <message>
        <source>list takes at most one DATE</source>
        <translation>list erwartet höchstens ein DATUM</translation>
    </message>
    <message>
        <source>Alarm time must be four digits HHMM
</source>
        <translation>Die Alarmzeit muss aus vier Ziffern HHMM bestehen
</translation>
    </message>
    <message>
        <source>add takes a DATE and a MESSAGE</source>
        <translation>add erwartet ein DATUM und eine NACHRICHT</translation>
    </message>
    <message>
        <source>the diary file %1 cannot be opened or created; use --diary PATH</source>
        <translation>die Terminkalender-Datei %1 kann weder geöffnet noch angelegt werden; verwenden Sie --diary PFAD</translation>
    </message>
    <message>
        <source>the diary file %1 is not a regular file</source>
        <translation>die Terminkalender-Datei %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the diary file %1 cannot be opened or created</source>
        <translation>die Terminkalender-Datei %1 kann weder geöffnet noch angelegt werden</translation>
    </message>
    <message>
        <source>  agenda [DATE]      print the day&apos;s diary messages (today without DATE)
  list [DATE]        list the entries falling on the day (all without DATE)
  add DATE MESSAGE [--time HHMM] [--holiday] [--tune PATH]
                     add a diary entry; DATE in your date order, &apos;*&apos; for any digit
</source>
        <translation>  agenda [DATUM]     die Nachrichten des Tages ausgeben (ohne DATUM für heute)
  list [DATUM]       die Kalendereinträge des Tages auflisten (ohne DATUM alle)
  add DATUM NACHRICHT [--time HHMM] [--holiday] [--tune PFAD]
                     einen Kalendereintrag hinzufügen; DATUM in Ihrer
                     Datumsreihenfolge, &apos;*&apos; steht für eine beliebige Ziffer
</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer within %1 seconds</source>
        <translation>Der Schlüsselbund hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>The keyring can be asked only from the main thread</source>
        <translation>Der Schlüsselbund kann nur aus dem Haupt-Thread abgefragt werden</translation>
    </message>
    <message>
        <source>No keyring is running (there is no D-Bus session bus)</source>
        <translation>Es läuft kein Schlüsselbund (es gibt keinen D-Bus-Sitzungsbus)</translation>
    </message>
    <message>
        <source>No keyring is running (neither Secret Service nor KWallet)</source>
        <translation>Es läuft kein Schlüsselbund (weder Secret Service noch KWallet)</translation>
    </message>
    <message>
        <source>The keyring holds no password for this calendar</source>
        <translation>Der Schlüsselbund enthält kein Passwort für diesen Kalender</translation>
    </message>
    <message>
        <source>The keyring refused access</source>
        <translation>Der Schlüsselbund hat den Zugriff verweigert</translation>
    </message>
    <message>
        <source>No keyring is running</source>
        <translation>Es läuft kein Schlüsselbund</translation>
    </message>
    <message>
        <source>The keyring failed: %1</source>
        <translation>Fehler im Schlüsselbund: %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Today - Text</source>
        <translation>Heute - Text</translation>
    </message>
    <message>
        <source>Today - Background</source>
        <translation>Heute - Hintergrund</translation>
    </message>
    <message>
        <source>Diary Entry- Text</source>
        <translation>Kalendereintrag - Text</translation>
    </message>
    <message>
        <source>Diary Entry - Background</source>
        <translation>Kalendereintrag - Hintergrund</translation>
    </message>
    <message>
        <source>Public Holiday - Background</source>
        <translation>Feiertag - Hintergrund</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>&amp;Import Calendar...</source>
        <translation>Kalender &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Calendar...</source>
        <translation>Kalender &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Synchronise Now</source>
        <translation>Jetzt &amp;synchronisieren</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Dr&amp;uckeinrichtung...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>Immer im Vo&amp;rdergrund</translation>
    </message>
    <message>
        <source>&amp;No Menu</source>
        <translation>&amp;Kein Menü</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>C&amp;heck Diary</source>
        <translation>Termine &amp;prüfen</translation>
    </message>
    <message>
        <source>New &amp;Diary Entry...</source>
        <translation>Neuer Kalender&amp;eintrag...</translation>
    </message>
    <message>
        <source>Edit Diary</source>
        <translation>Terminkalender bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>&amp;Schriftarten</translation>
    </message>
    <message>
        <source>Fit page to window</source>
        <translation>Seite an Fenster anpassen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Public Holiday - Text</source>
        <translation>Feiertag - Text</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Year View</source>
        <translation>&amp;Jahresansicht</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Show Marquee</source>
        <translation>Laufschrift anzeigen</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;This</source>
        <translation>He&amp;ute</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quick &amp;Help...</source>
        <translation>Kurz&amp;hilfe...</translation>
    </message>
    <message>
        <source>&amp;About Plenda...</source>
        <translation>Ü&amp;ber Plenda...</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <source>Fonts...</source>
        <translation>Schriftarten...</translation>
    </message>
    <message>
        <source>Public Holiday- Text</source>
        <translation>Feiertag - Text</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Jahresansicht</translation>
    </message>
    <message>
        <source>Show  picture</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Show marquee</source>
        <translation>Laufschrift anzeigen</translation>
    </message>
    <message>
        <source>Check Diary</source>
        <translation>Termine prüfen</translation>
    </message>
    <message>
        <source>New Diary Entry</source>
        <translation>Neuer Kalendereintrag</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>No Menu</source>
        <translation>Kein Menü</translation>
    </message>
    <message>
        <source>File Open...</source>
        <translation>Datei öffnen...</translation>
    </message>
    <message>
        <source>Import Calendar...</source>
        <translation>Kalender importieren...</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Kalender exportieren...</translation>
    </message>
    <message>
        <source>Synchronise Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Quick Help</source>
        <translation>Kurzhilfe</translation>
    </message>
    <message>
        <source>&amp;About Plenda</source>
        <translation>Ü&amp;ber Plenda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>give the output file with --pdf FILE</source>
        <translation>geben Sie die Ausgabedatei mit --pdf DATEI an</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>sync takes no &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“ für sync</translation>
    </message>
    <message>
        <source>no CalDAV calendar is set: give --url URL --user NAME once</source>
        <translation>es ist kein CalDAV-Kalender eingestellt: geben Sie einmal --url URL --user NAME an</translation>
    </message>
    <message>
        <source>the calendar&apos;s address holds a password; give the address without it, the user with --user, and the password as the command&apos;s help says</source>
        <translation>die Adresse des Kalenders enthält ein Passwort; geben Sie die Adresse ohne Passwort an, den Benutzer mit --user und das Passwort so, wie es die Hilfe des Befehls beschreibt</translation>
    </message>
    <message>
        <source>no CalDAV user is set: give --user NAME</source>
        <translation>es ist kein CalDAV-Benutzer eingestellt: geben Sie --user NAME an</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>  sync [--url URL --user NAME] [--calendar NAME] [--list] [--ca-file PATH]
       [--password-stdin]
                     synchronise the diary both ways with a CalDAV calendar; the URL
                     (any address of the server) and user are kept for next time, the
                     password is read from PLENDA_CALDAV_PASSWORD, one line of
                     standard input with --password-stdin, the keyring, or asked on
                     the terminal; --calendar chooses among several calendars, --list
                     lists them; --ca-file trusts the certificate authorities in PATH
                     (kept); exit status 3 when the server refused some writes
</source>
        <translation>  sync [--url URL --user NAME] [--calendar NAME] [--list] [--ca-file PFAD]
       [--password-stdin]
                     den Terminkalender in beide Richtungen mit einem
                     CalDAV-Kalender synchronisieren; URL (eine beliebige Adresse
                     des Servers) und Benutzer werden für das nächste Mal
                     gespeichert, das Passwort wird aus PLENDA_CALDAV_PASSWORD, mit
                     --password-stdin aus einer Zeile der Standardeingabe oder aus
                     dem Schlüsselbund gelesen oder im Terminal abgefragt;
                     --calendar wählt unter mehreren Kalendern, --list listet sie
                     auf; --ca-file vertraut den Zertifizierungsstellen in PFAD
                     (wird gespeichert); Exit-Status 3, wenn der Server einige
                     Schreibvorgänge abgelehnt hat
</translation>
    </message>
</context>
</TS>
