// A FUSE file system of one read-only file, "disk", that serves an image and answers EIO to any
// read touching a bad range. Test support for unreadable source sectors:
//   tessarin_faultyfuse IMAGE MOUNTDIR [OFFSET:LENGTH ...]   (bytes, decimal)
// Runs in the foreground until unmounted. Every open is direct I/O, so no page cache above this
// file can answer a read that should fail.
#define FUSE_USE_VERSION 31
#include <fuse.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct BadRange {
    uint64_t offset;
    uint64_t length;
};

int g_image = -1;
uint64_t g_size = 0;
std::vector<BadRange> g_bad;
constexpr const char* FileName = "/disk";

bool touchesBadRange(uint64_t offset, uint64_t length)
{
    for (const BadRange& r : g_bad)
        if (offset < r.offset + r.length && r.offset < offset + length)
            return true;
    return false;
}

int getAttr(const char* path, struct stat* st, struct fuse_file_info*)
{
    std::memset(st, 0, sizeof(*st));
    if (std::strcmp(path, "/") == 0) {
        st->st_mode = S_IFDIR | 0555;
        st->st_nlink = 2;
        return 0;
    }
    if (std::strcmp(path, FileName) != 0)
        return -ENOENT;
    st->st_mode = S_IFREG | 0444;
    st->st_nlink = 1;
    st->st_size = static_cast<off_t>(g_size);
    return 0;
}

int readDir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, struct fuse_file_info*,
            enum fuse_readdir_flags)
{
    if (std::strcmp(path, "/") != 0)
        return -ENOENT;
    fill(buffer, ".", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    fill(buffer, "..", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    fill(buffer, FileName + 1, nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    return 0;
}

int openFile(const char* path, struct fuse_file_info* fi)
{
    if (std::strcmp(path, FileName) != 0)
        return -ENOENT;
    if ((fi->flags & O_ACCMODE) != O_RDONLY)
        return -EROFS;
    fi->direct_io = 1;
    fi->keep_cache = 0;
    return 0;
}

int readFile(const char*, char* buffer, size_t size, off_t offset, struct fuse_file_info*)
{
    if (offset < 0)
        return -EINVAL;
    const uint64_t start = static_cast<uint64_t>(offset);
    if (start >= g_size)
        return 0;
    if (size > g_size - start)
        size = static_cast<size_t>(g_size - start);
    if (touchesBadRange(start, size))
        return -EIO;
    size_t done = 0;
    while (done < size) {
        const ssize_t n = pread(g_image, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -errno;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return static_cast<int>(done);
}

bool parseRange(const char* text, BadRange& out)
{
    char* end = nullptr;
    errno = 0;
    out.offset = std::strtoull(text, &end, 10);
    if (errno || end == text || *end != ':')
        return false;
    const char* lengthText = end + 1;
    out.length = std::strtoull(lengthText, &end, 10);
    return !errno && end != lengthText && *end == '\0' && out.length > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s IMAGE MOUNTDIR [OFFSET:LENGTH ...]\n", argv[0]);
        return 2;
    }
    for (int i = 3; i < argc; ++i) {
        BadRange r{};
        if (!parseRange(argv[i], r)) {
            std::fprintf(stderr, "bad range '%s' (want OFFSET:LENGTH in bytes)\n", argv[i]);
            return 2;
        }
        g_bad.push_back(r);
    }
    g_image = open(argv[1], O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (g_image < 0 || fstat(g_image, &st) != 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    g_size = static_cast<uint64_t>(st.st_size);

    struct fuse_operations ops {};
    ops.getattr = getAttr;
    ops.readdir = readDir;
    ops.open = openFile;
    ops.read = readFile;
    // auto_unmount: the mount goes away with this process, even when it is killed.
    std::string program = argv[0];
    std::string mountDir = argv[2];
    std::string foreground = "-f";
    std::string optionFlag = "-o";
    std::string options = "ro,auto_unmount,fsname=tessarin_faulty,subtype=tessarin_faulty";
    char* fuseArgv[] = {program.data(), mountDir.data(), foreground.data(), optionFlag.data(), options.data(), nullptr};
    return fuse_main(5, fuseArgv, &ops, nullptr);
}
