// libFuzzer target: resume journal decoding. Whatever is accepted encodes back to the same bytes,
// and a refusal leaves nothing behind.
#include "core/clonejournalcodec.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CloneJournalCodec::Contents c;
    c.copied.push_back({1, 2, 3});
    size_t badOffset = 0;
    const CloneJournalCodec::Status status = CloneJournalCodec::decode(data, size, c, badOffset);
    if (status != CloneJournalCodec::Status::Ok) {
        if (!c.copied.empty() || !c.unreadable.empty() || c.header.sourceBytes || badOffset > size
            || CloneJournalCodec::statusText(status).empty())
            __builtin_trap();
        return 0;
    }
    if (badOffset != 0)
        __builtin_trap();
    for (const CopyExtent& e : c.copied)
        if (e.length == 0 || e.sourceOffset + e.length > c.header.sourceBytes || e.sourceOffset + e.length < e.length
            || e.targetOffset + e.length > c.header.targetBytes || e.targetOffset + e.length < e.length)
            __builtin_trap();
    // Records may have been split differently, so compare the header bytes and re-decode the rest.
    const std::vector<uint8_t> header = CloneJournalCodec::encodeHeader(c.header);
    if (header.size() > size || !std::equal(header.begin(), header.end(), data))
        __builtin_trap();
    std::vector<uint8_t> again = header;
    const std::vector<uint8_t> copied = CloneJournalCodec::encodeCopied(c.copied);
    const std::vector<uint8_t> bad = CloneJournalCodec::encodeUnreadable(c.unreadable);
    again.insert(again.end(), copied.begin(), copied.end());
    again.insert(again.end(), bad.begin(), bad.end());
    CloneJournalCodec::Contents d;
    if (CloneJournalCodec::decode(again.data(), again.size(), d, badOffset) != CloneJournalCodec::Status::Ok
        || d.copied.size() != c.copied.size() || d.unreadable != c.unreadable)
        __builtin_trap();
    return 0;
}
