#include "core/copypipeline.h"

#include <algorithm>
#include <deque>

bool CopyPipeline::writeChunk(const Pending& chunk)
{
    const uint64_t piece = m_pieceSize ? m_pieceSize : chunk.length;
    for (uint64_t done = 0; done < chunk.length;) {
        if (m_cancelled.load())
            return false;
        const uint64_t n = std::min(piece, chunk.length - done);
        if (!m_write(chunk.targetOffset + done, n, chunk.data + done))
            return false;
        done += n;
        m_written += n;
        if (m_progress)
            m_progress(m_written, done == chunk.length);
    }
    return true;
}

bool CopyPipeline::run(const std::vector<CopyExtent>& extents)
{
    m_written = 0;
    if (m_buffers.empty())
        return false;
    uint64_t chunkSize = UINT64_MAX;
    for (const AlignedBuffer* b : m_buffers)
        chunkSize = std::min(chunkSize, b ? b->size() : 0);
    if (chunkSize == 0)
        return false;
    // Chunks read but not yet written: at most one fewer than there are buffers.
    const size_t lag = m_buffers.size() - 1;
    std::deque<Pending> pending;
    size_t next = 0;

    for (const CopyExtent& extent : extents) {
        for (uint64_t done = 0; done < extent.length;) {
            if (m_cancelled.load())
                return false;
            const uint64_t n = std::min(chunkSize, extent.length - done);
            uint8_t* buffer = m_buffers[next]->data();
            next = (next + 1) % m_buffers.size();
            if (!m_read(extent.sourceOffset + done, n, buffer))
                return false;
            pending.push_back(Pending{extent.targetOffset + done, n, buffer});
            done += n;
            if (pending.size() > lag) {
                if (!writeChunk(pending.front()))
                    return false;
                pending.pop_front();
            }
        }
    }
    for (const Pending& chunk : pending)
        if (!writeChunk(chunk))
            return false;
    return !m_cancelled.load();
}
