<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../src/app/AccessibleNames.cpp" line="+19"/>
        <source>Files to convert</source>
        <translation>File da convertire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder for results</source>
        <translation>Cartella per i file convertiti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse for output folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders of added folders below the output folder</source>
        <translation>Mantieni le sottocartelle delle cartelle aggiunte nella cartella di destinazione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion progress</source>
        <translation>Avanzamento della conversione</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../src/batch/BatchCommand.cpp" line="+50"/>
        <source>%1: %2 (see --help)</source>
        <translation>%1: %2 (vedi --help)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the output folder %1 is not a folder</source>
        <translation>la cartella di destinazione %1 non è una cartella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output folder %1 does not exist</source>
        <translation>la cartella di destinazione %1 non esiste</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1: the encoder cannot be put in place: %2</source>
        <translation>%1: impossibile predisporre l&apos;encoder: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 file or folder was left out: its name is not valid UTF-8</source>
        <translation>È stato escluso 1 file o cartella: il nome non è in UTF-8 valido</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n files or folders were left out: their names are not valid UTF-8</source>
        <translation>
            <numerusform>È stato escluso %n file o cartella: il nome non è in UTF-8 valido</numerusform>
            <numerusform>Sono stati esclusi %n file o cartelle: i nomi non sono in UTF-8 valido</numerusform>
        </translation>
    </message>
    <message>
        <location line="+100"/>
        <source>%1: write error: %2</source>
        <translation>%1: errore di scrittura: %2</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <location filename="../src/batch/BatchOptions.cpp" line="+37"/>
        <source>--bit-rate must be &quot;same&quot; or one of %1, not &quot;%2&quot;</source>
        <translation>--bit-rate deve essere “same” o uno dei valori %1, non “%2”</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--output-folder needs a folder</source>
        <translation>--output-folder richiede una cartella</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--jobs must be a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--jobs deve essere un numero da 1 a %1, non “%2”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--format must be aac or m4a, not &quot;%1&quot;</source>
        <translation>--format deve essere aac o m4a, non “%1”</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--extension needs an extension such as wav, or *</source>
        <translation>--extension richiede un&apos;estensione, ad esempio wav, oppure *</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opzione sconosciuta “%1”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>il valore di %1 non è in UTF-8 valido</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no file or folder to convert</source>
        <translation>nessun file o cartella da convertire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--keep-folders needs --output-folder</source>
        <translation>--keep-folders richiede --output-folder</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message numerus="yes">
        <location filename="../src/batch/BatchReport.cpp" line="+15"/>
        <source>%1 of %n files converted, %2 failed, %3 skipped in %4 s</source>
        <translation>
            <numerusform>File convertiti: %1 su %n, non riusciti: %2, saltati: %3, in %4 s</numerusform>
            <numerusform>File convertiti: %1 su %n, non riusciti: %2, saltati: %3, in %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n of them at %1 kbps: their own bit rate could not be read</source>
        <translation>
            <numerusform>%n di questi a %1 kbps: non è stato possibile leggerne il bitrate</numerusform>
            <numerusform>%n di questi a %1 kbps: non è stato possibile leggerne il bitrate</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>about %1 left</source>
        <translation>circa %1 rimanenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>time left not known yet</source>
        <translation>tempo rimanente non ancora noto</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files, %2 %, %3 elapsed, %4</source>
        <translation>
            <numerusform>%1 di %n file, %2%, tempo trascorso %3, %4</numerusform>
            <numerusform>%1 di %n file, %2%, tempo trascorso %3, %4</numerusform>
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
        <translation>%1 (%2 è aggiornato)</translation>
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
        <translation>Uso: brindlecast-studio [FILE...]
     brindlecast-studio --convert [OPZIONI] PERCORSO...

Senza --convert si apre la finestra, con i file indicati nel suo elenco.
Con --convert i file WAV e le cartelle indicati vengono convertiti in AAC senza
finestra, più file alla volta; le cartelle vengono esaminate con tutte le loro
sottocartelle.

Opzioni di --convert:
  --bit-rate same|KBPS   il bitrate del file di origine (predefinito) oppure uno
                         dei valori %1
  --output-folder DIR    scrive ogni file di destinazione in DIR (che deve
                         esistere); senza questa opzione, ogni file di
                         destinazione va accanto al suo file di origine
  --keep-folders         dentro DIR, mantiene il percorso di ogni file relativo
                         alla cartella indicata
  --skip-existing        non tocca un file di destinazione completo più recente
                         del suo file di origine
  --jobs N               encoder contemporanei (predefinito: i processori
                         utilizzabili)
  --format aac|m4a       .aac ADTS (predefinito) o .m4a MP4
  --extension EXT        file presi dalle cartelle (predefinito wav; * per
                         tutti)
  --help, --version
  --                     tutti gli argomenti successivi sono percorsi

Una riga per file: “converted ORIGINE -&gt; DESTINAZIONE” o “skipped ORIGINE
(DESTINAZIONE è aggiornato)” sullo standard output, “failed ORIGINE: MOTIVO”
sullo standard error. In queste righe una barra rovesciata diventa \\, un a
capo \n, una tabulazione \t, un ritorno a capo \r e ogni altro carattere di
controllo \xHH (\u{HHHH} oltre FF): ogni riga è un file.

Stato di uscita: 0 tutto convertito o saltato, 1 alcuni file non riusciti,
2 errore di utilizzo, 3 non è stato possibile predisporre l&apos;encoder,
129/130/143 terminato da SIGHUP/SIGINT/SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <location filename="../src/convert/AacEncoderChoice.cpp" line="+30"/>
        <source>The encoder %1 could not be started (%2)</source>
        <translation>Impossibile avviare l&apos;encoder %1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder %1 does not work: asked for its encoders, it ended with exit code %2%3</source>
        <translation>L&apos;encoder %1 non funziona: alla richiesta dei suoi encoder è terminato con il codice di uscita %2%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> and no message</source>
        <translation> e senza alcun messaggio</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+87"/>
        <source>No files added.</source>
        <translation>Nessun file aggiunto.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The folder&apos;s name is not valid UTF-8. Please select another folder.</source>
        <translation>Il nome della cartella non è in UTF-8 valido. Seleziona un&apos;altra cartella.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>La cartella non esiste. Seleziona un&apos;altra cartella.</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>no output file name could be made</source>
        <translation>impossibile creare il nome del file di destinazione</translation>
    </message>
    <message>
        <location filename="../src/convert/EncoderPlacement.cpp" line="+35"/>
        <source>The encoder %1 could have been changed by another user, so it was not run</source>
        <translation>L&apos;encoder %1 potrebbe essere stato modificato da un altro utente, quindi non è stato eseguito</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the encoder could have been changed by another user, so it was not run</source>
        <translation>l&apos;encoder potrebbe essere stato modificato da un altro utente, quindi non è stato eseguito</translation>
    </message>
    <message>
        <location filename="../src/convert/EncodeVerdict.cpp" line="+53"/>
        <source>the encoder could not be started (%1)</source>
        <translation>impossibile avviare l&apos;encoder (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the encoder failed (exit code %1)</source>
        <translation>l&apos;encoder non è riuscito (codice di uscita %1)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the encoder wrote no output</source>
        <translation>l&apos;encoder non ha scritto alcun file di destinazione</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the output is incomplete: %1</source>
        <translation>il file di destinazione è incompleto: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the output is cut off: it lasts %1 s of %2 s</source>
        <translation>il file di destinazione è troncato: dura %1 s su %2 s</translation>
    </message>
    <message>
        <location filename="../src/convert/FileEncoder.cpp" line="+41"/>
        <source>its name is not valid UTF-8, which cannot be converted</source>
        <translation>il nome non è in UTF-8 valido, quindi non può essere convertito</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+42"/>
        <source>the input is missing or not a regular file</source>
        <translation>il file di origine manca o non è un file normale</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>the output file would replace the input file</source>
        <translation>il file di destinazione sostituirebbe il file di origine</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a folder is in the way of the output %1</source>
        <translation>una cartella impedisce di creare il file di destinazione %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write into %1 (%2)</source>
        <translation>impossibile scrivere in %1 (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no bit rate could be worked out</source>
        <translation>impossibile determinare il bitrate</translation>
    </message>
    <message>
        <location filename="../src/convert/OutputClaims.cpp" line="+45"/>
        <source>its output %1 is an input of this run</source>
        <translation>il suo file di destinazione %1 è anche un file di origine di questa conversione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its output %1 is already written from %2</source>
        <translation>il suo file di destinazione %1 viene già scritto a partire da %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+23"/>
        <source>The folder %1 could not be opened: no file manager is set up for folders.</source>
        <translation>Impossibile aprire la cartella %1: nessun gestore di file è configurato per le cartelle.</translation>
    </message>
    <message>
        <location filename="../src/platform/QtDialogs.cpp" line="+55"/>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>EncoderDeployment</name>
    <message>
        <location filename="../src/platform/EncoderDeployment.cpp" line="+46"/>
        <source>The name of the temporary folder %1 is not valid UTF-8; set TEMP to another folder</source>
        <translation>Il nome della cartella temporanea %1 non è in UTF-8 valido; imposta TEMP su un&apos;altra cartella</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 does not exist; set TEMP to an existing folder</source>
        <translation>La cartella temporanea %1 non esiste; imposta TEMP su una cartella esistente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The temporary folder %1 cannot be used</source>
        <translation>La cartella temporanea %1 non è utilizzabile</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is not a folder</source>
        <translation>La cartella temporanea %1 non è una cartella</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is owned by another user; the encoder is not put there</source>
        <translation>La cartella temporanea %1 appartiene a un altro utente; l&apos;encoder non vi viene collocato</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 is open to other users; the encoder is not put there</source>
        <translation>La cartella temporanea %1 è accessibile ad altri utenti; l&apos;encoder non vi viene collocato</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Cannot create %1</source>
        <translation>Impossibile creare %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Cannot write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot create a folder in the temporary folder %1</source>
        <translation>Impossibile creare una cartella nella cartella temporanea %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>There is no encoder to put in place</source>
        <translation>Nessun encoder da predisporre</translation>
    </message>
</context>
<context>
    <name>EncoderStore</name>
    <message>
        <location filename="../src/platform/EncoderStore.cpp" line="+41"/>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Risorsa con identificatore “%1” non trovata</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The ffmpeg encoder %1 is not executable</source>
        <translation>L&apos;encoder ffmpeg %1 non è eseguibile</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The ffmpeg encoder is not installed (not found on PATH)</source>
        <translation>L&apos;encoder ffmpeg non è installato (non trovato nel PATH)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The ffmpeg encoder %1 is an empty file</source>
        <translation>L&apos;encoder ffmpeg %1 è un file vuoto</translation>
    </message>
</context>
<context>
    <name>ErrorNumbers</name>
    <message>
        <location filename="../src/core/ErrorNumbers.cpp" line="+12"/>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non valido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL</source>
        <translation>Errore durante il caricamento della DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Permission denied</source>
        <translation>Autorizzazione negata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso o al file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Object variable or With block variable not set</source>
        <translation>Variabile oggetto o variabile del blocco With non impostata</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resource not found</source>
        <translation>Risorsa non trovata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid property value</source>
        <translation>Valore della proprietà non valido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t find DLL entry point</source>
        <translation>Impossibile trovare il punto di ingresso della DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The FileName buffer is too small to store the selected file name(s).</source>
        <translation>Il buffer FileName è troppo piccolo per contenere i nomi dei file selezionati.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall&apos;applicazione o dall&apos;oggetto</translation>
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
        <translation>alla riga %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please email screenshot of this message to %1</source>
        <translation>Invia per e-mail una schermata di questo messaggio a %1</translation>
    </message>
    <message>
        <location filename="../src/core/ErrorReport.h" line="+11"/>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <location filename="../src/filelist/AddAllInFolder.cpp" line="+35"/>
        <source>Enter file extension to load:</source>
        <translation>Inserisci l&apos;estensione dei file da caricare:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* per tutti i file, txt per tutti i file txt, doc per tutti i file doc e così via)</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.cpp" line="+23"/>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Hai selezionato troppi file da aggiungere.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Prova ad aggiungerli con il pulsante “Aggiungi cartella”.</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.h" line="+15"/>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Aggiungi file - Tieni premuto Ctrl per selezionare più file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV Files (*.wav)</source>
        <translation>File WAV (*.wav)</translation>
    </message>
    <message>
        <location filename="../src/filelist/BrowseForFolder.h" line="+12"/>
        <source>Please select folder:</source>
        <translation>Seleziona una cartella:</translation>
    </message>
    <message>
        <location filename="../src/filelist/LeftOutNotice.cpp" line="+11"/>
        <source>1 file or folder was not added: its name is not valid UTF-8 or holds a NUL character, so no row can name it.</source>
        <translation>Non è stato aggiunto 1 file o cartella: il nome non è in UTF-8 valido o contiene un carattere NUL, quindi nessuna riga dell&apos;elenco può mostrarlo.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n files or folders were not added: their names are not valid UTF-8 or hold a NUL character, so no row can name them.</source>
        <translation>
            <numerusform>Non è stato aggiunto %n file o cartella: il nome non è in UTF-8 valido o contiene un carattere NUL, quindi nessuna riga dell&apos;elenco può mostrarlo.</numerusform>
            <numerusform>Non sono stati aggiunti %n file o cartelle: i nomi non sono in UTF-8 valido o contengono un carattere NUL, quindi nessuna riga dell&apos;elenco può mostrarli.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <location filename="../src/platform/FileOperations.cpp" line="+57"/>
        <source>Path is a folder, not a file</source>
        <translation>Il percorso è una cartella, non un file</translation>
    </message>
</context>
<context>
    <name>MediaInfoLibrary</name>
    <message>
        <location filename="../src/platform/MediaInfoLibrary.cpp" line="+20"/>
        <source>Can&apos;t find DLL entry point %1 in MediaInfo</source>
        <translation>Punto di ingresso %1 non trovato nella DLL MediaInfo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>File not found: %1 (%2)</source>
        <translation>File non trovato: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MediaInfoProbe</name>
    <message>
        <location filename="../src/platform/MediaInfoProbe.cpp" line="+82"/>
        <source>MediaInfo could not create a handle</source>
        <translation>MediaInfo non è riuscito a creare un handle</translation>
    </message>
</context>
<context>
    <name>PartialOutput</name>
    <message>
        <location filename="../src/platform/PartialOutput.cpp" line="+66"/>
        <source>Cannot put the output in place: its partial file is not the one written</source>
        <translation>Impossibile collocare il file di destinazione: il file parziale non è quello scritto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot put the output in place</source>
        <translation>Impossibile collocare il file di destinazione</translation>
    </message>
    <message>
        <location line="+115"/>
        <location line="+41"/>
        <source>Cannot write in %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Cannot make the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a link, which is not followed below the output folder</source>
        <translation>%1 è un collegamento, che non viene seguito all&apos;interno della cartella di destinazione</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot find an unused name in %1</source>
        <translation>Impossibile trovare un nome libero in %1</translation>
    </message>
</context>
<context>
    <name>PosixEncoderFolders</name>
    <message>
        <location filename="../src/platform/PosixEncoderFolders.cpp" line="+74"/>
        <source>The temporary folder %1 does not allow running programs; set TEMP to another folder</source>
        <translation>La cartella temporanea %1 non consente di eseguire programmi; imposta TEMP su un&apos;altra cartella</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../src/platform/PosixFileSystem.cpp" line="+313"/>
        <source>permission denied</source>
        <translation>autorizzazione negata</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="+206"/>
        <location filename="../src/convert/ConversionRun.cpp" line="-133"/>
        <location filename="../src/convert/WaitAnimation.cpp" line="+31"/>
        <source>Progress Bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+109"/>
        <source>Processing: %1</source>
        <translation>Elaborazione: %1</translation>
    </message>
    <message>
        <location filename="../src/core/ProgressAnimation.cpp" line="+32"/>
        <source>Please wait.. %1</source>
        <translation>Attendere... %1</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message numerus="yes">
        <location filename="../src/core/RunProgressTexts.cpp" line="+14"/>
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 di %n file</numerusform>
            <numerusform>%1 di %n file</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, about %2 left</source>
        <translation>%1, circa %2 rimanenti</translation>
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
            <numerusform>File convertiti: %1 su %n</numerusform>
            <numerusform>File convertiti: %1 su %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> (%n failed)</source>
        <translation>
            <numerusform> (%n non riuscito)</numerusform>
            <numerusform> (%n non riusciti)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <location filename="../src/core/RunReport.cpp" line="+23"/>
        <source>Done.</source>
        <translation>Completato.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of 1 file was converted.</source>
        <translation>File convertiti: %1 su 1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files were converted.</source>
        <translation>
            <numerusform>File convertiti: %1 su %n.</numerusform>
            <numerusform>File convertiti: %1 su %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file was not converted, because the encoder could not be put in place:</source>
        <translation>Il file non è stato convertito perché non è stato possibile predisporre l&apos;encoder:</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>None of the %n files was converted, because the encoder could not be put in place:</source>
        <translation>
            <numerusform>Nessuno dei %n file è stato convertito perché non è stato possibile predisporre l&apos;encoder:</numerusform>
            <numerusform>Nessuno dei %n file è stato convertito perché non è stato possibile predisporre l&apos;encoder:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1 file was converted at the list&apos;s rate of %1, because its own bit rate could not be read.</source>
        <translation>1 file è stato convertito al bitrate scelto nell&apos;elenco (%1), perché non è stato possibile leggerne il bitrate.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n files were converted at the list&apos;s rate of %1, because their own bit rate could not be read.</source>
        <translation>
            <numerusform>%n file è stato convertito al bitrate scelto nell&apos;elenco (%1), perché non è stato possibile leggerne il bitrate.</numerusform>
            <numerusform>%n file sono stati convertiti al bitrate scelto nell&apos;elenco (%1), perché non è stato possibile leggerne il bitrate.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 of 1 file failed:</source>
        <translation>Conversione non riuscita per %1 file su 1:</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files failed:</source>
        <translation>
            <numerusform>Conversione non riuscita per %1 file su %n:</numerusform>
            <numerusform>Conversione non riuscita per %1 file su %n:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... e %n altro</numerusform>
            <numerusform>... e altri %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <location filename="../src/samples/SampleFiles.h" line="+13"/>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Vuoi aprire la cartella in cui sono memorizzati questi file di esempio (per poterli vedere prima di usarli)?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/core/Settings.cpp" line="+64"/>
        <source>The settings file %1 is not a regular file, so it is neither read nor written; the choices are kept until the program ends</source>
        <translation>Il file delle impostazioni %1 non è un file normale, quindi non viene né letto né scritto; le scelte restano valide fino alla chiusura del programma</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>The settings file %1 could not be read, so the choices stored in it were lost; it now holds the current ones</source>
        <translation>Impossibile leggere il file delle impostazioni %1, quindi le scelte salvate sono andate perse; ora contiene quelle attuali</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Could not write the setting &quot;%1&quot; to %2; it is kept until the program ends</source>
        <translation>Impossibile scrivere l&apos;impostazione “%1” in %2; resta valida fino alla chiusura del programma</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../src/app/SkinFramework.cpp" line="+32"/>
        <source>Could not load the skin file: %1</source>
        <translation>Impossibile caricare il file del tema: %1</translation>
    </message>
</context>
<context>
    <name>StaleEncoderFolders</name>
    <message>
        <location filename="../src/platform/StaleEncoderFolders.cpp" line="+159"/>
        <source>Cannot lock the encoder folder %1: %2</source>
        <translation>Impossibile bloccare la cartella dell&apos;encoder %1: %2</translation>
    </message>
</context>
<context>
    <name>brindlecast::Form1</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="-146"/>
        <source>Add WAV File(s)</source>
        <translation>Aggiungi file WAV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add All WAV File(s) In Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear List</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Sample/Example Files</source>
        <translation>Carica file di esempio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Rate Of Output File</source>
        <translation>Bitrate del file di destinazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use same bit rate as input file (most efficient)</source>
        <translation>Usa il bitrate del file di origine (ottimale)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use this constant bit rate for all files:</source>
        <translation>Usa questo bitrate costante:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Option</source>
        <translation>Opzioni di salvataggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save results to this folder:</source>
        <translation>Salva in questa cartella:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save results in folder of original file</source>
        <translation>Salva nella cartella di origine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders</source>
        <translation>Mantieni le sottocartelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Start Converting</source>
        <translation>Avvia conversione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop Converting</source>
        <translation>Interrompi conversione</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Trascina qui i file. Fai doppio clic su un elemento per rimuoverlo. Sposta la linea | verso destra, fuori dalla finestra, per vedere i nomi completi.</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Stop converting?</source>
        <translation>Interrompere la conversione?</translation>
    </message>
    <message>
        <location filename="../src/app/FormLoad.cpp" line="+43"/>
        <source> WAV File(s)</source>
        <translation> File WAV</translation>
    </message>
</context>
</TS>
