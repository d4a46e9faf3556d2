#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// Where the bytes behind a path really live: a loop device leads to its backing file at its
// offset, a partition to its whole disk at its start, an image file to itself and, as its host,
// to the device of the file system that holds it. Two names share storage when their regions meet.
class StorageMap {
public:
    struct Region {
        bool file = false;       // a regular file (dev + ino) or a whole block device (dev)
        dev_t dev = 0;
        ino_t ino = 0;
        uint64_t start = 0;
        uint64_t end = 0;        // exclusive
        // The device holding a file: the file's own blocks lie somewhere inside it.
        bool host = false;
        std::string path;        // the file or /dev node, for locks and messages
    };

    // The regions behind bytes [offset, offset + length) of `nativePath`; length 0: to the end.
    static std::vector<Region> resolve(const std::string& nativePath, uint64_t offset, uint64_t length);
    static bool overlap(const std::vector<Region>& a, const std::vector<Region>& b);
    // Why the regions cannot be written now: a mount, a swap area or a holder on any block device
    // that reaches them (partitions, loop devices over the same file); empty when none.
    static std::string busyReason(const std::vector<Region>& regions);
    // Where a file system is mounted read-write on a block device that reaches the regions (the
    // device, its partitions, loop devices over the same file): "/mnt/x (/dev/loop3)" each.
    static std::vector<std::string> writableMounts(const std::vector<Region>& regions);

    // Open file description locks on the file regions, held while the object lives.
    class Claim {
    public:
        ~Claim();
        Claim() = default;
        Claim(const Claim&) = delete;
        Claim& operator=(const Claim&) = delete;
        std::vector<int> fds;
    };
    // Exclusive for a target, shared for a source; null with `error` when another run holds one.
    static std::unique_ptr<Claim> claim(const std::vector<Region>& regions, bool exclusive, std::string& error);

private:
    static void resolveInto(const std::string& nativePath, uint64_t offset, uint64_t length, bool host, int depth,
                            std::vector<Region>& out);
    static void resolveBlock(dev_t rdev, uint64_t offset, uint64_t length, bool host, int depth,
                             std::vector<Region>& out);
};
