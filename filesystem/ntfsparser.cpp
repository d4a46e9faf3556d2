#include "filesystem/ntfsparser.h"

#include "core/logger.h"
#include "core/rawdisk.h"
#include "filesystem/ntfsclusterowners.h"
#include "filesystem/usagemapcheck.h"
#include "ondisk/ntfsbootsector.h"
#include "ondisk/ntfsmftrecord.h"
#include "platform/platform.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr uint64_t MftRecord = 0;
constexpr uint64_t MftMirrorRecord = 1;
constexpr uint64_t LogFileRecord = 2;
constexpr uint64_t BitmapRecord = 6;
constexpr uint64_t MftChunkBytes = 1024 * 1024;
constexpr uint64_t BitmapChunkBytes = 1024 * 1024;

QString percent(uint64_t part, uint64_t whole)
{
    return QString::number(whole ? double(part) * 100.0 / double(whole) : 0.0, 'f', 1);
}

QString runListFault(NtfsRunList::Status status)
{
    switch (status) {
    case NtfsRunList::Status::Truncated: return QStringLiteral("run list runs past its attribute");
    case NtfsRunList::Status::FieldTooWide: return QStringLiteral("length or offset field wider than 8 bytes");
    case NtfsRunList::Status::ZeroLength: return QStringLiteral("run without length");
    case NtfsRunList::Status::OutsideVolume: return QStringLiteral("run outside the volume");
    case NtfsRunList::Status::Ok: break;
    }
    return QString();
}
}

NTFSParser::NTFSParser(QObject* parent)
    : FileSystemBase(parent)
{
    m_bitmapValid = true;
}

NTFSParser::~NTFSParser() = default;

bool NTFSParser::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().error(message);
    return false;
}

bool NTFSParser::parse(DeviceHandle* disk, uint64_t startSector, uint64_t sectorCount)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("NTFSParser::parse: startSector=%1").arg(startSector));
    m_startSector = startSector;
    if (!disk) {
        m_lastError = QStringLiteral("No disk to read");
        log.error(QStringLiteral("NTFSParser: %1").arg(m_lastError));
        return false;
    }
    const uint64_t offset = startSector * 512;
    log.info(QStringLiteral("NTFSParser: partition offset = %1 bytes").arg(offset));

    bool ok = load(disk, offset, sectorCount * 512);
    if (!ok) {
        log.error(QStringLiteral("NTFSParser::load failed: %1").arg(m_lastError));
    } else if (m_clusterBitmap.isEmpty()) {
        m_lastError = QStringLiteral("NTFSParser: clusterBitmap is empty, cannot build sector bitmap");
        log.warning(m_lastError);
        ok = false;
    } else {
        buildSectorMap(QStringLiteral("NTFSParser"));
        log.info(QStringLiteral("NTFSParser: sector bitmap built, size=%1").arg(m_sectorMap.size()));
    }
    m_diskHandle = nullptr;
    if (ok)
        log.info(QStringLiteral("NTFSParser::parse completed successfully"));
    return ok;
}

bool NTFSParser::load(DeviceHandle* handle, uint64_t partitionOffset, uint64_t partitionSize)
{
    Logger& log = Logger::instance();
    storeLoadArguments(handle, partitionOffset, partitionSize);
    m_clusterBitmap.clear();
    if (!readBootSector()) {
        if (m_notNtfs)
            log.info(QStringLiteral("NTFSParser: no NTFS volume at LBA %1: %2").arg(m_partitionOffset / 512).arg(m_lastError));
        else
            log.error(QStringLiteral("NTFSParser: readBootSector failed: %1").arg(m_lastError));
        return false;
    }
    log.info(QStringLiteral("NTFSParser: Boot sector read successfully"));
    if (!readBitmap()) {
        log.error(QStringLiteral("NTFSParser: readBitmap failed: %1").arg(m_lastError));
        m_bitmapValid = false;
        m_clusterBitmap.clear();
        return false;
    }
    log.info(QStringLiteral("NTFSParser: Bitmap read successfully"));
    return true;
}

QString NTFSParser::printableOemId(const char* oem, size_t size)
{
    QString text;
    bool blank = true;
    for (size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(oem[i]);
        blank = blank && c == 0;
        if (c >= 0x20 && c < 0x7F)
            text += QLatin1Char(char(c));
        else
            text += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    }
    return blank ? QStringLiteral("blank") : QLatin1Char('\'') + text + QLatin1Char('\'');
}

bool NTFSParser::readBootSector()
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("NTFSParser: Reading boot sector at LBA %1").arg(m_partitionOffset / 512));
    m_notNtfs = false;
    QByteArray sector(int(NtfsBootSector::Size), '\0');
    if (!readVolume(0, sector.data(), NtfsBootSector::Size))
        return fail(QStringLiteral("Failed to read NTFS boot sector"));

    const uint64_t limit = volumeLimit();
    NtfsBootSector boot;
    const auto status = NtfsBootSector::decode(reinterpret_cast<const uint8_t*>(sector.constData()),
                                               size_t(sector.size()), limit, boot);
    const QString oem = printableOemId(boot.oemId, 8);
    m_notNtfs = status == NtfsBootSector::Status::BadOemId;
    switch (status) {
    case NtfsBootSector::Status::Ok:
        break;
    case NtfsBootSector::Status::BadOemId:
        m_lastError = QStringLiteral("not an NTFS boot sector (OEM ID %1)").arg(oem);
        return false;
    case NtfsBootSector::Status::BadSignature:
        m_lastError = QStringLiteral("Invalid boot sector signature: 0x%1").arg(boot.signature, 4, 16, QLatin1Char('0'));
        return false;
    case NtfsBootSector::Status::BadSectorSize:
        m_lastError = QStringLiteral("Invalid NTFS sector size: %1").arg(boot.bytesPerSector);
        return false;
    case NtfsBootSector::Status::BadClusterSize:
        m_lastError = QStringLiteral("Invalid NTFS cluster size");
        return false;
    case NtfsBootSector::Status::BadRecordSize:
        m_lastError = QStringLiteral("Invalid NTFS MFT record size");
        return false;
    case NtfsBootSector::Status::BadGeometry:
    case NtfsBootSector::Status::TooShort:
        m_lastError = QStringLiteral("NTFS volume geometry does not fit its partition (%1 sectors of %2 bytes, room %3 bytes)")
                          .arg(boot.totalSectors).arg(boot.bytesPerSector).arg(limit);
        return false;
    }

    m_sectorSize = boot.bytesPerSector;
    m_sectorsPerCluster = boot.sectorsPerCluster;
    m_clusterSize = boot.clusterSize;
    m_totalSectors = boot.totalSectors;
    m_totalClusters = boot.totalClusters;
    m_volumeSize = boot.volumeSize;
    m_mftCluster = boot.mftCluster;
    m_mftMirrorCluster = boot.mftMirrorCluster;
    m_volumeSerialNumber = boot.serialNumber;
    m_mftRecordSize = boot.mftRecordSize;
    // The backup boot sector lies in the sector behind the volume, inside the partition.
    m_backupBootInside = limit == 0 || (m_totalSectors + 1) <= limit / m_sectorSize;
    log.info(QStringLiteral("NTFS: Sector size=%1, Cluster size=%2, Total clusters=%3")
                 .arg(m_sectorSize).arg(m_clusterSize).arg(m_totalClusters));
    log.info(QStringLiteral("NTFS: MFT at cluster %1, MFT record size=%2").arg(m_mftCluster).arg(m_mftRecordSize));
    return true;
}

bool NTFSParser::readMftRecord(uint64_t recordNumber, QByteArray& record)
{
    Logger& log = Logger::instance();
    record = QByteArray(qsizetype(m_mftRecordSize), '\0');
    if (m_mftRecordSize == 0 || m_sectorSize == 0)
        return fail(QStringLiteral("MFT record %1 requested before the boot sector was read").arg(recordNumber));
    const uint64_t mftOffset = uint64_t(m_clusterSize) * m_mftCluster + uint64_t(m_mftRecordSize) * recordNumber;
    const uint64_t sector = m_partitionOffset / m_sectorSize + mftOffset / m_sectorSize;
    log.info(QStringLiteral("Reading MFT record %1: mftOffset=%2, sector=%3, count=%4")
                 .arg(recordNumber).arg(mftOffset).arg(sector).arg(m_mftRecordSize / m_sectorSize));
    if (mftOffset + m_mftRecordSize > m_volumeSize || !readVolume(mftOffset, record.data(), m_mftRecordSize))
        return fail(QStringLiteral("Failed to read sectors for MFT record %1 at sector %2").arg(recordNumber).arg(sector));

    auto* data = reinterpret_cast<uint8_t*>(record.data());
    switch (NtfsMftRecord::prepare(data, size_t(record.size()), recordNumber)) {
    case NtfsMftRecord::Status::Ok:
        break;
    case NtfsMftRecord::Status::BadSignature:
        return fail(QStringLiteral("Invalid MFT signature at record %1: '%2' (expected 'FILE')")
                        .arg(recordNumber).arg(QString::fromLatin1(record.left(4))));
    case NtfsMftRecord::Status::FixupMismatch:
        return fail(QStringLiteral("Update sequence mismatch in MFT record %1 (torn or damaged record)").arg(recordNumber));
    case NtfsMftRecord::Status::BadUpdateSequence:
    case NtfsMftRecord::Status::TooShort:
        return fail(QStringLiteral("Invalid update sequence array in MFT record %1").arg(recordNumber));
    case NtfsMftRecord::Status::NotInUse:
        return fail(QStringLiteral("MFT record %1 is not in use").arg(recordNumber));
    case NtfsMftRecord::Status::WrongRecordNumber:
        return fail(QStringLiteral("MFT record %1 is stored as another record").arg(recordNumber));
    case NtfsMftRecord::Status::BadHeader:
        return fail(QStringLiteral("Invalid header in MFT record %1").arg(recordNumber));
    }
    log.info(QStringLiteral("MFT record %1 read successfully, signature OK").arg(recordNumber));
    return true;
}

bool NTFSParser::findBitmapDataRuns(std::vector<NtfsRun>& runs)
{
    QByteArray record;
    if (!readMftRecord(BitmapRecord, record)) {
        Logger::instance().error(QStringLiteral("findBitmapDataRuns: Failed to read MFT record 6"));
        return false;
    }
    NtfsMftRecord::NonResident header;
    return decodeDataRuns(record, systemFileName(BitmapRecord), runs, header);
}

bool NTFSParser::decodeDataRuns(const QByteArray& record, const QString& file, std::vector<NtfsRun>& runs,
                                NtfsMftRecord::NonResident& header)
{
    Logger& log = Logger::instance();
    runs.clear();
    const auto* data = reinterpret_cast<const uint8_t*>(record.constData());
    const size_t used = NtfsMftRecord::bytesInUse(data, size_t(record.size()));
    uint32_t offset = NtfsMftRecord::firstAttributeOffset(data);
    log.info(QStringLiteral("MFT record first attribute offset: 0x%1").arg(offset, 0, 16));

    for (int counter = 0; offset < used; ++counter) {
        NtfsMftRecord::Attribute attribute;
        const auto step = NtfsMftRecord::attributeAt(data, used, offset, attribute);
        if (step == NtfsMftRecord::Step::End) {
            log.info(QStringLiteral("Reached end of attributes"));
            break;
        }
        if (step == NtfsMftRecord::Step::BadLength) {
            log.error(QStringLiteral("Invalid attribute length: %1 at offset 0x%2").arg(attribute.length).arg(offset, 0, 16));
            break;
        }
        log.info(QStringLiteral("Attribute %1: type=0x%2, length=%3, offset=0x%4")
                     .arg(counter).arg(attribute.type, 0, 16).arg(attribute.length).arg(offset, 0, 16));
        // A system file's contents are its unnamed data stream.
        if (attribute.type == NtfsMftRecord::TypeData && attribute.nameLength == 0) {
            log.info(QStringLiteral("Found $DATA attribute"));
            log.info(QStringLiteral("$DATA non-resident flag: %1").arg(attribute.nonResident ? 1 : 0));
            if (!attribute.nonResident) {
                log.warning(QStringLiteral("$DATA attribute is resident (unusual for %1)").arg(file));
                offset += attribute.length;
                continue;
            }
            if (!NtfsMftRecord::nonResidentHeader(data, attribute, header)) {
                log.error(QStringLiteral("Invalid non-resident header in %1 $DATA attribute").arg(file));
                return false;
            }
            if (header.startVcn != 0) {
                log.error(QStringLiteral("%1 $DATA attribute starts at VCN %2, its run list is incomplete").arg(file).arg(header.startVcn));
                return false;
            }
            const auto status = NtfsRunList::decode(data + attribute.offset + header.runListOffset,
                                                    header.runListLength, m_totalClusters, runs);
            for (size_t k = 0; k < runs.size(); ++k) {
                const NtfsRun& run = runs[k];
                log.info(QStringLiteral("Run header: 0x%1, lengthBytes=%2, offsetBytes=%3")
                             .arg(run.header, 2, 16, QLatin1Char('0')).arg(run.lengthBytes).arg(run.offsetBytes));
                log.info(QStringLiteral("Data run %1: offset=%2, length=%3, absoluteCluster=%4")
                             .arg(k).arg(run.offset).arg(run.length).arg(run.cluster));
            }
            if (status != NtfsRunList::Status::Ok) {
                log.error(QStringLiteral("Invalid %1 run list after %2 runs: %3").arg(file).arg(runs.size()).arg(runListFault(status)));
                runs.clear();
                return false;
            }
            log.info(QStringLiteral("Total data runs found: %1").arg(runs.size()));
            for (size_t k = 0; k < runs.size(); ++k) {
                if (runs[k].sparse) {
                    log.error(QStringLiteral("%1 data run %2 is sparse").arg(file).arg(k));
                    runs.clear();
                    return false;
                }
            }
            return !runs.empty();
        }
        offset += attribute.length;
    }
    log.error(QStringLiteral("$DATA attribute not found in %1 MFT record").arg(file));
    return false;
}

bool NTFSParser::readBitmap()
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("NTFSParser::readBitmap starting..."));
    QByteArray record;
    if (!readMftRecord(BitmapRecord, record))
        return fail(QStringLiteral("Failed to read $Bitmap MFT record"));
    log.info(QStringLiteral("$Bitmap MFT record read successfully"));
    std::vector<NtfsRun> runs;
    NtfsMftRecord::NonResident header;
    if (!decodeDataRuns(record, systemFileName(BitmapRecord), runs, header))
        return damaged(QStringLiteral("Failed to parse $Bitmap data runs"));
    log.info(QStringLiteral("Found %1 data runs in $Bitmap").arg(runs.size()));

    const uint64_t needed = (m_totalClusters + 7) / 8;
    uint64_t covered = 0;
    for (const NtfsRun& run : runs)
        covered += run.length * m_clusterSize;  // each run lies inside the volume: no overflow
    if (covered < needed)
        return damaged(QStringLiteral("$Bitmap data runs hold %1 bytes, the volume needs %2").arg(covered).arg(needed));

    QByteArray bytes;
    if (volumeLimit() != 0)
        bytes.reserve(qsizetype(needed));
    QByteArray chunk;
    for (size_t k = 0; k < runs.size() && uint64_t(bytes.size()) < needed; ++k) {
        const NtfsRun& run = runs[k];
        log.info(QStringLiteral("Processing data run %1: cluster %2, count %3").arg(k).arg(run.cluster).arg(run.length));
        const uint64_t wanted = std::min<uint64_t>(run.length * m_clusterSize, needed - uint64_t(bytes.size()));
        const uint64_t toRead = (wanted + 511) / 512 * 512;
        const uint64_t sector = m_partitionOffset / m_sectorSize + uint64_t(m_sectorsPerCluster) * run.cluster;
        log.info(QStringLiteral("Reading bitmap data: sector %1, count %2, bytes %3")
                     .arg(sector).arg((toRead + m_sectorSize - 1) / m_sectorSize).arg(toRead));
        for (uint64_t done = 0; done < toRead;) {
            const uint64_t piece = std::min(BitmapChunkBytes, toRead - done);
            chunk.resize(qsizetype(piece));
            if (!readVolume(run.cluster * m_clusterSize + done, chunk.data(), piece)) {
                log.error(QStringLiteral("Failed to read bitmap data at cluster %1, sector %2").arg(run.cluster).arg(sector));
                // A partial map would leave used clusters out of a smart copy.
                return fail(QStringLiteral("Failed to read $Bitmap data at cluster %1").arg(run.cluster));
            }
            bytes.append(chunk.constData(), qsizetype(std::min(piece, wanted - std::min(wanted, done))));
            done += piece;
        }
    }
    if (!verifyBitmap(bytes, header.initializedSize, runs))
        return false;
    m_clusterBitmap = QBitArray::fromBits(bytes.constData(), qsizetype(m_totalClusters));
    m_usedClusters = uint64_t(m_clusterBitmap.count(true));
    m_usedSize = uint64_t(m_clusterSize) * m_usedClusters;
    log.info(QStringLiteral("NTFS: Used clusters=%1/%2 (%3%)")
                 .arg(m_usedClusters).arg(m_totalClusters).arg(percent(m_usedClusters, m_totalClusters)));
    return true;
}

bool NTFSParser::verifyBitmap(const QByteArray& bitmap, uint64_t validLength, const std::vector<NtfsRun>& bitmapRuns)
{
    std::vector<UsageMapCheck::Owner> owners;
    uint64_t mftBytes = 0;
    for (uint64_t number : {MftRecord, MftMirrorRecord, LogFileRecord}) {
        QByteArray record;
        UsageMapCheck::Owner owner{systemFileName(number), {}};
        NtfsMftRecord::NonResident header;
        if (!readMftRecord(number, record) || !decodeDataRuns(record, owner.name, owner.runs, header))
            return damaged(QStringLiteral("%1 (MFT record %2) cannot be read to check $Bitmap").arg(owner.name).arg(number));
        if (number == MftRecord)
            mftBytes = header.initializedSize;
        owners.push_back(std::move(owner));
    }
    owners.push_back({systemFileName(BitmapRecord), bitmapRuns});
    const UsageMapCheck::Verdict verdict = UsageMapCheck::ntfsBitmap(bitmap, m_totalClusters, validLength, owners);
    if (!verdict.sound)
        return damaged(verdict.reason);
    return verifyRecords(bitmap, owners.front().runs, mftBytes);
}

bool NTFSParser::verifyRecords(const QByteArray& bitmap, const std::vector<NtfsRun>& mftRuns, uint64_t mftBytes)
{
    const uint64_t recordSize = m_mftRecordSize;
    uint64_t mapped = 0;
    for (const NtfsRun& run : mftRuns)
        mapped += run.length;
    // Records that the runs of record 0 do not map (an MFT continued in extension records) stay unchecked.
    const uint64_t recordCount = std::min(mftBytes, mapped * m_clusterSize) / recordSize;
    uint64_t number = 0, checked = 0, skipped = 0;
    QByteArray chunk;
    for (const NtfsRun& run : mftRuns) {
        const uint64_t runRecords = run.length * m_clusterSize / recordSize;
        for (uint64_t done = 0; done < runRecords && number < recordCount;) {
            const uint64_t count = std::min<uint64_t>({runRecords - done, MftChunkBytes / recordSize, recordCount - number});
            const uint64_t offset = run.cluster * m_clusterSize + done * recordSize;
            chunk.resize(qsizetype(count * recordSize));
            // A chunk that does not read whole is taken record by record, so one bad sector costs one record.
            const bool chunkRead = readVolume(offset, chunk.data(), uint64_t(chunk.size()));
            for (uint64_t i = 0; i < count; ++i, ++number) {
                auto* data = reinterpret_cast<uint8_t*>(chunk.data()) + i * recordSize;
                if (!chunkRead && !readVolume(offset + i * recordSize, data, recordSize)) {
                    ++skipped;
                    continue;
                }
                const auto status = NtfsMftRecord::prepare(data, recordSize, number);
                if (status != NtfsMftRecord::Status::Ok) {
                    skipped += status == NtfsMftRecord::Status::NotInUse ? 0 : 1;
                    continue;
                }
                ++checked;
                std::vector<UsageMapCheck::Owner> owner{{QStringLiteral("MFT record %1").arg(number),
                                                         allocatedRuns(data, uint32_t(recordSize))}};
                if (!UsageMapCheck::ntfsBitmap(bitmap, m_totalClusters, uint64_t(bitmap.size()), owner).sound) {
                    owner.front().name = recordName(number, owner.front().runs);
                    return damaged(UsageMapCheck::ntfsBitmap(bitmap, m_totalClusters, uint64_t(bitmap.size()), owner).reason);
                }
            }
            done += count;
        }
    }
    Logger::instance().info(QStringLiteral("NTFS: $Bitmap marks the clusters of all %1 records in use (%2 unreadable, damaged "
                                           "or unformatted records passed over)").arg(checked).arg(skipped));
    return true;
}

std::vector<NtfsRun> NTFSParser::allocatedRuns(const uint8_t* record, uint32_t size) const
{
    std::vector<NtfsRun> all;
    const uint32_t used = NtfsMftRecord::bytesInUse(record, size);
    for (uint32_t offset = NtfsMftRecord::firstAttributeOffset(record); offset < used;) {
        NtfsMftRecord::Attribute a;
        if (NtfsMftRecord::attributeAt(record, used, offset, a) != NtfsMftRecord::Step::Found)
            break;
        offset += a.length;
        NtfsMftRecord::NonResident header;
        if (!a.nonResident || !NtfsMftRecord::nonResidentHeader(record, a, header))
            continue;
        // A damaged run list still counts with the runs decoded before its fault.
        std::vector<NtfsRun> runs;
        NtfsRunList::decode(record + a.offset + header.runListOffset, header.runListLength, m_totalClusters, runs);
        all.insert(all.end(), runs.begin(), runs.end());
    }
    return all;
}

QString NTFSParser::recordName(uint64_t number, const std::vector<NtfsRun>& runs)
{
    const QString system = systemFileName(number);
    if (!system.isEmpty())
        return system;
    // Only asked when the check failed, so walking the MFT once more for the file's path is cheap enough.
    std::vector<std::pair<uint64_t, uint64_t>> ranges;
    for (const NtfsRun& run : runs)
        if (!run.sparse)
            ranges.emplace_back(run.cluster, run.length);
    QStringList owners;
    QString error;
    const auto read = [this](uint64_t offset, uint64_t length, void* buffer) { return readVolume(offset, buffer, length); };
    const QString plain = QStringLiteral("MFT record %1").arg(number);
    if (NtfsClusterOwners::find(read, ranges, owners, error, 1) && !owners.isEmpty() && owners.first() != plain)
        return QStringLiteral("%1 (%2)").arg(plain, owners.first());
    return plain;
}

QString NTFSParser::systemFileName(uint64_t number)
{
    static const char* const names[] = {"$MFT", "$MFTMirr", "$LogFile", "$Volume", "$AttrDef", "the root folder",
                                        "$Bitmap", "$Boot", "$BadClus", "$Secure", "$UpCase", "$Extend"};
    return number < std::size(names) ? QString::fromLatin1(names[number]) : QString();
}

bool NTFSParser::damaged(const QString& reason)
{
    m_mapFault = reason;
    return fail(reason);
}

FileSystemBase::UsageLayout NTFSParser::usageLayout() const
{
    UsageLayout layout;
    layout.sectorSize = m_sectorSize;
    layout.sectorsPerCluster = m_sectorsPerCluster;
    layout.clusterAreaStart = 0;
    layout.extraStart = m_totalSectors;
    layout.extraCount = m_backupBootInside ? 1 : 0;
    return layout;
}
