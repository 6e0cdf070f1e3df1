<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Quorrel</source>
        <translation>Über Quorrel</translation>
    </message>
    <message>
        <source>Quorrel v 2.0</source>
        <translation>Quorrel v 2.0</translation>
    </message>
    <message>
        <source>Suggestions For Further Improvement of this software is almost welcomed.</source>
        <translation>Vorschläge zur weiteren Verbesserung dieser Software sind stets willkommen.</translation>
    </message>
    <message>
        <source>THE SOFTWARE IS FREE TO USE.</source>
        <translation>DIE SOFTWARE IST FREI NUTZBAR.</translation>
    </message>
    <message>
        <source>Finds files as you watch: no index, no database, no background service.</source>
        <translation>Findet Dateien, während Sie zusehen: kein Index, keine Datenbank, kein Hintergrunddienst.</translation>
    </message>
</context>
<context>
    <name>AllFilesWindow</name>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Search All Files</source>
        <translation>Alle Dateien durchsuchen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>You must provide text at least of 3 characters.</source>
        <translation>Der Text muss mindestens 3 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Quorrel 2.0</source>
        <translation>Quorrel 2.0</translation>
    </message>
    <message>
        <source>Please specify the location.</source>
        <translation>Bitte geben Sie den Ort an.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>BusyWindow</name>
    <message>
        <source>Process</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Openning....</source>
        <translation>Öffnen....</translation>
    </message>
</context>
<context>
    <name>CategorySearch</name>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Processing....</source>
        <translation>Verarbeiten....</translation>
    </message>
</context>
<context>
    <name>CategoryTable</name>
    <message>
        <source>All Music</source>
        <translation>Alle Musik</translation>
    </message>
    <message>
        <source>All MP3</source>
        <translation>Alle MP3</translation>
    </message>
    <message>
        <source>All Videos</source>
        <translation>Alle Videos</translation>
    </message>
    <message>
        <source>All MPEG</source>
        <translation>Alle MPEG</translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>All JPEG Images</source>
        <translation>Alle JPEG-Bilder</translation>
    </message>
    <message>
        <source>All GIF Images</source>
        <translation>Alle GIF-Bilder</translation>
    </message>
    <message>
        <source>All BITMAPS</source>
        <translation>Alle BITMAPS</translation>
    </message>
    <message>
        <source>All Mobile Ringtones</source>
        <translation>Alle Handy-Klingeltöne</translation>
    </message>
    <message>
        <source>All Mobile Applications/Java/Symbian</source>
        <translation>Alle Handy-Anwendungen/Java/Symbian</translation>
    </message>
    <message>
        <source>All Mobile Supported Contents</source>
        <translation>Alle Handy-Inhalte</translation>
    </message>
    <message>
        <source>WORD DOCUMENTS</source>
        <translation>WORD-DOKUMENTE</translation>
    </message>
    <message>
        <source>POWERPOINT DOCUMENTS</source>
        <translation>POWERPOINT-DOKUMENTE</translation>
    </message>
    <message>
        <source>EXCEL DOCUMENTS</source>
        <translation>EXCEL-DOKUMENTE</translation>
    </message>
    <message>
        <source>INTERNET DOCUMENTS</source>
        <translation>INTERNET-DOKUMENTE</translation>
    </message>
    <message>
        <source>VISUAL BASIC PROJECTS</source>
        <translation>VISUAL-BASIC-PROJEKTE</translation>
    </message>
    <message>
        <source>VISUAL C++ PROJECTS</source>
        <translation>VISUAL-C++-PROJEKTE</translation>
    </message>
    <message>
        <source>VISUAL FOXPRO PROGRAMS/PROJECTS</source>
        <translation>VISUAL-FOXPRO-PROGRAMME/-PROJEKTE</translation>
    </message>
    <message>
        <source>TEXT FILES</source>
        <translation>TEXTDATEIEN</translation>
    </message>
    <message>
        <source>RTF DOCUMENTS</source>
        <translation>RTF-DOKUMENTE</translation>
    </message>
    <message>
        <source>SQL BUFFERS</source>
        <translation>SQL-PUFFER</translation>
    </message>
    <message>
        <source>COREL DRAW DOCUMENTS</source>
        <translation>COREL-DRAW-DOKUMENTE</translation>
    </message>
    <message>
        <source>ADOBE PHOTOSHOP DOCUMENTS</source>
        <translation>ADOBE-PHOTOSHOP-DOKUMENTE</translation>
    </message>
    <message>
        <source>ADOBE IMAGEREADY DOCUMENTS</source>
        <translation>ADOBE-IMAGEREADY-DOKUMENTE</translation>
    </message>
    <message>
        <source>ADOBE ACROBAT PDF DOCUMENTS</source>
        <translation>ADOBE-ACROBAT-PDF-DOKUMENTE</translation>
    </message>
    <message>
        <source>REGISTRY DOCUMENTS</source>
        <translation>REGISTRIERUNGSDATEIEN</translation>
    </message>
    <message>
        <source>NERO SAVED IMAGES</source>
        <translation>NERO-ABBILDER</translation>
    </message>
    <message>
        <source>DATABASE DOCUMENTS</source>
        <translation>DATENBANK-DOKUMENTE</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options] [--] [folder]</source>
        <translation>Aufruf: %1 [Optionen] [--] [Ordner]</translation>
    </message>
    <message>
        <source>Find files by name, content or kind as you watch.

Without a folder, Quorrel opens its launcher of the four kinds of search;
with one, it starts in that folder and asks which kind of search to run
there. Several words are one folder, joined by blanks. "--" ends the
options: a folder named --help is "quorrel -- --help" or "quorrel ./--help".</source>
        <translation>Findet Dateien nach Name, Inhalt oder Art, während Sie zusehen.

Ohne Ordner öffnet Quorrel seine Übersicht der Sucharten; mit einem
Ordner beginnt es dort und fragt, welche Art von Suche es ausführen soll.
Mehrere Wörter sind ein Ordner, durch Leerzeichen verbunden. "--" beendet
die Optionen: ein Ordner namens --help ist "quorrel -- --help" oder
"quorrel ./--help".</translation>
    </message>
    <message>
        <source>

With --search, it opens that kind of search at once, in the folder if one
is given, and closing it ends the program.</source>
        <translation>

Mit --search öffnet es diese Art von Suche sofort, im angegebenen Ordner,
falls einer angegeben ist; das Schließen der Suche beendet das Programm.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Open this kind of search at once: %1.</source>
        <translation>Diese Art von Suche sofort öffnen: %1.</translation>
    </message>
    <message>
        <source>With --search: the name to look for.</source>
        <translation>Mit --search: der gesuchte Name.</translation>
    </message>
    <message>
        <source>With --search text: the text to look for in the files.</source>
        <translation>Mit --search text: der in den Dateien gesuchte Text.</translation>
    </message>
    <message>
        <source>With --search: start the search as soon as the window shows.</source>
        <translation>Mit --search: die Suche starten, sobald das Fenster erscheint.</translation>
    </message>
    <message>
        <source>The folder to search in; its name need not be UTF-8.</source>
        <translation>Der zu durchsuchende Ordner; sein Name muss kein UTF-8 sein.</translation>
    </message>
    <message>
        <source>Unknown kind of search: '%1' (it is one of %2).</source>
        <translation>Unbekannte Art von Suche: '%1' (möglich sind %2).</translation>
    </message>
    <message>
        <source>--name, --containing and --find need --search.</source>
        <translation>--name, --containing und --find brauchen --search.</translation>
    </message>
    <message>
        <source>--containing is only for --search text.</source>
        <translation>--containing gilt nur für --search text.</translation>
    </message>
</context>
<context>
    <name>ContainingTextWindow</name>
    <message>
        <source>File With Containing Text</source>
        <translation>Dateien mit enthaltenem Text</translation>
    </message>
    <message>
        <source>Files With Containing Text</source>
        <translation>Dateien mit enthaltenem Text</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Entered characters must be at least 3 in length.</source>
        <translation>Die Eingabe muss mindestens 3 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Quorrel 2.0</source>
        <translation>Quorrel 2.0</translation>
    </message>
    <message>
        <source>Containing Text must be at least 3 in length.</source>
        <translation>Der enthaltene Text muss mindestens 3 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Containing Text:</source>
        <translation>Enthält Text:</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Text1</translation>
    </message>
    <message>
        <source>Look inside &amp;documents</source>
        <translation>In &amp;Dokumente hineinsehen</translation>
    </message>
    <message>
        <source>Containing Text</source>
        <translation>Enthaltener Text</translation>
    </message>
    <message>
        <source>Look inside documents</source>
        <translation>In Dokumente hineinsehen</translation>
    </message>
</context>
<context>
    <name>Context</name>
    <message>
        <source>Transforming...</source>
        <translation>Umwandeln...</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariable nicht gesetzt</translation>
    </message>
    <message>
        <source>The window has no native window handle</source>
        <translation>Das Fenster hat kein natives Fensterhandle</translation>
    </message>
    <message>
        <source>Technical Software Error occurred while could not be handled. To ignore this error temporarily, click OK. If the error persists, contact the developer of this software. Technical Error And Description as under: </source>
        <translation>Ein technischer Softwarefehler ist aufgetreten, der nicht behandelt werden konnte. Um diesen Fehler vorübergehend zu übergehen, klicken Sie auf OK. Wenn der Fehler bestehen bleibt, wenden Sie sich an den Entwickler dieser Software. Technischer Fehler und Beschreibung: </translation>
    </message>
    <message>
        <source>Error Description: </source>
        <translation>Fehlerbeschreibung: </translation>
    </message>
    <message>
        <source>Error Code: </source>
        <translation>Fehlercode: </translation>
    </message>
    <message>
        <source>Technical Software Error!</source>
        <translation>Technischer Softwarefehler!</translation>
    </message>
</context>
<context>
    <name>DateChoices</name>
    <message>
        <source>bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>Zei&amp;t:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>&amp;At least:</source>
        <translation>Größe &amp;ab:</translation>
    </message>
    <message>
        <source>At m&amp;ost:</source>
        <translation>&amp;Obergrenze:</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>in the last</source>
        <translation>in den letzten</translation>
    </message>
    <message>
        <source>between</source>
        <translation>zwischen</translation>
    </message>
    <message>
        <source>before</source>
        <translation>vor dem</translation>
    </message>
    <message>
        <source>after</source>
        <translation>nach dem</translation>
    </message>
    <message>
        <source>at any time</source>
        <translation>zu jeder Zeit</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tagen</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monaten</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahren</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Letztes Datum</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>Mindestens</translation>
    </message>
    <message>
        <source>Unit of the least size</source>
        <translation>Einheit der Mindestgröße</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source>Unit of the most size</source>
        <translation>Einheit der Höchstgröße</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Erstes Datum</translation>
    </message>
</context>
<context>
    <name>DateSearchWindow</name>
    <message>
        <source>Search By Date</source>
        <translation>Suche nach Datum</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Entered characters must be at least 3 in length, or none to list every file.</source>
        <translation>Die Eingabe muss mindestens 3 Zeichen lang sein, oder leer, um alle Dateien aufzulisten.</translation>
    </message>
    <message>
        <source>Quorrel 2.0</source>
        <translation>Quorrel 2.0</translation>
    </message>
    <message>
        <source>Please specify the location.</source>
        <translation>Bitte geben Sie den Ort an.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Quorrel</source>
        <translation>Quorrel</translation>
    </message>
    <message>
        <source>QUORREL 2.0</source>
        <translation>QUORREL 2.0</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Select the search type you wish to perform:</source>
        <translation>Wählen Sie die gewünschte Art der Suche:</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Files With Containing Text</source>
        <translation>Dateien mit enthaltenem Text</translation>
    </message>
    <message>
        <source>Multimedia Search</source>
        <translation>Multimedia-Suche</translation>
    </message>
    <message>
        <source>Office Documents</source>
        <translation>Office-Dokumente</translation>
    </message>
    <message>
        <source>Date Created, Modified, Accessed</source>
        <translation>Erstellt, geändert, zuletzt geöffnet</translation>
    </message>
    <message>
        <source>About Quorrel</source>
        <translation>Über Quorrel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Ask Me For Transperncy At Each Start Up</source>
        <translation>Bei jedem St&amp;art nach Transparenz fragen</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Verarbeiten...</translation>
    </message>
    <message>
        <source>Examining Types...</source>
        <translation>Typen untersuchen...</translation>
    </message>
    <message>
        <source>Openning...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Loading..</source>
        <translation>Laden..</translation>
    </message>
    <message>
        <source>Validating...</source>
        <translation>Prüfen...</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Beenden...</translation>
    </message>
</context>
<context>
    <name>MultimediaWindow</name>
    <message>
        <source>Contents:</source>
        <translation>Inhalte:</translation>
    </message>
    <message>
        <source>Search Music, Photos, documents etc.</source>
        <translation>Musik, Fotos, Dokumente usw. suchen</translation>
    </message>
    <message>
        <source>Multimedia Search</source>
        <translation>Multimedia-Suche</translation>
    </message>
</context>
<context>
    <name>OfficeWindow</name>
    <message>
        <source>Document:</source>
        <translation>Dokument:</translation>
    </message>
    <message>
        <source>Search Office Documents...</source>
        <translation>Office-Dokumente suchen...</translation>
    </message>
    <message>
        <source>Office Documents</source>
        <translation>Office-Dokumente</translation>
    </message>
</context>
<context>
    <name>ResultActions</name>
    <message>
        <source>Result actions</source>
        <translation>Aktionen für Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Mit Pr&amp;ogramm öffnen</translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation>Enthaltenden Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Copy Path</source>
        <translation>Pfad kopieren (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>&amp;Namen kopieren</translation>
    </message>
    <message>
        <source>&amp;Save List As...</source>
        <translation>Liste &amp;speichern unter...</translation>
    </message>
    <message>
        <source>Folders That Could Not Be &amp;Read...</source>
        <translation>Nicht lesbare O&amp;rdner...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No associated program/application found to open this folder.</source>
        <translation>Es wurde kein zugeordnetes Programm gefunden, um diesen Ordner zu öffnen.</translation>
    </message>
    <message>
        <source>Save List As</source>
        <translation>Liste speichern unter</translation>
    </message>
    <message>
        <source>search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The list was not saved as %1: %2</source>
        <translation>Die Liste wurde nicht als %1 gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>ResultOpener</name>
    <message>
        <source>Openning Application...</source>
        <translation>Anwendung öffnen...</translation>
    </message>
    <message>
        <source>Failed..</source>
        <translation>Fehlgeschlagen..</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>No associated program/application found to open this file.</source>
        <translation>Es wurde kein zugeordnetes Programm gefunden, um diese Datei zu öffnen.</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Letzter Zugriff</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
</context>
<context>
    <name>SearchSession</name>
    <message>
        <source>Processing...</source>
        <translation>Verarbeiten...</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Returning...</source>
        <translation>Zurück...</translation>
    </message>
    <message>
        <source>&amp;Find Now!</source>
        <translation>&amp;Finden!</translation>
    </message>
    <message>
        <source>&amp;Stop!</source>
        <translation>&amp;Stopp!</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Named:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>&amp;Match Case</source>
        <translation>Na&amp;me genau</translation>
    </message>
    <message>
        <source>0 files found</source>
        <translation>0 Dateien gefunden</translation>
    </message>
    <message>
        <source>Searching ...</source>
        <translation>Suche ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Named</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 path was not found.</source>
        <translation>Der Pfad %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr</translation>
    </message>
    <message>
        <source>out of file handles</source>
        <translation>keine Dateihandles mehr</translation>
    </message>
    <message>
        <source>%1 File(s) Found!</source>
        <translation>%1 Datei(en) gefunden!</translation>
    </message>
    <message>
        <source> (%1 could not be read)</source>
        <translation> (%1 nicht lesbar)</translation>
    </message>
    <message numerus="yes">
        <source> (%n without a creation time)</source>
        <translation>
            <numerusform> (%n ohne Erstellungszeit)</numerusform><numerusform> (%n ohne Erstellungszeit)</numerusform></translation>
    </message>
    <message>
        <source> (search ended early: %1)</source>
        <translation> (Suche vorzeitig beendet: %1)</translation>
    </message>
    <message>
        <source>The system ran %1; the search stopped there. The files found until then are listed.</source>
        <translation>Systemgrenze erreicht (%1); die Suche endete dort. Die bis dahin gefundenen Dateien sind aufgelistet.</translation>
    </message>
    <message>
        <source>Searching In %1...</source>
        <translation>Suche in %1...</translation>
    </message>
</context>
<context>
    <name>SearchWindowDescription</name>
    <message>
        <source>Processing...</source>
        <translation>Verarbeiten...</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Quorrel</source>
        <translation>Quorrel</translation>
    </message>
    <message>
        <source>File Finder</source>
        <translation>Dateisuche</translation>
    </message>
    <message>
        <source>Real Time v2.0</source>
        <translation>Echtzeit v2.0</translation>
    </message>
    <message>
        <source>Now Upto 250% Faster</source>
        <translation>Jetzt bis zu 250 % schneller</translation>
    </message>
    <message>
        <source>Note: The Software is Free to Use.</source>
        <translation>Hinweis: Die Software ist frei nutzbar.</translation>
    </message>
</context>
<context>
    <name>StartInFolderWindow</name>
    <message>
        <source>Select Action</source>
        <translation>Aktion wählen</translation>
    </message>
    <message>
        <source>You have chosen to open this software with a command. Now you have to select what type of search operation you wish to perform:</source>
        <translation>Sie haben dieses Programm mit einem Befehl gestartet. Wählen Sie nun, welche Art von Suche Sie ausführen möchten:</translation>
    </message>
    <message>
        <source>&amp;Search All Types Of File</source>
        <translation>Alle Dateitypen durch&amp;suchen</translation>
    </message>
    <message>
        <source>S&amp;earch With Containing Text</source>
        <translation>Nach &amp;enthaltenem Text suchen</translation>
    </message>
    <message>
        <source>Sea&amp;rch Contents i.e., photos, videos, music files etc.</source>
        <translation>Inhalte du&amp;rchsuchen, z. B. Fotos, Videos, Musikdateien usw.</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Search &amp;Office Documents</source>
        <translation>&amp;Office-Dokumente suchen</translation>
    </message>
    <message>
        <source>Search By &amp;Date</source>
        <translation>Nach &amp;Datum suchen</translation>
    </message>
    <message>
        <source>Cancelling..</source>
        <translation>Abbrechen..</translation>
    </message>
</context>
<context>
    <name>TimeColumn</name>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>TransparencyQuestion</name>
    <message>
        <source>Transperancy</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Would you like to have the windows transparent?</source>
        <translation>Möchten Sie die Fenster transparent haben?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Ja (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Don't Ask Me Again, Set Transperancy as Default</source>
        <translation>Nicht mehr fragen, Transparenz als Stan&amp;dard</translation>
    </message>
    <message>
        <source>D&amp;ont Ask Me Again, Don't set transperancy as Default</source>
        <translation>Nicht mehr fragen, &amp;ohne Transparenz als Standard</translation>
    </message>
    <message>
        <source>Quorrel 2.0</source>
        <translation>Quorrel 2.0</translation>
    </message>
    <message>
        <source>Selecting Yes or having transparent windows will reduce the searching process performance to some extent. Would you like to still have transparency in the searching sessions?</source>
        <translation>Mit Ja, also transparenten Fenstern, wird die Suche etwas langsamer. Möchten Sie die Fenster beim Suchen trotzdem transparent haben?</translation>
    </message>
</context>
<context>
    <name>UnreadableWindow</name>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>vanished</source>
        <translation>verschwunden</translation>
    </message>
    <message>
        <source>out of file handles</source>
        <translation>keine Dateihandles mehr</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>verschlüsselt</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>too large when expanded</source>
        <translation>entpackt zu groß</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>too slow</source>
        <translation>zu langsam</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Folders That Could Not Be Read</source>
        <translation>Nicht lesbare Ordner</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Folders and files that could not be read</source>
        <translation>Ordner und Dateien, die nicht gelesen werden konnten</translation>
    </message>
</context>
</TS>