#include "platform/posix/uringasyncio.h"

#include "platform/platform.h"
#include "platform/posix/posixdevicehandle.h"
#include "platform/posix/posixerror.h"

#include <algorithm>
#include <cerrno>
#include <liburing.h>

namespace {
// A copy request carries up to this many pieces; room for all of a full set of requests.
constexpr unsigned TransfersPerDepth = 64;
constexpr unsigned MaxCapacity = 4096;
}

struct UringAsyncIo::Ring {
    io_uring ring {};
};

struct UringAsyncIo::Op {
    AsyncRequest request;
    PosixDeviceHandle::Placement place;
    uint64_t done = 0;
};

UringAsyncIo::UringAsyncIo() : m_ring(std::make_unique<Ring>()) {}

UringAsyncIo::~UringAsyncIo()
{
    // Buffers are the caller's until reaped: never tear the ring down under a running transfer.
    std::vector<AsyncCompletion> ignored;
    while (m_inFlight > 0 && reap(ignored, true))
        ignored.clear();
    io_uring_queue_exit(&m_ring->ring);
}

std::unique_ptr<UringAsyncIo> UringAsyncIo::create(unsigned depth)
{
    std::unique_ptr<UringAsyncIo> io(new UringAsyncIo());
    const unsigned wanted = std::min(std::max(depth, 1u) * TransfersPerDepth, MaxCapacity);
    // Twice the capacity in completions: every transfer and the answers to cancels fit.
    io_uring_params params {};
    params.flags = IORING_SETUP_CQSIZE;
    params.cq_entries = wanted * 2;
    int rc = io_uring_queue_init_params(std::max(depth, 1u) * 8, &io->m_ring->ring, &params);
    if (rc == -EINVAL) {
        params = io_uring_params {};
        rc = io_uring_queue_init_params(std::max(depth, 1u) * 2, &io->m_ring->ring, &params);
    }
    if (rc < 0) {
        PosixError::set(-rc, "io_uring could not be set up");
        io->m_ring.reset();
        return nullptr;
    }
    io->m_capacity = std::max<size_t>(params.cq_entries / 2, 1);
    return io;
}

void UringAsyncIo::cancel()
{
    if (m_inFlight == 0)
        return;
    io_uring_sqe* sqe = io_uring_get_sqe(&m_ring->ring);
    if (!sqe) {
        io_uring_submit(&m_ring->ring);
        m_unsubmitted = 0;
        sqe = io_uring_get_sqe(&m_ring->ring);
    }
    if (!sqe)
        return;   // the transfers end on their own then
    m_cancelling = true;
    io_uring_prep_cancel64(sqe, 0, IORING_ASYNC_CANCEL_ANY);
    io_uring_sqe_set_data(sqe, nullptr);
    ++m_unsubmitted;
}

bool UringAsyncIo::submit(const AsyncRequest& request)
{
    auto* handle = dynamic_cast<PosixDeviceHandle*>(request.handle);
    if (!handle || !request.buffer) {
        Platform::setLastError(PlatformError::InvalidParameter, "io_uring transfers need a device of this platform");
        return false;
    }
    if (m_inFlight >= m_capacity)
        return PosixError::set(PlatformError::Busy, "io_uring queue is full");
    auto op = std::make_unique<Op>();
    op->request = request;
    if (!handle->placeTransfer(request.write, request.offset, request.length, op->place))
        return false;
    if (!queue(op.get()))
        return false;
    op.release();
    ++m_inFlight;
    return true;
}

bool UringAsyncIo::queue(Op* op)
{
    io_uring_sqe* sqe = io_uring_get_sqe(&m_ring->ring);
    if (!sqe) {
        const int rc = io_uring_submit(&m_ring->ring);
        if (rc < 0)
            return PosixError::set(-rc, "io_uring submission failed");
        m_unsubmitted = 0;
        sqe = io_uring_get_sqe(&m_ring->ring);
        if (!sqe)
            return PosixError::set(EBUSY, "io_uring queue is full");
    }
    auto* data = static_cast<uint8_t*>(op->request.buffer) + op->done;
    const unsigned count = unsigned(std::min<uint64_t>(op->place.length - op->done, 1u << 30));
    const uint64_t at = op->place.fileOffset + op->done;
    if (op->request.write)
        io_uring_prep_write(sqe, op->place.fd, data, count, at);
    else
        io_uring_prep_read(sqe, op->place.fd, data, count, at);
    io_uring_sqe_set_data(sqe, op);
    ++m_unsubmitted;
    return true;
}

void UringAsyncIo::finish(Op* op, std::vector<AsyncCompletion>& out)
{
    AsyncCompletion c;
    c.tag = op->request.tag;
    c.ok = true;
    c.done = op->done;
    out.push_back(c);
    delete op;
    --m_inFlight;
}

bool UringAsyncIo::reap(std::vector<AsyncCompletion>& out, bool wait)
{
    const size_t before = out.size();
    while (m_inFlight > 0) {
        if (m_unsubmitted > 0) {
            const int rc = io_uring_submit(&m_ring->ring);
            if (rc < 0 && rc != -EINTR && rc != -EAGAIN)
                return PosixError::set(-rc, "io_uring submission failed");
            if (rc >= 0)
                m_unsubmitted = 0;
        }
        io_uring_cqe* cqe = nullptr;
        const bool block = wait && out.size() == before;
        __kernel_timespec slice {0, long(WaitSliceMs) * 1000000L};
        const int rc = block ? io_uring_wait_cqe_timeout(&m_ring->ring, &cqe, &slice) : io_uring_peek_cqe(&m_ring->ring, &cqe);
        if (rc == -ETIME)
            break;
        if (rc == -EAGAIN || rc == -EINTR) {
            if (block)
                continue;
            break;
        }
        if (rc < 0)
            return PosixError::set(-rc, "io_uring completion failed");
        auto* op = static_cast<Op*>(io_uring_cqe_get_data(cqe));
        const int res = cqe->res;
        io_uring_cqe_seen(&m_ring->ring, cqe);
        if (!op)
            continue;   // the answer to a cancel
        if ((res == -EINTR && !m_cancelling) || res == -EAGAIN) {
            if (!queue(op))
                return false;
            continue;
        }
        const std::string what = std::string(op->request.write ? "write to " : "read of ") + op->request.handle->path();
        if (res < 0 || (res == 0 && op->request.write)) {
            const int err = res < 0 ? -res : EIO;
            AsyncCompletion c;
            c.tag = op->request.tag;
            c.done = op->done;
            c.errorCode = PosixError::codeFor(err);
            c.errorText = PosixError::textFor(err, what + " at byte " + std::to_string(op->request.offset + op->done) + " failed");
            out.push_back(c);
            delete op;
            --m_inFlight;
            continue;
        }
        op->done += uint64_t(res);
        if (res > 0 && op->done < op->place.length) {
            if (!queue(op))
                return false;
            continue;
        }
        finish(op, out);
    }
    if (m_inFlight == 0)
        m_cancelling = false;
    return true;
}
