#pragma once
#include "filesystem/sectorrange.h"
#include "platform/volumehandle.h"

#include <QBitArray>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>

// Common shape of the usage-map parsers. Three views of the same usage, all derived from the
// cluster bitmap and the parser's layout so that they always agree:
//  - usedSectorRanges(): compact, 512-byte units from the partition start (the form to prefer);
//  - sectorBitmap(): one bit per volume sector;
//  - sectorMap(): one byte per 512-byte sector, built by parse(), capped at MaxSectorMapEntries.
class FileSystemBase : public QObject {
    Q_OBJECT
public:
    // 1 TiB of 512-byte sectors; a larger volume gets no byte map (ranges or a full copy instead).
    static constexpr uint64_t MaxSectorMapEntries = 2147483648ull;

    explicit FileSystemBase(QObject* parent = nullptr);
    ~FileSystemBase() override;

    virtual bool load(DeviceHandle* handle, uint64_t partitionOffset, uint64_t partitionSize) = 0;
    virtual int fileSystemType() const = 0;
    virtual QString fileSystemName() const = 0;
    virtual QBitArray clusterBitmap() const;
    virtual QBitArray sectorBitmap() const;

    // Used sectors as sorted, merged ranges computed straight from the cluster bitmap. Without a
    // usage map: one range over the whole partition when its size is known, else an empty list;
    // either way the caller copies in full.
    SectorRanges usedSectorRanges() const;

    // One byte per 512-byte sector of the partition, 1 = used; empty when not built.
    QByteArray sectorMap() const { return m_sectorMap; }

    uint64_t partitionOffset() const { return m_partitionOffset; }
    uint64_t partitionSize() const { return m_partitionSize; }
    uint64_t volumeSize() const { return m_volumeSize; }
    uint64_t usedSize() const { return m_usedSize; }
    uint32_t clusterSize() const { return m_clusterSize; }
    uint32_t sectorSize() const { return m_sectorSize; }
    uint64_t totalClusters() const { return m_totalClusters; }
    uint64_t usedClusters() const { return m_usedClusters; }
    QString volumeLabel() const { return m_volumeLabel; }
    bool isBitmapValid() const { return m_bitmapValid; }
    QString lastError() const { return m_lastError; }
    // Why the volume's allocation map failed its check (the file system was recognised, but its
    // map cannot be trusted for a smart copy); empty otherwise.
    QString mapFault() const { return m_mapFault; }
    // Something the user should know about a map that is still used (e.g. FAT copies that differ).
    QString mapNotice() const { return m_mapNotice; }

    // Where the usage lies, in volume sectors: everything in front of cluster 0 is used, each
    // cluster covers sectorsPerCluster sectors, and one more span may be used behind the clusters.
    struct UsageLayout {
        uint32_t sectorSize = 512;
        uint32_t sectorsPerCluster = 0;
        uint64_t clusterAreaStart = 0;
        uint64_t extraStart = 0;
        uint64_t extraCount = 0;
    };
    // The pure computation behind usedSectorRanges(), for any bitmap and layout.
    static SectorRanges rangesFromClusterBitmap(const QBitArray& clusters, const UsageLayout& layout);

protected:
    virtual UsageLayout usageLayout() const = 0;

    // Builds m_sectorMap from the ranges; false (and no map) when it would exceed the cap.
    bool buildSectorMap(const QString& owner);
    // Reads `length` bytes at `volumeOffset` from the volume start; both multiples of 512.
    bool readVolume(uint64_t volumeOffset, void* buffer, uint64_t length);
    // Room the volume may occupy: the partition size, else what the device has behind the offset.
    uint64_t volumeLimit() const;
    void storeLoadArguments(DeviceHandle* handle, uint64_t partitionOffset, uint64_t partitionSize);

    uint64_t m_partitionOffset = 0;
    uint64_t m_partitionSize = 0;
    uint64_t m_volumeSize = 0;
    uint64_t m_usedSize = 0;
    uint32_t m_clusterSize = 0;
    uint32_t m_sectorSize = 512;
    uint64_t m_totalClusters = 0;
    uint64_t m_usedClusters = 0;
    QString m_volumeLabel;
    bool m_bitmapValid = false;
    QString m_lastError;
    QString m_mapFault;
    QString m_mapNotice;
    DeviceHandle* m_diskHandle = nullptr;

    QBitArray m_clusterBitmap;
    QByteArray m_sectorMap;
    uint32_t m_ioAlignment = 4096;
};
