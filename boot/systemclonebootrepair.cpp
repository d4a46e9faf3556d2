#include "boot/systemclonebootrepair.h"

#include "boot/bcdeditor.h"
#include "boot/bootplatform.h"
#include "boot/copyvolumeletters.h"
#include "boot/boottoolavailability.h"
#include "boot/targetpartitionroles.h"
#include "platformtools/diskpartscript.h"
#include "boot/offlineregistry.h"
#include "platformtools/toolrunner.h"
#include "core/commandrunner.h"
#include "core/diskio.h"
#include "core/logger.h"

#include <QCoreApplication>

namespace {
const QString BcdScript = QStringLiteral("/tessarin_bcd.txt");
constexpr QChar LowestLetter = QLatin1Char('K');
}

SystemCloneBootRepair::SystemCloneBootRepair(BCDEditor* bcdEditor, DiskIO* diskIO, QObject* parent)
    : QObject(parent), m_bcd(bcdEditor), m_diskIO(diskIO), m_registry(new OfflineRegistry(this))
{
    connect(m_registry, &OfflineRegistry::phaseChanged, this, &SystemCloneBootRepair::phaseChanged);
}

SystemCloneBootRepair::~SystemCloneBootRepair()
{
    releaseMountedLetter();
}

void SystemCloneBootRepair::releaseMountedLetter()
{
    if (m_mountedLetter.isEmpty() || m_mountedPartition < 1)
        return;
    unmountPartition(m_targetDisk.diskNumber, m_mountedPartition, m_mountedLetter);
    m_mountedLetter.clear();
    m_mountedPartition = -1;
}

void SystemCloneBootRepair::unmountPartition(int disk, int partition, const QString& letter)
{
    ToolRunner::removePartitionLetter(disk, partition, letter);
}

OfflineBootRepair::Mounted SystemCloneBootRepair::mountedAt(const QString& letter, VolumeFileAccess::Kind kind)
{
    const QString normalized = DiskpartScript::normalizeLetter(letter);
    return {(normalized.isEmpty() ? letter : normalized) + QStringLiteral(":\\"), kind};
}

bool SystemCloneBootRepair::repairThroughLetters(const OfflineBootRepair::MountedVolumes& roots)
{
    Logger& log = Logger::instance();
    if (m_sourceDiskNumber < 0 || roots.isEmpty())
        return false;
    QStringList changes;
    QString error;
    const OfflineBootRepair::Result result =
        OfflineBootRepair::repairClone(m_sourceDiskNumber, m_targetDisk.diskNumber, OfflineRegistry::systemCloneServices(), false,
                                       true, changes, error, roots);
    for (const QString& line : changes)
        log.info(QStringLiteral("Boot repair changed %1").arg(line));
    if (result == OfflineBootRepair::Result::Updated)
        return true;
    log.warning(QStringLiteral("The copy's boot store could not be updated in place (%1); the boot files are rebuilt instead")
                    .arg(result == OfflineBootRepair::Result::NoStore ? QStringLiteral("no store") : error));
    return false;
}

bool SystemCloneBootRepair::rebuildBcdForMigration()
{
    Logger& log = Logger::instance();
    CommandRunner& runner = CommandRunner::current();
    log.info(QStringLiteral("Rebuilding BCD with bcdboot..."));
    releaseMountedLetter();
    m_efiLetterUsed.clear();
    if (!BootToolAvailability::allAvailable()) {
        m_lastError = BootToolAvailability::refuse(QStringLiteral("BCD rebuild"));
        return false;
    }
    log.info(QStringLiteral("Closing disk handle before mounting partitions..."));
    if (m_diskIO) {
        m_diskIO->flushTarget();
        m_diskIO->closeTarget();
    }
    runner.sleepMs(3000);

    const QString efiLetter = BootPlatform::chooseFreeLetter(LowestLetter);
    const QString winLetter = efiLetter.isEmpty() ? QString() : BootPlatform::chooseFreeLetter(LowestLetter, {efiLetter});
    if (efiLetter.isEmpty() || winLetter.isEmpty()) {
        m_lastError = QStringLiteral("No available drive letters");
        log.error(m_lastError);
        return false;
    }
    log.info(QStringLiteral("Using drive letters: EFI=%1, Windows=%2").arg(efiLetter, winLetter));
    const int disk = m_targetDisk.diskNumber;

    ToolRunner::ScriptRun run = ToolRunner::runNamedScript(BcdScript, DiskpartScript::onlineDisk(disk), ScriptMs);
    log.info(QStringLiteral("Online disk output:\n%1").arg(run.standardOutput + run.standardError));
    runner.sleepMs(2000);

    TargetPartitionRoles roles;
    QString why;
    if (!TargetPartitionRoles::read(disk, MinWindowsPartitionBytes, roles, why)) {
        m_lastError = QStringLiteral("The partition table of disk %1 cannot be read: %2").arg(disk).arg(why);
        log.error(m_lastError);
        return false;
    }
    const int efiNumber = roles.efi;
    int winNumber = -1;
    const QList<int>& probes = roles.windowsCandidates;
    log.info(QStringLiteral("Target disk table: EFI partition %1, %2 Windows candidates").arg(efiNumber).arg(probes.size()));
    bool verified = false;
    for (int number : probes) {
        const QString assign = DiskpartScript::probeAssign(disk, number, winLetter);
        const ToolRunner::ScriptRun probe = ToolRunner::runNamedScript(BcdScript, assign, ScriptMs);
        if (!probe.created) {
            log.warning(QStringLiteral("Failed to create partition probe script"));
            continue;
        }
        log.info(QStringLiteral("Probe partition %1 output:\n%2").arg(number).arg(probe.standardOutput + probe.standardError));
        runner.sleepMs(1000);
        const bool found = BootPlatform::exists(winLetter + QStringLiteral(":\\Windows\\System32"));
        ToolRunner::runNamedScript(BcdScript, DiskpartScript::probeRemove(disk, number, winLetter), ScriptMs);
        if (found && number > 0) {
            log.info(QStringLiteral("Verified Windows partition: %1").arg(number));
            winNumber = number;
            verified = true;
            break;
        }
    }
    if (!probes.isEmpty() && !verified) {
        m_lastError = QStringLiteral("No primary partition contains Windows\\System32");
        log.error(m_lastError);
        return false;
    }
    if (efiNumber < 1 || winNumber < 1) {
        m_lastError = QStringLiteral("Partition detection failed: EFI=%1, Windows=%2").arg(efiNumber).arg(winNumber);
        log.error(m_lastError);
        return false;
    }
    log.info(QStringLiteral("Using partitions: EFI=%1, Windows=%2").arg(efiNumber).arg(winNumber));

    const QString mountScript = DiskpartScript::mountPair(disk, efiNumber, efiLetter, winNumber, winLetter);
    log.info(QStringLiteral("Mount script:\n%1").arg(mountScript));
    run = ToolRunner::runNamedScript(BcdScript, mountScript, ScriptMs);
    log.info(QStringLiteral("Mount output:\n%1").arg(run.standardOutput + run.standardError));
    runner.sleepMs(3000);

    if (!BootPlatform::exists(winLetter + QStringLiteral(":\\Windows\\System32"))) {
        log.error(QStringLiteral("Windows folder not found at %1:\\Windows").arg(winLetter));
        const CommandResult dir = ToolRunner::run(QStringLiteral("cmd"),
                                                  {QStringLiteral("/c"), QStringLiteral("dir"), winLetter + QStringLiteral(":\\")},
                                                  CmdMs);
        log.info(QStringLiteral("Contents of %1:\\\n%2").arg(winLetter, ToolRunner::decode(dir.standardOutput)));
        m_lastError = QStringLiteral("Windows folder not found on target partition %1").arg(winNumber);
        unmountPartition(disk, efiNumber, efiLetter);
        unmountPartition(disk, winNumber, winLetter);
        return false;
    }
    log.info(QStringLiteral("Windows folder verified at %1:\\Windows").arg(winLetter));

    // A copy that has its boot files keeps them; only their references to the source change.
    if (BootPlatform::exists(efiLetter + QStringLiteral(":\\EFI\\Microsoft\\Boot\\BCD"))
        && BootPlatform::exists(efiLetter + QStringLiteral(":\\EFI\\Microsoft\\Boot\\bootmgfw.efi"))
        && repairThroughLetters({{roles.offsets.value(efiNumber), mountedAt(efiLetter, VolumeFileAccess::Kind::Fat)},
                                 {roles.offsets.value(winNumber), mountedAt(winLetter, VolumeFileAccess::Kind::Ntfs)}})) {
        m_efiLetterUsed = efiLetter;
        unmountPartition(disk, winNumber, winLetter);
        m_mountedLetter = efiLetter;
        m_mountedPartition = efiNumber;
        log.info(QStringLiteral("The copy's boot store was updated in place"));
        return true;
    }

    m_registry->configureForMigration(winLetter);
    runner.sleepMs(1000);

    ToolRunner::run(QStringLiteral("cmd"),
                    {QStringLiteral("/c"), QStringLiteral("rd"), QStringLiteral("/s"), QStringLiteral("/q"),
                     efiLetter + QStringLiteral(":\\EFI\\Microsoft\\Boot")},
                    CmdMs);
    runner.sleepMs(1000);

    bool result = true;
    emit phaseChanged(QCoreApplication::translate("SystemCloneMode", "Rebuilding boot configuration..."));
    const QString source = winLetter + QStringLiteral(":\\Windows");
    const QString target = efiLetter + QLatin1Char(':');
    log.info(QStringLiteral("Executing bcdboot: source=%1, target=%2").arg(source, target));
    const CommandResult boot = ToolRunner::run(QStringLiteral("bcdboot"),
                                               {source, QStringLiteral("/s"), target, QStringLiteral("/f"), QStringLiteral("UEFI"),
                                                QStringLiteral("/l"), BCDEditor::bootLocale()},
                                               BcdbootMs);
    // Not started counts as a time-out: no exit code to trust.
    const bool timedOut = !boot.finished;
    log.info(QStringLiteral("bcdboot exit code: %1, output: %2")
                 .arg(timedOut ? -1 : boot.exitCode)
                 .arg(ToolRunner::decode(boot.standardOutput).trimmed()));
    if (timedOut)
        log.error(QStringLiteral("bcdboot timed out after 60 seconds"));
    const QString stderrText = ToolRunner::decode(boot.standardError);
    if (!stderrText.isEmpty())
        log.warning(QStringLiteral("bcdboot stderr: %1").arg(stderrText));
    if (timedOut || boot.exitCode != 0) {
        m_lastError = timedOut ? QStringLiteral("bcdboot timed out")
                               : QStringLiteral("bcdboot failed with exit code %1").arg(boot.exitCode);
        result = false;
    } else {
        const QString store = efiLetter + QStringLiteral(":\\EFI\\Microsoft\\Boot\\BCD");
        if (BootPlatform::waitForPaths({store}, 10, 500)) {
            emit phaseChanged(QCoreApplication::translate("SystemCloneMode", "Configuring boot options..."));
            struct Option {
                QStringList args;
                const char* logText;
            };
            const Option options[] = {
                {{QStringLiteral("/set"), QStringLiteral("{default}"), QStringLiteral("detecthal"), QStringLiteral("yes")},
                 "detecthal result: %1"},
                {{QStringLiteral("/deletevalue"), QStringLiteral("{default}"), QStringLiteral("nointegritychecks")},
                 "clear nointegritychecks result: %1"},
                {{QStringLiteral("/set"), QStringLiteral("{default}"), QStringLiteral("bootstatuspolicy"),
                  QStringLiteral("ignoreallfailures")},
                 "bootstatuspolicy result: %1"},
                {{QStringLiteral("/set"), QStringLiteral("{default}"), QStringLiteral("recoveryenabled"), QStringLiteral("yes")},
                 "recoveryenabled result: %1"},
            };
            for (const Option& o : options) {
                const CommandResult r = ToolRunner::run(QStringLiteral("bcdedit"),
                                                        QStringList{QStringLiteral("/store"), store} + o.args, OptionMs);
                log.info(QString::fromLatin1(o.logText).arg(r.finished ? r.exitCode : -1));
            }
            log.info(QStringLiteral("BCD options configured for hardware migration"));
        }
        if (!m_bcd->configurePortableMode(efiLetter)) {
            m_lastError = QStringLiteral("Portable BCD configuration failed: %1").arg(m_bcd->lastError());
            log.error(m_lastError);
            result = false;
        }
        if (!m_bcd->cleanInvalidEntries(efiLetter))
            log.warning(QStringLiteral("BCD cleanup failed: %1").arg(m_bcd->lastError()));
        verifyEfiContents(efiLetter);
    }

    m_efiLetterUsed = efiLetter;
    if (result) {
        // The EFI letter stays for the strategy's own check; releaseMountedLetter removes it.
        unmountPartition(disk, winNumber, winLetter);
        m_mountedLetter = efiLetter;
        m_mountedPartition = efiNumber;
    } else {
        ToolRunner::runNamedScript(BcdScript, DiskpartScript::removePair(disk, efiNumber, efiLetter, winNumber, winLetter),
                                   ScriptMs);
    }
    if (result)
        log.info(QStringLiteral("BCD rebuilt successfully with hardware migration support"));
    else
        log.error(QStringLiteral("bcdboot failed"));
    return result;
}

bool SystemCloneBootRepair::repairBcd()
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Repairing BCD..."));
    if (!BootToolAvailability::allAvailable()) {
        m_lastError = BootToolAvailability::refuse(QStringLiteral("BCD repair"));
        return false;
    }
    releaseMountedLetter();
    m_efiLetterUsed.clear();  // a failed rebuild's letter is gone again
    QString windowsRoot;
    for (const PartitionInfo& p : m_systemPartitions) {
        if (!p.driveLetter.isEmpty() && BootPlatform::exists(p.driveLetter + QStringLiteral("\\Windows\\System32"))) {
            windowsRoot = p.driveLetter;
            break;
        }
    }
    if (windowsRoot.isEmpty()) {
        log.error(QStringLiteral("Windows partition not found"));
        m_lastError = QStringLiteral("Cannot find Windows partition for BCD repair");
        return false;
    }
    const bool legacy = m_bootMode == Tessarin::TargetBootMode::Legacy;
    QString systemRoot;
    if (legacy) {
        const int boot = PartitionInfo::legacyBootIndex(m_systemPartitions);
        if (boot >= 0 && !m_systemPartitions[boot].holdsWindows()) {
            systemRoot = m_systemPartitions[boot].driveLetter;
            if (systemRoot.isEmpty()) {
                m_lastError = QStringLiteral("The copy's System Reserved partition has no drive letter for BCD repair");
                log.error(m_lastError);
                return false;
            }
        } else {
            systemRoot = windowsRoot;
        }
    } else {
        for (const PartitionInfo& p : m_systemPartitions) {
            if (!p.isEfi)
                continue;
            if (!p.driveLetter.isEmpty()) {
                systemRoot = p.driveLetter;
            } else {
                QString letter;
                if (m_bcd->mountEfiPartition(m_targetDisk, letter)) {
                    // Recorded with its partition, so that releaseMountedLetter takes it away again.
                    m_mountedLetter = letter;
                    m_mountedPartition = p.partitionNumber;
                    systemRoot = letter + QLatin1Char(':');
                }
            }
            m_efiLetterUsed = systemRoot;
            break;
        }
        if (systemRoot.isEmpty()) {
            log.error(QStringLiteral("EFI partition not found or cannot be mounted"));
            m_lastError = QStringLiteral("Cannot access EFI partition for BCD repair");
            return false;
        }
    }
    for (const QString& root : {windowsRoot, systemRoot})
        if (m_sourceLetters.contains(root, Qt::CaseInsensitive)) {
            m_lastError = QStringLiteral("BCD repair refused: %1 is a volume of the source disk, not of the copy").arg(root);
            log.error(m_lastError);
            return false;
        }
    log.info(QStringLiteral("BCD repair: windows=%1, system=%2").arg(windowsRoot, systemRoot));
    if (BootPlatform::exists(BCDEditor::bcdStorePath(systemRoot, legacy ? 1 : 2))) {
        OfflineBootRepair::MountedVolumes roots;
        for (const PartitionInfo& p : m_systemPartitions) {
            const bool windows = p.driveLetter.compare(windowsRoot, Qt::CaseInsensitive) == 0;
            const bool system = p.driveLetter.compare(systemRoot, Qt::CaseInsensitive) == 0
                || (p.partitionNumber == m_mountedPartition && !m_mountedLetter.isEmpty());
            if ((!windows && !system) || p.startByte() == 0)
                continue;
            const VolumeFileAccess::Kind kind = CopyVolumeLetters::kindOf(p);
            roots.insert(p.startByte(), mountedAt(windows ? windowsRoot : systemRoot, kind));
        }
        if (repairThroughLetters(roots))
            return true;
    }
    if (!m_bcd->repairBoot(windowsRoot, legacy ? 1 : 2, systemRoot)) {
        m_lastError = m_bcd->lastError();
        log.error(QStringLiteral("BCD repair failed: %1").arg(m_lastError));
        return false;
    }
    return true;
}

bool SystemCloneBootRepair::verifyEfiContents(const QString& givenLetter)
{
    Logger& log = Logger::instance();
    // Records hold "C:"; the paths below want the bare letter.
    const QString normalized = DiskpartScript::normalizeLetter(givenLetter);
    const QString letter = normalized.isEmpty() ? givenLetter : normalized;
    log.info(QStringLiteral("Verifying EFI partition contents at %1:").arg(letter));
    bool all = true;
    for (const char* file : {"\\EFI\\Microsoft\\Boot\\bootmgfw.efi", "\\EFI\\Microsoft\\Boot\\BCD", "\\EFI\\Boot\\bootx64.efi"}) {
        const QString path = letter + QLatin1Char(':') + QLatin1String(file);
        if (BootPlatform::exists(path)) {
            log.info(QStringLiteral("  Found: %1").arg(path));
        } else {
            log.warning(QStringLiteral("  Missing: %1").arg(path));
            all = false;
        }
    }
    if (!all)
        log.warning(QStringLiteral("Some EFI boot files are missing"));
    return all;
}

bool SystemCloneBootRepair::checkWinRE(const QString& givenLetter)
{
    Logger& log = Logger::instance();
    const QString normalized = DiskpartScript::normalizeLetter(givenLetter);
    const QString letter = normalized.isEmpty() ? givenLetter : normalized;
    log.info(QStringLiteral("Checking WinRE status for %1:").arg(letter));
    if (BootPlatform::exists(letter + QStringLiteral(":\\Windows\\System32\\Recovery\\Winre.wim"))) {
        log.info(QStringLiteral("WinRE image found, will be configured on first boot"));
        return true;
    }
    log.warning(QStringLiteral("WinRE image not found"));
    return false;
}
