#pragma once
#include "ondisk/gptheader.h"
#include "ondisk/gptpartitionentry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One GPT as a whole: protective MBR, both headers and both entry arrays, LBAs in the disk's own
// logical sectors. Loading checks both copies and records which is sound; entries are edited in
// memory; a commit is a list of writes ordered so that a sound copy is on disk at every moment.
// The disk is reached only through the callbacks given to load and commit.
class GptTable {
public:
    // Reads `length` bytes at byte `offset` into `out`; false when it cannot.
    using ReadFn = std::function<bool(uint64_t offset, uint64_t length, uint8_t* out)>;
    // Writes `length` bytes from `bytes` at byte `offset`; false when it cannot.
    using WriteFn = std::function<bool(uint64_t offset, uint64_t length, const uint8_t* bytes)>;
    // Makes what was written so far durable; false when the disk says it is not.
    using FlushFn = std::function<bool()>;
    struct Write {
        uint64_t offset = 0;
        std::vector<uint8_t> bytes;
        std::string what;
        bool barrier = false;  // a header: flushed before the next write
    };

    // `totalSectors` 0 when the disk's size is unknown: the backup is then found through the primary
    // only. False when neither copy is sound (lastError says why; hasSignature tells a GPT disk
    // with a broken table from a disk without one). With one sound copy it is used and a note says so.
    bool load(const ReadFn& read, uint32_t sectorSize, uint64_t totalSectors);
    // An empty GPT of 128 entries for a blank disk, with a fresh protective MBR.
    bool create(uint32_t sectorSize, uint64_t totalSectors, const std::array<uint8_t, 16>& diskGuid);

    bool hasSignature() const { return m_signature; }
    bool primarySound() const { return m_primarySound; }
    bool backupSound() const { return m_backupSound; }
    bool editable() const { return m_fresh || m_primarySound || m_backupSound; }
    // The primary header as it will be written (taken from the backup when only that one is sound).
    const GptHeader& header() const { return m_header; }
    GptHeader& header() { return m_header; }
    std::vector<GptPartitionEntry>& entries() { return m_entries; }
    const std::vector<GptPartitionEntry>& entries() const { return m_entries; }
    uint32_t sectorSize() const { return m_sectorSize; }
    uint64_t totalSectors() const { return m_totalSectors; }
    uint64_t backupLba() const { return m_backupLba; }

    int firstFreeEntry() const;
    // Index of the first used entry sharing a sector with [first, last] other than `skip`, or -1.
    int findOverlap(uint64_t first, uint64_t last, int skip = -1) const;

    // Backup header to the disk's last LBA with its array right before it, the last usable LBA
    // behind them, the protective MBR over the whole disk. Refused when the size is unknown or a
    // used entry would end behind the new last usable LBA.
    bool fitToDisk();

    // The writes of a commit: the copy that is not sound first (the backup when both are), each
    // array before its header, the protective MBR last. Refused when no copy was sound, or when
    // the backup or a used entry does not fit the usable area.
    bool commitPlan(std::vector<Write>& out);

    // Plans and writes the commit in order, flushing behind each header and after the last write;
    // stops at the first write or flush that fails. True only when every one of them succeeded.
    bool commit(const WriteFn& write, const FlushFn& flush);

    const std::string& lastError() const { return m_lastError; }
    // What loading found wrong and which copy it used.
    const std::vector<std::string>& notes() const { return m_notes; }

private:
    struct Copy {
        bool signature = false;
        bool headerOk = false;
        bool sound = false;
        GptHeader header;
        std::vector<GptPartitionEntry> entries;
        std::string why;
    };
    Copy readCopy(const ReadFn& read, uint64_t lba) const;
    bool fail(const std::string& message);

    uint32_t m_sectorSize = 512;
    uint64_t m_totalSectors = 0;
    bool m_signature = false;
    bool m_primarySound = false;
    bool m_backupSound = false;
    bool m_fresh = false;
    bool m_fitMbr = false;
    GptHeader m_header;
    std::vector<GptPartitionEntry> m_entries;
    uint64_t m_backupLba = 0;
    std::vector<uint8_t> m_mbr;
    std::string m_lastError;
    std::vector<std::string> m_notes;
};
