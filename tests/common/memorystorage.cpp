#include "common/memorystorage.h"

#include "common/memoryhandle.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {
using N = MemoryNames;
constexpr uint32_t DiskFullCode = 112;
}

MemoryStorage::MemoryStorage() = default;
MemoryStorage::~MemoryStorage() = default;

int MemoryStorage::addDisk(uint64_t sizeBytes, uint32_t logicalSector, uint32_t physicalSector)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryDisk d;
    d.data.assign(sizeBytes, 0);
    d.logicalSector = logicalSector;
    d.physicalSector = physicalSector;
    d.realPath = "memory:" + std::to_string(m_disks.size());
    m_disks.push_back(std::move(d));
    return int(m_disks.size()) - 1;
}

MemoryDisk& MemoryStorage::disk(int n)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (n < 0 || size_t(n) >= m_disks.size())
        throw std::out_of_range("MemoryStorage: no disk " + std::to_string(n));
    return m_disks[size_t(n)];
}

uint8_t MemoryStorage::patternByte(uint32_t seed, uint64_t offset)
{
    uint64_t x = (offset + 1) * 0x9E3779B97F4A7C15ull ^ (uint64_t(seed) << 32 | seed);
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 32;
    const uint8_t b = uint8_t(x);
    return b ? b : 0x5A;
}

void MemoryStorage::fillPattern(int n, uint32_t seed)
{
    std::vector<uint8_t>& d = data(n);
    for (uint64_t i = 0; i < d.size(); ++i)
        d[i] = patternByte(seed, i);
}

void MemoryStorage::addAlias(const std::string& path, int n)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_aliases[path] = n;
}

std::string MemoryStorage::diskPath(int n) { return "\\\\.\\PhysicalDrive" + std::to_string(n); }

void MemoryStorage::failReadAt(int n, uint64_t offset, uint32_t code, const std::string& text)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).readFaults.push_back({offset, code, text});
}

void MemoryStorage::failReadAtSector(int n, uint64_t sector, uint32_t code, const std::string& text)
{
    failReadAt(n, sector * disk(n).logicalSector, code, text);
}

void MemoryStorage::failWriteAtSector(int n, uint64_t sector, uint32_t code, const std::string& text)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).writeFaults.push_back({sector * disk(n).logicalSector, code, text});
}

void MemoryStorage::setWriteLimit(int n, int64_t bytes)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).writeLimit = bytes;
}

void MemoryStorage::setVanished(int n, bool vanished)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).vanished = vanished;
}

void MemoryStorage::setIoHook(IoHook hook)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_hook = std::move(hook);
}

std::vector<MemoryStorage::IoEvent> MemoryStorage::reads(int n) const
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    std::vector<IoEvent> out;
    std::copy_if(m_events.begin(), m_events.end(), std::back_inserter(out), [n](const IoEvent& e) { return e.disk == n && !e.write; });
    return out;
}

std::vector<MemoryStorage::IoEvent> MemoryStorage::writes(int n) const
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    std::vector<IoEvent> out;
    std::copy_if(m_events.begin(), m_events.end(), std::back_inserter(out), [n](const IoEvent& e) { return e.disk == n && e.write; });
    return out;
}

std::vector<MemoryStorage::OpenRecord> MemoryStorage::opens() const
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_opens;
}

void MemoryStorage::clearRecords()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_events.clear();
    m_opens.clear();
}

MemoryVolume& MemoryStorage::addVolume(const std::string& name, int disk, int64_t offset, int64_t length)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume v;
    v.name = name;
    v.extents.push_back(PlatformExtent{uint32_t(disk), offset, length});
    v.totalBytes = uint64_t(length);
    m_volumes.push_back(std::move(v));
    return m_volumes.back();
}

MemoryVolume& MemoryStorage::volume(const std::string& name)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume* v = findVolume(name);
    if (!v)
        throw std::out_of_range("MemoryStorage: no volume " + name);
    return *v;
}

MemoryVolume* MemoryStorage::findVolume(const std::string& nameOrMountPath)
{
    const std::string key = N::stripTrailingBackslash(nameOrMountPath);
    // "\\.\C:" names the volume mounted at "C:\".
    const std::string asMount = key.rfind("\\\\.\\", 0) == 0 ? key.substr(4) : key;
    for (MemoryVolume& v : m_volumes) {
        if (N::equalNoCase(N::stripTrailingBackslash(v.name), key))
            return &v;
        for (const std::string& m : v.mountPaths)
            if (N::equalNoCase(N::stripTrailingBackslash(m), asMount))
                return &v;
    }
    return nullptr;
}

bool MemoryStorage::resolve(const std::string& path, Target& out)
{
    const std::string prefix = "\\\\.\\PhysicalDrive";
    int n = -1;
    if (auto it = m_aliases.find(path); it != m_aliases.end()) {
        n = it->second;
    } else if (path.size() > prefix.size() && N::equalNoCase(path.substr(0, prefix.size()), prefix)) {
        const std::string digits = path.substr(prefix.size());
        if (digits.find_first_not_of("0123456789") == std::string::npos)
            n = std::stoi(digits);
    }
    if (n >= 0) {
        if (size_t(n) >= m_disks.size())
            return false;
        out = Target{n, std::string(), 0, m_disks[size_t(n)].data.size()};
        return true;
    }
    MemoryVolume* v = findVolume(path);
    if (!v || v->extents.empty())
        return false;
    const PlatformExtent& e = v->extents.front();
    out = Target{int(e.diskNumber), v->name, uint64_t(e.startingOffset), uint64_t(e.extentLength)};
    return true;
}

std::unique_ptr<DeviceHandle> MemoryStorage::openDevice(const std::string& path, DeviceAccess access,
                                                        DeviceFlags flags)
{
    return openVolume(path, access, flags);
}

std::unique_ptr<VolumeHandle> MemoryStorage::openVolume(const std::string& path, DeviceAccess access,
                                                        DeviceFlags flags)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    OpenRecord record{path, access, flags, false};
    Target t;
    std::unique_ptr<VolumeHandle> handle;
    if (!resolve(path, t)) {
        Platform::setLastError(PlatformError::FileNotFound, N::NotFoundText);
    } else if (size_t(t.disk) >= m_disks.size() || m_disks[size_t(t.disk)].vanished) {
        Platform::setLastError(PlatformError::NotReady, N::NotReadyText);
    } else if (const MemoryVolume* v = t.volume.empty() ? nullptr : findVolume(t.volume); v && v->lockedElsewhere && access != DeviceAccess::None) {
        Platform::setLastError(PlatformError::AccessDenied, N::AccessDeniedText);
    } else {
        handle = std::make_unique<MemoryHandle>(this, t, path, access, flags);
        record.succeeded = true;
    }
    m_opens.push_back(record);
    return handle;
}

bool MemoryStorage::transfer(const Target& t, bool write, uint64_t offset, void* buffer, uint64_t length,
                              uint64_t& done, DeviceFlags flags, const std::string& path)
{
    done = 0;
    IoEvent event{t.disk, write, t.base + offset, length, path, false};
    IoHook hook;
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        hook = m_hook;
    }
    if (hook)
        hook(event);

    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryDisk& d = m_disks[size_t(t.disk)];
    auto finish = [&](bool ok) {
        event.succeeded = ok;
        m_events.push_back(event);
        return ok;
    };
    if (d.vanished)
        return finish(N::fail(PlatformError::NotReady, N::NotReadyText));
    if (flags != DeviceFlags::None
        && (offset % d.logicalSector != 0 || length % d.logicalSector != 0
            || reinterpret_cast<uintptr_t>(buffer) % d.logicalSector != 0))
        return finish(N::fail(PlatformError::InvalidParameter, N::BadParameterText));
    if (offset >= t.length || t.base + offset >= d.data.size())
        return finish(true);
    const uint64_t n = std::min({length, t.length - offset, uint64_t(d.data.size()) - (t.base + offset)});
    const uint64_t first = t.base + offset;
    for (const MemoryFault& f : write ? d.writeFaults : d.readFaults)
        if (f.offset >= first && f.offset < first + n)
            return finish(N::fail(f.code, f.text.c_str()));
    if (write && d.writeLimit >= 0 && first + n > uint64_t(d.writeLimit)) {
        const uint64_t fits = first < uint64_t(d.writeLimit) ? uint64_t(d.writeLimit) - first : 0;
        std::memcpy(d.data.data() + first, buffer, fits);
        done = fits;
        Platform::setLastError(DiskFullCode, "There is not enough space on the disk.");
        return finish(false);
    }
    if (write)
        std::memcpy(d.data.data() + first, buffer, n);
    else
        std::memcpy(buffer, d.data.data() + first, n);
    done = n;
    return finish(true);
}

std::string MemoryStorage::diskRealPath(int diskNumber)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (diskNumber < 0 || size_t(diskNumber) >= m_disks.size())
        return std::string();
    return m_disks[size_t(diskNumber)].realPath;
}

bool MemoryStorage::sameDevice(const std::string& pathA, const std::string& pathB)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    Target a, b;
    if (!resolve(pathA, a) || !resolve(pathB, b))
        return false;
    return a.disk == b.disk && N::equalNoCase(a.volume, b.volume);
}

std::vector<std::string> MemoryStorage::enumerateVolumes()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    std::vector<std::string> names;
    for (const MemoryVolume& v : m_volumes)
        names.push_back(v.name);
    return names;
}

std::vector<std::string> MemoryStorage::volumeMountPaths(const std::string& volumeName)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume* v = findVolume(volumeName);
    return v ? v->mountPaths : std::vector<std::string>();
}

std::string MemoryStorage::volumeNameForMountPoint(const std::string& mountPoint)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    for (const MemoryVolume& v : m_volumes)
        for (const std::string& m : v.mountPaths)
            if (N::equalNoCase(m, mountPoint))
                return v.name;
    Platform::setLastError(PlatformError::FileNotFound, N::NotFoundText);
    return std::string();
}

bool MemoryStorage::volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume* v = findVolume(rootPath);
    if (!v)
        return N::fail(PlatformError::NotReady, N::NotReadyText);
    label = v->label;
    fileSystemName = v->fileSystem;
    return true;
}

bool MemoryStorage::diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume* v = findVolume(rootPath);
    if (!v)
        return N::fail(PlatformError::NotReady, N::NotReadyText);
    totalBytes = v->totalBytes;
    freeBytes = v->freeBytes;
    return true;
}
