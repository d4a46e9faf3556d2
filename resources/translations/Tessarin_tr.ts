<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Önyükleme yapılandırması onarılıyor...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>BCD&apos;yi yeniden oluşturmak için bcdboot çalıştırılıyor...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Taşınabilir önyükleme modu yapılandırılıyor...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>BCD el ile onarılmaya çalışılıyor...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>Taşınabilir önyükleme ayarları yapılandırılıyor...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>Geçersiz önyükleme girdileri temizleniyor...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>Önyükleme onarımı başlatılıyor...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>BCD güncelleniyor...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>Önyükleme yapılandırması doğrulanıyor...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>MBR önyükleme sektörü onarılıyor...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>Bölüm önyükleme bayrağı güncelleniyor...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>UEFI önyüklemesi onarılıyor...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>EFI sistem bölümü bulunamadı</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>UEFI önyükleme girdileri güncelleniyor...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Önyükleme onarımı için hedef disk yeniden okunamıyor</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>Hedef önyükleme modu</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>Hedef diskin önyükleme modunu seçin</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>UEFI modu (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Önerilen</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>2012 sonrasında üretilen bilgisayarlar için önerilir. 2 TB&apos;tan büyük diskleri destekler.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>Eski tip mod (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>Eski bilgisayarlar veya özel gereksinimler için. 2 TB&apos;a kadar diskleri destekler.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  Hedef bilgisayar seçilen önyükleme modunu desteklemelidir.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>UEFI (GPT)</source>
        <translation>UEFI (GPT)</translation>
    </message>
    <message>
        <source>Legacy (MBR)</source>
        <translation>Eski tip (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>bcdedit/bcdboot bu sistemde kullanılamıyor; veriler kopyalandı, önyükleme yapılandırması güncellenmedi</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>Komut verilmedi; --help&apos;e bakın</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Bilinmeyen komut: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Bilinmeyen seçenek: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>Bilinmeyen klonlama modu: %1 (disk, system veya partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>%1 seçeneği bir değer gerektirir</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>%1 için geçersiz değer: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space ve --data-label yalnızca sistem klonlamasında geçerlidir</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart ve --sector-by-sector birlikte kullanılamaz</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>Klonlama için bir kaynak ve bir hedef gerekir</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>Bölüm klonlaması kaynağını DİSK:BÖLÜM olarak belirtir</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>Bölüm numaraları yalnızca bölüm klonlamasında geçerlidir</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>Listelenen disklerden hiçbiri %1 değil</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>Disk %1 üzerinde %2 numaralı bölüm yok</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>Disk %1 --yes olmadan üzerine yazılmaz: onay verecek bir terminal yok</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>Disk %1 (%2) üzerindeki her şeyin üzerine yazılacak. Devam etmek için disk numarasını yazın: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>Onaylanmadı; hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>Denetlenecek diski belirtin</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>--data-label için geçersiz değer: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1 bir bölüm belirtmiyor: iki noktadan sonra bir bölüm numarası (1 veya daha büyük) ya da hedef için free gelir</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>Disk %2 (%3) üzerindeki %1 numaralı bölümün tüm içeriğinin üzerine yazılacak; diskin diğer bölümleri kalır. Devam etmek için disk numarasını yazın: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>Kopya, disk %1 (%2) üzerindeki en büyük boş alana konur; bölümleri kalır. Devam etmek için disk numarasını yazın: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>Kaynak bölüm geçersiz</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>Hedef disk veya bölüm geçersiz</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>Kaynak bölüm ve hedef disk aynı diskte olamaz</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>Kaynak ve hedef bölüm aynı olamaz</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO başlatılmadı (önce setDiskIO çağrılmalı)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>%1 kopyalanamadı: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>Disk tanımlayıcıları yeniden oluşturuluyor...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>Kopyaya yeni GPT GUID&apos;leri verilemedi: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>Disk imzası güncelleniyor...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>Kopyaya yeni bir MBR disk imzası verilemedi: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Hedef boşaltılamadı: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Önyükleme yapılandırması onarılıyor...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>Önyükleme onarımı: atlandı, kaynak diskte Windows kurulumu yok</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>Kesilen çalışmanın %1 içinden kopyaladıkları karşılaştırılıyor...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>Adım 3: Yapılandırın ve onaylayın</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>Kaynak disk</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>Hedef disk</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>Klonlama ayarları</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Ayarlar...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>Hedef önyükleme modu</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>Hedef disk alanı</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>Kaynak bölüm</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>Bu klonlama başlatılamaz: %1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>%1 numaralı disk</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>%1 numaralı disk (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>Hedef %1, başka bir adla kaynak %2 veya onunla aynı depolamayı paylaşıyor</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>Hedef %1 kullanımda: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>Hedef %1 yazmak için açılamıyor: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>Hedef %1 kullanımda: %2; onu kullanan programları kapatıp yeniden deneyin</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>Başka bir klonlama işlemi %1 veya %2 kullanıyor: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>Klonlanıyor...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>Klonlama görevi hazırlanıyor...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>Hız: -- MB/sn</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>Kalan süre: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>Hız: %1 MB/sn</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>Kalan süre: %1 sa %2 dk</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>Kalan süre: %1 sn</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>Kalan süre: %1 dk %2 sn</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>Önyükleme onarımı sürüyor. Lütfen bitmesini bekleyin.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>Klonlama tamamlandı</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>Klonlama ve önyükleme onarımı başarıyla tamamlandı.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Klonlama başarıyla tamamlandı</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>Klonlama başarısız oldu</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>Klonlama başarısız: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>Kopyalanan verinin %1 kadarı doğrulandı</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>Klonlama uyarılarla tamamlandı</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>Okunamayan sektörler %1 dosyasında listelenmiştir</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>Hedefi denetle: hata yok</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>Hedefi denetle: kopya bu haliyle başlamayabilir</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>Klonlama başarıyla tamamlandı.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>Klonlama iptal edildi</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>Hedefe hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>Klonlama bitmeden durduruldu; hedefte eksik bir kopya olabilir.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>Bu klonlamayı durduğu yerden sürdür; hedefte zaten olanlar yeniden kopyalanmaz</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>Klonlama bitmeden durduruldu. Sürdür, durduğu yerden devam eder.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>Kaynak kullanımda</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>Kaynağın %1 birimleri okuma-yazma olarak bağlı ve anlık görüntüleri alınamıyor. Değişirken okunan bir kopya tutarsız olabilir ve açılmayabilir.

Yine de canlı okunsun mu?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>Kesilen klonlama</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>Bu kaynaktan bu hedefe bir klonlama %2 içinden %1 kopyalanmışken kesildi.

Yalnızca kalanı kopyalayarak sürdürülsün mü, yoksa baştan başlanıp her şey mi kopyalansın?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Baştan başla</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>Kaynak disk geçersiz</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>Hedef disk geçersiz</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>Kaynak ve hedef disk aynı olamaz</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>Disk %1 çalışan sistemi (Windows klasörü, önyükleme birimi veya disk belleği dosyası) içeriyor ve asla hedef olamaz</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>Hedef disk kaynak diskten küçük</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>Sektör sektör sistem klonlaması, kaynak diskten küçük olmayan bir hedef disk gerektirir</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>Kaynak ve hedef disklerin mantıksal sektör boyutları farklı (%1 ve %2 bayt); klonlama için her ikisinde de aynı sektör boyutu gerekir</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>Kaynak diskin bölüm tablosu hasarlı (%1); hiçbir şey değiştirilmedi</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>Bu kaynaktan bu hedefe sürdürülecek kesilmiş bir klonlamanın günlüğü yok (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>Kesilen klonlamanın günlüğü kullanılamaz: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>Günlük başka bir kaynak disk için yazılmış (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>Günlük başka bir hedef disk için yazılmış (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>Kesilen klonlamanın planı farklıydı (başka seçenekler ya da kaynağın kullanılan alanı değişti)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>Kaynak, kesilen klonlamadan bu yana değişti</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; her şeyi kopyalamak için klonlamayı sürdürmeden yeniden başlatın</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>Kesilen klonlamayı denetlemek için diskler okunamıyor: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>Hedef, günlüğe göre kopyalananları artık içermiyor (%1. bayt farklı); her şeyi kopyalamak için klonlamayı sürdürmeden yeniden başlatın</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>Klonlama günlüğü yazılamıyor: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>Aynı komut --resume ile bu çalışmanın durduğu yerden devam eder</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>Klonlama ayarları</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>Akıllı klonlama (önerilen)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>önerilen</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>Yalnızca kullanılan sektörleri kopyalar — daha hızlıdır ve büyükten küçüğe geçişi destekler.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>4K hizalama (SSD optimizasyonu)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>Daha iyi SSD performansı için bölümleri 4K sınırlarına hizalar.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>Sektör sektör klonlama</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>Kullanılmayan alan dahil her sektörü kopyalar — daha yavaş ama eksiksiz.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  Akıllı klonlama ve sektör sektör klonlama birlikte kullanılamaz.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>Akıllı klonlama</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>4K hizalama</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>Seçili seçenek yok</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>Kopyayı doğrula</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>Kopyalanan her aralığı hedeften geri oku ve kaynakla karşılaştır.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>Okunamayan sektörlere rağmen devam et</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>Okunamayan kaynak sektörlerin yerine sıfır yaz ve bunları günlüğün yanındaki bir dosyada listele.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>Klonlama işlemi iptal edildi</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>Klonlama başarıyla tamamlandı</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>Klonlama işlemi başarısız oldu</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Önyükleme yapılandırması onarılıyor...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>Önyükleme onarımı başarısız oldu</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>Klonlama tamamlandı, okunamayan sektörler: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>Hedef denetleniyor...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>Klonlama uyarılarla tamamlandı: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>kopyanın denetimi hatalar buldu; bu haliyle başlamayabilir</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>Önyükleme onarımı: istenmedi</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>Veri bölümü etiketi boş</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>Veri bölümü etiketi %1 karakterden uzun</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>Veri bölümü etiketi çift tırnak, satır sonu veya başka bir denetim karakteri içeriyor</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>SSD depolama</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>HDD depolama</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Başlatılmamış</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>Sistem diski</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - Sistem klonu: yalnızca önyükleme + Windows bölümleri</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>%1 kullanılabilir alan - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>Klonlanmaz</translation>
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
        <translation>Önyükleme</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Kurtarma</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tablo okunamıyor</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>Önyükleme dosyaları yeniden oluşturuluyor...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>Taşınabilir önyükleme modu yapılandırılıyor...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>Sistem USB önyüklemesi için yapılandırılıyor...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Disk klonlama</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>Tüm bölümler ve önyükleme kayıtları dahil diskin tamamını klonla</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Hedef disk temizleniyor...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>bölüm tablosu</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Hedef disk temizlenemedi: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>%1 kopyalanamadı: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Bölüm tablosu kopyalanıyor...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Bölüm %1 / %2 kopyalanıyor: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>Hedef disk boyutu için GPT yazılamadı: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Bölüm %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>Bölüm %1 kullanım haritasına güvenilemez (%2); bölüm tamamen kopyalandı</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Kaynak disk açılamadı: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Hedef disk açılamadı: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>tüm disk</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>Tüm disk sektör sektör kopyalanıyor...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Önyükleme onarımı için hedef disk yeniden okunamıyor</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>Başlatılmamış</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>%1 bölüm</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>Tablo okunamıyor</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>Kaynak ve hedef aynı aygıt: %1 ve %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>Kaynak açılamadı: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>Hedef açılamadı: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>Kaynak açılmadı</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>%1. sektörde okuma başarısız: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>Hedef açılmadı</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>Hedefte %1. sektörde okuma başarısız: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>%1. sektörde yazma başarısız: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>Hizalı arabellek ayrılmadı</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>Kaynak veya hedef açılmadı</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Hedef boşaltılamadı: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>Doğrulama başarısız: hedefin %1 numaralı sektörü kaynaktan farklı</translation>
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
        <translation>Bölüm tablosu okunamıyor: %1 numaralı sektör okunamıyor</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>Kurtarma</translation>
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
        <translation>Yapılandırma hatası</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Sayfa bağlantısı yüklenemedi.

Lütfen teknik destekle iletişime geçin veya yazılımı yeniden yükleyin.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Tarayıcı açılamıyor</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Varsayılan tarayıcı açılamadı.

Lütfen bu bağlantıyı kopyalayıp el ile açın:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>Disk klonlama aracı</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>KLONLAMA MODU</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>Disk klonlama</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Sistem klonlama</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>Bölüm klonlama</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>ADIMLAR</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  Geri</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>Klonlamayı başlat  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>İleri  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>Seçim gerekli</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>Klonlamayı onayla</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>Klonlama görevi başlatılıyor...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>Kaynak bölüm: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>Kaynak disk: %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>Hedef disk: %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>Önyükleme modu: %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>Alan dağıtımı: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Lütfen bekleyin</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>Önyükleme onarımı çalışıyor ve güvenli şekilde kesilemez.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>Klonlamayı iptal et</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>Geçerli klonlama görevi iptal edilsin mi?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>İptal istendi</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>Bir klonlama veya önyükleme onarımı görevi hâlâ çalışıyor. Tessarin&apos;i kapatmadan önce lütfen bitmesini bekleyin.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>Toplam %1  ·  Disk %2 Bölüm %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 kullanılıyor</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Kurtarma</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Önyükleme</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>Bölüm klonlama</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>Tek bir bölümü başka bir konuma klonla</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>Kaynak bölüm ve hedef disk aynı diskte olamaz</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>Hedef bölüm hedef diskte değil</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>Hedef disk (%1) kaynak veriler (%2) için çok küçük</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>Hedef bölüm (%1) kaynak veriler (%2) için çok küçük</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>Hedef bölüm %1 konumuna bağlı; önce bağlantısını kaldırın</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Kaynak disk açılamadı: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Hedef disk açılamadı: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>Kaynak bölüm tam %1 baytlık sektörlere oturmuyor; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>Kaynak bölüm okunamıyor (%1); hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>Hedef bölüm bir %1 baytlık sektör sınırında başlamıyor; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>Hedef diskin bölüm tablosu okunamadı: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>Hedef diskin bölüm tablosu hasarlı (%1); hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>Hedef bölüm, hedef diskin bölüm tablosunda birincil bir girdi değil; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>Hedef diskte kaynak bölüm için yeterli alan yok; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>Kopya, bir MBR girdisinin adresleyebileceği alanın ötesinde sona erer; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Hedef disk temizleniyor...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Hedef disk temizlenemedi: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>Hedef disk artık %2 yerine %1 baytlık sektörler bildiriyor</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>Hedef diskte kaynak bölüm için yeterli alan yok</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>Kopyanın önyükleme sektörü yeni konumunu tanımlayamıyor: %1; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Diskler açık değil (önce hazırlayın)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>Bölüm kopyalanıyor: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>Önyükleme sektörü güncelleniyor...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>Bölüm girdisi oluşturuluyor...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>Bölüm girdisi oluşturulamadı - bölüm görünmeyecek: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Hedef boşaltılamadı: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>Önyükleme sektörü güncellenemedi - bölüme erişilemeyebilir: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>Hedef diskten MBR okunamadı: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>MBR yazılamadı: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>Önyükleme yapılandırması onarılıyor...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>Hedef diskin önyükleme onarımı başarısız oldu</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Bölüm %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>Bölüm %1 kullanım haritasına güvenilemez (%2); bölüm tamamen kopyalandı</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>Önyükleme onarımı: atlandı, kaynak bir sistem bölümü değil</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>Kopyanın önyükleme onarımı başarısız oldu: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>Disk %1 üzerinde korunacak bir bölüm tablosu yok; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>Disk %1 üzerindeki en büyük boş alan (%2) kaynak bölümü (%3) alamıyor; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>Hedef diskin bölüm tablosunda kopya için boş girdi yok; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>Hedef diskin bölüm tablosu artık %1 baytında kopya için yer bırakmıyor; hiçbir şey değiştirilmedi</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>EFI sistem bölümü</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>Kurtarma bölümü</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>Sistem için ayrılmış</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>Bölüm %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>Adım 1: Sistem diskini seçin</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>Geçerli Windows kurulumunu içeren diski seçin. Yalnızca önyükleme ve sistem bölümleri klonlanır.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>Adım 1: Kaynak diski seçin</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>Klonlanacak diski seçin.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>Adım 1: Kaynak bölümü seçin</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>Klonlanacak bölümü seçin.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>Disk bulunamadı.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>Bölüm bulunamadı.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>Adım 2: Hedef diski seçin</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>Hedef diski seçin. Hedef diskteki tüm mevcut veriler silinecek.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>Hedef olarak kullanılabilecek başka disk yok.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>Hedef diski, ardından kopyanın diskte nereye gideceğini seçin: diskin tamamı (silinir), en büyük boş alanı (tüm bölümler kalır) veya bölümlerinden biri (üzerine yazılır).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>Kaynak bölümden küçük veya bağlı bölümler sunulmaz.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>Diskin tamamı</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>Diskteki tüm bölümler silinir; kopya 1 MiB konumunda başlar.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>En büyük boş alan</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%2 konumunda %1 boş; kopya yeni bir bölüm olarak eklenir ve tüm bölümler kalır.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>bu sistem bu birimlerin anlık görüntüsünü almıyor</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>Kaynağın %1 birimleri okuma-yazma olarak bağlı ve bir anlık görüntü üzerinden okunamıyor (%2); değişirken okunan bir kopya tutarsız olabilir. Bağlantılarını kaldırın veya salt okunur bağlayın ya da canlı okumayı kabul edin (--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>Kaynak birim %1 için anlık görüntü okunamıyor: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>Hedef disk alanı dağıtımı</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>Kalan alanın nasıl kullanılacağını seçin</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>Sistem bölümünü genişlet (tüm alanı kullan)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>Sistem bölümünü tüm diski kaplayacak şekilde genişletir.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>Ayrı bir veri bölümü oluştur</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Önerilen</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etiket:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>Ayrılmamış alan olarak bırak</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>Kalan alanı bölümlemeden bırakır. Daha sonra el ile bölümleyebilirsiniz.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>Sistem bölümünü genişlet</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>Veri bölümü oluştur</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>Ayrılmamış bırak</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>Sistem donanım geçişi için yapılandırılıyor...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>Standart depolama sürücüleri etkinleştiriliyor...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>Mevcut depolama sürücüleri etkin tutuluyor...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>Önyükleme yapılandırması yeniden oluşturuluyor...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>Önyükleme seçenekleri yapılandırılıyor...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>Bölüm %1 bir %2 baytlık sektör sınırında başlamıyor</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>Bölüm %1 kendinden önceki bölümle çakışıyor</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>Bölüm %1 hedef disk boyutunu aşar</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>Bölüm %1 yeniden boyutlandırılıyor: %2 -&gt; %3 bayt</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>Veri bölümü %1 oluşturuldu: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>Sistem klonlama</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>İşletim sistemini otomatik önyükleme onarımıyla yeni bir diske taşı</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>Hedefte eski tip (MBR) önyükleme, MBR kaynak sistem diski gerektirir.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>Hedefte UEFI (GPT) önyükleme, GPT kaynak sistem diski gerektirir.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>Kaynak diskte sistem bölümü bulunamadı</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>Hedef disk çok küçük. Kullanılan alan: %1 GB, hedef: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>Hedef disk temizleniyor...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>Hedef disk temizlenemedi: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>Hedef disk kaydında belirtilenden küçük (%1 bayt); hiçbir şey kopyalanmadı</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>Kaynak disk boyutu geçersiz</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>tüm disk</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>bölüm tablosu</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>Bölüm %1 kaynak diskin sonunun ötesinde; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>Bölüm %1 üzerindeki dosya sistemi bölümün içerdiğinden daha fazla alan bildiriyor; klonlamadan önce onarın; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>Bölüm %1 okunamadı: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>Diskler açık değil (önce hazırlayın)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>Diskin tamamı sektör sektör kopyalanıyor...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>Bölüm tablosu kopyalanıyor...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>Bölüm %1 / %2 kopyalanıyor: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>Hedef boşaltılamadı: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>Bölüm tablosu düzeltiliyor...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>GPT üst bilgisi düzeltilemedi: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>Hedefin bölüm tablosu güncellenemedi: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>Taşınan bölüm %1 için önyükleme sektörü güncellenemedi: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>Veri bölümü oluşturuluyor...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>Sistem bölümü genişletiliyor...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>Veri bölümü biçimlendiriliyor...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>Ayrı bir veri bölümü güvenli şekilde belirlenemiyor; biçimlendirme reddedildi</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>Kaynak diskte etkin bölüm yok; bcdboot olmadan kopya başlatılabilir hale getirilemez</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>Kaynak, sistem klonlamanın kopyalamadığı %1 numaralı bölümden başlıyor; bcdboot olmadan kopya başlatılabilir hale getirilemez</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>Bölüm %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>Bölüm %1 kullanım haritasına güvenilemez (%2); klonlamadan önce dosya sistemini onarın; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>Veri bölümü oluşturulmadı: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>&quot;%1&quot; veri bölümü oluşturulmadı: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>&quot;%1&quot; veri bölümü oluşturuldu ancak biçimlendirilmedi (kullanmadan önce biçimlendirin): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>Kaynak disk açılamadı: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>Hedef disk açılamadı: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>Önyükleme onarımı için hedef disk yeniden okunamıyor</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>Sistem bölümü genişletilmedi: kopyalanan bölümler arasında Windows birimi yok</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>Sistem bölümü %1 genişletilmedi: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>Sistem bölümü %1 genişletilmedi: dosya sistemi büyütülemedi: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>Veri bölümü: oluşturulmadı, hedefte sistem bölümlerinden sonra yer yok</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>Sistem bölümü: genişletilmedi, hedefte sistem bölümlerinden sonra yer yok</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>Bir BIOS (MBR) sistem diskini UEFI önyüklemeye taşımak yeni bir bölüm tablosu gerektirir; sektör sektör kopya bunu yapamaz.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>UEFI önyüklemeye geçiş kaynak diskin Windows birimini gerektirir ve hiçbiri bulunamadı.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>Yeni EFI sistem bölümü biçimlendiriliyor...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>Yeni EFI sistem bölümü oluşturulamadı: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>Yeni GPT yazılıyor...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>Boşta</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Hazırlanıyor</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>Veriler klonlanıyor</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>Önyükleme yapılandırması onarılıyor</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>Veriler doğrulanıyor</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>İptal edildi</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>Sistem bölümünü genişlet</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>Orijinali koru + veri bölümü oluştur</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>Orijinal boyutu koru</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>Marlowtek Tessarin hakkında</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Windows için profesyonel bir disk klonlama ve sistem taşıma çözümü.
Akıllı klonlama ve SSD optimizasyonu ile diskleri tümüyle klonlayın, işletim sistemlerini taşıyın, seçili bölümleri kopyalayın ve güvenilir önyüklenebilir sürücüler oluşturun.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Destek</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>Lütfen bir kaynak bölüm seçin.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>Lütfen bir kaynak disk seçin.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>Lütfen bir hedef disk seçin.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>Disk %1 üzerinde kaynak bölüm için yeterince büyük boş alan yok.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>Lütfen en az kaynak bölüm kadar büyük bir hedef bölüm seçin.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>Kaynak: disk %3 üzerindeki bölüm %1 (%2)</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>Kaynak: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>Hedef: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Devam edilsin mi?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>Hedef diskteki tüm veriler silinecek.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>Kopya, diskin %2 konumundaki %1 boş alanında yeni bir bölüm olur. Hiçbir şeyin üzerine yazılmaz; diskteki tüm bölümler kalır: %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>%1 numaralı bölümün (%2, %3) üzerine yazılacak ve içindeki her şey kaybolacak. Diskin diğer bölümleri kalır: %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>Hedef diskin tamamı, üzerindeki tüm bölümlerle birlikte silinecek: %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>yalnızca kullanılan veriler</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>sektör sektör</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>tamamı</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2, sektör %3 → sektör %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Toplam: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>Hedefe kopyalanan:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>Bölüm tablosu:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>Kalan alan:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>Önyükleme onarımı:</translation>
    </message>
</context>
</TS>
