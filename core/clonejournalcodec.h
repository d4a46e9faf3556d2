#pragma once
#include "core/copybatchplanner.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The bytes of a resume journal: one header naming the run it belongs to, then records appended as
// the copy goes on (extents now on the target, source sectors that could not be read). Each part
// carries its own CRC-32. Decoding is all or nothing: a journal with any damage, a cut last record
// included, is refused as a whole, since trusting part of it could skip data that never arrived.
class CloneJournalCodec {
public:
    static constexpr uint32_t Version = 1;
    static constexpr size_t MaxIdentityBytes = 4096;
    static constexpr uint32_t MaxRecordEntries = 1u << 20;
    static constexpr uint32_t KindCopied = 1;
    static constexpr uint32_t KindUnreadable = 2;

    struct Header {
        std::array<uint8_t, 16> planHash{};
        std::array<uint8_t, 16> sourceFingerprint{};
        uint64_t sourceBytes = 0, targetBytes = 0;
        uint32_t sectorSize = 0;
        std::string sourceIdentity, targetIdentity;
    };

    struct Contents {
        Header header;
        std::vector<CopyExtent> copied;
        std::vector<std::pair<uint64_t, uint64_t>> unreadable;  // first sector, sector count
    };

    enum class Status {
        Ok,
        TooShort,
        BadMagic,
        BadVersion,
        BadHeader,
        BadHeaderChecksum,
        BadRecord,
        BadRecordChecksum,
        Truncated
    };

    // `badOffset` is where the refused part starts (0 when all is well).
    static Status decode(const uint8_t* data, size_t size, Contents& out, size_t& badOffset);
    static std::string statusText(Status status);

    // Empty for a header that could not be read back (an identity longer than MaxIdentityBytes, a
    // sector size that is not a power of two from 512 to 64 KiB).
    static std::vector<uint8_t> encodeHeader(const Header& header);
    // Nothing for an empty list; more than one record for more than MaxRecordEntries entries.
    static std::vector<uint8_t> encodeCopied(const std::vector<CopyExtent>& extents);
    static std::vector<uint8_t> encodeUnreadable(const std::vector<std::pair<uint64_t, uint64_t>>& runs);

private:
    static Status decodeHeader(const uint8_t* data, size_t size, Header& out, size_t& headerBytes,
                               size_t& badOffset);
    // One record at `offset`; `used` is its length in bytes.
    static Status decodeRecord(const uint8_t* data, size_t size, size_t offset, Contents& out, size_t& used);
    static bool entriesFit(const Header& header, uint32_t kind, const uint8_t* entries, uint32_t count);
};
