#pragma once
#include "platform/processrunner.h"

#include <cstdint>
#include <string>
#include <vector>

// A loop device over exactly one byte range of an image file or block device, made with losetup
// through the runner it is given, so that a tool sees a partition as a device of its own and
// cannot reach past it. Detached in the destructor; the detach waits until the kernel has really
// let go (ntfs-3g and mkntfs release it a moment late, and a device number reused too early would
// take someone else's writes).
class RegionLoop {
public:
    static constexpr int LosetupTimeoutMs = 30000;
    static constexpr int ReleaseWaitMs = 15000;
    static constexpr int ReleasePollMs = 250;

    explicit RegionLoop(ProcessRunner& runner) : m_runner(runner) {}
    ~RegionLoop();
    RegionLoop(const RegionLoop&) = delete;
    RegionLoop& operator=(const RegionLoop&) = delete;

    // losetup's arguments for `attach`: read-only makes the kernel refuse every write through the
    // device, whatever tool holds it; `size` 0 reaches to the end of `backingPath`; a `sectorSize`
    // other than 0 and 512 gives the device that logical sector size.
    static std::vector<std::string> attachArguments(const std::string& backingPath, uint64_t offset, uint64_t size,
                                                    uint32_t sectorSize, bool readOnly);

    bool attach(const std::string& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize, bool readOnly);
    // True once the device is gone (or was never there).
    bool detach();

    const std::string& device() const { return m_device; }
    const std::string& lastError() const { return m_lastError; }

private:
    ProcessRunner& m_runner;
    std::string m_device;
    std::string m_backing;  // canonical path, as losetup shows it
    std::string m_lastError;
};
