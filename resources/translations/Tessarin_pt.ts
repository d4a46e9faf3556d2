<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>A reparar a configuração de arranque...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>A executar o bcdboot para reconstruir o BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>A configurar o modo de arranque portátil...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>A tentar a reparação manual do BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>A configurar as definições de arranque portátil...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>A limpar entradas de arranque inválidas...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>A iniciar a reparação do arranque...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>A atualizar o BCD...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>A verificar a configuração de arranque...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>A reparar o setor de arranque MBR...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>A atualizar o indicador de arranque da partição...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>A reparar o arranque UEFI...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>Partição de sistema EFI não encontrada</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>A atualizar as entradas de arranque UEFI...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Não é possível reler o disco de destino para o reparo da inicialização</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>Modo de arranque do destino</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>Escolha o modo de arranque do disco de destino</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>Modo UEFI (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>Recomendado para computadores fabricados depois de 2012. Suporta discos com mais de 2 TB.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>Modo legado (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>Para computadores mais antigos ou requisitos especiais. Suporta discos até 2 TB.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  O computador de destino tem de suportar o modo de arranque selecionado.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>UEFI (GPT)</source>
        <translation>UEFI (GPT)</translation>
    </message>
    <message>
        <source>Legacy (MBR)</source>
        <translation>Legado (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>bcdedit/bcdboot não estão disponíveis neste sistema; os dados foram copiados, a configuração de inicialização não foi atualizada</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>Nenhum comando indicado; consulte --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Comando desconhecido: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opção desconhecida: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>Modo de clonagem desconhecido: %1 (disk, system ou partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>A opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>Valor inválido para %1: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space e --data-label aplicam-se apenas à clonagem do sistema</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart e --sector-by-sector excluem-se mutuamente</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>Uma clonagem precisa de uma origem e de um destino</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>Uma clonagem de partição indica a origem como DISCO:PARTIÇÃO</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>Os números de partição aplicam-se apenas à clonagem de partições</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>Nenhum disco listado é %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>O disco %1 não tem a partição %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>O disco %1 não é substituído sem --yes: não há terminal para confirmar</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>Todo o conteúdo do disco %1 (%2) será substituído. Digite o número do disco para continuar: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>Não confirmado; nada foi gravado</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>Indique o disco a verificar</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>Valor inválido para --data-label: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 não indica uma partição: depois dos dois-pontos vem um número de partição (1 ou mais) ou, para o destino, free</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>Tudo na partição %1 do disco %2 (%3) será substituído; as outras partições do disco permanecem. Digite o número do disco para continuar: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>A cópia vai para a maior região livre do disco %1 (%2); as suas partições permanecem. Digite o número do disco para continuar: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>A partição de origem não é válida</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>O disco ou a partição de destino não é válido</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>A partição de origem e o disco de destino não podem estar no mesmo disco</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>A partição de origem e a de destino não podem ser a mesma</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO não inicializado (chame primeiro setDiskIO)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Falha ao copiar %1: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>Regenerando os identificadores do disco...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>Falha ao dar novos GUID GPT à cópia: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>Atualizando a assinatura do disco...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>Falha ao dar à cópia uma nova assinatura de disco MBR: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Falha ao esvaziar o destino: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>A reparar a configuração de arranque...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>Reparo de inicialização: ignorado, o disco de origem não contém nenhuma instalação do Windows</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>Comparando o que a execução interrompida copiou de %1...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>Passo 3: configure e confirme</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>Disco de origem</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>Disco de destino</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>Definições de clonagem</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Definições...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>Modo de arranque do destino</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>Espaço do disco de destino</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>Partição de origem</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>Esta clonagem não pode começar: %1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>disco %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>disco %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; nada foi gravado</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>O destino %1 é a origem %2 com outro nome, ou partilha armazenamento com ela</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>O destino %1 está em uso: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>Não é possível abrir o destino %1 para escrita: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>O destino %1 está em uso: %2; feche os programas que o utilizam e tente novamente</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>Outra clonagem está a usar %1 ou %2: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>A clonar...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>A preparar a tarefa de clonagem...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>Velocidade: -- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>Tempo restante: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>Velocidade: %1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>Tempo restante: %1 h %2 min</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>Tempo restante: %1 s</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>Tempo restante: %1 min %2 s</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>A reparação do arranque está em curso. Aguarde até terminar.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>Clonagem concluída</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>A clonagem e a reparação do arranque foram concluídas com êxito.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Clonagem concluída com êxito</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>Falha na clonagem</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>Falha na clonagem: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>%1 de dados copiados verificados</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>Clonagem concluída com avisos</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>Os setores ilegíveis estão listados em %1</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>Verificar destino: sem erros</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>Verificar destino: a cópia pode não iniciar no estado atual</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>A clonagem foi concluída com sucesso.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>Clonagem cancelada</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>Nada foi gravado no destino.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>A clonagem foi parada antes de terminar; o destino pode conter uma cópia incompleta.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>Continuar este clone de onde parou; o que já está no destino não é copiado de novo</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>O clone foi parado antes de terminar. Retomar continua de onde parou.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>Origem em uso</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>Os volumes %1 da origem estão montados em leitura e escrita e não é possível criar um instantâneo deles. Uma cópia lida enquanto mudam pode ficar inconsistente e não iniciar.

Lê-los ao vivo mesmo assim?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>Clone interrompido</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>Um clone desta origem para este destino foi interrompido com %1 de %2 copiados.

Retomá-lo, copiando apenas o resto, ou recomeçar e copiar tudo?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Recomeçar</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>O disco de origem não é válido</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>O disco de destino não é válido</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>O disco de origem e o de destino não podem ser o mesmo</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>O disco %1 contém o sistema em execução (a pasta do Windows, o volume de arranque ou um ficheiro de paginação) e nunca é um destino</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>O disco de destino é mais pequeno do que o de origem</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>A clonagem do sistema setor a setor requer um disco de destino não mais pequeno do que o de origem</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>Os discos de origem e de destino têm tamanhos de setor lógico diferentes (%1 e %2 bytes); uma clonagem exige o mesmo tamanho de setor em ambos</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>A tabela de partições do disco de origem está danificada (%1); nada foi alterado</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>Não há diário de um clone interrompido desta origem para este destino a retomar (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>O diário do clone interrompido não pode ser usado: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>O diário foi escrito para outro disco de origem (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>O diário foi escrito para outro disco de destino (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>O clone interrompido tinha outro plano (outras opções, ou o espaço usado da origem mudou)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>A origem mudou desde o clone interrompido</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; inicie o clone novamente sem retomar para copiar tudo</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>Não é possível ler os discos para verificar o clone interrompido: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>O destino já não contém o que o diário diz ter sido copiado (o byte %1 difere); inicie o clone novamente sem retomar para copiar tudo</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>Não é possível escrever o diário do clone: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>O mesmo comando com --resume continua de onde esta execução parou</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>Definições de clonagem</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>Clonagem inteligente (recomendada)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>recomendado</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>Copia apenas os setores utilizados — mais rápido e permite migrar para um disco mais pequeno.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>Alinhamento 4K (otimização SSD)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>Alinha as partições a limites de 4K para um melhor desempenho do SSD.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>Clonagem setor a setor</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>Copia todos os setores, incluindo o espaço não utilizado — mais lento mas completo.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  A clonagem inteligente e a clonagem setor a setor excluem-se mutuamente.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>Clonagem inteligente</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>Alinhamento 4K</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>Nenhuma opção selecionada</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>Verificar a cópia</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>Ler novamente do destino cada intervalo copiado e compará-lo com a origem.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>Continuar após setores ilegíveis</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>Gravar zeros nos setores de origem que não podem ser lidos e listá-los num ficheiro junto ao registo.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>Operação de clonagem cancelada</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Clonagem concluída com êxito</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>Falha na operação de clonagem</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>A reparar a configuração de arranque...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>Falha na reparação do arranque</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>Clonagem concluída com setores ilegíveis: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>Verificando o destino...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>Clonagem concluída com avisos: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>a verificação da cópia encontrou erros; pode não arrancar tal como está</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>Reparo de inicialização: não solicitado</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>O rótulo da partição de dados está vazio</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>O rótulo da partição de dados tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>O rótulo da partição de dados contém aspas duplas, uma quebra de linha ou outro caractere de controle</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>Armazenamento SSD</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>Armazenamento HDD</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Não inicializado</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>Disco de sistema</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - Clonagem do sistema: apenas partições de arranque + Windows</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>%1 de espaço disponível - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>Não clonada</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disco %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>Disco %1: %2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Recuperação</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabela ilegível</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>A reconstruir os ficheiros de arranque...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>A configurar o modo de arranque portátil...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>A configurar o sistema para arranque por USB...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Clonagem de disco</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>Clonar o disco inteiro, incluindo todas as partições e registros de inicialização</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Limpando o disco de destino...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>tabela de partições</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Falha ao limpar o disco de destino: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Falha ao copiar %1: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copiando a tabela de partições...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copiando a partição %1 de %2: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>Falha ao gravar a GPT para o tamanho do disco de destino: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partição %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>O mapa de utilização da partição %1 não é fiável (%2); a partição foi copiada por inteiro</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Falha ao abrir o disco de origem: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Falha ao abrir o disco de destino: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disco inteiro</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>A copiar o disco inteiro setor a setor...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Não é possível reler o disco de destino para o reparo da inicialização</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>Não inicializado</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 partição(ões)</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabela ilegível</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>A origem e o destino são o mesmo dispositivo: %1 e %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>Falha ao abrir a origem: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>Falha ao abrir o destino: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>Origem não aberta</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>Falha de leitura no setor %1: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>Destino não aberto</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>Falha de leitura do destino no setor %1: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>Falha de escrita no setor %1: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>Buffer alinhado não alocado</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>Origem ou destino não aberto</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Falha ao esvaziar o destino: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>A verificação falhou: o setor %1 do destino difere da origem</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>Disco %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>Disco %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>Não é possível ler a tabela de partições: o setor %1 está ilegível</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>Recuperação</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>Erro de configuração</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Não foi possível carregar a ligação da página.

Contacte o suporte técnico ou reinstale o software.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Não é possível abrir o navegador</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Não foi possível abrir o navegador predefinido.

Copie esta ligação e abra-a manualmente:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>Clonagem de discos</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>MODO DE CLONAGEM</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Clonagem de disco</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Clonagem do sistema</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>Clonagem de partição</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>PASSOS</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  Anterior</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partição</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>Iniciar clonagem  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>Seguinte  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>Seleção necessária</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>Confirmar clonagem</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>A iniciar a tarefa de clonagem...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>Partição de origem: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>Disco de origem: %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>Disco de destino: %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>Modo de arranque: %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>Atribuição de espaço: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Aguarde</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>A reparação do arranque está em execução e não pode ser interrompida com segurança.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>Cancelar clonagem</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>Cancelar a tarefa de clonagem atual?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>Cancelamento solicitado</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>Uma tarefa de clonagem ou de reparação do arranque ainda está em execução. Aguarde até terminar antes de fechar o Tessarin.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>%1 no total  ·  Disco %2 Partição %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 usados</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Recuperação</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>Clonagem de partição</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>Clonar uma única partição para outro local</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>A partição de origem e o disco de destino não podem estar no mesmo disco</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>A partição de destino não está no disco de destino</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>O disco de destino é demasiado pequeno (%1) para os dados de origem (%2)</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>A partição de destino é demasiado pequena (%1) para os dados de origem (%2)</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>A partição de destino está montada em %1; desmonte-a primeiro</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Falha ao abrir o disco de origem: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Falha ao abrir o disco de destino: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>A partição de origem não ocupa setores inteiros de %1 bytes; nada foi alterado</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>Não é possível ler a partição de origem (%1); nada foi alterado</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>A partição de destino não começa num setor de %1 bytes; nada foi alterado</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>Falha ao ler a tabela de partições do disco de destino: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>A tabela de partições do disco de destino está danificada (%1); nada foi alterado</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>A partição de destino não é uma entrada primária da tabela de partições do disco de destino; nada foi alterado</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>O disco de destino não tem espaço suficiente para a partição de origem; nada foi alterado</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>A cópia terminaria além do que uma entrada MBR consegue endereçar; nada foi alterado</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Limpando o disco de destino...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Falha ao limpar o disco de destino: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>O disco de destino indica agora setores de %1 bytes em vez de %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>O disco de destino não tem espaço suficiente para a partição de origem</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>O setor de arranque da cópia não consegue descrever a sua nova localização: %1; nada foi alterado</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Os discos não estão abertos (prepare primeiro)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>Copiando a partição: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>Atualizando o setor de arranque...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>Criando a entrada de partição...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>Falha ao criar a entrada de partição - a partição não ficará visível: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Falha ao esvaziar o destino: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>Falha ao atualizar o setor de arranque - a partição pode não estar acessível: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>Falha ao ler o MBR do disco de destino: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>Falha ao gravar o MBR: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>A reparar a configuração de arranque...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>A reparação do arranque do disco de destino falhou</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partição %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>O mapa de utilização da partição %1 não é fiável (%2); a partição foi copiada por inteiro</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>Reparo de inicialização: ignorado, a origem não é uma partição do sistema</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>O reparo de inicialização da cópia falhou: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>O disco %1 não tem uma tabela de partições a manter; nada foi alterado</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>A maior região livre do disco %1 (%2) não comporta a partição de origem (%3); nada foi alterado</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>A tabela de partições do disco de destino não tem nenhuma entrada livre para a cópia; nada foi alterado</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>A tabela de partições do disco de destino já não deixa espaço para a cópia no byte %1; nada foi alterado</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>Partição de sistema EFI</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>Partição de recuperação</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>Reservado pelo sistema</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>Partição %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>Passo 1: selecione o disco de sistema</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>Escolha o disco que contém a instalação atual do Windows. Apenas as partições de arranque e de sistema são clonadas.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>Passo 1: selecione o disco de origem</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>Escolha o disco a clonar.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>Passo 1: selecione a partição de origem</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>Escolha a partição a clonar.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>Nenhum disco encontrado.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>Nenhuma partição encontrada.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>Passo 2: selecione o disco de destino</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>Escolha o disco de destino. Todos os dados existentes no disco de destino serão apagados.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>Não há outro disco disponível como destino.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>Escolha o disco de destino e depois onde a cópia fica nele: o disco inteiro (apagado), a sua maior região livre (todas as partições ficam) ou uma das suas partições (substituída).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>Partições menores que a partição de origem, ou montadas, não são oferecidas.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>Disco inteiro</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>Todas as partições do disco são apagadas; a cópia começa em 1 MiB.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>Maior região livre</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%1 livres em %2; a cópia é adicionada como nova partição e todas as partições ficam.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>este sistema não cria instantâneos desses volumes</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>Os volumes %1 da origem estão montados em leitura e escrita e não podem ser lidos através de um instantâneo (%2); uma cópia lida enquanto mudam pode ficar inconsistente. Desmonte-os ou monte-os só de leitura, ou aceite lê-los ao vivo (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>Não é possível ler o instantâneo do volume de origem %1: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>Atribuição de espaço do disco de destino</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>Escolha como tratar o espaço restante</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>Expandir partição de sistema (todo o espaço)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>Expande a partição de sistema para ocupar todo o disco.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>Criar partição de dados separada</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Rótulo:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>Manter como espaço não alocado</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>Deixa o espaço restante sem partições. Pode criá-las manualmente mais tarde.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>Expandir a partição de sistema</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>Criar partição de dados</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>Deixar não alocado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>A configurar o sistema para migração de hardware...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>A ativar os controladores de armazenamento padrão...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>A manter ativos os controladores de armazenamento existentes...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>A reconstruir a configuração de arranque...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>A configurar as opções de arranque...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>A partição %1 não começa num setor de %2 bytes</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>A partição %1 sobrepõe-se à partição anterior</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>A partição %1 excederia o tamanho do disco de destino</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>Redimensionando a partição %1: %2 -&gt; %3 bytes</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>Partição de dados %1 criada: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Clonagem do sistema</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>Migrar o sistema operativo para um novo disco com reparação automática do arranque</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>O arranque legado (MBR) no destino requer um disco de sistema de origem MBR.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>O arranque UEFI (GPT) no destino requer um disco de sistema de origem GPT.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>Nenhuma partição de sistema encontrada no disco de origem</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>O disco de destino é demasiado pequeno. Espaço utilizado: %1 GB, destino: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Limpando o disco de destino...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Falha ao limpar o disco de destino: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>O disco de destino é mais pequeno do que o seu registo indica (%1 bytes); nada foi copiado</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>O tamanho do disco de origem não é válido</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disco inteiro</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>tabela de partições</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>A partição %1 fica para além do fim do disco de origem; nada foi alterado</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>O sistema de ficheiros da partição %1 declara mais espaço do que a partição contém; repare-o antes de clonar; nada foi alterado</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>Falha ao ler a partição %1: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Os discos não estão abertos (prepare primeiro)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>Copiando o disco inteiro setor a setor...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copiando a tabela de partições...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copiando a partição %1 de %2: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Falha ao esvaziar o destino: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>Corrigindo a tabela de partições...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>Falha ao corrigir o cabeçalho GPT: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>Falha ao atualizar a tabela de partições do destino: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>Falha ao atualizar o setor de arranque da partição movida %1: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>Criando a partição de dados...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>Expandindo a partição de sistema...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>Formatando a partição de dados...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>Não é possível identificar com segurança uma partição de dados separada; a formatação foi recusada</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>O disco de origem não tem nenhuma partição ativa; sem o bcdboot não é possível tornar a cópia inicializável</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>A origem inicia a partir da partição %1, que uma clonagem de sistema não copia; sem o bcdboot não é possível tornar a cópia inicializável</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partição %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>O mapa de utilização da partição %1 não é fiável (%2); repare o sistema de ficheiros antes de clonar; nada foi alterado</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>Nenhuma partição de dados foi criada: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>A partição de dados &quot;%1&quot; não foi criada: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>A partição de dados &quot;%1&quot; foi criada, mas não formatada (formate-a antes de usar): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Falha ao abrir o disco de origem: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Falha ao abrir o disco de destino: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Não é possível reler o disco de destino para o reparo da inicialização</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>A partição do sistema não foi expandida: nenhuma das partições copiadas é um volume do Windows</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>A partição do sistema %1 não foi expandida: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>A partição do sistema %1 não foi expandida: não foi possível aumentar o sistema de arquivos: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>Partição de dados: não criada, o destino não tem espaço além das partições do sistema</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>Partição do sistema: não expandida, o destino não tem espaço além das partições do sistema</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>Mover um disco de sistema BIOS (MBR) para arranque UEFI precisa de uma nova tabela de partições; uma cópia setor a setor não o consegue.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>A passagem para arranque UEFI precisa do volume do Windows do disco de origem, e nenhum foi encontrado.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>A formatar a nova partição de sistema EFI...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>Não foi possível criar a nova partição de sistema EFI: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>A escrever a nova GPT...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>Inativo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>A preparar</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>A clonar dados</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>A reparar a configuração de arranque</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>A verificar dados</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>Expandir a partição de sistema</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>Manter o original + criar partição de dados</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>Manter o tamanho original</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>Sobre o Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Uma solução profissional de clonagem de discos e migração de sistemas para Windows.
Clone discos inteiros, migre sistemas operativos, copie partições selecionadas e crie unidades de arranque fiáveis com clonagem inteligente e otimização para SSD.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>Selecione uma partição de origem.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>Selecione um disco de origem.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>Selecione um disco de destino.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>O disco %1 não tem nenhuma região livre grande o suficiente para a partição de origem.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>Selecione uma partição de destino pelo menos tão grande quanto a partição de origem.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>Origem: partição %1 (%2) no disco %3</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>Origem: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>Destino: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Continuar?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>Todos os dados do disco de destino serão apagados.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>A cópia torna-se uma nova partição na região livre do disco de %1 em %2. Nada é substituído; todas as partições do disco ficam: %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>A partição %1 (%2, %3) será substituída e todo o seu conteúdo perdido. As outras partições do disco ficam: %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>Todo o disco de destino será apagado, com todas as partições nele: %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>apenas dados usados</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>setor a setor</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>completa</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2, setor %3 para setor %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total geral: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>Copiado para o destino:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>Tabela de partições:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>Espaço restante:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>Reparo de inicialização:</translation>
    </message>
</context>
</TS>
