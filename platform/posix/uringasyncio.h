#pragma once
#include "platform/asyncio.h"

#include <memory>

// Background transfers through the kernel's io_uring on PosixDeviceHandles: one submission call
// for everything queued since the last reap, completions handed back as they come. Short transfers
// are continued until the whole request moved or the device ends.
class UringAsyncIo : public AsyncIo {
public:
    // Null (platform error set) when the kernel refuses a ring; the caller falls back to threads.
    static std::unique_ptr<UringAsyncIo> create(unsigned depth);
    ~UringAsyncIo() override;
    UringAsyncIo(const UringAsyncIo&) = delete;
    UringAsyncIo& operator=(const UringAsyncIo&) = delete;

    bool submit(const AsyncRequest& request) override;
    bool reap(std::vector<AsyncCompletion>& out, bool wait) override;
    size_t inFlight() const override { return m_inFlight; }
    size_t capacity() const override { return m_capacity; }
    void cancel() override;
    std::string kind() const override { return "io_uring"; }

private:
    struct Ring;
    struct Op;
    UringAsyncIo();
    bool queue(Op* op);
    void finish(Op* op, std::vector<AsyncCompletion>& out);

    std::unique_ptr<Ring> m_ring;
    size_t m_inFlight = 0;
    size_t m_capacity = 1;
    bool m_cancelling = false;   // an interrupted transfer ends instead of going again
    unsigned m_unsubmitted = 0;
};
