<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Reparando la configuración de arranque...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>Ejecutando bcdboot para reconstruir el BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Configurando el modo de arranque portátil...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>Intentando reparar el BCD manualmente...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>Configurando los ajustes de arranque portátil...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>Limpiando entradas de arranque no válidas...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>Iniciando la reparación del arranque...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>Actualizando el BCD...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>Verificando la configuración de arranque...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>Reparando el sector de arranque MBR...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>Actualizando el indicador de arranque de la partición...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>Reparando el arranque UEFI...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>No se encontró la partición del sistema EFI</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>Actualizando las entradas de arranque UEFI...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>No se puede volver a leer el disco de destino para la reparación del arranque</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>Modo de arranque de destino</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>Elija el modo de arranque del disco de destino</translation>
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
        <translation>Recomendado para equipos fabricados después de 2012. Admite discos de más de 2 TB.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>Modo heredado (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>Para equipos antiguos o requisitos especiales. Admite discos de hasta 2 TB.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  El equipo de destino debe admitir el modo de arranque seleccionado.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>UEFI (GPT)</source>
        <translation>UEFI (GPT)</translation>
    </message>
    <message>
        <source>Legacy (MBR)</source>
        <translation>Heredado (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>bcdedit/bcdboot no están disponibles en este sistema; los datos se copiaron, la configuración de arranque no se actualizó</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>No se indicó ningún comando; consulte --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Comando desconocido: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opción desconocida: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>Modo de clonación desconocido: %1 (disk, system o partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>La opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>Valor no válido para %1: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space y --data-label solo se aplican a clonaciones de sistema</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart y --sector-by-sector se excluyen mutuamente</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>Una clonación necesita un origen y un destino</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>Una clonación de partición indica su origen como DISCO:PARTICIÓN</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>Los números de partición solo se aplican a clonaciones de partición</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>Ningún disco de la lista es %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>El disco %1 no tiene la partición %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>No se sobrescribe el disco %1 sin --yes: no hay terminal para confirmar</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>Todo el contenido del disco %1 (%2) se sobrescribirá. Escriba el número del disco para continuar: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>No confirmado; no se escribió nada</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>Indique el disco que se va a comprobar</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>Valor no válido para --data-label: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 no designa una partición: tras los dos puntos va un número de partición (1 o más) o, para el destino, free</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>Todo lo que hay en la partición %1 del disco %2 (%3) se sobrescribirá; las demás particiones del disco se conservan. Escriba el número del disco para continuar: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>La copia va a la mayor región libre del disco %1 (%2); sus particiones se conservan. Escriba el número del disco para continuar: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>La partición de origen no es válida</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>El disco o la partición de destino no es válido</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>La partición de origen y el disco de destino no pueden estar en el mismo disco</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>La partición de origen y la de destino no pueden ser la misma</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO no inicializado (llame primero a setDiskIO)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Error al copiar %1: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>Regenerando los identificadores del disco...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>No se pudieron dar nuevos GUID de GPT a la copia: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>Actualizando la firma del disco...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>No se pudo dar a la copia una nueva firma de disco MBR: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>No se pudo vaciar el destino: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Reparando la configuración de arranque...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>Reparación de arranque: omitida, el disco de origen no contiene ninguna instalación de Windows</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>Comparando lo que la ejecución interrumpida copió de %1...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>Paso 3: configure y confirme</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>Disco de origen</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>Disco de destino</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>Configuración de clonación</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configurar...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>Modo de arranque de destino</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>Espacio del disco de destino</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>Partición de origen</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>Esta clonación no puede iniciarse: %1</translation>
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
        <translation>%1; no se ha escrito nada</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>El destino %1 es el origen %2 con otro nombre, o comparte almacenamiento con él</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>El destino %1 está en uso: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>No se puede abrir el destino %1 para escritura: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>El destino %1 está en uso: %2; cierre los programas que lo usan e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>Otra clonación está usando %1 o %2: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>Clonando...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>Preparando la tarea de clonación...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>Velocidad: -- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>Tiempo restante: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>Velocidad: %1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>Tiempo restante: %1 h %2 min</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>Tiempo restante: %1 s</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>Tiempo restante: %1 min %2 s</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>La reparación del arranque está en curso. Espere a que termine.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>Clonación completada</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>La clonación y la reparación del arranque se completaron correctamente.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>La clonación se completó correctamente</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>Error en la clonación</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>Error en la clonación: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>Se verificaron %1 de datos copiados</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>Clonación completada con advertencias</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>Los sectores ilegibles se enumeran en %1</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>Comprobar destino: sin errores</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>Comprobar destino: es posible que la copia no arranque tal como está</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>La clonación se completó correctamente.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>Clonación cancelada</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>No se escribió nada en el destino.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>La clonación se detuvo antes de terminar; el destino puede contener una copia incompleta.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>Continuar esta clonación donde se detuvo; lo que ya está en el destino no se vuelve a copiar</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>La clonación se detuvo antes de terminar. Reanudar continúa donde se detuvo.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>Origen en uso</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>Los volúmenes %1 del origen están montados en lectura y escritura y no se puede tomar una instantánea de ellos. Una copia leída mientras cambian puede quedar inconsistente y no arrancar.

¿Leerlos en vivo de todos modos?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>Clonación interrumpida</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>Una clonación de este origen a este destino se interrumpió con %1 de %2 copiados.

¿Reanudarla, copiando solo el resto, o empezar de nuevo y copiar todo?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Empezar de nuevo</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>El disco de origen no es válido</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>El disco de destino no es válido</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>El disco de origen y el de destino no pueden ser el mismo</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>El disco %1 contiene el sistema en ejecución (su carpeta de Windows, volumen de arranque o archivo de paginación) y nunca es un destino</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>El disco de destino es más pequeño que el de origen</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>La clonación del sistema sector por sector requiere un disco de destino no más pequeño que el de origen</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>Los discos de origen y destino tienen tamaños de sector lógico distintos (%1 y %2 bytes); una clonación necesita el mismo tamaño de sector en ambos</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>La tabla de particiones del disco de origen está dañada (%1); no se ha cambiado nada</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>No hay ningún diario de una clonación interrumpida de este origen a este destino que reanudar (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>El diario de la clonación interrumpida no se puede usar: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>El diario se escribió para otro disco de origen (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>El diario se escribió para otro disco de destino (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>La clonación interrumpida tenía otro plan (otras opciones, o cambió el espacio usado del origen)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>El origen ha cambiado desde la clonación interrumpida</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; vuelva a iniciar la clonación sin reanudar para copiar todo</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>No se pueden leer los discos para comprobar la clonación interrumpida: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>El destino ya no contiene lo que el diario dice que se copió (el byte %1 difiere); vuelva a iniciar la clonación sin reanudar para copiar todo</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>No se puede escribir el diario de la clonación: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>El mismo comando con --resume continúa donde se detuvo esta ejecución</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>Configuración de clonación</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>Clonación inteligente (recomendada)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>recomendado</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>Copia solo los sectores usados — más rápido y permite migrar a un disco más pequeño.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>Alineación 4K (optimización SSD)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>Alinea las particiones a límites de 4K para un mejor rendimiento del SSD.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>Clonación sector por sector</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>Copia todos los sectores, incluido el espacio sin usar — más lento pero completo.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  La clonación inteligente y la clonación sector por sector son excluyentes.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>Clonación inteligente</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>Alineación 4K</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>Ninguna opción seleccionada</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>Verificar la copia</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>Volver a leer del destino cada rango copiado y compararlo con el origen.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>Continuar tras sectores ilegibles</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>Escribir ceros en lugar de los sectores de origen que no se pueden leer y enumerarlos en un archivo junto al registro.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>Operación de clonación cancelada</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>La clonación se completó correctamente</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>Error en la operación de clonación</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Reparando la configuración de arranque...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>Error en la reparación del arranque</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>Clonación completada con sectores ilegibles: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>Comprobando el destino...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>Clonación completada con advertencias: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>la comprobación de la copia encontró errores; puede que no arranque tal como está</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>Reparación de arranque: no solicitada</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>La etiqueta de la partición de datos está vacía</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>La etiqueta de la partición de datos tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>La etiqueta de la partición de datos contiene comillas dobles, un salto de línea u otro carácter de control</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>Almacenamiento SSD</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>Almacenamiento HDD</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Sin inicializar</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>Disco del sistema</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - Clonación del sistema: solo particiones de arranque + Windows</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>%1 de espacio disponible - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>No se clona</translation>
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
        <translation>Recuperación</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabla ilegible</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>Reconstruyendo los archivos de arranque...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Configurando el modo de arranque portátil...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>Configurando el sistema para arrancar desde USB...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Clonación de disco</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>Clonar el disco completo con todas las particiones y registros de arranque</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Limpiando el disco de destino...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>tabla de particiones</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>No se pudo limpiar el disco de destino: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Error al copiar %1: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copiando la tabla de particiones...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copiando la partición %1 de %2: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>No se pudo escribir la GPT para el tamaño del disco de destino: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partición %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>El mapa de uso de la partición %1 no es fiable (%2); la partición se copió completa</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>No se pudo abrir el disco de origen: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>No se pudo abrir el disco de destino: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disco completo</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>Copiando el disco completo sector a sector...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>No se puede volver a leer el disco de destino para la reparación del arranque</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>Sin inicializar</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 partición(es)</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabla ilegible</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>El origen y el destino son el mismo dispositivo: %1 y %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>No se pudo abrir el origen: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>No se pudo abrir el destino: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>Origen no abierto</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>Error de lectura en el sector %1: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>Destino no abierto</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>Error de lectura del destino en el sector %1: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>Error de escritura en el sector %1: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>Búfer alineado no asignado</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>Origen o destino no abierto</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>No se pudo vaciar el destino: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>La verificación falló: el sector %1 del destino difiere del origen</translation>
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
        <translation>No se puede leer la tabla de particiones: el sector %1 es ilegible</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>Recuperación</translation>
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
        <translation>Error de configuración</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>No se pudo cargar el enlace de la página.

Póngase en contacto con el soporte técnico o vuelva a instalar el software.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>No se puede abrir el navegador</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>No se pudo abrir el navegador predeterminado.

Copie este enlace y ábralo manualmente:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>Clonación de discos</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>MODO DE CLONACIÓN</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Clonación de disco</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Clonación del sistema</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>Clonación de partición</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>PASOS</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  Atrás</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partición</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>Iniciar clonación  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>Siguiente  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>Selección necesaria</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>Confirmar clonación</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>Iniciando la tarea de clonación...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>Partición de origen: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>Disco de origen: %1</translation>
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
        <translation>Asignación de espacio: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Espere, por favor</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>La reparación del arranque está en curso y no se puede interrumpir de forma segura.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>Cancelar clonación</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>¿Cancelar la tarea de clonación actual?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>Cancelación solicitada</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>Todavía hay una tarea de clonación o de reparación del arranque en curso. Espere a que termine antes de cerrar Tessarin.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>%1 en total  ·  Disco %2 Partición %3</translation>
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
        <translation>Recuperación</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>Clonación de partición</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>Clonar una sola partición en otra ubicación</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>La partición de origen y el disco de destino no pueden estar en el mismo disco</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>La partición de destino no está en el disco de destino</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>El disco de destino es demasiado pequeño (%1) para los datos de origen (%2)</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>La partición de destino es demasiado pequeña (%1) para los datos de origen (%2)</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>La partición de destino está montada en %1; desmóntela primero</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>No se pudo abrir el disco de origen: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>No se pudo abrir el disco de destino: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>La partición de origen no ocupa sectores completos de %1 bytes; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>No se puede leer la partición de origen (%1); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>La partición de destino no comienza en un sector de %1 bytes; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>No se pudo leer la tabla de particiones del disco de destino: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>La tabla de particiones del disco de destino está dañada (%1); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>La partición de destino no es una entrada primaria de la tabla de particiones del disco de destino; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>El disco de destino no tiene espacio suficiente para la partición de origen; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>La copia terminaría más allá de lo que puede direccionar una entrada MBR; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Limpiando el disco de destino...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>No se pudo limpiar el disco de destino: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>El disco de destino ahora indica sectores de %1 bytes en lugar de %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>El disco de destino no tiene espacio suficiente para la partición de origen</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>El sector de arranque de la copia no puede describir su nueva ubicación: %1; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Los discos no están abiertos (prepárelos primero)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>Copiando la partición: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>Actualizando el sector de arranque...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>Creando la entrada de partición...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>No se pudo crear la entrada de partición - la partición no será visible: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>No se pudo vaciar el destino: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>No se pudo actualizar el sector de arranque - es posible que la partición no sea accesible: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>No se pudo leer el MBR del disco de destino: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>No se pudo escribir el MBR: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Reparando la configuración de arranque...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>Falló la reparación del arranque del disco de destino</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partición %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>El mapa de uso de la partición %1 no es fiable (%2); la partición se copió completa</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>Reparación de arranque: omitida, el origen no es una partición del sistema</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>La reparación de arranque de la copia falló: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>El disco %1 no tiene una tabla de particiones que conservar; no se cambió nada</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>La mayor región libre del disco %1 (%2) no puede contener la partición de origen (%3); no se cambió nada</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>La tabla de particiones del disco de destino no tiene ninguna entrada libre para la copia; no se cambió nada</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>La tabla de particiones del disco de destino ya no deja espacio para la copia en el byte %1; no se cambió nada</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>Partición del sistema EFI</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>Partición de recuperación</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>Reservado para el sistema</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>Partición %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>Paso 1: seleccione el disco del sistema</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>Elija el disco que contiene la instalación actual de Windows. Solo se clonan las particiones de arranque y del sistema.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>Paso 1: seleccione el disco de origen</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>Elija el disco que desea clonar.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>Paso 1: seleccione la partición de origen</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>Elija la partición que desea clonar.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>No se encontraron discos.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>No se encontraron particiones.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>Paso 2: seleccione el disco de destino</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>Elija el disco de destino. Se borrarán todos los datos existentes en el disco de destino.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>No hay ningún otro disco disponible como destino.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>Elija el disco de destino y luego dónde va la copia en él: el disco entero (se borra), su mayor región libre (todas las particiones se conservan) o una de sus particiones (se sobrescribe).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>No se ofrecen las particiones más pequeñas que la partición de origen ni las montadas.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>Disco entero</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>Se borran todas las particiones del disco; la copia empieza en 1 MiB.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>Mayor región libre</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%1 libres en %2; la copia se añade como partición nueva y todas las particiones se conservan.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>este sistema no toma instantáneas de ellos</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>Los volúmenes %1 del origen están montados en lectura y escritura y no se pueden leer mediante una instantánea (%2); una copia leída mientras cambian puede quedar inconsistente. Desmóntelos o móntelos de solo lectura, o acepte leerlos en vivo (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>No se puede leer la instantánea del volumen de origen %1: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>Asignación de espacio del disco de destino</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>Elija qué hacer con el espacio restante</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>Ampliar partición de sistema (todo el disco)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>Amplía la partición del sistema hasta ocupar todo el disco.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>Crear una partición de datos aparte</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etiqueta:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>Mantener como espacio sin asignar</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>Deja el espacio restante sin particionar. Puede particionarlo manualmente más tarde.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>Ampliar la partición del sistema</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>Crear partición de datos</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>Dejar sin asignar</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>Configurando el sistema para la migración de hardware...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>Habilitando los controladores de almacenamiento estándar...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>Manteniendo habilitados los controladores de almacenamiento existentes...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>Reconstruyendo la configuración de arranque...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>Configurando opciones de arranque...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>La partición %1 no comienza en un sector de %2 bytes</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>La partición %1 se solapa con la partición anterior</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>La partición %1 superaría el tamaño del disco de destino</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>Cambiando el tamaño de la partición %1: %2 -&gt; %3 bytes</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>Partición de datos %1 creada: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Clonación del sistema</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>Migrar el sistema operativo a un disco nuevo con reparación automática del arranque</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>El arranque heredado (MBR) en el destino requiere un disco de sistema de origen MBR.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>El arranque UEFI (GPT) en el destino requiere un disco de sistema de origen GPT.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>No se encontraron particiones del sistema en el disco de origen</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>El disco de destino es demasiado pequeño. Espacio usado: %1 GB, destino: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Limpiando el disco de destino...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>No se pudo limpiar el disco de destino: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>El disco de destino es más pequeño de lo que indica su registro (%1 bytes); no se ha copiado nada</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>El tamaño del disco de origen no es válido</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disco completo</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>tabla de particiones</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>La partición %1 está más allá del final del disco de origen; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>El sistema de archivos de la partición %1 declara más espacio del que tiene la partición; repárelo antes de clonar; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>No se pudo leer la partición %1: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Los discos no están abiertos (prepárelos primero)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>Copiando el disco completo sector por sector...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copiando la tabla de particiones...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copiando la partición %1 de %2: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>No se pudo vaciar el destino: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>Corrigiendo la tabla de particiones...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>No se pudo corregir el encabezado GPT: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>No se pudo actualizar la tabla de particiones del destino: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>No se pudo actualizar el sector de arranque de la partición movida %1: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>Creando la partición de datos...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>Ampliando la partición del sistema...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>Formateando la partición de datos...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>No se puede identificar con seguridad una partición de datos aparte; se rechaza el formateo</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>El disco de origen no tiene ninguna partición activa; sin bcdboot no se puede hacer arrancable la copia</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>El origen arranca desde la partición %1, que una clonación del sistema no copia; sin bcdboot no se puede hacer arrancable la copia</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partición %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>El mapa de uso de la partición %1 no es fiable (%2); repare el sistema de archivos antes de clonar; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>No se creó ninguna partición de datos: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>La partición de datos «%1» no se creó: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>La partición de datos «%1» se creó, pero no se formateó (formatéela antes de usarla): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>No se pudo abrir el disco de origen: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>No se pudo abrir el disco de destino: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>No se puede volver a leer el disco de destino para la reparación del arranque</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>La partición del sistema no se amplió: ninguna de las particiones copiadas es un volumen de Windows</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>La partición del sistema %1 no se amplió: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>La partición del sistema %1 no se amplió: no se pudo ampliar su sistema de archivos: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>Partición de datos: no creada, el destino no tiene espacio después de las particiones del sistema</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>Partición del sistema: no ampliada, el destino no tiene espacio después de las particiones del sistema</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>Pasar un disco de sistema BIOS (MBR) a arranque UEFI necesita una nueva tabla de particiones; una copia sector a sector no puede hacerlo.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>El paso a arranque UEFI necesita el volumen de Windows del disco de origen y no se encontró ninguno.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>Formateando la nueva partición del sistema EFI...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>No se pudo crear la nueva partición del sistema EFI: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>Escribiendo la nueva GPT...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>Clonando datos</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>Reparando la configuración de arranque</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>Verificando datos</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>Ampliar la partición del sistema</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>Mantener el original + crear partición de datos</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>Mantener el tamaño original</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>Acerca de Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Una solución profesional de clonación de discos y migración del sistema para Windows.
Clone discos completos, migre sistemas operativos, copie particiones seleccionadas y cree unidades de arranque fiables con clonación inteligente y optimización para SSD.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>Seleccione una partición de origen.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>Seleccione un disco de origen.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>Seleccione un disco de destino.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>El disco %1 no tiene ninguna región libre lo bastante grande para la partición de origen.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>Seleccione una partición de destino al menos tan grande como la partición de origen.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>Origen: partición %1 (%2) en el disco %3</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>Origen: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>Destino: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>¿Continuar?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>Se borrarán todos los datos del disco de destino.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>La copia será una partición nueva en la región libre del disco de %1 en %2. No se sobrescribe nada; todas las particiones del disco se conservan: %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>La partición %1 (%2, %3) se sobrescribirá y se perderá todo su contenido. Las demás particiones del disco se conservan: %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>Se borrará todo el disco de destino, con todas sus particiones: %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>solo datos usados</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>sector a sector</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>completa</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2, sector %3 al sector %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total general: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>Se copia al destino:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>Tabla de particiones:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>Espacio restante:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>Reparación de arranque:</translation>
    </message>
</context>
</TS>
