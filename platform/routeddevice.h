#pragma once
#include "platform/devicehandle.h"

#include <memory>
#include <vector>

// A disk read partly from other devices: the bytes of each route come from its device (a volume's
// shadow copy) at the matching offset there, every other byte (tables, gaps, volumes without a
// route) from the disk itself. Read-only; everything but reads is the disk's.
class RoutedDevice : public DeviceHandle {
public:
    struct Route {
        uint64_t diskOffset = 0;
        uint64_t length = 0;
        uint64_t deviceOffset = 0;  // where the route's first byte lies on its device
        std::shared_ptr<DeviceHandle> device;
    };
    // One piece of a read: `route` -1 reads the disk at `offset`, else that route's device.
    struct Piece {
        int route = -1;
        uint64_t offset = 0;
        uint64_t length = 0;
    };

    RoutedDevice(std::unique_ptr<DeviceHandle> disk, std::vector<Route> routes);

    // Bytes [offset, offset + length) of the disk as pieces in order; routes must not overlap.
    static std::vector<Piece> split(uint64_t offset, uint64_t length, const std::vector<Route>& routes);

    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override;
    bool writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done) override;
    bool flush() override;
    bool geometry(PlatformGeometry& out) override { return m_disk->geometry(out); }
    bool accessAlignment(PlatformAccessAlignment& out) override { return m_disk->accessAlignment(out); }
    bool deviceDescriptor(PlatformDeviceDescriptor& out) override { return m_disk->deviceDescriptor(out); }
    bool seekPenalty(bool& incursSeekPenalty) override { return m_disk->seekPenalty(incursSeekPenalty); }
    bool driveLayout(PlatformDriveLayout& out) override { return m_disk->driveLayout(out); }
    bool updateDiskProperties() override { return m_disk->updateDiskProperties(); }
    std::string path() const override { return m_disk->path(); }
    std::string openNote() const override { return m_disk->openNote(); }

    const std::vector<Route>& routes() const { return m_routes; }

private:
    std::unique_ptr<DeviceHandle> m_disk;
    std::vector<Route> m_routes;
};
