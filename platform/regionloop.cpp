#include "platform/regionloop.h"

#include <cctype>
#include <filesystem>

namespace {
std::string trimmed(std::string text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start])))
        ++start;
    return text.substr(start);
}

std::string canonical(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(path, error);
    return error ? std::string() : real.string();
}
} // namespace

RegionLoop::~RegionLoop() { detach(); }

std::vector<std::string> RegionLoop::attachArguments(const std::string& backingPath, uint64_t offset, uint64_t size,
                                                     uint32_t sectorSize, bool readOnly)
{
    std::vector<std::string> args{"losetup", "--find", "--show", "-o", std::to_string(offset)};
    if (size > 0)
        args.insert(args.end(), {"--sizelimit", std::to_string(size)});
    if (sectorSize != 0 && sectorSize != 512)
        args.insert(args.end(), {"-b", std::to_string(sectorSize)});
    if (readOnly)
        args.push_back("-r");
    // A backing path that starts with "-" stays a path.
    args.insert(args.end(), {"--", backingPath});
    return args;
}

bool RegionLoop::attach(const std::string& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize,
                        bool readOnly)
{
    if (!detach())
        return false;
    const ProcessRunner::Result r = m_runner.run(attachArguments(backingPath, offset, size, sectorSize, readOnly),
                                                 LosetupTimeoutMs, ProcessRunner::DefaultOutputLimit);
    // Only standard output names the device; warnings go to standard error.
    const std::string device = trimmed(r.out);
    if (!r.started) {
        m_lastError = "losetup could not be started";
        return false;
    }
    if (!r.succeeded() || device.rfind("/dev/loop", 0) != 0) {
        m_lastError = "losetup could not map " + backingPath + " at " + std::to_string(offset) + ": "
            + trimmed(r.err.empty() ? r.out : r.out + "\n" + r.err);
        return false;
    }
    m_device = device;
    m_backing = canonical(backingPath);
    return true;
}

bool RegionLoop::detach()
{
    if (m_device.empty())
        return true;
    // -d takes the device as its own argument, so it cannot follow "--"; the name is one losetup printed.
    m_runner.run({"losetup", "-d", m_device}, LosetupTimeoutMs, ProcessRunner::DefaultOutputLimit);
    // "losetup DEV" fails once the device has no backing file any more; a device that shows
    // another file was already released and taken by someone else.
    for (int waited = 0; waited <= ReleaseWaitMs; waited += ReleasePollMs) {
        const ProcessRunner::Result r = m_runner.run({"losetup", "--", m_device}, LosetupTimeoutMs,
                                                     ProcessRunner::DefaultOutputLimit);
        if (!r.started)
            break;
        if (!r.timedOut && !r.outputCut
            && (r.exitCode != 0 || r.out.find(m_backing) == std::string::npos)) {
            m_device.clear();
            return true;
        }
        m_runner.sleepMs(ReleasePollMs);
    }
    m_lastError = m_device + " was not released";
    return false;
}
