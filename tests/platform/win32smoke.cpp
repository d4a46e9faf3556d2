// Runs the Windows backend against a real Windows API: files, errors, registry, volumes and drive
// letters; no raw disk is touched. Built and run in a throwaway Wine prefix by
// scripts/smoke-win32.sh (it leaves a folder on the system drive); exits non-zero on a failed check.
#include "platform/platform.h"
#include "platform/win32/win32text.h"

#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

int g_failures = 0;

void check(bool condition, const char* what)
{
    std::printf("%s %s\n", condition ? "ok  " : "FAIL", what);
    if (!condition) {
        std::printf("     last error %u: %s\n", Platform::lastErrorCode(), Platform::lastErrorText().c_str());
        ++g_failures;
    }
}

// Devices are opened, never created, and an image file never grows through them: a test file gets
// its size here first.
bool resizeFile(const std::string& path, int64_t size)
{
    std::wstring wide(path.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(), int(wide.size()));
    HANDLE file = n > 0 ? CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr) : INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER at{};
    at.QuadPart = size;
    const bool ok = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return ok;
}

bool startsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

bool hasEdgeSpace(const std::string& s)
{
    return !s.empty() && (std::isspace(static_cast<unsigned char>(s.front())) || std::isspace(static_cast<unsigned char>(s.back())));
}

// Overlapped transfers on a file: several in flight at once, each completion with its own tag, and
// a read across the end short.
void overlapped(const PlatformParts& p, const std::string& folder)
{
    const std::string file = folder + "\\async.img";
    constexpr uint64_t Block = 65536;
    constexpr unsigned Blocks = 4;
    p.files->copyFile(p.files->windowsDirectory() + "\\win.ini", file, false);
    resizeFile(file, int64_t(Blocks * Block));
    {
        auto h = p.devices->openDevice(file, DeviceAccess::ReadWrite, DeviceFlags::None);
        auto io = p.devices->createAsyncIo(8);
        check(h && io && io->kind() == "overlapped", "overlapped queue made");
        if (!h || !io)
            return;
        std::vector<std::vector<uint8_t>> out(Blocks), back(Blocks);
        for (unsigned i = 0; i < Blocks; ++i) {
            out[i].assign(Block, uint8_t(0x41 + i));
            back[i].assign(Block, 0);
        }
        bool submitted = true;
        for (unsigned i = Blocks; i-- > 0;)   // last block first
            submitted = io->submit({h.get(), true, i * Block, out[i].data(), Block, 100 + i}) && submitted;
        check(submitted && io->inFlight() == Blocks, "four writes in flight");
        std::vector<AsyncCompletion> done;
        while (io->inFlight() > 0 && io->reap(done, true)) {
        }
        bool writesOk = done.size() == Blocks;
        uint64_t tags = 0;
        for (const AsyncCompletion& c : done) {
            writesOk = writesOk && c.ok && c.done == Block;
            tags |= 1ull << (c.tag - 100);
        }
        check(writesOk && tags == 0xF, "every write completes whole, with its tag");
        done.clear();
        for (unsigned i = 0; i < Blocks; ++i)
            io->submit({h.get(), false, i * Block, back[i].data(), Block, i});
        std::vector<uint8_t> tail(Block, 0);
        io->submit({h.get(), false, Blocks * Block - 100, tail.data(), Block, 99});
        while (io->inFlight() > 0 && io->reap(done, true)) {
        }
        bool same = done.size() == Blocks + 1;
        for (const AsyncCompletion& c : done)
            same = same && c.ok && c.done == (c.tag == 99 ? 100 : Block) && (c.tag == 99 || back[c.tag] == out[c.tag]);
        check(same, "reads return what was written; the one across the end is short");

        // Up to its capacity the queue takes every transfer; one more is refused as Busy, not queued.
        const size_t room = io->capacity();
        std::vector<uint8_t> many(room * 512, 0);
        bool took = room >= 8;
        for (size_t i = 0; i < room; ++i)
            took = io->submit({h.get(), false, i * 512, many.data() + i * 512, 512, i}) && took;
        const bool refused = !io->submit({h.get(), false, 0, many.data(), 512, room}) && Platform::lastErrorCode() == PlatformError::Busy;
        check(took && refused && io->inFlight() == room, "a full queue refuses one more transfer as busy");
        done.clear();
        while (io->inFlight() > 0 && io->reap(done, true)) {
        }
        io->cancel();
        check(done.size() == room && io->inFlight() == 0, "every transfer of a full queue comes back");
    }
    p.files->deleteFile(file);
}

// A read of a pipe nobody writes to stands for a device that never answers: a waiting reap still
// comes back, and a cancel ends the read through reap.
void hungTransfer(const PlatformParts& p)
{
    const std::string name = "\\\\.\\pipe\\tessarin_smoke_silent";
    HANDLE server = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    check(server != INVALID_HANDLE_VALUE, "silent pipe made");
    if (server == INVALID_HANDLE_VALUE)
        return;
    {
        auto h = p.devices->openDevice(name, DeviceAccess::Read, DeviceFlags::None);
        auto io = p.devices->createAsyncIo(1);
        check(h && io, "silent pipe opened as a device");
        if (h && io) {
            std::vector<uint8_t> buffer(512, 0);
            check(io->submit({h.get(), false, 0, buffer.data(), buffer.size(), 7}), "read of the silent pipe queued");
            std::vector<AsyncCompletion> done;
            check(io->reap(done, true) && done.empty() && io->inFlight() == 1, "a waiting reap comes back while the read hangs");
            io->cancel();
            for (int i = 0; i < 50 && io->inFlight() > 0; ++i)
                io->reap(done, true);
            check(done.size() == 1 && done[0].tag == 7 && !done[0].ok && done[0].errorCode == ERROR_OPERATION_ABORTED,
                  "cancel ends the hung read");
        }
    }
    CloseHandle(server);
}

void files(const PlatformParts& p)
{
    const std::string windows = p.files->windowsDirectory();
    check(windows.size() >= 3 && windows[1] == ':' && p.files->fileExists(windows), "Windows directory found and present");
    const std::string iniSource = windows + "\\win.ini";

    // A folder name outside Latin-1 must survive the UTF-8 -> UTF-16 trip.
    const std::string dir = windows.substr(0, 3) + "tessarin_smoke_\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80";
    check(p.files->createDirectory(dir), "create folder with a non-Latin name");
    check(!p.files->createDirectory(dir) && Platform::lastErrorCode() == PlatformError::AlreadyExists,
          "second create reports AlreadyExists");
    check(!hasEdgeSpace(Platform::lastErrorText()) && !Platform::lastErrorText().empty(),
          "error text present and trimmed");

    const std::string copy = dir + "\\copy.img";
    check(p.files->copyFile(iniSource, copy, false), "copy a file");
    check(!p.files->copyFile(iniSource, copy, true), "copy refuses an existing target when asked");
    check(p.files->fileExists(copy), "copied file exists");

    const std::string pattern = "TESSARIN-PATTERN";
    const int64_t size = 4096 + int64_t(pattern.size());
    check(resizeFile(copy, size), "size the copy");
    {
        auto h = p.devices->openDevice(copy, DeviceAccess::ReadWrite, DeviceFlags::None);
        check(h != nullptr, "open a file read-write");
        if (h) {
            uint64_t done = 0;
            check(h->writeAt(4096, pattern.data(), pattern.size(), done) && done == pattern.size(),
                  "write at an absolute offset");
            check(h->flush(), "flush");
            std::vector<char> back(8192, 0);
            check(h->readAt(0, back.data(), back.size(), done) && done == 4096 + pattern.size(),
                  "read stops at the end of the file and counts what came back");
            check(std::string(back.data() + 4096, pattern.size()) == pattern, "read back what was written");
            check(h->readAt(1 << 20, back.data(), 512, done) && done == 0, "read past the end moves nothing");
            // A file answers with its size and its volume's sector size, which unbuffered I/O on it needs.
            PlatformGeometry g;
            check(h->geometry(g) && g.diskSize == 4096 + int64_t(pattern.size()) && g.bytesPerSector >= 512
                      && g.bytesPerSector % 512 == 0,
                  "a file's geometry is its size and its volume's sector size");
            // As a disk's end, the file's end cuts a write across it and refuses one past it.
            check(h->writeAt(uint64_t(size) - 4, pattern.data(), pattern.size(), done) && done == 4,
                  "a write across the end of a file is cut there");
            check(!h->writeAt(uint64_t(size), pattern.data(), pattern.size(), done)
                      && Platform::lastErrorCode() == PlatformError::HandleEof,
                  "a write past the end of a file fails");
            check(h->geometry(g) && g.diskSize == size, "the file does not grow");
            check(h->path() == copy, "handle keeps its path");
        }
    }

    std::string upper = copy;
    upper.replace(upper.size() - 8, 8, "COPY.IMG");
    check(p.devices->sameDevice(copy, upper), "same file under another spelling is the same device");
    check(!p.devices->sameDevice(copy, iniSource), "two files on one disk are different devices");
    check(!p.devices->sameDevice(dir + "\\missing1", dir + "\\missing2") && Platform::lastErrorCode() == PlatformError::FileNotFound,
          "missing paths are not the same and say why");

    overlapped(p, dir);
    hungTransfer(p);
    check(p.files->setFileAttributesNormal(copy), "set attributes to normal");
    check(p.files->deleteFile(copy), "delete the copy");
    check(!p.files->fileExists(copy) && Platform::lastErrorCode() == PlatformError::FileNotFound, "deleted file is gone");
    check(!p.devices->openDevice(copy, DeviceAccess::Read, DeviceFlags::None), "opening a missing file fails");
}

void registry(const PlatformParts& p)
{
    check(p.registry->registryKeyExists("Software\\Microsoft"), "registry key exists");
    check(!p.registry->registryKeyExists("Software\\TessarinNoSuchKey"), "missing registry key");
    std::vector<std::string> names;
    check(p.registry->registryEnumSubKeys("Software", names) == PlatformError::NoMoreItems && !names.empty(),
          "enumeration of sub-keys runs to NoMoreItems");
    check(p.registry->registryEnumSubKeys("Software\\TessarinNoSuchKey", names) == PlatformError::FileNotFound && names.empty(),
          "enumeration of a missing key reports its status");
    std::vector<uint8_t> data;
    uint32_t type = 0;
    const bool read = p.registry->registryReadValue("Software\\Microsoft\\Windows NT\\CurrentVersion", "CurrentBuildNumber",
                                          data, type);
    check(read && type == 1 && data.size() >= 4 && data.size() % 2 == 0 && data[data.size() - 1] == 0
              && data[data.size() - 2] == 0,
          "string value read whole, with its terminating NUL");
    check(!p.registry->registryReadValue("Software\\Microsoft", "TessarinNoSuchValue", data, type)
              && Platform::lastErrorCode() == PlatformError::FileNotFound,
          "missing value");
}

void volumes(const PlatformParts& p)
{
    const std::string systemRoot = p.files->windowsDirectory().substr(0, 3);
    const std::vector<std::string> all = p.volumes->enumerateVolumes();
    check(!all.empty(), "volumes enumerated");
    bool wellFormed = !all.empty();
    for (const std::string& v : all)
        wellFormed = wellFormed && startsWith(v, "\\\\?\\Volume{") && v.back() == '\\';
    check(wellFormed, "volume names in \\\\?\\Volume{...}\\ form");
    const std::string systemVolume = p.volumes->volumeNameForMountPoint(systemRoot);
    bool listed = false;
    for (const std::string& v : all)
        listed = listed || v == systemVolume;
    check(listed, "system drive's volume is among the enumerated ones");
    bool mounted = false;
    for (const std::string& m : p.volumes->volumeMountPaths(systemVolume))
        mounted = mounted || m == systemRoot;
    check(mounted, "system volume is mounted at the system drive");
    check(p.volumes->volumeNameForMountPoint("\\\\?\\Volume{00000000-1111-2222-3333-444444444444}\\").empty()
              && Platform::lastErrorCode() != 0,
          "unknown mount point gives nothing, with a reason");

    std::string label, fileSystem;
    check(p.volumes->volumeInformation(systemRoot, label, fileSystem) && !fileSystem.empty(), "volume information");
    uint64_t total = 0, freeBytes = 0;
    check(p.volumes->diskFreeSpace(systemRoot, total, freeBytes) && total > 0 && freeBytes <= total, "free space");

    const uint32_t letter = static_cast<uint32_t>(systemRoot[0] - 'A');
    check((p.files->logicalDrives() >> letter) & 1u, "system drive letter in the drive mask");
    check(p.files->driveType(systemRoot) == 3, "system drive is fixed");
    int unused = -1;
    for (int i = 25; i >= 3 && unused < 0; --i)
        if (!((p.files->logicalDrives() >> i) & 1u))
            unused = i;
    const std::string free = std::string(1, char('A' + unused)) + ":\\";
    check(unused < 0 || p.files->driveType(free) == 1, "unused letter has no root directory");
}

// Image paths listed in TESSARIN_DISKS reach the disk table whole, whatever the ANSI code page holds.
void diskTableFromTheEnvironment()
{
    const std::string image = "C:\\tessarin_\xCE\xB4\xCE\xAF\xCF\x83\xCE\xBA\xCE\xBF\xCF\x82_\xE7\xA3\x81\xE7\x9B\x98.img";
    const std::u16string wide = Win32Text::toUtf16(image + ";");
    check(SetEnvironmentVariableW(L"TESSARIN_DISKS", reinterpret_cast<const wchar_t*>(wide.c_str())) != 0, "disk list set");
    const std::unique_ptr<PlatformBackend> backend = createNativePlatform();
    check(backend->parts().devices->diskRealPath(0) == image, "a non-Latin image path in the disk list survives");
    SetEnvironmentVariableW(L"TESSARIN_DISKS", nullptr);
}

} // namespace

int main()
{
    const PlatformParts p = Platform::native().parts();
    files(p);
    registry(p);
    volumes(p);
    diskTableFromTheEnvironment();
    // Console tools write in an 8-bit code page: a byte above 0x7F comes out as one UTF-8 character.
    const std::string decoded = p.files->toolOutputText("disk\x81");
    check(decoded.size() > 5 && decoded.compare(0, 4, "disk") == 0 && (uint8_t(decoded[4]) & 0xC0) == 0xC0,
          "tool output decoded from the console code page");
    uint32_t firmware = 0;
    const bool known = p.firmware->firmwareType(firmware);
    const uint32_t probe = p.firmware->probeFirmwareEnvironment();
    std::printf("info firmware type %s %u, environment probe %u\n", known ? "known" : "unknown", firmware, probe);
    std::printf("%s: %d failure(s)\n", g_failures ? "FAILED" : "PASSED", g_failures);
    return g_failures ? 1 : 0;
}
