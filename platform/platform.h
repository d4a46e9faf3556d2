#pragma once
#include "platform/platformdevices.h"
#include "platform/platformfiles.h"
#include "platform/platformfirmware.h"
#include "platform/platformregistry.h"
#include "platform/platformsnapshots.h"
#include "platform/platformvolumes.h"

#include <cstdint>
#include <memory>
#include <string>

// One implementation of each concern of the seam; a null member stands for "the one installed".
struct PlatformParts {
    PlatformDevices* devices = nullptr;
    PlatformVolumes* volumes = nullptr;
    PlatformFiles* files = nullptr;
    PlatformFirmware* firmware = nullptr;
    PlatformRegistry* registry = nullptr;
    PlatformSnapshots* snapshots = nullptr;
};

// A whole backend: the native one, or a test's stand-in for all concerns at once.
class PlatformBackend {
public:
    virtual ~PlatformBackend() = default;
    virtual PlatformParts parts() = 0;
};

// The seam between the portable program and the operating system, in concerns: devices, volumes,
// files, firmware, registry and snapshots. Paths are UTF-8 and written the Windows way ("\\.\PhysicalDrive3",
// "\\?\Volume{...}\", "Z:\EFI\Boot"); a backend turns them into its own. Failing calls return
// false/null/empty and leave the reason in lastErrorCode()/lastErrorText() of the calling thread,
// like GetLastError. Each concern is the native backend's unless a test installed its own
// (ScopedPlatform), so a test double replaces only what it fakes.
class Platform {
public:
    static PlatformDevices& devices();
    static PlatformVolumes& volumes();
    static PlatformFiles& files();
    static PlatformFirmware& firmware();
    static PlatformRegistry& registry();
    static PlatformSnapshots& snapshots();

    static PlatformBackend& native();
    // What is installed now, the native parts included.
    static PlatformParts current();
    // Installs `parts` (not owned) for the whole process; a null member restores the native one.
    static void install(const PlatformParts& parts);

    static void setLastError(uint32_t code, const std::string& text);
    static uint32_t lastErrorCode();
    static std::string lastErrorText();
};

// Installs parts of a platform for one scope (tests) and restores what was installed before.
class ScopedPlatform {
public:
    // Replaces the non-null members, keeps the others.
    explicit ScopedPlatform(const PlatformParts& parts);
    // Replaces every concern.
    explicit ScopedPlatform(PlatformBackend* backend);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;
private:
    PlatformParts m_previous;
};

// Defined by the backend compiled for this system.
std::unique_ptr<PlatformBackend> createNativePlatform();
