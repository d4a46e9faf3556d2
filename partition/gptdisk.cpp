#include "partition/gptdisk.h"
#include "core/diskio.h"
#include "core/logger.h"

#include <QString>

bool GptDisk::load(DiskIO& disk, uint32_t sectorSize, uint64_t totalSectors)
{
    const ReadFn read = [&disk](uint64_t offset, uint64_t length, uint8_t* out) {
        return disk.readTargetBytes(offset, length, out);
    };
    // Without a size the backup is only found through the primary; the disk may know better.
    if (totalSectors == 0 && sectorSize != 0)
        totalSectors = disk.targetBytes() / sectorSize;
    const bool ok = load(read, sectorSize, totalSectors);
    for (const std::string& note : notes())
        Logger::instance().warning(QString::fromStdString(note));
    if (!ok && hasSignature())
        Logger::instance().error(QString::fromStdString(lastError()));
    return ok;
}

bool GptDisk::commit(DiskIO& disk)
{
    const WriteFn write = [&disk](uint64_t offset, uint64_t length, const uint8_t* bytes) {
        return disk.writeTargetBytes(offset, length, bytes);
    };
    if (commit(write, [&disk] { return disk.flushTarget(); }))
        return true;
    Logger::instance().error(QString::fromStdString(lastError()));
    return false;
}
