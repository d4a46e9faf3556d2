#pragma once
// Overlapped ReadFile/WriteFile on the backend's handles, each transfer with its own event, so
// transfers of several handles run at once. Compiled only on Windows.
#include "platform/asyncio.h"

#include <memory>
#include <vector>

class Win32AsyncIo : public AsyncIo {
public:
    // Room for several pieces of each of `depth` requests, never more than one wait can watch (64).
    explicit Win32AsyncIo(unsigned depth);
    ~Win32AsyncIo() override;
    Win32AsyncIo(const Win32AsyncIo&) = delete;
    Win32AsyncIo& operator=(const Win32AsyncIo&) = delete;

    // False when the events could not be made; the platform's last error says why.
    bool ready() const { return !m_slots.empty(); }

    bool submit(const AsyncRequest& request) override;
    bool reap(std::vector<AsyncCompletion>& out, bool wait) override;
    size_t inFlight() const override;
    size_t capacity() const override { return m_slots.size(); }
    void cancel() override;
    std::string kind() const override { return "overlapped"; }

private:
    struct Slot;
    // Moves a finished slot's result into `out` and frees the slot.
    void complete(Slot& slot, std::vector<AsyncCompletion>& out);

    std::vector<std::unique_ptr<Slot>> m_slots;
    std::vector<AsyncCompletion> m_endedAtOnce;   // transfers that ended inside submit; reaped next
};
