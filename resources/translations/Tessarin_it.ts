<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Riparazione della configurazione di avvio in corso...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>Esecuzione di bcdboot per ricostruire il BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Configurazione della modalità di avvio portatile...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>Tentativo di riparazione manuale del BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>Configurazione delle impostazioni di avvio portatile...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>Pulizia delle voci di avvio non valide...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>Avvio della riparazione dell&apos;avvio...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>Aggiornamento del BCD...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>Verifica della configurazione di avvio...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>Riparazione del settore di avvio MBR...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>Aggiornamento del flag di avvio della partizione...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>Riparazione dell&apos;avvio UEFI...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>Partizione di sistema EFI non trovata</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>Aggiornamento delle voci di avvio UEFI...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Impossibile rileggere il disco di destinazione per la riparazione dell&apos;avvio</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>Modalità di avvio di destinazione</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>Scegliere la modalità di avvio del disco di destinazione</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>Modalità UEFI (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Consigliato</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>Consigliato per computer prodotti dopo il 2012. Supporta dischi più grandi di 2 TB.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>Modalità legacy (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>Per computer meno recenti o esigenze particolari. Supporta dischi fino a 2 TB.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  Il computer di destinazione deve supportare la modalità di avvio selezionata.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Tradizionale (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>bcdedit/bcdboot non sono disponibili su questo sistema; i dati sono stati copiati, la configurazione di avvio non è stata aggiornata</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>Nessun comando indicato; vedere --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Comando sconosciuto: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opzione sconosciuta: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>Modalità di clonazione sconosciuta: %1 (disk, system o partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>L&apos;opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>Valore non valido per %1: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space e --data-label valgono solo per la clonazione del sistema</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart e --sector-by-sector si escludono a vicenda</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>Una clonazione richiede un&apos;origine e una destinazione</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>Una clonazione di partizione indica l&apos;origine come DISCO:PARTIZIONE</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>I numeri di partizione valgono solo per la clonazione di partizioni</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>Nessun disco elencato è %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>Il disco %1 non ha la partizione %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>Il disco %1 non viene sovrascritto senza --yes: nessun terminale per confermare</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>Tutto il contenuto del disco %1 (%2) verrà sovrascritto. Digitare il numero del disco per continuare: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>Non confermato; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>Indicare il disco da controllare</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>Valore non valido per --data-label: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 non indica una partizione: dopo i due punti va un numero di partizione (1 o più) oppure, per la destinazione, free</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>Tutto il contenuto della partizione %1 del disco %2 (%3) verrà sovrascritto; le altre partizioni del disco restano. Digitare il numero del disco per continuare: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>La copia va nella regione libera più grande del disco %1 (%2); le sue partizioni restano. Digitare il numero del disco per continuare: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>La partizione di origine non è valida</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>Il disco o la partizione di destinazione non è valido</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>La partizione di origine e il disco di destinazione non possono trovarsi sullo stesso disco</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>La partizione di origine e quella di destinazione non possono coincidere</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO non inizializzato (chiamare prima setDiskIO)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Copia di %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>Rigenerazione degli identificatori del disco...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>Impossibile assegnare nuovi GUID GPT alla copia: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>Aggiornamento della firma del disco...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>Impossibile assegnare alla copia una nuova firma del disco MBR: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Impossibile svuotare la destinazione: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Riparazione della configurazione di avvio in corso...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>Riparazione dell&apos;avvio: saltata, il disco di origine non contiene un&apos;installazione di Windows</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>Confronto di ciò che l&apos;esecuzione interrotta ha copiato di %1...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>Passaggio 3: configurare e confermare</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>Disco di origine</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>Disco di destinazione</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>Impostazioni di clonazione</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>Modalità di avvio di destinazione</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>Spazio del disco di destinazione</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>Partizione di origine</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>Questa clonazione non può iniziare: %1</translation>
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
        <translation>%1; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>La destinazione %1 è l&apos;origine %2 con un altro nome, o ne condivide lo spazio</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>La destinazione %1 è in uso: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>Impossibile aprire la destinazione %1 in scrittura: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>La destinazione %1 è in uso: %2; chiudere i programmi che la usano e riprovare</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>Un&apos;altra clonazione sta usando %1 o %2: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>Clonazione in corso...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>Preparazione dell&apos;operazione di clonazione...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>Velocità: -- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>Tempo rimanente: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>Velocità: %1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>Tempo rimanente: %1 h %2 min</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>Tempo rimanente: %1 s</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>Tempo rimanente: %1 min %2 s</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>Riparazione dell&apos;avvio in corso. Attendere il termine.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>Clonazione completata</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>La clonazione e la riparazione dell&apos;avvio sono state completate correttamente.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Clonazione completata correttamente</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>Clonazione non riuscita</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>Clonazione non riuscita: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>Verificati %1 di dati copiati</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>Clonazione completata con avvisi</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>I settori illeggibili sono elencati in %1</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>Controlla destinazione: nessun errore</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>Controlla destinazione: la copia potrebbe non avviarsi così com&apos;è</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>La clonazione è stata completata correttamente.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>Clonazione annullata</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>Non è stato scritto nulla sulla destinazione.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>La clonazione è stata fermata prima della fine; la destinazione può contenere una copia incompleta.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>Continua questa clonazione da dove si è fermata; ciò che è già sulla destinazione non viene ricopiato</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>La clonazione è stata fermata prima della fine. Riprendi continua da dove si è fermata.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>Origine in uso</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>I volumi %1 dell&apos;origine sono montati in lettura e scrittura e non è possibile crearne uno snapshot. Una copia letta mentre cambiano può risultare incoerente e non avviarsi.

Leggerli comunque in tempo reale?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>Clonazione interrotta</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>Una clonazione da questa origine a questa destinazione è stata interrotta con %1 di %2 copiati.

Riprenderla copiando solo il resto, o ricominciare e copiare tutto?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Ricomincia</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>Il disco di origine non è valido</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>Il disco di destinazione non è valido</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>Il disco di origine e quello di destinazione non possono coincidere</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>Il disco %1 contiene il sistema in esecuzione (cartella di Windows, volume di avvio o file di paging) e non è mai una destinazione</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>Il disco di destinazione è più piccolo di quello di origine</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>La clonazione di sistema settore per settore richiede un disco di destinazione non più piccolo di quello di origine</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>I dischi di origine e di destinazione hanno dimensioni di settore logico diverse (%1 e %2 byte); una clonazione richiede la stessa dimensione di settore su entrambi</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>La tabella delle partizioni del disco di origine è danneggiata (%1); non è stato modificato nulla</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>Non c&apos;è alcun registro di una clonazione interrotta da questa origine a questa destinazione da riprendere (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>Il registro della clonazione interrotta non è utilizzabile: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>Il registro è stato scritto per un altro disco di origine (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>Il registro è stato scritto per un altro disco di destinazione (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>La clonazione interrotta aveva un altro piano (altre opzioni, o lo spazio usato dell&apos;origine è cambiato)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>L&apos;origine è cambiata dalla clonazione interrotta</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; riavvia la clonazione senza ripresa per copiare tutto</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>Impossibile leggere i dischi per controllare la clonazione interrotta: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>La destinazione non contiene più ciò che il registro dice copiato (il byte %1 differisce); riavvia la clonazione senza ripresa per copiare tutto</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>Impossibile scrivere il registro della clonazione: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>Lo stesso comando con --resume continua da dove questa esecuzione si è fermata</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>Impostazioni di clonazione</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>Clonazione intelligente (consigliata)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>consigliato</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>Copia solo i settori usati — più veloce e consente la migrazione verso un disco più piccolo.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>Allineamento 4K (ottimizzazione SSD)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>Allinea le partizioni ai limiti di 4K per prestazioni SSD migliori.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>Clonazione settore per settore</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>Copia ogni settore, incluso lo spazio inutilizzato — più lento ma completo.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  La clonazione intelligente e quella settore per settore si escludono a vicenda.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>Clonazione intelligente</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>Allineamento 4K</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>Nessuna opzione selezionata</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>Verifica la copia</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>Rileggere dalla destinazione ogni intervallo copiato e confrontarlo con l&apos;origine.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>Continua oltre i settori illeggibili</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>Scrivere zeri al posto dei settori di origine illeggibili ed elencarli in un file accanto al registro.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>Operazione di clonazione annullata</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Clonazione completata correttamente</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>Operazione di clonazione non riuscita</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Riparazione della configurazione di avvio in corso...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>Riparazione dell&apos;avvio non riuscita</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>Clonazione completata con settori illeggibili: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>Controllo della destinazione...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>Clonazione completata con avvisi: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>il controllo della copia ha trovato errori; potrebbe non avviarsi così com&apos;è</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>Riparazione dell&apos;avvio: non richiesta</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>L’etichetta della partizione dati è vuota</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>L’etichetta della partizione dati supera i %1 caratteri</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>L’etichetta della partizione dati contiene virgolette doppie, un a capo o un altro carattere di controllo</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>Archiviazione SSD</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>Archiviazione HDD</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Non inizializzato</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>Disco di sistema</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - Clonazione di sistema: solo partizioni di avvio + Windows</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>%1 di spazio disponibile - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>Non clonata</translation>
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
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabella illeggibile</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>Ricostruzione dei file di avvio...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Configurazione della modalità di avvio portatile...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>Configurazione del sistema per l&apos;avvio da USB...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Clonazione disco</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>Clona l&apos;intero disco con tutte le partizioni e i record di avvio</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Pulizia del disco di destinazione...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>tabella delle partizioni</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Impossibile pulire il disco di destinazione: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Copia di %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copia della tabella delle partizioni...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copia della partizione %1 di %2: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>Impossibile scrivere la GPT per la dimensione del disco di destinazione: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partizione %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>La mappa di utilizzo della partizione %1 non è affidabile (%2); la partizione è stata copiata per intero</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Impossibile aprire il disco di origine: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Impossibile aprire il disco di destinazione: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disco intero</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>Copia dell&apos;intero disco settore per settore...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Impossibile rileggere il disco di destinazione per la riparazione dell&apos;avvio</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>Non inizializzato</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 partizione/i</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabella illeggibile</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>Origine e destinazione sono lo stesso dispositivo: %1 e %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>Impossibile aprire l&apos;origine: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>Impossibile aprire la destinazione: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>Origine non aperta</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>Lettura non riuscita al settore %1: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>Destinazione non aperta</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>Lettura della destinazione non riuscita al settore %1: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>Scrittura non riuscita al settore %1: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>Buffer allineato non allocato</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>Origine o destinazione non aperta</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Impossibile svuotare la destinazione: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>Verifica non riuscita: il settore %1 della destinazione differisce dall&apos;origine</translation>
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
        <translation>Impossibile leggere la tabella delle partizioni: settore %1 illeggibile</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>Ripristino</translation>
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
        <translation>Errore di configurazione</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Impossibile caricare il collegamento della pagina.

Contattare l&apos;assistenza tecnica o reinstallare il software.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Impossibile aprire il browser</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Impossibile aprire il browser predefinito.

Copiare questo collegamento e aprirlo manualmente:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>Clonazione di dischi</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>MODALITÀ DI CLONAZIONE</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Clonazione disco</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Clonazione di sistema</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>Clonazione partizione</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>PASSAGGI</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  Indietro</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partizione</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>Avvia clonazione  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>Avanti  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>Selezione richiesta</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>Conferma clonazione</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>Avvio dell&apos;operazione di clonazione...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>Partizione di origine: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>Disco di origine: %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>Disco di destinazione: %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>Modalità di avvio: %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>Allocazione dello spazio: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Attendere</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>La riparazione dell&apos;avvio è in corso e non può essere interrotta in sicurezza.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>Annulla clonazione</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>Annullare l&apos;operazione di clonazione in corso?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>Annullamento richiesto</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>Un&apos;operazione di clonazione o di riparazione dell&apos;avvio è ancora in corso. Attendere il termine prima di chiudere Tessarin.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>%1 totali  ·  Disco %2 Partizione %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 usati</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>Clonazione partizione</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>Clona una singola partizione in un&apos;altra posizione</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>La partizione di origine e il disco di destinazione non possono trovarsi sullo stesso disco</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>La partizione di destinazione non si trova sul disco di destinazione</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>Il disco di destinazione è troppo piccolo (%1) per i dati di origine (%2)</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>La partizione di destinazione è troppo piccola (%1) per i dati di origine (%2)</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>La partizione di destinazione è montata in %1; smontarla prima</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Impossibile aprire il disco di origine: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Impossibile aprire il disco di destinazione: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>La partizione di origine non occupa settori interi da %1 byte; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>Impossibile leggere la partizione di origine (%1); non è stato modificato nulla</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>La partizione di destinazione non inizia su un settore da %1 byte; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>Impossibile leggere la tabella delle partizioni del disco di destinazione: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>La tabella delle partizioni del disco di destinazione è danneggiata (%1); non è stato modificato nulla</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>La partizione di destinazione non è una voce primaria della tabella delle partizioni del disco di destinazione; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>Il disco di destinazione non ha spazio sufficiente per la partizione di origine; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>La copia terminerebbe oltre il limite indirizzabile da una voce MBR; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Pulizia del disco di destinazione...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Impossibile pulire il disco di destinazione: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>Il disco di destinazione ora riporta settori da %1 byte anziché %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>Il disco di destinazione non ha spazio sufficiente per la partizione di origine</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>Il settore di avvio della copia non può descrivere la sua nuova posizione: %1; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>I dischi non sono aperti (eseguire prima la preparazione)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>Copia della partizione: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>Aggiornamento del settore di avvio...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>Creazione della voce di partizione...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>Impossibile creare la voce di partizione - la partizione non sarà visibile: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Impossibile svuotare la destinazione: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>Impossibile aggiornare il settore di avvio - la partizione potrebbe non essere accessibile: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>Impossibile leggere l&apos;MBR dal disco di destinazione: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>Impossibile scrivere l&apos;MBR: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Riparazione della configurazione di avvio in corso...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>La riparazione dell&apos;avvio del disco di destinazione non è riuscita</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partizione %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>La mappa di utilizzo della partizione %1 non è affidabile (%2); la partizione è stata copiata per intero</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>Riparazione dell&apos;avvio: saltata, l&apos;origine non è una partizione di sistema</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>La riparazione dell&apos;avvio della copia non è riuscita: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>Il disco %1 non ha una tabella delle partizioni da mantenere; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>La regione libera più grande del disco %1 (%2) non può contenere la partizione di origine (%3); non è stato modificato nulla</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>La tabella delle partizioni del disco di destinazione non ha voci libere per la copia; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>La tabella delle partizioni del disco di destinazione non lascia più spazio per la copia al byte %1; non è stato modificato nulla</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>Partizione di sistema EFI</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>Partizione di ripristino</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>Riservata al sistema</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>Partizione %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>Passaggio 1: selezionare il disco di sistema</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>Scegliere il disco che contiene l&apos;installazione di Windows attuale. Vengono clonate solo le partizioni di avvio e di sistema.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>Passaggio 1: selezionare il disco di origine</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>Scegliere il disco da clonare.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>Passaggio 1: selezionare la partizione di origine</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>Scegliere la partizione da clonare.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>Nessun disco trovato.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>Nessuna partizione trovata.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>Passaggio 2: selezionare il disco di destinazione</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>Scegliere il disco di destinazione. Tutti i dati presenti sul disco di destinazione verranno cancellati.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>Nessun altro disco disponibile come destinazione.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>Scegli il disco di destinazione, poi dove va la copia: il disco intero (cancellato), la sua area libera più grande (tutte le partizioni restano) o una delle sue partizioni (sovrascritta).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>Le partizioni più piccole della partizione di origine, o montate, non sono proposte.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>Disco intero</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>Tutte le partizioni del disco vengono cancellate; la copia inizia a 1 MiB.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>Area libera più grande</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%1 liberi a %2; la copia viene aggiunta come nuova partizione e tutte le partizioni restano.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>questo sistema non crea snapshot di questi volumi</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>I volumi %1 dell&apos;origine sono montati in lettura e scrittura e non possono essere letti tramite uno snapshot (%2); una copia letta mentre cambiano può risultare incoerente. Smontali o montali in sola lettura, oppure accetta di leggerli in tempo reale (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>Impossibile leggere lo snapshot del volume di origine %1: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>Allocazione dello spazio del disco di destinazione</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>Scegliere come gestire lo spazio rimanente</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>Espandi partizione sistema (tutto lo spazio)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>Estende la partizione di sistema all&apos;intero disco.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>Crea una partizione dati separata</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Consigliato</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etichetta:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>Mantieni come spazio non allocato</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>Lascia lo spazio rimanente non partizionato. Potrà essere partizionato manualmente in seguito.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>Espandi la partizione di sistema</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>Crea partizione dati</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>Lascia non allocato</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>Configurazione del sistema per la migrazione hardware...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>Attivazione dei driver di archiviazione standard...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>Mantenimento dei driver di archiviazione esistenti attivi...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>Ricostruzione della configurazione di avvio...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>Configurazione delle opzioni di avvio...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>La partizione %1 non inizia su un settore da %2 byte</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>La partizione %1 si sovrappone alla partizione precedente</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>La partizione %1 supererebbe la dimensione del disco di destinazione</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>Ridimensionamento della partizione %1: %2 -&gt; %3 byte</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>Partizione dati %1 creata: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Clonazione di sistema</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>Migra il sistema operativo su un nuovo disco con riparazione automatica dell&apos;avvio</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>L&apos;avvio tradizionale (MBR) sulla destinazione richiede un disco di sistema di origine MBR.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>L&apos;avvio UEFI (GPT) sulla destinazione richiede un disco di sistema di origine GPT.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>Nessuna partizione di sistema trovata sul disco di origine</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>Il disco di destinazione è troppo piccolo. Spazio usato: %1 GB, destinazione: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Pulizia del disco di destinazione...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Impossibile pulire il disco di destinazione: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>Il disco di destinazione è più piccolo di quanto indicato dal suo record (%1 byte); non è stato copiato nulla</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>La dimensione del disco di origine non è valida</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>intero disco</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>tabella delle partizioni</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>La partizione %1 si trova oltre la fine del disco di origine; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>Il file system della partizione %1 dichiara più spazio di quello contenuto nella partizione; ripararlo prima della clonazione; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>Impossibile leggere la partizione %1: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>I dischi non sono aperti (eseguire prima la preparazione)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>Copia dell&apos;intero disco settore per settore...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copia della tabella delle partizioni...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copia della partizione %1 di %2: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Impossibile svuotare la destinazione: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>Correzione della tabella delle partizioni...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>Impossibile correggere l&apos;intestazione GPT: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>Impossibile aggiornare la tabella delle partizioni della destinazione: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>Impossibile aggiornare il settore di avvio della partizione spostata %1: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>Creazione della partizione dati...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>Espansione della partizione di sistema...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>Formattazione della partizione dati...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>Impossibile identificare con sicurezza una partizione dati separata; formattazione rifiutata</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>Il disco di origine non ha una partizione attiva; senza bcdboot la copia non può essere resa avviabile</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>L&apos;origine si avvia dalla partizione %1, che una clonazione di sistema non copia; senza bcdboot la copia non può essere resa avviabile</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partizione %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>La mappa di utilizzo della partizione %1 non è affidabile (%2); riparare il file system prima della clonazione; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>Nessuna partizione dati è stata creata: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>La partizione dati «%1» non è stata creata: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>La partizione dati «%1» è stata creata ma non formattata (formattarla prima dell’uso): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Impossibile aprire il disco di origine: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Impossibile aprire il disco di destinazione: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Impossibile rileggere il disco di destinazione per la riparazione dell&apos;avvio</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>La partizione di sistema non è stata estesa: nessuna delle partizioni copiate è un volume Windows</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>La partizione di sistema %1 non è stata estesa: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>La partizione di sistema %1 non è stata estesa: non è stato possibile estendere il suo file system: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>Partizione dati: non creata, la destinazione non ha spazio oltre le partizioni di sistema</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>Partizione di sistema: non espansa, la destinazione non ha spazio oltre le partizioni di sistema</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>Spostare un disco di sistema BIOS (MBR) all&apos;avvio UEFI richiede una nuova tabella delle partizioni; una copia settore per settore non può farlo.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>Il passaggio all&apos;avvio UEFI richiede il volume di Windows del disco di origine, e non ne è stato trovato nessuno.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>Formattazione della nuova partizione di sistema EFI...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>Impossibile creare la nuova partizione di sistema EFI: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>Scrittura della nuova GPT...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>Clonazione dei dati</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>Riparazione della configurazione di avvio</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>Verifica dei dati</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>Espandi la partizione di sistema</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>Mantieni l&apos;originale + crea partizione dati</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>Mantieni la dimensione originale</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>Informazioni su Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Una soluzione professionale per la clonazione di dischi e la migrazione di sistema per Windows.
Clona interi dischi, migra sistemi operativi, copia partizioni selezionate e crea unità avviabili affidabili con la clonazione intelligente e l&apos;ottimizzazione SSD.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>Selezionare una partizione di origine.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>Selezionare un disco di origine.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>Selezionare un disco di destinazione.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>Il disco %1 non ha un&apos;area libera abbastanza grande per la partizione di origine.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>Seleziona una partizione di destinazione grande almeno quanto la partizione di origine.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>Origine: partizione %1 (%2) sul disco %3</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>Origine: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>Destinazione: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Continuare?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>Tutti i dati sul disco di destinazione verranno cancellati.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>La copia diventa una nuova partizione nell&apos;area libera del disco di %1 a %2. Nulla viene sovrascritto; tutte le partizioni del disco restano: %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>La partizione %1 (%2, %3) verrà sovrascritta e tutto il suo contenuto andrà perso. Le altre partizioni del disco restano: %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>L&apos;intero disco di destinazione verrà cancellato, con tutte le sue partizioni: %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>solo dati usati</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>settore per settore</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>per intero</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2, settore %3 verso settore %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Totale: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>Copiato sulla destinazione:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>Tabella delle partizioni:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>Spazio restante:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>Riparazione avvio:</translation>
    </message>
</context>
</TS>
