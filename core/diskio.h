#pragma once
#include "platform/platform.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <memory>

using DiskHandle = std::unique_ptr<DeviceHandle>;

struct DiskGeometry {
    int64_t diskSize = 0;
    uint32_t bytesPerSector = 0;
    int64_t totalSectors = 0;
    uint32_t cylinders = 0;
    uint32_t tracksPerCylinder = 0;
    uint32_t sectorsPerTrack = 0;
};

struct StorageAlignment {
    uint32_t logicalSector = 512;
    uint32_t physicalSector = 512;
    uint32_t alignmentOffset = 0;
};

struct DiskExtent {
    uint32_t diskNumber = 0;
    int64_t startingOffset = 0;
    int64_t extentLength = 0;
};

// Memory aligned for unbuffered I/O; zero-filled on allocation.
class AlignedBuffer {
public:
    AlignedBuffer() = default;
    AlignedBuffer(uint64_t size, uint32_t alignment);
    ~AlignedBuffer();
    AlignedBuffer(AlignedBuffer&& other) noexcept;
    AlignedBuffer& operator=(AlignedBuffer&& other) noexcept;
    AlignedBuffer(const AlignedBuffer&) = delete;
    AlignedBuffer& operator=(const AlignedBuffer&) = delete;

    uint8_t* data() const { return m_data; }
    uint64_t size() const { return m_size; }
    explicit operator bool() const { return m_data != nullptr; }
    void reset();

private:
    void* m_block = nullptr;  // what the allocator returned; m_data lies inside it
    uint8_t* m_data = nullptr;
    uint64_t m_size = 0;
};

// The only door to disks and volumes: stateless operations on handles, plus one source and one
// target handle for a clone with the copy buffers, statistics and cancellation.
class DiskIO : public QObject {
    Q_OBJECT
public:
    explicit DiskIO(QObject* parent = nullptr);
    ~DiskIO() override;

    // ---- stateless layer ----
    static DiskHandle openDisk(int diskNumber, bool writable);
    static DiskHandle openVolume(const QString& path, bool writable);
    static bool readSectors(DeviceHandle* handle, uint64_t sector, uint32_t count, void* buffer, uint32_t sectorSize);
    static bool writeSectors(DeviceHandle* handle, uint64_t sector, uint32_t count, const void* buffer, uint32_t sectorSize);
    static bool readSectorsAligned(DeviceHandle* handle, uint64_t sector, uint32_t count, void* buffer,
                                   uint32_t sectorSize, uint32_t alignment);
    static bool writeSectorsAligned(DeviceHandle* handle, uint64_t sector, uint32_t count, const void* buffer,
                                    uint32_t sectorSize, uint32_t alignment);
    static bool getDiskGeometry(DeviceHandle* handle, DiskGeometry& geometry);
    static bool queryAlignment(DeviceHandle* handle, StorageAlignment& alignment);
    static QString getBusType(int diskNumber);
    static QString busTypeName(int busType);
    static bool isSsd(int diskNumber);
    static QList<DiskExtent> getVolumeDiskExtents(const QString& volumePath);
    static int getDiskNumberForVolume(const QString& volumePath);
    static QStringList enumerateVolumes();
    static QStringList getVolumeMountPaths(const QString& volumeName);
    static QString getVolumeNameForMountPoint(const QString& path);
    static bool unlockVolume(DeviceHandle* handle);
    static bool updateDiskProperties(DeviceHandle* handle);
    static bool flush(DeviceHandle* handle);
    static QString lastErrorText();

    // ---- object layer ----
    bool openSource(const QString& path);
    bool openSourceDisk(int diskNumber);
    bool openTarget(const QString& path);
    bool openTargetDisk(int diskNumber);

    bool readSource(uint64_t sector, uint32_t count, void* buffer);
    bool readSourceBytes(uint64_t offset, uint64_t length, void* buffer);
    bool readTarget(uint64_t sector, uint32_t count, void* buffer);
    bool readTargetBytes(uint64_t offset, uint64_t length, void* buffer);
    bool writeTarget(uint64_t sector, uint32_t count, const void* buffer);
    bool writeTargetBytes(uint64_t offset, uint64_t length, const void* buffer);
    bool flushTarget();

    bool lockTargetVolumes();
    void closeTarget();
    void close();
    void cancel();
    bool isCancelled() const { return m_cancelled.load(); }
    QString lastError() const { return m_lastError; }

    bool hasSource() const;
    bool hasTarget() const;
    QString sourcePath() const { return m_sourcePath; }
    QString targetPath() const { return m_targetPath; }
    int targetDiskNumber() const { return m_targetDiskNumber; }
    uint32_t sectorSize() const { return m_sectorSize; }
    uint32_t sourceLogicalSector() const { return m_sourceLogicalSector; }
    uint32_t sourcePhysicalSector() const { return m_sourcePhysicalSector; }
    uint32_t targetLogicalSector() const { return m_targetLogicalSector; }
    uint32_t targetPhysicalSector() const { return m_targetPhysicalSector; }
    uint32_t sourceAlignment() const { return m_sourceAlignment; }
    uint32_t targetAlignment() const { return m_targetAlignment; }
    uint32_t bufferAlignment() const { return m_bufferAlignment; }
    uint64_t bufferSize() const { return m_bufferSize; }
    // Changes the copy chunk size (benchmarks, tests); takes effect with the next allocation.
    void setBufferSize(uint64_t bytes) { m_bufferSize = bytes; }

    // ---- bulk copy ----
    void allocateAlignedBuffer();
    void allocateDoubleBuffers();
    bool copySectors(uint64_t srcSector, uint64_t dstSector, uint32_t count);
    bool copyBytes(uint64_t srcOffset, uint64_t dstOffset, uint64_t length);
    bool fastCopy(uint64_t srcOffset, uint64_t dstOffset, uint64_t length);
    void resetStats();
    void updateSpeed();
    uint64_t bytesCopied() const { return m_bytesCopied; }
    uint64_t currentSpeed() const { return m_currentSpeed; }

signals:
    void progressChanged(uint64_t bytesTransferred, uint64_t totalBytes);
    void speedChanged(uint64_t bytesPerSecond);
    void error(const QString& message);

private:
    static bool readAlignedRange(DeviceHandle* handle, uint64_t offset, uint64_t length, void* buffer,
                                 uint32_t alignment);
    static bool writeAlignedRange(DeviceHandle* handle, uint64_t offset, uint64_t length, const void* buffer,
                                  uint32_t alignment);
    bool lockTargetVolumesLocked();
    void closeTargetLocked();
    bool refuseSameDevice(const QString& sourcePath, const QString& targetPath);
    bool readSideBytes(DeviceHandle* handle, uint64_t offset, uint64_t length, void* buffer,
                       uint32_t sectorSize, uint32_t alignment, const QString& failText);
    bool fail(const QString& message);

    mutable QMutex m_mutex;
    DiskHandle m_source;
    DiskHandle m_target;
    QString m_sourcePath;
    QString m_targetPath;
    std::vector<DiskHandle> m_lockedVolumes;
    int m_targetDiskNumber = -1;

    AlignedBuffer m_alignedBuffer;
    AlignedBuffer m_bufferA;
    AlignedBuffer m_bufferB;
    uint64_t m_bufferSize = 64ull * 1024 * 1024;
    uint32_t m_bufferAlignment = 4096;

    uint32_t m_sectorSize = 512;
    uint32_t m_sourceLogicalSector = 512;
    uint32_t m_sourcePhysicalSector = 512;
    uint32_t m_targetLogicalSector = 512;
    uint32_t m_targetPhysicalSector = 512;
    uint32_t m_sourceAlignment = 512;
    uint32_t m_targetAlignment = 512;

    uint64_t m_currentSpeed = 0;
    uint64_t m_bytesCopied = 0;
    int64_t m_copyStartTime = 0;
    int64_t m_speedSampleTime = 0;
    uint64_t m_speedSampleBytes = 0;

    QString m_lastError;
    std::atomic<bool> m_cancelled{false};
};
