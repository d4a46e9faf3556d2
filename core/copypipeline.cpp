#include "core/copypipeline.h"
#include "core/contenthash.h"

#include "core/logger.h"
#include "core/rawdisk.h"


#include <algorithm>
#include <chrono>
#include <cstring>

namespace {
constexpr int TagShift = 32;
constexpr uint64_t PieceMask = (uint64_t(1) << TagShift) - 1;
constexpr size_t NoSlot = size_t(-1);

std::string platformErrorText() { return RawDisk::lastErrorText().toStdString(); }

int64_t nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}

CopyPipeline::CopyPipeline(DeviceHandle* source, DeviceHandle* target, AsyncIo& io, std::vector<AlignedBuffer>& buffers,
                           const std::atomic<bool>& cancelled, Settings settings)
    : m_source(source), m_target(target), m_io(io), m_buffers(buffers), m_cancelled(cancelled), m_settings(settings)
{
}

CopyPipeline::Hash CopyPipeline::hashOf(const uint8_t* data, uint64_t length)
{
    return ContentHash::of(data, size_t(length));
}

void CopyPipeline::fail(Failure failure, uint64_t sector, const std::string& text)
{
    // The first failure names the stop; a later read or write failure of the same kind only moves it to
    // a lower sector (requests finish out of order).
    const bool lower = m_failure == failure && (failure == Failure::Write || failure == Failure::Read) && sector < m_failureSector;
    if (m_failure != Failure::None && !lower)
        return;
    m_failure = failure;
    m_failureSector = sector;
    m_failureText = text;
}

uint64_t CopyPipeline::stoppedAt() const
{
    for (size_t i = 0; i < m_batches.size(); ++i)
        if (!m_done[i])
            return m_batches[i].pieces.front().sourceOffset;
    return m_batches.empty() ? 0 : m_batches.back().pieces.back().sourceOffset + m_batches.back().pieces.back().length;
}

bool CopyPipeline::run(const std::vector<CopyExtent>& extents)
{
    m_failure = Failure::None;
    m_ioCancelled = false;
    m_written = m_verified = m_total = 0;
    m_unreadable.clear();
    m_unflushed.clear();
    m_newUnreadable.clear();
    m_unreadableReported = 0;
    m_checkpointBroken = false;
    m_lastCheckpoint = nowMs();
    if (m_buffers.empty() || !m_buffers.front()) {
        fail(Failure::Queue, 0, "no transfer buffers");
        return false;
    }
    CopyBatchPlanner::Limits limits;
    limits.requestBytes = m_buffers.front().size();
    limits.sourceAlignment = m_settings.sourceAlignment;
    limits.targetAlignment = m_settings.targetAlignment;
    m_batches = CopyBatchPlanner::plan(extents, limits);
    m_done.assign(m_batches.size(), false);
    const bool hashing = m_settings.verify || m_settings.compareOnly;
    m_hashes.assign(hashing ? m_batches.size() : 0, Hash{});
    for (const CopyBatch& b : m_batches)
        m_total += b.bytes;

    const bool moved = runBatches();
    if (m_settings.compareOnly)
        return moved;
    if (!moved) {
        // What did reach the target before the stop is kept for a later run.
        if (m_failure != Failure::Queue)
            checkpoint(true, false);
        return false;
    }
    if (!m_target->flush()) {
        fail(Failure::Flush, 0, platformErrorText());
        return false;
    }
    checkpoint(true, true);
    return true;
}

bool CopyPipeline::runBatches()
{
    m_slots.assign(m_buffers.size(), Slot{});
    m_waiting.clear();
    size_t next = 0;
    for (;;) {
        while (m_failure == Failure::None && next < m_batches.size()) {
            if (m_cancelled.load()) {
                fail(Failure::Cancelled, 0, {});
                break;
            }
            const auto free = std::find_if(m_slots.begin(), m_slots.end(), [](const Slot& s) { return s.phase == Phase::Idle; });
            if (free == m_slots.end())
                break;
            const size_t slot = size_t(free - m_slots.begin());
            if (m_batches[next].direct) {
                startDirect(next++, slot);
                continue;
            }
            // Partial spans are read-modify-write: nothing of ours may be in flight beside them.
            while (busy() && pump(true)) {
            }
            if (m_failure != Failure::None)
                break;
            copySpanning(next++, m_buffers[slot].data());
        }
        checkpoint(false, false);
        if (!busy() || !pump(true))
            break;
    }
    return m_failure == Failure::None;
}

void CopyPipeline::checkpoint(bool force, bool flushed)
{
    if (!m_checkpoint || m_checkpointBroken)
        return;
    if (m_unflushed.empty() && m_unreadableReported == m_newUnreadable.size())
        return;
    const int64_t now = nowMs();
    if (!force && now - m_lastCheckpoint < int64_t(m_settings.checkpointMs))
        return;
    m_lastCheckpoint = now;
    // Only what a flush has made durable may be recorded as on the target.
    if (!flushed && !m_target->flush())
        return;
    std::vector<CopyExtent> pieces;
    for (const size_t batch : m_unflushed)
        for (const CopyPiece& p : m_batches[batch].pieces)
            pieces.push_back({p.sourceOffset, p.targetOffset, p.length});
    const Unreadable unreadable(m_newUnreadable.begin() + std::ptrdiff_t(m_unreadableReported), m_newUnreadable.end());
    m_unflushed.clear();
    m_unreadableReported = m_newUnreadable.size();
    if (!m_checkpoint(pieces, unreadable))
        m_checkpointBroken = true;
}

bool CopyPipeline::pump(bool wait)
{
    if (m_cancelled.load() && !m_ioCancelled) {
        // A transfer the device never answers would keep the stop waiting for ever.
        m_ioCancelled = true;
        fail(Failure::Cancelled, 0, {});
        for (size_t slot = 0; slot < m_slots.size(); ++slot)
            dropWaiting(slot);
        m_io.cancel();
    }
    feed();
    if (m_io.inFlight() == 0)
        return true;
    std::vector<AsyncCompletion> done;
    if (!m_io.reap(done, wait)) {
        fail(Failure::Queue, 0, platformErrorText());
        m_waiting.clear();
        return false;
    }
    // A failure among them stops new transfers before the others' completions start any.
    std::stable_partition(done.begin(), done.end(), [](const AsyncCompletion& c) { return !c.ok; });
    for (const AsyncCompletion& c : done)
        handle(c);
    feed();
    return true;
}

bool CopyPipeline::wanted(const Slot& s) const
{
    // After a write failure the batches already read are still written: every one of them lies before
    // anything not yet started, so the lowest failing sector is found among them.
    return m_failure == Failure::None || (m_failure == Failure::Write && s.phase != Phase::ReadingBack);
}

void CopyPipeline::feed()
{
    const size_t room = std::max<size_t>(m_io.capacity(), 1);
    while (!m_waiting.empty() && m_io.inFlight() < room) {
        const AsyncRequest& r = m_waiting.front();
        const size_t slot = size_t(r.tag >> TagShift);
        if (!wanted(m_slots[slot])) {
            dropWaiting(slot);
            continue;
        }
        if (m_io.submit(r)) {
            m_waiting.pop_front();
            continue;
        }
        // A full queue takes more once something came back.
        if (Platform::lastErrorCode() == PlatformError::Busy && m_io.inFlight() > 0)
            return;
        fail(Failure::Queue, 0, platformErrorText());
        m_slots[slot].broken = true;
        dropWaiting(slot);
    }
}

void CopyPipeline::dropWaiting(size_t slot)
{
    Slot& s = m_slots[slot];
    const auto from = std::remove_if(m_waiting.begin(), m_waiting.end(),
                                     [slot](const AsyncRequest& r) { return size_t(r.tag >> TagShift) == slot; });
    s.pending -= size_t(m_waiting.end() - from);
    m_waiting.erase(from, m_waiting.end());
    if (s.pending == 0)
        s.phase = Phase::Idle;
}

void CopyPipeline::startDirect(size_t batch, size_t slot)
{
    Slot& s = m_slots[slot];
    s = Slot{Phase::Reading, batch, 0, false};
    submitPieces(slot, false, m_source);
}

void CopyPipeline::startReadBack(size_t slot)
{
    m_slots[slot].phase = Phase::ReadingBack;
    submitPieces(slot, false, m_target);
}

void CopyPipeline::submitPieces(size_t slot, bool write, DeviceHandle* handle, const std::vector<bool>& skip)
{
    Slot& s = m_slots[slot];
    const CopyBatch& b = m_batches[s.batch];
    for (size_t i = 0; i < b.pieces.size(); ++i) {
        if (!skip.empty() && skip[i])
            continue;
        const CopyPiece& p = b.pieces[i];
        AsyncRequest r;
        r.handle = handle;
        r.write = write;
        r.offset = write || s.phase == Phase::ReadingBack ? p.targetOffset : p.sourceOffset;
        r.buffer = m_buffers[slot].data() + p.bufferOffset;
        r.length = p.length;
        r.tag = (uint64_t(slot) << TagShift) | i;
        m_waiting.push_back(r);
        ++s.pending;
    }
    if (s.pending == 0)
        s.phase = Phase::Idle;
    feed();
}

bool CopyPipeline::isZero(const uint8_t* data, uint64_t length) const
{
    // Pieces are whole sectors, so whole words; random data leaves at the first one.
    const auto* words = reinterpret_cast<const uint64_t*>(data);
    for (uint64_t i = 0; i < length / sizeof(uint64_t); ++i)
        if (words[i] != 0)
            return false;
    return std::all_of(data + length / sizeof(uint64_t) * sizeof(uint64_t), data + length, [](uint8_t b) { return b == 0; });
}

void CopyPipeline::writePieces(size_t slot)
{
    Slot& s = m_slots[slot];
    const CopyBatch& b = m_batches[s.batch];
    std::vector<bool> holes;
    if (m_settings.holesForZeros) {
        holes.assign(b.pieces.size(), false);
        for (size_t i = 0; i < b.pieces.size() && m_settings.holesForZeros; ++i) {
            const CopyPiece& p = b.pieces[i];
            if (!isZero(m_buffers[slot].data() + p.bufferOffset, p.length))
                continue;
            if (m_target->discard(p.targetOffset, p.length)) {
                holes[i] = true;
                continue;
            }
            // The target makes no holes after all: zeros are written as they come.
            m_settings.holesForZeros = false;
            Logger::instance().info(QStringLiteral("Zeros are written, not left as holes: %1").arg(QString::fromStdString(platformErrorText())));
        }
    }
    s.phase = Phase::Writing;
    submitPieces(slot, true, m_target, holes);
    if (s.pending == 0)
        batchWritten(slot);
}

void CopyPipeline::handle(const AsyncCompletion& c)
{
    const size_t slot = size_t(c.tag >> TagShift);
    Slot& s = m_slots[slot];
    const CopyPiece& p = m_batches[s.batch].pieces[c.tag & PieceMask];
    uint8_t* data = m_buffers[slot].data() + p.bufferOffset;
    const bool complete = c.ok && c.done == p.length;
    // A cancelled transfer is neither retried nor a failure of the device.
    if (!complete && m_ioCancelled)
        s.broken = true;
    else switch (s.phase) {
    case Phase::Reading:
        if (!complete && !recoverRead(p, data, c.ok ? PlatformError::HandleEof : c.errorCode, c.done,
                                      c.ok ? "the source ended early" : c.errorText))
            s.broken = true;
        break;
    case Phase::Writing:
        if (!complete && !failWrite(p, data, c.ok ? "the target ended early" : c.errorText))
            s.broken = true;
        break;
    case Phase::ReadingBack:
        if (c.ok && !complete) {
            fail(Failure::TargetRead, (p.targetOffset + c.done) / m_settings.targetSector, "the target ended early");
            s.broken = true;
        } else if (!complete && !failReadBack(p, data, c.errorText)) {
            s.broken = true;
        }
        break;
    case Phase::Idle:
        return;
    }
    if (--s.pending > 0)
        return;
    if (s.broken || !wanted(s)) {
        s.phase = Phase::Idle;
        return;
    }
    switch (s.phase) {
    case Phase::Reading:
        batchRead(slot);
        return;
    case Phase::Writing:
        batchWritten(slot);
        return;
    case Phase::ReadingBack:
        batchReadBack(s.batch, m_buffers[slot].data());
        break;
    case Phase::Idle:
        break;
    }
    s.phase = Phase::Idle;
}

void CopyPipeline::batchRead(size_t slot)
{
    Slot& s = m_slots[slot];
    if (!m_hashes.empty())
        m_hashes[s.batch] = hashOf(m_buffers[slot].data(), m_batches[s.batch].bytes);
    if (m_settings.compareOnly)
        startReadBack(slot);
    else
        writePieces(slot);
}

void CopyPipeline::recordWritten(size_t batch)
{
    m_done[batch] = true;
    m_written += m_batches[batch].bytes;
    if (!m_settings.verify)
        m_unflushed.push_back(batch);
    if (m_progress)
        m_progress(m_written, m_total);
}

void CopyPipeline::batchWritten(size_t slot)
{
    Slot& s = m_slots[slot];
    recordWritten(s.batch);
    // The data is on the target now: read it back while later requests are still moving.
    if (m_settings.verify && wanted(s))
        startReadBack(slot);
    else
        s.phase = Phase::Idle;
}

void CopyPipeline::batchReadBack(size_t batch, const uint8_t* data)
{
    if (hashOf(data, m_batches[batch].bytes) != m_hashes[batch]) {
        findFirstDifference(batch, data);
        return;
    }
    // A resumed run skips what is recorded, so only what was found equal is.
    if (m_settings.verify)
        m_unflushed.push_back(batch);
    else
        m_done[batch] = true;
    m_verified += m_batches[batch].bytes;
    if (m_verifyProgress)
        m_verifyProgress(m_verified, m_total);
}

void CopyPipeline::copySpanning(size_t batch, uint8_t* data)
{
    const CopyPiece& p = m_batches[batch].pieces.front();
    if (!RawDisk::readRange(m_source, p.sourceOffset, p.length, data, m_settings.sourceAlignment)
        && !recoverRead(p, data, Platform::lastErrorCode(), 0, platformErrorText()))
        return;
    if (!m_hashes.empty())
        m_hashes[batch] = hashOf(data, p.length);
    if (!m_settings.compareOnly) {
        if (!RawDisk::writeRange(m_target, p.targetOffset, p.length, data, m_settings.targetAlignment)
            && !failWrite(p, data, platformErrorText()))
            return;
        recordWritten(batch);
        if (!m_settings.verify)
            return;
    }
    if (!RawDisk::readRange(m_target, p.targetOffset, p.length, data, m_settings.targetAlignment)
        && !failReadBack(p, data, platformErrorText()))
        return;
    batchReadBack(batch, data);
}

bool CopyPipeline::recoverRead(const CopyPiece& p, uint8_t* data, uint32_t errorCode, uint64_t moved,
                               const std::string& text)
{
    const uint32_t sector = m_settings.sourceSector;
    // Reading past the source's end is a wrong plan, never a bad medium.
    if (errorCode == PlatformError::HandleEof) {
        fail(Failure::Read, (p.sourceOffset + moved) / sector, text);
        return false;
    }
    Logger& log = Logger::instance();
    if (!m_settings.continueOnReadErrors) {
        std::string why = text;
        uint64_t at = 0;
        if (firstFailing(Phase::Reading, p, data, at, why)) {
            fail(Failure::Read, at / sector, why);
            return false;
        }
        // A passing fault (no memory for the transfer just then): the piece is read after all.
        log.warning(QStringLiteral("Read at sector %1 failed, then succeeded unit by unit: %2")
                        .arg(p.sourceOffset / sector).arg(QString::fromStdString(text)));
        return true;
    }
    log.warning(QStringLiteral("Read failed at sector %1, retrying: %2").arg(p.sourceOffset / sector).arg(QString::fromStdString(text)));
    const uint32_t unit = std::max(m_settings.sourceAlignment, sector);
    if (RawDisk::readRange(m_source, p.sourceOffset, p.length, data, unit))
        return true;
    const uint64_t end = p.sourceOffset + p.length;
    for (uint64_t at = p.sourceOffset; at < end;) {
        const uint64_t n = std::min(unit - at % unit, end - at);
        uint8_t* out = data + (at - p.sourceOffset);
        if (!RawDisk::readRange(m_source, at, n, out, unit)) {
            if (Platform::lastErrorCode() == PlatformError::HandleEof) {
                fail(Failure::Read, at / sector, platformErrorText());
                return false;
            }
            std::memset(out, 0, size_t(n));
            const uint64_t first = at / sector;
            m_unreadable.add(first, (at + n + sector - 1) / sector - first);
            m_newUnreadable.emplace_back(first, (at + n + sector - 1) / sector - first);
        }
        at += n;
    }
    return true;
}

bool CopyPipeline::firstFailing(Phase phase, const CopyPiece& p, uint8_t* data, uint64_t& failedAt, std::string& text)
{
    const bool source = phase == Phase::Reading, write = phase == Phase::Writing;
    const uint32_t unit = source ? std::max(m_settings.sourceAlignment, m_settings.sourceSector)
                                 : std::max(m_settings.targetAlignment, m_settings.targetSector);
    const uint64_t offset = source ? p.sourceOffset : p.targetOffset;
    const uint64_t end = offset + p.length;
    for (uint64_t at = offset; at < end;) {
        const uint64_t n = std::min(unit - at % unit, end - at);
        uint8_t* piece = data + (at - offset);
        const bool ok = write ? RawDisk::writeRange(m_target, at, n, piece, unit)
                              : RawDisk::readRange(source ? m_source : m_target, at, n, piece, unit);
        if (!ok) {
            text = platformErrorText();
            failedAt = at;
            return true;
        }
        at += n;
    }
    return false;
}

bool CopyPipeline::failWrite(const CopyPiece& p, uint8_t* data, const std::string& text)
{
    // Writing the same bytes again is harmless; it finds the sector the device refuses.
    std::string why = text;
    uint64_t at = 0;
    if (firstFailing(Phase::Writing, p, data, at, why)) {
        fail(Failure::Write, at / m_settings.targetSector, why);
        return false;
    }
    Logger::instance().warning(QStringLiteral("Write at sector %1 failed, then succeeded unit by unit: %2")
                                   .arg(p.targetOffset / m_settings.targetSector).arg(QString::fromStdString(text)));
    return true;
}

bool CopyPipeline::failReadBack(const CopyPiece& p, uint8_t* data, const std::string& text)
{
    std::string why = text;
    uint64_t at = 0;
    if (firstFailing(Phase::ReadingBack, p, data, at, why)) {
        fail(Failure::TargetRead, at / m_settings.targetSector, why);
        return false;
    }
    Logger::instance().warning(QStringLiteral("Read-back at sector %1 failed, then succeeded unit by unit: %2")
                                   .arg(p.targetOffset / m_settings.targetSector).arg(QString::fromStdString(text)));
    return true;
}

void CopyPipeline::findFirstDifference(size_t batch, const uint8_t* data)
{
    const CopyBatch& b = m_batches[batch];
    AlignedBuffer source(b.bytes, std::max(m_settings.sourceAlignment, 4096u));
    for (const CopyPiece& p : b.pieces) {
        const uint8_t* written = data + p.bufferOffset;
        if (!source || !RawDisk::readRange(m_source, p.sourceOffset, p.length, source.data(), m_settings.sourceAlignment)) {
            // The source cannot be read again: the piece is as near as the search gets.
            fail(Failure::Verify, p.targetOffset / m_settings.targetSector, {});
            return;
        }
        const auto diff = std::mismatch(written, written + p.length, source.data());
        if (diff.first != written + p.length) {
            fail(Failure::Verify, (p.targetOffset + uint64_t(diff.first - written)) / m_settings.targetSector, {});
            return;
        }
    }
    fail(Failure::Verify, b.pieces.front().targetOffset / m_settings.targetSector, {});
}
