#pragma once
// An in-memory platform for tests, every part at once: numbered disks held as byte vectors, fault
// injection, a record of every transfer, and settable answers for volumes, files, drive letters,
// registry and firmware.
//
// Use (link `tessarin_testsupport`, include "common/memoryplatform.h"):
//
//   MemoryPlatform mp;
//   int src = mp.addDisk(8 * 1024 * 1024);            // disk 0: "\\.\PhysicalDrive0", 512/512 sectors
//   int dst = mp.addDisk(8 * 1024 * 1024, 512, 4096);  // disk 1: 512 logical, 4096 physical
//   mp.fillPattern(src, 7);                            // deterministic non-zero bytes
//   mp.addAlias("/tmp/a.img", src);                    // another name for the same disk (sameDevice)
//   ScopedPlatform scope(&mp);                         // every Platform:: part is mp until scope ends
//   ... run the code under test ...
//   QVERIFY(mp.writes(src).empty());                   // nothing was written to the source
//   mp.reads(dst), mp.opens()                          // spans transferred, devices opened
//
// Every transfer is recorded as an IoEvent (disk, write, offset on the disk, length, handle path,
// succeeded), failed attempts included; clearRecords() forgets them. ScopedPlatform installs the
// platform process-wide, so build the MemoryPlatform before the scope and destroy handles first.
//
// Faults (byte offsets on the disk; a transfer touching the byte fails as a whole, nothing moved):
//   mp.failReadAt(disk, offset, PlatformError::IoDevice, "I/O error");
//   failReadAtSector/failWriteAtSector (logical sectors);
//   mp.setWriteLimit(disk, bytes)   a full target: bytes at or past the limit are not written
//                                  (the write stops there, returns false, code 112);
//   mp.setVanished(disk, true)      every open and transfer fails with NotReady;
//   mp.setIoHook(fn)                fn(event) runs before each transfer (cancel a copy, sleep, count).
// Transfers through handles opened with a NoBuffering flag must be whole logical sectors from a buffer
// aligned to the logical sector, like unbuffered I/O.
// Reading or writing past the end of a disk moves only what fits (short count), like a block device.
//
// Volumes: addVolume(name, disk, offset, length) gives a volume handle whose I/O lands on that range of
// the disk; set its mount paths, label, file system and free space through volume(name); it answers
// no NTFS data or bitmap requests. Files, drives, registry and firmware are plain public members
// (registry: sub-key path -> values; registryEnumSubKeys lists children in sorted order). File paths
// compare as Windows compares them: case, '/' against '\' and trailing backslashes do not matter.
// A letter in driveMask has a fixed disk behind it (type 3).
// Transfers and handle calls are guarded by a mutex of each part, so a worker thread may use the
// handles; set the public members and disk fields before such a thread starts.
//
// The parts (MemoryStorage, MemoryFiles, MemoryRegistry, MemoryFirmware) also serve alone, installed
// with ScopedPlatform(PlatformParts{...}) next to the native ones.
#include "common/memoryfiles.h"
#include "common/memoryfirmware.h"
#include "common/memoryregistry.h"
#include "common/memorystorage.h"

class MemoryPlatform : public PlatformBackend,
                       public MemoryStorage,
                       public MemoryFiles,
                       public MemoryRegistry,
                       public MemoryFirmware {
public:
    PlatformParts parts() override { return PlatformParts{this, this, this, this, this}; }
};
