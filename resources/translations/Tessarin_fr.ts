<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Réparation de la configuration de démarrage...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>Exécution de bcdboot pour reconstruire le BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Configuration du mode de démarrage portable...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>Tentative de réparation manuelle du BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>Configuration des paramètres de démarrage portable...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>Nettoyage des entrées de démarrage non valides...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>Démarrage de la réparation du démarrage...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>Mise à jour du BCD...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>Vérification de la configuration de démarrage...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>Réparation du secteur de démarrage MBR...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>Mise à jour de l&apos;indicateur de démarrage de la partition...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>Réparation du démarrage UEFI...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>Partition système EFI introuvable</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>Mise à jour des entrées de démarrage UEFI...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Le disque cible ne peut pas être relu pour la réparation du démarrage</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>Mode de démarrage cible</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>Choisissez le mode de démarrage du disque cible</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>Mode UEFI (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recommandé</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>Recommandé pour les ordinateurs fabriqués après 2012. Prend en charge les disques de plus de 2 To.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>Mode hérité (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>Pour les ordinateurs plus anciens ou des besoins particuliers. Prend en charge les disques jusqu&apos;à 2 To.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  L&apos;ordinateur cible doit prendre en charge le mode de démarrage choisi.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Hérité (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>bcdedit/bcdboot ne sont pas disponibles sur ce système ; les données ont été copiées, la configuration de démarrage n&apos;a pas été mise à jour</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>Aucune commande indiquée ; voir --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Commande inconnue : %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Option inconnue : %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>Mode de clonage inconnu : %1 (disk, system ou partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>L&apos;option %1 attend une valeur</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>Valeur non valide pour %1 : %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space et --data-label ne s&apos;appliquent qu&apos;au clonage du système</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart et --sector-by-sector s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>Un clonage demande une source et une cible</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>Un clonage de partition désigne sa source sous la forme DISQUE:PARTITION</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>Les numéros de partition ne s&apos;appliquent qu&apos;au clonage de partition</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>Aucun disque de la liste n&apos;est %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>Le disque %1 n&apos;a pas de partition %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>Refus d&apos;écraser le disque %1 sans --yes : aucun terminal pour confirmer</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>Tout le contenu du disque %1 (%2) sera écrasé. Tapez le numéro du disque pour continuer : </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>Non confirmé ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>Indiquez le disque à vérifier</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>Valeur non valide pour --data-label : %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 ne désigne pas une partition : après les deux-points vient un numéro de partition (1 ou plus) ou, pour la cible, free</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>Tout le contenu de la partition %1 du disque %2 (%3) sera écrasé ; les autres partitions du disque restent. Tapez le numéro du disque pour continuer : </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>La copie va dans la plus grande zone libre du disque %1 (%2) ; ses partitions restent. Tapez le numéro du disque pour continuer : </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>La partition source n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>Le disque ou la partition cible n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>La partition source et le disque cible ne peuvent pas être sur le même disque</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>Les partitions source et cible ne peuvent pas être identiques</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO non initialisé (appelez d&apos;abord setDiskIO)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Échec de la copie de %1 : %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>Régénération des identifiants du disque...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>Impossible de donner de nouveaux GUID GPT à la copie : %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>Mise à jour de la signature du disque...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>Impossible de donner à la copie une nouvelle signature de disque MBR : %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Impossible de vider la cible : %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Réparation de la configuration de démarrage...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>Réparation du démarrage : ignorée, le disque source ne contient aucune installation de Windows</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>Comparaison de ce que l&apos;exécution interrompue a copié de %1...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>Étape 3 : configurer et confirmer</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>Disque source</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>Disque cible</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>Paramètres de clonage</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>Mode de démarrage cible</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>Espace du disque cible</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>Partition source</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>Ce clonage ne peut pas démarrer : %1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>disque %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>disque %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>La cible %1 est la source %2 sous un autre nom, ou partage son stockage</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>La cible %1 est utilisée : %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>Impossible d&apos;ouvrir la cible %1 en écriture : %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>La cible %1 est utilisée : %2 ; fermez les programmes qui l&apos;utilisent et réessayez</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>Un autre clonage utilise %1 ou %2 : %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>Clonage en cours...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>Préparation de la tâche de clonage...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>Vitesse : -- Mo/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>Temps restant : --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>Vitesse : %1 Mo/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>Temps restant : %1 h %2 min</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>Temps restant : %1 s</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>Temps restant : %1 min %2 s</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>La réparation du démarrage est en cours. Veuillez attendre qu&apos;elle se termine.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>Clonage terminé</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>Le clonage et la réparation du démarrage se sont terminés avec succès.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Clonage terminé avec succès</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>Échec du clonage</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>Échec du clonage : %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>%1 de données copiées vérifiées</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>Clonage terminé avec des avertissements</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>Les secteurs illisibles sont répertoriés dans %1</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>Vérifier la cible : aucune erreur</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>Vérifier la cible : la copie risque de ne pas démarrer en l&apos;état</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>Le clonage s&apos;est terminé avec succès.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>Clonage annulé</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>Rien n’a été écrit sur la cible.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>Le clonage a été arrêté avant la fin ; la cible peut contenir une copie incomplète.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>Poursuivre ce clonage là où il s&apos;est arrêté ; ce qui est déjà sur la cible n&apos;est pas recopié</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>Le clonage a été arrêté avant la fin. Reprendre le poursuit là où il s&apos;est arrêté.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>Source en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>Les volumes %1 de la source sont montés en lecture-écriture et aucun instantané ne peut en être pris. Une copie lue pendant qu&apos;ils changent peut être incohérente et ne pas démarrer.

Les lire en direct malgré tout ?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>Clonage interrompu</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>Un clonage de cette source vers cette cible a été interrompu avec %1 sur %2 copiés.

Le reprendre en ne copiant que le reste, ou recommencer et tout copier ?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Recommencer</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>Le disque source n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>Le disque cible n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>Les disques source et cible ne peuvent pas être identiques</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>Le disque %1 contient le système en cours d&apos;exécution (dossier Windows, volume de démarrage ou fichier d&apos;échange) et n&apos;est jamais une cible</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>Le disque cible est plus petit que le disque source</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>Le clonage système secteur par secteur exige un disque cible au moins aussi grand que le disque source</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>Les disques source et cible ont des tailles de secteur logique différentes (%1 et %2 octets) ; un clonage exige la même taille de secteur des deux côtés</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>La table de partitions du disque source est endommagée (%1) ; rien n&apos;a été modifié</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>Aucun journal d&apos;un clonage interrompu de cette source vers cette cible à reprendre (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>Le journal du clonage interrompu est inutilisable : %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>Le journal a été écrit pour un autre disque source (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>Le journal a été écrit pour un autre disque cible (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>Le clonage interrompu avait un autre plan (d&apos;autres options, ou l&apos;espace utilisé de la source a changé)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>La source a changé depuis le clonage interrompu</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; relancez le clonage sans reprise pour tout copier</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>Les disques ne peuvent pas être lus pour vérifier le clonage interrompu : %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>La cible ne contient plus ce que le journal indique comme copié (l&apos;octet %1 diffère) ; relancez le clonage sans reprise pour tout copier</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>Le journal du clonage ne peut pas être écrit : %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>La même commande avec --resume reprend là où cette exécution s&apos;est arrêtée</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>Paramètres de clonage</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>Clonage intelligent (recommandé)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>recommandé</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>Copie uniquement les secteurs utilisés — plus rapide et permet la migration vers un disque plus petit.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>Alignement 4K (optimisation SSD)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>Aligne les partitions sur des limites de 4K pour de meilleures performances SSD.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>Clonage secteur par secteur</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>Copie chaque secteur, espace inutilisé compris — plus lent mais complet.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  Le clonage intelligent et le clonage secteur par secteur s&apos;excluent mutuellement.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>Clonage intelligent</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>Alignement 4K</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>Aucune option sélectionnée</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>Vérifier la copie</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>Relire sur la cible chaque plage copiée et la comparer à la source.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>Continuer malgré les secteurs illisibles</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>Écrire des zéros à la place des secteurs source illisibles et les répertorier dans un fichier à côté du journal.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>Opération de clonage annulée</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Clonage terminé avec succès</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>Échec de l&apos;opération de clonage</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Réparation de la configuration de démarrage...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>Échec de la réparation du démarrage</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>Clonage terminé avec des secteurs illisibles : %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>Vérification de la cible...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>Clonage terminé avec des avertissements : %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>la vérification de la copie a trouvé des erreurs ; elle risque de ne pas démarrer en l&apos;état</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>Réparation du démarrage : non demandée</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>Le nom de la partition de données est vide</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>Le nom de la partition de données dépasse %1 caractères</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>Le nom de la partition de données contient un guillemet double, un saut de ligne ou un autre caractère de contrôle</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>Stockage SSD</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>Stockage HDD</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Non initialisé</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>Disque système</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - Clone système : partitions de démarrage + Windows uniquement</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>%1 d&apos;espace disponible - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>Non cloné</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disque %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>Disque %1 : %2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Table illisible</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>Reconstruction des fichiers de démarrage...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Configuration du mode de démarrage portable...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>Configuration du système pour le démarrage USB...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Clonage de disque</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>Cloner le disque entier avec toutes les partitions et les enregistrements de démarrage</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Nettoyage du disque cible...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>table de partitions</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Impossible de nettoyer le disque cible : %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Échec de la copie de %1 : %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copie de la table de partitions...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copie de la partition %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>Impossible d&apos;écrire la GPT pour la taille du disque cible : %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2) : %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>La carte d&apos;utilisation de la partition %1 n&apos;est pas fiable (%2) ; la partition a été copiée entièrement</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Impossible d&apos;ouvrir le disque source : %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Impossible d&apos;ouvrir le disque cible : %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disque entier</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>Copie du disque entier secteur par secteur...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Le disque cible ne peut pas être relu pour la réparation du démarrage</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>Non initialisé</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 partition(s)</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Table illisible</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>La source et la cible sont le même périphérique : %1 et %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>Impossible d&apos;ouvrir la source : %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>Impossible d&apos;ouvrir la cible : %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>Source non ouverte</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>Échec de lecture au secteur %1 : %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>Cible non ouverte</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>Échec de lecture de la cible au secteur %1 : %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>Échec d&apos;écriture au secteur %1 : %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>Tampon aligné non alloué</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>Source ou cible non ouverte</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Impossible de vider la cible : %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>Échec de la vérification : le secteur %1 de la cible diffère de la source</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>Disque %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>Disque %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>Impossible de lire la table des partitions : le secteur %1 est illisible</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>Récupération</translation>
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
        <translation>Erreur de configuration</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Impossible de charger le lien de la page.

Contactez l&apos;assistance technique ou réinstallez le logiciel.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Impossible d&apos;ouvrir le navigateur</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Impossible d&apos;ouvrir le navigateur par défaut.

Copiez ce lien et ouvrez-le manuellement :
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>Clonage de disques</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>MODE DE CLONAGE</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Clonage de disque</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Clonage du système</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>Clonage de partition</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>ÉTAPES</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  Retour</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>Lancer le clonage  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>Suivant  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>Sélection requise</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>Confirmer le clonage</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>Démarrage de la tâche de clonage...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>Partition source : %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>Disque source : %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>Disque cible : %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>Mode de démarrage : %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>Répartition de l&apos;espace : %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>La réparation du démarrage est en cours et ne peut pas être interrompue sans risque.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>Annuler le clonage</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>Annuler la tâche de clonage en cours ?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>Annulation demandée</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>Une tâche de clonage ou de réparation du démarrage est encore en cours. Veuillez attendre la fin avant de fermer Tessarin.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>%1 au total  ·  Disque %2 Partition %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 utilisés</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>Clonage de partition</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>Cloner une seule partition vers un autre emplacement</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>La partition source et le disque cible ne peuvent pas être sur le même disque</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>La partition cible ne se trouve pas sur le disque cible</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>Le disque cible est trop petit (%1) pour les données source (%2)</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>La partition cible est trop petite (%1) pour les données source (%2)</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>La partition cible est montée sur %1 ; démontez-la d&apos;abord</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Impossible d&apos;ouvrir le disque source : %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Impossible d&apos;ouvrir le disque cible : %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>La partition source ne s&apos;aligne pas sur des secteurs entiers de %1 octets ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>La partition source ne peut pas être lue (%1) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>La partition cible ne commence pas sur un secteur de %1 octets ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>Impossible de lire la table de partitions du disque cible : %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>La table de partitions du disque cible est endommagée (%1) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>La partition cible n&apos;est pas une entrée principale de la table de partitions du disque cible ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>Le disque cible n&apos;a pas assez d&apos;espace pour la partition source ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>La copie se terminerait au-delà de ce qu&apos;une entrée MBR peut adresser ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Nettoyage du disque cible...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Impossible de nettoyer le disque cible : %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>Le disque cible indique désormais des secteurs de %1 octets au lieu de %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>Le disque cible n&apos;a pas assez d&apos;espace pour la partition source</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>Le secteur de démarrage de la copie ne peut pas décrire son nouvel emplacement : %1 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Les disques ne sont pas ouverts (préparez-les d&apos;abord)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>Copie de la partition : %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>Mise à jour du secteur de démarrage...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>Création de l&apos;entrée de partition...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>Impossible de créer l&apos;entrée de partition - la partition ne sera pas visible : %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Impossible de vider la cible : %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>Impossible de mettre à jour le secteur de démarrage - la partition risque d&apos;être inaccessible : %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>Impossible de lire le MBR du disque cible : %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>Impossible d&apos;écrire le MBR : %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Réparation de la configuration de démarrage...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>La réparation du démarrage du disque cible a échoué</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2) : %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>La carte d&apos;utilisation de la partition %1 n&apos;est pas fiable (%2) ; la partition a été copiée entièrement</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>Réparation du démarrage : ignorée, la source n&apos;est pas une partition système</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>La réparation du démarrage de la copie a échoué : %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>Le disque %1 n&apos;a pas de table de partitions à conserver ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>La plus grande zone libre du disque %1 (%2) ne peut pas contenir la partition source (%3) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>La table de partitions du disque cible n&apos;a aucune entrée libre pour la copie ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>La table de partitions du disque cible ne laisse plus de place pour la copie à l&apos;octet %1 ; rien n&apos;a été modifié</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>Partition système EFI</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>Partition de récupération</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>Réservé au système</translation>
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
        <translation>Étape 1 : sélectionner le disque système</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>Choisissez le disque qui contient l&apos;installation Windows actuelle. Seules les partitions de démarrage et système sont clonées.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>Étape 1 : sélectionner le disque source</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>Choisissez le disque à cloner.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>Étape 1 : sélectionner la partition source</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>Choisissez la partition à cloner.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>Aucun disque trouvé.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>Aucune partition trouvée.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>Étape 2 : sélectionner le disque cible</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>Choisissez le disque de destination. Toutes les données existantes du disque cible seront effacées.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>Aucun autre disque n&apos;est disponible comme cible.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>Choisissez le disque de destination, puis l&apos;endroit où va la copie : le disque entier (effacé), sa plus grande zone libre (toutes les partitions restent) ou l&apos;une de ses partitions (écrasée).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>Les partitions plus petites que la partition source, ou montées, ne sont pas proposées.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>Disque entier</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>Toutes les partitions du disque sont effacées ; la copie commence à 1 Mio.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>Plus grande zone libre</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%1 libres à %2 ; la copie est ajoutée comme nouvelle partition et toutes les partitions restent.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>ce système ne prend pas d&apos;instantanés de ces volumes</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>Les volumes %1 de la source sont montés en lecture-écriture et ne peuvent pas être lus à travers un instantané (%2) ; une copie lue pendant qu&apos;ils changent peut être incohérente. Démontez-les ou montez-les en lecture seule, ou acceptez de les lire en direct (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>L&apos;instantané du volume source %1 ne peut pas être lu : %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>Répartition de l&apos;espace du disque cible</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>Choisissez comment utiliser l&apos;espace restant</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>Étendre la partition système (tout l&apos;espace)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>Étend la partition système à tout le disque.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>Créer une partition de données</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recommandé</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>Conserver comme espace non alloué</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>Laisse l&apos;espace restant sans partition. Vous pourrez le partitionner manuellement plus tard.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>Étendre la partition système</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>Créer une partition de données</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>Laisser non alloué</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>Configuration du système pour la migration matérielle...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>Activation des pilotes de stockage standard...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>Maintien des pilotes de stockage existants activés...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>Reconstruction de la configuration de démarrage...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>Configuration des options de démarrage...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>La partition %1 ne commence pas sur un secteur de %2 octets</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>La partition %1 chevauche la partition précédente</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>La partition %1 dépasserait la taille du disque cible</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>Redimensionnement de la partition %1 : %2 -&gt; %3 octets</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>Partition de données %1 créée : %2 Go</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Clonage du système</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>Migrer le système d&apos;exploitation vers un nouveau disque avec réparation automatique du démarrage</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>Un démarrage hérité (MBR) sur la cible exige un disque système source MBR.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>Un démarrage UEFI (GPT) sur la cible exige un disque système source GPT.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>Aucune partition système trouvée sur le disque source</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>Le disque cible est trop petit. Espace utilisé : %1 Go, cible : %2 Go</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Nettoyage du disque cible...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Impossible de nettoyer le disque cible : %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>Le disque cible est plus petit que ce qu&apos;indique son enregistrement (%1 octets) ; rien n&apos;a été copié</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>La taille du disque source n&apos;est pas valide</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disque entier</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>table de partitions</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>La partition %1 se situe au-delà de la fin du disque source ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>Le système de fichiers de la partition %1 revendique plus d&apos;espace que n&apos;en contient la partition ; réparez-le avant le clonage ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>Impossible de lire la partition %1 : %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Les disques ne sont pas ouverts (préparez-les d&apos;abord)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>Copie du disque entier secteur par secteur...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copie de la table de partitions...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copie de la partition %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Impossible de vider la cible : %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>Correction de la table de partitions...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>Impossible de corriger l&apos;en-tête GPT : %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>Impossible de mettre à jour la table de partitions de la cible : %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>Impossible de mettre à jour le secteur de démarrage de la partition déplacée %1 : %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>Création de la partition de données...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>Extension de la partition système...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>Formatage de la partition de données...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>Impossible d&apos;identifier avec certitude une partition de données distincte ; formatage refusé</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>Le disque source n&apos;a aucune partition active ; sans bcdboot, la copie ne peut pas être rendue amorçable</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>La source démarre depuis la partition %1, qu&apos;un clonage système ne copie pas ; sans bcdboot, la copie ne peut pas être rendue amorçable</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2) : %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>La carte d&apos;utilisation de la partition %1 n&apos;est pas fiable (%2) ; réparez le système de fichiers avant le clonage ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>Aucune partition de données n’a été créée : %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>La partition de données « %1 » n’a pas été créée : %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>La partition de données « %1 » a été créée mais pas formatée (formatez-la avant de l’utiliser) : %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Impossible d&apos;ouvrir le disque source : %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Impossible d&apos;ouvrir le disque cible : %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Le disque cible ne peut pas être relu pour la réparation du démarrage</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>La partition système n&apos;a pas été agrandie : aucune des partitions copiées n&apos;est un volume Windows</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>La partition système %1 n&apos;a pas été agrandie : %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>La partition système %1 n&apos;a pas été agrandie : son système de fichiers n&apos;a pas pu être agrandi : %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>Partition de données : non créée, la cible n&apos;a pas de place après les partitions système</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>Partition système : non étendue, la cible n&apos;a pas de place après les partitions système</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>Passer un disque système BIOS (MBR) au démarrage UEFI nécessite une nouvelle table de partitions ; une copie secteur par secteur ne le permet pas.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>Le passage au démarrage UEFI nécessite le volume Windows du disque source, et aucun n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>Formatage de la nouvelle partition système EFI...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>La nouvelle partition système EFI n&apos;a pas pu être créée : %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>Écriture de la nouvelle GPT...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>Clonage des données</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>Réparation de la configuration de démarrage</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>Vérification des données</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>Étendre la partition système</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>Conserver l&apos;original + créer une partition de données</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>Conserver la taille d&apos;origine</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>À propos de Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Une solution professionnelle de clonage de disques et de migration système pour Windows.
Clonez des disques entiers, migrez des systèmes d&apos;exploitation, copiez des partitions choisies et créez des disques de démarrage fiables grâce au clonage intelligent et à l&apos;optimisation SSD.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>Veuillez sélectionner une partition source.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>Veuillez sélectionner un disque source.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>Veuillez sélectionner un disque cible.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>Le disque %1 n&apos;a aucune zone libre assez grande pour la partition source.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>Veuillez choisir une partition cible au moins aussi grande que la partition source.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>Source : partition %1 (%2) sur le disque %3</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>Source : %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>Cible : %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Continuer ?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>Toutes les données du disque cible seront effacées.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>La copie devient une nouvelle partition dans la zone libre du disque de %1 à %2. Rien n&apos;est écrasé ; toutes les partitions du disque restent : %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>La partition %1 (%2, %3) sera écrasée et tout son contenu perdu. Les autres partitions du disque restent : %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>Le disque cible entier sera effacé, avec toutes ses partitions : %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>données utilisées seulement</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>secteur par secteur</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>en entier</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1 : %2, secteur %3 vers secteur %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>Copié sur la cible :</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>Table de partitions :</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>Espace restant :</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>Réparation du démarrage :</translation>
    </message>
</context>
</TS>
