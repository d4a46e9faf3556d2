#pragma once
#include "ondisk/gptheader.h"
#include "platform/platformtypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Reads the drive layout a disk carries itself: a GPT (primary header, else the backup at the last
// LBA) behind a protective MBR, or the four primary entries of an MBR. Logical partitions inside an
// extended partition are not followed; the extended container itself is listed like any entry.
// All decoding works on bytes given to it; only `parse` asks for bytes, through a callback.
class LayoutParser {
public:
    // Reads `length` bytes at byte `offset` of the disk into `out`; false when it cannot.
    using ReadFn = std::function<bool(uint64_t offset, uint64_t length, uint8_t* out)>;

    // Sector 0 of a disk. False when it is not an MBR (no 0x55AA, bad boot indicators). `protective`
    // tells whether an entry of type 0xEE is present; `entries` holds the used primary entries.
    static bool parseMbr(const uint8_t* sector, size_t length, uint32_t sectorSize,
                         std::vector<PlatformLayoutEntry>& entries, bool& protective, std::string& why);
    static bool parseGptHeader(const uint8_t* data, size_t length, uint64_t expectedLba, uint64_t diskSectors,
                               GptHeader& out, std::string& why);
    static bool parseGptEntries(const uint8_t* data, size_t length, const GptHeader& header, uint32_t sectorSize,
                                std::vector<PlatformLayoutEntry>& out, std::string& why);

    // The whole decision. False only when sector 0 cannot be read. A disk whose MBR asks for a GPT
    // but whose primary and backup GPT are both invalid is reported as Unknown with no entries: its
    // table cannot be trusted, and listing the protective entry as an MBR partition would invite
    // MBR edits of a GPT disk. `notes` says what was rejected and why.
    static bool parse(const ReadFn& read, uint64_t diskSize, uint32_t sectorSize, PlatformDriveLayout& out,
                      std::vector<std::string>& notes);
};
