<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Opstartconfiguratie wordt hersteld...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>bcdboot wordt uitgevoerd om BCD opnieuw op te bouwen...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Draagbare opstartmodus wordt geconfigureerd...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>Handmatig herstel van BCD wordt geprobeerd...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>Draagbare opstartinstellingen worden geconfigureerd...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>Ongeldige opstartvermeldingen worden opgeschoond...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>Opstartreparatie wordt gestart...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>BCD wordt bijgewerkt...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>Opstartconfiguratie wordt gecontroleerd...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>MBR-opstartsector wordt hersteld...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>Opstartvlag van de partitie wordt bijgewerkt...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>UEFI-opstart wordt hersteld...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>EFI-systeempartitie niet gevonden</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>UEFI-opstartvermeldingen worden bijgewerkt...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>De doelschijf kan voor het opstartherstel niet opnieuw worden gelezen</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>Opstartmodus van doel</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>Kies de opstartmodus voor de doelschijf</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>UEFI-modus (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Aanbevolen</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>Aanbevolen voor computers van na 2012. Ondersteunt schijven groter dan 2 TB.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>Legacy-modus (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>Voor oudere computers of speciale vereisten. Ondersteunt schijven tot 2 TB.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  De doelcomputer moet de gekozen opstartmodus ondersteunen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Legacy-BIOS (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>bcdedit/bcdboot zijn niet beschikbaar op dit systeem; de gegevens zijn gekopieerd, de opstartconfiguratie is niet bijgewerkt</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>Geen opdracht opgegeven; zie --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Onbekende opdracht: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Onbekende optie: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>Onbekende kloonmodus: %1 (disk, system of partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>Optie %1 heeft een waarde nodig</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>Ongeldige waarde voor %1: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space en --data-label gelden alleen voor systeemklonen</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart en --sector-by-sector sluiten elkaar uit</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>Een kloon heeft een bron en een doel nodig</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>Een partitiekloon noemt zijn bron als SCHIJF:PARTITIE</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>Partitienummers gelden alleen voor partitieklonen</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>Geen vermelde schijf is %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>Schijf %1 heeft geen partitie %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>Schijf %1 wordt zonder --yes niet overschreven: er is geen terminal om te bevestigen</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>Alles op schijf %1 (%2) wordt overschreven. Typ het schijfnummer om door te gaan: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>Niet bevestigd; er is niets geschreven</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>Geef de te controleren schijf op</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>Ongeldige waarde voor --data-label: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 noemt geen partitie: na de dubbele punt komt een partitienummer (1 of hoger) of, voor het doel, free</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>Alles op partitie %1 van schijf %2 (%3) wordt overschreven; de andere partities van de schijf blijven. Typ het schijfnummer om door te gaan: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>De kopie komt in het grootste vrije gebied van schijf %1 (%2); de partities ervan blijven. Typ het schijfnummer om door te gaan: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>De bronpartitie is ongeldig</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>De doelschijf of -partitie is ongeldig</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>Bronpartitie en doelschijf mogen niet op dezelfde schijf staan</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>Bron- en doelpartitie mogen niet dezelfde zijn</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO niet geïnitialiseerd (roep eerst setDiskIO aan)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Kopiëren van %1 mislukt: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>Schijf-ID&apos;s worden opnieuw gegenereerd...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>Kan de kopie geen nieuwe GPT-GUID&apos;s geven: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>Schijfhandtekening wordt bijgewerkt...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>Kan de kopie geen nieuwe MBR-schijfhandtekening geven: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Doel kon niet worden weggeschreven: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Opstartconfiguratie wordt hersteld...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>Opstartherstel: overgeslagen, de bronschijf bevat geen Windows-installatie</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>Vergelijken wat de onderbroken run van %1 heeft gekopieerd...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>Stap 3: configureren en bevestigen</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>Bronschijf</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>Doelschijf</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>Kloon-instellingen</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Instellingen...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>Opstartmodus van doel</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>Ruimte op de doelschijf</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>Bronpartitie</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>Deze kloon kan niet starten: %1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>schijf %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>schijf %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; er is niets geschreven</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>Het doel %1 is de bron %2 onder een andere naam, of deelt opslag ermee</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>Het doel %1 is in gebruik: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>Het doel %1 kan niet worden geopend om te schrijven: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>Het doel %1 is in gebruik: %2; sluit de programma&apos;s die het gebruiken en probeer het opnieuw</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>Een andere kloonbewerking gebruikt %1 of %2: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>Bezig met klonen...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>Kloontaak wordt voorbereid...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>Snelheid: -- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>Resterende tijd: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>Snelheid: %1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>Resterende tijd: %1 u %2 min</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>Resterende tijd: %1 s</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>Resterende tijd: %1 min %2 s</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>Opstartreparatie bezig. Wacht tot deze klaar is.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>Klonen voltooid</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>Het klonen en de opstartreparatie zijn voltooid.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Klonen is voltooid</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>Klonen mislukt</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>Klonen mislukt: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>%1 aan gekopieerde gegevens gecontroleerd</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>Klonen voltooid met waarschuwingen</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>Onleesbare sectoren staan vermeld in %1</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>Doel controleren: geen fouten</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>Doel controleren: de kopie start zo mogelijk niet op</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>Het klonen is voltooid.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>Klonen geannuleerd</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>Er is niets naar het doel geschreven.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>Het klonen is gestopt voordat het klaar was; het doel kan een onvolledige kopie bevatten.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>Deze kloon voortzetten waar hij stopte; wat al op het doel staat wordt niet opnieuw gekopieerd</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>De kloon is gestopt voordat hij klaar was. Hervatten gaat verder waar hij stopte.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>Bron in gebruik</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>De volumes %1 van de bron zijn met schrijfrechten gekoppeld en er kan geen momentopname van worden gemaakt. Een kopie die wordt gelezen terwijl ze veranderen kan inconsistent zijn en niet opstarten.

Toch live lezen?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>Onderbroken kloon</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>Een kloon van deze bron naar dit doel is onderbroken met %1 van %2 gekopieerd.

Hervatten en alleen de rest kopiëren, of opnieuw beginnen en alles kopiëren?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Opnieuw beginnen</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>De bronschijf is ongeldig</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>De doelschijf is ongeldig</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>Bron- en doelschijf mogen niet dezelfde zijn</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>Schijf %1 bevat het draaiende systeem (de Windows-map, het opstartvolume of een wisselbestand) en is nooit een doel</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>De doelschijf is kleiner dan de bronschijf</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>Sector-voor-sector systeemklonen vereist een doelschijf die niet kleiner is dan de bronschijf</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>Bron- en doelschijf hebben verschillende logische sectorgroottes (%1 en %2 bytes); een kloon vereist op beide dezelfde sectorgrootte</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>De partitietabel van de bronschijf is beschadigd (%1); er is niets gewijzigd</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>Er is geen journaal van een onderbroken kloon van deze bron naar dit doel om te hervatten (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>Het journaal van de onderbroken kloon is onbruikbaar: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>Het journaal is geschreven voor een andere bronschijf (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>Het journaal is geschreven voor een andere doelschijf (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>De onderbroken kloon had een ander plan (andere opties, of de gebruikte ruimte van de bron is veranderd)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>De bron is veranderd sinds de onderbroken kloon</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; start de kloon opnieuw zonder hervatten om alles te kopiëren</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>De schijven kunnen niet worden gelezen om de onderbroken kloon te controleren: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>Het doel bevat niet meer wat volgens het journaal is gekopieerd (byte %1 verschilt); start de kloon opnieuw zonder hervatten om alles te kopiëren</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>Het journaal van de kloon kan niet worden geschreven: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>Hetzelfde commando met --resume gaat verder waar deze run stopte</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>Kloon-instellingen</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>Slim klonen (aanbevolen)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>aanbevolen</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>Kopieert alleen gebruikte sectoren — sneller en ondersteunt migratie van groot naar klein.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>4K-uitlijning (SSD-optimalisatie)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>Lijnt partities uit op 4K-grenzen voor betere SSD-prestaties.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>Sector-voor-sector klonen</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>Kopieert elke sector inclusief ongebruikte ruimte — trager maar volledig.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  Slim klonen en sector-voor-sector klonen sluiten elkaar uit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>Slim klonen</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>4K-uitlijning</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>Geen opties geselecteerd</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>De kopie controleren</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>Elk gekopieerd bereik teruglezen van het doel en vergelijken met de bron.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>Doorgaan na onleesbare sectoren</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>Nullen schrijven voor bronsectoren die niet gelezen kunnen worden en ze vermelden in een bestand naast het logboek.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>Kloonbewerking geannuleerd</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Klonen is voltooid</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>Kloonbewerking mislukt</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Opstartconfiguratie wordt hersteld...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>Opstartreparatie mislukt</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>Klonen voltooid met onleesbare sectoren: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>Doel wordt gecontroleerd...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>Klonen voltooid met waarschuwingen: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>de controle van de kopie vond fouten; zo start ze mogelijk niet</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>Opstartherstel: niet gevraagd</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>Het label van de gegevenspartitie is leeg</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>Het label van de gegevenspartitie is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>Het label van de gegevenspartitie bevat een dubbel aanhalingsteken, een regeleinde of een ander stuurteken</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>SSD-opslag</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>HDD-opslag</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Niet geïnitialiseerd</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>Systeemschijf</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - Systeemkloon: alleen opstart- en Windows-partities</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>%1 vrije ruimte - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>Niet gekloond</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Schijf %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>Schijf %1: %2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Opstart</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Herstel</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabel onleesbaar</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>Opstartbestanden worden opnieuw opgebouwd...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Draagbare opstartmodus wordt geconfigureerd...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>Systeem wordt geconfigureerd voor opstarten via USB...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Schijfkloon</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>Volledige schijf klonen, inclusief alle partities en opstartrecords</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Doelschijf wordt opgeschoond...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>partitietabel</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Kan de doelschijf niet opschonen: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Kopiëren van %1 mislukt: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Partitietabel wordt gekopieerd...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Partitie %1 van %2 wordt gekopieerd: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>Kan de GPT voor de grootte van de doelschijf niet schrijven: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partitie %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>De gebruikskaart van partitie %1 is niet betrouwbaar (%2); de partitie is volledig gekopieerd</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Kan de bronschijf niet openen: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Kan de doelschijf niet openen: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>hele schijf</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>De hele schijf wordt sector voor sector gekopieerd...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>De doelschijf kan voor het opstartherstel niet opnieuw worden gelezen</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>Niet geïnitialiseerd</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 partitie(s)</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabel onleesbaar</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>Bron en doel zijn hetzelfde apparaat: %1 en %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>Bron kon niet worden geopend: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>Doel kon niet worden geopend: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>Bron niet geopend</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>Lezen mislukt bij sector %1: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>Doel niet geopend</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>Lezen van doel mislukt bij sector %1: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>Schrijven mislukt bij sector %1: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>Uitgelijnde buffer niet toegewezen</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>Bron of doel niet geopend</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Doel kon niet worden weggeschreven: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>Controle mislukt: sector %1 van het doel wijkt af van de bron</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>Schijf %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>Schijf %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>Kan de partitietabel niet lezen: sector %1 is onleesbaar</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>Herstel</translation>
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
        <translation>Configuratiefout</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>De paginakoppeling kan niet worden geladen.

Neem contact op met de technische ondersteuning of installeer de software opnieuw.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Browser kan niet worden geopend</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>De standaardbrowser kan niet worden geopend.

Kopieer deze koppeling en open deze handmatig:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>Schijven klonen</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>KLOONMODUS</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Schijfkloon</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Systeemkloon</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>Partitiekloon</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>STAPPEN</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  Terug</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partitie</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>Klonen starten  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>Volgende  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>Selectie vereist</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>Klonen bevestigen</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>Kloontaak wordt gestart...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>Bronpartitie: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>Bronschijf: %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>Doelschijf: %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>Opstartmodus: %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>Ruimteverdeling: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Even geduld</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>Opstartreparatie is bezig en kan niet veilig worden onderbroken.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>Klonen annuleren</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>De huidige kloontaak annuleren?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>Annulering aangevraagd</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>Er loopt nog een kloon- of opstartreparatietaak. Wacht tot deze klaar is voordat u Tessarin sluit.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>%1 totaal  ·  Schijf %2 Partitie %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 gebruikt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Herstel</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Opstart</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>Partitiekloon</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>Eén partitie naar een andere locatie klonen</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>Bronpartitie en doelschijf mogen niet op dezelfde schijf staan</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>De doelpartitie staat niet op de doelschijf</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>De doelschijf is te klein (%1) voor de brongegevens (%2)</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>De doelpartitie is te klein (%1) voor de brongegevens (%2)</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>De doelpartitie is aangekoppeld op %1; ontkoppel deze eerst</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Kan de bronschijf niet openen: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Kan de doelschijf niet openen: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>De bronpartitie ligt niet op hele sectoren van %1 bytes; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>De bronpartitie kan niet worden gelezen (%1); er is niets gewijzigd</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>De doelpartitie begint niet op een sector van %1 bytes; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>Kan de partitietabel van de doelschijf niet lezen: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>De partitietabel van de doelschijf is beschadigd (%1); er is niets gewijzigd</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>De doelpartitie is geen primaire vermelding in de partitietabel van de doelschijf; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>De doelschijf heeft niet genoeg ruimte voor de bronpartitie; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>De kopie zou eindigen voorbij wat een MBR-vermelding kan adresseren; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Doelschijf wordt opgeschoond...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Kan de doelschijf niet opschonen: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>De doelschijf meldt nu sectoren van %1 bytes in plaats van %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>De doelschijf heeft niet genoeg ruimte voor de bronpartitie</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>De opstartsector van de kopie kan de nieuwe locatie niet beschrijven: %1; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>De schijven zijn niet geopend (eerst voorbereiden)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>Partitie wordt gekopieerd: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>Opstartsector wordt bijgewerkt...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>Partitievermelding wordt aangemaakt...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>Kan de partitievermelding niet aanmaken - de partitie zal niet zichtbaar zijn: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Doel kon niet worden weggeschreven: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>Kan de opstartsector niet bijwerken - de partitie is mogelijk niet toegankelijk: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>Kan de MBR van de doelschijf niet lezen: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>Kan de MBR niet schrijven: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Opstartconfiguratie wordt hersteld...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>Het opstartherstel van de doelschijf is mislukt</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partitie %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>De gebruikskaart van partitie %1 is niet betrouwbaar (%2); de partitie is volledig gekopieerd</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>Opstartherstel: overgeslagen, de bron is geen systeempartitie</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>Het opstartherstel van de kopie is mislukt: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>Schijf %1 heeft geen partitietabel om te behouden; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>Het grootste vrije gebied van schijf %1 (%2) kan de bronpartitie (%3) niet bevatten; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>De partitietabel van de doelschijf heeft geen vrije ingang voor de kopie; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>De partitietabel van de doelschijf laat bij byte %1 geen ruimte meer voor de kopie; er is niets gewijzigd</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>EFI-systeempartitie</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>Herstelpartitie</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>Gereserveerd voor systeem</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>Partitie %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>Stap 1: selecteer de systeemschijf</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>Kies de schijf met de huidige Windows-installatie. Alleen opstart- en systeempartities worden gekloond.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>Stap 1: selecteer de bronschijf</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>Kies de schijf die u wilt klonen.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>Stap 1: selecteer de bronpartitie</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>Kies de partitie die u wilt klonen.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>Geen schijven gevonden.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>Geen partities gevonden.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>Stap 2: selecteer de doelschijf</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>Kies de doelschijf. Alle bestaande gegevens op de doelschijf worden gewist.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>Er is geen andere schijf beschikbaar als doel.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>Kies de doelschijf en daarna waar de kopie erop komt: de hele schijf (gewist), het grootste vrije gebied (alle partities blijven) of een van de partities (overschreven).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>Partities die kleiner zijn dan de bronpartitie, of gekoppeld, worden niet aangeboden.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>Hele schijf</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>Alle partities op de schijf worden gewist; de kopie begint op 1 MiB.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>Grootste vrije gebied</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%1 vrij op %2; de kopie wordt als nieuwe partitie toegevoegd en alle partities blijven.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>dit systeem maakt geen momentopnamen van deze volumes</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>De volumes %1 van de bron zijn met schrijfrechten gekoppeld en kunnen niet via een momentopname worden gelezen (%2); een kopie die wordt gelezen terwijl ze veranderen kan inconsistent zijn. Ontkoppel ze of koppel ze alleen-lezen, of accepteer dat ze live worden gelezen (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>De momentopname van bronvolume %1 kan niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>Ruimteverdeling van de doelschijf</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>Kies wat er met de resterende ruimte gebeurt</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>Systeempartitie uitbreiden (alle ruimte)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>Breidt de systeempartitie uit over de hele schijf.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>Een aparte gegevenspartitie maken</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Aanbevolen</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>Behouden als niet-toegewezen ruimte</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>Laat de resterende ruimte ongepartitioneerd. U kunt deze later handmatig partitioneren.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>Systeempartitie uitbreiden</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>Gegevenspartitie maken</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>Niet-toegewezen laten</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>Systeem wordt geconfigureerd voor hardwaremigratie...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>Standaard opslagstuurprogramma&apos;s worden ingeschakeld...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>Bestaande opslagstuurprogramma&apos;s blijven ingeschakeld...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>Opstartconfiguratie wordt opnieuw opgebouwd...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>Opstartopties worden geconfigureerd...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>Partitie %1 begint niet op een sector van %2 bytes</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>Partitie %1 overlapt de voorgaande partitie</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>Partitie %1 zou de grootte van de doelschijf overschrijden</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>Grootte van partitie %1 wordt gewijzigd: %2 -&gt; %3 bytes</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>Gegevenspartitie %1 aangemaakt: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Systeemkloon</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>Besturingssysteem naar een nieuwe schijf migreren met automatisch opstartherstel</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>Legacy-BIOS-opstart (MBR) op het doel vereist een MBR-bronsysteemschijf.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>UEFI-opstart (GPT) op het doel vereist een GPT-bronsysteemschijf.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>Geen systeempartities gevonden op de bronschijf</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>De doelschijf is te klein. Gebruikte ruimte: %1 GB, doel: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Doelschijf wordt opgeschoond...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Kan de doelschijf niet opschonen: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>De doelschijf is kleiner dan opgegeven (%1 bytes); er is niets gekopieerd</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>De grootte van de bronschijf is ongeldig</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>hele schijf</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>partitietabel</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>Partitie %1 ligt voorbij het einde van de bronschijf; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>Het bestandssysteem van partitie %1 claimt meer ruimte dan de partitie bevat; herstel het vóór het klonen; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>Kan partitie %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>De schijven zijn niet geopend (eerst voorbereiden)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>Hele schijf wordt sector voor sector gekopieerd...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Partitietabel wordt gekopieerd...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Partitie %1 van %2 wordt gekopieerd: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Doel kon niet worden weggeschreven: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>Partitietabel wordt gecorrigeerd...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>Kan de GPT-header niet corrigeren: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>Kan de partitietabel van het doel niet bijwerken: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>Kan de opstartsector van verplaatste partitie %1 niet bijwerken: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>Gegevenspartitie wordt aangemaakt...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>Systeempartitie wordt uitgebreid...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>Gegevenspartitie wordt geformatteerd...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>Kan een aparte gegevenspartitie niet veilig herkennen; formatteren wordt geweigerd</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>De bronschijf heeft geen actieve partitie; zonder bcdboot kan de kopie niet opstartbaar worden gemaakt</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>De bron start vanaf partitie %1, die een systeemkloon niet kopieert; zonder bcdboot kan de kopie niet opstartbaar worden gemaakt</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partitie %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>De gebruikskaart van partitie %1 is niet betrouwbaar (%2); herstel het bestandssysteem voor het klonen; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>Er is geen gegevenspartitie gemaakt: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>De gegevenspartitie ‘%1’ is niet gemaakt: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>De gegevenspartitie ‘%1’ is gemaakt maar niet geformatteerd (formatteer deze vóór gebruik): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Kan de bronschijf niet openen: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Kan de doelschijf niet openen: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>De doelschijf kan voor het opstartherstel niet opnieuw worden gelezen</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>De systeempartitie is niet vergroot: geen van de gekopieerde partities is een Windows-volume</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>De systeempartitie %1 is niet vergroot: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>De systeempartitie %1 is niet vergroot: het bestandssysteem kon niet worden vergroot: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>Gegevenspartitie: niet gemaakt, het doel heeft geen ruimte na de systeempartities</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>Systeempartitie: niet vergroot, het doel heeft geen ruimte na de systeempartities</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>Een BIOS-systeemschijf (MBR) naar UEFI-opstart verhuizen vraagt een nieuwe partitietabel; een sector-voor-sectorkopie kan dat niet.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>De overstap naar UEFI-opstart vraagt het Windows-volume van de bronschijf, en er is er geen gevonden.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>Nieuwe EFI-systeempartitie wordt geformatteerd...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>De nieuwe EFI-systeempartitie kon niet worden gemaakt: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>Nieuwe GPT wordt geschreven...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>Inactief</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>Gegevens klonen</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>Opstartconfiguratie herstellen</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>Gegevens controleren</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>Systeempartitie uitbreiden</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>Origineel behouden + gegevenspartitie maken</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>Oorspronkelijke grootte behouden</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>Over Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Een professionele oplossing voor het klonen van schijven en het migreren van systemen voor Windows.
Kloon volledige schijven, migreer besturingssystemen, kopieer geselecteerde partities en maak betrouwbare opstartbare schijven met slim klonen en SSD-optimalisatie.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Ondersteuning</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>Selecteer een bronpartitie.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>Selecteer een bronschijf.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>Selecteer een doelschijf.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>Schijf %1 heeft geen vrij gebied dat groot genoeg is voor de bronpartitie.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>Selecteer een doelpartitie die minstens zo groot is als de bronpartitie.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>Bron: partitie %1 (%2) op schijf %3</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>Bron: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>Doel: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Doorgaan?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>Alle gegevens op de doelschijf worden gewist.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>De kopie wordt een nieuwe partitie in het vrije gebied van de schijf van %1 op %2. Er wordt niets overschreven; alle partities op de schijf blijven: %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>Partitie %1 (%2, %3) wordt overschreven en alles erop gaat verloren. De andere partities van de schijf blijven: %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>De hele doelschijf wordt gewist, met alle partities erop: %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>alleen gebruikte gegevens</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>sector voor sector</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>volledig</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2, sector %3 naar sector %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Totaal: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>Naar het doel gekopieerd:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>Partitietabel:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>Resterende ruimte:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>Opstartherstel:</translation>
    </message>
</context>
</TS>
