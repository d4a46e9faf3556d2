#include "common/memoryplatform.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

namespace {

constexpr uint32_t DiskFullCode = 112;
constexpr uint32_t FileExistsCode = 80;
const char* const NotReadyText = "The device is not ready.";
const char* const BadParameterText = "The parameter is incorrect.";
const char* const AccessDeniedText = "Access is denied.";
const char* const NotFoundText = "The system cannot find the file specified.";
const char* const IoDeviceText = "The request could not be performed because of an I/O device error.";

bool fail(uint32_t code, const char* text)
{
    Platform::setLastError(code, text);
    return false;
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool equalNoCase(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

std::string stripTrailingBackslash(std::string s)
{
    while (!s.empty() && s.back() == '\\')
        s.pop_back();
    return s;
}

std::string pathKey(std::string s)
{
    std::replace(s.begin(), s.end(), '/', '\\');
    return lower(stripTrailingBackslash(s));
}

template <typename Container>
auto findNoCase(Container& c, const std::string& key)
{
    return std::find_if(c.begin(), c.end(), [&](const auto& entry) { return equalNoCase(entry, key); });
}

// File paths: as Windows compares them.
template <typename Container>
auto findPath(Container& c, const std::string& path)
{
    const std::string key = pathKey(path);
    return std::find_if(c.begin(), c.end(), [&](const auto& entry) { return pathKey(entry) == key; });
}

} // namespace

class MemoryHandle : public DeviceHandle {
public:
    MemoryHandle(MemoryPlatform* platform, MemoryPlatform::Target target, std::string path, DeviceAccess access,
                 DeviceFlags flags)
        : m_platform(platform), m_target(std::move(target)), m_path(std::move(path)), m_access(access), m_flags(flags)
    {
    }

    ~MemoryHandle() override
    {
        // Closing a volume handle releases its lock, as on Windows.
        if (m_locked) {
            std::lock_guard<std::recursive_mutex> lock(m_platform->m_mutex);
            if (MemoryVolume* v = m_platform->findVolume(m_target.volume))
                v->lockCount = std::max(0, v->lockCount - 1);
        }
    }

    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override
    {
        return m_platform->transfer(m_target, false, offset, buffer, length, done, m_flags, m_path);
    }

    bool writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done) override
    {
        done = 0;
        if (m_access != DeviceAccess::ReadWrite)
            return fail(PlatformError::AccessDenied, AccessDeniedText);
        return m_platform->transfer(m_target, true, offset, const_cast<void*>(buffer), length, done, m_flags, m_path);
    }

    bool flush() override
    {
        return onDisk([](MemoryDisk& d) {
            if (d.flushFails)
                return fail(PlatformError::IoDevice, IoDeviceText);
            ++d.flushCount;
            return true;
        });
    }

    bool geometry(PlatformGeometry& out) override
    {
        return onDisk([&](MemoryDisk& d) {
            if (!d.geometryAnswers)
                return unsupported();
            out.diskSize = int64_t(d.data.size());
            out.bytesPerSector = d.logicalSector;
            out.tracksPerCylinder = 255;
            out.sectorsPerTrack = 63;
            out.cylinders = int64_t(d.data.size() / (uint64_t(255) * 63 * d.logicalSector));
            return true;
        });
    }

    bool accessAlignment(PlatformAccessAlignment& out) override
    {
        return onDisk([&](MemoryDisk& d) {
            if (!d.alignmentAnswers)
                return unsupported();
            out = PlatformAccessAlignment{d.logicalSector, d.physicalSector, d.alignmentOffset};
            return true;
        });
    }

    bool deviceDescriptor(PlatformDeviceDescriptor& out) override
    {
        return onDisk([&](MemoryDisk& d) {
            out.answerLength = d.descriptorAnswerLength;
            out.busType = d.busType;
            out.productId = d.productId;
            out.serialNumber = d.serialNumber;
            return true;
        });
    }

    bool seekPenalty(bool& incursSeekPenalty) override
    {
        return onDisk([&](MemoryDisk& d) {
            if (!d.seekPenaltyAnswers)
                return unsupported();
            incursSeekPenalty = d.seekPenalty;
            return true;
        });
    }

    bool driveLayout(PlatformDriveLayout& out) override
    {
        return onDisk([&](MemoryDisk& d) {
            if (!m_target.volume.empty())
                return unsupported();
            out = d.layout;
            return true;
        });
    }

    bool updateDiskProperties() override
    {
        return onDisk([](MemoryDisk& d) { return ++d.updatePropertiesCount > 0; });
    }

    bool volumeDiskExtents(std::vector<PlatformExtent>& out) override
    {
        return onVolume([&](MemoryVolume& v) {
            out = v.extents;
            return true;
        });
    }

    bool lockVolume() override
    {
        return onVolume([&](MemoryVolume& v) {
            if (v.lockFails || v.lockCount > 0)
                return fail(PlatformError::AccessDenied, AccessDeniedText);
            ++v.lockCount;
            return m_locked = true;
        });
    }

    bool unlockVolume() override
    {
        return onVolume([&](MemoryVolume& v) {
            if (!m_locked)
                return fail(PlatformError::NotSupported, "The volume is not locked.");
            v.lockCount = std::max(0, v.lockCount - 1);
            m_locked = false;
            return true;
        });
    }

    bool dismountVolume() override
    {
        return onVolume([](MemoryVolume& v) {
            if (v.dismountFails)
                return fail(PlatformError::AccessDenied, AccessDeniedText);
            return ++v.dismountCount > 0;
        });
    }

    bool allowExtendedAccess() override
    {
        return onVolume([](MemoryVolume& v) { return ++v.extendedAccessCount > 0; });
    }

    bool ntfsVolumeData(PlatformNtfsVolumeData& out) override
    {
        return onVolume([&](MemoryVolume& v) {
            if (!v.ntfsData)
                return unsupported();
            out = *v.ntfsData;
            return true;
        });
    }

    bool volumeBitmap(int64_t startingLcn, PlatformVolumeBitmap& out) override
    {
        std::lock_guard<std::recursive_mutex> lock(m_platform->m_mutex);
        MemoryVolume* v = volume();
        if (!v || !v->bitmapAnswers)
            return unsupported();
        const PlatformVolumeBitmap& b = v->bitmap;
        const int64_t end = b.startingLcn + b.bitmapSize;
        if (startingLcn < b.startingLcn || startingLcn >= end)
            return fail(PlatformError::InvalidParameter, BadParameterText);
        if (v->bitmapFailFrom >= 0 && startingLcn >= v->bitmapFailFrom)
            return fail(PlatformError::IoDevice, IoDeviceText);
        // Answers start on a byte boundary, as the platform rounds the starting cluster down to 8.
        const int64_t first = startingLcn - (startingLcn - b.startingLcn) % 8;
        const size_t byteOffset = size_t((first - b.startingLcn) / 8);
        const int64_t size = v->bitmapPiece > 0 ? std::min(v->bitmapPiece, end - first) : end - first;
        const size_t from = std::min(byteOffset, b.bits.size());
        const size_t to = std::min(b.bits.size(), from + size_t((size + 7) / 8));
        out.startingLcn = first;
        out.bitmapSize = size;
        out.bits.assign(b.bits.begin() + from, b.bits.begin() + to);
        // Bits past the answer's last cluster are not part of it.
        if (size % 8 && !out.bits.empty() && size_t((size + 7) / 8) == out.bits.size())
            out.bits.back() &= uint8_t((1u << (size % 8)) - 1);
        out.moreData = first + size < end;
        return true;
    }

    std::string path() const override { return m_path; }

private:
    MemoryDisk* disk()
    {
        if (m_target.disk < 0 || size_t(m_target.disk) >= m_platform->m_disks.size())
            return nullptr;
        MemoryDisk* d = &m_platform->m_disks[size_t(m_target.disk)];
        if (d->vanished) {
            Platform::setLastError(PlatformError::NotReady, NotReadyText);
            return nullptr;
        }
        return d;
    }
    MemoryVolume* volume() { return m_target.volume.empty() ? nullptr : m_platform->findVolume(m_target.volume); }
    // Runs fn on the handle's disk or volume under the platform's lock; without one the request is
    // not supported.
    template <typename Fn>
    bool onDisk(Fn fn)
    {
        std::lock_guard<std::recursive_mutex> lock(m_platform->m_mutex);
        MemoryDisk* d = disk();
        return d ? fn(*d) : unsupported();
    }
    template <typename Fn>
    bool onVolume(Fn fn)
    {
        std::lock_guard<std::recursive_mutex> lock(m_platform->m_mutex);
        MemoryVolume* v = volume();
        return v ? fn(*v) : unsupported();
    }
    static bool unsupported()
    {
        if (Platform::lastErrorCode() != PlatformError::NotReady)
            Platform::setLastError(PlatformError::InvalidFunction, "Incorrect function.");
        return false;
    }

    MemoryPlatform* m_platform;
    MemoryPlatform::Target m_target;
    std::string m_path;
    DeviceAccess m_access;
    DeviceFlags m_flags;
    bool m_locked = false;
};

MemoryPlatform::MemoryPlatform() = default;
MemoryPlatform::~MemoryPlatform() = default;

int MemoryPlatform::addDisk(uint64_t sizeBytes, uint32_t logicalSector, uint32_t physicalSector)
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

MemoryDisk& MemoryPlatform::disk(int n)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (n < 0 || size_t(n) >= m_disks.size())
        throw std::out_of_range("MemoryPlatform: no disk " + std::to_string(n));
    return m_disks[size_t(n)];
}

uint8_t MemoryPlatform::patternByte(uint32_t seed, uint64_t offset)
{
    uint64_t x = (offset + 1) * 0x9E3779B97F4A7C15ull ^ (uint64_t(seed) << 32 | seed);
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 32;
    const uint8_t b = uint8_t(x);
    return b ? b : 0x5A;
}

void MemoryPlatform::fillPattern(int n, uint32_t seed)
{
    std::vector<uint8_t>& d = data(n);
    for (uint64_t i = 0; i < d.size(); ++i)
        d[i] = patternByte(seed, i);
}

void MemoryPlatform::addAlias(const std::string& path, int n)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_aliases[path] = n;
}

std::string MemoryPlatform::diskPath(int n) { return "\\\\.\\PhysicalDrive" + std::to_string(n); }

void MemoryPlatform::failReadAt(int n, uint64_t offset, uint32_t code, const std::string& text)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).readFaults.push_back({offset, code, text});
}

void MemoryPlatform::failWriteAt(int n, uint64_t offset, uint32_t code, const std::string& text)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).writeFaults.push_back({offset, code, text});
}

void MemoryPlatform::failReadAtSector(int n, uint64_t sector, uint32_t code, const std::string& text)
{
    failReadAt(n, sector * disk(n).logicalSector, code, text);
}

void MemoryPlatform::failWriteAtSector(int n, uint64_t sector, uint32_t code, const std::string& text)
{
    failWriteAt(n, sector * disk(n).logicalSector, code, text);
}

void MemoryPlatform::clearFaults(int n)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).readFaults.clear();
    disk(n).writeFaults.clear();
    disk(n).writeLimit = -1;
}

void MemoryPlatform::setWriteLimit(int n, int64_t bytes)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).writeLimit = bytes;
}

void MemoryPlatform::setVanished(int n, bool vanished)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    disk(n).vanished = vanished;
}

void MemoryPlatform::setIoHook(IoHook hook)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_hook = std::move(hook);
}

std::vector<MemoryPlatform::IoEvent> MemoryPlatform::reads(int n) const
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    std::vector<IoEvent> out;
    std::copy_if(m_events.begin(), m_events.end(), std::back_inserter(out), [n](const IoEvent& e) { return e.disk == n && !e.write; });
    return out;
}

std::vector<MemoryPlatform::IoEvent> MemoryPlatform::writes(int n) const
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    std::vector<IoEvent> out;
    std::copy_if(m_events.begin(), m_events.end(), std::back_inserter(out), [n](const IoEvent& e) { return e.disk == n && e.write; });
    return out;
}

std::vector<MemoryPlatform::OpenRecord> MemoryPlatform::opens() const
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_opens;
}

void MemoryPlatform::clearRecords()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_events.clear();
    m_opens.clear();
}

MemoryVolume& MemoryPlatform::addVolume(const std::string& name, int disk, int64_t offset, int64_t length)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume v;
    v.name = name;
    v.extents.push_back(PlatformExtent{uint32_t(disk), offset, length});
    v.totalBytes = uint64_t(length);
    m_volumes.push_back(std::move(v));
    return m_volumes.back();
}

MemoryVolume& MemoryPlatform::volume(const std::string& name)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume* v = findVolume(name);
    if (!v)
        throw std::out_of_range("MemoryPlatform: no volume " + name);
    return *v;
}

MemoryVolume* MemoryPlatform::findVolume(const std::string& nameOrMountPath)
{
    const std::string key = stripTrailingBackslash(nameOrMountPath);
    // "\\.\C:" names the volume mounted at "C:\".
    const std::string asMount = key.rfind("\\\\.\\", 0) == 0 ? key.substr(4) : key;
    for (MemoryVolume& v : m_volumes) {
        if (equalNoCase(stripTrailingBackslash(v.name), key))
            return &v;
        for (const std::string& m : v.mountPaths)
            if (equalNoCase(stripTrailingBackslash(m), asMount))
                return &v;
    }
    return nullptr;
}

bool MemoryPlatform::resolve(const std::string& path, Target& out)
{
    const std::string prefix = "\\\\.\\PhysicalDrive";
    int n = -1;
    if (auto it = m_aliases.find(path); it != m_aliases.end()) {
        n = it->second;
    } else if (path.size() > prefix.size() && equalNoCase(path.substr(0, prefix.size()), prefix)) {
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

std::unique_ptr<DeviceHandle> MemoryPlatform::openDevice(const std::string& path, DeviceAccess access,
                                                         DeviceFlags flags)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    OpenRecord record{path, access, flags, false};
    Target t;
    std::unique_ptr<DeviceHandle> handle;
    if (!resolve(path, t)) {
        Platform::setLastError(PlatformError::FileNotFound, NotFoundText);
    } else if (size_t(t.disk) >= m_disks.size() || m_disks[size_t(t.disk)].vanished) {
        Platform::setLastError(PlatformError::NotReady, NotReadyText);
    } else if (!t.volume.empty() && findVolume(t.volume)->openFails) {
        Platform::setLastError(PlatformError::AccessDenied, "Access is denied.");
    } else {
        handle = std::make_unique<MemoryHandle>(this, t, path, access, flags);
        record.succeeded = true;
    }
    m_opens.push_back(record);
    return handle;
}

bool MemoryPlatform::transfer(const Target& t, bool write, uint64_t offset, void* buffer, uint64_t length,
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
        return finish(fail(PlatformError::NotReady, NotReadyText));
    if (m_strict && flags != DeviceFlags::None
        && (offset % d.logicalSector != 0 || length % d.logicalSector != 0
            || reinterpret_cast<uintptr_t>(buffer) % d.logicalSector != 0))
        return finish(fail(PlatformError::InvalidParameter, BadParameterText));
    if (offset >= t.length || t.base + offset >= d.data.size())
        return finish(true);
    const uint64_t n = std::min({length, t.length - offset, uint64_t(d.data.size()) - (t.base + offset)});
    const uint64_t first = t.base + offset;
    for (const MemoryFault& f : write ? d.writeFaults : d.readFaults)
        if (f.offset >= first && f.offset < first + n)
            return finish(fail(f.code, f.text.c_str()));
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

std::string MemoryPlatform::diskRealPath(int diskNumber)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (diskNumber < 0 || size_t(diskNumber) >= m_disks.size())
        return std::string();
    return m_disks[size_t(diskNumber)].realPath;
}

bool MemoryPlatform::sameDevice(const std::string& pathA, const std::string& pathB)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    Target a, b;
    if (!resolve(pathA, a) || !resolve(pathB, b))
        return false;
    return a.disk == b.disk && equalNoCase(a.volume, b.volume);
}

std::vector<std::string> MemoryPlatform::enumerateVolumes()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    std::vector<std::string> names;
    for (const MemoryVolume& v : m_volumes)
        names.push_back(v.name);
    return names;
}

std::vector<std::string> MemoryPlatform::volumeMountPaths(const std::string& volumeName)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume* v = findVolume(volumeName);
    return v ? v->mountPaths : std::vector<std::string>();
}

std::string MemoryPlatform::volumeNameForMountPoint(const std::string& mountPoint)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    for (const MemoryVolume& v : m_volumes)
        for (const std::string& m : v.mountPaths)
            if (equalNoCase(m, mountPoint))
                return v.name;
    Platform::setLastError(PlatformError::FileNotFound, NotFoundText);
    return std::string();
}

bool MemoryPlatform::volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume* v = findVolume(rootPath);
    if (!v)
        return fail(PlatformError::NotReady, NotReadyText);
    label = v->label;
    fileSystemName = v->fileSystem;
    return true;
}

bool MemoryPlatform::diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    MemoryVolume* v = findVolume(rootPath);
    if (!v)
        return fail(PlatformError::NotReady, NotReadyText);
    totalBytes = v->totalBytes;
    freeBytes = v->freeBytes;
    return true;
}

std::string MemoryPlatform::windowsDirectory() { return windowsDir; }

bool MemoryPlatform::fileExists(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return findPath(existingPaths, path) != existingPaths.end() || fail(PlatformError::FileNotFound, NotFoundText);
}

bool MemoryPlatform::createDirectory(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (findPath(failingPaths, path) != failingPaths.end())
        return fail(PlatformError::AccessDenied, AccessDeniedText);
    if (findPath(existingPaths, path) != existingPaths.end())
        return fail(PlatformError::AlreadyExists, "Cannot create a file when that file already exists.");
    existingPaths.insert(path);
    return true;
}

bool MemoryPlatform::copyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (findPath(failingPaths, from) != failingPaths.end() || findPath(failingPaths, to) != failingPaths.end())
        return fail(PlatformError::AccessDenied, AccessDeniedText);
    if (findPath(existingPaths, from) == existingPaths.end())
        return fail(PlatformError::FileNotFound, NotFoundText);
    if (failIfExists && findPath(existingPaths, to) != existingPaths.end())
        return fail(FileExistsCode, "The file exists.");
    if (findPath(readOnlyPaths, to) != readOnlyPaths.end())
        return fail(PlatformError::AccessDenied, AccessDeniedText);
    existingPaths.insert(to);
    copiedFiles.emplace_back(from, to);
    return true;
}

bool MemoryPlatform::deleteFile(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    auto it = findPath(existingPaths, path);
    if (findPath(failingPaths, path) != failingPaths.end() || findPath(readOnlyPaths, path) != readOnlyPaths.end())
        return fail(PlatformError::AccessDenied, AccessDeniedText);
    if (it == existingPaths.end())
        return fail(PlatformError::FileNotFound, NotFoundText);
    existingPaths.erase(it);
    deletedFiles.push_back(path);
    return true;
}

bool MemoryPlatform::setFileAttributesNormal(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (findPath(existingPaths, path) == existingPaths.end())
        return fail(PlatformError::FileNotFound, NotFoundText);
    if (auto ro = findPath(readOnlyPaths, path); ro != readOnlyPaths.end())
        readOnlyPaths.erase(ro);
    return true;
}

uint32_t MemoryPlatform::logicalDrives() { return driveMask; }

uint32_t MemoryPlatform::letterMask(const std::string& letters)
{
    uint32_t mask = 0;
    for (char c : letters)
        if (std::isalpha(static_cast<unsigned char>(c)))
            mask |= 1u << (std::toupper(static_cast<unsigned char>(c)) - 'A');
    return mask;
}

uint32_t MemoryPlatform::driveType(const std::string& rootPath)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    for (const auto& [root, type] : driveTypes)
        if (equalNoCase(root, rootPath))
            return type;
    const bool letterRoot = rootPath.size() >= 2 && rootPath[1] == ':' && std::isalpha(static_cast<unsigned char>(rootPath[0]));
    return letterRoot && (driveMask & letterMask(rootPath.substr(0, 1))) ? 3 : 1;
}

bool MemoryPlatform::firmwareType(uint32_t& type)
{
    if (!firmwareAnswers)
        return fail(PlatformError::InvalidFunction, "Incorrect function.");
    type = firmware;
    return true;
}

uint32_t MemoryPlatform::probeFirmwareEnvironment()
{
    Platform::setLastError(firmwareProbeCode, firmwareProbeCode ? "Firmware probe" : "");
    return firmwareProbeCode;
}

bool MemoryPlatform::registryKeyExists(const std::string& subKey)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    const std::string k = lower(stripTrailingBackslash(subKey));
    for (const auto& [key, values] : registry) {
        const std::string lk = lower(key);
        if (lk == k || lk.rfind(k + "\\", 0) == 0)
            return true;
    }
    return fail(PlatformError::FileNotFound, NotFoundText);
}

bool MemoryPlatform::registryReadValue(const std::string& subKey, const std::string& valueName,
                                       std::vector<uint8_t>& data, uint32_t& type)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    for (const auto& [key, values] : registry) {
        if (!equalNoCase(key, stripTrailingBackslash(subKey)))
            continue;
        for (const auto& [name, value] : values) {
            if (equalNoCase(name, valueName)) {
                data = value.data;
                type = value.type;
                return true;
            }
        }
    }
    return fail(PlatformError::FileNotFound, NotFoundText);
}

uint32_t MemoryPlatform::registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    names.clear();
    if (!registryKeyExists(subKey))
        return PlatformError::FileNotFound;
    const std::string prefix = lower(stripTrailingBackslash(subKey)) + "\\";
    for (const auto& [key, values] : registry) {
        if (lower(key).rfind(prefix, 0) != 0)
            continue;
        const std::string rest = key.substr(prefix.size());
        const std::string child = rest.substr(0, rest.find('\\'));
        if (!child.empty() && findNoCase(names, child) == names.end())
            names.push_back(child);
    }
    Platform::setLastError(registryEnumStatus, "Registry enumeration ended.");
    return registryEnumStatus;
}

MemoryPlatform::RegistryValue MemoryPlatform::dword(uint32_t value)
{
    return RegistryValue{4, {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)}};
}
