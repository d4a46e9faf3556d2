<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Startkonfiguration wird repariert...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>bcdboot wird ausgeführt, um den BCD neu zu erstellen...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Portabler Startmodus wird konfiguriert...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>Manuelle BCD-Reparatur wird versucht...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>Portable Starteinstellungen werden konfiguriert...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>Ungültige Starteinträge werden bereinigt...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>Boot-Reparatur wird gestartet...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>BCD wird aktualisiert...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>Startkonfiguration wird überprüft...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>MBR-Bootsektor wird repariert...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>Boot-Kennzeichen der Partition wird aktualisiert...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>UEFI-Start wird repariert...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>EFI-Systempartition nicht gefunden</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>UEFI-Starteinträge werden aktualisiert...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Der Zieldatenträger kann für die Startreparatur nicht erneut gelesen werden</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>Startmodus des Ziels</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>Wählen Sie den Startmodus für den Zieldatenträger</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>UEFI-Modus (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Empfohlen</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>Empfohlen für Computer ab Baujahr 2012. Unterstützt Datenträger über 2 TB.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>Legacy-Modus (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>Für ältere Computer oder besondere Anforderungen. Unterstützt Datenträger bis 2 TB.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  Der Zielcomputer muss den gewählten Startmodus unterstützen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>bcdedit/bcdboot sind auf diesem System nicht verfügbar; die Daten wurden kopiert, die Startkonfiguration wurde nicht aktualisiert</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>Kein Befehl angegeben; siehe --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>Unbekannte Klonart: %1 (disk, system oder partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>Ungültiger Wert für %1: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space und --data-label gelten nur für Systemklone</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart und --sector-by-sector schließen einander aus</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>Ein Klon braucht eine Quelle und ein Ziel</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>Ein Partitionsklon nennt seine Quelle als DATENTRÄGER:PARTITION</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>Partitionsnummern gelten nur für Partitionsklone</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>Kein aufgeführter Datenträger ist %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>Datenträger %1 hat keine Partition %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>Datenträger %1 wird ohne --yes nicht überschrieben: es gibt kein Terminal zur Bestätigung</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>Alles auf Datenträger %1 (%2) wird überschrieben. Geben Sie zum Fortfahren die Datenträgernummer ein: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>Nicht bestätigt; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>Nennen Sie die zu prüfende Festplatte</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>Ungültiger Wert für --data-label: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 bezeichnet keine Partition: nach dem Doppelpunkt folgt eine Partitionsnummer (ab 1) oder beim Ziel free</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>Alles auf Partition %1 von Datenträger %2 (%3) wird überschrieben; die anderen Partitionen des Datenträgers bleiben. Geben Sie zum Fortfahren die Datenträgernummer ein: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>Die Kopie kommt in den größten freien Bereich von Datenträger %1 (%2); seine Partitionen bleiben. Geben Sie zum Fortfahren die Datenträgernummer ein: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>Die Quellpartition ist ungültig</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>Zieldatenträger oder -partition ist ungültig</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>Quellpartition und Zieldatenträger dürfen nicht auf demselben Datenträger liegen</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>Quell- und Zielpartition dürfen nicht identisch sein</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO nicht initialisiert (zuerst setDiskIO aufrufen)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Kopieren von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>Datenträgerkennungen werden neu erzeugt...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>Die Kopie konnte keine neuen GPT-GUIDs erhalten: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>Datenträgersignatur wird aktualisiert...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>Die Kopie konnte keine neue MBR-Datenträgersignatur erhalten: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Ziel konnte nicht geleert werden: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Startkonfiguration wird repariert...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>Startreparatur: übersprungen, der Quelldatenträger enthält keine Windows-Installation</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>Vergleiche, was der unterbrochene Lauf von %1 kopiert hat...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>Schritt 3: Konfigurieren und bestätigen</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>Quelldatenträger</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>Zieldatenträger</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>Klon-Einstellungen</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>Startmodus des Ziels</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>Speicher des Zieldatenträgers</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>Quellpartition</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>Dieser Klonvorgang kann nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>Datenträger %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>Datenträger %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>Das Ziel %1 ist die Quelle %2 unter anderem Namen oder teilt sich Speicher mit ihr</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>Das Ziel %1 wird verwendet: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>Das Ziel %1 kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>Das Ziel %1 wird verwendet: %2; schließen Sie die Programme, die es verwenden, und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>Ein anderer Klonvorgang verwendet %1 oder %2: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>Klonen läuft...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>Klonvorgang wird vorbereitet...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>Geschwindigkeit: -- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>Verbleibende Zeit: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>Geschwindigkeit: %1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>Verbleibende Zeit: %1 h %2 min</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>Verbleibende Zeit: %1 s</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>Verbleibende Zeit: %1 min %2 s</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>Die Boot-Reparatur läuft. Bitte warten Sie, bis sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>Klonen abgeschlossen</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>Klonen und Boot-Reparatur wurden erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Klonen erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>Klonen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>Klonen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>%1 der kopierten Daten überprüft</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>Klonen mit Warnungen abgeschlossen</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>Unlesbare Sektoren sind in %1 aufgeführt</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>Ziel prüfen: keine Fehler</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>Ziel prüfen: Die Kopie startet so möglicherweise nicht</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>Das Klonen wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>Klonen abgebrochen</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>Auf das Ziel wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>Das Klonen wurde vor dem Ende angehalten; das Ziel kann eine unvollständige Kopie enthalten.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>Diesen Klon dort fortsetzen, wo er angehalten hat; was schon auf dem Ziel ist, wird nicht erneut kopiert</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>Der Klon wurde vor dem Ende angehalten. Fortsetzen macht dort weiter, wo er stehen blieb.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>Quelle in Verwendung</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>Die Volumes %1 der Quelle sind mit Schreibzugriff eingehängt, und es kann kein Snapshot von ihnen erstellt werden. Eine Kopie, die gelesen wird, während sie sich ändern, kann inkonsistent sein und startet womöglich nicht.

Trotzdem live lesen?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>Unterbrochener Klon</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>Ein Klon von dieser Quelle auf dieses Ziel wurde unterbrochen, nachdem %1 von %2 kopiert waren.

Fortsetzen und nur den Rest kopieren, oder neu beginnen und alles kopieren?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Neu beginnen</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>Der Quelldatenträger ist ungültig</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>Der Zieldatenträger ist ungültig</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>Quell- und Zieldatenträger dürfen nicht identisch sein</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>Datenträger %1 enthält das laufende System (Windows-Ordner, Startvolume oder Auslagerungsdatei) und ist nie ein Ziel</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>Der Zieldatenträger ist kleiner als der Quelldatenträger</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>Sektorweises Systemklonen erfordert einen Zieldatenträger, der nicht kleiner als der Quelldatenträger ist</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>Quell- und Zieldatenträger haben unterschiedliche logische Sektorgrößen (%1 und %2 Byte); ein Klon erfordert auf beiden dieselbe Sektorgröße</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>Die Partitionstabelle des Quelldatenträgers ist beschädigt (%1); es wurde nichts geändert</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>Es gibt kein Journal eines unterbrochenen Klons von dieser Quelle auf dieses Ziel zum Fortsetzen (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>Das Journal des unterbrochenen Klons ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>Das Journal wurde für einen anderen Quelldatenträger geschrieben (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>Das Journal wurde für einen anderen Zieldatenträger geschrieben (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>Der unterbrochene Klon hatte einen anderen Plan (andere Optionen, oder der belegte Platz der Quelle hat sich geändert)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>Die Quelle hat sich seit dem unterbrochenen Klon geändert</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; starten Sie den Klon ohne Fortsetzen neu, um alles zu kopieren</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>Die Datenträger können zur Prüfung des unterbrochenen Klons nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>Das Ziel enthält nicht mehr, was laut Journal kopiert wurde (Byte %1 weicht ab); starten Sie den Klon ohne Fortsetzen neu, um alles zu kopieren</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>Das Journal des Klons kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>Derselbe Befehl mit --resume macht dort weiter, wo dieser Lauf angehalten hat</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>Klon-Einstellungen</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>Intelligentes Klonen (empfohlen)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>empfohlen</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>Kopiert nur belegte Sektoren — schneller und ermöglicht die Migration auf kleinere Datenträger.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>4K-Ausrichtung (SSD-Optimierung)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>Richtet Partitionen an 4K-Grenzen aus, für bessere SSD-Leistung.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>Sektorweises Klonen</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>Kopiert jeden Sektor einschließlich ungenutzten Speichers — langsamer, aber vollständig.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  Intelligentes Klonen und sektorweises Klonen schließen sich gegenseitig aus.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>Intelligentes Klonen</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>4K-Ausrichtung</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>Keine Optionen ausgewählt</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>Kopie überprüfen</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>Jeden kopierten Bereich vom Ziel zurücklesen und mit der Quelle vergleichen.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>Bei unlesbaren Sektoren fortfahren</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>Für nicht lesbare Quellsektoren Nullen schreiben und sie in einer Datei neben dem Protokoll auflisten.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>Klonvorgang abgebrochen</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Klonen erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>Klonvorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Startkonfiguration wird repariert...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>Boot-Reparatur fehlgeschlagen</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>Klonen abgeschlossen, unlesbare Sektoren: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>Ziel wird geprüft...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>Klonen mit Warnungen abgeschlossen: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>die Prüfung der Kopie hat Fehler gefunden; sie startet so möglicherweise nicht</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>Startreparatur: nicht angefordert</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>Die Bezeichnung der Datenpartition ist leer</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>Die Bezeichnung der Datenpartition ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>Die Bezeichnung der Datenpartition enthält ein doppeltes Anführungszeichen, einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>SSD-Speicher</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>HDD-Speicher</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Nicht initialisiert</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>Systemdatenträger</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - Systemklon: nur Boot- und Windows-Partitionen</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>%1 freier Speicher - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>Nicht geklont</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Datenträger %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>Datenträger %1: %2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabelle unlesbar</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>Startdateien werden neu erstellt...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Portabler Startmodus wird konfiguriert...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>System wird für USB-Start konfiguriert...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Datenträgerklon</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>Gesamten Datenträger mit allen Partitionen und Startdatensätzen klonen</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Zieldatenträger wird bereinigt...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>Partitionstabelle</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Zieldatenträger konnte nicht bereinigt werden: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Kopieren von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Partitionstabelle wird kopiert...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Partition %1 von %2 wird kopiert: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>GPT für die Größe des Zieldatenträgers konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>Der Belegungsplan von Partition %1 ist nicht vertrauenswürdig (%2); die Partition wurde vollständig kopiert</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Quelldatenträger kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Zieldatenträger kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>ganzer Datenträger</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>Der ganze Datenträger wird sektorweise kopiert...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Der Zieldatenträger kann für die Startreparatur nicht erneut gelesen werden</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>Nicht initialisiert</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 Partition(en)</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tabelle unlesbar</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>Quelle und Ziel sind dasselbe Gerät: %1 und %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>Quelle konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>Ziel konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>Quelle nicht geöffnet</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>Lesefehler bei Sektor %1: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>Ziel nicht geöffnet</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>Lesefehler am Ziel bei Sektor %1: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>Schreibfehler bei Sektor %1: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>Ausgerichteter Puffer nicht zugewiesen</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>Quelle oder Ziel nicht geöffnet</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Ziel konnte nicht geleert werden: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>Überprüfung fehlgeschlagen: Sektor %1 des Ziels weicht von der Quelle ab</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>Datenträger %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>Datenträger %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>Die Partitionstabelle kann nicht gelesen werden: Sektor %1 ist unlesbar</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>Wiederherstellung</translation>
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
        <translation>Konfigurationsfehler</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Der Seitenlink konnte nicht geladen werden.

Bitte wenden Sie sich an den technischen Support oder installieren Sie die Software neu.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Browser kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Der Standardbrowser konnte nicht geöffnet werden.

Bitte kopieren Sie diesen Link und öffnen Sie ihn manuell:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>Datenträger klonen</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>KLONMODUS</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Datenträgerklon</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Systemklon</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>Partitionsklon</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>SCHRITTE</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  Zurück</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>Klonen starten  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>Weiter  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>Auswahl erforderlich</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>Klonen bestätigen</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>Klonvorgang wird gestartet...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>Quellpartition: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>Quelldatenträger: %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>Zieldatenträger: %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>Startmodus: %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>Speicheraufteilung: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>Die Boot-Reparatur läuft und kann nicht sicher unterbrochen werden.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>Klonen abbrechen</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>Den laufenden Klonvorgang abbrechen?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>Abbruch angefordert</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>Ein Klon- oder Boot-Reparaturvorgang läuft noch. Bitte warten Sie, bis er abgeschlossen ist, bevor Sie Tessarin schließen.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>%1 gesamt  ·  Datenträger %2 Partition %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 belegt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>Partitionsklon</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>Eine einzelne Partition an einen anderen Ort klonen</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>Quellpartition und Zieldatenträger dürfen nicht auf demselben Datenträger liegen</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>Die Zielpartition liegt nicht auf dem Zieldatenträger</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>Der Zieldatenträger ist zu klein (%1) für die Quelldaten (%2)</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>Die Zielpartition ist zu klein (%1) für die Quelldaten (%2)</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>Die Zielpartition ist unter %1 eingehängt; hängen Sie sie zuerst aus</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Quelldatenträger konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Zieldatenträger konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>Die Quellpartition liegt nicht auf ganzen %1-Byte-Sektoren; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>Die Quellpartition kann nicht gelesen werden (%1); es wurde nichts geändert</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>Die Zielpartition beginnt nicht an einer %1-Byte-Sektorgrenze; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>Partitionstabelle des Zieldatenträgers konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>Die Partitionstabelle des Zieldatenträgers ist beschädigt (%1); es wurde nichts geändert</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>Die Zielpartition ist kein primärer Eintrag in der Partitionstabelle des Zieldatenträgers; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>Der Zieldatenträger hat nicht genug Platz für die Quellpartition; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>Die Kopie würde über den Bereich hinausreichen, den ein MBR-Eintrag adressieren kann; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Zieldatenträger wird bereinigt...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Zieldatenträger konnte nicht bereinigt werden: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>Der Zieldatenträger meldet jetzt %1-Byte-Sektoren statt %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>Der Zieldatenträger hat nicht genug Platz für die Quellpartition</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>Der Bootsektor der Kopie kann ihre neue Lage nicht beschreiben: %1; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Datenträger sind nicht geöffnet (zuerst vorbereiten)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>Partition wird kopiert: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>Bootsektor wird aktualisiert...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>Partitionseintrag wird erstellt...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>Partitionseintrag konnte nicht erstellt werden - die Partition wird nicht sichtbar sein: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Ziel konnte nicht geleert werden: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>Bootsektor konnte nicht aktualisiert werden - die Partition ist möglicherweise nicht zugänglich: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>MBR des Zieldatenträgers konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>MBR konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Startkonfiguration wird repariert...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>Die Startreparatur des Zieldatenträgers ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>Der Belegungsplan von Partition %1 ist nicht vertrauenswürdig (%2); die Partition wurde vollständig kopiert</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>Startreparatur: übersprungen, die Quelle ist keine Systempartition</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>Die Startreparatur der Kopie ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>Datenträger %1 hat keine Partitionstabelle, die erhalten werden könnte; nichts wurde geändert</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>Der größte freie Bereich von Datenträger %1 (%2) fasst die Quellpartition (%3) nicht; nichts wurde geändert</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>Die Partitionstabelle des Zieldatenträgers hat keinen freien Eintrag für die Kopie; nichts wurde geändert</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>Die Partitionstabelle des Zieldatenträgers lässt bei Byte %1 keinen Platz mehr für die Kopie; nichts wurde geändert</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>EFI-Systempartition</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>Wiederherstellungspartition</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>System-reserviert</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>Partition %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>Schritt 1: Systemdatenträger auswählen</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>Wählen Sie den Datenträger mit der aktuellen Windows-Installation. Nur Boot- und Systempartitionen werden geklont.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>Schritt 1: Quelldatenträger auswählen</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>Wählen Sie den zu klonenden Datenträger.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>Schritt 1: Quellpartition auswählen</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>Wählen Sie die zu klonende Partition.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>Keine Datenträger gefunden.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>Keine Partitionen gefunden.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>Schritt 2: Zieldatenträger auswählen</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>Wählen Sie den Zieldatenträger. Alle vorhandenen Daten auf dem Zieldatenträger werden gelöscht.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>Kein anderer Datenträger ist als Ziel verfügbar.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>Wählen Sie den Zieldatenträger und dann, wohin die Kopie darauf kommt: den ganzen Datenträger (wird gelöscht), seinen größten freien Bereich (alle Partitionen bleiben) oder eine seiner Partitionen (wird überschrieben).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>Partitionen, die kleiner als die Quellpartition oder eingebunden sind, werden nicht angeboten.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>Ganzer Datenträger</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>Alle Partitionen des Datenträgers werden gelöscht; die Kopie beginnt bei 1 MiB.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>Größter freier Bereich</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%1 frei bei %2; die Kopie wird als neue Partition angelegt, alle Partitionen bleiben.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>dieses System erstellt keine Snapshots davon</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>Die Volumes %1 der Quelle sind mit Schreibzugriff eingehängt und können nicht über einen Snapshot gelesen werden (%2); eine Kopie, die gelesen wird, während sie sich ändern, kann inkonsistent sein. Hängen Sie sie aus oder schreibgeschützt ein, oder akzeptieren Sie das Live-Lesen (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>Der Snapshot des Quellvolumes %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>Speicheraufteilung des Zieldatenträgers</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>Wählen Sie, wie der restliche Speicher verwendet wird</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>Systempartition erweitern (ganzer Speicher)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>Erweitert die Systempartition auf den gesamten Datenträger.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>Separate Datenpartition erstellen</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Empfohlen</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>Als nicht zugeordneten Speicher belassen</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>Der restliche Speicher bleibt unpartitioniert. Sie können ihn später manuell partitionieren.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>Systempartition erweitern</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>Datenpartition erstellen</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>Nicht zugeordnet lassen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>System wird für Hardware-Migration konfiguriert...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>Standard-Speichertreiber werden aktiviert...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>Vorhandene Speichertreiber bleiben aktiviert...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>Startkonfiguration wird neu erstellt...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>Startoptionen werden konfiguriert...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>Partition %1 beginnt nicht an einer %2-Byte-Sektorgrenze</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>Partition %1 überschneidet sich mit der vorhergehenden Partition</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>Partition %1 würde die Größe des Zieldatenträgers überschreiten</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>Größe von Partition %1 wird geändert: %2 -&gt; %3 Byte</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>Datenpartition %1 erstellt: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Systemklon</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>Betriebssystem mit automatischer Startreparatur auf einen neuen Datenträger migrieren</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>Ein Legacy-BIOS-Start (MBR) auf dem Ziel erfordert einen MBR-Quellsystemdatenträger.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>Ein UEFI-Start (GPT) auf dem Ziel erfordert einen GPT-Quellsystemdatenträger.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>Auf dem Quelldatenträger wurden keine Systempartitionen gefunden</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>Der Zieldatenträger ist zu klein. Belegter Speicher: %1 GB, Ziel: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Zieldatenträger wird bereinigt...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Zieldatenträger konnte nicht bereinigt werden: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>Der Zieldatenträger ist kleiner als angegeben (%1 Byte); es wurde nichts kopiert</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>Die Größe des Quelldatenträgers ist ungültig</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>gesamter Datenträger</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>Partitionstabelle</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>Partition %1 liegt hinter dem Ende des Quelldatenträgers; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>Das Dateisystem von Partition %1 beansprucht mehr Platz, als die Partition bietet; reparieren Sie es vor dem Klonen; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>Partition %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Datenträger sind nicht geöffnet (zuerst vorbereiten)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>Gesamter Datenträger wird sektorweise kopiert...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Partitionstabelle wird kopiert...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Partition %1 von %2 wird kopiert: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Ziel konnte nicht geleert werden: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>Partitionstabelle wird korrigiert...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>GPT-Header konnte nicht korrigiert werden: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>Partitionstabelle des Ziels konnte nicht aktualisiert werden: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>Bootsektor der verschobenen Partition %1 konnte nicht aktualisiert werden: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>Datenpartition wird erstellt...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>Systempartition wird erweitert...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>Datenpartition wird formatiert...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>Eine separate Datenpartition lässt sich nicht sicher erkennen; Formatierung wird abgelehnt</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>Der Quelldatenträger hat keine aktive Partition; ohne bcdboot kann die Kopie nicht startfähig gemacht werden</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>Die Quelle startet von Partition %1, die ein Systemklon nicht kopiert; ohne bcdboot kann die Kopie nicht startfähig gemacht werden</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>Der Belegungsplan von Partition %1 ist nicht vertrauenswürdig (%2); reparieren Sie das Dateisystem vor dem Klonen; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>Es wurde keine Datenpartition erstellt: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>Die Datenpartition „%1“ wurde nicht erstellt: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>Die Datenpartition „%1“ wurde erstellt, aber nicht formatiert (vor der Verwendung formatieren): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Quelldatenträger kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Zieldatenträger kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Der Zieldatenträger kann für die Startreparatur nicht erneut gelesen werden</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>Die Systempartition wurde nicht erweitert: unter den kopierten Partitionen ist kein Windows-Volume</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>Die Systempartition %1 wurde nicht erweitert: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>Die Systempartition %1 wurde nicht erweitert: ihr Dateisystem konnte nicht vergrößert werden: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>Datenpartition: nicht angelegt, das Ziel hat hinter den Systempartitionen keinen Platz</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>Systempartition: nicht erweitert, das Ziel hat hinter den Systempartitionen keinen Platz</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>Das Umziehen eines BIOS-Systemdatenträgers (MBR) auf UEFI-Start braucht eine neue Partitionstabelle; eine Sektor-für-Sektor-Kopie kann das nicht.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>Der Umzug auf UEFI-Start braucht das Windows-Volume des Quelldatenträgers, und es wurde keines gefunden.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>Neue EFI-Systempartition wird formatiert...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>Die neue EFI-Systempartition konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>Neue GPT wird geschrieben...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>Daten werden geklont</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>Startkonfiguration wird repariert</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>Daten werden überprüft</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>Systempartition erweitern</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>Original beibehalten + Datenpartition erstellen</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>Originalgröße beibehalten</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>Über Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Eine professionelle Lösung zum Klonen von Datenträgern und zur Systemmigration für Windows.
Klonen Sie ganze Datenträger, migrieren Sie Betriebssysteme, kopieren Sie ausgewählte Partitionen und erstellen Sie zuverlässige startfähige Laufwerke mit intelligentem Klonen und SSD-Optimierung.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Kundendienst</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>Bitte wählen Sie eine Quellpartition.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>Bitte wählen Sie einen Quelldatenträger.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>Bitte wählen Sie einen Zieldatenträger.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>Datenträger %1 hat keinen freien Bereich, der groß genug für die Quellpartition ist.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>Bitte wählen Sie eine Zielpartition, die mindestens so groß wie die Quellpartition ist.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>Quelle: Partition %1 (%2) auf Datenträger %3</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>Quelle: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>Ziel: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>Alle Daten auf dem Zieldatenträger werden gelöscht.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>Die Kopie wird eine neue Partition im freien Bereich des Datenträgers von %1 bei %2. Nichts wird überschrieben; alle Partitionen des Datenträgers bleiben: %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>Partition %1 (%2, %3) wird überschrieben, alles darauf geht verloren. Die anderen Partitionen des Datenträgers bleiben: %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>Der ganze Zieldatenträger wird gelöscht, mit allen Partitionen darauf: %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>nur belegte Daten</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>Sektor für Sektor</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2, Sektor %3 nach Sektor %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>Auf das Ziel kopiert:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>Partitionstabelle:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>Restlicher Speicherplatz:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>Startreparatur:</translation>
    </message>
</context>
</TS>
