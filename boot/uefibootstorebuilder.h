#pragma once
#include "ondisk/bcddeviceelement.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

class RegistryHive;

// The UEFI boot files of a Windows copy that came from a BIOS disk, made without the Windows boot
// tools: the boot manager from the copy's Windows\Boot\EFI onto a freshly formatted EFI system
// partition (its own place and the fallback loader's), and a new boot store beside it with the
// boot manager and one Windows loader naming the copy's partitions.
class UefiBootStoreBuilder {
public:
    using Identity = BcdDeviceElement::Identity;
    struct Volume {
        uint64_t offset = 0;
        uint64_t size = 0;
        Identity identity;  // as a store's device element names the partition
    };

    // Paths on the volumes, "/" between parts, and the paths the store records.
    static const QString BootFolder;        // on the Windows volume
    static const QString ManagerFile;       // in BootFolder
    static const QString ManagerStorePath;  // "\EFI\Microsoft\Boot\bootmgfw.efi"
    static const QString LoaderStorePath;   // "\Windows\system32\winload.efi"
    static const QString SystemRootPath;    // "\Windows"
    static constexpr uint64_t TimeoutSeconds = 30;

    // A registry string as stored: UTF-16LE with its terminator; a list ends with an empty string.
    static std::vector<uint8_t> stringValue(const QString& text);
    static std::vector<uint8_t> stringListValue(const QStringList& texts);
    // Writes the store's description, the boot manager and the Windows loader `loader` ("{guid}")
    // into the open, empty `hive`, then commits it. False with `error` when a write fails.
    static bool writeStore(RegistryHive& hive, const Identity& esp, const Identity& windows, const QString& loader,
                           QString& error);

    UefiBootStoreBuilder(const QString& diskPath, uint32_t sectorSize);
    // Both volumes lie on the disk or image at diskPath; the EFI system partition holds an empty FAT.
    bool build(const Volume& esp, const Volume& windows);
    // The whole step on disk `target` (a GPT): its EFI system partition and the partition starting
    // at byte `windowsOffset`, then the SYSTEM hive of the copy made portable with `services`.
    static bool buildOnDisk(int target, uint64_t windowsOffset, const QStringList& services, QString& error);

    QStringList changes() const { return m_changes; }
    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString& message);

    QString m_disk;
    uint32_t m_sectorSize;
    QStringList m_changes;
    QString m_lastError;
};
