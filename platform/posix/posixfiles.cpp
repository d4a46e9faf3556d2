#include "platform/posix/posixfiles.h"

#include "platform/posix/posixerror.h"
#include "platform/platformtypes.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr uint32_t DriveNoRootDir = 1;
constexpr uint32_t DriveFixed = 3;
constexpr size_t CopyChunk = 1 << 20;
}

std::string PosixFiles::nativeFilePath(const std::string& path) const
{
    const std::string native = m_paths.toNative(path);
    if (native.empty())
        PosixError::set(PlatformError::FileNotFound, "drive " + std::string(1, WindowsPathMapper::driveLetterOf(path))
                                                         + ": is not mapped (see TESSARIN_DRIVE_LETTERS)");
    else if (WindowsPathMapper::driveLetterOf(path))
        return matchCase(native);
    return native;
}

std::string PosixFiles::matchCase(const std::string& native)
{
    // Windows paths ignore case; a Linux mount of a Windows volume may not. Each component that
    // does not exist as written takes the spelling of an existing entry that differs only in case.
    struct stat st {};
    if (native.empty() || native[0] != '/' || ::lstat(native.c_str(), &st) == 0)
        return native;
    std::string result;
    size_t pos = 1;
    bool searching = true;
    while (pos <= native.size()) {
        const size_t slash = native.find('/', pos);
        const std::string part = native.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        std::string chosen = part;
        const std::string parent = result.empty() ? "/" : result;
        if (searching && !part.empty() && ::lstat((result + "/" + part).c_str(), &st) != 0) {
            searching = false;
            if (DIR* dir = ::opendir(parent.c_str())) {
                while (dirent* e = ::readdir(dir)) {
                    if (::strcasecmp(e->d_name, part.c_str()) == 0) {
                        chosen = e->d_name;
                        searching = true;
                        break;
                    }
                }
                ::closedir(dir);
            }
        }
        result += "/" + chosen;
        if (slash == std::string::npos)
            break;
        pos = slash + 1;
    }
    return result;
}

bool PosixFiles::statFile(const std::string& path, std::string& native, struct stat& st) const
{
    native = nativeFilePath(path);
    if (native.empty())
        return false;
    if (::stat(native.c_str(), &st) != 0)
        return PosixError::set(errno, "cannot find " + native);
    return true;
}

bool PosixFiles::fileExists(const std::string& path) const
{
    std::string native;
    struct stat st {};
    return statFile(path, native, st);
}

bool PosixFiles::createDirectory(const std::string& path) const
{
    const std::string native = nativeFilePath(path);
    if (native.empty())
        return false;
    if (::mkdir(native.c_str(), 0755) != 0)
        return PosixError::set(errno, "cannot create folder " + native);
    return true;
}

bool PosixFiles::copyFile(const std::string& from, const std::string& to, bool failIfExists) const
{
    const std::string src = nativeFilePath(from);
    if (src.empty())
        return false;
    const std::string dst = nativeFilePath(to);
    if (dst.empty())
        return false;
    const int in = ::open(src.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return PosixError::set(errno, "cannot open " + src);
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return PosixError::set(PlatformError::AccessDenied, src + " is not a file");
    }
    const int out = ::open(dst.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (failIfExists ? O_EXCL : O_TRUNC),
                           st.st_mode & 0777);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        if (err == EEXIST)
            return PosixError::set(PosixError::FileExists, "cannot copy to " + dst + ": the file exists");
        return PosixError::set(err, "cannot create " + dst);
    }
    std::vector<char> buffer(CopyChunk);
    bool ok = true;
    int err = 0;
    std::string what;
    while (ok) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ok = false, err = errno, what = "cannot read " + src;
            break;
        }
        if (n == 0)
            break;
        for (ssize_t written = 0; written < n;) {
            const ssize_t w = ::write(out, buffer.data() + written, size_t(n - written));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                ok = false, err = w < 0 ? errno : EIO, what = "cannot write " + dst;
                break;
            }
            written += w;
        }
    }
    if (ok && ::fsync(out) != 0)
        ok = false, err = errno, what = "cannot write " + dst;
    ::close(in);
    if (::close(out) != 0 && ok)
        ok = false, err = errno, what = "cannot write " + dst;
    if (!ok) {
        ::unlink(dst.c_str());  // never leave a half copy that looks complete
        return PosixError::set(err, what);
    }
    return true;
}

bool PosixFiles::deleteFile(const std::string& path) const
{
    const std::string native = nativeFilePath(path);
    if (native.empty())
        return false;
    if (::unlink(native.c_str()) != 0)
        return PosixError::set(errno, "cannot delete " + native);
    return true;
}

bool PosixFiles::setFileAttributesNormal(const std::string& path) const
{
    std::string native;
    struct stat st {};
    if (!statFile(path, native, st))
        return false;
    // "Normal" clears read-only; the owner's write bit is its counterpart here.
    if (!(st.st_mode & S_IWUSR) && ::chmod(native.c_str(), (st.st_mode & 07777) | S_IWUSR) != 0)
        return PosixError::set(errno, "cannot change the attributes of " + native);
    return true;
}

uint32_t PosixFiles::logicalDrives() const
{
    uint32_t mask = 0;
    for (const auto& [letter, root] : m_paths.letters())
        if (letter >= 'A' && letter <= 'Z')
            mask |= 1u << (letter - 'A');
    return mask;
}

uint32_t PosixFiles::driveType(const std::string& rootPath) const
{
    const std::string native = WindowsPathMapper::driveLetterOf(rootPath) ? m_paths.toNative(rootPath)
                                                                         : WindowsPathMapper::trimMountPath(rootPath);
    struct stat st {};
    return !native.empty() && ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? DriveFixed : DriveNoRootDir;
}

bool PosixFiles::syncFileData(int descriptor)
{
    if (::fdatasync(descriptor) != 0)
        return PosixError::set(errno, "cannot flush file descriptor " + std::to_string(descriptor));
    return true;
}

bool PosixFiles::syncFolder(const std::string& nativePath)
{
    // A new or removed name is only durable once the folder itself is synced.
    const int fd = ::open(nativePath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return PosixError::set(errno, "cannot open folder " + nativePath);
    const bool ok = ::fsync(fd) == 0;
    const int err = errno;
    ::close(fd);
    return ok || PosixError::set(err, "cannot flush folder " + nativePath);
}
