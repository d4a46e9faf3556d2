#include "platform/win32/win32asyncio.h"

#include "platform/win32/win32devicehandle.h"
#include "platform/win32/win32platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdint>

struct Win32AsyncIo::Slot {
    OVERLAPPED overlapped{};
    HANDLE event = nullptr;
    HANDLE file = nullptr;
    AsyncRequest request;
    bool busy = false;
};

namespace {
// A copy request often carries many small pieces: give each request several transfers.
constexpr unsigned SlotsPerDepth = 8;

void fillError(AsyncCompletion& c, DWORD code)
{
    c.ok = false;
    c.errorCode = code;
    c.errorText = Win32Platform::errorText(code);
}
}

Win32AsyncIo::Win32AsyncIo(unsigned depth)
{
    const unsigned count = std::clamp<unsigned>(depth * SlotsPerDepth, 1, MAXIMUM_WAIT_OBJECTS);
    for (unsigned i = 0; i < count; ++i) {
        auto slot = std::make_unique<Slot>();
        slot->event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!slot->event) {
            Win32Platform::reportLastError();
            for (auto& s : m_slots)
                CloseHandle(s->event);
            m_slots.clear();
            return;
        }
        m_slots.push_back(std::move(slot));
    }
    Win32Platform::clearError();
}

Win32AsyncIo::~Win32AsyncIo()
{
    // The system writes into a pending OVERLAPPED and buffer until the transfer ends: cancel, then wait.
    for (auto& slot : m_slots) {
        if (slot->busy) {
            CancelIoEx(slot->file, &slot->overlapped);
            DWORD moved = 0;
            GetOverlappedResult(slot->file, &slot->overlapped, &moved, TRUE);
        }
        CloseHandle(slot->event);
    }
}

size_t Win32AsyncIo::inFlight() const
{
    size_t n = m_endedAtOnce.size();
    for (const auto& slot : m_slots)
        n += slot->busy ? 1 : 0;
    return n;
}

bool Win32AsyncIo::submit(const AsyncRequest& request)
{
    auto* device = dynamic_cast<Win32DeviceHandle*>(request.handle);
    if (!device || !request.buffer) {
        Win32Platform::reportError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (request.length > UINT32_MAX || request.offset > static_cast<uint64_t>(INT64_MAX)) {
        Win32Platform::reportError(ERROR_INVALID_PARAMETER);
        return false;
    }
    auto free = std::find_if(m_slots.begin(), m_slots.end(), [](const auto& s) { return !s->busy; });
    if (free == m_slots.end()) {
        Win32Platform::reportError(ERROR_BUSY);
        return false;
    }
    uint64_t length = request.length;
    if (request.write && !device->writableLength(request.offset, request.length, length))
        return false;
    Slot& slot = **free;
    slot.overlapped = OVERLAPPED{};
    slot.overlapped.Offset = static_cast<DWORD>(request.offset);
    slot.overlapped.OffsetHigh = static_cast<DWORD>(request.offset >> 32);
    slot.overlapped.hEvent = slot.event;
    ResetEvent(slot.event);
    slot.file = static_cast<HANDLE>(device->nativeHandle());
    slot.request = request;
    const BOOL started = request.write ? WriteFile(slot.file, request.buffer, static_cast<DWORD>(length), nullptr, &slot.overlapped)
                                       : ReadFile(slot.file, request.buffer, static_cast<DWORD>(length), nullptr, &slot.overlapped);
    if (!started && GetLastError() != ERROR_IO_PENDING) {
        // The call was made and ended at once (a read at the end of a file, a bad offset): the
        // caller hears of it through reap like any other transfer.
        const DWORD err = GetLastError();
        AsyncCompletion c;
        c.tag = request.tag;
        if (!request.write && err == ERROR_HANDLE_EOF)
            c.ok = true;
        else
            fillError(c, err);
        m_endedAtOnce.push_back(std::move(c));
        Win32Platform::clearError();
        return true;
    }
    slot.busy = true;
    Win32Platform::clearError();
    return true;
}

void Win32AsyncIo::cancel()
{
    // Each cancelled transfer still signals its event, with ERROR_OPERATION_ABORTED.
    for (auto& slot : m_slots)
        if (slot->busy)
            CancelIoEx(slot->file, &slot->overlapped);
}

void Win32AsyncIo::complete(Slot& slot, std::vector<AsyncCompletion>& out)
{
    AsyncCompletion c;
    c.tag = slot.request.tag;
    DWORD moved = 0;
    if (GetOverlappedResult(slot.file, &slot.overlapped, &moved, FALSE)) {
        c.done = moved;
        if (slot.request.write && moved == 0 && slot.request.length > 0)
            fillError(c, ERROR_HANDLE_DISK_FULL);   // nothing written and no error: never a success
        else
            c.ok = true;
    } else {
        const DWORD err = GetLastError();
        c.done = moved;
        if (!slot.request.write && err == ERROR_HANDLE_EOF)
            c.ok = true;
        else
            fillError(c, err);
    }
    slot.busy = false;
    out.push_back(std::move(c));
}

bool Win32AsyncIo::reap(std::vector<AsyncCompletion>& out, bool wait)
{
    for (AsyncCompletion& c : m_endedAtOnce)
        out.push_back(std::move(c));
    const bool endedAtOnce = !m_endedAtOnce.empty();
    m_endedAtOnce.clear();

    std::vector<HANDLE> events;
    std::vector<Slot*> busy;
    for (auto& slot : m_slots) {
        if (slot->busy) {
            events.push_back(slot->event);
            busy.push_back(slot.get());
        }
    }
    if (busy.empty()) {
        Win32Platform::clearError();
        return true;
    }
    if (wait && !endedAtOnce) {
        // Never without end: a hung device must not keep the caller from looking at its cancel flag.
        const DWORD result = WaitForMultipleObjects(static_cast<DWORD>(events.size()), events.data(), FALSE, WaitSliceMs);
        if (result == WAIT_FAILED) {
            Win32Platform::reportLastError();
            return false;
        }
    }
    for (Slot* slot : busy) {
        if (WaitForSingleObject(slot->event, 0) == WAIT_OBJECT_0)
            complete(*slot, out);
    }
    Win32Platform::clearError();
    return true;
}
