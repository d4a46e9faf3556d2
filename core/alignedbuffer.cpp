#include "core/alignedbuffer.h"

#include <cstdlib>
#include <limits>
#include <utility>

AlignedBuffer::AlignedBuffer(uint64_t size, uint32_t alignment)
{
    const bool powerOfTwo = alignment != 0 && (alignment & (alignment - 1)) == 0;
    if (size == 0 || !powerOfTwo || size > std::numeric_limits<size_t>::max() - alignment)
        return;
    // calloc: large blocks arrive zeroed from the system without a pass over every page.
    void* block = std::calloc(static_cast<size_t>(size) + alignment, 1);
    if (!block)
        return;
    const uintptr_t aligned = (reinterpret_cast<uintptr_t>(block) + alignment - 1) & ~uintptr_t(alignment - 1);
    m_block = block;
    m_data = reinterpret_cast<uint8_t*>(aligned);
    m_size = size;
}

AlignedBuffer::~AlignedBuffer() { reset(); }

AlignedBuffer::AlignedBuffer(AlignedBuffer&& other) noexcept
    : m_block(other.m_block), m_data(other.m_data), m_size(other.m_size)
{
    other.m_block = nullptr;
    other.m_data = nullptr;
    other.m_size = 0;
}

AlignedBuffer& AlignedBuffer::operator=(AlignedBuffer&& other) noexcept
{
    if (this != &other) {
        reset();
        std::swap(m_block, other.m_block);
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
    }
    return *this;
}

void AlignedBuffer::reset()
{
    std::free(m_block);
    m_block = nullptr;
    m_data = nullptr;
    m_size = 0;
}
