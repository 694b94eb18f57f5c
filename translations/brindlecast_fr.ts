<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../src/app/AccessibleNames.cpp" line="+19"/>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder for results</source>
        <translation>Dossier des fichiers convertis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse for output folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders of added folders below the output folder</source>
        <translation>Reproduire les sous-dossiers des dossiers ajoutés dans le dossier de destination</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../src/batch/BatchCommand.cpp" line="+50"/>
        <source>%1: %2 (see --help)</source>
        <translation>%1&#xa0;: %2 (voir --help)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the output folder %1 is not a folder</source>
        <translation>le dossier de destination %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output folder %1 does not exist</source>
        <translation>le dossier de destination %1 n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1: the encoder cannot be put in place: %2</source>
        <translation>%1&#xa0;: impossible de mettre en place l&apos;encodeur&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 file or folder was left out: its name is not valid UTF-8</source>
        <translation>1 fichier ou dossier a été écarté&#xa0;: son nom n&apos;est pas en UTF-8 valide</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n files or folders were left out: their names are not valid UTF-8</source>
        <translation>
            <numerusform>%n fichier ou dossier a été écarté&#xa0;: son nom n&apos;est pas en UTF-8 valide</numerusform>
            <numerusform>%n fichiers ou dossiers ont été écartés&#xa0;: leurs noms ne sont pas en UTF-8 valide</numerusform>
        </translation>
    </message>
    <message>
        <location line="+100"/>
        <source>%1: write error: %2</source>
        <translation>%1&#xa0;: erreur d&apos;écriture&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <location filename="../src/batch/BatchOptions.cpp" line="+37"/>
        <source>--bit-rate must be &quot;same&quot; or one of %1, not &quot;%2&quot;</source>
        <translation>--bit-rate doit valoir «&#xa0;same&#xa0;» ou l&apos;une des valeurs %1, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--output-folder needs a folder</source>
        <translation>--output-folder nécessite un dossier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--jobs must be a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--jobs doit être un nombre de 1 à %1, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--format must be aac or m4a, not &quot;%1&quot;</source>
        <translation>--format doit valoir aac ou m4a, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--extension needs an extension such as wav, or *</source>
        <translation>--extension nécessite une extension, par exemple wav, ou *</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 takes no value</source>
        <translation>%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a value</source>
        <translation>%1 nécessite une valeur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>la valeur de %1 n&apos;est pas en UTF-8 valide</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no file or folder to convert</source>
        <translation>aucun fichier ou dossier à convertir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--keep-folders needs --output-folder</source>
        <translation>--keep-folders nécessite --output-folder</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message numerus="yes">
        <location filename="../src/batch/BatchReport.cpp" line="+15"/>
        <source>%1 of %n files converted, %2 failed, %3 skipped in %4 s</source>
        <translation>
            <numerusform>Fichier converti&#xa0;: %1 sur %n, en échec&#xa0;: %2, ignoré&#xa0;: %3, en %4 s</numerusform>
            <numerusform>Fichiers convertis&#xa0;: %1 sur %n, en échec&#xa0;: %2, ignorés&#xa0;: %3, en %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n of them at %1 kbps: their own bit rate could not be read</source>
        <translation>
            <numerusform>%n d&apos;entre eux à %1 kbps&#xa0;: son propre débit n&apos;a pas pu être lu</numerusform>
            <numerusform>%n d&apos;entre eux à %1 kbps&#xa0;: leur propre débit n&apos;a pas pu être lu</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>about %1 left</source>
        <translation>reste environ %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>time left not known yet</source>
        <translation>temps restant encore inconnu</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files, %2 %, %3 elapsed, %4</source>
        <translation>
            <numerusform>%1 sur %n fichier, %2&#xa0;%, temps écoulé %3, %4</numerusform>
            <numerusform>%1 sur %n fichiers, %2&#xa0;%, temps écoulé %3, %4</numerusform>
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
        <translation>%1 (%2 est à jour)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>Utilisation&#xa0;: brindlecast-studio [FICHIER...]
              brindlecast-studio --convert [OPTIONS] CHEMIN...

Sans --convert, la fenêtre s&apos;ouvre avec les fichiers indiqués dans sa liste.
Avec --convert, les fichiers WAV et les dossiers indiqués sont convertis en AAC
sans fenêtre, plusieurs à la fois&#xa0;; les dossiers sont parcourus avec tous leurs
sous-dossiers.

Options de --convert&#xa0;:
  --bit-rate same|KBPS   le débit propre au fichier source (par défaut), ou l&apos;un
                         des débits %1
  --output-folder DIR    écrit chaque fichier de sortie dans DIR (qui doit
                         exister)&#xa0;; sans cette option, chaque fichier de sortie
                         est placé à côté de son fichier source
  --keep-folders         dans DIR, conserve le chemin de chaque fichier relatif
                         au dossier indiqué
  --skip-existing        ne touche pas à un fichier de sortie complet plus
                         récent que son fichier source
  --jobs N               nombre d&apos;encodeurs simultanés (par défaut&#xa0;: le nombre
                         de processeurs utilisables)
  --format aac|m4a       .aac ADTS (par défaut) ou .m4a MP4
  --extension EXT        fichiers pris dans les dossiers (par défaut wav&#xa0;; *
                         pour tous)
  --help, --version
  --                     tous les arguments qui suivent sont des chemins

Une ligne par fichier&#xa0;: «&#xa0;converted SOURCE -&gt; SORTIE&#xa0;» ou «&#xa0;skipped SOURCE
(SORTIE est à jour)&#xa0;» sur la sortie standard, «&#xa0;failed SOURCE&#xa0;: RAISON&#xa0;» sur la
sortie d&apos;erreur. Dans ces lignes, une barre oblique inverse s&apos;écrit \\, un saut
de ligne \n, une tabulation \t, un retour chariot \r et tout autre caractère
de contrôle \xHH (\u{HHHH} au-delà de FF)&#xa0;: chaque ligne désigne un fichier.

Code de sortie&#xa0;: 0 tout a été converti ou ignoré, 1 certains fichiers ont
échoué, 2 erreur d&apos;utilisation, 3 l&apos;encodeur n&apos;a pas pu être mis en place,
129/130/143 arrêt par SIGHUP/SIGINT/SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <location filename="../src/convert/AacEncoderChoice.cpp" line="+30"/>
        <source>The encoder %1 could not be started (%2)</source>
        <translation>Impossible de lancer l&apos;encodeur %1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder %1 does not work: asked for its encoders, it ended with exit code %2%3</source>
        <translation>L&apos;encodeur %1 ne fonctionne pas&#xa0;: interrogé sur ses encodeurs, il s&apos;est terminé avec le code de sortie %2%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> and no message</source>
        <translation> et sans message</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+87"/>
        <source>No files added.</source>
        <translation>Aucun fichier ajouté.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The folder&apos;s name is not valid UTF-8. Please select another folder.</source>
        <translation>Le nom du dossier n&apos;est pas en UTF-8 valide. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Le dossier n&apos;existe pas. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>no output file name could be made</source>
        <translation>impossible de former le nom du fichier de sortie</translation>
    </message>
    <message>
        <location filename="../src/convert/EncoderPlacement.cpp" line="+35"/>
        <source>The encoder %1 could have been changed by another user, so it was not run</source>
        <translation>L&apos;encodeur %1 a pu être modifié par un autre utilisateur&#xa0;; il n&apos;a donc pas été lancé</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the encoder could have been changed by another user, so it was not run</source>
        <translation>l&apos;encodeur a pu être modifié par un autre utilisateur&#xa0;; il n&apos;a donc pas été lancé</translation>
    </message>
    <message>
        <location filename="../src/convert/EncodeVerdict.cpp" line="+53"/>
        <source>the encoder could not be started (%1)</source>
        <translation>impossible de lancer l&apos;encodeur (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the encoder failed (exit code %1)</source>
        <translation>l&apos;encodeur a échoué (code de sortie %1)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the encoder wrote no output</source>
        <translation>l&apos;encodeur n&apos;a écrit aucun fichier de sortie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the output is incomplete: %1</source>
        <translation>le fichier de sortie est incomplet&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the output is cut off: it lasts %1 s of %2 s</source>
        <translation>le fichier de sortie est tronqué&#xa0;: il dure %1 s sur %2 s</translation>
    </message>
    <message>
        <location filename="../src/convert/FileEncoder.cpp" line="+41"/>
        <source>its name is not valid UTF-8, which cannot be converted</source>
        <translation>son nom n&apos;est pas en UTF-8 valide&#xa0;; il ne peut donc pas être converti</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+42"/>
        <source>the input is missing or not a regular file</source>
        <translation>le fichier source est introuvable ou n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>the output file would replace the input file</source>
        <translation>le fichier de sortie remplacerait le fichier source</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a folder is in the way of the output %1</source>
        <translation>un dossier porte déjà le nom du fichier de sortie %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write into %1 (%2)</source>
        <translation>impossible d&apos;écrire dans %1 (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no bit rate could be worked out</source>
        <translation>impossible de déterminer le débit</translation>
    </message>
    <message>
        <location filename="../src/convert/OutputClaims.cpp" line="+45"/>
        <source>its output %1 is an input of this run</source>
        <translation>son fichier de sortie %1 est aussi un fichier source de cette conversion</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its output %1 is already written from %2</source>
        <translation>son fichier de sortie %1 est déjà produit à partir de %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+23"/>
        <source>The folder %1 could not be opened: no file manager is set up for folders.</source>
        <translation>Impossible d&apos;ouvrir le dossier %1&#xa0;: aucun gestionnaire de fichiers n&apos;est configuré pour les dossiers.</translation>
    </message>
    <message>
        <location filename="../src/platform/QtDialogs.cpp" line="+55"/>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>EncoderDeployment</name>
    <message>
        <location filename="../src/platform/EncoderDeployment.cpp" line="+46"/>
        <source>The name of the temporary folder %1 is not valid UTF-8; set TEMP to another folder</source>
        <translation>Le nom du dossier temporaire %1 n&apos;est pas en UTF-8 valide&#xa0;; définissez TEMP sur un autre dossier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 does not exist; set TEMP to an existing folder</source>
        <translation>Le dossier temporaire %1 n&apos;existe pas&#xa0;; définissez TEMP sur un dossier existant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The temporary folder %1 cannot be used</source>
        <translation>Le dossier temporaire %1 est inutilisable</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is not a folder</source>
        <translation>Le dossier temporaire %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is owned by another user; the encoder is not put there</source>
        <translation>Le dossier temporaire %1 appartient à un autre utilisateur&#xa0;; l&apos;encodeur n&apos;y est pas placé</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 is open to other users; the encoder is not put there</source>
        <translation>Le dossier temporaire %1 est accessible à d&apos;autres utilisateurs&#xa0;; l&apos;encodeur n&apos;y est pas placé</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Cannot create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot create a folder in the temporary folder %1</source>
        <translation>Impossible de créer un dossier dans le dossier temporaire %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>There is no encoder to put in place</source>
        <translation>Aucun encodeur à mettre en place</translation>
    </message>
</context>
<context>
    <name>EncoderStore</name>
    <message>
        <location filename="../src/platform/EncoderStore.cpp" line="+41"/>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ressource d&apos;identifiant «&#xa0;%1&#xa0;» introuvable</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The ffmpeg encoder %1 is not executable</source>
        <translation>L&apos;encodeur ffmpeg %1 n&apos;est pas exécutable</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The ffmpeg encoder is not installed (not found on PATH)</source>
        <translation>L&apos;encodeur ffmpeg n&apos;est pas installé (introuvable dans PATH)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The ffmpeg encoder %1 is an empty file</source>
        <translation>L&apos;encodeur ffmpeg %1 est un fichier vide</translation>
    </message>
</context>
<context>
    <name>ErrorNumbers</name>
    <message>
        <location filename="../src/core/ErrorNumbers.cpp" line="+12"/>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type mismatch</source>
        <translation>Types incompatibles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL</source>
        <translation>Erreur lors du chargement de la DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Permission denied</source>
        <translation>Autorisation refusée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resource not found</source>
        <translation>Ressource introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t find DLL entry point</source>
        <translation>Point d&apos;entrée introuvable dans la DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The FileName buffer is too small to store the selected file name(s).</source>
        <translation>La mémoire tampon FileName est trop petite pour contenir les noms des fichiers sélectionnés.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <location filename="../src/core/ErrorReport.cpp" line="+10"/>
        <location line="+7"/>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à %1</translation>
    </message>
    <message>
        <location filename="../src/core/ErrorReport.h" line="+11"/>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <location filename="../src/filelist/AddAllInFolder.cpp" line="+35"/>
        <source>Enter file extension to load:</source>
        <translation>Saisissez l&apos;extension des fichiers à charger&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* pour tous les fichiers, txt pour tous les fichiers txt, doc pour tous les fichiers doc, etc.)</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.cpp" line="+23"/>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Vous avez sélectionné trop de fichiers à ajouter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Essayez plutôt avec le bouton «&#xa0;Ajouter un dossier&#xa0;».</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.h" line="+15"/>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Ajouter des fichiers - Maintenez la touche Ctrl enfoncée pour en sélectionner plusieurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV Files (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <location filename="../src/filelist/BrowseForFolder.h" line="+12"/>
        <source>Please select folder:</source>
        <translation>Veuillez choisir un dossier&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/filelist/LeftOutNotice.cpp" line="+11"/>
        <source>1 file or folder was not added: its name is not valid UTF-8 or holds a NUL character, so no row can name it.</source>
        <translation>1 fichier ou dossier n&apos;a pas été ajouté&#xa0;: son nom n&apos;est pas en UTF-8 valide ou contient un caractère NUL, aucune ligne de la liste ne peut donc l&apos;afficher.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n files or folders were not added: their names are not valid UTF-8 or hold a NUL character, so no row can name them.</source>
        <translation>
            <numerusform>%n fichier ou dossier n&apos;a pas été ajouté&#xa0;: son nom n&apos;est pas en UTF-8 valide ou contient un caractère NUL, aucune ligne de la liste ne peut donc l&apos;afficher.</numerusform>
            <numerusform>%n fichiers ou dossiers n&apos;ont pas été ajoutés&#xa0;: leurs noms ne sont pas en UTF-8 valide ou contiennent un caractère NUL, aucune ligne de la liste ne peut donc les afficher.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <location filename="../src/platform/FileOperations.cpp" line="+57"/>
        <source>Path is a folder, not a file</source>
        <translation>Le chemin désigne un dossier, pas un fichier</translation>
    </message>
</context>
<context>
    <name>MediaInfoLibrary</name>
    <message>
        <location filename="../src/platform/MediaInfoLibrary.cpp" line="+20"/>
        <source>Can&apos;t find DLL entry point %1 in MediaInfo</source>
        <translation>Point d&apos;entrée %1 introuvable dans la DLL MediaInfo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>File not found: %1 (%2)</source>
        <translation>Fichier introuvable&#xa0;: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MediaInfoProbe</name>
    <message>
        <location filename="../src/platform/MediaInfoProbe.cpp" line="+82"/>
        <source>MediaInfo could not create a handle</source>
        <translation>MediaInfo n&apos;a pas pu créer de descripteur</translation>
    </message>
</context>
<context>
    <name>PartialOutput</name>
    <message>
        <location filename="../src/platform/PartialOutput.cpp" line="+66"/>
        <source>Cannot put the output in place: its partial file is not the one written</source>
        <translation>Impossible de mettre en place le fichier de sortie&#xa0;: son fichier partiel n&apos;est pas celui qui a été écrit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot put the output in place</source>
        <translation>Impossible de mettre en place le fichier de sortie</translation>
    </message>
    <message>
        <location line="+115"/>
        <location line="+41"/>
        <source>Cannot write in %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Cannot make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a link, which is not followed below the output folder</source>
        <translation>%1 est un lien, qui n&apos;est pas suivi dans le dossier de destination</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot find an unused name in %1</source>
        <translation>Impossible de trouver un nom libre dans %1</translation>
    </message>
</context>
<context>
    <name>PosixEncoderFolders</name>
    <message>
        <location filename="../src/platform/PosixEncoderFolders.cpp" line="+74"/>
        <source>The temporary folder %1 does not allow running programs; set TEMP to another folder</source>
        <translation>Le dossier temporaire %1 ne permet pas d&apos;exécuter des programmes&#xa0;; définissez TEMP sur un autre dossier</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../src/platform/PosixFileSystem.cpp" line="+313"/>
        <source>permission denied</source>
        <translation>autorisation refusée</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="+206"/>
        <location filename="../src/convert/ConversionRun.cpp" line="-133"/>
        <location filename="../src/convert/WaitAnimation.cpp" line="+31"/>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+109"/>
        <source>Processing: %1</source>
        <translation>Traitement&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/core/ProgressAnimation.cpp" line="+32"/>
        <source>Please wait.. %1</source>
        <translation>Veuillez patienter... %1</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message numerus="yes">
        <location filename="../src/core/RunProgressTexts.cpp" line="+14"/>
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 sur %n fichier</numerusform>
            <numerusform>%1 sur %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, about %2 left</source>
        <translation>%1, reste environ %2</translation>
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
            <numerusform>Fichier converti&#xa0;: %1 sur %n</numerusform>
            <numerusform>Fichiers convertis&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> (%n failed)</source>
        <translation>
            <numerusform> (%n en échec)</numerusform>
            <numerusform> (%n en échec)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <location filename="../src/core/RunReport.cpp" line="+23"/>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of 1 file was converted.</source>
        <translation>Fichier converti&#xa0;: %1 sur 1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files were converted.</source>
        <translation>
            <numerusform>Fichier converti&#xa0;: %1 sur %n.</numerusform>
            <numerusform>Fichiers convertis&#xa0;: %1 sur %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file was not converted, because the encoder could not be put in place:</source>
        <translation>Le fichier n&apos;a pas été converti, car l&apos;encodeur n&apos;a pas pu être mis en place&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>None of the %n files was converted, because the encoder could not be put in place:</source>
        <translation>
            <numerusform>Aucun fichier sur %n n&apos;a été converti, car l&apos;encodeur n&apos;a pas pu être mis en place&#xa0;:</numerusform>
            <numerusform>Aucun des %n fichiers n&apos;a été converti, car l&apos;encodeur n&apos;a pas pu être mis en place&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1 file was converted at the list&apos;s rate of %1, because its own bit rate could not be read.</source>
        <translation>1 fichier a été converti au débit choisi dans la liste (%1), car son propre débit n&apos;a pas pu être lu.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n files were converted at the list&apos;s rate of %1, because their own bit rate could not be read.</source>
        <translation>
            <numerusform>%n fichier a été converti au débit choisi dans la liste (%1), car son propre débit n&apos;a pas pu être lu.</numerusform>
            <numerusform>%n fichiers ont été convertis au débit choisi dans la liste (%1), car leur propre débit n&apos;a pas pu être lu.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 of 1 file failed:</source>
        <translation>Échec de la conversion pour %1 fichier sur 1&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files failed:</source>
        <translation>
            <numerusform>Échec de la conversion pour %1 fichier sur %n&#xa0;:</numerusform>
            <numerusform>Échec de la conversion pour %1 des %n fichiers&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <location filename="../src/samples/SampleFiles.h" line="+13"/>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Voulez-vous ouvrir le dossier où sont enregistrés ces fichiers d&apos;exemple (pour les consulter avant de les utiliser)&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/core/Settings.cpp" line="+64"/>
        <source>The settings file %1 is not a regular file, so it is neither read nor written; the choices are kept until the program ends</source>
        <translation>Le fichier de paramètres %1 n&apos;est pas un fichier ordinaire&#xa0;: il n&apos;est donc ni lu ni écrit&#xa0;; vos choix sont conservés jusqu&apos;à la fermeture du programme</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>The settings file %1 could not be read, so the choices stored in it were lost; it now holds the current ones</source>
        <translation>Impossible de lire le fichier de paramètres %1&#xa0;: les choix qu&apos;il contenait sont perdus&#xa0;; il contient désormais les choix actuels</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Could not write the setting &quot;%1&quot; to %2; it is kept until the program ends</source>
        <translation>Impossible d&apos;enregistrer le paramètre «&#xa0;%1&#xa0;» dans %2&#xa0;; il est conservé jusqu&apos;à la fermeture du programme</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../src/app/SkinFramework.cpp" line="+32"/>
        <source>Could not load the skin file: %1</source>
        <translation>Impossible de charger le fichier de thème&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StaleEncoderFolders</name>
    <message>
        <location filename="../src/platform/StaleEncoderFolders.cpp" line="+159"/>
        <source>Cannot lock the encoder folder %1: %2</source>
        <translation>Impossible de verrouiller le dossier de l&apos;encodeur %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>brindlecast::Form1</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="-146"/>
        <source>Add WAV File(s)</source>
        <translation>Ajouter des fichiers WAV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add All WAV File(s) In Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Sample/Example Files</source>
        <translation>Charger les exemples</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Rate Of Output File</source>
        <translation>Débit du fichier de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use same bit rate as input file (most efficient)</source>
        <translation>Même débit que le fichier source (optimal)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use this constant bit rate for all files:</source>
        <translation>Utiliser ce débit constant&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Option</source>
        <translation>Options d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save results to this folder:</source>
        <translation>Enregistrer dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save results in folder of original file</source>
        <translation>Enregistrer dans le dossier source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders</source>
        <translation>Conserver les sous-dossiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Start Converting</source>
        <translation>Lancer la conversion</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop Converting</source>
        <translation>Arrêter la conversion</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Glissez-déposez des fichiers ici. Double-cliquez sur un élément pour le retirer. Déplacez la ligne | vers la droite, hors de la fenêtre, pour afficher les noms complets.</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Stop converting?</source>
        <translation>Arrêter la conversion&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/app/FormLoad.cpp" line="+43"/>
        <source> WAV File(s)</source>
        <translation> Fichiers WAV</translation>
    </message>
</context>
</TS>
