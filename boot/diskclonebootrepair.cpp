#include "boot/diskclonebootrepair.h"
#include "core/tessarin.h"

#include "boot/bcdeditor.h"
#include "boot/bootplatform.h"
#include "boot/copyvolumeletters.h"
#include "boot/boottoolavailability.h"
#include "boot/targetpartitionroles.h"
#include "platformtools/diskpartscript.h"
#include "boot/offlinebootrepair.h"
#include "boot/offlineregistry.h"
#include "platformtools/toolrunner.h"
#include "core/commandrunner.h"
#include "core/diskio.h"
#include "core/logger.h"

#include <QCoreApplication>

namespace {
const QString DetectScript = QStringLiteral("/tessarin_disk_detect_boot.txt");
const QString MountScript = QStringLiteral("/tessarin_disk_bcdboot.txt");
const QString LegacyScript = QStringLiteral("/tessarin_mbr.txt");
constexpr QChar LowestLetter = QLatin1Char('K');
}

DiskCloneBootRepair::DiskCloneBootRepair(BCDEditor* bcdEditor, DiskIO* diskIO, QObject* parent)
    : QObject(parent), m_bcd(bcdEditor), m_diskIO(diskIO), m_registry(new OfflineRegistry(this))
{
    connect(m_registry, &OfflineRegistry::phaseChanged, this, &DiskCloneBootRepair::phaseChanged);
}

bool DiskCloneBootRepair::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().error(message);
    return false;
}

void DiskCloneBootRepair::clearMounted()
{
    m_mountedLetter.clear();
    m_mountedDisk = -1;
    m_mountedPartition = -1;
}

QString DiskCloneBootRepair::driveRoot(const QString& letter)
{
    QString root = letter.trimmed();
    root.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (root.endsWith(QLatin1Char(':')))
        return root + QLatin1Char('\\');
    if (root.size() == 1)
        return root + QStringLiteral(":\\");
    return root.endsWith(QLatin1Char('\\')) ? root : root + QLatin1Char('\\');
}

PartitionInfo DiskCloneBootRepair::findSourceWindowsPartition() const
{
    for (const PartitionInfo& p : m_sourceDisk.partitions) {
        if (!p.driveLetter.isEmpty() && BootPlatform::exists(driveRoot(p.driveLetter) + QStringLiteral("Windows\\System32")))
            return p;
    }
    return PartitionInfo();
}

bool DiskCloneBootRepair::looksLikeEfiPartition(const PartitionInfo& p)
{
    if (p.isEfi || Tessarin::isPartitionType(p.typeGuid, Tessarin::EfiTypeText) || p.mbrType == 0xEF)
        return true;
    if (p.size > MaxSmallEfiBytes)
        return false;
    if (p.fileSystem != Tessarin::FileSystemType::FAT32 && p.fileSystemName.toUpper() != QLatin1String("FAT32"))
        return false;
    const QString label = p.label.toUpper();
    return label.contains(QLatin1String("SYSTEM")) || label.contains(QLatin1String("EFI")) || p.isSystem;
}

QString DiskCloneBootRepair::chooseFreeLetter(const QStringList& skip)
{
    return BootPlatform::chooseFreeLetter(LowestLetter, skip);
}

void DiskCloneBootRepair::unmountPartition(int disk, int partition, const QString& letter)
{
    ToolRunner::removePartitionLetter(disk, partition, letter);
}

bool DiskCloneBootRepair::detectTargetBootPartitions(int disk, const QString& probeLetter, int& efiNumber,
                                                     int& windowsNumber)
{
    Logger& log = Logger::instance();
    const ToolRunner::ScriptRun online = ToolRunner::runNamedScript(DetectScript, DiskpartScript::onlineDisk(disk), DetectScriptMs);
    if (!online.created) {
        log.warning(QStringLiteral("Failed to create diskpart online script: %1").arg(online.path));
        return efiNumber >= 1 && windowsNumber >= 1;
    }
    log.info(QStringLiteral("Target disk online output:\n%1").arg(online.standardOutput + online.standardError));
    TargetPartitionRoles roles;
    QString why;
    if (!TargetPartitionRoles::read(disk, MinWindowsPartitionBytes, roles, why)) {
        log.warning(QStringLiteral("The partition table of disk %1 cannot be read: %2").arg(disk).arg(why));
        return efiNumber >= 1 && windowsNumber >= 1;
    }
    if (efiNumber < 1)
        efiNumber = roles.efi;
    QList<int> candidates;
    if (windowsNumber > 0)
        candidates.append(windowsNumber);
    for (int number : roles.windowsCandidates)
        if (!candidates.contains(number))
            candidates.append(number);

    const QString probe = DiskpartScript::normalizeLetter(probeLetter);
    for (int number : candidates) {
        const QString script = DiskpartScript::probeAssign(disk, number, probe);
        if (script.isEmpty())
            break;
        const ToolRunner::ScriptRun run = ToolRunner::runNamedScript(DetectScript, script, ProbeScriptMs);
        log.info(QStringLiteral("Probe Windows partition %1 output:\n%2").arg(number).arg(run.standardOutput + run.standardError));
        const bool found = BootPlatform::waitForPaths({probe + QStringLiteral(":\\Windows\\System32")}, 5, 500);
        unmountPartition(disk, number, probe);
        if (found) {
            windowsNumber = number;
            log.info(QStringLiteral("Verified target Windows partition: %1").arg(number));
            break;
        }
    }
    log.info(QStringLiteral("Detected target boot partitions: EFI=%1, Windows=%2").arg(efiNumber).arg(windowsNumber));
    return efiNumber > 0 && windowsNumber > 0;
}

bool DiskCloneBootRepair::repairThroughLetters(const QList<QPair<int, QString>>& roots)
{
    Logger& log = Logger::instance();
    OfflineBootRepair::MountedVolumes mounted;
    for (const auto& [number, root] : roots) {
        for (const PartitionInfo& p : m_targetDisk.partitions) {
            if (p.partitionNumber != number || p.startByte() == 0 || root.isEmpty())
                continue;
            const VolumeFileAccess::Kind kind = CopyVolumeLetters::kindOf(p);
            mounted.insert(p.startByte(), {driveRoot(root), kind});
        }
    }
    if (mounted.size() != roots.size()) {
        log.info(QStringLiteral("The copy's table does not list every mounted partition; the boot files are rebuilt instead"));
        return false;
    }
    QStringList changes;
    QString error;
    const OfflineBootRepair::Result result = OfflineBootRepair::repairClone(
        m_sourceDisk.diskNumber, m_targetDisk.diskNumber, OfflineRegistry::diskCloneServices(), true, false, changes, error, mounted);
    for (const QString& line : changes)
        log.info(QStringLiteral("Boot repair changed %1").arg(line));
    if (result == OfflineBootRepair::Result::Updated)
        return true;
    log.warning(QStringLiteral("The copy's boot store could not be updated in place (%1); the boot files are rebuilt instead")
                    .arg(result == OfflineBootRepair::Result::NoStore ? QStringLiteral("no store") : error));
    return false;
}

bool DiskCloneBootRepair::configurePortableUsbBoot(const QString& windowsLetter)
{
    if (!BootToolAvailability::allAvailable())
        return fail(BootToolAvailability::refuse(QStringLiteral("Portable USB boot configuration")));
    if (m_registry->configurePortableUsbBoot(windowsLetter))
        return true;
    m_lastError = m_registry->lastError();
    return false;
}

bool DiskCloneBootRepair::configureUefiPortableBoot()
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Configuring BCD for portable boot..."));
    if (!BootToolAvailability::allAvailable())
        return fail(BootToolAvailability::refuse(QStringLiteral("Portable boot configuration")));
    if (m_diskIO) {
        m_diskIO->flushTarget();
        m_diskIO->close();
    }
    CommandRunner::current().sleepMs(2000);

    int efiNumber = -1;
    for (const PartitionInfo& p : m_sourceDisk.partitions) {
        if (looksLikeEfiPartition(p) && p.isValid()) {
            efiNumber = p.partitionNumber;
            break;
        }
    }
    const PartitionInfo sourceWindows = findSourceWindowsPartition();
    int windowsNumber = sourceWindows.diskNumber >= 0 ? sourceWindows.partitionNumber : -1;

    const QString efiLetter = chooseFreeLetter({});
    const QString windowsLetter = efiLetter.isEmpty() ? QString() : chooseFreeLetter({efiLetter});
    if (efiLetter.isEmpty() || windowsLetter.isEmpty())
        return fail(QStringLiteral("No available drive letters for boot repair"));

    const int disk = m_targetDisk.diskNumber;
    if (!detectTargetBootPartitions(disk, windowsLetter, efiNumber, windowsNumber))
        return fail(QStringLiteral("Failed to detect target EFI/Windows partitions for boot repair"));
    log.info(QStringLiteral("Using drive letters: EFI=%1, Windows=%2").arg(efiLetter, windowsLetter));
    log.info(QStringLiteral("Using target partitions: EFI=%1, Windows=%2").arg(efiNumber).arg(windowsNumber));

    const QString script = DiskpartScript::mountEfiAndWindows(disk, efiNumber, efiLetter, windowsNumber, windowsLetter);
    log.info(QStringLiteral("Mount script:\n%1").arg(script));
    const ToolRunner::ScriptRun mount = ToolRunner::runNamedScript(MountScript, script, MountScriptMs);
    if (!mount.created)
        return fail(QStringLiteral("Failed to create diskpart script: %1").arg(mount.path));
    log.info(QStringLiteral("Mount output:\n%1%2").arg(mount.standardOutput, mount.standardError));
    m_mountedLetter = efiLetter;
    m_mountedDisk = disk;
    m_mountedPartition = efiNumber;

    const QString efiPath = efiLetter + QStringLiteral(":\\EFI");
    const QString windowsPath = windowsLetter + QStringLiteral(":\\Windows");
    auto removeBoth = [&] {
        unmountPartition(disk, efiNumber, efiLetter);
        unmountPartition(disk, windowsNumber, windowsLetter);
        m_mountedLetter.clear();
        m_mountedPartition = -1;
    };
    if (!BootPlatform::waitForPaths({efiPath, windowsPath}, 8, 1000)) {
        removeBoth();
        return fail(QStringLiteral("Failed to mount EFI or Windows partitions: EFI=%1, Windows=%2").arg(efiPath, windowsPath));
    }
    // A copy that has its boot files keeps them; only their references to the source change.
    if (BootPlatform::exists(efiLetter + QStringLiteral(":\\EFI\\Microsoft\\Boot\\BCD"))
        && repairThroughLetters({{efiNumber, efiLetter}, {windowsNumber, windowsLetter}})) {
        removeBoth();
        return true;
    }
    if (!configurePortableUsbBoot(windowsLetter)) {
        removeBoth();
        return false;
    }

    bool result = true;
    emit phaseChanged(QCoreApplication::translate("DiskCloneMode", "Rebuilding boot files..."));
    if (!m_bcd->rebuildWithBcdboot(windowsLetter + QStringLiteral(":\\Windows"), efiLetter + QLatin1Char(':'), 2)) {
        m_lastError = QStringLiteral("bcdboot failed for cloned disk");
        log.warning(QStringLiteral("bcdboot failed, trying portable BCD configuration on existing store"));
        result = false;
    }
    emit phaseChanged(QCoreApplication::translate("DiskCloneMode", "Configuring portable boot mode..."));
    if (!m_bcd->configurePortableMode(efiLetter)) {
        m_lastError = QStringLiteral("Failed to configure portable mode: ") + m_bcd->lastError();
        log.warning(m_lastError);
        result = false;
    }
    unmountPartition(disk, windowsNumber, windowsLetter);
    unmountPartition(disk, efiNumber, efiLetter);
    m_mountedLetter.clear();
    return result;
}

bool DiskCloneBootRepair::repairLegacyBcd()
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Repairing Legacy BIOS BCD configuration..."));
    if (!BootToolAvailability::allAvailable())
        return fail(BootToolAvailability::refuse(QStringLiteral("Legacy BCD repair")));
    QString root;
    int rootPartition = -1;
    for (const PartitionInfo& p : m_targetDisk.partitions) {
        if (!p.driveLetter.isEmpty() && BootPlatform::exists(driveRoot(p.driveLetter) + QStringLiteral("Boot\\BCD"))) {
            root = driveRoot(p.driveLetter);
            rootPartition = p.partitionNumber;
            log.info(QStringLiteral("Found BCD at %1Boot\\BCD").arg(root));
            break;
        }
    }
    if (root.isEmpty()) {
        for (const PartitionInfo& p : m_targetDisk.partitions) {
            if (!p.isSystem || !p.driveLetter.isEmpty())
                continue;
            const QString letter = chooseFreeLetter({});
            if (letter.isEmpty())
                break;
            const int disk = m_targetDisk.diskNumber;
            const ToolRunner::ScriptRun run = ToolRunner::runNamedScript(
                LegacyScript, DiskpartScript::assignSystemLetter(disk, p.partitionNumber, letter), LegacyScriptMs);
            if (!run.created)
                break;
            CommandRunner::current().sleepMs(1000);
            if (BootPlatform::exists(letter + QStringLiteral(":\\Boot\\BCD"))) {
                root = driveRoot(letter);
                rootPartition = p.partitionNumber;
                // Recorded with its disk and partition so that the strategy's clean-up can remove it.
                m_mountedLetter = letter;
                m_mountedDisk = disk;
                m_mountedPartition = p.partitionNumber;
                log.info(QStringLiteral("Mounted system partition at %1:").arg(letter));
            } else {
                // A letter that gives no store would otherwise stay assigned.
                unmountPartition(disk, p.partitionNumber, letter);
            }
            break;
        }
    }
    if (root.isEmpty()) {
        log.warning(QStringLiteral("Could not find or mount system partition with BCD"));
        return true;
    }
    // The copy has a new disk signature: the store's device elements must name it, and the copy's
    // Windows gets the portable edits, through the letters the copy's volumes have.
    QList<QPair<int, QString>> roots{{rootPartition, root}};
    for (const PartitionInfo& p : m_targetDisk.partitions)
        if (p.partitionNumber != rootPartition && p.holdsWindows() && !p.driveLetter.isEmpty())
            roots.append({p.partitionNumber, p.driveLetter});
    if (repairThroughLetters(roots))
        return true;
    const QString store = root + QStringLiteral("Boot\\BCD");
    log.info(QStringLiteral("Setting detecthal on BCD store: %1").arg(store));
    const CommandResult r = ToolRunner::run(QStringLiteral("bcdedit"),
                                            {QStringLiteral("/store"), store, QStringLiteral("/set"), QStringLiteral("{default}"),
                                             QStringLiteral("detecthal"), QStringLiteral("yes")},
                                            LegacyBcdeditMs);
    if (r.finished && r.exitCode == 0)
        log.info(QStringLiteral("detecthal enabled for Legacy BIOS"));
    else
        log.warning(QStringLiteral("bcdedit output: %1 %2").arg(ToolRunner::decode(r.standardOutput), ToolRunner::decode(r.standardError)));
    return true;
}
