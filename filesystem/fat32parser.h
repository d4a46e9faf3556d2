#pragma once
#include "filesystem/filesystembase.h"

// Used clusters of a FAT32 volume from its FATs (a cluster any copy marks non-free is used); the
// boot region and the FATs count as used.
class FAT32Parser : public FileSystemBase {
    Q_OBJECT
public:
    explicit FAT32Parser(QObject* parent = nullptr);
    ~FAT32Parser() override;

    // Loads the volume at `startSector` (512-byte units) of the open `disk`, builds the sector map.
    // `sectorCount` (512-byte units) bounds the volume when known.
    bool parse(DeviceHandle* disk, uint64_t startSector, uint64_t sectorCount = 0);
    bool load(DeviceHandle* handle, uint64_t partitionOffset, uint64_t partitionSize) override;
    bool readBootSector();
    bool readFat();

    int fileSystemType() const override { return 2; }
    QString fileSystemName() const override { return QStringLiteral("FAT32"); }

    uint32_t rootCluster() const { return m_rootCluster; }
    uint32_t volumeSerialNumber() const { return m_volumeSerialNumber; }
    uint32_t reservedSectors() const { return m_reservedSectors; }
    uint32_t fatSize() const { return m_fatSize; }
    uint32_t numberOfFats() const { return m_numberOfFats; }
    uint64_t dataStart() const { return m_dataStart; }
    uint64_t startSector() const { return m_startSector; }

protected:
    UsageLayout usageLayout() const override;

private:
    uint32_t m_rootCluster = 0;
    uint32_t m_volumeSerialNumber = 0;
    uint32_t m_reservedSectors = 0;
    uint32_t m_fatSize = 0;
    uint32_t m_numberOfFats = 0;
    bool m_fatsMirrored = true;
    uint64_t m_dataStart = 0;
    uint32_t m_sectorsPerCluster = 0;
    uint64_t m_startSector = 0;
};
