#pragma once
#include "core/alignedbuffer.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// One range to move: `length` bytes from `sourceOffset` of the source to `targetOffset` of the target.
struct CopyExtent {
    uint64_t sourceOffset = 0;
    uint64_t targetOffset = 0;
    uint64_t length = 0;
};

// The one copy loop behind every bulk copy: walks a list of extents in chunks of a buffer's size,
// reads each source range exactly once and writes it in pieces. With two buffers the read of a chunk
// comes before the write of the one before it. Cancellation is looked at before every read and every
// piece; a failing read or write ends the run (the callbacks report why).
class CopyPipeline {
public:
    using Read = std::function<bool(uint64_t offset, uint64_t length, void* buffer)>;
    using Write = std::function<bool(uint64_t offset, uint64_t length, const void* buffer)>;
    // `written` counts the bytes of the run on the target so far; `chunkDone` marks a whole chunk.
    using Progress = std::function<void(uint64_t written, bool chunkDone)>;

    CopyPipeline(Read read, Write write, const std::atomic<bool>& cancelled)
        : m_read(std::move(read)), m_write(std::move(write)), m_cancelled(cancelled) {}

    // One or two buffers of the same size; their size is the chunk size.
    void setBuffers(std::vector<AlignedBuffer*> buffers) { m_buffers = std::move(buffers); }
    // Largest single write; 0 writes each chunk at once.
    void setPieceSize(uint64_t bytes) { m_pieceSize = bytes; }
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // False on a failure or a cancellation (wasCancelled tells which).
    bool run(const std::vector<CopyExtent>& extents);
    uint64_t bytesWritten() const { return m_written; }
    bool wasCancelled() const { return m_cancelled.load(); }

private:
    struct Pending {
        uint64_t targetOffset = 0;
        uint64_t length = 0;
        const uint8_t* data = nullptr;
    };
    bool writeChunk(const Pending& chunk);

    Read m_read;
    Write m_write;
    const std::atomic<bool>& m_cancelled;
    std::vector<AlignedBuffer*> m_buffers;
    uint64_t m_pieceSize = 0;
    Progress m_progress;
    uint64_t m_written = 0;
};
