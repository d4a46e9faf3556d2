#pragma once
// A real block device whose reads fail in chosen byte ranges: an image served through a FUSE file
// (tessarin_faultyfuse) that answers EIO there, with a read-only loop device on top. Needs root
// and /dev/fuse; isReady() says whether it came up, skipReason() why not.
#include <QString>

#include <cstdint>
#include <sys/types.h>
#include <vector>

class FaultyDevice {
public:
    struct Range { uint64_t offset = 0; uint64_t length = 0; };  // bytes

    FaultyDevice(const QString& backingImage, const std::vector<Range>& badRanges, int logicalSectorSize = 512);
    ~FaultyDevice();  // detaches the loop device, unmounts, stops the server; never leaves a mount behind
    FaultyDevice(const FaultyDevice&) = delete;
    FaultyDevice& operator=(const FaultyDevice&) = delete;

    bool isReady() const { return !m_device.isEmpty(); }
    QString skipReason() const { return m_reason; }
    QString devicePath() const { return m_device; }
    QString mountPoint() const { return m_mountPoint; }  // where the FUSE file is served

private:
    bool startServer(const QString& image, const std::vector<Range>& badRanges);
    bool waitForMount(uint64_t expectedSize);
    bool attachLoop(int logicalSectorSize);
    void detachLoop();
    void stopServer();
    QString serverLog() const;

    QString m_directory;  // holds the mount point and the server's log
    QString m_mountPoint;
    QString m_file;       // the served image inside the mount
    QString m_device;
    QString m_reason;
    pid_t m_server = -1;
    bool m_mounted = false;
};
