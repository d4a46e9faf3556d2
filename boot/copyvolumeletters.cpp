#include "boot/copyvolumeletters.h"

#include "boot/bootmanager.h"
#include "boot/bootplatform.h"
#include "core/commandrunner.h"
#include "core/logger.h"
#include "platformtools/diskpartscript.h"
#include "platformtools/toolrunner.h"

namespace {
const QString LetterScript = QStringLiteral("/tessarin_copy_letters.txt");
constexpr QChar LowestLetter = QLatin1Char('K');
}

CopyVolumeLetters::CopyVolumeLetters(int diskNumber) : m_disk(diskNumber) {}

CopyVolumeLetters::~CopyVolumeLetters() { release(); }

VolumeFileAccess::Kind CopyVolumeLetters::kindOf(const PartitionInfo& p)
{
    if (p.fileSystem == Tessarin::FileSystemType::NTFS)
        return VolumeFileAccess::Kind::Ntfs;
    if (p.isEfi || p.fileSystem == Tessarin::FileSystemType::FAT32 || p.fileSystem == Tessarin::FileSystemType::FAT)
        return VolumeFileAccess::Kind::Fat;
    return VolumeFileAccess::Kind::Unknown;
}

bool CopyVolumeLetters::mount()
{
    Logger& log = Logger::instance();
    release();
    DiskInfo copy;
    if (!BootManager::readBack(m_disk, copy)) {
        m_lastError = QStringLiteral("The target disk cannot be read back for the boot repair");
        return false;
    }
    QStringList taken;
    for (const PartitionInfo& p : copy.partitions) {
        const VolumeFileAccess::Kind kind = kindOf(p);
        if (kind == VolumeFileAccess::Kind::Unknown || p.size == 0 || p.partitionNumber < 1)
            continue;
        QString letter = DiskpartScript::normalizeLetter(p.driveLetter);
        if (letter.isEmpty()) {
            letter = BootPlatform::chooseFreeLetter(LowestLetter, taken);
            const QString script = DiskpartScript::probeAssign(m_disk, p.partitionNumber, letter);
            if (script.isEmpty()) {
                log.warning(QStringLiteral("No free drive letter for partition %1 of the copy").arg(p.partitionNumber));
                continue;
            }
            taken << letter;
            ToolRunner::runNamedScript(LetterScript, script, ScriptMs);
            m_assigned.append({p.partitionNumber, letter});
            bool appeared = false;
            for (int i = 0; i < MountWaitTries && !appeared; ++i) {
                appeared = !BootPlatform::isLetterFree(letter.at(0));
                if (!appeared)
                    CommandRunner::current().sleepMs(MountWaitMs);
            }
            if (!appeared) {
                log.warning(QStringLiteral("Partition %1 of the copy did not appear under %2:").arg(p.partitionNumber).arg(letter));
                continue;
            }
        }
        log.info(QStringLiteral("Copy partition %1 reached at %2:").arg(p.partitionNumber).arg(letter));
        m_roots.insert(p.startByte(), {letter + QStringLiteral(":\\"), kind});
    }
    return true;
}

void CopyVolumeLetters::release()
{
    for (const auto& [partition, letter] : m_assigned)
        ToolRunner::removePartitionLetter(m_disk, partition, letter);
    m_assigned.clear();
    m_roots.clear();
}
