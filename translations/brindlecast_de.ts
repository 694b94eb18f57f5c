<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../src/app/AccessibleNames.cpp" line="+19"/>
        <source>Files to convert</source>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder for results</source>
        <translation>Ordner für die Ergebnisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse for output folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders of added folders below the output folder</source>
        <translation>Unterordner der hinzugefügten Ordner im Zielordner beibehalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion progress</source>
        <translation>Fortschritt der Konvertierung</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../src/batch/BatchCommand.cpp" line="+50"/>
        <source>%1: %2 (see --help)</source>
        <translation>%1: %2 (siehe --help)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the output folder %1 is not a folder</source>
        <translation>der Zielordner %1 ist kein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output folder %1 does not exist</source>
        <translation>der Zielordner %1 existiert nicht</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1: the encoder cannot be put in place: %2</source>
        <translation>%1: der Encoder kann nicht bereitgestellt werden: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 file or folder was left out: its name is not valid UTF-8</source>
        <translation>1 Datei oder Ordner wurde ausgelassen: der Name ist kein gültiges UTF-8</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n files or folders were left out: their names are not valid UTF-8</source>
        <translation>
            <numerusform>%n Datei oder Ordner wurde ausgelassen: der Name ist kein gültiges UTF-8</numerusform>
            <numerusform>%n Dateien oder Ordner wurden ausgelassen: die Namen sind kein gültiges UTF-8</numerusform>
        </translation>
    </message>
    <message>
        <location line="+100"/>
        <source>%1: write error: %2</source>
        <translation>%1: Schreibfehler: %2</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <location filename="../src/batch/BatchOptions.cpp" line="+37"/>
        <source>--bit-rate must be &quot;same&quot; or one of %1, not &quot;%2&quot;</source>
        <translation>--bit-rate muss „same“ oder einer der Werte %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--output-folder needs a folder</source>
        <translation>--output-folder erwartet einen Ordner</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--jobs must be a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--jobs muss eine Zahl von 1 bis %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--format must be aac or m4a, not &quot;%1&quot;</source>
        <translation>--format muss aac oder m4a sein, nicht „%1“</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--extension needs an extension such as wav, or *</source>
        <translation>--extension erwartet eine Dateiendung wie wav oder *</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 takes no value</source>
        <translation>%1 erwartet keinen Wert</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a value</source>
        <translation>%1 erwartet einen Wert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>der Wert von %1 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no file or folder to convert</source>
        <translation>keine Datei und kein Ordner zum Konvertieren angegeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--keep-folders needs --output-folder</source>
        <translation>--keep-folders erfordert --output-folder</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message numerus="yes">
        <location filename="../src/batch/BatchReport.cpp" line="+15"/>
        <source>%1 of %n files converted, %2 failed, %3 skipped in %4 s</source>
        <translation>
            <numerusform>%1 von %n Datei konvertiert, %2 fehlgeschlagen, %3 übersprungen in %4 s</numerusform>
            <numerusform>%1 von %n Dateien konvertiert, %2 fehlgeschlagen, %3 übersprungen in %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n of them at %1 kbps: their own bit rate could not be read</source>
        <translation>
            <numerusform>%n davon mit %1 kbps: ihre eigene Bitrate konnte nicht gelesen werden</numerusform>
            <numerusform>%n davon mit %1 kbps: ihre eigene Bitrate konnte nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>about %1 left</source>
        <translation>noch etwa %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>time left not known yet</source>
        <translation>Restzeit noch unbekannt</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files, %2 %, %3 elapsed, %4</source>
        <translation>
            <numerusform>%1 von %n Datei, %2 %, %3 verstrichen, %4</numerusform>
            <numerusform>%1 von %n Dateien, %2 %, %3 verstrichen, %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <location filename="../src/batch/BatchRun.cpp" line="+117"/>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (%2 is up to date)</source>
        <translation>%1 (%2 ist aktuell)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>BatchUsage</name>
    <message>
        <location filename="../src/batch/BatchUsage.cpp" line="+13"/>
        <source>Usage: brindlecast-studio [FILE...]
       brindlecast-studio --convert [OPTIONS] PATH...

Without --convert the window opens, with the files given in its list.
With --convert the WAV files and folders given are converted to AAC without a
window, several at once; folders are searched with all their subfolders.

Options of --convert:
  --bit-rate same|KBPS   the input&apos;s own bit rate (the default), or one of
                         %1
  --output-folder DIR    write every output into DIR (it must exist);
                         without it each output goes beside its input
  --keep-folders         below DIR, keep each file&apos;s path below the folder given
  --skip-existing        leave a whole output alone that is newer than its input
  --jobs N               encoders at once (default: the usable processors)
  --format aac|m4a       ADTS .aac (the default) or MP4 .m4a
  --extension EXT        files taken from folders (default wav; * for all)
  --help, --version
  --                     every argument after it is a path

One line per file: &quot;converted IN -&gt; OUT&quot; or &quot;skipped IN (OUT is up to date)&quot;
on standard output, &quot;failed IN: REASON&quot; on standard error. In these lines a
backslash reads \\, a newline \n, a tab \t, a carriage return \r and any
other control character \xHH (\u{HHHH} above FF): every line is one file.

Exit status: 0 all converted or skipped, 1 some failed, 2 usage error,
3 the encoder could not be put in place,
129/130/143 ended by SIGHUP/SIGINT/SIGTERM.
</source>
        <translation>Aufruf: brindlecast-studio [DATEI...]
        brindlecast-studio --convert [OPTIONEN] PFAD...

Ohne --convert öffnet sich das Fenster und zeigt die angegebenen Dateien in
seiner Liste. Mit --convert werden die angegebenen WAV-Dateien und Ordner ohne
Fenster nach AAC konvertiert, mehrere gleichzeitig; Ordner werden samt allen
Unterordnern durchsucht.

Optionen von --convert:
  --bit-rate same|KBPS   die eigene Bitrate der Quelldatei (Standard) oder
                         einer der Werte %1
  --output-folder ORDNER alle Zieldateien in ORDNER ablegen (muss existieren);
                         ohne diese Option neben der jeweiligen Quelldatei
  --keep-folders         in ORDNER den Pfad jeder Datei unterhalb des
                         angegebenen Ordners beibehalten
  --skip-existing        eine vollständige Zieldatei unverändert lassen, wenn
                         sie neuer als ihre Quelldatei ist
  --jobs N               gleichzeitige Encoder (Standard: nutzbare Prozessoren)
  --format aac|m4a       ADTS .aac (Standard) oder MP4 .m4a
  --extension ENDUNG     aus Ordnern übernommene Dateien (Standard wav;
                         * für alle)
  --help, --version
  --                     jedes weitere Argument ist ein Pfad

Eine Zeile pro Datei: „converted QUELLE -&gt; ZIEL“ oder „skipped QUELLE (ZIEL ist
aktuell)“ auf der Standardausgabe, „failed QUELLE: GRUND“ auf der
Standardfehlerausgabe. In diesen Zeilen steht \\ für einen Backslash, \n für
einen Zeilenumbruch, \t für einen Tabulator, \r für einen Wagenrücklauf und
\xHH (\u{HHHH} oberhalb von FF) für jedes andere Steuerzeichen: Jede Zeile
ist eine Datei.

Exit-Status: 0 alle konvertiert oder übersprungen, 1 einige fehlgeschlagen,
2 Aufruffehler, 3 der Encoder konnte nicht bereitgestellt werden,
129/130/143 beendet durch SIGHUP/SIGINT/SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <location filename="../src/convert/AacEncoderChoice.cpp" line="+30"/>
        <source>The encoder %1 could not be started (%2)</source>
        <translation>Der Encoder %1 konnte nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder %1 does not work: asked for its encoders, it ended with exit code %2%3</source>
        <translation>Der Encoder %1 funktioniert nicht: Bei der Abfrage seiner Encoder endete er mit Exit-Code %2%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> and no message</source>
        <translation> und ohne Meldung</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+87"/>
        <source>No files added.</source>
        <translation>Keine Dateien hinzugefügt.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The folder&apos;s name is not valid UTF-8. Please select another folder.</source>
        <translation>Der Name des Ordners ist kein gültiges UTF-8. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Der Ordner existiert nicht. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>no output file name could be made</source>
        <translation>es konnte kein Name für die Zieldatei gebildet werden</translation>
    </message>
    <message>
        <location filename="../src/convert/EncoderPlacement.cpp" line="+35"/>
        <source>The encoder %1 could have been changed by another user, so it was not run</source>
        <translation>Der Encoder %1 könnte von einem anderen Benutzer verändert worden sein und wurde daher nicht ausgeführt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the encoder could have been changed by another user, so it was not run</source>
        <translation>der Encoder könnte von einem anderen Benutzer verändert worden sein und wurde daher nicht ausgeführt</translation>
    </message>
    <message>
        <location filename="../src/convert/EncodeVerdict.cpp" line="+53"/>
        <source>the encoder could not be started (%1)</source>
        <translation>der Encoder konnte nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the encoder failed (exit code %1)</source>
        <translation>der Encoder ist fehlgeschlagen (Exit-Code %1)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the encoder wrote no output</source>
        <translation>der Encoder hat keine Zieldatei geschrieben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the output is incomplete: %1</source>
        <translation>die Zieldatei ist unvollständig: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the output is cut off: it lasts %1 s of %2 s</source>
        <translation>die Zieldatei ist abgeschnitten: sie dauert nur %1 s von %2 s</translation>
    </message>
    <message>
        <location filename="../src/convert/FileEncoder.cpp" line="+41"/>
        <source>its name is not valid UTF-8, which cannot be converted</source>
        <translation>ihr Name ist kein gültiges UTF-8, daher kann sie nicht konvertiert werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+42"/>
        <source>the input is missing or not a regular file</source>
        <translation>die Quelldatei fehlt oder ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>the output file would replace the input file</source>
        <translation>die Zieldatei würde die Quelldatei ersetzen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a folder is in the way of the output %1</source>
        <translation>an der Stelle der Zieldatei %1 befindet sich ein Ordner</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write into %1 (%2)</source>
        <translation>in %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no bit rate could be worked out</source>
        <translation>es konnte keine Bitrate ermittelt werden</translation>
    </message>
    <message>
        <location filename="../src/convert/OutputClaims.cpp" line="+45"/>
        <source>its output %1 is an input of this run</source>
        <translation>ihre Zieldatei %1 ist eine Quelldatei dieses Durchlaufs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its output %1 is already written from %2</source>
        <translation>ihre Zieldatei %1 wird bereits aus %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+23"/>
        <source>The folder %1 could not be opened: no file manager is set up for folders.</source>
        <translation>Der Ordner %1 konnte nicht geöffnet werden: Für Ordner ist kein Dateimanager eingerichtet.</translation>
    </message>
    <message>
        <location filename="../src/platform/QtDialogs.cpp" line="+55"/>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>EncoderDeployment</name>
    <message>
        <location filename="../src/platform/EncoderDeployment.cpp" line="+46"/>
        <source>The name of the temporary folder %1 is not valid UTF-8; set TEMP to another folder</source>
        <translation>Der Name des temporären Ordners %1 ist kein gültiges UTF-8; setzen Sie TEMP auf einen anderen Ordner</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 does not exist; set TEMP to an existing folder</source>
        <translation>Der temporäre Ordner %1 existiert nicht; setzen Sie TEMP auf einen vorhandenen Ordner</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The temporary folder %1 cannot be used</source>
        <translation>Der temporäre Ordner %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is not a folder</source>
        <translation>Der temporäre Ordner %1 ist kein Ordner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is owned by another user; the encoder is not put there</source>
        <translation>Der temporäre Ordner %1 gehört einem anderen Benutzer; der Encoder wird dort nicht abgelegt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 is open to other users; the encoder is not put there</source>
        <translation>Der temporäre Ordner %1 steht anderen Benutzern offen; der Encoder wird dort nicht abgelegt</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Cannot create %1</source>
        <translation>%1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot create a folder in the temporary folder %1</source>
        <translation>Im temporären Ordner %1 kann kein Ordner erstellt werden</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>There is no encoder to put in place</source>
        <translation>Es ist kein Encoder zum Bereitstellen vorhanden</translation>
    </message>
</context>
<context>
    <name>EncoderStore</name>
    <message>
        <location filename="../src/platform/EncoderStore.cpp" line="+41"/>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ressource mit der Kennung „%1“ nicht gefunden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The ffmpeg encoder %1 is not executable</source>
        <translation>Der ffmpeg-Encoder %1 ist nicht ausführbar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The ffmpeg encoder is not installed (not found on PATH)</source>
        <translation>Der ffmpeg-Encoder ist nicht installiert (nicht im PATH gefunden)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The ffmpeg encoder %1 is an empty file</source>
        <translation>Der ffmpeg-Encoder %1 ist eine leere Datei</translation>
    </message>
</context>
<context>
    <name>ErrorNumbers</name>
    <message>
        <location filename="../src/core/ErrorNumbers.cpp" line="+12"/>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL</source>
        <translation>Fehler beim Laden der DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resource not found</source>
        <translation>Ressource nicht gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t find DLL entry point</source>
        <translation>DLL-Einsprungpunkt nicht gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The FileName buffer is too small to store the selected file name(s).</source>
        <translation>Der FileName-Puffer ist zu klein für die ausgewählten Dateinamen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <location filename="../src/core/ErrorReport.cpp" line="+10"/>
        <location line="+7"/>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie einen Screenshot dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <location filename="../src/core/ErrorReport.h" line="+11"/>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <location filename="../src/filelist/AddAllInFolder.cpp" line="+35"/>
        <source>Enter file extension to load:</source>
        <translation>Dateiendung der zu ladenden Dateien eingeben:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* für alle Dateien, txt für alle txt-Dateien, doc für alle doc-Dateien usw.)</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.cpp" line="+23"/>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Sie haben zu viele Dateien zum Hinzufügen ausgewählt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Bitte verwenden Sie stattdessen die Schaltfläche „Alle aus Ordner hinzufügen“.</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.h" line="+15"/>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Datei(en) hinzufügen – Strg gedrückt halten, um mehrere Dateien auszuwählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV Files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <location filename="../src/filelist/BrowseForFolder.h" line="+12"/>
        <source>Please select folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
    <message>
        <location filename="../src/filelist/LeftOutNotice.cpp" line="+11"/>
        <source>1 file or folder was not added: its name is not valid UTF-8 or holds a NUL character, so no row can name it.</source>
        <translation>1 Datei oder Ordner wurde nicht hinzugefügt: Der Name ist kein gültiges UTF-8 oder enthält ein NUL-Zeichen und kann daher in keiner Zeile angezeigt werden.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n files or folders were not added: their names are not valid UTF-8 or hold a NUL character, so no row can name them.</source>
        <translation>
            <numerusform>%n Datei oder Ordner wurde nicht hinzugefügt: Der Name ist kein gültiges UTF-8 oder enthält ein NUL-Zeichen und kann daher in keiner Zeile angezeigt werden.</numerusform>
            <numerusform>%n Dateien oder Ordner wurden nicht hinzugefügt: Die Namen sind kein gültiges UTF-8 oder enthalten ein NUL-Zeichen und können daher in keiner Zeile angezeigt werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <location filename="../src/platform/FileOperations.cpp" line="+57"/>
        <source>Path is a folder, not a file</source>
        <translation>Der Pfad ist ein Ordner, keine Datei</translation>
    </message>
</context>
<context>
    <name>MediaInfoLibrary</name>
    <message>
        <location filename="../src/platform/MediaInfoLibrary.cpp" line="+20"/>
        <source>Can&apos;t find DLL entry point %1 in MediaInfo</source>
        <translation>DLL-Einsprungpunkt %1 in MediaInfo nicht gefunden</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>File not found: %1 (%2)</source>
        <translation>Datei nicht gefunden: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MediaInfoProbe</name>
    <message>
        <location filename="../src/platform/MediaInfoProbe.cpp" line="+82"/>
        <source>MediaInfo could not create a handle</source>
        <translation>MediaInfo konnte kein Handle erstellen</translation>
    </message>
</context>
<context>
    <name>PartialOutput</name>
    <message>
        <location filename="../src/platform/PartialOutput.cpp" line="+66"/>
        <source>Cannot put the output in place: its partial file is not the one written</source>
        <translation>Die Zieldatei kann nicht fertiggestellt werden: Die Teildatei ist nicht die geschriebene</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot put the output in place</source>
        <translation>Die Zieldatei kann nicht fertiggestellt werden</translation>
    </message>
    <message>
        <location line="+115"/>
        <location line="+41"/>
        <source>Cannot write in %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Cannot make the folder %1</source>
        <translation>Der Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a link, which is not followed below the output folder</source>
        <translation>%1 ist ein Link; Links werden unterhalb des Zielordners nicht verfolgt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot find an unused name in %1</source>
        <translation>In %1 lässt sich kein freier Name finden</translation>
    </message>
</context>
<context>
    <name>PosixEncoderFolders</name>
    <message>
        <location filename="../src/platform/PosixEncoderFolders.cpp" line="+74"/>
        <source>The temporary folder %1 does not allow running programs; set TEMP to another folder</source>
        <translation>Der temporäre Ordner %1 erlaubt keine Ausführung von Programmen; setzen Sie TEMP auf einen anderen Ordner</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../src/platform/PosixFileSystem.cpp" line="+313"/>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="+206"/>
        <location filename="../src/convert/ConversionRun.cpp" line="-133"/>
        <location filename="../src/convert/WaitAnimation.cpp" line="+31"/>
        <source>Progress Bar</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+109"/>
        <source>Processing: %1</source>
        <translation>Wird verarbeitet: %1</translation>
    </message>
    <message>
        <location filename="../src/core/ProgressAnimation.cpp" line="+32"/>
        <source>Please wait.. %1</source>
        <translation>Bitte warten.. %1</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message numerus="yes">
        <location filename="../src/core/RunProgressTexts.cpp" line="+14"/>
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 von %n Datei</numerusform>
            <numerusform>%1 von %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, about %2 left</source>
        <translation>%1, noch etwa %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Converted %1 of %n files</source>
        <translation>
            <numerusform>%1 von %n Datei konvertiert</numerusform>
            <numerusform>%1 von %n Dateien konvertiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> (%n failed)</source>
        <translation>
            <numerusform> (%n fehlgeschlagen)</numerusform>
            <numerusform> (%n fehlgeschlagen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <location filename="../src/core/RunReport.cpp" line="+23"/>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of 1 file was converted.</source>
        <translation>%1 von 1 Datei wurde konvertiert.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files were converted.</source>
        <translation>
            <numerusform>%1 von %n Datei wurde konvertiert.</numerusform>
            <numerusform>%1 von %n Dateien wurden konvertiert.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file was not converted, because the encoder could not be put in place:</source>
        <translation>Die Datei wurde nicht konvertiert, weil der Encoder nicht bereitgestellt werden konnte:</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>None of the %n files was converted, because the encoder could not be put in place:</source>
        <translation>
            <numerusform>Die %n Datei wurde nicht konvertiert, weil der Encoder nicht bereitgestellt werden konnte:</numerusform>
            <numerusform>Keine der %n Dateien wurde konvertiert, weil der Encoder nicht bereitgestellt werden konnte:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1 file was converted at the list&apos;s rate of %1, because its own bit rate could not be read.</source>
        <translation>1 Datei wurde mit der in der Liste gewählten Bitrate von %1 konvertiert, weil ihre eigene Bitrate nicht gelesen werden konnte.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n files were converted at the list&apos;s rate of %1, because their own bit rate could not be read.</source>
        <translation>
            <numerusform>%n Datei wurde mit der in der Liste gewählten Bitrate von %1 konvertiert, weil ihre eigene Bitrate nicht gelesen werden konnte.</numerusform>
            <numerusform>%n Dateien wurden mit der in der Liste gewählten Bitrate von %1 konvertiert, weil ihre eigene Bitrate nicht gelesen werden konnte.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 of 1 file failed:</source>
        <translation>%1 von 1 Datei fehlgeschlagen:</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files failed:</source>
        <translation>
            <numerusform>%1 von %n Datei fehlgeschlagen:</numerusform>
            <numerusform>%1 von %n Dateien fehlgeschlagen:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <location filename="../src/samples/SampleFiles.h" line="+13"/>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll der Ordner mit den Beispieldateien geöffnet werden, damit Sie sie sich ansehen können, bevor Sie damit arbeiten?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/core/Settings.cpp" line="+64"/>
        <source>The settings file %1 is not a regular file, so it is neither read nor written; the choices are kept until the program ends</source>
        <translation>Die Einstellungsdatei %1 ist keine reguläre Datei und wird daher weder gelesen noch geschrieben; die Einstellungen bleiben bis zum Beenden des Programms erhalten</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>The settings file %1 could not be read, so the choices stored in it were lost; it now holds the current ones</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden, daher sind die darin gespeicherten Einstellungen verloren; sie enthält jetzt die aktuellen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Could not write the setting &quot;%1&quot; to %2; it is kept until the program ends</source>
        <translation>Die Einstellung „%1“ konnte nicht in %2 geschrieben werden; sie bleibt bis zum Beenden des Programms erhalten</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../src/app/SkinFramework.cpp" line="+32"/>
        <source>Could not load the skin file: %1</source>
        <translation>Die Skin-Datei konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>StaleEncoderFolders</name>
    <message>
        <location filename="../src/platform/StaleEncoderFolders.cpp" line="+159"/>
        <source>Cannot lock the encoder folder %1: %2</source>
        <translation>Der Encoder-Ordner %1 kann nicht gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>brindlecast::Form1</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="-146"/>
        <source>Add WAV File(s)</source>
        <translation>WAV-Datei(en) hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add All WAV File(s) In Folder</source>
        <translation>Alle aus Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Sample/Example Files</source>
        <translation>Beispieldateien laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Rate Of Output File</source>
        <translation>Bitrate der Zieldatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use same bit rate as input file (most efficient)</source>
        <translation>Bitrate der Quelldatei (am effizientesten)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use this constant bit rate for all files:</source>
        <translation>Feste Bitrate für alle Dateien:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Option</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save results to this folder:</source>
        <translation>In diesem Ordner speichern:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save results in folder of original file</source>
        <translation>Im Ordner der Quelldatei speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders</source>
        <translation>Unterordner beibehalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Start Converting</source>
        <translation>Konvertierung starten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop Converting</source>
        <translation>Konvertierung abbrechen</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Dateien hierher ziehen. Ein Doppelklick auf einen Eintrag entfernt ihn. Die Linie | nach rechts aus dem Fenster ziehen, um die vollständigen Namen zu sehen.</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Stop converting?</source>
        <translation>Konvertierung abbrechen?</translation>
    </message>
    <message>
        <location filename="../src/app/FormLoad.cpp" line="+43"/>
        <source> WAV File(s)</source>
        <translation> WAV-Datei(en)</translation>
    </message>
</context>
</TS>
