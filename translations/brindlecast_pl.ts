<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../src/app/AccessibleNames.cpp" line="+19"/>
        <source>Files to convert</source>
        <translation>Pliki do konwersji</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder for results</source>
        <translation>Folder na wyniki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse for output folder</source>
        <translation>Wybierz folder docelowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders of added folders below the output folder</source>
        <translation>Zachowaj podfoldery dodanych folderów w folderze docelowym</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion progress</source>
        <translation>Postęp konwersji</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../src/batch/BatchCommand.cpp" line="+50"/>
        <source>%1: %2 (see --help)</source>
        <translation>%1: %2 (zob. --help)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the output folder %1 is not a folder</source>
        <translation>folder docelowy %1 nie jest folderem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output folder %1 does not exist</source>
        <translation>folder docelowy %1 nie istnieje</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1: the encoder cannot be put in place: %2</source>
        <translation>%1: nie można przygotować enkodera: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 file or folder was left out: its name is not valid UTF-8</source>
        <translation>Pominięto 1 plik lub folder: jego nazwa nie jest poprawnym tekstem UTF-8</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n files or folders were left out: their names are not valid UTF-8</source>
        <translation>
            <numerusform>Pominięto %n plik lub folder: jego nazwa nie jest poprawnym tekstem UTF-8</numerusform>
            <numerusform>Pominięto %n pliki lub foldery: ich nazwy nie są poprawnym tekstem UTF-8</numerusform>
            <numerusform>Pominięto %n plików lub folderów: ich nazwy nie są poprawnym tekstem UTF-8</numerusform>
        </translation>
    </message>
    <message>
        <location line="+100"/>
        <source>%1: write error: %2</source>
        <translation>%1: błąd zapisu: %2</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <location filename="../src/batch/BatchOptions.cpp" line="+37"/>
        <source>--bit-rate must be &quot;same&quot; or one of %1, not &quot;%2&quot;</source>
        <translation>--bit-rate musi mieć wartość „same” lub jedną z wartości %1, a nie „%2”</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--output-folder needs a folder</source>
        <translation>--output-folder wymaga podania folderu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--jobs must be a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--jobs musi być liczbą od 1 do %1, a nie „%2”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--format must be aac or m4a, not &quot;%1&quot;</source>
        <translation>--format musi mieć wartość aac lub m4a, a nie „%1”</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--extension needs an extension such as wav, or *</source>
        <translation>--extension wymaga podania rozszerzenia, np. wav, lub *</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 takes no value</source>
        <translation>%1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown option &quot;%1&quot;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a value</source>
        <translation>%1 wymaga podania wartości</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>wartość %1 nie jest poprawnym tekstem UTF-8</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no file or folder to convert</source>
        <translation>nie podano pliku ani folderu do konwersji</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--keep-folders needs --output-folder</source>
        <translation>--keep-folders wymaga opcji --output-folder</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message numerus="yes">
        <location filename="../src/batch/BatchReport.cpp" line="+15"/>
        <source>%1 of %n files converted, %2 failed, %3 skipped in %4 s</source>
        <translation>
            <numerusform>Przekonwertowano %1 z %n pliku, nieudane: %2, pominięte: %3, czas: %4 s</numerusform>
            <numerusform>Przekonwertowano %1 z %n plików, nieudane: %2, pominięte: %3, czas: %4 s</numerusform>
            <numerusform>Przekonwertowano %1 z %n plików, nieudane: %2, pominięte: %3, czas: %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n of them at %1 kbps: their own bit rate could not be read</source>
        <translation>
            <numerusform>%n z nich z przepływnością %1 kbps: nie udało się odczytać przepływności pliku</numerusform>
            <numerusform>%n z nich z przepływnością %1 kbps: nie udało się odczytać przepływności tych plików</numerusform>
            <numerusform>%n z nich z przepływnością %1 kbps: nie udało się odczytać przepływności tych plików</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>about %1 left</source>
        <translation>pozostało ok. %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>time left not known yet</source>
        <translation>pozostały czas jeszcze nieznany</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files, %2 %, %3 elapsed, %4</source>
        <translation>
            <numerusform>%1 z %n pliku, %2%, upłynęło %3, %4</numerusform>
            <numerusform>%1 z %n plików, %2%, upłynęło %3, %4</numerusform>
            <numerusform>%1 z %n plików, %2%, upłynęło %3, %4</numerusform>
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
        <translation>%1 (%2 jest aktualny)</translation>
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
        <translation>Użycie: brindlecast-studio [PLIK...]
        brindlecast-studio --convert [OPCJE] ŚCIEŻKA...

Bez --convert otwiera się okno z podanymi plikami na liście.
Z --convert podane pliki WAV i foldery są konwertowane do AAC bez otwierania
okna, po kilka naraz; foldery są przeszukiwane wraz ze wszystkimi podfolderami.

Opcje --convert:
  --bit-rate same|KBPS   własna przepływność pliku źródłowego (domyślnie) lub
                         jedna z wartości %1
  --output-folder FOLDER zapisuj wszystkie pliki wynikowe w folderze FOLDER
                         (musi istnieć); bez tej opcji każdy plik wynikowy
                         trafia obok swojego pliku źródłowego
  --keep-folders         w folderze FOLDER zachowaj ścieżkę każdego pliku
                         względem podanego folderu
  --skip-existing        pozostaw kompletny plik wynikowy, jeśli jest nowszy
                         niż jego plik źródłowy
  --jobs N               liczba enkoderów naraz (domyślnie: liczba dostępnych
                         procesorów)
  --format aac|m4a       ADTS .aac (domyślnie) lub MP4 .m4a
  --extension ROZSZ      pliki pobierane z folderów (domyślnie wav; * oznacza
                         wszystkie)
  --help, --version
  --                     każdy kolejny argument jest ścieżką

Jeden wiersz na plik: „converted ŹRÓDŁO -&gt; WYNIK” lub „skipped ŹRÓDŁO (WYNIK
jest aktualny)” na standardowym wyjściu, „failed ŹRÓDŁO: PRZYCZYNA” na
standardowym wyjściu błędów. W tych wierszach ukośnik wsteczny zapisywany jest
jako \\, znak nowego wiersza jako \n, tabulator jako \t, powrót karetki jako
\r, a każdy inny znak sterujący jako \xHH (\u{HHHH} powyżej FF): każdy wiersz
to jeden plik.

Kod wyjścia: 0 wszystkie przekonwertowane lub pominięte, 1 niektóre nieudane,
2 błąd wywołania, 3 nie można było przygotować enkodera,
129/130/143 zakończenie sygnałem SIGHUP/SIGINT/SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <location filename="../src/convert/AacEncoderChoice.cpp" line="+30"/>
        <source>The encoder %1 could not be started (%2)</source>
        <translation>Nie można uruchomić enkodera %1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder %1 does not work: asked for its encoders, it ended with exit code %2%3</source>
        <translation>Enkoder %1 nie działa: zapytany o dostępne enkodery, zakończył działanie z kodem wyjścia %2%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> and no message</source>
        <translation> bez żadnego komunikatu</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+87"/>
        <source>No files added.</source>
        <translation>Nie dodano żadnych plików.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The folder&apos;s name is not valid UTF-8. Please select another folder.</source>
        <translation>Nazwa folderu nie jest poprawnym tekstem UTF-8. Wybierz inny folder.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Folder nie istnieje. Wybierz inny folder.</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>no output file name could be made</source>
        <translation>nie udało się utworzyć nazwy pliku wynikowego</translation>
    </message>
    <message>
        <location filename="../src/convert/EncoderPlacement.cpp" line="+35"/>
        <source>The encoder %1 could have been changed by another user, so it was not run</source>
        <translation>Enkoder %1 mógł zostać zmieniony przez innego użytkownika, dlatego nie został uruchomiony</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the encoder could have been changed by another user, so it was not run</source>
        <translation>enkoder mógł zostać zmieniony przez innego użytkownika, dlatego nie został uruchomiony</translation>
    </message>
    <message>
        <location filename="../src/convert/EncodeVerdict.cpp" line="+53"/>
        <source>the encoder could not be started (%1)</source>
        <translation>nie można uruchomić enkodera (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the encoder failed (exit code %1)</source>
        <translation>enkoder zakończył działanie błędem (kod wyjścia %1)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the encoder wrote no output</source>
        <translation>enkoder nie zapisał pliku wynikowego</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the output is incomplete: %1</source>
        <translation>plik wynikowy jest niekompletny: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the output is cut off: it lasts %1 s of %2 s</source>
        <translation>plik wynikowy jest ucięty: trwa %1 s z %2 s</translation>
    </message>
    <message>
        <location filename="../src/convert/FileEncoder.cpp" line="+41"/>
        <source>its name is not valid UTF-8, which cannot be converted</source>
        <translation>nazwa pliku nie jest poprawnym tekstem UTF-8, więc nie można go przekonwertować</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+42"/>
        <source>the input is missing or not a regular file</source>
        <translation>plik źródłowy nie istnieje lub nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>the output file would replace the input file</source>
        <translation>plik wynikowy zastąpiłby plik źródłowy</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a folder is in the way of the output %1</source>
        <translation>w miejscu pliku wynikowego %1 znajduje się folder</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write into %1 (%2)</source>
        <translation>nie można zapisywać w %1 (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no bit rate could be worked out</source>
        <translation>nie udało się ustalić przepływności</translation>
    </message>
    <message>
        <location filename="../src/convert/OutputClaims.cpp" line="+45"/>
        <source>its output %1 is an input of this run</source>
        <translation>jego plik wynikowy %1 jest plikiem źródłowym tej konwersji</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its output %1 is already written from %2</source>
        <translation>jego plik wynikowy %1 jest już zapisywany z %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+23"/>
        <source>The folder %1 could not be opened: no file manager is set up for folders.</source>
        <translation>Nie można otworzyć folderu %1: nie skonfigurowano menedżera plików do otwierania folderów.</translation>
    </message>
    <message>
        <location filename="../src/platform/QtDialogs.cpp" line="+55"/>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
</context>
<context>
    <name>EncoderDeployment</name>
    <message>
        <location filename="../src/platform/EncoderDeployment.cpp" line="+46"/>
        <source>The name of the temporary folder %1 is not valid UTF-8; set TEMP to another folder</source>
        <translation>Nazwa folderu tymczasowego %1 nie jest poprawnym tekstem UTF-8; ustaw TEMP na inny folder</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 does not exist; set TEMP to an existing folder</source>
        <translation>Folder tymczasowy %1 nie istnieje; ustaw TEMP na istniejący folder</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The temporary folder %1 cannot be used</source>
        <translation>Nie można użyć folderu tymczasowego %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is not a folder</source>
        <translation>Folder tymczasowy %1 nie jest folderem</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is owned by another user; the encoder is not put there</source>
        <translation>Właścicielem folderu tymczasowego %1 jest inny użytkownik; enkoder nie zostanie tam umieszczony</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 is open to other users; the encoder is not put there</source>
        <translation>Folder tymczasowy %1 jest dostępny dla innych użytkowników; enkoder nie zostanie tam umieszczony</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Cannot create %1</source>
        <translation>Nie można utworzyć %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Cannot write %1</source>
        <translation>Nie można zapisać %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot create a folder in the temporary folder %1</source>
        <translation>Nie można utworzyć folderu w folderze tymczasowym %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>There is no encoder to put in place</source>
        <translation>Brak enkodera do przygotowania</translation>
    </message>
</context>
<context>
    <name>EncoderStore</name>
    <message>
        <location filename="../src/platform/EncoderStore.cpp" line="+41"/>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Nie znaleziono zasobu o identyfikatorze „%1”</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The ffmpeg encoder %1 is not executable</source>
        <translation>Enkoder ffmpeg %1 nie jest plikiem wykonywalnym</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The ffmpeg encoder is not installed (not found on PATH)</source>
        <translation>Enkoder ffmpeg nie jest zainstalowany (nie znaleziono go w PATH)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The ffmpeg encoder %1 is an empty file</source>
        <translation>Enkoder ffmpeg %1 jest pustym plikiem</translation>
    </message>
</context>
<context>
    <name>ErrorNumbers</name>
    <message>
        <location filename="../src/core/ErrorNumbers.cpp" line="+12"/>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub nieprawidłowy argument</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL</source>
        <translation>Błąd podczas ładowania biblioteki DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Permission denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>Błąd dostępu do ścieżki/pliku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path not found</source>
        <translation>Nie znaleziono ścieżki</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Object variable or With block variable not set</source>
        <translation>Nie ustawiono zmiennej obiektowej lub zmiennej bloku With</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resource not found</source>
        <translation>Nie znaleziono zasobu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t find DLL entry point</source>
        <translation>Nie można znaleźć punktu wejścia DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The FileName buffer is too small to store the selected file name(s).</source>
        <translation>Bufor FileName jest za mały, aby pomieścić nazwy wybranych plików.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Application-defined or object-defined error</source>
        <translation>Błąd zdefiniowany przez aplikację lub obiekt</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <location filename="../src/core/ErrorReport.cpp" line="+10"/>
        <location line="+7"/>
        <source>in %1</source>
        <translation>w %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at line %1</source>
        <translation>w wierszu %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please email screenshot of this message to %1</source>
        <translation>Wyślij zrzut ekranu tego komunikatu e-mailem na adres %1</translation>
    </message>
    <message>
        <location filename="../src/core/ErrorReport.h" line="+11"/>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <location filename="../src/filelist/AddAllInFolder.cpp" line="+35"/>
        <source>Enter file extension to load:</source>
        <translation>Podaj rozszerzenie plików do wczytania:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* – wszystkie pliki, txt – wszystkie pliki txt, doc – wszystkie pliki doc itd.)</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.cpp" line="+23"/>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Wybrano zbyt wiele plików do dodania.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Spróbuj dodać je przyciskiem „Dodaj wszystkie z folderu”.</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.h" line="+15"/>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Dodaj pliki – przytrzymaj Ctrl, aby zaznaczyć wiele plików</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV Files (*.wav)</source>
        <translation>Pliki WAV (*.wav)</translation>
    </message>
    <message>
        <location filename="../src/filelist/BrowseForFolder.h" line="+12"/>
        <source>Please select folder:</source>
        <translation>Wybierz folder:</translation>
    </message>
    <message>
        <location filename="../src/filelist/LeftOutNotice.cpp" line="+11"/>
        <source>1 file or folder was not added: its name is not valid UTF-8 or holds a NUL character, so no row can name it.</source>
        <translation>Nie dodano 1 pliku lub folderu: jego nazwa nie jest poprawnym tekstem UTF-8 lub zawiera znak NUL, więc nie można jej wyświetlić w żadnym wierszu.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n files or folders were not added: their names are not valid UTF-8 or hold a NUL character, so no row can name them.</source>
        <translation>
            <numerusform>Nie dodano %n pliku lub folderu: jego nazwa nie jest poprawnym tekstem UTF-8 lub zawiera znak NUL, więc nie można jej wyświetlić w żadnym wierszu.</numerusform>
            <numerusform>Nie dodano %n plików lub folderów: ich nazwy nie są poprawnym tekstem UTF-8 lub zawierają znak NUL, więc nie można ich wyświetlić w żadnym wierszu.</numerusform>
            <numerusform>Nie dodano %n plików lub folderów: ich nazwy nie są poprawnym tekstem UTF-8 lub zawierają znak NUL, więc nie można ich wyświetlić w żadnym wierszu.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <location filename="../src/platform/FileOperations.cpp" line="+57"/>
        <source>Path is a folder, not a file</source>
        <translation>Ścieżka wskazuje folder, a nie plik</translation>
    </message>
</context>
<context>
    <name>MediaInfoLibrary</name>
    <message>
        <location filename="../src/platform/MediaInfoLibrary.cpp" line="+20"/>
        <source>Can&apos;t find DLL entry point %1 in MediaInfo</source>
        <translation>Nie można znaleźć punktu wejścia DLL %1 w MediaInfo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>File not found: %1 (%2)</source>
        <translation>Nie znaleziono pliku: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MediaInfoProbe</name>
    <message>
        <location filename="../src/platform/MediaInfoProbe.cpp" line="+82"/>
        <source>MediaInfo could not create a handle</source>
        <translation>Biblioteka MediaInfo nie mogła utworzyć uchwytu</translation>
    </message>
</context>
<context>
    <name>PartialOutput</name>
    <message>
        <location filename="../src/platform/PartialOutput.cpp" line="+66"/>
        <source>Cannot put the output in place: its partial file is not the one written</source>
        <translation>Nie można umieścić pliku wynikowego w miejscu docelowym: jego plik częściowy nie jest tym, który został zapisany</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot put the output in place</source>
        <translation>Nie można umieścić pliku wynikowego w miejscu docelowym</translation>
    </message>
    <message>
        <location line="+115"/>
        <location line="+41"/>
        <source>Cannot write in %1</source>
        <translation>Nie można zapisywać w %1</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Cannot make the folder %1</source>
        <translation>Nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a link, which is not followed below the output folder</source>
        <translation>%1 jest dowiązaniem, a w folderze docelowym dowiązania nie są obsługiwane</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest folderem</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot find an unused name in %1</source>
        <translation>Nie można znaleźć wolnej nazwy w %1</translation>
    </message>
</context>
<context>
    <name>PosixEncoderFolders</name>
    <message>
        <location filename="../src/platform/PosixEncoderFolders.cpp" line="+74"/>
        <source>The temporary folder %1 does not allow running programs; set TEMP to another folder</source>
        <translation>Folder tymczasowy %1 nie pozwala na uruchamianie programów; ustaw TEMP na inny folder</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../src/platform/PosixFileSystem.cpp" line="+313"/>
        <source>permission denied</source>
        <translation>odmowa dostępu</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="+206"/>
        <location filename="../src/convert/ConversionRun.cpp" line="-133"/>
        <location filename="../src/convert/WaitAnimation.cpp" line="+31"/>
        <source>Progress Bar</source>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+109"/>
        <source>Processing: %1</source>
        <translation>Przetwarzanie: %1</translation>
    </message>
    <message>
        <location filename="../src/core/ProgressAnimation.cpp" line="+32"/>
        <source>Please wait.. %1</source>
        <translation>Proszę czekać.. %1</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message numerus="yes">
        <location filename="../src/core/RunProgressTexts.cpp" line="+14"/>
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 z %n pliku</numerusform>
            <numerusform>%1 z %n plików</numerusform>
            <numerusform>%1 z %n plików</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, about %2 left</source>
        <translation>%1, pozostało ok. %2</translation>
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
            <numerusform>Przekonwertowano %1 z %n pliku</numerusform>
            <numerusform>Przekonwertowano %1 z %n plików</numerusform>
            <numerusform>Przekonwertowano %1 z %n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> (%n failed)</source>
        <translation>
            <numerusform> (nieudane: %n)</numerusform>
            <numerusform> (nieudane: %n)</numerusform>
            <numerusform> (nieudane: %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <location filename="../src/core/RunReport.cpp" line="+23"/>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped.</source>
        <translation>Przerwano.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of 1 file was converted.</source>
        <translation>Przekonwertowano %1 z 1 pliku.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files were converted.</source>
        <translation>
            <numerusform>Przekonwertowano %1 z %n pliku.</numerusform>
            <numerusform>Przekonwertowano %1 z %n plików.</numerusform>
            <numerusform>Przekonwertowano %1 z %n plików.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file was not converted, because the encoder could not be put in place:</source>
        <translation>Plik nie został przekonwertowany, ponieważ nie można było przygotować enkodera:</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>None of the %n files was converted, because the encoder could not be put in place:</source>
        <translation>
            <numerusform>Nie przekonwertowano %n pliku, ponieważ nie można było przygotować enkodera:</numerusform>
            <numerusform>Nie przekonwertowano żadnego z %n plików, ponieważ nie można było przygotować enkodera:</numerusform>
            <numerusform>Nie przekonwertowano żadnego z %n plików, ponieważ nie można było przygotować enkodera:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1 file was converted at the list&apos;s rate of %1, because its own bit rate could not be read.</source>
        <translation>1 plik przekonwertowano z przepływnością %1 wybraną na liście, ponieważ nie udało się odczytać jego własnej przepływności.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n files were converted at the list&apos;s rate of %1, because their own bit rate could not be read.</source>
        <translation>
            <numerusform>%n plik przekonwertowano z przepływnością %1 wybraną na liście, ponieważ nie udało się odczytać jego własnej przepływności.</numerusform>
            <numerusform>%n pliki przekonwertowano z przepływnością %1 wybraną na liście, ponieważ nie udało się odczytać ich własnej przepływności.</numerusform>
            <numerusform>%n plików przekonwertowano z przepływnością %1 wybraną na liście, ponieważ nie udało się odczytać ich własnej przepływności.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 of 1 file failed:</source>
        <translation>Nie udało się przekonwertować %1 z 1 pliku:</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files failed:</source>
        <translation>
            <numerusform>Nie udało się przekonwertować %1 z %n pliku:</numerusform>
            <numerusform>Nie udało się przekonwertować %1 z %n plików:</numerusform>
            <numerusform>Nie udało się przekonwertować %1 z %n plików:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... i jeszcze %n plik</numerusform>
            <numerusform>... i jeszcze %n pliki</numerusform>
            <numerusform>... i jeszcze %n plików</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <location filename="../src/samples/SampleFiles.h" line="+13"/>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Czy otworzyć folder, w którym zapisane są pliki przykładowe, aby można było je obejrzeć przed rozpoczęciem pracy?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/core/Settings.cpp" line="+64"/>
        <source>The settings file %1 is not a regular file, so it is neither read nor written; the choices are kept until the program ends</source>
        <translation>Plik ustawień %1 nie jest zwykłym plikiem, więc nie jest ani odczytywany, ani zapisywany; ustawienia zostaną zachowane do zamknięcia programu</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>The settings file %1 could not be read, so the choices stored in it were lost; it now holds the current ones</source>
        <translation>Nie można odczytać pliku ustawień %1, więc zapisane w nim ustawienia zostały utracone; teraz zawiera on bieżące ustawienia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Could not write the setting &quot;%1&quot; to %2; it is kept until the program ends</source>
        <translation>Nie można zapisać ustawienia „%1” w %2; zostanie ono zachowane do zamknięcia programu</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../src/app/SkinFramework.cpp" line="+32"/>
        <source>Could not load the skin file: %1</source>
        <translation>Nie można wczytać pliku skórki: %1</translation>
    </message>
</context>
<context>
    <name>StaleEncoderFolders</name>
    <message>
        <location filename="../src/platform/StaleEncoderFolders.cpp" line="+159"/>
        <source>Cannot lock the encoder folder %1: %2</source>
        <translation>Nie można zablokować folderu enkodera %1: %2</translation>
    </message>
</context>
<context>
    <name>brindlecast::Form1</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="-146"/>
        <source>Add WAV File(s)</source>
        <translation>Dodaj pliki WAV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add All WAV File(s) In Folder</source>
        <translation>Dodaj wszystkie z folderu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear List</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Sample/Example Files</source>
        <translation>Wczytaj pliki przykładowe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Rate Of Output File</source>
        <translation>Przepływność pliku wynikowego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use same bit rate as input file (most efficient)</source>
        <translation>Przepływność pliku źródłowego (najwydajniej)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use this constant bit rate for all files:</source>
        <translation>Stała przepływność dla wszystkich:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Option</source>
        <translation>Miejsce zapisu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save results to this folder:</source>
        <translation>Zapisz wyniki w tym folderze:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save results in folder of original file</source>
        <translation>Zapisz w folderze pliku źródłowego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders</source>
        <translation>Zachowaj podfoldery</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Start Converting</source>
        <translation>Rozpocznij konwersję</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop Converting</source>
        <translation>Przerwij konwersję</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Przeciągnij i upuść pliki tutaj. Kliknij dwukrotnie element, aby go usunąć. Przesuń linię | w prawo, poza okno, aby zobaczyć pełne nazwy.</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Stop converting?</source>
        <translation>Przerwać konwersję?</translation>
    </message>
    <message>
        <location filename="../src/app/FormLoad.cpp" line="+43"/>
        <source> WAV File(s)</source>
        <translation> Pliki WAV</translation>
    </message>
</context>
</TS>
