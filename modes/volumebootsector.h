#pragma once
#include <QString>
#include <cstdint>

class DiskIO;

// Writes a copied volume's new place into its boot sector and the backup of it on the target, so
// that the file system (and a BIOS boot from it) finds itself where the copy put it.
class VolumeBootSector {
public:
    enum class Outcome { Updated, UnknownFileSystem, Failed };

    // `volumeOffset` and `volumeBytes` give the copy's place on the target. A boot sector of no
    // known file system is left alone (UnknownFileSystem); `error` says why on Failed.
    static Outcome place(DiskIO& disk, uint64_t volumeOffset, uint64_t volumeBytes, QString& error);
};
