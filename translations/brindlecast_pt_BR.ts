<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../src/app/AccessibleNames.cpp" line="+19"/>
        <source>Files to convert</source>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder for results</source>
        <translation>Pasta para os resultados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse for output folder</source>
        <translation>Escolher a pasta de destino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders of added folders below the output folder</source>
        <translation>Manter as subpastas das pastas adicionadas dentro da pasta de destino</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion progress</source>
        <translation>Progresso da conversão</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../src/batch/BatchCommand.cpp" line="+50"/>
        <source>%1: %2 (see --help)</source>
        <translation>%1: %2 (consulte --help)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the output folder %1 is not a folder</source>
        <translation>a pasta de destino %1 não é uma pasta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output folder %1 does not exist</source>
        <translation>a pasta de destino %1 não existe</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1: the encoder cannot be put in place: %2</source>
        <translation>%1: não é possível preparar o codificador: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 file or folder was left out: its name is not valid UTF-8</source>
        <translation>1 arquivo ou pasta foi deixado de fora: o nome não é UTF-8 válido</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n files or folders were left out: their names are not valid UTF-8</source>
        <translation>
            <numerusform>%n arquivo ou pasta foi deixado de fora: o nome não é UTF-8 válido</numerusform>
            <numerusform>%n arquivos ou pastas foram deixados de fora: os nomes não são UTF-8 válido</numerusform>
        </translation>
    </message>
    <message>
        <location line="+100"/>
        <source>%1: write error: %2</source>
        <translation>%1: erro de gravação: %2</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <location filename="../src/batch/BatchOptions.cpp" line="+37"/>
        <source>--bit-rate must be &quot;same&quot; or one of %1, not &quot;%2&quot;</source>
        <translation>--bit-rate deve ser &quot;same&quot; ou um destes valores: %1; não &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--output-folder needs a folder</source>
        <translation>--output-folder precisa de uma pasta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--jobs must be a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--jobs deve ser um número de 1 a %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--format must be aac or m4a, not &quot;%1&quot;</source>
        <translation>--format deve ser aac ou m4a, não &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--extension needs an extension such as wav, or *</source>
        <translation>--extension precisa de uma extensão, como wav, ou *</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>o valor de %1 não é UTF-8 válido</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no file or folder to convert</source>
        <translation>nenhum arquivo ou pasta para converter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--keep-folders needs --output-folder</source>
        <translation>--keep-folders precisa de --output-folder</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message numerus="yes">
        <location filename="../src/batch/BatchReport.cpp" line="+15"/>
        <source>%1 of %n files converted, %2 failed, %3 skipped in %4 s</source>
        <translation>
            <numerusform>convertidos: %1 de %n arquivo; com falha: %2; ignorados: %3; em %4 s</numerusform>
            <numerusform>convertidos: %1 de %n arquivos; com falha: %2; ignorados: %3; em %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n of them at %1 kbps: their own bit rate could not be read</source>
        <translation>
            <numerusform>%n deles a %1 kbps: não foi possível ler a taxa de bits própria</numerusform>
            <numerusform>%n deles a %1 kbps: não foi possível ler a taxa de bits própria</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>about %1 left</source>
        <translation>faltam cerca de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>time left not known yet</source>
        <translation>tempo restante ainda desconhecido</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files, %2 %, %3 elapsed, %4</source>
        <translation>
            <numerusform>%1 de %n arquivo, %2 %, decorrido: %3, %4</numerusform>
            <numerusform>%1 de %n arquivos, %2 %, decorrido: %3, %4</numerusform>
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
        <translation>%1 (%2 está atualizado)</translation>
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
        <translation>Uso: brindlecast-studio [ARQUIVO...]
     brindlecast-studio --convert [OPÇÕES] CAMINHO...

Sem --convert, a janela é aberta com os arquivos indicados na lista.
Com --convert, os arquivos WAV e as pastas indicados são convertidos para AAC
sem abrir a janela, vários ao mesmo tempo; as pastas são pesquisadas com todas
as suas subpastas.

Opções de --convert:
  --bit-rate same|KBPS   a taxa de bits da entrada (o padrão) ou uma destas:
                         %1
  --output-folder DIR    salva todas as saídas em DIR (a pasta deve existir);
                         sem esta opção, cada saída fica ao lado da entrada
  --keep-folders         dentro de DIR, mantém o caminho de cada arquivo
                         relativo à pasta indicada
  --skip-existing        não mexe em uma saída completa mais recente que a
                         entrada
  --jobs N               codificadores ao mesmo tempo (padrão: os processadores
                         disponíveis)
  --format aac|m4a       ADTS .aac (o padrão) ou MP4 .m4a
  --extension EXT        arquivos obtidos das pastas (padrão: wav; * para todos)
  --help, --version
  --                     todos os argumentos seguintes são caminhos

Uma linha por arquivo: &quot;converted ORIGEM -&gt; DESTINO&quot; ou
&quot;skipped ORIGEM (DESTINO está atualizado)&quot; na saída padrão e
&quot;failed ORIGEM: MOTIVO&quot; na saída de erro padrão. Nessas linhas, uma barra
invertida é escrita como \\, uma quebra de linha como \n, uma tabulação como
\t, um retorno de carro como \r e qualquer outro caractere de controle como
\xHH (\u{HHHH} acima de FF): cada linha corresponde a um arquivo.

Código de saída: 0 todos convertidos ou ignorados, 1 algum falhou,
2 erro de uso, 3 não foi possível preparar o codificador,
129/130/143 encerrado por SIGHUP/SIGINT/SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <location filename="../src/convert/AacEncoderChoice.cpp" line="+30"/>
        <source>The encoder %1 could not be started (%2)</source>
        <translation>Não foi possível iniciar o codificador %1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder %1 does not work: asked for its encoders, it ended with exit code %2%3</source>
        <translation>O codificador %1 não funciona: ao receber o pedido da lista de codificadores, terminou com o código de saída %2%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> and no message</source>
        <translation> e sem nenhuma mensagem</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+87"/>
        <source>No files added.</source>
        <translation>Nenhum arquivo adicionado.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The folder&apos;s name is not valid UTF-8. Please select another folder.</source>
        <translation>O nome da pasta não é UTF-8 válido. Selecione outra pasta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>A pasta não existe. Selecione outra pasta.</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>no output file name could be made</source>
        <translation>não foi possível criar um nome para o arquivo de saída</translation>
    </message>
    <message>
        <location filename="../src/convert/EncoderPlacement.cpp" line="+35"/>
        <source>The encoder %1 could have been changed by another user, so it was not run</source>
        <translation>O codificador %1 pode ter sido alterado por outro usuário, por isso não foi executado</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the encoder could have been changed by another user, so it was not run</source>
        <translation>o codificador pode ter sido alterado por outro usuário, por isso não foi executado</translation>
    </message>
    <message>
        <location filename="../src/convert/EncodeVerdict.cpp" line="+53"/>
        <source>the encoder could not be started (%1)</source>
        <translation>não foi possível iniciar o codificador (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the encoder failed (exit code %1)</source>
        <translation>o codificador falhou (código de saída %1)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the encoder wrote no output</source>
        <translation>o codificador não gerou nenhuma saída</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the output is incomplete: %1</source>
        <translation>a saída está incompleta: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the output is cut off: it lasts %1 s of %2 s</source>
        <translation>a saída está cortada: dura %1 s de %2 s</translation>
    </message>
    <message>
        <location filename="../src/convert/FileEncoder.cpp" line="+41"/>
        <source>its name is not valid UTF-8, which cannot be converted</source>
        <translation>o nome não é UTF-8 válido, por isso o arquivo não pode ser convertido</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+42"/>
        <source>the input is missing or not a regular file</source>
        <translation>o arquivo de entrada não existe ou não é um arquivo comum</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>the output file would replace the input file</source>
        <translation>o arquivo de saída substituiria o arquivo de entrada</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a folder is in the way of the output %1</source>
        <translation>já existe uma pasta no caminho da saída %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write into %1 (%2)</source>
        <translation>não é possível gravar em %1 (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no bit rate could be worked out</source>
        <translation>não foi possível determinar a taxa de bits</translation>
    </message>
    <message>
        <location filename="../src/convert/OutputClaims.cpp" line="+45"/>
        <source>its output %1 is an input of this run</source>
        <translation>a saída %1 também é uma entrada desta conversão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its output %1 is already written from %2</source>
        <translation>a saída %1 já é gerada a partir de %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+23"/>
        <source>The folder %1 could not be opened: no file manager is set up for folders.</source>
        <translation>Não foi possível abrir a pasta %1: nenhum gerenciador de arquivos está configurado para abrir pastas.</translation>
    </message>
    <message>
        <location filename="../src/platform/QtDialogs.cpp" line="+55"/>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>EncoderDeployment</name>
    <message>
        <location filename="../src/platform/EncoderDeployment.cpp" line="+46"/>
        <source>The name of the temporary folder %1 is not valid UTF-8; set TEMP to another folder</source>
        <translation>O nome da pasta temporária %1 não é UTF-8 válido; defina TEMP como outra pasta</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 does not exist; set TEMP to an existing folder</source>
        <translation>A pasta temporária %1 não existe; defina TEMP como uma pasta existente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The temporary folder %1 cannot be used</source>
        <translation>Não é possível usar a pasta temporária %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is not a folder</source>
        <translation>A pasta temporária %1 não é uma pasta</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The temporary folder %1 is owned by another user; the encoder is not put there</source>
        <translation>A pasta temporária %1 pertence a outro usuário; o codificador não é preparado nela</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The temporary folder %1 is open to other users; the encoder is not put there</source>
        <translation>A pasta temporária %1 está aberta a outros usuários; o codificador não é preparado nela</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Cannot create %1</source>
        <translation>Não é possível criar %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Cannot write %1</source>
        <translation>Não é possível gravar %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot create a folder in the temporary folder %1</source>
        <translation>Não é possível criar uma pasta na pasta temporária %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>There is no encoder to put in place</source>
        <translation>Não há nenhum codificador para preparar</translation>
    </message>
</context>
<context>
    <name>EncoderStore</name>
    <message>
        <location filename="../src/platform/EncoderStore.cpp" line="+41"/>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Recurso com o identificador &quot;%1&quot; não encontrado</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The ffmpeg encoder %1 is not executable</source>
        <translation>O codificador ffmpeg %1 não é executável</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The ffmpeg encoder is not installed (not found on PATH)</source>
        <translation>O codificador ffmpeg não está instalado (não foi encontrado no PATH)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The ffmpeg encoder %1 is an empty file</source>
        <translation>O codificador ffmpeg %1 é um arquivo vazio</translation>
    </message>
</context>
<context>
    <name>ErrorNumbers</name>
    <message>
        <location filename="../src/core/ErrorNumbers.cpp" line="+12"/>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL</source>
        <translation>Erro ao carregar a DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>Erro de acesso ao caminho ou arquivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path not found</source>
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Object variable or With block variable not set</source>
        <translation>Variável de objeto ou variável do bloco With não definida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resource not found</source>
        <translation>Recurso não encontrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t find DLL entry point</source>
        <translation>Não foi possível encontrar o ponto de entrada da DLL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The FileName buffer is too small to store the selected file name(s).</source>
        <translation>O buffer FileName é pequeno demais para armazenar os nomes de arquivo selecionados.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Application-defined or object-defined error</source>
        <translation>Erro definido pelo aplicativo ou pelo objeto</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <location filename="../src/core/ErrorReport.cpp" line="+10"/>
        <location line="+7"/>
        <source>in %1</source>
        <translation>em %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at line %1</source>
        <translation>na linha %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para %1</translation>
    </message>
    <message>
        <location filename="../src/core/ErrorReport.h" line="+11"/>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <location filename="../src/filelist/AddAllInFolder.cpp" line="+35"/>
        <source>Enter file extension to load:</source>
        <translation>Digite a extensão dos arquivos a carregar:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* para todos os arquivos, txt para todos os arquivos txt, doc para todos os arquivos doc etc.)</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.cpp" line="+23"/>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Você selecionou arquivos demais para adicionar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Tente adicioná-los com o botão &quot;Adicionar WAV de uma pasta&quot;.</translation>
    </message>
    <message>
        <location filename="../src/filelist/AddFilesByDialog.h" line="+15"/>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Adicionar arquivos - Mantenha a tecla Ctrl pressionada para selecionar vários arquivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV Files (*.wav)</source>
        <translation>Arquivos WAV (*.wav)</translation>
    </message>
    <message>
        <location filename="../src/filelist/BrowseForFolder.h" line="+12"/>
        <source>Please select folder:</source>
        <translation>Selecione uma pasta:</translation>
    </message>
    <message>
        <location filename="../src/filelist/LeftOutNotice.cpp" line="+11"/>
        <source>1 file or folder was not added: its name is not valid UTF-8 or holds a NUL character, so no row can name it.</source>
        <translation>1 arquivo ou pasta não foi adicionado: o nome não é UTF-8 válido ou contém um caractere NUL, por isso nenhuma linha da lista pode mostrá-lo.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n files or folders were not added: their names are not valid UTF-8 or hold a NUL character, so no row can name them.</source>
        <translation>
            <numerusform>%n arquivo ou pasta não foi adicionado: o nome não é UTF-8 válido ou contém um caractere NUL, por isso nenhuma linha da lista pode mostrá-lo.</numerusform>
            <numerusform>%n arquivos ou pastas não foram adicionados: os nomes não são UTF-8 válido ou contêm um caractere NUL, por isso nenhuma linha da lista pode mostrá-los.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <location filename="../src/platform/FileOperations.cpp" line="+57"/>
        <source>Path is a folder, not a file</source>
        <translation>O caminho é uma pasta, não um arquivo</translation>
    </message>
</context>
<context>
    <name>MediaInfoLibrary</name>
    <message>
        <location filename="../src/platform/MediaInfoLibrary.cpp" line="+20"/>
        <source>Can&apos;t find DLL entry point %1 in MediaInfo</source>
        <translation>Não foi possível encontrar o ponto de entrada %1 da DLL no MediaInfo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>File not found: %1 (%2)</source>
        <translation>Arquivo não encontrado: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MediaInfoProbe</name>
    <message>
        <location filename="../src/platform/MediaInfoProbe.cpp" line="+82"/>
        <source>MediaInfo could not create a handle</source>
        <translation>O MediaInfo não conseguiu criar um identificador</translation>
    </message>
</context>
<context>
    <name>PartialOutput</name>
    <message>
        <location filename="../src/platform/PartialOutput.cpp" line="+66"/>
        <source>Cannot put the output in place: its partial file is not the one written</source>
        <translation>Não é possível mover a saída para o local definitivo: o arquivo parcial não é o que foi gravado</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot put the output in place</source>
        <translation>Não é possível mover a saída para o local definitivo</translation>
    </message>
    <message>
        <location line="+115"/>
        <location line="+41"/>
        <source>Cannot write in %1</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Cannot make the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a link, which is not followed below the output folder</source>
        <translation>%1 é um link, e links não são seguidos dentro da pasta de destino</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot find an unused name in %1</source>
        <translation>Não é possível encontrar um nome livre em %1</translation>
    </message>
</context>
<context>
    <name>PosixEncoderFolders</name>
    <message>
        <location filename="../src/platform/PosixEncoderFolders.cpp" line="+74"/>
        <source>The temporary folder %1 does not allow running programs; set TEMP to another folder</source>
        <translation>A pasta temporária %1 não permite executar programas; defina TEMP como outra pasta</translation>
    </message>
</context>
<context>
    <name>PosixFileSystem</name>
    <message>
        <location filename="../src/platform/PosixFileSystem.cpp" line="+313"/>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="+206"/>
        <location filename="../src/convert/ConversionRun.cpp" line="-133"/>
        <location filename="../src/convert/WaitAnimation.cpp" line="+31"/>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <location filename="../src/convert/ConversionRun.cpp" line="+109"/>
        <source>Processing: %1</source>
        <translation>Processando: %1</translation>
    </message>
    <message>
        <location filename="../src/core/ProgressAnimation.cpp" line="+32"/>
        <source>Please wait.. %1</source>
        <translation>Aguarde... %1</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message numerus="yes">
        <location filename="../src/core/RunProgressTexts.cpp" line="+14"/>
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 de %n arquivo</numerusform>
            <numerusform>%1 de %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, about %2 left</source>
        <translation>%1, faltam cerca de %2</translation>
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
            <numerusform>%1 de %n arquivo convertido</numerusform>
            <numerusform>%1 de %n arquivos convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> (%n failed)</source>
        <translation>
            <numerusform> (%n com falha)</numerusform>
            <numerusform> (%n com falha)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <location filename="../src/core/RunReport.cpp" line="+23"/>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped.</source>
        <translation>Interrompido.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of 1 file was converted.</source>
        <translation>%1 de 1 arquivo foi convertido.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files were converted.</source>
        <translation>
            <numerusform>%1 de %n arquivo foi convertido.</numerusform>
            <numerusform>%1 de %n arquivos foram convertidos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file was not converted, because the encoder could not be put in place:</source>
        <translation>O arquivo não foi convertido porque não foi possível preparar o codificador:</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>None of the %n files was converted, because the encoder could not be put in place:</source>
        <translation>
            <numerusform>%n arquivo não foi convertido porque não foi possível preparar o codificador:</numerusform>
            <numerusform>Nenhum dos %n arquivos foi convertido porque não foi possível preparar o codificador:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1 file was converted at the list&apos;s rate of %1, because its own bit rate could not be read.</source>
        <translation>1 arquivo foi convertido com a taxa escolhida na lista (%1) porque não foi possível ler a taxa de bits própria dele.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n files were converted at the list&apos;s rate of %1, because their own bit rate could not be read.</source>
        <translation>
            <numerusform>%n arquivo foi convertido com a taxa escolhida na lista (%1) porque não foi possível ler a taxa de bits própria dele.</numerusform>
            <numerusform>%n arquivos foram convertidos com a taxa escolhida na lista (%1) porque não foi possível ler a taxa de bits própria deles.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 of 1 file failed:</source>
        <translation>%1 de 1 arquivo falhou:</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files failed:</source>
        <translation>
            <numerusform>%1 de %n arquivo falhou:</numerusform>
            <numerusform>%1 de %n arquivos falharam:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... e mais %n</numerusform>
            <numerusform>... e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <location filename="../src/samples/SampleFiles.h" line="+13"/>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Deseja que o programa abra a pasta onde estes arquivos de exemplo estão armazenados (para que você possa vê-los antes de trabalhar com eles)?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/core/Settings.cpp" line="+64"/>
        <source>The settings file %1 is not a regular file, so it is neither read nor written; the choices are kept until the program ends</source>
        <translation>O arquivo de configurações %1 não é um arquivo comum, por isso não é lido nem gravado; as opções escolhidas são mantidas até o programa ser fechado</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>The settings file %1 could not be read, so the choices stored in it were lost; it now holds the current ones</source>
        <translation>Não foi possível ler o arquivo de configurações %1, por isso as opções salvas nele foram perdidas; agora ele contém as atuais</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Could not write the setting &quot;%1&quot; to %2; it is kept until the program ends</source>
        <translation>Não foi possível gravar a configuração &quot;%1&quot; em %2; ela é mantida até o programa ser fechado</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../src/app/SkinFramework.cpp" line="+32"/>
        <source>Could not load the skin file: %1</source>
        <translation>Não foi possível carregar o arquivo de tema: %1</translation>
    </message>
</context>
<context>
    <name>StaleEncoderFolders</name>
    <message>
        <location filename="../src/platform/StaleEncoderFolders.cpp" line="+159"/>
        <source>Cannot lock the encoder folder %1: %2</source>
        <translation>Não é possível bloquear a pasta do codificador %1: %2</translation>
    </message>
</context>
<context>
    <name>brindlecast::Form1</name>
    <message>
        <location filename="../src/app/Form1.cpp" line="-146"/>
        <source>Add WAV File(s)</source>
        <translation>Adicionar arquivos WAV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add All WAV File(s) In Folder</source>
        <translation>Adicionar WAV de uma pasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear List</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Sample/Example Files</source>
        <translation>Carregar arquivos de exemplo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Rate Of Output File</source>
        <translation>Taxa de bits do arquivo de saída</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use same bit rate as input file (most efficient)</source>
        <translation>Usar a taxa de bits de entrada (mais eficiente)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use this constant bit rate for all files:</source>
        <translation>Usar esta taxa fixa para todos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Option</source>
        <translation>Opções de salvamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save results to this folder:</source>
        <translation>Salvar nesta pasta:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save results in folder of original file</source>
        <translation>Salvar na pasta do arquivo original</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep subfolders</source>
        <translation>Manter subpastas</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Start Converting</source>
        <translation>Iniciar conversão</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop Converting</source>
        <translation>Parar conversão</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arraste e solte arquivos aqui. Clique duas vezes em um item para removê-lo. Mova a linha | para a direita, para fora da janela, para ver os nomes completos.</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Stop converting?</source>
        <translation>Parar a conversão?</translation>
    </message>
    <message>
        <location filename="../src/app/FormLoad.cpp" line="+43"/>
        <source> WAV File(s)</source>
        <translation> Arquivos WAV</translation>
    </message>
</context>
</TS>
