<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Repairing boot configuration...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>Running bcdboot to rebuild BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Configuring portable boot mode...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>Attempting manual BCD repair...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>Configuring portable boot settings...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>Cleaning up invalid boot entries...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>Starting boot repair...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>Updating BCD...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>Verifying boot configuration...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>Repairing MBR boot sector...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>Updating partition boot flag...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>Repairing UEFI boot...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>EFI System Partition not found</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>Updating UEFI boot entries...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>The target disk cannot be read back for the boot repair</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>Target Boot Mode</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>Select the boot mode for the target disk</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>UEFI Mode (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recommended</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>Recommended for computers made after 2012. Supports disks larger than 2TB.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>Legacy Mode (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>For older computers or special requirements. Supports disks up to 2TB.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  The target computer must support the selected boot mode.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Legacy (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>No command given; see --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>Unknown clone mode: %1 (disk, system or partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>Option %1 needs a value</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>Invalid value for %1: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space and --data-label apply to system clones only</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart and --sector-by-sector exclude each other</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>A clone needs a source and a target</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>A partition clone names its source as DISK:PARTITION</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>Partition numbers apply to partition clones only</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>No listed disk is %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>Disk %1 has no partition %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>Not confirmed; nothing was written</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>Name the disk to check</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>Invalid value for --data-label: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>Source partition is not valid</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>Target disk or partition is not valid</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>Source partition and target disk cannot be on the same disk</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>Source and target partition cannot be the same</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO not initialized (call setDiskIO first)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Failed to copy %1: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>Regenerating disk identifiers...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>Failed to give the copy new GPT GUIDs: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>Updating disk signature...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>Failed to give the copy a new MBR disk signature: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Failed to flush target: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Repairing boot configuration...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>Boot repair: skipped, the source disk holds no Windows installation</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>Comparing what the interrupted run copied of %1...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>Step 3: Configure and confirm</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>Source disk</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>Target disk</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>Clone Settings</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>Target boot mode</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>Target disk space</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>Source partition</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>This clone cannot start: %1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>disk %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>disk %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; nothing was written</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>The target %1 is the source %2 under another name, or shares storage with it</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>The target %1 is in use: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>The target %1 cannot be opened for writing: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>The target %1 is in use: %2; close the programs using it and try again</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>Another clone run is using %1 or %2: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>Cloning...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>Preparing clone task...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>Speed: -- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>Time left: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>Speed: %1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>Time left: %1h %2m</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>Time left: %1s</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>Time left: %1m %2s</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>Boot repair is in progress. Please wait until it finishes.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>Clone completed</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>The clone and boot repair completed successfully.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Clone completed successfully</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>Clone failed</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>Clone failed: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>Verified %1 of copied data</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>Clone completed with warnings</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>Unreadable sectors are listed in %1</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>Check target: no errors</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>Check target: the copy may not start as it is</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>The clone completed successfully.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>Clone cancelled</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>Nothing was written to the target.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>The clone was stopped before it finished; the target may hold an incomplete copy.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>Go on with this clone where it stopped; what is on the target already is not copied again</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>The clone was stopped before it finished. Resume goes on where it stopped.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>Source in use</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>Interrupted clone</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Start over</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>Source disk is not valid</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>Target disk is not valid</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>Source and target disk cannot be the same</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>Target disk is smaller than source disk</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>The source disk&apos;s partition table is damaged (%1); nothing was changed</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>There is no journal of an interrupted clone from this source onto this target to resume (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>The journal of the interrupted clone cannot be used: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>The journal was written for another source disk (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>The journal was written for another target disk (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>The source has changed since the interrupted clone</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; start the clone again without resuming to copy everything</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>The disks cannot be read to check the interrupted clone: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>The clone&apos;s journal cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>The same command with --resume goes on where this run stopped</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>Clone Settings</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>Smart clone (recommended)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>recommended</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>Copy only used sectors — faster and supports large-to-small migration.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>4K alignment (SSD optimization)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>Align partitions to 4K boundaries for better SSD performance.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>Sector-by-sector clone</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>Copy every sector including unused space — slower but complete.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>Smart clone</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>4K alignment</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>No options selected</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>Verify the copy</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>Read every copied range back from the target and compare it with the source.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>Continue past unreadable sectors</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>Write zeros for source sectors that cannot be read and list them in a file next to the log.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>Clone operation cancelled</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Clone completed successfully</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>Clone operation failed</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Repairing boot configuration...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>Boot repair failed</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>Clone completed with unreadable sectors: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>Checking the target...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>Clone completed with warnings: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>the check of the copy found errors; it may not start as it is</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>Boot repair: not requested</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>The data partition label is empty</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>The data partition label is longer than %1 characters</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>The data partition label contains a double quote, a line break or another control character</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>SSD storage</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>HDD storage</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Not initialized</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>System disk</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - System clone: boot + Windows partitions only</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>%1 available space - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>Not cloned</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>Disk %1: %2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Table unreadable</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>Rebuilding boot files...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Configuring portable boot mode...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>Configuring system for USB boot...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Disk Clone</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>Clone entire disk including all partitions and boot records</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Cleaning target disk...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>partition table</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Failed to clean target disk: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>Failed to copy %1: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copying partition table...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copying partition %1 of %2: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>Failed to write the GPT for the target disk&apos;s size: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Failed to open source disk: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Failed to open target disk: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>whole disk</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>Copying the whole disk sector by sector...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>The target disk cannot be read back for the boot repair</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>Not initialized</translation>
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
        <translation>Table unreadable</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>Source and target are the same device: %1 and %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>Failed to open source: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>Failed to open target: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>Source not opened</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>Read failed at sector %1: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>Target not opened</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>Read target failed at sector %1: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>Write failed at sector %1: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>Aligned buffer not allocated</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>Source or target not opened</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Failed to flush target: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>Verification failed: sector %1 of the target differs from the source</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>Disk %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>Cannot read the partition table: sector %1 unreadable</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>Recovery</translation>
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
        <translation>Configuration error</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>The page link could not be loaded.

Please contact technical support or reinstall the software.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Cannot open browser</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>The default browser could not be opened.

Please copy this link and open it manually:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>Disk cloning</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>CLONE MODE</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Disk Clone</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>System Clone</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>Partition Clone</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>STEPS</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  Back</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>Start Clone  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>Next  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>Selection required</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>Confirm clone</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>Starting clone task...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>Source partition: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>Source disk: %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>Target disk: %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>Boot mode: %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>Space allocation: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>Boot repair is running and cannot be interrupted safely.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>Cancel clone</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>Cancel the current clone task?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>Cancellation requested</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>%1 total  ·  Disk %2 Partition %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 used</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>Partition Clone</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>Clone a single partition to another location</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>Source partition and target disk cannot be on the same disk</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>The target partition is not on the target disk</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>Target disk is too small (%1) for source data (%2)</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>Target partition is too small (%1) for source data (%2)</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>The target partition is mounted at %1; unmount it first</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Failed to open source disk: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Failed to open target disk: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>The source partition does not lie on whole %1-byte sectors; nothing was changed</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>The source partition cannot be read (%1); nothing was changed</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>The target partition does not start on a %1-byte sector; nothing was changed</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>Failed to read the target disk&apos;s partition table: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>The target disk&apos;s partition table is damaged (%1); nothing was changed</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>Target disk does not have enough space for the source partition; nothing was changed</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>The copy would end beyond what an MBR entry can address; nothing was changed</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Cleaning target disk...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Failed to clean target disk: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>The target disk now reports %1-byte sectors instead of %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>Target disk does not have enough space for the source partition</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Disks are not open (prepare first)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>Copying partition: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>Updating boot sector...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>Creating partition entry...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>Failed to create partition entry - partition will not be visible: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Failed to flush target: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>Failed to update boot sector - partition may not be accessible: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>Failed to read MBR from target disk: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>Failed to write MBR: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Repairing boot configuration...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>Boot repair of the target disk failed</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>Boot repair: skipped, the source is not a system partition</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>The boot repair of the copy failed: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>Disk %1 has no partition table to keep; nothing was changed</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>EFI System Partition</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>Recovery Partition</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>System Reserved</translation>
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
        <translation>Step 1: Select system disk</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>Step 1: Select source disk</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>Choose the disk to clone.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>Step 1: Select source partition</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>Choose the partition to clone.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>No disks found.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>No partitions found.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>Step 2: Select target disk</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>Choose the destination disk. All existing data on the target disk will be erased.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>No other disk is available as a target.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>Partitions smaller than the source partition, or mounted, are not offered.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>Whole disk</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>Every partition on the disk is erased; the copy starts at 1 MiB.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>Largest free region</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%1 free at %2; the copy is added as a new partition and every partition stays.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>this system takes no snapshots of them</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>The snapshot of the source volume %1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>Target Disk Space Allocation</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>Select how to handle the remaining space</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>Expand system partition (use all space)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>Extend the system partition to fill the entire disk.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>Create a separate data partition</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recommended</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>Keep as unallocated space</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>Leave the remaining space unpartitioned. You can partition it manually later.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>Expand system partition</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>Create data partition</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>Keep unallocated</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>Configuring system for hardware migration...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>Enabling standard storage drivers...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>Keeping existing storage drivers enabled...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>Rebuilding boot configuration...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>Configuring boot options...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>Partition %1 does not start on a %2-byte sector</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>Partition %1 overlaps the partition before it</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>Partition %1 would exceed target disk size</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>Resizing partition %1: %2 -&gt; %3 bytes</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>Created data partition %1: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>System Clone</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>Migrate operating system to a new disk with automatic boot repair</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>Legacy (MBR) target boot requires an MBR source system disk.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>UEFI (GPT) target boot requires a GPT source system disk.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>No system partitions found on source disk</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>Target disk is too small. Used space: %1 GB, Target: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Cleaning target disk...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Failed to clean target disk: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>The target disk is smaller than its record says (%1 bytes); nothing was copied</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>Source disk size is invalid</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>whole disk</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>partition table</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>Partition %1 lies beyond the end of the source disk; nothing was changed</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>Failed to read partition %1: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Disks are not open (prepare first)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>Copying whole disk sector-by-sector...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Copying partition table...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Copying partition %1 of %2: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Failed to flush target: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>Fixing partition table...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>Failed to fix GPT header: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>Failed to update the target&apos;s partition table: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>Failed to update the boot sector of moved partition %1: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>Creating data partition...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>Expanding system partition...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>Formatting data partition...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>Cannot identify a separate data partition safely; refusing to format</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>The source disk has no active partition; without bcdboot the copy cannot be made to start</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Partition %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>No data partition was created: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>The data partition &quot;%1&quot; was not created: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Failed to open source disk: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Failed to open target disk: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>The target disk cannot be read back for the boot repair</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>The system partition was not expanded: no Windows volume is among the copied partitions</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>The system partition %1 was not expanded: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>The system partition %1 was not expanded: its file system could not be grown: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>Data partition: not made, the target has no room beyond the system partitions</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>System partition: not expanded, the target has no room beyond the system partitions</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>Formatting the new EFI system partition...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>The new EFI system partition could not be made: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>Writing the new GPT...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>Cloning data</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>Repairing boot configuration</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>Verifying data</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>Expand System Partition</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>Keep Original + Create Data Partition</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>Keep Original Size</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>About Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>Please select a source partition.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>Please select a source disk.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>Please select a target disk.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>Disk %1 has no free region large enough for the source partition.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>Please select a target partition at least as large as the source partition.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>Source: partition %1 (%2) on disk %3</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>Source: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>Target: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Continue?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>All data on the target disk will be erased.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>The whole target disk will be erased, with every partition on it: %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>used data only</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>sector by sector</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>in full</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2, sector %3 to sector %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>Copied to the target:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>Partition table:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>Remaining space:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>Boot repair:</translation>
    </message>
</context>
</TS>
