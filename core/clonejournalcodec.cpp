#include "core/clonejournalcodec.h"

#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr uint8_t Magic[8] = {'T', 'S', 'J', 'R', 'N', 'L', '\r', '\n'};

// Header: fixed fields, then two length-prefixed identities, then the CRC of all before it.
constexpr size_t HdrMagic = 0;
constexpr size_t HdrVersion = 8;
constexpr size_t HdrLength = 12;
constexpr size_t HdrPlanHash = 16;
constexpr size_t HdrSourceFingerprint = 32;
constexpr size_t HdrSourceBytes = 48;
constexpr size_t HdrTargetBytes = 56;
constexpr size_t HdrSectorSize = 64;
constexpr size_t HdrIdentities = 68;
constexpr size_t LengthFieldBytes = 4;
constexpr size_t CrcBytes = 4;
constexpr size_t MinHeaderBytes = HdrIdentities + 2 * LengthFieldBytes + CrcBytes;
constexpr size_t MaxHeaderBytes = MinHeaderBytes + 2 * CloneJournalCodec::MaxIdentityBytes;
constexpr uint32_t MinSectorSize = 512;
constexpr uint32_t MaxSectorSize = 1u << 16;

// Record: magic, kind, count, the entries, the CRC of all before it.
constexpr uint32_t RecordMagic = 0x4345524A;  // "JREC"
constexpr size_t RecMagic = 0;
constexpr size_t RecKind = 4;
constexpr size_t RecCount = 8;
constexpr size_t RecEntries = 12;
constexpr size_t CopiedEntryBytes = 24;
constexpr size_t CopiedSource = 0;
constexpr size_t CopiedTarget = 8;
constexpr size_t CopiedLength = 16;
constexpr size_t UnreadableEntryBytes = 16;
constexpr size_t UnreadableFirst = 0;
constexpr size_t UnreadableCount = 8;

bool validSectorSize(uint32_t bytes)
{
    return bytes >= MinSectorSize && bytes <= MaxSectorSize && (bytes & (bytes - 1)) == 0;
}

size_t entryBytes(uint32_t kind)
{
    return kind == CloneJournalCodec::KindCopied ? CopiedEntryBytes : UnreadableEntryBytes;
}

// [offset, offset + length) lies inside [0, limit), the sum not wrapping.
bool inside(uint64_t offset, uint64_t length, uint64_t limit)
{
    return length <= limit && offset <= limit - length;
}

void putCrc(std::vector<uint8_t>& bytes)
{
    const uint32_t crc = Crc32::compute(bytes.data(), bytes.size());
    bytes.resize(bytes.size() + CrcBytes);
    ByteOrder::put32(bytes.data() + bytes.size() - CrcBytes, crc);
}

template <typename Entry, typename Put>
std::vector<uint8_t> encodeRecords(uint32_t kind, const std::vector<Entry>& entries, Put put)
{
    std::vector<uint8_t> out;
    const size_t each = entryBytes(kind);
    for (size_t first = 0; first < entries.size(); first += CloneJournalCodec::MaxRecordEntries) {
        const size_t count = std::min<size_t>(CloneJournalCodec::MaxRecordEntries, entries.size() - first);
        std::vector<uint8_t> rec(RecEntries + count * each);
        ByteOrder::put32(rec.data() + RecMagic, RecordMagic);
        ByteOrder::put32(rec.data() + RecKind, kind);
        ByteOrder::put32(rec.data() + RecCount, static_cast<uint32_t>(count));
        for (size_t i = 0; i < count; ++i)
            put(rec.data() + RecEntries + i * each, entries[first + i]);
        putCrc(rec);
        out.insert(out.end(), rec.begin(), rec.end());
    }
    return out;
}
}

std::vector<uint8_t> CloneJournalCodec::encodeHeader(const Header& header)
{
    if (header.sourceIdentity.size() > MaxIdentityBytes || header.targetIdentity.size() > MaxIdentityBytes
        || !validSectorSize(header.sectorSize))
        return {};
    std::vector<uint8_t> out(HdrIdentities);
    std::memcpy(out.data() + HdrMagic, Magic, sizeof(Magic));
    ByteOrder::put32(out.data() + HdrVersion, Version);
    ByteOrder::put32(out.data() + HdrLength, static_cast<uint32_t>(MinHeaderBytes + header.sourceIdentity.size()
                                                                     + header.targetIdentity.size()));
    std::memcpy(out.data() + HdrPlanHash, header.planHash.data(), header.planHash.size());
    std::memcpy(out.data() + HdrSourceFingerprint, header.sourceFingerprint.data(), header.sourceFingerprint.size());
    ByteOrder::put64(out.data() + HdrSourceBytes, header.sourceBytes);
    ByteOrder::put64(out.data() + HdrTargetBytes, header.targetBytes);
    ByteOrder::put32(out.data() + HdrSectorSize, header.sectorSize);
    for (const std::string* identity : {&header.sourceIdentity, &header.targetIdentity}) {
        const size_t at = out.size();
        out.resize(at + LengthFieldBytes + identity->size());
        ByteOrder::put32(out.data() + at, static_cast<uint32_t>(identity->size()));
        std::memcpy(out.data() + at + LengthFieldBytes, identity->data(), identity->size());
    }
    putCrc(out);
    return out;
}

std::vector<uint8_t> CloneJournalCodec::encodeCopied(const std::vector<CopyExtent>& extents)
{
    return encodeRecords(KindCopied, extents, [](uint8_t* p, const CopyExtent& e) {
        ByteOrder::put64(p + CopiedSource, e.sourceOffset);
        ByteOrder::put64(p + CopiedTarget, e.targetOffset);
        ByteOrder::put64(p + CopiedLength, e.length);
    });
}

std::vector<uint8_t> CloneJournalCodec::encodeUnreadable(const std::vector<std::pair<uint64_t, uint64_t>>& runs)
{
    return encodeRecords(KindUnreadable, runs, [](uint8_t* p, const std::pair<uint64_t, uint64_t>& run) {
        ByteOrder::put64(p + UnreadableFirst, run.first);
        ByteOrder::put64(p + UnreadableCount, run.second);
    });
}

CloneJournalCodec::Status CloneJournalCodec::decode(const uint8_t* data, size_t size, Contents& out,
                                                    size_t& badOffset)
{
    out = Contents();
    badOffset = 0;
    Contents decoded;
    size_t offset = 0;
    Status status = decodeHeader(data, size, decoded.header, offset, badOffset);
    while (status == Status::Ok && offset < size) {
        size_t used = 0;
        status = decodeRecord(data, size, offset, decoded, used);
        if (status != Status::Ok)
            badOffset = offset;
        offset += used;
    }
    if (status == Status::Ok)
        out = std::move(decoded);
    return status;
}

CloneJournalCodec::Status CloneJournalCodec::decodeHeader(const uint8_t* data, size_t size, Header& out,
                                                          size_t& headerBytes, size_t& badOffset)
{
    if (size < sizeof(Magic))
        return Status::TooShort;
    if (std::memcmp(data + HdrMagic, Magic, sizeof(Magic)) != 0)
        return Status::BadMagic;
    if (size < MinHeaderBytes)
        return Status::TooShort;
    if (ByteOrder::get32(data + HdrVersion) != Version) {
        badOffset = HdrVersion;
        return Status::BadVersion;
    }
    const uint32_t length = ByteOrder::get32(data + HdrLength);
    if (length < MinHeaderBytes || length > MaxHeaderBytes) {
        badOffset = HdrLength;
        return Status::BadHeader;
    }
    if (length > size)
        return Status::TooShort;
    // The identities must fill the header exactly, so the CRC sits where the length says.
    const size_t end = length - CrcBytes;
    size_t at = HdrIdentities;
    for (std::string* identity : {&out.sourceIdentity, &out.targetIdentity}) {
        const uint32_t bytes = at + LengthFieldBytes <= end ? ByteOrder::get32(data + at) : 0;
        if (at + LengthFieldBytes > end || bytes > MaxIdentityBytes || bytes > end - at - LengthFieldBytes) {
            badOffset = at;
            return Status::BadHeader;
        }
        identity->assign(reinterpret_cast<const char*>(data + at + LengthFieldBytes), bytes);
        at += LengthFieldBytes + bytes;
    }
    if (at != end) {
        badOffset = HdrLength;
        return Status::BadHeader;
    }
    if (Crc32::compute(data, at) != ByteOrder::get32(data + at)) {
        badOffset = at;
        return Status::BadHeaderChecksum;
    }
    std::memcpy(out.planHash.data(), data + HdrPlanHash, out.planHash.size());
    std::memcpy(out.sourceFingerprint.data(), data + HdrSourceFingerprint, out.sourceFingerprint.size());
    out.sourceBytes = ByteOrder::get64(data + HdrSourceBytes);
    out.targetBytes = ByteOrder::get64(data + HdrTargetBytes);
    out.sectorSize = ByteOrder::get32(data + HdrSectorSize);
    if (!validSectorSize(out.sectorSize)) {
        badOffset = HdrSectorSize;
        return Status::BadHeader;
    }
    headerBytes = length;
    return Status::Ok;
}

CloneJournalCodec::Status CloneJournalCodec::decodeRecord(const uint8_t* data, size_t size, size_t offset,
                                                          Contents& out, size_t& used)
{
    const size_t left = size - offset;
    const uint8_t* rec = data + offset;
    if (left < RecEntries)
        return Status::Truncated;
    const uint32_t kind = ByteOrder::get32(rec + RecKind);
    const uint32_t count = ByteOrder::get32(rec + RecCount);
    if (ByteOrder::get32(rec + RecMagic) != RecordMagic || (kind != KindCopied && kind != KindUnreadable)
        || count == 0 || count > MaxRecordEntries)
        return Status::BadRecord;
    const size_t body = RecEntries + size_t(count) * entryBytes(kind);
    if (left < body + CrcBytes)
        return Status::Truncated;
    if (Crc32::compute(rec, body) != ByteOrder::get32(rec + body))
        return Status::BadRecordChecksum;
    if (!entriesFit(out.header, kind, rec + RecEntries, count))
        return Status::BadRecord;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = rec + RecEntries + size_t(i) * entryBytes(kind);
        if (kind == KindCopied)
            out.copied.push_back({ByteOrder::get64(e + CopiedSource), ByteOrder::get64(e + CopiedTarget),
                                  ByteOrder::get64(e + CopiedLength)});
        else
            out.unreadable.emplace_back(ByteOrder::get64(e + UnreadableFirst), ByteOrder::get64(e + UnreadableCount));
    }
    used = body + CrcBytes;
    return Status::Ok;
}

bool CloneJournalCodec::entriesFit(const Header& header, uint32_t kind, const uint8_t* entries, uint32_t count)
{
    // A record that passed its CRC yet points outside the disks was written for other disks or by
    // faulty code: either way it must not steer a resume.
    const uint64_t sourceSectors = header.sourceBytes / header.sectorSize;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = entries + size_t(i) * entryBytes(kind);
        if (kind == KindCopied) {
            const uint64_t length = ByteOrder::get64(e + CopiedLength);
            if (length == 0 || !inside(ByteOrder::get64(e + CopiedSource), length, header.sourceBytes)
                || !inside(ByteOrder::get64(e + CopiedTarget), length, header.targetBytes))
                return false;
        } else {
            const uint64_t sectors = ByteOrder::get64(e + UnreadableCount);
            if (sectors == 0 || !inside(ByteOrder::get64(e + UnreadableFirst), sectors, sourceSectors))
                return false;
        }
    }
    return true;
}

std::string CloneJournalCodec::statusText(Status status)
{
    switch (status) {
    case Status::Ok: return "the journal is intact";
    case Status::TooShort: return "the journal is shorter than its header";
    case Status::BadMagic: return "the file is not a resume journal";
    case Status::BadVersion: return "the journal was written by another version of the program";
    case Status::BadHeader: return "the journal header is malformed";
    case Status::BadHeaderChecksum: return "the journal header fails its checksum";
    case Status::BadRecord: return "a journal record is malformed";
    case Status::BadRecordChecksum: return "a journal record fails its checksum";
    case Status::Truncated: return "the last journal record is cut short";
    }
    return "unknown journal status";
}
