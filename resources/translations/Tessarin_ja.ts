<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>ブート構成を修復しています...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>bcdboot を実行して BCD を再構築しています...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>ポータブルブートモードを構成しています...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>BCD の手動修復を試みています...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>ポータブルブート設定を構成しています...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>無効なブートエントリを削除しています...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>ブート修復を開始しています...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>BCD を更新しています...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>ブート構成を検証しています...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>MBR ブートセクターを修復しています...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>パーティションのブートフラグを更新しています...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>UEFI ブートを修復しています...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>EFI システムパーティションが見つかりません</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>UEFI ブートエントリを更新しています...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>ブート修復のためにターゲットディスクを再読み取りできません</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>ターゲットのブートモード</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>ターゲットディスクのブートモードを選択してください</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>UEFI モード (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>推奨</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>2012 年以降に製造されたコンピューターに推奨。2TB を超えるディスクに対応します。</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>レガシーモード (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>古いコンピューターや特別な要件向け。2TB までのディスクに対応します。</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  ターゲットのコンピューターが選択したブートモードに対応している必要があります。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>レガシー (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>このシステムでは bcdedit/bcdboot を使用できません。データはコピーされましたが、ブート構成は更新されていません</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>コマンドが指定されていません。--help を参照してください</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>不明なコマンド: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>不明なオプション: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>不明なクローンモード: %1 (disk、system、partition のいずれか)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>%1 の値が無効です: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode、--space、--data-label はシステムクローンにのみ使用できます</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart と --sector-by-sector は同時に指定できません</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>クローンにはソースとターゲットが必要です</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>パーティションクローンではソースを ディスク:パーティション の形で指定します</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>パーティション番号はパーティションクローンにのみ使用できます</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>一覧に %1 というディスクはありません</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>ディスク %1 にパーティション %2 はありません</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>--yes なしではディスク %1 を上書きしません: 確認に使う端末がありません</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>ディスク %1 (%2) の内容はすべて上書きされます。続行するにはディスク番号を入力してください: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>確認されませんでした。何も書き込まれていません</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>確認するディスクを指定してください</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>--data-label の値が無効です: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 はパーティションを指していません: コロンの後にはパーティション番号 (1 以上)、またはターゲットの場合は free を指定します</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>ディスク %2 (%3) のパーティション %1 の内容はすべて上書きされます。ディスクの他のパーティションは残ります。続行するにはディスク番号を入力してください: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>コピーはディスク %1 (%2) の最大の空き領域に置かれます。そのパーティションは残ります。続行するにはディスク番号を入力してください: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>ソースパーティションが無効です</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>ターゲットのディスクまたはパーティションが無効です</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>ソースパーティションとターゲットディスクを同じディスクにすることはできません</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>ソースとターゲットのパーティションを同じにすることはできません</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO が初期化されていません (先に setDiskIO を呼び出してください)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>%1 のコピーに失敗しました: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>ディスク識別子を再生成しています...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>コピーに新しい GPT GUID を設定できませんでした: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>ディスク署名を更新しています...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>コピーに新しい MBR ディスク署名を設定できませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>ターゲットのフラッシュに失敗しました: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>ブート構成を修復しています...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>ブート修復: スキップしました。ソースディスクに Windows のインストールがありません</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>中断された実行が %1 からコピーした内容を比較しています...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>ステップ 3: 設定と確認</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>ソースディスク</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>ターゲットディスク</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>クローン設定</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>ターゲットのブートモード</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>ターゲットディスクの領域</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>ソースパーティション</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>このクローンは開始できません: %1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>ディスク %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>ディスク %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1。何も書き込まれていません</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>ターゲット %1 は別名のソース %2 であるか、ソースと記憶域を共有しています</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>ターゲット %1 は使用中です: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>ターゲット %1 を書き込み用に開けません: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>ターゲット %1 は使用中です: %2。使用しているプログラムを閉じてからやり直してください</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>別のクローン処理が %1 または %2 を使用しています: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>クローン中...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>クローン処理を準備しています...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>速度: -- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>残り時間: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>速度: %1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>残り時間: %1時間 %2分</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>残り時間: %1秒</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>残り時間: %1分 %2秒</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>ブート修復を実行中です。完了するまでお待ちください。</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>クローン完了</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>クローンとブート修復が正常に完了しました。</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>クローンが正常に完了しました</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>クローン失敗</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>クローン失敗: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>コピーしたデータ %1 を検証しました</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>クローンは警告付きで完了しました</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>読み取れないセクターは %1 に記録されています</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>ターゲットの確認: エラーはありません</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>ターゲットの確認: このままではコピーが起動しない可能性があります</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>クローンが正常に完了しました。</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>クローンはキャンセルされました</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>ターゲットには何も書き込まれていません。</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>クローンは完了前に停止されました。ターゲットには不完全なコピーが残っている可能性があります。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>停止した位置からこのクローンを続行します。ターゲットにすでにあるものは再コピーされません</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>クローンは完了前に停止されました。再開すると停止した位置から続行します。</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>ソースが使用中です</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>ソースのボリューム %1 は読み書き可能でマウントされており、スナップショットを作成できません。変更中に読み取ったコピーは不整合になり、起動しない可能性があります。

それでもライブで読み取りますか?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>中断されたクローン</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>このソースからこのターゲットへのクローンは %2 のうち %1 をコピーした時点で中断されました。

残りだけをコピーして再開しますか、それとも最初からすべてをコピーしますか?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>最初からやり直す</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>ソースディスクが無効です</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>ターゲットディスクが無効です</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>ソースとターゲットのディスクを同じにすることはできません</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>ディスク %1 には実行中のシステム (Windows フォルダー、ブート ボリュームまたはページ ファイル) があるため、ターゲットにはできません</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>ターゲットディスクがソースディスクより小さいです</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>セクター単位のシステムクローンには、ソースディスク以上の容量のターゲットディスクが必要です</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>ソースとターゲットのディスクの論理セクターサイズが異なります（%1 バイトと %2 バイト）。クローンには両方で同じセクターサイズが必要です</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>ソースディスクのパーティションテーブルが破損しています（%1）。何も変更されていません</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>このソースからこのターゲットへの再開できる中断されたクローンのジャーナルがありません (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>中断されたクローンのジャーナルは使用できません: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>このジャーナルは別のソースディスク用に書かれました (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>このジャーナルは別のターゲットディスク用に書かれました (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>中断されたクローンは別の計画でした (別のオプション、またはソースの使用領域が変わりました)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>中断されたクローン以降にソースが変更されました</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>。すべてをコピーするには再開せずにクローンを開始し直してください</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>中断されたクローンを確認するためにディスクを読み取れません: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>ジャーナルがコピー済みとする内容がターゲットにもうありません (バイト %1 が異なります)。すべてをコピーするには再開せずにクローンを開始し直してください</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>クローンのジャーナルを書き込めません: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>同じコマンドに --resume を付けると、この実行が停止した位置から続行します</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>クローン設定</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>スマートクローン (推奨)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>推奨</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>使用中のセクターのみをコピーします — 高速で、大容量から小容量への移行にも対応します。</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>4K アライメント (SSD 最適化)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>SSD の性能を高めるため、パーティションを 4K 境界に揃えます。</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>セクター単位のクローン</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>未使用領域を含むすべてのセクターをコピーします — 低速ですが完全です。</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  スマートクローンとセクター単位のクローンは同時に使用できません。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>スマートクローン</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>4K アライメント</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>オプションが選択されていません</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>コピーを検証する</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>コピーしたすべての範囲をターゲットから読み直し、ソースと比較します。</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>読み取れないセクターがあっても続行する</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>読み取れないソースセクターにはゼロを書き込み、ログの隣のファイルに一覧を記録します。</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>クローン処理はキャンセルされました</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>クローンが正常に完了しました</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>クローン処理に失敗しました</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>ブート構成を修復しています...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>ブート修復に失敗しました</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>クローンは完了しましたが、読み取れないセクターがあります: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>ターゲットを確認しています...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>クローンは警告付きで完了しました: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>コピーの検査でエラーが見つかりました。このままでは起動しない可能性があります</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>ブート修復: 要求されていません</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>データパーティションのラベルが空です</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>データパーティションのラベルが %1 文字を超えています</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>データパーティションのラベルに二重引用符、改行、またはその他の制御文字が含まれています</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>SSD ストレージ</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>HDD ストレージ</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>未初期化</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>システムディスク</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - システムクローン: ブート + Windows パーティションのみ</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>空き容量 %1 - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>クローン対象外</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>ディスク %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>ディスク %1: %2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>ブート</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>リカバリ</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>テーブルを読み取れません</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>ブートファイルを再構築しています...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>ポータブルブートモードを構成しています...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>USB ブート用にシステムを構成しています...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>ディスククローン</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>すべてのパーティションとブートレコードを含むディスク全体をクローンします</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>ターゲットディスクをクリーンアップしています...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>パーティションテーブル</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>ターゲットディスクをクリーンアップできませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>%1 のコピーに失敗しました: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>パーティションテーブルをコピーしています...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>パーティション %1/%2 をコピーしています: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>ターゲットディスクのサイズに合わせた GPT を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>パーティション %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>パーティション %1 の使用状況マップは信頼できません (%2)。パーティション全体をコピーしました</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>ソース ディスクを開けませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>ターゲット ディスクを開けませんでした: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>ディスク全体</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>ディスク全体をセクター単位でコピーしています...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>ブート修復のためにターゲットディスクを再読み取りできません</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>未初期化</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 個のパーティション</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>テーブルを読み取れません</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>ソースとターゲットが同じデバイスです: %1 と %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>ソースを開けませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>ターゲットを開けませんでした: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>ソースが開かれていません</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>セクター %1 で読み取りに失敗しました: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>ターゲットが開かれていません</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>ターゲットのセクター %1 で読み取りに失敗しました: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>セクター %1 で書き込みに失敗しました: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>整列バッファが割り当てられていません</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>ソースまたはターゲットが開かれていません</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>ターゲットのフラッシュに失敗しました: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>検証に失敗しました: ターゲットのセクター %1 がソースと異なります</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>ディスク %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>ディスク %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>パーティションテーブルを読み取れません: セクター %1 を読み取れません</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>リカバリ</translation>
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
        <translation>設定エラー</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>ページのリンクを読み込めませんでした。

テクニカルサポートに問い合わせるか、ソフトウェアを再インストールしてください。</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>ブラウザーを開けません</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>既定のブラウザーを開けませんでした。

次のリンクをコピーして手動で開いてください:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>ディスクのクローン作成</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>クローンモード</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>ディスククローン</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>システムクローン</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>パーティションクローン</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  戻る</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>パーティション</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>ターゲット</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>クローン開始  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>次へ  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>選択が必要です</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>クローンの確認</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>クローン処理を開始しています...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>ソースパーティション: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>ソースディスク: %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>ターゲットディスク: %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>ブートモード: %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>領域の割り当て: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>お待ちください</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>ブート修復を実行中のため、安全に中断できません。</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>クローンのキャンセル</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>現在のクローン処理をキャンセルしますか?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>キャンセルを要求しました</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>クローンまたはブート修復の処理が実行中です。完了するまで待ってから Tessarin を閉じてください。</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>合計 %1  ·  ディスク %2 パーティション %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 使用中</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>リカバリ</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>ブート</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>パーティションクローン</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>1 つのパーティションを別の場所にクローンします</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>ソースパーティションとターゲットディスクを同じディスクにすることはできません</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>ターゲットパーティションがターゲットディスク上にありません</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>ターゲットディスク（%1）がソースデータ（%2）に対して小さすぎます</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>ターゲットパーティション（%1）がソースデータ（%2）に対して小さすぎます</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>ターゲットパーティションは %1 にマウントされています。先にアンマウントしてください</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>ソースディスクを開けませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>ターゲットディスクを開けませんでした: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>ソースパーティションが %1 バイトセクターの境界に揃っていません。何も変更されていません</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>ソースパーティションを読み取れません（%1）。何も変更されていません</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>ターゲットパーティションが %1 バイトセクターの境界から始まっていません。何も変更されていません</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>ターゲットディスクのパーティションテーブルを読み取れませんでした: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>ターゲットディスクのパーティションテーブルが破損しています（%1）。何も変更されていません</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>ターゲットパーティションはターゲットディスクのパーティションテーブルのプライマリエントリではありません。何も変更されていません</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>ターゲットディスクにソースパーティション用の十分な空き領域がありません。何も変更されていません</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>コピーの終端が MBR エントリで指定できる範囲を超えてしまいます。何も変更されていません</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>ターゲットディスクをクリーンアップしています...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>ターゲットディスクをクリーンアップできませんでした: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>ターゲットディスクが %2 バイトではなく %1 バイトのセクターを報告するようになりました</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>ターゲットディスクにソースパーティション用の十分な空き領域がありません</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>コピーのブートセクターで新しい位置を表せません: %1。何も変更されていません</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>ディスクが開かれていません（先に準備してください）</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>パーティションをコピーしています: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>ブートセクターを更新しています...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>パーティションエントリを作成しています...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>パーティションエントリを作成できませんでした - パーティションは表示されません: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>ターゲットのフラッシュに失敗しました: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>ブートセクターを更新できませんでした - パーティションにアクセスできない可能性があります: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>ターゲットディスクから MBR を読み取れませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>MBR を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>ブート構成を修復しています...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>ターゲットディスクのブート修復に失敗しました</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>パーティション %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>パーティション %1 の使用状況マップは信頼できません (%2)。パーティション全体をコピーしました</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>ブート修復: スキップしました。ソースはシステムパーティションではありません</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>コピーのブート修復に失敗しました: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>ディスク %1 には保持するパーティションテーブルがありません。何も変更されていません</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>ディスク %1 の最大の空き領域 (%2) にはソースパーティション (%3) が収まりません。何も変更されていません</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>ターゲットディスクのパーティションテーブルにコピー用の空きエントリがありません。何も変更されていません</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>ターゲットディスクのパーティションテーブルにはバイト %1 にコピーの空きがもうありません。何も変更されていません</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>EFI システムパーティション</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>リカバリパーティション</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>システムで予約済み</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>パーティション %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>ステップ 1: システムディスクを選択</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>現在の Windows がインストールされているディスクを選択してください。ブートとシステムのパーティションのみがクローンされます。</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>ステップ 1: ソースディスクを選択</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>クローンするディスクを選択してください。</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>ステップ 1: ソースパーティションを選択</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>クローンするパーティションを選択してください。</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>ディスクが見つかりません。</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>パーティションが見つかりません。</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>ステップ 2: ターゲットディスクを選択</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>コピー先のディスクを選択してください。ターゲットディスク上の既存データはすべて消去されます。</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>ターゲットとして使用できる他のディスクがありません。</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>コピー先のディスクを選び、次にその中のコピー先を選んでください: ディスク全体 (消去されます)、最大の空き領域 (すべてのパーティションは残ります)、またはそのパーティションの 1 つ (上書きされます)。</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>コピー元パーティションより小さいパーティションやマウント中のパーティションは表示されません。</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>ディスク全体</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>ディスク上のすべてのパーティションが消去されます。コピーは 1 MiB から始まります。</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>最大の空き領域</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%2 に %1 の空き。コピーは新しいパーティションとして追加され、すべてのパーティションは残ります。</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>このシステムではこれらのスナップショットを作成できません</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>ソースのボリューム %1 は読み書き可能でマウントされており、スナップショット経由で読み取れません (%2)。変更中に読み取ったコピーは不整合になる可能性があります。アンマウントするか読み取り専用でマウントするか、ライブ読み取りを許可してください (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>ソースボリューム %1 のスナップショットを読み取れません: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>ターゲットディスクの領域割り当て</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>残りの領域の扱いを選択してください</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>システムパーティションを拡張する (全領域を使用)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>システムパーティションをディスク全体に広げます。</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>別のデータパーティションを作成する</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>推奨</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>ラベル:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>未割り当て領域のままにする</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>残りの領域はパーティションを作成せずに残します。後で手動でパーティションを作成できます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>システムパーティションを拡張</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>データパーティションを作成</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>未割り当てのまま</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>ハードウェア移行用にシステムを構成しています...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>標準ストレージドライバーを有効にしています...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>既存のストレージドライバーを有効なまま維持しています...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>ブート構成を再構築しています...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>ブートオプションを構成しています...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>パーティション %1 が %2 バイトセクターの境界から始まっていません</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>パーティション %1 が直前のパーティションと重なっています</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>パーティション %1 がターゲットディスクのサイズを超えてしまいます</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>パーティション %1 のサイズを変更しています: %2 -&gt; %3 バイト</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>データパーティション %1 を作成しました: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>システムクローン</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>自動ブート修復付きでオペレーティングシステムを新しいディスクに移行します</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>ターゲットのレガシー (MBR) ブートには、MBR のソースシステムディスクが必要です。</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>ターゲットの UEFI (GPT) ブートには、GPT のソースシステムディスクが必要です。</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>ソースディスクにシステムパーティションが見つかりません</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>ターゲットディスクが小さすぎます。使用領域: %1 GB、ターゲット: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>ターゲットディスクをクリーンアップしています...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>ターゲットディスクをクリーンアップできませんでした: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>ターゲットディスクが記録上のサイズ（%1 バイト）より小さいです。何もコピーされていません</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>ソースディスクのサイズが無効です</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>ディスク全体</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>パーティションテーブル</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>パーティション %1 がソースディスクの終端より後ろにあります。何も変更されていません</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>パーティション %1 のファイルシステムがパーティションの容量を超える領域を要求しています。クローンの前に修復してください。何も変更されていません</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>パーティション %1 を読み取れませんでした: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>ディスクが開かれていません（先に準備してください）</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>ディスク全体をセクター単位でコピーしています...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>パーティションテーブルをコピーしています...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>パーティション %1/%2 をコピーしています: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>ターゲットのフラッシュに失敗しました: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>パーティションテーブルを修正しています...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>GPT ヘッダーを修正できませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>ターゲットのパーティションテーブルを更新できませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>移動したパーティション %1 のブートセクターを更新できませんでした: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>データパーティションを作成しています...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>システムパーティションを拡張しています...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>データパーティションをフォーマットしています...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>別のデータパーティションを安全に特定できません。フォーマットを中止します</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>ソース ディスクにアクティブなパーティションがありません。bcdboot がないとコピーを起動可能にできません</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>ソースはパーティション %1 から起動しますが、システム クローンはこのパーティションをコピーしません。bcdboot がないとコピーを起動可能にできません</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>パーティション %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>パーティション %1 の使用状況マップは信頼できません (%2)。クローンの前にファイル システムを修復してください。何も変更されていません</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>データパーティションは作成されませんでした: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>データパーティション「%1」は作成されませんでした: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>データパーティション「%1」は作成されましたが、フォーマットされていません (使用前にフォーマットしてください): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>ソース ディスクを開けませんでした: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>ターゲット ディスクを開けませんでした: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>ブート修復のためにターゲットディスクを再読み取りできません</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>システム パーティションは拡張されませんでした: コピーしたパーティションに Windows ボリュームがありません</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>システム パーティション %1 は拡張されませんでした: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>システム パーティション %1 は拡張されませんでした: ファイル システムを拡張できませんでした: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>データパーティション: 作成されませんでした。ターゲットにはシステムパーティション以外の空きがありません</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>システムパーティション: 拡張されませんでした。ターゲットにはシステムパーティション以外の空きがありません</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>BIOS (MBR) のシステム ディスクを UEFI ブートに移行するには新しいパーティション テーブルが必要です。セクター単位のコピーではできません。</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>UEFI ブートへの移行にはソース ディスクの Windows ボリュームが必要ですが、見つかりませんでした。</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>新しい EFI システム パーティションをフォーマットしています...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>新しい EFI システム パーティションを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>新しい GPT を書き込んでいます...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>データをクローン中</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>ブート構成を修復中</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>データを検証中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>システムパーティションを拡張</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>元のサイズを維持 + データパーティションを作成</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>元のサイズを維持</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>Marlowtek Tessarin について</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Windows 向けのプロフェッショナルなディスククローン・システム移行ソリューションです。
ディスク全体のクローン、OS の移行、選択したパーティションのコピー、信頼性の高い起動可能ドライブの作成を、スマートクローンと SSD 最適化で行えます。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>ソースパーティションを選択してください。</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>ソースディスクを選択してください。</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>ターゲットディスクを選択してください。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>ディスク %1 にはコピー元パーティションが収まる空き領域がありません。</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>コピー元パーティション以上の大きさのコピー先パーティションを選択してください。</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>ソース: パーティション %1 (%2)、ディスク %3</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>ソース: %1 (%2、%3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>ターゲット: %1 (%2、%3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>続行しますか?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>ターゲットディスク上のすべてのデータが消去されます。</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>コピーはディスクの空き領域 (%1、位置 %2) に新しいパーティションとして作成されます。何も上書きされず、ディスク上のすべてのパーティションは残ります: %3。</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>パーティション %1 (%2、%3) は上書きされ、その内容はすべて失われます。ディスクの他のパーティションは残ります: %4。</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>コピー先ディスク全体が、その上のすべてのパーティションとともに消去されます: %1。</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>使用中のデータのみ</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>セクター単位</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2、セクター %3 → セクター %4、%5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>ターゲットへのコピー:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>パーティションテーブル:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>残りの領域:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>ブート修復:</translation>
    </message>
</context>
</TS>
