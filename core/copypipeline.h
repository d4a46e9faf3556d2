#pragma once
#include "core/alignedbuffer.h"
#include "core/copybatchplanner.h"
#include "core/unreadablemap.h"
#include "platform/asyncio.h"

#include <array>
#include <atomic>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// The one copy routine: moves an extent list from source to target with reads and writes of
// several buffers in flight at once, flushes the target, and on request reads every written range
// back as soon as its write completed (behind the write front, while later requests are still
// moving) and compares it with a hash taken as the source was read. Buffers are the caller's, all of
// one size (the request size). Transfers go to the queue as its capacity allows; the rest wait
// here. Cancellation is looked at before every request and while waiting for transfers, and then
// asks the queue to cancel what is in flight; a stop of any kind lets the transfers in flight come
// back before run() returns.
class CopyPipeline {
public:
    struct Settings {
        uint32_t sourceAlignment = 512;
        uint32_t targetAlignment = 512;
        uint32_t sourceSector = 512;
        uint32_t targetSector = 512;
        bool verify = false;
        // Unreadable source sectors become zeros on the target and are listed instead of stopping.
        bool continueOnReadErrors = false;
        // Nothing is written: the extents are read on both sides and compared (a resumed run's
        // verification of what an earlier run copied).
        bool compareOnly = false;
        // All-zero pieces become holes (the target's discard reads back zeros) instead of writes.
        bool holesForZeros = false;
        // How often, at most, the target is flushed and the checkpoint told what is on it for good.
        unsigned checkpointMs = 250;
    };
    enum class Failure { None, Cancelled, Read, Write, Flush, TargetRead, Verify, Queue };
    using Progress = std::function<void(uint64_t done, uint64_t total)>;
    // Pieces whose writes have been flushed since the last call, and the source sectors (first,
    // count) found unreadable meanwhile. False when they could not be recorded; the copy goes on.
    using Unreadable = std::vector<std::pair<uint64_t, uint64_t>>;
    using Checkpoint = std::function<bool(const std::vector<CopyExtent>& flushed, const Unreadable& unreadable)>;

    CopyPipeline(DeviceHandle* source, DeviceHandle* target, AsyncIo& io, std::vector<AlignedBuffer>& buffers,
                 const std::atomic<bool>& cancelled, Settings settings);

    void setProgress(Progress progress) { m_progress = std::move(progress); }
    void setVerifyProgress(Progress progress) { m_verifyProgress = std::move(progress); }
    void setCheckpoint(Checkpoint checkpoint) { m_checkpoint = std::move(checkpoint); }

    bool run(const std::vector<CopyExtent>& extents);

    Failure failure() const { return m_failure; }
    // Read failures count source sectors, every other one target sectors.
    uint64_t failureSector() const { return m_failureSector; }
    const std::string& failureText() const { return m_failureText; }
    uint64_t bytesWritten() const { return m_written; }
    uint64_t bytesVerified() const { return m_verified; }
    // Source offset of the first range not on the target; everything before it in source order is.
    uint64_t stoppedAt() const;
    const UnreadableMap& unreadable() const { return m_unreadable; }

private:
    enum class Phase { Idle, Reading, Writing, ReadingBack };
    struct Slot {
        Phase phase = Phase::Idle;
        size_t batch = 0;
        size_t pending = 0;
        bool broken = false;
    };
    using Hash = std::array<uint8_t, 16>;

    bool runBatches();
    // Flushes the target (unless `flushed`) and hands the batches written since the last time to
    // the checkpoint; at most every checkpointMs unless `force`.
    void checkpoint(bool force, bool flushed);
    bool isZero(const uint8_t* data, uint64_t length) const;
    // Writes the slot's pieces; all-zero ones become holes where the target can make them.
    void writePieces(size_t slot);
    void startReadBack(size_t slot);
    bool busy() const { return m_io.inFlight() > 0 || !m_waiting.empty(); }
    bool pump(bool wait);
    void feed();
    // Forgets the slot's transfers not yet handed to the queue.
    void dropWaiting(size_t slot);
    bool wanted(const Slot& s) const;
    void handle(const AsyncCompletion& c);
    void startDirect(size_t batch, size_t slot);
    void submitPieces(size_t slot, bool write, DeviceHandle* handle, const std::vector<bool>& skip = {});
    void copySpanning(size_t batch, uint8_t* data);
    void batchRead(size_t slot);
    // Counts the batch as on the target, for the progress and the next checkpoint.
    void recordWritten(size_t batch);
    // The slot's batch is on the target: read back next when verifying, else the slot is free.
    void batchWritten(size_t slot);
    void batchReadBack(size_t batch, const uint8_t* data);
    bool recoverRead(const CopyPiece& piece, uint8_t* data, uint32_t errorCode, uint64_t moved, const std::string& text);
    // Does a failed transfer of `phase` again unit by unit. True with the first position that fails
    // again in `at` and its reason in `text`; false when every unit passed (the piece moved after all).
    bool firstFailing(Phase phase, const CopyPiece& piece, uint8_t* data, uint64_t& at, std::string& text);
    // False when the piece fails again unit by unit; true when that put it on the target after all.
    bool failWrite(const CopyPiece& piece, uint8_t* data, const std::string& text);
    bool failReadBack(const CopyPiece& piece, uint8_t* data, const std::string& text);
    void findFirstDifference(size_t batch, const uint8_t* data);
    void fail(Failure failure, uint64_t sector, const std::string& text);
    static Hash hashOf(const uint8_t* data, uint64_t length);

    DeviceHandle* m_source;
    DeviceHandle* m_target;
    AsyncIo& m_io;
    std::vector<AlignedBuffer>& m_buffers;
    const std::atomic<bool>& m_cancelled;
    Settings m_settings;
    Progress m_progress;
    Progress m_verifyProgress;
    Checkpoint m_checkpoint;
    bool m_checkpointBroken = false;
    int64_t m_lastCheckpoint = 0;
    std::vector<size_t> m_unflushed;      // batches written since the last checkpoint
    size_t m_unreadableReported = 0;       // entries of m_newUnreadable already handed over
    Unreadable m_newUnreadable;

    std::vector<CopyBatch> m_batches;
    std::vector<bool> m_done;
    std::vector<Hash> m_hashes;
    std::vector<Slot> m_slots;
    std::deque<AsyncRequest> m_waiting;   // in order, for the queue once it has room
    bool m_ioCancelled = false;
    uint64_t m_total = 0;
    uint64_t m_written = 0;
    uint64_t m_verified = 0;
    UnreadableMap m_unreadable;
    Failure m_failure = Failure::None;
    uint64_t m_failureSector = 0;
    std::string m_failureText;
};
