#include "filesystem/fat32parser.h"

#include "core/logger.h"
#include "filesystem/usagemapcheck.h"
#include "ondisk/fat32bootsector.h"

#include <algorithm>

namespace {
constexpr uint32_t FatPieceSectors = 1024;
constexpr uint64_t FirstDataEntry = 2;
}

FAT32Parser::FAT32Parser(QObject* parent)
    : FileSystemBase(parent)
{
    m_bitmapValid = true;
}

FAT32Parser::~FAT32Parser() = default;

bool FAT32Parser::parse(DeviceHandle* disk, uint64_t startSector, uint64_t sectorCount)
{
    m_startSector = startSector;
    if (!disk) {
        m_lastError = QStringLiteral("No disk to read");
        return false;
    }
    const bool result = load(disk, startSector * 512, sectorCount * 512);
    if (result && !m_clusterBitmap.isEmpty())
        buildSectorMap(QStringLiteral("FAT32Parser"));
    m_diskHandle = nullptr;
    return result;
}

bool FAT32Parser::load(DeviceHandle* handle, uint64_t partitionOffset, uint64_t partitionSize)
{
    storeLoadArguments(handle, partitionOffset, partitionSize);
    m_clusterBitmap.clear();
    if (!readBootSector())
        return false;
    if (!readFat()) {
        Logger::instance().warning(QStringLiteral("Failed to read FAT table, smart clone will not be available"));
        m_bitmapValid = false;
        m_clusterBitmap.clear();
    }
    return true;
}

bool FAT32Parser::readBootSector()
{
    QByteArray sector(int(Fat32BootSector::Size), '\0');
    if (!readVolume(0, sector.data(), Fat32BootSector::Size)) {
        m_lastError = QStringLiteral("Failed to read FAT32 boot sector");
        return false;
    }
    Fat32BootSector boot;
    const uint64_t limit = volumeLimit();
    switch (Fat32BootSector::decode(reinterpret_cast<const uint8_t*>(sector.constData()), size_t(sector.size()), limit, boot)) {
    case Fat32BootSector::Status::Ok:
        break;
    case Fat32BootSector::Status::BadSignature:
    case Fat32BootSector::Status::TooShort:
        m_lastError = QStringLiteral("Invalid boot sector signature");
        return false;
    case Fat32BootSector::Status::NotFat32:
        m_lastError = QStringLiteral("Not a FAT32 volume (might be FAT16)");
        return false;
    case Fat32BootSector::Status::BadGeometry:
        m_lastError = QStringLiteral("FAT32 volume geometry is invalid or does not fit its partition (room %1 bytes)").arg(limit);
        return false;
    }
    m_sectorSize = boot.bytesPerSector;
    m_sectorsPerCluster = boot.sectorsPerCluster;
    m_clusterSize = boot.clusterSize;
    m_reservedSectors = boot.reservedSectors;
    m_numberOfFats = boot.numberOfFats;
    m_fatSize = boot.fatSize;
    m_fatsMirrored = boot.fatsMirrored;
    m_rootCluster = boot.rootCluster;
    m_volumeSerialNumber = boot.serialNumber;
    m_volumeLabel = QString::fromLatin1(boot.label.data(), qsizetype(boot.label.size()));
    m_dataStart = boot.dataStart;
    m_totalClusters = boot.totalClusters;
    m_volumeSize = boot.volumeSize;
    Logger::instance().info(QStringLiteral("FAT32: Cluster size=%1, Total clusters=%2, Data area at sector %3")
                                .arg(m_clusterSize).arg(m_totalClusters).arg(m_dataStart));
    return true;
}

bool FAT32Parser::readFat()
{
    Logger& log = Logger::instance();
    // Only the part of each FAT that describes the volume's clusters is read. Every copy counts:
    // a chain lost in one copy but kept in another still holds a file.
    const uint64_t fatBytes = std::min<uint64_t>(uint64_t(m_fatSize) * m_sectorSize, (m_totalClusters + FirstDataEntry) * 4);
    const uint64_t pieceBytes = uint64_t(FatPieceSectors) * m_sectorSize;
    const uint32_t copies = std::max<uint32_t>(m_numberOfFats, 1);
    QBitArray clusters{qsizetype(m_totalClusters)};
    QList<QByteArray> pieces(copies);
    UsageMapCheck::FatComparison comparison;
    uint64_t used = 0;
    for (uint64_t done = 0; done < fatBytes;) {
        const uint64_t want = std::min(pieceBytes, fatBytes - done);
        const uint64_t toRead = (want + m_sectorSize - 1) / m_sectorSize * m_sectorSize;
        QList<QByteArrayView> views;
        for (uint32_t k = 0; k < copies; ++k) {
            QByteArray& piece = pieces[k];
            piece.resize(qsizetype(toRead));
            const uint64_t fatStart = (uint64_t(m_reservedSectors) + uint64_t(k) * m_fatSize) * m_sectorSize;
            if (!readVolume(fatStart + done, piece.data(), toRead)) {
                m_lastError = QStringLiteral("Failed to read FAT table");
                return false;
            }
            views.append(QByteArrayView(piece.constData(), qsizetype(want)));
        }
        used += UsageMapCheck::mergeFatCopies(views, done / 4, clusters, comparison);
        done += want;
    }
    if (comparison.differingEntries != 0) {
        const QString text = QStringLiteral("the %1 FAT copies differ in %2 entries (the first: cluster %3); every cluster "
                                            "that any copy marks used is copied")
                                 .arg(copies).arg(comparison.differingEntries).arg(comparison.firstDifference);
        // Without mirroring only the active FAT is current, so stale copies are expected.
        if (m_fatsMirrored) {
            m_mapNotice = text;
            log.warning(QStringLiteral("FAT32: %1").arg(text));
        } else {
            log.info(QStringLiteral("FAT32: FAT mirroring is off; %1").arg(text));
        }
    }
    m_clusterBitmap = clusters;
    m_usedClusters = used;
    m_usedSize = uint64_t(m_sectorSize) * m_dataStart + uint64_t(m_clusterSize) * m_usedClusters;
    log.info(QStringLiteral("FAT32: Used clusters=%1/%2 (%3%)")
                 .arg(m_usedClusters).arg(m_totalClusters)
                 .arg(QString::number(m_totalClusters ? double(m_usedClusters) * 100.0 / double(m_totalClusters) : 0.0, 'f', 1)));
    return true;
}

FileSystemBase::UsageLayout FAT32Parser::usageLayout() const
{
    UsageLayout layout;
    layout.sectorSize = m_sectorSize;
    layout.sectorsPerCluster = m_sectorsPerCluster;
    layout.clusterAreaStart = m_dataStart;
    return layout;
}
