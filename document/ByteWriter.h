// SPDX-License-Identifier: GPL-3.0-or-later
// ByteWriter: little-endian stores into a buffer the caller has sized. The icon writer
// knows every byte count before it starts, so it fills the archive's own buffer in place,
// without growing or checking it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteWriter {
public:
    explicit ByteWriter(std::uint8_t* out)
        : m_out(out)
    {
    }

    void Byte(std::uint8_t v) { *m_out++ = v; }
    void Word(std::uint16_t v)
    {
        Byte(std::uint8_t(v));
        Byte(std::uint8_t(v >> 8));
    }
    void DWord(std::uint32_t v)
    {
        const std::uint8_t bytes[4] = { std::uint8_t(v), std::uint8_t(v >> 8),
            std::uint8_t(v >> 16), std::uint8_t(v >> 24) };
        Bytes(bytes, 4);
    }
    void Bytes(const void* data, std::size_t count)
    {
        std::memcpy(m_out, data, count);
        m_out += count;
    }
    // Moves past the next count bytes, returning where they start, for a writer of their own:
    // a local writer's position stays in a register, where this one's, stored through by
    // every byte, would go back to memory each time.
    std::uint8_t* Take(std::size_t count)
    {
        std::uint8_t* start = m_out;
        m_out += count;
        return start;
    }
    std::uint8_t* Position() const { return m_out; }

private:
    std::uint8_t* m_out;
};
