#pragma once
#include <cstdint>

// Memory aligned for unbuffered I/O; zero-filled on allocation.
class AlignedBuffer {
public:
    AlignedBuffer() = default;
    AlignedBuffer(uint64_t size, uint32_t alignment);
    ~AlignedBuffer();
    AlignedBuffer(AlignedBuffer&& other) noexcept;
    AlignedBuffer& operator=(AlignedBuffer&& other) noexcept;
    AlignedBuffer(const AlignedBuffer&) = delete;
    AlignedBuffer& operator=(const AlignedBuffer&) = delete;

    uint8_t* data() const { return m_data; }
    uint64_t size() const { return m_size; }
    explicit operator bool() const { return m_data != nullptr; }
    void reset();

private:
    void* m_block = nullptr;  // what the allocator returned; m_data lies inside it
    uint8_t* m_data = nullptr;
    uint64_t m_size = 0;
};
