#pragma once
#include "core/alignedbuffer.h"
#include "core/copypipeline.h"
#include "core/disksession.h"
#include "core/rawdisk.h"
#include "core/unreadablemap.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <vector>

// The session of one run: one source and one target (a DiskSession), opened once and used by every
// step of the run, with reads and writes that report through lastError and error(), and the bulk
// copy with its buffers, statistics and cancellation. Stateless work on other handles is RawDisk's.
class DiskIO : public QObject {
    Q_OBJECT
public:
    explicit DiskIO(QObject* parent = nullptr);
    ~DiskIO() override;

    // ---- object layer ----
    bool openSource(const QString& path);
    bool openSourceDisk(int diskNumber);
    // The source opened from now on reads the routes' bytes from the snapshot's shadow devices; the
    // set is deleted by close(), whatever ended the run.
    void readThroughSnapshot(std::unique_ptr<SourceSnapshot> snapshot, std::vector<RoutedDevice::Route> routes)
    {
        m_session.readThroughSnapshot(std::move(snapshot), std::move(routes));
    }
    bool openTarget(const QString& path, const ByteRange& writes = {});
    // `writes`: the bytes of the disk the run writes; only the volumes there are locked. Length 0: all.
    bool openTargetDisk(int diskNumber, const ByteRange& writes = {});

    bool readSource(uint64_t sector, uint32_t count, void* buffer);
    bool readSourceBytes(uint64_t offset, uint64_t length, void* buffer);
    bool readTarget(uint64_t sector, uint32_t count, void* buffer);
    bool readTargetBytes(uint64_t offset, uint64_t length, void* buffer);
    bool writeTarget(uint64_t sector, uint32_t count, const void* buffer);
    bool writeTargetBytes(uint64_t offset, uint64_t length, const void* buffer);
    bool flushTarget();
    // The target's size as its open disk reports it; 0 when unknown or when the target is a volume.
    uint64_t targetBytes() const;
    // Flushes and makes the platform re-read the target's table through the open handle; only
    // before handing the disk to a partitioning tool.
    bool rereadTargetLayout();
    // The open source, for the parsers that read its volumes; null when none is open.
    DeviceHandle* sourceDevice() const { return m_session.source(); }

    void closeTarget();
    void close();
    void cancel();
    bool isCancelled() const { return m_cancelled.load(); }
    QString lastError() const { return m_lastError; }

    bool hasSource() const { return m_session.hasSource(); }
    bool hasTarget() const { return m_session.hasTarget(); }
    QString sourcePath() const { return m_session.sourcePath(); }
    QString targetPath() const { return m_session.targetPath(); }
    int targetDiskNumber() const { return m_session.targetDiskNumber(); }
    // Sector numbers of the source and of the copies count in the source's logical sectors.
    uint32_t sectorSize() const { return m_session.sourceLogicalSector(); }
    uint32_t sourceLogicalSector() const { return m_session.sourceLogicalSector(); }
    uint32_t sourcePhysicalSector() const { return m_session.sourcePhysicalSector(); }
    uint32_t targetLogicalSector() const { return m_session.targetLogicalSector(); }
    uint32_t targetPhysicalSector() const { return m_session.targetPhysicalSector(); }
    uint32_t sourceAlignment() const { return m_session.sourceAlignment(); }
    uint32_t targetAlignment() const { return m_session.targetAlignment(); }
    uint32_t bufferAlignment() const { return m_bufferAlignment; }
    uint64_t bufferSize() const { return m_bufferSize; }
    // Changes the request size (benchmarks, tests); takes effect with the next allocation.
    void setBufferSize(uint64_t bytes) { m_bufferSize = bytes; }

    // ---- bulk copy ----
    // Read every copied range back from the target after the copy and compare it with the source.
    void setVerify(bool on) { m_verify = on; }
    // Write zeros for source sectors that cannot be read and go on; they are listed in unreadable().
    void setContinueOnReadErrors(bool on) { m_continueOnReadErrors = on; }
    // The transfer buffers, once per target: aligned, touched page by page, reused by every copy.
    void allocateBuffers();
    // The one copy routine: the extents with reads and writes in flight together, the target
    // flushed, and with verification every range read back and compared. A cancel() that came
    // before a copy started stops it at once: the flag is never cleared.
    bool copyExtents(const std::vector<CopyExtent>& extents);
    // Reads the extents on both sides and compares them; nothing is written. For ranges an earlier
    // run copied.
    bool compareExtents(const std::vector<CopyExtent>& extents);
    // Told, every few seconds and at every stop, which copied ranges a flush has made durable.
    void setCheckpoint(CopyPipeline::Checkpoint checkpoint) { m_checkpoint = std::move(checkpoint); }
    // Source sectors an earlier run of the same copy wrote as zeros.
    void addUnreadable(uint64_t first, uint64_t count) { m_unreadable.add(first, count); }
    void resetStats();
    void updateSpeed();
    uint64_t bytesCopied() const { return m_bytesCopied; }
    uint64_t currentSpeed() const { return m_currentSpeed; }
    // Since resetStats: bytes read back and found equal, and the source sectors written as zeros.
    uint64_t verifiedBytes() const { return m_verifiedBytes; }
    const UnreadableMap& unreadable() const { return m_unreadable; }

signals:
    void progressChanged(uint64_t bytesTransferred, uint64_t totalBytes);
    void speedChanged(uint64_t bytesPerSecond);
    void error(const QString& message);
    void verifyProgressChanged(uint64_t bytesVerified, uint64_t totalBytes);

private:
    bool readSide(DeviceHandle* handle, uint64_t offset, uint64_t length, void* buffer, uint32_t sectorSize,
                  uint32_t alignment, const char* failText);
    bool fail(const QString& message);
    bool reportFailure(const CopyPipeline& pipeline);
    bool runPipeline(const std::vector<CopyExtent>& extents, bool compareOnly);

    DiskSession m_session;

    std::vector<AlignedBuffer> m_buffers;
    uint64_t m_bufferSize;
    uint32_t m_bufferAlignment = 4096;
    bool m_verify = false;
    bool m_continueOnReadErrors = false;
    CopyPipeline::Checkpoint m_checkpoint;

    uint64_t m_currentSpeed = 0;
    uint64_t m_bytesCopied = 0;
    int64_t m_copyStartTime = 0;
    int64_t m_speedSampleTime = 0;
    uint64_t m_speedSampleBytes = 0;
    uint64_t m_verifiedBytes = 0;
    UnreadableMap m_unreadable;

    QString m_lastError;
    std::atomic<bool> m_cancelled{false};

public:
    // Flushes the target, then gives `ranges` (bytes of the target) back to its storage; `discarded`
    // receives the bytes given back. A target that cannot discard is left alone, `supported` false.
    // False with lastError when a discard of a target that said it can discard fails.
    bool discardTarget(const std::vector<ByteRange>& ranges, uint64_t& discarded, bool& supported);
};
