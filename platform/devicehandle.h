#pragma once
#include "platform/platformtypes.h"

#include <atomic>

// An open disk, volume or image file. Destroying it closes it. Every failing call stores the
// reason with Platform::setLastError (code + text) on the calling thread.
class DeviceHandle {
public:
    virtual ~DeviceHandle() = default;

    // Positioned transfers from the start of the device. `done` receives the bytes moved,
    // which may be fewer than asked at the end of the device.
    virtual bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) = 0;
    virtual bool writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done) = 0;
    virtual bool flush() = 0;

    virtual bool geometry(PlatformGeometry& out) = 0;
    virtual bool accessAlignment(PlatformAccessAlignment& out) = 0;
    virtual bool deviceDescriptor(PlatformDeviceDescriptor& out) = 0;
    virtual bool seekPenalty(bool& incursSeekPenalty) = 0;
    virtual bool driveLayout(PlatformDriveLayout& out) = 0;
    virtual bool updateDiskProperties() = 0;

    // What discard() leaves in a range: nothing is done (not supported), a hole that reads back as
    // zeros (an image file), or storage given back whose contents read back undefined (a trimmed
    // SSD, a loop device).
    enum class Discard { None, Zeroes, Undefined };
    virtual Discard discardKind() { return Discard::None; }
    // Gives a range's storage back to the device. False with the platform's last error;
    // PlatformError::NotSupported when the device cannot.
    virtual bool discard(uint64_t offset, uint64_t length);

    // The path this handle was opened with.
    virtual std::string path() const = 0;

    // How the open went when it differed from what was asked (e.g. unbuffered I/O not possible on
    // this file system, buffered I/O used instead); empty otherwise. For the log.
    virtual std::string openNote() const { return {}; }

    // A flag (the run's cancel) that ends a wait of this handle's calls when it turns true; null
    // for none. It must outlive the handle. A backend whose calls cannot hang may ignore it.
    void setCancelFlag(const std::atomic<bool>* flag) { m_cancelFlag = flag; }

protected:
    bool cancelRequested() const { return m_cancelFlag && m_cancelFlag->load(); }

private:
    const std::atomic<bool>* m_cancelFlag = nullptr;
};
