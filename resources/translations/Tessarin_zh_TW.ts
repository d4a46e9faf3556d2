<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UEFI (GPT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legacy (MBR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source partition is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneEngine</name>
    <message>
        <source>Expand System Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>No clone strategy available for mode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone operation cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double buffers not allocated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (en)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French (fr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (de)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (ja)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (es)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean (ko)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch (nl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese (pt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian (it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic (ar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish (tr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk cloning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1: Select system disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a source partition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone source %1: %2
Target disk: %3

All data on the target disk will be erased.
Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
