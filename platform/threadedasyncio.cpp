#include "platform/threadedasyncio.h"

#include "platform/platform.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace {
// More threads than this only add contention: a device serves a handful of requests at once.
constexpr unsigned MaxThreads = 8;
}

ThreadedAsyncIo::ThreadedAsyncIo(unsigned depth, std::string note) : m_note(std::move(note))
{
    const unsigned threads = std::clamp(depth, 1u, MaxThreads);
    for (unsigned i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { work(); });
}

ThreadedAsyncIo::~ThreadedAsyncIo()
{
    {
        // Queued transfers still run: their buffers are promised to stay valid until reaped.
        std::unique_lock lock(m_mutex);
        m_finished.wait(lock, [this] { return m_queue.empty(); });
        m_stopping = true;
    }
    m_queued.notify_all();
    for (std::thread& t : m_threads)
        t.join();
}

bool ThreadedAsyncIo::submit(const AsyncRequest& request)
{
    if (!request.handle || !request.buffer) {
        Platform::setLastError(PlatformError::InvalidParameter, "A background transfer needs a handle and a buffer");
        return false;
    }
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(request);
        ++m_inFlight;
    }
    m_queued.notify_one();
    return true;
}

bool ThreadedAsyncIo::reap(std::vector<AsyncCompletion>& out, bool wait)
{
    std::unique_lock lock(m_mutex);
    if (wait && m_inFlight > 0)
        m_finished.wait_for(lock, std::chrono::milliseconds(WaitSliceMs), [this] { return !m_done.empty(); });
    while (!m_done.empty()) {
        out.push_back(std::move(m_done.front()));
        m_done.pop_front();
        --m_inFlight;
    }
    return true;
}

size_t ThreadedAsyncIo::inFlight() const
{
    std::lock_guard lock(m_mutex);
    return m_inFlight;
}

size_t ThreadedAsyncIo::capacity() const { return std::numeric_limits<size_t>::max(); }

void ThreadedAsyncIo::cancel()
{
    {
        std::lock_guard lock(m_mutex);
        for (const AsyncRequest& request : m_queue) {
            AsyncCompletion c;
            c.tag = request.tag;
            c.errorCode = PlatformError::OperationAborted;
            c.errorText = "The transfer was cancelled";
            m_done.push_back(std::move(c));
        }
        m_queue.clear();
    }
    m_finished.notify_all();
}

std::string ThreadedAsyncIo::kind() const { return m_note.empty() ? "threads" : "threads (" + m_note + ")"; }

void ThreadedAsyncIo::work()
{
    for (;;) {
        AsyncRequest request;
        {
            std::unique_lock lock(m_mutex);
            m_queued.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            request = m_queue.front();
            m_queue.pop_front();
        }
        AsyncCompletion done = perform(request);
        {
            std::lock_guard lock(m_mutex);
            m_done.push_back(std::move(done));
        }
        m_finished.notify_all();
    }
}

AsyncCompletion ThreadedAsyncIo::perform(const AsyncRequest& request)
{
    AsyncCompletion c;
    c.tag = request.tag;
    c.ok = true;
    auto* bytes = static_cast<uint8_t*>(request.buffer);
    while (c.done < request.length) {
        uint64_t moved = 0;
        const uint64_t at = request.offset + c.done;
        const bool ok = request.write ? request.handle->writeAt(at, bytes + c.done, request.length - c.done, moved)
                                      : request.handle->readAt(at, bytes + c.done, request.length - c.done, moved);
        c.done += std::min(moved, request.length - c.done);
        if (!ok) {
            c.ok = false;
            c.errorCode = Platform::lastErrorCode();
            c.errorText = Platform::lastErrorText();
            break;
        }
        if (moved == 0)
            break;  // the device's end
    }
    return c;
}
