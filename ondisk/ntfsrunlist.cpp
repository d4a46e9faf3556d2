#include "ondisk/ntfsrunlist.h"

#include "ondisk/byteorder.h"

NtfsRunList::Status NtfsRunList::decode(const uint8_t* data, size_t size, uint64_t totalClusters,
                                        std::vector<NtfsRun>& runs)
{
    size_t pos = 0;
    int64_t cluster = 0;
    while (true) {
        if (!data || pos >= size)
            return Status::Truncated;
        const uint8_t header = data[pos++];
        if (header == 0)
            return Status::Ok;
        NtfsRun run;
        run.header = header;
        run.lengthBytes = header & 0x0F;
        run.offsetBytes = header >> 4;
        if (run.lengthBytes > 8 || run.offsetBytes > 8)
            return Status::FieldTooWide;
        if (run.lengthBytes == 0)
            return Status::ZeroLength;
        if (size - pos < size_t(run.lengthBytes) + run.offsetBytes)
            return Status::Truncated;
        run.length = ByteOrder::getUnsigned(data + pos, run.lengthBytes);
        pos += run.lengthBytes;
        run.offset = ByteOrder::getSigned(data + pos, run.offsetBytes);
        pos += run.offsetBytes;
        if (run.length == 0)
            return Status::ZeroLength;
        run.sparse = run.offsetBytes == 0;
        if (!run.sparse) {
            int64_t next = 0;
            if (__builtin_add_overflow(cluster, run.offset, &next) || next < 0)
                return Status::OutsideVolume;
            cluster = next;
            if (uint64_t(cluster) > totalClusters || run.length > totalClusters - uint64_t(cluster))
                return Status::OutsideVolume;
        }
        run.cluster = uint64_t(cluster);
        runs.push_back(run);
    }
}
