#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// One range to move: `length` bytes from `sourceOffset` of the source to `targetOffset` of the target.
struct CopyExtent {
    uint64_t sourceOffset = 0;
    uint64_t targetOffset = 0;
    uint64_t length = 0;
};

// A piece of an extent and where it sits in its batch's buffer.
struct CopyPiece {
    uint64_t sourceOffset = 0;
    uint64_t targetOffset = 0;
    uint64_t length = 0;
    uint64_t bufferOffset = 0;
};

// What one buffer carries: read all pieces, then write them all. A direct batch's pieces are whole
// aligned spans on both sides and go to the background queue; any other batch is a single piece
// moved through the span-completing byte transfers.
struct CopyBatch {
    std::vector<CopyPiece> pieces;
    uint64_t bytes = 0;
    bool direct = true;
};

// Turns an extent list into batches: extents adjacent on both sides merged, large ones cut to the
// request size, small aligned ones packed together so a fragmented volume does not cost one round
// trip per extent. Pure arithmetic.
class CopyBatchPlanner {
public:
    struct Limits {
        uint64_t requestBytes = 4ull << 20;
        uint32_t sourceAlignment = 512;  // powers of two
        uint32_t targetAlignment = 512;
        size_t maxPiecesPerBatch = 64;
    };

    // The bytes the extents move.
    static uint64_t bytesOf(const std::vector<CopyExtent>& extents);
    // In source order, empty ones dropped, neighbours on both sides joined.
    static std::vector<CopyExtent> merge(std::vector<CopyExtent> extents);
    static std::vector<CopyBatch> plan(const std::vector<CopyExtent>& extents, const Limits& limits);
};
