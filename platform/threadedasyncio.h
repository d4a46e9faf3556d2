#pragma once
#include "platform/asyncio.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Background transfers on worker threads through DeviceHandle::readAt/writeAt: for platforms
// without a native queue (test platforms) and where the native one could not be set up.
class ThreadedAsyncIo : public AsyncIo {
public:
    // `note` says why this queue serves instead of a native one; it is shown by kind().
    explicit ThreadedAsyncIo(unsigned depth, std::string note = {});
    ~ThreadedAsyncIo() override;
    ThreadedAsyncIo(const ThreadedAsyncIo&) = delete;
    ThreadedAsyncIo& operator=(const ThreadedAsyncIo&) = delete;

    bool submit(const AsyncRequest& request) override;
    bool reap(std::vector<AsyncCompletion>& out, bool wait) override;
    size_t inFlight() const override;
    // Its queue takes any number; only the threads limit what runs.
    size_t capacity() const override;
    // Transfers not yet started end at once as aborted; a running one cannot be stopped.
    void cancel() override;
    std::string kind() const override;

private:
    void work();
    static AsyncCompletion perform(const AsyncRequest& request);

    mutable std::mutex m_mutex;
    std::condition_variable m_queued;
    std::condition_variable m_finished;
    std::deque<AsyncRequest> m_queue;
    std::deque<AsyncCompletion> m_done;
    size_t m_inFlight = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
    std::string m_note;
};
