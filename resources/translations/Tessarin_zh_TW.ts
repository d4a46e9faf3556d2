<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>正在修復開機設定...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>正在執行 bcdboot 重建 BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>正在設定可攜式開機模式...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>正在嘗試手動修復 BCD...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>正在設定可攜式開機設定...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>正在清理無效的開機項目...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>正在開始開機修復...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>正在更新 BCD...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>正在驗證開機設定...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>正在修復 MBR 開機磁區...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>正在更新分割區開機旗標...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>正在修復 UEFI 開機...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>找不到 EFI 系統分割區</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>正在更新 UEFI 開機項目...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>無法為開機修復重新讀取目標磁碟</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>目的開機模式</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>選擇目的磁碟的開機模式</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>UEFI 模式 (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>建議</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>建議用於 2012 年以後生產的電腦。支援大於 2TB 的磁碟。</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>傳統模式 (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>適用於較舊的電腦或特殊需求。支援最大 2TB 的磁碟。</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  目的電腦必須支援所選的開機模式。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>UEFI (GPT)</source>
        <translation>UEFI (GPT)</translation>
    </message>
    <message>
        <source>Legacy (MBR)</source>
        <translation>傳統 (MBR)</translation>
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
        <translation>此系統上沒有 bcdedit/bcdboot；資料已複製，但開機設定未更新</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>未指定命令；請參閱 --help</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>未知的命令：%1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>未知的選項：%1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>未知的複製模式：%1（disk、system 或 partition）</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>選項 %1 需要一個值</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>%1 的值無效：%2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode、--space 和 --data-label 僅適用於系統複製</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart 與 --sector-by-sector 不能同時使用</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>複製需要一個來源和一個目標</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>磁碟分割複製以 磁碟:磁碟分割 的形式指定來源</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>磁碟分割編號僅適用於磁碟分割複製</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>清單中沒有磁碟 %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>磁碟 %1 上沒有磁碟分割 %2</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>沒有 --yes 時不會覆寫磁碟 %1：沒有可用於確認的終端機</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>磁碟 %1（%2）上的所有內容都將被覆寫。請輸入磁碟編號以繼續：</translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>未確認；未寫入任何內容</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>請指定要檢查的磁碟</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>--data-label 的值無效：%1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 未指定磁碟分割：冒號後應為磁碟分割編號（1 或以上），目標也可以是 free</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>磁碟 %2 (%3) 的磁碟分割 %1 上的所有內容都將被覆寫；磁碟的其他磁碟分割保留。輸入磁碟編號以繼續：</translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>副本將放入磁碟 %1 (%2) 的最大可用區域；其磁碟分割保留。輸入磁碟編號以繼續：</translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>來源分割區無效</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>目的磁碟或分割區無效</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>來源分割區與目的磁碟不能在同一磁碟上</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>來源分割區與目的分割區不能相同</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO 尚未初始化（請先呼叫 setDiskIO）</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>複製 %1 失敗：%2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>正在重新產生磁碟識別碼...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>無法為副本指派新的 GPT GUID：%1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>正在更新磁碟簽章...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>無法為副本指派新的 MBR 磁碟簽章：%1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>排清目的失敗：%1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>正在修復開機設定...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>開機修復：已略過，來源磁碟上沒有 Windows 安裝</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>正在比較中斷的執行從 %1 複製的內容...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>步驟 3：設定並確認</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>來源磁碟</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>目的磁碟</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>複製設定</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>目的開機模式</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>目的磁碟空間</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>來源分割區</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>此複製無法開始：%1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>磁碟 %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>磁碟 %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1；未寫入任何內容</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>目標 %1 是換了名稱的來源 %2，或與其共用儲存空間</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>目標 %1 正在使用：%2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>無法以寫入方式開啟目標 %1：%2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>目標 %1 正在使用：%2；請關閉正在使用它的程式後重試</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>另一個複製工作正在使用 %1 或 %2：%3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>正在複製...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>正在準備複製工作...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>速度：-- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>剩餘時間：--</translation>
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
        <translation>剩餘時間：%1 小時 %2 分</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>剩餘時間：%1 秒</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>剩餘時間：%1 分 %2 秒</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>正在進行開機修復，請等待其完成。</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>複製完成</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>複製與開機修復已成功完成。</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>複製已成功完成</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>複製失敗</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>複製失敗：%1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>已驗證 %1 的複製資料</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>複製已完成，但有警告</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>無法讀取的磁區已列在 %1 中</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>檢查目標：沒有錯誤</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>檢查目標：複本在目前狀態下可能無法開機</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>複製已成功完成。</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>複製已取消</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>未向目標寫入任何內容。</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>複製在完成前被停止；目標可能包含不完整的副本。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>從停止處繼續此複製;目標上已有的內容不會再次複製</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>複製在完成前已停止。繼續將從停止處接著進行。</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>來源正在使用</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>來源的磁碟區 %1 以讀寫方式掛載，且無法為其建立快照。在其變更時讀取的副本可能不一致，並且可能無法啟動。

仍要即時讀取嗎？</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>中斷的複製</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>從此來源到此目標的複製在複製了 %2 中的 %1 後中斷。

繼續並只複製剩餘部分,還是重新開始並複製全部?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>重新開始</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>來源磁碟無效</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>目的磁碟無效</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>來源磁碟與目的磁碟不能相同</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>磁碟 %1 包含正在執行的系統（其 Windows 資料夾、開機磁碟區或分頁檔），不能作為目標</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>目的磁碟小於來源磁碟</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>逐磁區系統複製要求目的磁碟不小於來源磁碟</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>來源磁碟與目標磁碟的邏輯磁區大小不同（%1 與 %2 位元組）；複製需要兩者的磁區大小相同</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>來源磁碟的分割表已損毀（%1）；未做任何變更</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>沒有可繼續的從此來源到此目標的中斷複製日誌 (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>中斷複製的日誌無法使用: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>該日誌是為另一個來源磁碟寫的 (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>該日誌是為另一個目標磁碟寫的 (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>中斷的複製使用了另一個計畫(其他選項,或來源的已用空間已改變)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>自中斷的複製以來來源已改變</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>；要複製全部內容,請不使用繼續重新開始複製</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>無法讀取磁碟以檢查中斷的複製: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>目標上已不再是日誌所記已複製的內容(位元組 %1 不同);要複製全部內容,請不使用繼續重新開始複製</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>無法寫入複製日誌: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>同一命令加上 --resume 會從本次執行停止處繼續</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>複製設定</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>智慧複製（建議）</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>建議</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>僅複製已使用的磁區 — 更快，並支援從大磁碟移轉到小磁碟。</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>4K 對齊（SSD 最佳化）</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>將分割區對齊到 4K 邊界，以獲得更好的 SSD 效能。</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>逐磁區複製</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>複製每個磁區（包括未使用空間）— 較慢但完整。</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  智慧複製與逐磁區複製不能同時使用。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>智慧複製</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>4K 對齊</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>未選擇任何選項</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>驗證副本</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>從目標讀回每個已複製的範圍並與來源比較。</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>遇到無法讀取的磁區時繼續</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>為無法讀取的來源磁區寫入零，並在記錄檔旁的檔案中列出它們。</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>複製作業已取消</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>複製已成功完成</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>複製作業失敗</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>正在修復開機設定...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>開機修復失敗</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>複製已完成，但有無法讀取的磁區：%1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>正在檢查目標...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>複製已完成，但有警告：%1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>副本檢查發現錯誤；依現狀可能無法開機</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>開機修復：未要求</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>資料分割區的標籤為空</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>資料分割區的標籤超過 %1 個字元</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>資料分割區的標籤包含雙引號、換行字元或其他控制字元</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>SSD 儲存裝置</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>HDD 儲存裝置</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>未初始化</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>系統磁碟</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - 系統複製：僅開機 + Windows 分割區</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>可用空間 %1 - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>不複製</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>磁碟 %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>磁碟 %1：%2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>開機</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>分割表無法讀取</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>正在重建開機檔案...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>正在設定可攜式開機模式...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>正在設定系統以從 USB 開機...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>磁碟複製</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>複製整個磁碟，包括所有分割區和開機記錄</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>正在清理目標磁碟...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>分割表</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>無法清理目標磁碟：%1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>複製 %1 失敗：%2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>正在複製分割表...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>正在複製分割區 %1/%2：%3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>無法依目標磁碟大小寫入 GPT：%1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>分割區 %1 (%2)：%3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>分割區 %1 的使用對應不可信（%2）；已完整複製該分割區</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>無法開啟來源磁碟：%1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>無法開啟目標磁碟：%1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>整個磁碟</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>正在逐磁區複製整個磁碟...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>無法為開機修復重新讀取目標磁碟</translation>
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
        <translation>%1 個分割區</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>分割表無法讀取</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>來源與目的是同一裝置：%1 與 %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>無法開啟來源：%1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>無法開啟目的：%1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>來源未開啟</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>在磁區 %1 讀取失敗：%2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>目的未開啟</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>在目的磁區 %1 讀取失敗：%2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>在磁區 %1 寫入失敗：%2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>未配置對齊緩衝區</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>來源或目的未開啟</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>排清目的失敗：%1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>驗證失敗：目標的第 %1 磁區與來源不同</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>磁碟 %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>磁碟 %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>無法讀取分割表：磁區 %1 無法讀取</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>復原</translation>
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
        <translation>配置錯誤</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>無法載入頁面連結。

請聯絡技術支援或重新安裝軟體。</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>無法開啟瀏覽器</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>無法開啟預設瀏覽器。

請手動複製連結造訪：
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>磁碟複製工具</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>複製模式</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>磁碟複製</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>系統複製</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>分割區複製</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>步驟</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  上一步</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>分割區</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目的</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>開始複製  →</translation>
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
        <translation>需要選擇</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>確認複製</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>正在開始複製工作...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>來源分割區：%1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>來源磁碟：%1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>目的磁碟：%1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>開機模式：%1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>空間配置：%1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>請稍候</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>開機修復正在執行，無法安全中斷。</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>取消複製</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>要取消目前的複製工作嗎？</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>已要求取消</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>複製或開機修復工作仍在執行。請等待其完成後再關閉 Tessarin。</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>共 %1  ·  磁碟 %2 分割區 %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>已用 %1 / %2</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>開機</translation>
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
        <translation>分割區複製</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>將單一分割區複製到其他位置</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>來源分割區與目的磁碟不能在同一磁碟上</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>目標分割區不在目標磁碟上</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>目標磁碟（%1）太小，無法容納來源資料（%2）</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>目標分割區（%1）太小，無法容納來源資料（%2）</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>目標分割區已掛載於 %1；請先將其卸載</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>無法開啟來源磁碟：%1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>無法開啟目標磁碟：%1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>來源分割區未對齊完整的 %1 位元組磁區；未做任何變更</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>無法讀取來源分割區（%1）；未做任何變更</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>目標分割區的起點不在 %1 位元組磁區邊界上；未做任何變更</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>無法讀取目標磁碟的分割表：%1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>目標磁碟的分割表已損毀（%1）；未做任何變更</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>目標分割區不是目標磁碟分割表中的主要分割區項目；未做任何變更</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>目標磁碟沒有足夠的空間容納來源分割區；未做任何變更</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>副本的結尾將超出 MBR 分割區項目可定址的範圍；未做任何變更</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>正在清理目標磁碟...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>無法清理目標磁碟：%1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>目標磁碟現在回報的磁區大小為 %1 位元組，而不是 %2</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>目標磁碟沒有足夠的空間容納來源分割區</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>副本的開機磁區無法描述其新位置：%1；未做任何變更</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>磁碟未開啟（請先準備）</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>正在複製分割區：%1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>正在更新開機磁區...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>正在建立分割區項目...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>無法建立分割區項目 - 分割區將無法顯示：%1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>排清目的失敗：%1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>無法更新開機磁區 - 分割區可能無法存取：%1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>無法從目標磁碟讀取 MBR：%1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>無法寫入 MBR：%1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>正在修復開機設定...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>目標磁碟的開機修復失敗</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>分割區 %1 (%2)：%3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>分割區 %1 的使用對應不可信（%2）；已完整複製該分割區</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>開機修復：已略過，來源不是系統分割區</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>副本的開機修復失敗：%1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>磁碟 %1 沒有可保留的磁碟分割表；未做任何變更</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>磁碟 %1 的最大可用區域 (%2) 容納不下來源磁碟分割 (%3)；未做任何變更</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>目標磁碟的磁碟分割表沒有可供副本使用的空閒項目；未做任何變更</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>目標磁碟的磁碟分割表在位元組 %1 處已不再為副本留出空間；未做任何變更</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>EFI 系統分割區</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>復原分割區</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>系統保留</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>分割區 %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>步驟 1：選擇系統磁碟</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>選擇包含目前 Windows 安裝的磁碟。僅複製開機與系統分割區。</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>步驟 1：選擇來源磁碟</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>選擇要複製的磁碟。</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>步驟 1：選擇來源分割區</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>選擇要複製的分割區。</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>找不到磁碟。</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>找不到分割區。</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>步驟 2：選擇目的磁碟</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>選擇目的磁碟。目的磁碟上的所有現有資料都將被清除。</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>沒有其他可作為目的的磁碟。</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>選擇目標磁碟，然後選擇副本在其上的位置：整個磁碟（將被清除）、其最大的可用區域（所有磁碟分割保留）或其中一個磁碟分割（將被覆寫）。</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>小於來源磁碟分割或已掛載的磁碟分割不會列出。</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>整個磁碟</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>磁碟上的所有磁碟分割都將被清除；副本從 1 MiB 處開始。</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>最大可用區域</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>位於 %2 的 %1 可用空間；副本以新磁碟分割加入，所有磁碟分割保留。</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>此系統無法為這些磁碟區建立快照</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>來源的磁碟區 %1 以讀寫方式掛載，無法透過快照讀取（%2）；在其變更時讀取的副本可能不一致。請卸載它們或以唯讀方式掛載，或接受即時讀取（--live-source）</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>無法讀取來源磁碟區 %1 的快照：%2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>目的磁碟空間配置</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>選擇如何處理剩餘空間</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>擴充系統分割區（使用全部空間）</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>擴充系統分割區以佔滿整個磁碟。</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>建立獨立的資料分割區</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>建議</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>標籤：</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>保留為未配置空間</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>剩餘空間不分割。您可以稍後手動分割。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>擴充系統分割區</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>建立資料分割區</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>保留未配置</translation>
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
        <translation>正在設定系統以進行硬體移轉...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>正在啟用標準儲存驅動程式...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>正在保持現有儲存驅動程式為啟用狀態...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>正在重建開機設定...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>正在設定開機選項...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>分割區 %1 的起點不在 %2 位元組磁區邊界上</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>分割區 %1 與前一個分割區重疊</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>分割區 %1 將超出目標磁碟大小</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>正在調整分割區 %1 的大小：%2 -&gt; %3 位元組</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>已建立資料分割區 %1：%2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>系統複製</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>將作業系統移轉到新磁碟並自動修復開機</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>目標的傳統 (MBR) 開機需要 MBR 的來源系統磁碟。</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>目標的 UEFI (GPT) 開機需要 GPT 的來源系統磁碟。</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>在來源磁碟上找不到系統分割區</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>目標磁碟太小。已使用空間：%1 GB，目標：%2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>正在清理目標磁碟...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>無法清理目標磁碟：%1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>目標磁碟比其記錄的大小（%1 位元組）小；未複製任何內容</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>來源磁碟大小無效</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>整個磁碟</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>分割表</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>分割區 %1 位於來源磁碟結尾之外；未做任何變更</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>分割區 %1 的檔案系統宣告的空間超過分割區容量；請在複製前修復；未做任何變更</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>無法讀取分割區 %1：%2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>磁碟未開啟（請先準備）</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>正在逐磁區複製整個磁碟...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>正在複製分割表...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>正在複製分割區 %1/%2：%3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>排清目的失敗：%1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>正在修正分割表...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>無法修正 GPT 標頭：%1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>無法更新目標的分割表：%1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>無法更新已移動分割區 %1 的開機磁區：%2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>正在建立資料分割區...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>正在擴充系統分割區...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>正在格式化資料分割區...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>無法安全識別獨立的資料分割區；拒絕格式化</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>來源磁碟沒有作用中的磁碟分割；沒有 bcdboot 無法使複本可開機</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>來源磁碟從磁碟分割 %1 開機，而系統複製不會複製該磁碟分割；沒有 bcdboot 無法使複本可開機</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>分割區 %1 (%2)：%3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>分割區 %1 的使用對應不可信（%2）；請在複製前修復檔案系統；未做任何變更</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>未建立資料分割區：%1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>資料分割區「%1」未建立：%2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>資料分割區「%1」已建立但未格式化（使用前請先格式化）：%2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>無法開啟來源磁碟：%1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>無法開啟目標磁碟：%1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>無法為開機修復重新讀取目標磁碟</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>系統磁碟分割未擴充：複製的磁碟分割中沒有 Windows 磁碟區</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>系統磁碟分割 %1 未擴充：%2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>系統磁碟分割 %1 未擴充：無法增大其檔案系統：%2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>資料分割區：未建立，目標在系統分割區之外沒有空間</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>系統分割區：未擴充，目標在系統分割區之外沒有空間</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>將 BIOS (MBR) 系統磁碟移轉到 UEFI 開機需要新的分割表；逐磁區複製無法做到。</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>移轉到 UEFI 開機需要來源磁碟的 Windows 磁碟區，但找不到。</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>正在格式化新的 EFI 系統分割區...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>無法建立新的 EFI 系統分割區：%1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>正在寫入新的 GPT...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>閒置</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>正在準備</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>正在複製資料</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>正在修復開機設定</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>正在驗證資料</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
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
        <translation>擴充系統分割區</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>保留原大小 + 建立資料分割區</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>保留原大小</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>關於 Marlowtek Tessarin</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

專業的 Windows 磁碟複製與系統移轉解決方案。
複製整個磁碟、移轉作業系統、複製所選分割區，並藉助智慧複製與 SSD 最佳化建立可靠的可開機磁碟。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>技術支援</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>請選擇來源分割區。</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>請選擇來源磁碟。</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>請選擇目的磁碟。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>磁碟 %1 沒有足以容納來源磁碟分割的可用區域。</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>請選擇一個至少與來源磁碟分割一樣大的目標磁碟分割。</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>來源：磁碟 %3 上的分割區 %1 (%2)</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>來源：%1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>目標：%1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>是否繼續？</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>目的磁碟上的所有資料都將被清除。</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>副本將成為磁碟可用區域（%1，位於 %2）中的新磁碟分割。不會覆寫任何內容；磁碟上的所有磁碟分割保留：%3。</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>磁碟分割 %1（%2，%3）將被覆寫，其上的所有內容都將遺失。磁碟的其他磁碟分割保留：%4。</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>整個目標磁碟及其上的所有磁碟分割都將被清除：%1。</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>僅已使用的資料</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>逐磁區</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>完整</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1：%2，磁區 %3 到磁區 %4，%5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>總計：%1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>複製到目標：</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>分割區表：</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>剩餘空間：</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>開機修復：</translation>
    </message>
</context>
</TS>
