#include "core/diskio.h"

#include "core/logger.h"

#include <QDateTime>

#include <algorithm>

namespace {
constexpr uint64_t MiB = 1024ull * 1024;
// Speed and cancellation are looked at after every piece of a pipelined copy.
constexpr uint64_t PipelinePieceBytes = 16 * MiB;
constexpr uint32_t MinimumBufferAlignment = 4096;
constexpr int SpeedWindowMs = 200;

int64_t nowMs() { return QDateTime::currentMSecsSinceEpoch(); }
}

DiskIO::DiskIO(QObject* parent) : QObject(parent)
{
    allocateAlignedBuffer();
    allocateDoubleBuffers();
}

DiskIO::~DiskIO() { close(); }

bool DiskIO::fail(const QString& message)
{
    m_lastError = message;
    emit error(message);
    return false;
}

// ---------------------------------------------------------------------------------------------
// Source and target

bool DiskIO::openSource(const QString& path) { return m_session.openSource(path, m_lastError); }

bool DiskIO::openSourceDisk(int diskNumber) { return openSource(RawDisk::physicalDrivePath(diskNumber)); }

bool DiskIO::openTarget(const QString& path)
{
    if (!m_session.openTarget(path, m_lastError))
        return false;
    m_bufferAlignment = std::max({m_session.sourceAlignment(), m_session.targetAlignment(), MinimumBufferAlignment});
    allocateAlignedBuffer();
    allocateDoubleBuffers();
    Logger::instance().info(QStringLiteral("Opened target: %1, using alignment: %2").arg(path).arg(m_bufferAlignment));
    return true;
}

bool DiskIO::openTargetDisk(int diskNumber) { return openTarget(RawDisk::physicalDrivePath(diskNumber)); }

bool DiskIO::lockTargetVolumes() { return m_session.lockTargetVolumes(); }

void DiskIO::closeTarget() { m_session.closeTarget(); }

void DiskIO::close() { m_session.close(); }

void DiskIO::cancel()
{
    m_cancelled.store(true);
    Logger::instance().info(QStringLiteral("Copy cancellation requested"));
}

bool DiskIO::readSide(DeviceHandle* handle, uint64_t offset, uint64_t length, void* buffer, uint32_t sectorSize,
                      uint32_t alignment, const char* failText)
{
    if (RawDisk::readRange(handle, offset, length, buffer, alignment))
        return true;
    return fail(tr(failText).arg(sectorSize ? offset / sectorSize : 0).arg(RawDisk::lastErrorText()));
}

bool DiskIO::readSource(uint64_t sector, uint32_t count, void* buffer)
{
    if (!m_session.source()) {
        m_lastError = tr("Source not opened");
        return false;
    }
    if (RawDisk::readSectorsAligned(m_session.source(), sector, count, buffer, sectorSize(), sourceAlignment()))
        return true;
    return fail(tr("Read failed at sector %1: %2").arg(sector).arg(RawDisk::lastErrorText()));
}

bool DiskIO::readSourceBytes(uint64_t offset, uint64_t length, void* buffer)
{
    if (!m_session.source()) {
        m_lastError = tr("Source not opened");
        return false;
    }
    return readSide(m_session.source(), offset, length, buffer, sectorSize(), sourceAlignment(),
                    QT_TR_NOOP("Read failed at sector %1: %2"));
}

bool DiskIO::readTarget(uint64_t sector, uint32_t count, void* buffer)
{
    if (!m_session.target()) {
        m_lastError = tr("Target not opened");
        return false;
    }
    if (RawDisk::readSectorsAligned(m_session.target(), sector, count, buffer, targetLogicalSector(),
                                    targetAlignment()))
        return true;
    return fail(tr("Read target failed at sector %1: %2").arg(sector).arg(RawDisk::lastErrorText()));
}

bool DiskIO::readTargetBytes(uint64_t offset, uint64_t length, void* buffer)
{
    if (!m_session.target()) {
        m_lastError = tr("Target not opened");
        return false;
    }
    return readSide(m_session.target(), offset, length, buffer, targetLogicalSector(), targetAlignment(),
                    QT_TR_NOOP("Read target failed at sector %1: %2"));
}

bool DiskIO::writeTarget(uint64_t sector, uint32_t count, const void* buffer)
{
    if (!m_session.target()) {
        m_lastError = tr("Target not opened");
        return false;
    }
    if (RawDisk::writeSectorsAligned(m_session.target(), sector, count, buffer, targetLogicalSector(),
                                     targetAlignment()))
        return true;
    return fail(tr("Write failed at sector %1: %2").arg(sector).arg(RawDisk::lastErrorText()));
}

bool DiskIO::writeTargetBytes(uint64_t offset, uint64_t length, const void* buffer)
{
    if (!m_session.target()) {
        m_lastError = tr("Target not opened");
        return false;
    }
    if (RawDisk::writeRange(m_session.target(), offset, length, buffer, targetAlignment()))
        return true;
    const uint32_t sector = targetLogicalSector();
    return fail(tr("Write failed at sector %1: %2").arg(sector ? offset / sector : 0).arg(RawDisk::lastErrorText()));
}

bool DiskIO::flushTarget() { return m_session.target() && m_session.target()->flush(); }

// ---------------------------------------------------------------------------------------------
// Bulk copy

void DiskIO::allocateAlignedBuffer()
{
    m_alignedBuffer.reset();
    uint64_t size = m_bufferSize / m_bufferAlignment * m_bufferAlignment;
    if (size < m_bufferAlignment)
        size = m_bufferAlignment;
    m_bufferSize = size;
    AlignedBuffer buffer(size, m_bufferAlignment);
    if (!buffer)
        return;
    m_alignedBuffer = std::move(buffer);
    Logger::instance().info(QStringLiteral("Allocated aligned buffer: %1 MB").arg(size / MiB));
}

void DiskIO::allocateDoubleBuffers()
{
    m_bufferA.reset();
    m_bufferB.reset();
    AlignedBuffer a(m_bufferSize, m_bufferAlignment);
    AlignedBuffer b(m_bufferSize, m_bufferAlignment);
    if (!a || !b)
        return;
    m_bufferA = std::move(a);
    m_bufferB = std::move(b);
    Logger::instance().info(QStringLiteral("Allocated double buffers: 2 x %1 MB").arg(m_bufferSize / MiB));
}

void DiskIO::resetStats()
{
    m_currentSpeed = 0;
    m_bytesCopied = 0;
    m_copyStartTime = 0;
    m_speedSampleTime = 0;
    m_speedSampleBytes = 0;
}

void DiskIO::updateSpeed()
{
    const int64_t now = nowMs();
    if (m_speedSampleTime == 0) {
        m_speedSampleBytes = m_bytesCopied;
        m_speedSampleTime = now;
        return;
    }
    const int64_t window = now - m_speedSampleTime;
    if (window < SpeedWindowMs)
        return;
    m_currentSpeed = (m_bytesCopied - m_speedSampleBytes) * 1000 / uint64_t(window);
    m_speedSampleBytes = m_bytesCopied;
    m_speedSampleTime = now;
    emit speedChanged(m_currentSpeed);
}

// Runs on the worker thread; everything the user interface sees goes out by signal, and cancel()
// reaches the loop through the atomic flag, so no event processing is needed here.
bool DiskIO::runCopy(const std::vector<CopyExtent>& extents, Buffers buffers, uint64_t pieceSize, bool reportChunks)
{
    uint64_t total = 0;
    for (const CopyExtent& e : extents)
        total += e.length;
    const uint64_t before = m_bytesCopied;
    CopyPipeline pipeline([this](uint64_t offset, uint64_t length, void* buffer) {
        return readSourceBytes(offset, length, buffer);
    }, [this](uint64_t offset, uint64_t length, const void* buffer) {
        return writeTargetBytes(offset, length, buffer);
    }, m_cancelled);
    if (buffers == Buffers::Double)
        pipeline.setBuffers({&m_bufferA, &m_bufferB});
    else
        pipeline.setBuffers({&m_alignedBuffer});
    pipeline.setPieceSize(pieceSize);
    pipeline.setProgress([&](uint64_t written, bool chunkDone) {
        m_bytesCopied = before + written;
        updateSpeed();
        if (reportChunks && chunkDone)
            emit progressChanged(written, total);
    });
    return pipeline.run(extents);
}

bool DiskIO::copySectors(uint64_t srcSector, uint64_t dstSector, uint32_t count)
{
    if (count == 0)
        return true;
    if (!m_alignedBuffer || sectorSize() == 0) {
        m_lastError = tr("Aligned buffer not allocated");
        return false;
    }
    if (m_copyStartTime == 0)
        m_copyStartTime = nowMs();
    // Both sector numbers count source sectors, so a target of another sector size receives the
    // source's bytes at the same byte positions.
    const uint64_t size = sectorSize();
    return runCopy({CopyExtent{srcSector * size, dstSector * size, uint64_t(count) * size}}, Buffers::Single, 0,
                   false);
}

bool DiskIO::copyBytes(uint64_t srcOffset, uint64_t dstOffset, uint64_t length)
{
    if (!m_alignedBuffer) {
        m_lastError = tr("Aligned buffer not allocated");
        return false;
    }
    if (m_copyStartTime == 0)
        m_copyStartTime = nowMs();
    return runCopy({CopyExtent{srcOffset, dstOffset, length}}, Buffers::Single, 0, true);
}

bool DiskIO::fastCopy(uint64_t srcOffset, uint64_t dstOffset, uint64_t length)
{
    return copyExtents({CopyExtent{srcOffset, dstOffset, length}});
}

bool DiskIO::copyExtents(const std::vector<CopyExtent>& extents)
{
    Logger& log = Logger::instance();
    if (!m_bufferA || !m_bufferB) {
        m_lastError = tr("Double buffers not allocated");
        log.error(QStringLiteral("Double buffers not allocated"));
        return false;
    }
    if (!m_session.source() || !m_session.target()) {
        m_lastError = tr("Source or target not opened");
        log.error(QStringLiteral("Source or target not opened"));
        return false;
    }
    uint64_t total = 0;
    for (const CopyExtent& e : extents)
        total += e.length;
    if (extents.size() == 1)
        log.info(QStringLiteral("Starting fast copy: %1 bytes from offset %2 to %3")
                     .arg(total)
                     .arg(extents.front().sourceOffset)
                     .arg(extents.front().targetOffset));
    else
        log.info(QStringLiteral("Starting fast copy: %1 bytes in %2 extents").arg(total).arg(extents.size()));
    log.info(QStringLiteral("Buffer size: %1 MB").arg(m_bufferSize / MiB));

    const int64_t start = nowMs();
    m_copyStartTime = start;
    m_bytesCopied = 0;
    m_speedSampleTime = start;
    m_speedSampleBytes = 0;

    bool result = runCopy(extents, Buffers::Double, PipelinePieceBytes, true);
    // A flush that fails means the data may not be on the device: that is a failed copy.
    if (result && !m_session.target()->flush()) {
        const QString err = RawDisk::lastErrorText();
        log.error(QStringLiteral("Failed to flush target: %1").arg(err));
        fail(tr("Failed to flush target: %1").arg(err));
        result = false;
    }
    if (m_cancelled.load()) {
        log.info(QStringLiteral("Fast copy cancelled by user"));
        return false;
    }
    const int64_t elapsed = nowMs() - m_copyStartTime;
    if (result && elapsed > 0) {
        m_currentSpeed = m_bytesCopied * 1000 / uint64_t(elapsed);
        emit speedChanged(m_currentSpeed);
        log.info(QStringLiteral("Fast copy completed: %1 MB in %2 seconds, average speed: %3 MB/s")
                     .arg(m_bytesCopied / MiB)
                     .arg(QString::number(elapsed / 1000.0, 'f', 1))
                     .arg(m_currentSpeed / MiB));
    }
    return result;
}
