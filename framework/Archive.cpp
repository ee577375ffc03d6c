// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Archive.h"

#include <cstring>

CArchiveException::CArchiveException(Cause cause)
    : std::runtime_error(cause == writeFailed ? "archive write failed" : "archive read failed")
    , m_cause(cause)
{
}

CArchive::CArchive(Bytes bytes)
    : m_mode(load)
    , m_bytes(std::move(bytes))
{
}

CArchive::CArchive()
    : m_mode(store)
{
}

bool CArchive::Has(std::size_t pos, std::size_t count) const
{
    return pos <= GetLength() && count <= GetLength() - pos;
}

void CArchive::Read(void* out, std::size_t count)
{
    if (!IsLoading() || !Has(m_pos, count))
        throw CArchiveException(CArchiveException::endOfFile);
    std::memcpy(out, m_bytes.data() + m_pos, count);
    m_pos += count;
}

std::uint8_t CArchive::ReadByte()
{
    std::uint8_t b = 0;
    Read(&b, 1);
    return b;
}

std::uint16_t CArchive::ReadWord()
{
    std::uint8_t b[2];
    Read(b, 2);
    return std::uint16_t(b[0] | (b[1] << 8));
}

std::uint32_t CArchive::ReadDWord()
{
    std::uint8_t b[4];
    Read(b, 4);
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16)
        | (std::uint32_t(b[3]) << 24);
}

void CArchive::Write(const void* data, std::size_t count)
{
    if (!IsStoring())
        throw CArchiveException(CArchiveException::writeFailed);
    const auto* from = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), from, from + count);
    m_pos = GetLength();
}

std::uint8_t* CArchive::WriteInPlace(std::size_t count)
{
    if (!IsStoring())
        throw CArchiveException(CArchiveException::writeFailed);
    const std::size_t start = m_bytes.size();
    m_bytes.resize(start + count);
    m_pos = GetLength();
    return m_bytes.data() + start;
}

void CArchive::WriteByte(std::uint8_t v) { Write(&v, 1); }

void CArchive::WriteWord(std::uint16_t v)
{
    const std::uint8_t b[2] = { std::uint8_t(v), std::uint8_t(v >> 8) };
    Write(b, 2);
}

void CArchive::WriteDWord(std::uint32_t v)
{
    const std::uint8_t b[4]
        = { std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24) };
    Write(b, 4);
}

void CArchive::Seek(std::size_t pos)
{
    if (!IsLoading() || pos > GetLength())
        throw CArchiveException(CArchiveException::badSeek);
    m_pos = pos;
}
