#pragma once
#include "core/tessarin.h"

#include <QList>
#include <QString>
#include <QMetaType>
#include <cstdint>

// One partition as the platform reports it. Its place is kept in 512-byte units whatever the disk's
// logical sector size, as the platform reports it; startByte() is the one conversion.
class PartitionInfo {
public:
    int32_t diskNumber = -1;
    int32_t partitionNumber = 0;
    QString driveLetter;
    QString label;
    Tessarin::FileSystemType fileSystem = Tessarin::FileSystemType::Unknown;
    QString fileSystemName;
    uint64_t start512 = 0;
    uint64_t count512 = 0;
    uint64_t size = 0;
    uint64_t usedSpace = 0;
    QString typeGuid;       // registry form "{XXXXXXXX-...}", empty on MBR
    QString partitionGuid;  // same form
    uint8_t mbrType = 0;
    bool isActive = false;
    bool isSystem = false;    // mounted, with Windows\System32 below its drive letter
    bool isEfi = false;
    bool isRecovery = false;
    bool isMsr = false;
    bool hasWindows = false;  // a Windows\System32 folder below its root, found by a read-only probe
    bool hasBootFiles = false;  // bootmgr or Boot\BCD below its root (MBR disks), found by a read-only probe

    static constexpr uint64_t Unit = 512;

    bool isValid() const { return diskNumber >= 0 && size > 0; }
    uint64_t startByte() const { return start512 * Unit; }
    // Holds a Windows installation, mounted or not: the one rule for what a system clone takes as
    // the Windows volume and what the cards, the listing and the plans show as such.
    bool holdsWindows() const { return isSystem || hasWindows; }
    // On an MBR disk the partition the BIOS starts from, or one holding the boot manager: the
    // "System Reserved" a legacy Windows boots through, wherever Windows itself lies.
    bool isSystemReserved() const { return typeGuid.isEmpty() && (isActive || hasBootFiles); }
    // Of an MBR disk's `partitions`, the one a legacy copy is to start from: the active System
    // Reserved, else one holding the boot manager, else the active one; -1 when none is.
    static int legacyBootIndex(const QList<PartitionInfo>& partitions);
    QString displayName() const;
    // The file system's name as enumeration found it, else from its type; empty when unknown.
    QString fileSystemText() const;
    QString sizeString() const;
    double usagePercent() const;
};

Q_DECLARE_METATYPE(PartitionInfo)
