#include "platform/platform.h"

#include <atomic>

namespace {
std::atomic<PlatformDevices*> g_devices{nullptr};
std::atomic<PlatformVolumes*> g_volumes{nullptr};
std::atomic<PlatformFiles*> g_files{nullptr};
std::atomic<PlatformFirmware*> g_firmware{nullptr};
std::atomic<PlatformRegistry*> g_registry{nullptr};
std::atomic<PlatformSnapshots*> g_snapshots{nullptr};
thread_local uint32_t t_errorCode = 0;
thread_local std::string t_errorText;

PlatformParts nativeParts()
{
    static const PlatformParts parts = Platform::native().parts();
    return parts;
}

template <typename T>
T& installedOr(const std::atomic<T*>& slot, T* PlatformParts::*member)
{
    T* p = slot.load();
    return p ? *p : *(nativeParts().*member);
}
}

PlatformBackend& Platform::native()
{
    static std::unique_ptr<PlatformBackend> instance = createNativePlatform();
    return *instance;
}

PlatformDevices& Platform::devices() { return installedOr(g_devices, &PlatformParts::devices); }
PlatformVolumes& Platform::volumes() { return installedOr(g_volumes, &PlatformParts::volumes); }
PlatformFiles& Platform::files() { return installedOr(g_files, &PlatformParts::files); }
PlatformFirmware& Platform::firmware() { return installedOr(g_firmware, &PlatformParts::firmware); }
PlatformRegistry& Platform::registry() { return installedOr(g_registry, &PlatformParts::registry); }
PlatformSnapshots& Platform::snapshots() { return installedOr(g_snapshots, &PlatformParts::snapshots); }

PlatformParts Platform::current()
{
    return PlatformParts{&devices(), &volumes(), &files(), &firmware(), &registry(), &snapshots()};
}

void Platform::install(const PlatformParts& parts)
{
    g_devices.store(parts.devices);
    g_volumes.store(parts.volumes);
    g_files.store(parts.files);
    g_firmware.store(parts.firmware);
    g_registry.store(parts.registry);
    g_snapshots.store(parts.snapshots);
}

void Platform::setLastError(uint32_t code, const std::string& text)
{
    t_errorCode = code;
    t_errorText = text;
}

uint32_t Platform::lastErrorCode() { return t_errorCode; }
std::string Platform::lastErrorText() { return t_errorCode == 0 ? std::string() : t_errorText; }

namespace {
PlatformParts installedNow()
{
    return PlatformParts{g_devices.load(), g_volumes.load(), g_files.load(), g_firmware.load(), g_registry.load(),
                         g_snapshots.load()};
}
}

ScopedPlatform::ScopedPlatform(const PlatformParts& parts) : m_previous(installedNow())
{
    PlatformParts next = m_previous;
    if (parts.devices)
        next.devices = parts.devices;
    if (parts.volumes)
        next.volumes = parts.volumes;
    if (parts.files)
        next.files = parts.files;
    if (parts.firmware)
        next.firmware = parts.firmware;
    if (parts.registry)
        next.registry = parts.registry;
    if (parts.snapshots)
        next.snapshots = parts.snapshots;
    Platform::install(next);
}

ScopedPlatform::ScopedPlatform(PlatformBackend* backend) : m_previous(installedNow())
{
    Platform::install(backend ? backend->parts() : PlatformParts{});
}

ScopedPlatform::~ScopedPlatform() { Platform::install(m_previous); }
