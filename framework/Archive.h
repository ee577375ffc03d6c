// SPDX-License-Identifier: GPL-3.0-or-later
// CArchive: a little-endian byte stream over an in-memory copy of a file, used by
// CDocument::Serialize. Documents are read from a buffer holding the whole file and written
// to a buffer that the document manager commits atomically, so a half-written file never
// replaces a good one.
//
// Every read is bounds-checked: a read or seek past the end throws CArchiveException, which
// the document layer reports as "Unexpected file format." and which never escapes into the
// program's own code paths.
#pragma once

#include "framework/Bytes.h"

#include <cstdint>
#include <stdexcept>

class CArchiveException : public std::runtime_error {
public:
    enum Cause { endOfFile, badSeek, writeFailed };
    explicit CArchiveException(Cause cause);
    Cause m_cause;
};

class CArchive {
public:
    enum Mode { load, store };

    // A loading archive over the given bytes.
    explicit CArchive(Bytes bytes);
    // An empty storing archive.
    CArchive();

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::uint32_t ReadDWord();
    // Reads exactly count bytes into out.
    void Read(void* out, std::size_t count);

    void WriteByte(std::uint8_t v);
    void WriteWord(std::uint16_t v);
    void WriteDWord(std::uint32_t v);
    void Write(const void* data, std::size_t count);
    // Extends the stored bytes by count and returns where the new ones start, for a writer
    // that knows its length beforehand and fills them in place, without a buffer of its own.
    // The new bytes are zeros until filled; the pointer is valid until the next write.
    std::uint8_t* WriteInPlace(std::size_t count);

    // Position in bytes from the start; Seek past the end throws badSeek.
    std::size_t GetPosition() const { return m_pos; }
    void Seek(std::size_t pos);
    std::size_t GetLength() const { return std::size_t(m_bytes.size()); }
    // True when count bytes can be read from pos.
    bool Has(std::size_t pos, std::size_t count) const;

    const Bytes& Buffer() const { return m_bytes; }

private:
    Mode m_mode;
    Bytes m_bytes;
    std::size_t m_pos = 0;
};
