// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PngWriter.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>
#include <zlib.h>

namespace {

constexpr int kBytesPerPixel = 4;
constexpr std::array<std::uint8_t, 8> kSignature = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
// zlib's settings: a fast level (within a few per cent of the best on icons, at a third of its
// cost) and a window and hash table sized for the few kilobytes of an icon image, cheaper to
// set up than the defaults; larger pictures still compress, with nearer matches only.
constexpr int kLevel = 2;
constexpr int kWindowBits = 14;
constexpr int kMemLevel = 6;
// The filters tried on each row: the three that cost a subtraction a byte. Average and Paeth
// gain little on the flat colours of an icon and cost more than the rest of the export.
enum Filter : std::uint8_t { kNone, kSub, kUp, kFilterCount };

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(v >> shift));
}

// Length, type, data and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::uint8_t* data,
    std::size_t bytes)
{
    PutBigEndian(out, std::uint32_t(bytes));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + bytes);
    const uLong crc = crc32(0L, out.data() + typeAt, uInt(4 + bytes));
    PutBigEndian(out, std::uint32_t(crc));
}

// Filters one row; above is the unfiltered row before it (zeros for the first row). The
// first pixel has no left neighbour, which PNG counts as zeros.
void FilterRow(Filter filter, const std::uint8_t* row, const std::uint8_t* above, std::size_t bytes,
    std::uint8_t* out)
{
    constexpr std::size_t k = kBytesPerPixel;
    switch (filter) {
    case kNone:
        std::copy(row, row + bytes, out);
        return;
    case kSub:
        std::copy(row, row + k, out);
        for (std::size_t i = k; i < bytes; ++i)
            out[i] = std::uint8_t(row[i] - row[i - k]);
        return;
    default: // kUp
        for (std::size_t i = 0; i < bytes; ++i)
            out[i] = std::uint8_t(row[i] - above[i]);
        return;
    }
}

// Residues read as signed bytes, summed by size: small means the row predicts well.
unsigned long Cost(const std::uint8_t* filtered, std::size_t bytes)
{
    unsigned long sum = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        sum += unsigned(std::abs(int(std::int8_t(filtered[i]))));
    return sum;
}

// The scan lines as PNG stores them: each row behind its filter type byte.
std::vector<std::uint8_t> FilteredRows(const std::uint8_t* rgba, int width, int height)
{
    const std::size_t rowBytes = std::size_t(width) * kBytesPerPixel;
    std::vector<std::uint8_t> lines((rowBytes + 1) * std::size_t(height));
    const std::vector<std::uint8_t> zeros(rowBytes, 0);
    std::vector<std::uint8_t> candidate(rowBytes);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = rgba + std::size_t(y) * rowBytes;
        const std::uint8_t* above = y > 0 ? row - rowBytes : zeros.data();
        std::uint8_t* line = &lines[std::size_t(y) * (rowBytes + 1)];
        unsigned long best = 0;
        for (int f = kNone; f < kFilterCount; ++f) {
            FilterRow(Filter(f), row, above, rowBytes, candidate.data());
            const unsigned long cost = Cost(candidate.data(), rowBytes);
            if (f == kNone || cost < best) {
                best = cost;
                line[0] = std::uint8_t(f);
                std::copy(candidate.begin(), candidate.end(), line + 1);
            }
        }
    }
    return lines;
}

// The zlib stream of the scan lines.
bool Deflate(const std::vector<std::uint8_t>& lines, std::vector<std::uint8_t>& out)
{
    z_stream stream {};
    if (deflateInit2(&stream, kLevel, Z_DEFLATED, kWindowBits, kMemLevel, Z_DEFAULT_STRATEGY)
        != Z_OK)
        return false;
    out.resize(deflateBound(&stream, uLong(lines.size())));
    stream.next_in = const_cast<Bytef*>(lines.data());
    stream.avail_in = uInt(lines.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int status = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return status == Z_STREAM_END;
}

} // namespace

Bytes EncodeRgbaPng(const std::uint8_t* rgba, int width, int height)
{
    const std::vector<std::uint8_t> lines = FilteredRows(rgba, width, height);
    std::vector<std::uint8_t> compressed;
    if (!Deflate(lines, compressed))
        return {};

    std::vector<std::uint8_t> header;
    PutBigEndian(header, std::uint32_t(width));
    PutBigEndian(header, std::uint32_t(height));
    // 8 bits a sample, colour type 6 (RGBA), deflate, adaptive filters, not interlaced.
    header.insert(header.end(), { 8, 6, 0, 0, 0 });

    Bytes file(kSignature.begin(), kSignature.end());
    file.reserve(file.size() + 3 * 12 + header.size() + compressed.size());
    PutChunk(file, "IHDR", header.data(), header.size());
    PutChunk(file, "IDAT", compressed.data(), compressed.size());
    PutChunk(file, "IEND", nullptr, 0);
    return file;
}
