// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a file held in memory, in the standard library's types: the codec and the file
// writer use these so that pixmora-cli's export can run them without QtCore. Code that holds
// QByteArrays converts at its edge with the two helpers below, which exist where QtCore does.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

#ifdef QT_CORE_LIB
#include <QByteArray>
#include <QByteArrayView>

inline Bytes ToBytes(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return Bytes(data, data + bytes.size());
}

inline ByteView ToByteView(QByteArrayView bytes)
{
    return ByteView(reinterpret_cast<const std::uint8_t*>(bytes.data()), std::size_t(bytes.size()));
}

inline QByteArray ToQByteArray(ByteView bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}
#endif
