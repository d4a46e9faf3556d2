#include "boot/bootabilitycheck.h"
#include "core/tessarin.h"

#include "boot/bootstorecheck.h"
#include "boot/volumefiles.h"
#include "core/rawdisk.h"
#include "core/readonlydisk.h"
#include "platform/platform.h"
#include "platform/registryhive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ondisk/bootsectorfields.h"
#include "ondisk/byteorder.h"
#include "ondisk/fat32bootsector.h"
#include "ondisk/fat32directory.h"
#include "ondisk/gptheader.h"
#include "ondisk/guidtext.h"
#include "ondisk/logicalsector.h"
#include "ondisk/mbrcodec.h"
#include "ondisk/ntfsbootsector.h"
#include "partition/gptdisk.h"

#include <algorithm>

namespace {
constexpr int BootCodeBytes = 440;
const QString GptStorePath = QStringLiteral("EFI/Microsoft/Boot/BCD");
const QString MbrStorePath = QStringLiteral("Boot/BCD");

bool isFatOrNtfsType(uint8_t type)
{
    switch (type) {
    case 0x01: case 0x04: case 0x06: case 0x07: case 0x0B: case 0x0C: case 0x0E: case 0x27:
        return true;
    default:
        return false;
    }
}
} // namespace

BootabilityCheck::BootabilityCheck(ReadFn read, uint32_t sectorSize, uint64_t totalSectors)
    : m_read(std::move(read)), m_sectorSize(sectorSize), m_totalSectors(totalSectors)
{
}

const std::vector<QString>& BootabilityCheck::efiLoaders()
{
    static const std::vector<QString> loaders{QStringLiteral("EFI\\Boot\\bootx64.efi"),
                                              QStringLiteral("EFI\\Microsoft\\Boot\\bootmgfw.efi")};
    return loaders;
}

bool BootabilityCheck::passed(const std::vector<Finding>& findings)
{
    return std::none_of(findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; });
}

QString BootabilityCheck::severityName(Severity severity)
{
    switch (severity) {
    case Severity::Ok: return QStringLiteral("ok");
    case Severity::Warning: return QStringLiteral("warning");
    case Severity::Error: return QStringLiteral("error");
    }
    return {};
}

void BootabilityCheck::add(Severity severity, const QString& text) { m_findings.push_back({severity, text}); }

bool BootabilityCheck::readAt(uint64_t offset, uint64_t length, std::vector<uint8_t>& out)
{
    out.assign(length, 0);
    return m_read(offset, length, out.data());
}

std::vector<BootabilityCheck::Finding> BootabilityCheck::run()
{
    m_findings.clear();
    m_volumes.clear();
    if (!LogicalSector::isValid(m_sectorSize) || m_totalSectors < 3) {
        add(Severity::Error, QStringLiteral("The disk's size (%1 sectors of %2 bytes) cannot hold a partition table")
                                 .arg(m_totalSectors).arg(m_sectorSize));
        return m_findings;
    }
    std::vector<uint8_t> sector0;
    if (!readAt(0, m_sectorSize, sector0)) {
        add(Severity::Error, QStringLiteral("Sector 0 cannot be read"));
        return m_findings;
    }
    MbrCodec::Entry first;
    MbrCodec::entry(sector0, 0, first);
    std::vector<uint8_t> sector1;
    const bool gptSignature = readAt(m_sectorSize, m_sectorSize, sector1)
        && ByteOrder::get64(sector1.data() + GptHeader::OffSignature) == GptHeader::SignatureValue;
    m_gpt = first.type == MbrCodec::ProtectiveType || gptSignature;
    if (m_gpt) {
        checkGpt();
    } else {
        m_signature = ByteOrder::get32(sector0.data() + MbrCodec::OffDiskSignature);
        checkMbr(sector0);
    }
    if (m_partitionOnly) {
        const auto it = std::find_if(m_volumes.begin(), m_volumes.end(),
                                     [&](const Volume& v) { return v.firstLba * m_sectorSize == m_onlyPartitionAt; });
        if (it == m_volumes.end()) {
            add(Severity::Error, QStringLiteral("No partition of the table starts at byte %1").arg(m_onlyPartitionAt));
            return m_findings;
        }
        checkVolume(*it);
        return m_findings;
    }
    for (Volume& v : m_volumes)
        checkVolume(v);
    checkStores();
    return m_findings;
}

void BootabilityCheck::checkGpt()
{
    GptDisk gpt;
    const bool loaded = gpt.load(m_read, m_sectorSize, m_totalSectors);
    for (const std::string& note : gpt.notes())
        add(Severity::Error, QStringLiteral("GPT: %1").arg(QString::fromStdString(note)));
    if (!loaded) {
        add(Severity::Error, QStringLiteral("GPT: %1").arg(QString::fromStdString(gpt.lastError())));
        return;
    }
    m_diskGuid = gpt.header().diskGuid;
    const uint64_t lastLba = m_totalSectors - 1;
    if (gpt.primarySound() && gpt.backupSound() && gpt.backupLba() == lastLba)
        add(Severity::Ok, QStringLiteral("GPT: primary and backup sound, backup header at the last LBA %1").arg(lastLba));
    else if (gpt.backupLba() != lastLba)
        add(Severity::Error, QStringLiteral("GPT: the backup header is at LBA %1, not at the disk's last LBA %2")
                                 .arg(gpt.backupLba()).arg(lastLba));

    std::vector<uint8_t> mbr;
    MbrCodec::Entry e;
    if (!readAt(0, m_sectorSize, mbr) || !MbrCodec::hasBootSignature(mbr) || !MbrCodec::entry(mbr, 0, e)
        || e.type != MbrCodec::ProtectiveType || e.firstLba != 1 || e.sectorCount != MbrCodec::protectiveCount(m_totalSectors))
        add(Severity::Error, QStringLiteral("Protective MBR: missing or not covering the disk (one 0xEE entry from LBA 1)"));
    else
        add(Severity::Ok, QStringLiteral("Protective MBR: covers the disk"));

    int number = 0;
    for (const GptPartitionEntry& entry : gpt.entries()) {
        ++number;
        if (!entry.isUsed())
            continue;
        if (entry.lastLba < entry.firstLba || entry.firstLba < gpt.header().firstUsableLba
            || entry.lastLba > gpt.header().lastUsableLba) {
            add(Severity::Error, QStringLiteral("Partition %1: LBA %2-%3 lies outside the usable area")
                                     .arg(number).arg(entry.firstLba).arg(entry.lastLba));
            continue;
        }
        Volume v;
        v.number = number;
        v.firstLba = entry.firstLba;
        v.sectorCount = entry.lastLba - entry.firstLba + 1;
        v.efiSystem = Tessarin::isPartitionType(QString::fromStdString(GuidText::fromGptBytes(entry.typeGuid.data())), Tessarin::EfiTypeText);
        v.uniqueGuid = entry.uniqueGuid;
        m_volumes.push_back(v);
    }
    const bool hasEsp = std::any_of(m_volumes.begin(), m_volumes.end(), [](const Volume& v) { return v.efiSystem; });
    if (!hasEsp && !m_partitionOnly)
        add(Severity::Warning, QStringLiteral("No EFI system partition: the disk does not start under UEFI"));
}

void BootabilityCheck::checkMbr(const std::vector<uint8_t>& sector0)
{
    if (!MbrCodec::hasBootSignature(sector0)) {
        add(Severity::Error, QStringLiteral("MBR: no 0x55AA signature in sector 0"));
        return;
    }
    if (m_partitionOnly)
        add(Severity::Ok, QStringLiteral("MBR: 0x55AA signature present"));
    else if (std::all_of(sector0.begin(), sector0.begin() + BootCodeBytes, [](uint8_t b) { return b == 0; }))
        add(Severity::Error, QStringLiteral("MBR: no boot code"));
    else
        add(Severity::Ok, QStringLiteral("MBR: boot code present"));
    int active = 0;
    for (int i = 0; i < MbrCodec::EntryCount; ++i) {
        MbrCodec::Entry e;
        MbrCodec::entry(sector0, i, e);
        if (e.type == 0 || MbrCodec::isExtendedType(e.type))
            continue;
        if (e.bootIndicator != 0 && e.bootIndicator != MbrCodec::ActiveFlag)
            add(Severity::Error, QStringLiteral("Partition %1: boot flag 0x%2 is neither 0x00 nor 0x80")
                                     .arg(i + 1).arg(e.bootIndicator, 2, 16, QLatin1Char('0')));
        if (e.bootIndicator == MbrCodec::ActiveFlag)
            ++active;
        if (e.sectorCount == 0 || uint64_t(e.firstLba) + e.sectorCount > m_totalSectors) {
            add(Severity::Error, QStringLiteral("Partition %1: LBA %2 + %3 sectors lies beyond the disk's end")
                                     .arg(i + 1).arg(e.firstLba).arg(e.sectorCount));
            continue;
        }
        Volume v;
        v.number = i + 1;
        v.firstLba = e.firstLba;
        v.sectorCount = e.sectorCount;
        v.active = e.bootIndicator == MbrCodec::ActiveFlag;
        v.mbr = true;
        v.efiSystem = e.type == 0xEF;
        m_volumes.push_back(v);
        if (m_partitionOnly && uint64_t(e.firstLba) * m_sectorSize != m_onlyPartitionAt)
            continue;
        std::vector<uint8_t> boot;
        if (!readAt(uint64_t(e.firstLba) * m_sectorSize, m_sectorSize, boot) || !MbrCodec::hasBootSignature(boot))
            add(v.active || isFatOrNtfsType(e.type) ? Severity::Error : Severity::Warning,
                QStringLiteral("Partition %1: its boot sector carries no 0x55AA signature").arg(i + 1));
    }
    if (m_partitionOnly)
        return;
    if (active == 1)
        add(Severity::Ok, QStringLiteral("MBR: exactly one active partition"));
    else
        add(Severity::Error, QStringLiteral("MBR: %1 active partitions; a BIOS starts from exactly one").arg(active));
}

void BootabilityCheck::checkVolume(Volume& v)
{
    std::vector<uint8_t> boot;
    const uint64_t start = v.firstLba * m_sectorSize;
    const uint64_t bytes = v.sectorCount * m_sectorSize;
    if (!readAt(start, std::max<uint32_t>(m_sectorSize, BootSectorFields::SectorBytes), boot)) {
        add(Severity::Error, QStringLiteral("Partition %1: its first sector cannot be read").arg(v.number));
        return;
    }
    NtfsBootSector ntfs;
    Fat32BootSector fat;
    const bool isNtfs = NtfsBootSector::hasOemId(boot.data());
    const bool isFat = !isNtfs && Fat32BootSector::decode(boot.data(), boot.size(), 0, fat) == Fat32BootSector::Status::Ok;
    if (!isNtfs && !isFat) {
        if (v.efiSystem)
            add(Severity::Error, QStringLiteral("Partition %1: the EFI system partition holds no FAT32 volume").arg(v.number));
        return;
    }
    v.ntfs = isNtfs;
    v.fat = isFat;
    const QString kind = isNtfs ? QStringLiteral("NTFS") : QStringLiteral("FAT32");
    uint64_t volumeBytes = 0;
    uint32_t bytesPerSector = 0;
    if (isNtfs) {
        // The total excludes the backup boot sector behind the volume.
        bytesPerSector = NtfsBootSector::sectorSizeOf(boot.data());
        volumeBytes = (NtfsBootSector::totalSectorsOf(boot.data()) + 1) * bytesPerSector;
        if (bytesPerSector == 0 || NtfsBootSector::decode(boot.data(), boot.size(), 0, ntfs) != NtfsBootSector::Status::Ok) {
            add(Severity::Error, QStringLiteral("Partition %1: the NTFS boot sector is damaged").arg(v.number));
            return;
        }
    } else {
        bytesPerSector = fat.bytesPerSector;
        volumeBytes = fat.totalSectors * fat.bytesPerSector;
    }
    if (volumeBytes > bytes)
        add(Severity::Error, QStringLiteral("Partition %1: the %2 volume (%3 bytes) is larger than its partition (%4 bytes)")
                                 .arg(v.number).arg(kind).arg(volumeBytes).arg(bytes));
    const uint32_t hidden = ByteOrder::get32(boot.data() + BootSectorFields::OffHiddenSectors);
    // Hidden sectors count the volume's own sectors from the disk's start.
    const uint64_t expected = bytesPerSector ? start / bytesPerSector : 0;
    if (hidden == expected)
        add(Severity::Ok, QStringLiteral("Partition %1: %2 boot sector agrees with the table (hidden sectors %3)")
                              .arg(v.number).arg(kind).arg(hidden));
    else if (hidden == 0 && !v.mbr)
        add(Severity::Warning, QStringLiteral("Partition %1: %2 boot sector has no hidden-sector count (the table says %3)")
                                   .arg(v.number).arg(kind).arg(expected));
    else
        add(Severity::Error, QStringLiteral("Partition %1: %2 boot sector says it starts at sector %3, the table says %4")
                                 .arg(v.number).arg(kind).arg(hidden).arg(expected));
    if (v.efiSystem)
        checkEfiSystemPartition(v);
}

bool BootabilityCheck::openFat(const Volume& v, Fat32Directory& fat)
{
    const uint64_t start = v.firstLba * m_sectorSize;
    const uint64_t bytes = v.sectorCount * m_sectorSize;
    const ReadFn read = m_read;
    return fat.open([=](uint64_t offset, uint64_t length, uint8_t* out) {
        return offset + length <= bytes && read(start + offset, length, out);
    }, bytes) == Fat32Directory::Status::Ok;
}

void BootabilityCheck::checkEfiSystemPartition(const Volume& v)
{
    Fat32Directory fat;
    if (!openFat(v, fat)) {
        add(Severity::Error, QStringLiteral("Partition %1: the EFI system partition cannot be read: %2")
                                 .arg(v.number).arg(QString::fromStdString(fat.lastError())));
        return;
    }
    for (const QString& loader : efiLoaders()) {
        Fat32Directory::Entry e;
        if (fat.find(loader.toStdString(), e) == Fat32Directory::Status::Ok && !e.directory && e.size > 0) {
            add(Severity::Ok, QStringLiteral("Partition %1: the EFI system partition holds %2").arg(v.number).arg(loader));
            return;
        }
    }
    add(Severity::Error, QStringLiteral("Partition %1: the EFI system partition holds neither %2 nor %3")
                             .arg(v.number).arg(efiLoaders()[0], efiLoaders()[1]));
}

std::vector<BootabilityCheck::Finding> BootabilityCheck::checkDisk(int diskNumber) { return checkOpened(diskNumber, nullptr); }

std::vector<BootabilityCheck::Finding> BootabilityCheck::checkPartition(int diskNumber, uint64_t offset)
{
    return checkOpened(diskNumber, &offset);
}

std::vector<BootabilityCheck::Finding> BootabilityCheck::checkOpened(int diskNumber, const uint64_t* onlyPartitionAt)
{
    ReadOnlyDisk disk;
    if (!disk.open(diskNumber))
        return {{Severity::Error, QStringLiteral("Disk %1 cannot be opened for reading: %2").arg(diskNumber).arg(RawDisk::lastErrorText())}};
    const uint32_t sectorSize = disk.sectorSize();
    BootabilityCheck check(disk.reader(), sectorSize, disk.sectors());
    if (onlyPartitionAt)
        check.setOnlyPartitionAt(*onlyPartitionAt);
    const QString diskPath = QString::fromStdString(Platform::devices().diskRealPath(diskNumber));
    check.setFileReader([&](const Volume& v, const QString& path, const QString& localFile, QString& error) {
        VolumeFiles files(diskPath, v.firstLba * sectorSize, v.sectorCount * sectorSize, sectorSize);
        if (files.fetch(path, localFile))
            return true;
        if (files.refused())
            error = files.lastError();
        return false;
    });
    return check.run();
}

bool BootabilityCheck::readFatFile(const Volume& v, const QString& path, const QString& localFile, QString& error)
{
    Fat32Directory fat;
    Fat32Directory::Entry e;
    std::vector<uint8_t> content;
    if (!openFat(v, fat) || fat.find(path.toStdString(), e) != Fat32Directory::Status::Ok || e.directory)
        return false;
    if (e.size > uint64_t(VolumeFiles::MaxFileBytes)) {
        error = QStringLiteral("%1 is larger than %2 MiB; refused").arg(path).arg(VolumeFiles::MaxFileBytes >> 20);
        return false;
    }
    if (fat.readFile(e, content, uint64_t(VolumeFiles::MaxFileBytes)) != Fat32Directory::Status::Ok) {
        error = QString::fromStdString(fat.lastError());
        return false;
    }
    QFile file(localFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(content.data()), qint64(content.size())) != qint64(content.size())) {
        error = QStringLiteral("no room for a temporary copy");
        return false;
    }
    return true;
}

void BootabilityCheck::checkStores()
{
    // Where the firmware's boot manager looks: the EFI system partition, or the active partition
    // (then any other) of an MBR disk.
    std::vector<const Volume*> order;
    for (const Volume& v : m_volumes)
        if (m_gpt ? v.efiSystem : v.active)
            order.push_back(&v);
    for (const Volume& v : m_volumes)
        if (!m_gpt && !v.active)
            order.push_back(&v);
    const QString path = m_gpt ? GptStorePath : MbrStorePath;
    QTemporaryDir folder;
    for (const Volume* v : order) {
        if (!v->fat && !(v->ntfs && m_fileReader))
            continue;
        const QString where = QStringLiteral("partition %1:/%2").arg(v->number).arg(path);
        if (!folder.isValid()) {
            add(Severity::Warning, QStringLiteral("Boot store %1 not checked: no room for a temporary copy").arg(where));
            continue;
        }
        const QString local = folder.filePath(QStringLiteral("BCD"));
        QFile::remove(local);
        QString error;
        const bool found = v->fat ? readFatFile(*v, path, local, error) : m_fileReader(*v, path, local, error);
        if (found && QFileInfo(local).size() > 0)
            checkStore(local, where);
        else if (!error.isEmpty())
            add(Severity::Warning, QStringLiteral("Boot store %1 not checked: %2").arg(where, error));
    }
}

void BootabilityCheck::checkStore(const QString& local, const QString& where)
{
    std::unique_ptr<RegistryHive> hive = Platform::registry().openRegistryHive(local.toStdString());
    if (!hive) {
        add(Severity::Warning, QStringLiteral("Boot store %1 not checked: %2").arg(where, QString::fromStdString(Platform::lastErrorText())));
        return;
    }
    std::vector<BootStoreCheck::Partition> partitions;
    for (const Volume& v : m_volumes) {
        BootStoreCheck::Partition p;
        p.number = v.number;
        p.ntfs = v.ntfs;
        p.fat = v.fat;
        p.identity.gpt = m_gpt;
        if (m_gpt) {
            p.identity.diskGuid = m_diskGuid;
            p.identity.partitionGuid = v.uniqueGuid;
        } else {
            p.identity.signature = m_signature;
            p.identity.byteOffset = v.firstLba * m_sectorSize;
        }
        partitions.push_back(p);
    }
    for (Finding& f : BootStoreCheck::run(*hive, where, partitions))
        m_findings.push_back(std::move(f));
}
