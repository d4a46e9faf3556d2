<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>正在修复引导配置...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>正在运行 bcdboot 重建 BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>正在配置便携启动模式...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>正在尝试手动修复 BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>正在配置便携启动设置...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>正在清理无效的引导项...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>正在开始引导修复...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>正在更新 BCD...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>正在验证引导配置...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>正在修复 MBR 引导扇区...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>正在更新分区启动标志...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>正在修复 UEFI 引导...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>未找到 EFI 系统分区</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>正在更新 UEFI 启动项...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>无法为启动修复重新读取目标磁盘</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>目标引导模式</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>选择目标磁盘的引导模式</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>UEFI 模式 (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>推荐</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>推荐用于 2012 年以后生产的计算机。支持大于 2TB 的磁盘。</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>传统模式 (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>适用于较旧的计算机或特殊需求。支持最大 2TB 的磁盘。</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  目标计算机必须支持所选的引导模式。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>UEFI (GPT)</source>
        <translation>UEFI (GPT)</translation>
    </message>
    <message>
        <source>Legacy (MBR)</source>
        <translation>传统 (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>此系统上没有 bcdedit/bcdboot；数据已复制，但启动配置未更新</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>未指定命令；请参阅 --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>未知命令：%1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>未知克隆模式：%1（disk、system 或 partition）</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>%1 的值无效：%2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode、--space 和 --data-label 仅适用于系统克隆</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart 与 --sector-by-sector 不能同时使用</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>克隆需要一个源和一个目标</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>分区克隆以 磁盘:分区 的形式指定源</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>分区编号仅适用于分区克隆</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>列表中没有磁盘 %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>磁盘 %1 上没有分区 %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>没有 --yes 时不会覆盖磁盘 %1：没有可用于确认的终端</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>磁盘 %1（%2）上的所有内容都将被覆盖。请输入磁盘编号以继续：</translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>未确认；未写入任何内容</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>请指定要检查的磁盘</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>--data-label 的值无效：%1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 未指定分区：冒号后应为分区号（1 或更大），目标也可以是 free</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>磁盘 %2 (%3) 的分区 %1 上的所有内容都将被覆盖；磁盘的其他分区保留。输入磁盘编号以继续：</translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>副本将放入磁盘 %1 (%2) 的最大空闲区域；其分区保留。输入磁盘编号以继续：</translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>源分区无效</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>目标磁盘或分区无效</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>源分区和目标磁盘不能在同一磁盘上</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>源分区和目标分区不能相同</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO 未初始化（请先调用 setDiskIO）</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>复制 %1 失败：%2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>正在重新生成磁盘标识符...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>无法为副本分配新的 GPT GUID：%1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>正在更新磁盘签名...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>无法为副本分配新的 MBR 磁盘签名：%1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>刷新目标失败：%1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>正在修复引导配置...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>引导修复：已跳过，源磁盘上没有 Windows 安装</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>正在比较中断的运行从 %1 复制的内容...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>第 3 步：配置并确认</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>源磁盘</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>目标磁盘</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>克隆设置</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>设置...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>目标引导模式</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>目标磁盘空间</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>源分区</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>此克隆无法开始：%1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>磁盘 %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>磁盘 %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1；未写入任何内容</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>目标 %1 是换了名称的源 %2，或与其共享存储</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>目标 %1 正在使用：%2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>无法以写入方式打开目标 %1：%2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>目标 %1 正在使用：%2；请关闭正在使用它的程序后重试</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>另一个克隆任务正在使用 %1 或 %2：%3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>正在克隆...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>正在准备克隆任务...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>速度：-- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>剩余时间：--</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>速度：%1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>剩余时间：%1 小时 %2 分</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>剩余时间：%1 秒</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>剩余时间：%1 分 %2 秒</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>正在进行引导修复，请等待其完成。</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>克隆完成</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>克隆和引导修复已成功完成。</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>克隆已成功完成</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>克隆失败</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>克隆失败：%1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>已校验 %1 的复制数据</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>克隆已完成，但有警告</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>无法读取的扇区已列在 %1 中</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>检查目标：无错误</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>检查目标：副本按当前状态可能无法启动</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>克隆已成功完成。</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>克隆已取消</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>未向目标写入任何内容。</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>克隆在完成前被停止；目标可能包含不完整的副本。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>从停止处继续此克隆;目标上已有的内容不会再次复制</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>克隆在完成前已停止。继续将从停止处接着进行。</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>源正在使用</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>源的卷 %1 以读写方式挂载，且无法为其创建快照。在其变化时读取的副本可能不一致，并且可能无法启动。

仍要实时读取吗？</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>中断的克隆</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>从此源到此目标的克隆在复制了 %2 中的 %1 后中断。

继续并只复制剩余部分,还是重新开始并复制全部?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>重新开始</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>源磁盘无效</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>目标磁盘无效</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>源磁盘和目标磁盘不能相同</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>磁盘 %1 包含正在运行的系统（其 Windows 文件夹、启动卷或页面文件），不能作为目标</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>目标磁盘小于源磁盘</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>逐扇区系统克隆要求目标磁盘不小于源磁盘</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>源磁盘和目标磁盘的逻辑扇区大小不同（%1 和 %2 字节）；克隆要求两者的扇区大小相同</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>源磁盘的分区表已损坏（%1）；未做任何更改</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>没有可继续的从此源到此目标的中断克隆日志 (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>中断克隆的日志无法使用: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>该日志是为另一个源磁盘写的 (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>该日志是为另一个目标磁盘写的 (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>中断的克隆使用了另一个计划(其他选项,或源的已用空间已改变)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>自中断的克隆以来源已改变</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>；要复制全部内容,请不使用继续重新开始克隆</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>无法读取磁盘以检查中断的克隆: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>目标上已不再是日志所记已复制的内容(字节 %1 不同);要复制全部内容,请不使用继续重新开始克隆</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>无法写入克隆日志: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>同一命令加上 --resume 会从本次运行停止处继续</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>克隆设置</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>智能克隆（推荐）</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>推荐</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>仅复制已用扇区 — 更快，并支持从大盘迁移到小盘。</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>4K 对齐（SSD 优化）</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>将分区对齐到 4K 边界，以获得更好的 SSD 性能。</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>逐扇区克隆</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>复制每个扇区（包括未使用空间）— 较慢但完整。</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  智能克隆与逐扇区克隆不能同时使用。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>智能克隆</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>4K 对齐</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>未选择任何选项</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>校验副本</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>从目标读回每个已复制的范围并与源进行比较。</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>遇到无法读取的扇区时继续</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>为无法读取的源扇区写入零，并在日志旁的文件中列出它们。</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>克隆操作已取消</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>克隆已成功完成</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>克隆操作失败</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>正在修复引导配置...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>引导修复失败</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>克隆已完成，但有无法读取的扇区：%1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>正在检查目标...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>克隆已完成，但有警告：%1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>副本检查发现错误；按现状可能无法启动</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>引导修复：未请求</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>数据分区的卷标为空</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>数据分区的卷标超过 %1 个字符</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>数据分区的卷标包含双引号、换行符或其他控制字符</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>SSD 存储</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>HDD 存储</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>未初始化</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>系统磁盘</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - 系统克隆：仅引导 + Windows 分区</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>可用空间 %1 - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>不克隆</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>磁盘 %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>磁盘 %1：%2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>引导</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>分区表不可读</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>正在重建引导文件...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>正在配置便携启动模式...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>正在配置系统以从 USB 启动...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>磁盘克隆</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>克隆整个磁盘，包括所有分区和引导记录</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>正在清理目标磁盘...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>分区表</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>无法清理目标磁盘：%1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>复制 %1 失败：%2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>正在复制分区表...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>正在复制分区 %1/%2：%3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>无法按目标磁盘大小写入 GPT：%1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>分区 %1 (%2)：%3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>分区 %1 的使用映射不可信（%2）；已完整复制该分区</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>无法打开源磁盘：%1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>无法打开目标磁盘：%1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>整个磁盘</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>正在逐扇区复制整个磁盘...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>无法为启动修复重新读取目标磁盘</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>未初始化</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 个分区</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>分区表不可读</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>源和目标是同一设备：%1 和 %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>无法打开源：%1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>无法打开目标：%1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>源未打开</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>在扇区 %1 读取失败：%2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>目标未打开</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>在目标扇区 %1 读取失败：%2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>在扇区 %1 写入失败：%2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>未分配对齐缓冲区</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>源或目标未打开</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>刷新目标失败：%1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>校验失败：目标的第 %1 扇区与源不同</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>磁盘 %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>磁盘 %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>无法读取分区表：扇区 %1 不可读</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>配置错误</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>无法加载页面链接。

请联系技术支持或重新安装软件。</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>无法打开浏览器</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>无法打开默认浏览器。

请手动复制链接访问：
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>磁盘克隆工具</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>克隆模式</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>磁盘克隆</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>系统克隆</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>分区克隆</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  上一步</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>开始克隆  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>下一步  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>需要选择</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>确认克隆</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>正在开始克隆任务...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>源分区：%1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>源磁盘：%1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>目标磁盘：%1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>引导模式：%1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>空间分配：%1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>引导修复正在运行，无法安全中断。</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>取消克隆</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>要取消当前的克隆任务吗？</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>已请求取消</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>克隆或引导修复任务仍在运行。请等待其完成后再关闭 Tessarin。</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>共 %1  ·  磁盘 %2 分区 %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>已用 %1 / %2</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>引导</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>分区克隆</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>将单个分区克隆到其他位置</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>源分区和目标磁盘不能在同一磁盘上</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>目标分区不在目标磁盘上</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>目标磁盘（%1）太小，无法容纳源数据（%2）</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>目标分区（%1）太小，无法容纳源数据（%2）</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>目标分区已挂载在 %1；请先将其卸载</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>无法打开源磁盘：%1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>无法打开目标磁盘：%1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>源分区未对齐到完整的 %1 字节扇区；未做任何更改</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>无法读取源分区（%1）；未做任何更改</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>目标分区的起点不在 %1 字节扇区边界上；未做任何更改</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>无法读取目标磁盘的分区表：%1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>目标磁盘的分区表已损坏（%1）；未做任何更改</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>目标分区不是目标磁盘分区表中的主分区项；未做任何更改</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>目标磁盘没有足够的空间容纳源分区；未做任何更改</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>副本的结尾将超出 MBR 分区项可寻址的范围；未做任何更改</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>正在清理目标磁盘...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>无法清理目标磁盘：%1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>目标磁盘现在报告的扇区大小为 %1 字节，而不是 %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>目标磁盘没有足够的空间容纳源分区</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>副本的引导扇区无法描述其新位置：%1；未做任何更改</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>磁盘未打开（请先准备）</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>正在复制分区：%1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>正在更新引导扇区...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>正在创建分区项...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>无法创建分区项 - 分区将不可见：%1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>刷新目标失败：%1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>无法更新引导扇区 - 分区可能无法访问：%1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>无法从目标磁盘读取 MBR：%1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>无法写入 MBR：%1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>正在修复引导配置...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>目标磁盘的引导修复失败</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>分区 %1 (%2)：%3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>分区 %1 的使用映射不可信（%2）；已完整复制该分区</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>引导修复：已跳过，源不是系统分区</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>副本的引导修复失败：%1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>磁盘 %1 没有可保留的分区表；未做任何更改</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>磁盘 %1 的最大空闲区域 (%2) 容纳不下源分区 (%3)；未做任何更改</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>目标磁盘的分区表没有可用于副本的空闲条目；未做任何更改</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>目标磁盘的分区表在字节 %1 处已不再为副本留出空间；未做任何更改</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>EFI 系统分区</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>恢复分区</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>系统保留</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>分区 %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>第 1 步：选择系统磁盘</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>选择包含当前 Windows 安装的磁盘。仅克隆引导分区和系统分区。</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>第 1 步：选择源磁盘</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>选择要克隆的磁盘。</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>第 1 步：选择源分区</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>选择要克隆的分区。</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>未找到磁盘。</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>未找到分区。</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>第 2 步：选择目标磁盘</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>选择目标磁盘。目标磁盘上的所有现有数据都将被清除。</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>没有其他可用作目标的磁盘。</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>选择目标磁盘，然后选择副本在其上的位置：整个磁盘（将被清除）、其最大的空闲区域（所有分区保留）或其中一个分区（将被覆盖）。</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>小于源分区或已挂载的分区不会列出。</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>整个磁盘</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>磁盘上的所有分区都将被清除；副本从 1 MiB 处开始。</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>最大空闲区域</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>位于 %2 的 %1 空闲空间；副本作为新分区添加，所有分区保留。</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>此系统无法为这些卷创建快照</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>源的卷 %1 以读写方式挂载，无法通过快照读取（%2）；在其变化时读取的副本可能不一致。请卸载它们或以只读方式挂载，或接受实时读取（--live-source）</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>无法读取源卷 %1 的快照：%2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>目标磁盘空间分配</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>选择如何处理剩余空间</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>扩展系统分区（使用全部空间）</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>扩展系统分区以占满整个磁盘。</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>创建单独的数据分区</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>推荐</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>卷标：</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>保留为未分配空间</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>剩余空间不分区。您可以稍后手动分区。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>扩展系统分区</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>创建数据分区</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>保留未分配</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>正在配置系统以进行硬件迁移...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>正在启用标准存储驱动程序...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>正在保持现有存储驱动程序为启用状态...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>正在重建引导配置...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>正在配置引导选项...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>分区 %1 的起点不在 %2 字节扇区边界上</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>分区 %1 与前一个分区重叠</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>分区 %1 将超出目标磁盘大小</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>正在调整分区 %1 的大小：%2 -&gt; %3 字节</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>已创建数据分区 %1：%2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>系统克隆</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>将操作系统迁移到新磁盘并自动修复引导</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>目标的传统 (MBR) 引导要求源系统磁盘为 MBR。</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>目标的 UEFI (GPT) 引导要求源系统磁盘为 GPT。</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>在源磁盘上未找到系统分区</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>目标磁盘太小。已用空间：%1 GB，目标：%2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>正在清理目标磁盘...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>无法清理目标磁盘：%1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>目标磁盘比其记录的大小（%1 字节）小；未复制任何内容</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>源磁盘大小无效</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>整个磁盘</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>分区表</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>分区 %1 位于源磁盘末尾之外；未做任何更改</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>分区 %1 的文件系统声明的空间超过分区容量；请在克隆前修复；未做任何更改</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>无法读取分区 %1：%2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>磁盘未打开（请先准备）</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>正在逐扇区复制整个磁盘...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>正在复制分区表...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>正在复制分区 %1/%2：%3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>刷新目标失败：%1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>正在修正分区表...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>无法修正 GPT 头：%1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>无法更新目标的分区表：%1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>无法更新已移动分区 %1 的引导扇区：%2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>正在创建数据分区...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>正在扩展系统分区...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>正在格式化数据分区...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>无法安全识别单独的数据分区；拒绝格式化</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>源磁盘没有活动分区；没有 bcdboot 无法使副本可启动</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>源磁盘从分区 %1 启动，而系统克隆不会复制该分区；没有 bcdboot 无法使副本可启动</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>分区 %1 (%2)：%3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>分区 %1 的使用映射不可信（%2）；请在克隆前修复文件系统；未做任何更改</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>未创建数据分区：%1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>数据分区“%1”未创建：%2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>数据分区“%1”已创建但未格式化（使用前请先格式化）：%2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>无法打开源磁盘：%1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>无法打开目标磁盘：%1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>无法为启动修复重新读取目标磁盘</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>系统分区未扩展：复制的分区中没有 Windows 卷</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>系统分区 %1 未扩展：%2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>系统分区 %1 未扩展：无法增大其文件系统：%2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>数据分区：未创建，目标在系统分区之外没有空间</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>系统分区：未扩展，目标在系统分区之外没有空间</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>将 BIOS (MBR) 系统磁盘迁移到 UEFI 启动需要新的分区表；逐扇区复制无法做到。</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>迁移到 UEFI 启动需要源磁盘的 Windows 卷，但未找到。</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>正在格式化新的 EFI 系统分区...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>无法创建新的 EFI 系统分区：%1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>正在写入新的 GPT...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>正在准备</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>正在克隆数据</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>正在修复引导配置</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>正在验证数据</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>扩展系统分区</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>保持原大小 + 创建数据分区</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>保持原大小</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>关于 Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

专业的 Windows 磁盘克隆与系统迁移解决方案。
克隆整个磁盘、迁移操作系统、复制所选分区，并借助智能克隆和 SSD 优化创建可靠的可启动驱动器。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>技术支持</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>请选择源分区。</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>请选择源磁盘。</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>请选择目标磁盘。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>磁盘 %1 没有足以容纳源分区的空闲区域。</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>请选择一个至少与源分区一样大的目标分区。</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>源：磁盘 %3 上的分区 %1 (%2)</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>源：%1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>目标：%1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>是否继续？</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>目标磁盘上的所有数据都将被清除。</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>副本将成为磁盘空闲区域（%1，位于 %2）中的新分区。不会覆盖任何内容；磁盘上的所有分区保留：%3。</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>分区 %1（%2，%3）将被覆盖，其上的所有内容都将丢失。磁盘的其他分区保留：%4。</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>整个目标磁盘及其上的所有分区都将被清除：%1。</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>仅已用数据</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>逐扇区</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>完整</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1：%2，扇区 %3 到扇区 %4，%5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>总计：%1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>复制到目标：</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>分区表：</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>剩余空间：</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>启动修复：</translation>
    </message>
</context>
</TS>
