#include "platform/routeddevice.h"

#include "platform/platform.h"

#include <algorithm>

RoutedDevice::RoutedDevice(std::unique_ptr<DeviceHandle> disk, std::vector<Route> routes)
    : m_disk(std::move(disk)), m_routes(std::move(routes))
{
}

std::vector<RoutedDevice::Piece> RoutedDevice::split(uint64_t offset, uint64_t length, const std::vector<Route>& routes)
{
    std::vector<Piece> pieces;
    const uint64_t end = offset + length;
    uint64_t at = offset;
    while (at < end) {
        // The route that holds `at`, else the nearest one that starts after it.
        int inside = -1;
        uint64_t next = end;
        for (size_t i = 0; i < routes.size(); ++i) {
            const Route& r = routes[i];
            if (r.length == 0)
                continue;
            if (at >= r.diskOffset && at - r.diskOffset < r.length) {
                inside = int(i);
                break;
            }
            if (r.diskOffset > at)
                next = std::min(next, r.diskOffset);
        }
        Piece p;
        p.route = inside;
        if (inside >= 0) {
            const Route& r = routes[size_t(inside)];
            p.offset = r.deviceOffset + (at - r.diskOffset);
            p.length = std::min(end, r.diskOffset + r.length) - at;
        } else {
            p.offset = at;
            p.length = next - at;
        }
        pieces.push_back(p);
        at += p.length;
    }
    return pieces;
}

bool RoutedDevice::readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done)
{
    done = 0;
    auto* out = static_cast<uint8_t*>(buffer);
    for (const Piece& p : split(offset, length, m_routes)) {
        DeviceHandle* from = p.route < 0 ? m_disk.get() : m_routes[size_t(p.route)].device.get();
        uint64_t got = 0;
        if (!from->readAt(p.offset, out + done, p.length, got))
            return false;
        done += got;
        if (got < p.length)
            return true;  // the end of a device: the read is short, as the disk's own would be
    }
    return true;
}

bool RoutedDevice::writeAt(uint64_t, const void*, uint64_t, uint64_t& done)
{
    done = 0;
    Platform::setLastError(PlatformError::AccessDenied, "the source is read through a snapshot and cannot be written");
    return false;
}

bool RoutedDevice::flush() { return true; }
