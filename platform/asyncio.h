#pragma once
#include "platform/devicehandle.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// One positioned transfer to run in the background. The buffer stays the caller's and must stay
// valid (and, for a write, unchanged) until the transfer's completion has been reaped.
struct AsyncRequest {
    DeviceHandle* handle = nullptr;
    bool write = false;
    uint64_t offset = 0;      // bytes from the start the handle presents
    void* buffer = nullptr;   // aligned as the handle's unbuffered transfers need
    uint64_t length = 0;
    uint64_t tag = 0;         // the caller's, handed back with the completion
};

struct AsyncCompletion {
    uint64_t tag = 0;
    bool ok = false;
    uint64_t done = 0;        // bytes moved; fewer than asked only at the device's end
    uint32_t errorCode = 0;   // when !ok: what Platform::lastErrorCode() would have held
    std::string errorText;
};

// A queue of transfers that run while its owner does other work: reads and writes of several
// handles in flight at once. Used from one thread; completions may come in any order.
//
// Every queue takes capacity() transfers in flight at once. A submit beyond that, or one the system
// has no room for just then, may be refused with PlatformError::Busy: nothing is queued for it, and
// the caller reaps before it tries again. Busy with nothing in flight is a real refusal.
class AsyncIo {
public:
    // How long a waiting reap blocks at most, so that its caller can look at a cancel flag.
    static constexpr unsigned WaitSliceMs = 200;

    virtual ~AsyncIo() = default;
    // Queues a transfer. False (reason in the platform's last error) when it could not be queued;
    // nothing is in flight for it then.
    virtual bool submit(const AsyncRequest& request) = 0;
    // Appends finished transfers to `out`. With `wait`, blocks until at least one has finished when
    // any is in flight, or about WaitSliceMs passed; it may come back with nothing. False only when
    // the queue itself broke (reason in the last error).
    virtual bool reap(std::vector<AsyncCompletion>& out, bool wait) = 0;
    virtual size_t inFlight() const = 0;
    // Transfers that may be in flight at once, never below 1.
    virtual size_t capacity() const = 0;
    // Asks every transfer in flight to end early (a transfer a device never answers, a hung USB
    // disk). Each one still comes back through reap, finished or failed; its buffer stays in use
    // until then.
    virtual void cancel() = 0;
    // How transfers run ("io_uring", "threads", "overlapped"), for the log.
    virtual std::string kind() const = 0;
};
