#include "platform/posix/posixplatform.h"

#ifdef TESSARIN_HAVE_HIVEX
#include "platform/posix/hivexhive.h"
#endif

#include "platform/posix/posixerror.h"
#include "platform/posix/volumename.h"
#include "platform/threadedasyncio.h"
#ifdef TESSARIN_HAVE_URING
#include "platform/posix/uringasyncio.h"
#endif

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>

namespace {
constexpr const char* DisksVariable = "TESSARIN_DISKS";
constexpr const char* LettersVariable = "TESSARIN_DRIVE_LETTERS";
constexpr const char* WindowsDirVariable = "TESSARIN_WINDOWS_DIR";
constexpr const char* EfiDirectory = "/sys/firmware/efi";
constexpr uint32_t FirmwareBios = 1;
constexpr uint32_t FirmwareUefi = 2;

bool efiPresent()
{
    struct stat st {};
    return ::stat(EfiDirectory, &st) == 0;
}
}

PosixPlatform::PosixPlatform() : PosixPlatform(settingsFromEnvironment()) {}

PosixPlatform::PosixPlatform(Settings settings)
    : m_settings(std::move(settings)),
      m_disks(m_settings.disks),
      m_files(WindowsPathMapper::fromText(m_settings.driveLetters, m_settingMessages)),
      m_opener(m_disks),
      m_volumes(m_disks, m_files, m_opener)
{
}

PosixPlatform::Settings PosixPlatform::settingsFromEnvironment()
{
    Settings s;
    if (const char* disks = std::getenv(DisksVariable))
        s.disks = std::string(disks);
    if (const char* letters = std::getenv(LettersVariable))
        s.driveLetters = letters;
    if (const char* windows = std::getenv(WindowsDirVariable))
        s.windowsDirectory = windows;
    return s;
}

void PosixPlatform::reloadDiskTable() { m_disks.reload(); }

std::vector<std::string> PosixPlatform::diskTableMessages() const { return m_disks.messages(); }

std::vector<std::string> PosixPlatform::configurationMessages()
{
    std::vector<std::string> all = m_settingMessages;
    const std::vector<std::string> table = diskTableMessages();
    all.insert(all.end(), table.begin(), table.end());
    return all;
}

std::string PosixPlatform::nativeFilePath(const std::string& path) { return m_files.nativeFilePath(path); }

bool PosixPlatform::resolveDevice(const std::string& path, PosixDeviceOpener::Target& out)
{
    out = PosixDeviceOpener::Target{};
    const int number = path.empty() || path[0] == '/' ? -1 : DiskTable::driveNumberFromPath(path);
    if (number >= 0) {
        DiskTable::Entry entry;
        if (!m_disks.entry(number, entry) || !entry.usable)
            return PosixError::set(PlatformError::FileNotFound, "disk " + std::to_string(number)
                                                                    + " is not in the disk table");
        out.nativePath = entry.path;
        out.imageSectorSize = entry.logicalSectorSize;
        return true;
    }
    const std::string kernel = VolumeName::decode(path);
    if (!kernel.empty()) {
        out.nativePath = "/dev/" + kernel;
        return true;
    }
    bool found = false;
    if (m_volumes.imageVolumeNamed(path, out, found))
        return found;
    // "\\.\Z:" names the volume mounted at the root of drive Z.
    if (path.size() >= 4 && path.compare(0, 4, "\\\\.\\") == 0 && WindowsPathMapper::driveLetterOf(path)
        && path.size() <= 7) {
        std::string type, mountPoint;
        const std::string device = m_volumes.volumeDevice(path.substr(4), type, mountPoint);
        if (device.empty())
            return false;
        out.nativePath = "/dev/" + device;
        return true;
    }
    out.nativePath = nativeFilePath(path);
    return !out.nativePath.empty();
}

std::unique_ptr<DeviceHandle> PosixPlatform::openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags)
{
    return openVolume(path, access, flags);
}

std::unique_ptr<VolumeHandle> PosixPlatform::openVolume(const std::string& path, DeviceAccess access, DeviceFlags flags)
{
    PosixDeviceOpener::Target target;
    if (!resolveDevice(path, target))
        return nullptr;
    return m_opener.open(path, target, access, flags);
}

std::string PosixPlatform::diskRealPath(int diskNumber)
{
    DiskTable::Entry entry;
    return m_disks.entry(diskNumber, entry) ? entry.path : std::string();
}

std::unique_ptr<AsyncIo> PosixPlatform::createAsyncIo(unsigned depth)
{
#ifdef TESSARIN_HAVE_URING
    if (std::unique_ptr<UringAsyncIo> ring = UringAsyncIo::create(depth))
        return ring;
    return std::make_unique<ThreadedAsyncIo>(depth, "io_uring unavailable: " + Platform::lastErrorText());
#else
    return std::make_unique<ThreadedAsyncIo>(depth, "built without io_uring");
#endif
}

bool PosixPlatform::sameDevice(const std::string& pathA, const std::string& pathB)
{
    PosixDeviceOpener::Target a, b;
    if (!resolveDevice(pathA, a) || !resolveDevice(pathB, b))
        return false;
    return PosixDeviceOpener::sameDevice(a, b);
}

std::vector<StorageMap::Region> PosixPlatform::regionsOf(const std::string& path, const ByteRange& range, bool& ok)
{
    PosixDeviceOpener::Target target;
    ok = resolveDevice(path, target);
    if (!ok)
        return {};
    uint64_t length = range.length;
    if (target.windowLength)
        length = length ? std::min(length, target.windowLength - std::min(range.offset, target.windowLength))
                        : target.windowLength - std::min(range.offset, target.windowLength);
    return StorageMap::resolve(target.nativePath, target.windowStart + range.offset, length);
}

bool PosixPlatform::sharesStorage(const std::string& pathA, const ByteRange& rangeA, const std::string& pathB,
                                  const ByteRange& rangeB)
{
    bool okA = false, okB = false;
    const std::vector<StorageMap::Region> a = regionsOf(pathA, rangeA, okA);
    const std::vector<StorageMap::Region> b = regionsOf(pathB, rangeB, okB);
    return StorageMap::overlap(a, b);
}

std::string PosixPlatform::busyReason(const std::string& path, const ByteRange& range)
{
    bool ok = false;
    const std::vector<StorageMap::Region> regions = regionsOf(path, range, ok);
    return ok ? StorageMap::busyReason(regions) : std::string();
}

std::vector<PlatformDevices::WritableMount> PosixPlatform::writableMounts(const std::string& path,
                                                                          const ByteRange& range)
{
    bool ok = false;
    const std::vector<StorageMap::Region> regions = regionsOf(path, range, ok);
    std::vector<WritableMount> out;
    if (ok)
        for (const std::string& mount : StorageMap::writableMounts(regions))
            out.push_back(WritableMount{{}, mount, {}});
    return out;
}

namespace {
class PosixStorageClaim : public StorageClaim {
public:
    explicit PosixStorageClaim(std::unique_ptr<StorageMap::Claim> held) : m_held(std::move(held)) {}
private:
    std::unique_ptr<StorageMap::Claim> m_held;
};
}

std::unique_ptr<StorageClaim> PosixPlatform::claimStorage(const std::string& path, const ByteRange& range, bool exclusive)
{
    bool ok = false;
    const std::vector<StorageMap::Region> regions = regionsOf(path, range, ok);
    if (!ok)
        return nullptr;
    std::string error;
    std::unique_ptr<StorageMap::Claim> held = StorageMap::claim(regions, exclusive, error);
    if (!held) {
        PosixError::set(PlatformError::Busy, error);
        return nullptr;
    }
    return std::make_unique<PosixStorageClaim>(std::move(held));
}

std::vector<std::string> PosixPlatform::enumerateVolumes() { return m_volumes.enumerate(); }

std::vector<std::string> PosixPlatform::volumeMountPaths(const std::string& volumeName)
{
    return m_volumes.mountPaths(volumeName);
}

std::string PosixPlatform::volumeNameForMountPoint(const std::string& mountPoint)
{
    return m_volumes.nameForMountPoint(mountPoint);
}

bool PosixPlatform::volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName)
{
    return m_volumes.information(rootPath, label, fileSystemName);
}

bool PosixPlatform::diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes)
{
    return m_volumes.freeSpace(rootPath, totalBytes, freeBytes);
}

bool PosixPlatform::volumeContainsPath(const std::string& volumeName, const std::string& relativePath,
                                       ProcessRunner& runner)
{
    return m_volumes.containsPath(volumeName, relativePath, runner);
}

std::string PosixPlatform::windowsDirectory() { return m_settings.windowsDirectory; }

std::string PosixPlatform::systemDirectory()
{
    PosixError::set(PlatformError::NotSupported, "there is no Windows system folder on this system");
    return {};
}

std::vector<int> PosixPlatform::systemDiskNumbers()
{
    // The emulated Windows directory's disk, and the disk Linux itself runs from.
    std::vector<int> numbers = windowsDirectoryDisks(*this, *this, *this);
    const int root = m_volumes.rootFileSystemDisk();
    if (root >= 0 && std::find(numbers.begin(), numbers.end(), root) == numbers.end())
        numbers.push_back(root);
    return numbers;
}

bool PosixPlatform::fileExists(const std::string& path) { return m_files.fileExists(path); }

bool PosixPlatform::createDirectory(const std::string& path) { return m_files.createDirectory(path); }

bool PosixPlatform::copyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    return m_files.copyFile(from, to, failIfExists);
}

bool PosixPlatform::deleteFile(const std::string& path) { return m_files.deleteFile(path); }

bool PosixPlatform::setFileAttributesNormal(const std::string& path) { return m_files.setFileAttributesNormal(path); }

uint32_t PosixPlatform::logicalDrives() { return m_files.logicalDrives(); }

uint32_t PosixPlatform::driveType(const std::string& rootPath) { return m_files.driveType(rootPath); }

bool PosixPlatform::syncFileData(int descriptor) { return PosixFiles::syncFileData(descriptor); }

bool PosixPlatform::syncFolder(const std::string& path) { return PosixFiles::syncFolder(path); }

bool PosixPlatform::firmwareType(uint32_t& type)
{
    type = efiPresent() ? FirmwareUefi : FirmwareBios;
    return true;
}

uint32_t PosixPlatform::probeFirmwareEnvironment()
{
    // What the Windows probe leaves behind: "invalid function" on BIOS, "no access" for the
    // nameless variable on UEFI.
    const uint32_t code = efiPresent() ? PosixError::NoAccess : PlatformError::InvalidFunction;
    Platform::setLastError(code, code == PlatformError::InvalidFunction ? "firmware variables are not available (BIOS)"
                                                                        : "firmware variable not accessible");
    return code;
}

bool PosixPlatform::registryKeyExists(const std::string&)
{
    return PosixError::set(PlatformError::NotSupported, "registry is not available on this system");
}

bool PosixPlatform::registryReadValue(const std::string&, const std::string&, std::vector<uint8_t>& data, uint32_t& type)
{
    data.clear();
    type = 0;
    return PosixError::set(PlatformError::NotSupported, "registry is not available on this system");
}

uint32_t PosixPlatform::registryEnumSubKeys(const std::string&, std::vector<std::string>& names)
{
    names.clear();
    PosixError::set(PlatformError::NotSupported, "registry is not available on this system");
    return PlatformError::NotSupported;
}

std::unique_ptr<PlatformBackend> createNativePlatform() { return std::make_unique<PosixPlatform>(); }

std::unique_ptr<RegistryHive> PosixPlatform::openRegistryHive(const std::string& path)
{
#ifdef TESSARIN_HAVE_HIVEX
    const std::string native = nativeFilePath(path);
    std::string error;
    std::unique_ptr<RegistryHive> hive = HivexHive::open(native.empty() ? path : native, error);
    if (!hive)
        Platform::setLastError(PlatformError::NotSupported, error);
    return hive;
#else
    return PlatformRegistry::openRegistryHive(path);
#endif
}
