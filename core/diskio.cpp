#include "core/diskio.h"

#include "core/logger.h"
#include "platform/platform.h"
#include "platform/threadedasyncio.h"

#include <QDateTime>

#include <algorithm>

namespace {
constexpr uint64_t MiB = 1024ull * 1024;
// Measured on images and loop devices: 4 MiB requests, eight in flight, beat both smaller ones and
// the 64 MiB chunks of a copy that waits for each transfer.
constexpr uint64_t DefaultRequestBytes = 4 * MiB;
constexpr size_t RequestsInFlight = 8;
constexpr uint32_t MinimumBufferAlignment = 4096;
constexpr uint64_t PageBytes = 4096;
constexpr int SpeedWindowMs = 200;
constexpr int ProgressIntervalMs = 100;
// A discard cannot be cancelled once asked; pieces of this size let a cancel in between.
constexpr uint64_t DiscardPieceBytes = 1024 * MiB;

int64_t nowMs() { return QDateTime::currentMSecsSinceEpoch(); }
}

DiskIO::DiskIO(QObject* parent) : QObject(parent), m_bufferSize(DefaultRequestBytes) {}

DiskIO::~DiskIO() { close(); }

bool DiskIO::fail(const QString& message)
{
    m_lastError = message;
    emit error(message);
    return false;
}

// ---------------------------------------------------------------------------------------------
// Source and target

// A cancel also ends a wait for a transfer that hangs in the device.
bool DiskIO::openSource(const QString& path)
{
    if (!m_session.openSource(path, m_lastError))
        return false;
    m_session.source()->setCancelFlag(&m_cancelled);
    return true;
}

bool DiskIO::openSourceDisk(int diskNumber) { return openSource(RawDisk::physicalDrivePath(diskNumber)); }

bool DiskIO::openTarget(const QString& path, const ByteRange& writes)
{
    if (!m_session.openTarget(path, m_lastError, writes))
        return false;
    m_session.target()->setCancelFlag(&m_cancelled);
    m_bufferAlignment = std::max({m_session.sourceAlignment(), m_session.targetAlignment(), MinimumBufferAlignment});
    allocateBuffers();
    Logger::instance().info(QStringLiteral("Opened target: %1, using alignment: %2").arg(path).arg(m_bufferAlignment));
    return true;
}

bool DiskIO::openTargetDisk(int diskNumber, const ByteRange& writes)
{
    return openTarget(RawDisk::physicalDrivePath(diskNumber), writes);
}


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

bool DiskIO::flushTarget() { return m_session.flushTarget(); }

uint64_t DiskIO::targetBytes() const { return m_session.targetBytes(); }

bool DiskIO::rereadTargetLayout() { return m_session.rereadTargetLayout(); }

// ---------------------------------------------------------------------------------------------
// Bulk copy

void DiskIO::allocateBuffers()
{
    m_buffers.clear();
    uint64_t size = std::max<uint64_t>(m_bufferSize / m_bufferAlignment * m_bufferAlignment, m_bufferAlignment);
    m_bufferSize = size;
    std::vector<AlignedBuffer> buffers;
    for (size_t i = 0; i < RequestsInFlight; ++i) {
        AlignedBuffer b(size, m_bufferAlignment);
        if (!b)
            return;
        // Fault every page in now, not in the middle of the first transfers.
        for (uint64_t at = 0; at < size; at += PageBytes)
            b.data()[at] = 0;
        buffers.push_back(std::move(b));
    }
    m_buffers = std::move(buffers);
    Logger::instance().info(QStringLiteral("Allocated transfer buffers: %1 x %2 KB").arg(RequestsInFlight).arg(size / 1024));
}

void DiskIO::resetStats()
{
    m_currentSpeed = 0;
    m_bytesCopied = 0;
    m_copyStartTime = 0;
    m_speedSampleTime = 0;
    m_speedSampleBytes = 0;
    m_verifiedBytes = 0;
    m_unreadable.clear();
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

bool DiskIO::reportFailure(const CopyPipeline& pipeline)
{
    const QString text = QString::fromStdString(pipeline.failureText());
    const quint64 sector = pipeline.failureSector();
    switch (pipeline.failure()) {
    case CopyPipeline::Failure::None:
        return true;
    case CopyPipeline::Failure::Cancelled:
        return false;
    case CopyPipeline::Failure::Read:
        return fail(tr("Read failed at sector %1: %2").arg(sector).arg(text));
    case CopyPipeline::Failure::Write:
        return fail(tr("Write failed at sector %1: %2").arg(sector).arg(text));
    case CopyPipeline::Failure::Flush:
        Logger::instance().error(QStringLiteral("Failed to flush target: %1").arg(text));
        return fail(tr("Failed to flush target: %1").arg(text));
    case CopyPipeline::Failure::TargetRead:
        return fail(tr("Read target failed at sector %1: %2").arg(sector).arg(text));
    case CopyPipeline::Failure::Verify:
        return fail(tr("Verification failed: sector %1 of the target differs from the source").arg(sector));
    case CopyPipeline::Failure::Queue:
        return fail(text);
    }
    return false;
}

bool DiskIO::copyExtents(const std::vector<CopyExtent>& extents) { return runPipeline(extents, false); }

bool DiskIO::compareExtents(const std::vector<CopyExtent>& extents) { return runPipeline(extents, true); }

// Runs on the worker thread; everything the user interface sees goes out by signal, and cancel()
// reaches the loop through the atomic flag, so no event processing is needed here.
bool DiskIO::runPipeline(const std::vector<CopyExtent>& extents, bool compareOnly)
{
    Logger& log = Logger::instance();
    if (!m_session.source() || !m_session.target()) {
        m_lastError = tr("Source or target not opened");
        log.error(QStringLiteral("Source or target not opened"));
        return false;
    }
    if (m_buffers.empty())
        allocateBuffers();
    if (m_buffers.empty()) {
        m_lastError = tr("Aligned buffer not allocated");
        log.error(QStringLiteral("Transfer buffers not allocated"));
        return false;
    }
    const uint64_t total = CopyBatchPlanner::bytesOf(extents);
    if (compareOnly)
        log.info(QStringLiteral("Comparing %1 bytes in %2 extents with the source").arg(total).arg(extents.size()));
    else if (extents.size() == 1)
        log.info(QStringLiteral("Starting fast copy: %1 bytes from offset %2 to %3")
                     .arg(total)
                     .arg(extents.front().sourceOffset)
                     .arg(extents.front().targetOffset));
    else
        log.info(QStringLiteral("Starting fast copy: %1 bytes in %2 extents").arg(total).arg(extents.size()));
    // The platform's own queue moves its own handles only; a source routed to shadow devices is read
    // through its readAt on worker threads.
    const std::unique_ptr<AsyncIo> io = m_session.readsSnapshot()
        ? std::make_unique<ThreadedAsyncIo>(unsigned(m_buffers.size()), "the source is read through a snapshot")
        : Platform::devices().createAsyncIo(unsigned(m_buffers.size()));
    if (!io)
        return fail(QString::fromStdString(Platform::lastErrorText()));
    log.info(QStringLiteral("Transfers: %1, %2 requests of %3 KB in flight")
                 .arg(QString::fromStdString(io->kind()))
                 .arg(m_buffers.size())
                 .arg(m_bufferSize / 1024));

    const int64_t start = nowMs();
    m_copyStartTime = start;
    m_bytesCopied = 0;
    m_speedSampleTime = start;
    m_speedSampleBytes = 0;

    CopyPipeline::Settings settings;
    settings.sourceAlignment = sourceAlignment();
    settings.targetAlignment = targetAlignment();
    settings.sourceSector = sourceLogicalSector();
    settings.targetSector = targetLogicalSector();
    settings.verify = m_verify && !compareOnly;
    settings.compareOnly = compareOnly;
    settings.continueOnReadErrors = m_continueOnReadErrors;
    settings.holesForZeros = m_session.target()->discardKind() == DeviceHandle::Discard::Zeroes;
    CopyPipeline pipeline(m_session.source(), m_session.target(), *io, m_buffers, m_cancelled, settings);
    if (!compareOnly)
        pipeline.setCheckpoint(m_checkpoint);
    int64_t lastReport = 0;
    pipeline.setProgress([&](uint64_t done, uint64_t all) {
        m_bytesCopied = done;
        updateSpeed();
        const int64_t now = nowMs();
        if (done == all || now - lastReport >= ProgressIntervalMs) {
            lastReport = now;
            emit progressChanged(done, all);
        }
    });
    int64_t lastVerifyReport = 0;
    pipeline.setVerifyProgress([&](uint64_t done, uint64_t all) {
        const int64_t now = nowMs();
        if (done == all || now - lastVerifyReport >= ProgressIntervalMs) {
            lastVerifyReport = now;
            emit verifyProgressChanged(done, all);
        }
    });
    const bool ok = pipeline.run(extents);
    m_verifiedBytes += pipeline.bytesVerified();
    for (const auto& [first, count] : pipeline.unreadable().ranges())
        m_unreadable.add(first, count);
    if (!pipeline.unreadable().isEmpty())
        log.warning(QStringLiteral("%1 unreadable source sectors were written as zeros").arg(pipeline.unreadable().sectorCount()));
    if (m_cancelled.load()) {
        log.info(QStringLiteral("Copy stopped at source byte %1 (sector %2)")
                     .arg(pipeline.stoppedAt())
                     .arg(sectorSize() ? pipeline.stoppedAt() / sectorSize() : 0));
        log.info(QStringLiteral("Fast copy cancelled by user"));
        return false;
    }
    if (!ok && !reportFailure(pipeline))
        return false;
    if (m_verify || compareOnly)
        log.info(QStringLiteral("Verified %1 bytes").arg(pipeline.bytesVerified()));
    if (compareOnly)
        return true;
    const int64_t elapsed = nowMs() - m_copyStartTime;
    if (elapsed > 0) {
        m_currentSpeed = m_bytesCopied * 1000 / uint64_t(elapsed);
        emit speedChanged(m_currentSpeed);
        log.info(QStringLiteral("Fast copy completed: %1 MB in %2 seconds, average speed: %3 MB/s")
                     .arg(m_bytesCopied / MiB)
                     .arg(QString::number(elapsed / 1000.0, 'f', 1))
                     .arg(m_currentSpeed / MiB));
    }
    return true;
}

bool DiskIO::discardTarget(const std::vector<ByteRange>& ranges, uint64_t& discarded, bool& supported)
{
    discarded = 0;
    supported = false;
    DeviceHandle* target = m_session.target();
    if (!target) {
        m_lastError = QStringLiteral("the target is not open");
        return false;
    }
    if (target->discardKind() == DeviceHandle::Discard::None)
        return true;
    // Whatever the copy left in a cache lands first, or it could be written over a discarded range.
    if (!m_session.flushTarget()) {
        m_lastError = RawDisk::lastErrorText();
        return false;
    }
    supported = true;
    for (const ByteRange& r : ranges) {
        for (uint64_t done = 0; done < r.length && !m_cancelled.load();) {
            const uint64_t piece = std::min(DiscardPieceBytes, r.length - done);
            if (!target->discard(r.offset + done, piece)) {
                // Some devices claim support and refuse the request: not a fault of the copy.
                if (discarded == 0 && Platform::lastErrorCode() == PlatformError::NotSupported) {
                    supported = false;
                    return true;
                }
                m_lastError = RawDisk::lastErrorText();
                return false;
            }
            done += piece;
            discarded += piece;
        }
    }
    if (!m_session.flushTarget()) {
        m_lastError = RawDisk::lastErrorText();
        return false;
    }
    return true;
}
